// architecture.cpp - tables shared by both processor models: base operations,
// directives, section and symbol types, predefined sections, lookups.
#include "architecture.h"

#include "tokenizer.h"

namespace {

// Name suffix of each type index.
const char *const typeSuffixes[16] = {"b",  "s",   "l",  "q",  "ps", "pss",
                                      "pl", "psl", "sb", "ss", "sl", "sq",
                                      "f",  "d",   "p",  "c"};

// Name suffix of each condition code; codes 4 and 7 have a second spelling.
const char *const condSuffixes[16] = {"",  "e",  "ne", "",   "b", "be",
                                      "a", "ae", "s",  "ns", "o", "no",
                                      "l", "le", "g",  "ge"};
const char *const condSynonyms[16] = {nullptr, nullptr, nullptr, nullptr,
                                      "c",     nullptr, nullptr, "nc"};

} // namespace

Architecture::Architecture(Tokenizer *tokenizer, uint16_t code)
    : tokenizer(tokenizer), code(code) {}

Architecture::~Architecture() {
  clearInstructionTable();
  clearSpecialSectionTable();
}

const Word *Architecture::intern(const std::string &text) const {
  return tokenizer->getWord(text);
}

void Architecture::addInstruction(std::unique_ptr<Instruction> instruction) {
  instructionTable[instruction->getWord()] = instruction.get();
  instructions.push_back(std::move(instruction));
}

void Architecture::addOperation(const std::string &opName, int kind,
                                uint32_t opCode, uint32_t typeIndex,
                                uint32_t opFlags) {
  addInstruction(std::make_unique<Operation>(intern(opName), kind, opCode,
                                             typeIndex, opFlags));
}

void Architecture::addTypeOperations(const std::string &stem, int kind,
                                     uint32_t opCode, uint16_t typeMask,
                                     uint32_t opFlags) {
  for (uint32_t i = 0; i < 16; ++i)
    if (typeMask & (1u << i))
      addOperation(stem + typeSuffixes[i], kind, opCode, i, opFlags);
}

void Architecture::addCondOperations(const std::string &stem, int kind,
                                     uint32_t opCode, uint16_t condMask,
                                     uint32_t opFlags) {
  for (uint32_t i = 0; i < 16; ++i) {
    if (!(condMask & (1u << i)))
      continue;
    addOperation(stem + condSuffixes[i], kind, opCode, i, opFlags);
    if (condSynonyms[i])
      addOperation(stem + condSynonyms[i], kind, opCode, i, opFlags);
  }
}

void Architecture::addPseudOperation(const std::string &poName, int poCode) {
  addInstruction(std::make_unique<PseudoOperation>(intern(poName), poCode));
}

void Architecture::addInitMemoryPseudOperation(const std::string &poName,
                                               uint32_t unitSize,
                                               uint32_t dataKind) {
  addInstruction(std::make_unique<InitMemoryPseudoOperation>(
      intern(poName), unitSize, dataKind));
}

const TerminatingPseudoOperation *
Architecture::addTerminatingPseudOperation(const std::string &poName,
                                           int poCode) {
  auto closer =
      std::make_unique<TerminatingPseudoOperation>(intern(poName), poCode);
  const TerminatingPseudoOperation *result = closer.get();
  addInstruction(std::move(closer));
  return result;
}

void Architecture::addTerminatedPseudOperation(
    const std::string &poName, const TerminatingPseudoOperation *terminating,
    int poCode) {
  addInstruction(std::make_unique<TerminatedPseudoOperation>(
      intern(poName), terminating, poCode));
}

void Architecture::addRegister(uint32_t number, const char *regName,
                               uint32_t access, uint32_t type) {
  if (number >= registers.size())
    return;
  if (const Register *old = registers[number].get()) {
    // Names of the replaced register must not outlive it.
    for (auto it = registerNames.begin(); it != registerNames.end();)
      it = it->second == old ? registerNames.erase(it) : std::next(it);
  }
  registers[number] = std::make_unique<Register>(number, access, type);
  if (regName)
    registerNames[intern(regName)] = registers[number].get();
}

void Architecture::clearInstructionTable() {
  instructionTable.clear();
  instructions.clear();
}

void Architecture::clearSpecialSectionTable() { specialSections.clear(); }

void Architecture::initOperationTable() {
  addOperation("?_ERROR_?", IK_ERROR, 0xFFFFFFFF, 0, OF_RESULT);
  addOperation("complete", IK_COMPLETE, 0, 0, 0);
}

