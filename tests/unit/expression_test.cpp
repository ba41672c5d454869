// expression_test.cpp - expression trees and their reduction: absolute
// arithmetic, section-relative numbers, symbol references and the messages.
#include <cstdint>
#include <cstring>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "expression.h"
#include "expressioncalculator.h"
#include "expressionnode.h"
#include "section.h"
#include "source_test_util.h"
#include "subsection.h"
#include "symbol.h"
#include "token.h"

namespace {

const std::string LOC = "t.s:3:9: ";

// Sections, subsections and symbols built by hand, so that the calculator
// can be tested without a parser.
class CalculatorTest : public ::testing::Test {
protected:
  CalculatorTest()
      : absName("*ABS*"), textName(".text"), dataName(".data"), abs(&absName),
        text(&textName), data(&dataName), absSub(&abs, 0), text0(&text, 0),
        text1(&text, 1), data0(&data, 0), calc(&absSub, log.diagnostics) {
    abs.setIndex(Section::ABS_INDEX);
  }

  ExpressionNode *num(int64_t v) {
    return new ExpressionNumberNode(v, false, &absSub);
  }
  ExpressionNode *fnum(double d) {
    int64_t bitsOf;
    static_assert(sizeof bitsOf == sizeof d, "double is 64 bits");
    std::memcpy(&bitsOf, &d, sizeof d);
    return new ExpressionNumberNode(bitsOf, true, &absSub);
  }
  ExpressionNode *rel(int64_t v, const Subsection *sub) {
    return new ExpressionNumberNode(v, false, sub);
  }
  static ExpressionNode *op(int code, ExpressionNode *l,
                            ExpressionNode *r = nullptr) {
    return new ExpressionNode(code, l, r);
  }
  static ExpressionNode *ref(Symbol *s) {
    return new ExpressionSymbolNode(s, s->getValue());
  }
  Symbol *symbol(const std::string &name) {
    words.push_back(std::make_unique<Word>(name));
    symbols.push_back(std::make_unique<Symbol>(words.back().get()));
    return symbols.back().get();
  }
  // A label: a number in a subsection.
  Symbol *label(const std::string &name, const Subsection *sub, int64_t at) {
    Symbol *s = symbol(name);
    s->setValue(new Expression(Location("t.s", 1, 1), rel(at, sub)), true);
    s->setDefined();
    return s;
  }
  // A .set: the tree as written, kept unreduced.
  Symbol *assigned(const std::string &name, unsigned line,
                   ExpressionNode *root) {
    Symbol *s = symbol(name);
    s->setValue(new Expression(Location("t.s", line, 5), root), true);
    return s;
  }

  // Reduces root in an expression at t.s:3:9 and keeps it for inspection.
  Expression *calc1(ExpressionNode *root) {
    results.push_back(
        std::make_unique<Expression>(Location("t.s", 3, 9), root));
    calc.calculate(results.back().get());
    return results.back().get();
  }
  // The absolute integer that root reduces to, with no message at all.
  int64_t value(ExpressionNode *root) {
    Expression *e = calc1(root);
    EXPECT_EQ("", calculationErrorText(e));
    EXPECT_EQ("", log.take());
    const ExpressionNode *r = e->getExpressionNode();
    EXPECT_TRUE(r->isNumber());
    if (!r->isNumber())
      return 0;
    EXPECT_EQ(&absSub,
              static_cast<const ExpressionNumberNode *>(r)->getSubsection());
    return r->getValue();
  }

