// scratchdirectory.h - a private directory a fuzz target makes once, writes
// its inputs and outputs into and removes when the process ends.
#ifndef ZV_FUZZ_SCRATCHDIRECTORY_H
#define ZV_FUZZ_SCRATCHDIRECTORY_H

#include <cstddef>
#include <cstdint>
#include <string>

class ScratchDirectory {
public:
  // Made in /dev/shm, else under $TMPDIR or /tmp; a failure ends the
  // process, since no input can be run without it.
  ScratchDirectory();
  ScratchDirectory(const ScratchDirectory &) = delete;
  ScratchDirectory &operator=(const ScratchDirectory &) = delete;
  ~ScratchDirectory();

  // The absolute path, without a trailing '/'.
  const std::string &path() const { return root; }
  // The absolute path of a name inside the directory.
  std::string file(const std::string &name) const { return root + "/" + name; }

  // Replaces the file's contents; a failure ends the process.
  void write(const std::string &name, const uint8_t *data, size_t size) const;
  void write(const std::string &name, const std::string &text) const;
  void makeDirectory(const std::string &name) const;
  bool exists(const std::string &name) const;
  void remove(const std::string &name) const;

private:
  std::string root;
};

#endif
