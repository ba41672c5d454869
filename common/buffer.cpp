// buffer.cpp - the byte buffer: positioning, typed insertion and extraction
// with byte order conversion, and the ELF structures field by field.
#include "buffer.h"

#include <cstring>
#include <utility>

namespace {

// base + offset clamped to 0 ... hi, without signed overflow (base <= hi).
size_t clampedMove(size_t base, int64_t offset, size_t hi) {
  if (offset >= 0)
    return static_cast<uint64_t>(offset) > hi - base
               ? hi
               : base + static_cast<size_t>(offset);
  uint64_t back = 0 - static_cast<uint64_t>(offset);
  return back > base ? 0 : base - static_cast<size_t>(back);
}

size_t clampedOffset(int64_t offset, size_t hi) {
  return clampedMove(0, offset, hi);
}

// Position of a seek relative to an end: a positive offset moves back from
// it, zero or a negative offset stays at it.
size_t fromEnd(int64_t offset, size_t end) {
  return offset > 0 ? clampedMove(end, -offset, end) : end;
}

template <typename T> T swapBytes(T v) {
  EndianConversion::convert(v);
  return v;
}

} // namespace

Buffer::Buffer(size_t size) : dataEncoding(systemEncoding) { init(size); }

Buffer::Buffer(uint8_t encoding, size_t size) : dataEncoding(encoding) {
  init(size);
}

Buffer::Buffer(Buffer &&other) noexcept
    : EndianConversion(other), start(std::move(other.start)),
      getPos(other.getPos), putPos(other.putPos), dataEnd(other.dataEnd),
      capacityEnd(other.capacityEnd), dataEncoding(other.dataEncoding),
      refused(other.refused) {
  other.getPos = other.putPos = other.dataEnd = other.capacityEnd = 0;
}

Buffer &Buffer::operator=(Buffer &&other) noexcept {
  if (this != &other) {
    start = std::move(other.start);
    getPos = other.getPos;
    putPos = other.putPos;
    dataEnd = other.dataEnd;
    capacityEnd = other.capacityEnd;
    dataEncoding = other.dataEncoding;
    refused = other.refused;
    other.getPos = other.putPos = other.dataEnd = other.capacityEnd = 0;
  }
  return *this;
}

void Buffer::init(size_t size) {
  start = std::make_unique<uint8_t[]>(size); // value-initialized: zeros
  capacityEnd = size;
  getPos = putPos = dataEnd = 0;
  refused = false;
}

void Buffer::setDataSize(size_t n) {
  dataEnd = n < capacityEnd ? n : capacityEnd;
  if (putPos > dataEnd)
    putPos = dataEnd;
  // The get position must not stay beyond the data it could read.
  if (getPos > dataEnd)
    getPos = dataEnd;
}

uint8_t *Buffer::setRawData(size_t n) {
  if (n > capacityEnd) {
    refused = true;
    return nullptr;
  }
  getPos = 0;
  putPos = dataEnd = n;
  return start.get();
}

void Buffer::reset() {
  getPos = putPos = dataEnd = 0;
  refused = false;
}

void Buffer::seekg(int64_t offset) { getPos = clampedOffset(offset, dataEnd); }

void Buffer::seekg(int64_t offset, int dir) {
  switch (dir) {
  case Beg:
    getPos = clampedOffset(offset, dataEnd);
    break;
  case Cur:
    getPos = clampedMove(getPos, offset, dataEnd);
    break;
  case End:
    getPos = fromEnd(offset, dataEnd);
    break;
  default:
    break;
  }
}

void Buffer::seekp(int64_t offset) {
  putPos = clampedOffset(offset, capacityEnd);
  if (dataEnd < putPos)
    dataEnd = putPos;
}

void Buffer::seekp(int64_t offset, int dir) {
  switch (dir) {
  case Beg:
    putPos = clampedOffset(offset, capacityEnd);
    break;
  case Cur:
    putPos = clampedMove(putPos, offset, capacityEnd);
    break;
  case End:
    putPos = fromEnd(offset, capacityEnd);
    break;
  default:
    return;
  }
  if (dataEnd < putPos)
    dataEnd = putPos;
}

void Buffer::seekgp(int64_t offset) {
  // The get position is clamped to the data end as it was before the put
  // position moves it.
  getPos = clampedOffset(offset, dataEnd);
  putPos = clampedOffset(offset, capacityEnd);
  if (dataEnd < putPos)
    dataEnd = putPos;
}

bool Buffer::checkRead(size_t n) {
  if (n <= bytesAvailable())
    return true;
  refused = true;
  return false;
}

bool Buffer::checkWrite(size_t n) {
  if (canAccept(n))
    return true;
  refused = true;
  return false;
}

bool Buffer::writeBytes(const void *bytes, size_t n) {
  if (!checkWrite(n))
    return false;
  if (n != 0)
    std::memcpy(start.get() + putPos, bytes, n);
  putPos += n;
  if (dataEnd < putPos)
    dataEnd = putPos;
  return true;
}

bool Buffer::readBytes(void *bytes, size_t n) {
  if (!checkRead(n))
    return false;
  if (n != 0)
    std::memcpy(bytes, start.get() + getPos, n);
  getPos += n;
  return true;
}

template <typename T> Buffer &Buffer::put(T v) {
  if (sizeof(T) > 1 && swapped())
    v = swapBytes(v);
  writeBytes(&v, sizeof v);
  return *this;
}

template <typename T> Buffer &Buffer::get(T &v) {
  if (!readBytes(&v, sizeof v)) {
    v = 0;
    return *this;
  }
  if (sizeof(T) > 1 && swapped())
    v = swapBytes(v);
  return *this;
}

