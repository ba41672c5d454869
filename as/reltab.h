// reltab.h - the relocation table: the relocations of every section,
// recorded in pass 2.
#ifndef ZV_AS_RELTAB_H
#define ZV_AS_RELTAB_H

#include <cstdint>
#include <memory>
#include <unordered_map>

#include "relocation.h"

class Section;
class Symbol;

class Reltab {
public:
  Reltab();
  Reltab(const Reltab &) = delete;
  Reltab &operator=(const Reltab &) = delete;
  ~Reltab();

  void addEntry(const Section *section, uint32_t offset, const Symbol *symbol,
                uint8_t type);
  // Null when the section has no relocations.
  RelData *getRelData(const Section *section) const;
  bool exist(const Section *section) const;

private:
  // Looked up only; the object writer walks sections in its own order.
  std::unordered_map<const Section *, std::unique_ptr<RelData>> table;
};

#endif
