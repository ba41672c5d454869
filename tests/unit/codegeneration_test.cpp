// codegeneration_test.cpp - the object writer over hand-built tables: section
// order, contents, symbols, relocations, debug blocks and failed runs.
#include "buffer.h"
#include "codegeneration.h"
#include "debuginfoproducer.h"
#include "expression.h"
#include "expressionnode.h"
#include "reltab.h"
#include "sectab.h"
#include "section.h"
#include "source_test_util.h"
#include "subsection.h"
#include "symbol.h"
#include "symtab.h"
#include "tokenizer.h"

#include <gtest/gtest.h>

#include <cstring>
#include <dirent.h>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

const uint16_t ZP100 = 0x8100;
const uint16_t ZP200 = 0x8101;

// The tables the parser hands over after pass 2, built by hand: each section
// with its symbol and subsection 0, laid out, then filled as pass 2 would.
class Tables {
public:
  explicit Tables(uint8_t encoding) : encoding(encoding) {}

  Section *section(const std::string &name, uint32_t type, uint32_t flags,
                   std::vector<uint8_t> bytes = {}, uint32_t nobits = 0) {
    Section *s = sectab.getSection(tokenizer.getWord(name));
    s->setType(type);
    s->setFlags(flags);
    s->setDataEncoding(encoding);
    Symbol *symbol = symtab.getSymbol(tokenizer.getWord(name));
    symtab.setIndex(symbol);
    symbol->setDefined();
    symbol->setRelocationTarget();
    symbol->setType(STT_SECTION);
    Subsection *sub = sectab.getSubsection(s, 0);
    symbol->setValue(number(0, sub), true);
    s->setLinkedSymbol(symbol);
    sub->moveDot(nobits ? nobits : static_cast<uint32_t>(bytes.size()));
    contents.push_back({sub, std::move(bytes), nobits});
    return s;
  }
  Section *text(std::vector<uint8_t> bytes = {}) {
    return section(".text", SHT_PROGBITS, SHF_ALLOC | SHF_EXECINSTR,
                   std::move(bytes));
  }
  Section *data(std::vector<uint8_t> bytes = {}) {
    return section(".data", SHT_PROGBITS, SHF_WRITE | SHF_ALLOC,
                   std::move(bytes));
  }
  Section *bss(uint32_t size = 0) {
    return section(".bss", SHT_NOBITS, SHF_WRITE | SHF_ALLOC, {}, size);
  }
  void standard() {
    text();
    data();
    bss();
  }

  // A label at offset in section s.
  Symbol *label(const std::string &name, Section *s, uint32_t offset,
                uint8_t bind = STB_LOCAL) {
    Symbol *symbol = symtab.getSymbol(tokenizer.getWord(name));
    symbol->setDefined();
    symbol->setBind(bind);
    symbol->setValue(number(offset, sectab.getSubsection(s, 0)), true);
    return symbol;
  }
  Symbol *undefined(const std::string &name) {
    Symbol *symbol = symtab.getSymbol(tokenizer.getWord(name));
    symbol->setRelocationTarget();
    return symbol;
  }

  // Layout, then pass 2's bytes.
  void finish() {
    sectab.sortSectionSubsections();
    symtab.adjustSymbolValues();
    for (Content &c : contents) {
      if (c.nobits == 0 && !c.bytes.empty())
        c.sub->asData()->addData(reinterpret_cast<const char *>(c.bytes.data()),
                                 c.bytes.size());
      c.sub->moveDot(c.nobits ? c.nobits
                              : static_cast<uint32_t>(c.bytes.size()));
    }
  }

  bool write(CodeGeneration &cg, const std::string &file,
             DebugInfoProducer *producer = nullptr) {
    return cg.generateCode(file, &tokenizer, &sectab, &symtab, &reltab,
                           producer);
  }

  Tokenizer tokenizer{nullptr};
  Sectab sectab;
  Symtab symtab;
  Reltab reltab;

private:
  struct Content {
    Subsection *sub;
    std::vector<uint8_t> bytes;
    uint32_t nobits;
  };
  Expression *number(int64_t value, Subsection *sub) {
    return new Expression(Location(),
                          new ExpressionNumberNode(value, false, sub));
  }

