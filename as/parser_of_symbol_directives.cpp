// parser_of_symbol_directives.cpp - symbol directives: bindings, commons,
// assignments, types and sizes.
#include "parser.h"

#include <algorithm>
#include <elf.h>

#include "architecture.h"
#include "expression.h"
#include "expressioncalculator.h"
#include "expressionnode.h"
#include "sectab.h"
#include "section.h"
#include "subsection.h"
#include "symbol.h"
#include "symtab.h"
#include "token.h"
#include "tokenizer.h"

namespace {

// The number a value's expression reduced to (a label's section offset).
int64_t numberOf(const Value *value) {
  if (!value || !value->getExpression())
    return 0;
  const ExpressionNode *root = value->getExpression()->getExpressionNode();
  return root && root->isNumber() ? root->getValue() : 0;
}

} // namespace

// The binding of the symbol named by the current token.
void Parser::setSymbolBind(uint8_t binding) {
  const Word *name = static_cast<const Word *>(token);
  Symbol *symbol = symtab->getSymbol(name);
  if (symbol->getType() == STT_SECTION)
    return;
  const Value *value = symbol->getValue();
  const Section *section = value ? value->getSection() : nullptr;
  if (section && section->isCommon()) {
    if (binding == STB_WEAK)
      errorAtToken("symbol '" + name->getName() +
                   "' can not be both weak and common");
    else if (binding == STB_LOCAL)
      warningAtToken("symbol '" + name->getName() +
                     "' can not be both local and common; ignore");
    return;
  }
  symbol->setBind(binding);
}

// .global name, ...   .local name, ...   .weak name, ...
void Parser::evalBindValue(uint8_t binding) {
  if (pass == 2) {
    move(TC_NEWLINE);
    return;
  }
  for (;;) {
    if (isNotSymbol()) {
      moven(',');
    } else {
      setSymbolBind(binding);
      move();
    }
    if (tokenCode() != ',')
      break;
    move();
  }
  expectLineEnd();
}

void Parser::evalGlobal() { evalBindValue(STB_GLOBAL); }
void Parser::evalLocal() { evalBindValue(STB_LOCAL); }
void Parser::evalWeak() { evalBindValue(STB_WEAK); }

// The name of .comm and .lcomm: its symbol, when pass 1 goes on with the
// operands; null after an error, and in pass 2, which ends here.
Symbol *Parser::beginCommon(Location &nameLocation) {
  if (isNotSymbol()) {
    move(TC_NEWLINE);
    return nullptr;
  }
  nameLocation = getTokenLocation();
  Symbol *symbol = symtab->getSymbol(static_cast<const Word *>(token));
  if (pass == 1)
    return symbol;
  passCommon(symbol);
  return nullptr;
}

// Pass 2 of .comm and .lcomm, whose operands pass 1 has taken: the symbol
// takes its next value, and .bss moves past the storage of a local common,
// which pass 1 placed there.
void Parser::passCommon(Symbol *symbol) {
  move(TC_NEWLINE);
  setNextSymbolValue(symbol);
  const Value *value = symbol->getValue();
  const Section *section = value ? value->getSection() : nullptr;
  if (!section || section->isCommon())
    return;
  Subsection *saved = switchToBssSubsection();
  currentSubsection->moveDot(uint32_t(numberOf(value)) + symbol->getSize() -
                             currentSubsection->getRealDot());
  currentSubsection = saved;
}

// Pass 1 of a new common symbol: its size and type, and for a local one
// its storage in .bss.
void Parser::defineCommon(Symbol *symbol, const Location &nameLocation,
                          uint32_t size, uint32_t localAlignment, bool local) {
  symbol->setSize(size);
  if (symbol->getType() == STT_NOTYPE)
    symbol->setType(STT_OBJECT);
  if (!local)
    return;
  Subsection *saved = switchToBssSubsection();
  currentSubsection->addAlignmentBlock(localAlignment, 0, 0);
  setLabelValue(symbol, nameLocation);
  currentSubsection->moveDot(size);
  currentSubsection = saved;
}

