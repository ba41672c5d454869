// macro_run_test.cpp - macro expansion in whole runs: the bound on the text
// all expansions make, and both passes seeing the same expansions.
#include <string>

#include <gtest/gtest.h>

#include "parser.h"
#include "source_test_util.h"

namespace {

struct Assembly {
  int errors;
  std::string messages;
};

Assembly assemble(const std::string &source, uint64_t budget) {
  ScratchDir dir;
  const std::string path = dir.write("m.s", source);
  std::ostringstream messages;
  Parser parser(dir.path() + "/m.o", {}, 0x8101, 0, false, messages);
  parser.setExpansionBudget(budget);
  Assembly run;
  run.errors = parser.parse(path);
  run.messages = messages.str();
  // Only the part after the directory: the scratch name changes.
  for (size_t at;
       (at = run.messages.find(dir.path() + "/")) != std::string::npos;)
    run.messages.erase(at, dir.path().size() + 1);
  return run;
}

// A macro that doubles its work at every level: 2^40 expansions unless
// something stops it.
const char *const Doubling = "        .data\n"
                             "        .macro twice n\n"
                             "        .if \\n\n"
                             "        twice \"(\\n - 1)\"\n"
                             "        twice \"(\\n - 1)\"\n"
                             "        .endif\n"
                             "        .endm\n"
                             "        twice 40\n"
                             "        .byte 1\n";

TEST(MacroRunTest, TheTotalExpansionIsBounded) {
  const Assembly run = assemble(Doubling, 1 << 20);
  EXPECT_EQ(run.errors, 1);
  EXPECT_EQ(run.messages.substr(0, run.messages.find('\n')),
            "m.s:4:9: error: macro expansion too large (over 1 MiB in all); "
            "'twice' not expanded");
  // A note for each level the expansion was at.
  EXPECT_NE(run.messages.find("m.s:8:9: note: in expansion of macro 'twice'"),
            std::string::npos);
}

TEST(MacroRunTest, IrpIterationsCountTowardTheBound) {
  std::string source = "        .data\n        .rept 100000\n"
                       "        .irp v, 1, 2, 3\n        .endr\n"
                       "        .endr\n";
  const Assembly run = assemble(source, 100000);
  // The input ends there, inside the .rept, as .end would end it.
  EXPECT_EQ(run.errors, 2);
  EXPECT_EQ(run.messages,
            "m.s:3:9: error: macro expansion too large (over 100000 bytes in "
            "all); '.irp' not expanded\n"
            "m.s:5:1: error: unexpected end of file in .rept\n"
            "m.s:2:9: note: here is the start of .rept\n");
}

TEST(MacroRunTest, WithinTheBoundBothPassesExpandAlike) {
  // Pass 2 must lay out what pass 1 counted, labels made by \@ included.
  const Assembly run = assemble("        .data\n"
                                "        .macro put v\n"
                                "l\\@:    .byte \\v\n"
                                "        .long l\\@\n"
                                "        .endm\n"
                                "        .rept 1000\n"
                                "        put 7\n"
                                "        .endr\n",
                                Parser::DEFAULT_EXPANSION_BUDGET);
  EXPECT_EQ(run.errors, 0) << run.messages;
  EXPECT_EQ(run.messages, "");
}

} // namespace
