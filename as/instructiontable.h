// instructiontable.h - the operation and directive lists of the models as
// tables the compiler builds: a run finds a name by its word's hash and
// makes nothing for the names its source does not use.
#ifndef ZV_AS_INSTRUCTIONTABLE_H
#define ZV_AS_INSTRUCTIONTABLE_H

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "wordmap.h"

// The descriptor class an entry becomes.
enum class EntryClass : uint8_t {
  Operation,
  Directive,
  InitMemory,  // code: unit size, index: data kind
  Terminating, // kind: the directive code
  Terminated,  // kind: the directive code, closer: the closing directive
};

// One row of a list as it is written: one name, or a stem with the type
// suffixes (index: their mask) or condition suffixes (index: their mask)
// of an operation family.
struct TableRow {
  enum Form : uint8_t { One, Types, Conds };
  Form form;
  EntryClass entryClass;
  const char *name;
  int kind;
  uint32_t code = 0;
  uint32_t index = 0; // type index, or the mask of a family
  uint32_t flags = 0;
  const char *closer = nullptr;
};

constexpr size_t MaxEntryName = 15;

// One name of a list with what its descriptor is made of.
struct TableEntry {
  char name[MaxEntryName + 1] = {};
  uint8_t length = 0;
  EntryClass entryClass = EntryClass::Operation;
  int kind = 0;
  uint32_t code = 0;
  uint32_t index = 0;
  uint32_t flags = 0;
  uint32_t hash = 0;
  int32_t closer = -1; // entry index of the closing directive
  uint8_t form = 0;     // the TableRow::Form of the row it comes from

  constexpr std::string_view getName() const { return {name, length}; }
};

// A built table without its sizes: the entries in list order and the slots
// of their names (entry index + 1; 0 is empty). A name listed twice has the
// later entry in its slot, as when the later row replaced the earlier.
class TableView {
public:
  constexpr TableView(const TableEntry *entries, size_t count,
                      const uint16_t *slots, size_t slotCount)
      : entries(entries), count(count), slots(slots), slotCount(slotCount) {}

  // The index of the entry in force for name, or -1.
  int find(std::string_view name, uint32_t hash) const;
  size_t size() const { return count; }
  const TableEntry &operator[](size_t i) const { return entries[i]; }
  // Whether entry i is the one in force for its name.
  bool isInForce(size_t i) const {
    return find(entries[i].getName(), entries[i].hash) == int(i);
  }

private:
  const TableEntry *entries;
  size_t count;
  const uint16_t *slots;
  size_t slotCount;
};

namespace tablebuild {

constexpr const char *TypeSuffixes[16] = {"b",  "s",   "l",  "q",  "ps", "pss",
                                          "pl", "psl", "sb", "ss", "sl", "sq",
                                          "f",  "d",   "p",  "c"};
// Condition codes 4 and 7 have a second spelling.
constexpr const char *CondSuffixes[16] = {"",  "e",  "ne", "",   "b", "be",
                                          "a", "ae", "s",  "ns", "o", "no",
                                          "l", "le", "g",  "ge"};
constexpr const char *CondSynonyms[16] = {nullptr, nullptr, nullptr, nullptr,
                                          "c",     nullptr, nullptr, "nc"};

constexpr size_t slotOf(uint32_t hash, size_t mask) {
  return (hash ^ (hash >> 15)) & mask;
}

constexpr bool sameName(const TableEntry &a, const TableEntry &b) {
  return a.hash == b.hash && a.getName() == b.getName();
}

constexpr TableEntry makeEntry(const TableRow &row, const char *suffix,
                               uint32_t index) {
  TableEntry e;
  size_t n = 0;
  for (const char *p = row.name; *p; ++p)
    e.name[n++] = *p;
  for (const char *p = suffix; *p; ++p)
    e.name[n++] = *p;
  e.length = static_cast<uint8_t>(n);
  e.entryClass = row.entryClass;
  e.kind = row.kind;
  e.code = row.code;
  e.index = index;
  e.flags = row.flags;
  e.form = row.form;
  e.hash = WordMap::hashOf(e.getName());
  return e;
}

constexpr size_t entriesOf(const TableRow &row) {
  if (row.form == TableRow::One)
    return 1;
  size_t n = 0;
  for (unsigned i = 0; i < 16; ++i)
    if (row.index & (1u << i))
      n += row.form == TableRow::Conds && CondSynonyms[i] ? 2 : 1;
  return n;
}

template <size_t N> constexpr size_t countEntries(const TableRow (&rows)[N]) {
  size_t n = 0;
  for (const TableRow &row : rows)
    n += entriesOf(row);
  return n;
}

template <size_t Count, size_t Slots> struct Table {
  static_assert((Slots & (Slots - 1)) == 0 && Slots >= 2 * Count,
                "slots: a power of two, at most half used");
  std::array<TableEntry, Count> entries{};
  std::array<uint16_t, Slots> slots{};

  constexpr TableView view() const {
    return TableView(entries.data(), Count, slots.data(), Slots);
  }
};

template <size_t Count, size_t Slots, size_t N>
constexpr Table<Count, Slots> build(const TableRow (&rows)[N]) {
  Table<Count, Slots> t;
  size_t n = 0;
  for (const TableRow &row : rows) {
    if (row.form == TableRow::One) {
      t.entries[n++] = makeEntry(row, "", row.index);
      continue;
    }
    for (unsigned i = 0; i < 16; ++i) {
      if (!(row.index & (1u << i)))
        continue;
      if (row.form == TableRow::Types) {
        t.entries[n++] = makeEntry(row, TypeSuffixes[i], i);
        continue;
      }
      t.entries[n++] = makeEntry(row, CondSuffixes[i], i);
      if (CondSynonyms[i])
        t.entries[n++] = makeEntry(row, CondSynonyms[i], i);
    }
  }
  for (size_t e = 0; e < Count; ++e) {
    size_t i = slotOf(t.entries[e].hash, Slots - 1);
    while (t.slots[i] != 0 &&
           !sameName(t.entries[t.slots[i] - 1], t.entries[e]))
      i = (i + 1) & (Slots - 1);
    t.slots[i] = static_cast<uint16_t>(e + 1);
  }
  // A closer is named in its row; its entry is found once, here.
  n = 0;
  for (const TableRow &row : rows) {
    if (row.form == TableRow::One && row.closer) {
      const std::string_view closer(row.closer);
      for (size_t e = 0; e < Count; ++e)
        if (t.entries[e].getName() == closer)
          t.entries[n].closer = static_cast<int32_t>(e);
    }
    n += entriesOf(row);
  }
  return t;
}

} // namespace tablebuild

#endif
