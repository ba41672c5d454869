// zp200_arch.cpp - the ZP200 model: its operations and registers, and its
// operation word with three format bits and no result lifetime.
#include "zp200_arch.h"

namespace {

struct NamedRegister {
  uint32_t number;
  const char *name;
  uint32_t access;
  uint32_t type;
};

} // namespace

ZP200_Arch::ZP200_Arch(Tokenizer *tokenizer, uint16_t code)
    : Architecture(tokenizer, code) {
  name = "ZP200";
  registerCount = 64;
  sbRefBegin = 1;
  sbRefEnd = 63;
  atNullIsNull = true;
  encoding = 1;
  flags = 0;
  defaultSyntax = 2;
  setOperationWordFormat();
  initOperationTable();
  initRegisterTable();
  initPseudoOperationTable();
  initSymbolTypeTable();
  initSectionTypeTable();
  initSpecialSectionTable();
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

void ZP200_Arch::initOperationTable() {
  Architecture::initOperationTable();
  addTypeOperations("rd", IK_ARG1, 33, 0xFFFF, 0x07);
  addTypeOperations("wr", IK_ARG2, 34, 0xFFFF, 0x06);
  addTypeOperations("rdd", IK_ARG1, 43, 0xFFFF, 0x07);
  addTypeOperations("wrd", IK_ARG2, 44, 0xFFFF, 0x06);
  addOperation("exa", IK_EXA, 2, 2, 0x23);
  addOperation("exal", IK_EXA, 2, 2, 0x23);
  addOperation("move", IK_MOVE, 39, 3, 0x21);
  addOperation("moveq", IK_MOVE, 39, 3, 0x21);
  addTypeOperations("get", IK_ARG1, 3, 0xFFFF, 0x61);
  addTypeOperations("set", IK_SET, 4, 0xFFFF, 0x40);
  addTypeOperations("add", IK_ARG2, 5, 0xF4F4, 0x01);
  addTypeOperations("sub", IK_ARG2, 6, 0xF4F4, 0x01);
  addTypeOperations("mul", IK_ARG2, 7, 0xF4F4, 0x01);
  addTypeOperations("adc", IK_ARG2, 8, 0x0404, 0x01);
  addTypeOperations("sbb", IK_ARG2, 9, 0x0404, 0x01);
  addTypeOperations("insub", IK_ARG2, 10, 0xF4F4, 0x01);
  addTypeOperations("div", IK_ARG2, 11, 0x3000, 0x01);
  addTypeOperations("sqrt", IK_ARG1, 12, 0x3000, 0x01);
  addTypeOperations("max", IK_ARG2, 13, 0x34F4, 0x01);
  addTypeOperations("min", IK_ARG2, 14, 0x34F4, 0x01);
  addTypeOperations("abs", IK_ARG1, 15, 0x34A0, 0x01);
  addTypeOperations("lt", IK_ARG2, 45, 0x3404, 0x01);
  addTypeOperations("ge", IK_ARG2, 46, 0x3404, 0x01);
  // The bare logical names work on quads, as their q forms do.
  addOperation("or", IK_ARG2, 16, 3, 0x01);
  addTypeOperations("or", IK_ARG2, 16, 0x000C, 0x01);
  addOperation("and", IK_ARG2, 17, 3, 0x01);
  addTypeOperations("and", IK_ARG2, 17, 0x000C, 0x01);
  addOperation("xor", IK_ARG2, 18, 3, 0x01);
  addTypeOperations("xor", IK_ARG2, 18, 0x000C, 0x01);
  addOperation("not", IK_ARG1, 19, 3, 0x01);
  addTypeOperations("not", IK_ARG1, 19, 0x000C, 0x01);
  addTypeOperations("norm", IK_ARG1, 20, 0x0404, 0x01);
  addOperation("pack", IK_ARG2, 21, 3, 0x01);
  addOperation("patch", IK_ARG2, 22, 3, 0x01);
  addTypeOperations("bsf", IK_ARG1, 26, 0x000C, 0x01);
  addTypeOperations("bsr", IK_ARG1, 23, 0x000C, 0x01);
  addTypeOperations("sll", IK_ARG2, 24, 0x04FC, 0x01);
  addTypeOperations("slr", IK_ARG2, 25, 0x04FC, 0x01);
  // Left shifts are the same operation whether logical or arithmetic.
  addTypeOperations("sal", IK_ARG2, 24, 0x04FC, 0x01);
  addTypeOperations("sar", IK_ARG2, 27, 0x04FC, 0x01);
  addTypeOperations("rol", IK_ARG2, 28, 0x04FC, 0x01);
  addTypeOperations("ror", IK_ARG2, 29, 0x04FC, 0x01);
  addTypeOperations("bswap", IK_ARG1, 41, 0x005C, 0x01);
  addTypeOperations("bc", IK_ARG1, 32, 0x000C, 0x01);
  addOperation("jmp", IK_ARG1, 30, 0, 0x1A);
  addCondOperations("j", IK_ARG2, 30, 0xFFF6, 0x1A);
  addOperation("irm", IK_ARG1, 42, 0, 0x12);
  addCondOperations("irm", IK_ARG2, 42, 0xFFF6, 0x12);
  addCondOperations("s", IK_ARG2, 31, 0xFFF6, 0x13);
  addCondOperations("fors", IK_ARG2, 40, 0xFFF6, 0x13);
  addTypeOperations("ib", IK_ARG1, 36, 0x0101, 0x01);
  addTypeOperations("cbst", IK_ARG1, 38, 0x0101, 0x01);
  addTypeOperations("cb", IK_ARG1, 37, 0x0101, 0x01);
  addOperation("fcpy", IK_ARG2, 35, 3, 0x01);
  addOperation("fcpyq", IK_ARG2, 35, 3, 0x01);
  addOperation("clf", IK_ARG1, 56, 12, 0x03);
  addOperation("cslf", IK_ARG1, 58, 12, 0x03);
  addOperation("cfsl", IK_ARG1, 59, 10, 0x01);
  addOperation("cfd", IK_ARG1, 57, 12, 0x01);
  addOperation("cdf", IK_ARG1, 55, 13, 0x01);
  addOperation("madd", IK_ARG2, 49, 14, 0x01);
}

void ZP200_Arch::initRegisterTable() {
  Architecture::initRegisterTable();
  for (uint32_t n = 8; n <= 15; ++n)
    addRegister(n, nullptr, Register::READ_WRITE, Register::INDEX);
  static const NamedRegister named[] = {
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
  for (const NamedRegister &r : named)
    addRegister(r.number, r.name, r.access, r.type);
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
