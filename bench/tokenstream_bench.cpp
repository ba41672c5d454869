// tokenstream_bench.cpp - throughput of the assembler's token stream over a
// generated source of realistic statements.
#include <cstdio>
#include <fstream>
#include <random>
#include <string>

#include <benchmark/benchmark.h>
#include <unistd.h>

#include "tokenizer.h"

namespace {

// A source of about 16 MB: labels, operations with switchboard references
// and registers, data directives, strings and both comment styles.
const std::string &sourcePath() {
  static const std::string path = [] {
    std::string name =
        "/tmp/zv-tokenstream-bench-" + std::to_string(getpid()) + ".s";
    std::mt19937 random(7);
    std::string text;
    text.reserve(17u << 20);
    text += "; generated for the token stream benchmark\n.text\n";
    for (unsigned paragraph = 0; text.size() < (16u << 20); ++paragraph) {
      text += "para_" + std::to_string(paragraph) + ":\n";
      for (int i = 0; i < 6; ++i) {
        text += "    add @" + std::to_string(1 + random() % 8) + ", #" +
                std::to_string(random() % 64) + ", " +
                std::to_string(random() % 100000) +
                "   ; accumulate the running sum\n";
        text += "    load.w @1, 0x" + std::to_string(random() % 9000 + 1000) +
                "(#2) // indexed\n";
      }
      text += "    cmp @2 >= @3 && @1 != 0b1011\n";
      text += "    complete\n";
      text += ".data\nmsg_" + std::to_string(paragraph) +
              ": .ascii \"value\\t\\x41\\101 end\\n\"\n";
      text += "    .long 1, 2, 0x30, 0f1.25e3, 'A\n";
      text += "    /* block comment */ .align 4\n.text\n";
    }
    std::ofstream(name, std::ios::binary) << text;
    return name;
  }();
  return path;
}

void removeSource() { std::remove(sourcePath().c_str()); }

void BM_TokenStream(benchmark::State &state) {
  const std::string &path = sourcePath();
  int64_t bytes = 0;
  {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    bytes = static_cast<int64_t>(in.tellg());
  }
  int64_t tokens = 0;
  for (auto _ : state) {
    // Warnings on, as in the assembler.
    Diagnostics diagnostics;
    Tokenizer tokenizer(&diagnostics);
    if (!tokenizer.insertFile(FileName(path))) {
      state.SkipWithError("cannot open the generated source");
      break;
    }
    for (Token *t = tokenizer.nextToken(); t->getCode() != TC_NONE;
         t = tokenizer.nextToken())
      ++tokens;
    benchmark::DoNotOptimize(tokens);
  }
  state.SetBytesProcessed(bytes * state.iterations());
  state.counters["tokens"] = benchmark::Counter(static_cast<double>(tokens),
                                                benchmark::Counter::kIsRate);
}
BENCHMARK(BM_TokenStream)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv))
    return 1;
  sourcePath();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  removeSource();
  return 0;
}
