// parser_of_operation.cpp - operation statements: operands, switchboard
// references, the V field, and the paragraph ring written out in pass 2.
#include "parser.h"

#include <sstream>

#include "architecture.h"
#include "debuginfoproducer.h"
#include "expression.h"
#include "expressioncalculator.h"
#include "expressionnode.h"
#include "float.h"
#include "instruction.h"
#include "operationdata.h"
#include "section.h"
#include "subsection.h"
#include "symbol.h"
#include "token.h"

namespace {

// Operation codes the operand rules single out.
constexpr uint32_t OC_EXA = 2;
constexpr uint32_t OC_GET = 3;
constexpr uint32_t OC_RD = 33;
constexpr uint32_t OC_WR = 34;

std::string quoted(const std::string &text) { return "'" + text + "'"; }

std::string opName(const OperationData &data) {
  return quoted(data.getOperation()->getName());
}

std::string badArgumentType(const Operation *op) {
  return "invalid argument type for operation " + quoted(op->getName());
}

// The section an evaluated expression lies in, a symbol followed to where
// its value lies; null when it depends on an undefined symbol.
const Section *valueSection(const ExpressionNode *root) {
  if (root->isNumber()) {
    const Subsection *sub =
        static_cast<const ExpressionNumberNode *>(root)->getSubsection();
    return sub ? sub->getSection() : nullptr;
  }
  if (root->isSymbol()) {
    const Symbol *symbol =
        static_cast<const ExpressionSymbolNode *>(root)->getSymbol();
    return symbol ? symbol->getValue()->getSection() : nullptr;
  }
  return nullptr;
}

} // namespace

// mnemonic [operands]
// Every operation keeps its slot and its bytes even when its operands are
// wrong, so the numbers of later operations and all addresses stay put.
void Parser::evalOperation(const Operation *operation,
                           const Location &location) {
  Subsection *sub = currentSubsection;
  if (!paragraphOpen || !sub) {
    bool inText = sub && sub->getSection()->isText();
    error(location, "operation " + quoted(operation->getName()) +
                        (inText ? " is outside the paragraph"
                                : " must be placed in '.text' section"));
    move(TC_NEWLINE);
    return;
  }

  const unsigned slot = operationCount % windowSize;
  if (operation->getKind() == IK_COMPLETE) {
    operation_complete(slot, location);
    if (pass == 2)
      writeOutParagraph();
    operationCount = 0;
    paragraphOpen = false;
    return;
  }

  const uint32_t address = sub->getRealDot();
  // The mnemonic's line: the current token may already be the line end,
  // which belongs to the next line.
  staging->prepare(operation, location.getLine());
  staging->setFValue(1, 0, OperationData::SBREF);
  staging->setFValue(2, 0, OperationData::SBREF);
  staging->setVValue(0);
  sub->moveDot(4);

  bool parsed = true;
  switch (operation->getKind()) {
  case IK_EXA:
    parsed = operation_exa();
    break;
  case IK_SET:
    parsed = operation_set();
    break;
  case IK_MOVE:
    parsed = operation_move();
    break;
  case IK_ARG0:
    parsed = operation_arg0();
    break;
  case IK_ARG1:
    parsed = operation_arg1();
    break;
  case IK_ARG2:
    parsed = operation_arg2();
    break;
  default: // the placeholder of an unknown mnemonic parses nothing
    break;
  }

  if (pass == 1 && parsed && operation->getKind() != IK_ERROR &&
      !architecture->isSupportedOWFormat(*staging))
    error(location, "unsupported operation format for architecture " +
                        architecture->getName());

  if (pass == 2) {
    // Operation n - W leaves the window now that nothing can change it.
    if (operationCount >= windowSize)
      writeOutSlot(slot);
    if (DebugInfoProducer *producer = getDebugProducer();
        producer && producer->isAsmDebugInfo())
      // An operation a macro made is at the invocation, in the source as
      // written.
      static_cast<AsmDebugInfoProducer *>(producer)->addParagraphLine(
          location.invocationSite(), address, 1);
  }
  ring[slot] = *staging;
  ++operationCount;
}

