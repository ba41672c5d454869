// elfmutator.h - libFuzzer mutations that know ELF32 objects and ar
// archives, so that mutated real objects get past the header checks.
#ifndef ZV_FUZZ_ELFMUTATOR_H
#define ZV_FUZZ_ELFMUTATOR_H

#include <cstddef>
#include <cstdint>

// Works on the linker harness's input format (see linkharness.h). Most
// mutations rewrite one field of a header, symbol or relocation in place,
// in the object's byte order, with a value chosen to sit on a boundary
// (0, all ones, the file size, a section count, a neighbour's value); some
// mutate one section's contents or an archive header; a few hand the whole
// input to libFuzzer's own mutations or rearrange its parts.
class ElfMutator {
public:
  // Mutates data[0, size) in place with room for maxSize bytes; the new
  // size. The same seed gives the same mutation.
  static size_t mutate(uint8_t *data, size_t size, size_t maxSize,
                       unsigned seed);
  // One part of each input, joined into one input; its size.
  static size_t crossOver(const uint8_t *a, size_t aSize, const uint8_t *b,
                          size_t bSize, uint8_t *out, size_t maxOut,
                          unsigned seed);
};

#endif
