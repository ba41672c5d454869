// symbol.cpp - symbol values across the two passes, their conversion to
// section offsets after layout, and the final ELF record.
#include "symbol.h"

#include <algorithm>

#include "expression.h"
#include "expressionnode.h"
#include "section.h"
#include "subsection.h"
#include "token.h"

namespace {

const ExpressionNode *rootOf(const Value *value) {
  if (!value || !value->getExpression())
    return nullptr;
  return value->getExpression()->getExpressionNode();
}

} // namespace

Value::Value(Expression *expression, bool isOffset)
    : offset(isOffset), expression(expression) {}

Value::~Value() { delete expression; }

void Value::setExpression(Expression *e) {
  if (e != expression)
    delete expression;
  expression = e;
}

const Section *Value::getSection() const {
  const ExpressionNode *root = rootOf(this);
  if (root && root->isSymbol()) {
    // One level only: a chain of references is not followed further, so a
    // symbol defined by itself cannot loop here.
    const Symbol *symbol =
        static_cast<const ExpressionSymbolNode *>(root)->getSymbol();
    root = symbol ? rootOf(symbol->getValue()) : nullptr;
  }
  if (!root || !root->isNumber())
    return nullptr;
  const Subsection *sub =
      static_cast<const ExpressionNumberNode *>(root)->getSubsection();
  return sub ? sub->getSection() : nullptr;
}

Symbol::Symbol(const Word *name) : name(name) {
  owned.push_back(std::make_unique<Value>());
  values.push_back(owned.back().get());
  current = values.back();
}

Symbol::~Symbol() = default;

const std::string &Symbol::getStrName() const {
  static const std::string none;
  return name ? name->getName() : none;
}

void Symbol::setBind(uint8_t b) {
  sym.st_info = ELF32_ST_INFO(b, getType());
  bindAlreadySet = true;
}

void Symbol::setType(uint8_t t) { sym.st_info = ELF32_ST_INFO(getBind(), t); }

void Symbol::setInfo(uint8_t b, uint8_t t) {
  sym.st_info = ELF32_ST_INFO(b, t);
  bindAlreadySet = true;
}

void Symbol::setValue(Expression *expression, bool isOffset) {
  if (current && !current->getExpression()) {
    current->setExpression(expression);
    current->setIsOffset(isOffset);
    return;
  }
  owned.push_back(std::make_unique<Value>(expression, isOffset));
  values.push_back(owned.back().get());
  current = values.back();
}

Value *Symbol::getValue() const { return current ? current : values.back(); }

bool Symbol::isValueDefined() const {
  return current && current->getExpression();
}

void Symbol::nextValue() {
  if (current && values.size() > 1)
    values.pop_back();
  current = values.back();
}

bool Symbol::isLocal() const {
  return !relocationTarget && getBind() == STB_LOCAL &&
         getStrName().compare(0, 2, ".L") == 0;
}

void Symbol::adjustValues() {
  for (Value *value : values) {
    Expression *e = value->getExpression();
    ExpressionNode *root = e ? e->getExpressionNode() : nullptr;
    if (!root || !root->isNumber())
      continue;
    auto *number = static_cast<ExpressionNumberNode *>(root);
    const Subsection *sub = number->getSubsection();
    if (!sub)
      continue;
    if (value->isOffset()) {
      number->setValue(static_cast<int64_t>(
          static_cast<uint64_t>(number->getValue()) + sub->getOffset()));
    } else {
      int64_t index = number->getValue();
      uint32_t dot = index >= 0 && index <= int64_t(UINT32_MAX)
                         ? sub->getDot(static_cast<uint32_t>(index))
                         : sub->getDot(UINT32_MAX);
      number->setValue(dot);
      value->setIsOffset(true);
    }
  }
  std::reverse(values.begin(), values.end());
  current = nullptr;
}

void Symbol::adjustResultValue() {
  // A section symbol stands for the start of its section, which is what a
  // relocation against it adds to the offset in the field; subsection 0
  // need not be first.
  if (sym.st_shndx == SHN_UNDEF || ELF32_ST_TYPE(sym.st_info) == STT_SECTION) {
    sym.st_value = 0;
    return;
  }
  const ExpressionNode *root = rootOf(getValue());
  if (!root) {
    sym.st_value = 0;
    return;
  }
  uint64_t result = static_cast<uint64_t>(root->getValue());
  if (root->isSymbol()) {
    const Symbol *target =
        static_cast<const ExpressionSymbolNode *>(root)->getSymbol();
    const ExpressionNode *targetRoot =
        target ? rootOf(target->getValue()) : nullptr;
    if (targetRoot && targetRoot->isNumber())
      result += static_cast<uint64_t>(targetRoot->getValue());
  }
  sym.st_value = static_cast<uint32_t>(result);
}

void Symbol::setEachTimeCalculatedExpression(Expression *e) {
  if (e != eachTimeCalculatedExpression.get())
    eachTimeCalculatedExpression.reset(e);
}
