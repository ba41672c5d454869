// parser_sections_test.cpp - the parser's section, relocation and field
// value rules, seen through whole assemblies of small sources.
#include "assembly_fixture.h"
#include "buffer.h"
#include "parser.h"
#include "reltab.h"
#include "sectab.h"
#include "section.h"
#include "source_test_util.h"
#include "subsection.h"
#include "symbol.h"
#include "symtab.h"
#include "tokenizer.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

class ParserSectionsTest : public AssemblyFixture {
protected:
  Symbol *symbol(const std::string &name) {
    return parser->getSymtab()->getExistingSymbol(word(name));
  }
  const std::vector<Relocation *> *relocations(const std::string &name) {
    RelData *rel = parser->getReltab()->getRelData(section(name));
    return rel ? &rel->getRelocationSequence() : nullptr;
  }
  size_t count(const std::string &text) {
    size_t n = 0;
    for (size_t at = messages.find(text); at != std::string::npos;
         at = messages.find(text, at + 1))
      ++n;
    return n;
  }
  std::vector<std::string> symbolNames() {
    std::string strtab;
    std::vector<std::string> names;
    for (const Symbol *s : parser->getSymtab()->getSymbolSequence(strtab))
      names.push_back(s->getStrName());
    return names;
  }
};

TEST_F(ParserSectionsTest, PredefinedSectionsAndModelSymbol) {
  ASSERT_EQ(assemble("\t.text\n"), 0) << messages;
  Sectab *sectab = parser->getSectab();
  EXPECT_EQ(section("*ABS*")->getIndex(), Section::ABS_INDEX);
  EXPECT_EQ(section("*COMMON*")->getIndex(), Section::COMMON_INDEX);
  EXPECT_EQ(parser->getAbsoluteSubsection()->getSection(), section("*ABS*"));
  EXPECT_EQ(parser->getCommonSubsection()->getSection(), section("*COMMON*"));
  Section *text = section(".text");
  Section *data = section(".data");
  Section *bss = section(".bss");
  EXPECT_TRUE(text->isText());
  EXPECT_TRUE(data->isData());
  EXPECT_TRUE(bss->isBss());
  // ZP100: operation words most significant byte first, data the other way.
  EXPECT_EQ(text->getDataEncoding(), 2);
  EXPECT_EQ(data->getDataEncoding(), 1);
  EXPECT_EQ(bss->getDataEncoding(), 0);
  EXPECT_EQ(sectab->getSectionSequence().size(), 5u);
  for (Section *s : {text, data, bss}) {
    Symbol *sym = s->getLinkedSymbol();
    ASSERT_NE(sym, nullptr);
    EXPECT_EQ(sym->getType(), STT_SECTION);
    EXPECT_TRUE(sym->isDefined());
    EXPECT_TRUE(sym->isRelocationTarget());
  }
  EXPECT_EQ(text->getLinkedSymbol()->getIndex(), 1u);
  EXPECT_EQ(bss->getLinkedSymbol()->getIndex(), 3u);

  Symbol *model = symbol(".LZP100");
  ASSERT_NE(model, nullptr);
  EXPECT_TRUE(model->isDefined());
  EXPECT_TRUE(model->getValue()->getSection()->isAbs());
  EXPECT_EQ(model->getSymbol().st_shndx, Section::ABS_INDEX);
  EXPECT_EQ(symbolNames(),
            (std::vector<std::string>{"", ".text", ".data", ".bss"}));
}

TEST_F(ParserSectionsTest, ZP200DataEncodingAndModelSymbol) {
  ASSERT_EQ(assemble("\t.data\n\t.short 0x102\n", 0x8101), 0) << messages;
  EXPECT_EQ(section(".text")->getDataEncoding(), 1);
  EXPECT_EQ(section(".data")->getDataEncoding(), 1);
  EXPECT_NE(symbol(".LZP200"), nullptr);
  EXPECT_EQ(symbol(".LZP100"), nullptr);
  EXPECT_EQ(contents(".data"), (std::vector<uint8_t>{2, 1}));
}

