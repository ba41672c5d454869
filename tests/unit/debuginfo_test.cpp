// debuginfo_test.cpp - DWARF written by the assembler, read back with the
// machine's own DWARF readers: units, DIEs, line rows and failures.

// With the sanitizers, g++ 12 reports its own <regex> internals as possibly
// uninitialized; the warning is about the library, not this file.
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"

#include "codegeneration.h"
#include "debuginfoproducer.h"
#include "expression.h"
#include "expressionnode.h"
#include "parser.h"
#include "reltab.h"
#include "sectab.h"
#include "section.h"
#include "subsection.h"
#include "symbol.h"
#include "symtab.h"
#include "tokenizer.h"

#include "source_test_util.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <limits.h>
#include <map>
#include <memory>
#include <regex>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// Standard output of a shell command.
std::string run(const std::string &command) {
  std::string out;
  FILE *pipe = popen((command + " 2>/dev/null").c_str(), "r");
  if (!pipe)
    return out;
  char chunk[4096];
  size_t n;
  while ((n = fread(chunk, 1, sizeof chunk, pipe)) > 0)
    out.append(chunk, n);
  pclose(pipe);
  return out;
}

bool haveTool(const std::string &name) {
  return std::system(("command -v " + name + " >/dev/null 2>&1").c_str()) == 0;
}

bool exists(const std::string &path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0;
}

// One DIE as llvm-dwarfdump shows it: its depth, its tag and its attribute
// values as printed.
struct Die {
  unsigned depth = 0;
  std::string tag;
  std::map<std::string, std::string> attributes;
  bool has(const std::string &name) const { return attributes.count(name); }
  std::string at(const std::string &name) const {
    auto it = attributes.find(name);
    return it == attributes.end() ? "<none>" : it->second;
  }
};

std::vector<Die> readDies(const std::string &object) {
  std::vector<Die> dies;
  std::istringstream in(run("llvm-dwarfdump --debug-info '" + object + "'"));
  std::string line;
  const std::regex tag(R"(^0x[0-9a-f]+:( +)(DW_TAG_\w+))");
  const std::regex attribute(R"(^\s+(DW_AT_\w+)\s+\((.*)\)\s*$)");
  std::smatch m;
  while (std::getline(in, line)) {
    if (std::regex_search(line, m, tag)) {
      Die die;
      // The unit is indented one blank, each level two more.
      die.depth = static_cast<unsigned>(m[1].length() - 1) / 2;
      die.tag = m[2];
      dies.push_back(die);
    } else if (!dies.empty() && std::regex_match(line, m, attribute)) {
      dies.back().attributes[m[1]] = m[2];
    }
  }
  return dies;
}

// The rows of every line table, as "address line column flags".
std::vector<std::string> readRows(const std::string &object) {
  std::vector<std::string> rows;
  std::istringstream in(run("llvm-dwarfdump --debug-line '" + object + "'"));
  std::string line;
  const std::regex row(
      R"(^0x0*([0-9a-f]*[0-9a-f]) +(\d+) +(\d+) +(\d+) +(\d+) +(\d+) *(.*)$)");
  std::smatch m;
  while (std::getline(in, line)) {
    if (!std::regex_match(line, m, row))
      continue;
    std::string text = std::string(m[1]) + " " + std::string(m[2]) + ":" +
                       std::string(m[3]) + " f" + std::string(m[4]);
    if (m[5] != "0")
      text += " isa" + std::string(m[5]);
    if (m[6] != "0")
      text += " d" + std::string(m[6]);
    if (m[7].length())
      text += " " + std::string(m[7]);
    rows.push_back(text);
  }
  return rows;
}

std::vector<const Die *> withTag(const std::vector<Die> &dies,
                                 const std::string &tag) {
  std::vector<const Die *> found;
  for (const Die &die : dies)
    if (die.tag == tag)
      found.push_back(&die);
  return found;
}

// ---- The assembly-level producer, through the parser. ----

class AsmDebugTest : public ::testing::Test {
protected:
  void SetUp() override {
    if (!haveTool("llvm-dwarfdump"))
      GTEST_SKIP() << "llvm-dwarfdump is not installed";
  }

