// architecture_test.cpp - the tables of both processor models: operation
// names and fields, directives, registers, section and symbol types.
#include "architecture.h"
#include "tokenizer.h"
#include "zp100_arch.h"
#include "zp200_arch.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The operation names of each model in table order, as the manual lists them.
const char *const zp100Written =
    "?_ERROR_?, complete, rdb, rdl, rdq, rdsb, rdsl, wrb, wrl, wrq, "
    "wrsb, wrsl, exa, exal, getb, getl, getq, getsb, getsl, setb, "
    "setl, setq, setsb, setsl, addb, addl, addsb, addsl, addf, addp, "
    "addc, subb, subl, subsb, subsl, subf, subp, subc, mulb, mull, "
    "mulsb, mulsl, mulf, mulp, mulc, adcb, adcl, sbbb, sbbl, insubb, "
    "insubl, insubsb, insubsl, insubf, insubp, insubc, divf, sqrtf, "
    "maxb, maxl, maxsb, maxsl, maxf, minb, minl, minsb, minsl, minf, "
    "abssb, abssl, absf, or, orq, and, andq, xor, xorq, not, notq, "
    "normsb, normsl, normsq, pack, patch, sllb, slll, sllq, sllsb, "
    "sllsl, slrb, slrl, slrq, salb, sall, salq, salsb, salsl, sarsb, "
    "sarsl, sarsq, rolb, roll, rolq, rorb, rorl, rorq, jmp, je, jne, "
    "jb, jc, jbe, ja, jae, jnc, js, jns, jo, jno, jl, jle, jg, jge, "
    "clf, cslf, cfsl, madd";

const char *const zp200Written =
    "?_ERROR_?, complete, rdb, rds, rdl, rdq, rdps, rdpss, rdpl, "
    "rdpsl, rdsb, rdss, rdsl, rdsq, rdf, rdd, rdp, rdc, wrb, wrs, wrl, "
    "wrq, wrps, wrpss, wrpl, wrpsl, wrsb, wrss, wrsl, wrsq, wrf, wrd, "
    "wrp, wrc, rddb, rdds, rddl, rddq, rddps, rddpss, rddpl, rddpsl, "
    "rddsb, rddss, rddsl, rddsq, rddf, rddd, rddp, rddc, wrdb, wrds, "
    "wrdl, wrdq, wrdps, wrdpss, wrdpl, wrdpsl, wrdsb, wrdss, wrdsl, "
    "wrdsq, wrdf, wrdd, wrdp, wrdc, exa, exal, move, moveq, getb, "
    "gets, getl, getq, getps, getpss, getpl, getpsl, getsb, getss, "
    "getsl, getsq, getf, getd, getp, getc, setb, sets, setl, setq, "
    "setps, setpss, setpl, setpsl, setsb, setss, setsl, setsq, setf, "
    "setd, setp, setc, addl, addps, addpss, addpl, addpsl, addsl, "
    "addf, addd, addp, addc, subl, subps, subpss, subpl, subpsl, "
    "subsl, subf, subd, subp, subc, mull, mulps, mulpss, mulpl, "
    "mulpsl, mulsl, mulf, muld, mulp, mulc, adcl, adcsl, sbbl, sbbsl, "
    "insubl, insubps, insubpss, insubpl, insubpsl, insubsl, insubf, "
    "insubd, insubp, insubc, divf, divd, sqrtf, sqrtd, maxl, maxps, "
    "maxpss, maxpl, maxpsl, maxsl, maxf, maxd, minl, minps, minpss, "
    "minpl, minpsl, minsl, minf, mind, abspss, abspsl, abssl, absf, "
    "absd, ltl, ltsl, ltf, ltd, gel, gesl, gef, ged, or, orl, orq, "
    "and, andl, andq, xor, xorl, xorq, not, notl, notq, norml, normsl, "
    "pack, patch, bsfl, bsfq, bsrl, bsrq, slll, sllq, sllps, sllpss, "
    "sllpl, sllpsl, sllsl, slrl, slrq, slrps, slrpss, slrpl, slrpsl, "
    "slrsl, sall, salq, salps, salpss, salpl, salpsl, salsl, sarl, "
    "sarq, sarps, sarpss, sarpl, sarpsl, sarsl, roll, rolq, rolps, "
    "rolpss, rolpl, rolpsl, rolsl, rorl, rorq, rorps, rorpss, rorpl, "
    "rorpsl, rorsl, bswapl, bswapq, bswapps, bswappl, bcl, bcq, jmp, "
    "je, jne, jb, jc, jbe, ja, jae, jnc, js, jns, jo, jno, jl, jle, "
    "jg, jge, irm, irme, irmne, irmb, irmc, irmbe, irma, irmae, irmnc, "
    "irms, irmns, irmo, irmno, irml, irmle, irmg, irmge, se, sne, sb, "
    "sc, sbe, sa, sae, snc, ss, sns, so, sno, sl, sle, sg, sge, forse, "
    "forsne, forsb, forsc, forsbe, forsa, forsae, forsnc, forss, "
    "forsns, forso, forsno, forsl, forsle, forsg, forsge, ibb, ibsb, "
    "cbstb, cbstsb, cbb, cbsb, fcpy, fcpyq, clf, cslf, cfsl, cfd, cdf, "
    "madd";

std::vector<std::string> splitList(const std::string &list) {
  std::vector<std::string> names;
  size_t start = 0;
  while (start < list.size()) {
    size_t comma = list.find(", ", start);
    if (comma == std::string::npos)
      comma = list.size();
    names.push_back(list.substr(start, comma - start));
    start = comma + 2;
  }
  return names;
}

