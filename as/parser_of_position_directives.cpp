// parser_of_position_directives.cpp - source positions given by the source:
// the .file table and the .loc rows of the line information.
#include "parser.h"

#include "debuginfoproducer.h"
#include "expression.h"
#include "subsection.h"
#include "token.h"

namespace {

bool isLocOption(const std::string &name) {
  return name == "basic_block" || name == "prologue_end" ||
         name == "epilogue_begin" || name == "is_stmt" || name == "isa" ||
         name == "discriminator";
}

} // namespace

// .file "name" | .file index [,] "name"
void Parser::evalFile() {
  if (token->isString()) {
    move();
    warningAtToken("DEFAULT VERSION OF .FILE: NOT IMPLEMENTED YET; IGNORE");
    expectLineEnd();
    return;
  }
  ExpressionPtr e = parseOperand();
  if (!e)
    return;
  if (tokenCode() == ',')
    move();
  if (isNotString()) {
    move(TC_NEWLINE);
    return;
  }
  const std::string name = static_cast<const String *>(token)->getText();
  move();
  if (!expectLineEnd())
    return;
  // Only pass 2 fills the table: then the rows' offsets are final too.
  if (pass == 1)
    return;
  long long index = 0;
  if (!isAbsoluteExpression(e.get(), index))
    return;
  const Location &location = e->getLocation();
  if (index < 1) {
    error(location, "file dwarf index less than one");
    return;
  }
  // The table's keys are 32 bits wide: a larger index would alias another.
  if (index > MAX_COUNT) {
    error(location,
          "file dwarf index " + std::to_string(index) + " out of range");
    return;
  }
  if (!fileTable.emplace(unsigned(index), name).second)
    error(location,
          "file dwarf index " + std::to_string(index) + " already allocated");
}

// .loc file [,] line [[,] column] [[,] option]...
//   option: basic_block | prologue_end | epilogue_begin | is_stmt value |
//           isa value | discriminator value
void Parser::evalLoc() {
  ExpressionPtr file = parseOperand();
  if (!file)
    return;
  if (tokenCode() == ',')
    move();
  ExpressionPtr line = parseOperand();
  if (!line)
    return;
  if (tokenCode() == ',')
    move();
  ExpressionPtr column;
  if (!(tokenCode() == TC_WORD &&
        isLocOption(static_cast<const Word *>(token)->getName()))) {
    column = parseOperand();
    if (!column)
      return;
    if (tokenCode() == ',')
      move();
  }

  auto row = std::make_unique<DwarfLine>();
  ExpressionPtr isStmt, isa, discriminator;
  while (tokenCode() == TC_WORD) {
    const std::string &option = static_cast<const Word *>(token)->getName();
    ExpressionPtr *operand = nullptr;
    if (option == "basic_block")
      row->basicBlock = 1;
    else if (option == "prologue_end")
      row->prologueEnd = 1;
    else if (option == "epilogue_begin")
      row->epilogueBegin = 1;
    else if (option == "is_stmt")
      operand = &isStmt;
    else if (option == "isa")
      operand = &isa;
    else if (option == "discriminator")
      operand = &discriminator;
    else {
      errorAtToken("junk at end of line, first unrecognized token is '" +
                   option + "'");
      move(TC_NEWLINE);
      return;
    }
    move();
    if (operand) {
      *operand = parseOperand();
      if (!*operand)
        return;
    }
    if (tokenCode() == ',')
      move();
  }
  if (!expectLineEnd())
    return;
  if (pass == 1)
    return;

  long long value = 0;
  if (!isAbsoluteExpression(file.get(), value))
    return;
  if (value < 1) {
    error(file->getLocation(), "dwarf file index less than one");
    return;
  }
  if (value > MAX_COUNT || !fileTable.count(unsigned(value))) {
    error(file->getLocation(),
          "unassigned dwarf file index " + std::to_string(value));
    return;
  }
  row->file = uint64_t(value);
  if (!isAbsoluteExpression(line.get(), value))
    return;
  if (value < 0) {
    error(line->getLocation(), "line dwarf number is negative");
    return;
  }
  row->line = uint64_t(value);
  if (column) {
    if (!isAbsoluteExpression(column.get(), value))
      return;
    if (value < 0) {
      error(column->getLocation(), "column dwarf number is negative");
      return;
    }
    row->column = uint64_t(value);
  }
  if (isStmt) {
    if (!isAbsoluteExpression(isStmt.get(), value))
      return;
    if (value != 0 && value != 1) {
      error(isStmt->getLocation(), "is_stmt value not 0 or 1");
      return;
    }
    row->isStmt = uint32_t(value);
  }
  if (isa) {
    if (!isAbsoluteExpression(isa.get(), value))
      return;
    row->isa = uint64_t(value);
  }
  if (discriminator) {
    if (!isAbsoluteExpression(discriminator.get(), value))
      return;
    row->discriminator = uint64_t(value);
  }
  row->address = currentSubsection ? currentSubsection->getRealDot() : 0;
  lineList.push_back(std::move(row));
}
