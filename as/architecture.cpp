// architecture.cpp - what both processor models share: the directives, the
// section and symbol types, the predefined sections, and the lookups in the
// compiled tables.
#include "architecture.h"

#include <cstring>

#include "tokenizer.h"

namespace {

using Row = TableRow;
constexpr auto D = EntryClass::Directive;
constexpr auto M = EntryClass::InitMemory;
constexpr auto Closing = EntryClass::Terminating;
constexpr auto Opening = EntryClass::Terminated;

// The directives of both models, in table order.
constexpr Row directiveRows[] = {
    {Row::One, D, ".data", PO_SECTION},
    {Row::One, D, ".text", PO_SECTION},
    {Row::One, D, ".bss", PO_SECTION},
    {Row::One, D, ".section", PO_SECTION},
    {Row::One, D, ".subsection", PO_SUBSECTION},
    {Row::One, D, ".align", PO_ALIGN},
    {Row::One, D, ".p2align", PO_P2ALIGN},
    {Row::One, D, ".file", PO_FILE},
    {Row::One, D, ".loc", PO_LOC},
    {Row::One, D, ".comm", PO_COMM},
    {Row::One, D, ".lcomm", PO_LCOMM},
    {Row::One, D, ".equ", PO_SET},
    {Row::One, D, ".set", PO_SET},
    {Row::One, D, ".equiv", PO_EQUIV},
    {Row::One, D, ".eqv", PO_EQV},
    {Row::One, D, ".skip", PO_SKIP},
    {Row::One, D, ".space", PO_SKIP},
    {Row::One, D, ".fill", PO_FILL},
    {Row::One, D, ".global", PO_GLOBAL},
    {Row::One, D, ".globl", PO_GLOBAL},
    {Row::One, D, ".local", PO_LOCAL},
    {Row::One, D, ".weak", PO_WEAK},
    {Row::One, D, ".type", PO_TYPE},
    {Row::One, D, ".size", PO_SIZE},
    {Row::One, D, ".include", PO_INCLUDE},
    {Row::One, D, ".incbin", PO_INCBIN},
    {Row::One, D, ".end", PO_END},
    {Row::One, D, ".err", PO_ERR},
    {Row::One, D, ".error", PO_ERROR},
    {Row::One, D, ".warning", PO_WARNING},
    {Row::One, D, ".fail", PO_FAIL},
    {Row::One, D, ".print", PO_PRINT},
    {Row::One, D, ".sleb128", PO_SLEB128},
    {Row::One, D, ".uleb128", PO_ULEB128},
    {Row::One, D, ".syntax", PO_SYNTAX},
    {Row::One, D, ".else", PO_ELSE},
    {Row::One, D, ".elseif", PO_ELSEIF},
    {Row::One, D, ".macro", PO_MACRO},
    {Row::One, D, ".endm", PO_ENDM},
    {Row::One, D, ".exitm", PO_EXITM},
    {Row::One, D, ".purgem", PO_PURGEM},

    // Data directives: unit size, then data kind.
    {Row::One, M, ".byte", IK_INIT_MEMORY, 1, DK_INTEGER},
    {Row::One, M, ".short", IK_INIT_MEMORY, 2, DK_INTEGER},
    {Row::One, M, ".long", IK_INIT_MEMORY, 4, DK_INTEGER},
    {Row::One, M, ".quad", IK_INIT_MEMORY, 8, DK_INTEGER},
    {Row::One, M, ".float", IK_INIT_MEMORY, 4, DK_FLOAT},
    {Row::One, M, ".single", IK_INIT_MEMORY, 4, DK_FLOAT},
    {Row::One, M, ".double", IK_INIT_MEMORY, 8, DK_DOUBLE},
    {Row::One, M, ".ascii", IK_INIT_MEMORY, 1, DK_STRING},
    {Row::One, M, ".asciz", IK_INIT_MEMORY, 1, DK_STRINGZ},
    {Row::One, M, ".string", IK_INIT_MEMORY, 1, DK_STRINGZ},
    {Row::One, M, ".string8", IK_INIT_MEMORY, 1, DK_STRINGZ},
    {Row::One, M, ".string16", IK_INIT_MEMORY, 2, DK_STRINGZ},
    {Row::One, M, ".string32", IK_INIT_MEMORY, 4, DK_STRINGZ},
    {Row::One, M, ".string64", IK_INIT_MEMORY, 8, DK_STRINGZ},

    // Blocks: the closers, then the openers with their closer.
    {Row::One, Closing, ".endr", PO_ENDR},
    {Row::One, Closing, ".endif", PO_ENDIF},
    {Row::One, Opening, ".rept", PO_REPT, 0, 0, 0, ".endr"},
    {Row::One, Opening, ".irp", PO_IRP, 0, 0, 0, ".endr"},
    {Row::One, Opening, ".irpc", PO_IRPC, 0, 0, 0, ".endr"},
    {Row::One, Opening, ".if", PO_IF, 0, 0, 0, ".endif"},
    {Row::One, Opening, ".ifne", PO_IF, 0, 0, 0, ".endif"},
    {Row::One, Opening, ".ifdef", PO_IFDEF, 0, 0, 0, ".endif"},
    {Row::One, Opening, ".ifndef", PO_IFNDEF, 0, 0, 0, ".endif"},
    {Row::One, Opening, ".ifnotdef", PO_IFNDEF, 0, 0, 0, ".endif"},
    {Row::One, Opening, ".ifb", PO_IFB, 0, 0, 0, ".endif"},
    {Row::One, Opening, ".ifnb", PO_IFNB, 0, 0, 0, ".endif"},
    {Row::One, Opening, ".ifeq", PO_IFEQ, 0, 0, 0, ".endif"},
    {Row::One, Opening, ".ifeqs", PO_IFEQS, 0, 0, 0, ".endif"},
    {Row::One, Opening, ".ifnes", PO_IFNES, 0, 0, 0, ".endif"},
    {Row::One, Opening, ".ifge", PO_IFGE, 0, 0, 0, ".endif"},
    {Row::One, Opening, ".ifgt", PO_IFGT, 0, 0, 0, ".endif"},
    {Row::One, Opening, ".ifle", PO_IFLE, 0, 0, 0, ".endif"},
    {Row::One, Opening, ".iflt", PO_IFLT, 0, 0, 0, ".endif"},
};

constexpr auto directives =
    tablebuild::build<tablebuild::countEntries(directiveRows), 256>(
        directiveRows);

struct NamedCode {
  const char *name;
  uint8_t code;
};

constexpr NamedCode symbolTypes[] = {
    {"STT_NOTYPE", STT_NOTYPE},
    {"STT_OBJECT", STT_OBJECT},
    {"STT_FUNC", STT_FUNC},
    {"STT_COMMON", STT_COMMON},
};

constexpr NamedCode sectionTypes[] = {
    {"progbits", SHT_PROGBITS},
    {"nobits", SHT_NOBITS},
    {"note", SHT_NOTE},
};

struct SpecialSection {
  const char *name;
  SpecailSectionAttributes attributes;
};

constexpr SpecialSection specialSections[] = {
    {".text", {SHT_PROGBITS, SHF_ALLOC | SHF_EXECINSTR}},
    {".data", {SHT_PROGBITS, SHF_WRITE | SHF_ALLOC}},
    {".bss", {SHT_NOBITS, SHF_WRITE | SHF_ALLOC}},
    {".comment", {SHT_PROGBITS, 0}},
    {".note", {SHT_NOTE, 0}},
    {".shstrtab", {SHT_STRTAB, 0}},
    {".strtab", {SHT_STRTAB, 0}},
    {".symtab", {SHT_SYMTAB, 0}},
    {".debug_str", {SHT_PROGBITS, SHF_MERGE | SHF_STRINGS}},
    {".debug_info", {SHT_PROGBITS, 0}},
    {".debug_line", {SHT_PROGBITS, 0}},
    {".debug_abbrev", {SHT_PROGBITS, 0}},
    {".debug_frame", {SHT_PROGBITS, 0}},
    {".debug_aranges", {SHT_PROGBITS, 0}},
    {".debug_pubnames", {SHT_PROGBITS, 0}},
    {".debug_funcnames", {SHT_PROGBITS, 0}},
    {".debug_typenames", {SHT_PROGBITS, 0}},
    {".debug_varnames", {SHT_PROGBITS, 0}},
    {".debug_weaknames", {SHT_PROGBITS, 0}},
    {".debug_macinfo", {SHT_PROGBITS, 0}},
    {".debug_loc", {SHT_PROGBITS, 0}},
    {".debug_ranges", {SHT_PROGBITS, 0}},
    {".debug_types", {SHT_PROGBITS, 0}},
};

// The entry of a small table named by the word, or null.
template <typename T, size_t N>
const T *findNamed(const T (&table)[N], const Word *word) {
  if (!word)
    return nullptr;
  for (const T &entry : table)
    if (word->getName() == entry.name)
      return &entry;
  return nullptr;
}

// Tags are never reused: a word's answer from an architecture that has
// gone is never taken for another's.
uint32_t nextTag() {
  static uint32_t last = 0;
  return ++last;
}

} // namespace

