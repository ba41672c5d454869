// reltab.cpp - the relocation table: per section, the entries in the order
// pass 2 made them.
#include "reltab.h"

Reltab::Reltab() = default;

Reltab::~Reltab() = default;

void Reltab::addEntry(const Section *section, uint32_t offset,
                      const Symbol *symbol, uint8_t type) {
  std::unique_ptr<RelData> &slot = table[section];
  if (!slot)
    slot = std::make_unique<RelData>(section);
  slot->add(offset, symbol, type);
}

RelData *Reltab::getRelData(const Section *section) const {
  auto it = table.find(section);
  return it == table.end() ? nullptr : it->second.get();
}

bool Reltab::exist(const Section *section) const {
  return table.count(section) != 0;
}
