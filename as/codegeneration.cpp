// codegeneration.cpp - the assembler's object writer: lays out the sections
// of the object and writes contents, symbols, relocations and debug data.
#include "codegeneration.h"

#include "oelf.h"

CodeGeneration::CodeGeneration(uint16_t code, uint8_t encoding, uint32_t flags)
    : code(code), encoding(encoding), flags(flags) {}

CodeGeneration::~CodeGeneration() = default;

bool CodeGeneration::generateCode(const std::string &, Tokenizer *, Sectab *,
                                  Symtab *, Reltab *, DebugInfoProducer *) {
  error = "can't open file";
  return false;
}

int CodeGeneration::getDwarfSection(const char *, int, Dwarf_Unsigned,
                                    Dwarf_Unsigned, Dwarf_Unsigned,
                                    Dwarf_Unsigned, Dwarf_Unsigned *, void *,
                                    int *) {
  return -1;
}

int64_t CodeGeneration::dwarfSection(const std::string &, uint32_t, uint32_t,
                                     uint32_t, uint32_t, uint64_t &) {
  return -1;
}

bool CodeGeneration::formOutputSectionSequence() { return true; }
uint16_t CodeGeneration::addSectionToOutputSectionSequence(Section *) {
  return 0;
}
uint16_t CodeGeneration::addSectionToOutputSectionSequence(const char *) {
  return 0;
}
bool CodeGeneration::getDebugInfo() { return true; }
bool CodeGeneration::writeSectionData() { return true; }
bool CodeGeneration::writeSymtab(const std::vector<Symbol *> &,
                                 const std::string &) {
  return true;
}
bool CodeGeneration::writeRelSectionData() { return true; }
uint16_t CodeGeneration::addOutputSectionHeader(Section *) { return 0; }
bool CodeGeneration::setWriterError(int) { return false; }
bool CodeGeneration::addDebugSection(Section *, const std::string &, bool) {
  return false;
}
uint64_t CodeGeneration::sectionDataSize(const Section *) const { return 0; }