void Architecture::initRegisterTable() {
  registerNames.clear();
  registers.clear();
  registers.resize(registerCount);
  for (uint32_t i = 0; i < 8; ++i)
    addRegister(i, nullptr, Register::READ_WRITE, Register::GENERAL);
}

void Architecture::initPseudoOperationTable() {
  for (const char *n : {".data", ".text", ".bss", ".section"})
    addPseudOperation(n, PO_SECTION);
  addPseudOperation(".subsection", PO_SUBSECTION);
  addPseudOperation(".align", PO_ALIGN);
  addPseudOperation(".p2align", PO_P2ALIGN);
  addPseudOperation(".file", PO_FILE);
  addPseudOperation(".loc", PO_LOC);
  addPseudOperation(".comm", PO_COMM);
  addPseudOperation(".lcomm", PO_LCOMM);
  addPseudOperation(".equ", PO_SET);
  addPseudOperation(".set", PO_SET);
  addPseudOperation(".equiv", PO_EQUIV);
  addPseudOperation(".eqv", PO_EQV);
  addPseudOperation(".skip", PO_SKIP);
  addPseudOperation(".space", PO_SKIP);
  addPseudOperation(".fill", PO_FILL);
  addPseudOperation(".global", PO_GLOBAL);
  addPseudOperation(".globl", PO_GLOBAL);
  addPseudOperation(".local", PO_LOCAL);
  addPseudOperation(".weak", PO_WEAK);
  addPseudOperation(".type", PO_TYPE);
  addPseudOperation(".size", PO_SIZE);
  addPseudOperation(".include", PO_INCLUDE);
  addPseudOperation(".end", PO_END);
  addPseudOperation(".err", PO_ERR);
  addPseudOperation(".error", PO_ERROR);
  addPseudOperation(".warning", PO_WARNING);
  addPseudOperation(".fail", PO_FAIL);
  addPseudOperation(".print", PO_PRINT);
  addPseudOperation(".sleb128", PO_SLEB128);
  addPseudOperation(".uleb128", PO_ULEB128);
  addPseudOperation(".syntax", PO_SYNTAX);
  addPseudOperation(".else", PO_ELSE);
  addPseudOperation(".elseif", PO_ELSEIF);

  addInitMemoryPseudOperation(".byte", 1, DK_INTEGER);
  addInitMemoryPseudOperation(".short", 2, DK_INTEGER);
  addInitMemoryPseudOperation(".long", 4, DK_INTEGER);
  addInitMemoryPseudOperation(".quad", 8, DK_INTEGER);
  addInitMemoryPseudOperation(".float", 4, DK_FLOAT);
  addInitMemoryPseudOperation(".single", 4, DK_FLOAT);
  addInitMemoryPseudOperation(".double", 8, DK_DOUBLE);
  addInitMemoryPseudOperation(".ascii", 1, DK_STRING);
  addInitMemoryPseudOperation(".asciz", 1, DK_STRINGZ);
  addInitMemoryPseudOperation(".string", 1, DK_STRINGZ);
  addInitMemoryPseudOperation(".string8", 1, DK_STRINGZ);
  addInitMemoryPseudOperation(".string16", 2, DK_STRINGZ);
  addInitMemoryPseudOperation(".string32", 4, DK_STRINGZ);
  addInitMemoryPseudOperation(".string64", 8, DK_STRINGZ);

  const TerminatingPseudoOperation *endr =
      addTerminatingPseudOperation(".endr", PO_ENDR);
  const TerminatingPseudoOperation *endif =
      addTerminatingPseudOperation(".endif", PO_ENDIF);
  addTerminatedPseudOperation(".rept", endr, PO_REPT);
  addTerminatedPseudOperation(".if", endif, PO_IF);
  addTerminatedPseudOperation(".ifne", endif, PO_IF);
  addTerminatedPseudOperation(".ifdef", endif, PO_IFDEF);
  addTerminatedPseudOperation(".ifndef", endif, PO_IFNDEF);
  addTerminatedPseudOperation(".ifnotdef", endif, PO_IFNDEF);
  addTerminatedPseudOperation(".ifb", endif, PO_IFB);
  addTerminatedPseudOperation(".ifnb", endif, PO_IFNB);
  addTerminatedPseudOperation(".ifeq", endif, PO_IFEQ);
  addTerminatedPseudOperation(".ifeqs", endif, PO_IFEQS);
  addTerminatedPseudOperation(".ifnes", endif, PO_IFNES);
  addTerminatedPseudOperation(".ifge", endif, PO_IFGE);
  addTerminatedPseudOperation(".ifgt", endif, PO_IFGT);
  addTerminatedPseudOperation(".ifle", endif, PO_IFLE);
  addTerminatedPseudOperation(".iflt", endif, PO_IFLT);
}

