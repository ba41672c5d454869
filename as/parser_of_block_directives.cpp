// parser_of_block_directives.cpp - conditional and repetition blocks and
// their skipping, .include, the message directives, .end and .syntax.
#include "parser.h"

#include <iostream>

#include "architecture.h"
#include "expression.h"
#include "filestat.h"
#include "instruction.h"
#include "subsection.h"
#include "symbol.h"
#include "symtab.h"
#include "terminator.h"
#include "token.h"
#include "tokenizer.h"

namespace {

// Open source files allowed at once: a file that includes itself stops here
// instead of exhausting the process.
constexpr size_t MAX_INCLUDE_DEPTH = 64;

// The name used in the messages of .ifndef and .ifnotdef.
const char *ifdefName(bool defined) { return defined ? ".ifdef" : ".ifndef"; }

} // namespace

// .rept count | .if expression | .ifdef name | .ifb [text] | .ifeqs s1, s2
// ... (the directive table names each closer)
void Parser::evalTerminatedPseudoOperation(
    const TerminatedPseudoOperation *directive, const Location &location) {
  // An .irp body is read whole and expanded, not assembled in place.
  if (directive->getCode() == PO_IRP || directive->getCode() == PO_IRPC)
    return evalIrp(directive, location);
  addTerminatedPseudoOperationToStack(directive, location);
  bool condition = false;
  switch (directive->getCode()) {
  case PO_REPT:
    return evalRept();
  case PO_IF:
  case PO_IFEQ:
  case PO_IFGE:
  case PO_IFGT:
  case PO_IFLE:
  case PO_IFLT:
    condition = evalIfe(directive);
    break;
  case PO_IFDEF:
    condition = evalIfd(directive, true);
    break;
  case PO_IFNDEF:
    condition = evalIfd(directive, false);
    break;
  case PO_IFB:
    condition = evalIfb(true);
    break;
  case PO_IFNB:
    condition = evalIfb(false);
    break;
  case PO_IFEQS:
    condition = evalIfeqs(true);
    break;
  case PO_IFNES:
    condition = evalIfeqs(false);
    break;
  default:
    break;
  }
  if (!condition)
    skipConditionalBlock();
}

// .endif | .endr
void Parser::evalTerminatingPseudoOperation(
    const TerminatingPseudoOperation *directive, const Location &location) {
  if (directive->getCode() == PO_ENDR)
    evalEndr(location);
  else
    evalEndif(location);
}

bool Parser::evalIfe(const TerminatedPseudoOperation *directive) {
  return evalIfValue(directive->getName(), directive->getCode());
}

// A value condition of the given directive code; .elseif tests like .if.
bool Parser::evalIfValue(const std::string &name, int code) {
  long long value = 0;
  if (!parseAbsoluteOperand(
          value, {"non-constant expression in '", &name, "' statement"}) ||
      !expectLineEnd())
    return false;
  switch (code) {
  case PO_IFEQ:
    return value == 0;
  case PO_IFGE:
    return value >= 0;
  case PO_IFGT:
    return value > 0;
  case PO_IFLE:
    return value <= 0;
  case PO_IFLT:
    return value < 0;
  default:
    return value != 0;
  }
}

// .ifb [anything] | .ifnb [anything]
bool Parser::evalIfb(bool blank) {
  const bool result = isLineEnd() == blank;
  move(TC_NEWLINE);
  return result;
}

// .ifdef name | .ifndef name | .ifnotdef name
bool Parser::evalIfd(const TerminatedPseudoOperation *, bool defined) {
  if (tokenCode() != TC_WORD) {
    errorAtToken(std::string("invalid identifier for '") + ifdefName(defined) +
                 "'");
    return false;
  }
  // Looked up, never created: a test must not make a symbol appear.
  const Symbol *symbol =
      symtab->getExistingSymbol(static_cast<const Word *>(token));
  const bool hasValue = symbol && symbol->isValueDefined();
  move();
  if (!expectLineEnd())
    return false;
  return hasValue == defined;
}

// .ifeqs "a", "b" | .ifnes "a", "b"
bool Parser::evalIfeqs(bool equal) {
  if (isNotString())
    return false;
  // The lexer reuses its string token: keep the text.
  const std::string first = static_cast<const String *>(token)->getText();
  move();
  if (isNotComma())
    return false;
  move();
  if (isNotString())
    return false;
  const bool same = first == static_cast<const String *>(token)->getText();
  move();
  if (!expectLineEnd())
    return false;
  return same == equal;
}

// .else | .elseif expression, met while assembling the true branch
void Parser::evalElse(const PseudoOperation *directive,
                      const Location &location) {
  if (blockStack.empty() || !blockStack.back()->isIfBlock()) {
    error(location, "'" + directive->getName() + "' without matching '.if'");
    move(TC_NEWLINE);
    return;
  }
  if (directive->getKind() == PO_ELSE && !isLineEnd())
    expectLineEnd();
  skipToCurrentTerminator();
}

