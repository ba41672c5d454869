// archcodegen.cpp - the image generator's common steps: output section map,
// section headers, final symbol values, relocation, the data segment, and
// the image written under a scratch name and renamed only when complete.
#include "archcodegen.h"

#include "buffer.h"
#include "debugsectionnames.h"
#include "elf32.h"
#include "elfobject.h"
#include "globalsymtab.h"
#include "inputfile.h"
#include "oelf.h"
#include "symbol.h"
#include "temporaryfile.h"

#include <algorithm>
#include <cstring>
#include <tuple>

namespace zvld {

namespace {

struct RelocationType {
  unsigned size;
  uint64_t mask;
  const char *name;
};

const RelocationType RelocationTypes[] = {
    {0, 0, ""},
    {1, 0xFFFFFFFFFFFFFF00ull, "R_ZORVEL_8"},
    {2, 0xFFFFFFFFFFFF0000ull, "R_ZORVEL_16"},
    {4, 0xFFFFFFFF00000000ull, "R_ZORVEL_32"},
    {8, 0, "R_ZORVEL_64"},
};

} // namespace

ArchCodeGen::ArchCodeGen(const std::string &outputName,
                         const InputFiles *inputFiles,
                         const std::string &entryLabel, std::ostream &messages)
    : outputName(outputName), entryLabel(entryLabel), inputFiles(inputFiles),
      globals(SingleGlobalSymtabPointer::get()), diag(messages) {}

ArchCodeGen::~ArchCodeGen() {
  outSecMap.clear();
  if (writer)
    writer->close();
  // The scratch file goes with its owner unless it became the image.
}

OutSec *ArchCodeGen::findOutSec(const std::string &name) const {
  auto it = outSecMap.find(name);
  return it == outSecMap.end() ? nullptr : it->second.get();
}

void ArchCodeGen::removeOutSec(const std::string &name) {
  // The contributions go with their section.
  OutSec *sec = findOutSec(name);
  for (OutSec *s = sec; s; s = s->getNext())
    for (const auto &data : s->getOutSecData())
      setContribution(data->getElfObject(), data->getSectionIndex(), nullptr);
  outSecMap.erase(name);
}

OutSecData *ArchCodeGen::contributionOf(const ElfObject *object,
                                        size_t index) const {
  auto it = contributions.find(object);
  if (it == contributions.end() || index >= it->second.size())
    return nullptr;
  return it->second[index];
}

void ArchCodeGen::setContribution(const ElfObject *object, size_t index,
                                  OutSecData *data) {
  auto it = contributions.find(object);
  if (it != contributions.end() && index < it->second.size())
    it->second[index] = data;
}

bool ArchCodeGen::writerFailed() {
  diag.fatal("%s: %s", outputName.c_str(), writer->getError());
  return false;
}

uint32_t ArchCodeGen::strToUInt32(const std::string &text, bool &ok) {
  ok = false;
  if (text.empty())
    return 0;
  unsigned base = 10;
  size_t i = 0;
  if (text[0] == '0') {
    if (text.size() == 1) {
      ok = true;
      return 0;
    }
    if (text[1] == 'x' || text[1] == 'X') {
      base = 16;
      i = 2;
    } else {
      base = 8;
      i = 1;
    }
  } else if (text[0] < '1' || text[0] > '9') {
    return 0;
  }
  if (i >= text.size())
    return 0;
  uint64_t value = 0;
  for (; i < text.size(); ++i) {
    char c = text[i];
    unsigned digit;
    if (c >= '0' && c <= '9')
      digit = unsigned(c - '0');
    else if (c >= 'a' && c <= 'f')
      digit = unsigned(c - 'a' + 10);
    else if (c >= 'A' && c <= 'F')
      digit = unsigned(c - 'A' + 10);
    else
      return 0;
    if (digit >= base)
      return 0;
    value = value * base + digit;
    // A number past 32 bits is no address.
    if (value > 0xFFFFFFFFull)
      return 0;
  }
  ok = true;
  return uint32_t(value);
}

int ArchCodeGen::generate() {
  // The image is written beside its target and renamed when complete.
  scratch = std::make_unique<TemporaryFile>(outputName);
  if (!scratch->isCreated()) {
    diag.fatal("%s: %s", outputName.c_str(), oelf::errorText(oelf::CantOpen));
    return diag.errorCount();
  }
  writer = std::make_unique<oelf>(scratch->getName());
  if (writer->init(codeEncoding, ET_EXEC, target, 0, EF_ZORVEL_DATA_LSB) !=
      oelf::NoError) {
    writerFailed();
    return diag.errorCount();
  }
  if (!entryLabel.empty()) {
    bool number = false;
    uint32_t value = strToUInt32(entryLabel, number);
    if (number && value == 0)
      entryLabel.clear();
    else
      textBase = uint64_t(getEntryPointCodeSize());
  }
  if (!buildOutputSectionMap()) {
    writer->close();
    return diag.errorCount();
  }
  for (const char *name : {".text", ".data", ".bss"})
    if (OutSec *sec = findOutSec(name))
      sec->setSegmentFlag();
  addSectionHeaders();
  return diag.errorCount();
}

int ArchCodeGen::generateImage() {
  if (ArchCodeGen::generate() != 0)
    return diag.errorCount();
  if (!recalculateSymbolValue())
    return diag.errorCount();
  fileOffset = uint64_t(writer->tellp());
  if (!initProgramHeaderTable() || !initSectionHeaders() || !produceProgCode())
    return diag.errorCount();
  finishSymbols();
  finish();
  return diag.errorCount();
}

bool ArchCodeGen::buildOutputSectionMap() {
  for (const auto &file : *inputFiles)
    for (const auto &entry : file->getLoadedElfObject()) {
      ElfObject *object = entry.second.get();
      const std::vector<GElf_Shdr> &sections = object->getSectionVector();
      size_t symtab = object->getSymtabIndex();
      size_t strtab = symtab < sections.size() ? sections[symtab].sh_link : 0;
      std::vector<OutSecData *> &own = contributions[object];
      own.assign(sections.size(), nullptr);
      for (size_t i = 1; i < sections.size(); ++i) {
        const GElf_Shdr &s = sections[i];
        if (s.sh_type == SHT_SYMTAB || s.sh_type == SHT_REL ||
            i == object->e_shstrndx() || i == strtab)
          continue;
        std::unique_ptr<OutSec> &head = outSecMap[object->getSectionName(i)];
        if (!head)
          head = std::make_unique<OutSec>(s.sh_type, s.sh_flags);
        own[i] = head->addData(object, i);
      }
    }
  for (const auto &entry : outSecMap)
    if (!entry.second->buildMap()) {
      diag.fatal("%s", OutSec::getLastError().c_str());
      return false;
    }
  return true;
}

bool ArchCodeGen::addSectionHeaders() {
  debugSectionFlags = 0;
  for (const auto &file : *inputFiles)
    for (const auto &entry : file->getLoadedElfObject())
      for (size_t i = 0; i < DebugSectionCount; ++i)
        if (entry.second->getDebugIndex(i))
          debugSectionFlags |= 1u << i;
  auto addHeader = [this](const std::string &name, OutSec *sec) {
    uint16_t index = writer->addSHEntry(
        name, sec->getType(), uint32_t(sec->getFlags()), 0, 0, 0, 0, 0, 0, 0);
    if (index == 0)
      return writerFailed();
    if (writer->addSTEntry("", 0, 0, STB_LOCAL, STT_SECTION, 0, index) == 0)
      return writerFailed();
    sec->setElfIndex(index);
    return true;
  };
  for (size_t i = 0; i < DebugSectionCount; ++i)
    if (debugSectionFlags & (1u << i))
      if (OutSec *sec = findOutSec(getDebugSectionName(i)))
        if (!addHeader(getDebugSectionName(i), sec))
          return false;
  for (const auto &entry : outSecMap)
    for (OutSec *sec = entry.second.get(); sec; sec = sec->getNext())
      if (!sec->getElfIndex() && !sec->isSegment())
        if (!addHeader(entry.first, sec))
          return false;
  return true;
}

bool ArchCodeGen::recalculateSymbolValue() {
  OutSec *data = findOutSec(".data");
  OutSec *bss = findOutSec(".bss");
  if (data)
    data->setGlobalOutOff(dataBase);
  if (bss)
    bss->setGlobalOutOff(data ? data->getGlobalOutOff() + data->getSize()
                              : dataBase);
  for (const auto &file : *inputFiles)
    for (const auto &entry : file->getLoadedElfObject()) {
      ElfObject *object = entry.second.get();
      const std::vector<Symbol *> &symbols = object->getSymbols();
      for (size_t i = 1; i < symbols.size(); ++i) {
        Symbol *symbol = symbols[i];
        GElf_Sym &r = symbol->get();
        if (symbol->getOwner() != object || r.st_shndx == SHN_UNDEF ||
            r.st_shndx == SHN_ABS)
          continue;
        if (OutSecData *data = contributionOf(object, r.st_shndx))
          r.st_value = data->getOutSec()->getRelOff(data, r.st_value);
      }
    }
  return true;
}

bool ArchCodeGen::initProgramHeaderTable() {
  OutSec *data = findOutSec(".data");
  OutSec *bss = findOutSec(".bss");
  uint64_t d = data ? data->getSize() + data->getAlignmentByteCount() : 0;
  if (initDataMemorySize - dataBase < d) {
    diag.fatal("%s: not enough initialized data memory space to allocate "
               "programm data",
               outputName.c_str());
    return false;
  }
  uint64_t b = (bss ? bss->getSize() + bss->getAlignmentByteCount() : 0) + d;
  if (dataMemorySize - dataBase < b) {
    diag.fatal("%s: not enough data memory space to allocate programm data",
               outputName.c_str());
    return false;
  }
  uint64_t start =
      data ? data->getGlobalOutOff() - data->getAlignmentByteCount() : dataBase;
  writer->addPHEntry(PT_LOAD, uint32_t(fileOffset), 0, uint32_t(start), 0,
                     uint32_t(dataMemorySize), PF_R | PF_W,
                     uint32_t(dataMemorySize));
  fileOffset += b;
  return true;
}

bool ArchCodeGen::initSectionHeaders() {
  for (const auto &entry : outSecMap)
    for (OutSec *sec = entry.second.get(); sec; sec = sec->getNext()) {
      if (sec->isSegment())
        continue;
      if (fileOffset > 0xFFFFFFFFull) {
        diag.fatal("%s: image larger than 4 GiB", outputName.c_str());
        return false;
      }
      const uint16_t index = uint16_t(sec->getElfIndex());
      const uint64_t size = sec->getSize() + sec->getAlignmentByteCount();
      writer->set_sh_offset(index, uint32_t(fileOffset));
      // A section without contents takes no room in the file, however
      // large it says it is: only its header carries the size.
      if (sec->getType() == SHT_NOBITS) {
        if (size > 0xFFFFFFFFull) {
          diag.fatal("%s: image larger than 4 GiB", outputName.c_str());
          return false;
        }
        writer->set_sh_size(index, uint32_t(size));
        continue;
      }
      fileOffset += size;
    }
  if (fileOffset > 0xFFFFFFFFull) {
    diag.fatal("%s: image larger than 4 GiB", outputName.c_str());
    return false;
  }
  return true;
}

bool ArchCodeGen::produceProgCode() {
  return produceProgCode(true) && produceProgCode(false);
}

bool ArchCodeGen::produceProgCode(bool segments) {
  std::vector<std::tuple<uint32_t, uint64_t, OutSec *>> order;
  for (const auto &entry : outSecMap)
    for (OutSec *sec = entry.second.get(); sec; sec = sec->getNext())
      if (sec->isSegment() == segments)
        order.emplace_back(sec->getElfIndex(), sec->getGlobalOutOff(), sec);
  std::stable_sort(order.begin(), order.end(),
                   [](const auto &a, const auto &b) {
                     return std::tie(std::get<0>(a), std::get<1>(a)) <
                            std::tie(std::get<0>(b), std::get<1>(b));
                   });
  for (const auto &item : order) {
    OutSec *sec = std::get<2>(item);
    // Its header has its size already, and nothing is written for it.
    if (!segments && sec->getType() == SHT_NOBITS)
      continue;
    uint16_t index = uint16_t(std::get<0>(item));
    auto zeros = [&](uint64_t n) {
      if (n == 0)
        return true;
      oelf::errc rc = segments ? writer->addSegmentData(uint8_t(0), n, index)
                               : writer->addSectionData(uint8_t(0), n, index);
      return rc == oelf::NoError || writerFailed();
    };
    if (!zeros(sec->getAlignmentByteCount()))
      return false;
    for (const auto &data : sec->getOutSecData()) {
      if (!zeros(data->getAlignmentByteCount()))
        return false;
      Buffer *buffer = data->getOutData();
      if (!buffer) {
        diag.fatal("%s", OutSec::getLastError().c_str());
        continue;
      }
      bool written = evalProgBitsSection(data->getElfObject(),
                                         data->getSectionIndex(), buffer, sec);
      data->releaseData();
      if (!written)
        return false;
    }
  }
  return true;
}

size_t ArchCodeGen::findRelSection(ElfObject *object, size_t index) {
  return object->findRelSection(index, 1);
}

bool ArchCodeGen::evalProgBitsSection(ElfObject *object, size_t index,
                                      Buffer *given, OutSec *out) {
  const char *location = object->getLocation().c_str();
  const GElf_Shdr *shdr = object->getShdr(index);
  if (!shdr) {
    diag.fatal("%s: section index is out of range", location);
    return true;
  }
  Buffer own(0);
  Buffer *buffer = given;
  if (!buffer) {
    if (!object->readSection(index, own)) {
      diag.fatal("%s: %s", location, object->getLastError().c_str());
      return true;
    }
    buffer = &own;
  }
  if (size_t rel = findRelSection(object, index)) {
    const GElf_Shdr *relShdr = object->getShdr(rel);
    Buffer entries(0);
    if (relShdr->sh_link != object->getSymtabIndex()) {
      diag.fatal("%s: invalid symtab index in relocation section header",
                 location);
    } else if (!object->readSection(rel, entries)) {
      diag.fatal("%s: %s", location, object->getLastError().c_str());
    } else {
      while (entries.bytesAvailable() >= sizeof(Elf32_Rel)) {
        Elf32_Rel r;
        entries >> r;
        if (!applyRelocation(object, index, *buffer, r))
          break;
      }
      if (entries.bytesAvailable() != 0 &&
          entries.bytesAvailable() < sizeof(Elf32_Rel))
        diag.fatal("%s: elf object damaged or corrupted", location);
    }
  }
  bool written;
  if (out && out->isSegment())
    written = out == findOutSec(".text") ? evalTextSection(*buffer)
                                         : evalDataSection(*buffer);
  else if (out)
    written = flushBuffer(*buffer, uint16_t(out->getElfIndex()), false);
  else
    written = true;
  return written;
}

bool ArchCodeGen::applyRelocation(ElfObject *object, size_t index, Buffer &data,
                                  const Elf32_Rel &entry) {
  const char *location = object->getLocation().c_str();
  size_t symbolIndex = ELF32_R_SYM(entry.r_info);
  unsigned type = ELF32_R_TYPE(entry.r_info);
  if (symbolIndex >= object->symbolCount()) {
    diag.fatal("%s: symbol index in relocation entry is out of range",
               location);
    return false;
  }
  const Symbol *symbol = object->getSymbols()[symbolIndex];
  // A weak reference stays 0 without a word, even when another object's
  // strong reference made the shared entry strong.
  if (symbol->isUndefined() && !symbol->isWeak() &&
      !object->isWeakReference(symbolIndex)) {
    diag.counted("%s:(%s+0x%x): undefined reference to '%s'", location,
                 object->getSectionName(index).c_str(),
                 unsigned(entry.r_offset),
                 std::string(symbol->getName()).c_str());
    return true;
  }
  uint64_t size = data.getDataSize();
  if (entry.r_offset >= size) {
    diag.fatal("%s: invalid offset in relocation entry for section '%s'",
               location, object->getSectionName(index).c_str());
    return false;
  }
  if (type == R_ZORVEL_NONE)
    return true;
  if (type > R_ZORVEL_64) {
    diag.fatal("%s: unknown relocation type in relocation entry", location);
    return false;
  }
  const RelocationType &t = RelocationTypes[type];
  if (t.size > size - entry.r_offset) {
    diag.fatal("%s: invalid offset in relocation entry for section '%s'",
               location, object->getSectionName(index).c_str());
    return false;
  }
  // The addend is the field's value, sign-extended.
  data.seekg(int64_t(entry.r_offset));
  int64_t addend = 0;
  switch (t.size) {
  case 1: {
    int8_t v;
    data >> v;
    addend = v;
    break;
  }
  case 2: {
    int16_t v;
    data >> v;
    addend = v;
    break;
  }
  case 4: {
    int32_t v;
    data >> v;
    addend = v;
    break;
  }
  default:
    data >> addend;
    break;
  }
  uint64_t value = adjustValueByRelocation(
      uint64_t(addend), t.mask, object, index, entry.r_offset, symbol, t.name);
  size_t put = data.tellp();
  data.seekp(int64_t(entry.r_offset));
  switch (t.size) {
  case 1:
    data << uint8_t(value);
    break;
  case 2:
    data << uint16_t(value);
    break;
  case 4:
    data << uint32_t(value);
    break;
  default:
    data << value;
    break;
  }
  data.seekp(int64_t(put));
  return true;
}

uint64_t ArchCodeGen::genericValue(uint64_t addend, uint64_t mask,
                                   ElfObject *object, size_t index,
                                   uint64_t offset, const Symbol *symbol,
                                   const char *typeName) {
  uint64_t value = addend + symbol->get().st_value;
  if ((value & mask) != 0 && (value & mask) != (addend & mask))
    printValueTruncatedMessage(object, index, offset, symbol, typeName);
  return value;
}

void ArchCodeGen::printValueTruncatedMessage(ElfObject *object, size_t index,
                                             uint64_t offset,
                                             const Symbol *symbol,
                                             const char *typeName) {
  std::string place = Diagnostics::place(object->getLocation(),
                                         object->getSectionName(index), offset);
  const ElfObject *owner = symbol->getOwner();
  std::string section =
      owner ? owner->getSectionName(symbol->get().st_shndx) : std::string();
  // Against an absolute symbol it is only a notice.
  bool counted = symbol->get().st_shndx != SHN_ABS;
  std::string text;
  if (owner == object)
    text = place + ": relocation truncated to fit: " + typeName + " against '" +
           section + "'";
  else
    text = place + ": relocation truncated to fit: " + typeName +
           " against symbol '" + std::string(symbol->getName()) +
           "' defined in " + section + " section in " +
           (owner ? owner->getLocation() : std::string());
  if (counted)
    diag.counted("%s", text.c_str());
  else
    diag.notice("%s", text.c_str());
}

bool ArchCodeGen::evalDataSection(Buffer &buffer, uint16_t segment) {
  return flushBuffer(buffer, segment, true);
}

bool ArchCodeGen::flushBuffer(Buffer &buffer, uint16_t index, bool toSegment) {
  oelf::errc rc = toSegment ? writer->addSegmentData(buffer, index)
                            : writer->addSectionData(buffer, index);
  if (rc != oelf::NoError)
    return writerFailed();
  buffer.reset();
  return true;
}

bool ArchCodeGen::getEntryPointAddress(uint64_t &address) {
  address = 0;
  if (entryLabel.empty())
    return true;
  const Symbol *symbol = nullptr;
  if (!findEntrySymbol(symbol))
    return false;
  if (symbol) {
    address = entryAddressOf(symbol);
    return true;
  }
  // Not a symbol: the label is the address itself.
  bool ok = false;
  address = strToUInt32(entryLabel, ok);
  if (!ok) {
    diag.fatal("ivalid entry point label '%s'", entryLabel.c_str());
    return false;
  }
  return true;
}

uint64_t ArchCodeGen::entryAddressOf(const Symbol *symbol) const {
  return symbol->get().st_value;
}

bool ArchCodeGen::findEntrySymbol(const Symbol *&symbol) {
  symbol = globals->find(entryLabel);
  if (!symbol)
    return true;
  const ElfObject *owner = symbol->getOwner();
  uint16_t shndx = symbol->get().st_shndx;
  if (shndx == SHN_ABS ||
      (owner && shndx != SHN_UNDEF && shndx == owner->getTextIndex()))
    return true;
  diag.fatal("entry point label '%s' must be defined in relation to '.text' "
             "or '*ABS*' section",
             entryLabel.c_str());
  return false;
}

bool ArchCodeGen::addEntryPointCode(uint32_t entryWord) {
  uint64_t address = 0;
  if (!getEntryPointAddress(address))
    return false;
  int size = getEntryPointCodeSize();
  Buffer code(codeEncoding, size_t(size));
  code << entryWord << uint32_t(address);
  return evalTextSection(code);
}

bool ArchCodeGen::finish() {
  if (writer->accomplish() != oelf::NoError) {
    writerFailed();
    writer->close();
    return false;
  }
  if (writer->close() != oelf::NoError)
    return writerFailed();
  if (diag.errorCount() != 0)
    return false;
  if (!scratch->commit(outputName)) {
    diag.fatal("%s: %s", outputName.c_str(), oelf::errorText(oelf::CantOpen));
    return false;
  }
  return true;
}

} // namespace zvld