// One generator row of the manual: its suffixes spelled out rather than
// given as a mask, so a wrong mask in the model cannot go unnoticed.
struct Row {
  const char *stem;
  const char *suffixes; // type suffixes, "cond" for conditions, "" single
  int kind;
  uint32_t code;
  uint32_t typeIndex; // for single rows
  uint32_t flags;
};

const Row zp100Rows[] = {
    {"rd", "b l q sb sl", 6, 33, 0, 0x07},
    {"wr", "b l q sb sl", 7, 34, 0, 0x06},
    {"exa", "", 2, 2, 2, 0x23},
    {"exal", "", 2, 2, 2, 0x23},
    {"get", "b l q sb sl", 6, 3, 0, 0x61},
    {"set", "b l q sb sl", 3, 4, 0, 0x40},
    {"add", "b l sb sl f p c", 7, 5, 0, 0x01},
    {"sub", "b l sb sl f p c", 7, 6, 0, 0x01},
    {"mul", "b l sb sl f p c", 7, 7, 0, 0x01},
    {"adc", "b l", 7, 8, 0, 0x01},
    {"sbb", "b l", 7, 9, 0, 0x01},
    {"insub", "b l sb sl f p c", 7, 10, 0, 0x01},
    {"divf", "", 7, 11, 12, 0x01},
    {"sqrtf", "", 6, 12, 12, 0x01},
    {"max", "b l sb sl f", 7, 13, 0, 0x01},
    {"min", "b l sb sl f", 7, 14, 0, 0x01},
    {"abs", "sb sl f", 6, 15, 0, 0x01},
    {"or", "", 7, 16, 3, 0x01},
    {"orq", "", 7, 16, 3, 0x01},
    {"and", "", 7, 17, 3, 0x01},
    {"andq", "", 7, 17, 3, 0x01},
    {"xor", "", 7, 18, 3, 0x01},
    {"xorq", "", 7, 18, 3, 0x01},
    {"not", "", 6, 19, 3, 0x01},
    {"notq", "", 6, 19, 3, 0x01},
    {"norm", "sb sl sq", 6, 20, 0, 0x01},
    {"pack", "", 7, 21, 3, 0x01},
    {"patch", "", 7, 22, 3, 0x01},
    {"sll", "b l q sb sl", 7, 24, 0, 0x01},
    {"slr", "b l q", 7, 25, 0, 0x01},
    {"sal", "b l q sb sl", 7, 24, 0, 0x01},
    {"sar", "sb sl sq", 7, 27, 0, 0x01},
    {"rol", "b l q", 7, 28, 0, 0x01},
    {"ror", "b l q", 7, 29, 0, 0x01},
    {"jmp", "", 6, 30, 0, 0x1A},
    {"j", "cond", 7, 30, 0, 0x1A},
    {"clf", "", 6, 56, 12, 0x03},
    {"cslf", "", 6, 58, 12, 0x03},
    {"cfsl", "", 6, 59, 12, 0x01},
    {"madd", "", 7, 49, 14, 0x01},
};

const char *const all16 = "b s l q ps pss pl psl sb ss sl sq f d p c";

const Row zp200Rows[] = {
    {"rd", all16, 6, 33, 0, 0x07},
    {"wr", all16, 7, 34, 0, 0x06},
    {"rdd", all16, 6, 43, 0, 0x07},
    {"wrd", all16, 7, 44, 0, 0x06},
    {"exa", "", 2, 2, 2, 0x23},
    {"exal", "", 2, 2, 2, 0x23},
    {"move", "", 4, 39, 3, 0x21},
    {"moveq", "", 4, 39, 3, 0x21},
    {"get", all16, 6, 3, 0, 0x61},
    {"set", all16, 3, 4, 0, 0x40},
    {"add", "l ps pss pl psl sl f d p c", 7, 5, 0, 0x01},
    {"sub", "l ps pss pl psl sl f d p c", 7, 6, 0, 0x01},
    {"mul", "l ps pss pl psl sl f d p c", 7, 7, 0, 0x01},
    {"adc", "l sl", 7, 8, 0, 0x01},
    {"sbb", "l sl", 7, 9, 0, 0x01},
    {"insub", "l ps pss pl psl sl f d p c", 7, 10, 0, 0x01},
    {"div", "f d", 7, 11, 0, 0x01},
    {"sqrt", "f d", 6, 12, 0, 0x01},
    {"max", "l ps pss pl psl sl f d", 7, 13, 0, 0x01},
    {"min", "l ps pss pl psl sl f d", 7, 14, 0, 0x01},
    {"abs", "pss psl sl f d", 6, 15, 0, 0x01},
    {"lt", "l sl f d", 7, 45, 0, 0x01},
    {"ge", "l sl f d", 7, 46, 0, 0x01},
    {"or", "", 7, 16, 3, 0x01},
    {"or", "l q", 7, 16, 0, 0x01},
    {"and", "", 7, 17, 3, 0x01},
    {"and", "l q", 7, 17, 0, 0x01},
    {"xor", "", 7, 18, 3, 0x01},
    {"xor", "l q", 7, 18, 0, 0x01},
    {"not", "", 6, 19, 3, 0x01},
    {"not", "l q", 6, 19, 0, 0x01},
    {"norm", "l sl", 6, 20, 0, 0x01},
    {"pack", "", 7, 21, 3, 0x01},
    {"patch", "", 7, 22, 3, 0x01},
    {"bsf", "l q", 6, 26, 0, 0x01},
    {"bsr", "l q", 6, 23, 0, 0x01},
    {"sll", "l q ps pss pl psl sl", 7, 24, 0, 0x01},
    {"slr", "l q ps pss pl psl sl", 7, 25, 0, 0x01},
    {"sal", "l q ps pss pl psl sl", 7, 24, 0, 0x01},
    {"sar", "l q ps pss pl psl sl", 7, 27, 0, 0x01},
    {"rol", "l q ps pss pl psl sl", 7, 28, 0, 0x01},
    {"ror", "l q ps pss pl psl sl", 7, 29, 0, 0x01},
    {"bswap", "l q ps pl", 6, 41, 0, 0x01},
    {"bc", "l q", 6, 32, 0, 0x01},
    {"jmp", "", 6, 30, 0, 0x1A},
    {"j", "cond", 7, 30, 0, 0x1A},
    {"irm", "", 6, 42, 0, 0x12},
    {"irm", "cond", 7, 42, 0, 0x12},
    {"s", "cond", 7, 31, 0, 0x13},
    {"fors", "cond", 7, 40, 0, 0x13},
    {"ib", "b sb", 6, 36, 0, 0x01},
    {"cbst", "b sb", 6, 38, 0, 0x01},
    {"cb", "b sb", 6, 37, 0, 0x01},
    {"fcpy", "", 7, 35, 3, 0x01},
    {"fcpyq", "", 7, 35, 3, 0x01},
    {"clf", "", 6, 56, 12, 0x03},
    {"cslf", "", 6, 58, 12, 0x03},
    {"cfsl", "", 6, 59, 10, 0x01},
    {"cfd", "", 6, 57, 12, 0x01},
    {"cdf", "", 6, 55, 13, 0x01},
    {"madd", "", 7, 49, 14, 0x01},
};

