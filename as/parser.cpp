// parser.cpp - the assembler's run: two passes over the source, the
// statement loop, labels, paragraphs and the token operations of every
// handler.
#include "parser.h"

#include "architecture.h"
#include "codegeneration.h"
#include "debuginfoproducer.h"
#include "expression.h"
#include "expressioncalculator.h"
#include "expressionnode.h"
#include "instruction.h"
#include "messagehints.h"
#include "operationdata.h"
#include "reltab.h"
#include "sectab.h"
#include "section.h"
#include "subsection.h"
#include "symbol.h"
#include "symtab.h"
#include "terminator.h"
#include "tokenizer.h"
#include "zp100_arch.h"
#include "zp200_arch.h"

Parser::Parser(const std::string &outputName,
               const std::vector<std::string> &includeDirectories,
               uint16_t processorCode, uint16_t syntax, bool debug,
               std::ostream &messages)
    : diagnostics(messages), outputName(outputName),
      includeDirectories(includeDirectories),
      tokenizer(std::make_unique<Tokenizer>(&diagnostics)),
      symtab(std::make_unique<Symtab>()), sectab(std::make_unique<Sectab>()),
      debug(debug) {
  if (processorCode == EM_ZP200)
    architecture = std::make_unique<ZP200_Arch>(tokenizer.get(), processorCode);
  else
    architecture = std::make_unique<ZP100_Arch>(tokenizer.get(), processorCode);
  initialSyntax = syntax ? syntax : architecture->getDefaultSyntax();
  currentSyntax = initialSyntax;
  windowSize = architecture->getWindowSpaceSize();
  ring.resize(windowSize);
  staging = std::make_unique<OperationData>();
  aliasWord = tokenizer->getWord(".alias");
  macroWord = tokenizer->getWord(".macro");
  endmWord = tokenizer->getWord(".endm");
  endrWord = tokenizer->getWord(".endr");
  repetitionOpeners = {tokenizer->getWord(".rept"), tokenizer->getWord(".irp"),
                       tokenizer->getWord(".irpc")};
  errorOperation = static_cast<const Operation *>(
      architecture->getInstruction(tokenizer->getWord("?_ERROR_?")));
  hints = std::make_unique<MessageHints>(*architecture, *symtab, macros);
  diagnostics.setHints(hints.get());
  diagnostics.setSources(&tokenizer->getSourceFiles());
}

Parser::~Parser() = default;

int Parser::parse(const std::string &inputName) {
  inputFile = FileName(inputName);
  noteFileRead(inputName);

  // Pass 1 counts bytes and defines labels. Its messages are held back:
  // they are shown only when it fails, since pass 2 says them again.
  diagnostics.hold();
  pass = 1;
  addPredefinedData(inputFile);
  calculator =
      std::make_unique<ExpressionCalculator>(absoluteSubsection, diagnostics);
  // Until layout, a label is counted from its subsection's start.
  calculator->setLabelsAreSectionOffsets(false);
  runPass(inputFile);
  if (getErrorCount() != 0) {
    diagnostics.release();
    return static_cast<int>(getErrorCount());
  }
  diagnostics.discard();

  // Layout: subsection offsets and alignment padding become final, and
  // the label values recorded in pass 1 become section offsets.
  if (!sectab->sortSectionSubsections()) {
    diagnostics.fileError(inputFile, sectab->getLastError());
    return static_cast<int>(getErrorCount());
  }
  symtab->adjustSymbolValues();
  calculator->setLabelsAreSectionOffsets(true);
  tokenizer->clearAliasTable();
  // Macros, like aliases, are defined afresh: pass 2 sees the same ones.
  macros.clear();
  pass = 2;
  addPredefinedData(inputFile);
  codeGeneration = std::make_unique<CodeGeneration>(architecture->getCode(),
                                                    architecture->getEncoding(),
                                                    architecture->getFlags());
  reltab = std::make_unique<Reltab>();

  // A source that brings its own debugging sections gets none from us.
  if (debug && sectab->findSectionByPrefixName(".debug_"))
    debug = false;
  if (debug)
    debugProducer = std::make_unique<AsmDebugInfoProducer>(
        inputFile,
        DebugInfoProducer::flagsForEncoding(architecture->getEncoding()),
        CodeGeneration::getDwarfSection, codeGeneration.get());
  if (debugProducer)
    debugProducer->setPrefixMap(&debugPrefixMap);

  // Pass 2 writes the bytes, the operation words and the relocations.
  runPass(inputFile);
  if (getErrorCount() != 0)
    return static_cast<int>(getErrorCount());
  // The bytes pass 2 made must be those pass 1 laid out; anything else is
  // an object whose symbols and sizes disagree with its contents.
  if (!sectab->checkLayout()) {
    diagnostics.fileError(inputFile, sectab->getLastError());
    return static_cast<int>(getErrorCount());
  }

  if (!prepareDebugSections(inputFile))
    return static_cast<int>(getErrorCount());

  // The object.
  if (!codeGeneration->generateCode(outputName, tokenizer.get(), sectab.get(),
                                    symtab.get(), reltab.get(),
                                    debugProducer.get()))
    diagnostics.fileError(inputFile, codeGeneration->getError());
  return static_cast<int>(getErrorCount());
}

