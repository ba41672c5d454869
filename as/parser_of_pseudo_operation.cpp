// parser_of_pseudo_operation.cpp - directives: where each may stand, the
// dispatch to its handler, and the operands every handler reads.
#include "parser.h"

#include <sstream>

#include "directiveplacement.h"
#include "expression.h"
#include "expressioncalculator.h"
#include "expressionnode.h"
#include "instruction.h"
#include "section.h"
#include "subsection.h"
#include "token.h"

namespace {

std::string hex(uint64_t v) {
  std::ostringstream os;
  os << std::hex << v;
  return os.str();
}

// Whether value survives being stored in size bytes: every bit above the
// field is a copy of the sign.
bool fitsField(int64_t value, unsigned size) {
  if (size >= 8)
    return true;
  const uint64_t mask = (uint64_t(1) << (8 * size)) - 1;
  const uint64_t above = uint64_t(value) & ~mask;
  return value >= 0 ? above == 0 : above == ~mask;
}

uint64_t fieldMask(unsigned size) {
  return size >= 8 ? ~uint64_t(0) : (uint64_t(1) << (8 * size)) - 1;
}

// The section of a number node; a symbol node is not followed.
const Section *numberSection(const ExpressionNode *node) {
  if (!node || !node->isNumber())
    return nullptr;
  const Subsection *sub =
      static_cast<const ExpressionNumberNode *>(node)->getSubsection();
  return sub ? sub->getSection() : nullptr;
}

bool isAbsoluteNumber(const ExpressionNode *node) {
  const Section *section = numberSection(node);
  return section && section->isAbs();
}

} // namespace

// Checks where the directive stands, then hands it to its handler.
void Parser::evalPseudoOperation(const PseudoOperation *directive,
                                 const Location &location) {
  const int kind = directive->getKind();
  const char *reason = nullptr;
  switch (placementOf(kind)) {
  case Placement::DataOutsideParagraph:
    if (paragraphOpen) {
      reason = "can't be placed inside the paragraph";
      break;
    }
    [[fallthrough]];
  case Placement::DataSection:
    if (!currentSubsection)
      reason = "can't be placed in undefined section";
    else if (currentSubsection->getSection()->isText())
      reason = "can't be placed in '.text' section";
    break;
  case Placement::OutsideParagraph:
    if (paragraphOpen)
      reason = "can't be placed inside the paragraph";
    break;
  case Placement::TextSection:
    if (!currentSubsection || !currentSubsection->getSection()->isText())
      reason = "must be placed in '.text' section";
    break;
  case Placement::Anywhere:
    break;
  }
  if (reason) {
    error(location,
          "pseudo operation '" + directive->getName() + "' " + reason);
    move(TC_NEWLINE);
    return;
  }

  switch (kind) {
  case PO_SECTION:
    return evalSectionDirective(directive);
  case PO_SUBSECTION:
    return evalSubsection(location);
  case IK_INIT_MEMORY:
    return evalInitMemory(
        static_cast<const InitMemoryPseudoOperation *>(directive));
  case PO_ALIGN:
  case PO_P2ALIGN:
    return evalAlign(directive);
  case PO_SKIP:
    return evalSkip(directive);
  case PO_FILL:
    return evalFill();
  case PO_SLEB128:
    return evalLeb128(true);
  case PO_ULEB128:
    return evalLeb128(false);
  case PO_GLOBAL:
    return evalGlobal();
  case PO_LOCAL:
    return evalLocal();
  case PO_WEAK:
    return evalWeak();
  case PO_COMM:
    return evalComm();
  case PO_LCOMM:
    return evalLcomm();
  case PO_SET:
    return evalSet();
  case PO_EQUIV:
    return evalEquiv();
  case PO_EQV:
    return evalEqv();
  case PO_TYPE:
    return evalType();
  case PO_SIZE:
    return evalSize();
  case IK_TERMINATED:
    return evalTerminatedPseudoOperation(
        static_cast<const TerminatedPseudoOperation *>(directive), location);
  case IK_TERMINATING:
    return evalTerminatingPseudoOperation(
        static_cast<const TerminatingPseudoOperation *>(directive), location);
  case PO_ELSE:
  case PO_ELSEIF:
    return evalElse(directive, location);
  case PO_INCLUDE:
    return evalInclude();
  case PO_INCBIN:
    return evalIncbin();
  case PO_ERR:
    return evalErr();
  case PO_ERROR:
    return evalError();
  case PO_WARNING:
    return evalWarning();
  case PO_FAIL:
    return evalFail();
  case PO_PRINT:
    return evalPrint();
  case PO_END:
    return evalEnd();
  case PO_SYNTAX:
    return evalSyntax();
  case PO_FILE:
    return evalFile();
  case PO_LOC:
    return evalLoc();
  case PO_MACRO:
    return evalMacro(location);
  case PO_ENDM:
    return evalEndm(location);
  case PO_EXITM:
    return evalExitm(location);
  case PO_PURGEM:
    return evalPurgem();
  default:
    return; // a directive without a handler is ignored
  }
}

bool Parser::isAbsoluteExpression(Expression *expression, long long &value,
                                  const NotAbsoluteText &message) {
  value = 0;
  calculator->calculate(expression);
  const ExpressionNode *root = expression->getExpressionNode();
  if (!expression->isCalculationError() && isAbsoluteNumber(root)) {
    if (static_cast<const ExpressionNumberNode *>(root)->isFloat()) {
      warning(expression->getLocation(),
              "expected absolute expression, got float value; integer 0 "
              "assumed");
      return false;
    }
    value = root->getValue();
    return true;
  }
  std::string text = message.head;
  if (message.name) {
    text += *message.name;
    text += message.tail;
  }
  error(expression->getLocation(), text);
  return false;
}

std::unique_ptr<Expression> Parser::parseOperand() {
  ExpressionPtr e(parseExpression());
  if (!e)
    move(TC_NEWLINE);
  return e;
}

std::unique_ptr<Expression>
Parser::parseAbsoluteOperand(long long &value, const NotAbsoluteText &message) {
  value = 0;
  ExpressionPtr e = parseOperand();
  if (e && !isAbsoluteExpression(e.get(), value, message)) {
    move(TC_NEWLINE);
    return nullptr;
  }
  return e;
}

int64_t Parser::adjustValue(Expression *expression, unsigned size) {
  const int64_t value = getExpressionValue(expression);
  if (fitsField(value, size))
    return value;
  if (isAbsoluteNumber(expression->getExpressionNode()))
    return adjustNumber(value, expression->getLocation(), size);
  error(expression->getLocation(), "value of " + std::to_string(value) +
                                       " too large for field of " +
                                       std::to_string(size) + " bytes");
  return value;
}

int64_t Parser::adjustNumber(int64_t value, const Location &location,
                             unsigned size) {
  if (fitsField(value, size))
    return value;
  const int64_t cut = int64_t(uint64_t(value) & fieldMask(size));
  warning(location, "value 0x" + hex(uint64_t(value)) + " truncated to 0x" +
                        hex(uint64_t(cut)));
  return cut;
}

bool Parser::truncateToSignificantBytes(int64_t &value, const Section *section,
                                        unsigned size) const {
  if (fitsField(value, size))
    return true;
  if (!section || !section->isAbs())
    return false;
  value = int64_t(uint64_t(value) & fieldMask(size));
  return true;
}
