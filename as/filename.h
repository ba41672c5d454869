// filename.h - cheap handles to source file names: one index into the run's
// table of names, so that every source location costs one integer.
#ifndef ZV_AS_FILENAME_H
#define ZV_AS_FILENAME_H

#include <cstdint>
#include <string>

// Where the text a name stands for came from: a file included at a place,
// or the text of one macro expansion or one iteration of an .irp body,
// made at a place (file, line, column). The text of an expansion keeps the
// name and the line numbers of the file its body was written in.
struct SourceOrigin {
  enum Kind : uint8_t { None, Include, Macro, Repetition };
  Kind kind = None;
  unsigned file = 0; // the index of the name of the place
  unsigned line = 0;
  unsigned col = 0;
  unsigned label = 0; // Macro: the label of the macro's name

  bool isExpansion() const { return kind == Macro || kind == Repetition; }
};

class FileName {
public:
  // The shared empty name; it does not grow the table.
  FileName();
  // Registers name as a new entry, even when the same text is there already.
  FileName(const std::string &name);
  FileName(const FileName &other) = default;
  FileName &operator=(const FileName &other) = default;

  // The registered text; an index outside the table is a programming error.
  const std::string &getName() const;
  unsigned getIndex() const { return index; }
  // Registers name and refers to the new entry.
  unsigned setName(const std::string &name);

  SourceOrigin getOrigin() const;
  // This file was included at (from, line, col).
  void setIncludedFrom(const FileName &from, unsigned line, unsigned col);
  // The name of the text of an expansion (kind Macro or Repetition, label
  // the macro's for Macro) whose body was written in the file of text, made
  // at (at, line, col). Asked again for the same place it is the same name,
  // so that a repetition around an invocation does not grow the table.
  static FileName expansion(const FileName &text, SourceOrigin::Kind kind,
                            unsigned label, const FileName &at, unsigned line,
                            unsigned col);
  static FileName fromIndex(unsigned index);

  // A text kept beside the names, such as a macro's name for its
  // expansions, once per text; it lives as long as the table.
  static unsigned addLabel(const std::string &text);
  static const std::string &getLabel(unsigned label);

  // Forgets every registered name; between the runs of a program that
  // assembles more than once, when no handle is left.
  static void clearTable();

private:
  explicit FileName(unsigned index, bool) : index(index) {}

  unsigned index;
};

#endif
