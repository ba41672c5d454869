// zp100_cg.cpp - the ZP100 image generator: four processing units with
// their own program memory, paragraphs dealt out row by row, and code
// addresses turned into rows through an address table.
#include "zp100_cg.h"

#include "elf32.h"
#include "elfobject.h"
#include "inputfile.h"
#include "oelf.h"
#include "symbol.h"

#include <algorithm>

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
    if (!sink.placed(unit, fill[unit], position, offset, size))
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

// The first pass: rows of the linked .text's byte offsets.
class ZP100_CG::TableSink : public ParagraphDealer::Sink {
public:
  TableSink(std::vector<uint32_t> &table, uint64_t base)
      : table(table), base(base) {}
  bool placed(unsigned, uint64_t fill, uint64_t, uint64_t offset,
              unsigned size) override {
    set(base + offset, fill / 8);
    if (size == 8)
      set(base + offset + 4, fill / 8);
    return true;
  }
  bool zeros(unsigned, uint64_t) override { return true; }
  void set(uint64_t linear, uint64_t row) {
    if (linear / 4 < table.size())
      table[linear / 4] = uint32_t(row);
  }

private:
  std::vector<uint32_t> &table;
  uint64_t base;
};

// The second pass: the words of a relocated buffer into the units.
class ZP100_CG::WriteSink : public ParagraphDealer::Sink {
public:
  WriteSink(ZP100_CG &cg, const Buffer *buffer) : cg(cg), buffer(buffer) {}
  bool placed(unsigned unit, uint64_t, uint64_t, uint64_t offset,
              unsigned size) override {
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

int ZP100_CG::generate() {
  if (ArchCodeGen::generate() != 0)
    return diag.errorCount();
  if (!recalculateSymbolValue())
    return diag.errorCount();
  fileOffset = uint64_t(writer->tellp());
  if (!initProgramHeaderTable() || !initSectionHeaders() || !produceProgCode())
    return diag.errorCount();
  setTextSymbolRows();
  finish();
  return diag.errorCount();
}

uint32_t ZP100_CG::rowOf(uint64_t linear) const {
  uint64_t i = linear / 4;
  return i < addressTable.size() ? addressTable[i] : addressTable.back();
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
  addressTable.assign(end / 4 + 1, 0);
  textShapes.clear();
  // The entry code is dealt as in the writing pass, so that both start
  // from the same fills.
  dealer.reset();
  TableSink entrySink(addressTable, 0);
  if (!entryLabel.empty() && !dealer.deal({OpLong | OpEnd}, entrySink))
    return false;
  dealer.fillAll(textBase, entrySink);

  OutSec *lines = (debugSectionFlags & 2) ? findOutSec(".debug_line") : nullptr;
  if (lines)
    lines->clearOutSecData();
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
  size_t index = data->getSectionIndex();
  Buffer raw(0);
  if (!object->readSection(index, raw)) {
    diag.fatal("%s: %s", object->getLocation().c_str(),
               object->getLastError().c_str());
    return false;
  }
  textShapes.resize(number + 1);
  std::vector<uint8_t> &shapes = textShapes[number];
  if (!ParagraphDealer::readShapes(raw.constData(), raw.getDataSize(),
                                   raw.getDataEncoding(), shapes)) {
    diag.fatal("%s: elf object damaged or corrupted",
               object->getLocation().c_str());
    return false;
  }
  OutSec *text = data->getOutSec();
  uint64_t base = text->getGlobalOutOff() + data->getOutOff();
  TableSink sink(addressTable, base);
  if (!dealer.deal(shapes, sink))
    return false;
  // The end of the section reads as the row where the next operation
  // would start.
  sink.set(base + raw.getDataSize(), dealer.getFill(dealer.getUnit()) / 8);
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
  if (linear / 4 >= addressTable.size()) {
    diag.counted("%s: invalid text section offset (0x%x) in relocation",
                 Diagnostics::place(object->getLocation(),
                                    object->getSectionName(index), offset)
                     .c_str(),
                 unsigned(linear / 4));
    return addressTable.back();
  }
  uint32_t row = addressTable[linear / 4];
  if (row & mask & 0xFFFFFFFFull)
    printValueTruncatedMessage(object, index, offset, symbol, typeName);
  return row;
}

bool ZP100_CG::getEntryPointAddress(uint64_t &address) {
  address = 0;
  if (entryLabel.empty())
    return true;
  const Symbol *symbol = nullptr;
  if (!findEntrySymbol(symbol))
    return false;
  if (symbol) {
    address = isTextSymbol(symbol) ? rowOf(symbol->get().st_value)
                                   : symbol->get().st_value;
    return true;
  }
  return ArchCodeGen::getEntryPointAddress(address);
}

} // namespace zvld
