// messagestyle.cpp - the terminal decision, colour escapes and the source
// line with its caret.
#include "messagestyle.h"

#include <cstdlib>
#include <unistd.h>

namespace {

const char *escapeOf(MessageStyle::Paint paint) {
  switch (paint) {
  case MessageStyle::Bold:
    return "\x1b[1m";
  case MessageStyle::Error:
    return "\x1b[1;31m";
  case MessageStyle::Warning:
    return "\x1b[1;35m";
  case MessageStyle::Note:
    return "\x1b[1;36m";
  case MessageStyle::Caret:
    return "\x1b[1;32m";
  }
  return "";
}

const char *const Reset = "\x1b[0m";

// Bytes that continue a UTF-8 sequence take no column of their own.
bool isContinuation(unsigned char c) { return (c & 0xc0) == 0x80; }

} // namespace

bool parseDiagnosticsMode(const std::string &text, DiagnosticsMode &mode) {
  if (text == "auto")
    mode = DiagnosticsMode::Auto;
  else if (text == "plain")
    mode = DiagnosticsMode::Plain;
  else if (text == "rich")
    mode = DiagnosticsMode::Rich;
  else
    return false;
  return true;
}

MessageStyle MessageStyle::decide(DiagnosticsMode mode, int fd) {
  bool rich = mode == DiagnosticsMode::Rich ||
              (mode == DiagnosticsMode::Auto && ::isatty(fd) == 1);
  const char *noColour = std::getenv("NO_COLOR");
  return MessageStyle(rich, !(noColour && *noColour));
}

void MessageStyle::paint(std::string &out, Paint paint,
                         std::string_view text) const {
  if (!colour) {
    out += text;
    return;
  }
  out += escapeOf(paint);
  out += text;
  out += Reset;
}

void MessageStyle::appendSnippet(std::string &out, std::string_view line,
                                 unsigned col, unsigned length) const {
  std::string shown;
  std::string under;
  const size_t caretAt = col == 0 ? 0 : col - 1;
  const size_t tildesUpTo = caretAt + (length == 0 ? 1 : length);
  size_t column = 0; // display columns so far
  auto mark = [&](size_t byte, size_t width) {
    if (byte < caretAt || byte >= tildesUpTo || width == 0)
      under.append(width, ' ');
    else
      under.append(width, byte == caretAt ? '^' : '~');
  };
  for (size_t i = 0; i < line.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(line[i]);
    if (c == '\t') {
      const size_t width = 8 - column % 8;
      shown.append(width, ' ');
      mark(i, width);
      column += width;
    } else if (c == '\r' && i + 1 == line.size()) {
      // The carriage return of a CRLF line end.
    } else if (c < 0x20 || c == 0x7f) {
      shown += '?';
      mark(i, 1);
      ++column;
    } else if (isContinuation(c)) {
      shown += static_cast<char>(c);
    } else {
      shown += static_cast<char>(c);
      mark(i, 1);
      ++column;
    }
  }
  if (caretAt >= line.size())
    under += '^';
  while (!under.empty() && under.back() == ' ')
    under.pop_back();
  out += shown;
  out += '\n';
  paint(out, Caret, under);
  out += '\n';
}
