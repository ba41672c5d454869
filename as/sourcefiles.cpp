// sourcefiles.cpp - whole-file reads through the descriptor interface and the
// run's table of texts by path.
#include "sourcefiles.h"

#include <cerrno>
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
  std::string &bytes = text->bytes;
  bytes.resize(capacity);
  size_t used = 0;
  for (;;) {
    if (used == bytes.size())
      bytes.resize(bytes.size() * 2);
    ssize_t n = ::read(fd, &bytes[used], bytes.size() - used);
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
  bytes.resize(used);
  ::close(fd);
  return text;
}
