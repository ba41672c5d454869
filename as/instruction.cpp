// instruction.cpp - descriptors of operations and directives: names and the
// debugging print of each.
#include "instruction.h"

#include "token.h"

const std::string &Instruction::getName() const { return word->getName(); }

void Operation::print(std::ostream &os) const {
  os << getName() << " kind " << getKind() << " code " << code << " type "
     << typeIndex << " flags 0x" << std::hex << flags << std::dec << '\n';
}

void PseudoOperation::print(std::ostream &os) const { os << getName() << '\n'; }
