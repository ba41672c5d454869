// parser.h - the assembler's run: two passes over the source, statements,
// labels and paragraphs, operations and directives, then the object.
#ifndef ZV_AS_PARSER_H
#define ZV_AS_PARSER_H

#include <cstdint>
#include <iostream>
#include <list>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "diagnostics.h"
#include "filename.h"
#include "location.h"
#include "macro.h"
#include "pathprefixmap.h"
#include "symboldefinition.h"
#include "token.h"

class Architecture;
class CodeGeneration;
class DebugInfoProducer;
class Expression;
class ExpressionCalculator;
class ExpressionNode;
class InitMemoryPseudoOperation;
class MessageHints;
class Operation;
class OperationData;
class PseudoOperation;
class Reltab;
class ReptTerminator;
class Section;
class Sectab;
class Subsection;
class Symbol;
class Symtab;
class Terminator;
class TerminatedPseudoOperation;
class TerminatingPseudoOperation;
class Tokenizer;
struct DwarfLine;

// What is said of a directive operand that is not absolute. The text is
// put together only when it is said: head, then name and tail if named.
struct NotAbsoluteText {
  const char *head = "bad or irreducible absolute expression";
  const std::string *name = nullptr;
  const char *tail = "";
};

class Parser {
public:
  // Messages go to the given stream.
  Parser(const std::string &outputName,
         const std::vector<std::string> &includeDirectories,
         uint16_t processorCode, uint16_t syntax, bool debug,
         std::ostream &messages = std::cerr);
  ~Parser();
  Parser(const Parser &) = delete;
  Parser &operator=(const Parser &) = delete;

  // Assembles inputName; returns the error count (0: the object was written).
  int parse(const std::string &inputName);
  // Whether an included file turned out to be the output, which a failed
  // run must then leave alone.
  bool isOutputASource() const { return outputIsSource; }

  // ---- Set up before parse. ----
  // A symbol defined as if by .set before the first line (--defsym).
  void defineSymbol(const SymbolDefinition &definition) {
    commandLineSymbols.push_back(definition);
  }
  // Directory names in the debugging information go through the map.
  void setDebugPrefixMap(const PathPrefixMap &map) { debugPrefixMap = map; }
  // Every file the run read, the main source first and then each other
  // once, in the order first read: what a dependency file lists.
  const std::vector<std::string> &getFilesRead() const { return filesRead; }

  // ---- Diagnostics: every message of the run goes through them. ----
  // "<loc>: error: text" (warning:, note:); only errors are counted.
  void error(const Location &loc, const std::string &text,
             const Hint &hint = {}) {
    diagnostics.error(loc, text, hint);
  }
  void warning(const Location &loc, const std::string &text) {
    diagnostics.warning(loc, text);
  }
  void note(const Location &loc, const std::string &text) {
    diagnostics.note(loc, text);
  }
  // The same at the current token's location.
  void errorAtToken(const std::string &text);
  void warningAtToken(const std::string &text);
  void noteAtToken(const std::string &text);
  // Says the error an expression's calculation stopped at.
  void reportCalculationError(const Expression *e);
  Diagnostics &getDiagnostics() { return diagnostics; }
  unsigned getErrorCount() const { return diagnostics.getErrorCount(); }

  // ---- Token operations for statement handlers. ----
  void move();
  void move(int code);
  void moven(int code);
  // The statement must end here; otherwise an error, and the rest of the
  // line is skipped. True at the line end.
  bool expectLineEnd();
  bool isNotComma();
  bool isNotString();
  bool isNotNumber();
  bool isNotSymbol();
  const std::string &unrecognizedToken(const Token *token);
  Token *getCurrentToken() const { return token; }
  Location getTokenLocation() const;
  int tokenCode() const { return token->getCode(); }
  // Line end, end of file or no more input.
  bool isLineEnd() const {
    const int code = token->getCode();
    return code == TC_NEWLINE || code == TC_EOF || code == TC_NONE;
  }

