// assembly_fixture.h - a test fixture that assembles a small source with a
// real Parser and gives access to the tables it filled.
#ifndef ZV_TESTS_ASSEMBLY_FIXTURE_H
#define ZV_TESTS_ASSEMBLY_FIXTURE_H

#include "buffer.h"
#include "parser.h"
#include "sectab.h"
#include "section.h"
#include "source_test_util.h"
#include "subsection.h"
#include "tokenizer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

class AssemblyFixture : public ::testing::Test {
protected:
  // Assembles text as a.s for the model; returns the error count and keeps
  // the messages.
  int assemble(const std::string &text, uint16_t code = 0x8100,
               const std::vector<std::string> &includes = {}) {
    source = scratch.write("a.s", text);
    said.str("");
    parser = std::make_unique<Parser>(scratch.path() + "/a.o", includes, code,
                                      0, false, said);
    const int errors = parser->parse(source);
    messages = said.str();
    return errors;
  }

  const Word *word(const std::string &name) {
    return parser->getTokenizer()->getWord(name);
  }
  Section *section(const std::string &name) {
    return parser->getSectab()->findSectionByName(word(name));
  }

  // The bytes of every subsection of the section, in layout order. Pass 2
  // must have filled each buffer exactly to the size pass 1 counted.
  std::vector<uint8_t> contents(const std::string &name) {
    std::vector<uint8_t> bytes;
    const SectionData *sd = parser->getSectab()->getSectionData(section(name));
    if (!sd)
      return bytes;
    for (const Subsection *sub : sd->getSubsectionSequence()) {
      const Buffer *b = sub->asData() ? sub->asData()->getData() : nullptr;
      if (!b)
        continue;
      EXPECT_EQ(b->getDataSize(), b->getSize())
          << name << " subsection " << sub->getIndex();
      bytes.insert(bytes.end(), b->constData(),
                   b->constData() + b->getDataSize());
    }
    return bytes;
  }

  ScratchDir scratch;
  std::string source;
  std::ostringstream said; // outlives the parser that writes to it
  std::unique_ptr<Parser> parser;
  std::string messages;
};

#endif
