// debuginfoproducer.h - the DWARF producers of the assembler: what the object
// writer asks of them, and the line rows that .loc records.
#ifndef ZV_AS_DEBUGINFOPRODUCER_H
#define ZV_AS_DEBUGINFOPRODUCER_H

#include <cstdint>
#include <string>
#include <vector>

// One .loc row: where in .text it applies and the source position it names.
struct DwarfLine {
  uint64_t address = 0;
  uint64_t file = 0;
  uint64_t line = 0;
  uint64_t column = 0;
  uint32_t isStmt = 0;
  uint32_t basicBlock = 0;
  uint32_t prologueEnd = 0;
  uint32_t epilogueBegin = 0;
  uint64_t isa = 0;
  uint64_t discriminator = 0;
};

class DebugInfoProducer {
public:
  DebugInfoProducer() = default;
  DebugInfoProducer(const DebugInfoProducer &) = delete;
  DebugInfoProducer &operator=(const DebugInfoProducer &) = delete;
  virtual ~DebugInfoProducer() = default;

  // True for the producer that describes the assembly source itself, false
  // for the one that describes .file/.loc positions.
  virtual bool isAsmDebugInfo() const = 0;
  // Turns everything gathered into byte streams; false with getLastError().
  virtual bool transformToDiskForm() = 0;
  // The next byte stream with the index of the section it belongs to, or
  // null when none is left (index and length then 0). On a failure error is
  // set and the result is null.
  virtual const uint8_t *getSectionBytes(int64_t &elfSectionIndex,
                                         uint64_t &length, bool &error) = 0;
  virtual const std::string &getLastError() const = 0;
  // Flattened pairs (section name, relocation section name or "").
  virtual const std::vector<std::string> &
  getDebugSectionNameSequence(bool rebuild = false) = 0;
};

#endif
