// wordmap.h - interning table: one Word object per name for the whole run.
#ifndef ZV_AS_WORDMAP_H
#define ZV_AS_WORDMAP_H

#include <cstdint>
#include <deque>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "token.h"

class WordMap {
public:
  WordMap() = default;
  WordMap(const WordMap &) = delete;
  WordMap &operator=(const WordMap &) = delete;

  // The hash of a name, the same at compile time (for the static tables
  // that are searched with a word's hash) and at run time.
  static constexpr uint32_t hashOf(std::string_view name) {
    uint32_t h = 2166136261u;
    for (char c : name)
      h = (h ^ static_cast<unsigned char>(c)) * 16777619u;
    return h;
  }

  // The interned word for name, created with code 258 on first use.
  Word *getWord(std::string_view name) { return getWord(name, hashOf(name)); }
  // The same with the name's hash already known.
  Word *getWord(std::string_view name, uint32_t hash);
  // A new word with the given code replaces any word of that name.
  Word *putWord(const std::string &name, int code);
  bool exist(std::string_view name) const;
  // Whether word is the one this table holds for its name.
  bool holds(const Word *word) const;
  size_t size() const { return count; }
  // Lists every entry, sorted by name (a debugging aid).
  void print(std::ostream &os) const;

private:
  // Open addressing with linear probing; the hash beside the pointer
  // settles almost every mismatch without touching the word.
  struct Slot {
    uint32_t hash = 0;
    uint32_t length = 0; // of the name
    Word *word = nullptr;
  };

  // The slot holding name, or the empty slot where it would go.
  size_t find(std::string_view name, uint32_t hash) const;
  Word *insert(size_t at, std::string_view name, uint32_t hash, int code);
  void grow();

  std::vector<Slot> slots;
  size_t count = 0;
  // Words never move: everyone holds them by address. A replaced word
  // stays here, so a pointer to it never dangles.
  std::deque<Word> storage;
};

#endif