  // ---- Run state shared by the handlers. ----
  int getPass() const { return pass; }
  Tokenizer *getTokenizer() const { return tokenizer.get(); }
  Architecture *getArchitecture() const { return architecture.get(); }
  Sectab *getSectab() const { return sectab.get(); }
  Symtab *getSymtab() const { return symtab.get(); }
  Reltab *getReltab() const { return reltab.get(); }
  ExpressionCalculator *getCalculator() const { return calculator.get(); }
  Subsection *getCurrentSubsection() const { return currentSubsection; }
  void setCurrentSubsection(Subsection *s) { currentSubsection = s; }
  Subsection *getAbsoluteSubsection() const { return absoluteSubsection; }
  Subsection *getCommonSubsection() const { return commonSubsection; }
  bool isParagraphOpen() const { return paragraphOpen; }
  uint16_t getSyntax() const { return currentSyntax; }
  DebugInfoProducer *getDebugProducer() const { return debugProducer.get(); }

  // ---- Statements, labels and paragraphs (parser.cpp). ----
  void setLabelValue(Symbol *symbol, const Location &location);
  void setNextSymbolValue(Symbol *symbol);
  // Pass 2: a label must be reached where pass 1 laid it out.
  void checkLabelPosition(const Symbol *symbol, const Location &location);

  // ---- Sections, symbols and relocations (parser_sections.cpp). ----
  Section *addSection(const Location &location, const Word *name, uint32_t type,
                      uint32_t flags, uint32_t entsize, uint8_t encoding);
  void addPredefinedData(const FileName &file);
  void addRelocationEntry(const Section *section, uint32_t offset,
                          const Expression *expression, uint8_t type);
  int64_t getExpressionValue(const Expression *expression) const;

  // ---- Expressions (parser_of_expression.cpp). ----
  // The expression at the current token, owned by the caller; null after
  // a syntax error (already reported and counted).
  Expression *parseExpression();
  // An operand that is no more than an integer literal, or a minus and one,
  // up to a comma or the line end: its value and where it began.
  struct PlainNumber {
    bool found = false;
    int64_t value = 0;
    Location location;
  };
  // parseExpression, except that a plain number (see PlainNumber) is given
  // in plain, with null returned: data operands mostly are, and they need
  // no tree. Every message and every other result is parseExpression's.
  Expression *parseExpressionOrNumber(PlainNumber &plain);
  // Reads the expression as parseExpression does, with the same messages
  // and the same symbols made, but builds nothing; false after a syntax
  // error. For pass 1, which only asks whether an operand is well formed.
  bool skimExpression();

  // ---- Directives (parser_of_pseudo_operation.cpp; the handlers in
  // parser_of_*_directives.cpp). ----
  void evalPseudoOperation(const PseudoOperation *directive,
                           const Location &location);
  // Calculates the expression; true with value set when it is an absolute
  // integer, else false with value 0 after an error (or, for a float, a
  // warning).
  bool isAbsoluteExpression(Expression *expression, long long &value,
                            const NotAbsoluteText &message = {});
  // The operand at the current token; null after a syntax error, the rest
  // of the line skipped.
  std::unique_ptr<Expression> parseOperand();
  // An operand that must be absolute, at the current token. Returns it with
  // value set, or null with value 0 after an error, the rest of the line
  // skipped.
  std::unique_ptr<Expression>
  parseAbsoluteOperand(long long &value, const NotAbsoluteText &message = {});
  int64_t adjustValue(Expression *expression, unsigned size);
  // adjustValue for a value that is an absolute number.
  int64_t adjustNumber(int64_t value, const Location &location, unsigned size);
  bool truncateToSignificantBytes(int64_t &value, const Section *section,
                                  unsigned size) const;

  // ---- Operations (parser_of_operation.cpp). ----
  void evalOperation(const Operation *operation, const Location &location);

  // The most text all macro and .irp expansions of one pass may make
  // (each expansion counts a little more than its text); past it nothing
  // more is expanded and the pass ends.
  static constexpr uint64_t DEFAULT_EXPANSION_BUDGET = uint64_t(1) << 30;
  void setExpansionBudget(uint64_t bytes) { expansionBudget = bytes; }

private:
  // ---- parser.cpp ----
  void runPass(const FileName &file);
  void reportReadFailure(const FileName &file);
  void evalWord(Word *word);
  void evalLabel(Word *word, const Location &location);
  void evalParagraphOperationNumberLabel(Word *word, const Location &location);
  void eval__EOF__();
  // Counts a statement for the repetitions around it; a pure one only moves
  // the current subsection's counter by what its text says.
  void countStatement(bool pure) {
    ++statementCount;
    if (!pure)
      ++impureStatementCount;
  }
  // Reports the current section when it has passed 4 GiB; true then.
  bool reportSectionOverflow();
  void startParagraph();
  bool prepareDebugSections(const FileName &file);
  Word *aliasWord = nullptr;                 // ".alias"
  const Operation *errorOperation = nullptr; // "?_ERROR_?"

