// responsefile.cpp - reading @file arguments: the word syntax, and the
// bounds that keep a file naming itself from expanding for ever.
#include "responsefile.h"

#include <fstream>
#include <iterator>

#include "filestat.h"

namespace {

bool isBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' ||
         c == '\v';
}

// The whole file, or false when it is not a regular file or cannot be read.
bool readWholeFile(const std::string &name, std::string &text) {
  if (!FileStat(name).isReg())
    return false;
  std::ifstream in(name, std::ios::binary);
  if (!in)
    return false;
  text.assign(std::istreambuf_iterator<char>(in),
              std::istreambuf_iterator<char>());
  return !in.bad();
}

} // namespace

std::vector<std::string> ResponseFiles::split(std::string_view text) {
  std::vector<std::string> result;
  std::string word;
  bool inWord = false; // also true for a word made of quotes alone
  char quote = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\\') {
      // A backslash at the very end has nothing to escape and goes.
      if (i + 1 < text.size())
        word += text[++i];
      inWord = true;
    } else if (quote) {
      if (c == quote)
        quote = 0;
      else
        word += c;
    } else if (c == '\'' || c == '"') {
      quote = c;
      inWord = true;
    } else if (isBlank(c)) {
      if (inWord)
        result.push_back(std::move(word));
      word.clear();
      inWord = false;
    } else {
      word += c;
      inWord = true;
    }
  }
  // An open quote runs to the end of the file.
  if (inWord)
    result.push_back(std::move(word));
  return result;
}

bool ResponseFiles::expandWord(const std::string &word, unsigned depth) {
  std::string text;
  if (word.size() < 2 || word[0] != '@' ||
      !readWholeFile(word.substr(1), text)) {
    words.push_back(word);
    return true;
  }
  if (depth >= MAX_DEPTH) {
    error = "response file '" + word.substr(1) + "' nested more than " +
            std::to_string(MAX_DEPTH) + " levels deep";
    return false;
  }
  if (++filesRead > MAX_FILES) {
    error = "more than " + std::to_string(MAX_FILES) +
            " response files read, at '" + word.substr(1) + "'";
    return false;
  }
  for (const std::string &inner : split(text))
    if (!expandWord(inner, depth + 1))
      return false;
  return true;
}

bool ResponseFiles::expand(int argc, char **argv) {
  words.clear();
  pointers.clear();
  filesRead = 0;
  error.clear();
  bool ok = true;
  for (int i = 0; i < argc && ok; ++i) {
    if (i == 0)
      words.push_back(argv[0] ? argv[0] : "");
    else
      ok = expandWord(argv[i], 0);
  }
  for (std::string &w : words)
    pointers.push_back(w.data());
  pointers.push_back(nullptr);
  return ok;
}

bool ResponseFiles::replace(int &argc, char **&argv) {
  if (!expand(argc, argv))
    return false;
  argc = this->argc();
  argv = this->argv();
  return true;
}
