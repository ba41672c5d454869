// opdecoder.cpp - operation words read back: fields through the model's
// field descriptors, every guess checked by encoding it again, and the
// written forms of both syntaxes modelled on how the parser reads them.
#include "opdecoder.h"

#include "architecture.h"
#include "elf32.h"
#include "float.h"
#include "instruction.h"
#include "operationdata.h"
#include "textformat.h"
#include "tokenizer.h"
#include "zp100_arch.h"
#include "zp200_arch.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace zvod {

namespace {

// Operation codes the parser's operand rules single out.
constexpr uint32_t OC_GET = 3;
constexpr uint32_t OC_RD = 33;
constexpr uint32_t OC_WR = 34;

} // namespace

// One written form of the F2/V operand and the fields the parser makes of
// it.
struct OpDecoder::Form {
  enum What { SbRef, Reg, Null };
  What what;
  bool withV;
  bool indirect;
  bool brackets;
};

OpDecoder::OpDecoder(uint16_t machine)
    : tokenizer(std::make_unique<Tokenizer>(nullptr)) {
  if (machine == EM_ZP100)
    arch = std::make_unique<ZP100_Arch>(tokenizer.get());
  else if (machine == EM_ZP200)
    arch = std::make_unique<ZP200_Arch>(tokenizer.get());
  if (!arch)
    return;
  // Synonyms share a word; the first name of the table is the one shown.
  const Operation *first = nullptr;
  for (const std::string &name : arch->getMnemonics()) {
    const Instruction *i = arch->getInstruction(tokenizer->getWord(name));
    if (!i || !i->isOperation())
      continue;
    const auto *op = static_cast<const Operation *>(i);
    if (op->getKind() < IK_EXA || op->getKind() > IK_ARG2)
      continue;
    operations.emplace(
        ((op->getCode() & 0x3F) << 4) | (op->getTypeIndex() & 15), op);
    if (!first)
      first = op;
  }
  // The two bits are found by asking the encoder, so they follow the
  // model's layout wherever it puts them.
  if (!first)
    return;
  OperationData d;
  d.prepare(first, 0);
  const uint32_t plain = arch->getOperationWord(d);
  d.setVPresent(true);
  extensionBit = arch->getOperationWord(d) ^ plain;
  d.setVPresent(false);
  d.setParagraphEnd(true);
  paragraphEndBit = arch->getOperationWord(d) ^ plain;
}

OpDecoder::~OpDecoder() = default;

std::string OpDecoder::getModelName() const {
  return arch ? arch->getName() : std::string();
}

uint16_t OpDecoder::getDefaultSyntax() const {
  return arch ? arch->getDefaultSyntax() : 2;
}

uint32_t OpDecoder::field(uint32_t word, int which) const {
  uint16_t d = arch->getFieldDescriptor(static_cast<OWField>(which));
  uint32_t width = Architecture::fieldWidth(d);
  uint32_t position = Architecture::fieldPosition(d);
  if (width == 0 || position >= 32)
    return 0;
  word >>= position;
  return width >= 32 ? word : word & ((1u << width) - 1);
}

bool OpDecoder::hasExtensionWord(uint32_t word) const {
  return (word & extensionBit) != 0;
}

bool OpDecoder::endsParagraph(uint32_t word) const {
  return (word & paragraphEndBit) != 0;
}

bool OpDecoder::encodesLifetime() const {
  return arch &&
         Architecture::fieldWidth(arch->getFieldDescriptor(OW_LIFETIME)) != 0;
}

bool OpDecoder::isValidSbRef(uint32_t r) const {
  return arch && arch->isValidSbRef(r);
}

bool OpDecoder::encodesTo(const OperationData &data, uint32_t word) const {
  return arch->getOperationWord(data) == word &&
         arch->isSupportedOWFormat(data);
}

// The operand rules of the operation's kind that hold whatever the syntax.
bool OpDecoder::checkOperands(const DecodedOperation &op) const {
  const Register *f2 =
      op.f2Register ? arch->getRegister(static_cast<int>(op.f2)) : nullptr;
  if (op.f2Register && !f2)
    return false;
  // A plain F2 reference must be one the parser takes; 0 with a V word is
  // the null reference that goes with an immediate.
  bool f2Ok =
      op.f2Register || (op.f2 == 0 && op.hasV) || arch->isValidSbRef(op.f2);
  switch (op.operation->getKind()) {
  case IK_EXA:
    return op.f1 == 0 && f2 && f2->isIndex() && !op.indirect;
  case IK_SET: {
    const Register *f1 = arch->getRegister(static_cast<int>(op.f1));
    return f1 && f1->isWritable() && f2Ok;
  }
  case IK_MOVE:
    return arch->isValidSbRef(op.f1) && !op.f2Register && op.f2 == 0 &&
           !op.hasV && !op.indirect;
  case IK_ARG0:
    return op.f1 == 0 && !op.f2Register && op.f2 == 0 && !op.hasV &&
           !op.indirect;
  case IK_ARG1:
    return op.f1 == 0 && f2Ok;
  case IK_ARG2:
    return arch->isValidSbRef(op.f1) && f2Ok;
  default:
    return false;
  }
}

