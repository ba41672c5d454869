// macro_test.cpp - the text side of macros: parameter lists, arguments,
// .irp values, and expansion with its column map.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "macro.h"
#include "wordmap.h"

namespace {

using namespace macrotext;

std::vector<MacroParameter> parameters(const std::string &text) {
  std::vector<MacroParameter> list;
  MacroProblem problem;
  EXPECT_TRUE(parseParameters(text, "m", list, problem)) << problem.text;
  return list;
}

std::string problemOf(const std::string &text) {
  std::vector<MacroParameter> list;
  MacroProblem problem;
  EXPECT_FALSE(parseParameters(text, "m", list, problem));
  return std::to_string(problem.offset) + ": " + problem.text;
}

TEST(MacroTextTest, ParameterLists) {
  std::vector<MacroParameter> p = parameters(", a, b=5 c:req d = \"x y\"");
  ASSERT_EQ(p.size(), 4u);
  EXPECT_EQ(p[0].name, "a");
  EXPECT_EQ(p[1].name, "b");
  EXPECT_EQ(p[1].defaultValue, "5");
  EXPECT_TRUE(p[2].required);
  EXPECT_FALSE(p[2].vararg);
  EXPECT_EQ(p[3].defaultValue, "x y");
  p = parameters("rest:vararg=1");
  ASSERT_EQ(p.size(), 1u);
  EXPECT_TRUE(p[0].vararg);
  EXPECT_EQ(p[0].defaultValue, "1");
  EXPECT_TRUE(parameters("   ").empty());

  EXPECT_EQ(problemOf("a, 1"), "3: expected parameter name, got '1'");
  EXPECT_EQ(problemOf("a a"), "2: duplicate parameter 'a' of macro 'm'");
  EXPECT_EQ(problemOf("a:opt"), "1: invalid qualifier ':opt' of parameter "
                                "'a' of macro 'm'; expected ':req' or "
                                "':vararg'");
  EXPECT_EQ(problemOf("a:vararg b"),
            "9: ':vararg' parameter 'a' must be the last parameter of macro "
            "'m'");
}

struct Bound {
  bool ok;
  std::vector<std::string> values;
  std::string problem;
};

Bound bind(const std::string &parameterText, const std::string &arguments) {
  Macro macro;
  MacroProblem problem;
  EXPECT_TRUE(parseParameters(parameterText, "m", macro.parameters, problem));
  Bound b;
  b.ok = bindArguments(macro, "m", arguments, b.values, problem);
  if (!b.ok)
    b.problem = std::to_string(problem.offset) + ": " + problem.text;
  return b;
}

TEST(MacroTextTest, ArgumentsByPositionAndName) {
  using V = std::vector<std::string>;
  EXPECT_EQ(bind("a=1, b=2", "").values, (V{"1", "2"}));
  EXPECT_EQ(bind("a=1, b=2", ", 9").values, (V{"1", "9"}));
  EXPECT_EQ(bind("a=1, b=2", "b=7 a=8").values, (V{"8", "7"}));
  EXPECT_EQ(bind("a, b", "x+1 y").values, (V{"x+1", "y"}));
  EXPECT_EQ(bind("a, b", "(1 + 2) [3, 4]").values, (V{"(1 + 2)", "[3, 4]"}));
  EXPECT_EQ(bind("a, b", "\"p, q\" ';").values, (V{"p, q", "';"}));
  // Text around a string keeps its quotes; == is no keyword.
  EXPECT_EQ(bind("a, b", "x\"1\" a==b").values, (V{"x\"1\"", "a==b"}));
  EXPECT_EQ(bind("a, r:vararg", "1, 2 , 3  ").values, (V{"1", "2 , 3"}));
  EXPECT_EQ(bind("a, r:vararg", "1").values, (V{"1", ""}));
  EXPECT_EQ(bind("a", "a=\"x y\"").values, (V{"x y"}));

  EXPECT_EQ(bind("a", "1 2").problem,
            "2: too many positional arguments for macro 'm'");
  EXPECT_EQ(bind("a", "z=1").problem, "0: macro 'm' has no parameter 'z'");
  EXPECT_EQ(bind("a, b", "b=1, 2").problem,
            "5: positional argument after a keyword argument for macro 'm'");
  EXPECT_EQ(bind("a, b", "1, a=2").problem,
            "3: parameter 'a' of macro 'm' is given twice");
  EXPECT_EQ(bind("a:req", " ").problem,
            "1: missing value for required parameter 'a' of macro 'm'");
  EXPECT_EQ(bind("a:req=5", "").problem,
            "0: missing value for required parameter 'a' of macro 'm'");
}

TEST(MacroTextTest, IrpValues) {
  using V = std::vector<std::string>;
  EXPECT_EQ(splitValues("1, 2 3,\"4 5\""), (V{"1", "2", "3", "4 5"}));
  EXPECT_EQ(splitValues("  "), (V{""}));
  EXPECT_EQ(characterValues(" 12 3 "), (V{"1", "2", "3"}));
  EXPECT_EQ(characterValues("\"a b\""), (V{"a", " ", "b"}));
  EXPECT_EQ(characterValues(""), (V{""}));
  EXPECT_EQ(afterSymbol(" , a, b"), " a, b");
  EXPECT_EQ(afterSymbol(" a b"), "a b");
}

MacroBody bodyOf(const std::string &text, unsigned firstLine) {
  auto source = std::make_shared<SourceText>();
  source->opened = true;
  source->storage.reset(new char[text.size()]);
  std::copy(text.begin(), text.end(), source->storage.get());
  source->bytes = std::string_view(source->storage.get(), text.size());
  MacroBody body;
  body.text = source;
  body.bytes = source->bytes;
  body.firstLine = firstLine;
  return body;
}

TEST(MacroTextTest, ExpansionReplacesParametersAndMapsColumns) {
  const MacroBody body = bodyOf(" .byte \\a, \\ab\\()1\n\\zz \\@ \\\\a\n"
                                "x\\a\\a\n",
                                10);
  const std::string a = "a", ab = "ab";
  std::shared_ptr<const ExpandedText> made =
      expand(body, {&a, &ab}, {"longer", ""}, 41);
  EXPECT_EQ(made->text, " .byte longer, 1\n\\zz 41 \\longer\nxlongerlonger\n");
  ASSERT_TRUE(made->columns);
  const ColumnMap &map = *made->columns;
  // Line 10: \a at 8 became 8..13; the rest moved by 4; \ab\() is gone.
  EXPECT_EQ(map.map(10, 1), 1u);
  EXPECT_EQ(map.map(10, 8), 8u);
  EXPECT_EQ(map.map(10, 13), 8u);
  EXPECT_EQ(map.map(10, 14), 10u); // the comma
  EXPECT_EQ(map.map(10, 16), 18u); // the 1 after \ab\()
  // Line 11: an unknown name stays as written, \@ is the count.
  EXPECT_EQ(map.map(11, 5), 5u);
  EXPECT_EQ(map.map(11, 8), 8u);  // the blank after 41
  EXPECT_EQ(map.map(11, 10), 9u); // \longer: the backslash was kept
  // Line 12: two substitutions next to each other.
  EXPECT_EQ(map.map(12, 5), 2u);
  EXPECT_EQ(map.map(12, 9), 4u);
  EXPECT_EQ(map.map(12, 0), 0u); // a line end stays one
  EXPECT_EQ(map.map(13, 3), 3u);
}

TEST(MacroTextTest, NestedBodiesMapThroughEveryText) {
  // The inner body lies in the outer expansion's text, columns and all.
  const MacroBody outer = bodyOf("\\v \\v\n", 3);
  const std::string v = "v";
  std::shared_ptr<const ExpandedText> first = expand(outer, {&v}, {"\\w"}, 0);
  EXPECT_EQ(first->text, "\\w \\w\n");
  MacroBody inner;
  inner.text = std::shared_ptr<const SourceText>(first, &first->source);
  inner.bytes = first->source.bytes;
  inner.firstLine = 3;
  inner.columns = first->columns;
  const std::string w = "w";
  std::shared_ptr<const ExpandedText> second =
      expand(inner, {&w}, {"12345"}, 0);
  EXPECT_EQ(second->text, "12345 12345\n");
  // The second 12345 is the second \w, which is the second \v: column 4.
  EXPECT_EQ(second->columns->map(3, 9), 4u);
  EXPECT_EQ(second->columns->map(3, 6), 3u);
}

TEST(MacroTextTest, ABodyWithoutSubstitutionsKeepsItsMap) {
  const MacroBody body = bodyOf(".byte 1\n", 1);
  std::shared_ptr<const ExpandedText> made = expand(body, {}, {}, 0);
  EXPECT_EQ(made->text, ".byte 1\n");
  EXPECT_FALSE(made->columns);
  EXPECT_EQ(made->source.bytes, made->text);
}

TEST(MacroTableTest, WordsKnowTheirMacroWhileItIsDefined) {
  WordMap words;
  Word *m = words.getWord("m");
  {
    MacroTable table;
    auto macro = std::make_unique<Macro>();
    macro->name = m;
    Macro *made = table.define(std::move(macro));
    EXPECT_EQ(m->getMacro(), made);
    EXPECT_EQ(table.names(), std::vector<std::string>{"m"});
    EXPECT_TRUE(table.remove(m));
    EXPECT_EQ(m->getMacro(), nullptr);
    EXPECT_FALSE(table.remove(m));
    macro = std::make_unique<Macro>();
    macro->name = m;
    table.define(std::move(macro));
  }
  // The table is gone: so is the word's macro.
  EXPECT_EQ(m->getMacro(), nullptr);
}

} // namespace
