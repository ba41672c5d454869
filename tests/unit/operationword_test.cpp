// operationword_test.cpp - operation words of both models: field layout,
// the worked examples in both byte orders, and which operands ZP100 encodes.
#include "architecture.h"
#include "buffer.h"
#include "operationdata.h"
#include "tokenizer.h"
#include "zp100_arch.h"
#include "zp200_arch.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class OperationWordTest : public ::testing::Test {
protected:
  OperationWordTest()
      : tokenizer(nullptr), zp100(&tokenizer), zp200(&tokenizer) {}

  const Operation *op(const Architecture &arch, const char *name) {
    const Instruction *i = arch.getInstruction(tokenizer.getWord(name));
    EXPECT_NE(i, nullptr) << name;
    EXPECT_TRUE(i && i->isOperation()) << name;
    return static_cast<const Operation *>(i);
  }

  // An operation with F1 and F2 null and no V.
  OperationData make(const Architecture &arch, const char *name) {
    OperationData d;
    d.prepare(op(arch, name), 1);
    d.setFValue(1, 0, OperationData::SBREF);
    d.setFValue(2, 0, OperationData::SBREF);
    return d;
  }

  static OperationData withV(OperationData d, uint32_t v) {
    d.setVPresent(true);
    d.setVValue(v);
    return d;
  }

  static OperationData withF2Register(OperationData d, uint32_t number) {
    d.setFValue(2, number, OperationData::REGISTER);
    return d;
  }

  static OperationData withF2Ref(OperationData d, uint32_t r) {
    d.setFValue(2, r, OperationData::SBREF);
    return d;
  }

  static OperationData indirect(OperationData d) {
    d.setIndirect(true);
    return d;
  }

  // The words as .text holds them: operation word, then V word if any.
  static std::vector<uint8_t> textBytes(const Architecture &arch,
                                        const OperationData &d) {
    Buffer b(arch.getEncoding(), 8);
    b << arch.getOperationWord(d);
    if (d.isVPresent())
      b << d.getVValue();
    EXPECT_FALSE(b.failed());
    return std::vector<uint8_t>(b.constData(), b.constData() + b.tellp());
  }

  Tokenizer tokenizer;
  ZP100_Arch zp100;
  ZP200_Arch zp200;
};

TEST_F(OperationWordTest, FieldDescriptorsOfBothModels) {
  const uint16_t expect100[OW_FIELD_COUNT] = {0x186, 0x180, 0x18C, 0x114,
                                              0x98,  0x19A, 0x53};
  const uint16_t expect200[OW_FIELD_COUNT] = {0x186, 0x180, 0,   0x112,
                                              0xD7,  0x19A, 0x56};
  for (int f = 0; f < OW_FIELD_COUNT; ++f) {
    EXPECT_EQ(zp100.getFieldDescriptor(OWField(f)), expect100[f]) << f;
    EXPECT_EQ(zp200.getFieldDescriptor(OWField(f)), expect200[f]) << f;
  }
  EXPECT_EQ(Architecture::fieldPosition(0x19A), 26u);
  EXPECT_EQ(Architecture::fieldWidth(0x19A), 6u);
  EXPECT_EQ(Architecture::fieldPosition(0xD7), 23u);
  EXPECT_EQ(Architecture::fieldWidth(0xD7), 3u);
  EXPECT_EQ(zp100.getFieldDescriptor(OWField(7)), 0);
  EXPECT_EQ(zp100.getFieldDescriptor(OWField(-1)), 0);
}

// Two-operation paragraph: getl 5, then addl @1, 7 closing it.
TEST_F(OperationWordTest, WorkedExamplesZP100) {
  OperationData getl = withV(make(zp100, "getl"), 5);
  getl.setResultLifetime(1);
  EXPECT_TRUE(zp100.isSupportedOWFormat(getl));
  EXPECT_EQ(zp100.getOperationWord(getl), 0x0E201000u);
  EXPECT_EQ(textBytes(zp100, getl),
            (std::vector<uint8_t>{0x0E, 0x20, 0x10, 0x00, 0, 0, 0, 5}));

  OperationData addl = withV(make(zp100, "addl"), 7);
  addl.setFValue(1, 1, OperationData::SBREF);
  addl.setParagraphEnd(true);
  EXPECT_TRUE(zp100.isSupportedOWFormat(addl));
  EXPECT_EQ(zp100.getOperationWord(addl), 0x16280040u);
  EXPECT_EQ(textBytes(zp100, addl),
            (std::vector<uint8_t>{0x16, 0x28, 0x00, 0x40, 0, 0, 0, 7}));
}

