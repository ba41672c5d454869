// includesandbox.cpp - which paths an assembly may reach: those inside the
// scratch directory, relative names resolved there.
#include "includesandbox.h"

namespace {
const std::string *activeRoot = nullptr;
} // namespace

IncludeSandbox::IncludeSandbox(const std::string &root) { activeRoot = &root; }

IncludeSandbox::~IncludeSandbox() { activeRoot = nullptr; }

bool IncludeSandbox::confine(const char *path, std::string &inside) {
  inside = path ? path : "";
  if (!activeRoot || inside.empty())
    return true;
  if (inside.front() != '/')
    inside = *activeRoot + "/" + inside;
  else if (inside.compare(0, activeRoot->size(), *activeRoot) != 0 ||
           (inside.size() > activeRoot->size() &&
            inside[activeRoot->size()] != '/'))
    return false;
  // No ".." may climb out; the directory itself holds no links.
  for (size_t at = activeRoot->size(); at < inside.size();) {
    size_t end = inside.find('/', at + 1);
    if (end == std::string::npos)
      end = inside.size();
    if (inside.compare(at, end - at, "/..") == 0)
      return false;
    at = end;
  }
  return true;
}
