// dependencyfile.h - the make rule --MD writes: the object as the target and
// every file the assembly read, in the form make's -include and Ninja's
// "deps = gcc" read.
#ifndef ZV_AS_DEPENDENCYFILE_H
#define ZV_AS_DEPENDENCYFILE_H

#include <string>
#include <vector>

class DependencyFile {
public:
  // Lines longer than this are continued with " \" on the next.
  static constexpr size_t LINE_WIDTH = 76;

  // The rule "target: files", files[0] (the main source) last, with the
  // characters make would read otherwise escaped. False, with the last
  // error kept, for a name no rule can hold (a line feed in it).
  bool format(const std::string &target, const std::vector<std::string> &files,
              std::string &rule);
  // Writes the rule to name through a scratch file renamed into place, so
  // that no partial rule is ever seen. False with the last error kept.
  bool write(const std::string &name, const std::string &target,
             const std::vector<std::string> &files);
  const std::string &getLastError() const { return error; }

  // One name as make reads it: a blank, '#' and the backslashes before
  // them escaped, '$' doubled.
  static std::string escape(const std::string &name);

private:
  std::string error;
};

#endif
