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
//
// Inputs whose section headers ask for an alignment above LargeAlignment
// are left out: the linker pads to whatever alignment is asked, so such an
// input makes an image of up to 4 GiB, and its time goes into writing zero
// bytes.
class LinkHarness {
public:
  static constexpr uint32_t LargeAlignment = 4096;
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
  static std::vector<Part> split(const uint8_t *data, size_t size, bool &entry);

  LinkHarness();

  // Whether any ELF32 object in the bytes (an archive's members too) has a
  // section header whose alignment is above LargeAlignment.
  static bool asksLargeAlignment(const uint8_t *data, size_t size);

  // Links one input; -1 when it holds no object or is left out (libFuzzer
  // then keeps it out of the corpus), else 0. A finding aborts.
  int run(const uint8_t *data, size_t size);

private:
  ScratchDirectory scratch;
};

#endif
