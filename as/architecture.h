// architecture.h - the target processor as the assembler sees it: operation,
// directive, register, section and symbol tables, and operation word layout.
#ifndef ZV_AS_ARCHITECTURE_H
#define ZV_AS_ARCHITECTURE_H

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "elf32.h"
#include "instruction.h"
#include "operationdata.h"

class Tokenizer;
class Word;

// ELF type and flags a section of a predefined name gets.
struct SpecailSectionAttributes {
  uint32_t type;
  uint32_t flags;
};

class Register {
public:
  enum Access : uint32_t { READ = 1, WRITE = 2, READ_WRITE = 3 };
  enum Type : uint32_t { GENERAL = 1, INDEX = 2, SYSTEM = 3, PERIPHERAL = 4 };

  Register(uint32_t number, uint32_t access, uint32_t type)
      : number(number), access(access), type(type) {}

  uint32_t getNumber() const { return number; }
  uint32_t getAccess() const { return access; }
  uint32_t getType() const { return type; }
  bool isReadable() const { return (access & READ) != 0; }
  bool isWritable() const { return (access & WRITE) != 0; }
  bool isIndex() const { return type == INDEX; }

private:
  uint32_t number;
  uint32_t access;
  uint32_t type;
};

// Operation word fields, in the order of the field descriptors.
enum OWField : int {
  OW_F1 = 0,
  OW_F2,
  OW_LIFETIME,
  OW_TYPE,
  OW_FORMAT,
  OW_OPCODE,
  OW_PARAGRAPH_END,
  OW_FIELD_COUNT
};

class Architecture {
public:
  Architecture(const Architecture &) = delete;
  Architecture &operator=(const Architecture &) = delete;
  virtual ~Architecture();

  // Byte order of .data (ELF data encoding).
  virtual uint8_t getDataEncoding() const { return encoding; }
  virtual uint32_t getOperationWord(const OperationData &data) const = 0;
  // Whether the operand combination has an encoding on this model.
  virtual bool isSupportedOWFormat(const OperationData &data) const = 0;
  virtual void setOperationWordFormat() = 0;

  std::string getName() const { return name; }
  uint16_t getCode() const { return code; }
  // Byte order of the object file and of operation words.
  uint8_t getEncoding() const { return encoding; }
  uint32_t getFlags() const { return flags; }
  uint16_t getDefaultSyntax() const { return defaultSyntax; }

  // Null when the word names no operation or directive.
  const Instruction *getInstruction(const Word *word) const;
  // Operation names in table order (for listings and tests).
  std::vector<std::string> getMnemonics() const;
  // Directive names in table order.
  std::vector<std::string> getPseudoOperationNames() const;

  // Null for a number outside the table or an empty slot.
  const Register *getRegister(int number) const;
  const Register *getRegister(const Word *word) const;
  uint32_t getRegisterCount() const { return registerCount; }

  bool isSectionTypeFound(const Word *word) const;
  // 0 when not found; ask isSectionTypeFound first.
  uint8_t getSectionTypeCode(const Word *word) const;
  bool isSymbolTypeFound(const Word *word) const;
  // 0 when not found; ask isSymbolTypeFound first.
  uint8_t getSymbolTypeCode(const Word *word) const;
  const SpecailSectionAttributes *
  getSpecialSectionAttributes(const Word *word) const;

  uint32_t getSbRefBegin() const { return sbRefBegin; }
  uint32_t getSbRefEnd() const { return sbRefEnd; }
  uint32_t getWindowSpaceSize() const { return sbRefEnd - sbRefBegin + 1; }
  bool isAtNullIsNull() const { return atNullIsNull; }
  bool isValidSbRef(uint32_t r) const;

  // Bits 0-5: position of the field's lowest bit; bits 6-15: its width.
  uint16_t getFieldDescriptor(OWField field) const;
  static uint32_t fieldPosition(uint16_t descriptor) {
    return descriptor & 0x3F;
  }
  static uint32_t fieldWidth(uint16_t descriptor) { return descriptor >> 6; }

protected:
  Architecture(Tokenizer *tokenizer, uint16_t code);

  virtual void initOperationTable();
  virtual void initRegisterTable();
  virtual void initPseudoOperationTable();
  void initSymbolTypeTable();
  void initSectionTypeTable();
  void initSpecialSectionTable();

  void addOperation(const std::string &opName, int kind, uint32_t opCode,
                    uint32_t typeIndex, uint32_t opFlags);
  void addTypeOperations(const std::string &stem, int kind, uint32_t opCode,
                         uint16_t typeMask, uint32_t opFlags);
  void addCondOperations(const std::string &stem, int kind, uint32_t opCode,
                         uint16_t condMask, uint32_t opFlags);
  void addPseudOperation(const std::string &poName, int poCode);
  void addInitMemoryPseudOperation(const std::string &poName, uint32_t unitSize,
                                   uint32_t dataKind);
  const TerminatingPseudoOperation *
  addTerminatingPseudOperation(const std::string &poName, int poCode);
  void
  addTerminatedPseudOperation(const std::string &poName,
                              const TerminatingPseudoOperation *terminating,
                              int poCode);
  // A null name leaves the register reachable by number only.
  void addRegister(uint32_t number, const char *regName, uint32_t access,
                   uint32_t type);

  void clearInstructionTable();
  void clearSpecialSectionTable();

  void setFieldDescriptor(OWField field, uint16_t descriptor);
  // value cut to the field's width and moved to its position.
  uint32_t packField(OWField field, uint32_t value) const;

  Tokenizer *tokenizer;
  std::string name;
  uint16_t code;
  uint8_t encoding = 0;
  uint32_t flags = 0;
  uint16_t fieldDescriptors[OW_FIELD_COUNT] = {};
  uint32_t sbRefBegin = 0;
  uint32_t sbRefEnd = 0;
  bool atNullIsNull = false;
  uint16_t defaultSyntax = 0;
  uint32_t registerCount = 0;

private:
  const Word *intern(const std::string &text) const;
  void addInstruction(std::unique_ptr<Instruction> instruction);

  // Every descriptor ever made lives here, in table order, so a replaced
  // entry never leaves a dangling pointer (a closer bound to an opener).
  std::vector<std::unique_ptr<Instruction>> instructions;
  std::unordered_map<const Word *, const Instruction *> instructionTable;
  std::vector<std::unique_ptr<Register>> registers;
  std::unordered_map<const Word *, const Register *> registerNames;
  std::unordered_map<const Word *, uint8_t> symbolTypes;
  std::unordered_map<const Word *, uint8_t> sectionTypes;
  std::unordered_map<const Word *, std::unique_ptr<SpecailSectionAttributes>>
      specialSections;
};

#endif
