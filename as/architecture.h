// architecture.h - the target processor as the assembler sees it: operation,
// directive, register, section and symbol tables, and operation word layout.
#ifndef ZV_AS_ARCHITECTURE_H
#define ZV_AS_ARCHITECTURE_H

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "elf32.h"
#include "instruction.h"
#include "instructiontable.h"
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

  constexpr Register() : number(0), access(0), type(0) {}
  constexpr Register(uint32_t number, uint32_t access, uint32_t type)
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

// One register of a model as written: number, name (null: reachable by
// number only), access and type. A later row of a number replaces the
// earlier one, names and all.
struct RegisterRow {
  uint32_t number;
  const char *name;
  uint32_t access;
  uint32_t type;
};

// The registers of a model by number, built from its rows by the compiler.
struct RegisterFile {
  static constexpr uint32_t Count = 64;
  Register registers[Count];
  uint64_t present = 0;
};

template <size_t N>
constexpr RegisterFile makeRegisterFile(const RegisterRow (&rows)[N]) {
  RegisterFile file;
  for (const RegisterRow &row : rows) {
    file.registers[row.number] = Register(row.number, row.access, row.type);
    file.present |= uint64_t(1) << row.number;
  }
  return file;
}

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
  // How an operation's name was made: alone, or from a stem with a type
  // or a condition suffix (TableRow::Form); One for an unknown name.
  TableRow::Form getMnemonicForm(const std::string &name) const;

  // Register names in table order, each that names a register.
  std::vector<std::string> getRegisterNames() const;
  // Null for a number outside the table or an empty slot.
  const Register *getRegister(int number) const;
  const Register *getRegister(const Word *word) const;
  // The name a register is written with; empty when it has none.
  std::string getRegisterName(uint32_t number) const;
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
  // A model: its operations, its registers as a file and as the rows
  // their names come from. Nothing is built here; a name is looked up when
  // a source first uses it.
  template <size_t N>
  Architecture(Tokenizer *tokenizer, uint16_t code, TableView operations,
               const RegisterFile &registerFile,
               const RegisterRow (&registerRows)[N])
      : Architecture(tokenizer, code, operations, registerFile, registerRows,
                     N) {}

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
  Architecture(Tokenizer *tokenizer, uint16_t code, TableView operations,
               const RegisterFile &registerFile,
               const RegisterRow *registerRows, size_t registerRowCount);

  // What the word names on this model, kept on the word (see
  // Word::meaningEntry); words the tokenizer does not hold name nothing.
  const Word::MeaningEntry &meaningOf(const Word *word) const;
  const Register *findRegister(const std::string &text) const;
  // The descriptor of an entry, made on first use; every later use gets
  // the same one.
  const Instruction *instructionAt(bool directive, size_t index,
                                   const Word *word) const;
  // The name is the interned word's, so that one Word object stands for
  // the name in both the source and the tables.
  bool isWordOfTokenizer(const Word *word) const;

  const uint32_t tag;
  TableView operations;
  const RegisterFile &registerFile;
  const RegisterRow *registerRows;
  size_t registerRowCount;
  mutable std::vector<std::unique_ptr<Instruction>> madeOperations;
  mutable std::vector<std::unique_ptr<Instruction>> madeDirectives;
};

#endif
