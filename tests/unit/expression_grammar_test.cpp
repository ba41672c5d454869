// expression_grammar_test.cpp - the expression grammar through a parser over
// a small source: precedence, prefixes, empty operands, syntax errors, deep
// nesting and the location counter.
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "expression.h"
#include "expressioncalculator.h"
#include "expressionnode.h"
#include "parser.h"
#include "sectab.h"
#include "section.h"
#include "source_test_util.h"
#include "subsection.h"
#include "symbol.h"
#include "symtab.h"
#include "token.h"
#include "tokenizer.h"

namespace {

// A parser in pass 1 standing on the first token of one source file.
class Grammar {
public:
  explicit Grammar(const std::string &source)
      : parser("e.o", {}, 0x8100, 0, false, said),
        path(dir.write("e.s", source)) {
    parser.addPredefinedData(FileName(path));
    parser.getTokenizer()->insertFile(FileName(path));
    parser.move();
  }

  // Parses the next expression; null after a syntax error.
  std::unique_ptr<Expression> parse() {
    return std::unique_ptr<Expression>(parser.parseExpression());
  }
  // Parses and reduces the next expression, which must be an absolute
  // integer without messages.
  int64_t value() {
    std::unique_ptr<Expression> e = parse();
    EXPECT_TRUE(e);
    if (!e)
      return 0;
    ExpressionCalculator calc(parser.getAbsoluteSubsection(),
                              parser.getDiagnostics());
    const size_t saidBefore = said.str().size();
    calc.calculate(e.get());
    EXPECT_EQ("", calculationErrorText(e.get()));
    EXPECT_EQ("", said.str().substr(saidBefore)); // no warning
    const ExpressionNode *root = e->getExpressionNode();
    EXPECT_TRUE(root->isNumber());
    return root->getValue();
  }
  // Steps over the comma between expressions.
  void comma() {
    EXPECT_EQ(',', parser.tokenCode());
    parser.move();
  }
  void lineEnd() {
    EXPECT_EQ(TC_NEWLINE, parser.tokenCode());
    parser.move();
  }
  std::string at(unsigned line, unsigned col) const {
    return path + ":" + std::to_string(line) + ":" + std::to_string(col) + ": ";
  }
  // The prefix of a message at the end of a line.
  std::string atEnd(unsigned line) const {
    return path + ":" + std::to_string(line) + ": ";
  }
  Subsection *textSubsection() {
    Section *text = parser.getSectab()->findSectionByName(".text");
    return parser.getSectab()->getSubsection(text, 0);
  }

