// tokenizer.h - the parser's one token stream: a stack of token sources (the
// main file, its includes, alias expansions) and the alias table.
#ifndef ZV_AS_TOKENIZER_H
#define ZV_AS_TOKENIZER_H

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "diagnostics.h"
#include "filename.h"
#include "lexer.h"
#include "location.h"
#include "macro.h"
#include "sourcefiles.h"
#include "token.h"
#include "wordmap.h"

// One name defined with .alias and its value.
struct Alias {
  Alias() = default;
  Alias(const Alias &) = delete;
  Alias &operator=(const Alias &) = delete;
  ~Alias();

  void clearTokens();

  bool beingExpanded = false;
  // A null start entry, then owned copies of the value's tokens (words are
  // the interned ones and not owned).
  std::vector<Token *> tokens;
  // A value defined while the alias was being expanded; it replaces the
  // tokens when that expansion ends.
  std::vector<Token *> pending;
  bool hasPending = false;
  Location location;
};

class TokenSource {
public:
  TokenSource() = default;
  TokenSource(const TokenSource &) = delete;
  TokenSource &operator=(const TokenSource &) = delete;
  virtual ~TokenSource() = default;

  virtual bool isStream() const { return false; }
  virtual bool isAlias() const { return false; }
  virtual Token *getToken() = 0;
  virtual const Location &getTokenLocation() const = 0;
  virtual bool isError() { return false; }
  virtual void storeState() {}
  virtual void restoreState() {}
  virtual void purgeState() {}

  const std::string &lastError() const { return error; }

protected:
  std::string error;
};

// The bottom of the stack: no more input, forever.
class NoneTokenSource : public TokenSource {
public:
  explicit NoneTokenSource(Token *none) : none(none) {}
  Token *getToken() override { return none; }
  const Location &getTokenLocation() const override { return location; }

private:
  Token *none;
  Location location;
};

// One open source file, or (as an expansion) text made in memory.
class StreamTokenSource : public TokenSource {
public:
  StreamTokenSource(WordMap *words, Diagnostics *diagnostics);
  ~StreamTokenSource() override;

  bool openFile(const FileName &name, SourceFiles *files);
  virtual bool isExpansion() const { return false; }
  // Where the raw text at (line, col) of this source stands as written.
  virtual Location locationAt(unsigned line, unsigned col) const {
    return Location(lexer.getReader().getFileName(), line, col);
  }
  // The map of this source's columns to those of the text as written;
  // null when they are the same.
  virtual const std::shared_ptr<const ColumnMap> &getColumns() const;
  bool isStream() const override { return true; }
  Token *getToken() override { return lexer.scan(); }
  const Location &getTokenLocation() const override {
    return lexer.getTokenLocation();
  }
  bool isError() override;
  void storeState() override { lexer.storeState(); }
  void restoreState() override { lexer.restoreState(); }
  void purgeState() override { lexer.purgeState(); }
  void end() { lexer.getReader().end(); }
  Lexer &getLexer() { return lexer; }
  const Lexer &getLexer() const { return lexer; }

private:
  Lexer lexer;
};

// The text of one macro expansion or one .irp iteration: lines keep the
// numbers of the body as written, columns are mapped back to it.
class ExpansionTokenSource : public StreamTokenSource {
public:
  ExpansionTokenSource(WordMap *words, Diagnostics *diagnostics);

  // Reads the text under name; a source is opened again for every
  // expansion it serves.
  void open(const FileName &name, std::shared_ptr<const ExpandedText> text,
            unsigned firstLine);
  // Lets the text go.
  void close();

  bool isExpansion() const override { return true; }
  const Location &getTokenLocation() const override;
  Location locationAt(unsigned line, unsigned col) const override;
  const std::shared_ptr<const ColumnMap> &getColumns() const override {
    return text->columns;
  }

private:
  std::shared_ptr<const ExpandedText> text;
  mutable Location mapped;
};

// One alias expansion in progress.
class AliasTokenSource : public TokenSource {
public:
  AliasTokenSource(Alias *alias, const Location &use, Token *none);
  ~AliasTokenSource() override;

  bool isAlias() const override { return true; }
  Token *getToken() override;
  // Every token of the expansion is announced at the alias use.
  const Location &getTokenLocation() const override { return use; }
  void storeState() override { saved.push_back(cursor); }
  void restoreState() override;
  void purgeState() override;