  // Assembles name (written with text) and returns the error count.
  int assemble(const std::string &name, const std::string &text,
               uint16_t code = 0x8101, bool debug = true) {
    source = dir.write(name, text);
    object = dir.path() + "/" + name + ".o";
    std::ostringstream said;
    Parser parser(object, {}, code, 0, debug, said);
    int errors = parser.parse(source);
    messages = said.str();
    return errors;
  }

  std::string sectionNames() {
    std::string names;
    std::istringstream in(run("readelf -S -W '" + object + "'"));
    std::string line;
    const std::regex entry(R"(\]\s+(\S+))");
    std::smatch m;
    while (std::getline(in, line))
      if (std::regex_search(line, m, entry) && m[1] != "Name")
        names += std::string(m[1]) + " ";
    return names;
  }

  ScratchDir dir;
  std::string source;
  std::string object;
  std::string messages;
};

const char *const TwoParagraphs = "        .text\n"
                                  "        .globl first\n"
                                  "first:\n"
                                  "        getl 1\n"
                                  "        getl 2\n"
                                  "        complete\n"
                                  "second: getl 3\n"
                                  "        complete\n";

TEST_F(AsmDebugTest, TwoParagraphsGiveUnitDiesAndRowsInBothModels) {
  for (uint16_t code : {0x8100, 0x8101}) {
    SCOPED_TRACE(code);
    ASSERT_EQ(assemble("two.s", TwoParagraphs, code), 0) << messages;
    std::vector<Die> dies = readDies(object);
    ASSERT_EQ(dies.size(), 3u);

    const Die &unit = dies[0];
    EXPECT_EQ(unit.tag, "DW_TAG_compile_unit");
    EXPECT_EQ(unit.at("DW_AT_producer"), "\"Zorvel assembler\"");
    EXPECT_EQ(unit.at("DW_AT_language"), "0x8100");
    EXPECT_EQ(unit.at("DW_AT_name"), "\"two.s\"");
    EXPECT_EQ(unit.at("DW_AT_comp_dir"), "\"" + dir.path() + "\"");
    EXPECT_EQ(unit.at("DW_AT_low_pc"), "0x00000000");
    EXPECT_EQ(unit.at("DW_AT_high_pc"), "0x00000018");
    EXPECT_TRUE(unit.has("DW_AT_stmt_list"));

    const Die &first = dies[1];
    EXPECT_EQ(first.depth, 1u);
    EXPECT_EQ(first.tag, "DW_TAG_unknown_8101");
    EXPECT_EQ(first.at("DW_AT_name"), "\"first\"");
    EXPECT_EQ(first.at("DW_AT_low_pc"), "0x00000000");
    EXPECT_EQ(first.at("DW_AT_high_pc"), "0x00000010");
    EXPECT_EQ(first.at("DW_AT_decl_file"), "\"" + source + "\"");
    EXPECT_EQ(first.at("DW_AT_decl_line"), "3");
    EXPECT_EQ(first.at("DW_AT_decl_column"), "0x01");
    EXPECT_EQ(first.at("DW_AT_external"), "0x01");

    const Die &second = dies[2];
    EXPECT_EQ(second.tag, "DW_TAG_unknown_8101");
    EXPECT_EQ(second.at("DW_AT_name"), "\"second\"");
    EXPECT_EQ(second.at("DW_AT_low_pc"), "0x00000010");
    EXPECT_EQ(second.at("DW_AT_high_pc"), "0x00000018");
    EXPECT_EQ(second.at("DW_AT_decl_line"), "7");
    EXPECT_FALSE(second.has("DW_AT_external"));

    // getl carries a V word: 8 bytes per operation.
    EXPECT_EQ(readRows(object),
              (std::vector<std::string>{"0 4:9 f1 is_stmt basic_block",
                                        "8 5:9 f1 is_stmt",
                                        "10 7:9 f1 is_stmt basic_block",
                                        "18 7:9 f1 is_stmt end_sequence"}));
  }
}

TEST_F(AsmDebugTest, ReadelfDecodesTheSameRows) {
  if (!haveTool("readelf"))
    GTEST_SKIP() << "readelf is not installed";
  ASSERT_EQ(assemble("two.s", TwoParagraphs, 0x8100), 0) << messages;
  std::string decoded =
      run("readelf --debug-dump=decodedline '" + object + "' | grep '^two.s'");
  std::istringstream in(decoded);
  std::vector<std::string> rows;
  std::string name, line, address;
  while (in >> name >> line >> address) {
    rows.push_back(line + "@" + address);
    in.ignore(1 << 20, '\n');
  }
  EXPECT_EQ(rows,
            (std::vector<std::string>{"4@0", "5@0x8", "7@0x10", "-@0x18"}));
}