TEST_F(ParserSectionsTest, SetValuesAreWalkedInPassTwo) {
  ASSERT_EQ(assemble("\t.data\n"
                     "\t.byte x\n"
                     "\t.set x, 1\n"
                     "\t.byte x\n"
                     "\t.set x, 2\n"
                     "\t.byte x\n"),
            0)
      << messages;
  EXPECT_EQ(contents(".data"), (std::vector<uint8_t>{1, 1, 2}));
  symbolNames();
  EXPECT_EQ(symbol("x")->getSymbol().st_value, 2u);
  EXPECT_EQ(relocations(".data"), nullptr);
}

TEST_F(ParserSectionsTest, FieldValuesAndRelocationTargets) {
  ASSERT_EQ(assemble("\t.data\n"
                     "\t.skip 16\n"
                     "here:\t.long here+4\n"
                     "\t.long ext+4\n"
                     "\t.long 7\n"),
            0)
      << messages;
  // .data is least significant byte first on ZP100.
  std::vector<uint8_t> expected(16, 0);
  for (uint8_t b : {20, 0, 0, 0, 4, 0, 0, 0, 7, 0, 0, 0})
    expected.push_back(b);
  EXPECT_EQ(contents(".data"), expected);
  const std::vector<Relocation *> *rel = relocations(".data");
  ASSERT_NE(rel, nullptr);
  ASSERT_EQ(rel->size(), 2u); // .long 7 needs none
  EXPECT_EQ((*rel)[0]->getOffset(), 16u);
  EXPECT_EQ((*rel)[0]->getSymbol(), section(".data")->getLinkedSymbol());
  EXPECT_EQ((*rel)[0]->getType(), R_ZORVEL_32);
  EXPECT_EQ((*rel)[1]->getOffset(), 20u);
  EXPECT_EQ((*rel)[1]->getSymbol(), symbol("ext"));
  EXPECT_TRUE(symbol("ext")->isRelocationTarget());
  EXPECT_FALSE(symbol("here")->isRelocationTarget());
  EXPECT_EQ(symbolNames(), (std::vector<std::string>{"", ".text", ".data",
                                                     ".bss", "here", "ext"}));
  EXPECT_EQ((*rel)[1]->getSymtabIndex(), 5u);
  EXPECT_EQ(symbol("ext")->getBind(), STB_GLOBAL);
  EXPECT_EQ(symbol("ext")->getShndx(), SHN_UNDEF);
}

TEST_F(ParserSectionsTest, RelocationTypesFollowTheFieldWidth) {
  ASSERT_EQ(assemble("\t.data\n"
                     "\t.byte e\n"
                     "\t.short e\n"
                     "\t.long e\n"
                     "\t.quad e\n"),
            0)
      << messages;
  const std::vector<Relocation *> *rel = relocations(".data");
  ASSERT_NE(rel, nullptr);
  ASSERT_EQ(rel->size(), 4u);
  std::vector<unsigned> types, offsets;
  for (const Relocation *r : *rel) {
    types.push_back(r->getType());
    offsets.push_back(r->getOffset());
  }
  EXPECT_EQ(types, (std::vector<unsigned>{1, 2, 3, 4}));
  EXPECT_EQ(offsets, (std::vector<unsigned>{0, 1, 3, 7}));
}

TEST_F(ParserSectionsTest, MergeableSectionSymbolsAreRelocatedByName) {
  ASSERT_EQ(assemble("\t.section strs, \"aMS\", @progbits, 1\n"
                     "\t.byte 1, 2, 3\n"
                     "s:\t.byte 0\n"
                     "\t.data\n"
                     "\t.long s+2\n"),
            0)
      << messages;
  EXPECT_EQ(contents(".data"), (std::vector<uint8_t>{2, 0, 0, 0}));
  const std::vector<Relocation *> *rel = relocations(".data");
  ASSERT_NE(rel, nullptr);
  ASSERT_EQ(rel->size(), 1u);
  EXPECT_EQ((*rel)[0]->getSymbol(), symbol("s"));
  EXPECT_TRUE(symbol("s")->isRelocationTarget());
}

