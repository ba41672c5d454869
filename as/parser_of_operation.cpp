// parser_of_operation.cpp - operation statements: operands, switchboard
// references, the V field, and the paragraph ring written out in pass 2.
#include "parser.h"

void Parser::evalOperation(const Operation *, const Location &) {}
bool Parser::isNotSwitchBoard(int) { return true; }
bool Parser::isNotRegister(int) { return true; }
void Parser::checkSbRef(uint32_t, const Word *) {}
bool Parser::getVField() { return false; }
bool Parser::getF2AndVFields_syntaxV1() { return false; }
bool Parser::getF2AndVFields_syntaxV2() { return false; }
bool Parser::operation_exa() { return false; }
bool Parser::operation_set() { return false; }
bool Parser::operation_move() { return false; }
bool Parser::operation_arg0() { return false; }
bool Parser::operation_arg1() { return false; }
bool Parser::operation_arg2() { return false; }
void Parser::operation_complete(unsigned, const Location &) {}
void Parser::writeOutSlot(unsigned) {}
void Parser::writeOutParagraph() {}
bool Parser::evalVValue(Expression *) { return false; }
bool Parser::getF2AndVFields() { return false; }
