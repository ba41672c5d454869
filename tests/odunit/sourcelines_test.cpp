// sourcelines_test.cpp - source lines above a listing's operations: which
// row a key falls in, what is shown, and files that cannot be read.
#include "sourcelines.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace zvod {
namespace {

class Lines : public ::testing::Test {
protected:
  void SetUp() override {
    char pattern[] = "/tmp/zv-sourcelines-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir = pattern;
    std::ofstream(dir + "/a.s") << "one\ntwo\r\nthree\n";
  }
  void TearDown() override {
    std::remove((dir + "/a.s").c_str());
    rmdir(dir.c_str());
  }
  std::string dir;
};

TEST_F(Lines, ARowCoversTheCodeUpToTheNextRow) {
  std::ostringstream warnings, out;
  SourceLines lines(true, true, "f", warnings);
  lines.setFiles({dir + "/a.s"});
  lines.add(8, 0, 1);
  lines.add(24, 0, 2);
  lines.addEnd(40);
  EXPECT_FALSE(lines.before(0, out)); // before the first row
  EXPECT_TRUE(lines.before(8, out));
  EXPECT_FALSE(lines.before(16, out)); // still line 1
  EXPECT_TRUE(lines.before(32, out));  // inside the row of line 2
  EXPECT_FALSE(lines.before(40, out)); // past the end of the sequence
  EXPECT_EQ(out.str(), dir + "/a.s:1\none\n" + dir + "/a.s:2\ntwo\n");
  // A new section shows its first line again.
  lines.restart();
  std::ostringstream again;
  EXPECT_TRUE(lines.before(32, again));
  EXPECT_EQ(again.str(), dir + "/a.s:2\ntwo\n");
  EXPECT_EQ(warnings.str(), "");
}

TEST_F(Lines, ASequenceThatBeginsWhereOneEndsHasItsLine) {
  std::ostringstream warnings, out;
  SourceLines lines(true, false, "f", warnings);
  lines.setFiles({dir + "/a.s"});
  lines.add(0, 0, 1);
  lines.addEnd(8);
  lines.add(8, 0, 3);
  lines.addEnd(16);
  EXPECT_TRUE(lines.before(8, out));
  EXPECT_EQ(out.str(), "three\n");
}

TEST_F(Lines, AFileThatCannotBeReadIsSaidOnce) {
  std::ostringstream warnings, out;
  SourceLines lines(true, true, "img", warnings);
  lines.setFiles({dir + "/gone.s", "/dev/zero", dir + "/a.s"});
  lines.add(0, 0, 1);
  lines.add(4, 0, 2);
  lines.add(8, 1, 1);
  lines.add(12, 2, 9); // past the file's end
  for (uint64_t key : {0, 4, 8, 12})
    lines.before(key, out);
  EXPECT_EQ(warnings.str(),
            "warning: img: cannot read source file '" + dir +
                "/gone.s'; its lines are not shown\n"
                "warning: img: cannot read source file '/dev/zero'; its "
                "lines are not shown\n");
  // -l still gives the places.
  EXPECT_EQ(out.str(), dir + "/gone.s:1\n" + dir + "/gone.s:2\n" +
                           "/dev/zero:1\n" + dir + "/a.s:9\n");
}

} // namespace
} // namespace zvod
