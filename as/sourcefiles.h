// sourcefiles.h - the bytes of the run's source files, each file read once
// so that both passes (and every replay) see the same text.
#ifndef ZV_AS_SOURCEFILES_H
#define ZV_AS_SOURCEFILES_H

#include <memory>
#include <string>
#include <unordered_map>

// What one read of a file gave: its bytes up to the end or up to a read
// failure, and the failure's text.
struct SourceText {
  bool opened = false;
  std::string bytes;
  std::string error; // empty: the whole file was read
};

class SourceFiles {
public:
  // The text of the file at path. The first request reads it; every later
  // one gets the same text, whatever became of the file since.
  std::shared_ptr<const SourceText> get(const std::string &path);
  // Reads the file at path now, bypassing any table.
  static std::shared_ptr<const SourceText> read(const std::string &path);

private:
  std::unordered_map<std::string, std::shared_ptr<const SourceText>> files;
};

#endif
