// terminator.h - open conditional and repetition blocks on the parser's
// block stack, each remembering its opening directive and where it stood.
#ifndef ZV_AS_TERMINATOR_H
#define ZV_AS_TERMINATOR_H

#include <cstdint>

#include "location.h"

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

class ReptTerminator : public Terminator {
public:
  using Terminator::Terminator;

  void setValues(int64_t n) { remaining = n; }
  // Whether another repetition follows; counts it down.
  bool isNext() {
    if (remaining == 0)
      return false;
    --remaining;
    return true;
  }

private:
  int64_t remaining = 0;
};

#endif
