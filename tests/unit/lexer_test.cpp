// lexer_test.cpp - scanning source files: every kind of token, the lexical
// warnings at their locations, saved states and malformed input.
#include <cfloat>
#include <cstring>
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "lexer.h"
#include "source_test_util.h"
#include "wordmap.h"

namespace {

double doubleOf(int64_t bits) {
  return Float::getDoubleFromDoubleRepresentation(bits);
}

class LexerTest : public ::testing::Test {
protected:
  // Scans the source until code 256 (and once more, to see it repeat).
  std::vector<Scanned> scan(const std::string &source,
                            const std::string &name = "f.s") {
    path = dir.write(name, source);
    return scanPath(path);
  }

  std::vector<Scanned> scanPath(const std::string &file) {
    std::vector<Scanned> tokens;
    MessageLog log;
    Lexer lexer(&words, &log.diagnostics);
    opened = lexer.openFile(FileName(file));
    for (int guard = 0; guard < 1000000; ++guard) {
      Token *t = lexer.scan();
      const Location &l = lexer.getTokenLocation();
      tokens.push_back(describe(t, l.getLine(), l.getCol()));
      if (t->getCode() == TC_NONE)
        break;
    }
    EXPECT_EQ(lexer.scan()->getCode(), TC_NONE);
    readError = lexer.getReader().lastError();
    warnings = log.text();
    return tokens;
  }

  // The tokens before the closing line end, end of file and 256.
  std::vector<Scanned> body(const std::string &source) {
    std::vector<Scanned> tokens = scan(source);
    EXPECT_GE(tokens.size(), 3u);
    if (tokens.size() < 3)
      return tokens;
    EXPECT_EQ(tokens[tokens.size() - 3].code, TC_NEWLINE);
    EXPECT_EQ(tokens[tokens.size() - 2].code, TC_EOF);
    EXPECT_EQ(tokens[tokens.size() - 1].code, TC_NONE);
    tokens.resize(tokens.size() - 3);
    return tokens;
  }