// @number | @paragraph-operation-number-label, into F field i.
bool Parser::isNotSwitchBoard(int i) {
  if (tokenCode() != '@') {
    errorAtToken("expected switchboard reference, got " +
                 quoted(unrecognizedToken(token)));
    move(TC_NEWLINE);
    return true;
  }
  move();

  // The whole number is checked: one past 32 bits must not pass for its
  // low bits.
  uint64_t r = 0;
  const Word *label = nullptr;
  if (token->isNumber() && !static_cast<Number *>(token)->isFloat()) {
    r = static_cast<uint64_t>(static_cast<Number *>(token)->getValue());
  } else if (token->isWord() && tokenCode() == TC_WORD) {
    label = static_cast<const Word *>(token);
    auto it = paragraphLabels.find(label);
    if (it == paragraphLabels.end()) {
      errorAtToken("undefined paragraph operation number label " +
                   quoted(label->getName()));
      move(TC_NEWLINE);
      return true;
    }
    r = architecture->getSbRefBegin() + operationCount - it->second - 1;
  } else {
    errorAtToken("expected integer absolute number after '@', got " +
                 quoted(unrecognizedToken(token)));
    move(TC_NEWLINE);
    return true;
  }

  // A label set just before this operation names the operation itself;
  // that must not pass for the null reference.
  bool selfReference = label && r == 0;
  if (selfReference || r > UINT32_MAX ||
      !architecture->isValidSbRef(static_cast<uint32_t>(r))) {
    std::string shown = std::to_string(r);
    if (operationCount == 0) {
      if (label)
        shown += " (@" + label->getName() + ")";
      errorAtToken("invalid switchboard reference '@" + shown +
                   "' for first paragraph operation");
    } else {
      if (label)
        shown += " (" + label->getName() + ")";
      uint32_t begin = architecture->getSbRefBegin();
      uint32_t max = operationCount < windowSize ? operationCount + begin - 1
                                                 : architecture->getSbRefEnd();
      errorAtToken("expected integer absolute number between " +
                   std::to_string(begin) + " and " + std::to_string(max) +
                   " after '@', got " + quoted(shown));
    }
    move(TC_NEWLINE);
    return true;
  }

  staging->setFValue(i, static_cast<uint32_t>(r), OperationData::SBREF);
  checkSbRef(static_cast<uint32_t>(r), label);
  move();
  return false;
}

// Marks the referenced operation's result as used r places later; reports
// references that reach no result. Errors here do not fail the operand.
void Parser::checkSbRef(uint32_t r, const Word *label) {
  if (r == 0)
    return;
  const uint32_t begin = architecture->getSbRefBegin();
  // Spelled out only for a message: most references are fine.
  auto shown = [&] {
    std::string text = "'@" + std::to_string(r);
    if (label)
      text += " (@" + label->getName() + ")";
    return text + "'";
  };

  if (r < operationCount + begin) {
    OperationData &target = ring[(begin + operationCount - 1 - r) % windowSize];
    const Operation *op = target.getOperation();
    if (op->producesResult()) {
      // Later references carry larger distances: the last one is the
      // longest lifetime.
      target.setResultLifetime(r);
      return;
    }
    errorAtToken("switchboard reference " + shown() +
                 " refers to no result operation " + opName(target) +
                 " at line " + std::to_string(target.getLine()));
    return;
  }

  if (operationCount == 0) {
    errorAtToken("invalid switchboard reference " + shown() +
                 " for first paragraph operation");
    return;
  }
  uint32_t max = operationCount < windowSize ? operationCount + begin - 1
                                             : architecture->getSbRefEnd();
  errorAtToken("invalid switchboard reference " + shown() +
               "; must be between " + std::to_string(begin) + " and " +
               std::to_string(max));
}