Architecture::Architecture(Tokenizer *tokenizer, uint16_t code,
                           TableView operations,
                           const RegisterFile &registerFile,
                           const RegisterRow *registerRows,
                           size_t registerRowCount)
    : tokenizer(tokenizer), code(code), registerCount(RegisterFile::Count),
      tag(nextTag()), operations(operations), registerFile(registerFile),
      registerRows(registerRows), registerRowCount(registerRowCount) {}

Architecture::~Architecture() = default;

bool Architecture::isWordOfTokenizer(const Word *word) const {
  return word && tokenizer && tokenizer->getWordMap().holds(word);
}

const Word::MeaningEntry &Architecture::meaningOf(const Word *word) const {
  Word::MeaningEntry &meaning = word->meaningEntry();
  if (meaning.tag == tag)
    return meaning;
  meaning = {tag, nullptr, nullptr};
  if (!isWordOfTokenizer(word))
    return meaning;
  const std::string &text = word->getName();
  // Directives all start with a dot, operations never.
  const bool directive = !text.empty() && text[0] == '.';
  const TableView table = directive ? directives.view() : operations;
  const int index = table.find(text, word->getHash());
  const Instruction *instruction =
      index < 0 ? nullptr : instructionAt(directive, size_t(index), word);
  const Register *reg = findRegister(text);
  // Making a closer may have asked about another word; this one's answer
  // is set last.
  meaning = {tag, instruction, reg};
  return meaning;
}