struct Expected {
  int kind;
  uint32_t code;
  uint32_t typeIndex;
  uint32_t flags;
};

// Expands the written rows with the written suffix tables.
template <size_t N>
std::map<std::string, Expected> expandRows(const Row (&rows)[N]) {
  static const std::map<std::string, uint32_t> typeOf = {
      {"b", 0},  {"s", 1},   {"l", 2},  {"q", 3},  {"ps", 4},  {"pss", 5},
      {"pl", 6}, {"psl", 7}, {"sb", 8}, {"ss", 9}, {"sl", 10}, {"sq", 11},
      {"f", 12}, {"d", 13},  {"p", 14}, {"c", 15}};
  static const std::vector<std::pair<std::string, uint32_t>> conds = {
      {"e", 1},  {"ne", 2},  {"b", 4},  {"c", 4},  {"be", 5}, {"a", 6},
      {"ae", 7}, {"nc", 7},  {"s", 8},  {"ns", 9}, {"o", 10}, {"no", 11},
      {"l", 12}, {"le", 13}, {"g", 14}, {"ge", 15}};
  std::map<std::string, Expected> out;
  out["?_ERROR_?"] = {0, 0xFFFFFFFF, 0, 1};
  out["complete"] = {1, 0, 0, 0};
  for (const Row &r : rows) {
    std::string suffixes = r.suffixes;
    if (suffixes.empty()) {
      out[r.stem] = {r.kind, r.code, r.typeIndex, r.flags};
    } else if (suffixes == "cond") {
      for (const auto &c : conds)
        out[r.stem + c.first] = {r.kind, r.code, c.second, r.flags};
    } else {
      std::istringstream in(suffixes);
      std::string s;
      while (in >> s)
        out[r.stem + s] = {r.kind, r.code, typeOf.at(s), r.flags};
    }
  }
  return out;
}

class ArchTest : public ::testing::Test {
protected:
  ArchTest() : tokenizer(nullptr), zp100(&tokenizer), zp200(&tokenizer) {}

  const Word *w(const char *name) { return tokenizer.getWord(name); }

  const Operation *op(const Architecture &arch, const char *name) {
    const Instruction *i = arch.getInstruction(w(name));
    if (!i || !i->isOperation())
      return nullptr;
    return static_cast<const Operation *>(i);
  }

  // The named operation; a missing one fails the test without crashing it.
  const Operation &must(const Architecture &arch, const char *name) {
    static const Word missing("<missing>");
    static const Operation none(&missing, -1, 0xDEAD, 0xDEAD, 0xDEAD);
    const Operation *o = op(arch, name);
    if (!o) {
      ADD_FAILURE() << arch.getName() << " has no operation " << name;
      return none;
    }
    return *o;
  }

  const Instruction *dir(const char *name) {
    return zp200.getInstruction(w(name));
  }

  template <size_t N>
  void checkAgainstRows(const Architecture &arch, const Row (&rows)[N]) {
    std::map<std::string, Expected> expected = expandRows(rows);
    EXPECT_EQ(expected.size(), arch.getMnemonics().size()) << arch.getName();
    for (const auto &e : expected) {
      const Operation *o = op(arch, e.first.c_str());
      ASSERT_NE(o, nullptr) << arch.getName() << " " << e.first;
      EXPECT_EQ(o->getKind(), e.second.kind) << e.first;
      EXPECT_EQ(o->getCode(), e.second.code) << e.first;
      EXPECT_EQ(o->getTypeIndex(), e.second.typeIndex) << e.first;
      EXPECT_EQ(o->getFlags(), e.second.flags) << e.first;
      EXPECT_EQ(o->getName(), e.first);
      EXPECT_EQ(o->getWord(), w(e.first.c_str()));
    }
  }

