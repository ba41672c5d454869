// diagnostics.cpp - the one path of the assembler's messages: formats them,
// counts the errors and keeps pass-1 messages until it is known they matter.
#include "diagnostics.h"

namespace {
const char *severityText(Severity severity) {
  switch (severity) {
  case Severity::Error:
    return "error: ";
  case Severity::Warning:
    return "warning: ";
  case Severity::Note:
    return "note: ";
  }
  return "";
}

void writeRaw(std::ostream &os, const std::string &text) {
  os.write(text.data(), static_cast<std::streamsize>(text.size()));
}

bool isControl(unsigned char c) { return c < 0x20 || c == 0x7f; }

// Control bytes as escapes: a message stays on one line, and text taken
// from the source cannot drive the terminal. Printable bytes, UTF-8
// included, stay as they are.
void appendEscaped(std::string &out, const std::string &text) {
  for (unsigned char c : text) {
    if (!isControl(c)) {
      out += static_cast<char>(c);
      continue;
    }
    switch (c) {
    case '\n':
      out += "\\n";
      break;
    case '\t':
      out += "\\t";
      break;
    case '\r':
      out += "\\r";
      break;
    default:
      out += "\\x";
      out += "0123456789abcdef"[c >> 4];
      out += "0123456789abcdef"[c & 0xf];
      break;
    }
  }
}

void appendMessage(std::string &out, Severity severity,
                   const Location &location, const std::string &text,
                   bool wholeFile) {
  std::string prefix;
  if (wholeFile) {
    prefix = location.getName();
    prefix += ": ";
  } else {
    location.appendPrefix(prefix);
  }
  appendEscaped(out, prefix);
  out += severityText(severity);
  appendEscaped(out, text);
  out += '\n';
}
} // namespace

void Diagnostics::error(const Location &location, const std::string &text) {
  say(Severity::Error, location, text, false);
}

void Diagnostics::warning(const Location &location, const std::string &text) {
  say(Severity::Warning, location, text, false);
}

void Diagnostics::note(const Location &location, const std::string &text) {
  say(Severity::Note, location, text, false);
}

void Diagnostics::fileError(const FileName &file, const std::string &text) {
  say(Severity::Error, Location(file, 0, 0), text, true);
}

void Diagnostics::report(const Diagnostic &diagnostic) {
  say(diagnostic.severity, diagnostic.location, diagnostic.text,
      diagnostic.wholeFile);
}

void Diagnostics::say(Severity severity, const Location &location,
                      const std::string &text, bool wholeFile) {
  if (severity == Severity::Error)
    ++errorCount;
  ++messageCount;
  if (holding) {
    held.push_back({severity, location, text, wholeFile});
    return;
  }
  // One write per message: the error stream is unbuffered, and a message
  // must not be split by the stream's formatting state.
  std::string line;
  appendMessage(line, severity, location, text, wholeFile);
  writeRaw(*out, line);
}

void Diagnostics::format(std::string &out, const Diagnostic &diagnostic) {
  appendMessage(out, diagnostic.severity, diagnostic.location, diagnostic.text,
                diagnostic.wholeFile);
}

void Diagnostics::release() {
  std::string text;
  for (const Diagnostic &diagnostic : held)
    format(text, diagnostic);
  writeRaw(*out, text);
  discard();
}

void Diagnostics::discard() {
  held.clear();
  held.shrink_to_fit();
  holding = false;
}
