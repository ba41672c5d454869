// elf32.h - the ELF32 structures the object-file library reads and writes.
// The host's standard definitions are used so that code that also talks to
// the ELF access library sees the very same types.
#ifndef ZV_COMMON_ELF32_H
#define ZV_COMMON_ELF32_H

#include <elf.h>

static_assert(sizeof(Elf32_Ehdr) == 52, "Elf32_Ehdr must be 52 bytes");
static_assert(sizeof(Elf32_Shdr) == 40, "Elf32_Shdr must be 40 bytes");
static_assert(sizeof(Elf32_Phdr) == 32, "Elf32_Phdr must be 32 bytes");
static_assert(sizeof(Elf32_Sym) == 16, "Elf32_Sym must be 16 bytes");
static_assert(sizeof(Elf32_Rel) == 8, "Elf32_Rel must be 8 bytes");
static_assert(sizeof(Elf32_Rela) == 12, "Elf32_Rela must be 12 bytes");

#endif