  Tokenizer tokenizer;
  ZP100_Arch zp100;
  ZP200_Arch zp200;
};

TEST_F(ArchTest, MnemonicsAreTheWrittenListsInTableOrder) {
  std::vector<std::string> list100 = splitList(zp100Written);
  std::vector<std::string> list200 = splitList(zp200Written);
  ASSERT_EQ(list100.size(), 127u);
  ASSERT_EQ(list200.size(), 327u);
  EXPECT_EQ(zp100.getMnemonics(), list100);
  EXPECT_EQ(zp200.getMnemonics(), list200);
}

TEST_F(ArchTest, MnemonicFormTellsTypesFromConditions) {
  EXPECT_EQ(zp100.getMnemonicForm("addl"), TableRow::Types);
  EXPECT_EQ(zp100.getMnemonicForm("jne"), TableRow::Conds);
  EXPECT_EQ(zp100.getMnemonicForm("jmp"), TableRow::One);
  // "sb" is set on condition below on ZP200, not a type suffix alone.
  EXPECT_EQ(zp200.getMnemonicForm("sb"), TableRow::Conds);
  EXPECT_EQ(zp200.getMnemonicForm("or"), TableRow::One);
  EXPECT_EQ(zp200.getMnemonicForm("orl"), TableRow::Types);
  EXPECT_EQ(zp100.getMnemonicForm("nosuch"), TableRow::One);
}

TEST_F(ArchTest, EveryOperationHasTheFieldsOfItsWrittenRow) {
  checkAgainstRows(zp100, zp100Rows);
  checkAgainstRows(zp200, zp200Rows);
}

TEST_F(ArchTest, BaseEntries) {
  for (const Architecture *arch :
       {(const Architecture *)&zp100, (const Architecture *)&zp200}) {
    const Operation *err = op(*arch, "?_ERROR_?");
    ASSERT_NE(err, nullptr);
    EXPECT_EQ(err->getKind(), IK_ERROR);
    EXPECT_EQ(err->getCode(), 0xFFFFFFFFu);
    EXPECT_TRUE(err->producesResult());
    const Operation *complete = op(*arch, "complete");
    ASSERT_NE(complete, nullptr);
    EXPECT_EQ(complete->getKind(), IK_COMPLETE);
    EXPECT_FALSE(complete->producesResult());
    EXPECT_TRUE(complete->isOperation());
    EXPECT_FALSE(complete->isPseudoOperation());
  }
}

TEST_F(ArchTest, ConditionSynonymsShareOneCondition) {
  for (const Architecture *arch :
       {(const Architecture *)&zp100, (const Architecture *)&zp200}) {
    const Operation *jnc = op(*arch, "jnc");
    const Operation *jae = op(*arch, "jae");
    ASSERT_NE(jnc, nullptr);
    ASSERT_NE(jae, nullptr);
    EXPECT_NE(jnc, jae);
    EXPECT_EQ(jnc->getCode(), 30u);
    EXPECT_EQ(jae->getCode(), 30u);
    EXPECT_EQ(jnc->getTypeIndex(), 7u);
    EXPECT_EQ(jae->getTypeIndex(), 7u);
    EXPECT_EQ(must(*arch, "jb").getTypeIndex(), 4u);
    EXPECT_EQ(must(*arch, "jc").getTypeIndex(), 4u);
    EXPECT_TRUE(must(*arch, "jmp").isControlTransfer());
    EXPECT_EQ(must(*arch, "jmp").getTypeIndex(), 0u);
  }
  EXPECT_EQ(op(zp100, "jz"), nullptr);
  EXPECT_EQ(op(zp200, "jz"), nullptr);
  // Codes 0 and 3 have no suffix and are not generated.
  EXPECT_EQ(op(zp200, "s"), nullptr);
  EXPECT_EQ(op(zp200, "fors"), nullptr);
  ASSERT_NE(op(zp200, "irm"), nullptr);
  EXPECT_EQ(must(zp200, "irm").getKind(), IK_ARG1);
  EXPECT_EQ(must(zp200, "irmnc").getTypeIndex(), 7u);
  EXPECT_EQ(must(zp200, "forsge").getTypeIndex(), 15u);
  EXPECT_EQ(must(zp200, "sge").getCode(), 31u);
}

TEST_F(ArchTest, ModelDifferencesInTheOperationSets) {
  EXPECT_NE(op(zp100, "divf"), nullptr);
  EXPECT_NE(op(zp100, "sqrtf"), nullptr);
  EXPECT_EQ(op(zp100, "divd"), nullptr);
  EXPECT_EQ(op(zp100, "sqrtd"), nullptr);
  EXPECT_NE(op(zp200, "divd"), nullptr);
  EXPECT_NE(op(zp200, "sqrtd"), nullptr);

  ASSERT_NE(op(zp200, "or"), nullptr);
  EXPECT_EQ(must(zp200, "or").getTypeIndex(), 3u);
  EXPECT_EQ(must(zp200, "orq").getTypeIndex(), 3u);
  EXPECT_EQ(must(zp200, "orl").getTypeIndex(), 2u);
  EXPECT_EQ(op(zp100, "orl"), nullptr);

  EXPECT_EQ(op(zp200, "addb"), nullptr);
  EXPECT_EQ(op(zp200, "movel"), nullptr);
  EXPECT_NE(op(zp200, "move"), nullptr);
  EXPECT_NE(op(zp200, "moveq"), nullptr);
  EXPECT_EQ(op(zp100, "move"), nullptr);
  EXPECT_NE(op(zp100, "addb"), nullptr);

  // rd + d is a read of a double; the rdd stem is another operation.
  EXPECT_EQ(must(zp200, "rdd").getCode(), 33u);
  EXPECT_EQ(must(zp200, "rdd").getTypeIndex(), 13u);
  EXPECT_EQ(must(zp200, "rddd").getCode(), 43u);
  EXPECT_EQ(must(zp200, "wrd").getCode(), 34u);
  EXPECT_EQ(must(zp200, "wrdc").getCode(), 44u);
  EXPECT_EQ(op(zp100, "rdd"), nullptr);

  EXPECT_EQ(must(zp100, "sall").getCode(), must(zp100, "slll").getCode());
  EXPECT_EQ(must(zp200, "salq").getCode(), 24u);
  EXPECT_EQ(must(zp100, "cfsl").getTypeIndex(), 12u);
  EXPECT_EQ(must(zp200, "cfsl").getTypeIndex(), 10u);
}

