// build_options_test.cpp - what build tools hand the programs: @file words,
// --defsym definitions, --debug-prefix-map entries and the --MD rule.
#include "dependencyfile.h"
#include "pathprefixmap.h"
#include "responsefile.h"
#include "source_test_util.h"
#include "symboldefinition.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using Words = std::vector<std::string>;

TEST(ResponseFileSplit, BlanksQuotesAndBackslashes) {
  EXPECT_EQ(ResponseFiles::split(""), Words{});
  EXPECT_EQ(ResponseFiles::split(" \t\r\n\f\v "), Words{});
  EXPECT_EQ(ResponseFiles::split("a  b\tc\r\nd"), (Words{"a", "b", "c", "d"}));
  // Quotes join blanks into a word and may stand inside one.
  EXPECT_EQ(ResponseFiles::split("'a b' \"c d\" x'y z'w"),
            (Words{"a b", "c d", "xy zw"}));
  // Each quote takes the other as it is; an empty pair is an empty word.
  EXPECT_EQ(ResponseFiles::split("\"it's\" 'say \"hi\"' '' \"\""),
            (Words{"it's", "say \"hi\"", "", ""}));
  // A backslash takes the next character, inside quotes too.
  EXPECT_EQ(ResponseFiles::split("a\\ b c\\\\d \\'e\\' \"f\\\"g\""),
            (Words{"a b", "c\\d", "'e'", "f\"g"}));
  // A backslash at the end has nothing to take; an open quote runs to the
  // end.
  EXPECT_EQ(ResponseFiles::split("x\\"), (Words{"x"}));
  EXPECT_EQ(ResponseFiles::split("'open to the end"),
            (Words{"open to the end"}));
  EXPECT_EQ(ResponseFiles::split("a\\\nb"), (Words{"a\nb"}));
}

class ResponseFileTest : public ::testing::Test {
protected:
  std::string file(const std::string &name, const std::string &text) {
    return scratch.write(name, text);
  }
  // The expanded arguments after the program name, or the error.
  Words expand(const Words &args, bool expectOk = true) {
    std::vector<std::string> storage{"prog"};
    storage.insert(storage.end(), args.begin(), args.end());
    std::vector<char *> argv;
    for (std::string &s : storage)
      argv.push_back(s.data());
    argv.push_back(nullptr);
    ResponseFiles files;
    bool ok = files.expand(int(storage.size()), argv.data());
    EXPECT_EQ(ok, expectOk);
    if (!ok)
      return {files.getLastError()};
    EXPECT_EQ(std::string(files.argv()[0]), "prog");
    EXPECT_EQ(files.argv()[files.argc()], nullptr);
    return Words(files.argv() + 1, files.argv() + files.argc());
  }

  ScratchDir scratch;
  const std::string dir = scratch.path();
};

TEST_F(ResponseFileTest, WordsReplaceTheArgumentInPlace) {
  std::string inner = file("inner", "-c 'd e'");
  std::string outer = file("outer", "-b @" + inner + " -f");
  EXPECT_EQ(expand({"-a", "@" + outer, "-g"}),
            (Words{"-a", "-b", "-c", "d e", "-f", "-g"}));
  // An empty file takes its argument away.
  EXPECT_EQ(expand({"x", "@" + file("empty", ""), "y"}), (Words{"x", "y"}));
  // The program name is never read as a file.
  EXPECT_EQ(expand({}), Words{});
}

TEST_F(ResponseFileTest, UnreadableFilesStayArguments) {
  EXPECT_EQ(expand({"@" + dir + "/missing", "@" + dir, "@", "@@"}),
            (Words{"@" + dir + "/missing", "@" + dir, "@", "@@"}));
  // Inside a file as well.
  std::string f = file("f", "@" + dir + "/missing");
  EXPECT_EQ(expand({"@" + f}), (Words{"@" + dir + "/missing"}));
}

TEST_F(ResponseFileTest, NestingIsBounded) {
  // A chain of exactly the bound's depth is read whole.
  std::string last = file("f0", "end");
  for (unsigned i = 1; i < ResponseFiles::MAX_DEPTH; ++i)
    last = file("f" + std::to_string(i), "@" + last);
  EXPECT_EQ(expand({"@" + last}), (Words{"end"}));
  // One more level, or a file naming itself, is refused.
  std::string deeper = file("deeper", "@" + last);
  EXPECT_EQ(expand({"@" + deeper}, false),
            (Words{"response file '" + dir +
                   "/f0' nested more than 32 levels deep"}));
  std::string self = file("self", "a @" + dir + "/self");
  EXPECT_EQ(expand({"@" + self}, false).size(), 1u);
}

TEST_F(ResponseFileTest, FilesNamingEachOtherTwiceAreBounded) {
  // Each level names the next twice: 2^20 files to read without a count.
  std::string last = file("g0", "x");
  for (int i = 1; i <= 20; ++i)
    last = file("g" + std::to_string(i), "@" + last + " @" + last);
  Words result = expand({"@" + last}, false);
  ASSERT_EQ(result.size(), 1u);
  EXPECT_NE(result[0].find("more than 4096 response files"), std::string::npos)
      << result[0];
}