  ScratchDir dir;
  WordMap words;
  std::string path;
  std::string warnings;
  std::string readError;
  bool opened = false;
};

std::vector<int> codes(const std::vector<Scanned> &tokens) {
  std::vector<int> result;
  for (const Scanned &t : tokens)
    result.push_back(t.code);
  return result;
}

TEST_F(LexerTest, EmptyFileEndsWithLineEndAndEndOfFile) {
  std::vector<Scanned> tokens = scan("");
  EXPECT_EQ(codes(tokens), (std::vector<int>{TC_NEWLINE, TC_EOF, TC_NONE}));
  EXPECT_EQ(warnings, "");
}

TEST_F(LexerTest, LastLineIsAlwaysTerminated) {
  EXPECT_EQ(codes(scan("a b")),
            (std::vector<int>{TC_WORD, TC_WORD, TC_NEWLINE, TC_EOF, TC_NONE}));
  EXPECT_EQ(
      codes(scan("a\n")),
      (std::vector<int>{TC_WORD, TC_NEWLINE, TC_NEWLINE, TC_EOF, TC_NONE}));
}

TEST_F(LexerTest, TokenLocations) {
  std::vector<Scanned> t = scan("nop\n  add @1, #2\n");
  ASSERT_EQ(t.size(), 12u);
  EXPECT_EQ(t[0].text, "nop");
  EXPECT_EQ(t[0].line, 1u);
  EXPECT_EQ(t[0].col, 1u);
  // A line end sits at column 0 of the next line.
  EXPECT_EQ(t[1].code, TC_NEWLINE);
  EXPECT_EQ(t[1].line, 2u);
  EXPECT_EQ(t[1].col, 0u);
  EXPECT_EQ(t[2].text, "add");
  EXPECT_EQ(t[2].col, 3u);
  EXPECT_EQ(t[3].code, '@');
  EXPECT_EQ(t[3].col, 7u);
  EXPECT_EQ(t[4].value, 1);
  EXPECT_EQ(t[4].col, 8u);
  EXPECT_EQ(t[5].code, ',');
  EXPECT_EQ(t[6].code, '#');
  EXPECT_EQ(t[6].col, 11u);
  EXPECT_EQ(t[7].value, 2);
  EXPECT_EQ(t[10].code, TC_EOF);
  EXPECT_EQ(t[10].line, 3u);
  EXPECT_EQ(t[10].col, 0u);
}

TEST_F(LexerTest, WordsAndTheLoneDot) {
  std::vector<Scanned> t = body("_a.b9 .text . x.");
  ASSERT_EQ(t.size(), 4u);
  EXPECT_EQ(t[0].text, "_a.b9");
  EXPECT_EQ(t[1].text, ".text");
  EXPECT_EQ(t[2].code, '.');
  EXPECT_EQ(t[2].view, -1);
  EXPECT_EQ(t[3].text, "x.");
  // Interned: the same name is the same object.
  std::vector<Scanned> again = body(".text");
  EXPECT_EQ(again[0].token, t[1].token);
}

struct NumberCase {
  const char *source;
  int64_t value;
  int view;
  const char *rest; // the word that follows, if any
};

TEST_F(LexerTest, NumbersOfEveryBase) {
  const NumberCase cases[] = {
      {"123", 123, NV_DECIMAL, nullptr},
      {"0x1F", 0x1f, NV_HEX, nullptr},
      {"0XaBc", 0xabc, NV_HEX, nullptr},
      {"0b101", 5, NV_BINARY, nullptr},
      {"0B0", 0, NV_BINARY, nullptr},
      {"017", 15, NV_OCTAL, nullptr},
      {"0", 0, NV_DECIMAL, nullptr},
      {"0x", 0, NV_HEX, nullptr},
      {"0b", 0, NV_BINARY, nullptr},
      {"0x1g", 1, NV_HEX, "g"},
      {"0b12", 1, NV_BINARY, nullptr},
      {"1.5", 1, NV_DECIMAL, ".5"},
      {"12ab", 12, NV_DECIMAL, "ab"},
      {"18446744073709551617", 1, NV_DECIMAL, nullptr},
      {"0xffffffffffffffff", -1, NV_HEX, nullptr},
      {"0x10000000000000001", 1, NV_HEX, nullptr},
  };
  for (const NumberCase &c : cases) {
    SCOPED_TRACE(c.source);
    std::vector<Scanned> t = body(c.source);
    ASSERT_GE(t.size(), 1u);
    EXPECT_EQ(t[0].code, TC_NUMBER);
    EXPECT_EQ(t[0].value, c.value);
    EXPECT_EQ(t[0].view, c.view);
    if (c.rest != nullptr) {
      ASSERT_EQ(t.size(), 2u);
      EXPECT_EQ(t[1].text, c.rest);
    }
  }
  EXPECT_EQ(warnings, "");
}

TEST_F(LexerTest, OctalStopsAtEightAndNine) {
  std::vector<Scanned> t = body("019 08");
  ASSERT_EQ(t.size(), 4u);
  EXPECT_EQ(t[0].value, 1);
  EXPECT_EQ(t[0].view, NV_OCTAL);
  EXPECT_EQ(t[1].value, 9);
  EXPECT_EQ(t[1].view, NV_DECIMAL);
  EXPECT_EQ(t[1].col, 3u);
  EXPECT_EQ(t[2].value, 0);
  EXPECT_EQ(t[2].view, NV_DECIMAL);
  EXPECT_EQ(t[3].value, 8);
}

TEST_F(LexerTest, FloatingLiterals) {
  std::vector<Scanned> t = body("0f1.5 0f-2e3 0F+4 0f 0f.5e+1 0f7x");
  ASSERT_EQ(t.size(), 7u);
  for (int i = 0; i < 6; ++i)
    EXPECT_EQ(t[i].view, NV_FLOAT);
  EXPECT_EQ(doubleOf(t[0].value), 1.5);
  EXPECT_EQ(doubleOf(t[1].value), -2000.0);
  EXPECT_EQ(doubleOf(t[2].value), 4.0);
  EXPECT_EQ(t[3].value, 0);
  EXPECT_EQ(doubleOf(t[4].value), 5.0);
  EXPECT_EQ(doubleOf(t[5].value), 7.0);
  EXPECT_EQ(t[6].text, "x");
  EXPECT_EQ(warnings, "");
}

TEST_F(LexerTest, FloatingLiteralOutOfRangeWarns) {
  std::vector<Scanned> t = body("x 0f1e\n 0f-1e999 0f1e-999\n");
  ASSERT_EQ(t.size(), 6u);
  EXPECT_EQ(doubleOf(t[1].value), 1.0);
  EXPECT_EQ(doubleOf(t[3].value), -DBL_MAX);
  EXPECT_EQ(doubleOf(t[4].value), 0.0);
  EXPECT_EQ(
      warnings,
      path + ":1:3: warning: 1e is out of range; truncated to 1\n" + path +
          ":2:2: warning: -1e999 is out of range; truncated to "
          "-1.79769e+308\n" +
          path + ":2:11: warning: 1e-999 is out of range; truncated to 0\n");
}

TEST_F(LexerTest, OperatorsAndPunctuation) {
  // Registered as the tokenizer does, so the codes come out.
  words.putWord("!=", TC_NE);
  words.putWord("<<", TC_SHL);
  words.putWord("||", TC_OROR);
  std::vector<Scanned> t = body(
      "<> != << <= >= >> == := && || < > = : & | ! / ( ) , + - * ~ ^ % @ #");
  std::vector<int> expected = {TC_NE,   TC_NE,   TC_SHL,  TC_WORD, TC_WORD,
                               TC_WORD, TC_WORD, TC_WORD, TC_WORD, TC_OROR};
  std::string singles = "<>=:&|!/(),+-*~^%@#";
  for (char c : singles)
    expected.push_back(c);
  EXPECT_EQ(codes(t), expected);
  EXPECT_EQ(t[0].token, t[1].token);
  EXPECT_EQ(t[0].text, "!=");
  EXPECT_EQ(t[3].text, "<=");
  EXPECT_EQ(t[4].text, ">=");
  EXPECT_EQ(t[5].text, ">>");
  EXPECT_EQ(t[6].text, "==");
  EXPECT_EQ(t[7].text, ":=");
  EXPECT_EQ(t[8].text, "&&");
  // Operators need their two characters side by side.
  EXPECT_EQ(codes(body("< =")), (std::vector<int>{'<', '='}));
}

TEST_F(LexerTest, HighBytesArePunctuationWithTheirByteValue) {
  std::vector<Scanned> t = body("\xc3\xa9");
  EXPECT_EQ(codes(t), (std::vector<int>{0xc3, 0xa9}));
}

TEST_F(LexerTest, CommentsAndContinuations) {
  EXPECT_EQ(codes(scan("a ; note\nb // more\nc")),
            (std::vector<int>{TC_WORD, TC_NEWLINE, TC_WORD, TC_NEWLINE, TC_WORD,
                              TC_NEWLINE, TC_EOF, TC_NONE}));
  // A comment that ends the file without a line feed.
  EXPECT_EQ(codes(scan("a ; note")),
            (std::vector<int>{TC_WORD, TC_NEWLINE, TC_EOF, TC_NONE}));
  // A comment ending in a line feed at the end: its line end and the final.
  EXPECT_EQ(
      codes(scan("a ; note\n")),
      (std::vector<int>{TC_WORD, TC_NEWLINE, TC_NEWLINE, TC_EOF, TC_NONE}));
  // A block comment over two lines joins them into one statement.
  std::vector<Scanned> t = body("add /* one\n two **/ @1 /*/ x */");
  EXPECT_EQ(codes(t), (std::vector<int>{TC_WORD, '@', TC_NUMBER}));
  EXPECT_EQ(t[1].line, 2u);
  EXPECT_EQ(t[1].col, 10u);
  // A backslash before the line end (carriage returns allowed) continues it.
  t = body("a \\\r\r\nb \\ c\\");
  EXPECT_EQ(codes(t),
            (std::vector<int>{TC_WORD, TC_WORD, '\\', TC_WORD, '\\'}));
  EXPECT_EQ(t[1].line, 2u);
  EXPECT_EQ(warnings, "");
  EXPECT_EQ(codes(body("a\r\nb\r")),
            (std::vector<int>{TC_WORD, TC_NEWLINE, TC_WORD}));
}

TEST_F(LexerTest, UnterminatedBlockCommentWarns) {
  EXPECT_EQ(codes(scan("a /* open\n\n")),
            (std::vector<int>{TC_WORD, TC_NEWLINE, TC_EOF, TC_NONE}));
  EXPECT_EQ(warnings, path + ":3: warning: end of file in multiline comment; "
                             "'*/' inserted.\n");
  scan("/**");
  EXPECT_EQ(warnings, path + ":1: warning: end of file in multiline comment; "
                             "'*/' inserted.\n");
}

std::string bytes(const char *text, size_t n) { return std::string(text, n); }

TEST_F(LexerTest, StringEscapes) {
  struct {
    const char *source;
    std::string text;
  } cases[] = {
      {R"("plain text")", "plain text"},
      {R"("\101\x41")", "AA"},
      {R"("abc\0")", bytes("abc\0", 4)},
      {R"("\a\b\f\n\r\t\v")", "\a\b\f\n\r\t\v"},
      {R"("\\ \' \q")", "\\ ' q"},
      {R"("\x4")", "\x04"},
      {R"("\x")", bytes("\0", 1)},
      {R"("\xq")", bytes("\0q", 2)},
      {R"("\X7fz")", "\x7fz"},
      {R"("\x123")", "\x12"
                     "3"},
      {R"("\1234")", "S4"},
      {R"("\18")", "\x01"
                   "8"},
      // A numeric escape ends where the next one starts.
      {R"("\1\2\x3\x4")", "\x01\x02\x03\x04"},
      {R"("\0\0")", bytes("\0\0", 2)},
      // An embedded double quote.
      {R"("say \"hi\"")", "say \"hi\""},
      {R"("\x4")", "\x04"},
      {"\"\xff\xfe\"", "\xff\xfe"},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.source);
    std::vector<Scanned> t = body(c.source);
    ASSERT_EQ(t.size(), 1u);
    EXPECT_EQ(t[0].code, TC_STRING);
    EXPECT_EQ(t[0].text, c.text);
    EXPECT_EQ(warnings, "");
  }
}

