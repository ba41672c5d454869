// globalsymtab_test.cpp - resolution rules of the global symbol table: who
// wins for every pair of bindings and kinds, and the two counts the library
// search relies on.
#include "globalsymtab.h"

#include <gtest/gtest.h>

#include <string>

namespace zvld {
namespace {

// Owners are only compared, never used.
ElfObject *const A = reinterpret_cast<ElfObject *>(0x10);
ElfObject *const B = reinterpret_cast<ElfObject *>(0x20);

GElf_Sym record(unsigned char bind, uint16_t shndx, uint64_t value = 0,
                uint64_t size = 0) {
  GElf_Sym s{};
  s.st_info = GELF_ST_INFO(bind, STT_NOTYPE);
  s.st_shndx = shndx;
  s.st_value = value;
  s.st_size = size;
  return s;
}

const uint16_t Und = SHN_UNDEF, Com = SHN_COMMON, Def = 1;

struct Rule {
  unsigned char firstBind;
  uint16_t first;
  unsigned char secondBind;
  uint16_t second;
  bool ok;
  ElfObject *owner;
  int undefined;
  int weakDefined;
};

TEST(GlobalSymtabTest, EveryPairOfBindingsAndKinds) {
  const unsigned char G = STB_GLOBAL, W = STB_WEAK;
  const Rule rules[] = {
      // A strong reference is bound by any later definition.
      {G, Und, G, Und, true, A, 1, 0},
      {G, Und, G, Def, true, B, 0, 0},
      {G, Und, G, Com, true, B, 0, 0},
      {G, Com, G, Und, true, A, 0, 0},
      {G, Com, G, Def, true, B, 0, 0},
      {G, Def, G, Und, true, A, 0, 0},
      {G, Def, G, Com, true, A, 0, 0},
      {G, Def, G, Def, false, A, 0, 0},
      // A weak definition binds a strong reference; nothing else moves.
      {G, Und, W, Def, true, B, 0, 1},
      {G, Und, W, Und, true, A, 1, 0},
      {G, Und, W, Com, true, A, 1, 0},
      {G, Def, W, Def, true, A, 0, 0},
      {G, Com, W, Def, true, A, 0, 0},
      // A strong definition replaces a weak one.
      {W, Def, G, Def, true, B, 0, 0},
      {W, Def, G, Com, true, B, 0, 0},
      {W, Def, G, Und, true, A, 0, 1},
      {W, Com, G, Def, true, A, 0, 1},
      // A weak reference seen first takes a later definition, and a later
      // strong reference makes it strong.
      {W, Und, G, Def, true, B, 0, 0},
      {W, Und, G, Com, true, B, 0, 0},
      {W, Und, G, Und, true, B, 1, 0},
      {W, Und, W, Def, true, B, 0, 1},
      {W, Und, W, Com, true, B, 0, 1},
      {W, Und, W, Und, true, A, 1, 0},
      {W, Def, W, Def, true, A, 0, 1},
  };
  for (const Rule &r : rules) {
    GlobalSymtab table;
    bool ok = false;
    Symbol *first = table.addSymbol(record(r.firstBind, r.first), "x", A, ok);
    ASSERT_TRUE(ok);
    Symbol *entry =
        table.addSymbol(record(r.secondBind, r.second, 8), "x", B, ok);
    std::string what = std::to_string(r.firstBind) + "/" +
                       std::to_string(r.first) + " then " +
                       std::to_string(r.secondBind) + "/" +
                       std::to_string(r.second);
    EXPECT_EQ(entry, first) << what;
    EXPECT_EQ(ok, r.ok) << what;
    EXPECT_EQ(entry->getOwner(), r.owner) << what;
    EXPECT_EQ(table.getUndefinedCount(), r.undefined) << what;
    EXPECT_EQ(table.getWeakDefinedCount(), r.weakDefined) << what;
    EXPECT_EQ(table.isGUOrWDSymbolFound(), r.undefined + r.weakDefined != 0)
        << what;
  }
}

TEST(GlobalSymtabTest, LargerCommonWinsFirstOnATie) {
  GlobalSymtab table;
  bool ok;
  Symbol *s = table.addSymbol(record(STB_GLOBAL, Com, 4, 4), "buf", A, ok);
  table.addSymbol(record(STB_GLOBAL, Com, 8, 8), "buf", B, ok);
  EXPECT_EQ(s->getOwner(), B);
  EXPECT_EQ(s->get().st_size, 8u);
  table.addSymbol(record(STB_GLOBAL, Com, 4, 8), "buf", A, ok);
  EXPECT_EQ(s->getOwner(), B);
}

TEST(GlobalSymtabTest, NamesAndUnexpectedBindings) {
  GlobalSymtab table;
  bool ok;
  table.addSymbol(record(STB_GLOBAL, Und), "need", A, ok);
  table.addSymbol(record(STB_WEAK, Def), "soft", A, ok);
  table.addSymbol(record(STB_GLOBAL, Def), "hard", A, ok);
  EXPECT_TRUE(table.isGUOrWDSymbolFound("need"));
  EXPECT_TRUE(table.isGUOrWDSymbolFound("soft"));
  EXPECT_FALSE(table.isGUOrWDSymbolFound("hard"));
  EXPECT_FALSE(table.isGUOrWDSymbolFound("absent"));
  // A local record for a global name is no binding the rules know.
  EXPECT_EQ(table.addSymbol(record(STB_LOCAL, Def), "hard", B, ok), nullptr);
  EXPECT_FALSE(ok);
  EXPECT_EQ(table.size(), 3u);
  table.clear();
  EXPECT_EQ(table.size(), 0u);
  EXPECT_FALSE(table.isGUOrWDSymbolFound());
}

} // namespace
} // namespace zvld