bool Parser::prepareDebugSections(const FileName &file) {
  const Location location(file, 0, 0);
  auto create = [&](const char *name) {
    addSection(location, tokenizer->getWord(name), SHT_PROGBITS, 0, 0, 0);
  };

  // Source positions from .file/.loc win over the assembly lines.
  if (!fileTable.empty()) {
    debugProducer.reset();
    debug = false;
    if (!sectab->findSectionByName(".debug_info") &&
        !sectab->findSectionByName(".debug_abbrev")) {
      create(".debug_info");
      create(".debug_abbrev");
    }
    if (Section *line = sectab->findSectionByName(".debug_line")) {
      const SectionData *data = sectab->getSectionData(line);
      if (data && data->getDataSize() != 0) {
        diagnostics.fileError(file, "duplicate .debug_line sections");
        return false;
      }
    } else {
      create(".debug_line");
    }
    auto producer = std::make_unique<SrcDebugInfoProducer>(
        file, DebugInfoProducer::flagsForEncoding(architecture->getEncoding()),
        CodeGeneration::getDwarfSection, codeGeneration.get());
    producer->setPrefixMap(&debugPrefixMap);
    const Section *text = sectab->findSectionByName(".text");
    const SectionData *textData = text ? sectab->getSectionData(text) : nullptr;
    producer->setSourceDataForDebugLineSection(
        &fileTable, &lineList,
        symtab->getExistingSymbol(tokenizer->getWord(".text")),
        textData ? textData->getDataSize() : 0);
    debugProducer = std::move(producer);
    return true;
  }

  if (!debug || !debugProducer)
    return true;
  const std::vector<std::string> &names =
      debugProducer->getDebugSectionNameSequence();
  if (names.empty()) {
    // Nothing to describe: no debugging sections at all.
    debugProducer.reset();
    debug = false;
    return true;
  }
  for (size_t i = 0; i < names.size(); i += 2)
    create(names[i].c_str());
  return true;
}

void Parser::runPass(const FileName &file) {
  currentSubsection = nullptr;
  paragraphOpen = false;
  operationCount = 0;
  blockStack.clear();
  expansions.clear();
  macroDepth = 0;
  expansionCount = expandedBytes = 0;
  inputEnded = false;
  currentSyntax = initialSyntax;
  statementCount = impureStatementCount = 0;
  if (!tokenizer->insertFile(file)) {
    diagnostics.fileError(file,
                          "can't open '" + file.getName() + "' for reading");
    return;
  }
  move();
  for (;;) {
    switch (token->getCode()) {
    case TC_NEWLINE:
      move();
      continue;
    case TC_NONE:
      reportReadFailure(file);
      return;
    case TC_EOF:
      eval__EOF__();
      move();
      break;
    case TC_WORD:
      evalWord(static_cast<Word *>(token));
      break;
    default:
      countStatement(false);
      errorAtToken("junk at end of line, first unrecognized token is '" +
                   unrecognizedToken(token) + "'");
      move(TC_NEWLINE);
      break;
    }
    if (token->getCode() == TC_NONE) {
      reportReadFailure(file);
      return;
    }
    // Nothing after this can place a byte: whatever the source goes on
    // to do, the section cannot be written.
    if (reportSectionOverflow())
      return;
  }
}

bool Parser::reportSectionOverflow() {
  if (!currentSubsection || !currentSubsection->isOverflow())
    return false;
  diagnostics.fileError(
      inputFile, "section '" + currentSubsection->getSection()->getStrName() +
                     "' is larger than 4 GiB");
  return true;
}

void Parser::reportReadFailure(const FileName &file) {
  // A source that could not be read to its end must not assemble into an
  // object from the part that was read.
  if (!tokenizer->lastError().empty())
    diagnostics.fileError(file, tokenizer->lastError());
}

