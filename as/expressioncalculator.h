// expressioncalculator.h - reduces expression trees as far as the symbols
// known at the moment allow; warns through the diagnostics, keeps the error.
#ifndef ZV_AS_EXPRESSIONCALCULATOR_H
#define ZV_AS_EXPRESSIONCALCULATOR_H

#include <cstdint>
#include <string>
#include <vector>

class Diagnostics;
class Expression;
class ExpressionNode;
class ExpressionNumberNode;
class ExpressionSymbolNode;
class Section;
class Subsection;
class Value;

class ExpressionCalculator {
public:
  // absolute: the subsection of plain numbers (section *ABS*); warnings
  // are said through diagnostics.
  ExpressionCalculator(const Subsection *absolute, Diagnostics &diagnostics);
  ExpressionCalculator(const ExpressionCalculator &) = delete;
  ExpressionCalculator &operator=(const ExpressionCalculator &) = delete;

  // Reduces the tree of expression in place; the result is an absolute
  // number, a section-relative number or a symbol node plus addend.
  // Warnings are said at once; an error stops the reduction and is left in
  // the expression, for the caller to report or to say otherwise.
  void calculate(Expression *expression);

  // Whether label values are section offsets (after layout) or still
  // offsets from their subsection's start (pass 1). Before layout the
  // distance between labels of different subsections is not known; it is
  // then refused instead of computed wrongly. Default: section offsets.
  void setLabelsAreSectionOffsets(bool b) { labelsAreSectionOffsets = b; }

  // The spelling of an operator node's code.
  static std::string getStrOperator(const ExpressionNode *node);
  // The section name an operand is shown with in messages; "*UND*" when it
  // has none.
  static std::string getOperandSection(const ExpressionNode *node);

private:
  // One pending step of the reduction. The calculation walks an explicit
  // stack instead of recursing, so neither long operator chains nor long
  // chains of symbols defined by one another can exhaust the call stack.
  struct Task {
    enum Kind { Reduce, Compute, FinishSymbol };
    Kind kind;
    ExpressionNode **slot; // where the node hangs: a child or a root pointer
    Expression *symbolExpression = nullptr; // FinishSymbol: what was reduced
    Value *value = nullptr;                 // FinishSymbol: flag to clear
    bool ownsExpression = false;            // FinishSymbol: an .eqv copy
  };

  Expression *current() const { return stack.back(); }
  bool failed() const;
  void error(const std::string &text);
  void warning(const std::string &text);
  // Warns of a floating operand and makes it the integer 0.
  void floatOperand(ExpressionNode *node, const char *text);

  void reduce(ExpressionNode **slot, std::vector<Task> &tasks);
  void reduceSymbol(ExpressionNode **slot, std::vector<Task> &tasks);
  void beginSymbolExpression(ExpressionNode **slot, Expression *e, Value *v,
                             bool owned, std::vector<Task> &tasks);
  void finishSymbol(const Task &task);
  void loopError(const Value *value, const ExpressionSymbolNode *node);
  void compute(ExpressionNode **slot);
  void computePrefix(ExpressionNode **slot);
  void computeNumbers(ExpressionNode **slot);
  void computeAbsolute(ExpressionNode **slot);
  bool addAbsolute(ExpressionNode **slot);
  bool subtractAbsolute(ExpressionNode **slot);
  void computeRelative(ExpressionNode **slot);
  void computeSymbolic(ExpressionNode **slot);
  void invalidOperands(const ExpressionNode *node);
  bool isAbsolute(const ExpressionNode *node) const;
  // Replaces the operator in *slot by its child keep; the rest is deleted.
  static void keepOperand(ExpressionNode **slot, ExpressionNode *keep);
  // Replaces the operator in *slot by an absolute number.
  void replaceByAbsolute(ExpressionNode **slot, int64_t value);

  const Subsection *absolute;
  Diagnostics &diagnostics;
  std::vector<Expression *> stack;
  std::vector<Task> work; // the steps of the calculations in progress
  bool labelsAreSectionOffsets = true;
};

#endif
