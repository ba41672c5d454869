// source_test_util.h - helpers for the source input tests: scratch source
// files and a message log of the tests' own.
#ifndef ZV_TESTS_SOURCE_TEST_UTIL_H
#define ZV_TESTS_SOURCE_TEST_UTIL_H

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include <unistd.h>

#include "diagnostics.h"
#include "expression.h"
#include "location.h"
#include "token.h"

// A fresh directory under /tmp, removed with its files at the end.
class ScratchDir {
public:
  ScratchDir() {
    char pattern[] = "/tmp/zv-src-test-XXXXXX";
    const char *made = mkdtemp(pattern);
    dir = made != nullptr ? made : "/tmp";
  }
  ~ScratchDir() {
    std::string command = "rm -rf '" + dir + "'";
    if (dir != "/tmp" && std::system(command.c_str()) != 0)
      std::cerr << "cannot remove " << dir << '\n';
  }
  ScratchDir(const ScratchDir &) = delete;
  ScratchDir &operator=(const ScratchDir &) = delete;

  // Writes the bytes as they are and returns the file's path.
  std::string write(const std::string &name, const std::string &bytes) const {
    std::string path = dir + "/" + name;
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path;
  }
  const std::string &path() const { return dir; }

private:
  std::string dir;
};

// Diagnostics that write into a string instead of the error stream.
class MessageLog {
public:
  MessageLog() = default;
  MessageLog(const MessageLog &) = delete;
  MessageLog &operator=(const MessageLog &) = delete;

  // Everything said so far.
  std::string text() const { return out.str(); }
  // What was said since the last take(), which is then forgotten.
  std::string take() {
    std::string said = out.str();
    out.str("");
    return said;
  }

  std::ostringstream out;
  Diagnostics diagnostics{out};
};

// The place in front of a message at the location.
inline std::string prefixOf(const Location &location) {
  std::string text;
  location.appendPrefix(text);
  return text;
}

// The error an expression's last calculation stopped at, as it would be
// shown; empty without one.
inline std::string calculationErrorText(const Expression *e) {
  std::string text;
  if (const Diagnostic *error = e->getCalculationError())
    Diagnostics::format(text, *error);
  return text;
}

// A token reduced to what the tests compare: code, value or text, and the
// location it was announced at.
struct Scanned {
  int code = 0;
  int64_t value = 0;
  int view = -1;
  std::string text;
  const Token *token = nullptr; // only for identity checks on words
  unsigned line = 0;
  unsigned col = 0;
};

inline Scanned describe(const Token *t, unsigned line, unsigned col) {
  Scanned s;
  s.code = t->getCode();
  s.token = t;
  s.line = line;
  s.col = col;
  if (t->isNumber()) {
    const auto *n = static_cast<const Number *>(t);
    s.value = n->getValue();
    s.view = n->getView();
  } else if (t->isWord()) {
    s.text = static_cast<const Word *>(t)->getName();
  } else if (t->isString()) {
    s.text = static_cast<const String *>(t)->getText();
  }
  return s;
}

#endif
