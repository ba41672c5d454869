// pathprefixmap.h - --debug-prefix-map: directory names written into the
// debugging information with one beginning replaced by another, so that
// the same sources built in two places give the same object.
#ifndef ZV_AS_PATHPREFIXMAP_H
#define ZV_AS_PATHPREFIXMAP_H

#include <string>
#include <utility>
#include <vector>

class PathPrefixMap {
public:
  // Reads "old=new"; false with the reason in error. old may not be empty.
  bool add(const std::string &text, std::string &error);
  // The path with the old part of the last entry it begins with replaced
  // by that entry's new part; the path itself when none matches.
  std::string apply(const std::string &path) const;
  bool isEmpty() const { return entries.empty(); }

private:
  std::vector<std::pair<std::string, std::string>> entries;
};

#endif
