// filestat.h - a file path kept with forward slashes, and the questions the
// programs ask about it: existence, kind, parts and absolute form.
#ifndef ZV_COMMON_FILESTAT_H
#define ZV_COMMON_FILESTAT_H

#include <string>

class FileStat {
public:
  FileStat();
  explicit FileStat(const std::string &path);
  FileStat &operator=(const std::string &path);

  bool operator==(const FileStat &other) const {
    return filePathText == other.filePathText;
  }
  bool operator!=(const FileStat &other) const { return !(*this == other); }

  bool isEmpty() const { return filePathText.empty(); }
  bool isExists() const;
  bool isReg() const;
  bool isDir() const;
  bool isExistsAndReg() const { return isExists() && isReg(); }
  // Whether both paths lead to one file: the same device and inode when
  // both exist, else the same path once the directories are resolved. An
  // output named like an input must never replace it.
  bool isSameFile(const FileStat &other) const;

  const std::string &filePath() const { return filePathText; }
  // Everything up to and including the last '/'.
  std::string path() const;
  // Everything after the last '/'.
  std::string fileName() const;
  // The file name up to its last '.'.
  std::string completeBaseName() const;

  // Replace the path by its absolute form, resolved lexically against the
  // working directory ("." and ".." removed, links not followed). False,
  // with the path unchanged, for an empty path, an unknown working
  // directory, or a result the platform could not use (PATH_MAX or more).
  bool makeAbsolute();

  static char separator() { return '/'; }

private:
  void setSeparators();
  void normalize();

  std::string filePathText;
  char sep;
  char systemSep;
};

#endif
