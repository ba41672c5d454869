// suggestions_test.cpp - the shared pieces of rich messages: edit distance
// and the nearest names, the mode option, colour and the caret line.
#include <unistd.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "messagestyle.h"
#include "suggestions.h"

namespace {

std::vector<std::string> nearest(const std::string &wanted,
                                 const std::vector<std::string> &names) {
  size_t budget = 1000;
  NameSuggestions s(wanted, budget);
  for (const std::string &n : names)
    s.consider(n);
  return s.best();
}

TEST(SuggestionsTest, Distance) {
  EXPECT_EQ(NameSuggestions::distance("addl", "addl", 3), 0u);
  EXPECT_EQ(NameSuggestions::distance("adl", "addl", 3), 1u);
  EXPECT_EQ(NameSuggestions::distance("moevq", "moveq", 3), 1u); // a swap
  EXPECT_EQ(NameSuggestions::distance("ADDL", "addl", 3), 0u);
  EXPECT_EQ(NameSuggestions::distance("kitten", "sitting", 3), 3u);
  // Past the bound the answer is bound + 1, however far it is.
  EXPECT_EQ(NameSuggestions::distance("kitten", "sitting", 2), 3u);
  EXPECT_EQ(NameSuggestions::distance("a", "abcdefgh", 2), 3u);
  EXPECT_EQ(NameSuggestions::distance("", "ab", 2), 2u);
  EXPECT_EQ(NameSuggestions::threshold(4), 1u);
  EXPECT_EQ(NameSuggestions::threshold(8), 2u);
  EXPECT_EQ(NameSuggestions::threshold(20), 3u);
}

TEST(SuggestionsTest, NearestNamesInTheirOrder) {
  using V = std::vector<std::string>;
  EXPECT_EQ(nearest(".lon", {".long", ".loc", ".text", ".lcomm"}),
            (V{".long", ".loc"}));
  // A nearer name drops the farther ones; at most three are kept.
  EXPECT_EQ(nearest("countre", {"count", "countr"}), (V{"countr"}));
  EXPECT_EQ(nearest("countre", {"count", "counter", "countr"}),
            (V{"counter", "countr"}));
  EXPECT_EQ(nearest("ab", {"aa", "ac", "ad", "ae"}), (V{"aa", "ac", "ad"}));
  EXPECT_EQ(nearest("zzzz", {"addl", "wrl"}), V{});
  // The name itself is no suggestion; the same name twice counts once.
  EXPECT_EQ(nearest("foo", {"foo", "fob", "fob"}), (V{"fob"}));
  EXPECT_EQ(didYouMean({"a"}), "did you mean 'a'?");
  EXPECT_EQ(didYouMean({"a", "b"}), "did you mean 'a' or 'b'?");
  EXPECT_EQ(didYouMean({"a", "b", "c"}), "did you mean 'a', 'b' or 'c'?");
}

TEST(SuggestionsTest, TheBudgetBoundsTheWork) {
  size_t budget = 2;
  NameSuggestions s("abc", budget);
  s.consider("xyz");
  s.consider("qqq");
  s.consider("abd"); // past the budget: not looked at
  EXPECT_TRUE(s.best().empty());
  EXPECT_EQ(budget, 0u);
}

TEST(SuggestionsTest, AHundredThousandNamesAreSearchedInOnePass) {
  std::vector<std::string> names;
  for (int i = 0; i < 100000; ++i)
    names.push_back("symbol_" + std::to_string(i * 7919));
  names.push_back("sumbol_42");
  size_t budget = 1000000;
  NameSuggestions s("symbol_42", budget);
  for (const std::string &n : names)
    s.consider(n);
  EXPECT_EQ(s.best(), std::vector<std::string>{"sumbol_42"});
  EXPECT_EQ(budget, 1000000u - names.size());
}

TEST(MessageStyleTest, Modes) {
  DiagnosticsMode mode = DiagnosticsMode::Plain;
  EXPECT_TRUE(parseDiagnosticsMode("auto", mode));
  EXPECT_EQ(mode, DiagnosticsMode::Auto);
  EXPECT_TRUE(parseDiagnosticsMode("rich", mode));
  EXPECT_EQ(mode, DiagnosticsMode::Rich);
  EXPECT_TRUE(parseDiagnosticsMode("plain", mode));
  EXPECT_EQ(mode, DiagnosticsMode::Plain);
  EXPECT_FALSE(parseDiagnosticsMode("Rich", mode));
  EXPECT_FALSE(parseDiagnosticsMode("", mode));
  // A pipe is no terminal: auto is plain there.
  int fds[2];
  ASSERT_EQ(pipe(fds), 0);
  EXPECT_FALSE(MessageStyle::decide(DiagnosticsMode::Auto, fds[1]).isRich());
  EXPECT_TRUE(MessageStyle::decide(DiagnosticsMode::Rich, fds[1]).isRich());
  EXPECT_FALSE(MessageStyle::decide(DiagnosticsMode::Plain, fds[1]).isRich());
  close(fds[0]);
  close(fds[1]);
  // Colour goes with rich only.
  EXPECT_FALSE(MessageStyle(false, true).isColour());
}

TEST(MessageStyleTest, SnippetsExpandTabsAndMarkTheToken) {
  const MessageStyle plain(true, false);
  std::string out;
  plain.appendSnippet(out, "\tab\tcd", 5, 2);
  EXPECT_EQ(out, "        ab      cd\n"
                 "                ^~\n");
  out.clear();
  // UTF-8 takes one column per character; control bytes show as '?'.
  plain.appendSnippet(out, "caf\xc3\xa9 x\x01y", 7, 1);
  EXPECT_EQ(out, "caf\xc3\xa9 x?y\n"
                 "     ^\n");
  out.clear();
  // Past the end: just after it; a CRLF line end is not shown.
  plain.appendSnippet(out, "ab\r", 4, 1);
  EXPECT_EQ(out, "ab\n"
                 "  ^\n");
  out.clear();
  const MessageStyle colour(true, true);
  colour.appendSnippet(out, "x", 1, 1);
  EXPECT_EQ(out, "x\n\x1b[1;32m^\x1b[0m\n");
  out.clear();
  colour.paint(out, MessageStyle::Error, "error: ");
  EXPECT_EQ(out, "\x1b[1;31merror: \x1b[0m");
}

} // namespace
