// buffer_test.cpp - Buffer: byte orders, positioning rules, ELF structures
// and refusal of every access outside the array.
#include "buffer.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

std::vector<uint8_t> bytesOf(const Buffer &b) {
  return std::vector<uint8_t>(b.constData(), b.constData() + b.getDataSize());
}

TEST(EndianConversionTest, ConvertReversesBytes) {
  EndianConversion e;
  EXPECT_EQ(e.getSystemEncoding(), 1);
  uint16_t a = 0x1234;
  EndianConversion::convert(a);
  EXPECT_EQ(a, 0x3412);
  uint32_t b = 0x11223344;
  EndianConversion::convert(b);
  EXPECT_EQ(b, 0x44332211u);
  uint64_t c = 0x0102030405060708ull;
  EndianConversion::convert(c);
  EXPECT_EQ(c, 0x0807060504030201ull);
  int16_t d = -2; // 0xfffe
  EndianConversion::convert(d);
  EXPECT_EQ(static_cast<uint16_t>(d), 0xfeff);
  int32_t f = 0x7f000001;
  EndianConversion::convert(f);
  EXPECT_EQ(f, 0x0100007f);
  int64_t g = 1;
  EndianConversion::convert(g);
  EXPECT_EQ(static_cast<uint64_t>(g), 0x0100000000000000ull);
}

TEST(BufferTest, ByteOrderOfMultiByteValues) {
  Buffer big(2, 32);
  big << uint16_t(0x0102) << uint32_t(0x03040506)
      << uint64_t(0x0708090a0b0c0d0eull);
  EXPECT_EQ(bytesOf(big), (std::vector<uint8_t>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10,
                                                11, 12, 13, 14}));
  Buffer little(1, 32);
  little << uint16_t(0x0102) << uint32_t(0x03040506);
  EXPECT_EQ(bytesOf(little), (std::vector<uint8_t>{2, 1, 6, 5, 4, 3}));
  // Any code but the host's is the other order.
  Buffer zero(0, 4);
  zero << uint32_t(0x11223344);
  EXPECT_EQ(bytesOf(zero), (std::vector<uint8_t>{0x11, 0x22, 0x33, 0x44}));
  Buffer byDefault(4);
  EXPECT_EQ(byDefault.getDataEncoding(), 1);
}

TEST(BufferTest, RoundTripEveryTypeInBothOrders) {
  for (uint8_t enc : {uint8_t(1), uint8_t(2)}) {
    Buffer b(enc, 64);
    b << 'x' << static_cast<signed char>(-3) << static_cast<unsigned char>(200)
      << int16_t(-12345) << uint16_t(54321) << int32_t(-123456789)
      << uint32_t(3123456789u) << int64_t(-1234567890123ll)
      << uint64_t(0xfedcba9876543210ull);
    EXPECT_EQ(b.getDataSize(), 3u + 4 + 8 + 16);
    char c;
    signed char sc;
    unsigned char uc;
    int16_t s16;
    uint16_t u16;
    int32_t s32;
    uint32_t u32;
    int64_t s64;
    uint64_t u64;
    b >> c >> sc >> uc >> s16 >> u16 >> s32 >> u32 >> s64 >> u64;
    EXPECT_EQ(c, 'x');
    EXPECT_EQ(sc, -3);
    EXPECT_EQ(uc, 200);
    EXPECT_EQ(s16, -12345);
    EXPECT_EQ(u16, 54321);
    EXPECT_EQ(s32, -123456789);
    EXPECT_EQ(u32, 3123456789u);
    EXPECT_EQ(s64, -1234567890123ll);
    EXPECT_EQ(u64, 0xfedcba9876543210ull);
    EXPECT_EQ(b.bytesAvailable(), 0u);
    EXPECT_FALSE(b.failed());
  }
}

TEST(BufferTest, ReadingWithTheOtherOrderReversesValue) {
  Buffer b(2, 8);
  b << uint32_t(0x11223344);
  b.setDataEncoding(1);
  uint32_t v;
  b >> v;
  EXPECT_EQ(v, 0x44332211u);
}

TEST(BufferTest, SizesAndDataSize) {
  Buffer b(16);
  EXPECT_EQ(b.getDataSize(), 0u);
  EXPECT_EQ(b.getSize(), 16u);
  b << uint32_t(7);
  EXPECT_EQ(b.getDataSize(), 4u);
  b.seekp(0);
  b << static_cast<unsigned char>(1);
  EXPECT_EQ(b.getDataSize(), 4u);
  EXPECT_EQ(b.tellp(), 1u);
  // A fresh array is zero-filled.
  Buffer z(8);
  z.seekp(8);
  EXPECT_EQ(bytesOf(z), std::vector<uint8_t>(8, 0));
}

