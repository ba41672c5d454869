// wordmap.cpp - interning table: one Word object per name for the whole run.
#include "wordmap.h"

#include <iostream>

Word *WordMap::getWord(std::string_view name) {
  auto it = words.find(name);
  if (it != words.end())
    return it->second.get();
  std::string key(name);
  auto word = std::make_unique<Word>(key);
  Word *result = word.get();
  words.emplace(std::move(key), std::move(word));
  return result;
}

Word *WordMap::putWord(const std::string &name, int code) {
  auto &slot = words[name];
  slot = std::make_unique<Word>(name, code);
  return slot.get();
}

bool WordMap::exist(std::string_view name) const {
  return words.find(name) != words.end();
}

void WordMap::print() const {
  for (const auto &entry : words)
    std::cerr << entry.first << " -> "
              << static_cast<const void *>(entry.second.get()) << '\n';
}
