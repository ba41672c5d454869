// lexer.cpp - the scanner: words, numbers, strings, character constants,
// punctuation, comments and the end-of-input sequence, with the lexical
// warnings of the assembler.
#include "lexer.h"

#include <cstring>
#include <locale>
#include <sstream>

namespace {
// Character classes by table: the scanner asks at every byte.
enum : uint8_t {
  CC_DIGIT = 2,
  CC_WORD = 4,       // may go on a word
  CC_WORD_START = 8, // may start a word
  CC_SPECIAL = 16,   // needs a look at what follows, or is the end
};

constexpr uint8_t classOf(unsigned char c) {
  uint8_t k = 0;
  if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))
    k |= CC_WORD | CC_WORD_START;
  if (c >= '0' && c <= '9')
    k |= CC_DIGIT | CC_WORD;
  if (c == '.' || c == '_')
    k |= CC_WORD | CC_WORD_START;
  switch (c) {
  case 0:
  case '!':
  case '"':
  case '&':
  case '\'':
  case '/':
  case ';':
  case ':':
  case '<':
  case '=':
  case '>':
  case '\\':
  case '|':
    k |= CC_SPECIAL;
    break;
  default:
    break;
  }
  return k;
}

struct ClassTable {
  uint8_t of[256];
  constexpr ClassTable() : of() {
    for (unsigned c = 0; c < 256; ++c)
      of[c] = classOf(static_cast<unsigned char>(c));
  }
};
constexpr ClassTable classes;

bool isDigit(char c) {
  return classes.of[static_cast<unsigned char>(c)] & CC_DIGIT;
}
bool isOctalDigit(char c) { return c >= '0' && c <= '7'; }
bool isWordChar(char c) {
  return classes.of[static_cast<unsigned char>(c)] & CC_WORD;
}
bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }
// What a string holds as it is written: no quote, escape, line end or NUL.
bool isPlainStringChar(char c) {
  return c != '"' && c != '\\' && c != '\n' && c != 0;
}
int hexValue(char c) {
  if (isDigit(c))
    return c - '0';
  if (c >= 'a' && c <= 'f')
    return c - 'a' + 10;
  if (c >= 'A' && c <= 'F')
    return c - 'A' + 10;
  return -1;
}

// The byte a simple escape letter stands for; any other character stands
// for itself.
char simpleEscape(char c) {
  switch (c) {
  case 'a':
    return 7;
  case 'b':
    return 8;
  case 'f':
    return 12;
  case 'n':
    return 10;
  case 'r':
    return 13;
  case 't':
    return 9;
  case 'v':
    return 11;
  default:
    return c;
  }
}

std::string octal(unsigned value) {
  std::string digits;
  do {
    digits.insert(digits.begin(), static_cast<char>('0' + (value & 7)));
    value >>= 3;
  } while (value != 0);
  return digits;
}
} // namespace

Lexer::Lexer(WordMap *words, Diagnostics *diagnostics)
    : diagnostics(diagnostics), words(words) {}

bool Lexer::openFile(const FileName &name, SourceFiles *files) {
  tokenLocation.set(name, 0, 0);
  endLineGiven = false;
  endOfFileGiven = false;
  states.clear();
  return reader.openFile(name, files);
}

void Lexer::openText(const FileName &name,
                     std::shared_ptr<const SourceText> text,
                     unsigned firstLine) {
  tokenLocation.set(name, 0, 0);
  endLineGiven = false;
  endOfFileGiven = false;
  states.clear();
  reader.openText(name, std::move(text), firstLine);
}

void Lexer::closeFile() { reader.closeFile(); }

bool Lexer::atEndOfInput() const {
  return reader.getCurrentChar() == 0 && (reader.isEmpty() || reader.isError());
}

void Lexer::warnAtLine(unsigned line, const std::string &text) const {
  warnAt(Location::endOfLine(reader.getFileName(), line), text);
}

void Lexer::warnAt(const Location &location, const std::string &text) const {
  if (diagnostics)
    diagnostics->warning(location, text);
}

Token *Lexer::punctuation(int code) {
  token.set(code);
  return &token;
}

Token *Lexer::operatorWord(const char *spelling) {
  return words->getWord(spelling);
}

