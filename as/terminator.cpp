// terminator.cpp - open conditional and repetition blocks on the parser's
// block stack.
#include "terminator.h"

#include "instruction.h"

bool Terminator::isIfBlock() const {
  return terminated->getTerminating()->getCode() == PO_ENDIF;
}

bool Terminator::isReptBlock() const {
  return terminated->getTerminating()->getCode() == PO_ENDR;
}
