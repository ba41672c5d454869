// opdecoder_test.cpp - operation words made by the assembler's encoder and
// read back: every operation of both models with the operand fields its
// kind takes, the statements both syntaxes show for chosen words, and
// words that encode no operation.
#include "opdecoder.h"

#include "architecture.h"
#include "elf32.h"
#include "instruction.h"
#include "operationdata.h"
#include "tokenizer.h"
#include "zp100_arch.h"
#include "zp200_arch.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace zvod {
namespace {

struct Model {
  explicit Model(uint16_t code) : tokenizer(nullptr), decoder(code) {
    if (code == EM_ZP100)
      arch = std::make_unique<ZP100_Arch>(&tokenizer);
    else
      arch = std::make_unique<ZP200_Arch>(&tokenizer);
  }
  const Operation *op(const std::string &name) {
    return static_cast<const Operation *>(
        arch->getInstruction(tokenizer.getWord(name)));
  }
  Tokenizer tokenizer;
  std::unique_ptr<Architecture> arch;
  OpDecoder decoder;
};

std::string hex(uint32_t v) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "0x%08x", v);
  return buffer;
}

// What the parser lets through for an operation's kind (besides the
// target's own format check): the fields a statement can give.
bool kindAllows(const Architecture &arch, const OperationData &d) {
  const Operation *op = d.getOperation();
  const uint32_t f1 = d.getFValue(1), f2 = d.getFValue(2);
  const bool f2Reg = d.getFView(2) == OperationData::REGISTER;
  const Register *r2 = f2Reg ? arch.getRegister(int(f2)) : nullptr;
  if (f2Reg && !r2)
    return false;
  const bool f2Ok =
      f2Reg || (f2 == 0 && d.isVPresent()) || arch.isValidSbRef(f2);
  switch (op->getKind()) {
  case IK_EXA:
    return f1 == 0 && r2 && r2->isIndex() && !d.isIndirect();
  case IK_SET: {
    const Register *r1 = arch.getRegister(int(f1));
    return r1 && r1->isWritable() && f2Ok;
  }
  case IK_MOVE:
    return arch.isValidSbRef(f1) && !f2Reg && f2 == 0 && !d.isVPresent() &&
           !d.isIndirect();
  case IK_ARG1:
    return f1 == 0 && f2Ok;
  case IK_ARG2:
    return arch.isValidSbRef(f1) && f2Ok;
  default:
    return false;
  }
}

// Every operation of the table, with F fields, format bits, lifetime and
// paragraph end in many combinations: each word the encoder makes for a
// combination the parser and the target accept decodes to an operation
// with the same code and type and to the same fields.
TEST(OpDecoder, EveryOperationEncodedIsReadBack) {
  for (uint16_t code : {EM_ZP100, EM_ZP200}) {
    Model m(code);
    const bool zp100 = code == EM_ZP100;
    const uint32_t index = zp100 ? 32 : 8;
    size_t checked = 0;
    for (const std::string &name : m.arch->getMnemonics()) {
      const Operation *op = m.op(name);
      if (op->getKind() < IK_EXA)
        continue;
      for (uint32_t f1 : {0u, 1u, 5u, 63u, 3u, 48u})
        for (int view = 0; view < 2; ++view)
          for (uint32_t f2 : {0u, 2u, 63u, 3u, index, index + 1, 48u})
            for (int v = 0; v < 2; ++v)
              for (int indirect = 0; indirect < 2; ++indirect)
                for (uint32_t lifetime : {0u, 1u, 40u})
                  for (int end = 0; end < 2; ++end) {
                    OperationData d;
                    d.prepare(op, 1);
                    d.setFValue(1, f1,
                                op->getKind() == IK_SET
                                    ? OperationData::REGISTER
                                    : OperationData::SBREF);
                    d.setFValue(2, f2,
                                view ? OperationData::REGISTER
                                     : OperationData::SBREF);
                    d.setVPresent(v);
                    d.setIndirect(indirect);
                    d.setResultLifetime(zp100 ? lifetime : 0);
                    d.setParagraphEnd(end);
                    if (!m.arch->isSupportedOWFormat(d) ||
                        !kindAllows(*m.arch, d))
                      continue;
                    const uint32_t word = m.arch->getOperationWord(d);
                    DecodedOperation r;
                    ASSERT_TRUE(m.decoder.decode(word, r))
                        << name << " " << hex(word);
                    EXPECT_EQ(r.operation->getCode(), op->getCode()) << name;
                    EXPECT_EQ(r.operation->getTypeIndex(), op->getTypeIndex())
                        << name;
                    EXPECT_EQ(r.f1, f1) << name;
                    EXPECT_EQ(r.f2, f2) << name;
                    EXPECT_EQ(r.f2Register, view == 1) << name;
                    EXPECT_EQ(r.hasV, v == 1) << name;
                    EXPECT_EQ(r.size(), v ? 8u : 4u) << name;
                    EXPECT_EQ(r.lifetime, zp100 ? lifetime : 0) << name;
                    EXPECT_EQ(r.paragraphEnd, end == 1) << name;
                    // ZP100 does not keep the indirect flag in the word.
                    if (!zp100) {
                      EXPECT_EQ(r.indirect, indirect == 1) << name;
                    }
                    EXPECT_EQ(m.decoder.hasExtensionWord(word), v == 1);
                    EXPECT_EQ(m.decoder.endsParagraph(word), end == 1);
                    ++checked;
                  }
    }
    EXPECT_GT(checked, zp100 ? 5000u : 20000u);
  }
}