Token *Lexer::scan() {
  for (;;) {
    char c = reader.getCurrentChar();
    while (isBlank(c))
      c = reader.getChar();
    reader.getLastReadCharacterPosition(tokenLocation);

    // Words, numbers and plain punctuation by the table; the rest by name.
    const uint8_t k = classes.of[static_cast<unsigned char>(c)];
    if (k & CC_WORD_START)
      return scanWord();
    if (k & CC_DIGIT)
      return scanNumber();
    if (!(k & CC_SPECIAL)) {
      reader.getChar();
      return punctuation(static_cast<unsigned char>(c));
    }
    switch (c) {
    case 0:
      return scanEndOfInput();
    case '!':
      if (reader.getChar() == '=') {
        reader.getChar();
        return operatorWord("!=");
      }
      return punctuation('!');
    case '"':
      return scanString();
    case '&':
      if (reader.getChar() == '&') {
        reader.getChar();
        return operatorWord("&&");
      }
      return punctuation('&');
    case '\'':
      return scanCharacter();
    case '/':
      c = reader.getChar();
      if (c == '*') {
        skipBlockComment();
        continue;
      }
      if (c == '/') {
        if (!skipLineComment())
          continue;
        return punctuation(TC_NEWLINE);
      }
      return punctuation('/');
    case ';':
      if (!skipLineComment())
        continue;
      return punctuation(TC_NEWLINE);
    case ':':
      if (reader.getChar() == '=') {
        reader.getChar();
        return operatorWord(":=");
      }
      return punctuation(':');
    case '<':
      c = reader.getChar();
      if (c == '=' || c == '>' || c == '<') {
        reader.getChar();
        return operatorWord(c == '=' ? "<=" : c == '>' ? "!=" : "<<");
      }
      return punctuation('<');
    case '=':
      if (reader.getChar() == '=') {
        reader.getChar();
        return operatorWord("==");
      }
      return punctuation('=');
    case '>':
      c = reader.getChar();
      if (c == '=' || c == '>') {
        reader.getChar();
        return operatorWord(c == '=' ? ">=" : ">>");
      }
      return punctuation('>');
    case '\\':
      c = reader.getChar();
      while (c == '\r')
        c = reader.getChar();
      if (c == '\n') {
        // A continued line: the two lines are one statement.
        reader.getChar();
        continue;
      }
      return punctuation('\\');
    case '|':
      if (reader.getChar() == '|') {
        reader.getChar();
        return operatorWord("||");
      }
      return punctuation('|');
    default:
      break;
    }
    reader.getChar();
    return punctuation(static_cast<unsigned char>(c));
  }
}

Token *Lexer::scanEndOfInput() {
  if (reader.isError()) {
    if (!endLineGiven) {
      endLineGiven = true;
      return punctuation(TC_NEWLINE);
    }
    return punctuation(TC_NONE);
  }
  if (!reader.isEmpty()) {
    // A NUL byte of the source.
    reader.getChar();
    return punctuation(0);
  }
  if (!endLineGiven) {
    endLineGiven = true;
    return punctuation(TC_NEWLINE);
  }
  if (!endOfFileGiven) {
    endOfFileGiven = true;
    return punctuation(TC_EOF);
  }
  return punctuation(TC_NONE);
}

bool Lexer::isWordText(std::string_view text) {
  // "." alone is punctuation, not a word.
  if (text.empty() || text == "." ||
      !(classes.of[static_cast<unsigned char>(text[0])] & CC_WORD_START))
    return false;
  for (char c : text)
    if (!isWordChar(c))
      return false;
  return true;
}

Token *Lexer::scanWord() {
  char c = reader.getCurrentChar();
  if (!reader.isCurrentInPlace()) {
    // Not viewable in place (never so in practice): collect the bytes.
    wordText.clear();
    do {
      wordText += c;
      c = reader.getChar();
    } while (isWordChar(c));
    if (wordText.size() == 1 && wordText[0] == '.')
      return punctuation('.');
    return words->getWord(wordText);
  }
  // The word is viewed in the text and hashed as it is scanned.
  const char *rest = reader.rest();
  const size_t available = reader.restSize();
  uint32_t hash = WordMap::hashOf(std::string_view(rest - 1, 1));
  size_t n = 0;
  while (n < available && isWordChar(rest[n])) {
    hash = (hash ^ static_cast<unsigned char>(rest[n])) * 16777619u;
    ++n;
  }
  const std::string_view name(rest - 1, n + 1);
  reader.readInLine(n);
  reader.getChar();
  if (n == 0 && c == '.')
    return punctuation('.');
  return words->getWord(name, hash);
}

