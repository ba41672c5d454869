// zp100_cg.h - the ZP100 image: the operations of every paragraph dealt out
// to four processing units, code addresses as rows, entry code 0x7A080000
// followed by the entry row.
#ifndef ZV_LD_ZP100_CG_H
#define ZV_LD_ZP100_CG_H

#include "archcodegen.h"
#include "buffer.h"

#include <libdwarf.h>

#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

namespace zvld {

class CompilationUnit;
class DebugInfoReader;
struct CUSourceLine;

// The shape of one operation as the dealing sees it.
enum : uint8_t { OpLong = 1, OpEnd = 2 };

// Deals operations out to the four units: one paragraph at a time, unit by
// unit, every paragraph starting at the same row of all units. The same
// dealer builds the address table and writes the units, so the two can
// never disagree.
class ParagraphDealer {
public:
  static constexpr unsigned Units = 4;

  class Sink {
  public:
    virtual ~Sink() = default;
    // The operation at offset of the buffer goes to unit at fill, which is
    // position in the row numbering; shape tells its size and end bit.
    virtual bool placed(unsigned unit, uint64_t fill, uint64_t position,
                        uint64_t offset, uint8_t shape) = 0;
    virtual bool zeros(unsigned unit, uint64_t count) = 0;
    // A paragraph closed; end is the first byte of the next row, before
    // the padding check may add one.
    virtual bool paragraphEnd(uint64_t end) {
      (void)end;
      return true;
    }
  };

  void reset();
  bool deal(const std::vector<uint8_t> &shapes, Sink &sink);
  // Every unit filled with zero bytes up to end.
  bool fillAll(uint64_t end, Sink &sink);
  uint64_t getFill(unsigned unit) const { return fill[unit]; }
  unsigned getUnit() const { return unit; }
  int64_t getLastPosition() const { return last; }
  uint64_t positionOf(unsigned unit) const;

  // The shapes of the operations in bytes of the given order; false when
  // an extension word is missing or 1 to 3 bytes are left over.
  static bool readShapes(const uint8_t *bytes, uint64_t size, uint8_t encoding,
                         std::vector<uint8_t> &shapes);

private:
  bool paddingNeeded(uint64_t end, const std::vector<uint8_t> &shapes,
                     size_t from) const;

  uint64_t fill[Units] = {};
  int64_t last = -1;
  unsigned unit = 0;
};

class ZP100_CG : public ArchCodeGen {
public:
  ZP100_CG(const std::string &outputName, const InputFiles *inputFiles,
           const std::string &entryLabel, std::ostream &messages);
  ~ZP100_CG() override;

  int generate() override;
  uint64_t adjustValueByRelocation(uint64_t value, uint64_t mask,
                                   ElfObject *object, size_t index,
                                   uint64_t offset, const Symbol *symbol,
                                   const char *typeName) override;
  int getEntryPointCodeSize() const override { return 8; }
  uint64_t entryAddressOf(const Symbol *symbol) const override;
  bool initProgramHeaderTable() override;
  bool recalculateSymbolValue() override;
  bool produceProgCode() override;
  bool evalTextSection(Buffer &buffer) override;
  bool evalDataSection(Buffer &buffer) override;
  size_t findRelSection(ElfObject *object, size_t index) override;

  static constexpr uint32_t EntryWord = 0x7A080000;
  static constexpr uint64_t UnitMemorySize = 0x8000;

  // The libdwarf producer's section callback: the image's header index of
  // a section, none for relocation sections.
  static int getDwarfSection(const char *name, int size, Dwarf_Unsigned type,
                             Dwarf_Unsigned flags, Dwarf_Unsigned link,
                             Dwarf_Unsigned info, Dwarf_Unsigned *nameIndex,
                             void *userData, int *error);

private:
  class TableSink;
  class WriteSink;

  // The line rows of the object whose .text is being dealt, followed to
  // the positions its operations go to.
  struct LineCursor {
    ElfObject *object = nullptr;
    DebugInfoReader *reader = nullptr;
    CompilationUnit *unit = nullptr;
    CUSourceLine *line = nullptr;
    bool damaged = false;
    bool failed = false;
  };
  bool getNextDebugLineInfoBlock(ElfObject *object, DebugInfoReader *reader,
                                 CompilationUnit *&unit, CUSourceLine *&line);
  bool addRebuildedDebugLineInfoBlock(ElfObject *object, CompilationUnit *unit,
                                      Dwarf_Callback_Func callback,
                                      void *userData);
  void followOperation(LineCursor &cursor, uint64_t offset, uint64_t position,
                       uint8_t shape);
  void followParagraphEnd(LineCursor &cursor, uint64_t end);
  bool producerFailed(ElfObject *object, const char *text, Dwarf_Error error);

  bool recalculateSymbolValueForTextSection(OutSecData *data, size_t number);
  // Code symbols become rows, for the map.
  void finishSymbols() override { setTextSymbolRows(); }
  uint32_t rowOf(uint64_t linear) const;
  // The table entry i; 0 where no operation starts.
  uint32_t addressRow(uint64_t i) const;
  void setTextSymbolRows();
  bool isTextSymbol(const Symbol *symbol) const;

  ParagraphDealer dealer;
  // The address table: the row of the operation at each 4 bytes of the
  // linked .text, by byte offset / 4, with addressEntries entries. Kept
  // sparse: alignment may leave gaps of any size in the offsets, while the
  // operations themselves fill at most the program memory.
  std::unordered_map<uint64_t, uint32_t> addressTable;
  uint64_t addressEntries = 0;
  // The operation shapes of every .text contribution, read before
  // relocation and replayed while writing.
  std::vector<std::vector<uint8_t>> textShapes;
  const std::vector<uint8_t> *currentShapes = nullptr;
  std::vector<std::unique_ptr<Buffer>> units;
  // The rebuilt line tables of the object being followed, one per unit.
  std::vector<std::unique_ptr<Buffer>> rebuiltBlocks;
};

} // namespace zvld

#endif