TEST_F(OperationWordTest, WorkedExamplesZP200) {
  OperationData getl = withV(make(zp200, "getl"), 5);
  getl.setResultLifetime(1); // recorded, but ZP200 has no field for it
  EXPECT_EQ(zp200.getOperationWord(getl), 0x0E080000u);
  EXPECT_EQ(textBytes(zp200, getl),
            (std::vector<uint8_t>{0x00, 0x00, 0x08, 0x0E, 5, 0, 0, 0}));

  OperationData addl = withV(make(zp200, "addl"), 7);
  addl.setFValue(1, 1, OperationData::SBREF);
  addl.setParagraphEnd(true);
  EXPECT_EQ(zp200.getOperationWord(addl), 0x16480040u);
  EXPECT_EQ(textBytes(zp200, addl),
            (std::vector<uint8_t>{0x40, 0x00, 0x48, 0x16, 7, 0, 0, 0}));

  OperationData addlReg = withF2Register(make(zp200, "addl"), 3);
  addlReg.setFValue(1, 1, OperationData::SBREF);
  addlReg.setParagraphEnd(true);
  EXPECT_EQ(zp200.getOperationWord(addlReg), 0x15480043u);
  EXPECT_EQ(textBytes(zp200, addlReg),
            (std::vector<uint8_t>{0x43, 0x00, 0x48, 0x15}));

  OperationData rdl =
      withV(indirect(withF2Register(make(zp200, "rdl"), 8)), 16);
  EXPECT_EQ(zp200.getOperationWord(rdl), 0x87880008u);
  EXPECT_EQ(textBytes(zp200, rdl),
            (std::vector<uint8_t>{0x08, 0x00, 0x88, 0x87, 16, 0, 0, 0}));
}

// Each field alone at its largest value lands exactly on its bits.
TEST_F(OperationWordTest, FieldPositionsZP100) {
  OperationData d = make(zp100, "jge"); // code 30, condition 15
  EXPECT_EQ(zp100.getOperationWord(d), (30u << 26) | (15u << 20));
  d = make(zp100, "complete");
  EXPECT_EQ(zp100.getOperationWord(d), 0u);
  d.setFValue(1, 63, OperationData::SBREF);
  EXPECT_EQ(zp100.getOperationWord(d), 0x00000FC0u);
  d = withF2Ref(make(zp100, "complete"), 63);
  EXPECT_EQ(zp100.getOperationWord(d), 0x0000003Fu);
  d = withF2Register(make(zp100, "complete"), 63);
  EXPECT_EQ(zp100.getOperationWord(d), 0x0100003Fu);
  d = make(zp100, "complete");
  d.setResultLifetime(63);
  EXPECT_EQ(zp100.getOperationWord(d), 0x0003F000u);
  d = make(zp100, "complete");
  d.setParagraphEnd(true);
  EXPECT_EQ(zp100.getOperationWord(d), 0x00080000u);
  d = withV(make(zp100, "complete"), 0xFFFFFFFF);
  EXPECT_EQ(zp100.getOperationWord(d), 0x02000000u);
  // ZP100 has no indirect bit: the flag leaves the word alone.
  d = indirect(make(zp100, "complete"));
  EXPECT_EQ(zp100.getOperationWord(d), 0u);
}

TEST_F(OperationWordTest, FieldPositionsZP200) {
  OperationData d = make(zp200, "forsge"); // code 40, condition 15
  EXPECT_EQ(zp200.getOperationWord(d), (40u << 26) | (15u << 18));
  d = make(zp200, "complete");
  d.setResultLifetime(63);
  EXPECT_EQ(zp200.getOperationWord(d), 0u);
  d = make(zp200, "complete");
  d.setParagraphEnd(true);
  EXPECT_EQ(zp200.getOperationWord(d), 0x00400000u);
  d = indirect(make(zp200, "complete"));
  EXPECT_EQ(zp200.getOperationWord(d), 0x00800000u);
  d = withF2Register(make(zp200, "complete"), 0);
  EXPECT_EQ(zp200.getOperationWord(d), 0x01000000u);
  d = withV(make(zp200, "complete"), 1);
  EXPECT_EQ(zp200.getOperationWord(d), 0x02000000u);
  d.setFValue(1, 63, OperationData::REGISTER); // F1 view is not encoded
  EXPECT_EQ(zp200.getOperationWord(d), 0x02000FC0u);
}

