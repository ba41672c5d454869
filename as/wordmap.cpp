// wordmap.cpp - interning table: one Word object per name for the whole run.
#include "wordmap.h"

#include <algorithm>
#include <ostream>
#include <vector>

namespace {
// Slots at the start; a power of two, so that a mask picks the slot.
constexpr size_t InitialSlots = 1024;

size_t slotOf(uint32_t hash, size_t mask) {
  // FNV leaves its low bits weakest; fold the high ones in.
  return (hash ^ (hash >> 15)) & mask;
}
} // namespace

namespace {
// Names are short: a byte loop beats a call to memcmp.
bool sameBytes(const char *a, const char *b, size_t n) {
  for (size_t i = 0; i < n; ++i)
    if (a[i] != b[i])
      return false;
  return true;
}
} // namespace

size_t WordMap::find(std::string_view name, uint32_t hash) const {
  const size_t mask = slots.size() - 1;
  for (size_t i = slotOf(hash, mask);; i = (i + 1) & mask) {
    const Slot &slot = slots[i];
    if (!slot.word)
      return i;
    if (slot.hash == hash && slot.length == uint32_t(name.size()) &&
        slot.word->name.size() == name.size() &&
        sameBytes(slot.word->name.data(), name.data(), name.size()))
      return i;
  }
}

void WordMap::grow() {
  std::vector<Slot> old(slots.empty() ? InitialSlots : slots.size() * 2);
  old.swap(slots);
  const size_t mask = slots.size() - 1;
  for (const Slot &slot : old) {
    if (!slot.word)
      continue;
    size_t i = slotOf(slot.hash, mask);
    while (slots[i].word)
      i = (i + 1) & mask;
    slots[i] = slot;
  }
}

Word *WordMap::insert(size_t at, std::string_view name, uint32_t hash,
                      int code) {
  // At most half full: probes stay short.
  if ((count + 1) * 2 > slots.size()) {
    grow();
    at = find(name, hash);
  }
  storage.emplace_back(std::string(name), code);
  Word *word = &storage.back();
  word->hash = hash;
  slots[at] = {hash, static_cast<uint32_t>(name.size()), word};
  ++count;
  return word;
}

Word *WordMap::getWord(std::string_view name, uint32_t hash) {
  const size_t at = slots.empty() ? 0 : find(name, hash);
  if (!slots.empty() && slots[at].word)
    return slots[at].word;
  return insert(at, name, hash, TC_WORD);
}

Word *WordMap::putWord(const std::string &name, int code) {
  const uint32_t hash = hashOf(name);
  const size_t at = slots.empty() ? 0 : find(name, hash);
  if (!slots.empty() && slots[at].word) {
    // The old word leaves the table but stays alive; its slot takes the
    // new one.
    storage.emplace_back(name, code);
    Word *word = &storage.back();
    word->hash = hash;
    slots[at].word = word;
    return word;
  }
  return insert(at, name, hash, code);
}

bool WordMap::exist(std::string_view name) const {
  return !slots.empty() && slots[find(name, hashOf(name))].word != nullptr;
}

bool WordMap::holds(const Word *word) const {
  if (!word || slots.empty())
    return false;
  return slots[find(word->getName(), word->getHash())].word == word;
}

void WordMap::print(std::ostream &os) const {
  std::vector<const Word *> sorted;
  sorted.reserve(count);
  for (const Slot &slot : slots)
    if (slot.word)
      sorted.push_back(slot.word);
  std::sort(sorted.begin(), sorted.end(), [](const Word *a, const Word *b) {
    return a->getName() < b->getName();
  });
  for (const Word *word : sorted)
    os << word->getName() << " -> " << static_cast<const void *>(word) << '\n';
}
