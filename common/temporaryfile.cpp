// temporaryfile.cpp - scratch files made with mkstemp beside their target
// and given the permissions of a newly created file.
#include "temporaryfile.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

TemporaryFile::TemporaryFile(const std::string &target) {
  std::string pattern = target + ".tmpXXXXXX";
  int fd = mkstemp(pattern.data());
  if (fd < 0 && errno == ENAMETOOLONG) {
    // A target name close to the file name limit has no room for the
    // suffix; a short name in the same directory still renames in place.
    size_t slash = target.rfind('/');
    pattern = (slash == std::string::npos ? std::string()
                                          : target.substr(0, slash + 1)) +
              ".tmpXXXXXX";
    fd = mkstemp(pattern.data());
  }
  if (fd < 0)
    return;
  // mkstemp creates the file for its owner only; give the output the
  // permissions any newly created file would get.
  mode_t mask = umask(0);
  umask(mask);
  fchmod(fd, 0666 & ~mask);
  ::close(fd);
  name = pattern;
}

TemporaryFile::~TemporaryFile() {
  if (!name.empty())
    unlink(name.c_str());
}

bool TemporaryFile::commit(const std::string &target) {
  if (std::rename(name.c_str(), target.c_str()) != 0)
    return false;
  name.clear();
  return true;
}
