// token.h - the tokens of the assembler's front end: punctuation and ends,
// numbers, interned words and strings.
#ifndef ZV_AS_TOKEN_H
#define ZV_AS_TOKEN_H

#include <cstdint>
#include <ostream>
#include <string>

// Token codes beyond single characters.
enum TokenCode : int {
  TC_NEWLINE = 10,
  TC_NONE = 256, // no more input
  TC_EOF = 257,  // end of one source file
  TC_WORD = 258,
  TC_NUMBER = 259,
  TC_STRING = 260,
  TC_ASSIGN = 261, // :=
  TC_EQ = 262,     // ==
  TC_GE = 263,     // >=
  TC_LE = 264,     // <=
  TC_ANDAND = 265, // &&
  TC_OROR = 266,   // ||
  TC_NE = 267,     // != or <>
  TC_SHL = 268,    // <<
  TC_SHR = 269,    // >>
};

// How a number literal was written.
enum NumberView : int {
  NV_BINARY = 0,
  NV_OCTAL = 1,
  NV_DECIMAL = 2,
  NV_HEX = 3,
  NV_FLOAT = 4,
  NV_CHAR = 6,
};

class Token {
public:
  enum Type { TOKEN = 0, NUMBER = 1, WORD = 2, STRING = 3 };

  Token() : code(TC_NONE) {}
  explicit Token(int c) : code(c) {}
  explicit Token(const Token *t) : code(t->code) {}
  // Alias values own copies of every kind and delete them as Token*.
  virtual ~Token() = default;

  // The kind is a field, not a virtual call: the parser asks for it at
  // every token.
  int type() const { return kind; }
  // A debugging aid: what the token is.
  virtual void print(std::ostream &os) const;

  int getCode() const { return code; }
  void set(int c) { code = c; }

  bool isWord() const { return kind == WORD; }
  bool isNumber() const { return kind == NUMBER; }
  bool isString() const { return kind == STRING; }

protected:
  Token(int c, Type k) : code(c), kind(k) {}
  Token(const Token &) = default;
  Token &operator=(const Token &) = default;

  int code;
  Type kind = TOKEN;
};

class Number : public Token {
public:
  Number() : Token(TC_NUMBER, NUMBER), value(0), view(NV_DECIMAL) {}
  Number(int64_t v, int w) : Token(TC_NUMBER, NUMBER), value(v), view(w) {}
  explicit Number(const Number *n)
      : Token(TC_NUMBER, NUMBER), value(n->value), view(n->view) {}

  void print(std::ostream &os) const override;

  void set(int64_t v, int w) {
    value = v;
    view = w;
  }
  int64_t getValue() const { return value; }
  int getView() const { return view; }
  bool isFloat() const { return view == NV_FLOAT; }

private:
  int64_t value;
  int view;
};

class Instruction;
class Register;
class Symbol;
struct Macro;

// Words are interned by WordMap; everyone compares them by address. A word
// also keeps what the run's tables found for its name, so that a name is
// hashed once, when the lexer first reads it: each answer is tagged with
// the table that gave it (tags are never reused), and a table asks again
// when the tag is not its own.
class Word : public Token {
public:
  Word() : Token(TC_WORD, WORD) {}
  Word(std::string n, int c = TC_WORD) : Token(c, WORD), name(std::move(n)) {}
  explicit Word(const Word *w) : Token(w->code, WORD), name(w->name) {}

  void print(std::ostream &os) const override;

  const std::string &getName() const { return name; }
  // The hash WordMap filed the word under (0 for a word it does not hold).
  uint32_t getHash() const { return hash; }

  // The symbol of this name in the symbol table tagged symbolTag.
  struct SymbolEntry {
    uint32_t tag = 0;
    Symbol *symbol = nullptr;
  };
  // The operation or directive and the register of this name in the
  // architecture tagged tag.
  struct MeaningEntry {
    uint32_t tag = 0;
    const Instruction *instruction = nullptr;
    const Register *reg = nullptr;
  };
  SymbolEntry &symbolEntry() const { return symbolCache; }
  MeaningEntry &meaningEntry() const { return meaningCache; }
  // The macro of this name while one is defined: the parser's statement
  // loop asks at every statement, so the macro table keeps it here.
  Macro *getMacro() const { return macro; }
  void setMacro(Macro *m) const { macro = m; }

private:
  friend class WordMap;

  std::string name;
  uint32_t hash = 0;
  mutable SymbolEntry symbolCache;
  mutable MeaningEntry meaningCache;
  mutable Macro *macro = nullptr;
};

class String : public Token {
public:
  String() : Token(TC_STRING, STRING) {}
  explicit String(std::string t)
      : Token(TC_STRING, STRING), text(std::move(t)) {}
  explicit String(const String *s) : Token(TC_STRING, STRING), text(s->text) {}

  void print(std::ostream &os) const override;

  const std::string &getText() const { return text; }
  std::string &getText() { return text; }
  void clear() { text.clear(); }

private:
  std::string text;
};

// A heap copy of any token kind (words are not copied: they are interned).
Token *copyToken(const Token *t);

// The text that shows a token in messages. Code 256 (no more input) shows
// "fatal error: " and inputError, the reason the input ended.
std::string tokenDisplayText(const Token *t, const std::string &inputError);
// How a number was written, from its value and view.
std::string numberDisplayText(int64_t value, int view);

#endif
