// sourcefiles.cpp - whole-file reads through the descriptor interface and the
// run's table of texts by path.
#include "sourcefiles.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

std::shared_ptr<const SourceText> SourceFiles::get(const std::string &path) {
  auto it = files.find(path);
  if (it != files.end())
    return it->second;
  std::shared_ptr<const SourceText> text = read(path);
  files.emplace(path, text);
  return text;
}

std::shared_ptr<const SourceText> SourceFiles::read(const std::string &path) {
  auto text = std::make_shared<SourceText>();
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    text->error = "can't open file '" + path + "' for reading";
    return text;
  }
  text->opened = true;
  // The size is only a hint: files of /proc say 0 and still have bytes.
  // One byte more than it lets a single read see the end.
  struct stat status;
  size_t capacity = 64 * 1024;
  if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) &&
      status.st_size > 0)
    capacity = static_cast<size_t>(status.st_size) + 1;
  std::unique_ptr<char[]> bytes(new char[capacity]);
  size_t used = 0;
  for (;;) {
    if (used == capacity) {
      std::unique_ptr<char[]> larger(new char[capacity * 2]);
      std::memcpy(larger.get(), bytes.get(), used);
      bytes = std::move(larger);
      capacity *= 2;
    }
    ssize_t n = ::read(fd, bytes.get() + used, capacity - used);
    if (n > 0) {
      used += static_cast<size_t>(n);
      continue;
    }
    if (n == 0)
      break;
    if (errno != EINTR) {
      text->error = "can't read data from file '" + path + "'";
      break;
    }
  }
  text->storage = std::move(bytes);
  text->bytes = std::string_view(text->storage.get(), used);
  ::close(fd);
  return text;
}

bool SourceFiles::findLine(const std::string &path, unsigned line,
                           std::string_view &text) const {
  auto it = files.find(path);
  if (it == files.end() || !it->second->opened || line == 0)
    return false;
  const std::string_view bytes = it->second->bytes;
  std::vector<size_t> &starts = lineStarts[path];
  if (starts.empty()) {
    starts.push_back(0);
    for (const char *p = bytes.data(), *end = p + bytes.size();
         (p = static_cast<const char *>(
              std::memchr(p, '\n', static_cast<size_t>(end - p))));
         ++p)
      starts.push_back(static_cast<size_t>(p - bytes.data()) + 1);
  }
  if (line > starts.size() || starts[line - 1] > bytes.size())
    return false;
  const size_t begin = starts[line - 1];
  size_t end = line < starts.size() ? starts[line] - 1 : bytes.size();
  if (begin == bytes.size() && line > 1)
    return false;
  text = bytes.substr(begin, end - begin);
  return true;
}
