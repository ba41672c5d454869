// diagnostics.h - the one path of the assembler's messages: severity, place
// and text in, "file:line:col: error: text" out; counts errors, holds back.
#ifndef ZV_AS_DIAGNOSTICS_H
#define ZV_AS_DIAGNOSTICS_H

#include <iostream>
#include <ostream>
#include <string>
#include <vector>

#include "filename.h"
#include "location.h"

enum class Severity { Error, Warning, Note };

// One message. A message about a whole file has no line: it is shown after
// the file name alone.
struct Diagnostic {
  Severity severity = Severity::Error;
  Location location;
  std::string text;
  bool wholeFile = false;
};

class Diagnostics {
public:
  explicit Diagnostics(std::ostream &out = std::cerr) : out(&out) {}
  Diagnostics(const Diagnostics &) = delete;
  Diagnostics &operator=(const Diagnostics &) = delete;

  void error(const Location &location, const std::string &text);
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

  // Appends one message the way every message of the assembler looks.
  static void format(std::string &out, const Diagnostic &diagnostic);

private:
  void say(Severity severity, const Location &location, const std::string &text,
           bool wholeFile);

  std::ostream *out;
  std::vector<Diagnostic> held;
  bool holding = false;
  unsigned errorCount = 0;
  unsigned messageCount = 0;
};

#endif