TEST_F(AsmDebugTest, SecondLabelBeforeTheFirstOperationIsAChildDie) {
  ASSERT_EQ(assemble("alt.s", "        .text\n"
                              "one:\n"
                              "two:    getl 1\n"
                              "        complete\n"),
            0)
      << messages;
  std::vector<Die> dies = readDies(object);
  ASSERT_EQ(dies.size(), 3u);
  EXPECT_EQ(dies[1].tag, "DW_TAG_unknown_8101");
  EXPECT_EQ(dies[1].at("DW_AT_name"), "\"one\"");
  EXPECT_EQ(dies[2].tag, "DW_TAG_unknown_8102");
  EXPECT_EQ(dies[2].depth, 2u);
  EXPECT_EQ(dies[2].at("DW_AT_name"), "\"two\"");
  EXPECT_EQ(dies[2].at("DW_AT_decl_line"), "3");
  // The child carries no file and no range of its own.
  EXPECT_FALSE(dies[2].has("DW_AT_decl_file"));
  EXPECT_FALSE(dies[2].has("DW_AT_low_pc"));
}

TEST_F(AsmDebugTest, DataAndBssLabelsAreVariablesWithLocations) {
  ASSERT_EQ(assemble("var.s", "        .data\n"
                              "        .byte 0, 0\n"
                              "        .globl count\n"
                              "count:  .long 1, 2\n"
                              "        .size count, 8\n"
                              "        .weak w\n"
                              "w:      .byte 1\n"
                              "        .lcomm buffer, 16\n"),
            0)
      << messages;
  std::vector<Die> dies = readDies(object);
  std::vector<const Die *> variables = withTag(dies, "DW_TAG_variable");
  ASSERT_EQ(variables.size(), 3u);
  EXPECT_EQ(variables[0]->at("DW_AT_name"), "\"count\"");
  EXPECT_EQ(variables[0]->at("DW_AT_location"), "DW_OP_addr 0x2");
  EXPECT_EQ(variables[0]->at("DW_AT_byte_size"), "0x08");
  EXPECT_EQ(variables[0]->at("DW_AT_external"), "0x01");
  EXPECT_EQ(variables[0]->at("DW_AT_decl_line"), "4");
  EXPECT_EQ(variables[1]->at("DW_AT_name"), "\"w\"");
  EXPECT_EQ(variables[1]->at("DW_AT_location"), "DW_OP_addr 0xa");
  EXPECT_EQ(variables[1]->at("DW_AT_external"), "0x01");
  EXPECT_FALSE(variables[1]->has("DW_AT_byte_size"));
  EXPECT_EQ(variables[2]->at("DW_AT_name"), "\"buffer\"");
  EXPECT_EQ(variables[2]->at("DW_AT_location"), "DW_OP_addr 0x0");
  EXPECT_EQ(variables[2]->at("DW_AT_byte_size"), "0x10");
  EXPECT_FALSE(variables[2]->has("DW_AT_external"));
  // No paragraph: no line rows, no range on the unit.
  EXPECT_TRUE(readRows(object).empty());
  EXPECT_FALSE(dies[0].has("DW_AT_low_pc"));

  // Each location is relocated against the section symbol.
  std::string relocations = run("readelf -r -W '" + object + "'");
  EXPECT_NE(relocations.find(".rel.debug_info"), std::string::npos);
  EXPECT_EQ(relocations.find(".rel.debug_line"), std::string::npos);
  EXPECT_NE(relocations.find(" .data"), std::string::npos);
  EXPECT_NE(relocations.find(" .bss"), std::string::npos);
}

TEST_F(AsmDebugTest, LocalLabelsGetNoDie) {
  ASSERT_EQ(assemble("local.s", "        .data\n"
                                ".Lvalue: .long 1\n"
                                "shown:  .long 2\n"
                                "        .text\n"
                                ".Lcode: getl 1\n"
                                "        complete\n"),
            0)
      << messages;
  std::vector<Die> dies = readDies(object);
  ASSERT_EQ(dies.size(), 2u);
  EXPECT_EQ(dies[1].at("DW_AT_name"), "\"shown\"");
}

