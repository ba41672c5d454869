// buffer.h - a fixed-size byte array with read and write positions and a
// byte order; every multi-byte value of both programs passes through it.
#ifndef ZV_COMMON_BUFFER_H
#define ZV_COMMON_BUFFER_H

#include "elf32.h"
#include "endianconversion.h"

#include <cstddef>
#include <cstdint>
#include <memory>

// Positions are offsets from the start of the array and always satisfy
// 0 <= get <= data end <= capacity and 0 <= put <= capacity.
//
// The array never grows. A read that would pass the data end or a write
// that would pass the capacity is refused as a whole: nothing is copied, the
// position stays where it was, a read value becomes 0, and the buffer
// remembers the refusal until failed() is cleared by clearFailed(), reset()
// or init(). Callers are expected to check bytesAvailable() or canAccept()
// first; the refusal only keeps a mistake from touching foreign memory.
class Buffer : public EndianConversion {
public:
  // seekg/seekp directions.
  enum SeekDir { Beg = 0, Cur = 1, End = 2 };

  explicit Buffer(size_t size);
  Buffer(uint8_t encoding, size_t size);
  Buffer(const Buffer &) = delete;
  Buffer &operator=(const Buffer &) = delete;
  // A moved-from buffer is empty (size 0).
  Buffer(Buffer &&other) noexcept;
  Buffer &operator=(Buffer &&other) noexcept;
  ~Buffer() = default;

  // Replace the array by a new zero-filled one; all positions to the start.
  void init(size_t size);

  size_t getSize() const { return capacityEnd; }
  size_t getDataSize() const { return dataEnd; }
  const uint8_t *constData() const { return start.get(); }
  size_t bytesAvailable() const { return dataEnd - getPos; }
  bool canAccept(size_t n) const { return n <= capacityEnd - putPos; }

  void setDataSize(size_t n);
  // Prepare the buffer to receive n raw bytes at its start; returns the
  // array. More than the capacity is refused with a null result and the
  // buffer unchanged, so a caller can never be handed room it does not have.
  uint8_t *setRawData(size_t n);
  void reset();

  uint8_t getDataEncoding() const { return dataEncoding; }
  void setDataEncoding(uint8_t code) { dataEncoding = code; }

  bool failed() const { return refused; }
  void clearFailed() { refused = false; }

  size_t tellg() const { return getPos; }
  size_t tellp() const { return putPos; }
  void seekg(int64_t offset);
  void seekg(int64_t offset, int dir);
  void seekp(int64_t offset);
  void seekp(int64_t offset, int dir);
  void seekgp(int64_t offset);

  // Whether n more bytes can be read (written); a no is recorded as a
  // refusal. Used to move whole structures or nothing.
  bool checkRead(size_t n);
  bool checkWrite(size_t n);

  // Raw bytes, no byte order conversion; false when refused.
  bool writeBytes(const void *bytes, size_t n);
  bool readBytes(void *bytes, size_t n);

  Buffer &operator<<(char v);
  Buffer &operator<<(signed char v);
  Buffer &operator<<(unsigned char v);
  Buffer &operator<<(int16_t v);
  Buffer &operator<<(uint16_t v);
  Buffer &operator<<(int32_t v);
  Buffer &operator<<(uint32_t v);
  Buffer &operator<<(int64_t v);
  Buffer &operator<<(uint64_t v);

  Buffer &operator>>(char &v);
  Buffer &operator>>(signed char &v);
  Buffer &operator>>(unsigned char &v);
  Buffer &operator>>(int16_t &v);
  Buffer &operator>>(uint16_t &v);
  Buffer &operator>>(int32_t &v);
  Buffer &operator>>(uint32_t &v);
  Buffer &operator>>(int64_t &v);
  Buffer &operator>>(uint64_t &v);

private:
  bool swapped() const { return dataEncoding != systemEncoding; }
  template <typename T> Buffer &put(T v);
  template <typename T> Buffer &get(T &v);

  std::unique_ptr<uint8_t[]> start;
  size_t getPos = 0;
  size_t putPos = 0;
  size_t dataEnd = 0;
  size_t capacityEnd = 0;
  uint8_t dataEncoding;
  bool refused = false;
};

// ELF structures, field by field in the buffer's byte order. A structure is
// written or read whole or not at all.
Buffer &operator<<(Buffer &b, const Elf32_Ehdr &h);
Buffer &operator<<(Buffer &b, const Elf32_Shdr &h);
Buffer &operator<<(Buffer &b, const Elf32_Phdr &h);
Buffer &operator<<(Buffer &b, const Elf32_Sym &s);
Buffer &operator<<(Buffer &b, const Elf32_Rel &r);
Buffer &operator<<(Buffer &b, const Elf32_Rela &r);

Buffer &operator>>(Buffer &b, Elf32_Ehdr &h);
Buffer &operator>>(Buffer &b, Elf32_Shdr &h);
Buffer &operator>>(Buffer &b, Elf32_Phdr &h);
Buffer &operator>>(Buffer &b, Elf32_Sym &s);
Buffer &operator>>(Buffer &b, Elf32_Rel &r);
Buffer &operator>>(Buffer &b, Elf32_Rela &r);

#endif
