// terminator.h - open conditional and repetition blocks on the parser's
// block stack, each remembering its opening directive and where it stood.
#ifndef ZV_AS_TERMINATOR_H
#define ZV_AS_TERMINATOR_H

#include <cstdint>

#include "location.h"

class Subsection;
class TerminatedPseudoOperation;

class Terminator {
public:
  Terminator(const Location &location,
             const TerminatedPseudoOperation *terminated)
      : location(location), terminated(terminated) {}
  Terminator(const Terminator &) = delete;
  Terminator &operator=(const Terminator &) = delete;
  virtual ~Terminator() = default;

  const Location &getLocation() const { return location; }
  const TerminatedPseudoOperation *getTerminatedPseudoOperation() const {
    return terminated;
  }
  // An if block is closed by .endif, a rept block by .endr.
  bool isIfBlock() const;
  bool isReptBlock() const;

private:
  Location location;
  const TerminatedPseudoOperation *terminated;
};

// Where one repetition of a body began: the parser's counts of statements
// and messages, and the current subsection with its counter.
struct ReptIteration {
  uint64_t statements = 0;
  uint64_t impureStatements = 0;
  unsigned messages = 0;
  const Subsection *subsection = nullptr;
  uint32_t dot = 0;
};

class ReptTerminator : public Terminator {
public:
  using Terminator::Terminator;

  void setValues(int64_t n) { remaining = n; }
  int64_t getRemaining() const { return remaining; }
  // Whether another repetition follows; counts it down.
  bool isNext() {
    if (remaining == 0)
      return false;
    --remaining;
    return true;
  }
  ReptIteration &getIteration() { return iteration; }

private:
  int64_t remaining = 0;
  ReptIteration iteration;
};

#endif
