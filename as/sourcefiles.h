// sourcefiles.h - the bytes of the run's source files, each file read once
// so that both passes (and every replay) see the same text.
#ifndef ZV_AS_SOURCEFILES_H
#define ZV_AS_SOURCEFILES_H

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// What one read of a file gave: its bytes up to the end or up to a read
// failure, and the failure's text.
struct SourceText {
  bool opened = false;
  // The bytes read, in storage that is not cleared before the read fills
  // it: a large source is touched once.
  std::string_view bytes;
  std::unique_ptr<char[]> storage;
  std::string error; // empty: the whole file was read
};

class SourceFiles {
public:
  // The text of the file at path. The first request reads it; every later
  // one gets the same text, whatever became of the file since.
  std::shared_ptr<const SourceText> get(const std::string &path);
  // Reads the file at path now, bypassing any table.
  static std::shared_ptr<const SourceText> read(const std::string &path);

  // Line number line (from 1) of the file at path as it was read, without
  // its line end; false when the file was not read or has no such line.
  // For messages: the first request of a file indexes its lines.
  bool findLine(const std::string &path, unsigned line,
                std::string_view &text) const;

private:
  std::unordered_map<std::string, std::shared_ptr<const SourceText>> files;
  mutable std::unordered_map<std::string, std::vector<size_t>> lineStarts;
};

#endif
