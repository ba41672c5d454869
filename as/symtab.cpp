// symtab.cpp - symbol lookup by interned name, value adjustment after
// layout, and the emission order with the string table.
#include "symtab.h"

#include "section.h"
#include "symbol.h"
#include "token.h"

namespace {
// Tags are never reused: a word claimed by a table that has gone keeps a
// tag no later table has.
uint32_t nextTag() {
  static uint32_t last = 0;
  return ++last;
}
} // namespace

Symtab::Symtab() : tag(nextTag()) {}

Symtab::~Symtab() = default;

Symbol *Symtab::getSymbol(const Word *name) {
  if (name && name->symbolEntry().tag == tag)
    return name->symbolEntry().symbol;
  const bool claim = name && name->symbolEntry().tag == 0;
  Symbol **slot = nullptr;
  if (!claim) {
    slot = &claimedElsewhere[name];
    if (*slot)
      return *slot;
  }
  Symbol *symbol = &symbols.emplace_back(name);
  order.push_back(symbol);
  if (claim)
    name->symbolEntry() = {tag, symbol};
  else
    *slot = symbol;
  return symbol;
}

Symbol *Symtab::getExistingSymbol(const Word *name) const {
  if (name && name->symbolEntry().tag == tag)
    return name->symbolEntry().symbol;
  auto it = claimedElsewhere.find(name);
  return it == claimedElsewhere.end() ? nullptr : it->second;
}

void Symtab::setIndex(Symbol *symbol) {
  symbol->setIndex(++count);
  emission.push_back(symbol);
}

void Symtab::adjustSymbolValues() {
  for (Symbol *symbol : order)
    symbol->adjustValues();
}

const std::vector<Symbol *> &Symtab::getSymbolSequence(std::string &strtab) {
  strtab.assign(1, '\0');
  size_t names = 1;
  for (const Symbol *symbol : order)
    names += symbol->getStrName().size() + 1;
  strtab.reserve(names);
  for (Symbol *symbol : order) {
    const Section *section = symbol->getValue()->getSection();
    if (section) {
      if (symbol->isLocal())
        symbol->setBind(3); // marker: not written
      symbol->setShndx(section->getIndex());
    } else if (symbol->getBind() == STB_LOCAL) {
      symbol->setBind(STB_GLOBAL);
    }
  }
  // Creation order inside each binding group: never the map's order.
  for (uint8_t bind : {STB_LOCAL, STB_GLOBAL, STB_WEAK}) {
    for (Symbol *symbol : order) {
      if (symbol->getBind() != bind)
        continue;
      symbol->setName(static_cast<uint32_t>(strtab.size()));
      strtab += symbol->getStrName();
      strtab += '\0';
      symbol->adjustResultValue();
      if (symbol->getIndex() == 0)
        setIndex(symbol);
    }
  }
  if (!nullSymbol)
    nullSymbol = std::make_unique<Symbol>(nullptr);
  if (emission.empty() || emission.front() != nullSymbol.get())
    emission.insert(emission.begin(), nullSymbol.get());
  return emission;
}
