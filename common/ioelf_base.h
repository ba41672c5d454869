// ioelf_base.h - the error codes of the object-file library with their
// fixed texts, and reading a name out of an ELF string table.
#ifndef ZV_COMMON_IOELF_BASE_H
#define ZV_COMMON_IOELF_BASE_H

#include "endianconversion.h"

#include <cstdint>
#include <string>

class ioelf_base : public EndianConversion {
public:
  enum errc : int {
    NoError = 0,
    FileNotExist = 1,
    FileNotRegular = 2,
    CantOpen = 3,
    NotLoaded = 4,
    OutOfMemory = 5,
    BufferTooSmall = 6,
    CantRead = 7,
    CantWrite = 8,
    NotElf = 9,
    NotEnoughData = 10,
    InvalidIndex = 11,
    InvalidType = 12,
    WrongMachine = 13,
    WrongClass = 14,
    WrongType = 15,
  };

  // The fixed text of a code; "unknown error" for any other number.
  static const char *errorText(int code);

  // The NUL-terminated name at offset in a string table; "" when the
  // offset lies outside the table. A name running into the end of the table
  // without a NUL ends there.
  static std::string getName(const std::string &table, uint32_t offset);
};

#endif
