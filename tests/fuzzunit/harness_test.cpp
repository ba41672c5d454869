// harness_test.cpp - the fuzz targets' harness without libFuzzer: which
// sources the assembler target leaves out, where its includes may reach,
// how linker inputs are cut and linked, and what the ELF mutations and
// checks do with real objects.
#include "asinputfilter.h"
#include "elf32.h"
#include "elfcheck.h"
#include "elfmutator.h"
#include "includesandbox.h"
#include "linkharness.h"
#include "scratchdirectory.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

// The structure-aware mutator hands some work to libFuzzer; here that
// work changes nothing, so that every change seen is the mutator's own.
extern "C" size_t LLVMFuzzerMutate(uint8_t *, size_t size, size_t) {
  return size;
}

namespace {

using Bytes = std::vector<uint8_t>;

const char *rejects(const std::string &text) {
  return AsInputFilter::rejects(reinterpret_cast<const uint8_t *>(text.data()),
                                text.size());
}

TEST(AsInputFilter, LetsInSourcesThatCannotGrowWithoutBound) {
  for (const char *ok :
       {"", "start: jmp start\n complete\n", ".data\n.skip 16\n.long 1\n",
        ".data\n.fill 3, 4, 0x78\n", ".data\n.space 4096, 0xff",
        ".data\n.align 8\n.p2align 3, 0, 2\n",
        ".data\n.rept 32\n.byte 1\n.endr\n", ".include \"defs.inc\"\n",
        ".alias two 2\n.data\n.byte two\n"})
    EXPECT_EQ(rejects(ok), nullptr) << ok;
}

TEST(AsInputFilter, LeavesOutKnownProblems) {
  for (const char *bad :
       {// Sizes larger than the limit, not literal, or not alone.
        ".data\n.skip 4097\n", ".data\n.skip 0x100000000\n",
        ".data\n.skip size\n", ".data\n.skip 2*3\n", ".data\n.skip -1\n",
        ".data\n.fill 5, 8, 1 ; comment\n", ".data\n.p2align 13\n",
        ".data\n.align 8192\n", ".data\n.skipper 1\n",
        // Sizes read many times over.
        ".include \"fuzz.s\"\n.data\n.skip 65\n",
        ".data\n.rept 2\n.skip 100\n.endr\n",
        // Repetitions: large, nested, unterminated, through includes.
        ".rept 33\n.endr\n", ".rept 2\n.rept 2\n.endr\n.endr\n",
        ".rept 2\n.byte 1\n", ".rept 2\n.byte 1\n.endr",
        ".rept 2\n.include \"fuzz.s\"\n.endr\n", ".rept n\n.endr\n",
        // Aliases that may expand into aliases, or hide a size.
        ".alias a b b\n.alias b 1\n", ".alias s .skip\n.data\n.skip 1\n"})
    EXPECT_NE(rejects(bad), nullptr) << bad;
  EXPECT_NE(rejects(".alias a 1\n" + std::string(1024, ';')), nullptr);
}

TEST(IncludeSandbox, ConfinesPathsToItsRootWhileAlive) {
  std::string inside;
  ASSERT_TRUE(IncludeSandbox::confine("../x", inside));
  EXPECT_EQ(inside, "../x");
  const std::string root = "/scratch/zv";
  IncludeSandbox sandbox(root);
  for (const auto &[path, expected] :
       std::vector<std::pair<const char *, const char *>>{
           {"a.inc", "/scratch/zv/a.inc"},
           {"sub/b.inc", "/scratch/zv/sub/b.inc"},
           {"/scratch/zv/fuzz.s", "/scratch/zv/fuzz.s"},
           {"./a..b", "/scratch/zv/./a..b"}}) {
    EXPECT_TRUE(IncludeSandbox::confine(path, inside)) << path;
    EXPECT_EQ(inside, expected);
  }
  for (const char *path : {"/etc/passwd", "../x", "sub/../../x",
                           "/scratch/zv/..", "/scratch/zvx/a", "/scratch"})
    EXPECT_FALSE(IncludeSandbox::confine(path, inside)) << path;
}

Bytes text(const std::string &s) { return Bytes(s.begin(), s.end()); }

TEST(LinkHarness, CutsAtSeparatorsIntoAtMostThreeParts) {
  bool entry = true;
  Bytes one = text("only");
  auto parts = LinkHarness::split(one.data(), one.size(), entry);
  ASSERT_EQ(parts.size(), 1u);
  EXPECT_EQ(parts[0].size, 4u);
  EXPECT_FALSE(entry);

  Bytes four = text("aZVLDPART!<arch>\nxZVLDENTRbbZVLDPARTc");
  parts = LinkHarness::split(four.data(), four.size(), entry);
  ASSERT_EQ(parts.size(), 3u);
  EXPECT_TRUE(entry);
  EXPECT_EQ(std::string(four.begin(), four.begin() + long(parts[0].size)), "a");
  EXPECT_TRUE(parts[1].archive);
  EXPECT_FALSE(parts[2].archive);
  // The third separator stays inside the last part.
  EXPECT_EQ(std::string(four.begin() + long(parts[2].offset), four.end()),
            "bbZVLDPARTc");
}

// Objects assembled by zv-as in a directory of the test's own.
class RealObjects : public ::testing::Test {
protected:
  void SetUp() override {
    char pattern[] = "/tmp/zv-fuzzunit-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir = pattern;
  }
  void TearDown() override { std::system(("rm -rf '" + dir + "'").c_str()); }
  Bytes assemble(const std::string &source, const char *model) {
    std::ofstream(dir + "/s.s") << source;
    std::string command = std::string("'") + ZV_AS_PATH + "' --arch=" + model +
                          " -g -o '" + dir + "/s.o' '" + dir + "/s.s'";
    EXPECT_EQ(std::system(command.c_str()), 0) << source;
    return read(dir + "/s.o");
  }
  static Bytes read(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in),
                 std::istreambuf_iterator<char>());
  }
  void write(const std::string &name, const Bytes &bytes) {
    std::ofstream(dir + "/" + name, std::ios::binary)
        .write(reinterpret_cast<const char *>(bytes.data()),
               std::streamsize(bytes.size()));
  }
  // The ELF header field of the given width at offset, in the object's
  // byte order.
  static uint32_t field(const Bytes &b, size_t at, unsigned width) {
    uint32_t v = 0;
    for (unsigned i = 0; i < width; ++i)
      v |= uint32_t(b[at + i]) << 8 * (b[5] == 2 ? width - 1 - i : i);
    return v;
  }
  static void setField(Bytes &b, size_t at, unsigned width, uint32_t v) {
    for (unsigned i = 0; i < width; ++i)
      b[at + i] = uint8_t(v >> 8 * (b[5] == 2 ? width - 1 - i : i));
  }
  static Bytes join(const Bytes &a, const char *separator, const Bytes &b) {
    Bytes out = a;
    out.insert(out.end(), separator, separator + LinkHarness::SeparatorSize);
    out.insert(out.end(), b.begin(), b.end());
    return out;
  }

  const std::string main = "        .text\n        .globl start\n"
                           "start:  rdl v\n        complete\n"
                           "        .data\nv:      .long other\n";
  const std::string other = "        .data\n        .globl other\n"
                            "other:  .long 7\n";
  std::string dir;
};

