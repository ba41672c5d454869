// codegeneration.cpp - the assembler's object writer: lays out the sections
// of the object and writes contents, symbols, relocations and debug data.
#include "codegeneration.h"

#include "buffer.h"
#include "debuginfoproducer.h"
#include "debugsectionnames.h"
#include "oelf.h"
#include "reltab.h"
#include "sectab.h"
#include "section.h"
#include "subsection.h"
#include "symbol.h"
#include "symtab.h"
#include "temporaryfile.h"
#include "tokenizer.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char *const InternalError = "Internal1 as error";
// Symbol and relocation entries are encoded through a buffer of this size.
const size_t EncodeChunk = 4096;

} // namespace

CodeGeneration::CodeGeneration(uint16_t code, uint8_t encoding, uint32_t flags)
    : code(code), encoding(encoding), flags(flags) {}

CodeGeneration::~CodeGeneration() = default;

bool CodeGeneration::setWriterError(int code) {
  // The writer's own texts blame the file; an object past the offsets of
  // ELF32 is no fault of the file.
  if (writer && writer->isPastLimit())
    error = "section '" + writing + "' makes the object file larger than 4 GiB";
  else
    error = ioelf_base::errorText(code);
  return false;
}

Section *CodeGeneration::findSection(const std::string &name) const {
  return sectab ? sectab->findSectionByName(name) : nullptr;
}

uint64_t CodeGeneration::sectionDataSize(const Section *section) const {
  const SectionData *data = sectab ? sectab->getSectionData(section) : nullptr;
  return data ? data->getDataSize() : 0;
}

bool CodeGeneration::generateCode(const std::string &fileName,
                                  Tokenizer *tokenizer, Sectab *sectab,
                                  Symtab *symtab, Reltab *reltab,
                                  DebugInfoProducer *producer) {
  this->tokenizer = tokenizer;
  this->sectab = sectab;
  this->symtab = symtab;
  this->reltab = reltab;
  this->producer = producer;
  if (!sectab || !symtab) {
    error = InternalError;
    return false;
  }

  TemporaryFile temporary(fileName);
  if (!temporary.isCreated())
    return setWriterError(ioelf_base::CantOpen);
  if (!writeObject(temporary.getName())) {
    // The scratch file goes with the temporary; the stream is done too.
    if (writer)
      writer->close();
    return false;
  }
  // The rename is what creates the output's name: a name the system
  // refuses is an output that cannot be opened, whatever was written.
  if (!temporary.commit(fileName))
    return setWriterError(ioelf_base::CantOpen);
  return true;
}

bool CodeGeneration::writeObject(const std::string &scratchName) {
  // The writer: a relocatable object in the model's byte order.
  writer = std::make_unique<oelf>(scratchName);
  if (ioelf_base::errc e = writer->init(encoding, ET_REL, code, 0, flags))
    return setWriterError(e);

  // Section headers in file order; every section learns its index.
  if (!formOutputSectionSequence())
    return false;

  // Symbols in file order; their section indexes are known now.
  std::string names;
  const std::vector<Symbol *> &symbols = symtab->getSymbolSequence(names);

  // Contents, the symbol table, then the relocation sections.
  if (!getDebugInfo() || !writeSectionData() || !writeSymtab(symbols, names) ||
      !writeRelSectionData())
    return false;

  // Header tables and the ELF header.
  writing = ".shstrtab";
  if (ioelf_base::errc e = writer->accomplish())
    return setWriterError(e);
  if (ioelf_base::errc e = writer->close())
    return setWriterError(e);
  return true;
}

uint16_t CodeGeneration::addOutputSectionHeader(Section *section) {
  uint16_t index =
      writer->addSHEntry(section->getStrName(), &section->getShdr());
  if (index == 0)
    return 0;
  section->setIndex(index);
  outputList.push_back(section);
  return index;
}

uint16_t CodeGeneration::addRelHeader(Section *section,
                                      const std::string &relName,
                                      uint16_t index) {
  uint16_t relIndex =
      writer->addSHEntry(relName, SHT_REL, 0, 0, 0, 0, 0, index, 0, 8);
  if (relIndex == 0)
    return 0;
  relSectionIndexes[section] = relIndex;
  relocationList.push_back(section);
  return relIndex;
}

uint16_t CodeGeneration::addSectionToOutputSectionSequence(Section *section) {
  uint16_t index = addOutputSectionHeader(section);
  if (index != 0 && reltab && reltab->exist(section))
    addRelHeader(section, ".rel" + section->getStrName(), index);
  return index;
}

uint16_t CodeGeneration::addSectionToOutputSectionSequence(const char *name) {
  Section *section = findSection(name);
  if (!section || section->getIndex() != 0)
    return 0;
  return addSectionToOutputSectionSequence(section);
}

