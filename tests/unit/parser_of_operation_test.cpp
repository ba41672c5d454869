// parser_of_operation_test.cpp - paragraphs through the operation ring:
// words against an independent encoding, and addresses after bad operands.
#include "assembly_fixture.h"
#include "buffer.h"
#include "expression.h"
#include "expressionnode.h"
#include "parser.h"
#include "sectab.h"
#include "section.h"
#include "source_test_util.h"
#include "subsection.h"
#include "symbol.h"
#include "symtab.h"
#include "tokenizer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr uint16_t ZP100 = 0x8100;
constexpr uint16_t ZP200 = 0x8101;

class OperationRingTest : public AssemblyFixture {
protected:
  // The bytes pass 2 wrote into .text, checked against what pass 1 counted.
  std::vector<uint8_t> textBytes() {
    const Section *text = parser->getSectab()->findSectionByName(
        parser->getTokenizer()->getWord(".text"));
    const SectionData *sd = parser->getSectab()->getSectionData(text);
    const Subsection *sub = sd->getSubsectionSequence().front();
    const Buffer *b = sub->asData() ? sub->asData()->getData() : nullptr;
    if (!b)
      return {};
    EXPECT_EQ(b->getDataSize(), b->getSize());
    return {b->constData(), b->constData() + b->getDataSize()};
  }

  // The number a label got in pass 1 (the run stops there on errors).
  int64_t labelNumber(const std::string &name) {
    Symbol *s =
        parser->getSymtab()->getSymbol(parser->getTokenizer()->getWord(name));
    const Expression *e = s->getValue()->getExpression();
    return e ? e->getExpressionNode()->getValue() : -1;
  }
};

// One operation as the encoder should see it.
struct Op {
  uint32_t code = 0;
  uint32_t type = 2;
  uint32_t f1 = 0;
  uint32_t f2 = 0;
  bool f2IsRegister = false;
  bool hasV = false;
  uint32_t v = 0;
  uint32_t lifetime = 0;
  bool last = false;
};

// The field layout of each model, written out bit by bit.
uint32_t encode(const Op &op, uint16_t model) {
  uint32_t w = op.code << 26 | uint32_t(op.hasV) << 25 |
               uint32_t(op.f2IsRegister) << 24 | op.f1 << 6 | op.f2;
  if (model == ZP100)
    return w | op.type << 20 | uint32_t(op.last) << 19 | op.lifetime << 12;
  return w | uint32_t(op.last) << 22 | op.type << 18;
}

void appendWord(std::vector<uint8_t> &out, uint32_t w, uint16_t model) {
  for (int i = 0; i < 4; ++i) {
    int shift = model == ZP100 ? 24 - 8 * i : 8 * i;
    out.push_back(static_cast<uint8_t>(w >> shift));
  }
}

// Random paragraphs of getl (with a V word) and addl (a reference and a
// register), longer than the window, so words leave the ring both while
// operations are parsed and at complete; a result used several times keeps
// the longest distance.
TEST_F(OperationRingTest, RandomParagraphsMatchTheEncoding) {
  for (uint16_t model : {ZP100, ZP200}) {
    for (unsigned seed = 1; seed <= 25; ++seed) {
      std::mt19937 random(seed);
      auto pick = [&random](unsigned lo, unsigned hi) {
        return std::uniform_int_distribution<unsigned>(lo, hi)(random);
      };
      std::string text = "\t.text\n";
      std::vector<uint8_t> expected;
      unsigned paragraphs = pick(1, 3);
      for (unsigned p = 0; p < paragraphs; ++p) {
        text += "p" + std::to_string(p) + ":\n";
        std::vector<Op> ops(pick(1, 150));
        for (size_t i = 0; i < ops.size(); ++i) {
          Op &op = ops[i];
          if (i > 0 && pick(0, 1)) {
            unsigned r = pick(1, i < 63 ? unsigned(i) : 63u);
            op.code = 5;
            op.f1 = r;
            op.f2 = pick(0, 7);
            op.f2IsRegister = true;
            ops[i - r].lifetime = r;
            text += "\taddl @" + std::to_string(r) + ", #" +
                    std::to_string(op.f2) + "\n";
          } else {
            op.code = 3;
            op.hasV = true;
            op.v = pick(0, 100000);
            text += "\tgetl " + std::to_string(op.v) + "\n";
          }
        }
        ops.back().last = true;
        text += "\tcomplete\n";
        for (const Op &op : ops) {
          appendWord(expected, encode(op, model), model);
          if (op.hasV)
            appendWord(expected, op.v, model);
        }
      }
      ASSERT_EQ(assemble(text, model), 0) << messages;
      EXPECT_EQ(textBytes(), expected)
          << "model " << std::hex << model << std::dec << " seed " << seed;
    }
  }
}

// An operation keeps its 4 bytes, and its V word's 4, whatever went wrong
// with its operands, so the labels after it keep their addresses.
TEST_F(OperationRingTest, BadOperandsKeepTheirBytes) {
  struct Case {
    const char *line;
    int64_t size;
  } cases[] = {
      {"\tgetl (1\n", 8},          // V field with a syntax error
      {"\taddl @1, 5\n", 8},       // reference before the paragraph
      {"\taddl 5, 5\n", 4},        // no reference where one is needed
      {"\tsetl #ER, 5\n", 4},      // read-only register
      {"\tgetl [#32, 4]\n", 8},    // brackets in syntax V1 start a V field
      {"\texa #1, 4\n", 4},        // not an index register
      {"\tfoo 1, 2\n", 4},         // unknown mnemonic in a paragraph
      {"\taddl @1, @2, 3 4\n", 4}, // extra tokens after the reference
  };
  for (const Case &c : cases) {
    std::string text = std::string("\t.text\np:\n") + c.line +
                       "\tcomplete\nq:\n\tgetl 1\n\tcomplete\n";
    EXPECT_GT(assemble(text, ZP100), 0) << c.line;
    EXPECT_EQ(labelNumber("q"), c.size) << c.line << messages;
  }
}

} // namespace
