// zp100_arch.cpp - the ZP100 model: its operations and registers, and its
// operation word with the result lifetime and two format bits.
#include "zp100_arch.h"

namespace {

struct NamedRegister {
  uint32_t number;
  const char *name;
  uint32_t access;
};

} // namespace

ZP100_Arch::ZP100_Arch(Tokenizer *tokenizer, uint16_t code)
    : Architecture(tokenizer, code) {
  name = "ZP100";
  registerCount = 64;
  sbRefBegin = 1;
  sbRefEnd = 63;
  encoding = 2;
  flags = EF_ZORVEL_DATA_LSB;
  defaultSyntax = 1;
  setOperationWordFormat();
  initOperationTable();
  initRegisterTable();
  initPseudoOperationTable();
  initSymbolTypeTable();
  initSectionTypeTable();
  initSpecialSectionTable();
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

void ZP100_Arch::initOperationTable() {
  Architecture::initOperationTable();
  addTypeOperations("rd", IK_ARG1, 33, 0x050D, 0x07);
  addTypeOperations("wr", IK_ARG2, 34, 0x050D, 0x06);
  addOperation("exa", IK_EXA, 2, 2, 0x23);
  addOperation("exal", IK_EXA, 2, 2, 0x23);
  addTypeOperations("get", IK_ARG1, 3, 0x050D, 0x61);
  addTypeOperations("set", IK_SET, 4, 0x050D, 0x40);
  addTypeOperations("add", IK_ARG2, 5, 0xD505, 0x01);
  addTypeOperations("sub", IK_ARG2, 6, 0xD505, 0x01);
  addTypeOperations("mul", IK_ARG2, 7, 0xD505, 0x01);
  addTypeOperations("adc", IK_ARG2, 8, 0x0005, 0x01);
  addTypeOperations("sbb", IK_ARG2, 9, 0x0005, 0x01);
  addTypeOperations("insub", IK_ARG2, 10, 0xD505, 0x01);
  addOperation("divf", IK_ARG2, 11, 12, 0x01);
  addOperation("sqrtf", IK_ARG1, 12, 12, 0x01);
  addTypeOperations("max", IK_ARG2, 13, 0x1505, 0x01);
  addTypeOperations("min", IK_ARG2, 14, 0x1505, 0x01);
  addTypeOperations("abs", IK_ARG1, 15, 0x1500, 0x01);
  addOperation("or", IK_ARG2, 16, 3, 0x01);
  addOperation("orq", IK_ARG2, 16, 3, 0x01);
  addOperation("and", IK_ARG2, 17, 3, 0x01);
  addOperation("andq", IK_ARG2, 17, 3, 0x01);
  addOperation("xor", IK_ARG2, 18, 3, 0x01);
  addOperation("xorq", IK_ARG2, 18, 3, 0x01);
  addOperation("not", IK_ARG1, 19, 3, 0x01);
  addOperation("notq", IK_ARG1, 19, 3, 0x01);
  addTypeOperations("norm", IK_ARG1, 20, 0x0D00, 0x01);
  addOperation("pack", IK_ARG2, 21, 3, 0x01);
  addOperation("patch", IK_ARG2, 22, 3, 0x01);
  addTypeOperations("sll", IK_ARG2, 24, 0x050D, 0x01);
  addTypeOperations("slr", IK_ARG2, 25, 0x000D, 0x01);
  // Left shifts are the same operation whether logical or arithmetic.
  addTypeOperations("sal", IK_ARG2, 24, 0x050D, 0x01);
  addTypeOperations("sar", IK_ARG2, 27, 0x0D00, 0x01);
  addTypeOperations("rol", IK_ARG2, 28, 0x000D, 0x01);
  addTypeOperations("ror", IK_ARG2, 29, 0x000D, 0x01);
  addOperation("jmp", IK_ARG1, 30, 0, 0x1A);
  addCondOperations("j", IK_ARG2, 30, 0xFFF6, 0x1A);
  addOperation("clf", IK_ARG1, 56, 12, 0x03);
  addOperation("cslf", IK_ARG1, 58, 12, 0x03);
  addOperation("cfsl", IK_ARG1, 59, 12, 0x01);
  addOperation("madd", IK_ARG2, 49, 14, 0x01);
}

void ZP100_Arch::initRegisterTable() {
  Architecture::initRegisterTable();
  for (uint32_t n = 32; n <= 39; ++n)
    addRegister(n, nullptr, Register::READ_WRITE, Register::INDEX);
  static const NamedRegister system[] = {
      {48, "PSW", Register::READ_WRITE},
      {49, "INTR", Register::READ_WRITE},
      {50, "MSKR", Register::READ_WRITE},
      {51, "ER", Register::READ},
      {52, "IRETADDR", Register::READ},
      {53, "STVALR", Register::READ_WRITE},
      {54, "STCR", Register::READ_WRITE},
      {55, "IHOOKADDR", Register::READ_WRITE},
      {56, "INTNUMR", Register::READ},
      {57, "MODR", Register::READ_WRITE},
  };
  for (const NamedRegister &r : system)
    addRegister(r.number, r.name, r.access, Register::SYSTEM);
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