bool CodeGeneration::addDebugSection(Section *section,
                                     const std::string &relName, bool withRel) {
  // A name listed twice is placed once.
  if (section->getIndex() != 0)
    return true;
  uint16_t index = addOutputSectionHeader(section);
  if (index == 0)
    return false;
  debugSectionIndexes[section->getStrName()] = index;
  if (withRel && !relName.empty()) {
    uint16_t relIndex = addRelHeader(section, relName, index);
    if (relIndex == 0)
      return false;
    debugSectionIndexes[relName] = relIndex;
  }
  return true;
}

bool CodeGeneration::formOutputSectionSequence() {
  // The three standard sections come first.
  for (const char *name : {".text", ".data", ".bss"})
    addSectionToOutputSectionSequence(name);

  if (producer && producer->isAsmDebugInfo()) {
    // The sections the producer asked for, each with its relocations.
    const std::vector<std::string> &sequence =
        producer->getDebugSectionNameSequence();
    for (size_t i = 0; i + 1 < sequence.size(); i += 2) {
      Section *section = findSection(sequence[i]);
      if (!section) {
        error = InternalError;
        return false;
      }
      if (!addDebugSection(section, sequence[i + 1], true))
        return setWriterError(writer->getLastError());
    }
  } else if (producer) {
    // Source positions: the debug sections that exist, in their fixed
    // order. .debug_info and .debug_line are still empty when the producer
    // is to fill them, and the producer relocates them.
    for (size_t i = 0; i < DebugSectionCount; ++i) {
      Section *section = findSection(getDebugSectionName(i));
      if (!section)
        continue;
      bool withRel = (reltab && reltab->exist(section)) ||
                     (i < 2 && sectionDataSize(section) == 0);
      if (!addDebugSection(section, getRelDebugSectionName(i), withRel))
        return setWriterError(writer->getLastError());
    }
  }

  // Every other section in creation order; the pseudo-sections already
  // carry their special indexes.
  for (Section *section : sectab->getSectionSequence())
    if (section->getIndex() == 0)
      addSectionToOutputSectionSequence(section);

  strtabIndex =
      writer->addSHEntry(".strtab", SHT_STRTAB, 0, 0, 0, 0, 0, 0, 1, 0);
  symtabIndex = writer->addSHEntry(".symtab", SHT_SYMTAB, 0, 0, 0, 0,
                                   strtabIndex, 0, 4, sizeof(Elf32_Sym));
  if (writer->getLastError() != ioelf_base::NoError)
    return setWriterError(writer->getLastError());
  return true;
}

int CodeGeneration::getDwarfSection(const char *name, int /*size*/,
                                    Dwarf_Unsigned type, Dwarf_Unsigned flags,
                                    Dwarf_Unsigned link, Dwarf_Unsigned info,
                                    Dwarf_Unsigned *sectNameIndex,
                                    void *userData, int *errorOut) {
  auto *self = static_cast<CodeGeneration *>(userData);
  if (errorOut)
    *errorOut = 0;
  if (!self || !name)
    return -1;
  uint64_t symbolIndex = 0;
  int64_t index = self->dwarfSection(
      name, static_cast<uint32_t>(type), static_cast<uint32_t>(flags),
      static_cast<uint32_t>(link), static_cast<uint32_t>(info), symbolIndex);
  if (sectNameIndex)
    *sectNameIndex = symbolIndex;
  return static_cast<int>(index);
}

int64_t CodeGeneration::dwarfSection(const std::string &name, uint32_t type,
                                     uint32_t flags, uint32_t link,
                                     uint32_t info, uint64_t &symbolIndex) {
  symbolIndex = 0;
  if (!writer)
    return -1;
  auto recorded = debugSectionIndexes.find(name);
  if (recorded == debugSectionIndexes.end()) {
    if (producer && producer->isAsmDebugInfo())
      return -1;
    // An index no real section has, not even the .shstrtab that accomplish
    // will add; whatever the producer files under it is not written.
    return static_cast<int64_t>(writer->sectionCount() + 1 + freshIndexCount++);
  }

  uint16_t index = recorded->second;
  const Symbol *symbol = nullptr;
  // Looked up without interning: a name the source never used has no
  // symbol.
  if (symtab && tokenizer && tokenizer->getWordMap().exist(name))
    symbol = symtab->getExistingSymbol(tokenizer->getWord(name));
  symbolIndex = symbol ? symbol->getIndex() : 0;

  // A section the source filled itself keeps its header.
  Section *section = findSection(name);
  if (section && (sectionDataSize(section) != 0 || section->getSize() != 0))
    return index;
  writer->set_sh_type(index, type);
  writer->set_sh_flags(index, flags);
  writer->set_sh_link(index, type == SHT_REL ? symtabIndex : link);
  writer->set_sh_info(index, info);
  return index;
}

bool CodeGeneration::getDebugInfo() {
  if (!producer)
    return true;
  if (!producer->transformToDiskForm()) {
    error = producer->getLastError();
    return false;
  }
  for (;;) {
    int64_t index = 0;
    uint64_t length = 0;
    bool failed = false;
    const uint8_t *bytes = producer->getSectionBytes(index, length, failed);
    if (failed) {
      error = producer->getLastError();
      return false;
    }
    if (!bytes)
      return true;
    debugBlocks[index].emplace_back(bytes, bytes + length);
  }
}

