// macro.h - macros and .irp bodies: parameters, the arguments of an
// invocation, and a body expanded into text with its columns mapped back.
#ifndef ZV_AS_MACRO_H
#define ZV_AS_MACRO_H

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "filename.h"
#include "location.h"
#include "sourcefiles.h"

class Word;

// Columns of an expanded text, in the text its body was taken from. A line
// keeps its number through an expansion; only the columns after a
// substitution move. Lines without a segment keep their columns.
class ColumnMap {
public:
  struct Segment {
    unsigned line;
    unsigned col;  // first column of the stretch in the expanded text
    unsigned from; // its column in the body
    bool fixed;    // substituted text: every column is the substitution's
  };

  // The column in the text the body was written in, through every map of
  // the texts that body came from.
  unsigned map(unsigned line, unsigned col) const;

  std::vector<Segment> segments; // in line and column order
  std::shared_ptr<const ColumnMap> parent;
};

// The text between a block's opening line and its closer, where it was read.
struct MacroBody {
  std::shared_ptr<const SourceText> text; // keeps bytes alive
  std::string_view bytes;
  unsigned firstLine = 0;
  FileName file;                            // the name it was read under
  std::shared_ptr<const ColumnMap> columns; // of that text; null for a file
};

// The text of one expansion; the reader reads it as a source text.
struct ExpandedText {
  SourceText source; // its bytes are text's
  std::string text;
  std::shared_ptr<const ColumnMap> columns;
};

struct MacroParameter {
  std::string name;
  std::string defaultValue;
  bool required = false;
  bool vararg = false;
};

struct Macro {
  Word *name = nullptr;
  std::vector<MacroParameter> parameters;
  std::vector<const std::string *> names; // of the parameters, for expand()
  MacroBody body;
  Location location;  // of the name in the definition
  unsigned label = 0; // the name kept for the locations of its expansions
};

// The macros defined so far. A word knows its macro (Word::getMacro) while
// it is defined here; the table forgets every one when it goes.
class MacroTable {
public:
  MacroTable() = default;
  MacroTable(const MacroTable &) = delete;
  MacroTable &operator=(const MacroTable &) = delete;
  ~MacroTable() { clear(); }

  // Takes the macro under its name, which must not name one already.
  Macro *define(std::unique_ptr<Macro> macro);
  // Forgets the macro of the name; false when there is none.
  bool remove(const Word *name);
  void clear();
  bool empty() const { return macros.empty(); }
  // The names defined, sorted.
  std::vector<std::string> names() const;

private:
  std::unordered_map<const Word *, std::unique_ptr<Macro>> macros;
};

// One expansion in progress as the parser follows it: where its text lies
// in the tokenizer's stack and what the block stack held when it began. An
// .irp keeps its body and the values still to come.
struct ExpansionFrame {
  FileName name;
  size_t sources = 0;
  size_t blocks = 0;
  bool macro = false;
  MacroBody body;
  std::string symbol;
  std::vector<std::string> values;
  size_t next = 0;
  uint64_t count = 0;
  Location location; // of the .irp
  unsigned label = 0;
};

// A problem in the text of a definition line or an invocation: the offset
// it was found at and what to say.
struct MacroProblem {
  size_t offset = 0;
  std::string text;
};

namespace macrotext {

// The parameter list of ".macro name" from the text after the name:
// name[:req|:vararg][=default], separated by commas or blanks (a comma
// may follow the macro's name too).
bool parseParameters(std::string_view text, const std::string &macroName,
                     std::vector<MacroParameter> &parameters,
                     MacroProblem &problem);

// The value of every parameter of the macro for the argument text of one
// invocation: positional, then name=value; an empty or missing argument
// takes the default; a :vararg parameter takes the rest of the text.
bool bindArguments(const Macro &macro, const std::string &macroName,
                   std::string_view text, std::vector<std::string> &values,
                   MacroProblem &problem);

// The values of ".irp symbol, values": separated by commas or blanks, a
// quoted value without its quotes. No value at all is one empty value.
std::vector<std::string> splitValues(std::string_view text);
// The values of ".irpc symbol, characters": one per character (blanks are
// no characters unless quoted). None at all is one empty value.
std::vector<std::string> characterValues(std::string_view text);

// The text after ".irp symbol": the separating comma, if any, dropped.
std::string_view afterSymbol(std::string_view text);

// The body with \name of every parameter replaced by its value, \() taken
// out and \@ replaced by count; any other backslash stays as written.
std::shared_ptr<const ExpandedText>
expand(const MacroBody &body, const std::vector<const std::string *> &names,
       const std::vector<std::string> &values, uint64_t count);

} // namespace macrotext

#endif
