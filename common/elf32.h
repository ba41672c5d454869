// elf32.h - the ELF32 structures the object-file library reads and writes,
// and the Zorvel numbers both programs put into and read out of them.
// The host's standard definitions are used so that code that also talks to
// the ELF access library sees the very same types.
#ifndef ZV_COMMON_ELF32_H
#define ZV_COMMON_ELF32_H

#include <elf.h>

#include <cstdint>

static_assert(sizeof(Elf32_Ehdr) == 52, "Elf32_Ehdr must be 52 bytes");
static_assert(sizeof(Elf32_Shdr) == 40, "Elf32_Shdr must be 40 bytes");
static_assert(sizeof(Elf32_Phdr) == 32, "Elf32_Phdr must be 32 bytes");
static_assert(sizeof(Elf32_Sym) == 16, "Elf32_Sym must be 16 bytes");
static_assert(sizeof(Elf32_Rel) == 8, "Elf32_Rel must be 8 bytes");
static_assert(sizeof(Elf32_Rela) == 12, "Elf32_Rela must be 12 bytes");

// Processor codes (e_machine) of the two models.
constexpr uint16_t EM_ZP100 = 0x8100;
constexpr uint16_t EM_ZP200 = 0x8101;

// e_flags of ZP100 objects and of every image: set in an object, it tells
// that its .data is little-endian although the rest is big-endian.
constexpr uint32_t EF_ZORVEL_DATA_LSB = 0x80000000u;

// Relocation types: a field of 1, 2, 4 or 8 bytes that holds its addend and
// receives symbol value plus addend.
constexpr uint8_t R_ZORVEL_NONE = 0;
constexpr uint8_t R_ZORVEL_8 = 1;
constexpr uint8_t R_ZORVEL_16 = 2;
constexpr uint8_t R_ZORVEL_32 = 3;
constexpr uint8_t R_ZORVEL_64 = 4;

// Section flags of the three sections every object has.
constexpr uint32_t SHF_ZORVEL_TEXT = SHF_ALLOC | SHF_EXECINSTR;
constexpr uint32_t SHF_ZORVEL_DATA = SHF_WRITE | SHF_ALLOC;

#endif
