// includesandbox.h - while one is alive, the assembler's file lookups and
// opens see only the scratch directory: relative names resolve inside it and
// every other path is reported missing.
#ifndef ZV_FUZZ_INCLUDESANDBOX_H
#define ZV_FUZZ_INCLUDESANDBOX_H

#include <string>

// The assembler target links with -Wl,--wrap=open,--wrap=stat: the library
// calls of both go through the sandbox, which passes them on unchanged when
// no sandbox is alive (libFuzzer's own file handling among them).
class IncludeSandbox {
public:
  // root: an absolute path without a trailing '/' and without links.
  explicit IncludeSandbox(const std::string &root);
  IncludeSandbox(const IncludeSandbox &) = delete;
  IncludeSandbox &operator=(const IncludeSandbox &) = delete;
  ~IncludeSandbox();

  // The path a call is to use instead of path; false when it lies outside.
  static bool confine(const char *path, std::string &inside);
};

#endif
