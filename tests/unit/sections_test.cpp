// sections_test.cpp - sections and subsections: location counters,
// alignment blocks, layout, pass-2 padding and the data buffers.
#include "buffer.h"
#include "sectab.h"
#include "section.h"
#include "subsection.h"
#include "token.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// A section table with words that outlive it.
class SectabTest : public ::testing::Test {
protected:
  Section *makeSection(const std::string &name, uint32_t type, uint32_t flags,
                       uint8_t encoding = 1) {
    words.push_back(std::make_unique<Word>(name));
    Section *section = sectab.getSection(words.back().get());
    section->setType(type);
    section->setFlags(flags);
    section->setDataEncoding(encoding);
    return section;
  }
  Section *data(uint8_t encoding = 1) {
    return makeSection(".data", SHT_PROGBITS, SHF_WRITE | SHF_ALLOC, encoding);
  }
  std::vector<uint8_t> bytes(const Subsection *sub) {
    const Buffer *b = sub->asData() ? sub->asData()->getData() : nullptr;
    if (!b)
      return {};
    return std::vector<uint8_t>(b->constData(),
                                b->constData() + b->getDataSize());
  }

  std::vector<std::unique_ptr<Word>> words;
  Sectab sectab;
};

TEST(SubsectionPadding, PaddingRule) {
  EXPECT_EQ(Subsection::alignmentByteCount(4, 0, 3), 1u);
  EXPECT_EQ(Subsection::alignmentByteCount(4, 0, 4), 0u);
  EXPECT_EQ(Subsection::alignmentByteCount(4, 0, 0), 0u);
  EXPECT_EQ(Subsection::alignmentByteCount(8, 0, 3), 5u);
  // maxSkip below the pad skips the alignment entirely.
  EXPECT_EQ(Subsection::alignmentByteCount(8, 2, 3), 0u);
  EXPECT_EQ(Subsection::alignmentByteCount(8, 5, 3), 5u);
  EXPECT_EQ(Subsection::alignmentByteCount(0, 0, 3), 0u);
  EXPECT_EQ(Subsection::alignmentByteCount(0x80000000u, 0, 1), 0x7fffffffu);
}

TEST_F(SectabTest, LabelAfterAlignmentIsResolvedAtLayout) {
  Section *s = data();
  Subsection *sub = sectab.getSubsection(s, 0);
  sub->moveDot(3);
  EXPECT_TRUE(sub->isValidDot());
  sub->addAlignmentBlock(4, 0, 0);
  EXPECT_FALSE(sub->isValidDot());
  uint32_t label = sub->getDot(); // an index now, not an offset
  sub->moveDot(2);
  ASSERT_TRUE(sectab.sortSectionSubsections());
  EXPECT_EQ(sub->getDot(label), 4u);
  EXPECT_EQ(sub->getRealDot(), 0u); // ready for pass 2 at the offset
  ASSERT_NE(sub->asData()->getData(), nullptr);
  EXPECT_EQ(sub->asData()->getData()->getSize(), 6u);
}

TEST_F(SectabTest, LabelOneByteAfterAlignmentKeepsTheEnd) {
  Section *s = data();
  Subsection *sub = sectab.getSubsection(s, 0);
  sub->moveDot(3);
  sub->addAlignmentBlock(4, 0, 0);
  sub->moveDot(1);
  uint32_t label = sub->getDot();
  sub->moveDot(1);
  ASSERT_TRUE(sectab.sortSectionSubsections());
  EXPECT_EQ(sub->getDot(label), 5u);
  EXPECT_EQ(sub->asData()->getData()->getSize(), 6u);
}

TEST_F(SectabTest, MaxSkipTooSmallMeansNoPadding) {
  Section *s = data();
  Subsection *sub = sectab.getSubsection(s, 0);
  sub->moveDot(3);
  sub->addAlignmentBlock(8, 0, 2);
  uint32_t label = sub->getDot();
  sub->moveDot(1);
  ASSERT_TRUE(sectab.sortSectionSubsections());
  EXPECT_EQ(sub->getDot(label), 3u);
  EXPECT_EQ(sub->asData()->getData()->getSize(), 4u);
  // Pass 2 agrees with layout.
  sub->moveDot(3);
  sub->fillAlignmentBlock(8, 0xee, 2);
  EXPECT_EQ(sub->getRealDot(), 3u);
}