struct Shown {
  const char *op;
  uint32_t f1;
  int view; // F2: 0 reference, 1 register
  uint32_t f2;
  bool v;
  bool indirect;
  uint32_t bits;  // the V word
  const char *v1; // expected statements; "" where a syntax has none
  const char *v2;
};

std::string show(Model &m, const Shown &s, int syntax) {
  OperationData d;
  const Operation *op = m.op(s.op);
  d.prepare(op, 1);
  d.setFValue(1, s.f1,
              op->getKind() == IK_SET ? OperationData::REGISTER
                                      : OperationData::SBREF);
  d.setFValue(2, s.f2, s.view ? OperationData::REGISTER : OperationData::SBREF);
  d.setVPresent(s.v);
  d.setIndirect(s.indirect);
  DecodedOperation r;
  if (!m.decoder.decode(m.arch->getOperationWord(d), r))
    return "(no operation)";
  std::string text;
  VText vText = [&](const VRule &rule, std::string &out) {
    return OpDecoder::numberText(rule, s.bits, out);
  };
  return m.decoder.render(r, syntax, vText, text) ? text : "";
}

template <size_t N> void expectShown(uint16_t code, const Shown (&table)[N]) {
  Model m(code);
  for (const Shown &s : table) {
    EXPECT_EQ(show(m, s, 1), s.v1) << s.op;
    EXPECT_EQ(show(m, s, 2), s.v2) << s.op;
  }
}

// The statements each syntax writes, and where a syntax has none.
TEST(OpDecoder, StatementsOfBothSyntaxes) {
  const Shown zp100[] = {
      {"getl", 0, 0, 0, true, false, 5, "getl 5", "getl 5"},
      {"addl", 1, 0, 0, true, false, 7, "addl @1, 7", "addl @1, 7"},
      {"addl", 1, 0, 2, false, false, 0, "addl @1, @2", "addl @1, @2"},
      {"addl", 1, 1, 32, false, true, 0, "addl @1, #32", "addl @1, [#32]"},
      {"addl", 1, 1, 32, true, false, 4, "addl @1, #32, 4", "addl @1, #32, 4"},
      {"rdl", 0, 1, 3, false, false, 0, "rdl #3", "rdl #3"},
      {"getl", 0, 1, 32, true, false, 5, "", "getl #32, 5"},
      {"getsb", 0, 0, 0, true, false, 0xfffffffe, "getsb -2", "getsb -2"},
      {"getb", 0, 0, 0, true, false, 0x100, "", ""},
      {"addf", 1, 0, 0, true, false, 0x3fc00000, "addf @1, 0f1.5",
       "addf @1, 0f1.5"},
      {"jmp", 0, 0, 0, true, false, 0x24, "jmp 0x24", "jmp 0x24"},
      {"setl", 48, 0, 1, false, false, 0, "setl #48, @1", "setl #48, @1"},
      {"exa", 0, 1, 33, true, false, 16, "exa #33, 16", "exa #33, 16"},
  };
  expectShown(EM_ZP100, zp100);
  const Shown zp200[] = {
      {"rdl", 0, 1, 8, true, true, 16, "", "rdl [#8, 0x10]"},
      {"rdl", 0, 1, 8, true, false, 16, "rdl #8, 0x10", "rdl #8, 0x10"},
      {"addl", 1, 0, 2, true, false, 7, "", "addl @1, @2, 7"},
      {"addl", 1, 0, 0, true, true, 7, "", "addl @1, [7]"},
      {"addl", 1, 0, 2, false, true, 0, "", "addl @1, [@2]"},
      {"addl", 0, 0, 0, false, false, 0, "addl @0, @0", "addl @0, @0"},
      {"move", 1, 0, 0, false, false, 0, "move @1", "move @1"},
      {"rddl", 0, 1, 3, false, false, 0, "", "rddl #3"},
      {"addd", 1, 0, 0, true, false, 5, "", ""},
      {"addd", 1, 1, 8, true, true, 5, "addd @1, #8, 5", "addd @1, [#8, 5]"},
      {"getf", 0, 0, 0, true, false, 0x00000001, "getf 0f1e-45",
       "getf 0f1e-45"},
      {"getf", 0, 0, 0, true, false, 0x7fc00000, "getf 0x7fc00000",
       "getf 0x7fc00000"},
      {"clf", 0, 0, 0, true, false, 0x3fc00000, "clf 0x3fc00000",
       "clf 0x3fc00000"},
  };
  expectShown(EM_ZP200, zp200);
}

