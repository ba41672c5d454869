// wordmap.h - interning table: one Word object per name for the whole run.
#ifndef ZV_AS_WORDMAP_H
#define ZV_AS_WORDMAP_H

#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <unordered_map>

#include "token.h"

class WordMap {
public:
  WordMap() = default;
  WordMap(const WordMap &) = delete;
  WordMap &operator=(const WordMap &) = delete;

  // The interned word for name, created with code 258 on first use.
  Word *getWord(std::string_view name);
  // A new word with the given code replaces any word of that name.
  Word *putWord(const std::string &name, int code);
  bool exist(std::string_view name) const;
  size_t size() const { return words.size(); }
  // Lists every entry, sorted by name (a debugging aid).
  void print(std::ostream &os) const;

private:
  // Keys view the name inside their own Word, which never moves.
  std::unordered_map<std::string_view, std::unique_ptr<Word>> words;
};

#endif
