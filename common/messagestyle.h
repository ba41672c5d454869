// messagestyle.h - how the programs show their messages: plain lines for
// scripts, or with source lines, carets and colour for a person.
#ifndef ZV_COMMON_MESSAGESTYLE_H
#define ZV_COMMON_MESSAGESTYLE_H

#include <string>
#include <string_view>

// What --diagnostics asks for.
enum class DiagnosticsMode { Auto, Plain, Rich };

// The mode named by the option's value ("auto", "plain", "rich"); false for
// any other text.
bool parseDiagnosticsMode(const std::string &text, DiagnosticsMode &mode);

class MessageStyle {
public:
  enum Paint { Bold, Error, Warning, Note, Caret };

  MessageStyle() = default;
  MessageStyle(bool rich, bool colour) : rich(rich), colour(rich && colour) {}

  // The style for messages written to descriptor fd: auto is rich when fd
  // is a terminal; colour goes with rich unless NO_COLOR is set and not
  // empty.
  static MessageStyle decide(DiagnosticsMode mode, int fd);

  bool isRich() const { return rich; }
  bool isColour() const { return colour; }

  // text with the paint's escape around it; text alone without colour.
  void paint(std::string &out, Paint paint, std::string_view text) const;

  // The line as written and the line under it, each with its line end:
  // tabs expanded to every eighth column, control bytes shown as '?', a
  // '^' under byte column col (1-based; past the end: just after it) and
  // '~' under the length - 1 bytes after it.
  void appendSnippet(std::string &out, std::string_view line, unsigned col,
                     unsigned length) const;

private:
  bool rich = false;
  bool colour = false;
};

#endif