  // ---- parser_of_expression.cpp ----
  Expression *finishExpression(const Location &location, ExpressionNode *root);
  ExpressionNode *binaryExpression(int lowest);
  ExpressionNode *binaryExpressionFrom(ExpressionNode *left, int lowest);
  ExpressionNode *unaryFactor(int readPrefix = 0);
  ExpressionNode *factor();
  ExpressionNode *parenthesizedFactor();
  ExpressionNode *locationCounterFactor();
  unsigned expressionDepth = 0; // parentheses open in the current expression
  bool skimming = false;        // nodes are not made (skimExpression)

  // ---- parser_of_operation.cpp ----
  bool isNotSwitchBoard(int i);
  bool isNotRegister(int i);
  void checkSbRef(uint32_t r, const Word *label);
  bool getVField();
  bool passVFieldSeparator();
  bool getOptionalVField();
  bool evalVValue(Expression *expression);
  bool getF2AndVFields_syntaxV1();
  bool getF2AndVFields_syntaxV2();
  bool getF2AndVFields(); // by the current syntax
  bool operation_exa();
  bool operation_set();
  bool operation_move();
  bool operation_arg0();
  bool operation_arg1();
  bool operation_arg2();
  void operation_complete(unsigned slot, const Location &location);
  void writeOutSlot(unsigned slot);
  void writeOutParagraph();

  // ---- Directive handlers: eval + the directive's name. ----
  // Counts and sizes are 32-bit fields: a larger operand is refused rather
  // than cut.
  static constexpr int64_t MAX_COUNT = 0xffffffffLL;

  // parser_of_data_directives.cpp
  void evalSectionDirective(const PseudoOperation *directive);
  void evalSubsection(const Location &location);
  void evalInitMemory(const InitMemoryPseudoOperation *directive);
  void evalAlign(const PseudoOperation *directive);
  bool checkAlignment(long long &alignment, const Location &location);
  void evalSkip(const PseudoOperation *directive);
  void evalFill();
  void evalLeb128(bool isSigned);

  // parser_of_symbol_directives.cpp
  void setSymbolBind(uint8_t binding);
  void evalBindValue(uint8_t binding);
  void evalGlobal();
  void evalLocal();
  void evalWeak();
  Symbol *beginCommon(Location &nameLocation);
  void passCommon(Symbol *symbol);
  void defineCommon(Symbol *symbol, const Location &nameLocation, uint32_t size,
                    uint32_t localAlignment, bool local);
  void evalComm();
  void evalLcomm();
  bool getAllocSize(uint32_t &size);
  Subsection *switchToBssSubsection();
  void evalSet();
  void evalEquiv();
  void evalEqv();
  void evalSymbolValue(Symbol *symbol);
  void evalAssignment(bool once, bool eachTime);
  Symbol *getAssignedSymbol(bool &refused, bool byValue);
  Symbol *getSymbolAndComma();
  void evalType();
  void evalSize();

  // parser_of_block_directives.cpp
  void evalTerminatedPseudoOperation(const TerminatedPseudoOperation *directive,
                                     const Location &location);
  void
  evalTerminatingPseudoOperation(const TerminatingPseudoOperation *directive,
                                 const Location &location);
  bool evalIfe(const TerminatedPseudoOperation *directive);
  bool evalIfValue(const std::string &name, int code);
  bool evalIfb(bool blank);
  bool evalIfd(const TerminatedPseudoOperation *directive, bool defined);
  bool evalIfeqs(bool equal);
  void evalElse(const PseudoOperation *directive, const Location &location);
  void evalEndif(const Location &location);
  void evalRept();
  void evalEndr(const Location &location, bool replaying = true);
  void startIteration(ReptTerminator &rept);
  bool isRepetitionSettled(ReptTerminator &rept);
  void addTerminatedPseudoOperationToStack(
      const TerminatedPseudoOperation *directive, const Location &location);
  void skipConditionalBlock();
  void skipToCurrentTerminator();
  void skipBlock(bool stopAtElse);
  bool skipPseudoOperation(size_t depth, bool stopAtElse);
  bool findIncludeFile(const std::string &name, std::string &path);
  bool resolveSourceFile(const std::string &name, const Location &location,
                         std::string &path);
  void noteFileRead(const std::string &path);
  bool parseFileNameOperand(std::string &name, Location &location);
  void evalInclude();
  void evalIncbin();
  void evalErr();
  void evalError();
  void evalWarning();
  void evalUserMessage(bool isError, const std::string &defaultText);
  void evalFail();
  void evalPrint();
  void evalEnd();
  void evalSyntax();

