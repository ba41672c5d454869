// symboldefinition.cpp - reading --defsym's name=value, with the number
// forms of the source and without wrapping a value that does not fit.
#include "symboldefinition.h"

#include "lexer.h"

namespace {

int digitValue(char c) {
  if (c >= '0' && c <= '9')
    return c - '0';
  if (c >= 'a' && c <= 'f')
    return c - 'a' + 10;
  if (c >= 'A' && c <= 'F')
    return c - 'A' + 10;
  return 99;
}

// The integer of text; false when it is none or needs more than 64 bits.
bool parseInteger(const std::string &text, int64_t &value) {
  size_t i = 0;
  const bool negative = !text.empty() && text[0] == '-';
  if (negative)
    ++i;
  unsigned base = 10;
  if (text.size() > i + 1 && text[i] == '0') {
    const char c = text[i + 1];
    if (c == 'x' || c == 'X' || c == 'b' || c == 'B') {
      base = (c == 'x' || c == 'X') ? 16 : 2;
      i += 2;
    } else {
      base = 8;
      ++i;
    }
  }
  if (i >= text.size())
    return false;
  uint64_t u = 0;
  for (; i < text.size(); ++i) {
    const unsigned d = unsigned(digitValue(text[i]));
    if (d >= base || u > (UINT64_MAX - d) / base)
      return false;
    u = u * base + d;
  }
  // Up to 2^64 - 1 as written, down to -2^63.
  if (negative) {
    if (u > uint64_t(INT64_MAX) + 1)
      return false;
    value = int64_t(0 - u);
  } else {
    value = int64_t(u);
  }
  return true;
}

} // namespace

bool SymbolDefinition::parse(const std::string &text,
                             SymbolDefinition &definition, std::string &error) {
  const size_t equals = text.find('=');
  if (equals == std::string::npos) {
    error = "expected name=value";
    return false;
  }
  const std::string name = text.substr(0, equals);
  const std::string number = text.substr(equals + 1);
  if (!Lexer::isWordText(name)) {
    error = "'" + name + "' is not a symbol name";
    return false;
  }
  int64_t value = 0;
  if (!parseInteger(number, value)) {
    error = "'" + number + "' is not a 64-bit integer";
    return false;
  }
  definition.name = name;
  definition.value = value;
  return true;
}