TEST_F(AsmDebugTest, NoLabelsNoDebugSections) {
  ASSERT_EQ(assemble("bare.s", "        .data\n"
                               "        .long 1\n"
                               ".Lonly: .long 2\n"),
            0)
      << messages;
  EXPECT_EQ(sectionNames().find(".debug"), std::string::npos) << sectionNames();
}

TEST_F(AsmDebugTest, WithoutTheFlagNoDebugSections) {
  ASSERT_EQ(assemble("two.s", TwoParagraphs, 0x8101, false), 0) << messages;
  EXPECT_EQ(sectionNames().find(".debug"), std::string::npos);
}

TEST_F(AsmDebugTest, SourceWithItsOwnDebugSectionGetsNoneOfOurs) {
  ASSERT_EQ(assemble("own.s", "        .section .debug_info\n"
                              "        .long 7\n"
                              "        .data\n"
                              "x:      .long 1\n"),
            0)
      << messages;
  EXPECT_EQ(sectionNames().find(".debug_line"), std::string::npos);
  EXPECT_EQ(sectionNames().find(".rel.debug_info"), std::string::npos);
  // The source's own four bytes, nothing of ours.
  EXPECT_NE(run("readelf -S -W '" + object + "' | grep ' .debug_info '")
                .find(" 000004 "),
            std::string::npos);
}

TEST_F(AsmDebugTest, SectionsAndRelocationsFollowTheNameSequence) {
  ASSERT_EQ(assemble("two.s", TwoParagraphs), 0) << messages;
  EXPECT_EQ(sectionNames(),
            "NULL .text .data .bss .debug_info .rel.debug_info .debug_line "
            ".rel.debug_line .debug_abbrev .strtab .symtab .shstrtab ");
  // The line sequence starts at the section offset, relocated against the
  // section symbol like DW_AT_low_pc.
  std::string relocations = run("readelf -r -W '" + object + "'");
  size_t line = relocations.find(".rel.debug_line");
  ASSERT_NE(line, std::string::npos);
  std::smatch m;
  std::string rest = relocations.substr(line);
  ASSERT_TRUE(std::regex_search(
      rest, m, std::regex(R"(\n[0-9a-f]{8} +[0-9a-f]{6}03 +.*\n)")))
      << rest;
  EXPECT_NE(m.str().find(" .text"), std::string::npos) << m.str();
}

TEST_F(AsmDebugTest, ParagraphsInSeveralSectionsGetOneSequenceEach) {
  ASSERT_EQ(assemble("split.s", "        .text 1\n"
                                "late:   getl 1\n"
                                "        complete\n"
                                "        .text\n"
                                "early:  getl 1\n"
                                "        getl 2\n"
                                "        complete\n"
                                "        .section .text.more, \"ax\"\n"
                                "more:   getl 1\n"
                                "        complete\n"),
            0)
      << messages;
  // "late" lies behind "early" once subsections are laid out: a sequence
  // only runs forwards, so each part has its own.
  EXPECT_EQ(
      readRows(object),
      (std::vector<std::string>{
          "10 2:9 f1 is_stmt basic_block", "18 2:9 f1 is_stmt end_sequence",
          "0 5:9 f1 is_stmt basic_block", "8 6:9 f1 is_stmt",
          "10 6:9 f1 is_stmt end_sequence", "0 9:9 f1 is_stmt basic_block",
          "8 9:9 f1 is_stmt end_sequence"}));
  // Code in two sections has no single range.
  std::vector<Die> dies = readDies(object);
  ASSERT_FALSE(dies.empty());
  EXPECT_FALSE(dies[0].has("DW_AT_low_pc"));
  EXPECT_FALSE(dies[0].has("DW_AT_high_pc"));
}

TEST_F(AsmDebugTest, UnitRangeSpansReorderedParagraphsOfOneSection) {
  ASSERT_EQ(assemble("order.s", "        .text 1\n"
                                "late:   getl 1\n"
                                "        complete\n"
                                "        .text\n"
                                "early:  getl 1\n"
                                "        complete\n"),
            0)
      << messages;
  std::vector<Die> dies = readDies(object);
  ASSERT_FALSE(dies.empty());
  EXPECT_EQ(dies[0].at("DW_AT_low_pc"), "0x00000000");
  EXPECT_EQ(dies[0].at("DW_AT_high_pc"), "0x00000010");
}

