// diagnostics_test.cpp - the assembler's message path: the prefixes of a
// position, a line end and a whole file, error counting, holding back.
#include <iomanip>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "diagnostics.h"

namespace {

TEST(DiagnosticsTest, EveryKindOfPlaceAndSeverity) {
  std::ostringstream out;
  Diagnostics diagnostics(out);
  const FileName file("d.s");
  diagnostics.error(Location(file, 3, 7), "bad thing");
  diagnostics.warning(Location(file, 4, 1), "odd thing");
  diagnostics.note(Location(file, 2, 9), "see here");
  // Column 0 is the end of the line before: the line alone.
  diagnostics.error(Location(file, 5, 0), "missing ')'");
  diagnostics.warning(Location::endOfLine(file, 8), "end of file in string");
  diagnostics.fileError(file, "can't open 'd.s' for reading");
  EXPECT_EQ(out.str(), "d.s:3:7: error: bad thing\n"
                       "d.s:4:1: warning: odd thing\n"
                       "d.s:2:9: note: see here\n"
                       "d.s:4: error: missing ')'\n"
                       "d.s:8: warning: end of file in string\n"
                       "d.s: error: can't open 'd.s' for reading\n");
  EXPECT_EQ(diagnostics.getErrorCount(), 3u);
}

TEST(DiagnosticsTest, StreamFormattingCannotChangeTheNumbers) {
  std::ostringstream out;
  out << std::hex << std::setw(12) << std::setfill('*');
  Diagnostics diagnostics(out);
  diagnostics.error(Location("f.s", 26, 11), "x");
  EXPECT_EQ(out.str(), "f.s:26:11: error: x\n");
}

TEST(DiagnosticsTest, HeldMessagesCountAndWaitForRelease) {
  std::ostringstream out;
  Diagnostics diagnostics(out);
  const FileName file("h.s");
  diagnostics.hold();
  diagnostics.warning(Location(file, 1, 2), "first");
  diagnostics.error(Location(file, 2, 3), "second");
  diagnostics.note(Location(file, 1, 1), "third");
  EXPECT_EQ(out.str(), "");
  EXPECT_EQ(diagnostics.getErrorCount(), 1u);
  ASSERT_EQ(diagnostics.getHeld().size(), 3u);
  EXPECT_EQ(diagnostics.getHeld()[1].severity, Severity::Error);
  EXPECT_EQ(diagnostics.getHeld()[1].location.getLine(), 2u);
  EXPECT_EQ(diagnostics.getHeld()[1].text, "second");

  diagnostics.release();
  const std::string released = "h.s:1:2: warning: first\n"
                               "h.s:2:3: error: second\n"
                               "h.s:1:1: note: third\n";
  EXPECT_EQ(out.str(), released);
  EXPECT_TRUE(diagnostics.getHeld().empty());
  // Released: from now on a message is written at once.
  diagnostics.error(Location(file, 9, 1), "fourth");
  EXPECT_EQ(out.str(), released + "h.s:9:1: error: fourth\n");
  EXPECT_EQ(diagnostics.getErrorCount(), 2u);
}

TEST(DiagnosticsTest, DiscardedMessagesAreNeverWritten) {
  std::ostringstream out;
  Diagnostics diagnostics(out);
  diagnostics.hold();
  diagnostics.warning(Location("w.s", 1, 1), "said again later");
  diagnostics.discard();
  diagnostics.warning(Location("w.s", 7, 2), "now");
  EXPECT_EQ(out.str(), "w.s:7:2: warning: now\n");
  EXPECT_EQ(diagnostics.getErrorCount(), 0u);
}

TEST(DiagnosticsTest, ARecordedMessageIsSaidAsIs) {
  std::ostringstream out;
  Diagnostics diagnostics(out);
  Diagnostic recorded;
  recorded.location = Location("r.s", 4, 6);
  recorded.text = "division by zero";
  diagnostics.report(recorded);
  recorded.severity = Severity::Warning;
  diagnostics.report(recorded);
  EXPECT_EQ(out.str(), "r.s:4:6: error: division by zero\n"
                       "r.s:4:6: warning: division by zero\n");
  EXPECT_EQ(diagnostics.getErrorCount(), 1u);
  std::string text;
  Diagnostics::format(text, recorded);
  EXPECT_EQ(text, "r.s:4:6: warning: division by zero\n");
}

TEST(DiagnosticsTest, ControlBytesAreShownAsEscapes) {
  std::ostringstream out;
  Diagnostics diagnostics(out);
  const FileName file("c\x1bs.s");
  diagnostics.error(Location(file, 2, 3), "got 'a\nb\tc\rd\x1b[2J\x7f\x01" +
                                              std::string(1, '\0') + "'");
  diagnostics.hold();
  diagnostics.warning(Location(file, 4, 0), "held\nline");
  diagnostics.release();
  // Printable text, the backslash and UTF-8 stay as they are.
  diagnostics.fileError(file, "caf\xc3\xa9 \\n");
  EXPECT_EQ(out.str(), "c\\x1bs.s:2:3: error: got "
                       "'a\\nb\\tc\\rd\\x1b[2J\\x7f\\x01\\x00'\n"
                       "c\\x1bs.s:3: warning: held\\nline\n"
                       "c\\x1bs.s: error: caf\xc3\xa9 \\n\n");
  EXPECT_EQ(diagnostics.getMessageCount(), 3u);
}

} // namespace