  uint8_t encoding;
  std::vector<Content> contents;
};

// An independent reader of what was written, in the file's own byte order.
class ObjectFile {
public:
  explicit ObjectFile(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    bytes.assign(std::istreambuf_iterator<char>(in),
                 std::istreambuf_iterator<char>());
    if (bytes.size() < sizeof(Elf32_Ehdr))
      return;
    Buffer b = buffer(0, sizeof(Elf32_Ehdr));
    b >> header;
    for (unsigned i = 0; i < header.e_shnum; ++i) {
      Elf32_Shdr sh{};
      Buffer hb = buffer(header.e_shoff + i * sizeof sh, sizeof sh);
      hb >> sh;
      headers.push_back(sh);
    }
    if (header.e_shstrndx < headers.size()) {
      const Elf32_Shdr &names = headers[header.e_shstrndx];
      for (const Elf32_Shdr &sh : headers)
        sectionNames.push_back(
            std::string(reinterpret_cast<const char *>(bytes.data()) +
                        names.sh_offset + sh.sh_name));
    }
  }

  bool valid() const { return !headers.empty(); }
  uint8_t encoding() const { return header.e_ident[EI_DATA]; }
  const std::vector<std::string> &names() const { return sectionNames; }
  int index(const std::string &name) const {
    for (size_t i = 0; i < sectionNames.size(); ++i)
      if (sectionNames[i] == name)
        return static_cast<int>(i);
    return -1;
  }
  const Elf32_Shdr &sh(const std::string &name) const {
    static const Elf32_Shdr none{};
    int i = index(name);
    return i < 0 ? none : headers[i];
  }
  std::vector<uint8_t> contents(const std::string &name) const {
    const Elf32_Shdr &s = sh(name);
    if (s.sh_type == SHT_NOBITS || s.sh_offset + s.sh_size > bytes.size())
      return {};
    return std::vector<uint8_t>(bytes.begin() + s.sh_offset,
                                bytes.begin() + s.sh_offset + s.sh_size);
  }
  std::vector<Elf32_Rel> relocations(const std::string &name) const {
    std::vector<Elf32_Rel> out;
    const Elf32_Shdr &s = sh(name);
    Buffer b = buffer(s.sh_offset, s.sh_size);
    for (uint32_t i = 0; i < s.sh_size / sizeof(Elf32_Rel); ++i) {
      Elf32_Rel r{};
      b >> r;
      out.push_back(r);
    }
    return out;
  }
  std::vector<Elf32_Sym> symbols() const {
    std::vector<Elf32_Sym> out;
    const Elf32_Shdr &s = sh(".symtab");
    Buffer b = buffer(s.sh_offset, s.sh_size);
    for (uint32_t i = 0; i < s.sh_size / sizeof(Elf32_Sym); ++i) {
      Elf32_Sym sym{};
      b >> sym;
      out.push_back(sym);
    }
    return out;
  }
  std::string symbolName(const Elf32_Sym &sym) const {
    const Elf32_Shdr &s = sh(".strtab");
    return std::string(reinterpret_cast<const char *>(bytes.data()) +
                       s.sh_offset + sym.st_name);
  }

  Elf32_Ehdr header{};
  std::vector<uint8_t> bytes;

private:
  Buffer buffer(uint64_t offset, uint64_t size) const {
    Buffer b(bytes.size() > EI_DATA ? bytes[EI_DATA] : 1, size);
    if (offset + size <= bytes.size())
      std::memcpy(b.setRawData(size), bytes.data() + offset, size);
    return b;
  }

  std::vector<Elf32_Shdr> headers;
  std::vector<std::string> sectionNames;
};

std::vector<std::string> filesIn(const std::string &dir) {
  std::vector<std::string> out;
  if (DIR *d = opendir(dir.c_str())) {
    while (dirent *e = readdir(d))
      if (std::strcmp(e->d_name, ".") != 0 && std::strcmp(e->d_name, "..") != 0)
        out.push_back(e->d_name);
    closedir(d);
  }
  return out;
}