TEST_F(ArchTest, FlagPredicates) {
  EXPECT_TRUE(must(zp200, "rdl").isMemoryAccess());
  EXPECT_TRUE(must(zp200, "wrl").isMemoryAccess());
  EXPECT_FALSE(must(zp200, "wrl").producesResult());
  EXPECT_FALSE(must(zp200, "getl").isMemoryAccess());
  EXPECT_TRUE(must(zp200, "je").isControlTransfer());
  EXPECT_FALSE(must(zp200, "irme").isControlTransfer());
  EXPECT_FALSE(must(zp200, "rdl").isControlTransfer());
  EXPECT_FALSE(must(zp200, "setl").producesResult());
}

TEST_F(ArchTest, LookupIsByInternedWordAndCaseSensitive) {
  EXPECT_EQ(zp200.getInstruction(w("ADDL")), nullptr);
  EXPECT_EQ(zp200.getInstruction(w("add")), nullptr);
  EXPECT_EQ(zp200.getInstruction(nullptr), nullptr);
  Word stranger("addl");
  EXPECT_EQ(zp200.getInstruction(&stranger), nullptr);
  EXPECT_NE(zp200.getInstruction(w("addl")), nullptr);
}

TEST_F(ArchTest, ModelConstants) {
  EXPECT_EQ(zp100.getName(), "ZP100");
  EXPECT_EQ(zp100.getCode(), 0x8100);
  EXPECT_EQ(zp100.getEncoding(), 2);
  EXPECT_EQ(zp100.getDataEncoding(), 1);
  EXPECT_EQ(zp100.getFlags(), 0x80000000u);
  EXPECT_EQ(zp100.getDefaultSyntax(), 1);
  EXPECT_FALSE(zp100.isAtNullIsNull());

  EXPECT_EQ(zp200.getName(), "ZP200");
  EXPECT_EQ(zp200.getCode(), 0x8101);
  EXPECT_EQ(zp200.getEncoding(), 1);
  EXPECT_EQ(zp200.getDataEncoding(), 1);
  EXPECT_EQ(zp200.getFlags(), 0u);
  EXPECT_EQ(zp200.getDefaultSyntax(), 2);
  EXPECT_TRUE(zp200.isAtNullIsNull());

  for (const Architecture *arch :
       {(const Architecture *)&zp100, (const Architecture *)&zp200}) {
    EXPECT_EQ(arch->getSbRefBegin(), 1u);
    EXPECT_EQ(arch->getSbRefEnd(), 63u);
    EXPECT_EQ(arch->getWindowSpaceSize(), 63u);
    EXPECT_EQ(arch->getRegisterCount(), 64u);
  }
}

TEST_F(ArchTest, SwitchboardReferenceRange) {
  EXPECT_FALSE(zp100.isValidSbRef(0));
  EXPECT_TRUE(zp200.isValidSbRef(0));
  for (const Architecture *arch :
       {(const Architecture *)&zp100, (const Architecture *)&zp200}) {
    EXPECT_TRUE(arch->isValidSbRef(1));
    EXPECT_TRUE(arch->isValidSbRef(63));
    EXPECT_FALSE(arch->isValidSbRef(64));
    EXPECT_FALSE(arch->isValidSbRef(0xFFFFFFFFu));
  }
}

struct RegisterRow {
  int number;
  const char *name; // null: reachable by number only
  uint32_t access;
  uint32_t type;
};

const RegisterRow zp100Registers[] = {
    {0, nullptr, 3, 1},    {1, nullptr, 3, 1},  {2, nullptr, 3, 1},
    {3, nullptr, 3, 1},    {4, nullptr, 3, 1},  {5, nullptr, 3, 1},
    {6, nullptr, 3, 1},    {7, nullptr, 3, 1},  {32, nullptr, 3, 2},
    {33, nullptr, 3, 2},   {34, nullptr, 3, 2}, {35, nullptr, 3, 2},
    {36, nullptr, 3, 2},   {37, nullptr, 3, 2}, {38, nullptr, 3, 2},
    {39, nullptr, 3, 2},   {48, "PSW", 3, 3},   {49, "INTR", 3, 3},
    {50, "MSKR", 3, 3},    {51, "ER", 1, 3},    {52, "IRETADDR", 1, 3},
    {53, "STVALR", 3, 3},  {54, "STCR", 3, 3},  {55, "IHOOKADDR", 3, 3},
    {56, "INTNUMR", 1, 3}, {57, "MODR", 3, 3},
};

