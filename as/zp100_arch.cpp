// zp100_arch.cpp - the ZP100 model: its operations and registers, and its
// operation word with the result lifetime and two format bits.
#include "zp100_arch.h"

namespace {

using Row = TableRow;
constexpr auto Op = EntryClass::Operation;

// The operations in table order; the placeholder of an unknown mnemonic and
// the paragraph end come first, as on every model.
constexpr Row operationRows[] = {
    {Row::One, Op, "?_ERROR_?", IK_ERROR, 0xFFFFFFFF, 0, OF_RESULT},
    {Row::One, Op, "complete", IK_COMPLETE, 0, 0, 0},
    {Row::Types, Op, "rd", IK_ARG1, 33, 0x050D, 0x07},
    {Row::Types, Op, "wr", IK_ARG2, 34, 0x050D, 0x06},
    {Row::One, Op, "exa", IK_EXA, 2, 2, 0x23},
    {Row::One, Op, "exal", IK_EXA, 2, 2, 0x23},
    {Row::Types, Op, "get", IK_ARG1, 3, 0x050D, 0x61},
    {Row::Types, Op, "set", IK_SET, 4, 0x050D, 0x40},
    {Row::Types, Op, "add", IK_ARG2, 5, 0xD505, 0x01},
    {Row::Types, Op, "sub", IK_ARG2, 6, 0xD505, 0x01},
    {Row::Types, Op, "mul", IK_ARG2, 7, 0xD505, 0x01},
    {Row::Types, Op, "adc", IK_ARG2, 8, 0x0005, 0x01},
    {Row::Types, Op, "sbb", IK_ARG2, 9, 0x0005, 0x01},
    {Row::Types, Op, "insub", IK_ARG2, 10, 0xD505, 0x01},
    {Row::One, Op, "divf", IK_ARG2, 11, 12, 0x01},
    {Row::One, Op, "sqrtf", IK_ARG1, 12, 12, 0x01},
    {Row::Types, Op, "max", IK_ARG2, 13, 0x1505, 0x01},
    {Row::Types, Op, "min", IK_ARG2, 14, 0x1505, 0x01},
    {Row::Types, Op, "abs", IK_ARG1, 15, 0x1500, 0x01},
    {Row::One, Op, "or", IK_ARG2, 16, 3, 0x01},
    {Row::One, Op, "orq", IK_ARG2, 16, 3, 0x01},
    {Row::One, Op, "and", IK_ARG2, 17, 3, 0x01},
    {Row::One, Op, "andq", IK_ARG2, 17, 3, 0x01},
    {Row::One, Op, "xor", IK_ARG2, 18, 3, 0x01},
    {Row::One, Op, "xorq", IK_ARG2, 18, 3, 0x01},
    {Row::One, Op, "not", IK_ARG1, 19, 3, 0x01},
    {Row::One, Op, "notq", IK_ARG1, 19, 3, 0x01},
    {Row::Types, Op, "norm", IK_ARG1, 20, 0x0D00, 0x01},
    {Row::One, Op, "pack", IK_ARG2, 21, 3, 0x01},
    {Row::One, Op, "patch", IK_ARG2, 22, 3, 0x01},
    {Row::Types, Op, "sll", IK_ARG2, 24, 0x050D, 0x01},
    {Row::Types, Op, "slr", IK_ARG2, 25, 0x000D, 0x01},
    // Left shifts are the same operation whether logical or arithmetic.
    {Row::Types, Op, "sal", IK_ARG2, 24, 0x050D, 0x01},
    {Row::Types, Op, "sar", IK_ARG2, 27, 0x0D00, 0x01},
    {Row::Types, Op, "rol", IK_ARG2, 28, 0x000D, 0x01},
    {Row::Types, Op, "ror", IK_ARG2, 29, 0x000D, 0x01},
    {Row::One, Op, "jmp", IK_ARG1, 30, 0, 0x1A},
    {Row::Conds, Op, "j", IK_ARG2, 30, 0xFFF6, 0x1A},
    {Row::One, Op, "clf", IK_ARG1, 56, 12, 0x03},
    {Row::One, Op, "cslf", IK_ARG1, 58, 12, 0x03},
    {Row::One, Op, "cfsl", IK_ARG1, 59, 12, 0x01},
    {Row::One, Op, "madd", IK_ARG2, 49, 14, 0x01},
};

constexpr auto operationTable =
    tablebuild::build<tablebuild::countEntries(operationRows), 512>(
        operationRows);

constexpr RegisterRow registerList[] = {
    {0, nullptr, Register::READ_WRITE, Register::GENERAL},
    {1, nullptr, Register::READ_WRITE, Register::GENERAL},
    {2, nullptr, Register::READ_WRITE, Register::GENERAL},
    {3, nullptr, Register::READ_WRITE, Register::GENERAL},
    {4, nullptr, Register::READ_WRITE, Register::GENERAL},
    {5, nullptr, Register::READ_WRITE, Register::GENERAL},
    {6, nullptr, Register::READ_WRITE, Register::GENERAL},
    {7, nullptr, Register::READ_WRITE, Register::GENERAL},
    {32, nullptr, Register::READ_WRITE, Register::INDEX},
    {33, nullptr, Register::READ_WRITE, Register::INDEX},
    {34, nullptr, Register::READ_WRITE, Register::INDEX},
    {35, nullptr, Register::READ_WRITE, Register::INDEX},
    {36, nullptr, Register::READ_WRITE, Register::INDEX},
    {37, nullptr, Register::READ_WRITE, Register::INDEX},
    {38, nullptr, Register::READ_WRITE, Register::INDEX},
    {39, nullptr, Register::READ_WRITE, Register::INDEX},
    {48, "PSW", Register::READ_WRITE, Register::SYSTEM},
    {49, "INTR", Register::READ_WRITE, Register::SYSTEM},
    {50, "MSKR", Register::READ_WRITE, Register::SYSTEM},
    {51, "ER", Register::READ, Register::SYSTEM},
    {52, "IRETADDR", Register::READ, Register::SYSTEM},
    {53, "STVALR", Register::READ_WRITE, Register::SYSTEM},
    {54, "STCR", Register::READ_WRITE, Register::SYSTEM},
    {55, "IHOOKADDR", Register::READ_WRITE, Register::SYSTEM},
    {56, "INTNUMR", Register::READ, Register::SYSTEM},
    {57, "MODR", Register::READ_WRITE, Register::SYSTEM},
};

constexpr RegisterFile registerTable = makeRegisterFile(registerList);

} // namespace