// Stands in for a DWARF producer: asks the section callback what libdwarf
// would ask and hands out the streams it was given, in order.
class FakeProducer : public DebugInfoProducer {
public:
  struct Ask {
    std::string name;
    uint32_t type;
    uint32_t flags;
    std::string infoOf; // section whose index goes into info, or ""
  };
  struct Stream {
    std::string section;
    std::vector<uint8_t> bytes;
  };

  FakeProducer(bool asmLevel, CodeGeneration &cg)
      : asmLevel(asmLevel), cg(cg) {}

  bool isAsmDebugInfo() const override { return asmLevel; }
  bool transformToDiskForm() override {
    if (failTransform) {
      lastError = "couldn't transform";
      return false;
    }
    for (const Ask &ask : asks) {
      Dwarf_Unsigned info =
          ask.infoOf.empty() ? 0
                             : static_cast<Dwarf_Unsigned>(index[ask.infoOf]);
      Dwarf_Unsigned symbol = 12345;
      int err = -1;
      index[ask.name] = CodeGeneration::getDwarfSection(
          ask.name.c_str(), 4, ask.type, ask.flags, 77, info, &symbol, &cg,
          &err);
      symbolIndex[ask.name] = symbol;
      callbackError = err;
    }
    return true;
  }
  const uint8_t *getSectionBytes(int64_t &elfSectionIndex, uint64_t &length,
                                 bool &error) override {
    error = false;
    elfSectionIndex = 0;
    length = 0;
    if (next == failAt) {
      error = true;
      lastError = "couldn't get bytes";
      return nullptr;
    }
    if (next >= streams.size())
      return nullptr;
    const Stream &s = streams[next++];
    elfSectionIndex = index[s.section];
    length = s.bytes.size();
    return s.bytes.data();
  }
  const std::string &getLastError() const override { return lastError; }
  const std::vector<std::string> &getDebugSectionNameSequence(bool) override {
    return sequence;
  }

  bool asmLevel;
  CodeGeneration &cg;
  std::vector<std::string> sequence;
  std::vector<Ask> asks;
  std::vector<Stream> streams;
  bool failTransform = false;
  size_t failAt = SIZE_MAX;
  std::map<std::string, int64_t> index;
  std::map<std::string, Dwarf_Unsigned> symbolIndex;
  int callbackError = -1;

private:
  size_t next = 0;
  std::string lastError;
};

// host-order Elf32_Rel bytes, as the producer's relocation streams hold them
std::vector<uint8_t> hostRel(uint32_t offset, uint32_t symbol, uint8_t type) {
  Elf32_Rel r{offset, ELF32_R_INFO(symbol, type)};
  std::vector<uint8_t> out(sizeof r);
  std::memcpy(out.data(), &r, sizeof r);
  return out;
}

class CodeGenerationTest : public ::testing::Test {
protected:
  std::string out(const std::string &name = "x.o") const {
    return scratch.path() + "/" + name;
  }
  ScratchDir scratch;
};

TEST_F(CodeGenerationTest, TextOnlySourceGivesTheStandardOrder) {
  Tables t(2);
  t.text({0x01, 0x02, 0x03, 0x04});
  t.data();
  t.bss();
  t.finish();
  CodeGeneration cg(ZP100, 2, 0x80000000u);
  ASSERT_TRUE(t.write(cg, out())) << cg.getError();

  ObjectFile o(out());
  ASSERT_TRUE(o.valid());
  EXPECT_EQ(o.names(),
            (std::vector<std::string>{"", ".text", ".data", ".bss", ".strtab",
                                      ".symtab", ".shstrtab"}));
  EXPECT_EQ(o.header.e_type, ET_REL);
  EXPECT_EQ(o.header.e_machine, ZP100);
  EXPECT_EQ(o.header.e_flags, 0x80000000u);
  EXPECT_EQ(o.encoding(), 2);
  EXPECT_EQ(o.contents(".text"), (std::vector<uint8_t>{1, 2, 3, 4}));
  EXPECT_EQ(o.sh(".text").sh_flags, uint32_t(SHF_ALLOC | SHF_EXECINSTR));
  EXPECT_EQ(o.sh(".symtab").sh_link, uint32_t(o.index(".strtab")));
  EXPECT_EQ(o.sh(".symtab").sh_entsize, 16u);
  // Only the null and the three section symbols, all local.
  std::vector<Elf32_Sym> syms = o.symbols();
  ASSERT_EQ(syms.size(), 4u);
  EXPECT_EQ(o.sh(".symtab").sh_info, 4u);
  EXPECT_EQ(o.symbolName(syms[1]), ".text");
  EXPECT_EQ(syms[1].st_shndx, o.index(".text"));
  EXPECT_EQ(syms[3].st_shndx, o.index(".bss"));
}

