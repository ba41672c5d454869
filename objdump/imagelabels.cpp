// imagelabels.cpp - image labels from debugging entries or a link map, and
// addresses named by them.
#include "imagelabels.h"

#include "dwarfreader.h"
#include "textformat.h"

#include <algorithm>
#include <cstdlib>
#include <sstream>

namespace zvod {

namespace {

// Bytes of one ZP100 row times the four units: a position's row.
constexpr uint64_t PositionsPerRow = 32;

bool startsWith(const std::string &text, const char *prefix) {
  return text.compare(0, std::char_traits<char>::length(prefix), prefix) == 0;
}

} // namespace

void ImageLabels::sort() {
  for (std::vector<Label> *list : {&code, &data})
    std::stable_sort(
        list->begin(), list->end(),
        [](const Label &a, const Label &b) { return a.address < b.address; });
}

void ImageLabels::fromDebugInfo(const std::vector<DebugLabel> &labels,
                                bool positions) {
  for (const DebugLabel &l : labels) {
    if (l.code)
      code.push_back(
          {positions ? l.address / PositionsPerRow : l.address, l.name});
    else
      data.push_back({l.address, l.name});
  }
  sort();
}

bool ImageLabels::fromMap(const std::string &text) {
  // "File object", "    section name", then per symbol a tab, the binding
  // in 7 columns, the name padded to 40 and 0x with 8 hexadecimal digits.
  std::istringstream in(text);
  std::string line;
  std::vector<Label> *into = nullptr;
  bool file = false;
  for (size_t number = 1; std::getline(in, line); ++number) {
    if (line.empty())
      continue;
    if (startsWith(line, "File ")) {
      file = true;
      into = nullptr;
      continue;
    }
    if (file && startsWith(line, "    section ")) {
      const std::string section = line.substr(12);
      into = section == ".text"                        ? &code
             : section == ".data" || section == ".bss" ? &data
                                                       : nullptr;
      continue;
    }
    const size_t value = line.size() >= 10 ? line.size() - 10 : 0;
    char *end = nullptr;
    const bool symbolLine = file && line[0] == '\t' && line.size() >= 19 &&
                            startsWith(line.substr(value), "0x");
    const unsigned long address =
        symbolLine ? std::strtoul(line.c_str() + value + 2, &end, 16) : 0;
    if (!symbolLine || end != line.c_str() + line.size()) {
      code.clear();
      data.clear();
      error = "not a link map (line " + std::to_string(number) + ")";
      return false;
    }
    if (!into)
      continue;
    std::string name = line.substr(8, value - 8);
    while (!name.empty() && name.back() == ' ')
      name.pop_back();
    if (!name.empty())
      into->push_back({address, name});
  }
  sort();
  return true;
}

bool ImageLabels::nameIn(const std::vector<Label> &labels, uint64_t end,
                         uint64_t address, std::string &name) {
  if (address >= end)
    return false;
  auto after = std::upper_bound(
      labels.begin(), labels.end(), address,
      [](uint64_t at, const Label &l) { return at < l.address; });
  if (after == labels.begin())
    return false;
  const uint64_t at = (after - 1)->address;
  // The first label of that address.
  auto first = std::lower_bound(
      labels.begin(), after, at,
      [](const Label &l, uint64_t a) { return l.address < a; });
  name = first->name;
  if (address > at)
    name += "+0x" + hexDigits(address - at);
  return true;
}

bool ImageLabels::codeName(uint64_t address, std::string &name) const {
  return nameIn(code, codeEnd, address, name);
}

bool ImageLabels::dataName(uint64_t address, std::string &name) const {
  return nameIn(data, dataEnd, address, name);
}

} // namespace zvod
