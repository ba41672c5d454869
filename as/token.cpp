// token.cpp - token debugging output, copies and the display texts used in
// messages.
#include "token.h"

#include <cstring>
#include <iterator>
#include <locale>
#include <ostream>
#include <sstream>

void Token::print(std::ostream &os) const {
  os << "Token: " << code << " (" << static_cast<char>(code) << ")\n";
}

void Number::print(std::ostream &os) const {
  os << "Number: view = " << view << ", value = " << value << '\n';
}

void Word::print(std::ostream &os) const { os << "Word: " << name << '\n'; }

void String::print(std::ostream &os) const { os << "String: " << text << '\n'; }

Token *copyToken(const Token *t) {
  switch (t->type()) {
  case Token::NUMBER:
    return new Number(static_cast<const Number *>(t));
  case Token::STRING:
    return new String(static_cast<const String *>(t));
  case Token::WORD:
    return const_cast<Token *>(t);
  default:
    return new Token(t);
  }
}

namespace {
std::string inBase(uint64_t value, unsigned bits) {
  const unsigned mask = (1u << bits) - 1;
  char digits[64];
  size_t n = 0;
  do {
    digits[n++] = "0123456789abcdef"[value & mask];
    value >>= bits;
  } while (value != 0);
  return std::string(std::reverse_iterator<char *>(digits + n),
                     std::reverse_iterator<char *>(digits));
}
} // namespace

std::string numberDisplayText(int64_t value, int view) {
  const uint64_t bits = static_cast<uint64_t>(value);
  switch (view) {
  case NV_BINARY:
    return "0b" + inBase(bits, 1);
  case NV_OCTAL:
    return "0" + inBase(bits, 3);
  case NV_HEX:
    return "0x" + inBase(bits, 4);
  case NV_FLOAT: {
    double d;
    std::memcpy(&d, &bits, sizeof d);
    std::ostringstream os;
    os.imbue(std::locale::classic());
    os << "0f" << d;
    return os.str();
  }
  case NV_CHAR:
    return std::string("'") + static_cast<char>(value);
  default:
    return std::to_string(value);
  }
}

std::string tokenDisplayText(const Token *t, const std::string &inputError) {
  switch (t->type()) {
  case Token::NUMBER: {
    const auto *n = static_cast<const Number *>(t);
    return numberDisplayText(n->getValue(), n->getView());
  }
  case Token::WORD:
    return static_cast<const Word *>(t)->getName();
  case Token::STRING:
    return static_cast<const String *>(t)->getText();
  default:
    break;
  }
  switch (t->getCode()) {
  case TC_NEWLINE:
    return "<NEW LINE>";
  case TC_NONE:
    return "fatal error: " + inputError;
  case TC_EOF:
    return "<END OF FILE>";
  default:
    return std::string(1, static_cast<char>(t->getCode()));
  }
}
