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

Location Location::invocationSite() const {
  Location site = *this;
  Location at = *this;
  // Each step goes to where the text was made, which lies before it in
  // the table: the walk ends.
  for (SourceOrigin o = name.getOrigin(); o.isExpansion();
       o = at.name.getOrigin()) {
    at = Location(FileName::fromIndex(o.file), o.line, o.col);
    if (o.kind == SourceOrigin::Macro)
      site = at;
  }
  return site;
}

void Location::print(std::ostream &os) const {
  // Built as text and written raw, so neither the stream's base nor its
  // field width can change the numbers.
  std::string text;
  appendPrefix(text);
  os.write(text.data(), static_cast<std::streamsize>(text.size()));
}
