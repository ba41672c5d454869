// messagehints.h - the notes a rich message adds for a person: the names
// that were probably meant, and what the other model has.
#ifndef ZV_AS_MESSAGEHINTS_H
#define ZV_AS_MESSAGEHINTS_H

#include <cstddef>
#include <string>
#include <vector>

#include "diagnostics.h"

class Architecture;
class MacroTable;
class Symtab;

class MessageHints : public HintSource {
public:
  // Candidates a run may weigh for all its messages together: enough for
  // hundreds of messages over tables of 100,000 names.
  static constexpr size_t DEFAULT_BUDGET = 50000000;

  MessageHints(const Architecture &architecture, const Symtab &symtab,
               const MacroTable &macros, size_t budget = DEFAULT_BUDGET)
      : architecture(architecture), symtab(symtab), macros(macros),
        budget(budget) {}

  void notesFor(const Hint &hint, std::vector<std::string> &notes) override;

private:
  void suggest(const std::string &name, const std::vector<std::string> &names,
               std::vector<std::string> &notes);

  const Architecture &architecture;
  const Symtab &symtab;
  const MacroTable &macros;
  size_t budget;
};

#endif
