// symtab.cpp - symbol lookup by interned name, value adjustment after
// layout, and the emission order with the string table.
#include "symtab.h"

#include "section.h"
#include "symbol.h"

Symtab::Symtab() = default;

Symtab::~Symtab() = default;

Symbol *Symtab::getSymbol(const Word *name) {
  std::unique_ptr<Symbol> &slot = symbols[name];
  if (!slot) {
    slot = std::make_unique<Symbol>(name);
    order.push_back(slot.get());
  }
  return slot.get();
}

Symbol *Symtab::getExistingSymbol(const Word *name) const {
  auto it = symbols.find(name);
  return it == symbols.end() ? nullptr : it->second.get();
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