namespace {

// Directives whose only effect in pass 1 is to move the current
// subsection's counter by an amount their own text fixes.
bool isPureDirective(int kind) {
  switch (kind) {
  case IK_INIT_MEMORY:
  case PO_SKIP:
  case PO_FILL:
  case PO_SLEB128:
  case PO_ULEB128:
    return true;
  default:
    return false;
  }
}

// .rept and .endr are the frame of a repetition, not part of its body.
bool isRepetitionDirective(const PseudoOperation *directive) {
  if (directive->getKind() == IK_TERMINATED)
    return static_cast<const TerminatedPseudoOperation *>(directive)
               ->getCode() == PO_REPT;
  if (directive->getKind() == IK_TERMINATING)
    return static_cast<const TerminatingPseudoOperation *>(directive)
               ->getCode() == PO_ENDR;
  return false;
}

} // namespace

void Parser::evalWord(Word *word) {
  Location location = getTokenLocation();
  if (word == aliasWord) {
    bool ok = false;
    token = tokenizer->defineAlias(&ok);
    if (ok) {
      countStatement(false);
      return;
    }
    // ".alias" followed by no name is an ordinary word after all.
  } else if (word->getMacro() && invokeMacro(word, location)) {
    return;
  } else {
    move();
  }

  if (token->getCode() == ':') {
    countStatement(false);
    evalLabel(word, location);
    move();
    return;
  }
  if (token->getCode() == TC_ASSIGN) {
    countStatement(false);
    evalParagraphOperationNumberLabel(word, location);
    move();
    return;
  }
  if (word == aliasWord) {
    countStatement(false);
    error(location,
          "expected alias name, got '" + unrecognizedToken(token) + "'");
    move(TC_NEWLINE);
    return;
  }

  const Instruction *instruction = architecture->getInstruction(word);
  if (instruction && instruction->isOperation()) {
    countStatement(false);
    evalOperation(static_cast<const Operation *>(instruction), location);
    return;
  }
  if (instruction && instruction->isPseudoOperation()) {
    const auto *directive = static_cast<const PseudoOperation *>(instruction);
    if (!isRepetitionDirective(directive))
      countStatement(isPureDirective(directive->getKind()));
    evalPseudoOperation(directive, location);
    return;
  }
  countStatement(false);
  if (paragraphOpen) {
    // The placeholder keeps the numbers of the operations after it.
    evalOperation(errorOperation, location);
    error(location, "no such operation '" + word->getName() + "'",
          {Hint::UnknownOperation, word->getName()});
  } else {
    const bool dot = word->getName()[0] == '.';
    error(location,
          "junk at end of line, first unrecognized token is '" +
              word->getName() + "'",
          {dot ? Hint::UnknownDirective : Hint::UnknownOperation,
           word->getName()});
  }
  move(TC_NEWLINE);
}

void Parser::evalLabel(Word *word, const Location &location) {
  const std::string &name = word->getName();
  if (!currentSubsection) {
    error(location, "label '" + name +
                        "' must be placed in '.text' or '.data' or '.bss' "
                        "section");
    return;
  }
  if (paragraphOpen && operationCount != 0) {
    warning(location, "ignore label '" + name +
                          "' because it is placed inside the paragraph");
    return;
  }
  Symbol *symbol = symtab->getSymbol(word);
  if (pass == 1) {
    if (symbol->isDefined()) {
      std::string text = "symbol '" + name + "' is already defined";
      const Value *value = symbol->getValue();
      if (value && value->getExpression()) {
        const Location &previous = value->getExpression()->getLocation();
        text += " at line " + std::to_string(previous.getLine());
        if (previous.getName() != location.getName())
          text += " in " + previous.getName();
      }
      error(location, text);
    } else {
      setLabelValue(symbol, location);
    }
  } else {
    setNextSymbolValue(symbol);
    checkLabelPosition(symbol, location);
  }
  if (!paragraphOpen && currentSubsection->getSection()->isText())
    startParagraph();
}

void Parser::startParagraph() {
  paragraphOpen = true;
  setRegisterMask = 0;
  paragraphLabels.clear();
}

void Parser::evalParagraphOperationNumberLabel(Word *word,
                                               const Location &location) {
  if (!paragraphOpen) {
    warning(location, "paragraph operation number label '" + word->getName() +
                          "' is outside the paragraph, ignore");
    return;
  }
  auto inserted = paragraphLabels.emplace(word, operationCount);
  if (!inserted.second) {
    inserted.first->second = operationCount;
    warning(location, "redefenition paragraph operation number label '" +
                          word->getName() + "'");
  }
}

