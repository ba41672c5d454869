// symbols_test.cpp - symbol values across the passes, emission order and
// string table, and the relocation table.
#include "expression.h"
#include "expressionnode.h"
#include "reltab.h"
#include "sectab.h"
#include "section.h"
#include "subsection.h"
#include "symbol.h"
#include "symtab.h"
#include "token.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

// Sections *ABS*, .text, .data, .bss with their section symbols, as the
// assembler has them before the first statement.
class SymbolTest : public ::testing::Test {
protected:
  void SetUp() override {
    Section *abs = sectab.getSection(word("*ABS*"));
    abs->setIndex(Section::ABS_INDEX);
    absolute = sectab.getSubsection(abs, 0);
    Section *common = sectab.getSection(word("*COMMON*"));
    common->setIndex(Section::COMMON_INDEX);
    commonSub = sectab.getSubsection(common, 0);
    text = section(".text", SHT_PROGBITS, SHF_ALLOC | SHF_EXECINSTR);
    data = section(".data", SHT_PROGBITS, SHF_WRITE | SHF_ALLOC);
    bss = section(".bss", SHT_NOBITS, SHF_WRITE | SHF_ALLOC);
  }

  const Word *word(const std::string &name) {
    std::unique_ptr<Word> &w = words[name];
    if (!w)
      w = std::make_unique<Word>(name);
    return w.get();
  }
  Section *section(const std::string &name, uint32_t type, uint32_t flags) {
    Section *s = sectab.getSection(word(name));
    s->setType(type);
    s->setFlags(flags);
    Symbol *symbol = symtab.getSymbol(word(name));
    symtab.setIndex(symbol);
    symbol->setDefined();
    symbol->setRelocationTarget();
    symbol->setInfo(STB_LOCAL, STT_SECTION);
    symbol->setValue(number(0, sectab.getSubsection(s, 0)), true);
    s->setLinkedSymbol(symbol);
    return s;
  }
  Expression *number(int64_t v, const Subsection *sub) {
    return new Expression(Location(), new ExpressionNumberNode(v, false, sub));
  }
  Expression *reference(Symbol *symbol, int64_t addend) {
    return new Expression(Location(), new ExpressionSymbolNode(
                                          symbol, symbol->getValue(), addend));
  }
  // A label at the current counter of sub, as pass 1 records it.
  Symbol *label(const std::string &name, Subsection *sub) {
    Symbol *symbol = symtab.getSymbol(word(name));
    symbol->setDefined();
    bool isOffset = sub->isValidDot();
    symbol->setValue(number(sub->getDot(), sub), isOffset);
    return symbol;
  }
  int64_t valueOf(const Symbol *symbol) {
    return symbol->getValue()->getExpression()->getExpressionNode()->getValue();
  }
  // Layout and the switch to pass 2.
  void betweenPasses() {
    ASSERT_TRUE(sectab.sortSectionSubsections());
    symtab.adjustSymbolValues();
    for (Section *s : {text, data, bss})
      s->getLinkedSymbol()->nextValue();
  }
  // Section indexes as the object writer gives them.
  void numberSections() {
    uint16_t index = 1;
    for (Section *s : sectab.getSectionSequence())
      if (s->getIndex() == 0)
        s->setIndex(index++);
  }
  std::vector<std::string> names(const std::vector<Symbol *> &symbols) {
    std::vector<std::string> result;
    for (const Symbol *s : symbols)
      result.push_back(s->getStrName());
    return result;
  }

  std::map<std::string, std::unique_ptr<Word>> words;
  Sectab sectab;
  Symtab symtab;
  Subsection *absolute = nullptr;
  Subsection *commonSub = nullptr;
  Section *text = nullptr;
  Section *data = nullptr;
  Section *bss = nullptr;
};

TEST(ValueBasics, NewSymbolHasOneEmptyCurrentValue) {
  Word name("x");
  Symbol symbol(&name);
  ASSERT_NE(symbol.getValue(), nullptr);
  EXPECT_EQ(symbol.getValue(), symbol.getCurrent());
  EXPECT_EQ(symbol.getValue()->getExpression(), nullptr);
  EXPECT_TRUE(symbol.getValue()->isOffset());
  EXPECT_FALSE(symbol.getValue()->isInEvaluation());
  EXPECT_FALSE(symbol.isValueDefined());
  EXPECT_EQ(symbol.getValue()->getSection(), nullptr);
  EXPECT_EQ(symbol.getValueCount(), 1u);
}

