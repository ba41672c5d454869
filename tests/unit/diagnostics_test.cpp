// diagnostics_test.cpp - the assembler's message path: the prefixes of a
// position, a line end and a whole file, error counting, holding back.
#include <iomanip>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "diagnostics.h"
#include "source_test_util.h"
#include "sourcefiles.h"

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

// Hints that answer with the name they were asked about.
class EchoHints : public HintSource {
public:
  void notesFor(const Hint &hint, std::vector<std::string> &notes) override {
    notes.push_back("hint for " + hint.name);
  }
};

TEST(DiagnosticsTest, ExpansionsNameEachInvocationInnermostFirst) {
  std::ostringstream out;
  Diagnostics diagnostics(out);
  const FileName file("x.s");
  const unsigned outer = FileName::addLabel("outer");
  const unsigned inner = FileName::addLabel("inner");
  const FileName first =
      FileName::expansion(file, SourceOrigin::Macro, outer, file, 9, 3);
  // An .irp between them says nothing of its own.
  const FileName loop =
      FileName::expansion(file, SourceOrigin::Repetition, 0, first, 5, 2);
  const FileName second =
      FileName::expansion(file, SourceOrigin::Macro, inner, loop, 6, 4);
  // The same place gives the same name.
  EXPECT_EQ(FileName::expansion(file, SourceOrigin::Macro, outer, file, 9, 3)
                .getIndex(),
            first.getIndex());
  diagnostics.error(Location(second, 2, 7), "bad");
  diagnostics.warning(Location(first, 4, 1), "odd");
  // Notes are about another place already: no chain.
  diagnostics.note(Location(second, 2, 7), "see");
  EXPECT_EQ(out.str(), "x.s:2:7: error: bad\n"
                       "x.s:6:4: note: in expansion of macro 'inner'\n"
                       "x.s:9:3: note: in expansion of macro 'outer'\n"
                       "x.s:4:1: warning: odd\n"
                       "x.s:9:3: note: in expansion of macro 'outer'\n"
                       "x.s:2:7: note: see\n");
  // -g puts what a macro made at the outermost invocation.
  const Location site = Location(second, 2, 7).invocationSite();
  EXPECT_EQ(site.getLine(), 9u);
  EXPECT_EQ(site.getCol(), 3u);
  EXPECT_EQ(Location(loop, 5, 1).invocationSite().getLine(), 9u);
  // An .irp body alone is where it is written.
  const FileName alone =
      FileName::expansion(file, SourceOrigin::Repetition, 0, file, 3, 1);
  EXPECT_EQ(Location(alone, 4, 2).invocationSite().getLine(), 4u);
}

TEST(DiagnosticsTest, RichMessagesShowTheSourceHintsAndIncludes) {
  ScratchDir dir;
  const std::string main = dir.write("main.s", "; main\n\t.include x\n");
  const std::string inc = dir.write("inc.s", "\tfoo bar\n  .byte 1 +\n");
  SourceFiles files;
  files.get(main);
  files.get(inc);
  std::ostringstream out;
  Diagnostics diagnostics(out);
  EchoHints hints;
  diagnostics.setStyle(MessageStyle(true, false));
  diagnostics.setSources(&files);
  diagnostics.setHints(&hints);
  FileName included(inc);
  included.setIncludedFrom(FileName(main), 2, 2);
  diagnostics.error(Location(included, 1, 6), "no bar",
                    {Hint::UnknownOperation, "bar"});
  // The end of line 2: its text with the caret after it.
  diagnostics.error(Location(included, 3, 0), "at the end");
  diagnostics.fileError(included, "whole");
  // A place the run has not read shows no line.
  diagnostics.warning(Location("elsewhere.s", 1, 1), "unread");
  EXPECT_EQ(out.str(), inc +
                           ":1:6: error: no bar\n"
                           "        foo bar\n"
                           "            ^~~\n" +
                           inc +
                           ":1:6: note: hint for bar\n"
                           "note: included from " +
                           main + ":2\n" + inc +
                           ":2: error: at the end\n"
                           "  .byte 1 +\n"
                           "           ^\n"
                           "note: included from " +
                           main + ":2\n" + inc +
                           ": error: whole\n"
                           "elsewhere.s:1:1: warning: unread\n");
  // Held messages are rendered when released, in the same style.
  diagnostics.hold();
  diagnostics.error(Location(included, 1, 2), "held");
  EXPECT_EQ(diagnostics.getHeld()[0].text, "held");
  out.str("");
  diagnostics.release();
  EXPECT_EQ(out.str(), inc +
                           ":1:2: error: held\n"
                           "        foo bar\n"
                           "        ^~~\n"
                           "note: included from " +
                           main + ":2\n");
}

} // namespace
