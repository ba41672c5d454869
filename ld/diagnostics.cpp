// diagnostics.cpp - printf-style formatting of the linker's messages, kept
// in one place so that the texts stay exactly as users see them.
#include "diagnostics.h"

#include <cstdarg>
#include <cstdio>
#include <ostream>
#include <vector>

namespace zvld {

Diagnostics::Diagnostics(std::ostream &out) : out(out) {}

void Diagnostics::print(const char *prefix, const char *format, va_list args) {
  va_list copy;
  va_copy(copy, args);
  char small[256];
  int n = std::vsnprintf(small, sizeof small, format, copy);
  va_end(copy);
  out << prefix;
  if (n < 0) {
    out << format << '\n';
    return;
  }
  if (size_t(n) < sizeof small) {
    out.write(small, n);
  } else {
    std::vector<char> big(size_t(n) + 1);
    std::vsnprintf(big.data(), big.size(), format, args);
    out.write(big.data(), n);
  }
  out << '\n';
}

#define ZV_PRINT(prefix)                                                       \
  va_list args;                                                                \
  va_start(args, format);                                                      \
  print(prefix, format, args);                                                 \
  va_end(args)

void Diagnostics::fatal(const char *format, ...) {
  ZV_PRINT("Fatal error: ");
  ++errors;
}

void Diagnostics::error(const char *format, ...) {
  ZV_PRINT("error: ");
  ++errors;
}

void Diagnostics::warning(const char *format, ...) { ZV_PRINT("warning: "); }

void Diagnostics::counted(const char *format, ...) {
  ZV_PRINT("");
  ++errors;
}

void Diagnostics::notice(const char *format, ...) { ZV_PRINT(""); }

#undef ZV_PRINT

std::string Diagnostics::place(const std::string &location,
                               const std::string &section, uint64_t offset) {
  char hex[32];
  std::snprintf(hex, sizeof hex, "0x%x", unsigned(offset));
  return location + ":(" + section + "+" + hex + ")";
}

} // namespace zvld