const RegisterRow zp200Registers[] = {
    {0, nullptr, 3, 1},
    {1, nullptr, 3, 1},
    {2, nullptr, 3, 1},
    {3, nullptr, 3, 1},
    {4, nullptr, 3, 1},
    {5, nullptr, 3, 1},
    {6, nullptr, 3, 1},
    {7, nullptr, 3, 1},
    {8, nullptr, 3, 2},
    {9, nullptr, 3, 2},
    {10, nullptr, 3, 2},
    {11, nullptr, 3, 2},
    {12, nullptr, 3, 2},
    {13, nullptr, 3, 2},
    {14, nullptr, 3, 2},
    {15, nullptr, 3, 2},
    {16, "PLLCR", 3, 4},
    {17, "PLLSTR", 3, 4},
    {18, "PLLTMCR", 3, 4},
    {19, "MCTRL_CH0_CPR", 3, 4},
    {20, "MCTRL_CH1_CPR", 3, 4},
    {21, "MCTRL_CH2_CPR", 3, 4},
    {22, "MCTRL_CH3_CPR", 3, 4},
    {23, "ST0PRDR", 3, 4},
    {24, "ST1PRDR", 3, 4},
    {25, "ST2PRDR", 3, 4},
    {26, "ST3PRDR", 3, 4},
    {27, "ST0CR", 3, 4},
    {28, "ST1CR", 3, 4},
    {29, "ST2CR", 3, 4},
    {30, "ST3CR", 3, 4},
    {32, "ST0VAL", 3, 4},
    {33, "ST1VAL", 3, 4},
    {34, "ST2VAL", 3, 4},
    {35, "ST3VAL", 3, 4},
    {40, "DTC_CTRL", 3, 4},
    {41, "DTC_ST", 3, 4},
    {42, "DTC_IMASK0", 3, 4},
    {43, "DTC_IMASK1", 3, 4},
    {44, "DTC_DATA", 3, 4},
    {45, "DTC_S_ADDR", 3, 4},
    {46, "DTC_D_ADDR", 3, 4},
    {47, "ROM_CTRL", 3, 4},
    {48, "PSW", 3, 3},
    {49, "INTR", 3, 3},
    {50, "MSKR", 3, 3},
    {51, "ER", 1, 3},
    {52, "IRETADDR", 1, 3},
    {53, "FORCE", 2, 3},
    {55, "IHOOKADDR", 3, 3},
    {56, "INTNUMR", 1, 3},
    {58, "LASTADDR", 1, 3},
    {59, "CURRENTADDR", 1, 3},
    {60, "NEWADDR", 2, 3},
    {61, "LASTPSW", 1, 3},
    {62, "DFADDR", 2, 3},
    {63, "ICR", 3, 3},
};

TEST_F(ArchTest, RegistersAreExactlyTheWrittenTables) {
  auto check = [&](const Architecture &arch, const RegisterRow *rows,
                   size_t count) {
    std::map<int, const RegisterRow *> byNumber;
    for (size_t i = 0; i < count; ++i)
      byNumber[rows[i].number] = &rows[i];
    for (int n = 0; n < 64; ++n) {
      const Register *r = arch.getRegister(n);
      auto it = byNumber.find(n);
      if (it == byNumber.end()) {
        EXPECT_EQ(r, nullptr) << arch.getName() << " #" << n;
        continue;
      }
      ASSERT_NE(r, nullptr) << arch.getName() << " #" << n;
      EXPECT_EQ(r->getNumber(), uint32_t(n));
      EXPECT_EQ(r->getAccess(), it->second->access) << "#" << n;
      EXPECT_EQ(r->getType(), it->second->type) << "#" << n;
      if (it->second->name) {
        EXPECT_EQ(arch.getRegister(w(it->second->name)), r) << it->second->name;
      }
      EXPECT_EQ(arch.getRegisterName(uint32_t(n)),
                it->second->name ? it->second->name : "")
          << "#" << n;
    }
  };
  check(zp100, zp100Registers, std::size(zp100Registers));
  check(zp200, zp200Registers, std::size(zp200Registers));
}

TEST_F(ArchTest, RegisterEdgeCases) {
  for (const Architecture *arch :
       {(const Architecture *)&zp100, (const Architecture *)&zp200}) {
    EXPECT_EQ(arch->getRegister(64), nullptr);
    EXPECT_EQ(arch->getRegister(-1), nullptr);
    EXPECT_EQ(arch->getRegister(1 << 30), nullptr);
    EXPECT_EQ(arch->getRegister(w("PSW")), arch->getRegister(48));
    EXPECT_EQ(arch->getRegister(w("psw")), nullptr);
    EXPECT_EQ(arch->getRegister(w("0")), nullptr);
    EXPECT_EQ(arch->getRegister(nullptr), nullptr);
  }
  EXPECT_EQ(zp100.getRegister(40), nullptr);
  ASSERT_NE(zp200.getRegister(40), nullptr);
  EXPECT_EQ(zp200.getRegister(40), zp200.getRegister(w("DTC_CTRL")));
  EXPECT_EQ(zp200.getRegister(40)->getType(), Register::PERIPHERAL);

  EXPECT_EQ(zp100.getRegister(8), nullptr);
  ASSERT_NE(zp200.getRegister(8), nullptr);
  EXPECT_TRUE(zp200.getRegister(8)->isIndex());
  EXPECT_TRUE(zp100.getRegister(32)->isIndex());
  EXPECT_FALSE(zp200.getRegister(32)->isIndex());

  EXPECT_FALSE(zp200.getRegister(w("ER"))->isWritable());
  EXPECT_TRUE(zp200.getRegister(w("ER"))->isReadable());
  EXPECT_TRUE(zp200.getRegister(w("FORCE"))->isWritable());
  EXPECT_FALSE(zp200.getRegister(w("FORCE"))->isReadable());
  EXPECT_EQ(zp100.getRegister(w("FORCE")), nullptr);
  EXPECT_EQ(zp100.getRegister(53), zp100.getRegister(w("STVALR")));
  EXPECT_EQ(zp200.getRegister(w("STVALR")), nullptr);
}