TEST_F(RealObjects, ElfCheckAcceptsObjectsAndNamesWhatIsWrong) {
  for (const char *model : {"ZP100", "ZP200"}) {
    Bytes object = assemble(main, model);
    write("ok.o", object);
    uint16_t machine = std::string(model) == "ZP100" ? EM_ZP100 : EM_ZP200;
    EXPECT_EQ(ElfCheck::problem(dir + "/ok.o", ET_REL, machine), "");
    EXPECT_EQ(ElfCheck::problem(dir + "/ok.o", ET_EXEC, machine), "e_type 1");
    // The section header table pointed past the end.
    Bytes cut = object;
    setField(cut, 32, 4, uint32_t(cut.size() - 10));
    write("cut.o", cut);
    EXPECT_EQ(ElfCheck::problem(dir + "/cut.o", ET_REL, machine),
              "section header table outside the file");
    EXPECT_EQ(ElfCheck::problem(dir + "/missing.o", ET_REL, machine),
              "cannot be read");
  }
}

TEST_F(RealObjects, LargeAlignmentsAreFoundInObjectsAndArchives) {
  Bytes object = assemble(main, "ZP100");
  EXPECT_FALSE(LinkHarness::asksLargeAlignment(object.data(), object.size()));
  // Section 1's sh_addralign, first alone and then inside an archive.
  const size_t align = field(object, 32, 4) + 40 + 32;
  setField(object, align, 4, LinkHarness::LargeAlignment + 1);
  EXPECT_TRUE(LinkHarness::asksLargeAlignment(object.data(), object.size()));
  write("big.o", object);
  ASSERT_EQ(std::system(("cd '" + dir + "' && ar rcs libbig.a big.o").c_str()),
            0);
  Bytes archive = read(dir + "/libbig.a");
  EXPECT_TRUE(LinkHarness::asksLargeAlignment(archive.data(), archive.size()));
  setField(object, align, 4, LinkHarness::LargeAlignment);
  EXPECT_FALSE(LinkHarness::asksLargeAlignment(object.data(), object.size()));
}

