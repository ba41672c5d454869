// tokenizer_test.cpp - the token stream: includes, read failures, aliases,
// saved states and .end.
#include <cstdio>
#include <iterator>
#include <memory>
#include <random>
#include <sstream>
#include <vector>

#include <gtest/gtest.h>

#include "source_test_util.h"
#include "tokenizer.h"

namespace {

class TokenizerTest : public ::testing::Test {
protected:
  // The next token (aliases expanded) with its location.
  Scanned next() {
    Token *t = tokenizer.nextToken();
    const Location &l = tokenizer.getTokenLocation();
    Scanned s = describe(t, l.getLine(), l.getCol());
    s.text = s.text.empty() ? tokenizer.displayText(t) : s.text;
    return s;
  }

  // Display texts of every token up to 256, with line ends as "|".
  std::string rest() {
    std::string out;
    for (int guard = 0; guard < 100000; ++guard) {
      Token *t = tokenizer.nextToken();
      if (t->getCode() == TC_NONE)
        break;
      if (!out.empty())
        out += ' ';
      if (t->getCode() == TC_NEWLINE)
        out += '|';
      else if (t->getCode() == TC_EOF)
        out += "EOF";
      else
        out += tokenizer.displayText(t);
    }
    return out;
  }

  // Reads statements the way the parser does for ".alias".
  std::string readWithAliases() {
    std::string out;
    for (int guard = 0; guard < 100000; ++guard) {
      Token *t = tokenizer.nextToken();
      if (t->getCode() == TC_NONE)
        break;
      if (t->isWord() && static_cast<Word *>(t)->getName() == ".alias") {
        bool ok = false;
        Token *end = tokenizer.defineAlias(&ok);
        if (!ok)
          out += "[bad alias " + tokenizer.displayText(end) + "]";
        continue;
      }
      if (!out.empty())
        out += ' ';
      if (t->getCode() == TC_NEWLINE)
        out += '|';
      else if (t->getCode() == TC_EOF)
        out += "EOF";
      else
        out += tokenizer.displayText(t);
    }
    return out;
  }

  std::string prefix(const std::string &file, unsigned line, unsigned col) {
    std::ostringstream os;
    Location(file, line, col).print(os);
    return os.str();
  }

