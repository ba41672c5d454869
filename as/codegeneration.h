// codegeneration.h - the assembler's object writer: section order, contents,
// symbols, relocations and debug sections of one relocatable ELF32 object.
#ifndef ZV_AS_CODEGENERATION_H
#define ZV_AS_CODEGENERATION_H

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <libdwarf.h>

class Buffer;
class DebugInfoProducer;
class Reltab;
class Section;
class Sectab;
class Symbol;
class Symtab;
class Tokenizer;
class oelf;

class CodeGeneration {
public:
  CodeGeneration(uint16_t code, uint8_t encoding, uint32_t flags);
  ~CodeGeneration();
  CodeGeneration(const CodeGeneration &) = delete;
  CodeGeneration &operator=(const CodeGeneration &) = delete;

  // Writes the object to fileName; false with getError() on failure. The
  // object appears under fileName only when it was written completely.
  bool generateCode(const std::string &fileName, Tokenizer *tokenizer,
                    Sectab *sectab, Symtab *symtab, Reltab *reltab,
                    DebugInfoProducer *producer);
  const std::string &getError() const { return error; }

  // The section callback of the DWARF producer; userData is the
  // CodeGeneration. Returns the section index for name, or -1.
  static int getDwarfSection(const char *name, int size, Dwarf_Unsigned type,
                             Dwarf_Unsigned flags, Dwarf_Unsigned link,
                             Dwarf_Unsigned info, Dwarf_Unsigned *sectNameIndex,
                             void *userData, int *errorOut);
  // The logic behind the callback.
  int64_t dwarfSection(const std::string &name, uint32_t type, uint32_t flags,
                       uint32_t link, uint32_t info, uint64_t &symbolIndex);

  // Steps of generateCode, in their order.
  bool formOutputSectionSequence();
  uint16_t addSectionToOutputSectionSequence(Section *section);
  uint16_t addSectionToOutputSectionSequence(const char *name);
  bool getDebugInfo();
  bool writeSectionData();
  bool writeSymtab(const std::vector<Symbol *> &symbols,
                   const std::string &names);
  bool writeRelSectionData();
  uint16_t addOutputSectionHeader(Section *section);

private:
  // One byte stream the debug producer delivered.
  using Block = std::vector<uint8_t>;

  bool writeObject(const std::string &scratchName);
  bool setWriterError(int code);
  Section *findSection(const std::string &name) const;
  uint64_t sectionDataSize(const Section *section) const;
  uint16_t addRelHeader(Section *section, const std::string &relName,
                        uint16_t index);
  bool addDebugSection(Section *section, const std::string &relName,
                       bool withRel);
  // Places the section at the current position; name is what a failure
  // to fit names.
  bool startSection(uint16_t index, const std::string &name);
  bool flushEntries(Buffer &buffer, uint16_t index);

  uint16_t code;
  uint8_t encoding;
  uint32_t flags;
  std::unique_ptr<oelf> writer;
  Tokenizer *tokenizer = nullptr;
  Sectab *sectab = nullptr;
  Symtab *symtab = nullptr;
  Reltab *reltab = nullptr;
  DebugInfoProducer *producer = nullptr;
  std::string error;
  std::string writing; // the section being written
  uint16_t symtabIndex = 0;
  uint16_t strtabIndex = 0;
  std::map<std::string, uint16_t> debugSectionIndexes;
  std::map<const Section *, uint16_t> relSectionIndexes;
  std::vector<Section *> outputList;
  std::vector<Section *> relocationList;
  std::map<int64_t, std::vector<Block>> debugBlocks;
  uint64_t freshIndexCount = 0;
};

#endif
