// section.cpp - one section of the object: header fields and the name that
// messages and the object writer show.
#include "section.h"

#include "token.h"

Section::Section(const Word *name) : name(name) {}

const std::string &Section::getStrName() const {
  static const std::string none;
  return name ? name->getName() : none;
}
