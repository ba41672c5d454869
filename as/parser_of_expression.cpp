// parser_of_expression.cpp - the expression grammar: recursive descent from
// logical operators down to numbers, symbols, the location counter and
// parentheses.
#include "parser.h"

#include <string>

#include "expression.h"
#include "expressionnode.h"
#include "symbol.h"
#include "symtab.h"
#include "token.h"
#include "tokenizer.h"

namespace {
// Parentheses nest through a few parser frames each; beyond this depth the
// expression is refused rather than risking the call stack.
constexpr unsigned MAX_EXPRESSION_DEPTH = 1000;

// How tightly a binary operator binds: four levels, each left-associative;
// 0 for a token that is no binary operator.
int bindingOf(int code) {
  switch (code) {
  case '*':
  case '/':
  case '%':
  case TC_SHL:
  case TC_SHR:
    return 4;
  case '|':
  case '&':
  case '^':
  case '!':
    return 3;
  case '+':
  case '-':
  case TC_EQ:
  case TC_NE:
  case '<':
  case '>':
  case TC_LE:
  case TC_GE:
    return 2;
  case TC_ANDAND:
  case TC_OROR:
    return 1;
  default:
    return 0;
  }
}

bool isPrefixOperator(int code) {
  return code == '+' || code == '-' || code == '~' || code == '!';
}
} // namespace

Expression *Parser::parseExpression() {
  const Location location = getTokenLocation();
  if (isLineEnd() || tokenCode() == ',')
    return new Expression(
        location, new ExpressionNumberNode(0, false, absoluteSubsection));
  expressionReport = true;
  expressionDepth = 0;
  return finishExpression(location, binaryExpression(1));
}

bool Parser::skimExpression() {
  if (isLineEnd() || tokenCode() == ',')
    return true;
  expressionReport = true;
  expressionDepth = 0;
  skimming = true;
  binaryExpression(1);
  skimming = false;
  return expressionReport;
}

Expression *Parser::parseExpressionOrNumber(PlainNumber &plain) {
  plain.found = false;
  const int code = tokenCode();
  const bool minus = code == '-';
  if (!minus && code != TC_NUMBER)
    return parseExpression();
  const Location location = getTokenLocation();
  expressionReport = true;
  expressionDepth = 0;
  if (minus) {
    move();
    if (tokenCode() != TC_NUMBER)
      return finishExpression(location, binaryExpressionFrom(unaryFactor('-'), 1));
  }
  // The lexer reuses its number object: read it before moving on.
  const auto *number = static_cast<const Number *>(token);
  const int64_t value = number->getValue();
  const bool isFloat = number->isFloat();
  move();
  if (!isFloat && (isLineEnd() || tokenCode() == ',')) {
    // What the calculation of the tree would give: a negated integer wraps.
    plain.found = true;
    plain.value = minus ? int64_t(0 - uint64_t(value)) : value;
    plain.location = location;
    return nullptr;
  }
  ExpressionNode *operand =
      new ExpressionNumberNode(value, isFloat, absoluteSubsection);
  if (minus) {
    auto *negation = new ExpressionNode('-');
    negation->setLeft(operand);
    operand = negation;
  }
  return finishExpression(location, binaryExpressionFrom(operand, 1));
}

Expression *Parser::finishExpression(const Location &location,
                                     ExpressionNode *root) {
  auto *expression = new Expression(location, root);
  if (!expressionReport) {
    delete expression;
    return nullptr;
  }
  return expression;
}

// The operators binding at least as tightly as lowest, by precedence
// climbing: an operand, then each operator with the operand to its right
// (which takes the tighter operators after it). Chains of one level are a
// loop, not recursion, so long ones cost no stack.
ExpressionNode *Parser::binaryExpression(int lowest) {
  return binaryExpressionFrom(unaryFactor(), lowest);
}

