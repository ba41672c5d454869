// ld_obj_fuzz.cpp - what makes the structure-aware linker target of
// ld_fuzz.cpp: real objects and archives mutated field by field (see
// elfmutator.h), so that the inputs get past the header checks.
#include "elfmutator.h"

extern "C" size_t LLVMFuzzerCustomMutator(uint8_t *data, size_t size,
                                          size_t maxSize, unsigned seed) {
  return ElfMutator::mutate(data, size, maxSize, seed);
}

extern "C" size_t LLVMFuzzerCustomCrossOver(const uint8_t *a, size_t aSize,
                                            const uint8_t *b, size_t bSize,
                                            uint8_t *out, size_t maxOut,
                                            unsigned seed) {
  return ElfMutator::crossOver(a, aSize, b, bSize, out, maxOut, seed);
}
