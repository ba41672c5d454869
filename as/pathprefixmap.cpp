// pathprefixmap.cpp - the entries of --debug-prefix-map, the last given
// deciding where several match.
#include "pathprefixmap.h"

bool PathPrefixMap::add(const std::string &text, std::string &error) {
  const size_t equals = text.find('=');
  if (equals == std::string::npos) {
    error = "expected old=new";
    return false;
  }
  if (equals == 0) {
    error = "the old directory is empty";
    return false;
  }
  entries.emplace_back(text.substr(0, equals), text.substr(equals + 1));
  return true;
}

std::string PathPrefixMap::apply(const std::string &path) const {
  for (auto e = entries.rbegin(); e != entries.rend(); ++e)
    if (path.compare(0, e->first.size(), e->first) == 0)
      return e->second + path.substr(e->first.size());
  return path;
}
