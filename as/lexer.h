// lexer.h - turns the bytes of one source file into tokens; every lexical
// warning of the assembler is found here.
#ifndef ZV_AS_LEXER_H
#define ZV_AS_LEXER_H

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "diagnostics.h"
#include "float.h"
#include "location.h"
#include "reader.h"
#include "token.h"
#include "wordmap.h"

class Lexer {
public:
  // Lexical warnings go to diagnostics; without it the lexer keeps quiet.
  Lexer(WordMap *words, Diagnostics *diagnostics);
  Lexer(const Lexer &) = delete;
  Lexer &operator=(const Lexer &) = delete;

  // The file's text comes from files when given (see Reader::openFile).
  bool openFile(const FileName &name, SourceFiles *files = nullptr);
  // Reads a text made in memory; see Reader::openText.
  void openText(const FileName &name, std::shared_ptr<const SourceText> text,
                unsigned firstLine);
  void closeFile();

  // The next token: one of the lexer's own three objects, overwritten by the
  // next call, or an interned Word. Ends with a line end, the end-of-file
  // token and then code 256 forever.
  Token *scan();
  const Location &getTokenLocation() const { return tokenLocation; }

  // The raw text from the current character to the end of its statement
  // line, for the lines that are read as text (macro arguments): a line
  // comment ends it, a continued line goes on, a block comment counts as
  // one blank. The line end is left for the next scan.
  void readRestOfLine(std::string &text);
  // Passes over blanks; the character after them.
  char skipBlanks();
  // Lexical warnings go to diagnostics from now on (none when null).
  void setDiagnostics(Diagnostics *d) { diagnostics = d; }
  Diagnostics *getDiagnostics() const { return diagnostics; }

  // Saved reading positions for repetitions.
  void storeState();
  void restoreState();
  void purgeState();

  Reader &getReader() { return reader; }
  const Reader &getReader() const { return reader; }

  // Whether the text, read alone, is one word (a name the source could use).
  static bool isWordText(std::string_view text);

private:
  struct State {
    unsigned line;
    unsigned col;
    char current;
    int64_t position;
  };

  Token *scanEndOfInput();
  Token *scanWord();
  Token *scanNumber();
  Token *scanFloat();
  Token *scanString();
  Token *scanCharacter();
  // Skips to the end of a block comment; false at the end of the input.
  bool skipBlockComment();
  // Skips to the end of a line comment and past its line feed; false at the
  // end of the input.
  bool skipLineComment();
  Token *punctuation(int code);
  Token *operatorWord(const char *spelling);
  bool atEndOfInput() const;

  void warnAtLine(unsigned line, const std::string &text) const;
  void warnAt(const Location &location, const std::string &text) const;

  Reader reader;
  Location tokenLocation;
  std::vector<State> states;
  Diagnostics *diagnostics;
  WordMap *words;
  bool endLineGiven = false;
  bool endOfFileGiven = false;
  Token token;
  Number number;
  String string;
  std::string wordText; // reused buffer for the characters of a word
  Float floatText;
};

#endif
