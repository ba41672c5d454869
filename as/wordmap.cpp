// wordmap.cpp - interning table: one Word object per name for the whole run.
#include "wordmap.h"

#include <algorithm>
#include <ostream>
#include <vector>

Word *WordMap::getWord(std::string_view name) {
  auto it = words.find(name);
  if (it != words.end())
    return it->second.get();
  auto word = std::make_unique<Word>(std::string(name));
  Word *result = word.get();
  words.emplace(std::string_view(result->getName()), std::move(word));
  return result;
}

Word *WordMap::putWord(const std::string &name, int code) {
  // The old key views the old word's name, so the entry is replaced whole.
  words.erase(name);
  auto word = std::make_unique<Word>(name, code);
  Word *result = word.get();
  words.emplace(std::string_view(result->getName()), std::move(word));
  return result;
}

bool WordMap::exist(std::string_view name) const {
  return words.find(name) != words.end();
}

void WordMap::print(std::ostream &os) const {
  std::vector<const Word *> sorted;
  sorted.reserve(words.size());
  for (const auto &entry : words)
    sorted.push_back(entry.second.get());
  std::sort(sorted.begin(), sorted.end(), [](const Word *a, const Word *b) {
    return a->getName() < b->getName();
  });
  for (const Word *word : sorted)
    os << word->getName() << " -> " << static_cast<const void *>(word) << '\n';
}
