// symboldefinition.h - a symbol the command line defines (--defsym
// name=value): an absolute value the source sees from its first line.
#ifndef ZV_AS_SYMBOLDEFINITION_H
#define ZV_AS_SYMBOLDEFINITION_H

#include <cstdint>
#include <string>

struct SymbolDefinition {
  std::string name;
  int64_t value = 0;

  // Reads "name=value": a name the source could write and an integer
  // (decimal, 0x hex, 0b binary, 0 octal; a minus may lead). False with
  // the reason in error.
  static bool parse(const std::string &text, SymbolDefinition &definition,
                    std::string &error);
};

#endif