TEST_F(CodeGenerationTest, HeaderValuesFollowTheModel) {
  Tables t(1);
  t.standard();
  t.finish();
  CodeGeneration cg(ZP200, 1, 0);
  ASSERT_TRUE(t.write(cg, out())) << cg.getError();
  ObjectFile o(out());
  EXPECT_EQ(o.bytes[EI_DATA], 1);
  EXPECT_EQ(o.header.e_machine, ZP200);
  EXPECT_EQ(o.header.e_flags, 0u);
  // Little-endian machine field in the raw bytes.
  EXPECT_EQ(o.bytes[18], 0x01);
  EXPECT_EQ(o.bytes[19], 0x81);
}

TEST_F(CodeGenerationTest, RelSectionFollowsEachRelocatedSection) {
  Tables t(2);
  Section *text = t.text(std::vector<uint8_t>(8, 0));
  Section *data = t.data({0, 0, 0, 0, 9, 9, 9, 9});
  t.bss();
  Section *zeta = t.section("zeta", SHT_PROGBITS, SHF_ALLOC, {5, 6});
  Section *alpha = t.section("alpha", SHT_PROGBITS, SHF_ALLOC, {7});
  t.label("x", data, 4);
  Symbol *ext = t.undefined("ext");
  t.finish();
  t.reltab.addEntry(text, 4, data->getLinkedSymbol(), 3);
  t.reltab.addEntry(text, 0, ext, 3);
  t.reltab.addEntry(alpha, 0, ext, 1);
  CodeGeneration cg(ZP100, 2, 0x80000000u);
  ASSERT_TRUE(t.write(cg, out())) << cg.getError();

  ObjectFile o(out());
  // Creation order for the other sections, not name or address order.
  EXPECT_EQ(o.names(),
            (std::vector<std::string>{"", ".text", ".rel.text", ".data", ".bss",
                                      "zeta", "alpha", ".relalpha", ".strtab",
                                      ".symtab", ".shstrtab"}));
  EXPECT_EQ(zeta->getIndex(), o.index("zeta"));
  const Elf32_Shdr &rel = o.sh(".rel.text");
  EXPECT_EQ(rel.sh_type, uint32_t(SHT_REL));
  EXPECT_EQ(rel.sh_link, uint32_t(o.index(".symtab")));
  EXPECT_EQ(rel.sh_info, uint32_t(o.index(".text")));
  EXPECT_EQ(rel.sh_entsize, 8u);
  EXPECT_EQ(rel.sh_size, 16u);

  // Entries in the table's order, in the object's byte order.
  std::vector<Elf32_Rel> r = o.relocations(".rel.text");
  ASSERT_EQ(r.size(), 2u);
  EXPECT_EQ(r[0].r_offset, 4u);
  EXPECT_EQ(ELF32_R_TYPE(r[0].r_info), 3u);
  EXPECT_EQ(ELF32_R_SYM(r[0].r_info), 2u); // .data's section symbol
  EXPECT_EQ(r[1].r_offset, 0u);
  std::vector<Elf32_Sym> syms = o.symbols();
  ASSERT_LT(ELF32_R_SYM(r[1].r_info), syms.size());
  EXPECT_EQ(o.symbolName(syms[ELF32_R_SYM(r[1].r_info)]), "ext");
  EXPECT_EQ(o.contents(".rel.text")[3], 4); // big-endian r_offset
  std::vector<Elf32_Rel> ra = o.relocations(".relalpha");
  ASSERT_EQ(ra.size(), 1u);
  EXPECT_EQ(ELF32_R_TYPE(ra[0].r_info), 1u);
  EXPECT_EQ(o.contents("alpha"), (std::vector<uint8_t>{7}));
}