const Instruction *Architecture::instructionAt(bool directive, size_t index,
                                               const Word *word) const {
  const TableView table = directive ? directives.view() : operations;
  std::vector<std::unique_ptr<Instruction>> &made =
      directive ? madeDirectives : madeOperations;
  if (made.empty())
    made.resize(table.size());
  if (made[index])
    return made[index].get();
  const TableEntry &e = table[index];
  std::unique_ptr<Instruction> instruction;
  switch (e.entryClass) {
  case EntryClass::Operation:
    instruction =
        std::make_unique<Operation>(word, e.kind, e.code, e.index, e.flags);
    break;
  case EntryClass::Directive:
    instruction = std::make_unique<PseudoOperation>(word, e.kind);
    break;
  case EntryClass::InitMemory:
    instruction =
        std::make_unique<InitMemoryPseudoOperation>(word, e.code, e.index);
    break;
  case EntryClass::Terminating:
    instruction = std::make_unique<TerminatingPseudoOperation>(word, e.kind);
    break;
  case EntryClass::Terminated: {
    const TerminatingPseudoOperation *closer = nullptr;
    if (e.closer >= 0) {
      const std::string_view closerName = table[size_t(e.closer)].getName();
      closer = static_cast<const TerminatingPseudoOperation *>(instructionAt(
          directive, size_t(e.closer), tokenizer->getWord(closerName)));
    }
    instruction =
        std::make_unique<TerminatedPseudoOperation>(word, closer, e.kind);
    break;
  }
  }
  made[index] = std::move(instruction);
  return made[index].get();
}

const Register *Architecture::findRegister(const std::string &text) const {
  // A name belongs to the last row of its number; a later row of that
  // number takes the name away.
  const Register *found = nullptr;
  for (size_t i = 0; i < registerRowCount; ++i) {
    const RegisterRow &row = registerRows[i];
    if (!row.name || text != row.name)
      continue;
    bool replaced = false;
    for (size_t j = i + 1; j < registerRowCount; ++j)
      replaced = replaced || registerRows[j].number == row.number;
    if (!replaced)
      found = &registerFile.registers[row.number];
  }
  return found;
}

