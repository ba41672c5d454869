// endianconversion.cpp - the host byte order and byte reversal of 16-, 32-
// and 64-bit values.
#include "endianconversion.h"

// The tools are built for little-endian hosts only; a big-endian host would
// silently write every object in the wrong order.
static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__,
              "the toolchain expects a little-endian host");

EndianConversion::EndianConversion() : systemEncoding(LittleEndian) {}

void EndianConversion::convert(uint16_t &x) { x = __builtin_bswap16(x); }

void EndianConversion::convert(int16_t &x) {
  x = static_cast<int16_t>(__builtin_bswap16(static_cast<uint16_t>(x)));
}

void EndianConversion::convert(uint32_t &x) { x = __builtin_bswap32(x); }

void EndianConversion::convert(int32_t &x) {
  x = static_cast<int32_t>(__builtin_bswap32(static_cast<uint32_t>(x)));
}

void EndianConversion::convert(uint64_t &x) { x = __builtin_bswap64(x); }

void EndianConversion::convert(int64_t &x) {
  x = static_cast<int64_t>(__builtin_bswap64(static_cast<uint64_t>(x)));
}
