// globalsymtab.h - the process-wide table that resolves the global and weak
// symbols of all loaded objects to one definition per name.
#ifndef ZV_LD_GLOBALSYMTAB_H
#define ZV_LD_GLOBALSYMTAB_H

#include "symbol.h"

#include <gelf.h>

#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace zvld {

class ElfObject;

class GlobalSymtab {
public:
  GlobalSymtab() = default;
  GlobalSymtab(const GlobalSymtab &) = delete;
  GlobalSymtab &operator=(const GlobalSymtab &) = delete;

  // Enters a global or weak record. Returns the entry for the name and sets
  // ok; ok false with an entry is a conflict of two definitions, null is a
  // record whose binding is neither global nor weak.
  Symbol *addSymbol(const GElf_Sym &record, std::string_view name,
                    ElfObject *object, bool &ok);
  Symbol *find(std::string_view name) const;

  // Whether anything undefined or weakly defined remains to be looked for.
  bool isGUOrWDSymbolFound() const {
    return undefinedCount != 0 || weakDefinedCount != 0;
  }
  bool isGUOrWDSymbolFound(std::string_view name) const;
  static bool isGUOrWDSymbol(const Symbol *symbol);

  int getUndefinedCount() const { return undefinedCount; }
  int getWeakDefinedCount() const { return weakDefinedCount; }
  size_t size() const { return entries.size(); }

  // The rules by binding of the entry and of the new record; false only for
  // a conflict.
  bool global_global(Symbol *entry, const GElf_Sym &record, ElfObject *object);
  bool global_weak(Symbol *entry, const GElf_Sym &record, ElfObject *object);
  bool weak_global(Symbol *entry, const GElf_Sym &record, ElfObject *object);
  bool weak_weak(Symbol *entry, const GElf_Sym &record, ElfObject *object);

  // Forgets every entry; for programs that link more than once per process.
  void clear();

private:
  // Replaces the entry's record, keeping both counts exact.
  void take(Symbol *entry, const GElf_Sym &record, ElfObject *object);
  void count(const Symbol *symbol, int delta);

  std::deque<std::string> names;
  std::deque<Symbol> symbols;
  std::unordered_map<std::string_view, Symbol *> entries;
  int undefinedCount = 0;
  int weakDefinedCount = 0;
};

// The one table of the process, made on first use.
class SingleGlobalSymtabPointer {
public:
  static GlobalSymtab *get();
};

} // namespace zvld

#endif