TEST_F(AsmDebugTest, VerifierFindsNoError) {
  ASSERT_EQ(assemble("two.s", std::string(TwoParagraphs) + "        .data\n"
                                                           "d:      .long 1\n"),
            0)
      << messages;
  std::string report = run("llvm-dwarfdump --verify '" + object + "'");
  EXPECT_NE(report.find("No errors."), std::string::npos) << report;
}

TEST_F(AsmDebugTest, SameSourceGivesTheSameObject) {
  ASSERT_EQ(assemble("two.s", TwoParagraphs), 0) << messages;
  std::string once = run("od -An -tx1 -v '" + object + "'");
  ASSERT_EQ(assemble("two.s", TwoParagraphs), 0) << messages;
  EXPECT_EQ(run("od -An -tx1 -v '" + object + "'"), once);
  EXPECT_FALSE(once.empty());
}

// A working directory too deep for an absolute path: the producer cannot
// name the unit's directory and the object is not written.
TEST(AsmDebugFailure, UnitPathBeyondTheLimitFailsWithoutAnObject) {
  ScratchDir dir;
  char saved[PATH_MAX];
  ASSERT_NE(getcwd(saved, sizeof saved), nullptr);
  ASSERT_EQ(chdir(dir.path().c_str()), 0);
  const std::string part(200, 'd');
  size_t depth = 0;
  for (; depth * (part.size() + 1) < PATH_MAX + 200; ++depth) {
    ASSERT_EQ(mkdir(part.c_str(), 0700), 0);
    ASSERT_EQ(chdir(part.c_str()), 0);
  }
  {
    std::ofstream out("deep.s");
    out << "        .data\nx:      .long 1\n";
  }
  std::string text;
  int errors = 0;
  {
    std::ostringstream said;
    Parser parser("deep.o", {}, 0x8101, 0, true, said);
    errors = parser.parse("deep.s");
    text = said.str();
  }
  bool left = exists("deep.o");
  ASSERT_EQ(chdir(saved), 0);
  EXPECT_EQ(errors, 1);
  EXPECT_EQ(text, "deep.s: error: couldn't get absolute path to 'deep.s'\n");
  EXPECT_FALSE(left);
}

// ---- The source-level producer, fed directly. ----

class SrcDebugTest : public ::testing::Test {
protected:
  void SetUp() override {
    if (!haveTool("llvm-dwarfdump"))
      GTEST_SKIP() << "llvm-dwarfdump is not installed";
    Section *abs = sectab.getSection(tokenizer.getWord("*ABS*"));
    abs->setIndex(Section::ABS_INDEX);
    Section *common = sectab.getSection(tokenizer.getWord("*COMMON*"));
    common->setIndex(Section::COMMON_INDEX);
    text = section(".text", SHT_PROGBITS, SHF_ALLOC | SHF_EXECINSTR);
    section(".data", SHT_PROGBITS, SHF_WRITE | SHF_ALLOC);
    section(".bss", SHT_NOBITS, SHF_WRITE | SHF_ALLOC);
    for (const char *name : {".debug_info", ".debug_abbrev", ".debug_line"})
      section(name, SHT_PROGBITS, 0);
  }

  Section *section(const std::string &name, uint32_t type, uint32_t flags) {
    Section *s = sectab.getSection(tokenizer.getWord(name));
    s->setType(type);
    s->setFlags(flags);
    Symbol *symbol = symtab.getSymbol(tokenizer.getWord(name));
    symtab.setIndex(symbol);
    symbol->setDefined();
    symbol->setRelocationTarget();
    symbol->setInfo(STB_LOCAL, STT_SECTION);
    symbol->setValue(
        new Expression(Location(), new ExpressionNumberNode(
                                       0, false, sectab.getSubsection(s, 0))),
        true);
    s->setLinkedSymbol(symbol);
    return s;
  }

  void row(uint64_t address, uint64_t file, uint64_t line,
           uint64_t column = 0) {
    auto r = std::make_unique<DwarfLine>();
    r->address = address;
    r->file = file;
    r->line = line;
    r->column = column;
    r->isStmt = 1;
    rows.push_back(std::move(r));
  }
  DwarfLine &lastRow() { return *rows.back(); }
  void checkFullTable(uint8_t encoding);

