// dwarfunits.h - the compilation units of a libdwarf consumer, one header
// after the other, as both the linker and the disassembler walk them.
#ifndef ZV_COMMON_DWARFUNITS_H
#define ZV_COMMON_DWARFUNITS_H

#include <libdwarf.h>

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