// Words no statement makes: no operation code, operations the model does
// not have, reserved bits, formats the target refuses, registers the kind
// does not take.
TEST(OpDecoder, WordsThatAreNoOperation) {
  Model m100(EM_ZP100), m200(EM_ZP200);
  DecodedOperation r;
  EXPECT_FALSE(m100.decoder.decode(0x00000000, r));
  EXPECT_FALSE(m200.decoder.decode(0x00000000, r));
  // getl 5 with a bit no field covers.
  ASSERT_TRUE(m100.decoder.decode(0x0e200000, r));
  EXPECT_FALSE(m100.decoder.decode(0x0e200000 | 1u << 18, r));
  ASSERT_TRUE(m200.decoder.decode(0x0e080000, r));
  for (unsigned bit = 12; bit <= 17; ++bit)
    EXPECT_FALSE(m200.decoder.decode(0x0e080000 | 1u << bit, r)) << bit;
  // addl's code with the d type: addd exists on ZP200 only.
  EXPECT_FALSE(m100.decoder.decode((5u << 26) | (13u << 20) | 0x41, r));
  EXPECT_TRUE(m200.decoder.decode((5u << 26) | (13u << 18) | 0x41, r));
  // ZP100: an immediate with a reference in F2; a V word with a general
  // register; @0 in F2 without a V word.
  EXPECT_FALSE(m100.decoder.decode(0x16201042, r));
  EXPECT_FALSE(m100.decoder.decode(0x17201043, r));
  EXPECT_FALSE(m100.decoder.decode(0x14201040, r));
  // exa with a general register; set of the read-only ER; a register
  // number the model does not have.
  EXPECT_FALSE(m200.decoder.decode(0x0b080003, r));
  EXPECT_FALSE(m200.decoder.decode(0x10080cc1, r));
  EXPECT_TRUE(m200.decoder.decode(0x10080c01, r));
  EXPECT_FALSE(m100.decoder.decode(0x15200048, r));
  EXPECT_TRUE(m200.decoder.decode(0x15080048, r));
}

TEST(OpDecoder, ValuesForTheVWord) {
  VRule byte{VRule::Fit, 1, false}, half{VRule::Fit, 2, false}, raw;
  int64_t v = 0;
  EXPECT_TRUE(OpDecoder::valueFor(byte, 0xff, v));
  EXPECT_EQ(v, 255);
  EXPECT_TRUE(OpDecoder::valueFor(byte, 0xffffff00, v));
  EXPECT_EQ(v, -256);
  EXPECT_FALSE(OpDecoder::valueFor(byte, 0x1ff, v));
  EXPECT_FALSE(OpDecoder::valueFor(byte, 0xfffffe00, v));
  EXPECT_TRUE(OpDecoder::valueFor(half, 0xffff8000, v));
  EXPECT_EQ(v, -32768);
  EXPECT_FALSE(OpDecoder::valueFor(half, 0x10000, v));
  EXPECT_TRUE(OpDecoder::valueFor(raw, 0xffffffff, v));
  EXPECT_EQ(v, 0xffffffff);
  EXPECT_FALSE(OpDecoder::valueFor({VRule::Refused, 4, false}, 0, v));

  VRule single{VRule::Fit, 4, true};
  std::string text;
  const struct {
    uint32_t bits;
    const char *text;
  } floats[] = {{0x3fc00000, "0f1.5"},          {0x80000000, "0f-0"},
                {0x7f7fffff, "0f3.4028235e38"}, {0x00800000, "0f1.1754944e-38"},
                {0x3dcccccd, "0f0.1"},          {0x7f800000, "0x7f800000"}};
  for (const auto &f : floats) {
    EXPECT_TRUE(OpDecoder::numberText(single, f.bits, text));
    EXPECT_EQ(text, f.text);
  }
  EXPECT_TRUE(OpDecoder::numberText(raw, 0xfffffffc, text));
  EXPECT_EQ(text, "0xfffffffc");
  EXPECT_TRUE(OpDecoder::numberText({VRule::Fit, 4, false}, 0xfffffffc, text));
  EXPECT_EQ(text, "-4");
}

} // namespace
} // namespace zvod
