// listing.cpp - the disassembly listing: one line per operation with its
// address, raw words and statement, labels from the symbol table, a blank
// line after each paragraph, and the rows of a ZP100 image side by side.
#include "listing.h"

#include "elffile.h"
#include "imagelabels.h"
#include "instruction.h"
#include "opdecoder.h"
#include "sourcelines.h"
#include "textformat.h"
#include "unitlayout.h"

#include <algorithm>
#include <cstdio>

namespace zvod {

namespace {

constexpr uint32_t UnitMemory = 0x8000;

std::string padLeft(const std::string &text, size_t width) {
  return text.size() >= width ? text
                              : std::string(width - text.size(), ' ') + text;
}

std::string padRight(const std::string &text, size_t width) {
  return text.size() >= width ? text
                              : text + std::string(width - text.size(), ' ');
}

// "+0x10", "-0x4" or nothing.
std::string addendText(int64_t addend) {
  if (addend == 0)
    return std::string();
  uint64_t magnitude = addend < 0 ? 0 - static_cast<uint64_t>(addend)
                                  : static_cast<uint64_t>(addend);
  return (addend < 0 ? "-0x" : "+0x") + hexDigits(magnitude);
}

// A row address: the row, and the byte within it when not at its start.
std::string rowAddress(uint32_t offset) {
  std::string text = hexDigits(offset / UnitLayout::RowBytes);
  if (offset % UnitLayout::RowBytes)
    text += "+" + std::to_string(offset % UnitLayout::RowBytes);
  return text;
}

// Bytes that are no operation: a word, or what is left at the end.
std::string rawText(const uint8_t *data, uint32_t size, uint8_t encoding) {
  if (size >= 4)
    return ".long 0x" + hexDigits(ElfFile::word(data, encoding));
  std::string text = ".byte";
  for (uint32_t i = 0; i < size; ++i)
    text += (i ? ", 0x" : " 0x") + hexDigits(data[i]);
  return text;
}

bool isLabel(const ElfSymbol &s) {
  return s.type() != STT_SECTION && s.type() != STT_FILE;
}

} // namespace

Listing::Listing(const ElfFile &file, const OpDecoder &decoder, int syntax,
                 bool relocations, std::ostream &out)
    : file(file), decoder(decoder), syntax(syntax), relocations(relocations),
      out(out) {}

void Listing::blank() {
  if (!lastBlank)
    out << '\n';
  lastBlank = true;
}

void Listing::printLine(const std::string &address, const uint8_t *data,
                        uint32_t size, uint8_t encoding,
                        const std::string &text) {
  std::string raw;
  if (size >= 4) {
    char buffer[24];
    std::snprintf(buffer, sizeof buffer, "%08x", ElfFile::word(data, encoding));
    raw = buffer;
    if (size >= 8) {
      std::snprintf(buffer, sizeof buffer, " %08x",
                    ElfFile::word(data + 4, encoding));
      raw += buffer;
    }
  } else {
    for (uint32_t i = 0; i < size; ++i) {
      char buffer[8];
      std::snprintf(buffer, sizeof buffer, i ? " %02x" : "%02x", data[i]);
      raw += buffer;
    }
  }
  out << padLeft(address, 8) << ":  " << padRight(raw, 17) << "  " << text
      << '\n';
  lastBlank = false;
}

void Listing::sourceBefore(uint64_t key) {
  if (source && source->before(key, out))
    lastBlank = false;
}

void Listing::imageLabelsIn(uint64_t from, uint64_t below) {
  if (!imageLabels || from >= below)
    return;
  const std::vector<ImageLabels::Label> &code = imageLabels->getCode();
  auto it = std::lower_bound(
      code.begin(), code.end(), from,
      [](const ImageLabels::Label &l, uint64_t at) { return l.address < at; });
  if (it == code.end() || it->address >= below)
    return;
  blank();
  for (; it != code.end() && it->address < below; ++it) {
    char buffer[24];
    std::snprintf(buffer, sizeof buffer, "%08llx",
                  static_cast<unsigned long long>(it->address));
    out << buffer << " <" << it->name << ">:\n";
  }
  lastBlank = false;
}

const std::vector<const ElfSymbol *> &Listing::labelsOf(size_t section) {
  if (labels.empty()) {
    labels.resize(file.getSections().size());
    for (const ElfSymbol &s : file.getSymbols())
      if (s.sym.st_shndx < labels.size() && isLabel(s) && !s.name.empty())
        labels[s.sym.st_shndx].push_back(&s);
    for (auto &list : labels)
      std::stable_sort(list.begin(), list.end(),
                       [](const ElfSymbol *a, const ElfSymbol *b) {
                         return a->sym.st_value < b->sym.st_value;
                       });
  }
  static const std::vector<const ElfSymbol *> none;
  return section < labels.size() ? labels[section] : none;
}

std::string Listing::symbolAt(size_t section, int64_t offset) {
  const std::vector<const ElfSymbol *> &list = labelsOf(section);
  // The first label at the offset, else the last one before it.
  auto after = std::upper_bound(list.begin(), list.end(), offset,
                                [](int64_t at, const ElfSymbol *s) {
                                  return at < int64_t(s->sym.st_value);
                                });
  if (after != list.begin()) {
    const ElfSymbol *below = *(after - 1);
    auto first = std::lower_bound(
        list.begin(), after, below->sym.st_value,
        [](const ElfSymbol *s, uint32_t at) { return s->sym.st_value < at; });
    return (*first)->name + addendText(offset - (*first)->sym.st_value);
  }
  const std::string name = section < file.getSections().size()
                               ? file.getSections()[section].name
                               : std::string();
  return name + addendText(offset);
}

// The V field of a relocated operation: the symbol the relocation names,
// or for a section symbol the label the value points at.
std::string Listing::relocationTarget(const ElfRelocation &r, int64_t value) {
  const ElfSymbol &s = file.getSymbols()[r.symbol];
  if (s.type() == STT_SECTION)
    return symbolAt(s.sym.st_shndx, value);
  return file.symbolName(r.symbol) +
         addendText(value >= 0 && value <= 0xFFFFFFFF
                        ? signExtend(static_cast<uint64_t>(value), 4)
                        : value);
}

std::string Listing::relocationLine(size_t section,
                                    const ElfRelocation &r) const {
  const unsigned width = ElfFile::relocationWidth(r.type);
  int64_t addend =
      width ? signExtend(file.readValue(section, r.offset, width), width) : 0;
  return std::string(10, ' ') + padLeft(hexDigits(r.offset), 8) + ": " +
         ElfFile::relocationName(r.type) + " " + file.symbolName(r.symbol) +
         addendText(addend);
}

bool Listing::statement(const uint8_t *data, uint32_t left, uint8_t encoding,
                        size_t section, uint32_t offset, std::string &text,
                        uint32_t &consumed, bool &endsParagraph) {
  if (left < 4)
    return false;
  DecodedOperation op;
  if (!decoder.decode(ElfFile::word(data, encoding), op) || op.size() > left)
    return false;
  const uint32_t bits = op.hasV ? ElfFile::word(data + 4, encoding) : 0;
  const ElfRelocation *rel =
      op.hasV ? file.relocationAt(section, offset + 4) : nullptr;
  if (rel && rel->type != R_ZORVEL_32)
    rel = nullptr;
  // In an image a plain address of a memory access or a control transfer
  // is named by the label it hits; the relocation that made it is gone.
  const bool plainAddress =
      !op.f2Register && op.f2 == 0 && op.operation &&
      (op.operation->isMemoryAccess() || op.operation->isControlTransfer());
  VText vText = [&](const VRule &rule, std::string &v) {
    if (!rel && imageLabels && plainAddress && rule.kind == VRule::Raw) {
      std::string name;
      if (op.operation->isControlTransfer()
              ? imageLabels->codeName(bits, name)
              : imageLabels->dataName(bits, name)) {
        v = name;
        return true;
      }
    }
    if (!rel)
      return OpDecoder::numberText(rule, bits, v);
    int64_t value = 0;
    if (!OpDecoder::valueFor(rule, bits, value))
      return false;
    v = relocationTarget(*rel, value);
    return true;
  };
  if (decoder.render(op, syntax, vText, text)) {
    // fine
  } else if (decoder.render(op, 3 - syntax, vText, text)) {
    text += "  ; syntax V" + std::to_string(3 - syntax);
  } else {
    return false;
  }
  consumed = op.size();
  endsParagraph = op.paragraphEnd;
  return true;
}

void Listing::listLinear(const uint8_t *data, uint32_t size, uint32_t base,
                         uint8_t encoding) {
  uint32_t off = 0;
  if (source)
    source->restart();
  while (off < size) {
    std::string text;
    uint32_t n = 0;
    bool ends = false;
    if (!statement(data + off, size - off, encoding, 0, off, text, n, ends)) {
      n = std::min<uint32_t>(4, size - off);
      text = rawText(data + off, n, encoding);
    }
    imageLabelsIn(uint64_t(base) + off, uint64_t(base) + off + n);
    sourceBefore(uint64_t(base) + off);
    printLine(hexDigits(base + off), data + off, n, encoding, text);
    if (ends)
      blank();
    off += n;
  }
}

void Listing::listSection(size_t index) {
  const ElfSection &section = file.getSections()[index];
  const uint8_t *data = file.sectionData(index);
  const uint32_t size = section.shdr.sh_size;
  const uint8_t encoding = file.sectionEncoding(index);
  blank();
  out << "Disassembly of section " << section.name << ":\n";
  lastBlank = false;
  blank();

  const std::vector<const ElfSymbol *> &labels = labelsOf(index);
  size_t nextLabel = 0;
  auto printLabels = [&](uint64_t below) {
    bool first = true;
    while (nextLabel < labels.size() &&
           labels[nextLabel]->sym.st_value < below) {
      if (first)
        blank();
      first = false;
      char buffer[16];
      std::snprintf(buffer, sizeof buffer, "%08x",
                    labels[nextLabel]->sym.st_value);
      out << buffer << " <" << labels[nextLabel]->name << ">:\n";
      lastBlank = false;
      ++nextLabel;
    }
  };

  const std::vector<ElfRelocation> &rels = file.getRelocations(index);
  size_t nextRel = 0;
  uint32_t off = 0;
  if (source && index == sourceSection)
    source->restart();
  while (off < size) {
    std::string text;
    uint32_t n = 0;
    bool ends = false;
    if (!statement(data + off, size - off, encoding, index, off, text, n,
                   ends)) {
      n = std::min<uint32_t>(4, size - off);
      text = rawText(data + off, n, encoding);
    }
    printLabels(uint64_t(off) + n);
    if (index == sourceSection)
      sourceBefore(off);
    printLine(hexDigits(off), data + off, n, encoding, text);
    for (; nextRel < rels.size() && rels[nextRel].offset < off + n; ++nextRel)
      if (relocations) {
        out << relocationLine(index, rels[nextRel]) << '\n';
        lastBlank = false;
      }
    if (ends)
      blank();
    off += n;
  }
  printLabels(UINT64_MAX);
}

void Listing::listObject() {
  const std::vector<ElfSection> &sections = file.getSections();
  for (size_t i = 1; i < sections.size(); ++i) {
    const Elf32_Shdr &s = sections[i].shdr;
    // The sections the assembler takes operations in.
    if (s.sh_type == SHT_PROGBITS && s.sh_flags == SHF_ZORVEL_TEXT)
      listSection(i);
  }
}

bool Listing::hasUnits() const {
  if (file.isRelocatable() || file.getMachine() != EM_ZP100)
    return false;
  unsigned found = 0;
  for (const Elf32_Phdr &p : file.getSegments()) {
    if (p.p_type != PT_LOAD || !(p.p_flags & PF_X))
      continue;
    if (p.p_vaddr != found * UnitMemory || found >= UnitLayout::Units)
      return false;
    ++found;
  }
  return found == UnitLayout::Units;
}

std::vector<const uint8_t *> Listing::unitData() const {
  std::vector<const uint8_t *> units;
  const std::vector<Elf32_Phdr> &segments = file.getSegments();
  for (size_t s = 0; s < segments.size(); ++s)
    if (segments[s].p_type == PT_LOAD && (segments[s].p_flags & PF_X))
      units.push_back(file.segmentData(s));
  return units;
}

void Listing::fillLayout(UnitLayout &layout) const {
  const std::vector<const uint8_t *> units = unitData();
  size_t k = 0;
  for (const Elf32_Phdr &p : file.getSegments())
    if (p.p_type == PT_LOAD && (p.p_flags & PF_X))
      layout.addUnit(units[k++], p.p_filesz);
}

void Listing::listImage() {
  if (hasUnits()) {
    listUnits();
    return;
  }
  const std::vector<Elf32_Phdr> &segments = file.getSegments();
  for (size_t i = 0; i < segments.size(); ++i) {
    const Elf32_Phdr &p = segments[i];
    if (p.p_type != PT_LOAD || !(p.p_flags & PF_X))
      continue;
    blank();
    out << "Disassembly of program memory (segment " << i << ", 0x"
        << hexDigits(p.p_filesz) << " bytes at 0x" << hexDigits(p.p_paddr)
        << "):\n";
    lastBlank = false;
    blank();
    listLinear(file.segmentData(i), p.p_filesz, p.p_paddr, file.getEncoding());
  }
}

void Listing::listUnits() {
  UnitLayout layout(decoder, file.getEncoding());
  fillLayout(layout);
  const bool dealt = layout.deal();
  const uint8_t encoding = file.getEncoding();
  const std::vector<const uint8_t *> units = unitData();
  const std::vector<UnitLayout::Placed> &placed = layout.getPlaced();
  const std::vector<uint32_t> &starts = layout.getParagraphRows();
  size_t next = 0;
  for (unsigned k = 0; k < UnitLayout::Units; ++k) {
    const uint32_t size = layout.unitSize(k);
    blank();
    out << "Disassembly of processing unit " << k << " (0x" << hexDigits(size)
        << " bytes, " << (size + 7) / 8 << " rows):\n";
    lastBlank = false;
    blank();
    // Paragraphs start at one row in every unit: a blank line goes before
    // each start, in every unit alike.
    size_t nextStart = 0;
    auto startAt = [&](uint32_t offset) {
      for (; dealt && nextStart < starts.size() &&
             starts[nextStart] * UnitLayout::RowBytes <= offset;
           ++nextStart)
        blank();
    };
    // Labels name rows; each is shown before the first line of its row.
    uint64_t labelRow = 0;
    auto labelsAt = [&](uint32_t offset) {
      const uint64_t row = offset / UnitLayout::RowBytes;
      imageLabelsIn(labelRow, row + 1);
      labelRow = std::max(labelRow, row + 1);
    };
    if (source)
      source->restart();
    uint32_t zeroFrom = 0;
    auto flushZeros = [&](uint32_t until) {
      while (zeroFrom < until) {
        uint32_t stop = until;
        startAt(zeroFrom);
        labelsAt(zeroFrom);
        if (dealt && nextStart < starts.size() &&
            starts[nextStart] * UnitLayout::RowBytes < stop)
          stop = starts[nextStart] * UnitLayout::RowBytes;
        out << padLeft(rowAddress(zeroFrom), 8) << ":  (" << stop - zeroFrom
            << " zero bytes)\n";
        lastBlank = false;
        zeroFrom = stop;
      }
    };
    for (; next < placed.size() && placed[next].unit == k; ++next) {
      const UnitLayout::Placed &item = placed[next];
      if (layout.wordAt(k, item.offset) == 0 && item.size == 4)
        continue; // fill, shown as a run
      flushZeros(item.offset);
      startAt(item.offset);
      labelsAt(item.offset);
      // The position a line table gives this operation.
      sourceBefore(
          ((uint64_t(item.offset) / UnitLayout::RowBytes) * UnitLayout::Units +
           k) *
              UnitLayout::RowBytes +
          item.offset % UnitLayout::RowBytes);
      std::string text;
      uint32_t n = 0;
      bool ends = false;
      const uint8_t *bytes = units[k] + item.offset;
      if (!statement(bytes, item.size, encoding, 0, item.offset, text, n,
                     ends) ||
          n != item.size) {
        text = ".long 0x" + hexDigits(ElfFile::word(bytes, encoding));
        if (item.size == 8)
          text += ", 0x" + hexDigits(ElfFile::word(bytes + 4, encoding));
        ends = false;
      }
      printLine(rowAddress(item.offset), bytes, item.size, encoding, text);
      if (!dealt && ends)
        blank();
      zeroFrom = item.offset + item.size;
    }
    flushZeros(size);
  }
}

bool Listing::listRows() {
  if (!hasUnits())
    return false;
  UnitLayout layout(decoder, file.getEncoding());
  fillLayout(layout);
  const bool dealt = layout.deal();
  const uint8_t encoding = file.getEncoding();
  const uint32_t rowTotal = layout.rowCount();
  const std::vector<const uint8_t *> units = unitData();
  std::vector<std::vector<std::string>> cells(
      rowTotal, std::vector<std::string>(UnitLayout::Units));
  for (const UnitLayout::Placed &item : layout.getPlaced()) {
    if (layout.wordAt(item.unit, item.offset) == 0 && item.size == 4)
      continue;
    const uint8_t *bytes = units[item.unit] + item.offset;
    std::string text;
    uint32_t n = 0;
    bool ends = false;
    if (!statement(bytes, item.size, encoding, 0, item.offset, text, n, ends) ||
        n != item.size)
      text = ".long 0x" + hexDigits(ElfFile::word(bytes, encoding));
    if (item.number)
      text = std::to_string(item.number) + ": " + text;
    std::string &cell = cells[item.offset / UnitLayout::RowBytes][item.unit];
    cell = cell.empty() ? text : cell + "  " + text;
  }
  size_t width[UnitLayout::Units];
  for (unsigned k = 0; k < UnitLayout::Units; ++k) {
    width[k] = 3;
    for (const auto &row : cells)
      width[k] = std::max(width[k], row[k].empty() ? 1 : row[k].size());
  }
  blank();
  out << "Rows of the processing units:\n";
  lastBlank = false;
  blank();
  std::string line = padLeft("row", 8);
  for (unsigned k = 0; k < UnitLayout::Units; ++k)
    line += "  " + padRight("PU" + std::to_string(k), width[k]);
  while (!line.empty() && line.back() == ' ')
    line.pop_back();
  out << line << '\n';
  const std::vector<uint32_t> &starts = layout.getParagraphRows();
  size_t nextStart = 0;
  for (uint32_t r = 0; r < rowTotal; ++r) {
    if (dealt && nextStart < starts.size() && starts[nextStart] == r) {
      if (nextStart)
        out << '\n';
      ++nextStart;
    }
    line = padLeft(hexDigits(r), 8);
    for (unsigned k = 0; k < UnitLayout::Units; ++k)
      line +=
          "  " + padRight(cells[r][k].empty() ? "-" : cells[r][k], width[k]);
    while (!line.empty() && line.back() == ' ')
      line.pop_back();
    out << line << '\n';
  }
  lastBlank = false;
  return true;
}

} // namespace zvod