TEST_F(SectabTest, AddralignOnlyGrows) {
  Section *s = data();
  Subsection *sub = sectab.getSubsection(s, 0);
  EXPECT_EQ(s->getAddralign(), 0u);
  sub->addAlignmentBlock(8, 0, 0);
  EXPECT_EQ(s->getAddralign(), 8u);
  sub->addAlignmentBlock(4, 0, 0);
  EXPECT_EQ(s->getAddralign(), 8u);
  sub->addAlignmentBlock(0, 0, 0); // no alignment, nothing recorded
  EXPECT_EQ(sub->getDotSequence().size(), 2u);
  sub->addAlignmentBlock(16, 0, 0);
  EXPECT_EQ(s->getAddralign(), 16u);
}

TEST_F(SectabTest, SubsectionsSortedBySignedNumberAndPacked) {
  Section *s = data();
  sectab.getSubsection(s, 2)->moveDot(3);
  sectab.getSubsection(s, 0)->moveDot(5);
  sectab.getSubsection(s, 1)->moveDot(7);
  sectab.getSubsection(s, -1)->moveDot(11);
  // The same number finds the same subsection.
  EXPECT_EQ(sectab.getSubsection(s, 1), sectab.getSubsection(s, 1));
  ASSERT_TRUE(sectab.sortSectionSubsections());
  const std::vector<Subsection *> &seq =
      sectab.getSectionData(s)->getSubsectionSequence();
  ASSERT_EQ(seq.size(), 4u);
  std::vector<int64_t> numbers;
  std::vector<uint32_t> offsets;
  for (const Subsection *sub : seq) {
    numbers.push_back(sub->getIndex());
    offsets.push_back(sub->getOffset());
  }
  EXPECT_EQ(numbers, (std::vector<int64_t>{-1, 0, 1, 2}));
  EXPECT_EQ(offsets, (std::vector<uint32_t>{0, 11, 16, 23}));
}

TEST_F(SectabTest, AlignmentCountsFromTheSectionStart) {
  Section *s = data();
  sectab.getSubsection(s, 0)->moveDot(5);
  Subsection *second = sectab.getSubsection(s, 1);
  second->addAlignmentBlock(8, 0, 0);
  uint32_t label = second->getDot();
  second->moveDot(1);
  ASSERT_TRUE(sectab.sortSectionSubsections());
  EXPECT_EQ(second->getOffset(), 5u);
  EXPECT_EQ(second->getDot(label), 8u);
  EXPECT_EQ(second->asData()->getData()->getSize(), 4u);
}

TEST_F(SectabTest, NamedOnlySectionHasEmptySubsectionZero) {
  Section *s = makeSection("mine", SHT_PROGBITS, SHF_ALLOC);
  sectab.getSubsection(s, 0);
  ASSERT_TRUE(sectab.sortSectionSubsections());
  SectionData *sd = sectab.getSectionData(s);
  ASSERT_EQ(sd->getSubsectionSequence().size(), 1u);
  const Subsection *sub = sd->getSubsectionSequence()[0];
  EXPECT_EQ(sub->getIndex(), 0);
  ASSERT_NE(sub->asData(), nullptr);
  EXPECT_EQ(sub->asData()->getData(), nullptr);
  EXPECT_EQ(sd->getDataSize(), 0u);
}

TEST_F(SectabTest, NobitsSubsectionsHaveNoData) {
  Section *s = makeSection(".bss", SHT_NOBITS, SHF_WRITE | SHF_ALLOC, 0);
  Subsection *sub = sectab.getSubsection(s, 0);
  EXPECT_EQ(sub->asData(), nullptr);
  sub->moveDot(3);
  sub->addAlignmentBlock(8, 0, 0);
  sub->moveDot(4);
  ASSERT_TRUE(sectab.sortSectionSubsections());
  sub->moveDot(3);
  sub->fillAlignmentBlock(8, 0xff, 0);
  sub->moveDot(4);
  EXPECT_EQ(sectab.getSectionData(s)->getDataSize(), 12u);
}

TEST_F(SectabTest, PseudoSectionsAreNotLaidOut) {
  Section *abs = makeSection("*ABS*", 0, 0);
  abs->setIndex(Section::ABS_INDEX);
  Subsection *sub = sectab.getSubsection(abs, 0);
  sub->moveDot(4);
  ASSERT_TRUE(sectab.sortSectionSubsections());
  EXPECT_EQ(sub->getRealDot(), 4u); // untouched by layout
  EXPECT_EQ(sub->asData()->getData(), nullptr);
}