  ScratchDir dir;
  MessageLog log;
  Tokenizer tokenizer{&log.diagnostics};
};

TEST_F(TokenizerTest, OperatorWordsAreRegistered) {
  const char *spellings[] = {":=", "==", ">=", "<=", "&&",
                             "||", "!=", "<<", ">>"};
  int code = TC_ASSIGN;
  for (const char *spelling : spellings)
    EXPECT_EQ(tokenizer.getWord(spelling)->getCode(), code++) << spelling;
  EXPECT_EQ(tokenizer.getWord("nop")->getCode(), TC_WORD);
  EXPECT_EQ(tokenizer.getWord("nop"), tokenizer.getWord("nop"));
}

TEST_F(TokenizerTest, EmptyStackGivesNoMoreInput) {
  EXPECT_EQ(tokenizer.nextToken()->getCode(), TC_NONE);
  EXPECT_EQ(tokenizer.nextToken()->getCode(), TC_NONE);
  EXPECT_EQ(tokenizer.getTokenLocation().getLine(), 0u);
  EXPECT_EQ(tokenizer.getTokenLocation().getName(), "");
}

TEST_F(TokenizerTest, FileTokensWithOperatorCodes) {
  std::string path = dir.write("a.s", "x <> y << 2\n");
  ASSERT_TRUE(tokenizer.insertFile(FileName(path)));
  std::vector<int> codes;
  for (Token *t = tokenizer.nextToken(); t->getCode() != TC_NONE;
       t = tokenizer.nextToken())
    codes.push_back(t->getCode());
  EXPECT_EQ(codes, (std::vector<int>{TC_WORD, TC_NE, TC_WORD, TC_SHL, TC_NUMBER,
                                     TC_NEWLINE, TC_NEWLINE, TC_EOF}));
}

TEST_F(TokenizerTest, MissingFileIsRefused) {
  std::string path = dir.path() + "/none.s";
  EXPECT_FALSE(tokenizer.insertFile(FileName(path)));
  // Not an input that ended early: the last error stays empty.
  EXPECT_EQ(tokenizer.lastError(), "");
  EXPECT_EQ(tokenizer.nextToken()->getCode(), TC_NONE);
}

TEST_F(TokenizerTest, IncludedFileEndsBeforeTheIncludingFileGoesOn) {
  std::string main = dir.write("main.s", ".include inc\nafter\n");
  std::string inc = dir.write("inc.s", "inside 1");
  ASSERT_TRUE(tokenizer.insertFile(FileName(main)));
  EXPECT_EQ(next().text, ".include");
  EXPECT_EQ(next().text, "inc");
  Scanned lineEnd = next();
  EXPECT_EQ(lineEnd.code, TC_NEWLINE);
  EXPECT_EQ(lineEnd.line, 2u);
  ASSERT_TRUE(tokenizer.insertFile(FileName(inc)));
  Scanned inside = next();
  EXPECT_EQ(inside.text, "inside");
  EXPECT_EQ(tokenizer.getTokenLocation().getName(), inc);
  EXPECT_EQ(rest(), "1 | EOF after | | EOF");
  EXPECT_EQ(tokenizer.getTokenLocation().getName(), "");
}

TEST_F(TokenizerTest, AFileIsReadOncePerTokenizer) {
  std::string path = dir.write("once.s", ".byte 1\n");
  ASSERT_TRUE(tokenizer.insertFile(FileName(path)));
  EXPECT_EQ(rest(), ".byte 1 | | EOF");
  // Rewritten, or even removed, the file still gives the text first read:
  // the second pass sees what the first saw.
  dir.write("once.s", ".long 22, 33\n");
  ASSERT_TRUE(tokenizer.insertFile(FileName(path)));
  EXPECT_EQ(rest(), ".byte 1 | | EOF");
  ASSERT_EQ(std::remove(path.c_str()), 0);
  ASSERT_TRUE(tokenizer.insertFile(FileName(path)));
  EXPECT_EQ(rest(), ".byte 1 | | EOF");
  // Another tokenizer is another run.
  Tokenizer fresh(nullptr);
  EXPECT_FALSE(fresh.insertFile(FileName(path)));
}

TEST_F(TokenizerTest, ASavedStateReplaysFromMemoryAtTheEndOfTheFile) {
  // No line end after the last token: the replay starts from the end of
  // the file, where nothing is left to read but the text kept.
  std::string path = dir.write("end.s", "a\nb c");
  ASSERT_TRUE(tokenizer.insertFile(FileName(path)));
  EXPECT_EQ(next().text, "a");
  EXPECT_EQ(next().code, TC_NEWLINE);
  tokenizer.storeState();
  std::string body;
  for (int round = 0; round < 3; ++round) {
    EXPECT_EQ(next().text, "b");
    Scanned c = next();
    EXPECT_EQ(c.text, "c");
    EXPECT_EQ(c.line, 2u);
    EXPECT_EQ(next().code, TC_NEWLINE);
    tokenizer.restoreState();
  }
  tokenizer.purgeState();
  EXPECT_EQ(rest(), "b c | EOF");
}

TEST(SourceFiles, TheFirstReadIsKept) {
  ScratchDir dir;
  std::string path = dir.write("f.s", "first");
  SourceFiles files;
  std::shared_ptr<const SourceText> one = files.get(path);
  ASSERT_TRUE(one->opened);
  EXPECT_EQ(one->bytes, "first");
  EXPECT_EQ(one->error, "");
  dir.write("f.s", "second");
  EXPECT_EQ(files.get(path), one);
  EXPECT_EQ(SourceFiles::read(path)->bytes, "second");

  // A file that does not open stays unopened for the run, too.
  std::string missing = dir.path() + "/missing.s";
  EXPECT_FALSE(files.get(missing)->opened);
  EXPECT_EQ(files.get(missing)->error,
            "can't open file '" + missing + "' for reading");
  dir.write("missing.s", "late");
  EXPECT_FALSE(files.get(missing)->opened);
}

TEST(SourceFiles, AFailedReadKeepsTheBytesBeforeIt) {
  // Reading a directory fails at the first read, after the open.
  ScratchDir dir;
  std::shared_ptr<const SourceText> text = SourceFiles::read(dir.path());
  EXPECT_TRUE(text->opened);
  EXPECT_EQ(text->bytes, "");
  EXPECT_EQ(text->error, "can't read data from file '" + dir.path() + "'");
}

TEST_F(TokenizerTest, DeepIncludeChain) {
  // Each file names the next one; every file ends before its includer goes
  // on with its last word.
  const int depth = 300;
  for (int i = 0; i < depth; ++i)
    dir.write("f" + std::to_string(i) + ".s",
              "next\nback" + std::to_string(i) + "\n");
  ASSERT_TRUE(tokenizer.insertFile(FileName(dir.path() + "/f0.s")));
  int opened = 1;
  int ends = 0;
  std::vector<std::string> backs;
  for (Token *t = tokenizer.nextToken(); t->getCode() != TC_NONE;
       t = tokenizer.nextToken()) {
    std::string text = tokenizer.displayText(t);
    if (text == "next" && opened < depth) {
      ASSERT_TRUE(tokenizer.insertFile(
          FileName(dir.path() + "/f" + std::to_string(opened++) + ".s")));
    } else if (text.compare(0, 4, "back") == 0) {
      backs.push_back(text);
    }
    ends += t->getCode() == TC_EOF;
  }
  EXPECT_EQ(ends, depth);
  ASSERT_EQ(backs.size(), static_cast<size_t>(depth));
  EXPECT_EQ(backs.front(), "back" + std::to_string(depth - 1));
  EXPECT_EQ(backs.back(), "back0");
}

TEST_F(TokenizerTest, ReadFailureEndsAllInput) {
  std::string main = dir.write("main.s", "a\nb\nc\n");
  ASSERT_TRUE(tokenizer.insertFile(FileName(main)));
  EXPECT_EQ(next().text, "a");
  // A directory opens but fails to read.
  ASSERT_TRUE(tokenizer.insertFile(FileName(dir.path())));
  EXPECT_EQ(next().code, TC_NEWLINE);
  Token *t = tokenizer.nextToken();
  EXPECT_EQ(t->getCode(), TC_NONE);
  std::string error = "can't read data from file '" + dir.path() + "'";
  EXPECT_EQ(tokenizer.lastError(), error);
  EXPECT_EQ(tokenizer.displayText(t), "fatal error: " + error);
  // The including file is cut off too.
  EXPECT_EQ(tokenizer.nextToken()->getCode(), TC_NONE);
}

TEST_F(TokenizerTest, AliasExpandsAtItsUse) {
  std::string path = dir.write("a.s", ".alias TWO 1 + 1\nx TWO, TWO\n");
  ASSERT_TRUE(tokenizer.insertFile(FileName(path)));
  EXPECT_EQ(readWithAliases(), "x 1 + 1 , 1 + 1 | | EOF");
  EXPECT_EQ(log.text(), "");
}

TEST_F(TokenizerTest, AliasTokensCarryTheUseLocation) {
  std::string path = dir.write("a.s", ".alias V 0x10, \"s\", 'c\n  nop V\n");
  ASSERT_TRUE(tokenizer.insertFile(FileName(path)));
  EXPECT_EQ(next().text, ".alias");
  bool ok = false;
  EXPECT_EQ(tokenizer.defineAlias(&ok)->getCode(), TC_NEWLINE);
  EXPECT_TRUE(ok);
  EXPECT_EQ(next().text, "nop");
  std::vector<Scanned> value;
  for (int i = 0; i < 5; ++i)
    value.push_back(next());
  for (const Scanned &s : value) {
    EXPECT_EQ(s.line, 2u);
    EXPECT_EQ(s.col, 7u);
  }
  EXPECT_EQ(value[0].value, 0x10);
  EXPECT_EQ(value[0].view, NV_HEX);
  EXPECT_EQ(value[2].text, "s");
  EXPECT_EQ(value[4].value, 'c');
  EXPECT_EQ(value[4].view, NV_CHAR);
  Scanned lineEnd = next();
  EXPECT_EQ(lineEnd.code, TC_NEWLINE);
  EXPECT_EQ(lineEnd.col, 0u);
}

TEST_F(TokenizerTest, SelfReferenceExpandsOnce) {
  std::string path =
      dir.write("a.s", ".alias X X + 1\nX\n.alias A B\n.alias B A\nA B\n");
  ASSERT_TRUE(tokenizer.insertFile(FileName(path)));
  EXPECT_EQ(readWithAliases(), "X + 1 | A B | | EOF");
}

TEST_F(TokenizerTest, AliasInsideAliasValue) {
  std::string path = dir.write(
      "a.s", ".alias R #4\n.alias OP add R, @1\nOP\n.alias R #5\nOP\n");
  ASSERT_TRUE(tokenizer.insertFile(FileName(path)));
  EXPECT_EQ(readWithAliases(), "add # 4 , @ 1 | add # 5 , @ 1 | | EOF");
}

TEST_F(TokenizerTest, EmptyAliasWarnsAndExpandsToNothing) {
  std::string path = dir.write("e.s", "\n .alias NOTHING\na NOTHING b\n");
  ASSERT_TRUE(tokenizer.insertFile(FileName(path)));
  EXPECT_EQ(readWithAliases(), "| a b | | EOF");
  EXPECT_EQ(log.text(),
            prefix(path, 2, 9) + "warning: alias 'NOTHING' value is empty.\n");
}

TEST_F(TokenizerTest, RedefinitionWarnsAndReplaces) {
  std::string path = dir.write("r.s", ".alias V 1\nV\n.alias   V 2 3\nV\n");
  ASSERT_TRUE(tokenizer.insertFile(FileName(path)));
  EXPECT_EQ(readWithAliases(), "1 | 2 3 | | EOF");
  EXPECT_EQ(log.text(),
            prefix(path, 3, 10) + "warning: alias 'V' is redefined.\n" +
                prefix(path, 1, 8) +
                "note: this is the location of the previous alias 'V' "
                "definition\n");
}

TEST_F(TokenizerTest, WarningsOffKeepsQuiet) {
  Tokenizer quiet(nullptr);
  std::string path = dir.write("q.s", ".alias V\n.alias V\n\"open");
  ASSERT_TRUE(quiet.insertFile(FileName(path)));
  for (Token *t = quiet.nextToken(); t->getCode() != TC_NONE;
       t = quiet.nextToken()) {
    bool ok = false;
    if (t->isWord())
      quiet.defineAlias(&ok);
  }
  EXPECT_EQ(log.text(), "");
}

TEST_F(TokenizerTest, AliasNameMustBeAWord) {
  std::string path = dir.write("b.s", ".alias 12 x\n.alias := y\n");
  ASSERT_TRUE(tokenizer.insertFile(FileName(path)));
  EXPECT_EQ(next().text, ".alias");
  bool ok = true;
  Token *t = tokenizer.defineAlias(&ok);
  EXPECT_FALSE(ok);
  EXPECT_EQ(tokenizer.displayText(t), "12");
  EXPECT_EQ(next().text, "x");
  EXPECT_EQ(next().code, TC_NEWLINE);
  EXPECT_EQ(next().text, ".alias");
  t = tokenizer.defineAlias(&ok);
  EXPECT_FALSE(ok);
  EXPECT_EQ(t->getCode(), TC_ASSIGN);
}

TEST_F(TokenizerTest, AliasValueEndsAtTheEndOfTheFile) {
  std::string path = dir.write("f.s", ".alias LAST a b");
  ASSERT_TRUE(tokenizer.insertFile(FileName(path)));
  EXPECT_EQ(next().text, ".alias");
  bool ok = false;
  EXPECT_EQ(tokenizer.defineAlias(&ok)->getCode(), TC_NEWLINE);
  EXPECT_TRUE(ok);
  EXPECT_EQ(next().code, TC_EOF);
  EXPECT_EQ(next().code, TC_NONE);
}

TEST_F(TokenizerTest, RedefinitionReadsPastTheExpansion) {
  // The value of D redefines D: the definition reads the rest of the
  // expansion and then the rest of the line in the file.
  std::string path = dir.write("d.s", ".alias D .alias D new\nD old\nD\n");
  ASSERT_TRUE(tokenizer.insertFile(FileName(path)));
  EXPECT_EQ(readWithAliases(), "new old | | EOF");
  EXPECT_EQ(log.text(),
            prefix(path, 2, 1) + "warning: alias 'D' is redefined.\n" +
                prefix(path, 1, 8) +
                "note: this is the location of the previous alias 'D' "
                "definition\n");
}

TEST_F(TokenizerTest, RedefinitionDuringExpansionTakesEffectAfterIt) {
  // An alias whose value includes a file that redefines the alias: the
  // running expansion keeps its tokens, the next use sees the new value.
  std::string main = dir.write("m.s", ".alias I inc tail\nI\nI\n");
  std::string inc = dir.write("i.s", ".alias I changed\n");
  ASSERT_TRUE(tokenizer.insertFile(FileName(main)));
  std::string out;
  for (Token *t = tokenizer.nextToken(); t->getCode() != TC_NONE;
       t = tokenizer.nextToken()) {
    std::string text = tokenizer.displayText(t);
    bool ok = false;
    if (text == ".alias") {
      tokenizer.defineAlias(&ok);
      continue;
    }
    if (text == "inc") {
      ASSERT_TRUE(tokenizer.insertFile(FileName(inc)));
      continue;
    }
    out += (t->getCode() == TC_NEWLINE ? "|" : text) + " ";
  }
  EXPECT_EQ(out, "| <END OF FILE> tail | changed | | <END OF FILE> ");
  EXPECT_NE(log.text().find("warning: alias 'I' is redefined."),
            std::string::npos);
}

TEST_F(TokenizerTest, ClearAliasTableForgetsAliases) {
  std::string path = dir.write("c.s", ".alias K 7\nK\n");
  ASSERT_TRUE(tokenizer.insertFile(FileName(path)));
  EXPECT_EQ(readWithAliases(), "7 | | EOF");
  tokenizer.clearAliasTable();
  ASSERT_TRUE(tokenizer.insertFile(FileName(path)));
  EXPECT_EQ(next().text, ".alias");
  EXPECT_EQ(rest(), "K 7 | K | | EOF");
}

TEST_F(TokenizerTest, SavedStatesOnFilesAndAliases) {
  std::string path = dir.write("s.s", ".alias L p q\nL\nbody\nend\n");
  ASSERT_TRUE(tokenizer.insertFile(FileName(path)));
  EXPECT_EQ(next().text, ".alias");
  bool ok = false;
  tokenizer.defineAlias(&ok);
  // Inside the expansion: the state belongs to the alias source.
  EXPECT_EQ(next().text, "p");
  tokenizer.storeState();
  EXPECT_EQ(next().text, "q");
  tokenizer.restoreState();
  EXPECT_EQ(next().text, "q");
  tokenizer.purgeState();
  EXPECT_EQ(next().code, TC_NEWLINE);
  // In the file.
  tokenizer.storeState();
  EXPECT_EQ(next().text, "body");
  EXPECT_EQ(next().code, TC_NEWLINE);
  tokenizer.restoreState();
  EXPECT_EQ(next().text, "body");
  tokenizer.purgeState();
  EXPECT_EQ(rest(), "| end | | EOF");
}

TEST_F(TokenizerTest, EndStopsEveryFile) {
  std::string main = dir.write("main.s", ".alias A x y z\nm1\nm2\n");
  std::string inc = dir.write("inc.s", "i1 A\ni2\n");
  ASSERT_TRUE(tokenizer.insertFile(FileName(main)));
  EXPECT_EQ(next().text, ".alias");
  bool ok = false;
  tokenizer.defineAlias(&ok);
  EXPECT_EQ(next().text, "m1");
  ASSERT_TRUE(tokenizer.insertFile(FileName(inc)));
  EXPECT_EQ(next().text, "i1");
  EXPECT_EQ(next().text, "x");
  tokenizer.end();
  // The alias expansion is gone; each file gives its closing tokens.
  EXPECT_EQ(rest(), "| EOF | EOF");
}

TEST_F(TokenizerTest, DestroyedWithOpenSourcesAndAliases) {
  std::string path = dir.write("o.s", ".alias A 1 2\nA\n");
  auto owned = std::make_unique<Tokenizer>(&log.diagnostics);
  ASSERT_TRUE(owned->insertFile(FileName(path)));
  owned->nextToken();
  bool ok = false;
  owned->defineAlias(&ok);
  EXPECT_EQ(owned->displayText(owned->nextToken()), "1");
  owned.reset(); // with the expansion still on the stack
}

TEST_F(TokenizerTest, RandomSourcesAlwaysEnd) {
  // Fragments that exercise every scanner path, thrown together at random.
  const char *fragments[] = {
      "\"",         "\\",      "'",
      "\n",         "\r",      "\\0",
      "0f",         "0x",      "0b",
      "0",          "9",       "1e",
      "-",          "+",       ".",
      "e",          "/*",      "*/",
      "//",         ";",       "<",
      ">",          "=",       "!",
      "|",          "&",       ":",
      "x",          ".alias ", "A",
      " ",          "\t",      "\xff",
      "\x80",       "7",       "\\\n",
      "\"\\777",    "'\\",     ".alias A A A\n",
      ".alias A\n", ""}; // the empty fragment stands for a NUL byte
  std::mt19937 random(2024);
  for (int round = 0; round < 300; ++round) {
    std::string source;
    size_t length = random() % 200;
    for (size_t i = 0; i < length; ++i) {
      std::string piece = fragments[random() % std::size(fragments)];
      if (piece.empty())
        piece = std::string(1, '\0');
      source += piece;
    }
    std::string path = dir.write("r" + std::to_string(round) + ".s", source);
    Tokenizer t(&log.diagnostics);
    ASSERT_TRUE(t.insertFile(FileName(path)));
    int ends = 0;
    int count = 0;
    Token *token = t.nextToken();
    for (; token->getCode() != TC_NONE && count < 100000; ++count) {
      ends += token->getCode() == TC_EOF;
      bool ok = false;
      if (token->isWord() && static_cast<Word *>(token)->getName() == ".alias")
        token = t.defineAlias(&ok);
      else
        token = t.nextToken();
    }
    ASSERT_EQ(token->getCode(), TC_NONE) << source;
    EXPECT_EQ(ends, 1) << source;
  }
}

} // namespace
