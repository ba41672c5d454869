// diagnostics.cpp - the one path of the assembler's messages: formats them,
// counts the errors and keeps pass-1 messages until it is known they matter.
#include "diagnostics.h"

#include <string_view>

#include "sourcefiles.h"

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

MessageStyle::Paint paintOf(Severity severity) {
  switch (severity) {
  case Severity::Error:
    return MessageStyle::Error;
  case Severity::Warning:
    return MessageStyle::Warning;
  case Severity::Note:
    return MessageStyle::Note;
  }
  return MessageStyle::Bold;
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

std::string prefixOf(const Location &location, bool wholeFile) {
  std::string prefix;
  if (wholeFile) {
    prefix = location.getName();
    prefix += ": ";
  } else {
    location.appendPrefix(prefix);
  }
  return prefix;
}

void appendMessage(std::string &out, Severity severity,
                   const Location &location, const std::string &text,
                   bool wholeFile) {
  appendEscaped(out, prefixOf(location, wholeFile));
  out += severityText(severity);
  appendEscaped(out, text);
  out += '\n';
}

// One step outwards from a place: the invocation of the macro its text was
// expanded from, or where its file was included.
struct Step {
  SourceOrigin origin;
  Location at;
};

bool stepOut(const Location &from, Step &step) {
  step.origin = from.getFileName().getOrigin();
  if (step.origin.kind == SourceOrigin::None)
    return false;
  step.at = Location(FileName::fromIndex(step.origin.file), step.origin.line,
                     step.origin.col);
  return true;
}

std::string expansionNote(const SourceOrigin &origin) {
  return "in expansion of macro '" + FileName::getLabel(origin.label) + "'";
}

bool isWordChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
         (c >= '0' && c <= '9') || c == '.' || c == '_';
}

// How many bytes the token at byte i of the line takes, as the lexer would
// scan it; a macro parameter (\name) counts whole.
unsigned tokenLength(std::string_view line, size_t i) {
  if (i >= line.size())
    return 1;
  size_t j = i;
  const char c = line[i];
  if (c == '\\' && i + 1 < line.size() && isWordChar(line[i + 1]))
    j = i + 1;
  if (isWordChar(line[j])) {
    while (j < line.size() && isWordChar(line[j]))
      ++j;
    return static_cast<unsigned>(j - i);
  }
  if (c == '"') {
    for (j = i + 1; j < line.size(); ++j) {
      if (line[j] == '\\')
        ++j;
      else if (line[j] == '"')
        return static_cast<unsigned>(j + 1 - i);
    }
    return static_cast<unsigned>(line.size() - i);
  }
  if (c == '\'')
    return i + 2 < line.size() && line[i + 1] == '\\' ? 3 : 2;
  static const char *const pairs[] = {":=", "==", ">=", "<=", "&&",
                                      "||", "!=", "<>", "<<", ">>"};
  for (const char *pair : pairs)
    if (line.substr(i, 2) == pair)
      return 2;
  return 1;
}
} // namespace

void Diagnostics::error(const Location &location, const std::string &text,
                        const Hint &hint) {
  say({Severity::Error, location, text, false, hint});
}

void Diagnostics::warning(const Location &location, const std::string &text) {
  say({Severity::Warning, location, text, false, {}});
}

void Diagnostics::note(const Location &location, const std::string &text) {
  say({Severity::Note, location, text, false, {}});
}

void Diagnostics::fileError(const FileName &file, const std::string &text) {
  say({Severity::Error, Location(file, 0, 0), text, true, {}});
}

void Diagnostics::report(const Diagnostic &diagnostic) { say(diagnostic); }

void Diagnostics::say(Diagnostic diagnostic) {
  if (diagnostic.severity == Severity::Error)
    ++errorCount;
  ++messageCount;
  if (holding) {
    held.push_back(std::move(diagnostic));
    return;
  }
  // One write per message: the error stream is unbuffered, and a message
  // must not be split by the stream's formatting state.
  std::string text;
  render(text, diagnostic);
  writeRaw(*out, text);
}

void Diagnostics::format(std::string &out, const Diagnostic &diagnostic) {
  appendMessage(out, diagnostic.severity, diagnostic.location, diagnostic.text,
                diagnostic.wholeFile);
  if (diagnostic.severity == Severity::Note || diagnostic.wholeFile)
    return;
  Step step;
  for (Location at = diagnostic.location; stepOut(at, step); at = step.at)
    if (step.origin.kind == SourceOrigin::Macro)
      appendMessage(out, Severity::Note, step.at, expansionNote(step.origin),
                    false);
}

void Diagnostics::render(std::string &out, const Diagnostic &diagnostic) {
  if (!style.isRich()) {
    format(out, diagnostic);
    return;
  }
  renderLine(out, diagnostic.severity, diagnostic.location, diagnostic.text,
             diagnostic.wholeFile, true);
  if (hints && diagnostic.hint.kind != Hint::None) {
    std::vector<std::string> notes;
    hints->notesFor(diagnostic.hint, notes);
    for (const std::string &note : notes)
      renderLine(out, Severity::Note, diagnostic.location, note, false, false);
  }
  if (diagnostic.severity == Severity::Note || diagnostic.wholeFile)
    return;
  Step step;
  for (Location at = diagnostic.location; stepOut(at, step); at = step.at) {
    if (step.origin.kind == SourceOrigin::Macro) {
      renderLine(out, Severity::Note, step.at, expansionNote(step.origin),
                 false, true);
    } else if (step.origin.kind == SourceOrigin::Include) {
      std::string text = "included from ";
      appendEscaped(text, step.at.getName());
      text += ':' + std::to_string(step.at.getLine());
      style.paint(out, MessageStyle::Note, "note: ");
      out += text;
      out += '\n';
    }
  }
}

void Diagnostics::renderLine(std::string &out, Severity severity,
                             const Location &location, const std::string &text,
                             bool wholeFile, bool snippet) const {
  std::string prefix;
  appendEscaped(prefix, prefixOf(location, wholeFile));
  style.paint(out, MessageStyle::Bold, prefix);
  style.paint(out, paintOf(severity), severityText(severity));
  std::string escaped;
  appendEscaped(escaped, text);
  out += escaped;
  out += '\n';
  if (snippet && !wholeFile)
    renderSnippet(out, location);
}

void Diagnostics::renderSnippet(std::string &out,
                                const Location &location) const {
  if (!sources)
    return;
  // Column 0 is the end of the line before.
  unsigned line = location.getLine();
  unsigned col = location.getCol();
  if (col == 0) {
    if (line <= 1)
      return;
    --line;
  }
  std::string_view text;
  if (!sources->findLine(location.getName(), line, text))
    return;
  if (col == 0)
    col = static_cast<unsigned>(text.size()) + 1;
  style.appendSnippet(out, text, col, tokenLength(text, col - 1));
}

void Diagnostics::release() {
  std::string text;
  for (const Diagnostic &diagnostic : held)
    render(text, diagnostic);
  writeRaw(*out, text);
  discard();
}

void Diagnostics::discard() {
  held.clear();
  held.shrink_to_fit();
  holding = false;
}
