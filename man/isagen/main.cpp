// main.cpp - zv-isa-page PAGE DIR: writes zv-isa(7) to PAGE and, into DIR,
// the sources that hold every example of the page, for the build to
// assemble with zv-as.
#include "architecture.h"
#include "elf32.h"
#include "isapage.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

namespace {

bool writeFile(const std::string &name, const std::string &text) {
  std::ofstream out(name, std::ios::binary | std::ios::trunc);
  out << text;
  if (!out.flush()) {
    std::cerr << "zv-isa-page: cannot write " << name << "\n";
    return false;
  }
  return true;
}

} // namespace

int main(int argc, char **argv) {
  if (argc != 3) {
    std::cerr << "usage: zv-isa-page PAGE DIR\n";
    return 1;
  }
  const std::string page = argv[1];
  const std::string dir = argv[2];
  zvisa::ModelTables zp100(EM_ZP100);
  zvisa::ModelTables zp200(EM_ZP200);
  for (zvisa::ModelTables *model : {&zp100, &zp200})
    if (!model->probe(dir)) {
      std::cerr << "zv-isa-page: " << model->getLastError() << "\n";
      return 1;
    }
  zvisa::IsaPage isa(zp100, zp200);
  std::ostringstream text;
  isa.write(text);
  for (const zvisa::ModelTables *model : {&zp100, &zp200})
    for (int syntax = 1; syntax <= 2; ++syntax)
      if (!writeFile(dir + "/examples-" + model->getArchitecture().getName() +
                         "-V" + std::to_string(syntax) + ".s",
                     isa.examples(*model, syntax)))
        return 1;
  return writeFile(page, text.str()) ? 0 : 1;
}
