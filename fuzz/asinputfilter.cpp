// asinputfilter.cpp - byte-level checks that keep the assembler target away
// from unbounded repetition, huge sections and alias bombs.
#include "asinputfilter.h"

#include <string_view>
#include <vector>

namespace {

// Largest literal a size operand may have; smaller when the text may be
// read many times over (self-inclusion, .rept).
constexpr uint64_t SizeLimit = 4096;
constexpr uint64_t RepeatedSizeLimit = 64;
constexpr uint64_t P2AlignLimit = 12;
constexpr uint64_t ReptLimit = 32;
constexpr size_t AliasSourceLimit = 1024;

std::vector<size_t> find(std::string_view text, std::string_view word) {
  std::vector<size_t> at;
  for (size_t p = text.find(word); p != std::string_view::npos;
       p = text.find(word, p + 1))
    at.push_back(p);
  return at;
}

bool has(std::string_view text, std::string_view word) {
  return text.find(word) != std::string_view::npos;
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }

bool hexDigit(char c, unsigned &v) {
  if (c >= '0' && c <= '9')
    v = unsigned(c - '0');
  else if (c >= 'a' && c <= 'f')
    v = unsigned(c - 'a' + 10);
  else if (c >= 'A' && c <= 'F')
    v = unsigned(c - 'A' + 10);
  else
    return false;
  return true;
}

// A decimal or 0x literal at p, no larger than limit; p moves past it.
bool literal(std::string_view text, size_t &p, uint64_t limit) {
  unsigned base = 10;
  if (p + 1 < text.size() && text[p] == '0' &&
      (text[p + 1] == 'x' || text[p + 1] == 'X')) {
    base = 16;
    p += 2;
  }
  uint64_t value = 0;
  size_t digits = 0;
  unsigned v;
  while (p < text.size() && hexDigit(text[p], v) && v < base) {
    value = value * base + v;
    if (value > limit)
      return false;
    ++p;
    ++digits;
  }
  return digits != 0;
}

// After the directive word at p: blanks, then at most maxOperands literals
// separated by commas, then the line end (or the end of the text).
bool literalOperands(std::string_view text, size_t p, uint64_t limit,
                     int maxOperands) {
  if (p >= text.size() || !isBlank(text[p]))
    return false;
  for (int n = 0; n < maxOperands; ++n) {
    while (p < text.size() && isBlank(text[p]))
      ++p;
    if (!literal(text, p, limit))
      return false;
    while (p < text.size() && isBlank(text[p]))
      ++p;
    if (p == text.size() || text[p] == '\n')
      return true;
    if (text[p] != ',')
      return false;
    ++p;
  }
  return false;
}

bool precededBy(std::string_view text, size_t p, std::string_view prefix) {
  return p >= prefix.size() &&
         text.substr(p - prefix.size(), prefix.size()) == prefix;
}

} // namespace

const char *AsInputFilter::rejects(const uint8_t *data, size_t size) {
  const std::string_view text(reinterpret_cast<const char *>(data), size);
  const bool includes = has(text, "include");
  const bool aliases = has(text, "alias");
  const std::vector<size_t> repts = find(text, "rept");

  if (!repts.empty()) {
    const size_t p = repts.front();
    if (repts.size() > 1 || includes || aliases)
      return ".rept that may nest";
    if (!precededBy(text, p, ".") ||
        !literalOperands(text, p + 4, ReptLimit, 1))
      return ".rept without a small literal count";
    bool closed = false;
    for (size_t e : find(text, ".endr"))
      closed |= e > p && e + 5 < text.size() && text[e + 5] == '\n';
    if (!closed)
      return ".rept without an .endr line";
  }

  if (aliases && (find(text, "alias").size() > 1 || size > AliasSourceLimit))
    return "aliases that may expand into aliases";

  const uint64_t limit =
      includes || !repts.empty() ? RepeatedSizeLimit : SizeLimit;
  for (std::string_view word : {"skip", "space", "fill", "align"})
    for (size_t p : find(text, word)) {
      if (aliases)
        return "size directive beside an alias";
      uint64_t wordLimit = limit;
      if (word == "align" && precededBy(text, p, ".p2"))
        wordLimit = P2AlignLimit;
      else if (!precededBy(text, p, "."))
        return "size directive word inside another word";
      if (!literalOperands(text, p + word.size(), wordLimit, 3))
        return "size directive without small literal operands";
    }
  return nullptr;
}