void Parser::eval__EOF__() {
  Location location = getTokenLocation();
  // The end of an expansion is no end of a file: the paragraph goes on.
  if (location.getFileName().getOrigin().isExpansion()) {
    endExpansion(location);
    return;
  }
  if (paragraphOpen) {
    if (operationCount != 0)
      error(location, "missing end of paragraph operation");
    else
      warning(location, "empty paragraph");
    operationCount = 0;
    paragraphOpen = false;
  }
  // Blocks opened in an including file stay open.
  while (!blockStack.empty() &&
         blockStack.back()->getLocation().getIndex() == location.getIndex()) {
    const Terminator &block = *blockStack.back();
    const std::string &name = block.getTerminatedPseudoOperation()->getName();
    error(location, "unexpected end of file in " + name);
    note(block.getLocation(), "here is the start of " + name);
    blockStack.pop_back();
  }
}

void Parser::setLabelValue(Symbol *symbol, const Location &location) {
  symbol->setDefined(true);
  bool isOffset = currentSubsection->isValidDot();
  auto *number = new ExpressionNumberNode(currentSubsection->getDot(), false,
                                          currentSubsection);
  symbol->setValue(new Expression(location, number), isOffset);
}

void Parser::checkLabelPosition(const Symbol *symbol,
                                const Location &location) {
  const Expression *e = symbol->getValue()->getExpression();
  const ExpressionNode *root = e ? e->getExpressionNode() : nullptr;
  if (!root || !root->isNumber())
    return;
  const auto *number = static_cast<const ExpressionNumberNode *>(root);
  const uint32_t dot = currentSubsection->getRealDot();
  if (number->getSubsection() == currentSubsection &&
      number->getValue() == int64_t(dot))
    return;
  error(location, "label '" + symbol->getStrName() + "' is at offset " +
                      std::to_string(dot) + " in pass 2, laid out at " +
                      std::to_string(number->getValue()));
}

void Parser::setNextSymbolValue(Symbol *symbol) {
  symbol->nextValue();
  if (!debug || !debugProducer || !debugProducer->isAsmDebugInfo())
    return;
  // ".L" labels are the assembler's own and never described.
  if (symbol->isLocal() || symbol->getStrName().compare(0, 2, ".L") == 0)
    return;
  const Section *section = symbol->getValue()->getSection();
  if (!section)
    return;
  auto *producer = static_cast<AsmDebugInfoProducer *>(debugProducer.get());
  if (section->isText()) {
    // A label outside any paragraph starts one, even when the last was
    // closed by the end of a file rather than by complete.
    if (!paragraphOpen)
      producer->closeParagraph();
    producer->addParagraph(symbol);
  } else if (section->isData() || section->isBss()) {
    producer->addLabel(symbol);
  }
}

// ---- Token operations ----

void Parser::move() { token = tokenizer->nextToken(); }

void Parser::move(int code) {
  while (token->getCode() != code && token->getCode() != TC_EOF &&
         token->getCode() != TC_NONE)
    move();
}

void Parser::moven(int code) {
  while (token->getCode() != code && token->getCode() != TC_NEWLINE &&
         token->getCode() != TC_EOF && token->getCode() != TC_NONE)
    move();
}

bool Parser::expectLineEnd() {
  if (isLineEnd())
    return true;
  errorAtToken("extra tokens at end of line from token '" +
               unrecognizedToken(token) + "'");
  move(TC_NEWLINE);
  return false;
}

bool Parser::isNotComma() {
  if (token->getCode() == ',')
    return false;
  errorAtToken("expected comma, got '" + unrecognizedToken(token) + "'");
  return true;
}

bool Parser::isNotString() {
  if (token->getCode() == TC_STRING)
    return false;
  errorAtToken("expected double quoted string, got '" +
               unrecognizedToken(token) + "'");
  return true;
}

bool Parser::isNotNumber() {
  if (token->getCode() == TC_NUMBER)
    return false;
  errorAtToken("expected number, got '" + unrecognizedToken(token) + "'");
  return true;
}

bool Parser::isNotSymbol() {
  if (token->getCode() == TC_WORD)
    return false;
  errorAtToken("expected symbol name, got '" + unrecognizedToken(token) + "'");
  return true;
}

const std::string &Parser::unrecognizedToken(const Token *t) {
  lastTokenText = tokenizer->displayText(t);
  return lastTokenText;
}

Location Parser::getTokenLocation() const {
  return tokenizer->getTokenLocation();
}

// ---- Diagnostics ----

void Parser::errorAtToken(const std::string &text) {
  error(getTokenLocation(), text);
}

void Parser::warningAtToken(const std::string &text) {
  warning(getTokenLocation(), text);
}

void Parser::noteAtToken(const std::string &text) {
  note(getTokenLocation(), text);
}

void Parser::reportCalculationError(const Expression *e) {
  diagnostics.report(*e->getCalculationError());
}
