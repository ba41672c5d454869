// includesandbox.cpp - the wrapped open() and stat() of the assembler
// target, confined to the scratch directory while an assembly runs.
#include "includesandbox.h"

#include <cerrno>
#include <cstdarg>
#include <fcntl.h>
#include <sys/stat.h>

extern "C" {
int __real_open(const char *path, int flags, ...);
int __real_stat(const char *path, struct stat *st);
int __wrap_open(const char *path, int flags, ...);
int __wrap_stat(const char *path, struct stat *st);
}

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

int __wrap_open(const char *path, int flags, ...) {
  mode_t mode = 0;
  if (flags & (O_CREAT | O_TMPFILE)) {
    va_list args;
    va_start(args, flags);
    mode = mode_t(va_arg(args, int));
    va_end(args);
  }
  std::string inside;
  if (!IncludeSandbox::confine(path, inside)) {
    errno = ENOENT;
    return -1;
  }
  return __real_open(path ? inside.c_str() : path, flags, mode);
}

int __wrap_stat(const char *path, struct stat *st) {
  std::string inside;
  if (!IncludeSandbox::confine(path, inside)) {
    errno = ENOENT;
    return -1;
  }
  return __real_stat(path ? inside.c_str() : path, st);
}
