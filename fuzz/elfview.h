// elfview.h - an ELF32 object inside a byte buffer, its header fields read
// and written in the object's own byte order, its section headers in reach.
#ifndef ZV_FUZZ_ELFVIEW_H
#define ZV_FUZZ_ELFVIEW_H

#include <cstddef>
#include <cstdint>

class ElfView {
public:
  static constexpr unsigned EhdrSize = 52;
  static constexpr unsigned ShdrSize = 40;

  // A view that put() may write through, and one that only reads.
  ElfView(uint8_t *data, size_t size);
  ElfView(const uint8_t *data, size_t size);

  // Whether the bytes begin with an ELF32 header.
  bool isValid() const { return valid; }
  size_t getSize() const { return size; }
  uint8_t *bytes() const { return data; }

  uint32_t get(size_t at, unsigned width) const;
  void put(size_t at, unsigned width, uint32_t v);

  // Section headers that lie wholly inside the bytes, by e_shnum.
  size_t sectionCount() const;
  // Where section header i begins, and one of its 32-bit fields.
  size_t shdr(size_t i) const { return get(32, 4) + i * ShdrSize; }
  uint32_t shField(size_t i, unsigned offset) const {
    return get(shdr(i) + offset, 4);
  }
  // The contents of section i, when it has some inside the bytes.
  bool contents(size_t i, size_t &offset, size_t &length) const;

private:
  uint8_t *data;
  size_t size;
  bool valid;
  bool big = false;
};

#endif