TEST(SymbolDefinitionTest, NamesAndNumbers) {
  SymbolDefinition d;
  std::string error;
  struct Case {
    const char *text;
    const char *name;
    int64_t value;
  } good[] = {
      {"A=0", "A", 0},
      {"_x.y1=42", "_x.y1", 42},
      {".L1=-7", ".L1", -7},
      {"H=0x7fffFFFF", "H", 0x7fffffff},
      {"B=0b101", "B", 5},
      {"O=017", "O", 15},
      {"MAX=0xffffffffffffffff", "MAX", -1},
      {"MIN=-0x8000000000000000", "MIN", INT64_MIN},
  };
  for (const Case &c : good) {
    ASSERT_TRUE(SymbolDefinition::parse(c.text, d, error)) << c.text;
    EXPECT_EQ(d.name, c.name);
    EXPECT_EQ(d.value, c.value) << c.text;
  }
  const char *bad[] = {"A",
                       "=1",
                       "1A=2",
                       ".=1",
                       "A B=1",
                       "A=",
                       "A=-",
                       "A=0x",
                       "A=08",
                       "A=1=2",
                       "A=1 ",
                       "A=0x10000000000000000",
                       "A=-0x8000000000000001"};
  for (const char *text : bad) {
    error.clear();
    EXPECT_FALSE(SymbolDefinition::parse(text, d, error)) << text;
    EXPECT_FALSE(error.empty()) << text;
  }
}

TEST(PathPrefixMapTest, TheLastMatchingEntryWins) {
  PathPrefixMap map;
  std::string error;
  EXPECT_EQ(map.apply("/a/b"), "/a/b");
  ASSERT_TRUE(map.add("/a=/x", error));
  ASSERT_TRUE(map.add("/a/b=/y", error));
  ASSERT_TRUE(map.add("/c=", error));
  EXPECT_EQ(map.apply("/a/b/c"), "/y/c");
  EXPECT_EQ(map.apply("/a/c"), "/x/c");
  EXPECT_EQ(map.apply("/c/d"), "/d");
  EXPECT_EQ(map.apply("/d"), "/d");
  // Plain text beginnings, as the entries are written.
  EXPECT_EQ(map.apply("/ab"), "/xb");
  // Only the first replacement is made: the result is not mapped again.
  ASSERT_TRUE(map.add("/x=/z", error));
  EXPECT_EQ(map.apply("/a/c"), "/x/c");
  EXPECT_FALSE(map.add("noequals", error));
  EXPECT_FALSE(map.add("=/new", error));
  EXPECT_FALSE(map.isEmpty());
}

TEST(DependencyFileTest, EscapesWhatMakeWouldRead) {
  EXPECT_EQ(DependencyFile::escape("plain/file.s"), "plain/file.s");
  EXPECT_EQ(DependencyFile::escape("a b\tc"), "a\\ b\\\tc");
  EXPECT_EQ(DependencyFile::escape("#x$y"), "\\#x$$y");
  // Backslashes before a blank are doubled so that they read back.
  EXPECT_EQ(DependencyFile::escape("a\\ b"), "a\\\\\\ b");
  EXPECT_EQ(DependencyFile::escape("a\\b"), "a\\b");
}

TEST(DependencyFileTest, TheSourceLastAndLongLinesContinued) {
  DependencyFile rule;
  std::string text;
  ASSERT_TRUE(rule.format("out.o", {"main.s"}, text));
  EXPECT_EQ(text, "out.o: main.s\n");
  ASSERT_TRUE(rule.format("o", {}, text));
  EXPECT_EQ(text, "o:\n");

  std::vector<std::string> files{"main.s"};
  for (int i = 0; i < 12; ++i)
    files.push_back("include/file" + std::to_string(i) + ".inc");
  ASSERT_TRUE(rule.format("build/main.o", files, text));
  // Every line but the last ends in " \", none is longer than the width
  // (a single long name aside), and the names come back in order.
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  ASSERT_GT(lines.size(), 1u);
  std::string joined;
  for (size_t i = 0; i < lines.size(); ++i) {
    EXPECT_LE(lines[i].size(), DependencyFile::LINE_WIDTH) << lines[i];
    std::string line = lines[i];
    if (i + 1 < lines.size()) {
      ASSERT_GE(line.size(), 2u);
      EXPECT_EQ(line.substr(line.size() - 2), " \\");
      line.resize(line.size() - 2);
    }
    joined += line;
  }
  std::string expected = "build/main.o:";
  for (size_t i = 1; i < files.size(); ++i)
    expected += " " + files[i];
  expected += " main.s";
  EXPECT_EQ(joined, expected);

  // A name longer than a line stands alone on its line.
  std::string longName(100, 'n');
  ASSERT_TRUE(rule.format("t", {"m.s", longName}, text));
  EXPECT_EQ(text, "t: " + longName + " \\\n m.s\n");
}

TEST(DependencyFileTest, ANameWithALineEndCannotBeWritten) {
  DependencyFile rule;
  std::string text;
  EXPECT_FALSE(rule.format("out.o", {"main.s", "bad\nname"}, text));
  EXPECT_EQ(rule.getLastError(), "a make rule can't name 'bad\nname'");
  EXPECT_FALSE(rule.format("out\r.o", {"main.s"}, text));
}

TEST_F(ResponseFileTest, DependencyFileIsWrittenWhole) {
  DependencyFile rule;
  const std::string name = dir + "/x.d";
  ASSERT_TRUE(rule.write(name, "x.o", {"x.s", "a b.inc"}));
  std::ifstream in(name);
  std::string text((std::istreambuf_iterator<char>(in)),
                   std::istreambuf_iterator<char>());
  EXPECT_EQ(text, "x.o: a\\ b.inc x.s\n");
  // Nothing but the rule is left beside it.
  int entries = 0;
  for (const auto &e : std::filesystem::directory_iterator(dir)) {
    (void)e;
    ++entries;
  }
  EXPECT_EQ(entries, 1);
  // A directory that is not there: no rule and no scratch file.
  EXPECT_FALSE(rule.write(dir + "/no/x.d", "x.o", {"x.s"}));
  EXPECT_FALSE(rule.getLastError().empty());
}

} // namespace