  const Alias *getAlias() const { return alias; }
  // Every token of the value has been read.
  bool isExhausted() const {
    return cursor >= alias->tokens.size() || alias->tokens[cursor] == nullptr;
  }

private:
  Alias *alias;
  Location use;
  Token *none;
  size_t cursor = 1; // the start entry is never delivered
  std::vector<size_t> saved;
};

class Tokenizer {
public:
  // Warnings of the source go to diagnostics; without it the tokenizer
  // keeps quiet.
  explicit Tokenizer(Diagnostics *diagnostics);
  ~Tokenizer();
  Tokenizer(const Tokenizer &) = delete;
  Tokenizer &operator=(const Tokenizer &) = delete;

  // Pushes the file on top of the stack; false when it cannot be opened
  // (the last error is left as it was). A file is read once per tokenizer:
  // inserted again, in either pass, it gives the same text.
  bool insertFile(const FileName &name);
  // The next token with aliases expanded: the parser's way to read. Reading
  // a file with no alias defined is the common case and goes straight to
  // its lexer; a lexer at its end keeps giving code 256, so the general
  // path can take over from there.
  Token *nextToken() {
    if (topLexer && aliases.empty()) {
      Token *t = topLexer->scan();
      if (t->getCode() != TC_NONE)
        return t;
    }
    return nextTokenOfAnySource();
  }
  // The next raw token, aliases not expanded.
  Token *getToken();
  // Reads the rest of an .alias statement after the word ".alias". Returns
  // the line end with ok set, or the offending name token with ok cleared.
  Token *defineAlias(bool *ok);
  void insertAlias(Alias *alias);

  Word *getWord(std::string_view name) { return words.getWord(name); }
  // The run's source texts, each file read once: .incbin reads through it,
  // and messages show their source lines from it.
  SourceFiles &getSourceFiles() { return files; }
  const SourceFiles &getSourceFiles() const { return files; }
  WordMap &getWordMap() { return words; }

  const Location &getTokenLocation() const {
    return topLexer ? topLexer->getTokenLocation()
                    : sources.back()->getTokenLocation();
  }
  // Why the input ended early (a read failure); empty otherwise.
  const std::string &lastError() const { return error; }
  // The display text of a token for messages; code 256 shows the reason the
  // input ended.
  std::string displayText(const Token *t) const;

  // Open source files, the main file included (alias and macro
  // expansions do not count); bounds the nesting of .include.
  size_t fileDepth() const;

  // ---- Text read as text: macro definitions, arguments, expansions. ----
  // The source the next raw bytes come from, an exhausted alias expansion
  // on top dropped first; null when it is no text (an alias with tokens
  // left).
  StreamTokenSource *rawSource();
  // Reads the rest of the current line as text (see Lexer::readRestOfLine)
  // and the place where it begins, as written; false without a text source.
  bool readRestOfLine(std::string &text, Location &start);
  // Reads the body of a block after the current line, up to the closer
  // that balances the openers (nested ones count), as raw text with no
  // messages of its own. Returns the token to go on with: the one after
  // the closer (closed set), or the end of the text.
  // lineRead: the end of the opening line is the current token already.
  Token *readBody(const std::vector<const Word *> &openers, const Word *closer,
                  bool lineRead, MacroBody &body, bool &closed);
  // Pushes the text of an expansion named name.
  void insertExpansion(const FileName &name,
                       std::shared_ptr<const ExpandedText> text,
                       unsigned firstLine);
  size_t sourceCount() const { return sources.size(); }
  // Drops the sources above the first count (never the bottom one).
  void cutSources(size_t count);
  // A line end token, for the parser to stand on after a cut.
  Token *lineEnd() { return &newline; }

  void storeState();
  void restoreState();
  void purgeState();
  // Stops reading every file (the .end directive).
  void end();
  void clearAliasTable();
  void printWordTable(std::ostream &os) const { words.print(os); }

private:
  Token *nextTokenOfAnySource();
  void popSource();
  void removeAliasSources();
  // Notes the lexer of the source on top, when it is a file.
  void topChanged();

  Diagnostics *diagnostics;
  WordMap words;
  SourceFiles files;
  Token none;
  Token newline;
  std::vector<std::unique_ptr<TokenSource>> sources;
  // Expansion sources done with, kept for the next expansions: an
  // invocation costs no lexer of its own.
  std::vector<std::unique_ptr<TokenSource>> spareExpansions;
  Lexer *topLexer = nullptr;
  std::unordered_map<Word *, std::unique_ptr<Alias>> aliases;
  std::string error;
};

#endif
