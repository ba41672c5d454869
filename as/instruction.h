// instruction.h - descriptors of the words that may start a statement:
// machine operations and directives, with the kinds the parser dispatches on.
#ifndef ZV_AS_INSTRUCTION_H
#define ZV_AS_INSTRUCTION_H

#include <cstdint>
#include <ostream>
#include <string>

class Word;

// Instruction kinds. Operations use 0 to 7 (their operand form), plain
// directives their directive code, the three derived directive classes
// 61 to 63 (a block opener or closer by its own code). Synonyms share a
// code.
enum InstructionKind : int {
  IK_ERROR = 0,    // placeholder for an unknown mnemonic inside a paragraph
  IK_COMPLETE = 1, // ends a paragraph
  IK_EXA = 2,      // register [V]
  IK_SET = 3,      // register, F2/V
  IK_MOVE = 4,     // switchboard reference
  IK_ARG0 = 5,     // no operands
  IK_ARG1 = 6,     // F2/V
  IK_ARG2 = 7,     // switchboard reference, F2/V

  PO_ALIGN = 8,
  PO_COMM = 10,
  PO_ELSE = 12,
  PO_ELSEIF = 13,
  PO_END = 14,
  PO_ENDIF = 15,
  PO_ENDR = 16,
  PO_EQUIV = 17,
  PO_EQV = 18,
  PO_ERR = 19,
  PO_ERROR = 20,
  PO_FAIL = 21,
  PO_FILE = 22,
  PO_FILL = 23,
  PO_GLOBAL = 24,
  PO_IFB = 25,
  PO_IFDEF = 27,
  PO_IFEQ = 28,
  PO_IFEQS = 29,
  PO_IFGE = 30,
  PO_IFGT = 31,
  PO_IFLE = 32,
  PO_IFLT = 33,
  PO_IFNB = 34,
  PO_IFNDEF = 36,
  PO_IF = 37,
  PO_IFNES = 38,
  PO_INCLUDE = 39,
  PO_LCOMM = 40,
  PO_LOC = 41,
  PO_LOCAL = 42,
  PO_P2ALIGN = 43,
  PO_PRINT = 44,
  PO_REPT = 45,
  PO_SECTION = 46, // .data, .text, .bss and .section
  PO_SET = 47,
  PO_SIZE = 48,
  PO_SLEB128 = 49,
  PO_SKIP = 50,
  PO_INCBIN = 51,
  PO_SUBSECTION = 53,
  PO_SYNTAX = 54,
  PO_TYPE = 56,
  PO_ULEB128 = 57,
  PO_WARNING = 58,
  PO_WEAK = 59,

  IK_INIT_MEMORY = 61,
  IK_TERMINATED = 62,
  IK_TERMINATING = 63,

  // Macros; .irp and .irpc are blocks that .endr closes.
  PO_MACRO = 80,
  PO_ENDM = 81,
  PO_EXITM = 82,
  PO_PURGEM = 83,
  PO_IRP = 84,
  PO_IRPC = 85,
};

// Operation flag bits.
enum OperationFlag : uint32_t {
  OF_RESULT = 0x01,       // produces a result a reference may point at
  OF_RAW = 0x02,          // V holds raw bits
  OF_MEMORY = 0x04,       // with OF_RAW: memory access
  OF_CONTROL = 0x08,      // with OF_RAW: control transfer
  OF_INT32 = 0x10,        // V is a 4-byte integer whatever the type
  OF_INDEX_F2 = 0x20,     // ZP100: an index register may be a plain F2
  OF_FLOAT_LITERAL = 0x40 // integer types accept a floating literal
};

// Data kinds of the data directives.
enum DataKind : uint32_t {
  DK_INTEGER = 0,
  DK_FLOAT = 1,
  DK_DOUBLE = 2,
  DK_STRING = 3,  // no terminator
  DK_STRINGZ = 4, // with terminator
};

class Instruction {
public:
  Instruction(const Word *word, int kind) : word(word), kind(kind) {}
  Instruction(const Instruction &) = delete;
  Instruction &operator=(const Instruction &) = delete;
  virtual ~Instruction() = default;

  virtual bool isOperation() const { return false; }
  virtual bool isPseudoOperation() const { return false; }
  virtual void print(std::ostream &os) const = 0;

  const std::string &getName() const;
  const Word *getWord() const { return word; }
  int getKind() const { return kind; }

private:
  const Word *word;
  int kind;
};

class Operation : public Instruction {
public:
  Operation(const Word *word, int kind, uint32_t code, uint32_t typeIndex,
            uint32_t flags)
      : Instruction(word, kind), code(code), typeIndex(typeIndex),
        flags(flags) {}

  bool isOperation() const override { return true; }
  // One line: name, kind, code, type index and flags.
  void print(std::ostream &os) const override;

  uint32_t getCode() const { return code; }
  uint32_t getTypeIndex() const { return typeIndex; }
  uint32_t getFlags() const { return flags; }

  bool producesResult() const { return (flags & OF_RESULT) != 0; }
  bool isMemoryAccess() const {
    return (flags & (OF_RAW | OF_MEMORY)) == (OF_RAW | OF_MEMORY);
  }
  bool isControlTransfer() const {
    return (flags & (OF_RAW | OF_CONTROL)) == (OF_RAW | OF_CONTROL);
  }

private:
  uint32_t code;
  uint32_t typeIndex;
  uint32_t flags;
};

class PseudoOperation : public Instruction {
public:
  PseudoOperation(const Word *word, int code) : Instruction(word, code) {}

  bool isPseudoOperation() const override { return true; }
  void print(std::ostream &os) const override;
};

// A data directive: .byte, .long, .float, .ascii, .string16 ...
class InitMemoryPseudoOperation : public PseudoOperation {
public:
  InitMemoryPseudoOperation(const Word *word, uint32_t unitSize,
                            uint32_t dataKind)
      : PseudoOperation(word, IK_INIT_MEMORY), unitSize(unitSize),
        dataKind(dataKind) {}

  uint32_t getUnitSize() const { return unitSize; }
  uint32_t getDataKind() const { return dataKind; }

private:
  uint32_t unitSize;
  uint32_t dataKind;
};

// Closes a block: .endif, .endr.
class TerminatingPseudoOperation : public PseudoOperation {
public:
  TerminatingPseudoOperation(const Word *word, int code)
      : PseudoOperation(word, IK_TERMINATING), code(code) {}

  int getCode() const { return code; }

private:
  int code;
};

// Opens a block (.rept, .if ...) that its terminating directive closes.
class TerminatedPseudoOperation : public PseudoOperation {
public:
  TerminatedPseudoOperation(const Word *word,
                            const TerminatingPseudoOperation *terminating,
                            int code)
      : PseudoOperation(word, IK_TERMINATED), terminating(terminating),
        code(code) {}

  const TerminatingPseudoOperation *getTerminating() const {
    return terminating;
  }
  int getCode() const { return code; }

private:
  const TerminatingPseudoOperation *terminating;
  int code;
};

#endif
