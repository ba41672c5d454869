// location.cpp - a source position and the message prefix printed in front of
// every assembler diagnostic.
#include "location.h"

void Location::print(std::ostream &os) const {
  // Built as text and written raw, so neither the stream's base nor its
  // field width can change the numbers.
  std::string text = name.getName();
  text += ':';
  if (col != 0) {
    text += std::to_string(line);
    text += ':';
    text += std::to_string(col);
  } else {
    text += std::to_string(line == 0 ? 0 : line - 1);
  }
  text += ": ";
  os.write(text.data(), static_cast<std::streamsize>(text.size()));
}