TEST_F(OperationWordTest, ParagraphEndChangesOnlyItsBit) {
  for (const Architecture *arch :
       {(const Architecture *)&zp100, (const Architecture *)&zp200}) {
    OperationData d = withV(make(*arch, "addl"), 9);
    d.setFValue(1, 2, OperationData::SBREF);
    uint32_t open = arch->getOperationWord(d);
    d.setParagraphEnd(true);
    uint32_t closed = arch->getOperationWord(d);
    uint32_t bit = 1u << Architecture::fieldPosition(
                       arch->getFieldDescriptor(OW_PARAGRAPH_END));
    EXPECT_EQ(open ^ closed, bit) << arch->getName();
  }
}

// Out-of-range values must not corrupt the neighbouring fields.
TEST_F(OperationWordTest, OversizedValuesStayInTheirFields) {
  OperationData err = make(zp100, "?_ERROR_?");
  EXPECT_EQ(zp100.getOperationWord(err), 0xFC000000u);
  EXPECT_EQ(zp200.getOperationWord(make(zp200, "?_ERROR_?")), 0xFC000000u);

  OperationData d = make(zp100, "complete");
  d.setFValue(1, 64, OperationData::SBREF);
  d.setFValue(2, 0x41, OperationData::SBREF);
  d.setResultLifetime(0x40);
  EXPECT_EQ(zp100.getOperationWord(d), 0x00000001u);
  d = make(zp200, "complete");
  d.setFValue(2, 0xFFFFFFFF, OperationData::SBREF);
  EXPECT_EQ(zp200.getOperationWord(d), 0x0000003Fu);
}

TEST_F(OperationWordTest, NoOperationGivesNoCodeAndNoFormat) {
  OperationData d;
  EXPECT_EQ(zp100.getOperationWord(d), 0u);
  EXPECT_EQ(zp200.getOperationWord(d), 0u);
  EXPECT_FALSE(zp100.isSupportedOWFormat(d));
}

TEST_F(OperationWordTest, ZP100SwitchboardF2Formats) {
  // An immediate goes with the null reference only.
  EXPECT_TRUE(zp100.isSupportedOWFormat(withV(make(zp100, "addl"), 1)));
  EXPECT_FALSE(
      zp100.isSupportedOWFormat(withV(withF2Ref(make(zp100, "addl"), 2), 1)));
  EXPECT_TRUE(zp100.isSupportedOWFormat(withF2Ref(make(zp100, "addl"), 2)));
  EXPECT_FALSE(zp100.isSupportedOWFormat(make(zp100, "addl")));
  EXPECT_FALSE(
      zp100.isSupportedOWFormat(indirect(withF2Ref(make(zp100, "addl"), 2))));
  EXPECT_FALSE(
      zp100.isSupportedOWFormat(indirect(withV(make(zp100, "rdl"), 4))));
}

