// debugsectionnames.h - the DWARF section names in their fixed order, and
// the names of their relocation sections.
#ifndef ZV_COMMON_DEBUGSECTIONNAMES_H
#define ZV_COMMON_DEBUGSECTIONNAMES_H

#include <cstddef>

// Number of DWARF sections known by name.
constexpr size_t DebugSectionCount = 15;

// The name of DWARF section i (".debug_info" first), or null when i is out of
// range.
const char *getDebugSectionName(size_t i);
// The same with ".rel" in front (".rel.debug_info"), or null.
const char *getRelDebugSectionName(size_t i);

#endif
