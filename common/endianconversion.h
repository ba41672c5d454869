// endianconversion.h - the host byte order and byte reversal, the base of
// every class that reads or writes multi-byte values in a given order.
#ifndef ZV_COMMON_ENDIANCONVERSION_H
#define ZV_COMMON_ENDIANCONVERSION_H

#include <cstdint>

class EndianConversion {
public:
  // Byte order codes, the ELF data encodings.
  enum : uint8_t { LittleEndian = 1, BigEndian = 2 };

  EndianConversion();

  uint8_t getSystemEncoding() const { return systemEncoding; }

  // Reverse the bytes of a value in place.
  static void convert(uint16_t &x);
  static void convert(int16_t &x);
  static void convert(uint32_t &x);
  static void convert(int32_t &x);
  static void convert(uint64_t &x);
  static void convert(int64_t &x);

protected:
  uint8_t systemEncoding;
};

#endif
