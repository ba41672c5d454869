// reader.cpp - buffered byte-by-byte reading of one source file with line and
// column tracking.
#include "reader.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// Large enough that a source is read in few system calls; a small file gets
// a buffer of its own size, so that deep include chains stay cheap.
constexpr size_t kMaxBufferSize = 256 * 1024;
constexpr size_t kMinBufferSize = 4 * 1024;

size_t bufferSizeFor(int fd) {
  struct stat status;
  if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode))
    return kMaxBufferSize;
  uint64_t size = static_cast<uint64_t>(status.st_size);
  if (size < kMinBufferSize)
    return kMinBufferSize;
  return size < kMaxBufferSize ? static_cast<size_t>(size) : kMaxBufferSize;
}
} // namespace

Reader::~Reader() { closeFile(); }

bool Reader::openFile(const FileName &fileName) {
  closeFile();
  name = fileName;
  error.clear();
  pos = len = 0;
  bufferOffset = 0;
  atEnd = failed = false;
  fd = ::open(name.getName().c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    error = "can't open file '" + name.getName() + "' for reading";
    failed = true;
    current = 0;
    return false;
  }
  buffer.resize(bufferSizeFor(fd));
  buffer.shrink_to_fit();
  current = ' ';
  line = 1;
  col = 1;
  return true;
}

void Reader::closeFile() {
  if (fd >= 0)
    ::close(fd);
  fd = -1;
  failed = true;
}

bool Reader::fill() {
  bufferOffset += static_cast<int64_t>(len);
  pos = len = 0;
  for (;;) {
    ssize_t n = ::read(fd, buffer.data(), buffer.size());
    if (n > 0) {
      len = static_cast<size_t>(n);
      return true;
    }
    if (n == 0) {
      atEnd = true;
      return false;
    }
    if (errno != EINTR) {
      error = "can't read data from file '" + name.getName() + "'";
      return false;
    }
  }
}

char Reader::getCharSlow() {
  if (failed || fd < 0 || !fill()) {
    failed = true;
    current = 0;
    return current;
  }
  return getChar();
}

void Reader::end() {
  current = 0;
  if (fd < 0)
    return;
  off_t size = ::lseek(fd, 0, SEEK_END);
  if (size >= 0)
    bufferOffset = size;
  pos = len = 0;
  atEnd = true;
  failed = true;
}

int64_t Reader::tellg() const {
  if (fd < 0)
    return 0;
  return bufferOffset + static_cast<int64_t>(pos);
}

void Reader::seekg(int64_t position) {
  if (fd < 0 || position < 0)
    return;
  // Error state stays: a failed file gives no more bytes.
  if (isError())
    return;
  if (position >= bufferOffset &&
      position <= bufferOffset + static_cast<int64_t>(len)) {
    pos = static_cast<size_t>(position - bufferOffset);
  } else {
    if (::lseek(fd, static_cast<off_t>(position), SEEK_SET) < 0) {
      error = "can't read data from file '" + name.getName() + "'";
      failed = true;
      current = 0;
      return;
    }
    bufferOffset = position;
    pos = len = 0;
  }
  atEnd = false;
  failed = false;
}
