// responsefile.h - @file arguments: the words of a file in place of the
// argument that names it, as build tools pass long command lines.
#ifndef ZV_COMMON_RESPONSEFILE_H
#define ZV_COMMON_RESPONSEFILE_H

#include <string>
#include <string_view>
#include <vector>

class ResponseFiles {
public:
  // How deep @file may nest inside @file, and how many files one command
  // line may read: a file that names itself ends at the first bound, files
  // that name each other twice over at the second.
  static constexpr unsigned MAX_DEPTH = 32;
  static constexpr unsigned MAX_FILES = 4096;

  // Replaces every argument after the first that is '@' and the name of a
  // readable regular file by that file's words, recursively. An @file that
  // cannot be read stays as it is. False, with the last error kept, when a
  // bound is passed.
  bool expand(int argc, char **argv);
  // expand, then points argc and argv at the result.
  bool replace(int &argc, char **&argv);
  // The arguments after expand, the program name first, in the form
  // main() receives them (null after the last); valid while this lives.
  int argc() const { return static_cast<int>(words.size()); }
  char **argv() { return pointers.data(); }
  const std::string &getLastError() const { return error; }

  // The words of a response file: blanks separate them, '...' and "..."
  // quote, a backslash takes the next character as it is.
  static std::vector<std::string> split(std::string_view text);

private:
  bool expandWord(const std::string &word, unsigned depth);

  std::vector<std::string> words;
  std::vector<char *> pointers;
  unsigned filesRead = 0;
  std::string error;
};

#endif
