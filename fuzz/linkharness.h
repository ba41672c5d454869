// linkharness.h - the linker targets' one run: the input bytes are cut into
// objects and archives, written to the scratch directory and linked.
#ifndef ZV_FUZZ_LINKHARNESS_H
#define ZV_FUZZ_LINKHARNESS_H

#include "scratchdirectory.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The input is up to MaxParts parts separated by Separator or by
// EntrySeparator, which also asks for the entry label "start"; separators
// past the last part stay inside it. A part that begins with the archive
// magic is linked as a library (-l), any other as an object of the command
// line, in input order; the first object's header names the model.
class LinkHarness {
public:
  static constexpr size_t MaxParts = 3;
  static constexpr char Separator[] = "ZVLDPART";
  static constexpr char EntrySeparator[] = "ZVLDENTR";
  static constexpr size_t SeparatorSize = 8;
  static constexpr char ArchiveMagic[] = "!<arch>\n";

  struct Part {
    size_t offset;
    size_t size;
    bool archive;
  };
  // The parts of an input, and whether the entry label was asked for.
  static std::vector<Part> split(const uint8_t *data, size_t size,
                                 bool &entry);

  LinkHarness();

  // Links one input; -1 when it holds no object (libFuzzer then keeps it
  // out of the corpus), else 0. A finding aborts.
  int run(const uint8_t *data, size_t size);

private:
  ScratchDirectory scratch;
};

#endif
