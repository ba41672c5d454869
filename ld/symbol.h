// symbol.h - one symbol as the linker sees it: its record and the object
// whose definition the record is.
#ifndef ZV_LD_SYMBOL_H
#define ZV_LD_SYMBOL_H

#include <gelf.h>

#include <string_view>

namespace zvld {

class ElfObject;

// A Symbol stays where it is for the whole link; resolution replaces its
// record with set(), so every object that refers to it sees the result.
class Symbol {
public:
  Symbol(const GElf_Sym &record, ElfObject *owner, std::string_view name)
      : rec(record), owner(owner), name(name) {}
  Symbol(const Symbol &) = delete;
  Symbol &operator=(const Symbol &) = delete;

  void set(const GElf_Sym &record, ElfObject *newOwner) {
    rec = record;
    owner = newOwner;
  }

  const GElf_Sym &get() const { return rec; }
  GElf_Sym &get() { return rec; }
  ElfObject *getOwner() const { return owner; }
  // The name; it outlives the symbol (held by the owner's string table for
  // local symbols, by the global symbol table for the others).
  std::string_view getName() const { return name; }

  unsigned char bind() const { return GELF_ST_BIND(rec.st_info); }
  unsigned char type() const { return GELF_ST_TYPE(rec.st_info); }
  bool isUndefined() const { return rec.st_shndx == SHN_UNDEF; }
  bool isCommon() const { return rec.st_shndx == SHN_COMMON; }
  bool isDefined() const { return !isUndefined() && !isCommon(); }
  bool isWeak() const { return bind() == STB_WEAK; }

private:
  GElf_Sym rec;
  ElfObject *owner;
  std::string_view name;
};

} // namespace zvld

#endif
