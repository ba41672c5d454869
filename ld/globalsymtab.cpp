// globalsymtab.cpp - resolution of global and weak symbols by four rules,
// with the two counts the library search asks about kept exact.
#include "globalsymtab.h"

namespace zvld {

Symbol *GlobalSymtab::find(std::string_view name) const {
  auto it = entries.find(name);
  return it == entries.end() ? nullptr : it->second;
}

void GlobalSymtab::count(const Symbol *symbol, int delta) {
  if (symbol->isUndefined())
    undefinedCount += delta;
  else if (symbol->isWeak())
    weakDefinedCount += delta;
}

void GlobalSymtab::take(Symbol *entry, const GElf_Sym &record,
                        ElfObject *object) {
  count(entry, -1);
  entry->set(record, object);
  count(entry, +1);
}

Symbol *GlobalSymtab::addSymbol(const GElf_Sym &record, std::string_view name,
                                ElfObject *object, bool &ok) {
  ok = true;
  unsigned char bind = GELF_ST_BIND(record.st_info);
  auto it = entries.find(name);
  if (it == entries.end()) {
    names.emplace_back(name);
    Symbol &symbol = symbols.emplace_back(record, object, names.back());
    entries.emplace(names.back(), &symbol);
    count(&symbol, +1);
    return &symbol;
  }
  Symbol *entry = it->second;
  unsigned char have = entry->bind();
  if (have != STB_GLOBAL && have != STB_WEAK)
    return entry;
  if (bind != STB_GLOBAL && bind != STB_WEAK) {
    ok = false;
    return nullptr;
  }
  if (have == STB_GLOBAL)
    ok = bind == STB_GLOBAL ? global_global(entry, record, object)
                            : global_weak(entry, record, object);
  else
    ok = bind == STB_GLOBAL ? weak_global(entry, record, object)
                            : weak_weak(entry, record, object);
  return entry;
}

bool GlobalSymtab::global_global(Symbol *entry, const GElf_Sym &record,
                                 ElfObject *object) {
  bool newUndefined = record.st_shndx == SHN_UNDEF;
  bool newCommon = record.st_shndx == SHN_COMMON;
  if (entry->isUndefined()) {
    if (!newUndefined)
      take(entry, record, object);
  } else if (entry->isCommon()) {
    // Of two commons the larger one is kept, the first on a tie.
    if (!newUndefined && (!newCommon || record.st_size > entry->get().st_size))
      take(entry, record, object);
  } else if (!newUndefined && !newCommon) {
    return false;
  }
  return true;
}

bool GlobalSymtab::global_weak(Symbol *entry, const GElf_Sym &record,
                               ElfObject *object) {
  if (entry->isUndefined() && record.st_shndx != SHN_UNDEF &&
      record.st_shndx != SHN_COMMON)
    take(entry, record, object);
  return true;
}

bool GlobalSymtab::weak_global(Symbol *entry, const GElf_Sym &record,
                               ElfObject *object) {
  // A weak reference seen first is bound like any reference: it takes a
  // later definition, and a later strong reference makes it strong, so that
  // a name nobody defines is reported for the strong references.
  if (entry->isCommon())
    return true;
  if (entry->isUndefined() || record.st_shndx != SHN_UNDEF)
    take(entry, record, object);
  return true;
}

bool GlobalSymtab::weak_weak(Symbol *entry, const GElf_Sym &record,
                             ElfObject *object) {
  if (entry->isUndefined() && record.st_shndx != SHN_UNDEF)
    take(entry, record, object);
  return true;
}

bool GlobalSymtab::isGUOrWDSymbol(const Symbol *symbol) {
  return symbol && (symbol->isUndefined() || symbol->isWeak());
}

bool GlobalSymtab::isGUOrWDSymbolFound(std::string_view name) const {
  return isGUOrWDSymbol(find(name));
}

void GlobalSymtab::clear() {
  entries.clear();
  symbols.clear();
  names.clear();
  undefinedCount = 0;
  weakDefinedCount = 0;
}

GlobalSymtab *SingleGlobalSymtabPointer::get() {
  static GlobalSymtab table;
  return &table;
}

} // namespace zvld
