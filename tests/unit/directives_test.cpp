// directives_test.cpp - the value range rules shared by the directives, and
// the agreement between the bytes counted in pass 1 and written in pass 2.
#include "assembly_fixture.h"
#include "buffer.h"
#include "parser.h"
#include "sectab.h"
#include "section.h"
#include "source_test_util.h"
#include "subsection.h"
#include "tokenizer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace {

class DirectivesTest : public AssemblyFixture {
protected:
  // Every buffer of the section is filled exactly to the size layout gave
  // it: pass 2 wrote as many bytes as pass 1 counted.
  void expectFilled(const std::string &name) {
    const SectionData *sd = parser->getSectab()->getSectionData(section(name));
    ASSERT_NE(sd, nullptr);
    for (const Subsection *sub : sd->getSubsectionSequence()) {
      const Buffer *b = sub->asData() ? sub->asData()->getData() : nullptr;
      if (!b)
        continue;
      EXPECT_EQ(b->getDataSize(), b->getSize())
          << name << " subsection " << sub->getIndex();
      EXPECT_FALSE(b->failed()) << name << " subsection " << sub->getIndex();
    }
  }
};

TEST_F(DirectivesTest, TruncateKeepsValuesThatFitAndCutsAbsoluteOnes) {
  ASSERT_EQ(assemble("\t.data\n"), 0) << messages;
  const Section *abs = parser->getAbsoluteSubsection()->getSection();
  const Section *data = section(".data");
  struct Case {
    int64_t value;
    unsigned size;
    bool fits;
    int64_t cut;
  } cases[] = {
      {255, 1, true, 255},
      {256, 1, false, 0},
      {-1, 1, true, -1},
      {-128, 1, true, -128},
      {-129, 1, true, -129}, // only the bits above the field are tested
      {-257, 1, false, 0xff},
      {0xffff, 2, true, 0xffff},
      {0x12345, 2, false, 0x2345},
      {0xffffffffLL, 4, true, 0xffffffffLL},
      {0x100000000LL, 4, false, 0},
      {-0x80000000LL, 4, true, -0x80000000LL},
      {INT64_MIN, 8, true, INT64_MIN},
  };
  for (const Case &c : cases) {
    int64_t v = c.value;
    EXPECT_TRUE(parser->truncateToSignificantBytes(v, abs, c.size))
        << c.value << " in " << c.size;
    EXPECT_EQ(v, c.cut) << c.value << " in " << c.size;
    v = c.value;
    // Relative to a section a value is never cut: the caller reports it.
    EXPECT_EQ(parser->truncateToSignificantBytes(v, data, c.size), c.fits)
        << c.value << " in " << c.size;
    EXPECT_EQ(v, c.value);
  }
}

TEST_F(DirectivesTest, PassTwoWritesWhatPassOneCounted) {
  const std::string text = "\t.data\n"
                           "\t.byte 1, , 3\n"
                           "\t.short 1\n"
                           "\t.long 2, 3\n"
                           "\t.quad 4\n"
                           "\t.float 0f1.5, 2\n"
                           "\t.double , 0f2.5\n"
                           "\t.ascii \"ab\", \"\"\n"
                           "\t.string16 \"xyz\"\n"
                           "\t.string64 \"q\"\n"
                           "\t.align 16, 0x55\n"
                           "\t.skip 5, 1\n"
                           "\t.p2align 3\n"
                           "\t.fill 3, 5, 0x0102030405\n"
                           "\t.sleb128 -1000000, 5\n"
                           "\t.uleb128 0xffffffffffffffff\n"
                           "\t.data 1\n"
                           "\t.byte 9\n"
                           "\t.align 4, 0, 1\n"
                           "\t.section be, \"aw\"\n"
                           "\t.quad 1\n"
                           "\t.fill 2, 8, -1\n"
                           "\t.lcomm lc, 5\n"
                           "\t.comm c, 3, 4\n";
  ASSERT_EQ(assemble(text), 0) << messages;
  expectFilled(".data");
  expectFilled("be");
  EXPECT_EQ(parser->getSectab()->getSectionData(section(".bss"))->getDataSize(),
            5u);
}

TEST_F(DirectivesTest, HugeFillIsWrittenWhole) {
  // 64 MB in one directive; the last copy must still be in place.
  ASSERT_EQ(assemble("\t.data\n\t.fill 16777216, 4, 0x0a0b0c0d\n\t.byte 7\n"),
            0)
      << messages;
  expectFilled(".data");
  const Buffer *b = parser->getSectab()
                        ->getSectionData(section(".data"))
                        ->getSubsectionSequence()
                        .front()
                        ->asData()
                        ->getData();
  ASSERT_EQ(b->getDataSize(), 67108865u);
  const uint8_t *end = b->constData() + b->getDataSize();
  EXPECT_EQ(std::vector<uint8_t>(end - 5, end),
            (std::vector<uint8_t>{0x0d, 0x0c, 0x0b, 0x0a, 7}));
}

} // namespace
