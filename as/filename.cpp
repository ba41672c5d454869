// filename.cpp - the run's table of source file names, indexed by FileName,
// with where each text came from.
#include "filename.h"

#include <array>
#include <deque>
#include <unordered_map>

namespace {

struct Entry {
  unsigned text; // index into the texts
  SourceOrigin origin;
};

// Names found again for the same expansion place; a slot holds the last
// entry made for places of its hash.
constexpr size_t CacheSlots = 4096;

struct Table {
  // A deque keeps earlier texts in place, so the references handed out by
  // getName() stay valid while later files register.
  std::deque<std::string> texts{std::string()};
  // Grows by blocks: a run with many expansions never copies the table.
  std::deque<Entry> entries{Entry{0, {}}};
  std::array<unsigned, CacheSlots> cache{};
  std::unordered_map<std::string, unsigned> labels;
};

Table &table() {
  static Table t;
  return t;
}

unsigned registerName(const std::string &name) {
  Table &t = table();
  t.texts.push_back(name);
  t.entries.push_back({static_cast<unsigned>(t.texts.size() - 1), {}});
  return static_cast<unsigned>(t.entries.size() - 1);
}

size_t slotOf(unsigned text, const SourceOrigin &o) {
  uint64_t h = 1469598103934665603ull;
  for (uint64_t v : {uint64_t(text), uint64_t(o.kind), uint64_t(o.label),
                     uint64_t(o.file), uint64_t(o.line), uint64_t(o.col)})
    h = (h ^ v) * 1099511628211ull;
  return static_cast<size_t>(h ^ (h >> 29)) & (CacheSlots - 1);
}

bool same(const Entry &e, unsigned text, const SourceOrigin &o) {
  return e.text == text && e.origin.kind == o.kind &&
         e.origin.label == o.label && e.origin.file == o.file &&
         e.origin.line == o.line && e.origin.col == o.col;
}

} // namespace

FileName::FileName() : index(0) { table(); }

FileName::FileName(const std::string &name) : index(registerName(name)) {}

const std::string &FileName::getName() const {
  Table &t = table();
  return t.texts.at(t.entries.at(index).text);
}

unsigned FileName::setName(const std::string &name) {
  index = registerName(name);
  return index;
}

SourceOrigin FileName::getOrigin() const {
  return table().entries.at(index).origin;
}

void FileName::setIncludedFrom(const FileName &from, unsigned line,
                               unsigned col) {
  if (index == 0)
    return;
  SourceOrigin &o = table().entries.at(index).origin;
  o.kind = SourceOrigin::Include;
  o.file = from.index;
  o.line = line;
  o.col = col;
  o.label = 0;
}

FileName FileName::expansion(const FileName &text, SourceOrigin::Kind kind,
                             unsigned label, const FileName &at, unsigned line,
                             unsigned col) {
  Table &t = table();
  SourceOrigin origin;
  origin.kind = kind;
  origin.file = at.index;
  origin.line = line;
  origin.col = col;
  origin.label = label;
  const unsigned textIndex = t.entries.at(text.index).text;
  unsigned &slot = t.cache[slotOf(textIndex, origin)];
  if (slot != 0 && same(t.entries[slot], textIndex, origin))
    return FileName(slot, true);
  t.entries.push_back({textIndex, origin});
  slot = static_cast<unsigned>(t.entries.size() - 1);
  return FileName(slot, true);
}

FileName FileName::fromIndex(unsigned index) {
  return FileName(index < table().entries.size() ? index : 0, true);
}

unsigned FileName::addLabel(const std::string &text) {
  Table &t = table();
  auto known = t.labels.find(text);
  if (known != t.labels.end())
    return known->second;
  t.texts.push_back(text);
  const unsigned label = static_cast<unsigned>(t.texts.size() - 1);
  t.labels.emplace(text, label);
  return label;
}

const std::string &FileName::getLabel(unsigned label) {
  return table().texts.at(label);
}

void FileName::clearTable() { table() = Table(); }
