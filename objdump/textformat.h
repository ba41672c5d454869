// textformat.h - the small number formats every view of the disassembler
// shares: hexadecimal digits and values of fields narrower than 64 bits.
#ifndef ZV_OBJDUMP_TEXTFORMAT_H
#define ZV_OBJDUMP_TEXTFORMAT_H

#include <cstdint>
#include <string>

namespace zvod {

// Lower-case hexadecimal digits, without a prefix.
std::string hexDigits(uint64_t value);
// The value of a field of 1 to 8 bytes read as a signed number.
int64_t signExtend(uint64_t value, unsigned bytes);

} // namespace zvod

#endif
