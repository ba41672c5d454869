// relocation.h - one relocation of a field and the relocations of one
// section in creation order.
#ifndef ZV_AS_RELOCATION_H
#define ZV_AS_RELOCATION_H

#include <cstdint>
#include <memory>
#include <vector>

#include "elf32.h"

class Section;
class Symbol;

class Relocation {
public:
  Relocation(uint32_t offset, const Symbol *symbol, uint8_t type);
  Relocation(const Relocation &) = delete;
  Relocation &operator=(const Relocation &) = delete;

  uint32_t getOffset() const { return rel.r_offset; }
  void setOffset(uint32_t o) { rel.r_offset = o; }
  uint32_t getInfo() const { return rel.r_info; }
  void setInfo(uint32_t i) { rel.r_info = i; }
  uint8_t getType() const { return ELF32_R_TYPE(rel.r_info); }
  void setType(uint8_t t) { rel.r_info = ELF32_R_INFO(getSymtabIndex(), t); }
  uint32_t getSymtabIndex() const { return ELF32_R_SYM(rel.r_info); }
  void setSymtabIndex(uint32_t i) {
    rel.r_info = ELF32_R_INFO(i & 0xffffff, getType());
  }
  const Symbol *getSymbol() const { return symbol; }
  void setSymbol(const Symbol *s) { symbol = s; }
  const Elf32_Rel &getRelocation() const { return rel; }

  // Fills in the symbol's object index; the symbols must have theirs.
  void adjust();

private:
  const Symbol *symbol;
  Elf32_Rel rel;
};

class RelData {
public:
  explicit RelData(const Section *section);
  RelData(const RelData &) = delete;
  RelData &operator=(const RelData &) = delete;
  ~RelData();

  const Section *getSection() const { return section; }
  void add(uint32_t offset, const Symbol *symbol, uint8_t type);
  size_t size() const { return list.size(); }
  // The entries in creation order, each adjusted to its symbol's index.
  const std::vector<Relocation *> &getRelocationSequence();

private:
  const Section *section;
  std::vector<std::unique_ptr<Relocation>> owned;
  std::vector<Relocation *> list;
};

#endif
