// isapage_test.cpp - zv-isa(7) as built, read against the assembler's
// tables: every operation and register of each model, every example
// assembled by zv-as, and a rendering without warnings.
#include "architecture.h"
#include "tokenizer.h"
#include "zp100_arch.h"
#include "zp200_arch.h"

#include "source_test_util.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> pageLines() {
  std::ifstream in(ZV_ISA_PAGE);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);)
    lines.push_back(line);
  return lines;
}

// The lines of one ".SH name" section, up to the next one.
std::vector<std::string> section(const std::vector<std::string> &lines,
                                 const std::string &name) {
  std::vector<std::string> out;
  bool inside = false;
  for (const std::string &line : lines) {
    if (line.rfind(".SH ", 0) == 0)
      inside = line == ".SH " + name;
    else if (inside)
      out.push_back(line);
  }
  return out;
}

// The text a roff line shows for what the page wrote with \fB...\fP.
std::string plain(const std::string &roff) {
  std::string out;
  for (size_t i = 0; i < roff.size(); ++i) {
    if (roff[i] != '\\' || i + 1 >= roff.size()) {
      out += roff[i];
      continue;
    }
    const char c = roff[++i];
    if (c == '-')
      out += '-';
    else if (c == 'e')
      out += '\\';
    else if (c == 'f' && i + 1 < roff.size())
      ++i; // a font change
    // \& shows nothing
  }
  return out;
}

struct Example {
  std::string statement;
  unsigned syntaxes; // bit 0: V1, bit 1: V2
};

// "Example: \fBaddl @1, 5\fP", or with " (V1)" / " (V2)".
std::vector<Example> examplesOf(const std::vector<std::string> &lines) {
  std::vector<Example> out;
  for (const std::string &line : lines) {
    if (line.rfind("Example", 0) != 0)
      continue;
    const size_t colon = line.find(": ");
    if (colon == std::string::npos)
      continue;
    const std::string head = line.substr(0, colon);
    const unsigned syntaxes = head == "Example (V1)"   ? 1
                              : head == "Example (V2)" ? 2
                                                       : 3;
    out.push_back({plain(line.substr(colon + 2)), syntaxes});
  }
  return out;
}

struct Model {
  const char *name;
  uint16_t code;
  size_t mnemonics;
};

const Model models[] = {{"ZP100", EM_ZP100, 127}, {"ZP200", EM_ZP200, 327}};

std::unique_ptr<Architecture> architecture(const Model &m, Tokenizer &t) {
  if (m.code == EM_ZP100)
    return std::make_unique<ZP100_Arch>(&t);
  return std::make_unique<ZP200_Arch>(&t);
}

// The exit status of a shell command; its standard error in said.
int shell(const std::string &command, std::string &said) {
  ScratchDir scratch;
  const std::string errors = scratch.path() + "/stderr";
  const int rc = std::system((command + " 2>'" + errors + "'").c_str());
  std::ifstream in(errors);
  std::ostringstream text;
  text << in.rdbuf();
  said = text.str();
  return rc;
}

TEST(IsaPage, NamesEveryOperationOfEachModelInTableOrder) {
  const std::vector<std::string> lines = pageLines();
  ASSERT_FALSE(lines.empty()) << ZV_ISA_PAGE;
  for (const Model &m : models) {
    Tokenizer tokenizer(nullptr);
    std::unique_ptr<Architecture> arch = architecture(m, tokenizer);
    const std::vector<std::string> names = arch->getMnemonics();
    EXPECT_EQ(names.size(), m.mnemonics) << m.name;
    // Each operation heads an entry: ".TP", then ".B name".
    std::vector<std::string> shown;
    const std::vector<std::string> body = section(lines, m.name);
    for (size_t i = 0; i + 1 < body.size(); ++i)
      if (body[i] == ".TP" && body[i + 1].rfind(".B ", 0) == 0)
        shown.push_back(plain(body[i + 1].substr(3)));
    EXPECT_EQ(shown, names) << m.name;
  }
}

