// filename.h - cheap handles to source file names: one index into the run's
// table of names, so that every source location costs one integer.
#ifndef ZV_AS_FILENAME_H
#define ZV_AS_FILENAME_H

#include <string>

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

  // Forgets every registered name; between the runs of a program that
  // assembles more than once, when no handle is left.
  static void clearTable();

private:
  unsigned index;
};

#endif
