// expressioncalculator.cpp - reduces expression trees: absolute arithmetic,
// section-relative numbers and symbol references, with their messages.
#include "expressioncalculator.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "diagnostics.h"
#include "expression.h"
#include "expressionnode.h"
#include "section.h"
#include "subsection.h"
#include "symbol.h"
#include "token.h"

namespace {
const char *const FLOAT_OPERAND = "operand is a float; integer 0 assumed";
const char *const LEFT_FLOAT_OPERAND =
    "left operand is a float; integer 0 assumed";
const char *const RIGHT_FLOAT_OPERAND =
    "right operand is a float; integer 0 assumed";

// Arithmetic wraps: it is done on the unsigned type, where overflow is
// defined, and converted back.
int64_t wrap(uint64_t v) { return static_cast<int64_t>(v); }
uint64_t bits(int64_t v) { return static_cast<uint64_t>(v); }
int64_t truth(bool b) { return b ? -1 : 0; }

const Section *sectionOfSubsection(const Subsection *subsection) {
  return subsection ? subsection->getSection() : nullptr;
}

// The number a value's expression has been reduced to, when it is a plain
// number node.
const ExpressionNumberNode *valueNumber(const Value *value) {
  if (!value || !value->getExpression())
    return nullptr;
  const ExpressionNode *root = value->getExpression()->getExpressionNode();
  if (!root || !root->isNumber())
    return nullptr;
  return static_cast<const ExpressionNumberNode *>(root);
}

// Where an operand of a difference lies: a number in a subsection, or a
// symbol's number (following one reference, as Value::getSection does)
// plus the addend.
struct Place {
  const Section *section = nullptr; // null: undefined
  const Subsection *subsection = nullptr;
  int64_t number = 0; // an offset, or a recorded-dot index when !isOffset
  int64_t addend = 0;
  bool isOffset = true;
};

Place placeOf(const ExpressionNode *node) {
  Place place;
  const ExpressionNumberNode *number = nullptr;
  const Value *value = nullptr;
  if (node->isNumber()) {
    number = static_cast<const ExpressionNumberNode *>(node);
  } else if (node->isSymbol()) {
    auto *symbolNode = static_cast<const ExpressionSymbolNode *>(node);
    place.addend = symbolNode->getAddend();
    value = symbolNode->getSymbolValue();
    number = valueNumber(value);
    if (!number && value && value->getExpression()) {
      const ExpressionNode *root = value->getExpression()->getExpressionNode();
      if (root && root->isSymbol()) {
        auto *ref = static_cast<const ExpressionSymbolNode *>(root);
        place.addend = wrap(bits(place.addend) + bits(ref->getAddend()));
        value = ref->getSymbolValue();
        number = valueNumber(value);
      }
    }
  }
  if (!number)
    return place;
  place.subsection = number->getSubsection();
  place.section = sectionOfSubsection(place.subsection);
  place.number = number->getValue();
  place.isOffset = value ? value->isOffset() : true;
  return place;
}

// Pass 1 gives labels behind an alignment request the index of a recorded
// dot instead of an offset. Two such labels are a known distance apart
// only when no alignment block lies between them.
bool recordedDistance(const Place &l, const Place &r, int64_t &distance) {
  if (l.isOffset || r.isOffset || !l.subsection || l.subsection != r.subsection)
    return false;
  const std::vector<SubsectionDotSequence> &dots =
      l.subsection->getDotSequence();
  if (l.number < 0 || r.number < 0 ||
      static_cast<uint64_t>(l.number) >= dots.size() ||
      static_cast<uint64_t>(r.number) >= dots.size())
    return false;
  const size_t low = static_cast<size_t>(std::min(l.number, r.number));
  const size_t high = static_cast<size_t>(std::max(l.number, r.number));
  for (size_t i = low + 1; i < high; ++i)
    if (dots[i].alignment != 0)
      return false;
  distance = int64_t{dots[static_cast<size_t>(l.number)].position} -
             int64_t{dots[static_cast<size_t>(r.number)].position};
  return true;
}

// Makes every symbol node of an .eqv copy refer to its symbol's value in
// force now rather than the one seen when .eqv was read.
void referToCurrentValues(ExpressionNode *root) {
  std::vector<ExpressionNode *> pending;
  if (root)
    pending.push_back(root);
  while (!pending.empty()) {
    ExpressionNode *node = pending.back();
    pending.pop_back();
    if (node->isSymbol()) {
      auto *symbolNode = static_cast<ExpressionSymbolNode *>(node);
      if (Symbol *symbol = symbolNode->getSymbol())
        symbolNode->setSymbolValue(symbol->getValue());
    }
    if (node->getLeft())
      pending.push_back(node->getLeft());
    if (node->getRight())
      pending.push_back(node->getRight());
  }
}
} // namespace

