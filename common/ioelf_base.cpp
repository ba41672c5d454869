// ioelf_base.cpp - error texts of the object-file library and string table
// lookup.
#include "ioelf_base.h"

#include <cstring>

const char *ioelf_base::errorText(int code) {
  // The texts are part of the programs' messages; keep them as they are.
  static const char *const texts[] = {
      "no error",
      "specified file isn't exist",
      "specified file isn't regular",
      "can't open file",
      "the file isn't load",
      "out of memory",
      "too small buffer size",
      "can't read from specified file",
      "can't write into specified file",
      "the file is not a valid ELF file",
      "not enough data for reading from specified file",
      "invalid index",
      "invalid type",
      "incompatible file: wrong machine",
      "incompatible file: wrong class",
      "incompatible file: wrong type",
  };
  if (code < 0 || code >= static_cast<int>(sizeof texts / sizeof texts[0]))
    return "unknown error";
  return texts[code];
}

std::string ioelf_base::getName(const std::string &table, uint32_t offset) {
  if (offset >= table.size())
    return std::string();
  const char *p = table.data() + offset;
  size_t n = strnlen(p, table.size() - offset);
  return std::string(p, n);
}