// #number | #name, into F field i.
bool Parser::isNotRegister(int i) {
  if (tokenCode() != '#') {
    errorAtToken("expected prefix '#' and further register number or name, "
                 "got " +
                 quoted(unrecognizedToken(token)));
    move(TC_NEWLINE);
    return true;
  }
  move();

  const Register *reg = nullptr;
  if (token->isWord() && tokenCode() == TC_WORD) {
    const Word *word = static_cast<const Word *>(token);
    reg = architecture->getRegister(word);
    if (!reg) {
      error(getTokenLocation(),
            "no such " + quoted(word->getName()) + " register name",
            {Hint::UnknownRegisterName, word->getName()});
      move(TC_NEWLINE);
      return true;
    }
  } else if (token->isNumber() && !static_cast<Number *>(token)->isFloat()) {
    int64_t number = static_cast<Number *>(token)->getValue();
    if (number >= 0 && number < architecture->getRegisterCount())
      reg = architecture->getRegister(static_cast<int>(number));
    if (!reg) {
      error(getTokenLocation(),
            "no such " + quoted(unrecognizedToken(token)) + " register number",
            {Hint::UnknownRegisterNumber, unrecognizedToken(token)});
      move(TC_NEWLINE);
      return true;
    }
  } else {
    errorAtToken("expected register number or name, got " +
                 quoted(unrecognizedToken(token)));
    move(TC_NEWLINE);
    return true;
  }

  staging->setFValue(i, reg->getNumber(), OperationData::REGISTER);
  move();
  return false;
}

// The V field: an expression. Pass 1 only counts its word; pass 2 checks
// the value against the operation and requests its relocation.
bool Parser::getVField() {
  staging->setVPresent(true);
  Subsection *sub = currentSubsection;
  if (pass == 1) {
    // Only the word is counted: whether the operand is well formed.
    const bool wellFormed = skimExpression();
    if (!wellFormed)
      move(TC_NEWLINE);
    sub->moveDot(4);
    return wellFormed;
  }
  std::unique_ptr<Expression> expression(parseExpression());
  if (!expression) {
    move(TC_NEWLINE);
    sub->moveDot(4);
    return false;
  }
  const bool ok = evalVValue(expression.get());
  sub->moveDot(4);
  return ok;
}

// Pass 2 of the V field: the value into the staging record.
bool Parser::evalVValue(Expression *expression) {
  const Operation *op = staging->getOperation();
  const uint32_t flags = op->getFlags();
  const Location &at = expression->getLocation();

  calculator->calculate(expression);
  if (expression->isCalculationError()) {
    reportCalculationError(expression);
    return true;
  }

  const ExpressionNode *root = expression->getExpressionNode();
  const bool f2IsNull = staging->getFView(2) == OperationData::SBREF &&
                        staging->getFValue(2) == 0;
  const bool f2IsRegister = staging->getFView(2) == OperationData::REGISTER;

  if (root->isNumber() &&
      static_cast<const ExpressionNumberNode *>(root)->isFloat()) {
    bool convert = false;
    if (staging->isIndirect() || (flags & OF_RAW)) {
      convert = false;
    } else if (flags & OF_INT32) {
      if (!f2IsRegister && !f2IsNull)
        warning(at, "value of field 'V' for operation " +
                        quoted(op->getName()) + " interpret as integer");
      convert = true;
    } else {
      switch (op->getTypeIndex()) {
      case 12:
      case 14:
      case 15:
        convert = true;
        break;
      case 2:
      case 3:
      case 10:
      case 11:
        convert = (flags & OF_FLOAT_LITERAL) && (f2IsRegister || f2IsNull);
        break;
      default: // 13 included, whether the literal is zero or not
        convert = false;
        break;
      }
    }
    if (!convert) {
      error(at, badArgumentType(op));
      move(TC_NEWLINE);
      return false;
    }
    int64_t bits = static_cast<const ExpressionNumberNode *>(root)->getValue();
    bool overflow = false;
    int32_t single =
        Float::doubleRepresentationToFloatRepresentation(bits, &overflow);
    if (overflow) {
      std::ostringstream os;
      os << Float::getDoubleFromDoubleRepresentation(bits) << "is out of range";
      warning(at, os.str());
    }
    staging->setVValue(static_cast<uint32_t>(single));
    return true;
  }

  const Section *section = valueSection(root);
  int64_t value = 0;
  bool placed = true; // the value may lie where it does
  if (staging->isIndirect()) {
    value = getExpressionValue(expression);
  } else if (op->isMemoryAccess()) {
    // Commons are data too, only not yet allocated.
    placed = !section || section->isAbs() || section->isData() ||
             section->isBss() || section->isCommon();
    value = getExpressionValue(expression);
  } else if (op->isControlTransfer()) {
    placed = !section || section->isAbs() || section->isText();
    value = getExpressionValue(expression);
  } else if (flags & OF_INT32) {
    value = adjustValue(expression, 4);
  } else {
    switch (op->getTypeIndex()) {
    case 0:
    case 8:
      value = adjustValue(expression, 1);
      break;
    case 1:
    case 9:
      value = adjustValue(expression, 2);
      break;
    case 4:
    case 5:
      warning(at, "argument is interpreted as packed short value for "
                  "operation " +
                      quoted(op->getName()));
      value = adjustValue(expression, 4);
      break;
    case 12:
    case 14:
    case 15:
      if (!(flags & OF_RAW))
        warning(at, "argument is interpreted as float value for operation " +
                        quoted(op->getName()));
      value = adjustValue(expression, 4);
      break;
    case 13:
      error(at, badArgumentType(op));
      move(TC_NEWLINE);
      return false;
    default:
      value = adjustValue(expression, 4);
      break;
    }
  }
  staging->setVValue(static_cast<uint32_t>(value));
  if (!placed) {
    error(at, "incorrect usage of " + quoted(section->getStrName()) +
                  " section label in command");
    return true;
  }
  // The V word's address: the operation word was counted, the V word not
  // yet.
  addRelocationEntry(currentSubsection->getSection(),
                     currentSubsection->getRealDot(), expression, 3);
  return true;
}