bool OpDecoder::decode(uint32_t word, DecodedOperation &op) const {
  if (!arch)
    return false;
  auto it = operations.find((field(word, OW_OPCODE) << 4) |
                            (field(word, OW_TYPE) & 15));
  if (it == operations.end())
    return false;
  op = DecodedOperation();
  op.operation = it->second;
  op.word = word;
  op.f1 = field(word, OW_F1);
  op.f2 = field(word, OW_F2);
  op.lifetime = field(word, OW_LIFETIME);
  op.paragraphEnd = field(word, OW_PARAGRAPH_END) != 0;
  const bool setKind = op.operation->getKind() == IK_SET;
  // The format bits are whatever combination encodes to the word again; a
  // model that does not encode the indirect flag matches both ways, and
  // the direct reading comes first.
  for (int indirect = 0; indirect < 2; ++indirect)
    for (int v = 0; v < 2; ++v)
      for (int view = 0; view < 2; ++view) {
        OperationData d;
        d.prepare(op.operation, 0);
        d.setFValue(1, op.f1,
                    setKind ? OperationData::REGISTER : OperationData::SBREF);
        d.setFValue(2, op.f2,
                    view ? OperationData::REGISTER : OperationData::SBREF);
        d.setVPresent(v != 0);
        d.setIndirect(indirect != 0);
        d.setResultLifetime(op.lifetime);
        d.setParagraphEnd(op.paragraphEnd);
        if (!encodesTo(d, word))
          continue;
        op.f2Register = view != 0;
        op.hasV = v != 0;
        op.indirect = indirect != 0;
        if (checkOperands(op))
          return true;
      }
  return false;
}

VRule OpDecoder::vRule(const OperationData &data) const {
  const Operation *op = data.getOperation();
  const uint32_t flags = op->getFlags();
  VRule rule;
  if (data.isIndirect() || op->isMemoryAccess() || op->isControlTransfer())
    return rule; // Raw
  rule.kind = VRule::Fit;
  if (flags & OF_INT32)
    return rule;
  switch (op->getTypeIndex()) {
  case 0:
  case 8:
    rule.bytes = 1;
    break;
  case 1:
  case 9:
    rule.bytes = 2;
    break;
  case 13:
    rule.kind = VRule::Refused;
    break;
  case 12:
  case 14:
  case 15:
    rule.floatLiteral = (flags & OF_RAW) == 0;
    break;
  default:
    break;
  }
  return rule;
}

bool OpDecoder::tryForm(const DecodedOperation &op, const Form &form,
                        const VText &vText, std::string &f2Text) const {
  uint32_t f2 = form.what == Form::Null ? 0 : op.f2;
  if (form.what == Form::SbRef && !arch->isValidSbRef(f2))
    return false;
  if (form.what == Form::Reg && !arch->getRegister(static_cast<int>(f2)))
    return false;
  OperationData d;
  d.prepare(op.operation, 0);
  d.setFValue(1, op.f1,
              op.operation->getKind() == IK_SET ? OperationData::REGISTER
                                                : OperationData::SBREF);
  d.setFValue(2, f2,
              form.what == Form::Reg ? OperationData::REGISTER
                                     : OperationData::SBREF);
  d.setVPresent(form.withV);
  d.setIndirect(form.indirect);
  d.setResultLifetime(op.lifetime);
  d.setParagraphEnd(op.paragraphEnd);
  if (!encodesTo(d, op.word))
    return false;

  std::string inner;
  if (form.what == Form::SbRef)
    inner = "@" + std::to_string(f2);
  else if (form.what == Form::Reg)
    inner = "#" + std::to_string(f2);
  if (form.withV) {
    std::string v;
    if (!vText(vRule(d), v))
      return false;
    inner = inner.empty() ? v : inner + ", " + v;
  }
  f2Text = form.brackets ? "[" + inner + "]" : inner;
  return true;
}

// The F2/V operand. Preferred forms come first: the plain one before the
// bracketed one, the null reference written as the V field alone.
bool OpDecoder::renderF2(const DecodedOperation &op, int syntax,
                         const VText &vText, std::string &text) const {
  const bool v = op.hasV;
  Form forms[2];
  int count = 0;
  if (syntax == 2) {
    Form::What what = op.f2Register       ? Form::Reg
                      : (op.f2 == 0 && v) ? Form::Null
                                          : Form::SbRef;
    forms[count++] = {what, v, false, false};
    forms[count++] = {what, v, true, true};
  } else if (op.f2Register) {
    // Syntax 1 has no brackets: the register type decides.
    const Register *r = arch->getRegister(static_cast<int>(op.f2));
    const Operation *o = op.operation;
    if (!r)
      return false;
    if (r->isIndex()) {
      if (o->getCode() != OC_GET)
        forms[count++] = {Form::Reg, v, !o->isMemoryAccess(), false};
      else if (!v)
        forms[count++] = {Form::Reg, false, false, false};
    } else if (!v && (!o->isMemoryAccess() || o->getCode() == OC_RD ||
                      o->getCode() == OC_WR)) {
      forms[count++] = {Form::Reg, false, false, false};
    }
  } else if (op.f2 == 0 && v) {
    forms[count++] = {Form::Null, true, false, false};
  } else if (!v) {
    forms[count++] = {Form::SbRef, false, false, false};
  }
  for (int i = 0; i < count; ++i)
    if (tryForm(op, forms[i], vText, text))
      return true;
  return false;
}

