// expressionnode.h - the nodes of expression trees: operators, numbers in a
// subsection, and references to a symbol value plus an addend.
#ifndef ZV_AS_EXPRESSIONNODE_H
#define ZV_AS_EXPRESSIONNODE_H

#include <cstddef>
#include <cstdint>

#include "freelist.h"

class Subsection;
class Symbol;
class Value;

// An operator node; value holds the operator's token code. Destroying a
// node leaves its children alone: owners delete whole trees with deleteTree.
class ExpressionNode {
public:
  explicit ExpressionNode(int64_t value, ExpressionNode *left = nullptr,
                          ExpressionNode *right = nullptr)
      : left(left), right(right), value(value) {}
  ExpressionNode(const ExpressionNode &) = delete;
  ExpressionNode &operator=(const ExpressionNode &) = delete;
  virtual ~ExpressionNode() = default;

  // Nodes of every kind share one recycled block size: most live for one
  // operand.
  static void *operator new(size_t size) { return Blocks::allocate(size); }
  static void operator delete(void *p, size_t size) {
    Blocks::release(p, size);
  }

  virtual bool isOperator() const { return true; }
  virtual bool isNumber() const { return false; }
  virtual bool isSymbol() const { return false; }

  ExpressionNode *getLeft() const { return left; }
  ExpressionNode *getRight() const { return right; }
  void setLeft(ExpressionNode *n) { left = n; }
  void setRight(ExpressionNode *n) { right = n; }
  int64_t getValue() const { return value; }
  void setValue(int64_t v) { value = v; }

  // Deletes root and everything below it. Iterative: a long chain such as
  // 1+1+...+1 is a left-deep tree as deep as it has terms.
  static void deleteTree(ExpressionNode *root);
  // A deep copy of the tree (null for null), iterative for the same reason.
  static ExpressionNode *copyTree(const ExpressionNode *root);
  // A copy of this node alone, without children.
  ExpressionNode *copyNode() const;

protected:
  friend class ExpressionCalculator; // replaces children in place
  using Blocks = FreeList<48>;

  ExpressionNode *left;
  ExpressionNode *right; // null for a prefix operator
  int64_t value;
};

// A number relative to the start of a subsection; plain numbers lie in the
// absolute subsection. A floating number holds its IEEE double bit pattern.
class ExpressionNumberNode : public ExpressionNode {
public:
  ExpressionNumberNode(int64_t value, bool isFloat,
                       const Subsection *subsection)
      : ExpressionNode(value), isFloatValue(isFloat), subsection(subsection) {}

  bool isOperator() const override { return false; }
  bool isNumber() const override { return true; }

  bool isFloat() const { return isFloatValue; }
  void setFloat(bool f) { isFloatValue = f; }
  const Subsection *getSubsection() const { return subsection; }
  void setSubsection(const Subsection *s) { subsection = s; }

private:
  bool isFloatValue;
  const Subsection *subsection;
};

// A reference to one value of a symbol; value is the addend.
class ExpressionSymbolNode : public ExpressionNode {
public:
  ExpressionSymbolNode(Symbol *symbol, Value *symbolValue, int64_t addend = 0)
      : ExpressionNode(addend), symbol(symbol), symbolValue(symbolValue) {}

  bool isOperator() const override { return false; }
  bool isSymbol() const override { return true; }

  Symbol *getSymbol() const { return symbol; }
  void setSymbol(Symbol *s) { symbol = s; }
  Value *getSymbolValue() const { return symbolValue; }
  void setSymbolValue(Value *v) { symbolValue = v; }
  int64_t getAddend() const { return value; }
  void setAddend(int64_t a) { value = a; }

private:
  Symbol *symbol;
  Value *symbolValue;
};

#endif
