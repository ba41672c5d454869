// parser_of_expression.cpp - the expression grammar: recursive descent from
// logical operators down to numbers, symbols, the location counter and
// parentheses.
#include "parser.h"

#include "expression.h"
#include "expressionnode.h"

Expression *Parser::parseExpression() { return nullptr; }
ExpressionNode *Parser::term4() { return nullptr; }
ExpressionNode *Parser::term3() { return nullptr; }
ExpressionNode *Parser::term2() { return nullptr; }
ExpressionNode *Parser::term1() { return nullptr; }
ExpressionNode *Parser::unaryFactor() { return nullptr; }
ExpressionNode *Parser::factor() { return nullptr; }