  // parser_of_position_directives.cpp
  void evalFile();
  void evalLoc();

  // parser_of_macro_directives.cpp
  void evalMacro(const Location &location);
  bool checkMacroName(const Word *name, const Location &location);
  void evalEndm(const Location &location);
  void evalExitm(const Location &location);
  void evalPurgem();
  void evalIrp(const TerminatedPseudoOperation *directive,
               const Location &location);
  // A statement that starts with the name of a macro; false when the name
  // is a label after all.
  bool invokeMacro(Word *word, const Location &location);
  // Reads the body of the block opened at location; false (reported) when
  // the text ends first, the end being the current token then.
  bool readBlockBody(const std::string &directive, const Location &location,
                     bool macroBody, MacroBody &body);
  bool chargeExpansion(size_t bytes, const std::string &name,
                       const Location &location);
  void startIteration(ExpansionFrame &frame);
  void endExpansion(const Location &location);
  // "unexpected end of ..." for a text that ends at location.
  std::string unexpectedEnd(const Location &location,
                            const std::string &directive) const;
  // Ends the input of this pass, every open text at its end.
  void endInput();

  // ---- Members. ----
  Diagnostics diagnostics; // first: everything below may report
  std::string outputName;
  bool outputIsSource = false;
  std::vector<std::string> includeDirectories;
  std::unordered_map<std::string, std::string> includePaths; // name -> found
  std::vector<std::string> filesRead;
  std::unordered_set<std::string> filesReadSet;
  std::vector<SymbolDefinition> commandLineSymbols;
  PathPrefixMap debugPrefixMap;
  uint16_t initialSyntax;
  uint16_t currentSyntax;
  std::unique_ptr<Tokenizer> tokenizer;
  Token *token = nullptr;
  std::unique_ptr<Architecture> architecture;
  std::unique_ptr<Symtab> symtab;
  std::unique_ptr<Sectab> sectab;
  Subsection *currentSubsection = nullptr;
  Subsection *absoluteSubsection = nullptr;
  Subsection *commonSubsection = nullptr;
  std::unique_ptr<Reltab> reltab;
  std::unique_ptr<ExpressionCalculator> calculator;
  int pass = 1;
  bool expressionReport = false; // no error reported yet in this expression
  std::string lastTokenText;
  std::list<std::unique_ptr<Terminator>> blockStack;
  MacroTable macros;
  std::unique_ptr<MessageHints> hints;
  std::vector<ExpansionFrame> expansions;
  unsigned macroDepth = 0;     // macro expansions in progress
  uint64_t expansionCount = 0; // macro expansions of this pass: \@
  uint64_t expandedBytes = 0;  // what the expansions of this pass made
  uint64_t expansionBudget = DEFAULT_EXPANSION_BUDGET;
  bool inputEnded = false;
  Word *macroWord = nullptr;                   // ".macro"
  Word *endmWord = nullptr;                    // ".endm"
  std::vector<const Word *> repetitionOpeners; // .rept, .irp, .irpc
  Word *endrWord = nullptr;                    // ".endr"
  // Statements run in this pass, the block directives of repetitions
  // aside, and those among them that did more than make bytes.
  uint64_t statementCount = 0;
  uint64_t impureStatementCount = 0;
  bool paragraphOpen = false;
  std::unordered_map<const Word *, unsigned> paragraphLabels;
  uint64_t setRegisterMask = 0;
  unsigned operationCount = 0; // n: operations of the open paragraph
  unsigned windowSize = 0;
  std::vector<OperationData> ring;
  std::unique_ptr<OperationData> staging;
  bool debug;
  std::unique_ptr<DebugInfoProducer> debugProducer;
  std::unique_ptr<CodeGeneration> codeGeneration;
  std::map<unsigned, std::string> fileTable;
  std::vector<std::unique_ptr<DwarfLine>> lineList;
  FileName inputFile;
};

#endif
