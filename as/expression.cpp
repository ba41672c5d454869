// expression.cpp - one parsed expression: owns its tree and keeps the
// message prefix of its location.
#include "expression.h"

#include <sstream>

#include "expressionnode.h"

static std::string locationPrefix(const Location &location) {
  std::ostringstream os;
  location.print(os);
  return os.str();
}

Expression::Expression(const Location &location, ExpressionNode *root)
    : location(location), root(root) {}

Expression::Expression(const Expression *other)
    : location(other->location), locationText(other->locationText),
      root(ExpressionNode::copyTree(other->root)) {}

Expression::~Expression() { ExpressionNode::deleteTree(root); }

const std::string &Expression::getStrLocation() const {
  if (locationText.empty())
    locationText = locationPrefix(location);
  return locationText;
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
