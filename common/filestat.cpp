// filestat.cpp - path questions through the C library's status and access
// queries, and lexical resolution of absolute paths.
#include "filestat.h"

#include <climits>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

FileStat::FileStat() { setSeparators(); }

FileStat::FileStat(const std::string &path) : filePathText(path) {
  setSeparators();
  normalize();
}

FileStat &FileStat::operator=(const std::string &path) {
  filePathText = path;
  normalize();
  return *this;
}

void FileStat::setSeparators() {
  sep = '/';
  systemSep = '\\';
}

void FileStat::normalize() {
  for (char &c : filePathText)
    if (c == systemSep)
      c = sep;
}

bool FileStat::isExists() const {
  return access(filePathText.c_str(), F_OK) == 0;
}

bool FileStat::isReg() const {
  struct stat st;
  return !filePathText.empty() && stat(filePathText.c_str(), &st) == 0 &&
         S_ISREG(st.st_mode);
}

bool FileStat::isDir() const {
  struct stat st;
  return !filePathText.empty() && stat(filePathText.c_str(), &st) == 0 &&
         S_ISDIR(st.st_mode);
}

namespace {

// The path with its directory part resolved through the file system (links
// followed), the last component kept as written; "" when the directory
// cannot be resolved.
std::string resolvedPath(const std::string &path) {
  size_t slash = path.rfind('/');
  std::string dir = slash == std::string::npos ? "." : path.substr(0, slash);
  std::string last = slash == std::string::npos ? path : path.substr(slash + 1);
  if (dir.empty())
    dir = "/";
  char *real = realpath(dir.c_str(), nullptr);
  if (!real)
    return std::string();
  std::string result = real;
  free(real);
  if (last.empty() || last == ".")
    return result;
  if (result.back() != '/')
    result += '/';
  return result + last;
}

} // namespace

bool FileStat::isSameFile(const FileStat &other) const {
  if (filePathText.empty() || other.filePathText.empty())
    return false;
  struct stat a, b;
  bool hasA = stat(filePathText.c_str(), &a) == 0;
  bool hasB = stat(other.filePathText.c_str(), &b) == 0;
  if (hasA && hasB)
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
  if (hasA != hasB)
    return false;
  std::string ra = resolvedPath(filePathText);
  return !ra.empty() && ra == resolvedPath(other.filePathText);
}

std::string FileStat::path() const {
  size_t slash = filePathText.rfind(sep);
  return slash == std::string::npos ? std::string()
                                    : filePathText.substr(0, slash + 1);
}

std::string FileStat::fileName() const {
  size_t slash = filePathText.rfind(sep);
  return slash == std::string::npos ? filePathText
                                    : filePathText.substr(slash + 1);
}

std::string FileStat::completeBaseName() const {
  std::string name = fileName();
  size_t dot = name.rfind('.');
  return dot == std::string::npos ? name : name.substr(0, dot);
}

bool FileStat::makeAbsolute() {
  if (filePathText.empty())
    return false;
  std::string whole;
  if (filePathText[0] != sep) {
    std::vector<char> cwd(PATH_MAX);
    if (!getcwd(cwd.data(), cwd.size()))
      return false;
    whole = cwd.data();
    whole += sep;
  }
  whole += filePathText;

  // Split into components and fold "." and ".." away; ".." at the root
  // stays at the root.
  std::vector<std::string> parts;
  size_t from = 0;
  while (from <= whole.size()) {
    size_t to = whole.find(sep, from);
    if (to == std::string::npos)
      to = whole.size();
    std::string part = whole.substr(from, to - from);
    if (part == "..") {
      if (!parts.empty())
        parts.pop_back();
    } else if (!part.empty() && part != ".") {
      parts.push_back(part);
    }
    from = to + 1;
  }

  std::string result;
  for (const std::string &part : parts)
    result += sep + part;
  if (result.empty())
    result = sep;
  // A path naming a directory with a trailing slash keeps it.
  else if (filePathText.back() == sep)
    result += sep;
  if (result.size() >= PATH_MAX)
    return false;
  filePathText = result;
  normalize();
  return true;
}