TEST_F(ParserSectionsTest, CommonSymbolsAreRelocatedByName) {
  ASSERT_EQ(assemble("\t.comm c, 4, 8\n"
                     "\t.data\n"
                     "\t.long c+1\n"),
            0)
      << messages;
  // The field holds the addend alone: the linker places the common.
  EXPECT_EQ(contents(".data"), (std::vector<uint8_t>{1, 0, 0, 0}));
  const std::vector<Relocation *> *rel = relocations(".data");
  ASSERT_NE(rel, nullptr);
  ASSERT_EQ(rel->size(), 1u);
  EXPECT_EQ((*rel)[0]->getSymbol(), symbol("c"));
  symbolNames();
  EXPECT_EQ(symbol("c")->getShndx(), Section::COMMON_INDEX);
  EXPECT_EQ(symbol("c")->getSymbol().st_value, 8u);
}

TEST_F(ParserSectionsTest, LocalLabels) {
  ASSERT_EQ(assemble("\t.data\n"
                     ".L5:\t.byte 1\n"
                     "loop:\t.byte 2\n"
                     "\t.long .L6\n"),
            0)
      << messages;
  EXPECT_EQ(symbolNames(), (std::vector<std::string>{"", ".text", ".data",
                                                     ".bss", "loop", ".L6"}));
  EXPECT_EQ(symbol("loop")->getBind(), STB_LOCAL);
  EXPECT_EQ(symbol(".L6")->getBind(), STB_GLOBAL);
  EXPECT_EQ(symbol(".L6")->getShndx(), SHN_UNDEF);
}

TEST_F(ParserSectionsTest, DefinedLocalLabelAsTargetIsKept) {
  // Relocated against the section symbol: the label itself stays out.
  ASSERT_EQ(assemble("\t.data\n"
                     ".L1:\t.long .L1\n"),
            0)
      << messages;
  EXPECT_EQ(symbolNames(),
            (std::vector<std::string>{"", ".text", ".data", ".bss"}));
}

TEST_F(ParserSectionsTest, ChangedAttributesAreIgnoredWithOneWarning) {
  ASSERT_EQ(assemble("\t.section mydata, \"a\"\n"
                     "\t.byte 1\n"
                     "\t.section mydata, \"aw\"\n"
                     "\t.byte 2\n"),
            0)
      << messages;
  EXPECT_EQ(count("warning: ignoring changed section flags for mydata\n"), 1u)
      << messages;
  EXPECT_EQ(count(source + ":3:"), 1u) << messages;
  EXPECT_EQ(section("mydata")->getFlags(), uint32_t(SHF_ALLOC));
  EXPECT_EQ(contents("mydata"), (std::vector<uint8_t>{1, 2}));
  // Sections made by .section store data most significant byte first.
  EXPECT_EQ(section("mydata")->getDataEncoding(), 2);
  EXPECT_EQ(section("mydata")->getLinkedSymbol()->getIndex(), 4u);
}

TEST_F(ParserSectionsTest, ChangedTypeAndEntitySizeAreIgnored) {
  ASSERT_EQ(assemble("\t.section m, \"aM\", @progbits, 4\n"
                     "\t.section m, \"aM\", @nobits, 8\n"),
            0)
      << messages;
  EXPECT_EQ(count("warning: ignoring changed section type for m\n"), 1u)
      << messages;
  EXPECT_EQ(count("warning: ignoring changed section entity size for m\n"), 1u)
      << messages;
  EXPECT_EQ(count("warning: ignoring changed section flags"), 0u);
  EXPECT_EQ(section("m")->getEntsize(), 4u);
  EXPECT_EQ(section("m")->getType(), uint32_t(SHT_PROGBITS));
}