TEST_F(OperationWordTest, ZP100RegisterF2Formats) {
  // rd/wr with any register and nothing else.
  EXPECT_TRUE(zp100.isSupportedOWFormat(withF2Register(make(zp100, "rdl"), 3)));
  EXPECT_TRUE(
      zp100.isSupportedOWFormat(withF2Register(make(zp100, "wrl"), 48)));
  EXPECT_TRUE(
      zp100.isSupportedOWFormat(withF2Register(make(zp100, "rdl"), 32)));
  // With an offset the memory access needs an index register.
  EXPECT_TRUE(zp100.isSupportedOWFormat(
      withV(withF2Register(make(zp100, "rdl"), 32), 16)));
  EXPECT_FALSE(zp100.isSupportedOWFormat(
      withV(withF2Register(make(zp100, "rdl"), 3), 16)));
  EXPECT_FALSE(zp100.isSupportedOWFormat(
      indirect(withF2Register(make(zp100, "rdl"), 3))));

  // Syntax V2 sets no indirect flag: addl #32 is refused, getl #32 is not.
  EXPECT_FALSE(
      zp100.isSupportedOWFormat(withF2Register(make(zp100, "addl"), 32)));
  EXPECT_TRUE(
      zp100.isSupportedOWFormat(withF2Register(make(zp100, "getl"), 32)));
  // Syntax V1 makes the same addl operand indirect.
  EXPECT_TRUE(zp100.isSupportedOWFormat(
      indirect(withF2Register(make(zp100, "addl"), 32))));
  EXPECT_FALSE(zp100.isSupportedOWFormat(
      indirect(withF2Register(make(zp100, "addl"), 3))));
  EXPECT_TRUE(
      zp100.isSupportedOWFormat(withF2Register(make(zp100, "addl"), 3)));
  EXPECT_TRUE(
      zp100.isSupportedOWFormat(withF2Register(make(zp100, "addl"), 48)));
  EXPECT_FALSE(zp100.isSupportedOWFormat(
      withV(withF2Register(make(zp100, "addl"), 3), 1)));
  EXPECT_TRUE(zp100.isSupportedOWFormat(
      withV(withF2Register(make(zp100, "addl"), 33), 1)));

  // exa wants an index register whatever follows.
  EXPECT_TRUE(
      zp100.isSupportedOWFormat(withF2Register(make(zp100, "exa"), 39)));
  EXPECT_FALSE(
      zp100.isSupportedOWFormat(withF2Register(make(zp100, "exa"), 7)));
  EXPECT_TRUE(
      zp100.isSupportedOWFormat(withF2Register(make(zp100, "getl"), 7)));
}

TEST_F(OperationWordTest, ZP100RefusesRegisterNumbersItDoesNotHave) {
  EXPECT_FALSE(
      zp100.isSupportedOWFormat(withF2Register(make(zp100, "rdl"), 8)));
  EXPECT_FALSE(
      zp100.isSupportedOWFormat(withF2Register(make(zp100, "addl"), 40)));
  EXPECT_FALSE(
      zp100.isSupportedOWFormat(withF2Register(make(zp100, "addl"), 64)));
  EXPECT_FALSE(zp100.isSupportedOWFormat(
      withF2Register(make(zp100, "addl"), 0xFFFFFFFF)));
}

TEST_F(OperationWordTest, ZP200AcceptsEveryCombination) {
  std::vector<OperationData> cases = {
      make(zp200, "addl"),
      withV(withF2Ref(make(zp200, "addl"), 2), 1),
      indirect(withF2Ref(make(zp200, "addl"), 2)),
      withF2Register(make(zp200, "addl"), 8),
      withV(withF2Register(make(zp200, "rdl"), 3), 4),
      withF2Register(make(zp200, "exa"), 0),
      OperationData(),
  };
  for (const OperationData &d : cases)
    EXPECT_TRUE(zp200.isSupportedOWFormat(d));
}

TEST_F(OperationWordTest, OperationDataFields) {
  OperationData d;
  d.setFValue(1, 5, OperationData::REGISTER);
  d.setFValue(2, 6, OperationData::SBREF);
  d.setFValue(3, 7, OperationData::REGISTER);
  d.setFValue(0, 7, OperationData::REGISTER);
  EXPECT_EQ(d.getFValue(1), 5u);
  EXPECT_EQ(d.getFView(1), OperationData::REGISTER);
  EXPECT_EQ(d.getFValue(2), 6u);
  EXPECT_EQ(d.getFView(2), OperationData::SBREF);
  EXPECT_EQ(d.getFValue(3), 0u);
  EXPECT_EQ(d.getFView(3), -1);
  EXPECT_EQ(d.getFView(0), -1);

  d.setResultLifetime(9);
  d.setParagraphEnd(true);
  d.setVPresent(true);
  d.setVValue(77);
  d.setIndirect(true);
  const Operation *addl = op(zp200, "addl");
  d.prepare(addl, 42);
  EXPECT_EQ(d.getOperation(), addl);
  EXPECT_EQ(d.getLine(), 42u);
  EXPECT_EQ(d.getResultLifetime(), 0u);
  EXPECT_FALSE(d.isParagraphEnd());
  EXPECT_FALSE(d.isVPresent());
  EXPECT_FALSE(d.isIndirect());
  // A new operation sets its own F fields.
  EXPECT_EQ(d.getFValue(1), 5u);
}

} // namespace