ExpressionCalculator::ExpressionCalculator(const Subsection *absolute,
                                           Diagnostics &diagnostics)
    : absolute(absolute), diagnostics(diagnostics) {}

void ExpressionCalculator::calculate(Expression *expression) {
  expression->clearCalculationError();
  // A number is already as reduced as it gets; most operands are one.
  ExpressionNode *root = expression->root;
  if (root && root->isNumber())
    return;
  const size_t depth = stack.size();
  stack.push_back(expression);
  // An operator over numbers alone is one step: the task list would only
  // reduce its operands to themselves first.
  if (root && root->isOperator() && root->left && root->left->isNumber() &&
      (!root->right || root->right->isNumber())) {
    compute(&expression->root);
    stack.resize(depth);
    return;
  }
  // The task list is kept from one calculation to the next: most are a
  // few steps, and a fresh list would cost an allocation each.
  const size_t base = work.size();
  work.push_back({Task::Reduce, &expression->root});
  while (work.size() > base) {
    const Task task = work.back();
    work.pop_back();
    switch (task.kind) {
    case Task::Reduce:
      if (!failed())
        reduce(task.slot, work);
      break;
    case Task::Compute:
      if (!failed())
        compute(task.slot);
      break;
    case Task::FinishSymbol:
      finishSymbol(task);
      break;
    }
  }
  stack.resize(depth);
}

std::string ExpressionCalculator::getStrOperator(const ExpressionNode *node) {
  switch (node->getValue()) {
  case TC_ASSIGN:
    return ":=";
  case TC_EQ:
    return "==";
  case TC_GE:
    return ">=";
  case TC_LE:
    return "<=";
  case TC_ANDAND:
    return "&&";
  case TC_OROR:
    return "||";
  case TC_NE:
    return "!=";
  case TC_SHL:
    return "<<";
  case TC_SHR:
    return ">>";
  default:
    return std::string(1, static_cast<char>(node->getValue()));
  }
}

std::string
ExpressionCalculator::getOperandSection(const ExpressionNode *node) {
  const ExpressionNumberNode *number = nullptr;
  if (node && node->isNumber())
    number = static_cast<const ExpressionNumberNode *>(node);
  else if (node && node->isSymbol())
    number = valueNumber(
        static_cast<const ExpressionSymbolNode *>(node)->getSymbolValue());
  if (!number)
    return "*UND*";
  const Section *section = sectionOfSubsection(number->getSubsection());
  return section ? section->getStrName() : "*ABS*";
}

bool ExpressionCalculator::failed() const {
  return current()->isCalculationError();
}

void ExpressionCalculator::error(const std::string &text) {
  current()->setCalculationError(current()->getLocation(), text);
}

void ExpressionCalculator::warning(const std::string &text) {
  diagnostics.warning(current()->getLocation(), text);
}

void ExpressionCalculator::floatOperand(ExpressionNode *node,
                                        const char *text) {
  if (!node->isNumber())
    return;
  auto *number = static_cast<ExpressionNumberNode *>(node);
  if (!number->isFloat())
    return;
  warning(text);
  number->setValue(0);
  number->setFloat(false);
}

bool ExpressionCalculator::isAbsolute(const ExpressionNode *node) const {
  if (!node->isNumber())
    return false;
  const Section *section = sectionOfSubsection(
      static_cast<const ExpressionNumberNode *>(node)->getSubsection());
  return !section || section->isAbs();
}

void ExpressionCalculator::reduce(ExpressionNode **slot,
                                  std::vector<Task> &tasks) {
  ExpressionNode *node = *slot;
  if (!node)
    return;
  if (node->isOperator()) {
    // Left before right before the operator itself: pushed in reverse.
    tasks.push_back({Task::Compute, slot});
    if (node->right)
      tasks.push_back({Task::Reduce, &node->right});
    if (node->left)
      tasks.push_back({Task::Reduce, &node->left});
  } else if (node->isSymbol()) {
    reduceSymbol(slot, tasks);
  }
}