void Architecture::initSymbolTypeTable() {
  symbolTypes[intern("STT_NOTYPE")] = STT_NOTYPE;
  symbolTypes[intern("STT_OBJECT")] = STT_OBJECT;
  symbolTypes[intern("STT_FUNC")] = STT_FUNC;
  symbolTypes[intern("STT_COMMON")] = STT_COMMON;
}

void Architecture::initSectionTypeTable() {
  sectionTypes[intern("progbits")] = SHT_PROGBITS;
  sectionTypes[intern("nobits")] = SHT_NOBITS;
  sectionTypes[intern("note")] = SHT_NOTE;
}

void Architecture::initSpecialSectionTable() {
  struct Entry {
    const char *name;
    uint32_t type;
    uint32_t flags;
  };
  static const Entry entries[] = {
      {".text", SHT_PROGBITS, SHF_ALLOC | SHF_EXECINSTR},
      {".data", SHT_PROGBITS, SHF_WRITE | SHF_ALLOC},
      {".bss", SHT_NOBITS, SHF_WRITE | SHF_ALLOC},
      {".comment", SHT_PROGBITS, 0},
      {".note", SHT_NOTE, 0},
      {".shstrtab", SHT_STRTAB, 0},
      {".strtab", SHT_STRTAB, 0},
      {".symtab", SHT_SYMTAB, 0},
      {".debug_str", SHT_PROGBITS, SHF_MERGE | SHF_STRINGS},
      {".debug_info", SHT_PROGBITS, 0},
      {".debug_line", SHT_PROGBITS, 0},
      {".debug_abbrev", SHT_PROGBITS, 0},
      {".debug_frame", SHT_PROGBITS, 0},
      {".debug_aranges", SHT_PROGBITS, 0},
      {".debug_pubnames", SHT_PROGBITS, 0},
      {".debug_funcnames", SHT_PROGBITS, 0},
      {".debug_typenames", SHT_PROGBITS, 0},
      {".debug_varnames", SHT_PROGBITS, 0},
      {".debug_weaknames", SHT_PROGBITS, 0},
      {".debug_macinfo", SHT_PROGBITS, 0},
      {".debug_loc", SHT_PROGBITS, 0},
      {".debug_ranges", SHT_PROGBITS, 0},
      {".debug_types", SHT_PROGBITS, 0},
  };
  for (const Entry &e : entries)
    specialSections[intern(e.name)] =
        std::make_unique<SpecailSectionAttributes>(
            SpecailSectionAttributes{e.type, e.flags});
}

const Instruction *Architecture::getInstruction(const Word *word) const {
  auto it = instructionTable.find(word);
  return it == instructionTable.end() ? nullptr : it->second;
}

std::vector<std::string> Architecture::getMnemonics() const {
  std::vector<std::string> names;
  for (const auto &i : instructions)
    if (i->isOperation() && getInstruction(i->getWord()) == i.get())
      names.push_back(i->getName());
  return names;
}

std::vector<std::string> Architecture::getPseudoOperationNames() const {
  std::vector<std::string> names;
  for (const auto &i : instructions)
    if (i->isPseudoOperation() && getInstruction(i->getWord()) == i.get())
      names.push_back(i->getName());
  return names;
}

const Register *Architecture::getRegister(int number) const {
  if (number < 0 || static_cast<size_t>(number) >= registers.size())
    return nullptr;
  return registers[number].get();
}

const Register *Architecture::getRegister(const Word *word) const {
  auto it = registerNames.find(word);
  return it == registerNames.end() ? nullptr : it->second;
}

bool Architecture::isSectionTypeFound(const Word *word) const {
  return sectionTypes.count(word) != 0;
}

uint8_t Architecture::getSectionTypeCode(const Word *word) const {
  auto it = sectionTypes.find(word);
  return it == sectionTypes.end() ? 0 : it->second;
}

bool Architecture::isSymbolTypeFound(const Word *word) const {
  return symbolTypes.count(word) != 0;
}

uint8_t Architecture::getSymbolTypeCode(const Word *word) const {
  auto it = symbolTypes.find(word);
  return it == symbolTypes.end() ? 0 : it->second;
}

const SpecailSectionAttributes *
Architecture::getSpecialSectionAttributes(const Word *word) const {
  auto it = specialSections.find(word);
  return it == specialSections.end() ? nullptr : it->second.get();
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