Token *Lexer::scanNumber() {
  // The accumulator wraps silently; a number ends at the first character
  // that is not one of its digits.
  uint64_t value = 0;
  char c = reader.getCurrentChar();
  if (c != '0') {
    if (reader.isCurrentInPlace()) {
      value = static_cast<uint64_t>(c - '0');
      const char *rest = reader.rest();
      const size_t available = reader.restSize();
      size_t n = 0;
      for (; n < available && isDigit(rest[n]); ++n)
        value = value * 10 + static_cast<uint64_t>(rest[n] - '0');
      reader.readInLine(n);
      reader.getChar();
    } else {
      while (isDigit(c)) {
        value = value * 10 + static_cast<uint64_t>(c - '0');
        c = reader.getChar();
      }
    }
    number.set(static_cast<int64_t>(value), NV_DECIMAL);
    return &number;
  }
  c = reader.getChar();
  int view = NV_DECIMAL;
  if (c == 'x' || c == 'X') {
    view = NV_HEX;
    c = reader.getChar();
    for (int digit; (digit = hexValue(c)) >= 0; c = reader.getChar())
      value = value * 16 + static_cast<uint64_t>(digit);
  } else if (c == 'b' || c == 'B') {
    view = NV_BINARY;
    c = reader.getChar();
    for (; c == '0' || c == '1'; c = reader.getChar())
      value = value * 2 + static_cast<uint64_t>(c - '0');
  } else if (c == 'f' || c == 'F') {
    reader.getChar();
    return scanFloat();
  } else if (isOctalDigit(c)) {
    view = NV_OCTAL;
    for (; isOctalDigit(c); c = reader.getChar())
      value = value * 8 + static_cast<uint64_t>(c - '0');
  }
  number.set(static_cast<int64_t>(value), view);
  return &number;
}

Token *Lexer::scanFloat() {
  floatText.clear();
  char c = reader.getCurrentChar();
  auto sign = [&] {
    if (c == '+' || c == '-') {
      if (c == '-')
        floatText.append(c);
      c = reader.getChar();
    }
  };
  auto digits = [&] {
    for (; isDigit(c); c = reader.getChar())
      floatText.append(c);
  };
  sign();
  digits();
  if (c == '.') {
    floatText.append(c);
    c = reader.getChar();
    digits();
  }
  if (c == 'e' || c == 'E') {
    floatText.append(c);
    c = reader.getChar();
    sign();
    digits();
  }
  bool outOfRange = false;
  int64_t bits = floatText.convert(&outOfRange);
  if (outOfRange && diagnostics) {
    std::ostringstream value;
    value.imbue(std::locale::classic());
    value << Float::getDoubleFromDoubleRepresentation(bits);
    warnAt(tokenLocation, floatText.getText() +
                              " is out of range; truncated to " + value.str());
  }
  number.set(bits, NV_FLOAT);
  return &number;
}

Token *Lexer::scanString() {
  std::string &text = string.getText();
  text.clear();
  // An escape in progress: after its backslash, or collecting the digits of
  // a hexadecimal or octal escape.
  enum { None, Backslash, Hex, Octal } escape = None;
  unsigned value = 0;
  unsigned digitCount = 0;
  Location escapeAt;
  auto completeNumeric = [&] {
    if (escape == Octal && value > 0377 && diagnostics)
      warnAt(escapeAt, "value in string \\" + octal(value) +
                           " truncated to \\" + octal(value & 0377));
    text += static_cast<char>(value & 0xff);
    escape = None;
  };

  char c = reader.getChar();
  for (;;) {
    if (atEndOfInput()) {
      bool endOfFile = !reader.isError();
      if (escape == Backslash) {
        if (endOfFile)
          warnAtLine(reader.getReadLine(),
                     "end of file in escape character; '\\0' inserted.");
        text += '\0';
      } else if (escape != None) {
        completeNumeric();
      }
      if (endOfFile)
        warnAtLine(reader.getReadLine(),
                   "end of file in string; '\"' inserted.");
      return &string;
    }
    if (escape == Hex) {
      int digit = hexValue(c);
      if (digit >= 0) {
        value = value * 16 + static_cast<unsigned>(digit);
        if (++digitCount == 2)
          completeNumeric();
        c = reader.getChar();
        continue;
      }
      completeNumeric();
    } else if (escape == Octal) {
      if (isOctalDigit(c)) {
        value = value * 8 + static_cast<unsigned>(c - '0');
        if (++digitCount == 3)
          completeNumeric();
        c = reader.getChar();
        continue;
      }
      completeNumeric();
    } else if (escape == Backslash) {
      escape = None;
      if (c == 'x' || c == 'X') {
        escape = Hex;
        value = digitCount = 0;
      } else if (isOctalDigit(c)) {
        escape = Octal;
        value = static_cast<unsigned>(c - '0');
        digitCount = 1;
      } else {
        // A backslash before a double quote embeds it.
        text += simpleEscape(c);
        if (c == '\n')
          warnAtLine(reader.getReadLine() - 1,
                     "unterminated string; newline inserted.");
      }
      c = reader.getChar();
      continue;
    }
    // The character that ended a numeric escape is read like any other, so
    // it may close the string or start the next escape.
    if (c == '"') {
      reader.getChar();
      return &string;
    }
    if (c == '\\') {
      escape = Backslash;
      escapeAt = Location(reader.getFileName(), reader.getReadLine(),
                          reader.getReadCol() - 1);
    } else if (c == '\n') {
      text += c;
      warnAtLine(reader.getReadLine() - 1,
                 "unterminated string; newline inserted.");
    } else {
      // A run of plain characters goes in at once.
      text += c;
      const char *rest = reader.rest();
      const size_t available = reader.restSize();
      size_t n = 0;
      while (n < available && isPlainStringChar(rest[n]))
        ++n;
      text.append(rest, n);
      reader.readInLine(n);
    }
    c = reader.getChar();
  }
}

