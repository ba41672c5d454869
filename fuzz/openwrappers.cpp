// openwrappers.cpp - the assembler target's open() and stat(), linked in
// place of the C library's (-Wl,--wrap) and confined by the sandbox.
#include "includesandbox.h"

#include <cerrno>
#include <cstdarg>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>

extern "C" {
int __real_open(const char *path, int flags, ...);
int __real_stat(const char *path, struct stat *st);
int __wrap_open(const char *path, int flags, ...);
int __wrap_stat(const char *path, struct stat *st);
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
