// slowinputguard.h - one second of processor time per started kilobyte of
// input: an input that takes longer ends the run as a finding.
#ifndef ZV_FUZZ_SLOWINPUTGUARD_H
#define ZV_FUZZ_SLOWINPUTGUARD_H

#include <cstddef>
#include <cstdint>

// Processor time, not wall time, so that a busy machine raises no false
// alarm; libFuzzer's -timeout still catches an input that hangs.
class SlowInputGuard {
public:
  explicit SlowInputGuard(size_t inputSize);
  SlowInputGuard(const SlowInputGuard &) = delete;
  SlowInputGuard &operator=(const SlowInputGuard &) = delete;
  // Aborts, naming the time taken and the budget, when over budget.
  ~SlowInputGuard();

private:
  size_t size;
  int64_t startNs;
};

#endif