TEST(BufferTest, SetDataSizeClampsAndPullsPositionsBack) {
  Buffer b(16);
  b.setDataSize(100);
  EXPECT_EQ(b.getDataSize(), 16u);
  b.seekp(12);
  b.seekg(10);
  b.setDataSize(8);
  EXPECT_EQ(b.getDataSize(), 8u);
  EXPECT_EQ(b.tellp(), 8u);
  EXPECT_EQ(b.tellg(), 8u);
  EXPECT_EQ(b.bytesAvailable(), 0u);
  b.seekp(2);
  b.setDataSize(6);
  EXPECT_EQ(b.tellp(), 2u); // not beyond the end: stays
}

TEST(BufferTest, CanAccept) {
  Buffer b(16);
  b.seekp(13);
  EXPECT_FALSE(b.canAccept(4));
  EXPECT_TRUE(b.canAccept(3));
  EXPECT_FALSE(b.canAccept(SIZE_MAX)); // no wrap-around
}

TEST(BufferTest, SeekgRules) {
  Buffer b(16);
  b << uint32_t(1);
  b.seekg(10);
  EXPECT_EQ(b.tellg(), 4u);
  b.seekg(-3, 2);
  EXPECT_EQ(b.tellg(), 4u); // negative from the end stays at the end
  b.seekg(0, 2);
  EXPECT_EQ(b.tellg(), 4u);
  b.seekg(3, 2);
  EXPECT_EQ(b.tellg(), 1u); // positive from the end moves backwards
  b.seekg(10, 2);
  EXPECT_EQ(b.tellg(), 0u);
  b.seekg(-5, 0);
  EXPECT_EQ(b.tellg(), 0u);
  b.seekg(2, 0);
  EXPECT_EQ(b.tellg(), 2u);
  b.seekg(1, 1);
  EXPECT_EQ(b.tellg(), 3u);
  b.seekg(-2, 1);
  EXPECT_EQ(b.tellg(), 1u);
  b.seekg(-9, 1);
  EXPECT_EQ(b.tellg(), 0u);
  b.seekg(9, 1);
  EXPECT_EQ(b.tellg(), 4u);
  b.seekg(2);
  b.seekg(1, 7); // unknown direction
  EXPECT_EQ(b.tellg(), 2u);
  b.seekg(-1);
  EXPECT_EQ(b.tellg(), 0u);
}

TEST(BufferTest, SeekpRules) {
  Buffer b(16);
  b.seekp(20);
  EXPECT_EQ(b.tellp(), 16u);
  EXPECT_EQ(b.getDataSize(), 16u); // data end follows the put position
  Buffer c(16);
  c.seekp(4, 0);
  EXPECT_EQ(c.tellp(), 4u);
  EXPECT_EQ(c.getDataSize(), 4u);
  c.seekp(2, 1);
  EXPECT_EQ(c.tellp(), 6u);
  c.seekp(-10, 1);
  EXPECT_EQ(c.tellp(), 0u);
  EXPECT_EQ(c.getDataSize(), 6u); // never lowered by seekp
  c.seekp(3, 2);
  EXPECT_EQ(c.tellp(), 13u); // from the capacity end
  EXPECT_EQ(c.getDataSize(), 13u);
  c.seekp(-3, 2);
  EXPECT_EQ(c.tellp(), 16u);
  c.seekp(-1, 0);
  EXPECT_EQ(c.tellp(), 0u);
  c.seekp(5, 9); // unknown direction
  EXPECT_EQ(c.tellp(), 0u);
  EXPECT_EQ(c.getDataSize(), 16u);
  Buffer d(16);
  d.seekp(INT64_MAX, 1);
  EXPECT_EQ(d.tellp(), 16u);
  d.seekp(INT64_MIN, 1);
  EXPECT_EQ(d.tellp(), 0u);
  d.seekg(INT64_MIN, 2);
  EXPECT_EQ(d.tellg(), 16u);
}

TEST(BufferTest, SeekgpClampsEachPositionToItsOwnLimit) {
  Buffer b(16);
  b << uint32_t(0);
  b.seekgp(10);
  EXPECT_EQ(b.tellg(), 4u); // clamped to the data end before it moved
  EXPECT_EQ(b.tellp(), 10u);
  EXPECT_EQ(b.getDataSize(), 10u);
  b.seekgp(2);
  EXPECT_EQ(b.tellg(), 2u);
  EXPECT_EQ(b.tellp(), 2u);
  EXPECT_EQ(b.getDataSize(), 10u);
  b.seekgp(99);
  EXPECT_EQ(b.tellp(), 16u);
  EXPECT_EQ(b.getDataSize(), 16u);
}

