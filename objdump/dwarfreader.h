// dwarfreader.h - the debugging information of an object or image held in
// memory: the source lines of its line tables and the labels of its
// paragraph and variable entries, read through the libdwarf consumer.
#ifndef ZV_OBJDUMP_DWARFREADER_H
#define ZV_OBJDUMP_DWARFREADER_H

#include <libdwarf.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace zvod {

class ElfFile;

// One row of a line table: the source line of the code at an address.
struct SourceRow {
  uint64_t address;
  size_t file; // index into getFiles()
  uint64_t line;
  bool endSequence;
};

// A named place from a paragraph entry (code) or a variable entry (data).
struct DebugLabel {
  std::string name;
  uint64_t address;
  bool code;
};

class DwarfReader {
public:
  explicit DwarfReader(const ElfFile &file);
  ~DwarfReader();
  DwarfReader(const DwarfReader &) = delete;
  DwarfReader &operator=(const DwarfReader &) = delete;

  // Reads every unit; true with nothing when the file has no debugging
  // information, false with getLastError() when it cannot be read.
  bool read();
  const std::string &getLastError() const { return error; }

  // Source files as the units name them: a relative name joined to its
  // unit's compilation directory.
  const std::vector<std::string> &getFiles() const { return files; }
  // The rows of every unit, in table order.
  const std::vector<SourceRow> &getRows() const { return rows; }
  const std::vector<DebugLabel> &getLabels() const { return labels; }

private:
  struct Access;

  bool fail(const std::string &text);
  bool readUnit(Dwarf_Die unit);
  bool readLines(Dwarf_Die unit, const std::string &compDir);
  bool readLabels(Dwarf_Die unit);
  // One label entry and, for a paragraph, the further names below it.
  bool readLabel(Dwarf_Die die, Dwarf_Half tag);
  std::string nameOf(Dwarf_Die die);
  // Visits every child of parent with its tag (0 when it has none that
  // can be read); false when a visit or the walk fails.
  bool eachChild(Dwarf_Die parent,
                 const std::function<bool(Dwarf_Die, Dwarf_Half)> &visit);

  const ElfFile &file;
  std::unique_ptr<Access> access;
  Dwarf_Debug dbg = nullptr;
  std::vector<std::string> files;
  std::vector<SourceRow> rows;
  std::vector<DebugLabel> labels;
  std::string error;
};

} // namespace zvod

#endif
