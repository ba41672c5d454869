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

void appendMessage(std::string &out, Severity severity,
                   const Location &location, const std::string &text,
                   bool wholeFile) {
  if (wholeFile) {
    out += location.getName();
    out += ": ";
  } else {
    location.appendPrefix(out);
  }
  out += severityText(severity);
  out += text;
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