// F2/V in syntax V1: @ref | #reg [[,] V] | V
bool Parser::getF2AndVFields_syntaxV1() {
  if (tokenCode() == '@') {
    if (isNotSwitchBoard(2))
      return false;
    return expectLineEnd();
  }
  if (tokenCode() != '#') {
    staging->setFValue(2, 0, OperationData::SBREF);
    if (!getVField())
      return false;
    return expectLineEnd();
  }

  if (isNotRegister(2))
    return false;
  const Operation *op = staging->getOperation();
  const Register *reg =
      architecture->getRegister(static_cast<int>(staging->getFValue(2)));
  if (reg->isIndex()) {
    if (op->getCode() == OC_GET)
      return expectLineEnd();
    if (!op->isMemoryAccess())
      staging->setIndirect(true);
    return getOptionalVField();
  }

  if (!op->isMemoryAccess())
    return expectLineEnd();
  if (op->getCode() == OC_RD || op->getCode() == OC_WR) {
    staging->setIndirect(false);
    staging->setVPresent(false);
    return expectLineEnd();
  }
  errorAtToken("invalid register type for operation " + opName(*staging));
  move(TC_NEWLINE);
  return false;
}

// F2/V in syntax V2: [ '[' ] (@ref | #reg) [(, | +/-) V] [ ']' ] | [ '[' ] V
// [ ']' ]
bool Parser::getF2AndVFields_syntaxV2() {
  if (tokenCode() == '[') {
    staging->setIndirect(true);
    move();
  }
  const bool indirect = staging->isIndirect();

  if (tokenCode() == '@' || tokenCode() == '#') {
    if (tokenCode() == '@' ? isNotSwitchBoard(2) : isNotRegister(2))
      return false;
    if (isLineEnd()) {
      if (indirect) {
        errorAtToken("missing ']'");
        move(TC_NEWLINE);
        return false;
      }
      return true;
    }
    if (tokenCode() == ']') {
      if (indirect) {
        staging->setVPresent(false);
        move();
        return expectLineEnd();
      }
      errorAtToken("expected comma or end of operation, got ']'");
      noteAtToken("possibly missing '[' earlier");
      move(TC_NEWLINE);
      return false;
    }
    if (!passVFieldSeparator())
      return false;
  } else {
    staging->setFValue(2, 0, OperationData::SBREF);
  }

  if (!getVField())
    return false;
  if (indirect) {
    if (tokenCode() != ']') {
      errorAtToken("expected ']', got " + quoted(unrecognizedToken(token)));
      move(TC_NEWLINE);
      return false;
    }
    move();
    return expectLineEnd();
  }
  if (tokenCode() == ']') {
    errorAtToken("expected end of operation, got ']'");
    noteAtToken("possibly missing '[' earlier");
    move(TC_NEWLINE);
    return false;
  }
  return expectLineEnd();
}