// .comm name, size [, alignment]
void Parser::evalComm() {
  Location nameLocation;
  Symbol *symbol = beginCommon(nameLocation);
  if (!symbol)
    return;
  const std::string &name = symbol->getStrName();

  move();
  uint32_t size = 0;
  if (!getAllocSize(size))
    return;

  bool repeated = false;
  if (symbol->isDefined()) {
    const Value *value = symbol->getValue();
    const Section *section = value ? value->getSection() : nullptr;
    if (section && section->isCommon()) {
      repeated = true;
      if (size != symbol->getSize())
        warning(nameLocation, "size of '" + name + "' is already " +
                                  std::to_string(symbol->getSize()) +
                                  "; not changing to " + std::to_string(size));
    } else {
      error(nameLocation, "symbol '" + name + "' is already defined");
    }
  }

  long long alignment = 0;
  if (tokenCode() == ',') {
    move();
    ExpressionPtr e = parseAbsoluteOperand(alignment);
    if (!e)
      return;
    if (alignment < 0) {
      warning(e->getLocation(), "alignment negative; 0 assumed");
      alignment = 0;
    }
    if (!checkAlignment(alignment, e->getLocation())) {
      move(TC_NEWLINE);
      return;
    }
  }

  if (!symbol->isDefined()) {
    const bool local =
        symbol->isBindAlreadySet() && symbol->getBind() != STB_GLOBAL;
    defineCommon(symbol, nameLocation, size, uint32_t(alignment), local);
    if (!local) {
      symbol->setDefined(true);
      symbol->setBind(STB_GLOBAL);
      symbol->setValue(
          new Expression(nameLocation, new ExpressionNumberNode(
                                           alignment, false, commonSubsection)),
          true);
    }
  } else if (repeated) {
    // A repeated declaration may not weaken an alignment asked for before.
    const long long previous = numberOf(symbol->getValue());
    symbol->setValue(
        new Expression(nameLocation,
                       new ExpressionNumberNode(std::max(previous, alignment),
                                                false, commonSubsection)),
        true);
  }
  expectLineEnd();
}

// .lcomm name, size
void Parser::evalLcomm() {
  Location nameLocation;
  Symbol *symbol = beginCommon(nameLocation);
  if (!symbol)
    return;

  move();
  const bool defined = symbol->isDefined();
  if (defined)
    error(nameLocation,
          "symbol '" + symbol->getStrName() + "' is already defined");
  uint32_t size = 0;
  if (!getAllocSize(size))
    return;
  if (!defined)
    defineCommon(symbol, nameLocation, size, 8, true);
  expectLineEnd();
}

// ", size" of .comm and .lcomm; false after an error, the rest of the line
// skipped.
bool Parser::getAllocSize(uint32_t &size) {
  size = 0;
  if (isNotComma()) {
    move(TC_NEWLINE);
    return false;
  }
  move();
  long long value = 0;
  ExpressionPtr e = parseAbsoluteOperand(value);
  if (!e)
    return false;
  // Beyond 32 bits the size would silently wrap; refuse it like a negative.
  if (value < 0 || value > MAX_COUNT) {
    error(e->getLocation(),
          "size (" + std::to_string(value) + ") out of range");
    move(TC_NEWLINE);
    return false;
  }
  size = uint32_t(value);
  return true;
}

Subsection *Parser::switchToBssSubsection() {
  Subsection *saved = currentSubsection;
  if (!currentSubsection || !currentSubsection->getSection()->isBss()) {
    Section *bss = sectab->findSectionByName(tokenizer->getWord(".bss"));
    currentSubsection = sectab->getSubsection(bss, 0);
  }
  return saved;
}

// Reads "name ," of .set and its kin. Pass 1 reports a symbol that may not
// be given a value (refused) and returns null after a syntax error.
Symbol *Parser::getAssignedSymbol(bool &refused, bool byValue) {
  refused = false;
  if (isNotSymbol()) {
    move(TC_NEWLINE);
    return nullptr;
  }
  const Word *name = static_cast<const Word *>(token);
  Symbol *symbol = symtab->getSymbol(name);
  if (pass == 1) {
    refused = byValue ? symbol->isValueDefined() : symbol->isDefined();
    if (refused)
      errorAtToken("symbol '" + name->getName() + "' is already defined");
  }
  move();
  return symbol;
}

