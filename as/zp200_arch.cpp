// zp200_arch.cpp - the ZP200 model: its operations and registers, and its
// operation word with three format bits and no result lifetime.
#include "zp200_arch.h"

namespace {

using Row = TableRow;
constexpr auto Op = EntryClass::Operation;

// The operations in table order; the placeholder of an unknown mnemonic and
// the paragraph end come first, as on every model.
constexpr Row operationRows[] = {
    {Row::One, Op, "?_ERROR_?", IK_ERROR, 0xFFFFFFFF, 0, OF_RESULT},
    {Row::One, Op, "complete", IK_COMPLETE, 0, 0, 0},
    {Row::Types, Op, "rd", IK_ARG1, 33, 0xFFFF, 0x07},
    {Row::Types, Op, "wr", IK_ARG2, 34, 0xFFFF, 0x06},
    {Row::Types, Op, "rdd", IK_ARG1, 43, 0xFFFF, 0x07},
    {Row::Types, Op, "wrd", IK_ARG2, 44, 0xFFFF, 0x06},
    {Row::One, Op, "exa", IK_EXA, 2, 2, 0x23},
    {Row::One, Op, "exal", IK_EXA, 2, 2, 0x23},
    {Row::One, Op, "move", IK_MOVE, 39, 3, 0x21},
    {Row::One, Op, "moveq", IK_MOVE, 39, 3, 0x21},
    {Row::Types, Op, "get", IK_ARG1, 3, 0xFFFF, 0x61},
    {Row::Types, Op, "set", IK_SET, 4, 0xFFFF, 0x40},
    {Row::Types, Op, "add", IK_ARG2, 5, 0xF4F4, 0x01},
    {Row::Types, Op, "sub", IK_ARG2, 6, 0xF4F4, 0x01},
    {Row::Types, Op, "mul", IK_ARG2, 7, 0xF4F4, 0x01},
    {Row::Types, Op, "adc", IK_ARG2, 8, 0x0404, 0x01},
    {Row::Types, Op, "sbb", IK_ARG2, 9, 0x0404, 0x01},
    {Row::Types, Op, "insub", IK_ARG2, 10, 0xF4F4, 0x01},
    {Row::Types, Op, "div", IK_ARG2, 11, 0x3000, 0x01},
    {Row::Types, Op, "sqrt", IK_ARG1, 12, 0x3000, 0x01},
    {Row::Types, Op, "max", IK_ARG2, 13, 0x34F4, 0x01},
    {Row::Types, Op, "min", IK_ARG2, 14, 0x34F4, 0x01},
    {Row::Types, Op, "abs", IK_ARG1, 15, 0x34A0, 0x01},
    {Row::Types, Op, "lt", IK_ARG2, 45, 0x3404, 0x01},
    {Row::Types, Op, "ge", IK_ARG2, 46, 0x3404, 0x01},
    // The bare logical names work on quads, as their q forms do.
    {Row::One, Op, "or", IK_ARG2, 16, 3, 0x01},
    {Row::Types, Op, "or", IK_ARG2, 16, 0x000C, 0x01},
    {Row::One, Op, "and", IK_ARG2, 17, 3, 0x01},
    {Row::Types, Op, "and", IK_ARG2, 17, 0x000C, 0x01},
    {Row::One, Op, "xor", IK_ARG2, 18, 3, 0x01},
    {Row::Types, Op, "xor", IK_ARG2, 18, 0x000C, 0x01},
    {Row::One, Op, "not", IK_ARG1, 19, 3, 0x01},
    {Row::Types, Op, "not", IK_ARG1, 19, 0x000C, 0x01},
    {Row::Types, Op, "norm", IK_ARG1, 20, 0x0404, 0x01},
    {Row::One, Op, "pack", IK_ARG2, 21, 3, 0x01},
    {Row::One, Op, "patch", IK_ARG2, 22, 3, 0x01},
    {Row::Types, Op, "bsf", IK_ARG1, 26, 0x000C, 0x01},
    {Row::Types, Op, "bsr", IK_ARG1, 23, 0x000C, 0x01},
    {Row::Types, Op, "sll", IK_ARG2, 24, 0x04FC, 0x01},
    {Row::Types, Op, "slr", IK_ARG2, 25, 0x04FC, 0x01},
    // Left shifts are the same operation whether logical or arithmetic.
    {Row::Types, Op, "sal", IK_ARG2, 24, 0x04FC, 0x01},
    {Row::Types, Op, "sar", IK_ARG2, 27, 0x04FC, 0x01},
    {Row::Types, Op, "rol", IK_ARG2, 28, 0x04FC, 0x01},
    {Row::Types, Op, "ror", IK_ARG2, 29, 0x04FC, 0x01},
    {Row::Types, Op, "bswap", IK_ARG1, 41, 0x005C, 0x01},
    {Row::Types, Op, "bc", IK_ARG1, 32, 0x000C, 0x01},
    {Row::One, Op, "jmp", IK_ARG1, 30, 0, 0x1A},
    {Row::Conds, Op, "j", IK_ARG2, 30, 0xFFF6, 0x1A},
    {Row::One, Op, "irm", IK_ARG1, 42, 0, 0x12},
    {Row::Conds, Op, "irm", IK_ARG2, 42, 0xFFF6, 0x12},
    {Row::Conds, Op, "s", IK_ARG2, 31, 0xFFF6, 0x13},
    {Row::Conds, Op, "fors", IK_ARG2, 40, 0xFFF6, 0x13},
    {Row::Types, Op, "ib", IK_ARG1, 36, 0x0101, 0x01},
    {Row::Types, Op, "cbst", IK_ARG1, 38, 0x0101, 0x01},
    {Row::Types, Op, "cb", IK_ARG1, 37, 0x0101, 0x01},
    {Row::One, Op, "fcpy", IK_ARG2, 35, 3, 0x01},
    {Row::One, Op, "fcpyq", IK_ARG2, 35, 3, 0x01},
    {Row::One, Op, "clf", IK_ARG1, 56, 12, 0x03},
    {Row::One, Op, "cslf", IK_ARG1, 58, 12, 0x03},
    {Row::One, Op, "cfsl", IK_ARG1, 59, 10, 0x01},
    {Row::One, Op, "cfd", IK_ARG1, 57, 12, 0x01},
    {Row::One, Op, "cdf", IK_ARG1, 55, 13, 0x01},
    {Row::One, Op, "madd", IK_ARG2, 49, 14, 0x01},
};

constexpr auto operationTable =
    tablebuild::build<tablebuild::countEntries(operationRows), 1024>(
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
    {8, nullptr, Register::READ_WRITE, Register::INDEX},
    {9, nullptr, Register::READ_WRITE, Register::INDEX},
    {10, nullptr, Register::READ_WRITE, Register::INDEX},
    {11, nullptr, Register::READ_WRITE, Register::INDEX},
    {12, nullptr, Register::READ_WRITE, Register::INDEX},
    {13, nullptr, Register::READ_WRITE, Register::INDEX},
    {14, nullptr, Register::READ_WRITE, Register::INDEX},
    {15, nullptr, Register::READ_WRITE, Register::INDEX},
    {16, "PLLCR", Register::READ_WRITE, Register::PERIPHERAL},
    {17, "PLLSTR", Register::READ_WRITE, Register::PERIPHERAL},
    {18, "PLLTMCR", Register::READ_WRITE, Register::PERIPHERAL},
    {19, "MCTRL_CH0_CPR", Register::READ_WRITE, Register::PERIPHERAL},
    {20, "MCTRL_CH1_CPR", Register::READ_WRITE, Register::PERIPHERAL},
    {21, "MCTRL_CH2_CPR", Register::READ_WRITE, Register::PERIPHERAL},
    {22, "MCTRL_CH3_CPR", Register::READ_WRITE, Register::PERIPHERAL},
    {23, "ST0PRDR", Register::READ_WRITE, Register::PERIPHERAL},
    {24, "ST1PRDR", Register::READ_WRITE, Register::PERIPHERAL},
    {25, "ST2PRDR", Register::READ_WRITE, Register::PERIPHERAL},
    {26, "ST3PRDR", Register::READ_WRITE, Register::PERIPHERAL},
    {27, "ST0CR", Register::READ_WRITE, Register::PERIPHERAL},
    {28, "ST1CR", Register::READ_WRITE, Register::PERIPHERAL},
    {29, "ST2CR", Register::READ_WRITE, Register::PERIPHERAL},
    {30, "ST3CR", Register::READ_WRITE, Register::PERIPHERAL},
    {32, "ST0VAL", Register::READ_WRITE, Register::PERIPHERAL},
    {33, "ST1VAL", Register::READ_WRITE, Register::PERIPHERAL},
    {34, "ST2VAL", Register::READ_WRITE, Register::PERIPHERAL},
    {35, "ST3VAL", Register::READ_WRITE, Register::PERIPHERAL},
    {40, "DTC_CTRL", Register::READ_WRITE, Register::PERIPHERAL},
    {41, "DTC_ST", Register::READ_WRITE, Register::PERIPHERAL},
    {42, "DTC_IMASK0", Register::READ_WRITE, Register::PERIPHERAL},
    {43, "DTC_IMASK1", Register::READ_WRITE, Register::PERIPHERAL},
    {44, "DTC_DATA", Register::READ_WRITE, Register::PERIPHERAL},
    {45, "DTC_S_ADDR", Register::READ_WRITE, Register::PERIPHERAL},
    {46, "DTC_D_ADDR", Register::READ_WRITE, Register::PERIPHERAL},
    {47, "ROM_CTRL", Register::READ_WRITE, Register::PERIPHERAL},
    {48, "PSW", Register::READ_WRITE, Register::SYSTEM},
    {49, "INTR", Register::READ_WRITE, Register::SYSTEM},
    {50, "MSKR", Register::READ_WRITE, Register::SYSTEM},
    {51, "ER", Register::READ, Register::SYSTEM},
    {52, "IRETADDR", Register::READ, Register::SYSTEM},
    {53, "FORCE", Register::WRITE, Register::SYSTEM},
    {55, "IHOOKADDR", Register::READ_WRITE, Register::SYSTEM},
    {56, "INTNUMR", Register::READ, Register::SYSTEM},
    {58, "LASTADDR", Register::READ, Register::SYSTEM},
    {59, "CURRENTADDR", Register::READ, Register::SYSTEM},
    {60, "NEWADDR", Register::WRITE, Register::SYSTEM},
    {61, "LASTPSW", Register::READ, Register::SYSTEM},
    {62, "DFADDR", Register::WRITE, Register::SYSTEM},
    {63, "ICR", Register::READ_WRITE, Register::SYSTEM},
};

constexpr RegisterFile registerTable = makeRegisterFile(registerList);

} // namespace