TEST_F(LexerTest, StringHoldsNulBytesAndEndsAtItsQuote) {
  std::vector<Scanned> t = body(std::string("\"a\0b\" x", 7));
  ASSERT_EQ(t.size(), 2u);
  EXPECT_EQ(t[0].text, std::string("a\0b", 3));
  EXPECT_EQ(t[1].text, "x");
  EXPECT_EQ(t[1].col, 7u);
}

TEST_F(LexerTest, OctalEscapeTruncationWarnsAtTheBackslash) {
  std::vector<Scanned> t = body("x \"ab\\777\" y\n");
  ASSERT_EQ(t.size(), 4u);
  EXPECT_EQ(t[1].text, "ab\xff");
  EXPECT_EQ(warnings, path + ":1:6: warning: value in string \\777 truncated "
                             "to \\377\n");
  body(R"("\400")");
  EXPECT_EQ(warnings, path + ":1:2: warning: value in string \\400 truncated "
                             "to \\0\n");
}

TEST_F(LexerTest, NewlineInStringWarnsAndContinues) {
  std::vector<Scanned> t = body("s \"one\ntwo\" z");
  ASSERT_EQ(t.size(), 3u);
  EXPECT_EQ(t[1].text, "one\ntwo");
  EXPECT_EQ(t[2].line, 2u);
  EXPECT_EQ(warnings,
            path + ":1: warning: unterminated string; newline inserted.\n");
}