struct DirectiveRow {
  const char *name;
  int code;
};

const DirectiveRow plainDirectives[] = {
    {".data", 46},       {".text", 46},    {".bss", 46},     {".section", 46},
    {".subsection", 53}, {".align", 8},    {".p2align", 43}, {".file", 22},
    {".loc", 41},        {".comm", 10},    {".lcomm", 40},   {".equ", 47},
    {".set", 47},        {".equiv", 17},   {".eqv", 18},     {".skip", 50},
    {".space", 50},      {".fill", 23},    {".global", 24},  {".globl", 24},
    {".local", 42},      {".weak", 59},    {".type", 56},    {".size", 48},
    {".include", 39},    {".incbin", 51},  {".end", 14},     {".err", 19},
    {".error", 20},      {".warning", 58}, {".fail", 21},    {".print", 44},
    {".sleb128", 49},    {".uleb128", 57}, {".syntax", 54},  {".else", 12},
    {".elseif", 13},
    {".macro", 80},      {".endm", 81},    {".exitm", 82},   {".purgem", 83},
};

struct DataRow {
  const char *name;
  uint32_t unitSize;
  uint32_t dataKind;
};

const DataRow dataDirectives[] = {
    {".byte", 1, 0},     {".short", 2, 0},    {".long", 4, 0},
    {".quad", 8, 0},     {".float", 4, 1},    {".single", 4, 1},
    {".double", 8, 2},   {".ascii", 1, 3},    {".asciz", 1, 4},
    {".string", 1, 4},   {".string8", 1, 4},  {".string16", 2, 4},
    {".string32", 4, 4}, {".string64", 8, 4},
};

struct BlockRow {
  const char *name;
  const char *closer;
  int code;
};

const BlockRow blockDirectives[] = {
    {".rept", ".endr", 45},    {".if", ".endif", 37},
    {".ifne", ".endif", 37},   {".ifdef", ".endif", 27},
    {".ifndef", ".endif", 36}, {".ifnotdef", ".endif", 36},
    {".ifb", ".endif", 25},    {".ifnb", ".endif", 34},
    {".ifeq", ".endif", 28},   {".ifeqs", ".endif", 29},
    {".ifnes", ".endif", 38},  {".ifge", ".endif", 30},
    {".ifgt", ".endif", 31},   {".ifle", ".endif", 32},
    {".iflt", ".endif", 33},   {".irp", ".endr", 84},
    {".irpc", ".endr", 85},
};

TEST_F(ArchTest, DirectivesOfBothModels) {
  for (const Architecture *arch :
       {(const Architecture *)&zp100, (const Architecture *)&zp200}) {
    // The 68 directives of the tables as written, and the six of macros.
    EXPECT_EQ(arch->getPseudoOperationNames().size(), 74u);
    for (const DirectiveRow &d : plainDirectives) {
      const Instruction *i = arch->getInstruction(w(d.name));
      ASSERT_NE(i, nullptr) << d.name;
      EXPECT_TRUE(i->isPseudoOperation()) << d.name;
      EXPECT_FALSE(i->isOperation()) << d.name;
      EXPECT_EQ(i->getKind(), d.code) << d.name;
    }
    for (const DataRow &d : dataDirectives) {
      const Instruction *i = arch->getInstruction(w(d.name));
      ASSERT_NE(i, nullptr) << d.name;
      ASSERT_EQ(i->getKind(), IK_INIT_MEMORY) << d.name;
      auto *m = static_cast<const InitMemoryPseudoOperation *>(i);
      EXPECT_EQ(m->getUnitSize(), d.unitSize) << d.name;
      EXPECT_EQ(m->getDataKind(), d.dataKind) << d.name;
    }
    for (const BlockRow &d : blockDirectives) {
      const Instruction *i = arch->getInstruction(w(d.name));
      ASSERT_NE(i, nullptr) << d.name;
      ASSERT_EQ(i->getKind(), IK_TERMINATED) << d.name;
      auto *t = static_cast<const TerminatedPseudoOperation *>(i);
      EXPECT_EQ(t->getCode(), d.code) << d.name;
      EXPECT_EQ(t->getTerminating(), arch->getInstruction(w(d.closer)))
          << d.name;
    }
    EXPECT_EQ(arch->getInstruction(w(".alias")), nullptr);
    EXPECT_EQ(arch->getInstruction(w(".DATA")), nullptr);
  }
}

