// debugsectionnames.cpp - the two tables of DWARF section names shared by
// the assembler and the linker.
#include "debugsectionnames.h"

namespace {

// Both tables keep this order; an index names the same section in each.
const char *const debugNames[DebugSectionCount] = {
    ".debug_info",     ".debug_line",      ".debug_abbrev",
    ".debug_frame",    ".debug_aranges",   ".debug_pubnames",
    ".debug_str",      ".debug_funcnames", ".debug_typenames",
    ".debug_varnames", ".debug_weaknames", ".debug_macinfo",
    ".debug_loc",      ".debug_ranges",    ".debug_types",
};

const char *const relDebugNames[DebugSectionCount] = {
    ".rel.debug_info",     ".rel.debug_line",      ".rel.debug_abbrev",
    ".rel.debug_frame",    ".rel.debug_aranges",   ".rel.debug_pubnames",
    ".rel.debug_str",      ".rel.debug_funcnames", ".rel.debug_typenames",
    ".rel.debug_varnames", ".rel.debug_weaknames", ".rel.debug_macinfo",
    ".rel.debug_loc",      ".rel.debug_ranges",    ".rel.debug_types",
};

} // namespace

const char *getDebugSectionName(size_t i) {
  return i < DebugSectionCount ? debugNames[i] : nullptr;
}

const char *getRelDebugSectionName(size_t i) {
  return i < DebugSectionCount ? relDebugNames[i] : nullptr;
}
