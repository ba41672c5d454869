// oelf.h - the ELF32 file writer shared by the assembler and the linker:
// header, section, symbol and program header tables kept in memory, contents
// written straight to the file, tables appended by accomplish().
#ifndef ZV_COMMON_OELF_H
#define ZV_COMMON_OELF_H

#include "buffer.h"
#include "elf32.h"
#include "ioelf_base.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <fstream>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// An ELF string table that reuses an existing entry, or the tail of one,
// for a name it already holds. Offset 0 is the empty name.
class ElfStringTable {
public:
  ElfStringTable();

  // Back to the single NUL byte.
  void clear();
  // The offset of the name, appending it when no entry ends with it. A name
  // with an embedded NUL is entered up to that NUL.
  uint32_t enter(const std::string &name);
  const std::string &contents() const { return table; }
  size_t size() const { return table.size(); }

private:
  std::string table;
  // Every tail of every entry, mapped to its first offset. The views point
  // into names, whose strings never move.
  std::deque<std::string> names;
  std::unordered_map<std::string_view, uint32_t> tails;
};

class oelf : public ioelf_base {
public:
  // Indexes beyond these limits are refused: section indexes from 0xff00
  // are reserved, symbol indexes must fit the 24 bits of a relocation, and
  // 0xffff program headers would need extended numbering.
  static constexpr uint32_t MaxSections = SHN_LORESERVE;
  static constexpr uint32_t MaxSymbols = 1u << 24;
  static constexpr uint32_t MaxSegments = PN_XNUM;

  explicit oelf(const std::string &fileName);
  oelf(const oelf &) = delete;
  oelf &operator=(const oelf &) = delete;
  ~oelf();

  errc init(uint8_t ei_data, uint16_t e_type, uint16_t e_machine,
            uint32_t e_entry, uint32_t e_flags);

  const std::string &getFileName() const { return fileName; }
  errc getLastError() const { return lastError; }
  const char *getError() const { return errorText(lastError); }

  // ELF header.
  uint8_t ei_data() const { return header.e_ident[EI_DATA]; }
  uint16_t e_type() const { return header.e_type; }
  uint16_t e_machine() const { return header.e_machine; }
  uint32_t e_entry() const { return header.e_entry; }
  uint32_t e_phoff() const { return header.e_phoff; }
  uint32_t e_shoff() const { return header.e_shoff; }
  uint32_t e_flags() const { return header.e_flags; }
  uint16_t e_phnum() const { return header.e_phnum; }
  uint16_t e_shnum() const { return header.e_shnum; }
  uint16_t e_shstrndx() const { return header.e_shstrndx; }
  void set_ei_data(uint8_t v);
  void set_e_type(uint16_t v) { header.e_type = v; }
  void set_e_machine(uint16_t v) { header.e_machine = v; }
  void set_e_entry(uint32_t v) { header.e_entry = v; }
  void set_e_phoff(uint32_t v) { header.e_phoff = v; }
  void set_e_shoff(uint32_t v) { header.e_shoff = v; }
  void set_e_flags(uint32_t v) { header.e_flags = v; }
  void set_e_phnum(uint16_t v) { header.e_phnum = v; }
  void set_e_shnum(uint16_t v) { header.e_shnum = v; }

  // Section headers. The add functions return the new index, or 0 (the
  // null section) with the last error "invalid index" beyond MaxSections.
  uint16_t addSHEntry(const std::string &name, uint32_t type, uint32_t flags,
                      uint32_t addr, uint32_t offset, uint32_t size,
                      uint32_t link, uint32_t info, uint32_t addralign,
                      uint32_t entsize);
  uint16_t addSHEntry(const std::string &name, const Elf32_Shdr *sh);
  size_t sectionCount() const { return sections.size(); }
  uint32_t sh_name(uint16_t i) const;
  std::string sh_stringName(uint16_t i) const;
  uint32_t sh_type(uint16_t i) const;
  uint32_t sh_flags(uint16_t i) const;
  uint32_t sh_addr(uint16_t i) const;
  uint32_t sh_offset(uint16_t i) const;
  uint32_t sh_size(uint16_t i) const;
  uint32_t sh_link(uint16_t i) const;
  uint32_t sh_info(uint16_t i) const;
  uint32_t sh_addralign(uint16_t i) const;
  uint32_t sh_entsize(uint16_t i) const;
  void set_sh_name(uint16_t i, uint32_t v);
  void set_sh_stringName(uint16_t i, const std::string &name);
  void set_sh_type(uint16_t i, uint32_t v);
  void set_sh_flags(uint16_t i, uint32_t v);
  void set_sh_addr(uint16_t i, uint32_t v);
  void set_sh_offset(uint16_t i, uint32_t v);
  void set_sh_size(uint16_t i, uint32_t v);
  void set_sh_link(uint16_t i, uint32_t v);
  void set_sh_info(uint16_t i, uint32_t v);
  void set_sh_addralign(uint16_t i, uint32_t v);
  void set_sh_entsize(uint16_t i, uint32_t v);