  Word absName, textName, dataName;
  Section abs, text, data;
  Subsection absSub, text0, text1, data0;
  MessageLog log; // the calculator's warnings
  ExpressionCalculator calc;
  std::vector<std::unique_ptr<Word>> words;
  std::vector<std::unique_ptr<Symbol>> symbols;
  std::vector<std::unique_ptr<Expression>> results;
};

const int64_t MIN = std::numeric_limits<int64_t>::min();
const int64_t MAX = std::numeric_limits<int64_t>::max();

TEST_F(CalculatorTest, AbsoluteArithmeticFollowsTheOperatorTable) {
  EXPECT_EQ(7, value(op('+', num(3), num(4))));
  EXPECT_EQ(-1, value(op('-', num(3), num(4))));
  EXPECT_EQ(-12, value(op('*', num(3), num(-4))));
  EXPECT_EQ(-3, value(op('/', num(-7), num(2))));
  EXPECT_EQ(-1, value(op('%', num(-7), num(2))));
  EXPECT_EQ(0x0c, value(op('&', num(0x0e), num(0x3c))));
  EXPECT_EQ(0x3e, value(op('|', num(0x0e), num(0x3c))));
  EXPECT_EQ(0x32, value(op('^', num(0x0e), num(0x3c))));
  EXPECT_EQ(~(int64_t{0x0e} ^ 0x3c), value(op('!', num(0x0e), num(0x3c))));
}

TEST_F(CalculatorTest, ArithmeticWrapsInSixtyFourBits) {
  EXPECT_EQ(MIN, value(op('+', num(MAX), num(1))));
  EXPECT_EQ(MAX, value(op('-', num(MIN), num(1))));
  EXPECT_EQ(0, value(op('*', num(int64_t{1} << 32), num(int64_t{1} << 32))));
  EXPECT_EQ(MIN, value(op('-', num(MIN))));
}

TEST_F(CalculatorTest, ShiftsCountModuloSixtyFour) {
  EXPECT_EQ(8, value(op(TC_SHL, num(1), num(3))));
  EXPECT_EQ(2, value(op(TC_SHL, num(1), num(65))));
  EXPECT_EQ(MIN, value(op(TC_SHL, num(1), num(-1))));
  EXPECT_EQ(-4, value(op(TC_SHR, num(-8), num(1))));
  EXPECT_EQ(-1, value(op(TC_SHR, num(-1), num(64 + 63))));
  EXPECT_EQ(5, value(op(TC_SHR, num(5), num(64))));
}

TEST_F(CalculatorTest, ComparisonsGiveMinusOneForTrue) {
  EXPECT_EQ(-1, value(op('<', num(3), num(5))));
  EXPECT_EQ(0, value(op('>', num(3), num(5))));
  EXPECT_EQ(0, value(op(TC_EQ, num(5), num(4))));
  EXPECT_EQ(-1, value(op(TC_NE, num(5), num(4))));
  EXPECT_EQ(-1, value(op(TC_LE, num(4), num(4))));
  EXPECT_EQ(0, value(op(TC_GE, num(3), num(4))));
  EXPECT_EQ(-1, value(op('<', num(-1), num(0)))); // signed
  EXPECT_EQ(-1, value(op(TC_ANDAND, num(2), num(-5))));
  EXPECT_EQ(0, value(op(TC_ANDAND, num(2), num(0))));
  EXPECT_EQ(-1, value(op(TC_OROR, num(0), num(7))));
  EXPECT_EQ(0, value(op(TC_OROR, num(0), num(0))));
}

TEST_F(CalculatorTest, PrefixOperators) {
  EXPECT_EQ(-5, value(op('-', num(5))));
  EXPECT_EQ(~int64_t{5}, value(op('~', num(5))));
  // Logical negation, as in C.
  EXPECT_EQ(1, value(op('!', num(0))));
  EXPECT_EQ(0, value(op('!', num(5))));
  EXPECT_EQ(0, value(op('!', num(MIN))));
  EXPECT_EQ(5, value(op('-', op('-', num(5)))));
}

TEST_F(CalculatorTest, DivisionByZeroIsAnErrorNotACrash) {
  Expression *e = calc1(op('/', num(1), num(0)));
  EXPECT_EQ(LOC + "error: division by zero\n", calculationErrorText(e));
  e = calc1(op('%', num(-3), num(0)));
  EXPECT_EQ(LOC + "error: division by zero\n", calculationErrorText(e));
  // The error stops the reduction: the rest of the tree is left alone.
  e = calc1(op('+', op('/', num(1), num(0)), op('/', num(2), num(0))));
  EXPECT_EQ(LOC + "error: division by zero\n", calculationErrorText(e));
  EXPECT_TRUE(e->getExpressionNode()->isOperator());
}

TEST_F(CalculatorTest, MostNegativeDividedByMinusOneWraps) {
  EXPECT_EQ(MIN, value(op('/', num(MIN), num(-1))));
  EXPECT_EQ(0, value(op('%', num(MIN), num(-1))));
  EXPECT_EQ(-7, value(op('/', num(7), num(-1))));
  EXPECT_EQ(0, value(op('%', num(7), num(-1))));
}

TEST_F(CalculatorTest, FloatOperandsCountAsZeroWithAWarning) {
  Expression *e = calc1(op('+', fnum(1.5), num(2)));
  EXPECT_EQ(LOC + "warning: left operand is a float; integer 0 assumed\n",
            log.take());
  EXPECT_FALSE(e->isCalculationError());
  EXPECT_EQ(2, e->getExpressionNode()->getValue());

  e = calc1(op('*', fnum(1.5), fnum(2.5)));
  EXPECT_EQ(LOC + "warning: left operand is a float; integer 0 assumed\n" +
                LOC + "warning: right operand is a float; integer 0 assumed\n",
            log.take());
  EXPECT_EQ(0, e->getExpressionNode()->getValue());

  e = calc1(op('-', fnum(2.0)));
  EXPECT_EQ(LOC + "warning: operand is a float; integer 0 assumed\n",
            log.take());
  EXPECT_EQ(0, e->getExpressionNode()->getValue());
  EXPECT_FALSE(static_cast<const ExpressionNumberNode *>(e->getExpressionNode())
                   ->isFloat());
}

TEST_F(CalculatorTest, ALoneFloatStaysAFloat) {
  ExpressionNode *f = fnum(2.5);
  const int64_t pattern = f->getValue();
  Expression *e = calc1(f);
  EXPECT_EQ("", log.take());
  const auto *r =
      static_cast<const ExpressionNumberNode *>(e->getExpressionNode());
  EXPECT_TRUE(r->isFloat());
  EXPECT_EQ(pattern, r->getValue());
}

TEST_F(CalculatorTest, SectionRelativeNumbers) {
  // relative + absolute keeps the subsection, either order
  Expression *e = calc1(op('+', rel(8, &text0), num(4)));
  auto *r = static_cast<const ExpressionNumberNode *>(e->getExpressionNode());
  EXPECT_EQ(&text0, r->getSubsection());
  EXPECT_EQ(12, r->getValue());
  e = calc1(op('+', num(4), rel(8, &data0)));
  r = static_cast<const ExpressionNumberNode *>(e->getExpressionNode());
  EXPECT_EQ(&data0, r->getSubsection());
  EXPECT_EQ(12, r->getValue());
  e = calc1(op('-', rel(8, &text0), num(3)));
  r = static_cast<const ExpressionNumberNode *>(e->getExpressionNode());
  EXPECT_EQ(&text0, r->getSubsection());
  EXPECT_EQ(5, r->getValue());

  // the same subsection gives an absolute difference
  EXPECT_EQ(6, value(op('-', rel(10, &text0), rel(4, &text0))));

  e = calc1(op('-', rel(10, &text0), rel(4, &text1)));
  EXPECT_EQ(LOC + "error: bad or irreducible expression\n",
            calculationErrorText(e));
  e = calc1(op('-', rel(10, &text0), rel(4, &data0)));
  EXPECT_EQ(LOC +
                "error: invalid operands (.text and .data sections) for infix "
                "operation '-'\n",
            calculationErrorText(e));
  e = calc1(op('-', num(10), rel(4, &data0)));
  EXPECT_EQ(LOC +
                "error: invalid operands (*ABS* and .data sections) for infix "
                "operation '-'\n",
            calculationErrorText(e));
  e = calc1(op('+', rel(1, &text0), rel(2, &text0)));
  EXPECT_EQ(LOC +
                "error: invalid operands (.text and .text sections) for infix "
                "operation '+'\n",
            calculationErrorText(e));
  e = calc1(op(TC_SHL, rel(1, &text0), num(2)));
  EXPECT_EQ(LOC +
                "error: invalid operands (.text and *ABS* sections) for infix "
                "operation '<<'\n",
            calculationErrorText(e));
  e = calc1(op('~', rel(1, &text0)));
  EXPECT_EQ(LOC + "error: invalid operands (.text section) for prefix "
                  "operation '~'\n",
            calculationErrorText(e));
}

TEST_F(CalculatorTest, LabelMinusLabelInOneSectionIsAbsolute) {
  Symbol *a = label("a", &text0, 4);
  Symbol *b = label("b", &text0, 20);
  EXPECT_EQ(16, value(op('-', ref(b), ref(a))));
  // Addends take part: (b + 3) - (a - 1)
  EXPECT_EQ(20,
            value(op('-', op('+', ref(b), num(3)), op('-', ref(a), num(1)))));
  // The same value twice, even undefined, cancels out.
  Symbol *ext = symbol("ext");
  EXPECT_EQ(
      2, value(op('-', op('+', ref(ext), num(5)), op('+', ref(ext), num(3)))));
}

TEST_F(CalculatorTest, LabelPlusLabelNamesBothSections) {
  Symbol *a = label("a", &text0, 4);
  Symbol *d = label("d", &data0, 8);
  Expression *e = calc1(op('+', ref(a), ref(d)));
  EXPECT_EQ(LOC +
                "error: invalid operands (.text and .data sections) for infix "
                "operation '+'\n",
            calculationErrorText(e));
  e = calc1(op('-', ref(a), ref(d)));
  EXPECT_EQ(LOC +
                "error: invalid operands (.text and .data sections) for infix "
                "operation '-'\n",
            calculationErrorText(e));
  Symbol *ext = symbol("ext");
  e = calc1(op('-', ref(a), ref(ext)));
  EXPECT_EQ(LOC +
                "error: invalid operands (.text and *UND* sections) for infix "
                "operation '-'\n",
            calculationErrorText(e));
  e = calc1(op('-', num(1), ref(ext)));
  EXPECT_EQ(LOC +
                "error: invalid operands (*ABS* and *UND* sections) for infix "
                "operation '-'\n",
            calculationErrorText(e));
  e = calc1(op('&', ref(ext), num(1)));
  EXPECT_EQ(LOC +
                "error: invalid operands (*UND* and *ABS* sections) for infix "
                "operation '&'\n",
            calculationErrorText(e));
  e = calc1(op('-', ref(ext)));
  EXPECT_EQ(LOC + "error: invalid operands (*UND* section) for prefix "
                  "operation '-'\n",
            calculationErrorText(e));
}

TEST_F(CalculatorTest, UndefinedPlusNumberStaysASymbolReference) {
  Symbol *ext = symbol("ext");
  Expression *e = calc1(op('+', ref(ext), num(4)));
  EXPECT_FALSE(e->isCalculationError());
  ASSERT_TRUE(e->getExpressionNode()->isSymbol());
  auto *s = static_cast<const ExpressionSymbolNode *>(e->getExpressionNode());
  EXPECT_EQ(ext, s->getSymbol());
  EXPECT_EQ(4, s->getAddend());

  e = calc1(op('-', op('+', num(10), ref(ext)), num(3)));
  s = static_cast<const ExpressionSymbolNode *>(e->getExpressionNode());
  EXPECT_EQ(7, s->getAddend());

  // A label keeps its reference too: the relocation needs it.
  Symbol *a = label("a", &data0, 16);
  e = calc1(op('+', ref(a), num(4)));
  ASSERT_TRUE(e->getExpressionNode()->isSymbol());
  EXPECT_EQ(4, e->getExpressionNode()->getValue());
}

TEST_F(CalculatorTest, SectionRelativeNumberMinusSymbolInTheSameSection) {
  Symbol *a = label("a", &text0, 4);
  EXPECT_EQ(26, value(op('-', rel(30, &text0), ref(a))));
  EXPECT_EQ(-26, value(op('-', op('+', ref(a), num(0)), rel(30, &text0))));
  Expression *e = calc1(op('-', rel(30, &data0), ref(a)));
  EXPECT_EQ(LOC +
                "error: invalid operands (.data and .text sections) for infix "
                "operation '-'\n",
            calculationErrorText(e));
}

// Pass 1 values a label the way the parser does: an offset until the
// subsection has an alignment block, a recorded-dot index after.
TEST_F(CalculatorTest, Pass1DistancesBehindAnAlignment) {
  auto here = [this](const std::string &name) {
    Symbol *s = symbol(name);
    const bool isOffset = data0.isValidDot();
    const uint32_t dot = data0.getDot();
    s->setValue(new Expression(Location("t.s", 1, 1), rel(dot, &data0)),
                isOffset);
    return s;
  };
  data0.moveDot(1);
  Symbol *start = here("start");
  data0.addAlignmentBlock(4, 0, 0);
  data0.moveDot(1);
  Symbol *a = here("a");
  data0.moveDot(3);
  Symbol *b = here("b");
  data0.addAlignmentBlock(2, 0, 0);
  Symbol *c = here("c");
  ASSERT_FALSE(a->getValue()->isOffset());

  // No alignment between: the distance is known already.
  EXPECT_EQ(3, value(op('-', ref(b), ref(a))));
  EXPECT_EQ(-3, value(op('-', ref(a), ref(b))));
  EXPECT_EQ(5,
            value(op('-', op('+', ref(b), num(1)), op('-', ref(a), num(1)))));
  // An alignment block between: its padding is not known before layout.
  Expression *e = calc1(op('-', ref(c), ref(a)));
  EXPECT_EQ(LOC + "error: bad or irreducible expression\n",
            calculationErrorText(e));
  e = calc1(op('-', ref(b), ref(start)));
  EXPECT_EQ(LOC + "error: bad or irreducible expression\n",
            calculationErrorText(e));
  // Two offsets before any alignment are exact as before.
  Symbol *zero = symbol("zero");
  zero->setValue(new Expression(Location("t.s", 1, 1), rel(0, &data0)), true);
  EXPECT_EQ(1, value(op('-', ref(start), ref(zero))));
}

TEST_F(CalculatorTest, BeforeLayoutSubsectionsAreApartByAnUnknownAmount) {
  Symbol *a = label("a", &text0, 4);
  Symbol *b = label("b", &text1, 2);
  Symbol *c = label("c", &text1, 10);
  calc.setLabelsAreSectionOffsets(false);
  Expression *e = calc1(op('-', ref(b), ref(a)));
  EXPECT_EQ(LOC + "error: bad or irreducible expression\n",
            calculationErrorText(e));
  EXPECT_EQ(8, value(op('-', ref(c), ref(b))));
  // After layout the values are section offsets.
  calc.setLabelsAreSectionOffsets(true);
  EXPECT_EQ(-2, value(op('-', ref(b), ref(a))));
}

TEST_F(CalculatorTest, CommonSymbolsHaveNoDistance) {
  Word commonName("*COMMON*");
  Section common(&commonName);
  common.setIndex(Section::COMMON_INDEX);
  Subsection commonSub(&common, 0);
  Symbol *c1 = label("c1", &commonSub, 4);
  Symbol *c2 = label("c2", &commonSub, 8);
  Expression *e = calc1(op('-', ref(c2), ref(c1)));
  EXPECT_EQ(LOC +
                "error: invalid operands (*COMMON* and *COMMON* sections) for "
                "infix operation '-'\n",
            calculationErrorText(e));
  EXPECT_EQ(0, value(op('-', ref(c1), ref(c1))));
}

TEST_F(CalculatorTest, AbsoluteSymbolsBecomeNumbers) {
  Symbol *x = assigned("x", 2, num(7));
  EXPECT_EQ(7, value(ref(x)));
  EXPECT_EQ(10, value(op('+', ref(x), num(3))));
  // A symbol whose tree still needs work is reduced in place, once.
  Symbol *y = assigned("y", 4, op('*', ref(x), num(2)));
  EXPECT_EQ(15, value(op('+', ref(y), num(1))));
  EXPECT_TRUE(y->getValue()->getExpression()->getExpressionNode()->isNumber());
  EXPECT_EQ(14,
            y->getValue()->getExpression()->getExpressionNode()->getValue());
}

TEST_F(CalculatorTest, KeptReferencePlusAddendSeesALaterAbsoluteValue) {
  // y = ext + 4 reduced while ext was undefined keeps the addend; once ext
  // is 5, y is 9, not 5.
  Symbol *ext = symbol("ext");
  Symbol *y = assigned("y", 4, op('+', ref(ext), num(4)));
  Expression *e = calc1(ref(y));
  ASSERT_TRUE(e->getExpressionNode()->isSymbol());
  ext->setValue(new Expression(Location("t.s", 6, 5), num(5)), true);
  EXPECT_EQ(9, value(ref(y)));
}

TEST_F(CalculatorTest, SymbolEqualToALabelTurnsIntoThatReference) {
  Symbol *a = label("a", &text0, 12);
  Symbol *x = assigned("x", 2, op('+', ref(a), num(2)));
  Expression *e = calc1(op('+', ref(x), num(1)));
  ASSERT_TRUE(e->getExpressionNode()->isSymbol());
  auto *s = static_cast<const ExpressionSymbolNode *>(e->getExpressionNode());
  EXPECT_EQ(a, s->getSymbol());
  EXPECT_EQ(a->getValue(), s->getSymbolValue());
  EXPECT_EQ(3, s->getAddend());
}

TEST_F(CalculatorTest, FloatSymbolValueReducedThroughItsTreeIsZero) {
  Symbol *f = assigned("f", 2, op('+', fnum(1.5), num(0)));
  Expression *e = calc1(op('+', ref(f), num(1)));
  // The left-operand warning comes from f's own definition, the other from
  // this use.
  EXPECT_EQ("t.s:2:5: warning: left operand is a float; integer 0 assumed\n",
            log.take());
  EXPECT_EQ(1, e->getExpressionNode()->getValue());

  Symbol *g = assigned("g", 5, fnum(1.5));
  e = calc1(ref(g));
  EXPECT_TRUE(static_cast<const ExpressionNumberNode *>(e->getExpressionNode())
                  ->isFloat());
}

TEST_F(CalculatorTest, SelfDefinitionReportsALoopAtTheDefinition) {
  Symbol *x = symbol("x");
  // .set x, x + 1: the tree refers to the very value it defines.
  x->setValue(new Expression(Location("t.s", 7, 8), nullptr), true);
  x->getValue()->getExpression()->setExpressionNode(op('+', ref(x), num(1)));
  Expression *e = calc1(ref(x));
  EXPECT_EQ("t.s:7:8: error: symbol definition loop encountered at 'x'\n",
            calculationErrorText(e));
  EXPECT_FALSE(x->getValue()->isInEvaluation());
}

TEST_F(CalculatorTest, MutualDefinitionLoop) {
  Symbol *a = symbol("a");
  Symbol *b = symbol("b");
  a->setValue(new Expression(Location("t.s", 1, 6), nullptr), true);
  b->setValue(new Expression(Location("t.s", 2, 6), op('-', ref(a), num(1))),
              true);
  a->getValue()->getExpression()->setExpressionNode(op('+', ref(b), num(1)));
  Expression *e = calc1(ref(a));
  EXPECT_EQ("t.s:1:6: error: symbol definition loop encountered at 'a'\n",
            calculationErrorText(e));
  EXPECT_FALSE(a->getValue()->isInEvaluation());
  EXPECT_FALSE(b->getValue()->isInEvaluation());
}

TEST_F(CalculatorTest, EqvIsRecalculatedAtEveryUse) {
  Symbol *x = assigned("x", 1, num(1));
  Symbol *e = symbol("e");
  // .eqv e, x + 1
  e->setValue(new Expression(Location("t.s", 2, 6), op('+', ref(x), num(1))),
              true);
  e->setEachTimeCalculatedExpression(
      new Expression(e->getValue()->getExpression()));
  EXPECT_EQ(2, value(ref(e)));
  // .set x, 5
  x->setValue(new Expression(Location("t.s", 3, 1), num(5)), true);
  EXPECT_EQ(6, value(ref(e)));
  EXPECT_EQ(16, value(op('+', ref(e), num(10))));
  // The stored copy itself stays unreduced.
  EXPECT_TRUE(
      e->getEachTimeCalculatedExpression()->getExpressionNode()->isOperator());
}

TEST_F(CalculatorTest, EqvDefinedByItselfLoops) {
  Symbol *e = symbol("e");
  e->setValue(new Expression(Location("t.s", 4, 6), nullptr), true);
  e->getValue()->getExpression()->setExpressionNode(op('+', ref(e), num(1)));
  e->setEachTimeCalculatedExpression(
      new Expression(e->getValue()->getExpression()));
  Expression *r = calc1(ref(e));
  EXPECT_EQ("t.s:4:6: error: symbol definition loop encountered at 'e'\n",
            calculationErrorText(r));
  EXPECT_FALSE(e->getValue()->isInEvaluation());
}

TEST_F(CalculatorTest, ErrorsOfASymbolDefinitionReachTheUse) {
  Symbol *z = assigned("z", 9, op('/', num(1), num(0)));
  Expression *e = calc1(op('+', num(1), ref(z)));
  EXPECT_EQ("t.s:9:5: error: division by zero\n", calculationErrorText(e));
}

TEST_F(CalculatorTest, LongChainsNeedNoDeepRecursion) {
  // 1+1+...+1 with 200000 terms: a left-deep tree.
  const int terms = 200000;
  ExpressionNode *root = num(1);
  for (int i = 1; i < terms; ++i)
    root = op('+', root, num(1));
  EXPECT_EQ(terms, value(root));

  // The same depth left unreduced (an error at the bottom) is deleted
  // without recursion, and so is its deep copy.
  root = op('/', num(1), num(0));
  for (int i = 1; i < terms; ++i)
    root = op('+', root, num(1));
  Expression *e = calc1(root);
  EXPECT_TRUE(e->isCalculationError());
  Expression copy(e);
  EXPECT_TRUE(copy.getExpressionNode()->isOperator());

  // A long chain of prefix operators.
  root = num(3);
  for (int i = 0; i < terms; ++i)
    root = op('-', root);
  EXPECT_EQ(3, value(root));
}

TEST_F(CalculatorTest, LongSymbolChainsNeedNoDeepRecursion) {
  // s0 = 0, s(i) = s(i-1) + 1, used for the first time at the end.
  const int count = 100000;
  Symbol *previous = assigned("s0", 1, num(0));
  for (int i = 1; i < count; ++i)
    previous =
        assigned("s" + std::to_string(i), 1, op('+', ref(previous), num(1)));
  EXPECT_EQ(count - 1, value(ref(previous)));
}

TEST(ExpressionCalculatorNames, OperatorSpellings) {
  const std::vector<std::pair<int, std::string>> cases = {
      {TC_EQ, "=="},   {TC_GE, ">="}, {TC_LE, "<="},  {TC_ANDAND, "&&"},
      {TC_OROR, "||"}, {TC_NE, "!="}, {TC_SHL, "<<"}, {TC_SHR, ">>"},
      {'+', "+"},      {'!', "!"},    {'%', "%"}};
  for (const auto &[code, text] : cases) {
    ExpressionNode node(code);
    EXPECT_EQ(text, ExpressionCalculator::getStrOperator(&node)) << code;
  }
}

TEST_F(CalculatorTest, OperandSectionNames) {
  std::unique_ptr<ExpressionNode> n(num(1));
  EXPECT_EQ("*ABS*", ExpressionCalculator::getOperandSection(n.get()));
  std::unique_ptr<ExpressionNode> r(rel(1, &data0));
  EXPECT_EQ(".data", ExpressionCalculator::getOperandSection(r.get()));
  std::unique_ptr<ExpressionNode> a(ref(label("a", &text1, 0)));
  EXPECT_EQ(".text", ExpressionCalculator::getOperandSection(a.get()));
  std::unique_ptr<ExpressionNode> u(ref(symbol("u")));
  EXPECT_EQ("*UND*", ExpressionCalculator::getOperandSection(u.get()));
  // A value not yet reduced to a number shows as undefined.
  std::unique_ptr<ExpressionNode> s(
      ref(assigned("s", 1, op('+', ref(symbol("v")), num(1)))));
  EXPECT_EQ("*UND*", ExpressionCalculator::getOperandSection(s.get()));
}

TEST_F(CalculatorTest, DeepCopyIsIndependent) {
  Symbol *ext = symbol("ext");
  Expression original(Location("t.s", 2, 3),
                      op('+', op('-', fnum(0.5)), ref(ext)));
  original.setCalculationError(original.getLocation(), "x");
  Expression copy(&original);
  EXPECT_EQ(prefixOf(original.getLocation()), prefixOf(copy.getLocation()));
  EXPECT_EQ("t.s:2:3: ", prefixOf(copy.getLocation()));
  EXPECT_FALSE(copy.isCalculationError());
  const ExpressionNode *o = original.getExpressionNode();
  const ExpressionNode *c = copy.getExpressionNode();
  ASSERT_NE(o, c);
  EXPECT_EQ('+', c->getValue());
  ASSERT_NE(o->getLeft(), c->getLeft());
  EXPECT_EQ('-', c->getLeft()->getValue());
  EXPECT_EQ(nullptr, c->getLeft()->getRight());
  const auto *f =
      static_cast<const ExpressionNumberNode *>(c->getLeft()->getLeft());
  EXPECT_TRUE(f->isFloat());
  EXPECT_EQ(&absSub, f->getSubsection());
  const auto *s = static_cast<const ExpressionSymbolNode *>(c->getRight());
  ASSERT_TRUE(s->isSymbol());
  EXPECT_EQ(ext, s->getSymbol());
  EXPECT_EQ(ext->getValue(), s->getSymbolValue());
  // Reducing the copy leaves the original as it was.
  calc.calculate(&copy);
  EXPECT_TRUE(original.getExpressionNode()->isOperator());
  EXPECT_TRUE(copy.getExpressionNode()->isSymbol());
}

} // namespace
