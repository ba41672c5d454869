// robustness_test.cpp - damaged files through every view of the
// disassembler: objects and images of both models cut short at every
// length and changed at every byte must be refused or shown, never crash
// (the sanitizer build watches the reads), and a file cut short is always
// refused.
#include "elffile.h"
#include "objdump.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace zvod {
namespace {

class Damage : public ::testing::Test {
protected:
  void SetUp() override {
    char pattern[] = "/tmp/zv-objdump-damage-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir = pattern;
    std::ofstream(dir + "/a.s")
        << "        .globl start\n"
           "        .data\n"
           "v:      .long 7, start, ext+4\n"
           "        .quad v\n"
           "        .section .str, \"aMS\", @progbits, 1\n"
           "s:      .asciz \"text\"\n"
           "        .text\n"
           "start:  rdl v\n"
           "        getl 5\n"
           "        addl @1, @2\n"
           "        wrl @1, v+4\n"
           "        addf @2, 0f1.5\n"
           "        complete\n"
           "next:   getl s\n"
           "        jmp start\n"
           "        complete\n";
    std::ofstream(dir + "/b.s") << "        .globl ext\n"
                                   "        .data\n"
                                   "ext:    .long 1\n";
    // a.s and b.s assembled with the options and linked; the object of
    // a.s and the image go to into.
    auto build = [&](const std::string &m, const std::string &options,
                     const std::string &tag,
                     std::vector<std::vector<uint8_t>> &into) {
      const std::string a = dir + "/a" + tag + m + ".o";
      const std::string b = dir + "/b" + tag + m + ".o";
      const std::string image = dir + "/i" + tag + m + ".bin";
      for (const std::string &source : {std::string("a"), std::string("b")})
        run(std::string("'") + ZV_AS_PATH + "' --arch=" + m + options +
            " -o '" + (source == "a" ? a : b) + "' '" + dir + "/" + source +
            ".s'");
      run(std::string("'") + ZV_LD_PATH + "' -e start -o '" + image + "' '" +
          a + "' '" + b + "'");
      into.push_back(read(a));
      into.push_back(read(image));
    };
    for (const char *model : {"ZP100", "ZP200"}) {
      build(model, "", "", files);
      // The same with debugging information.
      build(model, " -g", "g", debugFiles);
    }
  }
  void TearDown() override {
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
  }
  static void run(const std::string &command) {
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
  }
  static std::vector<uint8_t> read(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in),
                                std::istreambuf_iterator<char>());
  }
  static int show(const std::vector<uint8_t> &bytes) {
    std::ostringstream out;
    return disassembleBytes(bytes.data(), bytes.size(), out);
  }

  std::string dir;
  std::vector<std::vector<uint8_t>> files;
  std::vector<std::vector<uint8_t>> debugFiles;
};

TEST_F(Damage, CutShortAtEveryLength) {
  ASSERT_EQ(files.size(), 4u);
  for (const std::vector<uint8_t> &file : files) {
    ASSERT_EQ(show(file), 0);
    for (size_t n = 0; n < file.size(); ++n) {
      std::vector<uint8_t> cut(file.begin(), file.begin() + n);
      // Every file ends with a header table, so no prefix is whole.
      EXPECT_EQ(show(cut), 1) << "cut to " << n << " bytes";
    }
  }
}

TEST_F(Damage, EveryByteChanged) {
  const uint8_t values[] = {0x00, 0xff, 0x80, 0x7f};
  size_t refused = 0, shown = 0;
  for (const std::vector<uint8_t> &file : files)
    for (size_t i = 0; i < file.size(); ++i)
      for (uint8_t value : values) {
        if (file[i] == value)
          continue;
        std::vector<uint8_t> changed = file;
        changed[i] = value;
        (show(changed) ? refused : shown)++;
      }
  // Both outcomes occur: contents change freely, headers are checked.
  EXPECT_GT(refused, 100u);
  EXPECT_GT(shown, 100u);
}

// Damage inside the debugging sections leaves the file readable: the
// listing goes on, at most without its lines and labels, and nothing the
// consumer library is shown may crash it.
TEST_F(Damage, DebuggingInformationChanged) {
  ObjDumpOptions options;
  options.disassemble = true;
  options.sourceText = true;
  options.lineNumbers = true;
  size_t changes = 0, warned = 0;
  for (const std::vector<uint8_t> &file : debugFiles) {
    ElfFile elf;
    ASSERT_TRUE(elf.read(file.data(), file.size()));
    for (const ElfSection &section : elf.getSections()) {
      if (section.name.rfind(".debug_", 0) != 0)
        continue;
      for (uint32_t i = 0; i < section.shdr.sh_size; ++i)
        for (uint8_t value : {uint8_t(0x00), uint8_t(0xff)}) {
          std::vector<uint8_t> changed = file;
          uint8_t &byte = changed[section.shdr.sh_offset + i];
          if (byte == value)
            continue;
          byte = value;
          std::ostringstream out, warnings;
          ObjDump dump(options);
          EXPECT_TRUE(
              dump.run("f", changed.data(), changed.size(), out, warnings))
              << section.name << "+" << i << ": " << dump.getLastError();
          ++changes;
          warned += !warnings.str().empty();
        }
    }
  }
  EXPECT_GT(changes, 1000u);
  // Some changes are noticed and said.
  EXPECT_GT(warned, 0u);
}

} // namespace
} // namespace zvod
