// blocks_test.cpp - conditional and repetition blocks against an independent
// model, deep nesting, include depth and bodies replayed across buffers.
#include "assembly_fixture.h"
#include "buffer.h"
#include "parser.h"
#include "sectab.h"
#include "section.h"
#include "source_test_util.h"
#include "subsection.h"
#include "tokenizer.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <random>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

class BlocksTest : public AssemblyFixture {
protected:
  int assemble(const std::string &text,
               const std::vector<std::string> &includes = {}) {
    return AssemblyFixture::assemble(text, 0x8100, includes);
  }

  // The bytes of .data, subsection 0 (the only one these sources use).
  Bytes data() {
    const Section *section = parser->getSectab()->findSectionByName(
        parser->getTokenizer()->getWord(".data"));
    const SectionData *sd = parser->getSectab()->getSectionData(section);
    if (!sd || sd->getSubsectionSequence().empty())
      return {};
    const Subsection *sub = sd->getSubsectionSequence().front();
    const Buffer *b = sub->asData() ? sub->asData()->getData() : nullptr;
    if (!b)
      return {};
    // Pass 2 must have written exactly what pass 1 counted.
    EXPECT_EQ(b->getDataSize(), b->getSize());
    return Bytes(b->constData(), b->constData() + b->getDataSize());
  }
};

// A random program of nested blocks, rendered as source and evaluated on
// its own, without the assembler.
class BlockProgram {
public:
  explicit BlockProgram(unsigned seed) : rng(seed) {}

  void generate(int depth, std::string &text, Bytes &expected, bool live) {
    const int statements = pick(1, 4);
    for (int i = 0; i < statements; ++i) {
      const int kind = depth >= 4 ? 0 : pick(0, 3);
      if (kind == 0) {
        const uint8_t value = uint8_t(pick(0, 255));
        text += "\t.byte " + std::to_string(value) + "\n";
        if (live)
          expected.push_back(value);
      } else if (kind == 1) {
        const int count = pick(-1, 3);
        text += "\t.rept " + std::to_string(count) + "\n";
        // The body is rendered once; the model replays its bytes.
        Bytes body;
        generate(depth + 1, text, body, true);
        text += "\t.endr\n";
        for (int n = 0; live && n < count; ++n)
          expected.insert(expected.end(), body.begin(), body.end());
      } else {
        conditional(depth, text, expected, live);
      }
    }
  }

private:
  int pick(int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(rng);
  }

  // One test whose truth the model knows.
  std::string condition(bool &truth) {
    const int value = pick(-2, 2);
    switch (pick(0, 6)) {
    case 0:
      truth = value != 0;
      return ".if " + std::to_string(value);
    case 1:
      truth = value == 0;
      return ".ifeq " + std::to_string(value);
    case 2:
      truth = value > 0;
      return ".ifgt " + std::to_string(value);
    case 3:
      truth = value <= 0;
      return ".ifle " + std::to_string(value);
    case 4:
      truth = value < 0;
      return ".iflt (" + std::to_string(value) + ")";
    case 5:
      truth = value == 0;
      return value == 0 ? ".ifb" : ".ifb " + std::to_string(value);
    default:
      truth = value >= 0;
      return ".ifge " + std::to_string(value);
    }
  }

  void conditional(int depth, std::string &text, Bytes &expected, bool live) {
    bool truth = false;
    text += "\t" + condition(truth) + "\n";
    bool taken = live && truth;
    generate(depth + 1, text, expected, taken);
    bool done = truth;
    const int elseifs = pick(0, 2);
    for (int i = 0; i < elseifs; ++i) {
      const int value = pick(0, 1);
      text += "\t.elseif " + std::to_string(value) + "\n";
      taken = live && !done && value != 0;
      generate(depth + 1, text, expected, taken);
      done = done || value != 0;
    }
    if (pick(0, 1)) {
      text += "\t.else\n";
      generate(depth + 1, text, expected, live && !done);
    }
    text += "\t.endif\n";
  }

  std::mt19937 rng;
};

TEST_F(BlocksTest, RandomNestedBlocksPlaceWhatTheModelSays) {
  for (unsigned seed = 1; seed <= 150; ++seed) {
    BlockProgram program(seed);
    std::string text = "\t.data\n";
    Bytes expected;
    program.generate(0, text, expected, true);
    ASSERT_EQ(assemble(text), 0) << messages << "\n" << text;
    EXPECT_EQ(messages, "") << text;
    EXPECT_EQ(data(), expected) << "seed " << seed << "\n" << text;
  }
}

TEST_F(BlocksTest, DeepNestingIsReadWithoutRecursion) {
  const int depth = 20000;
  std::string text = "\t.data\n";
  for (int i = 0; i < depth; ++i)
    text += "\t.if 1\n";
  text += "\t.byte 1\n";
  for (int i = 0; i < depth; ++i)
    text += "\t.endif\n";
  // A false branch holding deeply nested blocks, .else lines among them.
  text += "\t.if 0\n";
  for (int i = 0; i < depth; ++i)
    text += i % 2 ? "\t.rept 2\n" : "\t.ifdef x\n\t.else\n";
  text += "\t.byte 0xee\n";
  for (int i = depth; i-- > 0;)
    text += i % 2 ? "\t.endr\n" : "\t.endif\n";
  text += "\t.else\n\t.byte 2\n\t.endif\n";
  for (int i = 0; i < depth; ++i)
    text += "\t.rept 1\n";
  text += "\t.byte 3\n";
  for (int i = 0; i < depth; ++i)
    text += "\t.endr\n";
  ASSERT_EQ(assemble(text), 0) << messages;
  EXPECT_EQ(data(), (Bytes{1, 2, 3}));
}