TEST_F(SectabTest, PassTwoFillsAlignmentAndData) {
  Section *s = data(2);
  Subsection *sub = sectab.getSubsection(s, 0);
  sub->moveDot(3);
  sub->addAlignmentBlock(4, 0, 0);
  sub->moveDot(6);
  ASSERT_TRUE(sectab.sortSectionSubsections());

  DataSubsection *d = sub->asData();
  d->addData(uint8_t(1));
  d->addData(uint16_t(0x0203));
  sub->moveDot(3);
  sub->fillAlignmentBlock(4, 0x1ab, 0); // low 8 bits of the fill
  EXPECT_EQ(sub->getRealDot(), 4u);
  d->addData(int32_t(-2));
  d->addData(std::string("z"), 2);
  sub->moveDot(6);
  EXPECT_EQ(bytes(sub), (std::vector<uint8_t>{1, 2, 3, 0xab, 0xff, 0xff, 0xff,
                                              0xfe, 'z', 0}));
  EXPECT_EQ(sectab.getSectionData(s)->getDataSize(), 10u);
}

TEST_F(SectabTest, SectionByteOrderApplies) {
  Section *little = makeSection("lsb", SHT_PROGBITS, SHF_ALLOC, 1);
  Section *big = makeSection("msb", SHT_PROGBITS, SHF_ALLOC, 2);
  Subsection *l = sectab.getSubsection(little, 0);
  Subsection *b = sectab.getSubsection(big, 0);
  l->moveDot(10);
  b->moveDot(10);
  ASSERT_TRUE(sectab.sortSectionSubsections());
  for (Subsection *sub : {l, b}) {
    sub->asData()->addData(uint16_t(0x0102));
    sub->asData()->addData(uint64_t(0x030405060708090aull));
  }
  EXPECT_EQ(bytes(l), (std::vector<uint8_t>{2, 1, 0xa, 9, 8, 7, 6, 5, 4, 3}));
  EXPECT_EQ(bytes(b), (std::vector<uint8_t>{1, 2, 3, 4, 5, 6, 7, 8, 9, 0xa}));
}

TEST_F(SectabTest, StringsAndRawBytes) {
  Section *s = data(2);
  Subsection *sub = sectab.getSubsection(s, 0);
  sub->moveDot(11);
  ASSERT_TRUE(sectab.sortSectionSubsections());
  DataSubsection *d = sub->asData();
  d->addData(std::string("ab"), 4); // the character first in its unit
  d->addData("\x01\x00\x02", 3);
  EXPECT_EQ(bytes(sub),
            (std::vector<uint8_t>{'a', 0, 0, 0, 'b', 0, 0, 0, 1, 0, 2}));
}

TEST_F(SectabTest, WritesBeyondTheLaidOutSizeAreDropped) {
  Section *s = data();
  Subsection *sub = sectab.getSubsection(s, 0);
  sub->moveDot(3);
  ASSERT_TRUE(sectab.sortSectionSubsections());
  DataSubsection *d = sub->asData();
  d->addData(uint16_t(0x0201));
  d->addData(uint32_t(0xffffffff)); // does not fit: dropped whole
  d->addData(std::string("xyz"), 1);
  d->addData("abcdef", 6);
  d->addData(uint8_t(9));
  sub->fillAlignmentBlock(64, 0x55, 0);
  EXPECT_EQ(bytes(sub), (std::vector<uint8_t>{1, 2, 9}));

  // A subsection without a buffer takes nothing and does not crash.
  Subsection *empty = sectab.getSubsection(s, 7);
  empty->asData()->addData(uint64_t(1));
  empty->asData()->addData(std::string("abc"), 2);
  EXPECT_EQ(empty->asData()->getData(), nullptr);
}

TEST_F(SectabTest, BadRecordedDotIndexIsReported) {
  Section *s = data();
  Subsection *sub = sectab.getSubsection(s, 0);
  ::testing::internal::CaptureStderr();
  uint32_t dot = sub->getDot(3);
  std::string err = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(dot, 0u);
  EXPECT_EQ(err, "Internal as error\n");
}

TEST_F(SectabTest, CounterPast4GiBFailsLayout) {
  Section *s = makeSection(".bss", SHT_NOBITS, SHF_WRITE | SHF_ALLOC, 0);
  Subsection *sub = sectab.getSubsection(s, 0);
  sub->moveDot(0xfffffff0u);
  sub->moveDot(0x20);
  EXPECT_TRUE(sub->isOverflow());
  EXPECT_EQ(sub->getRealDot(), 0xffffffffu); // saturated, not wrapped
  EXPECT_FALSE(sectab.sortSectionSubsections());
  EXPECT_EQ(sectab.getLastError(), "section '.bss' is larger than 4 GiB");
}