void ExpressionCalculator::reduceSymbol(ExpressionNode **slot,
                                        std::vector<Task> &tasks) {
  auto *node = static_cast<ExpressionSymbolNode *>(*slot);
  Value *value = node->getSymbolValue();
  if (!value || !value->getExpression())
    return; // undefined: stays a reference
  Symbol *symbol = node->getSymbol();
  if (Expression *each =
          symbol ? symbol->getEachTimeCalculatedExpression() : nullptr) {
    if (value->isInEvaluation()) {
      loopError(value, node);
      return;
    }
    auto *copy = new Expression(each);
    referToCurrentValues(copy->root);
    beginSymbolExpression(slot, copy, value, true, tasks);
    return;
  }
  Expression *own = value->getExpression();
  if (const ExpressionNumberNode *number = valueNumber(value)) {
    if (!isAbsolute(number))
      return; // section-relative: the reference is the better result
    // The addend counts too: a tree kept from an earlier reduction may
    // hold ext+4 whose ext has become absolute since.
    const int64_t addend = node->getAddend();
    ExpressionNumberNode *copy;
    if (addend == 0) {
      copy = new ExpressionNumberNode(number->getValue(), number->isFloat(),
                                      number->getSubsection());
    } else {
      int64_t base = number->getValue();
      if (number->isFloat()) {
        warning(FLOAT_OPERAND);
        base = 0;
      }
      copy = new ExpressionNumberNode(wrap(bits(base) + bits(addend)), false,
                                      number->getSubsection());
    }
    *slot = copy;
    delete node;
    return;
  }
  if (!own->getExpressionNode())
    return;
  if (value->isInEvaluation()) {
    loopError(value, node);
    return;
  }
  beginSymbolExpression(slot, own, value, false, tasks);
}

void ExpressionCalculator::beginSymbolExpression(ExpressionNode **slot,
                                                 Expression *e, Value *v,
                                                 bool owned,
                                                 std::vector<Task> &tasks) {
  v->setInEvaluation(true);
  e->clearCalculationError();
  stack.push_back(e);
  Task finish{Task::FinishSymbol, slot};
  finish.symbolExpression = e;
  finish.value = v;
  finish.ownsExpression = owned;
  tasks.push_back(finish);
  tasks.push_back({Task::Reduce, &e->root});
}

void ExpressionCalculator::finishSymbol(const Task &task) {
  Expression *e = task.symbolExpression;
  stack.pop_back();
  task.value->setInEvaluation(false);
  if (e->isCalculationError()) {
    // The use fails with the error of the definition, where it lies.
    current()->setCalculationError(*e->getCalculationError());
  } else if (const ExpressionNode *root = e->root) {
    auto *node = static_cast<ExpressionSymbolNode *>(*task.slot);
    if (root->isNumber()) {
      auto *number = static_cast<const ExpressionNumberNode *>(root);
      int64_t base = number->getValue();
      if (number->isFloat()) {
        warning(FLOAT_OPERAND);
        base = 0;
      }
      *task.slot =
          new ExpressionNumberNode(wrap(bits(base) + bits(node->getAddend())),
                                   false, number->getSubsection());
      delete node;
    } else if (root->isSymbol()) {
      auto *ref = static_cast<const ExpressionSymbolNode *>(root);
      node->setSymbol(ref->getSymbol());
      node->setSymbolValue(ref->getSymbolValue());
      node->setAddend(wrap(bits(node->getAddend()) + bits(ref->getAddend())));
    }
  }
  if (task.ownsExpression)
    delete e;
}

void ExpressionCalculator::loopError(const Value *value,
                                     const ExpressionSymbolNode *node) {
  const std::string name =
      node->getSymbol() ? node->getSymbol()->getStrName() : std::string();
  current()->setCalculationError(value->getExpression()->getLocation(),
                                 "symbol definition loop encountered at '" +
                                     name + "'");
}

