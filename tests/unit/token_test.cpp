// token_test.cpp - tokens and their display texts, word interning, source
// locations, file names and floating conversions.
#include <cfloat>
#include <cmath>
#include <cstring>
#include <iomanip>
#include <sstream>

#include <gtest/gtest.h>

#include "filename.h"
#include "float.h"
#include "location.h"
#include "source_test_util.h"
#include "token.h"
#include "wordmap.h"

namespace {

int64_t bitsOf(double d) {
  int64_t bits;
  std::memcpy(&bits, &d, sizeof bits);
  return bits;
}

double doubleOf(int64_t bits) {
  return Float::getDoubleFromDoubleRepresentation(bits);
}

TEST(TokenDisplay, NumbersShowHowTheyWereWritten) {
  EXPECT_EQ(numberDisplayText(5, NV_BINARY), "0b101");
  EXPECT_EQ(numberDisplayText(0, NV_BINARY), "0b0");
  EXPECT_EQ(numberDisplayText(15, NV_OCTAL), "017");
  EXPECT_EQ(numberDisplayText(0x1F, NV_HEX), "0x1f");
  EXPECT_EQ(numberDisplayText(-1, NV_HEX), "0xffffffffffffffff");
  EXPECT_EQ(numberDisplayText(-42, NV_DECIMAL), "-42");
  EXPECT_EQ(numberDisplayText(bitsOf(1.5), NV_FLOAT), "0f1.5");
  EXPECT_EQ(numberDisplayText(bitsOf(1.0 / 3), NV_FLOAT), "0f0.333333");
  EXPECT_EQ(numberDisplayText('A', NV_CHAR), "'A");
}

TEST(TokenDisplay, SpecialCodesWordsAndStrings) {
  Token newline(TC_NEWLINE), eof(TC_EOF), none(TC_NONE), comma(',');
  EXPECT_EQ(tokenDisplayText(&newline, ""), "<NEW LINE>");
  EXPECT_EQ(tokenDisplayText(&eof, ""), "<END OF FILE>");
  EXPECT_EQ(tokenDisplayText(&none, "can't read data from file 'a.s'"),
            "fatal error: can't read data from file 'a.s'");
  EXPECT_EQ(tokenDisplayText(&comma, ""), ",");
  Word op("!=", TC_NE), name("start");
  EXPECT_EQ(tokenDisplayText(&op, ""), "!=");
  EXPECT_EQ(tokenDisplayText(&name, ""), "start");
  String s("a b");
  EXPECT_EQ(tokenDisplayText(&s, ""), "a b");
  Number n(017, NV_OCTAL);
  EXPECT_EQ(tokenDisplayText(&n, ""), "017");
}

TEST(TokenDisplay, DefaultsAndDebugPrint) {
  Token t;
  Number n;
  Word w;
  String s;
  EXPECT_EQ(t.getCode(), TC_NONE);
  EXPECT_EQ(n.getValue(), 0);
  EXPECT_EQ(n.getView(), NV_DECIMAL);
  EXPECT_EQ(w.getCode(), TC_WORD);
  EXPECT_EQ(s.getCode(), TC_STRING);

  std::ostringstream printed;
  Token(',').print(printed);
  Number(-3, NV_HEX).print(printed);
  Word("nop").print(printed);
  String("hi").print(printed);
  EXPECT_EQ(printed.str(), "Token: 44 (,)\n"
                           "Number: view = 3, value = -3\n"
                           "Word: nop\n"
                           "String: hi\n");
}

TEST(TokenCopy, CopiesOwnKindsAndSharesWords) {
  Number n(7, NV_HEX);
  String s(std::string("a\0b", 3));
  Token comma(',');
  Word w("x");

  Token *nc = copyToken(&n);
  Token *sc = copyToken(&s);
  Token *cc = copyToken(&comma);
  EXPECT_NE(nc, &n);
  ASSERT_TRUE(nc->isNumber());
  EXPECT_EQ(static_cast<Number *>(nc)->getValue(), 7);
  EXPECT_EQ(static_cast<Number *>(nc)->getView(), NV_HEX);
  ASSERT_TRUE(sc->isString());
  EXPECT_EQ(static_cast<String *>(sc)->getText(), std::string("a\0b", 3));
  EXPECT_EQ(cc->getCode(), ',');
  EXPECT_EQ(cc->type(), Token::TOKEN);
  EXPECT_EQ(copyToken(&w), &w);
  n.set(9, NV_DECIMAL);
  EXPECT_EQ(static_cast<Number *>(nc)->getValue(), 7);
  delete nc;
  delete sc;
  delete cc;
}

TEST(WordMapTest, InternsOneWordPerName) {
  WordMap map;
  Word *a = map.getWord("label");
  EXPECT_EQ(map.getWord(std::string("label")), a);
  EXPECT_EQ(a->getCode(), TC_WORD);
  EXPECT_EQ(a->getName(), "label");
  EXPECT_NE(map.getWord("Label"), a);
  EXPECT_TRUE(map.exist("label"));
  EXPECT_FALSE(map.exist("nothing"));
  EXPECT_EQ(map.size(), 2u);
}

TEST(WordMapTest, PutWordReplacesTheEntry) {
  WordMap map;
  map.getWord("<<");
  Word *op = map.putWord("<<", TC_SHL);
  EXPECT_EQ(op->getCode(), TC_SHL);
  EXPECT_EQ(map.getWord("<<"), op);
  EXPECT_EQ(map.getWord("<<")->getName(), "<<");
  EXPECT_EQ(map.size(), 1u);
}

TEST(WordMapTest, ManyWordsStayDistinctAndStable) {
  WordMap map;
  std::vector<Word *> words;
  for (int i = 0; i < 5000; ++i)
    words.push_back(map.getWord("w" + std::to_string(i)));
  for (int i = 0; i < 5000; ++i)
    ASSERT_EQ(map.getWord("w" + std::to_string(i)), words[i]);
}

TEST(WordMapTest, PrintListsNamesInOrder) {
  WordMap map;
  map.getWord("zeta");
  map.getWord("alpha");
  map.getWord("mid");
  std::ostringstream printed;
  map.print(printed);
  std::string text = printed.str();
  size_t alpha = text.find("alpha -> ");
  size_t mid = text.find("mid -> ");
  size_t zeta = text.find("zeta -> ");
  ASSERT_NE(alpha, std::string::npos);
  ASSERT_NE(mid, std::string::npos);
  ASSERT_NE(zeta, std::string::npos);
  EXPECT_LT(alpha, mid);
  EXPECT_LT(mid, zeta);
}

std::string printed(const Location &location) {
  std::ostringstream os;
  location.print(os);
  return os.str();
}

TEST(LocationTest, PrintsLineAndColumn) {
  EXPECT_EQ(printed(Location("a.s", 12, 5)), "a.s:12:5: ");
  // Column 0 is the end of the line before.
  EXPECT_EQ(printed(Location("a.s", 13, 0)), "a.s:12: ");
  EXPECT_EQ(printed(Location("a.s", 1, 0)), "a.s:0: ");
  EXPECT_EQ(printed(Location()), ":0: ");
}

TEST(LocationTest, PrintIgnoresStreamFormatting) {
  std::ostringstream os;
  os << std::hex << std::setw(10) << std::setfill('*');
  Location("b.s", 26, 11).print(os);
  EXPECT_EQ(os.str(), "b.s:26:11: ");
  // The stream's own state is left as it was.
  os << std::setw(0) << 255;
  EXPECT_EQ(os.str(), "b.s:26:11: ff");
}

TEST(LocationTest, AccessorsAndSetters) {
  FileName name("x.s");
  Location l(name, 3, 4);
  EXPECT_EQ(l.getName(), "x.s");
  EXPECT_EQ(l.getIndex(), name.getIndex());
  l.set(FileName("y.s"), 7, 0);
  EXPECT_EQ(l.getName(), "y.s");
  EXPECT_EQ(l.getLine(), 7u);
  EXPECT_EQ(l.getCol(), 0u);
  l.setCol(2);
  l.setName("z.s");
  EXPECT_EQ(printed(l), "z.s:7:2: ");
}

TEST(FileNameTest, EveryRegistrationIsANewEntry) {
  FileName a("prog.s"), b("prog.s");
  EXPECT_NE(a.getIndex(), b.getIndex());
  EXPECT_EQ(a.getName(), b.getName());
  FileName c(a);
  EXPECT_EQ(c.getIndex(), a.getIndex());
  unsigned old = c.getIndex();
  unsigned set = c.setName("other.s");
  EXPECT_EQ(set, c.getIndex());
  EXPECT_NE(c.getIndex(), old);
  EXPECT_EQ(c.getName(), "other.s");
  EXPECT_EQ(a.getName(), "prog.s");
  EXPECT_EQ(FileName().getName(), "");
}

TEST(FileNameTest, NamesStayValidWhileTheTableGrows) {
  FileName first("first.s");
  const std::string &name = first.getName();
  for (int i = 0; i < 10000; ++i)
    FileName("n" + std::to_string(i));
  EXPECT_EQ(name, "first.s");
}

TEST(FloatTest, ConvertsAcceptedTexts) {
  bool out = true;
  EXPECT_EQ(Float("").convert(&out), 0);
  EXPECT_FALSE(out);
  EXPECT_EQ(doubleOf(Float("1.5").convert(&out)), 1.5);
  EXPECT_FALSE(out);
  EXPECT_EQ(doubleOf(Float("-2e3").convert(&out)), -2000.0);
  EXPECT_FALSE(out);
  EXPECT_EQ(doubleOf(Float(".25").convert(&out)), 0.25);
  EXPECT_FALSE(out);
  EXPECT_EQ(doubleOf(Float("4.").convert(&out)), 4.0);
  EXPECT_FALSE(out);
}

TEST(FloatTest, MalformedTextKeepsItsValidPrefix) {
  bool out = false;
  EXPECT_EQ(doubleOf(Float("1e").convert(&out)), 1.0);
  EXPECT_TRUE(out);
  out = false;
  EXPECT_EQ(doubleOf(Float("-3.5e-").convert(&out)), -3.5);
  EXPECT_TRUE(out);
  out = false;
  EXPECT_EQ(doubleOf(Float("-").convert(&out)), 0.0);
  EXPECT_TRUE(out);
  out = false;
  EXPECT_EQ(doubleOf(Float("e5").convert(&out)), 0.0);
  EXPECT_TRUE(out);
}

TEST(FloatTest, OverflowSaturatesUnderflowGivesZero) {
  bool out = false;
  EXPECT_EQ(doubleOf(Float("1e999").convert(&out)), DBL_MAX);
  EXPECT_TRUE(out);
  out = false;
  EXPECT_EQ(doubleOf(Float("-123456789e301").convert(&out)), -DBL_MAX);
  EXPECT_TRUE(out);
  out = false;
  EXPECT_EQ(doubleOf(Float("1e99999999999999999999").convert(&out)), DBL_MAX);
  EXPECT_TRUE(out);
  out = false;
  EXPECT_EQ(doubleOf(Float("1e-999").convert(&out)), 0.0);
  EXPECT_TRUE(out);
  out = false;
  EXPECT_EQ(doubleOf(Float("0.000001e-400").convert(&out)), 0.0);
  EXPECT_TRUE(out);
  out = false;
  // Many leading zeros do not make a small number large.
  EXPECT_EQ(doubleOf(Float("0000000000000000000000000001e-999").convert(&out)),
            0.0);
  EXPECT_TRUE(out);
  out = true;
  EXPECT_EQ(doubleOf(Float("1.7976931348623157e308").convert(&out)), DBL_MAX);
  EXPECT_FALSE(out);
}

TEST(FloatTest, StaticConversions) {
  EXPECT_EQ(Float::intToFloatRepresentation(1), 0x3f800000);
  EXPECT_EQ(Float::intToFloatRepresentation(-2),
            static_cast<int32_t>(0xc0000000));
  EXPECT_EQ(Float::intToDoubleRepresentation(1), 0x3ff0000000000000LL);
  EXPECT_EQ(Float::getFloatFromFloatRepresentation(0x40490fdb),
            3.14159274101257324f);
  EXPECT_EQ(Float::getDoubleFromDoubleRepresentation(0x4000000000000000LL),
            2.0);
}

TEST(FloatTest, DoubleToSingleReportsOverflow) {
  bool overflow = true;
  EXPECT_EQ(
      Float::doubleRepresentationToFloatRepresentation(bitsOf(1.5), &overflow),
      0x3fc00000);
  EXPECT_FALSE(overflow);
  EXPECT_EQ(Float::doubleRepresentationToFloatRepresentation(bitsOf(1e300),
                                                             &overflow),
            0x7f800000);
  EXPECT_TRUE(overflow);
  EXPECT_EQ(Float::doubleRepresentationToFloatRepresentation(bitsOf(-1e300),
                                                             &overflow),
            static_cast<int32_t>(0xff800000));
  EXPECT_TRUE(overflow);
  // Just above the largest single, below the rounding midpoint.
  double nearMax = static_cast<double>(FLT_MAX) * (1 + 1e-9);
  EXPECT_EQ(Float::doubleRepresentationToFloatRepresentation(bitsOf(nearMax),
                                                             &overflow),
            0x7f7fffff);
  EXPECT_FALSE(overflow);
  double midpoint = std::ldexp(1.0, 128) - std::ldexp(1.0, 103);
  EXPECT_EQ(Float::doubleRepresentationToFloatRepresentation(bitsOf(midpoint),
                                                             &overflow),
            0x7f800000);
  EXPECT_TRUE(overflow);
  // Infinity and NaN are not overflows of the conversion.
  Float::doubleRepresentationToFloatRepresentation(bitsOf(HUGE_VAL), &overflow);
  EXPECT_FALSE(overflow);
  int32_t nan = Float::doubleRepresentationToFloatRepresentation(
      bitsOf(std::nan("")), &overflow);
  EXPECT_FALSE(overflow);
  EXPECT_TRUE(std::isnan(Float::getFloatFromFloatRepresentation(nan)));
}

} // namespace
