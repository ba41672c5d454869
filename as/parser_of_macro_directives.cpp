// parser_of_macro_directives.cpp - .macro, .endm, .exitm, .purgem, .irp and
// .irpc, macro invocations, and the expansions the parser follows.
#include "parser.h"

#include "architecture.h"
#include "instruction.h"
#include "terminator.h"
#include "tokenizer.h"

namespace {

// Macro expansions in progress at once; a macro that invokes itself
// without end stops here.
constexpr unsigned MAX_MACRO_DEPTH = 100;
// What an expansion costs besides its text: an empty body is not free.
constexpr uint64_t EXPANSION_COST = 64;

std::string quoted(const std::string &text) { return "'" + text + "'"; }

std::string sizeText(uint64_t bytes) {
  if (bytes >= (uint64_t(1) << 30) && bytes % (uint64_t(1) << 30) == 0)
    return std::to_string(bytes >> 30) + " GiB";
  if (bytes >= (uint64_t(1) << 20) && bytes % (uint64_t(1) << 20) == 0)
    return std::to_string(bytes >> 20) + " MiB";
  return std::to_string(bytes) + " bytes";
}

} // namespace

void Parser::endInput() {
  tokenizer->end();
  inputEnded = true;
}

std::string Parser::unexpectedEnd(const Location &location,
                                  const std::string &directive) const {
  const SourceOrigin origin = location.getFileName().getOrigin();
  std::string what = "file";
  if (origin.kind == SourceOrigin::Macro)
    what = "macro " + quoted(FileName::getLabel(origin.label));
  else if (origin.kind == SourceOrigin::Repetition)
    what = FileName::getLabel(origin.label);
  return "unexpected end of " + what + " in " + directive;
}

bool Parser::readBlockBody(const std::string &directive,
                           const Location &location, bool macroBody,
                           MacroBody &body) {
  bool closed = false;
  // Without a name the opening line may have ended already.
  const bool lineRead = tokenCode() == TC_NEWLINE;
  token = macroBody ? tokenizer->readBody({macroWord}, endmWord, lineRead, body,
                                          closed)
                    : tokenizer->readBody(repetitionOpeners, endrWord, lineRead,
                                          body, closed);
  if (closed)
    return true;
  // The end of the text is the current token: its own end is still to be
  // handled.
  const Location end = getTokenLocation();
  error(end, unexpectedEnd(end, directive));
  note(location, "here is the start of " + directive);
  return false;
}

bool Parser::checkMacroName(const Word *name, const Location &location) {
  const Instruction *instruction = architecture->getInstruction(name);
  if (instruction && instruction->isPseudoOperation()) {
    error(location,
          "macro name " + quoted(name->getName()) + " is a directive");
    return false;
  }
  if (instruction && instruction->isOperation()) {
    error(location, "macro name " + quoted(name->getName()) +
                        " is an operation of " + architecture->getName());
    return false;
  }
  if (const Macro *previous = name->getMacro()) {
    error(location, "macro " + quoted(name->getName()) + " is already defined");
    note(previous->location, "this is the location of the previous macro " +
                                 quoted(name->getName()) + " definition");
    return false;
  }
  return true;
}

// .macro name [parameter[:req|:vararg][=default]] [[,] ...]
// ... .endm
void Parser::evalMacro(const Location &location) {
  const bool named = tokenCode() == TC_WORD;
  Word *name = named ? static_cast<Word *>(token) : nullptr;
  const Location nameLocation = getTokenLocation();
  bool good = named;
  if (!named)
    errorAtToken("expected macro name, got '" + unrecognizedToken(token) + "'");
  std::string header;
  Location headerAt;
  std::vector<MacroParameter> parameters;
  if (isLineEnd()) {
    good = false;
  } else if (!tokenizer->readRestOfLine(header, headerAt)) {
    good = false;
  } else if (named) {
    MacroProblem problem;
    if (!macrotext::parseParameters(header, name->getName(), parameters,
                                    problem)) {
      error(tokenizer->rawSource()->locationAt(
                headerAt.getLine(),
                headerAt.getCol() + static_cast<unsigned>(problem.offset)),
            problem.text);
      good = false;
    }
    good = checkMacroName(name, nameLocation) && good;
  }
  // A definition that cannot be made still has a body to pass over.
  MacroBody body;
  if (!readBlockBody(".macro", location, true, body) || !good) {
    if (tokenCode() != TC_EOF && tokenCode() != TC_NONE)
      move(TC_NEWLINE);
    return;
  }
  auto macro = std::make_unique<Macro>();
  macro->name = name;
  macro->parameters = std::move(parameters);
  for (const MacroParameter &parameter : macro->parameters)
    macro->names.push_back(&parameter.name);
  macro->body = std::move(body);
  macro->location = nameLocation;
  macro->label = FileName::addLabel(name->getName());
  macros.define(std::move(macro));
  expectLineEnd();
}