TEST_F(LexerTest, EndOfFileInString) {
  std::vector<Scanned> t = body("\n\"open");
  ASSERT_EQ(t.size(), 2u);
  EXPECT_EQ(t[1].text, "open");
  EXPECT_EQ(warnings,
            path + ":2: warning: end of file in string; '\"' inserted.\n");

  t = body("\"tail\\");
  ASSERT_EQ(t.size(), 1u);
  EXPECT_EQ(t[0].text, bytes("tail\0", 5));
  EXPECT_EQ(warnings,
            path +
                ":1: warning: end of file in escape character; '\\0' "
                "inserted.\n" +
                path + ":1: warning: end of file in string; '\"' inserted.\n");

  t = body("\"\\x4");
  ASSERT_EQ(t.size(), 1u);
  EXPECT_EQ(t[0].text, "\x04");
  EXPECT_EQ(warnings,
            path + ":1: warning: end of file in string; '\"' inserted.\n");
}

TEST_F(LexerTest, CharacterConstants) {
  std::vector<Scanned> t = body("'A '\\n '\\0 '\\q '\\\\ '\x80 ' x");
  ASSERT_EQ(t.size(), 8u);
  const int64_t expected[] = {65, 10, 0, 'q', '\\', -128, ' '};
  for (int i = 0; i < 7; ++i) {
    EXPECT_EQ(t[i].code, TC_NUMBER);
    EXPECT_EQ(t[i].view, NV_CHAR);
    EXPECT_EQ(t[i].value, expected[i]);
  }
  EXPECT_EQ(t[7].text, "x");
  EXPECT_EQ(warnings, "");
}

