// textformat.cpp - hexadecimal digits and sign extension for the listing,
// the source writer and the file reader's messages.
#include "textformat.h"

#include <cstdio>

namespace zvod {

std::string hexDigits(uint64_t value) {
  char buffer[24];
  std::snprintf(buffer, sizeof buffer, "%llx",
                static_cast<unsigned long long>(value));
  return buffer;
}

int64_t signExtend(uint64_t value, unsigned bytes) {
  if (bytes == 0 || bytes >= 8)
    return static_cast<int64_t>(value);
  const unsigned shift = 64 - 8 * bytes;
  return static_cast<int64_t>(value << shift) >> shift;
}

} // namespace zvod
