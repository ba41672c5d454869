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
// Parentheses nest through six parser frames each; beyond this depth the
// expression is refused rather than risking the call stack.
constexpr unsigned MAX_EXPRESSION_DEPTH = 1000;

bool isTerm1Operator(int code) {
  return code == '*' || code == '/' || code == '%' || code == TC_SHL ||
         code == TC_SHR;
}

bool isTerm2Operator(int code) {
  return code == '|' || code == '&' || code == '^' || code == '!';
}

bool isTerm3Operator(int code) {
  return code == '+' || code == '-' || code == TC_EQ || code == TC_NE ||
         code == '<' || code == '>' || code == TC_LE || code == TC_GE;
}

bool isTerm4Operator(int code) { return code == TC_ANDAND || code == TC_OROR; }

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
  auto *expression = new Expression(location, term4());
  if (!expressionReport) {
    delete expression;
    return nullptr;
  }
  return expression;
}

// Each level is left-associative: a loop, not recursion, so long operator
// chains cost no stack.
ExpressionNode *Parser::term4() {
  ExpressionNode *left = term3();
  while (isTerm4Operator(tokenCode())) {
    const int op = tokenCode();
    move();
    ExpressionNode *right = term3();
    left = new ExpressionNode(op, left, right);
  }
  return left;
}

ExpressionNode *Parser::term3() {
  ExpressionNode *left = term2();
  while (isTerm3Operator(tokenCode())) {
    const int op = tokenCode();
    move();
    ExpressionNode *right = term2();
    left = new ExpressionNode(op, left, right);
  }
  return left;
}

ExpressionNode *Parser::term2() {
  ExpressionNode *left = term1();
  while (isTerm2Operator(tokenCode())) {
    const int op = tokenCode();
    move();
    ExpressionNode *right = term1();
    left = new ExpressionNode(op, left, right);
  }
  return left;
}

ExpressionNode *Parser::term1() {
  ExpressionNode *left = unaryFactor();
  while (isTerm1Operator(tokenCode())) {
    const int op = tokenCode();
    move();
    ExpressionNode *right = unaryFactor();
    left = new ExpressionNode(op, left, right);
  }
  return left;
}

// Prefix operators may repeat; they are collected in a loop into a chain
// whose last node takes the factor as its operand.
ExpressionNode *Parser::unaryFactor() {
  ExpressionNode *top = nullptr;
  ExpressionNode *bottom = nullptr;
  while (isPrefixOperator(tokenCode())) {
    const int op = tokenCode();
    move();
    if (op == '+')
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
    return new ExpressionSymbolNode(symbol, symbol->getValue());
  }
  if (code == TC_NUMBER) {
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
  ExpressionNode *node = term4();
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
    return new ExpressionNumberNode(0, false, absoluteSubsection);
  const std::string name = ".L$dot$" + location.getName() + ":" +
                           std::to_string(location.getLine()) + ":" +
                           std::to_string(location.getCol());
  Symbol *symbol = symtab->getSymbol(tokenizer->getWord(name));
  if (pass == 1)
    setLabelValue(symbol, location);
  else
    setNextSymbolValue(symbol);
  return new ExpressionSymbolNode(symbol, symbol->getValue());
}
