// dwarftags.h - the DWARF tags of the assembler's own debugging entries,
// which the disassembler reads back from objects and images.
#ifndef ZV_COMMON_DWARFTAGS_H
#define ZV_COMMON_DWARFTAGS_H

#include <cstdint>

// A paragraph: its first label, DW_AT_low_pc and DW_AT_high_pc.
constexpr uint16_t DwarfTagParagraph = 0x8101;
// A further label of the paragraph above it.
constexpr uint16_t DwarfTagParagraphLabel = 0x8102;

#endif
