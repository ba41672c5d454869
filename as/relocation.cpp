// relocation.cpp - relocation entries: the record written to the object and
// the symbol index filled in once the symbols are numbered.
#include "relocation.h"

#include "symbol.h"

Relocation::Relocation(uint32_t offset, const Symbol *symbol, uint8_t type)
    : symbol(symbol) {
  rel.r_offset = offset;
  rel.r_info = ELF32_R_INFO(0, type);
}

void Relocation::adjust() { setSymtabIndex(symbol ? symbol->getIndex() : 0); }

RelData::RelData(const Section *section) : section(section) {}

RelData::~RelData() = default;

void RelData::add(uint32_t offset, const Symbol *symbol, uint8_t type) {
  owned.push_back(std::make_unique<Relocation>(offset, symbol, type));
  list.push_back(owned.back().get());
}

const std::vector<Relocation *> &RelData::getRelocationSequence() {
  for (Relocation *relocation : list)
    relocation->adjust();
  return list;
}
