// dwarfunits.cpp - opening a consumer; the next compilation unit's header
// and DIE.
#include "dwarfunits.h"

int openDwarfConsumer(Dwarf_Obj_Access_Interface *interface, Dwarf_Debug *dbg) {
  dwarf_set_reloc_application(0);
  Dwarf_Error error = nullptr;
  const int rc = dwarf_object_init_b(interface, nullptr, nullptr,
                                     DW_GROUPNUMBER_ANY, dbg, &error);
  if (rc != DW_DLV_OK) {
    if (error)
      dwarf_dealloc_error(nullptr, error);
    *dbg = nullptr;
  }
  return rc;
}

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
