// assembler_bench.cpp - speed and peak memory of zv-as on large generated
// and on hostile sources, and of the host's GNU as on the same data.
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <iostream>
#include <iterator>
#include <random>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>
#include <vector>

#include <benchmark/benchmark.h>

#include "benchdirectory.h"
#include "childprocess.h"

namespace {

// Bytes of the named section of an ELF32 object of either byte order; false
// when the file is not such an object or lacks the section.
bool readSection(const std::string &path, const std::string &name,
                 std::string &bytes) {
  std::ifstream in(path, std::ios::binary);
  std::string file((std::istreambuf_iterator<char>(in)),
                   std::istreambuf_iterator<char>());
  if (file.size() < 52 ||
      file.compare(0, 4,
                   "\x7f"
                   "ELF") != 0 ||
      file[4] != 1)
    return false;
  const bool big = file[5] == 2;
  auto get = [&](uint64_t at, unsigned size, uint64_t &value) {
    if (at + size > file.size())
      return false;
    value = 0;
    for (unsigned i = 0; i < size; ++i) {
      uint64_t byte = static_cast<unsigned char>(file[at + i]);
      value |= big ? byte << (8 * (size - 1 - i)) : byte << (8 * i);
    }
    return true;
  };
  uint64_t shoff, shentsize, shnum, shstrndx;
  if (!get(32, 4, shoff) || !get(46, 2, shentsize) || !get(48, 2, shnum) ||
      !get(50, 2, shstrndx) || shentsize < 40 || shstrndx >= shnum)
    return false;
  uint64_t namesOffset;
  if (!get(shoff + shstrndx * shentsize + 16, 4, namesOffset))
    return false;
  for (uint64_t i = 0; i < shnum; ++i) {
    uint64_t header = shoff + i * shentsize;
    uint64_t nameIndex, offset, size;
    if (!get(header, 4, nameIndex) || !get(header + 16, 4, offset) ||
        !get(header + 20, 4, size))
      return false;
    uint64_t at = namesOffset + nameIndex;
    if (at >= file.size() ||
        file.compare(at, name.size() + 1, name.c_str(), name.size() + 1) != 0)
      continue;
    if (offset + size > file.size())
      return false;
    bytes = file.substr(offset, size);
    return true;
  }
  return false;
}

// The generated sources and the programs under test (ZV_AS and ZV_GNU_AS in
// the environment name others); the directory goes with everything in it.
struct Workspace : BenchDirectory {
  Workspace() : BenchDirectory("zv-as-bench") {}
  std::string file(const std::string &name) const { return path(name); }
  std::string zvAsPath = programFromEnvironment("ZV_AS", ZV_AS_PATH);
  std::string gnuAsPath = programFromEnvironment("ZV_GNU_AS", "/usr/bin/as");
};

// A generated source with its size.
struct Source {
  std::string path;
  int64_t lines = 0;
  int64_t bytes = 0;
};

Source writeSource(Workspace &ws, const std::string &name,
                   const std::string &text) {
  Source source;
  source.path = ws.file(name);
  std::ofstream(source.path, std::ios::binary) << text;
  source.bytes = static_cast<int64_t>(text.size());
  for (char c : text)
    source.lines += c == '\n';
  return source;
}

// Paragraphs of operations reading, combining and storing data of the
// paragraph's own data block, with jumps between paragraphs.
Source mixedSource(Workspace &ws, int64_t minLines) {
  std::mt19937 random(11);
  std::string text;
  text.reserve(static_cast<size_t>(minLines) * 18);
  int64_t lines = 0;
  auto line = [&](const std::string &s) {
    text += s;
    text += '\n';
    ++lines;
  };
  for (unsigned i = 0; lines < minLines; ++i) {
    std::string n = std::to_string(i);
    line("        .data");
    line("v" + n + ":  .long " + std::to_string(random() % 100000) + ", " +
         std::to_string(random() % 100000));
    line("        .byte 1, 2, " + std::to_string(random() % 256));
    line("        .ascii \"record " + n + "\"");
    line("        .align 4");
    line("w" + n + ":  .long 0");
    line("        .text");
    line("p" + n + ":");
    line("        rdl v" + n + "          ; first input");
    line("        rdl w" + n);
    line("        addl @1, @2");
    line("        setl #PSW, " + std::to_string(random() % 16));
    line("        subl @2, " + std::to_string(random() % 1000));
    line("        wrl @1, w" + n);
    line("        jne @2, p" + std::to_string(i / 2));
    line("        jmp p" + n);
    line("        complete");
  }
  return writeSource(ws, "mixed.s", text);
}

// Data directives with one meaning for both assemblers: no comments (the
// hosts differ on ';'), plain strings, byte alignment, numbers that fit.
Source dataSource(Workspace &ws, int64_t minLines, const std::string &name) {
  std::mt19937_64 random(5);
  std::string text;
  text.reserve(static_cast<size_t>(minLines) * 24);
  int64_t lines = 0;
  auto line = [&](const std::string &s) {
    text += s;
    text += '\n';
    ++lines;
  };
  line(".data");
  for (unsigned i = 0; lines < minLines; ++i) {
    line("d" + std::to_string(i) + ":");
    line(".byte " + std::to_string(random() % 256) + ", " +
         std::to_string(random() % 128) + ", 0x7f, -1");
    line(".short " + std::to_string(random() % 65536) + ", -2");
    line(".long " + std::to_string(random() % 0x80000000) + ", -" +
         std::to_string(random() % 1000));
    line(".quad " + std::to_string(random() >> 2) + ", -1");
    line(".ascii \"text " + std::to_string(i) + "\"");
    line(".asciz \"zero ended\"");
    line(".align " + std::string(i % 2 ? "4" : "8"));
    line(".skip " + std::to_string(random() % 5));
    line(".skip 2, " + std::to_string(random() % 256));
  }
  return writeSource(ws, name, text);
}

void setRateCounters(benchmark::State &state, const std::string &prefix,
                     const Source &source, double seconds, double peakMB) {
  double runs = static_cast<double>(state.iterations());
  state.counters[prefix + "lines_per_s"] =
      static_cast<double>(source.lines) * runs / seconds;
  state.counters[prefix + "MB_per_s"] =
      static_cast<double>(source.bytes) * runs / seconds / 1e6;
  state.counters[prefix + "peak_MB"] = peakMB;
}

void assembleMixed(benchmark::State &state, Workspace &ws,
                   const Source &source) {
  std::string object = ws.file("mixed.o");
  std::string err = ws.file("mixed.err");
  double total = 0, peak = 0;
  for (auto _ : state) {
    RunResult r = runProgram(
        {ws.zvAsPath, "--arch=ZP100", source.path, "-o", object}, err);
    if (!r.ok) {
      state.SkipWithError(r.error.c_str());
      return;
    }
    state.SetIterationTime(r.seconds);
    total += r.seconds;
    peak = std::max(peak, r.peakMB);
  }
  setRateCounters(state, "", source, total, peak);
}

// Checked once before timing: both objects hold the same .data bytes.
std::string compareData(const std::string &zvObject,
                        const std::string &gnuObject) {
  std::string zvBytes, gnuBytes;
  if (!readSection(zvObject, ".data", zvBytes))
    return "no .data in the zv-as object";
  if (!readSection(gnuObject, ".data", gnuBytes))
    return "no .data in the GNU as object";
  if (zvBytes == gnuBytes)
    return "";
  size_t at = 0;
  while (at < zvBytes.size() && at < gnuBytes.size() &&
         zvBytes[at] == gnuBytes[at])
    ++at;
  return ".data differs at offset " + std::to_string(at) + " (sizes " +
         std::to_string(zvBytes.size()) + " and " +
         std::to_string(gnuBytes.size()) + ")";
}

// Both assemblers on the same data source, alternating so that a load on the
// machine hits both alike; the manual time is zv-as's.
void assembleData(benchmark::State &state, Workspace &ws,
                  const Source &source) {
  if (access(ws.gnuAsPath.c_str(), X_OK) != 0) {
    state.SkipWithError(("no GNU as at " + ws.gnuAsPath).c_str());
    return;
  }
  const std::string stem = source.path.substr(0, source.path.size() - 2);
  std::string zvObject = ws.file(stem.substr(ws.dir.size() + 1) + "-zv.o");
  std::string gnuObject = ws.file(stem.substr(ws.dir.size() + 1) + "-gnu.o");
  std::string err = ws.file(stem.substr(ws.dir.size() + 1) + ".err");
  std::vector<std::string> zv = {ws.zvAsPath, "--arch=ZP200", source.path, "-o",
                                 zvObject};
  std::vector<std::string> gnu = {ws.gnuAsPath, "--32", source.path, "-o",
                                  gnuObject};
  RunResult first = runProgram(zv, err);
  if (first.ok)
    first = runProgram(gnu, err);
  if (!first.ok) {
    state.SkipWithError(first.error.c_str());
    return;
  }
  std::string difference = compareData(zvObject, gnuObject);
  if (!difference.empty()) {
    state.SkipWithError(difference.c_str());
    return;
  }

  double zvTotal = 0, gnuTotal = 0, zvPeak = 0, gnuPeak = 0;
  for (auto _ : state) {
    RunResult z = runProgram(zv, err);
    RunResult g = z.ok ? runProgram(gnu, err) : z;
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
  setRateCounters(state, "zv_", source, zvTotal, zvPeak);
  setRateCounters(state, "gnu_", source, gnuTotal, gnuPeak);
  state.counters["gnu_ms"] =
      gnuTotal * 1000 / static_cast<double>(state.iterations());
  state.counters["time_ratio_zv_to_gnu"] = zvTotal / gnuTotal;
  state.counters["peak_ratio_zv_to_gnu"] = zvPeak / gnuPeak;
}

// A macro source and the same data written out: both assemblers read the
// first, zv-as reads both.
struct MacroPair {
  Source macro;
  Source plain;
};

// 100,000 invocations of a five-line macro of data directives.
MacroPair macroInvocations(Workspace &ws, int count) {
  std::string macro = ".data\n"
                      ".macro rec a, b, name\n"
                      ".byte \\a, \\b, 0x7f\n"
                      ".short \\a * 3\n"
                      ".long \\b - 1\n"
                      ".ascii \"\\name\"\n"
                      ".skip 2, \\a\n"
                      ".endm\n";
  std::string plain = ".data\n";
  for (int i = 0; i < count; ++i) {
    const std::string a = std::to_string(i % 256);
    const std::string b = std::to_string(i % 200);
    const std::string name = "r" + std::to_string(i);
    macro += "rec " + a + ", " + b + ", " + name + "\n";
    plain += ".byte " + a + ", " + b + ", 0x7f\n.short " + a + " * 3\n" +
             ".long " + b + " - 1\n.ascii \"" + name + "\"\n.skip 2, " + a +
             "\n";
  }
  return {writeSource(ws, "macro-invocations.s", macro),
          writeSource(ws, "macro-invocations-plain.s", plain)};
}

// One .irp of count values around a five-line body.
MacroPair irpValues(Workspace &ws, int count) {
  std::string values;
  std::string body;
  for (int i = 0; i < count; ++i) {
    const std::string v = std::to_string(i);
    values += (i ? ", " : "") + v;
    body += ".byte " + v + " % 256\n.short " + v + "\n.long " + v +
            " * 7\n.ascii \"v" + v + "\"\n.byte 0\n";
  }
  return {writeSource(ws, "irp-values.s",
                      ".data\n.irp v, " + values +
                          "\n.byte \\v % 256\n.short \\v\n.long \\v * 7\n"
                          ".ascii \"v\\v\"\n.byte 0\n.endr\n"),
          writeSource(ws, "irp-values-plain.s", ".data\n" + body)};
}

// zv-as on a macro source and on the same data written out, alternating;
// GNU as on the macro source for scale. Checked once before timing: all
// three make the same .data. Lines per second count the lines of the
// written-out source: the text both runs assemble in the end.
void assembleMacros(benchmark::State &state, Workspace &ws,
                    const MacroPair &pair) {
  if (access(ws.gnuAsPath.c_str(), X_OK) != 0) {
    state.SkipWithError(("no GNU as at " + ws.gnuAsPath).c_str());
    return;
  }
  const std::string macroObject = ws.file("macro-zv.o");
  const std::string plainObject = ws.file("plain-zv.o");
  const std::string gnuObject = ws.file("macro-gnu.o");
  const std::string err = ws.file("macro.err");
  const std::vector<std::string> macro = {ws.zvAsPath, "--arch=ZP200",
                                          pair.macro.path, "-o", macroObject};
  const std::vector<std::string> plain = {ws.zvAsPath, "--arch=ZP200",
                                          pair.plain.path, "-o", plainObject};
  const std::vector<std::string> gnu = {ws.gnuAsPath, "--32", pair.macro.path,
                                        "-o", gnuObject};
  for (const auto *args : {&macro, &plain, &gnu}) {
    RunResult r = runProgram(*args, err);
    if (!r.ok) {
      state.SkipWithError(r.error.c_str());
      return;
    }
  }
  std::string difference = compareData(macroObject, gnuObject);
  if (difference.empty())
    difference = compareData(plainObject, gnuObject);
  if (!difference.empty()) {
    state.SkipWithError(difference.c_str());
    return;
  }

  double macroTotal = 0, plainTotal = 0, gnuTotal = 0, macroPeak = 0;
  for (auto _ : state) {
    RunResult m = runProgram(macro, err);
    RunResult p = m.ok ? runProgram(plain, err) : m;
    RunResult g = p.ok ? runProgram(gnu, err) : p;
    if (!g.ok) {
      state.SkipWithError(g.error.c_str());
      return;
    }
    state.SetIterationTime(m.seconds);
    macroTotal += m.seconds;
    plainTotal += p.seconds;
    gnuTotal += g.seconds;
    macroPeak = std::max(macroPeak, m.peakMB);
  }
  const double runs = static_cast<double>(state.iterations());
  const double lines = static_cast<double>(pair.plain.lines);
  state.counters["macro_lines_per_s"] = lines * runs / macroTotal;
  state.counters["plain_lines_per_s"] = lines * runs / plainTotal;
  state.counters["macro_source_lines_per_s"] =
      static_cast<double>(pair.macro.lines) * runs / macroTotal;
  state.counters["plain_ms"] = plainTotal * 1000 / runs;
  state.counters["gnu_macro_ms"] = gnuTotal * 1000 / runs;
  state.counters["time_ratio_macro_to_plain"] = macroTotal / plainTotal;
  state.counters["time_ratio_macro_to_gnu"] = macroTotal / gnuTotal;
  state.counters["peak_MB"] = macroPeak;
}

// One-line sources with one meaning for both assemblers: what a build that
// assembles many small files pays per process.
std::vector<Source> oneLineSources(Workspace &ws, int count) {
  std::vector<Source> sources;
  for (int i = 0; i < count; ++i) {
    const std::string n = std::to_string(i);
    std::string line;
    switch (i % 6) {
    case 0:
      line = ".data";
      break;
    case 1:
      line = ".globl g" + n;
      break;
    case 2:
      line = ".set v" + n + ", " + n;
      break;
    case 3:
      line = ".comm c" + n + ", " + std::to_string(4 * (i % 8 + 1));
      break;
    case 4:
      line = ".bss";
      break;
    default:
      line = ".equ e" + n + ", " + n;
      break;
    }
    sources.push_back(writeSource(ws, "one" + n + ".s", line + "\n"));
  }
  return sources;
}

// Every source by its own process of each assembler, alternating; checked
// once before timing (both succeed, the same .data). The manual time is
// zv-as's for all of them.
void assembleOneLiners(benchmark::State &state, Workspace &ws,
                       const std::vector<Source> &sources) {
  if (access(ws.gnuAsPath.c_str(), X_OK) != 0) {
    state.SkipWithError(("no GNU as at " + ws.gnuAsPath).c_str());
    return;
  }
  const std::string zvObject = ws.file("one-zv.o");
  const std::string gnuObject = ws.file("one-gnu.o");
  const std::string err = ws.file("one.err");
  auto zv = [&](const Source &s) {
    return runProgram({ws.zvAsPath, "--arch=ZP200", s.path, "-o", zvObject},
                      err);
  };
  auto gnu = [&](const Source &s) {
    return runProgram({ws.gnuAsPath, "--32", s.path, "-o", gnuObject}, err);
  };
  for (const Source &s : sources) {
    RunResult r = zv(s);
    if (r.ok)
      r = gnu(s);
    std::string wrong = r.ok ? compareData(zvObject, gnuObject) : r.error;
    if (!wrong.empty()) {
      state.SkipWithError((s.path + ": " + wrong).c_str());
      return;
    }
  }

  double zvTotal = 0, gnuTotal = 0, zvPeak = 0, gnuPeak = 0;
  for (auto _ : state) {
    double zvTime = 0;
    for (const Source &s : sources) {
      RunResult z = zv(s);
      RunResult g = z.ok ? gnu(s) : z;
      if (!z.ok || !g.ok) {
        state.SkipWithError((z.ok ? g : z).error.c_str());
        return;
      }
      zvTime += z.seconds;
      gnuTotal += g.seconds;
      zvPeak = std::max(zvPeak, z.peakMB);
      gnuPeak = std::max(gnuPeak, g.peakMB);
    }
    state.SetIterationTime(zvTime);
    zvTotal += zvTime;
  }
  const double runs = static_cast<double>(state.iterations()) *
                      static_cast<double>(sources.size());
  state.counters["zv_ms_per_source"] = zvTotal * 1000 / runs;
  state.counters["gnu_ms_per_source"] = gnuTotal * 1000 / runs;
  state.counters["zv_peak_MB"] = zvPeak;
  state.counters["gnu_peak_MB"] = gnuPeak;
  state.counters["time_ratio_zv_to_gnu"] = zvTotal / gnuTotal;
}

// A small source whose run must end as said: with an object whose .data
// holds dataSize bytes, or with failure as the first message. Checked once
// before timing.
struct Hostile {
  std::string name;
  std::string text;
  int64_t dataSize = -1; // -1: the run fails
  std::string failure;   // the first message after "<source>: "
};

std::string checkOutcome(const Hostile &h, const Source &source,
                         const std::string &object, const RunResult &r,
                         const std::string &err) {
  if (h.dataSize < 0) {
    if (r.ok)
      return "the run succeeded";
    std::string want = source.path + ": " + h.failure;
    std::string got = firstLine(err);
    return got == want ? "" : "first message: " + got;
  }
  if (!r.ok)
    return r.error;
  std::string bytes;
  if (!readSection(object, ".data", bytes) ||
      static_cast<int64_t>(bytes.size()) != h.dataSize)
    return ".data is not " + std::to_string(h.dataSize) + " bytes";
  return "";
}

void assembleHostile(benchmark::State &state, Workspace &ws, const Hostile &h) {
  const Source source = writeSource(ws, h.name + ".s", h.text);
  const std::string object = ws.file(h.name + ".o");
  const std::string err = ws.file(h.name + ".err");
  const std::vector<std::string> args = {ws.zvAsPath, "--arch=ZP100",
                                         source.path, "-o", object};
  std::string wrong =
      checkOutcome(h, source, object, runProgram(args, err), err);
  if (!wrong.empty()) {
    state.SkipWithError(wrong.c_str());
    return;
  }
  double peak = 0;
  for (auto _ : state) {
    RunResult r = runProgram(args, err);
    state.SetIterationTime(r.seconds);
    peak = std::max(peak, r.peakMB);
  }
  state.counters["peak_MB"] = peak;
}

// Repetitions and sizes the issue of hostile input was about: each ends
// quickly, with the bytes asked for or with the message that says why not.
std::vector<Hostile> hostileSources() {
  std::string nested = ".data\n";
  for (int i = 0; i < 20; ++i)
    nested += ".rept 10\n";
  nested += ".byte 1\n";
  for (int i = 0; i < 20; ++i)
    nested += ".endr\n";
  return {
      {"ReptMillionBytes", ".data\n.rept 1000000\n.byte 1\n.endr\n.byte 2\n",
       1000001, ""},
      {"ReptMillionEndrEndsFile", ".data\n.rept 1000000\n.byte 1\n.endr\n",
       1000000, ""},
      {"ReptEmptyBodyHugeCount", ".data\n.rept 0xffffffff\n.endr\n.byte 2\n", 1,
       ""},
      {"ReptNestedPast4GiB", nested, -1,
       "error: section '.data' is larger than 4 GiB"},
      {"SkipJustUnder4GiB", ".data\n.skip 0xffffff00\n", -1,
       "error: section '.data' makes the object file larger than 4 GiB"},
  };
}

} // namespace

int main(int argc, char **argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv))
    return 1;
  Workspace ws;
  if (!ws.usable()) {
    std::cerr << "assembler_bench: cannot make a scratch directory\n";
    return 1;
  }
  const Source mixed = mixedSource(ws, 1000000);
  const Source data100k = dataSource(ws, 100000, "data100k.s");
  const Source data1m = dataSource(ws, 1000000, "data1m.s");
  const std::vector<Source> oneLiners = oneLineSources(ws, 1000);
  benchmark::RegisterBenchmark(
      "BM_AssembleMixed",
      [&](benchmark::State &s) { assembleMixed(s, ws, mixed); })
      ->UseManualTime()
      ->Unit(benchmark::kMillisecond)
      ->Iterations(1)
      ->Repetitions(3);
  // Named by the size asked for; a source ends with a whole group of lines.
  for (const auto &[data, size] : {std::make_pair(&data100k, "100000"),
                                   std::make_pair(&data1m, "1000000")})
    benchmark::RegisterBenchmark(
        (std::string("BM_AssembleDataVsGnuAs/lines:") + size).c_str(),
        [&ws, data = data](benchmark::State &s) { assembleData(s, ws, *data); })
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(data->lines < 500000 ? 5 : 1)
        ->Repetitions(5);
  benchmark::RegisterBenchmark(
      "BM_OneLineSourcesVsGnuAs/sources:1000",
      [&](benchmark::State &s) { assembleOneLiners(s, ws, oneLiners); })
      ->UseManualTime()
      ->Unit(benchmark::kMillisecond)
      ->Iterations(1)
      ->Repetitions(3);
  const MacroPair invocations = macroInvocations(ws, 100000);
  const MacroPair irp = irpValues(ws, 10000);
  for (const auto &[pair, name] :
       {std::make_pair(&invocations, "invocations:100000"),
        std::make_pair(&irp, "irp_values:10000")})
    benchmark::RegisterBenchmark(
        (std::string("BM_MacroVsWrittenOut/") + name).c_str(),
        [&ws, pair = pair](benchmark::State &s) {
          assembleMacros(s, ws, *pair);
        })
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(3)
        ->Repetitions(3);
  const std::vector<Hostile> hostile = hostileSources();
  for (const Hostile &h : hostile)
    benchmark::RegisterBenchmark(
        ("BM_Hostile/" + h.name).c_str(),
        [&](benchmark::State &s) { assembleHostile(s, ws, h); })
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1)
        ->Repetitions(3);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