void ExpressionCalculator::compute(ExpressionNode **slot) {
  ExpressionNode *node = *slot;
  const ExpressionNode *left = node->left;
  const ExpressionNode *right = node->right;
  // Only a broken tree has a missing or unreduced operand here.
  if (!left || left->isOperator() || (right && right->isOperator())) {
    error("bad or irreducible expression");
    return;
  }
  if (!right)
    computePrefix(slot);
  else if (left->isNumber() && right->isNumber())
    computeNumbers(slot);
  else
    computeSymbolic(slot);
}

void ExpressionCalculator::computePrefix(ExpressionNode **slot) {
  ExpressionNode *node = *slot;
  ExpressionNode *operand = node->left;
  if (!isAbsolute(operand)) {
    error("invalid operands (" + getOperandSection(operand) +
          " section) for prefix operation '" + getStrOperator(node) + "'");
    return;
  }
  floatOperand(operand, FLOAT_OPERAND);
  const int64_t v = operand->getValue();
  switch (node->getValue()) {
  case '-':
    operand->setValue(wrap(0 - bits(v)));
    break;
  case '~':
    operand->setValue(wrap(~bits(v)));
    break;
  case '!':
    operand->setValue(v == 0 ? 1 : 0);
    break;
  default:
    error("invalid operands (" + getOperandSection(operand) +
          " section) for prefix operation '" + getStrOperator(node) + "'");
    return;
  }
  keepOperand(slot, operand);
}

void ExpressionCalculator::computeNumbers(ExpressionNode **slot) {
  ExpressionNode *node = *slot;
  if (isAbsolute(node->left) && isAbsolute(node->right))
    computeAbsolute(slot);
  else
    computeRelative(slot);
}

void ExpressionCalculator::computeAbsolute(ExpressionNode **slot) {
  ExpressionNode *node = *slot;
  ExpressionNode *left = node->left;
  ExpressionNode *right = node->right;
  floatOperand(left, LEFT_FLOAT_OPERAND);
  floatOperand(right, RIGHT_FLOAT_OPERAND);
  const int64_t l = left->getValue();
  const int64_t r = right->getValue();
  int64_t result;
  switch (node->getValue()) {
  case '+':
    result = wrap(bits(l) + bits(r));
    break;
  case '-':
    result = wrap(bits(l) - bits(r));
    break;
  case '*':
    result = wrap(bits(l) * bits(r));
    break;
  case '/':
  case '%':
    if (r == 0) {
      error("division by zero");
      return;
    }
    // The one overflowing quotient wraps to itself, remainder 0.
    if (r == -1)
      result = node->getValue() == '/' ? wrap(0 - bits(l)) : 0;
    else
      result = node->getValue() == '/' ? l / r : l % r;
    break;
  case TC_SHL:
    result = wrap(bits(l) << (bits(r) & 63));
    break;
  case TC_SHR:
    result = l >> (bits(r) & 63);
    break;
  case '&':
    result = l & r;
    break;
  case '|':
    result = l | r;
    break;
  case '^':
    result = l ^ r;
    break;
  case '!':
    result = ~(l ^ r);
    break;
  case TC_EQ:
    result = truth(l == r);
    break;
  case TC_NE:
    result = truth(l != r);
    break;
  case '<':
    result = truth(l < r);
    break;
  case '>':
    result = truth(l > r);
    break;
  case TC_LE:
    result = truth(l <= r);
    break;
  case TC_GE:
    result = truth(l >= r);
    break;
  case TC_ANDAND:
    result = truth(l != 0 && r != 0);
    break;
  case TC_OROR:
    result = truth(l != 0 || r != 0);
    break;
  default:
    invalidOperands(node);
    return;
  }
  left->setValue(result);
  keepOperand(slot, left);
}

// "+" with an absolute operand: the other one carries the sum, keeping its
// section or symbol. False when neither operand is absolute.
bool ExpressionCalculator::addAbsolute(ExpressionNode **slot) {
  ExpressionNode *left = (*slot)->left;
  ExpressionNode *right = (*slot)->right;
  if (isAbsolute(right)) {
    floatOperand(right, RIGHT_FLOAT_OPERAND);
    left->setValue(wrap(bits(left->getValue()) + bits(right->getValue())));
    keepOperand(slot, left);
    return true;
  }
  if (isAbsolute(left)) {
    floatOperand(left, LEFT_FLOAT_OPERAND);
    right->setValue(wrap(bits(right->getValue()) + bits(left->getValue())));
    keepOperand(slot, right);
    return true;
  }
  return false;
}