TEST_F(LexerTest, ClosingQuoteStartsAnotherConstant) {
  std::vector<Scanned> t = body("'a' ,");
  ASSERT_EQ(t.size(), 3u);
  EXPECT_EQ(t[0].value, 97);
  EXPECT_EQ(t[1].value, ' ');
  EXPECT_EQ(t[1].view, NV_CHAR);
  EXPECT_EQ(t[1].col, 3u);
  EXPECT_EQ(t[2].code, ',');
}

TEST_F(LexerTest, CharacterConstantWarnings) {
  std::vector<Scanned> t = body("a '\nb");
  ASSERT_EQ(t.size(), 3u);
  EXPECT_EQ(t[1].value, 10);
  EXPECT_EQ(t[2].text, "b");
  EXPECT_EQ(warnings, path + ":1: warning: a newline after an one-character "
                             "quote is taken as a literal character.\n");

  t = body("\n'");
  ASSERT_EQ(t.size(), 2u);
  EXPECT_EQ(t[1].value, 0);
  EXPECT_EQ(t[1].view, NV_CHAR);
  EXPECT_EQ(warnings, path + ":2: warning: end of file after an one-character "
                             "quote; '\\0' inserted.\n");

  t = body("'\\");
  ASSERT_EQ(t.size(), 1u);
  EXPECT_EQ(t[0].value, 0);
  EXPECT_EQ(warnings, path + ":1: warning: end of file in escape character; "
                             "'\\0' inserted.\n");
}

TEST_F(LexerTest, NulBytesArePunctuation) {
  std::vector<Scanned> t = body(std::string("a\0b\0", 4));
  EXPECT_EQ(codes(t), (std::vector<int>{TC_WORD, 0, TC_WORD, 0}));
  t = body(std::string(1000, '\0'));
  EXPECT_EQ(t.size(), 1000u);
  for (const Scanned &s : t)
    ASSERT_EQ(s.code, 0);
  // NUL bytes inside comments are skipped with them.
  EXPECT_EQ(codes(body(std::string("; \0\0\nx /*\0*/", 12))),
            (std::vector<int>{TC_NEWLINE, TC_WORD}));
}

TEST_F(LexerTest, MissingFileCannotBeOpened) {
  std::vector<Scanned> t = scanPath(dir.path() + "/absent.s");
  EXPECT_FALSE(opened);
  EXPECT_EQ(readError,
            "can't open file '" + dir.path() + "/absent.s' for reading");
  EXPECT_EQ(codes(t), (std::vector<int>{TC_NEWLINE, TC_NONE}));
}

TEST_F(LexerTest, ReadFailureEndsTheStream) {
  // A directory opens but cannot be read.
  std::vector<Scanned> t = scanPath(dir.path());
  EXPECT_TRUE(opened);
  EXPECT_EQ(readError, "can't read data from file '" + dir.path() + "'");
  EXPECT_EQ(codes(t), (std::vector<int>{TC_NEWLINE, TC_NONE}));
  EXPECT_EQ(warnings, "");
}

TEST_F(LexerTest, BinaryInputScansToTheEnd) {
  std::mt19937 random(12345);
  std::string noise(300000, '\0');
  for (char &c : noise)
    c = static_cast<char>(random());
  std::vector<Scanned> t = scan(noise);
  ASSERT_GE(t.size(), 3u);
  EXPECT_EQ(t[t.size() - 2].code, TC_EOF);
  EXPECT_EQ(t.back().code, TC_NONE);
  EXPECT_EQ(readError, "");
}

