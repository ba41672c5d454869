// imagelabels_test.cpp - labels of an image from a link map and from
// debugging entries, and addresses named by them.
#include "dwarfreader.h"
#include "imagelabels.h"

#include <gtest/gtest.h>

#include <string>

namespace zvod {
namespace {

// A map as zv-ld -M writes it, with a name of more than 40 characters,
// which leaves no blank before its value.
const char *const map =
    "File a.o\n"
    "    section .text\n"
    "\tGLOBAL start                                   0x00000008\n"
    "\tLOCAL  again                                   0x0000002C\n"
    "\tLOCAL  next                                    0x0000002C\n"
    "\n"
    "    section .data\n"
    "\tLOCAL  v                                       0x00040000\n"
    "\tWEAK   a_name_that_is_longer_than_forty_characters0x00040008\n"
    "\n"
    "    section *ABS*\n"
    "\tLOCAL  STEP                                    0x00000001\n"
    "\n"
    "\n"
    "File lib.a(b.o)\n"
    "    section .bss\n"
    "\tGLOBAL buffer                                  0x00040010\n"
    "\n";

TEST(ImageLabels, ReadsTheLinkMap) {
  ImageLabels labels;
  ASSERT_TRUE(labels.fromMap(map)) << labels.getLastError();
  ASSERT_EQ(labels.getCode().size(), 3u);
  EXPECT_EQ(labels.getCode()[0].name, "start");
  // Two labels of one address keep the map's order.
  EXPECT_EQ(labels.getCode()[1].name, "again");
  EXPECT_EQ(labels.getCode()[2].name, "next");
  std::string name;
  EXPECT_TRUE(labels.codeName(0x2C, name));
  EXPECT_EQ(name, "again");
  EXPECT_TRUE(labels.codeName(0x10, name));
  EXPECT_EQ(name, "start+0x8");
  EXPECT_FALSE(labels.codeName(0x4, name)); // below every label
  EXPECT_TRUE(labels.dataName(0x40008, name));
  EXPECT_EQ(name, "a_name_that_is_longer_than_forty_characters");
  EXPECT_TRUE(labels.dataName(0x40014, name));
  EXPECT_EQ(name, "buffer+0x4");
  // Absolute symbols name nothing.
  EXPECT_FALSE(labels.dataName(1, name));
  EXPECT_FALSE(labels.codeName(1, name));
}

TEST(ImageLabels, AnAddressPastTheMemoryNamesNoLabel) {
  ImageLabels labels;
  ASSERT_TRUE(labels.fromMap(map));
  labels.setDataEnd(0x40020);
  labels.setCodeEnd(0x40);
  std::string name;
  EXPECT_TRUE(labels.dataName(0x4001F, name));
  EXPECT_FALSE(labels.dataName(0x40020, name));
  EXPECT_TRUE(labels.codeName(0x3F, name));
  EXPECT_FALSE(labels.codeName(0x40, name));
}

TEST(ImageLabels, RefusesWhatIsNoLinkMap) {
  for (const char *text :
       {"; a source\n        .text\n", "\tGLOBAL start 0x00000008\n",
        "File a.o\n    section .text\n\tGLOBAL start   0x0000000G\n",
        "File a.o\n    section .text\nstart 0x00000008\n"}) {
    ImageLabels labels;
    EXPECT_FALSE(labels.fromMap(text)) << text;
    EXPECT_NE(labels.getLastError().find("not a link map (line "),
              std::string::npos);
    EXPECT_TRUE(labels.empty());
  }
  ImageLabels none;
  EXPECT_TRUE(none.fromMap(""));
  EXPECT_TRUE(none.empty());
}

TEST(ImageLabels, DebuggingEntriesOfZP100AreInPositions) {
  const std::vector<DebugLabel> entries = {
      {"main", 3 * 32, true}, {"start", 32, true}, {"v", 4, false}};
  ImageLabels rows;
  rows.fromDebugInfo(entries, true);
  ASSERT_EQ(rows.getCode().size(), 2u);
  EXPECT_EQ(rows.getCode()[0].name, "start");
  EXPECT_EQ(rows.getCode()[0].address, 1u);
  EXPECT_EQ(rows.getCode()[1].address, 3u);
  std::string name;
  EXPECT_TRUE(rows.dataName(4, name));
  EXPECT_EQ(name, "v");
  ImageLabels bytes;
  bytes.fromDebugInfo(entries, false);
  EXPECT_EQ(bytes.getCode()[0].address, 32u);
}

} // namespace
} // namespace zvod
