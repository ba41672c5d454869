// asinputfilter.h - the sources the assembler target leaves out because they
// would only run into problems already known, so that the fuzzer spends its
// time on the rest.
#ifndef ZV_FUZZ_ASINPUTFILTER_H
#define ZV_FUZZ_ASINPUTFILTER_H

#include <cstddef>
#include <cstdint>

// Handled by the assembler, but at a cost a fuzzer cannot afford, or
// without a bound of the assembler's own:
// - .rept with large counts or nested repetitions (also through
//   self-inclusion or an alias): bounded by the 4 GiB section limit, which
//   takes seconds to reach, and not at all when the nest makes no bytes;
// - sections of gigabytes from .skip/.space/.fill/.align/.p2align with
//   large operands (a data section is held in memory whole);
// - aliases that expand into aliases, which grow exponentially (reported).
// Words are matched as bytes anywhere in the text, so some harmless sources
// are left out too; none that could reach these problems is let in.
class AsInputFilter {
public:
  // Why the source is left out, or nullptr when it is to be assembled.
  static const char *rejects(const uint8_t *data, size_t size);
};

#endif
