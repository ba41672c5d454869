// zp200_cg.cpp - the ZP200 image generator: .text is one program memory
// segment and a program address is a byte offset.
#include "zp200_cg.h"

#include "buffer.h"
#include "elf32.h"
#include "oelf.h"
#include "symbol.h"

namespace zvld {

ZP200_CG::ZP200_CG(const std::string &outputName, const InputFiles *inputFiles,
                   const std::string &entryLabel, std::ostream &messages)
    : ArchCodeGen(outputName, inputFiles, entryLabel, messages) {
  target = EM_ZP200;
  codeEncoding = ELFDATA2LSB;
  dataEncoding = ELFDATA2LSB;
  processingUnits = 4;
  programMemorySize = 0x10000;
  textBase = 0;
  dataMemorySize = 0x80000;
  initDataMemorySize = 0x80000;
  dataBase = 0x40000;
}

int ZP200_CG::generate() { return generateImage(); }

bool ZP200_CG::recalculateSymbolValue() {
  if (OutSec *text = findOutSec(".text"))
    text->setGlobalOutOff(textBase);
  return ArchCodeGen::recalculateSymbolValue();
}

bool ZP200_CG::initProgramHeaderTable() {
  OutSec *text = findOutSec(".text");
  uint64_t alignment = text ? text->getAlignmentByteCount() : 0;
  uint64_t size = text ? text->getSize() : 0;
  uint64_t memory = processingUnits * programMemorySize;
  uint64_t extent = textBase + alignment + size;
  if (extent > 0xFFFFFFFFull || extent > memory) {
    diag.fatal("%s: not enough programm memory space to allocate programm "
               "code",
               outputName.c_str());
    return false;
  }
  uint64_t start = text ? text->getGlobalOutOff() - alignment - textBase : 0;
  writer->addPHEntry(PT_LOAD, uint32_t(fileOffset), 0, uint32_t(start), 0,
                     uint32_t(memory), PF_R | PF_X, uint32_t(memory));
  fileOffset += extent;
  if (text)
    text->setElfIndex(0);
  for (const char *name : {".data", ".bss"})
    if (OutSec *sec = findOutSec(name))
      sec->setElfIndex(1);
  return ArchCodeGen::initProgramHeaderTable();
}

bool ZP200_CG::produceProgCode() {
  if (!entryLabel.empty() && !addEntryPointCode(EntryWord))
    return false;
  return ArchCodeGen::produceProgCode();
}

uint64_t ZP200_CG::adjustValueByRelocation(uint64_t value, uint64_t mask,
                                           ElfObject *object, size_t index,
                                           uint64_t offset,
                                           const Symbol *symbol,
                                           const char *typeName) {
  return genericValue(value, mask, object, index, offset, symbol, typeName);
}

bool ZP200_CG::evalTextSection(Buffer &buffer) {
  return flushBuffer(buffer, 0, true);
}

bool ZP200_CG::evalDataSection(Buffer &buffer) {
  return ArchCodeGen::evalDataSection(buffer, 1);
}

} // namespace zvld