TEST_F(CodeGenerationTest, SymbolTableInfoIsTheFirstNonLocal) {
  Tables t(1);
  Section *text = t.text({0, 0, 0, 0});
  t.data();
  t.bss();
  t.label("loop", text, 0);
  t.label("main", text, 2, STB_GLOBAL);
  t.label("w", text, 3, STB_WEAK);
  t.finish();
  CodeGeneration cg(ZP200, 1, 0);
  ASSERT_TRUE(t.write(cg, out())) << cg.getError();
  ObjectFile o(out());
  std::vector<Elf32_Sym> syms = o.symbols();
  ASSERT_EQ(syms.size(), 7u);
  EXPECT_EQ(o.sh(".symtab").sh_info, 5u);
  EXPECT_EQ(o.symbolName(syms[5]), "main");
  EXPECT_EQ(syms[5].st_value, 2u);
  EXPECT_EQ(ELF32_ST_BIND(syms[6].st_info), STB_WEAK);
  EXPECT_EQ(o.symbolName(syms[4]), "loop");
  EXPECT_EQ(o.sh(".strtab").sh_size, o.contents(".strtab").size());
}

TEST_F(CodeGenerationTest, BssTakesNoFileBytes) {
  Tables t(2);
  t.text({1, 2, 3, 4});
  t.data({5, 6, 7, 8});
  t.bss(64);
  t.finish();
  CodeGeneration cg(ZP100, 2, 0x80000000u);
  ASSERT_TRUE(t.write(cg, out())) << cg.getError();
  ObjectFile o(out());
  const Elf32_Shdr &bss = o.sh(".bss");
  EXPECT_EQ(bss.sh_type, uint32_t(SHT_NOBITS));
  EXPECT_EQ(bss.sh_size, 64u);
  EXPECT_EQ(bss.sh_offset, o.sh(".data").sh_offset + 4);
  EXPECT_EQ(o.sh(".strtab").sh_offset, bss.sh_offset);
}

TEST_F(CodeGenerationTest, SameTablesGiveTheSameBytes) {
  auto build = [&](const std::string &name) {
    Tables t(2);
    Section *text = t.text(std::vector<uint8_t>(8, 0xab));
    Section *data = t.data({1, 2, 3, 4});
    t.bss(16);
    t.section("c", SHT_PROGBITS, 0, {1});
    t.section("b", SHT_PROGBITS, 0, {2});
    t.label("l1", data, 0, STB_GLOBAL);
    t.label("l2", data, 2, STB_GLOBAL);
    t.label("l3", text, 4);
    Symbol *u = t.undefined("u");
    t.finish();
    t.reltab.addEntry(text, 4, u, 3);
    CodeGeneration cg(ZP100, 2, 0x80000000u);
    EXPECT_TRUE(t.write(cg, out(name))) << cg.getError();
  };
  build("a.o");
  build("b.o");
  ObjectFile a(out("a.o")), b(out("b.o"));
  ASSERT_TRUE(a.valid());
  EXPECT_EQ(a.bytes, b.bytes);
}

