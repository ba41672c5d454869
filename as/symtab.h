// symtab.h - the symbol table: symbols by name in creation order, and the
// order in which the object writer emits them.
#ifndef ZV_AS_SYMTAB_H
#define ZV_AS_SYMTAB_H

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "symbol.h"

class Word;

class Symtab {
public:
  Symtab();
  Symtab(const Symtab &) = delete;
  Symtab &operator=(const Symtab &) = delete;
  ~Symtab();

  // Finds or creates the symbol of that name.
  Symbol *getSymbol(const Word *name);
  // Null when no symbol of that name exists.
  Symbol *getExistingSymbol(const Word *name) const;
  // Gives the symbol the next object index and appends it to the
  // emission list.
  void setIndex(Symbol *symbol);
  uint32_t getIndexCount() const { return count; }
  // After layout: every symbol's adjustValues.
  void adjustSymbolValues();
  // Fixes binding, section index, name offset, value and index of every
  // symbol and returns them in object order: the null symbol, section
  // symbols, other locals, globals, weaks. strtab receives the names.
  const std::vector<Symbol *> &getSymbolSequence(std::string &strtab);
  // Every symbol in creation order (the null symbol excluded).
  const std::vector<Symbol *> &getSymbols() const { return order; }

private:
  // The name's symbol is kept on its word (see Word::symbolEntry) under
  // this table's tag; a word that another table claimed first is looked up
  // here instead.
  const uint32_t tag;
  std::unordered_map<const Word *, Symbol *> claimedElsewhere;
  std::deque<Symbol> symbols; // creation order; never moved
  std::vector<Symbol *> order;
  uint32_t count = 0;
  std::vector<Symbol *> emission;
  std::unique_ptr<Symbol> nullSymbol;
};

#endif
