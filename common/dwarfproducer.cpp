// dwarfproducer.cpp - the producer settings shared by the assembler's debug
// information and the linker's rebuilt line tables.
#include "dwarfproducer.h"

namespace {

// The isa only chooses libdwarf's own relocation numbers, which the object
// writer replaces by ours; its 32-bit addresses match the target.
const char *const IsaName = "x86";
const char *const DwarfVersion = "V4";
// The line program needs the DWARF 3 standard opcodes for prologue_end,
// epilogue_begin and isa; the isa's default opcode base stops before them.
const char *const ExtraOptions = "opcode_base=13";
// libdwarf writes DW_LNE_set_discriminator with a length one byte too
// long, which derails every reader of the rows that follow; the rows are
// written without it.
const Dwarf_Unsigned NoDiscriminator = 0;

} // namespace

Dwarf_Unsigned DwarfProducer::flagsForEncoding(uint8_t encoding) {
  return BaseFlags |
         (encoding == 2 ? DW_DLC_TARGET_BIGENDIAN : DW_DLC_TARGET_LITTLEENDIAN);
}

int DwarfProducer::init(Dwarf_Unsigned flags, Dwarf_Callback_Func callback,
                        void *userData, Dwarf_P_Debug *dbg,
                        Dwarf_Error *error) {
  return dwarf_producer_init(flags, callback, nullptr, nullptr, userData,
                             IsaName, DwarfVersion, ExtraOptions, dbg, error);
}

int DwarfProducer::addLineEntry(Dwarf_P_Debug dbg, Dwarf_Unsigned file,
                                Dwarf_Addr address, Dwarf_Unsigned line,
                                Dwarf_Signed column, bool isStmt,
                                bool basicBlock, bool epilogueBegin,
                                bool prologueEnd, Dwarf_Unsigned isa,
                                Dwarf_Error *error) {
  return dwarf_add_line_entry_c(dbg, file, address, line, column, isStmt,
                                basicBlock, epilogueBegin, prologueEnd, isa,
                                NoDiscriminator, error);
}

std::string DwarfProducer::errorText(Dwarf_Error error) {
  if (!error)
    return std::string();
  const char *text = dwarf_errmsg_by_number(dwarf_errno(error));
  return text ? text : std::string();
}
