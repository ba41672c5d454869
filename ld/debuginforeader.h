// debuginforeader.h - the compilation units, source files and line rows of
// one object, read through the libdwarf consumer for the line rebuild.
#ifndef ZV_LD_DEBUGINFOREADER_H
#define ZV_LD_DEBUGINFOREADER_H

#include "dwarfsectionaccess.h"

#include <libdwarf.h>
#include <libelf.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace zvld {

// One row of a line table.
struct CUSourceLine {
  bool addressSet = false;
  uint64_t address = 0;
  uint64_t file = 0;
  uint64_t line = 0;
  uint64_t column = 0;
  bool isStmt = false;
  bool basicBlock = false;
  bool endSequence = false;
  bool prologueEnd = false;
  bool epilogueBegin = false;
  uint64_t isa = 0;
  uint64_t discriminator = 0;
};

class CUSourceFileList {
public:
  explicit CUSourceFileList(std::vector<std::string> names)
      : names(std::move(names)) {}
  // File numbers count from 1.
  std::string getFileName(uint64_t index, bool &found) const;
  bool isValidFileIndex(uint64_t index) const {
    return index >= 1 && index <= names.size();
  }
  uint64_t getCount() const { return names.size(); }

private:
  std::vector<std::string> names;
};

class CUSourceLineList {
public:
  void add(const CUSourceLine &line) { lines.push_back(line); }
  CUSourceLine *getNextSourceLine() {
    return cursor < lines.size() ? &lines[cursor++] : nullptr;
  }
  void restartSourceLineList() { cursor = 0; }
  // Sorts each run of rows by address; a run ends before a basic-block or
  // end-of-sequence row, and an end-of-sequence row belongs to none.
  void sort();
  uint64_t getCount() const { return lines.size(); }

private:
  std::vector<CUSourceLine> lines;
  size_t cursor = 0;
};

class CompilationUnit {
public:
  explicit CompilationUnit(Dwarf_Die die) : die(die) {}

  Dwarf_Die die;
  uint64_t headerLength = 0;
  uint16_t version = 0;
  uint64_t abbrevOffset = 0;
  uint16_t addressSize = 0;
  std::string producer;
  uint64_t language = 0;
  std::string compDir;
  std::string name;
  uint64_t lowPc = 0;
  uint64_t highPc = 0;
  bool attributesRead = false;
  std::unique_ptr<CUSourceFileList> files;
  std::unique_ptr<CUSourceLineList> lines;
  bool filesRead = false;
  bool linesRead = false;
};

class DebugInfoReader {
public:
  explicit DebugInfoReader(Elf *elf);
  DebugInfoReader(const DebugInfoReader &) = delete;
  DebugInfoReader &operator=(const DebugInfoReader &) = delete;
  ~DebugInfoReader();

  bool init();
  const std::vector<std::unique_ptr<CompilationUnit>> &getCUList() const {
    return units;
  }
  CompilationUnit *getNextCU();
  void restartCUList() { cursor = 0; }
  bool getCUAttributes(CompilationUnit *unit);
  bool getCUSourceFileList(CompilationUnit *unit);
  bool getCUSourceLineList(CompilationUnit *unit);
  const std::string &getLastError() const { return lastError; }

private:
  bool fail(const char *text, Dwarf_Error error);

  DwarfSectionAccess sections;
  Dwarf_Debug dbg = nullptr;
  std::vector<std::unique_ptr<CompilationUnit>> units;
  size_t cursor = 0;
  bool initialised = false;
  bool available = false;
  std::string lastError;
};

} // namespace zvld

#endif