TEST_F(ParserSectionsTest, IncorrectSpecialAttributesSeenWithPassOneErrors) {
  EXPECT_EQ(assemble("\t.section .comment, \"a\"\n"
                     "\t.section .note, \"\", @progbits\n"
                     "\t.text\n"
                     "\t.byte 1\n"),
            1);
  EXPECT_EQ(count("warning: setting incorrect section flags for .comment\n"),
            1u)
      << messages;
  EXPECT_EQ(count("warning: setting incorrect section type for .note\n"), 1u)
      << messages;
  EXPECT_EQ(section(".comment")->getFlags(), uint32_t(SHF_ALLOC));
  EXPECT_EQ(section(".note")->getType(), uint32_t(SHT_PROGBITS));
  // A clean source does not show them: pass 2 does not raise them again.
  EXPECT_EQ(assemble("\t.section .comment, \"a\"\n"), 0);
  EXPECT_EQ(messages, "");
}

TEST_F(ParserSectionsTest, SpecialTableGivesDefaults) {
  ASSERT_EQ(assemble("\t.section .debug_str\n"
                     "\t.section other\n"),
            0)
      << messages;
  EXPECT_EQ(section(".debug_str")->getFlags(),
            uint32_t(SHF_MERGE | SHF_STRINGS));
  EXPECT_EQ(section("other")->getType(), uint32_t(SHT_PROGBITS));
  EXPECT_EQ(section("other")->getFlags(), 0u);
  SectionData *sd = parser->getSectab()->getSectionData(section("other"));
  ASSERT_EQ(sd->getSubsectionSequence().size(), 1u);
  EXPECT_EQ(sd->getDataSize(), 0u);
}

TEST_F(ParserSectionsTest, SectionNamedLikeAnEarlierSymbolIsAnError) {
  EXPECT_EQ(assemble("\t.data\n"
                     "foo:\t.byte 1\n"
                     "\t.section foo\n"),
            1);
  EXPECT_EQ(count("error: symbol 'foo' is already defined at line 2\n"), 1u)
      << messages;
}

TEST_F(ParserSectionsTest, SectionSymbolsStayLocal) {
  ASSERT_EQ(assemble("\t.globl sec\n"
                     "\t.section sec, \"a\"\n"
                     "\t.data\n"
                     "l:\t.long sec\n"),
            0)
      << messages;
  Symbol *sec = section("sec")->getLinkedSymbol();
  EXPECT_EQ(sec->getBind(), STB_LOCAL);
  EXPECT_EQ(sec->getType(), STT_SECTION);
  // Every local still precedes every global.
  std::string strtab;
  bool global = false;
  for (const Symbol *s : parser->getSymtab()->getSymbolSequence(strtab)) {
    if (s->getBind() != STB_LOCAL)
      global = true;
    else
      EXPECT_FALSE(global) << s->getStrName();
  }
}

TEST_F(ParserSectionsTest, SubsectionsAndAlignmentAcrossPasses) {
  ASSERT_EQ(assemble("\t.data 2\n"
                     "\t.byte 3\n"
                     "\t.data 0\n"
                     "\t.byte 1, 1, 1\n"
                     "\t.align 4, 0xee\n"
                     "a:\t.byte 0xa\n"
                     "\t.data 1\n"
                     "\t.byte 2\n"
                     "\t.data\n"
                     "\t.long a\n"),
            0)
      << messages;
  EXPECT_EQ(contents(".data"),
            (std::vector<uint8_t>{1, 1, 1, 0xee, 0xa, 4, 0, 0, 0, 2, 3}));
  EXPECT_EQ(section(".data")->getAddralign(), 4u);
  symbolNames();
  EXPECT_EQ(symbol("a")->getSymbol().st_value, 4u);
}

} // namespace
