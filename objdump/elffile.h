// elffile.h - a Zorvel object or image read from memory: headers, section
// names, symbols and relocations, each checked against the file's bounds
// before anything else looks at it.
#ifndef ZV_OBJDUMP_ELFFILE_H
#define ZV_OBJDUMP_ELFFILE_H

#include "elf32.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class Buffer;

namespace zvod {

struct ElfSection {
  Elf32_Shdr shdr;
  std::string name;
};

struct ElfSymbol {
  Elf32_Sym sym;
  std::string name;

  unsigned bind() const { return ELF32_ST_BIND(sym.st_info); }
  unsigned type() const { return ELF32_ST_TYPE(sym.st_info); }
};

struct ElfRelocation {
  uint32_t offset;
  uint32_t symbol; // index into the symbol table
  uint8_t type;
};

class ElfFile {
public:
  // Reads and checks the whole file; false with getLastError() when it is
  // damaged or no Zorvel object or image.
  bool read(const uint8_t *data, size_t size);
  const std::string &getLastError() const { return error; }

  uint16_t getMachine() const { return header.e_machine; }
  bool isRelocatable() const { return header.e_type == ET_REL; }
  uint8_t getEncoding() const { return encoding; }
  uint32_t getFlags() const { return header.e_flags; }

  const std::vector<ElfSection> &getSections() const { return sections; }
  const std::vector<Elf32_Phdr> &getSegments() const { return segments; }
  // Empty without a symbol table; entry 0 is the null symbol.
  const std::vector<ElfSymbol> &getSymbols() const { return symbols; }
  // The relocations that patch a section, in offset order.
  const std::vector<ElfRelocation> &getRelocations(size_t section) const;
  // The first relocation of the section at exactly that offset, or null.
  const ElfRelocation *relocationAt(size_t section, uint32_t offset) const;

  // Contents of a section that has them (sh_size bytes), or of a segment
  // (p_filesz bytes); null for NOBITS sections.
  const uint8_t *sectionData(size_t index) const;
  const uint8_t *segmentData(size_t index) const;

  // The byte order multi-byte values of the section were written in.
  uint8_t sectionEncoding(size_t index) const;
  // An unsigned value of 1 to 8 bytes at offset of the section, in its
  // byte order; the caller has checked the bounds.
  uint64_t readValue(size_t section, uint32_t offset, unsigned bytes) const;
  // A 32-bit word of a byte array in the given byte order.
  static uint32_t word(const uint8_t *p, uint8_t encoding);

  // Field width of a relocation type in bytes; 0 for an unknown type.
  static unsigned relocationWidth(uint8_t type);
  static const char *relocationName(uint8_t type);
  // The name a symbol is shown with: a section symbol's section name.
  std::string symbolName(size_t index) const;
  bool isDebugSection(size_t index) const;

private:
  bool fail(const std::string &text);
  bool damaged(const std::string &text);
  // The entry size must be the structure's and the table inside the file.
  bool checkTable(const char *what, uint64_t offset, size_t count,
                  unsigned entrySize, unsigned expected);
  // size bytes from offset (checked by the caller) in the file's byte order.
  Buffer contents(uint64_t offset, size_t size) const;
  bool readHeader();
  bool readSectionHeaders();
  bool readSegments();
  bool readSymbols();
  bool readRelocations();
  bool stringAt(size_t table, uint32_t offset, std::string &out);
  bool checkStringTable(size_t index);

  std::vector<uint8_t> bytes;
  Elf32_Ehdr header = {};
  uint8_t encoding = 0;
  std::vector<ElfSection> sections;
  std::vector<Elf32_Phdr> segments;
  std::vector<ElfSymbol> symbols;
  std::vector<std::vector<ElfRelocation>> relocations;
  std::string error;
};

} // namespace zvod

#endif