TEST_F(RealObjects, RunsLinksAndLeavesOutWhatHoldsNoObject) {
  for (const char *model : {"ZP100", "ZP200"}) {
    Bytes a = assemble(main, model);
    Bytes b = assemble(other, model);
    LinkHarness harness;
    // A clean link, one with an undefined symbol, one with the entry label:
    // each must leave a sound image or none, or the harness aborts.
    EXPECT_EQ(harness.run(a.data(), a.size()), 0);
    Bytes pair = join(a, LinkHarness::Separator, b);
    EXPECT_EQ(harness.run(pair.data(), pair.size()), 0);
    Bytes entry = join(a, LinkHarness::EntrySeparator, b);
    EXPECT_EQ(harness.run(entry.data(), entry.size()), 0);
    write("other.o", b);
    ASSERT_EQ(
        std::system(("cd '" + dir + "' && ar rcs libo.a other.o").c_str()), 0);
    Bytes withArchive = join(a, LinkHarness::Separator, read(dir + "/libo.a"));
    EXPECT_EQ(harness.run(withArchive.data(), withArchive.size()), 0);
    Bytes archiveOnly = read(dir + "/libo.a");
    EXPECT_EQ(harness.run(archiveOnly.data(), archiveOnly.size()), -1);
    Bytes junk = text("not an object");
    EXPECT_EQ(harness.run(junk.data(), junk.size()), 0);
  }
}

TEST_F(RealObjects, MutationsAreRepeatableAndKeepInPlaceSizes) {
  Bytes a = assemble(main, "ZP100");
  Bytes b = assemble(other, "ZP200");
  Bytes input = join(a, LinkHarness::Separator, b);
  size_t changed = 0;
  for (unsigned seed = 0; seed < 200; ++seed) {
    Bytes first = input, second = input;
    first.resize(input.size() + 64);
    second.resize(input.size() + 64);
    size_t n1 =
        ElfMutator::mutate(first.data(), input.size(), first.size(), seed);
    size_t n2 =
        ElfMutator::mutate(second.data(), input.size(), second.size(), seed);
    ASSERT_EQ(n1, n2);
    ASSERT_EQ(first, second) << "seed " << seed;
    ASSERT_LE(n1, first.size());
    first.resize(n1);
    changed += first != input;
  }
  // Nearly every mutation changes something (a field may get its own value).
  EXPECT_GT(changed, 150u);
  // Nothing to mutate is no reason to fail.
  Bytes room(64);
  for (unsigned seed = 0; seed < 64; ++seed)
    EXPECT_LE(ElfMutator::mutate(room.data(), 0, room.size(), seed),
              room.size());

  Bytes out(a.size() + b.size() + 64);
  for (unsigned seed = 0; seed < 8; ++seed) {
    size_t n = ElfMutator::crossOver(a.data(), a.size(), b.data(), b.size(),
                                     out.data(), out.size(), seed);
    ASSERT_EQ(n, a.size() + LinkHarness::SeparatorSize + b.size());
    EXPECT_TRUE(std::equal(a.begin(), a.end(), out.begin()));
    EXPECT_TRUE(
        std::equal(b.begin(), b.end(), out.begin() + long(n - b.size())));
  }
  EXPECT_EQ(ElfMutator::crossOver(a.data(), a.size(), b.data(), b.size(),
                                  out.data(), a.size(), 0),
            0u);
}

} // namespace
