// diagnostics.h - the one path of the assembler's messages: severity, place
// and text in, "file:line:col: error: text" out; counts errors, holds back.
#ifndef ZV_AS_DIAGNOSTICS_H
#define ZV_AS_DIAGNOSTICS_H

#include <cstdint>
#include <iostream>
#include <ostream>
#include <string>
#include <vector>

#include "filename.h"
#include "location.h"
#include "messagestyle.h"

class SourceFiles;

enum class Severity { Error, Warning, Note };

// A name a message is about, for which a person may be shown the names
// that were probably meant. Worked out only when the message is shown.
struct Hint {
  enum Kind : uint8_t {
    None,
    UnknownOperation,      // a word that is no operation (or macro)
    UnknownDirective,      // a word with a dot that is no directive
    UnknownRegisterName,   // a register name the model does not have
    UnknownRegisterNumber, // a register number it does not have
    UndefinedSymbol,       // a symbol that has no value
  };
  Kind kind = None;
  std::string name;
};

// Turns hints into the notes that follow a message.
class HintSource {
public:
  virtual ~HintSource() = default;
  virtual void notesFor(const Hint &hint, std::vector<std::string> &notes) = 0;
};

// One message. A message about a whole file has no line: it is shown after
// the file name alone.
struct Diagnostic {
  Severity severity = Severity::Error;
  Location location;
  std::string text;
  bool wholeFile = false;
  Hint hint;
};

class Diagnostics {
public:
  explicit Diagnostics(std::ostream &out = std::cerr) : out(&out) {}
  Diagnostics(const Diagnostics &) = delete;
  Diagnostics &operator=(const Diagnostics &) = delete;

  void error(const Location &location, const std::string &text,
             const Hint &hint = {});
  void warning(const Location &location, const std::string &text);
  void note(const Location &location, const std::string &text);
  // An error of the file as a whole: "name: error: text".
  void fileError(const FileName &file, const std::string &text);
  // Says a message that was recorded elsewhere.
  void report(const Diagnostic &diagnostic);

  // Errors said or held so far; warnings and notes do not count.
  unsigned getErrorCount() const { return errorCount; }
  // Every message said or held so far, whatever its severity.
  unsigned getMessageCount() const { return messageCount; }

  // From hold() on, messages are kept instead of written. release() writes
  // them in their order, discard() forgets them; either ends the holding.
  // Held errors are counted all the same.
  void hold() { holding = true; }
  void release();
  void discard();
  const std::vector<Diagnostic> &getHeld() const { return held; }

  // Rich messages (for a person) show the source lines of their places,
  // from sources, and the notes of hints, from hints.
  void setStyle(const MessageStyle &s) { style = s; }
  const MessageStyle &getStyle() const { return style; }
  void setSources(const SourceFiles *s) { sources = s; }
  void setHints(HintSource *h) { hints = h; }

  // Appends one message the way every message of the assembler looks, with
  // the notes of the macro expansions its place lies in.
  static void format(std::string &out, const Diagnostic &diagnostic);

private:
  void say(Diagnostic diagnostic);
  // The message in the style of this run.
  void render(std::string &out, const Diagnostic &diagnostic);
  // One located line of a message, with its source line when rich.
  void renderLine(std::string &out, Severity severity, const Location &location,
                  const std::string &text, bool wholeFile, bool snippet) const;
  void renderSnippet(std::string &out, const Location &location) const;

  std::ostream *out;
  std::vector<Diagnostic> held;
  bool holding = false;
  unsigned errorCount = 0;
  unsigned messageCount = 0;
  MessageStyle style;
  const SourceFiles *sources = nullptr;
  HintSource *hints = nullptr;
};

#endif