Token *Lexer::scanCharacter() {
  char c = reader.getChar();
  bool escaped = false;
  if (c == '\\') {
    escaped = true;
    c = reader.getChar();
  }
  if (atEndOfInput()) {
    if (!reader.isError())
      warnAtLine(reader.getReadLine(),
                 escaped ? "end of file in escape character; '\\0' inserted."
                         : "end of file after an one-character quote; '\\0' "
                           "inserted.");
    number.set(0, NV_CHAR);
    return &number;
  }
  if (c == '\n')
    warnAtLine(reader.getReadLine() - 1,
               "a newline after an one-character quote is taken as a literal "
               "character.");
  if (escaped)
    c = c == '0' ? '\0' : simpleEscape(c);
  reader.getChar();
  number.set(static_cast<signed char>(c), NV_CHAR);
  return &number;
}

bool Lexer::skipLineComment() {
  char c = reader.getCurrentChar();
  if (c != '\n' && !atEndOfInput()) {
    // Everything up to the line feed is passed over at once.
    const void *end = std::memchr(reader.rest(), '\n', reader.restSize());
    reader.readInLine(end ? static_cast<size_t>(static_cast<const char *>(end) -
                                                reader.rest())
                          : reader.restSize());
    c = reader.getChar();
  }
  while (c != '\n' && !atEndOfInput())
    c = reader.getChar();
  if (c != '\n')
    return false;
  reader.getChar();
  return true;
}

bool Lexer::skipBlockComment() {
  char c = reader.getChar(); // the character after "/*"
  for (;;) {
    if (atEndOfInput()) {
      if (!reader.isError())
        warnAtLine(reader.getReadLine(),
                   "end of file in multiline comment; '*/' inserted.");
      return false;
    }
    if (c == '*') {
      do
        c = reader.getChar();
      while (c == '*');
      if (c == '/') {
        reader.getChar();
        return true;
      }
      continue;
    }
    c = reader.getChar();
  }
}

char Lexer::skipBlanks() {
  char c = reader.getCurrentChar();
  while (isBlank(c))
    c = reader.getChar();
  return c;
}

void Lexer::readRestOfLine(std::string &text) {
  text.clear();
  char c = reader.getCurrentChar();
  auto atLineEnd = [&] { return c == '\n' || (c == 0 && atEndOfInput()); };
  auto take = [&] {
    text += c;
    c = reader.getChar();
  };
  // The character after a backslash goes with it, unless it ends the line.
  auto takeEscaped = [&] {
    take();
    if (!atLineEnd())
      take();
  };
  auto next = [&]() -> char {
    return reader.restSize() ? reader.rest()[0] : '\0';
  };
  while (!atLineEnd() && c != ';' && !(c == '/' && next() == '/')) {
    if (c == '/' && next() == '*') {
      reader.getChar();
      skipBlockComment();
      text += ' ';
      c = reader.getCurrentChar();
    } else if (c == '\\') {
      // A continued line, as the scanner takes it.
      size_t n = 0;
      while (n < reader.restSize() && reader.rest()[n] == '\r')
        ++n;
      if (n < reader.restSize() && reader.rest()[n] == '\n') {
        for (size_t i = 0; i <= n; ++i)
          reader.getChar();
        c = reader.getChar();
      } else {
        takeEscaped();
      }
    } else if (c == '"') {
      // A string up to its quote or the line end; its escapes as written.
      take();
      while (!atLineEnd() && c != '"') {
        if (c == '\\')
          takeEscaped();
        else
          take();
      }
      if (c == '"')
        take();
    } else if (c == '\'') {
      // A character constant: the quote and its character are text.
      take();
      if (c == '\\')
        take();
      if (!atLineEnd())
        take();
    } else {
      take();
    }
  }
}

void Lexer::storeState() {
  states.push_back({reader.getReadLine(), reader.getReadCol(),
                    reader.getCurrentChar(), reader.tellg()});
}

void Lexer::restoreState() {
  if (states.empty())
    return;
  const State &state = states.back();
  reader.seekg(state.position);
  reader.setReadLine(state.line);
  reader.setReadCol(state.col);
  reader.setCurrentChar(state.current);
  // The saved point lies before the end of the file: the closing line end
  // and end-of-file token are still to come.
  endLineGiven = false;
  endOfFileGiven = false;
}

void Lexer::purgeState() {
  if (!states.empty())
    states.pop_back();
}
