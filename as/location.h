// location.h - a source position (file, line, column) and the message prefix
// printed in front of every assembler diagnostic.
#ifndef ZV_AS_LOCATION_H
#define ZV_AS_LOCATION_H

#include <ostream>
#include <string>

#include "filename.h"

class Location {
public:
  Location() : line(0), col(0) {}
  Location(const std::string &name, unsigned line, unsigned col)
      : name(name), line(line), col(col) {}
  Location(const FileName &name, unsigned line, unsigned col)
      : name(name), line(line), col(col) {}
  Location(const Location &other) = default;
  // The end of the given line, shown as the line alone.
  static Location endOfLine(const FileName &name, unsigned line) {
    return Location(name, line + 1, 0);
  }
  Location &operator=(const Location &other) = default;

  const std::string &getName() const { return name.getName(); }
  const FileName &getFileName() const { return name; }
  unsigned getIndex() const { return name.getIndex(); }
  unsigned getLine() const { return line; }
  unsigned getCol() const { return col; }

  void setName(const std::string &n) { name.setName(n); }
  void setFileName(const FileName &n) { name = n; }
  void setLine(unsigned l) { line = l; }
  void setCol(unsigned c) { col = c; }
  void set(const FileName &n, unsigned l, unsigned c) {
    name = n;
    line = l;
    col = c;
  }

  // The place in the files as written that this location stands for: the
  // outermost macro invocation when it lies in a macro expansion (an .irp
  // body is written where it stands), else the location itself.
  Location invocationSite() const;

  // "file:line:col: ", or "file:L: " with L the line before when col is 0
  // (the end of that line): the place in front of a message.
  void appendPrefix(std::string &out) const;
  void print(std::ostream &os) const;

private:
  FileName name;
  unsigned line;
  unsigned col; // 1-based; 0 is the end of the line before
};

#endif