TEST_F(LexerTest, SavedStatesReplayTheSource) {
  path = dir.write("r.s", "first\n.rept 2\n body 1, 2\n.endr\nlast\n");
  MessageLog log;
  Lexer lexer(&words, &log.diagnostics);
  ASSERT_TRUE(lexer.openFile(FileName(path)));
  auto next = [&] {
    Token *t = lexer.scan();
    const Location &l = lexer.getTokenLocation();
    return describe(t, l.getLine(), l.getCol());
  };
  // Up to and including the line end after ".rept 2".
  for (int i = 0; i < 5; ++i)
    next();
  lexer.storeState();
  std::vector<Scanned> once;
  for (int i = 0; i < 6; ++i)
    once.push_back(next());
  EXPECT_EQ(once[0].text, "body");
  EXPECT_EQ(once[5].text, ".endr");
  for (int round = 0; round < 2; ++round) {
    lexer.restoreState();
    for (int i = 0; i < 6; ++i) {
      Scanned again = next();
      EXPECT_EQ(again.code, once[i].code);
      EXPECT_EQ(again.text, once[i].text);
      EXPECT_EQ(again.value, once[i].value);
      EXPECT_EQ(again.line, once[i].line);
      EXPECT_EQ(again.col, once[i].col);
    }
  }
  lexer.purgeState();
  lexer.restoreState(); // nothing saved: no effect
  EXPECT_EQ(next().code, TC_NEWLINE);
  EXPECT_EQ(next().text, "last");
  lexer.purgeState();
}

TEST_F(LexerTest, SavedStateAfterTheBufferAndAtTheEnd) {
  // The saved position lies far behind the read buffer when restored.
  std::string source = "mark\n";
  for (int i = 0; i < 100000; ++i)
    source += "word " + std::to_string(i) + "\n";
  path = dir.write("big.s", source);
  Lexer lexer(&words, nullptr);
  ASSERT_TRUE(lexer.openFile(FileName(path)));
  EXPECT_EQ(describe(lexer.scan(), 0, 0).text, "mark");
  lexer.storeState();
  int count = 0;
  while (lexer.scan()->getCode() != TC_NONE)
    ++count;
  EXPECT_EQ(count, 1 + 3 * 100000 + 2);
  lexer.restoreState();
  EXPECT_EQ(lexer.scan()->getCode(), TC_NEWLINE);
  EXPECT_EQ(describe(lexer.scan(), 0, 0).text, "word");
  EXPECT_EQ(lexer.getTokenLocation().getLine(), 2u);
  EXPECT_EQ(lexer.getTokenLocation().getCol(), 1u);
  Token *n = lexer.scan();
  ASSERT_TRUE(n->isNumber());
  EXPECT_EQ(static_cast<Number *>(n)->getValue(), 0);
}

TEST_F(LexerTest, ReaderEndStopsReading) {
  path = dir.write("e.s", "a b\nc d\n");
  MessageLog log;
  Lexer lexer(&words, &log.diagnostics);
  ASSERT_TRUE(lexer.openFile(FileName(path)));
  EXPECT_EQ(describe(lexer.scan(), 0, 0).text, "a");
  lexer.getReader().end();
  EXPECT_EQ(lexer.scan()->getCode(), TC_NEWLINE);
  EXPECT_EQ(lexer.scan()->getCode(), TC_EOF);
  EXPECT_EQ(lexer.scan()->getCode(), TC_NONE);
  EXPECT_TRUE(lexer.getReader().isEmpty());
  EXPECT_FALSE(lexer.getReader().isError());
}

TEST_F(LexerTest, LargeGeneratedFile) {
  std::string block = "lbl: add @1, #3 ; comment\n .long 1, 2, 0x30 \"str\"\n";
  std::string source;
  source.reserve(20u << 20);
  while (source.size() < (20u << 20))
    source += block;
  path = dir.write("large.s", source);
  source.clear();
  MessageLog log;
  Lexer lexer(&words, &log.diagnostics);
  ASSERT_TRUE(lexer.openFile(FileName(path)));
  size_t count = 0, numbers = 0, strings = 0;
  for (Token *t = lexer.scan(); t->getCode() != TC_NONE; t = lexer.scan()) {
    ++count;
    numbers += t->isNumber();
    strings += t->isString();
  }
  size_t blocks = ((20u << 20) + block.size() - 1) / block.size();
  // Per block: 8 tokens and a line end, 7 and a line end; then the end.
  EXPECT_EQ(count, blocks * 17 + 2);
  EXPECT_EQ(numbers, blocks * 5);
  EXPECT_EQ(strings, blocks);
  EXPECT_EQ(lexer.getTokenLocation().getLine(), 2 * blocks + 1);
  EXPECT_EQ(log.text(), "");
}

} // namespace
