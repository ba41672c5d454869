// slowinputguard.cpp - processor time of one input against its budget of
// one second per started kilobyte.
#include "slowinputguard.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

int64_t cpuNs() {
  timespec ts;
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
  return int64_t(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

} // namespace

SlowInputGuard::SlowInputGuard(size_t inputSize)
    : size(inputSize), startNs(cpuNs()) {}

SlowInputGuard::~SlowInputGuard() {
  const int64_t kilobytes = size == 0 ? 1 : int64_t((size + 1023) / 1024);
  const int64_t budgetMs = kilobytes * 1000;
  const int64_t tookMs = (cpuNs() - startNs) / 1000000;
  if (tookMs <= budgetMs)
    return;
  std::fprintf(stderr,
               "==zv-fuzz== slow input: %lld ms of processor time for %zu "
               "bytes (budget %lld ms)\n",
               static_cast<long long>(tookMs), size,
               static_cast<long long>(budgetMs));
  std::abort();
}
