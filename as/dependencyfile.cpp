// dependencyfile.cpp - formatting and writing the --MD rule; the escapes are
// those make and Ninja's depfile reader undo.
#include "dependencyfile.h"

#include <cstdio>

#include "temporaryfile.h"

std::string DependencyFile::escape(const std::string &name) {
  std::string out;
  size_t backslashes = 0; // just written, in a row
  for (char c : name) {
    if (c == ' ' || c == '\t' || c == '#') {
      // 2N+1 backslashes before a blank read back as N and the blank.
      out.append(backslashes + 1, '\\');
      out += c;
      backslashes = 0;
      continue;
    }
    if (c == '$')
      out += '$';
    out += c;
    backslashes = c == '\\' ? backslashes + 1 : 0;
  }
  return out;
}

bool DependencyFile::format(const std::string &target,
                            const std::vector<std::string> &files,
                            std::string &rule) {
  std::vector<std::string> names;
  for (size_t i = 1; i < files.size(); ++i)
    names.push_back(files[i]);
  if (!files.empty())
    names.push_back(files[0]);
  auto unnameable = [this](const std::string &n) {
    if (n.find_first_of("\n\r") == std::string::npos)
      return false;
    error = "a make rule can't name '" + n + "'";
    return true;
  };
  if (unnameable(target))
    return false;
  for (const std::string &n : names)
    if (unnameable(n))
      return false;

  rule = escape(target) + ":";
  size_t lineStart = 0;
  bool lineHasName = false;
  for (const std::string &n : names) {
    const std::string word = escape(n);
    if (lineHasName && rule.size() - lineStart + 1 + word.size() > LINE_WIDTH) {
      rule += " \\\n";
      lineStart = rule.size();
    }
    rule += ' ';
    rule += word;
    lineHasName = true;
  }
  rule += '\n';
  return true;
}

bool DependencyFile::write(const std::string &name, const std::string &target,
                           const std::vector<std::string> &files) {
  std::string rule;
  if (!format(target, files, rule))
    return false;
  TemporaryFile temporary(name);
  if (!temporary.isCreated()) {
    error = "can't create a scratch file beside it";
    return false;
  }
  std::FILE *f = std::fopen(temporary.getName().c_str(), "wb");
  if (!f) {
    error = "can't open '" + temporary.getName() + "' for writing";
    return false;
  }
  const bool written =
      std::fwrite(rule.data(), 1, rule.size(), f) == rule.size();
  if (std::fclose(f) != 0 || !written) {
    error = "can't write '" + temporary.getName() + "'";
    return false;
  }
  if (!temporary.commit(name)) {
    error = "can't rename '" + temporary.getName() + "' to it";
    return false;
  }
  return true;
}
