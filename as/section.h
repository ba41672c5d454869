// section.h - one section of the object: its ELF header fields, its byte
// order and its section symbol, and the classification the directives use.
#ifndef ZV_AS_SECTION_H
#define ZV_AS_SECTION_H

#include <cstdint>
#include <string>

#include "elf32.h"

class Symbol;
class Word;

class Section {
public:
  // Special indexes of the two pseudo-sections.
  static constexpr uint16_t ABS_INDEX = 0xfff1;
  static constexpr uint16_t COMMON_INDEX = 0xfff2;

  explicit Section(const Word *name);
  Section(const Section &) = delete;
  Section &operator=(const Section &) = delete;

  uint16_t getIndex() const { return index; }
  void setIndex(uint16_t i) { index = i; }
  // The section name as an interned word.
  const Word *getWord() const { return name; }
  const std::string &getStrName() const;

  // String table offset of the name (sh_name).
  uint32_t getName() const { return shdr.sh_name; }
  void setName(uint32_t n) { shdr.sh_name = n; }
  uint32_t getType() const { return shdr.sh_type; }
  void setType(uint32_t t) { shdr.sh_type = t; }
  uint32_t getFlags() const { return shdr.sh_flags; }
  void setFlags(uint32_t f) { shdr.sh_flags = f; }
  uint32_t getAddr() const { return shdr.sh_addr; }
  void setAddr(uint32_t a) { shdr.sh_addr = a; }
  uint32_t getOffset() const { return shdr.sh_offset; }
  void setOffset(uint32_t o) { shdr.sh_offset = o; }
  uint32_t getSize() const { return shdr.sh_size; }
  void setSize(uint32_t s) { shdr.sh_size = s; }
  uint32_t getLink() const { return shdr.sh_link; }
  void setLink(uint32_t l) { shdr.sh_link = l; }
  uint32_t getInfo() const { return shdr.sh_info; }
  void setInfo(uint32_t i) { shdr.sh_info = i; }
  uint32_t getAddralign() const { return shdr.sh_addralign; }
  void setAddralign(uint32_t a) { shdr.sh_addralign = a; }
  uint32_t getEntsize() const { return shdr.sh_entsize; }
  void setEntsize(uint32_t e) { shdr.sh_entsize = e; }
  const Elf32_Shdr &getShdr() const { return shdr; }

  uint8_t getDataEncoding() const { return dataEncoding; }
  void setDataEncoding(uint8_t e) { dataEncoding = e; }
  Symbol *getLinkedSymbol() const { return linkedSymbol; }
  void setLinkedSymbol(Symbol *s) { linkedSymbol = s; }

  // Exact type and flags decide, not the name: a ".text" made with other
  // flags is no text section.
  bool isText() const {
    return shdr.sh_type == SHT_PROGBITS &&
           shdr.sh_flags == (SHF_ALLOC | SHF_EXECINSTR);
  }
  bool isData() const {
    return shdr.sh_type == SHT_PROGBITS &&
           shdr.sh_flags == (SHF_WRITE | SHF_ALLOC);
  }
  bool isBss() const {
    return shdr.sh_type == SHT_NOBITS &&
           shdr.sh_flags == (SHF_WRITE | SHF_ALLOC);
  }
  bool isUndef() const { return index == 0 && shdr.sh_type == SHT_NULL; }
  bool isAbs() const { return index == ABS_INDEX; }
  bool isCommon() const { return index == COMMON_INDEX; }
  bool isMerge() const { return (shdr.sh_flags & SHF_MERGE) != 0; }
  bool isNobits() const { return shdr.sh_type == SHT_NOBITS; }

private:
  uint16_t index = 0;
  Symbol *linkedSymbol = nullptr;
  const Word *name;
  uint8_t dataEncoding = 0;
  Elf32_Shdr shdr{};
};

#endif