// .endif
void Parser::evalEndif(const Location &location) {
  if (blockStack.empty() || !blockStack.back()->isIfBlock()) {
    error(location, "'.endif' without matching '.if'");
    move(TC_NEWLINE);
    return;
  }
  blockStack.pop_back();
  expectLineEnd();
}

// .rept count
void Parser::evalRept() {
  long long count = 0;
  ExpressionPtr e = parseAbsoluteOperand(count);
  if (!e) {
    skipToCurrentTerminator();
    return;
  }
  if (count > MAX_COUNT) {
    // Counts are 32-bit, as for .skip: cut, this one would repeat a
    // plainly wrong number of times; whole, it would never end.
    error(e->getLocation(),
          ".rept repeat count (" + std::to_string(count) + ") is too large");
    skipToCurrentTerminator();
    return;
  }
  expectLineEnd();
  // Without a line end the input has ended: there is no body to replay.
  if (count <= 0 || tokenCode() != TC_NEWLINE) {
    skipToCurrentTerminator();
    return;
  }
  auto &rept = static_cast<ReptTerminator &>(*blockStack.back());
  rept.setValues(count - 1);
  tokenizer->storeState();
  startIteration(rept);
}

void Parser::startIteration(ReptTerminator &rept) {
  ReptIteration &iteration = rept.getIteration();
  iteration.statements = statementCount;
  iteration.impureStatements = impureStatementCount;
  iteration.messages = diagnostics.getMessageCount();
  iteration.subsection = currentSubsection;
  iteration.dot = currentSubsection ? currentSubsection->getRealDot() : 0;
}

// Whether the repetitions still to come may be left out because they would
// do exactly what the one just ended did: nothing at all, or, with only
// pure statements, the same bytes in the same subsection. Both passes leave
// out the first kind alike; pass 1 counts the bytes of the second kind at
// once (its messages would repeat, so only a silent one), while pass 2 must
// write them.
bool Parser::isRepetitionSettled(ReptTerminator &rept) {
  const ReptIteration &iteration = rept.getIteration();
  if (statementCount == iteration.statements)
    return true;
  if (impureStatementCount != iteration.impureStatements ||
      currentSubsection != iteration.subsection)
    return false;
  // Without a section the statements could only complain.
  if (!currentSubsection)
    return true;
  if (currentSubsection->isOverflow() ||
      currentSubsection->getRealDot() < iteration.dot)
    return false;
  const uint64_t grown = currentSubsection->getRealDot() - iteration.dot;
  if (grown == 0)
    return true;
  if (pass != 1 || diagnostics.getMessageCount() != iteration.messages)
    return false;
  currentSubsection->advance(grown * uint64_t(rept.getRemaining()));
  return true;
}

// .endr. A block closed while skipping was never replayed and has no
// saved reading point of its own to drop.
void Parser::evalEndr(const Location &location, bool replaying) {
  // The saved reading point belongs to the file of the .rept: an .endr of
  // another file cannot close it.
  if (blockStack.empty() || !blockStack.back()->isReptBlock() ||
      blockStack.back()->getLocation().getIndex() != location.getIndex()) {
    error(location, ".endr encountered without preceeding .rept");
    move(TC_NEWLINE);
    return;
  }
  expectLineEnd();
  auto &rept = static_cast<ReptTerminator &>(*blockStack.back());
  if (!replaying) {
    blockStack.pop_back();
    return;
  }
  // Only from a line end can reading go back to the body; an input that
  // has ended ends the repetition too.
  if (tokenCode() == TC_NEWLINE && rept.getRemaining() > 0 &&
      !isRepetitionSettled(rept)) {
    rept.isNext();
    tokenizer->restoreState();
    startIteration(rept);
    return;
  }
  tokenizer->purgeState();
  blockStack.pop_back();
}

void Parser::addTerminatedPseudoOperationToStack(
    const TerminatedPseudoOperation *directive, const Location &location) {
  // Every block that .endr closes is one, also an .irp met while skipping.
  if (directive->getTerminating()->getCode() == PO_ENDR)
    blockStack.push_back(std::make_unique<ReptTerminator>(location, directive));
  else
    blockStack.push_back(std::make_unique<Terminator>(location, directive));
}

// Passes over a false branch up to its .else, a true .elseif or its .endif.
void Parser::skipConditionalBlock() { skipBlock(true); }

// Passes over the rest of the block on top of the stack and its closer.
void Parser::skipToCurrentTerminator() { skipBlock(false); }

