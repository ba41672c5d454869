// temporaryfile.h - a scratch file beside an output, renamed into place
// only when the output is complete.
#ifndef ZV_COMMON_TEMPORARYFILE_H
#define ZV_COMMON_TEMPORARYFILE_H

#include <string>

// The output is written under a unique name beside its target and renamed
// into place only when complete, so an interrupted or failed run never leaves
// a partial file that make would take for up to date. The scratch file is
// removed on every path that does not commit it.
class TemporaryFile {
public:
  explicit TemporaryFile(const std::string &target);
  TemporaryFile(const TemporaryFile &) = delete;
  TemporaryFile &operator=(const TemporaryFile &) = delete;
  ~TemporaryFile();

  bool isCreated() const { return !name.empty(); }
  const std::string &getName() const { return name; }
  // Renames the scratch file to the target; false leaves it to be removed.
  bool commit(const std::string &target);

private:
  std::string name;
};

#endif
