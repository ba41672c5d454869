// elfobject.h - one relocatable object as the linker reads it: headers,
// the sections the link needs, the symbol table, and the checks that keep a
// damaged file from being read outside its bounds.
#ifndef ZV_LD_ELFOBJECT_H
#define ZV_LD_ELFOBJECT_H

#include "debugsectionnames.h"
#include "symbol.h"

#include <gelf.h>
#include <libelf.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class Buffer;

namespace zvld {

class Diagnostics;
class GlobalSymtab;

class ElfObject {
public:
  ElfObject(Elf *descriptor, const std::string &location);
  ElfObject(const ElfObject &) = delete;
  ElfObject &operator=(const ElfObject &) = delete;
  ~ElfObject();

  bool loadHeaders();
  bool checkShdr();
  // 1 loaded, -1 multiple definitions (reported on diag), 0 other failure.
  int loadSymtab(Diagnostics &diag);
  void mallocForCommonSymbols();

  const GElf_Shdr *getShdr(size_t index);
  const std::vector<GElf_Shdr> &getSectionVector() const { return sections; }
  size_t sectionCount() const { return sections.size(); }
  // Copies the raw contents of a section (sh_size bytes) to dest.
  bool getRawSectionData(size_t index, uint8_t *dest);
  // A buffer in the section's data encoding holding its contents; false
  // with the last error when they cannot be read.
  bool readSection(size_t index, Buffer &buffer);
  size_t findSection(size_t from, uint32_t type, uint64_t flags) const;
  size_t findRelSection(size_t target, size_t from) const;
  Symbol *getSectionSymbol(size_t index);
  std::string getSectionName(size_t index) const;
  std::string getSymbolName(const Symbol *symbol) const;
  static std::string getName(const std::string &strtab, uint64_t offset);

  // The symbol vector: locals of this object, then the shared entries of
  // the global symbol table.
  const std::vector<Symbol *> &getSymbols() const { return symbolVector; }
  size_t symbolCount() const { return symbolVector.size(); }
  // Whether this object's own record of symbol index i is a weak one (the
  // shared entry may have become strong through another object).
  bool isWeakReference(size_t i) const;
  size_t getSymtabIndex() const { return symtabIndex; }
  size_t getFirstGlobal() const { return firstGlobal; }

  size_t getTextIndex() const { return textIndex; }
  size_t getDataIndex() const { return dataIndex; }
  size_t getBssIndex() const { return bssIndex; }
  size_t getDebugIndex(size_t i) const {
    return i < DebugSectionCount ? debugIndex[i] : 0;
  }

  unsigned char ei_class() const { return ident[EI_CLASS]; }
  unsigned char ei_data() const { return ident[EI_DATA]; }
  unsigned char ei_data(size_t index) const;
  uint16_t e_type() const { return header.e_type; }
  uint16_t e_machine() const { return header.e_machine; }
  uint32_t e_flags() const { return header.e_flags; }
  size_t e_shstrndx() const { return shstrndx; }
  // The encoding of .data: little-endian when a ZP100 object says so.
  unsigned char dataEncoding() const;

  Elf *getElfDescriptor() const { return elf; }
  const std::string &getLocation() const { return location; }
  const std::string &getLastError() const { return lastError; }

private:
  bool fail(const std::string &text);
  bool failElf(const char *what);
  bool loadStrtab(std::string &table, size_t index);
  bool checkSectionBounds();

  Elf *elf;
  std::string location;
  std::string lastError = "No error";
  GElf_Ehdr header{};
  unsigned char ident[EI_NIDENT]{};
  size_t shstrndx = 0;
  size_t fileSize = 0;
  std::vector<GElf_Shdr> sections;
  std::string sectionNames;
  std::vector<size_t> sectionSymbol;
  mutable std::vector<size_t> relocationOf;
  std::vector<GElf_Phdr> programHeaders;
  std::vector<Symbol *> symbolVector;
  std::vector<std::unique_ptr<Symbol>> localSymbols;
  std::vector<unsigned char> weakReference;
  std::string symbolNames;
  size_t symtabIndex = 0;
  size_t firstGlobal = 0;
  size_t textIndex = 0;
  size_t dataIndex = 0;
  size_t bssIndex = 0;
  size_t debugIndex[DebugSectionCount] = {};
  bool headersLoaded = false;
  GlobalSymtab *globals;
};

} // namespace zvld

#endif