// "-" with an absolute right operand: the left one carries the difference.
bool ExpressionCalculator::subtractAbsolute(ExpressionNode **slot) {
  ExpressionNode *left = (*slot)->left;
  ExpressionNode *right = (*slot)->right;
  if (!isAbsolute(right))
    return false;
  floatOperand(right, RIGHT_FLOAT_OPERAND);
  left->setValue(wrap(bits(left->getValue()) - bits(right->getValue())));
  keepOperand(slot, left);
  return true;
}

// Two numbers, at least one of them section-relative.
void ExpressionCalculator::computeRelative(ExpressionNode **slot) {
  ExpressionNode *node = *slot;
  auto *left = static_cast<ExpressionNumberNode *>(node->left);
  auto *right = static_cast<ExpressionNumberNode *>(node->right);
  const int op = static_cast<int>(node->getValue());
  if (op == '+') {
    if (!addAbsolute(slot))
      invalidOperands(node);
    return;
  }
  if (op == '-') {
    if (subtractAbsolute(slot))
      return;
    if (isAbsolute(left)) {
      invalidOperands(node);
    } else if (left->getSubsection()->getSection() ==
                   right->getSubsection()->getSection() &&
               !left->getSubsection()->getSection()->isCommon()) {
      if (left->getSubsection() != right->getSubsection()) {
        error("bad or irreducible expression");
        return;
      }
      replaceByAbsolute(slot,
                        wrap(bits(left->getValue()) - bits(right->getValue())));
    } else {
      invalidOperands(node);
    }
    return;
  }
  invalidOperands(node);
}

// At least one operand is a symbol node; the other is a symbol node or a
// number.
void ExpressionCalculator::computeSymbolic(ExpressionNode **slot) {
  ExpressionNode *node = *slot;
  ExpressionNode *left = node->left;
  ExpressionNode *right = node->right;
  const int op = static_cast<int>(node->getValue());
  if (op == '+') {
    if (!addAbsolute(slot))
      invalidOperands(node);
    return;
  }
  if (op == '-') {
    if (subtractAbsolute(slot))
      return;
    if (isAbsolute(left)) {
      invalidOperands(node);
      return;
    }
    if (left->isSymbol() && right->isSymbol() &&
        static_cast<ExpressionSymbolNode *>(left)->getSymbolValue() ==
            static_cast<ExpressionSymbolNode *>(right)->getSymbolValue()) {
      replaceByAbsolute(slot,
                        wrap(bits(left->getValue()) - bits(right->getValue())));
      return;
    }
    // A section-relative number meets a symbol node as if it were one.
    // Common symbols have no place yet, so their distance is unknown.
    const Place l = placeOf(left);
    const Place r = placeOf(right);
    if (l.section && l.section == r.section && !l.section->isCommon()) {
      int64_t distance = wrap(bits(l.number) - bits(r.number));
      // Before layout, offsets count from their own subsection's start.
      const bool known =
          (l.isOffset && r.isOffset)
              ? labelsAreSectionOffsets || l.subsection == r.subsection
              : recordedDistance(l, r, distance);
      if (!known) {
        error("bad or irreducible expression");
        return;
      }
      replaceByAbsolute(slot,
                        wrap(bits(distance) + bits(l.addend) - bits(r.addend)));
      return;
    }
    invalidOperands(node);
    return;
  }
  invalidOperands(node);
}

void ExpressionCalculator::invalidOperands(const ExpressionNode *node) {
  error("invalid operands (" + getOperandSection(node->left) + " and " +
        getOperandSection(node->right) + " sections) for infix operation '" +
        getStrOperator(node) + "'");
}

void ExpressionCalculator::keepOperand(ExpressionNode **slot,
                                       ExpressionNode *keep) {
  ExpressionNode *node = *slot;
  if (node->left == keep)
    node->left = nullptr;
  else
    node->right = nullptr;
  *slot = keep;
  ExpressionNode::deleteTree(node);
}

void ExpressionCalculator::replaceByAbsolute(ExpressionNode **slot,
                                             int64_t value) {
  ExpressionNode *node = *slot;
  *slot = new ExpressionNumberNode(value, false, absolute);
  ExpressionNode::deleteTree(node);
}
