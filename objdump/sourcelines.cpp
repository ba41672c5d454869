// sourcelines.cpp - file:line and source text before the operations a line
// table row names; each source file is read once, and one that cannot be
// read is said once while the listing goes on without its text.
#include "sourcelines.h"

#include "filestat.h"

#include <fstream>

namespace zvod {

SourceLines::SourceLines(bool showText, bool showPlace, const std::string &name,
                         std::ostream &warnings)
    : showText(showText), showPlace(showPlace), name(name), warnings(warnings) {
}

void SourceLines::add(uint64_t key, size_t file, uint64_t line) {
  auto it = places.find(key);
  if (it == places.end())
    places.emplace(key, Place{file, line});
  else if (it->second.file == SIZE_MAX)
    it->second = Place{file, line};
}

void SourceLines::addEnd(uint64_t key) {
  places.emplace(key, Place{SIZE_MAX, 0});
}

const std::string *SourceLines::text(const Place &place) {
  if (place.file >= files.size() || missing.count(place.file))
    return nullptr;
  auto it = read.find(place.file);
  if (it == read.end()) {
    // Only a regular file: a device or a pipe named there could be read
    // without end.
    std::ifstream in;
    if (FileStat(files[place.file]).isExistsAndReg())
      in.open(files[place.file], std::ios::binary);
    if (!in.is_open() || !in) {
      missing.insert(place.file);
      warnings << "warning: " << name << ": cannot read source file '"
               << files[place.file] << "'; its lines are not shown\n";
      return nullptr;
    }
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
      if (!line.empty() && line.back() == '\r')
        line.pop_back();
      lines.push_back(std::move(line));
    }
    it = read.emplace(place.file, std::move(lines)).first;
  }
  // Lines count from 1; a line past the end of the file shows nothing.
  if (place.line == 0 || place.line > it->second.size())
    return nullptr;
  return &it->second[place.line - 1];
}

bool SourceLines::before(uint64_t key, std::ostream &out) {
  // The last row at or before the key gives its line.
  auto it = places.upper_bound(key);
  if (it == places.begin())
    return false;
  --it;
  if (it->second.file == SIZE_MAX || !(it->second != last))
    return false;
  last = it->second;
  bool written = false;
  if (showPlace && last.file < files.size()) {
    out << files[last.file] << ":" << last.line << "\n";
    written = true;
  }
  if (showText)
    if (const std::string *line = text(last)) {
      out << *line << "\n";
      written = true;
    }
  return written;
}

} // namespace zvod