// .endm, met outside a definition
void Parser::evalEndm(const Location &location) {
  error(location, "'.endm' without matching '.macro'");
  move(TC_NEWLINE);
}

// .exitm: the rest of the innermost macro expansion is left out, with
// every block and .irp opened in it.
void Parser::evalExitm(const Location &location) {
  size_t i = expansions.size();
  while (i > 0 && !expansions[i - 1].macro)
    --i;
  if (i == 0) {
    error(location, "'.exitm' outside a macro");
    move(TC_NEWLINE);
    return;
  }
  if (!expectLineEnd())
    return;
  const size_t sources = expansions[i - 1].sources;
  const size_t blocks = expansions[i - 1].blocks;
  expansions.resize(i - 1);
  --macroDepth;
  while (blockStack.size() > blocks)
    blockStack.pop_back();
  tokenizer->cutSources(sources);
  token = tokenizer->lineEnd();
}

// .purgem name
void Parser::evalPurgem() {
  if (tokenCode() != TC_WORD) {
    errorAtToken("expected macro name, got '" + unrecognizedToken(token) + "'");
    move(TC_NEWLINE);
    return;
  }
  const Word *name = static_cast<const Word *>(token);
  if (!macros.remove(name)) {
    errorAtToken("macro " + quoted(name->getName()) + " is not defined");
    move(TC_NEWLINE);
    return;
  }
  move();
  expectLineEnd();
}

// .irp symbol[,] [value [[,] value ...]] | .irpc symbol[,] characters
// ... .endr
void Parser::evalIrp(const TerminatedPseudoOperation *directive,
                     const Location &location) {
  const std::string &name = directive->getName();
  const bool named = tokenCode() == TC_WORD;
  std::string symbol = named ? static_cast<Word *>(token)->getName() : "";
  if (!named)
    errorAtToken("expected symbol name, got '" + unrecognizedToken(token) +
                 "'");
  std::string rest;
  Location restAt;
  const bool read = !isLineEnd() && tokenizer->readRestOfLine(rest, restAt);
  MacroBody body;
  if (!readBlockBody(name, location, false, body) || !named || !read) {
    if (tokenCode() != TC_EOF && tokenCode() != TC_NONE)
      move(TC_NEWLINE);
    return;
  }
  if (!expectLineEnd() || tokenCode() != TC_NEWLINE)
    return;
  ExpansionFrame frame;
  frame.body = std::move(body);
  frame.symbol = std::move(symbol);
  const std::string_view values = macrotext::afterSymbol(rest);
  frame.values = directive->getCode() == PO_IRPC
                     ? macrotext::characterValues(values)
                     : macrotext::splitValues(values);
  // \@ in the body is the count at the .irp: iterations are no macro
  // expansions.
  frame.count = expansionCount;
  frame.location = location;
  frame.label = FileName::addLabel(name);
  expansions.push_back(std::move(frame));
  startIteration(expansions.back());
}