TEST(IsaPage, ListsEveryRegisterWithItsNameAccessAndType) {
  const std::vector<std::string> lines = pageLines();
  for (const Model &m : models) {
    Tokenizer tokenizer(nullptr);
    std::unique_ptr<Architecture> arch = architecture(m, tokenizer);
    const std::vector<std::string> body = section(lines, m.name);
    std::set<std::string> entries;
    for (size_t i = 0; i + 2 < body.size(); ++i)
      if (body[i] == ".TP 16")
        entries.insert(body[i + 1] + "|" + body[i + 2]);
    size_t count = 0;
    for (uint32_t n = 0; n < arch->getRegisterCount(); ++n) {
      const Register *r = arch->getRegister(static_cast<int>(n));
      if (!r)
        continue;
      ++count;
      const std::string name = arch->getRegisterName(n);
      const char *type = r->getType() == Register::GENERAL ? "general"
                         : r->getType() == Register::INDEX ? "index"
                         : r->getType() == Register::SYSTEM
                             ? "system"
                             : "peripheral control";
      const char *access = r->getAccess() == Register::READ    ? "read\\-only"
                           : r->getAccess() == Register::WRITE ? "write\\-only"
                                                               : "read/write";
      const std::string entry = ".B #" + std::to_string(n) +
                                (name.empty() ? "" : " #" + name) + "|" + type +
                                " register, " + access;
      EXPECT_EQ(entries.count(entry), 1u) << m.name << ": " << entry;
    }
    EXPECT_EQ(entries.size(), count) << m.name;
  }
  // The index registers the issue of zv-as(1) was about.
  const std::vector<std::string> zp200 = section(lines, "ZP200");
  const std::vector<std::string> zp100 = section(lines, "ZP100");
  auto has = [](const std::vector<std::string> &body, const std::string &l) {
    for (const std::string &line : body)
      if (line == l)
        return true;
    return false;
  };
  EXPECT_TRUE(has(zp200, ".B #15"));
  EXPECT_TRUE(has(zp100, ".B #39"));
  EXPECT_FALSE(has(zp100, ".B #8"));
}

TEST(IsaPage, EveryExampleAssemblesWithoutAWord) {
  const std::vector<std::string> lines = pageLines();
  ScratchDir scratch;
  for (const Model &m : models) {
    const std::vector<Example> examples = examplesOf(section(lines, m.name));
    // One example per operation, the placeholder of an unknown mnemonic
    // aside.
    EXPECT_EQ(examples.size(), m.mnemonics - 1) << m.name;
    for (int syntax = 1; syntax <= 2; ++syntax) {
      std::string source = "        .text\n";
      size_t n = 0;
      for (const Example &e : examples) {
        if (!(e.syntaxes & (1u << (syntax - 1))))
          continue;
        source += "x" + std::to_string(n++) + ":\n        getl 1\n        " +
                  e.statement + "\n";
        if (e.statement != "complete")
          source += "        complete\n";
      }
      const std::string base =
          std::string(m.name) + "-V" + std::to_string(syntax);
      const std::string input = scratch.write(base + ".s", source);
      std::string said;
      const int rc =
          shell(std::string(ZV_AS_PATH) + " --arch=" + m.name + " --syntax=V" +
                    std::to_string(syntax) + " -o '" + scratch.path() + "/" +
                    base + ".o' '" + input + "'",
                said);
      EXPECT_EQ(rc, 0) << base << "\n" << said;
      EXPECT_EQ(said, "") << base;
      EXPECT_GT(n, 100u) << base;
    }
  }
}

TEST(IsaPage, RendersWithoutWarnings) {
  std::string said;
  ASSERT_EQ(shell(std::string("groff -ww -man -z '") + ZV_ISA_PAGE + "'", said),
            0);
  EXPECT_EQ(said, "");
  ASSERT_EQ(shell(std::string("MANWIDTH=80 MANPAGER=cat PAGER=cat man "
                              "--warnings -l '") +
                      ZV_ISA_PAGE + "' >/dev/null",
                  said),
            0);
  EXPECT_EQ(said, "");
}

} // namespace