  ScratchDir dir;
  std::ostringstream said; // what the parser said
  Parser parser;
  std::string path;
};

TEST(ExpressionGrammar, PrecedenceAndAssociativity) {
  Grammar g("1 + 2 * 3, 1 - 2 - 3, (1 + 2) * 3, 1 << 2 + 1\n"
            "1 | 2 + 3, 6 & 3 * 2, 1 + 2 << 3, 2 + 3 == 5, 1 == 1 && 2\n"
            "0 || 1 - 1, 12 / 2 / 3, 17 % 5 * 2, 1 << 2 << 3, 0x0f ^ 3 | 4\n");
  EXPECT_EQ(7, g.value());
  g.comma();
  EXPECT_EQ(-4, g.value());
  g.comma();
  EXPECT_EQ(9, g.value());
  g.comma();
  EXPECT_EQ(5, g.value()); // + binds looser than <<
  g.lineEnd();
  EXPECT_EQ(6, g.value()); // (1 | 2) + 3
  g.comma();
  EXPECT_EQ(6, g.value()); // 6 & (3 * 2)
  g.comma();
  EXPECT_EQ(17, g.value()); // 1 + (2 << 3)
  g.comma();
  EXPECT_EQ(-1, g.value());
  g.comma();
  EXPECT_EQ(-1, g.value());
  g.lineEnd();
  EXPECT_EQ(0, g.value()); // 0 || (1 - 1)
  g.comma();
  EXPECT_EQ(2, g.value());
  g.comma();
  EXPECT_EQ(4, g.value());
  g.comma();
  EXPECT_EQ(32, g.value()); // (1 << 2) << 3
  g.comma();
  EXPECT_EQ(0x0c | 4, g.value()); // both on one level, left to right
  EXPECT_EQ(0u, g.parser.getErrorCount());
}

TEST(ExpressionGrammar, EveryOperatorSpelling) {
  Grammar g("3 < 5, 5 > 3, 5 == 4, 5 != 4, 5 <> 5, 4 <= 4, 3 >= 4\n"
            "1 && 0, 1 || 0, 6 ! 3, 6 ^ 3, 6 & 3, 6 | 3, -8 >> 1\n");
  for (int64_t want : {-1, -1, 0, -1, 0, -1, 0}) {
    EXPECT_EQ(want, g.value());
    if (g.parser.tokenCode() == ',')
      g.comma();
  }
  g.lineEnd();
  for (int64_t want : {int64_t{0}, int64_t{-1}, ~int64_t{6 ^ 3}, int64_t{5},
                       int64_t{2}, int64_t{7}, int64_t{-4}}) {
    EXPECT_EQ(want, g.value());
    if (g.parser.tokenCode() == ',')
      g.comma();
  }
  EXPECT_EQ(0u, g.parser.getErrorCount());
}

TEST(ExpressionGrammar, PrefixOperators) {
  Grammar g("- - 3, + + 3, ~0, !0, !7, -2 * 3, !1 + 1, -(1 + 2), ~ - 1\n");
  for (int64_t want : {3, 3, -1, 1, 0, -6, 1, -3, 0}) {
    EXPECT_EQ(want, g.value());
    if (g.parser.tokenCode() == ',')
      g.comma();
  }
  EXPECT_EQ(TC_NEWLINE, g.parser.tokenCode());
}

TEST(ExpressionGrammar, EmptyOperandIsAbsoluteZero) {
  Grammar g(", 5\n\n");
  std::unique_ptr<Expression> e = g.parse();
  ASSERT_TRUE(e);
  ASSERT_TRUE(e->getExpressionNode()->isNumber());
  EXPECT_EQ(0, e->getExpressionNode()->getValue());
  EXPECT_EQ(g.parser.getAbsoluteSubsection(),
            static_cast<const ExpressionNumberNode *>(e->getExpressionNode())
                ->getSubsection());
  EXPECT_EQ(g.at(1, 1), prefixOf(e->getLocation()));
  EXPECT_EQ(',', g.parser.tokenCode()); // not consumed
  g.comma();
  EXPECT_EQ(5, g.value());
  e = g.parse(); // at the line end
  ASSERT_TRUE(e);
  EXPECT_EQ(0, e->getExpressionNode()->getValue());
  EXPECT_EQ(TC_NEWLINE, g.parser.tokenCode());
  EXPECT_EQ(0u, g.parser.getErrorCount());
}

TEST(ExpressionGrammar, NumbersAndSymbols) {
  Grammar g("0f1.5, foo + 4, foo\n");
  std::unique_ptr<Expression> e = g.parse();
  ASSERT_TRUE(e);
  EXPECT_TRUE(static_cast<const ExpressionNumberNode *>(e->getExpressionNode())
                  ->isFloat());
  g.comma();
  e = g.parse();
  ASSERT_TRUE(e);
  EXPECT_EQ(g.at(1, 8), prefixOf(e->getLocation()));
  const ExpressionNode *plus = e->getExpressionNode();
  ASSERT_TRUE(plus->isOperator());
  EXPECT_EQ('+', plus->getValue());
  ASSERT_TRUE(plus->getLeft()->isSymbol());
  Symbol *foo =
      static_cast<const ExpressionSymbolNode *>(plus->getLeft())->getSymbol();
  EXPECT_EQ("foo", foo->getStrName());
  EXPECT_EQ(foo->getValue(),
            static_cast<const ExpressionSymbolNode *>(plus->getLeft())
                ->getSymbolValue());
  g.comma();
  e = g.parse();
  ASSERT_TRUE(e);
  EXPECT_EQ(foo,
            static_cast<const ExpressionSymbolNode *>(e->getExpressionNode())
                ->getSymbol());
}

TEST(ExpressionGrammar, MissingParenthesisIsReportedOnce) {
  Grammar g("(1 + 2\n((3\n(1 + 2 3\n(4,\n");
  EXPECT_FALSE(g.parse());
  g.lineEnd();
  EXPECT_FALSE(g.parse());
  g.lineEnd();
  EXPECT_FALSE(g.parse());
  EXPECT_EQ(TC_NUMBER, g.parser.tokenCode()); // the 3 is left standing
  g.parser.move(TC_NEWLINE);
  g.lineEnd();
  EXPECT_FALSE(g.parse());
  EXPECT_EQ(',', g.parser.tokenCode());
  EXPECT_EQ(g.atEnd(1) + "error: missing ')'\n" + g.atEnd(2) +
                "error: missing ')'\n" + g.at(3, 8) +
                "error: expected ')', got '3'\n" + g.at(4, 3) +
                "error: missing ')'\n",
            g.said.str());
  EXPECT_EQ(4u, g.parser.getErrorCount());
}

TEST(ExpressionGrammar, MissingOperand) {
  Grammar g("1 +\n)\n* 2\n");
  EXPECT_FALSE(g.parse());
  g.lineEnd();
  EXPECT_FALSE(g.parse());
  EXPECT_EQ(')', g.parser.tokenCode());
  g.parser.move();
  g.lineEnd();
  EXPECT_FALSE(g.parse());
  EXPECT_EQ(g.atEnd(1) +
                "error: expected expression or number or symbol name, got "
                "'<NEW LINE>'\n" +
                g.at(2, 1) +
                "error: expected expression or number or symbol name, got "
                "')'\n" +
                g.at(3, 1) +
                "error: expected expression or number or symbol name, got "
                "'*'\n",
            g.said.str());
  EXPECT_EQ(3u, g.parser.getErrorCount());
}

TEST(ExpressionGrammar, DeepNestingIsRefusedNotACrash) {
  const std::string open(50000, '(');
  const std::string close(50000, ')');
  Grammar g(open + "1" + close + ", 2\n7\n");
  EXPECT_FALSE(g.parse());
  EXPECT_EQ(g.at(1, 1001) + "error: expression nested too deeply\n",
            g.said.str());
  EXPECT_EQ(1u, g.parser.getErrorCount());
  // The rest of the line is given up; the next line parses again.
  g.lineEnd();
  EXPECT_EQ(7, g.value());
}

TEST(ExpressionGrammar, NestingUpToTheLimitIsFine) {
  Grammar g(std::string(1000, '(') + "1" + std::string(1000, ')') + " + 1\n");
  EXPECT_EQ(2, g.value());
  EXPECT_EQ(TC_NEWLINE, g.parser.tokenCode());
}

TEST(ExpressionGrammar, LongChainsParseAndReduce) {
  std::string chain = "1";
  for (int i = 1; i < 100000; ++i)
    chain += "+1";
  std::string prefixes;
  for (int i = 0; i < 100001; ++i)
    prefixes += "- ";
  Grammar g(chain + "\n" + prefixes + "1\n");
  EXPECT_EQ(100000, g.value());
  g.lineEnd();
  EXPECT_EQ(-1, g.value());
}

TEST(ExpressionGrammar, LocationCounterOutsideASectionIsZero) {
  Grammar g(". + 2\n");
  EXPECT_EQ(2, g.value());
}

TEST(ExpressionGrammar, LocationCounterIsAHiddenLabelPerPosition) {
  Grammar g(". , .\n.\n");
  Subsection *text = g.textSubsection();
  g.parser.setCurrentSubsection(text);
  std::unique_ptr<Expression> first = g.parse();
  ASSERT_TRUE(first);
  ASSERT_TRUE(first->getExpressionNode()->isSymbol());
  auto *node =
      static_cast<const ExpressionSymbolNode *>(first->getExpressionNode());
  EXPECT_EQ(".L$dot$" + g.path + ":1:1", node->getSymbol()->getStrName());
  EXPECT_TRUE(node->getSymbol()->isDefined());
  EXPECT_EQ(text->getSection(), node->getSymbolValue()->getSection());
  EXPECT_EQ(node->getSymbol()->getValue(), node->getSymbolValue());
  g.comma();
  text->moveDot(4);
  std::unique_ptr<Expression> second = g.parse();
  ASSERT_TRUE(second);
  auto *node2 =
      static_cast<const ExpressionSymbolNode *>(second->getExpressionNode());
  EXPECT_EQ(".L$dot$" + g.path + ":1:5", node2->getSymbol()->getStrName());
  // Valued like a label here: the distance is what the counter moved.
  ExpressionNode *diff = new ExpressionNode(
      '-', ExpressionNode::copyTree(node2), ExpressionNode::copyTree(node));
  Expression d(Location("t.s", 1, 1), diff);
  ExpressionCalculator calc(g.parser.getAbsoluteSubsection(),
                            g.parser.getDiagnostics());
  calc.calculate(&d);
  EXPECT_EQ("", calculationErrorText(&d));
  ASSERT_TRUE(d.getExpressionNode()->isNumber());
  EXPECT_EQ(4, d.getExpressionNode()->getValue());
  // The same position again (as in a repeated block) gets another value
  // of the same symbol.
  g.lineEnd();
  EXPECT_EQ(1u, node->getSymbol()->getValueCount());
  std::unique_ptr<Expression> third = g.parse();
  ASSERT_TRUE(third);
  EXPECT_EQ(
      ".L$dot$" + g.path + ":2:1",
      static_cast<const ExpressionSymbolNode *>(third->getExpressionNode())
          ->getSymbol()
          ->getStrName());
}

} // namespace
