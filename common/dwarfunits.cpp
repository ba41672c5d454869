// dwarfunits.cpp - the next compilation unit's header and DIE.
#include "dwarfunits.h"

int nextDwarfUnit(Dwarf_Debug dbg, DwarfUnitHeader &header, Dwarf_Die *die,
                  bool &headerFailed, Dwarf_Error *error) {
  *die = nullptr;
  headerFailed = true;
  Dwarf_Unsigned next = 0, typeOffset = 0;
  Dwarf_Half lengthSize = 0, extension = 0;
  Dwarf_Sig8 signature;
  header = DwarfUnitHeader();
  int rc = dwarf_next_cu_header_c(dbg, true, &header.length, &header.version,
                                  &header.abbrevOffset, &header.addressSize,
                                  &lengthSize, &extension, &signature,
                                  &typeOffset, &next, error);
  if (rc != DW_DLV_OK)
    return rc;
  headerFailed = false;
  return dwarf_siblingof_b(dbg, nullptr, true, die, error);
}