TEST_F(SectabTest, SubsectionsTogetherPast4GiBFailLayout) {
  Section *s = data();
  sectab.getSubsection(s, 0)->moveDot(0xc0000000u);
  sectab.getSubsection(s, 1)->moveDot(0x40000000u);
  Section *fine = makeSection("fine", SHT_PROGBITS, SHF_ALLOC);
  sectab.getSubsection(fine, 0)->moveDot(1);
  EXPECT_FALSE(sectab.sortSectionSubsections());
  EXPECT_EQ(sectab.getLastError(), "section '.data' is larger than 4 GiB");
  // No 3 GiB buffers are made for an assembly that has failed.
  EXPECT_EQ(sectab.getSubsection(s, 0)->asData()->getData(), nullptr);
  EXPECT_NE(sectab.getSubsection(fine, 0)->asData()->getData(), nullptr);
}

TEST_F(SectabTest, ObjectPast4GiBFailsLayoutBeforeAnyBuffer) {
  // Under 4 GiB on its own, but with the ELF header and the headers of
  // .text, .data, .bss and the tables no object can hold it.
  Section *text = makeSection(".text", SHT_PROGBITS, SHF_ALLOC | SHF_EXECINSTR);
  sectab.getSubsection(text, 0)->moveDot(4);
  Section *s = data();
  sectab.getSubsection(s, 0)->moveDot(0xffffff00u);
  makeSection(".bss", SHT_NOBITS, SHF_WRITE | SHF_ALLOC, 0);
  EXPECT_FALSE(sectab.sortSectionSubsections());
  EXPECT_EQ(sectab.getLastError(),
            "section '.data' makes the object file larger than 4 GiB");
  EXPECT_EQ(sectab.getSubsection(s, 0)->asData()->getData(), nullptr);
  EXPECT_EQ(sectab.getSubsection(text, 0)->asData()->getData(), nullptr);
}

TEST_F(SectabTest, NobitsSectionsTakeNoRoomInTheObject) {
  Section *bss = makeSection(".bss", SHT_NOBITS, SHF_WRITE | SHF_ALLOC, 0);
  sectab.getSubsection(bss, 0)->moveDot(0xffffffffu);
  Section *more = makeSection(".more", SHT_NOBITS, SHF_WRITE | SHF_ALLOC, 0);
  sectab.getSubsection(more, 0)->moveDot(0xffffffffu);
  Section *s = data();
  sectab.getSubsection(s, 0)->moveDot(16);
  EXPECT_TRUE(sectab.sortSectionSubsections()) << sectab.getLastError();
  EXPECT_EQ(sectab.getSectionData(s)->getLayoutSize(), 16u);
  EXPECT_EQ(sectab.getSectionData(bss)->getLayoutSize(), 0xffffffffu);
}

TEST_F(SectabTest, PassTwoMustMakeWhatLayoutGave) {
  Section *s = data();
  Subsection *zero = sectab.getSubsection(s, 0);
  Subsection *one = sectab.getSubsection(s, 1);
  zero->moveDot(4);
  one->moveDot(2);
  ASSERT_TRUE(sectab.sortSectionSubsections());
  EXPECT_EQ(zero->getLayoutEnd(), 4u);
  EXPECT_EQ(one->getLayoutEnd(), 6u);

  // The same total in other subsections is still another layout.
  zero->moveDot(3);
  one->moveDot(3);
  EXPECT_FALSE(sectab.checkLayout());
  EXPECT_EQ(sectab.getLastError(),
            "section '.data' differs from its layout (6 bytes laid out, 6 "
            "made)");
}

TEST_F(SectabTest, PassTwoAsLaidOutIsAccepted) {
  Section *s = data();
  Subsection *sub = sectab.getSubsection(s, 0);
  sub->moveDot(3);
  sub->addAlignmentBlock(4, 0, 0);
  sub->moveDot(2);
  ASSERT_TRUE(sectab.sortSectionSubsections());
  sub->moveDot(3);
  sub->fillAlignmentBlock(4, 0, 0);
  EXPECT_FALSE(sectab.checkLayout()); // two bytes still to come
  sub->moveDot(2);
  EXPECT_TRUE(sectab.checkLayout()) << sectab.getLastError();
}

