// parser_of_pseudo_operation.cpp - directives: placement rules, sections,
// data, alignment, symbols, and the block, message and position directives.
#include "parser.h"

#include "instruction.h"
#include "token.h"

void Parser::evalPseudoOperation(const PseudoOperation *, const Location &) {
  move(TC_NEWLINE);
}

bool Parser::isAbsoluteExpression(Expression *, long long &value,
                                  const std::string &) {
  value = 0;
  return false;
}

int64_t Parser::adjustValue(Expression *, unsigned) { return 0; }

bool Parser::truncateToSignificantBytes(int64_t &, const Section *,
                                        unsigned) const {
  return false;
}

void Parser::evalSectionDirective(const PseudoOperation *) { move(TC_NEWLINE); }
void Parser::evalSubsection(const Location &) { move(TC_NEWLINE); }
void Parser::evalAssignment(bool, bool) { move(TC_NEWLINE); }
Symbol *Parser::getAssignedSymbol(bool &refused, bool) {
  refused = false;
  return nullptr;
}
void Parser::evalInitMemory(const InitMemoryPseudoOperation *) {
  move(TC_NEWLINE);
}
void Parser::evalAlign(const PseudoOperation *) { move(TC_NEWLINE); }
void Parser::evalSkip(const PseudoOperation *) { move(TC_NEWLINE); }
void Parser::evalFill() { move(TC_NEWLINE); }
void Parser::evalLeb128(bool) { move(TC_NEWLINE); }
void Parser::setSymbolBind(uint8_t) {}
void Parser::evalBindValue(uint8_t) { move(TC_NEWLINE); }
void Parser::evalGlobal() { move(TC_NEWLINE); }
void Parser::evalLocal() { move(TC_NEWLINE); }
void Parser::evalWeak() { move(TC_NEWLINE); }
void Parser::evalComm() { move(TC_NEWLINE); }
void Parser::evalLcomm() { move(TC_NEWLINE); }
bool Parser::getAllocSize(uint32_t &size) {
  size = 0;
  return false;
}
Subsection *Parser::switchToBssSubsection() { return currentSubsection; }
void Parser::evalSet() { move(TC_NEWLINE); }
void Parser::evalEquiv() { move(TC_NEWLINE); }
void Parser::evalEqv() { move(TC_NEWLINE); }
void Parser::evalSymbolValue(Symbol *) { move(TC_NEWLINE); }
void Parser::evalType() { move(TC_NEWLINE); }
void Parser::evalSize() { move(TC_NEWLINE); }

// ---- conditional, repetition, include, message and position directives ----

void Parser::evalTerminatedPseudoOperation(const TerminatedPseudoOperation *,
                                           const Location &) {
  move(TC_NEWLINE);
}
void Parser::evalTerminatingPseudoOperation(const TerminatingPseudoOperation *,
                                            const Location &) {
  move(TC_NEWLINE);
}
bool Parser::evalIfe(const TerminatedPseudoOperation *) { return false; }
bool Parser::evalIfb(bool) { return false; }
bool Parser::evalIfd(const TerminatedPseudoOperation *, bool) { return false; }
bool Parser::evalIfeqs(bool) { return false; }
void Parser::evalElse(const PseudoOperation *) { move(TC_NEWLINE); }
void Parser::evalEndif() { move(TC_NEWLINE); }
void Parser::evalRept() { move(TC_NEWLINE); }
void Parser::evalEndr() { move(TC_NEWLINE); }
void Parser::addTerminatedPseudoOperationToStack(
    const TerminatedPseudoOperation *, const Location &) {}
void Parser::skipConditionalBlock() {}
void Parser::skipToCurrentTerminator() {}
void Parser::skipPseudoOperation() { move(TC_NEWLINE); }
void Parser::evalInclude() { move(TC_NEWLINE); }
void Parser::evalErr() { move(TC_NEWLINE); }
void Parser::evalError() { move(TC_NEWLINE); }
void Parser::evalWarning() { move(TC_NEWLINE); }
void Parser::evalFail() { move(TC_NEWLINE); }
void Parser::evalPrint() { move(TC_NEWLINE); }
void Parser::evalEnd() { move(TC_NEWLINE); }
void Parser::evalSyntax() { move(TC_NEWLINE); }
void Parser::evalFile() { move(TC_NEWLINE); }
void Parser::evalLoc() { move(TC_NEWLINE); }