ExpressionNode *Parser::binaryExpressionFrom(ExpressionNode *left,
                                             int lowest) {
  for (int level; (level = bindingOf(tokenCode())) >= lowest;) {
    const int op = tokenCode();
    move();
    ExpressionNode *right = binaryExpression(level + 1);
    left = skimming ? nullptr : new ExpressionNode(op, left, right);
  }
  return left;
}

// Prefix operators may repeat; they are collected in a loop into a chain
// whose last node takes the factor as its operand. A first one may have been
// read already.
ExpressionNode *Parser::unaryFactor(int readPrefix) {
  ExpressionNode *top = nullptr;
  ExpressionNode *bottom = nullptr;
  for (int op = readPrefix; op != 0 || isPrefixOperator(tokenCode()); op = 0) {
    if (op == 0) {
      op = tokenCode();
      move();
    }
    if (op == '+' || skimming)
      continue;
    auto *node = new ExpressionNode(op);
    if (bottom)
      bottom->setLeft(node);
    else
      top = node;
    bottom = node;
  }
  ExpressionNode *operand = factor();
  if (!bottom)
    return operand;
  bottom->setLeft(operand);
  return top;
}

ExpressionNode *Parser::factor() {
  const int code = tokenCode();
  if (code == TC_WORD) {
    Symbol *symbol = symtab->getSymbol(static_cast<const Word *>(token));
    move();
    return skimming ? nullptr
                    : new ExpressionSymbolNode(symbol, symbol->getValue());
  }
  if (code == TC_NUMBER) {
    if (skimming) {
      move();
      return nullptr;
    }
    // The lexer reuses its number object: read it before moving on.
    const auto *number = static_cast<const Number *>(token);
    auto *node = new ExpressionNumberNode(number->getValue(), number->isFloat(),
                                          absoluteSubsection);
    move();
    return node;
  }
  if (code == '(')
    return parenthesizedFactor();
  if (code == '.')
    return locationCounterFactor();
  errorAtToken("expected expression or number or symbol name, got '" +
               unrecognizedToken(token) + "'");
  expressionReport = false;
  return nullptr;
}

// ( expression )
ExpressionNode *Parser::parenthesizedFactor() {
  if (expressionDepth >= MAX_EXPRESSION_DEPTH) {
    if (expressionReport)
      errorAtToken("expression nested too deeply");
    expressionReport = false;
    // The rest cannot be parsed without going deeper; give up the line.
    moven(TC_NEWLINE);
    return nullptr;
  }
  move();
  ++expressionDepth;
  ExpressionNode *node = binaryExpression(1);
  --expressionDepth;
  if (tokenCode() == ')') {
    move();
  } else if (expressionReport) {
    if (isLineEnd() || tokenCode() == ',')
      errorAtToken("missing ')'");
    else
      errorAtToken("expected ')', got '" + unrecognizedToken(token) + "'");
    expressionReport = false;
  }
  return node;
}

// "." is valued like a label defined right here. Each occurrence in the
// source gets its own hidden symbol, keyed by the token's position, so that
// both passes and every repetition of a .rept body walk the same values,
// even for expressions that only pass 1 parses.
ExpressionNode *Parser::locationCounterFactor() {
  const Location location = getTokenLocation();
  move();
  // Each use records a value of its own: a repetition with one does more
  // than make bytes.
  ++impureStatementCount;
  if (!currentSubsection)
    return skimming ? nullptr
                    : new ExpressionNumberNode(0, false, absoluteSubsection);
  const std::string name = ".L$dot$" + location.getName() + ":" +
                           std::to_string(location.getLine()) + ":" +
                           std::to_string(location.getCol());
  Symbol *symbol = symtab->getSymbol(tokenizer->getWord(name));
  if (pass == 1)
    setLabelValue(symbol, location);
  else
    setNextSymbolValue(symbol);
  return skimming ? nullptr
                  : new ExpressionSymbolNode(symbol, symbol->getValue());
}