TEST_F(CodeGenerationTest, ReplacesAnOlderObjectWithUsualPermissions) {
  scratch.write("x.o", "stale");
  Tables t(1);
  t.standard();
  t.finish();
  mode_t old = umask(022);
  CodeGeneration cg(ZP200, 1, 0);
  bool ok = t.write(cg, out());
  umask(old);
  ASSERT_TRUE(ok) << cg.getError();
  ObjectFile o(out());
  EXPECT_TRUE(o.valid());
  struct stat st {};
  ASSERT_EQ(stat(out().c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0644u);
  EXPECT_EQ(filesIn(scratch.path()), std::vector<std::string>{"x.o"});
}

TEST_F(CodeGenerationTest, NameAtTheLengthLimitIsStillWritten) {
  // No room for a suffix after this name, yet the object itself fits.
  std::string name(250, 'n');
  name += ".o";
  Tables t(1);
  t.standard();
  t.finish();
  CodeGeneration cg(ZP200, 1, 0);
  ASSERT_TRUE(t.write(cg, out(name))) << cg.getError();
  EXPECT_TRUE(ObjectFile(out(name)).valid());
  EXPECT_EQ(filesIn(scratch.path()), std::vector<std::string>{name});
}

TEST_F(CodeGenerationTest, UnwritableDirectoryLeavesNothing) {
  Tables t(1);
  t.standard();
  t.finish();
  CodeGeneration cg(ZP200, 1, 0);
  EXPECT_FALSE(t.write(cg, out("missing/x.o")));
  EXPECT_EQ(cg.getError(), "can't open file");
  EXPECT_TRUE(filesIn(scratch.path()).empty());
  // A directory nobody may create files in, whoever runs the test.
  CodeGeneration cg2(ZP200, 1, 0);
  EXPECT_FALSE(t.write(cg2, "/proc/zv-test.o"));
  EXPECT_EQ(cg2.getError(), "can't open file");
}

// -- Debug producers ---------------------------------------------------------

class DebugTables : public Tables {
public:
  explicit DebugTables(uint8_t encoding) : Tables(encoding) {}
  Section *debug(const std::string &name, std::vector<uint8_t> bytes = {}) {
    return section(name, SHT_PROGBITS, 0, std::move(bytes));
  }
};

TEST_F(CodeGenerationTest, AssemblyLevelProducerSectionsAndBlocks) {
  DebugTables t(2);
  Section *text = t.text({0, 0, 0, 0, 0, 0, 0, 0});
  t.data();
  t.bss();
  t.label("p", text, 0);
  Section *info = t.debug(".debug_info");
  t.debug(".debug_line");
  t.debug(".debug_abbrev");
  t.finish();
  CodeGeneration cg(ZP100, 2, 0x80000000u);
  FakeProducer producer(true, cg);
  producer.sequence = {
      ".debug_info", ".rel.debug_info", ".debug_line", "", ".debug_abbrev", ""};
  producer.asks = {{".debug_info", SHT_PROGBITS, 0, ""},
                   {".debug_line", SHT_PROGBITS, 0, ""},
                   {".debug_abbrev", SHT_PROGBITS, 0, ""},
                   {".rel.debug_info", SHT_REL, 0, ".debug_info"},
                   {".debug_str", SHT_PROGBITS, 0, ""}};
  std::vector<uint8_t> rel = hostRel(6, 1, 1);
  std::vector<uint8_t> rel2 = hostRel(10, 5, 2);
  rel.insert(rel.end(), rel2.begin(), rel2.end());
  producer.streams = {{".debug_info", {1, 2, 3}},
                      {".debug_abbrev", {4}},
                      {".debug_info", {5, 6}},
                      {".rel.debug_info", rel}};
  ASSERT_TRUE(t.write(cg, out(), &producer)) << cg.getError();

  // The callback answers with the recorded indexes and the section symbols.
  EXPECT_EQ(producer.index[".debug_info"], info->getIndex());
  EXPECT_EQ(producer.symbolIndex[".debug_info"],
            info->getLinkedSymbol()->getIndex());
  EXPECT_EQ(producer.symbolIndex[".rel.debug_info"], 0u);
  // A name the producer did not list is refused.
  EXPECT_EQ(producer.index[".debug_str"], -1);

  ObjectFile o(out());
  EXPECT_EQ(o.names(), (std::vector<std::string>{
                           "", ".text", ".data", ".bss", ".debug_info",
                           ".rel.debug_info", ".debug_line", ".debug_abbrev",
                           ".strtab", ".symtab", ".shstrtab"}));
  EXPECT_EQ(o.index(".debug_info"), producer.index[".debug_info"]);
  EXPECT_EQ(o.index(".rel.debug_info"), producer.index[".rel.debug_info"]);
  // Blocks in arrival order.
  EXPECT_EQ(o.contents(".debug_info"), (std::vector<uint8_t>{1, 2, 3, 5, 6}));
  EXPECT_EQ(o.contents(".debug_abbrev"), (std::vector<uint8_t>{4}));
  EXPECT_TRUE(o.contents(".debug_line").empty());
  const Elf32_Shdr &rh = o.sh(".rel.debug_info");
  EXPECT_EQ(rh.sh_type, uint32_t(SHT_REL));
  EXPECT_EQ(rh.sh_link, uint32_t(o.index(".symtab")));
  EXPECT_EQ(rh.sh_info, uint32_t(o.index(".debug_info")));
  // Host-order entries come out in the object's order with type 3.
  std::vector<Elf32_Rel> r = o.relocations(".rel.debug_info");
  ASSERT_EQ(r.size(), 2u);
  EXPECT_EQ(r[0].r_offset, 6u);
  EXPECT_EQ(r[0].r_info, ELF32_R_INFO(1, 3));
  EXPECT_EQ(r[1].r_offset, 10u);
  EXPECT_EQ(r[1].r_info, ELF32_R_INFO(5, 3));
  EXPECT_EQ(o.contents(".rel.debug_info")[3], 6);
}

TEST_F(CodeGenerationTest, SourceLevelProducerSectionsAndFreshIndexes) {
  DebugTables t(1);
  t.standard();
  t.debug(".debug_info");
  t.debug(".debug_abbrev");
  t.debug(".debug_line");
  t.finish();
  CodeGeneration cg(ZP200, 1, 0);
  FakeProducer producer(false, cg);
  producer.asks = {{".debug_info", SHT_PROGBITS, 0, ""},
                   {".debug_line", SHT_PROGBITS, 0, ""},
                   {".debug_abbrev", SHT_PROGBITS, 0, ""},
                   {".debug_str", SHT_PROGBITS, 0, ""},
                   {".debug_aranges", SHT_PROGBITS, 0, ""},
                   {".rel.debug_info", SHT_REL, 0, ".debug_info"}};
  producer.streams = {{".debug_info", {1, 2, 3, 4}},
                      {".debug_line", {7}},
                      {".debug_str", {9, 9}},
                      {".rel.debug_info", hostRel(0, 4, 1)}};
  ASSERT_TRUE(t.write(cg, out(), &producer)) << cg.getError();

  ObjectFile o(out());
  // The fixed name order, with .rel twins for the two the producer fills.
  EXPECT_EQ(o.names(),
            (std::vector<std::string>{
                "", ".text", ".data", ".bss", ".debug_info", ".rel.debug_info",
                ".debug_line", ".rel.debug_line", ".debug_abbrev", ".strtab",
                ".symtab", ".shstrtab"}));
  // Unknown names get indexes no section has, and not the same one twice.
  int64_t str = producer.index[".debug_str"];
  int64_t aranges = producer.index[".debug_aranges"];
  EXPECT_GE(str, static_cast<int64_t>(o.names().size()));
  EXPECT_GE(aranges, static_cast<int64_t>(o.names().size()));
  EXPECT_NE(str, aranges);
  EXPECT_EQ(producer.symbolIndex[".debug_str"], 0u);
  EXPECT_EQ(o.contents(".debug_info"), (std::vector<uint8_t>{1, 2, 3, 4}));
  EXPECT_EQ(o.contents(".debug_line"), (std::vector<uint8_t>{7}));
  EXPECT_EQ(o.relocations(".rel.debug_info").size(), 1u);
  // Left without relocations, .rel.debug_line is an empty table.
  EXPECT_EQ(o.sh(".rel.debug_line").sh_size, 0u);
  EXPECT_EQ(o.sh(".rel.debug_line").sh_link, uint32_t(o.index(".symtab")));
  // The bytes filed under a fresh index went nowhere.
  size_t total = sizeof(Elf32_Ehdr);
  for (const std::string &name : o.names())
    if (o.sh(name).sh_type != SHT_NOBITS)
      total += o.sh(name).sh_size;
  total += o.names().size() * sizeof(Elf32_Shdr);
  EXPECT_EQ(o.bytes.size(), total);
}

TEST_F(CodeGenerationTest, DebugSectionFilledBySourceKeepsItsHeader) {
  DebugTables t(1);
  t.standard();
  t.section(".debug_info", SHT_PROGBITS, SHF_ALLOC, {0xaa, 0xbb});
  t.debug(".debug_abbrev");
  t.debug(".debug_line");
  t.finish();
  CodeGeneration cg(ZP200, 1, 0);
  FakeProducer producer(false, cg);
  producer.asks = {{".debug_info", SHT_PROGBITS, 0, ""},
                   {".debug_abbrev", SHT_PROGBITS, 0, ""}};
  producer.streams = {{".debug_info", {1}}, {".debug_abbrev", {2}}};
  ASSERT_TRUE(t.write(cg, out(), &producer)) << cg.getError();
  ObjectFile o(out());
  EXPECT_EQ(o.sh(".debug_info").sh_flags, uint32_t(SHF_ALLOC));
  EXPECT_EQ(o.contents(".debug_info"), (std::vector<uint8_t>{0xaa, 0xbb}));
  EXPECT_EQ(o.contents(".debug_abbrev"), (std::vector<uint8_t>{2}));
}

TEST_F(CodeGenerationTest, ProducerFailuresLeaveNoFile) {
  for (int variant = 0; variant < 3; ++variant) {
    SCOPED_TRACE(variant);
    DebugTables t(1);
    t.standard();
    t.debug(".debug_info");
    t.finish();
    CodeGeneration cg(ZP200, 1, 0);
    FakeProducer producer(true, cg);
    producer.sequence = {".debug_info", ".rel.debug_info"};
    producer.asks = {{".debug_info", SHT_PROGBITS, 0, ""},
                     {".rel.debug_info", SHT_REL, 0, ".debug_info"}};
    producer.streams = {{".debug_info", {1}}, {".rel.debug_info", {1, 2, 3}}};
    const char *expected = "";
    if (variant == 0) {
      producer.failTransform = true;
      expected = "couldn't transform";
    } else if (variant == 1) {
      producer.failAt = 1;
      expected = "couldn't get bytes";
    } else {
      // A relocation stream that is no whole number of entries.
      expected = "Internal1 as error";
    }
    EXPECT_FALSE(t.write(cg, out(), &producer));
    EXPECT_EQ(cg.getError(), expected);
    EXPECT_TRUE(filesIn(scratch.path()).empty());
  }
}

TEST_F(CodeGenerationTest, ListedDebugSectionMissingFromTheTableFails) {
  // The parser creates every section the producer lists; one it did not is
  // an internal failure, not a crash.
  DebugTables t(1);
  t.standard();
  t.finish();
  CodeGeneration cg(ZP200, 1, 0);
  FakeProducer producer(true, cg);
  producer.sequence = {".debug_info", ".rel.debug_info"};
  EXPECT_FALSE(t.write(cg, out(), &producer));
  EXPECT_EQ(cg.getError(), "Internal1 as error");
  EXPECT_TRUE(filesIn(scratch.path()).empty());
}

TEST(CodeGenerationCallback, RefusesWithoutAWriterOrUserData) {
  CodeGeneration cg(ZP100, 2, 0);
  Dwarf_Unsigned symbol = 99;
  int err = -1;
  EXPECT_EQ(CodeGeneration::getDwarfSection(".debug_info", 4, SHT_PROGBITS, 0,
                                            0, 0, &symbol, &cg, &err),
            -1);
  EXPECT_EQ(symbol, 0u);
  EXPECT_EQ(CodeGeneration::getDwarfSection(".debug_info", 4, SHT_PROGBITS, 0,
                                            0, 0, &symbol, nullptr, &err),
            -1);
}

} // namespace