ZP100_Arch::ZP100_Arch(Tokenizer *tokenizer, uint16_t code)
    : Architecture(tokenizer, code, operationTable.view(), registerTable,
                   registerList) {
  name = "ZP100";
  sbRefBegin = 1;
  sbRefEnd = 63;
  encoding = 2;
  flags = EF_ZORVEL_DATA_LSB;
  defaultSyntax = 1;
  setOperationWordFormat();
}

void ZP100_Arch::setOperationWordFormat() {
  setFieldDescriptor(OW_F1, 0x186);
  setFieldDescriptor(OW_F2, 0x180);
  setFieldDescriptor(OW_LIFETIME, 0x18C);
  setFieldDescriptor(OW_TYPE, 0x114);
  setFieldDescriptor(OW_FORMAT, 0x98);
  setFieldDescriptor(OW_OPCODE, 0x19A);
  setFieldDescriptor(OW_PARAGRAPH_END, 0x53);
}

uint32_t ZP100_Arch::getOperationWord(const OperationData &data) const {
  const Operation *op = data.getOperation();
  uint32_t f2IsRegister = data.getFView(2) == OperationData::REGISTER;
  uint32_t format = (uint32_t(data.isVPresent()) << 1) | f2IsRegister;
  return packField(OW_OPCODE, op ? op->getCode() : 0) |
         packField(OW_FORMAT, format) |
         packField(OW_TYPE, op ? op->getTypeIndex() : 0) |
         packField(OW_PARAGRAPH_END, data.isParagraphEnd()) |
         packField(OW_LIFETIME, data.getResultLifetime()) |
         packField(OW_F1, data.getFValue(1)) |
         packField(OW_F2, data.getFValue(2));
}

bool ZP100_Arch::isSupportedOWFormat(const OperationData &data) const {
  const Operation *op = data.getOperation();
  if (!op)
    return false;
  uint32_t f2 = data.getFValue(2);
  bool hasV = data.isVPresent();
  bool indirect = data.isIndirect();

  if (data.getFView(2) == OperationData::SBREF) {
    if (indirect)
      return false;
    // An immediate goes with the null reference only.
    return hasV ? f2 == 0 : f2 != 0;
  }

  const Register *r = getRegister(static_cast<int>(f2));
  if (data.getFView(2) != OperationData::REGISTER || !r)
    return false;
  uint32_t opCode = op->getCode();
  if ((opCode == 33 || opCode == 34) && !hasV && !indirect)
    return true;
  if (indirect || op->isMemoryAccess() || opCode == 2 || hasV)
    return r->isIndex();
  if (op->getFlags() & OF_INDEX_F2)
    return true;
  return !r->isIndex();
}
