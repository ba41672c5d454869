// zp100_cg.cpp - the ZP100 image generator: four processing units with
// their own program memory, paragraphs dealt out row by row, and code
// addresses turned into rows through an address table.
#include "zp100_cg.h"

#include "debuginforeader.h"
#include "dwarfproducer.h"

#include "elf32.h"
#include "elfobject.h"
#include "inputfile.h"
#include "oelf.h"
#include "symbol.h"
#include <dwarf.h>

#include <algorithm>
#include <map>
#include <string>

namespace zvld {

namespace {

const uint32_t ExtensionBit = 0x02000000;
const uint32_t ParagraphEndBit = 0x00080000;

} // namespace

void ParagraphDealer::reset() {
  std::fill(fill, fill + Units, 0);
  last = -1;
  unit = 0;
}

uint64_t ParagraphDealer::positionOf(unsigned k) const {
  return ((fill[k] / 8) * Units + k) * 8 + fill[k] % 8;
}

bool ParagraphDealer::readShapes(const uint8_t *bytes, uint64_t size,
                                 uint8_t encoding,
                                 std::vector<uint8_t> &shapes) {
  shapes.clear();
  auto word = [&](uint64_t at) {
    const uint8_t *b = bytes + at;
    return encoding == ELFDATA2MSB
               ? uint32_t(b[0]) << 24 | uint32_t(b[1]) << 16 |
                     uint32_t(b[2]) << 8 | b[3]
               : uint32_t(b[3]) << 24 | uint32_t(b[2]) << 16 |
                     uint32_t(b[1]) << 8 | b[0];
  };
  uint64_t at = 0;
  while (size - at >= 4) {
    uint32_t w = word(at);
    uint8_t shape = (w & ParagraphEndBit) ? OpEnd : 0;
    if (w & ExtensionBit) {
      if (size - at < 8)
        return false;
      shape |= OpLong;
    }
    shapes.push_back(shape);
    at += (shape & OpLong) ? 8 : 4;
  }
  return at == size;
}

bool ParagraphDealer::paddingNeeded(uint64_t end,
                                    const std::vector<uint8_t> &shapes,
                                    size_t from) const {
  if (last < 0 || from >= shapes.size())
    return false;
  uint64_t p = uint64_t(last);
  int64_t distance = int64_t((end / 8) * Units * 8 + end % 8) - last;
  if (distance > int64_t(Units * 8) || p % 8 == 0 || (p / 8) % Units == 3)
    return false;
  // A paragraph end among the next operations, on a unit past the last
  // one used, needs a row of its own between.
  for (size_t j = 0; j < Units && from + j < shapes.size(); ++j)
    if (shapes[from + j] & OpEnd)
      return (p / 8) % Units < j;
  return false;
}

bool ParagraphDealer::fillAll(uint64_t end, Sink &sink) {
  for (unsigned k = 0; k < Units; ++k)
    if (fill[k] < end) {
      if (!sink.zeros(k, end - fill[k]))
        return false;
      fill[k] = end;
    }
  return true;
}

bool ParagraphDealer::deal(const std::vector<uint8_t> &shapes, Sink &sink) {
  if (last >= 0 && paddingNeeded(fill[0], shapes, 0) &&
      !fillAll(fill[0] + 8, sink))
    return false;
  uint64_t offset = 0;
  for (size_t i = 0; i < shapes.size(); ++i) {
    unsigned size = (shapes[i] & OpLong) ? 8 : 4;
    uint64_t position = positionOf(unit);
    if (!sink.placed(unit, fill[unit], position, offset, shapes[i]))
      return false;
    last = int64_t(position);
    fill[unit] += size;
    offset += size;
    unit = (unit + 1) % Units;
    if (!(shapes[i] & OpEnd))
      continue;
    uint64_t end = *std::max_element(fill, fill + Units);
    end = (end + 7) / 8 * 8;
    if (!sink.paragraphEnd(end))
      return false;
    if (paddingNeeded(end, shapes, i + 1))
      end += 8;
    if (!fillAll(end, sink))
      return false;
    unit = 0;
  }
  return true;
}

// The first pass: rows of the linked .text's byte offsets, and the line
// rows of the object followed to the positions of their operations.
class ZP100_CG::TableSink : public ParagraphDealer::Sink {
public:
  TableSink(ZP100_CG &cg, uint64_t base, LineCursor *lines = nullptr)
      : cg(cg), base(base), lines(lines) {}
  bool placed(unsigned, uint64_t fill, uint64_t position, uint64_t offset,
              uint8_t shape) override {
    if (lines)
      cg.followOperation(*lines, offset, position, shape);
    set(base + offset, fill / 8);
    if (shape & OpLong)
      set(base + offset + 4, fill / 8);
    return true;
  }
  bool zeros(unsigned, uint64_t) override { return true; }
  bool paragraphEnd(uint64_t end) override {
    if (lines)
      cg.followParagraphEnd(*lines, end);
    return true;
  }
  void set(uint64_t linear, uint64_t row) {
    if (linear / 4 < cg.addressEntries)
      cg.addressTable[linear / 4] = uint32_t(row);
  }

private:
  ZP100_CG &cg;
  uint64_t base;
  LineCursor *lines;
};

// The second pass: the words of a relocated buffer into the units.
class ZP100_CG::WriteSink : public ParagraphDealer::Sink {
public:
  WriteSink(ZP100_CG &cg, const Buffer *buffer) : cg(cg), buffer(buffer) {}
  bool placed(unsigned unit, uint64_t, uint64_t, uint64_t offset,
              uint8_t shape) override {
    unsigned size = (shape & OpLong) ? 8 : 4;
    if (!buffer || offset + size > buffer->getDataSize())
      return false;
    Buffer &pm = room(unit, size);
    return pm.writeBytes(buffer->constData() + offset, size);
  }
  bool zeros(unsigned unit, uint64_t count) override {
    static const uint8_t none[8] = {};
    while (count > 0) {
      unsigned n = unsigned(std::min<uint64_t>(count, sizeof none));
      if (!room(unit, n).writeBytes(none, n))
        return false;
      count -= n;
    }
    return true;
  }

private:
  Buffer &room(unsigned unit, unsigned size) {
    Buffer &pm = *cg.units[unit];
    if (!pm.canAccept(size))
      cg.flushBuffer(pm, uint16_t(unit), true);
    return pm;
  }