TEST_F(ArchTest, BlockDirectiveEdgeCases) {
  const Instruction *endif = dir(".endif");
  ASSERT_NE(endif, nullptr);
  ASSERT_EQ(endif->getKind(), IK_TERMINATING);
  EXPECT_EQ(static_cast<const TerminatingPseudoOperation *>(endif)->getCode(),
            PO_ENDIF);
  const Instruction *endr = dir(".endr");
  ASSERT_NE(endr, nullptr);
  ASSERT_EQ(endr->getKind(), IK_TERMINATING);
  EXPECT_EQ(static_cast<const TerminatingPseudoOperation *>(endr)->getCode(),
            PO_ENDR);

  auto *ifd = static_cast<const TerminatedPseudoOperation *>(dir(".if"));
  auto *ifne = static_cast<const TerminatedPseudoOperation *>(dir(".ifne"));
  ASSERT_NE(ifd, nullptr);
  ASSERT_NE(ifne, nullptr);
  EXPECT_NE(ifd, ifne);
  EXPECT_EQ(ifd->getCode(), ifne->getCode());
  EXPECT_EQ(ifd->getTerminating(), ifne->getTerminating());
  EXPECT_EQ(ifd->getTerminating(), endif);

  auto *flt = static_cast<const InitMemoryPseudoOperation *>(dir(".float"));
  auto *sgl = static_cast<const InitMemoryPseudoOperation *>(dir(".single"));
  ASSERT_NE(flt, nullptr);
  ASSERT_NE(sgl, nullptr);
  EXPECT_EQ(flt->getUnitSize(), sgl->getUnitSize());
  EXPECT_EQ(flt->getDataKind(), sgl->getDataKind());
}

TEST_F(ArchTest, SectionAndSymbolTypes) {
  EXPECT_TRUE(zp100.isSectionTypeFound(w("progbits")));
  EXPECT_EQ(zp100.getSectionTypeCode(w("progbits")), 1);
  EXPECT_EQ(zp100.getSectionTypeCode(w("nobits")), 8);
  EXPECT_EQ(zp200.getSectionTypeCode(w("note")), 7);
  EXPECT_FALSE(zp200.isSectionTypeFound(w("PROGBITS")));
  EXPECT_FALSE(zp200.isSectionTypeFound(w("STT_FUNC")));
  EXPECT_EQ(zp200.getSectionTypeCode(w("strtab")), 0);

  EXPECT_EQ(zp200.getSymbolTypeCode(w("STT_NOTYPE")), 0);
  EXPECT_TRUE(zp200.isSymbolTypeFound(w("STT_NOTYPE")));
  EXPECT_EQ(zp200.getSymbolTypeCode(w("STT_OBJECT")), 1);
  EXPECT_EQ(zp200.getSymbolTypeCode(w("STT_FUNC")), 2);
  EXPECT_EQ(zp100.getSymbolTypeCode(w("STT_COMMON")), 5);
  EXPECT_FALSE(zp100.isSymbolTypeFound(w("STT_SECTION")));
  EXPECT_FALSE(zp100.isSymbolTypeFound(w("progbits")));
}

TEST_F(ArchTest, SpecialSections) {
  struct Row {
    const char *name;
    uint32_t type;
    uint32_t flags;
  };
  const Row rows[] = {
      {".text", 1, 6},
      {".data", 1, 3},
      {".bss", 8, 3},
      {".comment", 1, 0},
      {".note", 7, 0},
      {".shstrtab", 3, 0},
      {".strtab", 3, 0},
      {".symtab", 2, 0},
      {".debug_str", 1, 0x30},
      {".debug_info", 1, 0},
      {".debug_line", 1, 0},
      {".debug_abbrev", 1, 0},
      {".debug_frame", 1, 0},
      {".debug_aranges", 1, 0},
      {".debug_pubnames", 1, 0},
      {".debug_funcnames", 1, 0},
      {".debug_typenames", 1, 0},
      {".debug_varnames", 1, 0},
      {".debug_weaknames", 1, 0},
      {".debug_macinfo", 1, 0},
      {".debug_loc", 1, 0},
      {".debug_ranges", 1, 0},
      {".debug_types", 1, 0},
  };
  for (const Architecture *arch :
       {(const Architecture *)&zp100, (const Architecture *)&zp200})
    for (const Row &r : rows) {
      const SpecailSectionAttributes *a =
          arch->getSpecialSectionAttributes(w(r.name));
      ASSERT_NE(a, nullptr) << r.name;
      EXPECT_EQ(a->type, r.type) << r.name;
      EXPECT_EQ(a->flags, r.flags) << r.name;
    }
  EXPECT_EQ(zp200.getSpecialSectionAttributes(w(".rodata")), nullptr);
  EXPECT_EQ(zp200.getSpecialSectionAttributes(w(".rel.text")), nullptr);
  EXPECT_EQ(zp200.getSpecialSectionAttributes(w("text")), nullptr);
}

TEST_F(ArchTest, ProcessorCodeIsTakenFromTheCaller) {
  ZP200_Arch other(&tokenizer, 0x1234);
  EXPECT_EQ(other.getCode(), 0x1234);
  EXPECT_EQ(other.getName(), "ZP200");
}

TEST_F(ArchTest, TwoModelsOnOneTokenizerShareWordsNotDescriptors) {
  const Word *addl = w("addl");
  ASSERT_NE(zp100.getInstruction(addl), nullptr);
  ASSERT_NE(zp200.getInstruction(addl), nullptr);
  EXPECT_NE(zp100.getInstruction(addl), zp200.getInstruction(addl));
  EXPECT_EQ(zp100.getInstruction(addl)->getWord(),
            zp200.getInstruction(addl)->getWord());
}

TEST_F(ArchTest, PrintWritesTheDirectiveName) {
  const Instruction *rept = dir(".rept");
  const Instruction *endif = dir(".endif");
  ASSERT_NE(rept, nullptr);
  ASSERT_NE(endif, nullptr);
  std::ostringstream out;
  rept->print(out);
  endif->print(out);
  EXPECT_EQ(out.str(), ".rept\n.endif\n");
  std::ostringstream line;
  must(zp200, "jnc").print(line);
  EXPECT_EQ(line.str(), "jnc kind 7 code 30 type 7 flags 0x1a\n");
}

} // namespace