TEST(BufferTest, SetRawDataAndReset) {
  Buffer b(2, 8);
  b << uint16_t(9);
  uint8_t *raw = b.setRawData(4);
  ASSERT_EQ(raw, b.constData());
  const uint8_t bytes[] = {0xde, 0xad, 0xbe, 0xef};
  std::memcpy(raw, bytes, 4);
  EXPECT_EQ(b.tellg(), 0u);
  EXPECT_EQ(b.tellp(), 4u);
  EXPECT_EQ(b.getDataSize(), 4u);
  uint32_t v;
  b >> v;
  EXPECT_EQ(v, 0xdeadbeefu);

  b.reset();
  EXPECT_EQ(b.tellg(), 0u);
  EXPECT_EQ(b.tellp(), 0u);
  EXPECT_EQ(b.getDataSize(), 0u);
  b.seekp(4);
  b >> v; // the contents stayed
  EXPECT_EQ(v, 0xdeadbeefu);

  b.init(4);
  EXPECT_EQ(b.getSize(), 4u);
  EXPECT_EQ(b.getDataSize(), 0u);
  EXPECT_EQ(b.getDataEncoding(), 2); // the encoding is kept
  b.seekp(4);
  EXPECT_EQ(bytesOf(b), std::vector<uint8_t>(4, 0));
}

TEST(BufferTest, SetRawDataBeyondCapacityIsRefused) {
  Buffer b(8);
  b << uint16_t(1);
  EXPECT_EQ(b.setRawData(9), nullptr);
  EXPECT_TRUE(b.failed());
  EXPECT_EQ(b.getDataSize(), 2u);
  EXPECT_EQ(b.tellp(), 2u);
}

TEST(BufferTest, ReadPastDataEndYieldsZeroAndStays) {
  Buffer b(2, 16);
  b << uint16_t(0xabcd) << static_cast<unsigned char>(0x11);
  uint32_t v = 0x55555555;
  b >> v;
  EXPECT_EQ(v, 0u);
  EXPECT_EQ(b.tellg(), 0u);
  EXPECT_TRUE(b.failed());
  b.clearFailed();
  uint16_t s;
  b >> s;
  EXPECT_EQ(s, 0xabcd);
  EXPECT_FALSE(b.failed());
  unsigned char c;
  b >> c >> c;
  EXPECT_EQ(c, 0);
  EXPECT_TRUE(b.failed());
  uint64_t w = 1;
  Buffer empty(0);
  empty >> w;
  EXPECT_EQ(w, 0u);
  char raw[4];
  EXPECT_FALSE(empty.readBytes(raw, 1));
}

TEST(BufferTest, WritePastCapacityIsRefusedWhole) {
  Buffer b(2, 6);
  b << uint32_t(0x01020304);
  b << uint32_t(0x05060708); // two bytes left: refused, nothing written
  EXPECT_TRUE(b.failed());
  EXPECT_EQ(b.tellp(), 4u);
  EXPECT_EQ(b.getDataSize(), 4u);
  b.clearFailed();
  b << uint16_t(0x0506);
  EXPECT_FALSE(b.failed());
  b << 'z';
  EXPECT_TRUE(b.failed());
  EXPECT_EQ(bytesOf(b), (std::vector<uint8_t>{1, 2, 3, 4, 5, 6}));
  Buffer none(0);
  none << uint64_t(1);
  EXPECT_TRUE(none.failed());
  EXPECT_EQ(none.getDataSize(), 0u);
  b.reset();
  EXPECT_FALSE(b.failed());
}

TEST(BufferTest, MoveLeavesSourceEmpty) {
  Buffer a(2, 8);
  a << uint32_t(0x0a0b0c0d);
  Buffer b(std::move(a));
  EXPECT_EQ(b.getDataSize(), 4u);
  EXPECT_EQ(b.getDataEncoding(), 2);
  EXPECT_EQ(a.getSize(), 0u); // NOLINT(bugprone-use-after-move)
  a << uint32_t(1);           // refused, no access through a null array
  EXPECT_TRUE(a.failed());
  Buffer c(4);
  c = std::move(b);
  uint32_t v;
  c >> v;
  EXPECT_EQ(v, 0x0a0b0c0du);
}

Elf32_Sym sampleSym() {
  Elf32_Sym s;
  s.st_name = 0x01020304;
  s.st_value = 0x05060708;
  s.st_size = 0x090a0b0c;
  s.st_info = 0x12;
  s.st_other = 0x03;
  s.st_shndx = 0x0d0e;
  return s;
}