// Single bytes have no order; the one-byte overloads never swap.
Buffer &Buffer::operator<<(char v) {
  writeBytes(&v, 1);
  return *this;
}
Buffer &Buffer::operator<<(signed char v) {
  writeBytes(&v, 1);
  return *this;
}
Buffer &Buffer::operator<<(unsigned char v) {
  writeBytes(&v, 1);
  return *this;
}
Buffer &Buffer::operator<<(int16_t v) { return put(v); }
Buffer &Buffer::operator<<(uint16_t v) { return put(v); }
Buffer &Buffer::operator<<(int32_t v) { return put(v); }
Buffer &Buffer::operator<<(uint32_t v) { return put(v); }
Buffer &Buffer::operator<<(int64_t v) { return put(v); }
Buffer &Buffer::operator<<(uint64_t v) { return put(v); }

Buffer &Buffer::operator>>(char &v) {
  if (!readBytes(&v, 1))
    v = 0;
  return *this;
}
Buffer &Buffer::operator>>(signed char &v) {
  if (!readBytes(&v, 1))
    v = 0;
  return *this;
}
Buffer &Buffer::operator>>(unsigned char &v) {
  if (!readBytes(&v, 1))
    v = 0;
  return *this;
}
Buffer &Buffer::operator>>(int16_t &v) { return get(v); }
Buffer &Buffer::operator>>(uint16_t &v) { return get(v); }
Buffer &Buffer::operator>>(int32_t &v) { return get(v); }
Buffer &Buffer::operator>>(uint32_t &v) { return get(v); }
Buffer &Buffer::operator>>(int64_t &v) { return get(v); }
Buffer &Buffer::operator>>(uint64_t &v) { return get(v); }

// The structures are checked for room as a whole first so that a refused
// write leaves no half structure behind and a refused read yields zeros.

Buffer &operator<<(Buffer &b, const Elf32_Ehdr &h) {
  if (!b.checkWrite(sizeof h))
    return b;
  b.writeBytes(h.e_ident, EI_NIDENT);
  return b << h.e_type << h.e_machine << h.e_version << h.e_entry << h.e_phoff
           << h.e_shoff << h.e_flags << h.e_ehsize << h.e_phentsize << h.e_phnum
           << h.e_shentsize << h.e_shnum << h.e_shstrndx;
}

Buffer &operator<<(Buffer &b, const Elf32_Shdr &h) {
  if (!b.checkWrite(sizeof h))
    return b;
  return b << h.sh_name << h.sh_type << h.sh_flags << h.sh_addr << h.sh_offset
           << h.sh_size << h.sh_link << h.sh_info << h.sh_addralign
           << h.sh_entsize;
}

Buffer &operator<<(Buffer &b, const Elf32_Phdr &h) {
  if (!b.checkWrite(sizeof h))
    return b;
  return b << h.p_type << h.p_offset << h.p_vaddr << h.p_paddr << h.p_filesz
           << h.p_memsz << h.p_flags << h.p_align;
}

Buffer &operator<<(Buffer &b, const Elf32_Sym &s) {
  if (!b.checkWrite(sizeof s))
    return b;
  return b << s.st_name << s.st_value << s.st_size << s.st_info << s.st_other
           << s.st_shndx;
}

Buffer &operator<<(Buffer &b, const Elf32_Rel &r) {
  if (!b.checkWrite(sizeof r))
    return b;
  return b << r.r_offset << r.r_info;
}

Buffer &operator<<(Buffer &b, const Elf32_Rela &r) {
  if (!b.checkWrite(sizeof r))
    return b;
  return b << r.r_offset << r.r_info << r.r_addend;
}

namespace {

// A structure that cannot be read whole reads as zeros.
template <typename T> bool readable(Buffer &b, T &x) {
  if (b.checkRead(sizeof x))
    return true;
  x = T();
  return false;
}

} // namespace

Buffer &operator>>(Buffer &b, Elf32_Ehdr &h) {
  if (!readable(b, h))
    return b;
  b.readBytes(h.e_ident, EI_NIDENT);
  return b >> h.e_type >> h.e_machine >> h.e_version >> h.e_entry >>
         h.e_phoff >> h.e_shoff >> h.e_flags >> h.e_ehsize >> h.e_phentsize >>
         h.e_phnum >> h.e_shentsize >> h.e_shnum >> h.e_shstrndx;
}

Buffer &operator>>(Buffer &b, Elf32_Shdr &h) {
  if (!readable(b, h))
    return b;
  return b >> h.sh_name >> h.sh_type >> h.sh_flags >> h.sh_addr >>
         h.sh_offset >> h.sh_size >> h.sh_link >> h.sh_info >> h.sh_addralign >>
         h.sh_entsize;
}

Buffer &operator>>(Buffer &b, Elf32_Phdr &h) {
  if (!readable(b, h))
    return b;
  return b >> h.p_type >> h.p_offset >> h.p_vaddr >> h.p_paddr >> h.p_filesz >>
         h.p_memsz >> h.p_flags >> h.p_align;
}

Buffer &operator>>(Buffer &b, Elf32_Sym &s) {
  if (!readable(b, s))
    return b;
  return b >> s.st_name >> s.st_value >> s.st_size >> s.st_info >> s.st_other >>
         s.st_shndx;
}

Buffer &operator>>(Buffer &b, Elf32_Rel &r) {
  if (!readable(b, r))
    return b;
  return b >> r.r_offset >> r.r_info;
}

Buffer &operator>>(Buffer &b, Elf32_Rela &r) {
  if (!readable(b, r))
    return b;
  return b >> r.r_offset >> r.r_info >> r.r_addend;
}
