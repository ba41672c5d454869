// elfcheck.h - an independent look at what a fuzzed run wrote: the object or
// image must be a sound ELF32 file of the asked kind and model.
#ifndef ZV_FUZZ_ELFCHECK_H
#define ZV_FUZZ_ELFCHECK_H

#include <cstdint>
#include <string>

class ElfCheck {
public:
  // What is wrong with the file at path, or "" when nothing is: the header
  // names type and machine, every section, segment, symbol and relocation
  // lies inside the file and refers to what exists.
  static std::string problem(const std::string &path, uint16_t type,
                             uint16_t machine);
};

#endif