TEST(BufferElfTest, SymbolBigEndianLayoutAndRoundTrip) {
  Buffer b(2, 64);
  b << sampleSym();
  ASSERT_EQ(b.getDataSize(), 16u);
  EXPECT_EQ(bytesOf(b), (std::vector<uint8_t>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11,
                                              12, 0x12, 3, 0x0d, 0x0e}));
  Elf32_Sym r;
  b >> r;
  Elf32_Sym s = sampleSym();
  EXPECT_EQ(r.st_name, s.st_name);
  EXPECT_EQ(r.st_value, s.st_value);
  EXPECT_EQ(r.st_size, s.st_size);
  EXPECT_EQ(r.st_info, s.st_info);
  EXPECT_EQ(r.st_other, s.st_other);
  EXPECT_EQ(r.st_shndx, s.st_shndx);
}

TEST(BufferElfTest, HeaderFieldsInOrderLittleEndian) {
  Elf32_Ehdr h{};
  for (int i = 0; i < EI_NIDENT; ++i)
    h.e_ident[i] = static_cast<unsigned char>(0xa0 + i);
  h.e_type = 0x0102;
  h.e_machine = 0x8100;
  h.e_version = 1;
  h.e_entry = 0x11223344;
  h.e_phoff = 0x55;
  h.e_shoff = 0x66;
  h.e_flags = 0x80000000;
  h.e_ehsize = 52;
  h.e_phentsize = 32;
  h.e_phnum = 3;
  h.e_shentsize = 40;
  h.e_shnum = 7;
  h.e_shstrndx = 6;
  Buffer b(1, 52);
  b << h;
  ASSERT_EQ(b.getDataSize(), 52u);
  const uint8_t *p = b.constData();
  EXPECT_EQ(p[0], 0xa0);
  EXPECT_EQ(p[15], 0xaf);
  EXPECT_EQ(p[16], 0x02); // e_type, low byte first
  EXPECT_EQ(p[18], 0x00);
  EXPECT_EQ(p[19], 0x81); // e_machine
  EXPECT_EQ(p[24], 0x44); // e_entry
  EXPECT_EQ(p[39], 0x80); // e_flags high byte
  EXPECT_EQ(p[50], 6);    // e_shstrndx
  Elf32_Ehdr r;
  b >> r;
  EXPECT_EQ(std::memcmp(&r, &h, sizeof h), 0);
}

TEST(BufferElfTest, OtherStructuresRoundTripInBothOrders) {
  for (uint8_t enc : {uint8_t(1), uint8_t(2)}) {
    Buffer b(enc, 128);
    Elf32_Shdr sh{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    Elf32_Phdr ph{11, 12, 13, 14, 15, 16, 17, 18};
    Elf32_Rel rel{0x100, 0x0203};
    Elf32_Rela rela{0x200, 0x0304, -5};
    b << sh << ph << rel << rela;
    EXPECT_EQ(b.getDataSize(), 40u + 32 + 8 + 12);
    Elf32_Shdr sh2;
    Elf32_Phdr ph2;
    Elf32_Rel rel2;
    Elf32_Rela rela2;
    b >> sh2 >> ph2 >> rel2 >> rela2;
    EXPECT_EQ(std::memcmp(&sh, &sh2, sizeof sh), 0);
    EXPECT_EQ(std::memcmp(&ph, &ph2, sizeof ph), 0);
    EXPECT_EQ(std::memcmp(&rel, &rel2, sizeof rel), 0);
    EXPECT_EQ(std::memcmp(&rela, &rela2, sizeof rela), 0);
    EXPECT_EQ(rela2.r_addend, -5);
    // Byte order of the first field shows the encoding.
    EXPECT_EQ(b.constData()[enc == 2 ? 3 : 0], 1);
  }
}

TEST(BufferElfTest, StructuresMoveWholeOrNotAtAll) {
  Buffer b(2, 20);
  b << uint32_t(0xffffffff);
  b << sampleSym(); // 16 bytes fit exactly
  EXPECT_FALSE(b.failed());
  b.seekp(8);
  b << sampleSym(); // 12 bytes left: refused, nothing overwritten
  EXPECT_TRUE(b.failed());
  EXPECT_EQ(b.getDataSize(), 20u);
  // The first symbol is untouched.
  EXPECT_EQ(bytesOf(b),
            (std::vector<uint8_t>{0xff, 0xff, 0xff, 0xff, 1,    2,   3,
                                  4,    5,    6,    7,    8,    9,   10,
                                  11,   12,   0x12, 3,    0x0d, 0x0e}));

  Buffer r(2, 16);
  r << uint64_t(0x0102030405060708ull);
  Elf32_Sym s = sampleSym();
  r >> s; // only 8 bytes: the structure reads as zeros
  EXPECT_TRUE(r.failed());
  EXPECT_EQ(s.st_name, 0u);
  EXPECT_EQ(s.st_shndx, 0);
  EXPECT_EQ(r.tellg(), 0u);
  Elf32_Ehdr h;
  h.e_type = 5;
  r >> h;
  EXPECT_EQ(h.e_type, 0);
}

} // namespace