  // Lays out .text with size bytes and writes the object; false with the
  // writer's error.
  bool write(uint32_t textSize, uint8_t encoding = 1) {
    sectab.sortSectionSubsections();
    symtab.adjustSymbolValues();
    Subsection *sub = sectab.getSubsection(text, 0);
    std::string bytes(textSize, '\0');
    sub->asData()->addData(bytes.data(), bytes.size());
    sub->moveDot(textSize);

    CodeGeneration cg(0x8101, encoding, 0);
    SrcDebugInfoProducer producer(FileName(dir.path() + "/unit.s"),
                                  DebugInfoProducer::flagsForEncoding(encoding),
                                  CodeGeneration::getDwarfSection, &cg);
    producer.setSourceDataForDebugLineSection(
        &files, &rows, symtab.getExistingSymbol(tokenizer.getWord(".text")),
        textSize);
    object = dir.path() + "/unit.o";
    bool written = cg.generateCode(object, &tokenizer, &sectab, &symtab,
                                   &reltab, &producer);
    error = cg.getError();
    return written;
  }

  Tokenizer tokenizer{nullptr};
  Sectab sectab;
  Symtab symtab;
  Reltab reltab;
  Section *text = nullptr;
  std::map<unsigned, std::string> files;
  std::vector<std::unique_ptr<DwarfLine>> rows;
  ScratchDir dir;
  std::string object;
  std::string error;
};

// Rows with every option, in files of two directories.
void SrcDebugTest::checkFullTable(uint8_t encoding) {
  files = {{1, "a.c"}, {2, "lib/b.c"}};
  row(0, 1, 10, 5);
  lastRow().prologueEnd = 1;
  row(8, 2, 3);
  lastRow().basicBlock = 1;
  lastRow().isStmt = 0;
  row(12, 1, 11, 2);
  lastRow().epilogueBegin = 1;
  lastRow().isa = 3;
  // Dropped: libdwarf would write it so that no reader finds the rows
  // after it.
  lastRow().discriminator = 4;
  ASSERT_TRUE(write(16, encoding)) << error;
  EXPECT_EQ(readRows(object),
            (std::vector<std::string>{"0 10:5 f1 is_stmt prologue_end",
                                      "8 3:0 f2 basic_block",
                                      "c 11:2 f1 isa3 is_stmt epilogue_begin",
                                      "10 11:2 f1 isa3 is_stmt end_sequence"}));
  std::string table = run("llvm-dwarfdump --debug-line '" + object + "'");
  EXPECT_NE(table.find("include_directories[  1] = \"lib\""), std::string::npos)
      << table;
  EXPECT_NE(table.find("name: \"b.c\"\n      dir_index: 1"), std::string::npos)
      << table;
  std::vector<Die> dies = readDies(object);
  ASSERT_EQ(dies.size(), 1u);
  EXPECT_EQ(dies[0].at("DW_AT_name"), "\"unit.s\"");
  EXPECT_EQ(dies[0].at("DW_AT_producer"), "\"Zorvel assembler\"");
  // Only the unit: no range of its own.
  EXPECT_FALSE(dies[0].has("DW_AT_low_pc"));
}

TEST_F(SrcDebugTest, FileTableAndRowsBecomeTheLineTableLittleEndian) {
  checkFullTable(1);
}

TEST_F(SrcDebugTest, FileTableAndRowsBecomeTheLineTableBigEndian) {
  checkFullTable(2);
}

TEST_F(SrcDebugTest, RowsOfLaterSubsectionsAreSortedByAddress) {
  files = {{1, "a.c"}};
  row(8, 1, 30);
  row(0, 1, 10);
  row(4, 1, 20);
  ASSERT_TRUE(write(12)) << error;
  EXPECT_EQ(readRows(object),
            (std::vector<std::string>{"0 10:0 f1 is_stmt", "4 20:0 f1 is_stmt",
                                      "8 30:0 f1 is_stmt",
                                      "c 30:0 f1 is_stmt end_sequence"}));
}

TEST_F(SrcDebugTest, FileTableWithoutRowsGivesFilesOnly) {
  files = {{1, "a.c"}};
  ASSERT_TRUE(write(0)) << error;
  EXPECT_TRUE(readRows(object).empty());
  std::string table = run("llvm-dwarfdump --debug-line '" + object + "'");
  EXPECT_NE(table.find("name: \"a.c\""), std::string::npos) << table;
}