TEST_F(SectabTest, AlignmentPast4GiBFailsLayout) {
  Section *s = makeSection(".bss", SHT_NOBITS, SHF_WRITE | SHF_ALLOC, 0);
  Subsection *sub = sectab.getSubsection(s, 0);
  sub->moveDot(0xfffffff0u);
  sub->addAlignmentBlock(0x80000000u, 0, 0);
  EXPECT_FALSE(sectab.sortSectionSubsections());
}

TEST_F(SectabTest, LookupAndCreationOrder) {
  Section *b = makeSection("b.sec", SHT_PROGBITS, SHF_ALLOC);
  Section *a = makeSection("a.sec", SHT_PROGBITS, SHF_ALLOC);
  Section *d = makeSection(".debug_x", SHT_PROGBITS, 0);
  bool created = true;
  EXPECT_EQ(sectab.getSection(a->getWord(), &created), a);
  EXPECT_FALSE(created);
  EXPECT_EQ(sectab.getSectionSequence(), (std::vector<Section *>{b, a, d}));
  EXPECT_EQ(sectab.findSectionByName(std::string("a.sec")), a);
  EXPECT_EQ(sectab.findSectionByName(a->getWord()), a);
  EXPECT_EQ(sectab.findSectionByName(std::string("c.sec")), nullptr);
  EXPECT_EQ(sectab.findSectionByPrefixName(".debug_"), d);
  EXPECT_EQ(sectab.findSectionByPrefixName(".debug_xy"), nullptr);
  EXPECT_EQ(sectab.getSectionData(a), nullptr); // no subsection yet
  Word other("new");
  EXPECT_EQ(sectab.findSectionByName(&other), nullptr);
  EXPECT_EQ(sectab.getSectionSequence().size(), 3u);
  sectab.getSection(&other, &created);
  EXPECT_TRUE(created);
}

TEST(SectionClassification, ExactTypeAndFlags) {
  Word name(".text");
  Section s(&name);
  s.setType(SHT_PROGBITS);
  s.setFlags(SHF_ALLOC | SHF_EXECINSTR);
  EXPECT_TRUE(s.isText());
  EXPECT_FALSE(s.isData());
  s.setFlags(SHF_ALLOC | SHF_EXECINSTR | SHF_WRITE);
  EXPECT_FALSE(s.isText()); // named .text but not text
  s.setFlags(SHF_ALLOC | SHF_WRITE);
  EXPECT_TRUE(s.isData());
  EXPECT_FALSE(s.isBss());
  s.setType(SHT_NOBITS);
  EXPECT_TRUE(s.isBss());
  EXPECT_FALSE(s.isData());
  s.setType(SHT_NULL);
  EXPECT_TRUE(s.isUndef());
  s.setIndex(Section::ABS_INDEX);
  EXPECT_TRUE(s.isAbs());
  EXPECT_FALSE(s.isUndef());
  s.setIndex(Section::COMMON_INDEX);
  EXPECT_TRUE(s.isCommon());
  EXPECT_FALSE(s.isAbs());
  EXPECT_EQ(s.getStrName(), ".text");
}

// Many labels after one alignment and many subsections in one section:
// recording, layout and lookups at scale (timed in bench/, not here).
TEST_F(SectabTest, ManyLabelsAndSubsectionsLayOut) {
  const uint32_t n = 100000;
  Section *s = data();
  Subsection *sub = sectab.getSubsection(s, 0);
  sub->moveDot(1);
  sub->addAlignmentBlock(4, 0, 0);
  std::vector<uint32_t> labels;
  for (uint32_t i = 0; i < n; ++i) {
    labels.push_back(sub->getDot());
    sub->moveDot(2);
  }
  for (uint32_t i = n; i > 0; --i)
    sectab.getSubsection(s, i)->moveDot(1);
  ASSERT_TRUE(sectab.sortSectionSubsections());
  EXPECT_EQ(sub->getDot(labels[0]), 4u);
  EXPECT_EQ(sub->getDot(labels[n - 1]), 4u + 2 * (n - 1));
  const std::vector<Subsection *> &seq =
      sectab.getSectionData(s)->getSubsectionSequence();
  EXPECT_EQ(seq.back()->getIndex(), int64_t(n));
  EXPECT_EQ(seq.back()->getOffset(), 4u + 2 * n + (n - 1));
}

} // namespace