// Reads statements without assembling them until the block on top when
// skipping began is closed (or, with stopAtElse, one of its other branches
// is entered). A file that ends meanwhile is closed as in assembly, so the
// skipping goes on in the file that included it.
void Parser::skipBlock(bool stopAtElse) {
  const size_t depth = blockStack.size();
  move(TC_NEWLINE);
  while (blockStack.size() >= depth) {
    switch (tokenCode()) {
    case TC_NEWLINE:
      move();
      break;
    case TC_NONE:
      return;
    case TC_EOF:
      eval__EOF__();
      move();
      break;
    case TC_WORD:
      if (skipPseudoOperation(depth, stopAtElse))
        return;
      break;
    default:
      move(TC_NEWLINE);
      break;
    }
  }
}

// One statement of a skipped block, at its first word. Labels are passed
// over and the rest of their line examined; block directives keep the
// stack in step. True when skipping stops at an .else or a true .elseif.
bool Parser::skipPseudoOperation(size_t depth, bool stopAtElse) {
  const Word *word = static_cast<const Word *>(token);
  const Location location = getTokenLocation();
  move();
  if (tokenCode() == ':' || tokenCode() == TC_ASSIGN) {
    move();
    return false;
  }
  const Instruction *instruction = architecture->getInstruction(word);
  if (!instruction || !instruction->isPseudoOperation()) {
    move(TC_NEWLINE);
    return false;
  }
  switch (instruction->getKind()) {
  case IK_TERMINATED:
    addTerminatedPseudoOperationToStack(
        static_cast<const TerminatedPseudoOperation *>(instruction), location);
    // Without stopAtElse the caller's own loop carries the nested block.
    if (stopAtElse)
      skipToCurrentTerminator();
    else
      move(TC_NEWLINE);
    return false;
  case IK_TERMINATING:
    if (static_cast<const TerminatingPseudoOperation *>(instruction)
            ->getCode() == PO_ENDR)
      evalEndr(location, false);
    else
      evalEndif(location);
    return false;
  case PO_ELSE:
    if (!stopAtElse || blockStack.size() != depth)
      break;
    expectLineEnd();
    return true;
  case PO_ELSEIF:
    if (!stopAtElse || blockStack.size() != depth)
      break;
    if (evalIfValue(instruction->getName(), PO_IF))
      return true;
    break;
  default:
    break;
  }
  move(TC_NEWLINE);
  return false;
}

// The name as given, else in the include directories, the last given first.
bool Parser::findIncludeFile(const std::string &name, std::string &path) {
  path = name;
  if (FileStat(name).isExists())
    return true;
  for (auto dir = includeDirectories.rbegin(); dir != includeDirectories.rend();
       ++dir) {
    path = *dir + FileStat::separator() + name;
    if (FileStat(path).isExists())
      return true;
  }
  return false;
}

// The file a .include or .incbin names. A name leads to the file it led to
// the first time: pass 2 must not find another one that appeared in
// between. False after an error at location.
bool Parser::resolveSourceFile(const std::string &name,
                               const Location &location, std::string &path) {
  auto known = includePaths.find(name);
  if (known != includePaths.end()) {
    path = known->second;
    return true;
  }
  if (!findIncludeFile(name, path)) {
    error(location, "can't open '" + name + "' for reading: no such file");
    return false;
  }
  if (!FileStat(path).isReg()) {
    error(location, "can't open '" + path + "' for reading: no regular file");
    return false;
  }
  // The object must never replace a source, however it is spelled; a name
  // seen before was checked then.
  if (FileStat(path).isSameFile(FileStat(outputName))) {
    outputIsSource = true;
    error(location, "'" + path +
                        "': input and output files must be distinct ('" +
                        outputName + "')");
    return false;
  }
  includePaths.emplace(name, path);
  return true;
}

void Parser::noteFileRead(const std::string &path) {
  if (filesReadSet.insert(path).second)
    filesRead.push_back(path);
}

// The file name that .include and .incbin begin with, and where it stands.
// False after an error, the rest of the line skipped.
bool Parser::parseFileNameOperand(std::string &name, Location &location) {
  if (isNotString()) {
    move(TC_NEWLINE);
    return false;
  }
  name = static_cast<const String *>(token)->getText();
  location = getTokenLocation();
  move();
  return true;
}

// .include "file"
void Parser::evalInclude() {
  std::string name;
  Location location;
  if (!parseFileNameOperand(name, location) || !expectLineEnd())
    return;
  std::string path;
  if (!resolveSourceFile(name, location, path))
    return;
  if (tokenizer->fileDepth() >= MAX_INCLUDE_DEPTH) {
    error(location, "include nesting too deep (" +
                        std::to_string(MAX_INCLUDE_DEPTH) + " levels); '" +
                        name + "' not included");
    // The files above would go on including: two self-inclusions per file
    // make 2^64 files. Nothing more of this pass is read.
    endInput();
    return;
  }
  FileName file(path);
  file.setIncludedFrom(location.getFileName(), location.getLine(),
                       location.getCol());
  if (!tokenizer->insertFile(file)) {
    error(location, "can't open '" + path + "' for reading");
    return;
  }
  noteFileRead(path);
}

