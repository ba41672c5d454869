// linker_bench.cpp - end-to-end speed and peak memory of zv-ld on generated
// link sets of both models, and of the host's GNU ld on the same symbol
// graph assembled for i386, in the same run.
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "benchdirectory.h"
#include "childprocess.h"

namespace {

// The scratch directory and the programs measured (ZV_AS, ZV_LD, ZV_GNU_AS
// and ZV_GNU_LD in the environment name others).
struct Workspace : BenchDirectory {
  Workspace() : BenchDirectory("zv-ld-bench") {}
  std::string zvAs = programFromEnvironment("ZV_AS", ZV_AS_PATH);
  std::string zvLd = programFromEnvironment("ZV_LD", ZV_LD_PATH);
  std::string gnuAs = programFromEnvironment("ZV_GNU_AS", "/usr/bin/as");
  std::string gnuLd = programFromEnvironment("ZV_GNU_LD", "/usr/bin/ld");
};

// One flavour of a link set: the objects and the link command of one linker.
struct Flavour {
  std::vector<std::string> objects;
  std::vector<std::string> link;
};

// A generated link set in three flavours: ZP100, ZP200 and i386.
struct LinkSet {
  std::string name;
  int64_t relocations = 0;
  Flavour zp100, zp200, i386;
  std::string error;
};

std::string sym(char kind, int i) { return kind + std::to_string(i); }

// The source of object i. Every object defines a code label and a data
// word and refers, through data words, to relocations symbols of other
// objects, code and data alternately; strings and absolute symbols make the
// merge and symbol-table sets. gnu selects the host's syntax.
std::string objectSource(int i, int objects, int relocations, int strings,
                         int absolutes, bool gnu) {
  std::string s;
  s += "        .data\n        .globl " + sym('d', i) + "\n";
  s += sym('d', i) + ":\n        .long " + std::to_string(i) + "\n";
  for (int k = 0; k < relocations; ++k) {
    int j = int((int64_t(i) * 31 + int64_t(k) * 17 + 1) % objects);
    s += "        .long " + sym(k % 2 ? 'd' : 'f', j) + "\n";
  }
  for (int k = 0; k < absolutes; ++k) {
    std::string name = "a" + std::to_string(i) + "_" + std::to_string(k);
    s += "        .globl " + name + "\n        .set " + name + ", " +
         std::to_string(k) + "\n";
  }
  if (strings) {
    s += "        .section .rodata.str, \"aMS\", @progbits, 1\n";
    // Every other string is the tail of the one before, and strings repeat
    // across objects.
    for (int k = 0; k < strings; ++k) {
      std::string text = "string number " + std::to_string((i * 7 + k) % 5000);
      if (k % 2)
        text = text.substr(7);
      s += "        .string \"" + text + "\"\n";
    }
  }
  s += "        .text\n        .globl " + sym('f', i) + "\n";
  s += sym('f', i) + ":\n";
  s += gnu ? "        nop\n        ret\n" : "        getl #1\n        complete\n";
  return s;
}

bool assemble(const std::vector<std::string> &command, const std::string &err,
              std::string &error) {
  RunResult r = runProgram(command, err);
  if (!r.ok)
    error = r.error;
  return r.ok;
}

LinkSet makeLinkSet(Workspace &ws, const std::string &name, int objects,
                    int relocations, int strings = 0, int absolutes = 0) {
  LinkSet set;
  set.name = name;
  set.relocations = int64_t(objects) * relocations;
  std::string dir = ws.path(name);
  std::filesystem::create_directories(dir);
  std::string err = dir + "/as.err";
  for (int i = 0; i < objects && set.error.empty(); ++i) {
    std::string base = dir + "/o" + std::to_string(i);
    std::ofstream(base + ".s")
        << objectSource(i, objects, relocations, strings, absolutes, false);
    std::ofstream(base + ".S386.s")
        << objectSource(i, objects, relocations, strings, absolutes, true);
    set.zp100.objects.push_back(base + ".zp100.o");
    set.zp200.objects.push_back(base + ".zp200.o");
    set.i386.objects.push_back(base + ".i386.o");
    if (!assemble({ws.zvAs, "--arch=ZP100", base + ".s", "-o",
                   set.zp100.objects.back()},
                  err, set.error) ||
        !assemble({ws.zvAs, "--arch=ZP200", base + ".s", "-o",
                   set.zp200.objects.back()},
                  err, set.error) ||
        !assemble({ws.gnuAs, "--32", base + ".S386.s", "-o",
                   set.i386.objects.back()},
                  err, set.error))
      break;
  }
  set.zp100.link = {ws.zvLd, "-o", dir + "/image100.bin"};
  set.zp200.link = {ws.zvLd, "-o", dir + "/image200.bin"};
  set.i386.link = {ws.gnuLd, "-m", "elf_i386", "-e", "f0", "-o",
                   dir + "/image.i386"};
  for (Flavour *f : {&set.zp100, &set.zp200, &set.i386})
    f->link.insert(f->link.end(), f->objects.begin(), f->objects.end());
  return set;
}

// zv-ld on one model's flavour and GNU ld on the i386 one, alternating so
// that a load on the machine hits both alike; the manual time is zv-ld's.
void link(benchmark::State &state, Workspace &ws, const LinkSet &set,
          const Flavour &zv) {
  if (!set.error.empty()) {
    state.SkipWithError(set.error.c_str());
    return;
  }
  std::string err = ws.path(set.name + "/ld.err");
  double zvTotal = 0, gnuTotal = 0, zvPeak = 0, gnuPeak = 0;
  for (auto _ : state) {
    RunResult z = runProgram(zv.link, err);
    RunResult g = z.ok ? runProgram(set.i386.link, err) : z;
    if (!z.ok || !g.ok) {
      state.SkipWithError((z.ok ? g : z).error.c_str());
      return;
    }
    state.SetIterationTime(z.seconds);
    zvTotal += z.seconds;
    gnuTotal += g.seconds;
    zvPeak = std::max(zvPeak, z.peakMB);
    gnuPeak = std::max(gnuPeak, g.peakMB);
  }
  double runs = double(state.iterations());
  double relocations = double(set.relocations) * runs;
  state.counters["zv_relocs_per_s"] = relocations / zvTotal;
  state.counters["gnu_relocs_per_s"] = relocations / gnuTotal;
  state.counters["zv_peak_MB"] = zvPeak;
  state.counters["gnu_peak_MB"] = gnuPeak;
  // The same relocation count on both sides: the ratio of the times is the
  // ratio of the times per relocation.
  state.counters["time_ratio_zv_to_gnu"] = zvTotal / gnuTotal;
}

} // namespace