bool Parser::getF2AndVFields() {
  return currentSyntax == 1 ? getF2AndVFields_syntaxV1()
                            : getF2AndVFields_syntaxV2();
}

// exa #index-register [[,] V]
bool Parser::operation_exa() {
  staging->setFValue(1, 0, OperationData::SBREF);
  if (isNotRegister(2))
    return false;
  const Register *reg =
      architecture->getRegister(static_cast<int>(staging->getFValue(2)));
  if (!reg->isIndex()) {
    errorAtToken("invalid register type for operation " + opName(*staging));
    move(TC_NEWLINE);
    return false;
  }
  return getOptionalVField();
}

// Between F2 and a V field: a comma, or none before the V field's own
// sign. False after an error, the rest of the line skipped.
bool Parser::passVFieldSeparator() {
  if (tokenCode() == ',') {
    move();
    return true;
  }
  if (tokenCode() == '+' || tokenCode() == '-')
    return true;
  errorAtToken("expected comma or end of operation, got " +
               quoted(unrecognizedToken(token)));
  move(TC_NEWLINE);
  return false;
}

// After an F2 register: the end of the statement, or a V field after a
// comma or beginning with its sign.
bool Parser::getOptionalVField() {
  if (isLineEnd())
    return true;
  if (!passVFieldSeparator())
    return false;
  if (!getVField())
    return false;
  return expectLineEnd();
}

// set #writable-register, F2/V
bool Parser::operation_set() {
  if (isNotRegister(1))
    return false;
  const uint32_t number = staging->getFValue(1);
  const Register *reg = architecture->getRegister(static_cast<int>(number));
  if (!reg->isWritable()) {
    errorAtToken("register number '" + std::to_string(number) +
                 "' is not writable");
    move(TC_NEWLINE);
    return false;
  }
  if (isNotComma()) {
    move(TC_NEWLINE);
    return false;
  }
  const uint64_t bit = uint64_t(1) << (number & 63);
  if (setRegisterMask & bit)
    warningAtToken("reinitialized register number '" + std::to_string(number) +
                   "'");
  setRegisterMask |= bit;
  move();
  return getF2AndVFields();
}

// move @ref
bool Parser::operation_move() {
  if (isNotSwitchBoard(1))
    return false;
  staging->setFValue(2, 0, OperationData::SBREF);
  return expectLineEnd();
}

// mnemonic (no operands)
bool Parser::operation_arg0() {
  staging->setFValue(1, 0, OperationData::SBREF);
  staging->setFValue(2, 0, OperationData::SBREF);
  return expectLineEnd();
}

// mnemonic F2/V
bool Parser::operation_arg1() {
  staging->setFValue(1, 0, OperationData::SBREF);
  return getF2AndVFields();
}

// mnemonic @ref, F2/V
bool Parser::operation_arg2() {
  if (isNotSwitchBoard(1))
    return false;
  if (isNotComma()) {
    move(TC_NEWLINE);
    return false;
  }
  move();
  return getF2AndVFields();
}

// complete: marks the last operation of the paragraph.
void Parser::operation_complete(unsigned slot, const Location &location) {
  if (operationCount > 0)
    ring[slot == 0 ? windowSize - 1 : slot - 1].setParagraphEnd(true);
  else
    warning(location, "empty paragraph, 'complete' ignore");
  if (DebugInfoProducer *producer = getDebugProducer();
      pass == 2 && producer && producer->isAsmDebugInfo() && currentSubsection)
    static_cast<AsmDebugInfoProducer *>(producer)->completeParagraph(
        currentSubsection->getRealDot());
  expectLineEnd();
}

void Parser::writeOutSlot(unsigned slot) {
  const OperationData &data = ring[slot];
  if (auto *d = currentSubsection->asData()) {
    d->addData(static_cast<uint32_t>(architecture->getOperationWord(data)));
    if (data.isVPresent())
      d->addData(static_cast<uint32_t>(data.getVValue()));
  }
}

// The operations still in the ring, oldest first.
void Parser::writeOutParagraph() {
  if (operationCount > windowSize) {
    for (unsigned k = 0; k < windowSize; ++k)
      writeOutSlot((operationCount + k) % windowSize);
  } else {
    for (unsigned k = 0; k < operationCount; ++k)
      writeOutSlot(k);
  }
}
