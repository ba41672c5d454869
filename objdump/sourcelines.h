// sourcelines.h - source lines above the operations of a listing: the
// file and line a line table gives for an address, and the text of that
// line read from the source file.
#ifndef ZV_OBJDUMP_SOURCELINES_H
#define ZV_OBJDUMP_SOURCELINES_H

#include <cstdint>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace zvod {

class SourceLines {
public:
  // showText: the source line itself (-S); showPlace: file:line (-l). A
  // source file that cannot be read is said once to warnings, as a file of
  // the one named.
  SourceLines(bool showText, bool showPlace, const std::string &name,
              std::ostream &warnings);

  void setFiles(std::vector<std::string> paths) { files = std::move(paths); }
  // The line of the code from key (an offset, address or position) up to
  // the next row's key; the first row of a key counts.
  void add(uint64_t key, size_t file, uint64_t line);
  // The end of a sequence: the code from key on has no line, unless a row
  // of the same key begins the next sequence.
  void addEnd(uint64_t key);
  bool empty() const { return places.empty(); }

  // Before the operation at key: what is shown of its line when it is
  // another line than the last one shown; true when anything was written.
  bool before(uint64_t key, std::ostream &out);
  // A new section or unit: the next line is shown even if it is the same.
  void restart() { last = Place{SIZE_MAX, 0}; }

private:
  struct Place {
    size_t file;
    uint64_t line;
    bool operator!=(const Place &o) const {
      return file != o.file || line != o.line;
    }
  };

  // The text of a line, or null when the file cannot be read.
  const std::string *text(const Place &place);

  bool showText;
  bool showPlace;
  std::string name;
  std::ostream &warnings;
  std::vector<std::string> files;
  std::map<uint64_t, Place> places;
  // The lines of each file read so far; a file not read has none.
  std::map<size_t, std::vector<std::string>> read;
  std::set<size_t> missing;
  Place last{SIZE_MAX, 0};
};

} // namespace zvod

#endif
