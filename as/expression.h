// expression.h - one parsed expression: its tree, where it was written, and
// the error and warning text of its last evaluation.
#ifndef ZV_AS_EXPRESSION_H
#define ZV_AS_EXPRESSION_H

#include <ostream>
#include <string>

#include "location.h"

class ExpressionNode;

class Expression {
public:
  // Takes ownership of root.
  Expression(const Location &location, ExpressionNode *root);
  // A deep copy of the tree and the location; the texts start empty.
  explicit Expression(const Expression *other);
  Expression(const Expression &) = delete;
  Expression &operator=(const Expression &) = delete;
  ~Expression();

  ExpressionNode *getExpressionNode() const { return root; }
  // Replaces the tree and deletes the old one (unless it is root itself).
  void setExpressionNode(ExpressionNode *root);
  // Gives the tree up to the caller; the expression is then empty.
  ExpressionNode *releaseExpressionNode();

  const Location &getLocation() const { return location; }
  void printLocation(std::ostream &os) const { os << getStrLocation(); }
  // The message prefix, e.g. "a.s:3:9: ". Made on first use: most
  // expressions never need a message.
  const std::string &getStrLocation() const;

  bool isCalculationError() const { return !calculationError.empty(); }
  const std::string &getCalculationError() const { return calculationError; }
  void clearCalculationError() { calculationError.clear(); }
  void appendCalculationError(const std::string &text) {
    calculationError += text;
  }

  bool isCalculationWarning() const { return !calculationWarning.empty(); }
  const std::string &getCalculationWarning() const {
    return calculationWarning;
  }
  void clearCalculationWarning() { calculationWarning.clear(); }
  void appendCalculationWarning(const std::string &text) {
    calculationWarning += text;
  }

private:
  friend class ExpressionCalculator; // reduces the tree in place

  Location location;
  mutable std::string locationText; // empty until asked for
  std::string calculationError;
  std::string calculationWarning;
  ExpressionNode *root;
};

#endif
