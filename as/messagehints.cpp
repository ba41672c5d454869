// messagehints.cpp - nearest operations, directives, registers and symbols,
// and the other model's operations and registers, for rich messages.
#include "messagehints.h"

#include <algorithm>
#include <memory>

#include "architecture.h"
#include "macro.h"
#include "suggestions.h"
#include "symbol.h"
#include "symtab.h"
#include "zp100_arch.h"
#include "zp200_arch.h"

namespace {

bool contains(const std::vector<std::string> &names, const std::string &name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

// "0 to 7, 32 to 39, 48": the numbers of the model's registers.
std::string registerNumbers(const Architecture &architecture) {
  std::string text;
  const int count = static_cast<int>(architecture.getRegisterCount());
  for (int n = 0; n < count; ++n) {
    if (!architecture.getRegister(n))
      continue;
    int last = n;
    while (last + 1 < count && architecture.getRegister(last + 1))
      ++last;
    if (!text.empty())
      text += ", ";
    text += std::to_string(n);
    if (last > n)
      text += " to " + std::to_string(last);
    n = last;
  }
  return text;
}

} // namespace

void MessageHints::suggest(const std::string &name,
                           const std::vector<std::string> &names,
                           std::vector<std::string> &notes) {
  NameSuggestions suggestions(name, budget);
  for (const std::string &candidate : names)
    suggestions.consider(candidate);
  if (!suggestions.best().empty())
    notes.push_back(didYouMean(suggestions.best()));
}

void MessageHints::notesFor(const Hint &hint, std::vector<std::string> &notes) {
  // The other model is asked by name only: its tables need no words.
  std::unique_ptr<Architecture> other;
  if (architecture.getCode() == ZP100_Arch::CODE)
    other = std::make_unique<ZP200_Arch>(nullptr);
  else
    other = std::make_unique<ZP100_Arch>(nullptr);

  switch (hint.kind) {
  case Hint::UnknownOperation: {
    std::vector<std::string> names;
    for (std::string &mnemonic : architecture.getMnemonics())
      if (mnemonic[0] != '?')
        names.push_back(std::move(mnemonic));
    for (std::string &macro : macros.names())
      names.push_back(std::move(macro));
    suggest(hint.name, names, notes);
    if (contains(other->getMnemonics(), hint.name))
      notes.push_back("'" + hint.name + "' is an operation of " +
                      other->getName());
    break;
  }
  case Hint::UnknownDirective: {
    std::vector<std::string> names = architecture.getPseudoOperationNames();
    names.push_back(".alias");
    suggest(hint.name, names, notes);
    break;
  }
  case Hint::UnknownRegisterName:
    suggest(hint.name, architecture.getRegisterNames(), notes);
    if (contains(other->getRegisterNames(), hint.name))
      notes.push_back("'" + hint.name + "' is a register of " +
                      other->getName());
    break;
  case Hint::UnknownRegisterNumber:
    notes.push_back("the registers of " + architecture.getName() +
                    " are numbered " + registerNumbers(architecture));
    break;
  case Hint::UndefinedSymbol: {
    NameSuggestions suggestions(hint.name, budget);
    for (const Symbol *symbol : symtab.getSymbols())
      if (symbol->isValueDefined() &&
          symbol->getStrName().compare(0, 3, ".L$") != 0)
        suggestions.consider(symbol->getStrName());
    if (!suggestions.best().empty())
      notes.push_back(didYouMean(suggestions.best()));
    break;
  }
  case Hint::None:
    break;
  }
}
