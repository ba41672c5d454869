// as_fuzz.cpp - libFuzzer target of the assembler: the input is one source,
// assembled for both models, with and without -g, in a scratch directory.
//
// Each input sees a fresh program: one Parser per assembly (it owns every
// table of the run), the file name table emptied after it, no allocation
// failure handler (an exhausted allocation is a finding, not an exit), and
// .print output kept off the fuzzer's standard output, and a small bound on
// macro expansion (see ExpansionBudget). Includes resolve
// only inside the scratch directory (see includesandbox.h), which holds the
// source itself and two small include files. Sources that would only meet
// known problems are left out (see asinputfilter.h). Every assembly must
// either count errors and leave no object, or count none and leave a sound
// one.
#include "asinputfilter.h"
#include "elf32.h"
#include "elfcheck.h"
#include "filename.h"
#include "includesandbox.h"
#include "nullstream.h"
#include "parser.h"
#include "scratchdirectory.h"
#include "slowinputguard.h"

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <new>

namespace {

const char *const Defs = "; defs.inc - definitions for included sources\n"
                         "        .equ four, 4\n"
                         "        .set mask, 0xff << 8\n"
                         "        .globl shared\n";
const char *const Data = "; sub/data.inc - data for included sources\n"
                         "        .data\n"
                         "shared: .long four, mask\n"
                         "        .string \"inc\"\n";

// The text all macro expansions of one pass may make here.
constexpr uint64_t ExpansionBudget = 256 * 1024;

struct Workspace {
  ScratchDirectory scratch;
  std::string source = scratch.file("fuzz.s");
  std::string object = scratch.file("fuzz.o");
  NullStream messages;
  NullStream printed;

  Workspace() {
    scratch.write("defs.inc", Defs);
    scratch.makeDirectory("sub");
    scratch.write("sub/data.inc", Data);
  }
};

Workspace *workspace;

[[noreturn]] void finding(const char *what, uint16_t model, bool debug,
                          int errors, const std::string &detail = "") {
  std::fprintf(stderr, "==zv-fuzz== %s (%s%s, %d errors)%s%s\n", what,
               model == EM_ZP100 ? "ZP100" : "ZP200", debug ? ", -g" : "",
               errors, detail.empty() ? "" : ": ", detail.c_str());
  std::abort();
}

void assemble(uint16_t model, bool debug) {
  Workspace &w = *workspace;
  w.scratch.remove("fuzz.o");
  int errors;
  {
    IncludeSandbox sandbox(w.scratch.path());
    std::streambuf *stdoutBuffer = std::cout.rdbuf(w.printed.rdbuf());
    Parser parser(w.object, {w.scratch.path()}, model, 0, debug, w.messages);
    // Macros that multiply stop at this bound, well before a second.
    parser.setExpansionBudget(ExpansionBudget);
    errors = parser.parse(w.source);
    std::cout.rdbuf(stdoutBuffer);
  }
  FileName::clearTable();

  const bool written = w.scratch.exists("fuzz.o");
  if (errors < 0)
    finding("negative error count", model, debug, errors);
  if (errors != 0 && written)
    finding("object left behind by a failed assembly", model, debug, errors);
  if (errors == 0 && !written)
    finding("no object from a clean assembly", model, debug, errors);
  if (written)
    if (std::string p = ElfCheck::problem(w.object, ET_REL, model); !p.empty())
      finding("unsound object", model, debug, errors, p);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
  workspace = new Workspace;
  std::atexit([] { delete workspace; });
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  if (AsInputFilter::rejects(data, size))
    return -1;
  SlowInputGuard guard(size);
  std::set_new_handler(nullptr);
  workspace->scratch.write("fuzz.s", data, size);
  for (uint16_t model : {EM_ZP100, EM_ZP200})
    for (bool debug : {false, true})
      assemble(model, debug);
  return 0;
}