void Parser::startIteration(ExpansionFrame &frame) {
  const std::vector<const std::string *> names = {&frame.symbol};
  const std::vector<std::string> values = {frame.values[frame.next++]};
  std::shared_ptr<const ExpandedText> text =
      macrotext::expand(frame.body, names, values, frame.count);
  if (!chargeExpansion(text->text.size(), FileName::getLabel(frame.label),
                       frame.location)) {
    expansions.pop_back();
    return;
  }
  frame.name =
      FileName::expansion(frame.body.file, SourceOrigin::Repetition,
                          frame.label, frame.location.getFileName(),
                          frame.location.getLine(), frame.location.getCol());
  frame.sources = tokenizer->sourceCount();
  frame.blocks = blockStack.size();
  tokenizer->insertExpansion(frame.name, std::move(text), frame.body.firstLine);
}

bool Parser::chargeExpansion(size_t bytes, const std::string &name,
                             const Location &location) {
  expandedBytes += bytes + EXPANSION_COST;
  if (expandedBytes <= expansionBudget)
    return true;
  error(location, "macro expansion too large (over " +
                      sizeText(expansionBudget) + " in all); '" + name +
                      "' not expanded");
  // Whatever comes next would expand again: the pass ends here.
  endInput();
  return false;
}

bool Parser::invokeMacro(Word *word, const Location &location) {
  // "name:" is a label, also when the name is a macro's.
  Macro *macro = word->getMacro();
  std::string text;
  Location textAt;
  StreamTokenSource *source = tokenizer->rawSource();
  if (source && source->getLexer().skipBlanks() == ':')
    return false;
  countStatement(false);
  if (!source) {
    error(location, "macro " + quoted(word->getName()) +
                        " is invoked by an alias with more after it");
    move();
    move(TC_NEWLINE);
    return true;
  }
  tokenizer->readRestOfLine(text, textAt);
  std::vector<std::string> values;
  MacroProblem problem;
  const bool bound =
      macrotext::bindArguments(*macro, word->getName(), text, values, problem);
  if (!bound)
    error(problem.offset < text.size()
              ? source->locationAt(textAt.getLine(),
                                   textAt.getCol() +
                                       static_cast<unsigned>(problem.offset))
              : location,
          problem.text);
  move();
  if (!bound || tokenCode() != TC_NEWLINE)
    return true;
  if (macroDepth >= MAX_MACRO_DEPTH) {
    error(location, "macro nesting too deep (" +
                        std::to_string(MAX_MACRO_DEPTH) + " levels); '" +
                        word->getName() + "' not expanded");
    // Each level above would go on invoking: nothing more of this pass is
    // read.
    endInput();
    return true;
  }
  std::shared_ptr<const ExpandedText> expanded =
      macrotext::expand(macro->body, macro->names, values, expansionCount++);
  if (!chargeExpansion(expanded->text.size(), word->getName(), location))
    return true;
  ExpansionFrame frame;
  frame.name = FileName::expansion(macro->body.file, SourceOrigin::Macro,
                                   macro->label, location.getFileName(),
                                   location.getLine(), location.getCol());
  frame.sources = tokenizer->sourceCount();
  frame.blocks = blockStack.size();
  frame.macro = true;
  ++macroDepth;
  tokenizer->insertExpansion(frame.name, std::move(expanded),
                             macro->body.firstLine);
  expansions.push_back(std::move(frame));
  return true;
}

// The end of an expansion's text: blocks opened in it end with it; an
// .irp goes on with its next value.
void Parser::endExpansion(const Location &location) {
  if (expansions.empty())
    return;
  ExpansionFrame &frame = expansions.back();
  while (blockStack.size() > frame.blocks) {
    // Cut short by the end of the input: the text did not end here.
    if (inputEnded) {
      blockStack.pop_back();
      continue;
    }
    const Terminator &block = *blockStack.back();
    const std::string &name = block.getTerminatedPseudoOperation()->getName();
    error(location, unexpectedEnd(location, name));
    note(block.getLocation(), "here is the start of " + name);
    blockStack.pop_back();
  }
  tokenizer->cutSources(frame.sources);
  token = tokenizer->lineEnd();
  if (!frame.macro && frame.next < frame.values.size() && !inputEnded) {
    startIteration(frame);
    return;
  }
  if (frame.macro)
    --macroDepth;
  expansions.pop_back();
}