// .equ name, expression   .set name, expression
void Parser::evalSet() { evalAssignment(false, false); }
// .equiv name, expression
void Parser::evalEquiv() { evalAssignment(true, false); }
// .eqv name, expression
void Parser::evalEqv() { evalAssignment(true, true); }

void Parser::evalAssignment(bool once, bool eachTime) {
  bool refused = false;
  Symbol *symbol = getAssignedSymbol(refused, once);
  if (!symbol)
    return;
  if (pass == 2)
    return evalSymbolValue(symbol);
  if (isNotComma()) {
    move(TC_NEWLINE);
    return;
  }
  move();
  ExpressionPtr e = parseOperand();
  if (!e)
    return;
  if (!refused) {
    if (eachTime)
      symbol->setEachTimeCalculatedExpression(new Expression(e.get()));
    if (once)
      symbol->setDefined(true);
    symbol->setValue(e.release(), true);
  }
  expectLineEnd();
}

void Parser::evalSymbolValue(Symbol *symbol) {
  move(TC_NEWLINE);
  symbol->nextValue();
  Value *value = symbol->getValue();
  Expression *e = value ? value->getExpression() : nullptr;
  if (!e)
    return;
  value->setInEvaluation(true);
  calculator->calculate(e);
  value->setInEvaluation(false);
  if (e->isCalculationError()) {
    reportCalculationError(e);
    return;
  }
  const ExpressionNode *root = e->getExpressionNode();
  if (!root || !root->isSymbol())
    return;
  const auto *node = static_cast<const ExpressionSymbolNode *>(root);
  const Value *target = node->getSymbolValue();
  const Section *section = target ? target->getSection() : nullptr;
  const std::string &targetName = node->getSymbol()->getStrName();
  if (!section)
    error(e->getLocation(),
          "undefined symbol '" + targetName + "' in operation setting '" +
              symbol->getStrName() + "'",
          {Hint::UndefinedSymbol, targetName});
  else if (section->isCommon())
    error(e->getLocation(), "'" + symbol->getStrName() +
                                "' can't be equated to common symbol '" +
                                targetName + "'");
}

// "name ," of .type and .size: the symbol, or null after an error with the
// rest of the line skipped.
Symbol *Parser::getSymbolAndComma() {
  if (isNotSymbol()) {
    move(TC_NEWLINE);
    return nullptr;
  }
  Symbol *symbol = symtab->getSymbol(static_cast<const Word *>(token));
  move();
  if (isNotComma()) {
    move(TC_NEWLINE);
    return nullptr;
  }
  move();
  return symbol;
}

// .type name, STT_NOTYPE|STT_OBJECT|STT_FUNC|STT_COMMON
void Parser::evalType() {
  if (pass == 2) {
    move(TC_NEWLINE);
    return;
  }
  Symbol *symbol = getSymbolAndComma();
  if (!symbol)
    return;
  if (!token->isWord() ||
      !architecture->isSymbolTypeFound(static_cast<Word *>(token))) {
    errorAtToken("unrecognized symbol type '" + unrecognizedToken(token) + "'");
    move(TC_NEWLINE);
    return;
  }
  // A section symbol must stay one, or the object would lose it.
  if (symbol->getType() != STT_SECTION)
    symbol->setType(
        architecture->getSymbolTypeCode(static_cast<Word *>(token)));
  move();
  expectLineEnd();
}

// .size name, expression
void Parser::evalSize() {
  Symbol *symbol = getSymbolAndComma();
  if (!symbol)
    return;
  if (pass == 1) {
    // The size is taken when it is final.
    if (!parseOperand())
      return;
  } else {
    long long value = 0;
    ExpressionPtr e = parseAbsoluteOperand(
        value, {".size expression too complicated to fix up"});
    if (!e)
      return;
    if (value < 0) {
      warning(e->getLocation(), "size is negative, ignored");
      symbol->setSize(0);
    } else if (value > MAX_COUNT) {
      error(e->getLocation(),
            "size (" + std::to_string(value) + ") out of range");
    } else {
      symbol->setSize(uint32_t(value));
    }
  }
  expectLineEnd();
}
