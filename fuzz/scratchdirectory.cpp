// scratchdirectory.cpp - the fuzz targets' private directory: made once per
// process, emptied and removed at the end.
#include "scratchdirectory.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

[[noreturn]] void die(const std::string &what) {
  std::fprintf(stderr, "fuzz scratch directory: %s: %s\n", what.c_str(),
               std::strerror(errno));
  std::abort();
}

// Removes a tree the target made itself: plain files and directories only.
void removeTree(const std::string &dir) {
  if (DIR *d = opendir(dir.c_str())) {
    std::vector<std::string> names;
    while (dirent *e = readdir(d))
      if (std::strcmp(e->d_name, ".") != 0 && std::strcmp(e->d_name, "..") != 0)
        names.push_back(e->d_name);
    closedir(d);
    for (const std::string &name : names) {
      std::string path = dir + "/" + name;
      struct stat st;
      if (lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode))
        removeTree(path);
      else
        unlink(path.c_str());
    }
  }
  rmdir(dir.c_str());
}

} // namespace

ScratchDirectory::ScratchDirectory() {
  // Millions of runs write and read back their files: memory is the place
  // for them when the machine has it.
  const char *tmp = std::getenv("TMPDIR");
  std::string pattern = access("/dev/shm", W_OK) == 0 ? "/dev/shm"
                        : tmp && *tmp == '/'          ? tmp
                                                      : "/tmp";
  pattern += "/zv-fuzz-XXXXXX";
  if (!mkdtemp(pattern.data()))
    die("mkdtemp " + pattern);
  // The assembler target compares paths by prefix: no link may hide in it.
  char *real = realpath(pattern.c_str(), nullptr);
  if (!real)
    die("realpath " + pattern);
  root = real;
  std::free(real);
}

ScratchDirectory::~ScratchDirectory() { removeTree(root); }

void ScratchDirectory::write(const std::string &name, const uint8_t *data,
                             size_t size) const {
  std::string path = file(name);
  int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0)
    die("open " + path);
  while (size > 0) {
    ssize_t n = ::write(fd, data, size);
    if (n < 0) {
      if (errno == EINTR)
        continue;
      die("write " + path);
    }
    data += n;
    size -= size_t(n);
  }
  if (::close(fd) != 0)
    die("close " + path);
}

void ScratchDirectory::write(const std::string &name,
                             const std::string &text) const {
  write(name, reinterpret_cast<const uint8_t *>(text.data()), text.size());
}

void ScratchDirectory::makeDirectory(const std::string &name) const {
  std::string path = file(name);
  if (::mkdir(path.c_str(), 0755) != 0 && errno != EEXIST)
    die("mkdir " + path);
}

bool ScratchDirectory::exists(const std::string &name) const {
  struct stat st;
  return lstat(file(name).c_str(), &st) == 0;
}

void ScratchDirectory::remove(const std::string &name) const {
  std::string path = file(name);
  if (::unlink(path.c_str()) != 0 && errno != ENOENT)
    die("unlink " + path);
}