TEST_F(SymbolTest, SetValueFillsTheEmptyValueThenAppends) {
  Symbol *x = symtab.getSymbol(word("x"));
  Value *first = x->getValue();
  x->setValue(number(1, absolute), true);
  EXPECT_EQ(x->getValue(), first); // filled in place
  EXPECT_TRUE(x->isValueDefined());
  x->setValue(number(2, absolute), true);
  EXPECT_NE(x->getValue(), first);
  EXPECT_EQ(x->getValueCount(), 2u);
  EXPECT_EQ(valueOf(x), 2);
}

// .set x, 1 / .byte x / .set x, 2 / .byte x, with a .byte x in front.
TEST_F(SymbolTest, ValuesWalkedAgainInPassTwo) {
  Symbol *x = symtab.getSymbol(word("x"));
  x->setValue(number(1, absolute), true);
  x->setValue(number(2, absolute), true);
  betweenPasses();

  EXPECT_EQ(x->getCurrent(), nullptr);
  EXPECT_EQ(valueOf(x), 1); // forward reference sees the first value
  Value *before = x->getValue();
  x->nextValue();
  EXPECT_EQ(x->getValue(), before);
  EXPECT_EQ(valueOf(x), 1);
  x->nextValue();
  EXPECT_EQ(valueOf(x), 2);
  // The walked-past value stays alive for trees that refer to it.
  EXPECT_NE(before->getExpression(), nullptr);
  // More definitions in pass 2 than in pass 1 keep the last value.
  x->nextValue();
  EXPECT_EQ(valueOf(x), 2);
  EXPECT_TRUE(x->isValueDefined());
}

TEST_F(SymbolTest, LabelValuesBecomeSectionOffsets) {
  Subsection *first = sectab.getSubsection(data, 0);
  Subsection *second = sectab.getSubsection(data, 1);
  first->moveDot(5);
  Symbol *plain = label("plain", second); // offset 0 of subsection 1
  second->moveDot(2);
  second->addAlignmentBlock(4, 0, 0);
  Symbol *aligned = label("aligned", second); // an index until layout
  EXPECT_FALSE(aligned->getValue()->isOffset());
  second->moveDot(1);
  Symbol *late = label("late", second);
  betweenPasses();

  EXPECT_EQ(valueOf(plain), 5);
  EXPECT_EQ(valueOf(aligned), 8); // 5 + 2, padded to 8
  EXPECT_EQ(valueOf(late), 9);
  EXPECT_TRUE(aligned->getValue()->isOffset());
  // Plain numbers stay what they were.
  Symbol *n = symtab.getSymbol(word("n"));
  n->setValue(number(-7, absolute), true);
  n->adjustValues();
  EXPECT_EQ(valueOf(n), -7);
}

TEST_F(SymbolTest, GetSectionFollowsOneReference) {
  Subsection *sub = sectab.getSubsection(data, 0);
  Symbol *here = label("here", sub);
  EXPECT_EQ(here->getValue()->getSection(), data);

  Symbol *alias = symtab.getSymbol(word("alias"));
  alias->setValue(reference(here, 4), true);
  EXPECT_EQ(alias->getValue()->getSection(), data);

  // A reference to a reference is not followed: undefined.
  Symbol *second = symtab.getSymbol(word("second"));
  second->setValue(reference(alias, 0), true);
  EXPECT_EQ(second->getValue()->getSection(), nullptr);

  Symbol *ext = symtab.getSymbol(word("ext"));
  Symbol *toExt = symtab.getSymbol(word("toExt"));
  toExt->setValue(reference(ext, 0), true);
  EXPECT_EQ(toExt->getValue()->getSection(), nullptr);

  // A symbol defined by itself does not loop.
  Symbol *self = symtab.getSymbol(word("self"));
  self->setValue(reference(self, 1), true);
  EXPECT_EQ(self->getValue()->getSection(), nullptr);

  Symbol *one = symtab.getSymbol(word("one"));
  one->setValue(number(1, absolute), true);
  EXPECT_TRUE(one->getValue()->getSection()->isAbs());

  // An operator left unreduced is no section either.
  Symbol *op = symtab.getSymbol(word("op"));
  op->setValue(
      new Expression(
          Location(),
          new ExpressionNode('+', new ExpressionNumberNode(1, false, absolute),
                             new ExpressionNumberNode(2, false, absolute))),
      true);
  EXPECT_EQ(op->getValue()->getSection(), nullptr);
}