  ZP100_CG &cg;
  const Buffer *buffer;
};

ZP100_CG::ZP100_CG(const std::string &outputName, const InputFiles *inputFiles,
                   const std::string &entryLabel, std::ostream &messages)
    : ArchCodeGen(outputName, inputFiles, entryLabel, messages) {
  target = EM_ZP100;
  codeEncoding = ELFDATA2MSB;
  dataEncoding = ELFDATA2LSB;
  processingUnits = 4;
  programMemorySize = UnitMemorySize;
  textBase = 0;
  dataMemorySize = 0x20000;
  initDataMemorySize = 0x20000;
  dataBase = 0;
}

ZP100_CG::~ZP100_CG() = default;

int ZP100_CG::generate() { return generateImage(); }

uint32_t ZP100_CG::rowOf(uint64_t linear) const {
  uint64_t i = linear / 4;
  return addressRow(i < addressEntries ? i : addressEntries - 1);
}

uint32_t ZP100_CG::addressRow(uint64_t i) const {
  auto it = addressTable.find(i);
  return it == addressTable.end() ? 0 : it->second;
}

bool ZP100_CG::isTextSymbol(const Symbol *symbol) const {
  const ElfObject *owner = symbol->getOwner();
  uint16_t shndx = symbol->get().st_shndx;
  return owner && shndx != SHN_UNDEF && shndx == owner->getTextIndex();
}

void ZP100_CG::setTextSymbolRows() {
  for (const auto &file : *inputFiles)
    for (const auto &entry : file->getLoadedElfObject()) {
      ElfObject *object = entry.second.get();
      const std::vector<Symbol *> &symbols = object->getSymbols();
      for (size_t i = 1; i < symbols.size(); ++i)
        if (symbols[i]->getOwner() == object && isTextSymbol(symbols[i]))
          symbols[i]->get().st_value = rowOf(symbols[i]->get().st_value);
    }
}

bool ZP100_CG::recalculateSymbolValue() {
  OutSec *text = findOutSec(".text");
  uint64_t end = textBase;
  if (text) {
    text->setGlobalOutOff(textBase);
    end = text->getGlobalOutOff() + text->getSize();
  }
  addressTable.clear();
  addressEntries = end / 4 + 1;
  textShapes.clear();
  // The entry code is dealt as in the writing pass, so that both start
  // from the same fills.
  dealer.reset();
  TableSink entrySink(*this, 0);
  if (!entryLabel.empty() && !dealer.deal({OpLong | OpEnd}, entrySink))
    return false;
  dealer.fillAll(textBase, entrySink);

  OutSec *lines = (debugSectionFlags & 2) ? findOutSec(".debug_line") : nullptr;
  if (lines) {
    for (const auto &data : lines->getOutSecData())
      setContribution(data->getElfObject(), data->getSectionIndex(), nullptr);
    lines->clearOutSecData();
  }
  if (text) {
    size_t number = 0;
    for (const auto &data : text->getOutSecData())
      if (!recalculateSymbolValueForTextSection(data.get(), number++))
        return false;
  }
  if (lines && !lines->buildMap()) {
    diag.fatal("%s", OutSec::getLastError().c_str());
    return false;
  }
  return ArchCodeGen::recalculateSymbolValue();
}

bool ZP100_CG::recalculateSymbolValueForTextSection(OutSecData *data,
                                                    size_t number) {
  ElfObject *object = data->getElfObject();
  const char *location = object->getLocation().c_str();
  size_t index = data->getSectionIndex();
  // Code without contents is a damaged object; its size, which common
  // symbols may have grown, must not be read as zeros.
  const GElf_Shdr *shdr = object->getShdr(index);
  if (!shdr || shdr->sh_type == SHT_NOBITS) {
    diag.fatal("%s: elf object damaged or corrupted", location);
    return false;
  }
  Buffer raw(0);
  if (!object->readSection(index, raw)) {
    diag.fatal("%s: %s", location, object->getLastError().c_str());
    return false;
  }
  textShapes.resize(number + 1);
  std::vector<uint8_t> &shapes = textShapes[number];
  if (!ParagraphDealer::readShapes(raw.constData(), raw.getDataSize(),
                                   raw.getDataEncoding(), shapes)) {
    diag.fatal("%s: elf object damaged or corrupted", location);
    return false;
  }

  // The line rows of an object with debugging information follow their
  // operations.
  std::unique_ptr<DebugInfoReader> reader;
  LineCursor cursor;
  LineCursor *lines = nullptr;
  rebuiltBlocks.clear();
  if (object->getDebugIndex(0)) {
    reader = std::make_unique<DebugInfoReader>(object->getElfDescriptor());
    if (!reader->init()) {
      diag.fatal("%s: %s", location, reader->getLastError().c_str());
      return false;
    }
    cursor.object = object;
    cursor.reader = reader.get();
    if (!getNextDebugLineInfoBlock(object, reader.get(), cursor.unit,
                                   cursor.line))
      return false;
    lines = &cursor;
  }

  OutSec *text = data->getOutSec();
  uint64_t base = text->getGlobalOutOff() + data->getOutOff();
  TableSink sink(*this, base, lines);
  if (!dealer.deal(shapes, sink))
    return false;
  // The end of the section reads as the row where the next operation
  // would start.
  sink.set(base + raw.getDataSize(), dealer.getFill(dealer.getUnit()) / 8);
  if (!lines)
    return true;
  if (cursor.failed)
    return false;
  if (cursor.damaged || cursor.line) {
    diag.fatal("%s: elf object damaged or corrupted", location);
    return false;
  }
  reader.reset();

  size_t lineIndex = object->getDebugIndex(1);
  if (!lineIndex)
    return true;
  // The rebuilt tables of the object, one per unit, become its part of
  // the image's .debug_line.
  uint64_t total = 0;
  for (const auto &block : rebuiltBlocks)
    total += block->getDataSize();
  Buffer joined(codeEncoding, size_t(total));
  for (const auto &block : rebuiltBlocks)
    joined.writeBytes(block->constData(), block->getDataSize());
  rebuiltBlocks.clear();
  std::unique_ptr<OutSec> &out = outSecMap[".debug_line"];
  if (!out) {
    const GElf_Shdr *shdr = object->getShdr(lineIndex);
    out = std::make_unique<OutSec>(shdr->sh_type, shdr->sh_flags);
  }
  setContribution(object, lineIndex, out->addData(object, lineIndex, &joined));
  return true;
}

void ZP100_CG::followOperation(LineCursor &cursor, uint64_t offset,
                               uint64_t position, uint8_t shape) {
  CUSourceLine *&line = cursor.line;
  if (!line || line->endSequence || line->address != offset)
    return;
  // Every row of the operation (two .loc before one operation make two)
  // moves with it.
  while (line && !line->endSequence && line->address == offset) {
    line->address = position;
    line = cursor.unit->lines->getNextSourceLine();
  }
  if (!line || (line->endSequence && !(shape & OpEnd)))
    cursor.damaged = true;
}

void ZP100_CG::followParagraphEnd(LineCursor &cursor, uint64_t end) {
  CUSourceLine *&line = cursor.line;
  if (cursor.failed || !line || !line->endSequence)
    return;
  line->address = (end / 8) * ParagraphDealer::Units * 8 + end % 8;
  line = cursor.unit->lines->getNextSourceLine();
  if (line)
    return;
  if (!addRebuildedDebugLineInfoBlock(cursor.object, cursor.unit,
                                      getDwarfSection, this) ||
      !getNextDebugLineInfoBlock(cursor.object, cursor.reader, cursor.unit,
                                 line))
    cursor.failed = true;
}

bool ZP100_CG::getNextDebugLineInfoBlock(ElfObject *object,
                                         DebugInfoReader *reader,
                                         CompilationUnit *&unit,
                                         CUSourceLine *&line) {
  line = nullptr;
  while ((unit = reader->getNextCU()) != nullptr) {
    if (!reader->getCUAttributes(unit) || !reader->getCUSourceFileList(unit) ||
        !reader->getCUSourceLineList(unit)) {
      diag.fatal("%s: %s", object->getLocation().c_str(),
                 reader->getLastError().c_str());
      return false;
    }
    if (unit->lines) {
      unit->lines->restartSourceLineList();
      line = unit->lines->getNextSourceLine();
      return true;
    }
    if (!addRebuildedDebugLineInfoBlock(object, unit, getDwarfSection, this))
      return false;
  }
  return true;
}

bool ZP100_CG::producerFailed(ElfObject *object, const char *text,
                              Dwarf_Error error) {
  diag.fatal("%s: %s: %s", object->getLocation().c_str(), text,
             DwarfProducer::errorText(error).c_str());
  return false;
}

int ZP100_CG::getDwarfSection(const char *name, int, Dwarf_Unsigned,
                              Dwarf_Unsigned, Dwarf_Unsigned, Dwarf_Unsigned,
                              Dwarf_Unsigned *nameIndex, void *userData,
                              int *error) {
  if (error)
    *error = 0;
  if (nameIndex)
    *nameIndex = 0;
  auto *self = static_cast<ZP100_CG *>(userData);
  // Relocation sections get an index no section has, like every section
  // the image lacks: this libdwarf refuses a relocation section without
  // one, and only the .debug_line stream is taken.
  std::string section = name ? name : "";
  OutSec *out = self && section.compare(0, 5, ".rel.") != 0
                    ? self->findOutSec(section)
                    : nullptr;
  if (out && out->getElfIndex())
    return int(out->getElfIndex());
  return int(self ? self->writer->sectionCount() + 1 : 1);
}

bool ZP100_CG::addRebuildedDebugLineInfoBlock(ElfObject *object,
                                              CompilationUnit *unit,
                                              Dwarf_Callback_Func callback,
                                              void *userData) {
  if (!unit->files)
    return true;
  Dwarf_P_Debug dbg = nullptr;
  Dwarf_Error error = nullptr;
  if (DwarfProducer::init(DwarfProducer::flagsForEncoding(codeEncoding),
                          callback, userData, &dbg, &error) != DW_DLV_OK)
    return producerFailed(
        object, "couldn't create dwarf descriptor for compilation unit", error);
  // The producer's memory goes with it on every path.
  struct Finish {
    Dwarf_P_Debug dbg;
    ~Finish() {
      Dwarf_Error ignored = nullptr;
      if (dbg)
        dwarf_producer_finish_a(dbg, &ignored);
    }
  } finish{dbg};

  Dwarf_P_Die die = nullptr;
  if (dwarf_new_die_a(dbg, DW_TAG_compile_unit, nullptr, nullptr, nullptr,
                      nullptr, &die, &error) != DW_DLV_OK)
    return producerFailed(object,
                          "couldn't create debug tag DW_TAG_compile_unit for "
                          "compilatiom unit",
                          error);
  Dwarf_P_Attribute attribute = nullptr;
  std::string name = unit->name, directory = unit->compDir;
  if (dwarf_add_AT_name_a(die, name.data(), &attribute, &error) != DW_DLV_OK)
    return producerFailed(object,
                          "couldn't create debug attribute DW_AT_name for "
                          "compilatiom unit",
                          error);
  if (dwarf_add_AT_comp_dir_a(die, directory.data(), &attribute, &error) !=
      DW_DLV_OK)
    return producerFailed(object,
                          "couldn't create debug attribute DW_AT_comp_dir for "
                          "compilatiom unit",
                          error);

  // Files: the compilation directory is directory 0, every other one is
  // declared once; a name without any directory is taken to be in the
  // compilation directory.
  std::vector<Dwarf_Unsigned> fileIndex(unit->files->getCount() + 1, 0);
  std::map<std::string, Dwarf_Unsigned> directories;
  for (uint64_t i = 1; i <= unit->files->getCount(); ++i) {
    bool found = false;
    std::string path = unit->files->getFileName(i, found);
    size_t cut = path.find_last_of("/\\");
    std::string dir =
        cut == std::string::npos ? std::string() : path.substr(0, cut);
    std::string file = cut == std::string::npos ? path : path.substr(cut + 1);
    Dwarf_Unsigned dirIndex = 0;
    if (cut != std::string::npos && dir != unit->compDir) {
      auto known = directories.find(dir);
      if (known != directories.end()) {
        dirIndex = known->second;
      } else {
        if (dwarf_add_directory_decl_a(dbg, dir.data(), &dirIndex, &error) !=
            DW_DLV_OK)
          return producerFailed(
              object,
              ("couldn't add directory '" + dir +
               "' to the debug line information for compilation unit")
                  .c_str(),
              error);
        directories.emplace(dir, dirIndex);
      }
    }
    if (dwarf_add_file_decl_a(dbg, file.data(), dirIndex, 0, 0, &fileIndex[i],
                              &error) != DW_DLV_OK)
      return producerFailed(object,
                            ("couldn't add file '" + file +
                             "' to the debug line information for "
                             "compilation unit")
                                .c_str(),
                            error);
  }

  if (unit->lines) {
    CUSourceLineList &rows = *unit->lines;
    rows.sort();
    rows.restartSourceLineList();
    while (CUSourceLine *row = rows.getNextSourceLine()) {
      if (row->endSequence) {
        if (dwarf_lne_end_sequence_a(dbg, row->address, &error) != DW_DLV_OK)
          return producerFailed(object,
                                "couldn't set the end of a contiguous block "
                                "of instructions for compilation unit",
                                error);
        continue;
      }
      if (row->addressSet &&
          dwarf_lne_set_address_a(dbg, row->address, 0, &error) != DW_DLV_OK)
        return producerFailed(object,
                              "couldn't set the target address at which a "
                              "contiguous block of instructions begin for "
                              "compilation unit",
                              error);
      if (row->file != 0 && !unit->files->isValidFileIndex(row->file)) {
        diag.fatal("%s: couldn't add line entry for compilation unit: "
                   "unimplemented standard opcodes DW_DLE_define_file "
                   "handler: %s",
                   object->getLocation().c_str(), "invalid file number");
        return false;
      }
      if (DwarfProducer::addLineEntry(
              dbg, row->file ? fileIndex[row->file] : 0, row->address,
              row->line, Dwarf_Signed(row->column), row->isStmt,
              row->basicBlock, row->epilogueBegin, row->prologueEnd, row->isa,
              &error) != DW_DLV_OK)
        return producerFailed(
            object, "couldn't add line entry for compilation unit", error);
    }
  }

  if (dwarf_add_die_to_debug_a(dbg, die, &error) != DW_DLV_OK)
    return producerFailed(object, "couldn't set root die for compilation unit",
                          error);
  Dwarf_Signed streams = 0;
  if (dwarf_transform_to_disk_form_a(dbg, &streams, &error) != DW_DLV_OK)
    return producerFailed(object,
                          "couldn't transform all the accumulated debug "
                          "information into byte streams for compilation unit",
                          error);
  OutSec *lines = findOutSec(".debug_line");
  int64_t lineIndex = lines ? int64_t(lines->getElfIndex()) : -2;
  for (Dwarf_Signed i = 0; i < streams; ++i) {
    Dwarf_Signed section = 0;
    Dwarf_Unsigned length = 0;
    Dwarf_Ptr bytes = nullptr;
    if (dwarf_get_section_bytes_a(dbg, i, &section, &length, &bytes, &error) !=
        DW_DLV_OK)
      return producerFailed(object,
                            "couldn't get debug section byte stream for "
                            "compilation unit",
                            error);
    if (section != lineIndex)
      continue;
    auto block = std::make_unique<Buffer>(codeEncoding, size_t(length));
    block->writeBytes(bytes, size_t(length));
    rebuiltBlocks.push_back(std::move(block));
    break;
  }
  finish.dbg = nullptr;
  if (dwarf_producer_finish_a(dbg, &error) != DW_DLV_OK)
    return producerFailed(object, "couldn't deallocate memory", error);
  return true;
}

bool ZP100_CG::initProgramHeaderTable() {
  for (unsigned i = 0; i < ParagraphDealer::Units; ++i) {
    uint64_t used = dealer.getFill(i);
    if (used > UnitMemorySize) {
      diag.fatal("%s: not enough programm memory space to allocate programm "
                 "code in PU%d",
                 outputName.c_str(), int(i));
      return false;
    }
    writer->addPHEntry(
        PT_LOAD, uint32_t(fileOffset), uint32_t(i * UnitMemorySize), 0, 0,
        uint32_t(UnitMemorySize), PF_R | PF_X, uint32_t(UnitMemorySize));
    fileOffset += used;
  }
  for (const char *name : {".data", ".bss"})
    if (OutSec *sec = findOutSec(name))
      sec->setElfIndex(ParagraphDealer::Units);
  return ArchCodeGen::initProgramHeaderTable();
}

bool ZP100_CG::produceProgCode() {
  units.clear();
  for (unsigned i = 0; i < ParagraphDealer::Units; ++i)
    units.push_back(std::make_unique<Buffer>(codeEncoding, 0x4000));
  dealer.reset();
  if (!entryLabel.empty() && !addEntryPointCode(EntryWord))
    return false;
  WriteSink zeros(*this, nullptr);
  if (!dealer.fillAll(textBase, zeros))
    return false;
  if (OutSec *text = findOutSec(".text")) {
    size_t number = 0;
    for (const auto &data : text->getOutSecData()) {
      currentShapes =
          number < textShapes.size() ? &textShapes[number] : nullptr;
      ++number;
      if (!evalProgBitsSection(data->getElfObject(), data->getSectionIndex(),
                               nullptr, text))
        return false;
    }
    currentShapes = nullptr;
  }
  for (unsigned i = 0; i < ParagraphDealer::Units; ++i)
    if (!flushBuffer(*units[i], uint16_t(i), true))
      return false;
  removeOutSec(".text");
  return ArchCodeGen::produceProgCode();
}

bool ZP100_CG::evalTextSection(Buffer &buffer) {
  std::vector<uint8_t> own;
  const std::vector<uint8_t> *shapes = currentShapes;
  currentShapes = nullptr;
  if (!shapes) {
    if (!ParagraphDealer::readShapes(buffer.constData(), buffer.getDataSize(),
                                     codeEncoding, own)) {
      diag.fatal("%s: elf object damaged or corrupted", outputName.c_str());
      return false;
    }
    shapes = &own;
  }
  WriteSink sink(*this, &buffer);
  if (!dealer.deal(*shapes, sink)) {
    diag.fatal("%s: %s", outputName.c_str(), writer->getError());
    return false;
  }
  buffer.reset();
  return true;
}

bool ZP100_CG::evalDataSection(Buffer &buffer) {
  return ArchCodeGen::evalDataSection(buffer, uint16_t(ParagraphDealer::Units));
}

size_t ZP100_CG::findRelSection(ElfObject *object, size_t index) {
  // Line tables are rebuilt at the rows the code went to; their old
  // relocations would point at the linear offsets.
  if ((debugSectionFlags & 2) && index != 0 &&
      index == object->getDebugIndex(1))
    return 0;
  return ArchCodeGen::findRelSection(object, index);
}

uint64_t ZP100_CG::adjustValueByRelocation(uint64_t value, uint64_t mask,
                                           ElfObject *object, size_t index,
                                           uint64_t offset,
                                           const Symbol *symbol,
                                           const char *typeName) {
  if (!isTextSymbol(symbol))
    return genericValue(value, mask, object, index, offset, symbol, typeName);
  uint64_t linear = value + symbol->get().st_value;
  if (linear / 4 >= addressEntries) {
    diag.counted("%s: invalid text section offset (0x%x) in relocation",
                 Diagnostics::place(object->getLocation(),
                                    object->getSectionName(index), offset)
                     .c_str(),
                 unsigned(linear / 4));
    return addressRow(addressEntries - 1);
  }
  uint32_t row = addressRow(linear / 4);
  if (row & mask & 0xFFFFFFFFull)
    printValueTruncatedMessage(object, index, offset, symbol, typeName);
  return row;
}

uint64_t ZP100_CG::entryAddressOf(const Symbol *symbol) const {
  return isTextSymbol(symbol) ? rowOf(symbol->get().st_value)
                              : symbol->get().st_value;
}

} // namespace zvld