ZP200_Arch::ZP200_Arch(Tokenizer *tokenizer, uint16_t code)
    : Architecture(tokenizer, code, operationTable.view(), registerTable,
                   registerList) {
  name = "ZP200";
  sbRefBegin = 1;
  sbRefEnd = 63;
  atNullIsNull = true;
  encoding = 1;
  flags = 0;
  defaultSyntax = 2;
  setOperationWordFormat();
}

void ZP200_Arch::setOperationWordFormat() {
  setFieldDescriptor(OW_F1, 0x186);
  setFieldDescriptor(OW_F2, 0x180);
  setFieldDescriptor(OW_LIFETIME, 0);
  setFieldDescriptor(OW_TYPE, 0x112);
  setFieldDescriptor(OW_FORMAT, 0xD7);
  setFieldDescriptor(OW_OPCODE, 0x19A);
  setFieldDescriptor(OW_PARAGRAPH_END, 0x56);
}

uint32_t ZP200_Arch::getOperationWord(const OperationData &data) const {
  const Operation *op = data.getOperation();
  uint32_t f2IsRegister = data.getFView(2) == OperationData::REGISTER;
  uint32_t format = (uint32_t(data.isVPresent()) << 2) | (f2IsRegister << 1) |
                    uint32_t(data.isIndirect());
  // The lifetime descriptor is empty: packField yields nothing for it.
  return packField(OW_OPCODE, op ? op->getCode() : 0) |
         packField(OW_FORMAT, format) |
         packField(OW_TYPE, op ? op->getTypeIndex() : 0) |
         packField(OW_PARAGRAPH_END, data.isParagraphEnd()) |
         packField(OW_LIFETIME, data.getResultLifetime()) |
         packField(OW_F1, data.getFValue(1)) |
         packField(OW_F2, data.getFValue(2));
}

bool ZP200_Arch::isSupportedOWFormat(const OperationData &) const {
  return true;
}