bool OpDecoder::render(const DecodedOperation &op, int syntax,
                       const VText &vText, std::string &text) const {
  if (!arch || !op.operation)
    return false;
  const std::string name = op.operation->getName();
  std::string operands;
  switch (op.operation->getKind()) {
  case IK_EXA:
    if (!tryForm(op, {Form::Reg, op.hasV, false, false}, vText, operands))
      return false;
    break;
  case IK_MOVE:
  case IK_ARG0: {
    std::string none;
    if (!tryForm(op, {Form::Null, false, false, false}, vText, none))
      return false;
    if (op.operation->getKind() == IK_MOVE)
      operands = "@" + std::to_string(op.f1);
    break;
  }
  case IK_SET:
  case IK_ARG1:
  case IK_ARG2: {
    std::string f2;
    if (!renderF2(op, syntax, vText, f2))
      return false;
    if (op.operation->getKind() == IK_SET)
      operands = "#" + std::to_string(op.f1) + ", " + f2;
    else if (op.operation->getKind() == IK_ARG2)
      operands = "@" + std::to_string(op.f1) + ", " + f2;
    else
      operands = f2;
    break;
  }
  default:
    return false;
  }
  text = operands.empty() ? name : name + " " + operands;
  return true;
}

bool OpDecoder::valueFor(const VRule &rule, uint32_t bits, int64_t &value) {
  if (rule.kind == VRule::Refused)
    return false;
  value = bits;
  if (rule.kind == VRule::Raw || rule.bytes >= 4)
    return true;
  // A field narrower than the word: the value is its bits, or a negative
  // number whose bits above the field are all ones.
  const uint32_t mask = rule.bytes == 1 ? 0xFFu : 0xFFFFu;
  if ((bits & ~mask) == 0)
    return true;
  if ((bits & ~mask) == ~mask) {
    value = static_cast<int32_t>(bits);
    return true;
  }
  return false;
}

namespace {

// The shortest 0f literal whose single-precision conversion is the bits.
bool floatText(uint32_t bits, std::string &text) {
  float f;
  std::memcpy(&f, &bits, sizeof f);
  if (!std::isfinite(f))
    return false;
  for (int precision = 1; precision <= 9; ++precision) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*g", precision,
                  static_cast<double>(f));
    // The literal grammar drops a '+' anyway; leave it out.
    std::string t;
    for (const char *p = buffer; *p; ++p)
      if (*p != '+')
        t += *p;
    double back = 0;
    auto result = std::from_chars(t.data(), t.data() + t.size(), back);
    if (result.ec != std::errc() || result.ptr != t.data() + t.size())
      continue;
    // The assembler's own conversion, which also rounds what lies just
    // above the largest single.
    int64_t doubleBits;
    std::memcpy(&doubleBits, &back, sizeof doubleBits);
    bool overflow = false;
    uint32_t again =
        static_cast<uint32_t>(Float::doubleRepresentationToFloatRepresentation(
            doubleBits, &overflow));
    if (!overflow && again == bits) {
      text = "0f" + t;
      return true;
    }
  }
  return false;
}

} // namespace

std::string OpDecoder::numberText(int64_t value, bool address) {
  uint64_t magnitude = value < 0 ? 0 - static_cast<uint64_t>(value)
                                 : static_cast<uint64_t>(value);
  std::string sign = value < 0 ? "-" : "";
  if (magnitude < (address ? 10u : 1024u))
    return sign + std::to_string(magnitude);
  return sign + "0x" + hexDigits(magnitude);
}

bool OpDecoder::numberText(const VRule &rule, uint32_t bits,
                           std::string &text) {
  if (rule.floatLiteral && floatText(bits, text))
    return true;
  int64_t value = 0;
  if (!valueFor(rule, bits, value))
    return false;
  // Small negative numbers read better as such where they fit the field.
  if (rule.kind == VRule::Fit && value >= 0 && static_cast<int32_t>(bits) < 0 &&
      static_cast<int32_t>(bits) >= -65536)
    value = static_cast<int32_t>(bits);
  text = numberText(value, rule.kind == VRule::Raw);
  return true;
}

} // namespace zvod