  // Symbols. The add functions return the new index, or 0 (the null
  // symbol) with the last error "invalid index" beyond MaxSymbols.
  uint32_t addSTEntry(const std::string &name, uint32_t value, uint32_t size,
                      uint8_t info, uint8_t other, uint16_t shndx);
  uint32_t addSTEntry(const std::string &name, uint32_t value, uint32_t size,
                      uint8_t bind, uint8_t type, uint8_t other,
                      uint16_t shndx);
  uint32_t addSTEntry(const std::string &name, const Elf32_Sym *st);
  size_t symbolCount() const { return symbols.size(); }
  uint32_t st_name(uint32_t i) const;
  std::string st_stringName(uint32_t i) const;
  uint32_t st_value(uint32_t i) const;
  uint32_t st_size(uint32_t i) const;
  uint8_t st_info(uint32_t i) const;
  uint8_t st_bind(uint32_t i) const;
  uint8_t st_type(uint32_t i) const;
  uint8_t st_other(uint32_t i) const;
  uint16_t st_shndx(uint32_t i) const;
  void set_st_name(uint32_t i, uint32_t v);
  void set_st_stringName(uint32_t i, const std::string &name);
  void set_st_value(uint32_t i, uint32_t v);
  void set_st_size(uint32_t i, uint32_t v);
  void set_st_info(uint32_t i, uint8_t v);
  void set_st_bind(uint32_t i, uint8_t bind);
  void set_st_type(uint32_t i, uint8_t type);
  void set_st_other(uint32_t i, uint8_t v);
  void set_st_shndx(uint32_t i, uint16_t v);

  // Program headers. The add functions return the new index; beyond
  // MaxSegments they return MaxSegments with the last error
  // "invalid index" (every index is valid here, so none can be a marker).
  uint16_t addPHEntry(uint32_t type, uint32_t offset, uint32_t vaddr,
                      uint32_t paddr, uint32_t filesz, uint32_t memsz,
                      uint32_t flags, uint32_t align);
  uint16_t addPHEntry(const Elf32_Phdr *ph);
  size_t segmentCount() const { return segments.size(); }
  uint32_t p_type(uint16_t i) const;
  uint32_t p_offset(uint16_t i) const;
  uint32_t p_vaddr(uint16_t i) const;
  uint32_t p_paddr(uint16_t i) const;
  uint32_t p_filesz(uint16_t i) const;
  uint32_t p_memsz(uint16_t i) const;
  uint32_t p_flags(uint16_t i) const;
  uint32_t p_align(uint16_t i) const;
  void set_p_type(uint16_t i, uint32_t v);
  void set_p_offset(uint16_t i, uint32_t v);
  void set_p_vaddr(uint16_t i, uint32_t v);
  void set_p_paddr(uint16_t i, uint32_t v);
  void set_p_filesz(uint16_t i, uint32_t v);
  void set_p_memsz(uint16_t i, uint32_t v);
  void set_p_flags(uint16_t i, uint32_t v);
  void set_p_align(uint16_t i, uint32_t v);

  // Contents. A Buffer contributes its data, start to data end. Data that
  // would reach beyond 4 GiB cannot be described in ELF32 and counts as a
  // write failure.
  errc addRawData(const void *bytes, size_t n);
  errc addRawData(uint8_t byte, size_t n, uint32_t offset);
  errc addRawData(const void *bytes, size_t n, uint32_t offset);
  errc addRawData(const Buffer &b, uint32_t offset);
  errc addSectionData(uint8_t byte, size_t n, uint16_t index);
  errc addSectionData(const void *bytes, size_t n, uint16_t index);
  errc addSectionData(const Buffer &b, uint16_t index);
  errc addSegmentData(uint8_t byte, size_t n, uint16_t index);
  errc addSegmentData(const void *bytes, size_t n, uint16_t index);
  errc addSegmentData(const Buffer &b, uint16_t index);

  // The output position; -1 when the stream has failed.
  int64_t tellp();
  errc seekp(uint32_t offset);

  // Append the string and symbol tables, the program and section header
  // tables, and write the ELF header.
  errc accomplish();
  // Close the file; "can't write" when the last buffered bytes fail.
  errc close();
  // Whether a write failed because it would have reached past the 4 GiB
  // that ELF32 offsets can describe, rather than at the file.
  bool isPastLimit() const { return pastLimit; }

private:
  errc fail(errc code);
  errc tooLarge();
  errc checkStream();
  errc writeAt(const void *bytes, size_t n, uint64_t offset);
  errc writeFill(uint8_t byte, size_t n, uint64_t offset);
  errc writeHere(const void *bytes, size_t n);
  errc seekEnd(uint64_t &pos);
  errc flushHeaderBuffer();
  errc writeSymbolTable();
  errc writeProgramHeaders();
  errc writeSectionHeaders();
  errc writeElfHeader();

  const Elf32_Shdr *section(uint16_t i) const;
  Elf32_Shdr *section(uint16_t i);
  const Elf32_Sym *symbol(uint32_t i) const;
  Elf32_Sym *symbol(uint32_t i);
  const Elf32_Phdr *segment(uint16_t i) const;
  Elf32_Phdr *segment(uint16_t i);

  std::string fileName;
  std::ofstream out;
  Elf32_Ehdr header;
  ElfStringTable sectionNames;
  std::vector<Elf32_Shdr> sections;
  ElfStringTable symbolNames;
  std::vector<Elf32_Sym> symbols;
  std::vector<Elf32_Phdr> segments;
  Buffer headerBuffer;
  errc lastError = NoError;
  bool pastLimit = false;
};

#endif