TEST_F(SrcDebugTest, GapInTheFileTableFails) {
  files = {{1, "a.c"}, {3, "b.c"}};
  row(0, 1, 1);
  EXPECT_FALSE(write(4));
  EXPECT_EQ(error, "internal as error (.file, .loc)");
  EXPECT_FALSE(exists(object));
}

TEST_F(SrcDebugTest, RowsWithAnEmptyTextFail) {
  files = {{1, "a.c"}};
  row(0, 1, 1);
  EXPECT_FALSE(write(0));
  EXPECT_EQ(error, "internal as error (.file, .loc)");
  EXPECT_FALSE(exists(object));
}

TEST_F(SrcDebugTest, RowBeyondTheEndOfTextFails) {
  files = {{1, "a.c"}};
  row(8, 1, 1);
  EXPECT_FALSE(write(4));
  EXPECT_EQ(error, "internal as error (.file, .loc)");
}

TEST_F(SrcDebugTest, EmptyFileTableFails) {
  EXPECT_FALSE(write(4));
  EXPECT_EQ(error, "internal as error (.file, .loc)");
}

// ---- The producers on their own. ----

// Hands out section indexes by name, as the object writer would.
int countingCallback(const char *name, int, Dwarf_Unsigned, Dwarf_Unsigned,
                     Dwarf_Unsigned, Dwarf_Unsigned, Dwarf_Unsigned *symbol,
                     void *userData, int *error) {
  auto *asked = static_cast<std::vector<std::string> *>(userData);
  asked->push_back(name);
  *symbol = 0;
  *error = 0;
  return static_cast<int>(asked->size());
}

TEST(DebugInfoProducer, SecondTransformReportsTheInitializedUnit) {
  std::vector<std::string> asked;
  std::map<unsigned, std::string> files = {{1, "a.c"}};
  std::vector<std::unique_ptr<DwarfLine>> rows;
  SrcDebugInfoProducer producer(FileName("x.s"),
                                DebugInfoProducer::flagsForEncoding(1),
                                countingCallback, &asked);
  producer.setSourceDataForDebugLineSection(&files, &rows, nullptr, 0);
  ASSERT_TRUE(producer.transformToDiskForm()) << producer.getLastError();
  EXPECT_EQ(asked,
            (std::vector<std::string>{".debug_info", ".debug_line",
                                      ".debug_abbrev", ".rel.debug_info"}));
  EXPECT_FALSE(producer.transformToDiskForm());
  EXPECT_EQ(producer.getLastError(),
            "iternal as error: dwarf descriptor for compilation unit 'x.s' "
            "is already initialized");
}

TEST(DebugInfoProducer, StreamsAreHandedOutOnceAndOnResetAgain) {
  std::vector<std::string> asked;
  std::map<unsigned, std::string> files = {{1, "a.c"}};
  std::vector<std::unique_ptr<DwarfLine>> rows;
  SrcDebugInfoProducer producer(FileName("x.s"),
                                DebugInfoProducer::flagsForEncoding(2),
                                countingCallback, &asked);
  producer.setSourceDataForDebugLineSection(&files, &rows, nullptr, 0);
  ASSERT_TRUE(producer.transformToDiskForm());
  auto drain = [&producer] {
    std::vector<int64_t> indexes;
    int64_t index = 0;
    uint64_t length = 0;
    bool error = false;
    while (const uint8_t *bytes =
               producer.getSectionBytes(index, length, error)) {
      EXPECT_NE(length, 0u);
      indexes.push_back(index);
      (void)bytes;
    }
    EXPECT_FALSE(error);
    EXPECT_EQ(index, 0);
    EXPECT_EQ(length, 0u);
    return indexes;
  };
  std::vector<int64_t> first = drain();
  EXPECT_EQ(first.size(), 4u);
  EXPECT_TRUE(drain().empty());
  producer.resetSectionBytes();
  EXPECT_EQ(drain(), first);
}

