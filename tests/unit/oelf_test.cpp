// oelf_test.cpp - the ELF writer: files read back by the host's readelf and
// field by field, string table tail reuse, the closing sequence, error codes
// and texts, debug section names.
#include "debugsectionnames.h"
#include "oelf.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

std::vector<uint8_t> readFile(const std::string &path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

// Output of a shell command, or "" when it could not run.
std::string run(const std::string &command) {
  std::string out;
  FILE *p = popen(command.c_str(), "r");
  if (!p)
    return out;
  char chunk[4096];
  size_t n;
  while ((n = std::fread(chunk, 1, sizeof chunk, p)) > 0)
    out.append(chunk, n);
  pclose(p);
  return out;
}

bool haveReadelf() {
  return std::system("readelf --version >/dev/null 2>&1") == 0;
}

// The file's bytes as a buffer in the given order, for field checks.
struct FileImage {
  FileImage(const std::string &path, uint8_t encoding)
      : bytes(readFile(path)), buffer(encoding, bytes.size()) {
    if (uint8_t *raw = buffer.setRawData(bytes.size()))
      if (!bytes.empty())
        std::memcpy(raw, bytes.data(), bytes.size());
  }
  Elf32_Ehdr header() {
    Elf32_Ehdr h{};
    buffer.seekg(0);
    buffer >> h;
    return h;
  }
  Elf32_Shdr section(const Elf32_Ehdr &h, unsigned i) {
    Elf32_Shdr s{};
    buffer.seekg(h.e_shoff + i * sizeof(Elf32_Shdr));
    buffer >> s;
    return s;
  }
  Elf32_Sym symbol(const Elf32_Shdr &symtab, unsigned i) {
    Elf32_Sym s{};
    buffer.seekg(symtab.sh_offset + i * sizeof(Elf32_Sym));
    buffer >> s;
    return s;
  }
  std::string name(const Elf32_Shdr &strtab, uint32_t offset) {
    std::string table(bytes.begin() + strtab.sh_offset,
                      bytes.begin() + strtab.sh_offset + strtab.sh_size);
    return ioelf_base::getName(table, offset);
  }
  std::vector<uint8_t> bytes;
  Buffer buffer;
};

class OelfTest : public ::testing::Test {
protected:
  void SetUp() override {
    char pattern[] = "/tmp/zv-oelf-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir = pattern;
  }
  void TearDown() override {
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
  }
  std::string file(const std::string &name) const { return dir + "/" + name; }

  std::string dir;
};

const uint8_t textBytes[] = {0x10, 0x20, 0x30, 0x40, 0x50, 0x60, 0x70, 0x80};

// A small relocatable object: .text with 8 bytes, .rel.text with one entry,
// .data with 4 bytes, a section symbol, a local and a global symbol.
void writeSmallObject(oelf &w, uint8_t encoding) {
  ASSERT_EQ(w.init(encoding, ET_REL, 0x8100, 0, 0x80000000), oelf::NoError);
  uint16_t text =
      w.addSHEntry(".text", SHT_PROGBITS, SHF_ALLOC | SHF_EXECINSTR, 0,
                   static_cast<uint32_t>(w.tellp()), 0, 0, 0, 4, 0);
  ASSERT_EQ(w.addSectionData(textBytes, sizeof textBytes, text), 0);
  Buffer rel(encoding, 8);
  rel << Elf32_Rel{4, ELF32_R_INFO(3, 3)};
  // Linked to the .symtab that accomplish() adds after .strtab.
  uint16_t reltext =
      w.addSHEntry(".rel.text", SHT_REL, 0, 0, static_cast<uint32_t>(w.tellp()),
                   0, 5, text, 4, 8);
  ASSERT_EQ(w.addSectionData(rel, reltext), 0);
  Buffer data(1, 4);
  data << uint32_t(0x01020304);
  uint16_t dataIndex =
      w.addSHEntry(".data", SHT_PROGBITS, SHF_ALLOC | SHF_WRITE, 0,
                   static_cast<uint32_t>(w.tellp()), 0, 0, 0, 4, 0);
  ASSERT_EQ(w.addSectionData(data, dataIndex), 0);
  EXPECT_EQ(w.addSTEntry("", 0, 0, STB_LOCAL, STT_SECTION, 0, text), 1u);
  EXPECT_EQ(w.addSTEntry("start", 0, 0, STB_LOCAL, STT_NOTYPE, 0, text), 2u);
  EXPECT_EQ(w.addSTEntry("main", 4, 0, STB_GLOBAL, STT_FUNC, 0, text), 3u);
}

TEST_F(OelfTest, ReadelfAcceptsObjectsInBothOrders) {
  if (!haveReadelf())
    GTEST_SKIP() << "readelf not installed";
  for (uint8_t enc : {uint8_t(1), uint8_t(2)}) {
    std::string path = file("obj" + std::to_string(enc) + ".o");
    {
      oelf w(path);
      writeSmallObject(w, enc);
      ASSERT_EQ(w.accomplish(), oelf::NoError);
      ASSERT_EQ(w.close(), oelf::NoError);
    }
    std::string out = run("readelf -W -h -S -s -r '" + path + "' 2>&1");
    SCOPED_TRACE(out);
    EXPECT_NE(out.find(enc == 1 ? "little endian" : "big endian"),
              std::string::npos);
    EXPECT_NE(out.find("ELF32"), std::string::npos);
    EXPECT_NE(out.find("REL (Relocatable file)"), std::string::npos);
    EXPECT_NE(out.find("0x8100"), std::string::npos);
    EXPECT_NE(out.find("Flags:                             0x80000000"),
              std::string::npos);
    EXPECT_NE(out.find("Number of section headers:         7"),
              std::string::npos);
    EXPECT_NE(out.find("Section header string table index: 6"),
              std::string::npos);
    // Sections in order, with their offsets: contents right after the
    // header, then .strtab, .symtab, and the names after the table.
    EXPECT_NE(out.find("[ 1] .text             PROGBITS        00000000 000034 "
                       "000008 00  AX  0   0  4"),
              std::string::npos);
    EXPECT_NE(out.find("[ 2] .rel.text         REL             00000000 "
                       "00003c 000008 08      5   1  4"),
              std::string::npos);
    EXPECT_NE(out.find("[ 3] .data             PROGBITS        00000000 "
                       "000044 000004 00  WA  0   0  4"),
              std::string::npos);
    EXPECT_NE(out.find("[ 4] .strtab           STRTAB          00000000 "
                       "000048 00000c 00      0   0  1"),
              std::string::npos);
    EXPECT_NE(out.find("[ 5] .symtab           SYMTAB          00000000 "
                       "000054 000040 10      4   3  4"),
              std::string::npos);
    EXPECT_NE(out.find("[ 6] .shstrtab         STRTAB"), std::string::npos);
    EXPECT_NE(out.find("1: 00000000     0 SECTION LOCAL  DEFAULT    1"),
              std::string::npos);
    EXPECT_NE(out.find("2: 00000000     0 NOTYPE  LOCAL  DEFAULT    1 start"),
              std::string::npos);
    EXPECT_NE(out.find("3: 00000004     0 FUNC    GLOBAL DEFAULT    1 main"),
              std::string::npos);
    EXPECT_NE(out.find("00000004  00000303"), std::string::npos);
    EXPECT_EQ(out.find("Warning"), std::string::npos);
    EXPECT_EQ(out.find("Error"), std::string::npos);
  }
}

TEST_F(OelfTest, LayoutFieldByField) {
  std::string path = file("layout.o");
  {
    oelf w(path);
    writeSmallObject(w, 2);
    ASSERT_EQ(w.accomplish(), oelf::NoError);
  }
  FileImage img(path, 2);
  Elf32_Ehdr h = img.header();
  EXPECT_EQ(std::memcmp(h.e_ident,
                        "\x7f"
                        "ELF\x01\x02\x01",
                        7),
            0);
  for (int i = 7; i < EI_NIDENT; ++i)
    EXPECT_EQ(h.e_ident[i], 0);
  EXPECT_EQ(h.e_type, ET_REL);
  EXPECT_EQ(h.e_machine, 0x8100);
  EXPECT_EQ(h.e_version, 1u);
  EXPECT_EQ(h.e_ehsize, 52);
  EXPECT_EQ(h.e_phentsize, 32);
  EXPECT_EQ(h.e_shentsize, 40);
  EXPECT_EQ(h.e_phnum, 0);
  EXPECT_EQ(h.e_phoff, 0u);
  EXPECT_EQ(h.e_shnum, 7);
  // header 52 + contents 20 + .strtab 12 + .symtab 64
  EXPECT_EQ(h.e_shoff, 52u + 20 + 12 + 64);
  Elf32_Shdr shstr = img.section(h, h.e_shstrndx);
  EXPECT_EQ(shstr.sh_offset, h.e_shoff + 7 * 40);
  EXPECT_EQ(img.bytes.size(), shstr.sh_offset + shstr.sh_size);
  EXPECT_EQ(img.name(shstr, shstr.sh_name), ".shstrtab");
  Elf32_Shdr text = img.section(h, 1);
  Elf32_Shdr rel = img.section(h, 2);
  EXPECT_EQ(img.name(shstr, text.sh_name), ".text");
  EXPECT_EQ(img.name(shstr, rel.sh_name), ".rel.text");
  EXPECT_EQ(std::memcmp(&img.bytes[text.sh_offset], textBytes, 8), 0);
  Elf32_Shdr symtab = img.section(h, 5);
  Elf32_Shdr strtab = img.section(h, symtab.sh_link);
  Elf32_Sym main = img.symbol(symtab, 3);
  EXPECT_EQ(img.name(strtab, main.st_name), "main");
  EXPECT_EQ(main.st_value, 4u);
  EXPECT_EQ(main.st_info, ELF32_ST_INFO(STB_GLOBAL, STT_FUNC));
  // st_name of the symbol 2 in big-endian order at the start of its entry.
  size_t at = symtab.sh_offset + 2 * 16;
  EXPECT_EQ(img.bytes[at], 0);
  EXPECT_EQ(img.bytes[at + 3], 1); // "start" right after the leading NUL
  // .data written from a little-endian buffer keeps its bytes.
  Elf32_Shdr data = img.section(h, 3);
  EXPECT_EQ(img.bytes[data.sh_offset], 4);
}

TEST(ElfStringTableTest, TailReuseAndAppending) {
  ElfStringTable t;
  EXPECT_EQ(t.size(), 1u);
  EXPECT_EQ(t.enter(""), 0u);
  EXPECT_EQ(t.enter(".rel.text"), 1u);
  EXPECT_EQ(t.enter(".text"), 5u); // tail of .rel.text
  EXPECT_EQ(t.enter("text"), 6u);
  EXPECT_EQ(t.enter(".rel.text"), 1u);
  EXPECT_EQ(t.size(), 11u);
  EXPECT_EQ(t.enter(".data1"), 11u);
  EXPECT_EQ(t.enter(".data"), 18u); // ".data" is not a tail of ".data1"
  EXPECT_EQ(t.enter("data1"), 12u);
  EXPECT_EQ(t.enter(".rel"), 24u); // a head is not reused
  EXPECT_EQ(t.contents(),
            std::string("\0.rel.text\0.data1\0.data\0.rel\0", 29));
  EXPECT_EQ(t.enter(std::string("ab\0cd", 5)), t.enter("ab"));
  t.clear();
  EXPECT_EQ(t.size(), 1u);
  EXPECT_EQ(t.enter(".text"), 1u);
}

TEST_F(OelfTest, NamesThroughTheWriter) {
  std::string path = file("names.o");
  oelf w(path);
  ASSERT_EQ(w.init(1, ET_REL, 0x8101, 0, 0), 0);
  uint16_t a = w.addSHEntry(".rel.text", SHT_REL, 0, 0, 0, 0, 0, 0, 4, 8);
  uint16_t b = w.addSHEntry(".text", SHT_PROGBITS, 0, 0, 0, 0, 0, 0, 4, 0);
  EXPECT_EQ(w.sh_name(b), w.sh_name(a) + 4);
  EXPECT_EQ(w.sh_stringName(b), ".text");
  uint16_t c = w.addSHEntry(".data", SHT_PROGBITS, 0, 0, 0, 0, 0, 0, 4, 0);
  uint32_t firstData = w.sh_name(c);
  w.set_sh_stringName(c, ".data1");
  EXPECT_EQ(w.sh_stringName(c), ".data1");
  uint16_t d = w.addSHEntry(".data", SHT_PROGBITS, 0, 0, 0, 0, 0, 0, 4, 0);
  EXPECT_EQ(w.sh_stringName(d), ".data");
  EXPECT_EQ(w.sh_name(d), firstData); // the first ".data" entry is reused
  uint32_t s = w.addSTEntry("label", 0, 0, 0, 0, 1);
  uint32_t t = w.addSTEntry("bel", 0, 0, 0, 0, 1);
  EXPECT_EQ(w.st_name(t), w.st_name(s) + 2);
  EXPECT_EQ(w.st_stringName(t), "bel");
  EXPECT_EQ(w.st_stringName(0), "");
  ASSERT_EQ(w.accomplish(), 0);
  ASSERT_EQ(w.close(), 0);
  // "\0.rel.text\0.data\0.data1\0.strtab\0.symtab\0.shstrtab\0"
  EXPECT_EQ(w.sh_size(w.e_shstrndx()), 1u + 10 + 6 + 7 + 8 + 8 + 10);
  EXPECT_EQ(w.sh_size(5), 1u + 6); // .strtab: "\0label\0"

  if (!haveReadelf())
    GTEST_SKIP() << "readelf not installed";
  std::string out = run("readelf -W -S -s '" + path + "' 2>&1");
  SCOPED_TRACE(out);
  EXPECT_NE(out.find("[ 1] .rel.text"), std::string::npos);
  EXPECT_NE(out.find("[ 2] .text "), std::string::npos);
  EXPECT_NE(out.find("[ 3] .data1 "), std::string::npos);
  EXPECT_NE(out.find("[ 4] .data "), std::string::npos);
  EXPECT_NE(out.find(" 1 label\n"), std::string::npos);
  EXPECT_NE(out.find(" 1 bel\n"), std::string::npos);
}

TEST_F(OelfTest, NoSymbolsNoSymbolTableNoSectionsNoHeaderTable) {
  std::string path = file("bare.o");
  {
    oelf w(path);
    ASSERT_EQ(w.init(2, ET_REL, 0x8100, 0, 0), 0);
    ASSERT_EQ(w.addRawData("abcd", 4), 0);
    ASSERT_EQ(w.accomplish(), 0);
    EXPECT_EQ(w.e_shnum(), 0);
    EXPECT_EQ(w.e_shoff(), 0u);
    EXPECT_EQ(w.sectionCount(), 1u);
  }
  std::vector<uint8_t> bytes = readFile(path);
  EXPECT_EQ(bytes.size(), 56u);

  std::string path2 = file("nosyms.o");
  {
    oelf w(path2);
    ASSERT_EQ(w.init(2, ET_REL, 0x8100, 0, 0), 0);
    // Nothing written yet: the file is still empty, but the table must not
    // go to offset 0, into the room of the ELF header.
    w.addSHEntry(".text", SHT_PROGBITS, 0, 0, 52, 0, 0, 0, 1, 0);
    ASSERT_EQ(w.accomplish(), 0);
    // null, .text, .shstrtab: no .strtab or .symtab
    EXPECT_EQ(w.e_shnum(), 3);
    EXPECT_EQ(w.sh_stringName(2), ".shstrtab");
    EXPECT_EQ(w.e_shstrndx(), 2);
  }
  FileImage img(path2, 2);
  Elf32_Ehdr h = img.header();
  EXPECT_EQ(h.e_shnum, 3);
  EXPECT_EQ(h.e_shoff, 52u);
}

TEST_F(OelfTest, SymtabInfoIsOneMoreThanLastLocal) {
  struct Case {
    std::vector<uint8_t> binds;
    uint32_t info;
  } cases[] = {
      {{STB_LOCAL, STB_LOCAL, STB_GLOBAL}, 3},
      {{STB_GLOBAL, STB_GLOBAL}, 1},
      {{STB_WEAK, STB_LOCAL}, 3},
  };
  for (const Case &c : cases) {
    oelf w(file("info.o"));
    ASSERT_EQ(w.init(1, ET_REL, 0x8101, 0, 0), 0);
    w.addSHEntry(".text", SHT_PROGBITS, 0, 0, 52, 0, 0, 0, 1, 0);
    for (uint8_t bind : c.binds)
      w.addSTEntry("s", 0, 0, bind, STT_NOTYPE, 0, 1);
    ASSERT_EQ(w.accomplish(), 0);
    EXPECT_EQ(w.sh_stringName(3), ".symtab");
    EXPECT_EQ(w.sh_info(3), c.info);
    EXPECT_EQ(w.sh_link(3), 2u);
    EXPECT_EQ(w.sh_size(3), 16u * (c.binds.size() + 1));
  }
}

TEST_F(OelfTest, PresetOffsetsPlaceTheTables) {
  std::string path = file("preset.o");
  {
    oelf w(path);
    ASSERT_EQ(w.init(1, ET_EXEC, 0x8101, 0x100, 0), 0);
    w.set_e_phoff(52);
    w.set_e_shoff(0x200);
    ASSERT_EQ(w.addPHEntry(PT_LOAD, 0x100, 0, 0, 0, 8, PF_R | PF_X, 4), 0);
    uint16_t text =
        w.addSHEntry(".text", SHT_PROGBITS, SHF_ALLOC, 0, 0x100, 0, 0, 0, 4, 0);
    const uint8_t code[] = {1, 2, 3, 4};
    ASSERT_EQ(w.addSegmentData(code, 4, 0), 0);
    ASSERT_EQ(w.addSegmentData(uint8_t(0xee), 4, 0), 0);
    w.set_sh_size(text, 8);
    EXPECT_EQ(w.p_filesz(0), 8u);
    ASSERT_EQ(w.accomplish(), 0);
    EXPECT_EQ(w.e_phnum(), 1);
    EXPECT_EQ(w.e_phoff(), 52u);
    EXPECT_EQ(w.e_shoff(), 0x200u);
  }
  FileImage img(path, 1);
  Elf32_Ehdr h = img.header();
  EXPECT_EQ(h.e_entry, 0x100u);
  EXPECT_EQ(h.e_phoff, 52u);
  Elf32_Phdr ph{};
  img.buffer.seekg(52);
  img.buffer >> ph;
  EXPECT_EQ(ph.p_offset, 0x100u);
  EXPECT_EQ(ph.p_filesz, 8u);
  EXPECT_EQ(ph.p_memsz, 8u);
  // The file ends at 0x108, before the table's end at 0x200 + 3 * 40: the
  // names follow the table.
  Elf32_Shdr shstr = img.section(h, h.e_shstrndx);
  EXPECT_EQ(shstr.sh_offset, 0x200u + 120);
  EXPECT_EQ(img.name(shstr, img.section(h, 1).sh_name), ".text");
  EXPECT_EQ(img.bytes[0x104], 0xee);
  EXPECT_EQ(img.bytes[0x100], 1);

  // A table preset before the end leaves the names at the end.
  std::string path2 = file("preset2.o");
  {
    oelf w(path2);
    ASSERT_EQ(w.init(1, ET_EXEC, 0x8101, 0, 0), 0);
    w.set_e_shoff(60);
    w.addSHEntry(".text", SHT_PROGBITS, 0, 0, 0, 0, 0, 0, 1, 0);
    ASSERT_EQ(w.addRawData(uint8_t(0), 400, 52), 0);
    ASSERT_EQ(w.accomplish(), 0);
  }
  FileImage img2(path2, 1);
  Elf32_Ehdr h2 = img2.header();
  EXPECT_EQ(h2.e_shoff, 60u);
  EXPECT_EQ(img2.section(h2, h2.e_shstrndx).sh_offset, 452u);
}

TEST_F(OelfTest, ProgramHeadersAtTheEndWithoutPreset) {
  if (!haveReadelf())
    GTEST_SKIP() << "readelf not installed";
  std::string path = file("image.bin");
  {
    oelf w(path);
    ASSERT_EQ(w.init(2, ET_EXEC, 0x8100, 0, 0), 0);
    const uint8_t code[] = {0xaa, 0xbb, 0xcc, 0xdd};
    uint16_t seg = w.addPHEntry(PT_LOAD, 52, 0, 0, 0, 4, PF_R | PF_X, 4);
    ASSERT_EQ(w.addSegmentData(code, 4, seg), 0);
    uint16_t seg2 = w.addPHEntry(PT_LOAD, 56, 0x1000, 0x1000, 0, 16, PF_R, 4);
    EXPECT_EQ(seg2, 1);
    ASSERT_EQ(w.accomplish(), 0);
    EXPECT_EQ(w.e_phoff(), 56u);
    EXPECT_EQ(w.e_phnum(), 2);
  }
  std::string out = run("readelf -W -l '" + path + "' 2>&1");
  SCOPED_TRACE(out);
  EXPECT_NE(out.find("There are 2 program headers, starting at offset 56"),
            std::string::npos);
  EXPECT_NE(out.find("LOAD           0x000034 0x00000000 0x00000000 0x00004 "
                     "0x00004 R E 0x4"),
            std::string::npos);
  EXPECT_EQ(readFile(path).size(), 56u + 64);
}

TEST_F(OelfTest, BadIndexesAreHarmless) {
  std::string path = file("idx.o");
  oelf w(path);
  ASSERT_EQ(w.init(1, ET_REL, 0x8101, 0, 0), 0);
  int64_t before = w.tellp();
  EXPECT_EQ(w.addSectionData("abc", 3, 999), oelf::InvalidIndex);
  EXPECT_EQ(w.addSectionData(uint8_t(1), 3, 999), oelf::InvalidIndex);
  EXPECT_EQ(w.addSegmentData("abc", 3, 0), oelf::InvalidIndex);
  EXPECT_EQ(w.getLastError(), oelf::InvalidIndex);
  EXPECT_STREQ(w.getError(), "invalid index");
  EXPECT_EQ(w.tellp(), before);
  EXPECT_EQ(w.sh_type(5), 0u);
  EXPECT_EQ(w.sh_stringName(5), "");
  EXPECT_EQ(w.st_value(7), 0u);
  EXPECT_EQ(w.st_stringName(7), "");
  EXPECT_EQ(w.p_type(0), 0u);
  w.set_sh_type(5, 1);
  w.set_st_value(7, 1);
  w.set_p_type(0, 1);
  w.set_sh_stringName(5, "x");
  EXPECT_EQ(w.sectionCount(), 1u);
  EXPECT_EQ(w.symbolCount(), 1u);
  EXPECT_EQ(w.segmentCount(), 0u);
  ASSERT_EQ(w.accomplish(), 0);
  w.close();
  EXPECT_EQ(readFile(path).size(), 52u);
}

TEST_F(OelfTest, SymbolBindAndTypeSetters) {
  oelf w(file("bind.o"));
  ASSERT_EQ(w.init(1, ET_REL, 0x8101, 0, 0), 0);
  uint32_t s = w.addSTEntry("f", 8, 2, STB_LOCAL, STT_FUNC, 0, 1);
  EXPECT_EQ(w.st_info(s), ELF32_ST_INFO(STB_LOCAL, STT_FUNC));
  w.set_st_bind(s, STB_GLOBAL);
  EXPECT_EQ(w.st_bind(s), STB_GLOBAL);
  EXPECT_EQ(w.st_type(s), STT_FUNC);
  w.set_st_type(s, STT_OBJECT);
  EXPECT_EQ(w.st_bind(s), STB_GLOBAL);
  EXPECT_EQ(w.st_type(s), STT_OBJECT);
  // The type keeps to its four bits.
  uint32_t t = w.addSTEntry("g", 0, 0, STB_WEAK, 0x1f, 0, 1);
  EXPECT_EQ(w.st_bind(t), STB_WEAK);
  EXPECT_EQ(w.st_type(t), 0x0f);
  Elf32_Sym copy{};
  copy.st_value = 77;
  copy.st_name = 1234; // replaced by the entered name
  uint32_t u = w.addSTEntry("h", &copy);
  EXPECT_EQ(w.st_value(u), 77u);
  EXPECT_EQ(w.st_stringName(u), "h");
}

TEST_F(OelfTest, UnopenablePathIsCodeThree) {
  oelf w(dir + "/no/such/dir/x.o");
  EXPECT_EQ(w.init(1, ET_REL, 0x8101, 0, 0), oelf::CantOpen);
  EXPECT_STREQ(w.getError(), "can't open file");
  // Nothing is open: every write fails instead of vanishing.
  EXPECT_EQ(w.addRawData("x", 1), oelf::CantWrite);
  EXPECT_EQ(w.accomplish(), oelf::CantWrite);
}

TEST_F(OelfTest, FullDeviceIsAWriteFailure) {
  if (access("/dev/full", W_OK) != 0)
    GTEST_SKIP() << "no /dev/full";
  oelf w("/dev/full");
  ASSERT_EQ(w.init(1, ET_REL, 0x8101, 0, 0), oelf::NoError);
  w.addSHEntry(".text", SHT_PROGBITS, 0, 0, 52, 0, 0, 0, 1, 0);
  w.addSTEntry("a", 0, 0, STB_GLOBAL, STT_NOTYPE, 0, 1);
  EXPECT_EQ(w.accomplish(), oelf::CantWrite);
  EXPECT_EQ(w.getLastError(), oelf::CantWrite);
  EXPECT_FALSE(w.isPastLimit());

  // A large write fails while it is being made, and the size stays.
  oelf v("/dev/full");
  ASSERT_EQ(v.init(1, ET_REL, 0x8101, 0, 0), oelf::NoError);
  uint16_t text = v.addSHEntry(".text", SHT_PROGBITS, 0, 0, 52, 0, 0, 0, 1, 0);
  std::vector<uint8_t> big(1 << 20, 0x5a);
  EXPECT_EQ(v.addSectionData(big.data(), big.size(), text), oelf::CantWrite);
  EXPECT_EQ(v.sh_size(text), 0u);
}

TEST_F(OelfTest, DataBeyondFourGigabytesIsRefused) {
  oelf w(file("big.o"));
  ASSERT_EQ(w.init(1, ET_REL, 0x8101, 0, 0), 0);
  uint16_t s =
      w.addSHEntry(".bss", SHT_PROGBITS, 0, 0, 0xfffffff0u, 0x0f, 0, 0, 1, 0);
  EXPECT_FALSE(w.isPastLimit());
  EXPECT_EQ(w.addSectionData("ab", 2, s), oelf::CantWrite);
  EXPECT_EQ(w.sh_size(s), 0x0fu);
  // The failure says it is the offsets, not the file.
  EXPECT_TRUE(w.isPastLimit());
}

TEST_F(OelfTest, IndexLimitsAreEnforced) {
  oelf w(file("limits.o"));
  ASSERT_EQ(w.init(1, ET_REL, 0x8101, 0, 0), 0);
  for (uint32_t i = 1; i < oelf::MaxSections; ++i)
    ASSERT_EQ(w.addSHEntry("s", SHT_PROGBITS, 0, 0, 0, 0, 0, 0, 1, 0), i);
  EXPECT_EQ(w.addSHEntry("s", SHT_PROGBITS, 0, 0, 0, 0, 0, 0, 1, 0), 0);
  EXPECT_EQ(w.getLastError(), oelf::InvalidIndex);
  // No room for .shstrtab any more: the closing sequence says so.
  EXPECT_EQ(w.accomplish(), oelf::InvalidIndex);
}

TEST(IoelfBaseTest, ErrorTexts) {
  EXPECT_STREQ(ioelf_base::errorText(0), "no error");
  EXPECT_STREQ(ioelf_base::errorText(1), "specified file isn't exist");
  EXPECT_STREQ(ioelf_base::errorText(3), "can't open file");
  EXPECT_STREQ(ioelf_base::errorText(4), "the file isn't load");
  EXPECT_STREQ(ioelf_base::errorText(8), "can't write into specified file");
  EXPECT_STREQ(ioelf_base::errorText(10),
               "not enough data for reading from specified file");
  EXPECT_STREQ(ioelf_base::errorText(11), "invalid index");
  EXPECT_STREQ(ioelf_base::errorText(13), "incompatible file: wrong machine");
  EXPECT_STREQ(ioelf_base::errorText(15), "incompatible file: wrong type");
  EXPECT_STREQ(ioelf_base::errorText(16), "unknown error");
  EXPECT_STREQ(ioelf_base::errorText(-1), "unknown error");
}

TEST(IoelfBaseTest, GetName) {
  std::string table("\0.text\0.data", 12);
  EXPECT_EQ(ioelf_base::getName(table, 0), "");
  EXPECT_EQ(ioelf_base::getName(table, 1), ".text");
  EXPECT_EQ(ioelf_base::getName(table, 2), "text");
  EXPECT_EQ(ioelf_base::getName(table, 7), ".data"); // no final NUL
  EXPECT_EQ(ioelf_base::getName(table, 12), "");
  EXPECT_EQ(ioelf_base::getName(table, 0xffffffffu), "");
  EXPECT_EQ(ioelf_base::getName("", 0), "");
}

TEST(DebugSectionNamesTest, FixedOrderAndRelTwins) {
  const char *expected[] = {
      ".debug_info",     ".debug_line",      ".debug_abbrev",
      ".debug_frame",    ".debug_aranges",   ".debug_pubnames",
      ".debug_str",      ".debug_funcnames", ".debug_typenames",
      ".debug_varnames", ".debug_weaknames", ".debug_macinfo",
      ".debug_loc",      ".debug_ranges",    ".debug_types"};
  for (size_t i = 0; i < 15; ++i) {
    ASSERT_NE(getDebugSectionName(i), nullptr);
    EXPECT_STREQ(getDebugSectionName(i), expected[i]);
    EXPECT_EQ(std::string(getRelDebugSectionName(i)),
              std::string(".rel") + expected[i]);
  }
  EXPECT_EQ(getDebugSectionName(15), nullptr);
  EXPECT_EQ(getRelDebugSectionName(15), nullptr);
  EXPECT_EQ(getDebugSectionName(static_cast<size_t>(-1)), nullptr);
}

} // namespace