TEST_F(SymbolTest, BindingTypeAndLocalNames) {
  Symbol *s = symtab.getSymbol(word(".L5"));
  EXPECT_FALSE(s->isBindAlreadySet());
  s->setType(STT_FUNC);
  EXPECT_FALSE(s->isBindAlreadySet());
  EXPECT_TRUE(s->isLocal());
  s->setBind(STB_WEAK);
  EXPECT_TRUE(s->isBindAlreadySet());
  EXPECT_EQ(s->getType(), STT_FUNC); // type kept
  EXPECT_EQ(s->getBind(), STB_WEAK);
  EXPECT_FALSE(s->isLocal());
  s->setInfo(STB_LOCAL, STT_OBJECT);
  EXPECT_EQ(s->getInfo(), ELF32_ST_INFO(STB_LOCAL, STT_OBJECT));
  EXPECT_TRUE(s->isLocal());
  s->setRelocationTarget();
  EXPECT_FALSE(s->isLocal());
  EXPECT_FALSE(symtab.getSymbol(word("loop"))->isLocal());
  EXPECT_FALSE(symtab.getSymbol(word(".X"))->isLocal());
}

TEST_F(SymbolTest, LookupFindsOrCreates) {
  EXPECT_EQ(symtab.getExistingSymbol(word("nobody")), nullptr);
  Symbol *a = symtab.getSymbol(word("a"));
  EXPECT_EQ(symtab.getSymbol(word("a")), a);
  EXPECT_EQ(symtab.getExistingSymbol(word("a")), a);
  EXPECT_EQ(a->getStrName(), "a");
}

TEST_F(SymbolTest, NoUserSymbols) {
  betweenPasses();
  numberSections();
  std::string strtab;
  const std::vector<Symbol *> &seq = symtab.getSymbolSequence(strtab);
  EXPECT_EQ(names(seq),
            (std::vector<std::string>{"", ".text", ".data", ".bss"}));
  EXPECT_EQ(strtab, std::string("\0.text\0.data\0.bss\0", 18));
  for (size_t i = 0; i < seq.size(); ++i)
    EXPECT_EQ(seq[i]->getIndex(), i);
  EXPECT_EQ(seq[0]->getSymbol().st_info, 0);
  EXPECT_EQ(seq[0]->getSymbol().st_name, 0u);
  EXPECT_EQ(seq[1]->getShndx(), text->getIndex());
  EXPECT_EQ(seq[1]->getInfo(), ELF32_ST_INFO(STB_LOCAL, STT_SECTION));
  EXPECT_EQ(seq[3]->getShndx(), bss->getIndex());
  // Asking twice gives the same list (one null symbol).
  std::string again;
  EXPECT_EQ(symtab.getSymbolSequence(again).size(), 4u);
  EXPECT_EQ(again, strtab);
}

TEST_F(SymbolTest, EmissionOrderAndFinalValues) {
  Subsection *t = sectab.getSubsection(text, 0);
  Subsection *d = sectab.getSubsection(data, 0);
  Symbol *g = label("g", t);
  g->setBind(STB_GLOBAL);
  t->moveDot(8);
  Symbol *w = symtab.getSymbol(word("w"));
  w->setBind(STB_WEAK); // weak and undefined
  Symbol *loop = label("loop", t);
  Symbol *dropped = label(".L5", t);
  Symbol *ext = symtab.getSymbol(word("ext")); // undefined, mentioned
  Symbol *target = symtab.getSymbol(word(".L6"));
  target->setRelocationTarget(); // undefined relocation target
  d->moveDot(16);
  Symbol *here = label("here", d);
  Symbol *plus = symtab.getSymbol(word("plus"));
  plus->setValue(reference(here, 4), true);
  Symbol *abs = symtab.getSymbol(word("abs"));
  abs->setValue(number(0x123456789, absolute), true);
  Symbol *common = symtab.getSymbol(word("c"));
  common->setDefined();
  common->setInfo(STB_GLOBAL, STT_OBJECT);
  common->setValue(number(8, commonSub), true);
  betweenPasses();
  for (Symbol *s : {g, loop, dropped, here, plus, abs, common})
    s->nextValue();
  numberSections();

  std::string strtab;
  const std::vector<Symbol *> &seq = symtab.getSymbolSequence(strtab);
  EXPECT_EQ(names(seq), (std::vector<std::string>{
                            "", ".text", ".data", ".bss", "loop", "here",
                            "plus", "abs", "g", "ext", ".L6", "c", "w"}));
  for (size_t i = 0; i < seq.size(); ++i)
    EXPECT_EQ(seq[i]->getIndex(), i);
  EXPECT_EQ(dropped->getBind(), 3);
  EXPECT_EQ(dropped->getIndex(), 0u);
  EXPECT_EQ(ext->getBind(), STB_GLOBAL);
  EXPECT_EQ(target->getBind(), STB_GLOBAL);
  EXPECT_EQ(w->getBind(), STB_WEAK);
  EXPECT_EQ(ext->getShndx(), SHN_UNDEF);
  EXPECT_EQ(ext->getSymbol().st_value, 0u);
  EXPECT_EQ(loop->getShndx(), text->getIndex());
  EXPECT_EQ(loop->getSymbol().st_value, 8u);
  EXPECT_EQ(here->getSymbol().st_value, 16u);
  EXPECT_EQ(plus->getShndx(), data->getIndex());
  EXPECT_EQ(plus->getSymbol().st_value, 20u);
  EXPECT_EQ(abs->getShndx(), Section::ABS_INDEX);
  EXPECT_EQ(abs->getSymbol().st_value, 0x23456789u); // low 32 bits
  EXPECT_EQ(common->getShndx(), Section::COMMON_INDEX);
  EXPECT_EQ(common->getSymbol().st_value, 8u);
  // Every name sits at its offset in the string table.
  for (const Symbol *s : seq)
    EXPECT_EQ(std::string(strtab.c_str() + s->getName()), s->getStrName());
  EXPECT_EQ(strtab.find(".L5"), std::string::npos);
}