// .incbin "file" [, skip [, count]]
void Parser::evalIncbin() {
  std::string name;
  Location location;
  if (!parseFileNameOperand(name, location))
    return;
  long long skip = 0, count = 0;
  bool counted = false;
  Location skipLocation = location, countLocation = location;
  // The operand after a comma, absolute, and where it stands.
  auto operandAfterComma = [&](long long &value, Location &where) {
    move();
    ExpressionPtr e = parseAbsoluteOperand(value);
    if (e)
      where = e->getLocation();
    return e != nullptr;
  };
  if (tokenCode() == ',') {
    if (!operandAfterComma(skip, skipLocation))
      return;
    if (tokenCode() == ',') {
      if (!operandAfterComma(count, countLocation))
        return;
      counted = true;
    }
  }
  if (!expectLineEnd())
    return;
  std::string path;
  if (!resolveSourceFile(name, location, path))
    return;
  // Read once per run, like a source: both passes place the same bytes.
  std::shared_ptr<const SourceText> text =
      tokenizer->getSourceFiles().get(path);
  if (!text->opened) {
    error(location, "can't open '" + path + "' for reading");
    return;
  }
  if (!text->error.empty()) {
    error(location, text->error);
    return;
  }
  noteFileRead(path);
  const uint64_t size = text->bytes.size();
  const std::string of =
      " of '" + path + "' (" + std::to_string(size) + " bytes)";
  if (skip < 0 || uint64_t(skip) > size) {
    error(skipLocation,
          ".incbin skip " + std::to_string(skip) +
              (skip < 0 ? " is negative" : " is past the end" + of));
    return;
  }
  uint64_t length = size - uint64_t(skip);
  if (counted) {
    if (count < 0 || uint64_t(count) > length) {
      error(countLocation,
            ".incbin count " + std::to_string(count) +
                (count < 0 ? " is negative"
                           : " goes past the end" + of + " after skip " +
                                 std::to_string(skip)));
      return;
    }
    length = uint64_t(count);
  }
  currentSubsection->advance(length);
  if (pass == 2)
    if (DataSubsection *data = currentSubsection->asData())
      data->addData(text->bytes.data() + skip, size_t(length));
}

// .err
void Parser::evalErr() {
  errorAtToken(".err encountered");
  expectLineEnd();
}

// .error ["text"]
void Parser::evalError() {
  evalUserMessage(true, ".error directive invoked in source file");
}

// .warning ["text"]
void Parser::evalWarning() {
  evalUserMessage(false, ".warning directive invoked in source file");
}

// The source's own message, or the directive's default text without one.
void Parser::evalUserMessage(bool isError, const std::string &defaultText) {
  const std::string *text = &defaultText;
  if (!isLineEnd()) {
    if (isNotString()) {
      move(TC_NEWLINE);
      return;
    }
    text = &static_cast<const String *>(token)->getText();
  }
  if (isError)
    errorAtToken(*text);
  else
    warningAtToken(*text);
  if (isLineEnd())
    return;
  move();
  expectLineEnd();
}

// .fail expression: 500 and above only warn
void Parser::evalFail() {
  const Location location = getTokenLocation();
  long long value = 0;
  if (!parseAbsoluteOperand(value))
    return;
  const std::string text = ".fail " + std::to_string(value) + " encountered";
  if (value >= 500)
    warning(location, text);
  else
    error(location, text);
  expectLineEnd();
}

// .print "text": once, from pass 2
void Parser::evalPrint() {
  if (isNotString()) {
    move(TC_NEWLINE);
    return;
  }
  const std::string text = static_cast<const String *>(token)->getText();
  move();
  if (!expectLineEnd())
    return;
  if (pass == 2)
    std::cout << text << '\n';
}

// .end
void Parser::evalEnd() {
  expectLineEnd();
  endInput();
}

// .syntax V1|V2
void Parser::evalSyntax() {
  uint16_t version = 0;
  if (token->isWord()) {
    const Word *word = static_cast<const Word *>(token);
    if (word == tokenizer->getWord("V1"))
      version = 1;
    else if (word == tokenizer->getWord("V2"))
      version = 2;
  }
  if (!version) {
    errorAtToken("expected syntax version value (V1 or V2); got '" +
                 unrecognizedToken(token) + "'");
    move(TC_NEWLINE);
    return;
  }
  if (version != currentSyntax) {
    warningAtToken("syntax version changed to V" + std::to_string(version));
    currentSyntax = version;
  }
  move();
  expectLineEnd();
}