const Instruction *Architecture::getInstruction(const Word *word) const {
  return word ? meaningOf(word).instruction : nullptr;
}

std::vector<std::string> Architecture::getMnemonics() const {
  std::vector<std::string> names;
  for (size_t i = 0; i < operations.size(); ++i)
    if (operations[i].entryClass == EntryClass::Operation &&
        operations.isInForce(i))
      names.emplace_back(operations[i].getName());
  return names;
}

std::vector<std::string> Architecture::getPseudoOperationNames() const {
  const TableView table = directives.view();
  std::vector<std::string> names;
  for (size_t i = 0; i < table.size(); ++i)
    if (table.isInForce(i))
      names.emplace_back(table[i].getName());
  return names;
}

TableRow::Form Architecture::getMnemonicForm(const std::string &name) const {
  const int index = operations.find(name, WordMap::hashOf(name));
  return index < 0
             ? TableRow::One
             : static_cast<TableRow::Form>(operations[size_t(index)].form);
}

std::vector<std::string> Architecture::getRegisterNames() const {
  std::vector<std::string> names;
  for (size_t i = 0; i < registerRowCount; ++i) {
    const RegisterRow &row = registerRows[i];
    if (row.name &&
        findRegister(row.name) == &registerFile.registers[row.number])
      names.emplace_back(row.name);
  }
  return names;
}

const Register *Architecture::getRegister(int number) const {
  if (number < 0 || static_cast<uint32_t>(number) >= RegisterFile::Count ||
      !(registerFile.present & (uint64_t(1) << number)))
    return nullptr;
  return &registerFile.registers[number];
}

const Register *Architecture::getRegister(const Word *word) const {
  return word ? meaningOf(word).reg : nullptr;
}

std::string Architecture::getRegisterName(uint32_t number) const {
  // The last row of a number is the one in force.
  std::string name;
  for (size_t i = 0; i < registerRowCount; ++i)
    if (registerRows[i].number == number)
      name = registerRows[i].name ? registerRows[i].name : "";
  return name;
}

bool Architecture::isSectionTypeFound(const Word *word) const {
  return isWordOfTokenizer(word) && findNamed(sectionTypes, word);
}

uint8_t Architecture::getSectionTypeCode(const Word *word) const {
  const NamedCode *type =
      isWordOfTokenizer(word) ? findNamed(sectionTypes, word) : nullptr;
  return type ? type->code : 0;
}

bool Architecture::isSymbolTypeFound(const Word *word) const {
  return isWordOfTokenizer(word) && findNamed(symbolTypes, word);
}

uint8_t Architecture::getSymbolTypeCode(const Word *word) const {
  const NamedCode *type =
      isWordOfTokenizer(word) ? findNamed(symbolTypes, word) : nullptr;
  return type ? type->code : 0;
}

const SpecailSectionAttributes *
Architecture::getSpecialSectionAttributes(const Word *word) const {
  const SpecialSection *section =
      isWordOfTokenizer(word) ? findNamed(specialSections, word) : nullptr;
  return section ? &section->attributes : nullptr;
}

bool Architecture::isValidSbRef(uint32_t r) const {
  if (r == 0 && atNullIsNull)
    return true;
  return sbRefBegin <= r && r <= sbRefEnd;
}

uint16_t Architecture::getFieldDescriptor(OWField field) const {
  if (field < 0 || field >= OW_FIELD_COUNT)
    return 0;
  return fieldDescriptors[field];
}

void Architecture::setFieldDescriptor(OWField field, uint16_t descriptor) {
  if (field >= 0 && field < OW_FIELD_COUNT)
    fieldDescriptors[field] = descriptor;
}

uint32_t Architecture::packField(OWField field, uint32_t value) const {
  uint16_t d = getFieldDescriptor(field);
  uint32_t width = fieldWidth(d);
  uint32_t position = fieldPosition(d);
  if (width == 0 || position >= 32)
    return 0;
  // A value too wide for its field must not spill into its neighbours.
  if (width < 32)
    value &= (1u << width) - 1;
  return value << position;
}