TEST_F(SymbolTest, CreationOrderDecidesWithinABinding) {
  Subsection *d = sectab.getSubsection(data, 0);
  std::vector<std::string> expected = {"", ".text", ".data", ".bss"};
  for (const char *name : {"zeta", "alpha", "mid", "beta"}) {
    label(name, d);
    expected.push_back(name);
  }
  betweenPasses();
  numberSections();
  std::string strtab;
  EXPECT_EQ(names(symtab.getSymbolSequence(strtab)), expected);
}

TEST_F(SymbolTest, ManyLabelsAreAllEmitted) {
  const int n = 100000;
  Subsection *d = sectab.getSubsection(data, 0);
  d->addAlignmentBlock(2, 0, 0);
  for (int i = 0; i < n; ++i) {
    label("l" + std::to_string(i), d);
    d->moveDot(1);
  }
  betweenPasses();
  numberSections();
  std::string strtab;
  const std::vector<Symbol *> &seq = symtab.getSymbolSequence(strtab);
  ASSERT_EQ(seq.size(), size_t(n) + 4);
  EXPECT_EQ(seq.back()->getSymbol().st_value, uint32_t(n - 1));
}

TEST_F(SymbolTest, RelocationsKeepCreationOrderAndGetIndexes) {
  Symbol *ext = symtab.getSymbol(word("ext"));
  ext->setRelocationTarget();
  Symbol *dataSymbol = data->getLinkedSymbol();
  Reltab reltab;
  EXPECT_FALSE(reltab.exist(text));
  EXPECT_EQ(reltab.getRelData(text), nullptr);
  reltab.addEntry(text, 12, ext, R_ZORVEL_32);
  reltab.addEntry(text, 4, dataSymbol, R_ZORVEL_8);
  reltab.addEntry(data, 0, ext, R_ZORVEL_64);
  EXPECT_TRUE(reltab.exist(text));
  EXPECT_FALSE(reltab.exist(bss));

  betweenPasses();
  numberSections();
  std::string strtab;
  symtab.getSymbolSequence(strtab);
  RelData *rel = reltab.getRelData(text);
  ASSERT_NE(rel, nullptr);
  EXPECT_EQ(rel->getSection(), text);
  const std::vector<Relocation *> &seq = rel->getRelocationSequence();
  ASSERT_EQ(seq.size(), 2u);
  EXPECT_EQ(seq[0]->getOffset(), 12u);
  EXPECT_EQ(seq[0]->getSymbol(), ext);
  EXPECT_EQ(seq[0]->getRelocation().r_info, (ext->getIndex() << 8) | 3u);
  EXPECT_EQ(seq[1]->getOffset(), 4u);
  EXPECT_EQ(seq[1]->getSymtabIndex(), 2u); // .data
  EXPECT_EQ(seq[1]->getType(), R_ZORVEL_8);
  EXPECT_EQ(reltab.getRelData(data)->getRelocationSequence()[0]->getType(),
            R_ZORVEL_64);
}

TEST(RelocationFields, InfoHalvesAreIndependent) {
  Relocation r(8, nullptr, R_ZORVEL_16);
  EXPECT_EQ(r.getInfo(), 2u);
  r.setSymtabIndex(0x123456);
  EXPECT_EQ(r.getInfo(), 0x12345602u);
  r.setType(4);
  EXPECT_EQ(r.getSymtabIndex(), 0x123456u);
  EXPECT_EQ(r.getType(), 4);
  r.setOffset(16);
  EXPECT_EQ(r.getRelocation().r_offset, 16u);
  r.adjust(); // no symbol: index 0, type kept
  EXPECT_EQ(r.getInfo(), 4u);
}

} // namespace
