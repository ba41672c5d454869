// ld_fuzz.cpp - libFuzzer target of the linker: the input bytes are one or
// two objects and perhaps an archive (see linkharness.h), linked as they are.
#include "linkharness.h"
#include "slowinputguard.h"

#include <cstdlib>

namespace {
LinkHarness *harness;
} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
  harness = new LinkHarness;
  std::atexit([] { delete harness; });
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  SlowInputGuard guard(size);
  return harness->run(data, size);
}
