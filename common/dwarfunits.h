// dwarfunits.h - a libdwarf consumer opened and its compilation units
// walked one header after the other, as the linker and the disassembler
// do it.
#ifndef ZV_COMMON_DWARFUNITS_H
#define ZV_COMMON_DWARFUNITS_H

#include <libdwarf.h>

// dwarf_object_init_b over the interface, with no relocation applied: the
// values are read as they stand in the sections. DW_DLV_NO_ENTRY for a
// file without debugging information; *dbg is null unless DW_DLV_OK.
int openDwarfConsumer(Dwarf_Obj_Access_Interface *interface, Dwarf_Debug *dbg);

// The header fields of one compilation unit that the readers keep.
struct DwarfUnitHeader {
  Dwarf_Unsigned length = 0;
  Dwarf_Half version = 0;
  Dwarf_Off abbrevOffset = 0;
  Dwarf_Half addressSize = 0;
};

// Moves to the next unit and, when there is one, gives its DIE: DW_DLV_OK,
// DW_DLV_NO_ENTRY after the last unit (or, with *die null, for a unit
// without one), DW_DLV_ERROR with *error set. headerFailed tells which of
// the two steps failed.
int nextDwarfUnit(Dwarf_Debug dbg, DwarfUnitHeader &header, Dwarf_Die *die,
                  bool &headerFailed, Dwarf_Error *error);

#endif