int main(int argc, char **argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv))
    return 1;
  Workspace ws;
  if (!ws.usable()) {
    std::cerr << "linker_bench: cannot make a scratch directory\n";
    return 1;
  }
  // Sets that fit the data memory of both models, made when a benchmark
  // first needs them: 100,000 strings from 100 objects in one merged
  // section, and 200,000 global symbols from 200 objects among them.
  struct Recipe {
    const char *name;
    int objects, relocations, strings, absolutes;
  };
  static const Recipe recipes[] = {
      {"100x25", 100, 25, 0, 0},
      {"100x250", 100, 250, 0, 0},
      {"1000x25", 1000, 25, 0, 0},
      {"strings100x1000", 100, 1, 1000, 0},
      {"symbols200x1000", 200, 2, 0, 1000},
  };
  // The lambdas keep references to the slots: no reallocation after.
  std::vector<std::unique_ptr<LinkSet>> sets;
  sets.reserve(std::size(recipes));
  for (const Recipe &recipe : recipes) {
    sets.push_back(nullptr);
    std::unique_ptr<LinkSet> &set = sets.back();
    for (int model : {100, 200}) {
      auto run = [&ws, &set, recipe, model](benchmark::State &s) {
        if (!set)
          set = std::make_unique<LinkSet>(
              makeLinkSet(ws, recipe.name, recipe.objects, recipe.relocations,
                          recipe.strings, recipe.absolutes));
        link(s, ws, *set, model == 100 ? set->zp100 : set->zp200);
      };
      benchmark::RegisterBenchmark((std::string("BM_Link/") + recipe.name +
                                    "/ZP" + std::to_string(model) +
                                    "_vs_GnuLd")
                                       .c_str(),
                                   run)
          ->UseManualTime()
          ->Unit(benchmark::kMillisecond)
          ->Iterations(3)
          ->Repetitions(3)
          ->ReportAggregatesOnly(true);
    }
  }
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
