// dwarfproducer.h - starting the libdwarf producer and adding line rows the
// way both programs need it, with the care two faults of this libdwarf ask.
#ifndef ZV_COMMON_DWARFPRODUCER_H
#define ZV_COMMON_DWARFPRODUCER_H

#include <libdwarf.h>

#include <cstdint>
#include <string>

struct DwarfProducer {
  static constexpr Dwarf_Unsigned BaseFlags =
      DW_DLC_WRITE | DW_DLC_SIZE_32 | DW_DLC_STREAM_RELOCATIONS;
  // The producer flags for code of this ELF byte order.
  static Dwarf_Unsigned flagsForEncoding(uint8_t encoding);
  // dwarf_producer_init with the isa, DWARF version and options of our
  // line programs.
  static int init(Dwarf_Unsigned flags, Dwarf_Callback_Func callback,
                  void *userData, Dwarf_P_Debug *dbg, Dwarf_Error *error);
  // One line row; the discriminator is never written (see the .cpp).
  static int addLineEntry(Dwarf_P_Debug dbg, Dwarf_Unsigned file,
                          Dwarf_Addr address, Dwarf_Unsigned line,
                          Dwarf_Signed column, bool isStmt, bool basicBlock,
                          bool epilogueBegin, bool prologueEnd,
                          Dwarf_Unsigned isa, Dwarf_Error *error);
  // The text of a producer error, "" for none. The producer's errors carry
  // only their number; asking them for a message reads unset memory.
  static std::string errorText(Dwarf_Error error);
};

#endif