TEST_F(BlocksTest, ReplayedBodyCrossesReaderBuffers) {
  // The body starts and ends far apart in a file much larger than one read
  // buffer: going back means reading the file again from the saved point.
  const std::string filler(200, 'x');
  std::string padding;
  for (int i = 0; i < 2000; ++i)
    padding += "; " + filler + "\n";
  const std::string text = "\t.data\n" + padding + "\t.rept 3\n\t.byte 1\n" +
                           padding + "\t.byte 2\n\t.endr\n" + padding +
                           "\t.byte 3\n";
  ASSERT_GT(text.size(), 1000000u);
  ASSERT_EQ(assemble(text), 0) << messages;
  EXPECT_EQ(data(), (Bytes{1, 2, 1, 2, 1, 2, 3}));
}

TEST_F(BlocksTest, ReplayedLinesKeepTheirLocations) {
  // Line 4 holds the error; every repetition must name line 4, column 10.
  ASSERT_EQ(assemble("\t.data\n\t.rept 3\n\t.byte 1\n\t.byte 1 2\n\t.endr\n"),
            3)
      << messages;
  const std::string one =
      source + ":4:10: error: extra tokens at end of line from token '2'\n";
  EXPECT_EQ(messages, one + one + one);
}

// Writes f1.inc ... fN.inc, each placing its number and including the next.
void writeChain(const ScratchDir &dir, int length) {
  for (int k = 1; k <= length; ++k) {
    std::string text = "\t.byte " + std::to_string(k) + "\n";
    if (k < length)
      text += "\t.include \"f" + std::to_string(k + 1) + ".inc\"\n";
    dir.write("f" + std::to_string(k) + ".inc", text);
  }
}

TEST_F(BlocksTest, IncludeChainUpToSixtyFourOpenFiles) {
  // The main file and 63 included files: all open at once, all assembled.
  writeChain(scratch, 63);
  ASSERT_EQ(assemble("\t.data\n\t.include \"f1.inc\"\n", {scratch.path()}), 0)
      << messages;
  Bytes expected;
  for (int k = 1; k <= 63; ++k)
    expected.push_back(uint8_t(k));
  EXPECT_EQ(data(), expected);
}

TEST_F(BlocksTest, IncludeBeyondSixtyFourOpenFilesIsRefused) {
  writeChain(scratch, 70);
  ASSERT_EQ(assemble("\t.data\n\t.include \"f1.inc\"\n", {scratch.path()}), 1)
      << messages;
  EXPECT_EQ(messages, scratch.path() +
                          "/f63.inc:2:11: error: include nesting too deep "
                          "(64 levels); 'f64.inc' not included\n");
}

TEST_F(BlocksTest, IncludeDirectoriesLastGivenFirst) {
  ::mkdir((scratch.path() + "/one").c_str(), 0755);
  ::mkdir((scratch.path() + "/two").c_str(), 0755);
  scratch.write("one/x.inc", "\t.byte 1\n");
  scratch.write("two/x.inc", "\t.byte 2\n");
  const std::string one = scratch.path() + "/one";
  const std::string two = scratch.path() + "/two";
  ASSERT_EQ(assemble("\t.data\n\t.include \"x.inc\"\n", {one, two}), 0)
      << messages;
  EXPECT_EQ(data(), Bytes{2});
  ASSERT_EQ(assemble("\t.data\n\t.include \"x.inc\"\n", {two, one}), 0)
      << messages;
  EXPECT_EQ(data(), Bytes{1});
}

// A regular file this process cannot open for reading, or "" when none can
// be made (a privileged user opens everything that is not write-only).
std::string unreadableFile(const ScratchDir &dir) {
  const std::string path = dir.write("locked.inc", "\t.byte 1\n");
  ::chmod(path.c_str(), 0);
  if (FILE *f = std::fopen(path.c_str(), "r"))
    std::fclose(f);
  else
    return path;
  const std::string writeOnly = "/proc/sys/vm/compact_memory";
  struct stat st;
  if (::stat(writeOnly.c_str(), &st) == 0 && S_ISREG(st.st_mode)) {
    if (FILE *f = std::fopen(writeOnly.c_str(), "r"))
      std::fclose(f);
    else
      return writeOnly;
  }
  return "";
}

TEST_F(BlocksTest, IncludeThatCannotBeOpened) {
  const std::string path = unreadableFile(scratch);
  if (path.empty())
    GTEST_SKIP() << "no unreadable regular file available";
  ASSERT_EQ(assemble("\t.data\n\t.include \"" + path + "\"\n\t.byte 2\n"), 1)
      << messages;
  EXPECT_EQ(messages,
            source + ":2:11: error: can't open '" + path + "' for reading\n");
}

} // namespace
