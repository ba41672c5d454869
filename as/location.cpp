// location.cpp - a source position and the message prefix printed in front of
// every assembler diagnostic.
#include "location.h"

void Location::appendPrefix(std::string &out) const {
  out += name.getName();
  out += ':';
  if (col != 0) {
    out += std::to_string(line);
    out += ':';
    out += std::to_string(col);
  } else {
    out += std::to_string(line == 0 ? 0 : line - 1);
  }
  out += ": ";
}

void Location::print(std::ostream &os) const {
  // Built as text and written raw, so neither the stream's base nor its
  // field width can change the numbers.
  std::string text;
  appendPrefix(text);
  os.write(text.data(), static_cast<std::streamsize>(text.size()));
}