TEST(DebugInfoProducer, AsmNameSequenceFollowsTheLabels) {
  Tokenizer tokenizer(nullptr);
  Symtab symtab;
  std::vector<std::string> asked;
  AsmDebugInfoProducer producer(FileName("x.s"),
                                DebugInfoProducer::flagsForEncoding(1),
                                countingCallback, &asked);
  EXPECT_TRUE(producer.getDebugSectionNameSequence().empty());

  Symbol *d = symtab.getSymbol(tokenizer.getWord("d"));
  producer.addLabel(d);
  EXPECT_EQ(producer.getDebugSectionNameSequence(true),
            (std::vector<std::string>{".debug_info", ".rel.debug_info",
                                      ".debug_line", "", ".debug_abbrev", ""}));

  Symbol *p = symtab.getSymbol(tokenizer.getWord("p"));
  producer.addParagraph(p);
  producer.addParagraphLine(Location("x.s", 3, 9), 0, 1);
  // Without rebuild the first answer stands.
  EXPECT_EQ(producer.getDebugSectionNameSequence()[3], "");
  EXPECT_EQ(producer.getDebugSectionNameSequence(true)[3], ".rel.debug_line");
}

TEST(DebugInfoProducer, FeedingGroupsLabelsIntoParagraphs) {
  Tokenizer tokenizer(nullptr);
  Symtab symtab;
  AsmDebugInfoProducer producer(FileName("x.s"),
                                DebugInfoProducer::flagsForEncoding(1), nullptr,
                                nullptr);
  auto symbol = [&](const char *name) {
    return symtab.getSymbol(tokenizer.getWord(name));
  };
  // A line before any paragraph goes nowhere.
  producer.addParagraphLine(Location("x.s", 1, 1), 0, 1);
  producer.addLabel(symbol("d"));
  producer.addParagraphLine(Location("x.s", 2, 1), 0, 1);
  producer.completeParagraph(4);
  producer.addParagraph(symbol("p"));
  producer.addParagraph(symbol("q"));
  producer.addParagraphLine(Location("x.s", 5, 9), 0, 1);
  // A bss label (.lcomm) between the operations leaves the paragraph open.
  producer.addLabel(symbol("b"));
  producer.addParagraphLine(Location("x.s", 7, 9), 4, 1);
  producer.completeParagraph(8);
  // After complete, a line or a further complete changes nothing, and the
  // next text label starts a new paragraph.
  producer.addParagraphLine(Location("x.s", 8, 9), 8, 1);
  producer.completeParagraph(12);
  producer.addParagraph(symbol("r"));
  // Closed by the end of a file: the next label is a paragraph of its own.
  producer.closeParagraph();
  producer.addParagraph(symbol("s"));

  std::vector<const Label *> labels;
  for (const std::unique_ptr<Label> &label : producer.getLabels())
    labels.push_back(label.get());
  ASSERT_EQ(labels.size(), 5u);
  EXPECT_FALSE(labels[0]->isParagraph());
  EXPECT_EQ(labels[0]->getSymbol(), symbol("d"));
  ASSERT_TRUE(labels[1]->isParagraph());
  const auto &p = static_cast<const Paragraph &>(*labels[1]);
  EXPECT_EQ(p.getSymbol(), symbol("p"));
  EXPECT_EQ(p.getAlternatives(), (std::vector<const Symbol *>{symbol("q")}));
  ASSERT_EQ(p.getLines().size(), 2u);
  EXPECT_EQ(p.getLines()[0]->line, 5u);
  EXPECT_EQ(p.getLines()[0]->column, 9u);
  EXPECT_EQ(p.getLines()[1]->line, 7u);
  EXPECT_EQ(p.getLines()[1]->codeOffset, 4u);
  EXPECT_TRUE(p.isComplete());
  EXPECT_EQ(p.getEndPosition(), 8u);
  EXPECT_FALSE(labels[2]->isParagraph());
  EXPECT_EQ(labels[2]->getSymbol(), symbol("b"));
  for (size_t i : {3, 4}) {
    ASSERT_TRUE(labels[i]->isParagraph());
    const auto &open = static_cast<const Paragraph &>(*labels[i]);
    EXPECT_FALSE(open.isComplete());
    EXPECT_TRUE(open.getAlternatives().empty());
  }
  EXPECT_EQ(labels[3]->getSymbol(), symbol("r"));
  EXPECT_EQ(labels[4]->getSymbol(), symbol("s"));
}

TEST(DebugInfoProducer, FlagsFollowTheCodeEncoding) {
  EXPECT_EQ(DebugInfoProducer::flagsForEncoding(2), 0x2a000001u);
  EXPECT_EQ(DebugInfoProducer::flagsForEncoding(1), 0x22100001u);
}

} // namespace
