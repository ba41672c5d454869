// filename.cpp - the run's table of source file names, indexed by FileName.
#include "filename.h"

#include <deque>

namespace {
// A deque keeps earlier entries in place, so the references handed out by
// getName() stay valid while later files register.
std::deque<std::string> &nameTable() {
  static std::deque<std::string> table(1);
  return table;
}

unsigned registerName(const std::string &name) {
  std::deque<std::string> &table = nameTable();
  table.push_back(name);
  return static_cast<unsigned>(table.size() - 1);
}
} // namespace

FileName::FileName() : index(0) { nameTable(); }

FileName::FileName(const std::string &name) : index(registerName(name)) {}

const std::string &FileName::getName() const { return nameTable().at(index); }

unsigned FileName::setName(const std::string &name) {
  index = registerName(name);
  return index;
}

void FileName::clearTable() { nameTable().resize(1); }
