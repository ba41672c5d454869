// expression.h - one parsed expression: its tree, where it was written, and
// the error of its last evaluation.
#ifndef ZV_AS_EXPRESSION_H
#define ZV_AS_EXPRESSION_H

#include <cstddef>
#include <memory>
#include <string>

#include "diagnostics.h"
#include "freelist.h"
#include "location.h"

class ExpressionNode;

class Expression {
public:
  // Takes ownership of root.
  Expression(const Location &location, ExpressionNode *root);
  // A deep copy of the tree and the location; no error is copied.
  explicit Expression(const Expression *other);
  Expression(const Expression &) = delete;
  Expression &operator=(const Expression &) = delete;
  ~Expression();

  // Recycled blocks: most expressions live for one operand.
  static void *operator new(size_t size) {
    return FreeList<32>::allocate(size);
  }
  static void operator delete(void *p, size_t size) {
    FreeList<32>::release(p, size);
  }

  ExpressionNode *getExpressionNode() const { return root; }
  // Replaces the tree and deletes the old one (unless it is root itself).
  void setExpressionNode(ExpressionNode *root);
  // Gives the tree up to the caller; the expression is then empty.
  ExpressionNode *releaseExpressionNode();

  const Location &getLocation() const { return location; }

  // The error that stopped the last calculation, kept for the caller to
  // report or to replace by a message of its own; null without one.
  bool isCalculationError() const { return calculationError != nullptr; }
  const Diagnostic *getCalculationError() const {
    return calculationError.get();
  }
  void setCalculationError(const Location &where, const std::string &text);
  void setCalculationError(const Diagnostic &error);
  void clearCalculationError() { calculationError.reset(); }

private:
  friend class ExpressionCalculator; // reduces the tree in place

  Location location;
  std::unique_ptr<Diagnostic> calculationError;
  ExpressionNode *root;
};

using ExpressionPtr = std::unique_ptr<Expression>;

#endif
