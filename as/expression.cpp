// expression.cpp - one parsed expression: owns its tree and keeps the
// error of its last calculation.
#include "expression.h"

#include "expressionnode.h"

Expression::Expression(const Location &location, ExpressionNode *root)
    : location(location), root(root) {}

Expression::Expression(const Expression *other)
    : location(other->location), root(ExpressionNode::copyTree(other->root)) {}

Expression::~Expression() { ExpressionNode::deleteTree(root); }

void Expression::setCalculationError(const Location &where,
                                     const std::string &text) {
  calculationError = std::make_unique<Diagnostic>();
  calculationError->location = where;
  calculationError->text = text;
}

void Expression::setCalculationError(const Diagnostic &error) {
  calculationError = std::make_unique<Diagnostic>(error);
}

void Expression::setExpressionNode(ExpressionNode *newRoot) {
  if (newRoot != root)
    ExpressionNode::deleteTree(root);
  root = newRoot;
}

ExpressionNode *Expression::releaseExpressionNode() {
  ExpressionNode *r = root;
  root = nullptr;
  return r;
}