bool CodeGeneration::startSection(uint16_t index, const std::string &name) {
  writing = name;
  int64_t position = writer->tellp();
  if (position < 0)
    return setWriterError(ioelf_base::CantWrite);
  writer->set_sh_offset(index, static_cast<uint32_t>(position));
  // The header copied from the section may carry a size; only what is
  // written counts.
  writer->set_sh_size(index, 0);
  return true;
}

bool CodeGeneration::writeSectionData() {
  for (Section *section : outputList) {
    uint16_t index = section->getIndex();
    if (!startSection(index, section->getStrName()))
      return false;
    uint64_t size = sectionDataSize(section);
    if (section->getType() == SHT_NOBITS) {
      writer->set_sh_size(index, static_cast<uint32_t>(size));
      continue;
    }
    if (size != 0) {
      const SectionData *data = sectab->getSectionData(section);
      for (const Subsection *subsection : data->getSubsectionSequence()) {
        const DataSubsection *d = subsection->asData();
        const Buffer *buffer = d ? d->getData() : nullptr;
        if (!buffer)
          continue;
        if (ioelf_base::errc e = writer->addSectionData(*buffer, index))
          return setWriterError(e);
      }
      continue;
    }
    auto blocks = debugBlocks.find(index);
    if (blocks == debugBlocks.end())
      continue;
    for (const Block &block : blocks->second)
      if (ioelf_base::errc e =
              writer->addSectionData(block.data(), block.size(), index))
        return setWriterError(e);
  }
  return true;
}

bool CodeGeneration::flushEntries(Buffer &buffer, uint16_t index) {
  if (buffer.getDataSize() == 0)
    return true;
  ioelf_base::errc e = writer->addSectionData(buffer, index);
  buffer.reset();
  if (e)
    return setWriterError(e);
  return true;
}

bool CodeGeneration::writeSymtab(const std::vector<Symbol *> &symbols,
                                 const std::string &names) {
  uint32_t firstGlobal = static_cast<uint32_t>(symbols.size());
  for (size_t i = 0; i < symbols.size(); ++i) {
    if (symbols[i] &&
        ELF32_ST_BIND(symbols[i]->getSymbol().st_info) != STB_LOCAL) {
      firstGlobal = static_cast<uint32_t>(i);
      break;
    }
  }
  writer->set_sh_info(symtabIndex, firstGlobal);

  if (!startSection(strtabIndex, ".strtab"))
    return false;
  if (ioelf_base::errc e =
          writer->addSectionData(names.data(), names.size(), strtabIndex))
    return setWriterError(e);

  if (!startSection(symtabIndex, ".symtab"))
    return false;
  Buffer buffer(encoding, EncodeChunk);
  for (const Symbol *symbol : symbols) {
    if (!buffer.canAccept(sizeof(Elf32_Sym)) &&
        !flushEntries(buffer, symtabIndex))
      return false;
    // A missing entry still takes its slot so the indexes stay right.
    Elf32_Sym entry{};
    if (symbol)
      entry = symbol->getSymbol();
    buffer << entry;
  }
  return flushEntries(buffer, symtabIndex);
}

bool CodeGeneration::writeRelSectionData() {
  for (Section *section : relocationList) {
    uint16_t relIndex = relSectionIndexes[section];
    writer->set_sh_link(relIndex, symtabIndex);
    if (!startSection(relIndex, ".rel" + section->getStrName()))
      return false;

    Buffer buffer(encoding, EncodeChunk);
    RelData *relData = reltab ? reltab->getRelData(section) : nullptr;
    auto blocks = debugBlocks.find(relIndex);
    if (relData) {
      for (const Relocation *relocation : relData->getRelocationSequence()) {
        if (!buffer.canAccept(sizeof(Elf32_Rel)) &&
            !flushEntries(buffer, relIndex))
          return false;
        buffer << relocation->getRelocation();
      }
    } else if (blocks != debugBlocks.end()) {
      // The producer's entries are in host order and carry its own type.
      for (const Block &block : blocks->second) {
        if (block.size() % sizeof(Elf32_Rel) != 0) {
          error = InternalError;
          return false;
        }
        for (size_t at = 0; at < block.size(); at += sizeof(Elf32_Rel)) {
          Elf32_Rel entry;
          std::memcpy(&entry, block.data() + at, sizeof entry);
          entry.r_info = (entry.r_info & ~0xffu) | R_ZORVEL_32;
          if (!buffer.canAccept(sizeof(Elf32_Rel)) &&
              !flushEntries(buffer, relIndex))
            return false;
          buffer << entry;
        }
      }
    } else if (!debugSectionIndexes.count(section->getStrName())) {
      error = InternalError;
      return false;
    }
    // A debug section the producer left without relocations keeps an
    // empty relocation section: its header is already in the table.
    if (!flushEntries(buffer, relIndex))
      return false;
  }
  return true;
}
