// instructiontable.cpp - lookups in the compiled operation and directive
// tables.
#include "instructiontable.h"

int TableView::find(std::string_view name, uint32_t hash) const {
  const size_t mask = slotCount - 1;
  for (size_t i = tablebuild::slotOf(hash, mask);; i = (i + 1) & mask) {
    const uint16_t slot = slots[i];
    if (slot == 0)
      return -1;
    const TableEntry &entry = entries[slot - 1];
    if (entry.hash == hash && entry.getName() == name)
      return slot - 1;
  }
}
