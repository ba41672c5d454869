// elfview.cpp - byte-order-aware access to the header fields of an ELF32
// object held in memory.
#include "elfview.h"

#include <algorithm>
#include <cstring>

ElfView::ElfView(uint8_t *data, size_t size) : data(data), size(size) {
  valid =
      size >= EhdrSize && std::memcmp(data, "\177ELF", 4) == 0 && data[4] == 1;
  big = valid && data[5] == 2;
}

// Reading never writes: the cast only lets both kinds share one class.
ElfView::ElfView(const uint8_t *data, size_t size)
    : ElfView(const_cast<uint8_t *>(data), size) {}

uint32_t ElfView::get(size_t at, unsigned width) const {
  uint32_t v = 0;
  for (unsigned i = 0; i < width; ++i)
    v |= uint32_t(data[at + i]) << 8 * (big ? width - 1 - i : i);
  return v;
}

void ElfView::put(size_t at, unsigned width, uint32_t v) {
  for (unsigned i = 0; i < width; ++i)
    data[at + i] = uint8_t(v >> 8 * (big ? width - 1 - i : i));
}

size_t ElfView::sectionCount() const {
  const size_t shoff = get(32, 4), shnum = get(48, 2);
  if (shoff > size || get(46, 2) != ShdrSize)
    return 0;
  return std::min(shnum, (size - shoff) / ShdrSize);
}

bool ElfView::contents(size_t i, size_t &offset, size_t &length) const {
  offset = shField(i, 16);
  length = shField(i, 20);
  return shField(i, 4) != 8 && length != 0 && offset <= size &&
         length <= size - offset;
}
