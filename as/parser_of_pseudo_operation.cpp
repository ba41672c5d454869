// parser_of_pseudo_operation.cpp - directives: placement rules, sections,
// data, alignment, symbols, and the block, message and position directives.
#include "parser.h"

#include <algorithm>
#include <cstring>
#include <elf.h>
#include <iostream>
#include <sstream>
#include <vector>

#include "architecture.h"
#include "debuginfoproducer.h"
#include "expression.h"
#include "expressioncalculator.h"
#include "expressionnode.h"
#include "filestat.h"
#include "float.h"
#include "instruction.h"
#include "sectab.h"
#include "section.h"
#include "subsection.h"
#include "symbol.h"
#include "symtab.h"
#include "terminator.h"
#include "token.h"
#include "tokenizer.h"

namespace {

constexpr int64_t MAX_COUNT = 0xffffffffLL;
constexpr int64_t MAX_ALIGNMENT = 0x80000000LL;

// Where a directive may stand.
enum class Placement { Anywhere, DataSection, OutsideParagraph, TextSection };

Placement placementOf(int kind) {
  switch (kind) {
  case PO_ALIGN:
  case PO_P2ALIGN:
  case PO_FILL:
  case PO_SKIP:
  case PO_SLEB128:
  case PO_ULEB128:
  case IK_INIT_MEMORY:
    return Placement::DataSection;
  case PO_FILE:
  case PO_INCLUDE:
  case PO_SECTION:
  case PO_SUBSECTION:
  case PO_SYNTAX:
    return Placement::OutsideParagraph;
  case PO_LOC:
    return Placement::TextSection;
  default:
    return Placement::Anywhere;
  }
}

std::string hex(uint64_t v) {
  std::ostringstream os;
  os << std::hex << v;
  return os.str();
}

// Whether value survives being stored in size bytes: every bit above the
// field is a copy of the sign.
bool fitsField(int64_t value, unsigned size) {
  if (size >= 8)
    return true;
  const uint64_t mask = (uint64_t(1) << (8 * size)) - 1;
  const uint64_t above = uint64_t(value) & ~mask;
  return value >= 0 ? above == 0 : above == ~mask;
}

uint64_t fieldMask(unsigned size) {
  return size >= 8 ? ~uint64_t(0) : (uint64_t(1) << (8 * size)) - 1;
}

const Section *sectionOf(const ExpressionNode *node) {
  if (!node || !node->isNumber())
    return nullptr;
  const Subsection *sub =
      static_cast<const ExpressionNumberNode *>(node)->getSubsection();
  return sub ? sub->getSection() : nullptr;
}

bool isAbsoluteNumber(const ExpressionNode *node) {
  const Section *section = sectionOf(node);
  return section && section->isAbs();
}

// The number a value's expression reduced to (a label's section offset).
int64_t numberOf(const Value *value) {
  if (!value || !value->getExpression())
    return 0;
  const ExpressionNode *root = value->getExpression()->getExpressionNode();
  return root && root->isNumber() ? root->getValue() : 0;
}

// A comma or the line end where an operand is expected: the empty operand.
bool atOperandEnd(int code) { return code == ',' || code == TC_NEWLINE; }

bool isPowerOfTwo(uint64_t v) { return v != 0 && (v & (v - 1)) == 0; }

// LEB128 as DWARF defines it; returns the length (at most 10).
unsigned encodeLeb128(int64_t value, bool isSigned, uint8_t out[10]) {
  unsigned n = 0;
  if (isSigned) {
    for (;;) {
      uint8_t byte = value & 0x7f;
      value >>= 7; // arithmetic: the sign is kept
      const bool done =
          (value == 0 && !(byte & 0x40)) || (value == -1 && (byte & 0x40));
      out[n++] = done ? byte : uint8_t(byte | 0x80);
      if (done)
        return n;
    }
  }
  uint64_t u = uint64_t(value);
  do {
    uint8_t byte = u & 0x7f;
    u >>= 7;
    out[n++] = u ? uint8_t(byte | 0x80) : byte;
  } while (u);
  return n;
}

// Appends count copies of pattern. Large runs go through one chunk of
// repeated copies, so 100 MB cost a few thousand bulk writes.
void writeRepeated(DataSubsection *data, const uint8_t *pattern, size_t size,
                   uint64_t count) {
  if (size == 0 || count == 0)
    return;
  const size_t perChunk = std::max<size_t>(1, 65536 / size);
  std::vector<char> chunk(size * size_t(std::min<uint64_t>(count, perChunk)));
  for (size_t i = 0; i < chunk.size(); i += size)
    std::memcpy(chunk.data() + i, pattern, size);
  const uint64_t chunkCopies = chunk.size() / size;
  while (count) {
    const uint64_t copies = std::min(count, chunkCopies);
    data->addData(chunk.data(), size_t(copies * size));
    count -= copies;
  }
}

// Stores the low size bytes of value in the section's byte order.
void writeInteger(DataSubsection *data, int64_t value, unsigned size) {
  switch (size) {
  case 1:
    data->addData(int8_t(value));
    break;
  case 2:
    data->addData(int16_t(value));
    break;
  case 4:
    data->addData(int32_t(value));
    break;
  default:
    data->addData(int64_t(value));
    break;
  }
}

uint8_t relocationTypeFor(unsigned size) {
  switch (size) {
  case 1:
    return R_ZORVEL_8;
  case 2:
    return R_ZORVEL_16;
  case 4:
    return R_ZORVEL_32;
  default:
    return R_ZORVEL_64;
  }
}

} // namespace

// Checks where the directive stands, then hands it to its handler.
void Parser::evalPseudoOperation(const PseudoOperation *directive,
                                 const Location &location) {
  const int kind = directive->getKind();
  const char *reason = nullptr;
  switch (placementOf(kind)) {
  case Placement::DataSection:
    if (!currentSubsection)
      reason = "can't be placed in undefined section";
    else if (currentSubsection->getSection()->isText())
      reason = "can't be placed in '.text' section";
    break;
  case Placement::OutsideParagraph:
    if (paragraphOpen)
      reason = "can't be placed inside the paragraph";
    break;
  case Placement::TextSection:
    if (!currentSubsection || !currentSubsection->getSection()->isText())
      reason = "must be placed in '.text' section";
    break;
  case Placement::Anywhere:
    break;
  }
  if (reason) {
    error(location,
          "pseudo operation '" + directive->getName() + "' " + reason);
    move(TC_NEWLINE);
    return;
  }

  switch (kind) {
  case PO_SECTION:
    return evalSectionDirective(directive);
  case PO_SUBSECTION:
    return evalSubsection(location);
  case IK_INIT_MEMORY:
    return evalInitMemory(
        static_cast<const InitMemoryPseudoOperation *>(directive));
  case PO_ALIGN:
  case PO_P2ALIGN:
    return evalAlign(directive);
  case PO_SKIP:
    return evalSkip(directive);
  case PO_FILL:
    return evalFill();
  case PO_SLEB128:
    return evalLeb128(true);
  case PO_ULEB128:
    return evalLeb128(false);
  case PO_GLOBAL:
    return evalGlobal();
  case PO_LOCAL:
    return evalLocal();
  case PO_WEAK:
    return evalWeak();
  case PO_COMM:
    return evalComm();
  case PO_LCOMM:
    return evalLcomm();
  case PO_SET:
    return evalSet();
  case PO_EQUIV:
    return evalEquiv();
  case PO_EQV:
    return evalEqv();
  case PO_TYPE:
    return evalType();
  case PO_SIZE:
    return evalSize();
  case IK_TERMINATED:
    return evalTerminatedPseudoOperation(
        static_cast<const TerminatedPseudoOperation *>(directive), location);
  case IK_TERMINATING:
    return evalTerminatingPseudoOperation(
        static_cast<const TerminatingPseudoOperation *>(directive), location);
  case PO_ELSE:
  case PO_ELSEIF:
    return evalElse(directive, location);
  case PO_INCLUDE:
    return evalInclude();
  case PO_ERR:
    return evalErr();
  case PO_ERROR:
    return evalError();
  case PO_WARNING:
    return evalWarning();
  case PO_FAIL:
    return evalFail();
  case PO_PRINT:
    return evalPrint();
  case PO_END:
    return evalEnd();
  case PO_SYNTAX:
    return evalSyntax();
  case PO_FILE:
    return evalFile();
  case PO_LOC:
    return evalLoc();
  default:
    return; // a directive without a handler is ignored
  }
}

bool Parser::isAbsoluteExpression(Expression *expression, long long &value,
                                  const NotAbsoluteText &message) {
  value = 0;
  calculator->calculate(expression);
  const ExpressionNode *root = expression->getExpressionNode();
  if (!expression->isCalculationError() && isAbsoluteNumber(root)) {
    if (static_cast<const ExpressionNumberNode *>(root)->isFloat()) {
      warning(expression->getLocation(),
              "expected absolute expression, got float value; integer 0 "
              "assumed");
      return false;
    }
    value = root->getValue();
    return true;
  }
  std::string text = message.head;
  if (message.name) {
    text += *message.name;
    text += message.tail;
  }
  error(expression->getLocation(), text);
  return false;
}

std::unique_ptr<Expression>
Parser::parseAbsoluteOperand(long long &value, const NotAbsoluteText &message) {
  value = 0;
  ExpressionPtr e(parseExpression());
  if (!e || !isAbsoluteExpression(e.get(), value, message)) {
    move(TC_NEWLINE);
    return nullptr;
  }
  return e;
}

int64_t Parser::adjustValue(Expression *expression, unsigned size) {
  const int64_t value = getExpressionValue(expression);
  if (fitsField(value, size))
    return value;
  if (isAbsoluteNumber(expression->getExpressionNode())) {
    const int64_t cut = int64_t(uint64_t(value) & fieldMask(size));
    warning(expression->getLocation(), "value 0x" + hex(uint64_t(value)) +
                                           " truncated to 0x" +
                                           hex(uint64_t(cut)));
    return cut;
  }
  error(expression->getLocation(), "value of " + std::to_string(value) +
                                       " too large for field of " +
                                       std::to_string(size) + " bytes");
  return value;
}

bool Parser::truncateToSignificantBytes(int64_t &value, const Section *section,
                                        unsigned size) const {
  if (fitsField(value, size))
    return true;
  if (!section || !section->isAbs())
    return false;
  value = int64_t(uint64_t(value) & fieldMask(size));
  return true;
}

// .text [number] | .data [number] | .bss [number]
// .section name [, "flags" [, @type [, entsize]]]
void Parser::evalSectionDirective(const PseudoOperation *directive) {
  if (directive->getWord() != tokenizer->getWord(".section")) {
    long long number = 0;
    if (!isLineEnd() && parseAbsoluteOperand(number))
      expectLineEnd();
    Section *section = sectab->findSectionByName(directive->getWord());
    if (section)
      currentSubsection = sectab->getSubsection(section, number);
    return;
  }

  if (tokenCode() != TC_WORD) {
    errorAtToken("expected section name; got '" + unrecognizedToken(token) +
                 "'");
    move(TC_NEWLINE);
    return;
  }
  const Word *name = static_cast<const Word *>(token);
  const Location nameLocation = getTokenLocation();
  uint32_t type = 0, flags = 0, entsize = 0;
  move();
  if (tokenCode() == ',') {
    move();
    if (token->isString()) {
      for (char c : static_cast<const String *>(token)->getText()) {
        switch (c) {
        case 'a':
          flags |= 0x2;
          break;
        case 'w':
          flags |= 0x1;
          break;
        case 'x':
          flags |= 0x4;
          break;
        case 'M':
          flags |= 0x10;
          break;
        case 'S':
          flags |= 0x20;
          break;
        default:
          errorAtToken(std::string(" bad .section flag '") + c +
                       "': want a,w,x,M,S in string");
          break;
        }
      }
      move();
    } else {
      errorAtToken("first unrecognized token is '" + unrecognizedToken(token) +
                   "'");
      moven(',');
    }
    if (tokenCode() == ',') {
      move();
      if (tokenCode() == '@') {
        move();
        if (token->isWord() &&
            architecture->isSectionTypeFound(static_cast<Word *>(token))) {
          type = architecture->getSectionTypeCode(static_cast<Word *>(token));
          move();
        } else {
          errorAtToken("unrecognized section type");
          if (token->isWord())
            move();
        }
      } else {
        errorAtToken("first unrecognized token is '" +
                     unrecognizedToken(token) + "'");
        moven(',');
      }
    }
    if (flags & SHF_MERGE) {
      if (tokenCode() != ',') {
        errorAtToken("entity size for SHF_MERGE not specified");
      } else {
        move();
        ExpressionPtr e(parseExpression());
        long long value = 0;
        if (!e) {
          moven(TC_NEWLINE);
        } else if (isAbsoluteExpression(e.get(), value)) {
          // An entity size cut to 32 bits would describe other entities.
          if (value < 0 || value > MAX_COUNT)
            error(e->getLocation(), "invalid merge entity size");
          else
            entsize = uint32_t(value);
        }
      }
    }
  }
  expectLineEnd();
  // The section is made even after an error, so that the statements after
  // it land where the source meant them.
  Section *section = addSection(nameLocation, name, type, flags, entsize, 2);
  if (section)
    currentSubsection = sectab->getSubsection(section, 0);
}

// .subsection number
void Parser::evalSubsection(const Location &location) {
  long long number = 0;
  if (parseAbsoluteOperand(number))
    expectLineEnd();
  if (!currentSubsection) {
    error(location, "current section not specified");
    return;
  }
  currentSubsection =
      sectab->getSubsection(currentSubsection->getSection(), number);
}

// .byte|.short|.long|.quad expr, ...   .float|.single|.double number, ...
// .ascii|.asciz|.string|.string8|.string16|.string32|.string64 "text", ...
void Parser::evalInitMemory(const InitMemoryPseudoOperation *directive) {
  const unsigned unit = directive->getUnitSize();
  const uint32_t kind = directive->getDataKind();
  DataSubsection *data =
      pass == 2 ? currentSubsection->asData() : nullptr; // null: count only
  for (;;) {
    if (kind == DK_INTEGER) {
      ExpressionPtr e(parseExpression());
      if (!e) {
        moven(',');
        if (data) // keep the buffer in step with the counter
          writeInteger(data, 0, unit);
      } else if (data) {
        calculator->calculate(e.get());
        if (e->isCalculationError()) {
          reportCalculationError(e.get());
          writeInteger(data, 0, unit);
        } else {
          writeInteger(data, adjustValue(e.get(), unit), unit);
          addRelocationEntry(currentSubsection->getSection(),
                             currentSubsection->getRealDot(), e.get(),
                             relocationTypeFor(unit));
        }
      }
      currentSubsection->moveDot(unit);
    } else if (kind == DK_FLOAT || kind == DK_DOUBLE) {
      int64_t bits = 0;
      if (!atOperandEnd(tokenCode())) {
        if (isNotNumber()) {
          move(TC_NEWLINE);
          return;
        }
        const Number *number = static_cast<const Number *>(token);
        if (kind == DK_DOUBLE) {
          bits = number->isFloat()
                     ? number->getValue()
                     : Float::intToDoubleRepresentation(number->getValue());
        } else if (!number->isFloat()) {
          bits = Float::intToFloatRepresentation(number->getValue());
        } else {
          bool overflow = false;
          bits = Float::doubleRepresentationToFloatRepresentation(
              number->getValue(), &overflow);
          if (overflow) {
            std::ostringstream text;
            text << Float::getDoubleFromDoubleRepresentation(number->getValue())
                 << " is out of range; assumed "
                 << Float::getFloatFromFloatRepresentation(int32_t(bits));
            warningAtToken(text.str());
          }
        }
        move();
      }
      if (data)
        writeInteger(data, bits, unit);
      currentSubsection->moveDot(unit);
    } else {
      std::string text;
      if (!atOperandEnd(tokenCode())) {
        if (isNotString()) {
          move(TC_NEWLINE);
          return;
        }
        text = static_cast<const String *>(token)->getText();
        move();
      }
      if (kind == DK_STRINGZ)
        text.push_back('\0');
      if (data)
        data->addData(text, unit);
      currentSubsection->moveDot(uint32_t(text.size() * unit));
    }
    if (tokenCode() != ',')
      break;
    move();
  }
  expectLineEnd();
}

// .align alignment [, fill [, max-skip]]   .p2align power [, fill [, ...]]
void Parser::evalAlign(const PseudoOperation *directive) {
  bool ok = true;
  long long value = 0;
  uint32_t alignment = 0;
  ExpressionPtr e(parseExpression());
  if (!e) {
    move(TC_NEWLINE);
    return;
  }
  if (!isAbsoluteExpression(e.get(), value)) {
    ok = false;
    moven(',');
  } else if (value < 0) {
    error(e->getLocation(), "alignment negative");
    ok = false;
  } else if (directive->getKind() == PO_P2ALIGN) {
    if (value > 31) {
      warning(e->getLocation(), "alignment too large: 31 assumed");
      value = 31;
    }
    alignment = value ? uint32_t(1) << value : 0;
  } else if (!checkAlignment(value, e->getLocation())) {
    ok = false;
    moven(',');
  } else {
    alignment = uint32_t(value);
  }

  long long fill = 0, maxSkip = 0;
  if (tokenCode() == ',') {
    move();
    ExpressionPtr f(parseExpression());
    if (!f) {
      move(TC_NEWLINE);
      return;
    }
    if (!isAbsoluteExpression(f.get(), fill)) {
      ok = false;
      moven(',');
    }
    if (tokenCode() == ',') {
      move();
      if (!parseAbsoluteOperand(maxSkip))
        return;
    }
  }
  if (!expectLineEnd())
    return;
  if (!ok)
    return;
  int64_t skip = maxSkip;
  truncateToSignificantBytes(skip, absoluteSubsection->getSection(), 4);
  if (pass == 1)
    currentSubsection->addAlignmentBlock(alignment, uint32_t(fill & 0xff),
                                         uint32_t(skip));
  else
    currentSubsection->fillAlignmentBlock(alignment, uint32_t(fill & 0xff),
                                          uint32_t(skip));
}

// An alignment is 0 or a power of two; one larger than a 32-bit field holds
// is cut to the largest with a warning. False after an error.
bool Parser::checkAlignment(long long &alignment, const Location &location) {
  if (alignment != 0 && !isPowerOfTwo(uint64_t(alignment))) {
    error(location, "alignment not a power of 2");
    return false;
  }
  if (alignment > MAX_ALIGNMENT) {
    warning(location, "alignment too large: " + std::to_string(MAX_ALIGNMENT) +
                          " assumed");
    alignment = MAX_ALIGNMENT;
  }
  return true;
}

// .skip size [, fill]   .space size [, fill]
void Parser::evalSkip(const PseudoOperation *directive) {
  const std::string &name = directive->getName();
  const NotAbsoluteText message{"", &name, " specifies non-absolute value"};
  long long value = 0;
  ExpressionPtr e = parseAbsoluteOperand(value, message);
  if (!e)
    return;
  uint32_t size = 0;
  if (value < 0) {
    warning(e->getLocation(), name + " repeat count (" + std::to_string(value) +
                                  ") is negative, ignored");
  } else if (value > MAX_COUNT) {
    // Taking the count modulo 2^32 would place a plainly wrong amount.
    error(e->getLocation(),
          name + " repeat count (" + std::to_string(value) + ") is too large");
    move(TC_NEWLINE);
    return;
  } else {
    size = uint32_t(value);
  }
  currentSubsection->moveDot(size);

  long long fill = 0;
  if (tokenCode() == ',') {
    move();
    // The fill byte matters only when the bytes are written.
    if (pass == 2)
      parseAbsoluteOperand(fill, message);
    else if (!ExpressionPtr(parseExpression()))
      move(TC_NEWLINE);
  }
  expectLineEnd();
  if (pass == 2)
    if (DataSubsection *data = currentSubsection->asData()) {
      const uint8_t byte = uint8_t(fill);
      writeRepeated(data, &byte, 1, size);
    }
}

// .fill repeat [, size [, value]]
void Parser::evalFill() {
  long long repeat = 0, size = 1, value = 0;
  ExpressionPtr e = parseAbsoluteOperand(repeat);
  if (!e)
    return;
  if (repeat < 0) {
    warning(e->getLocation(), "repeat negative; .fill ignored");
    repeat = 0;
  }
  if (tokenCode() == ',') {
    move();
    ExpressionPtr s = parseAbsoluteOperand(size);
    if (!s)
      return;
    if (size < 0) {
      warning(s->getLocation(), "size negative; .fill ignored");
      size = 0;
    } else if (size > 8) {
      warning(s->getLocation(), ".fill size clamped to 8");
      size = 8;
    }
    if (tokenCode() == ',') {
      move();
      if (!parseAbsoluteOperand(value))
        return;
    }
  }
  if (!expectLineEnd())
    return;
  // A product wrapped to 32 bits would place fewer bytes than were asked
  // for; refuse it instead.
  if (size != 0 && repeat > MAX_COUNT / size) {
    error(e->getLocation(), ".fill repeat count (" + std::to_string(repeat) +
                                ") times size (" + std::to_string(size) +
                                ") is too large");
    return;
  }
  const uint32_t total = uint32_t(repeat * size);
  if (pass == 2)
    if (DataSubsection *data = currentSubsection->asData()) {
      uint8_t pattern[8];
      const bool lsbFirst =
          currentSubsection->getSection()->getDataEncoding() == 1;
      for (long long i = 0; i < size; ++i) {
        const unsigned shift = unsigned(lsbFirst ? i : size - 1 - i) * 8;
        pattern[i] = uint8_t(uint64_t(value) >> shift);
      }
      writeRepeated(data, pattern, size_t(size), uint64_t(repeat));
    }
  currentSubsection->moveDot(total);
}

// .sleb128 expr, ...   .uleb128 expr, ...
void Parser::evalLeb128(bool isSigned) {
  DataSubsection *data = pass == 2 ? currentSubsection->asData() : nullptr;
  for (;;) {
    ExpressionPtr e(parseExpression());
    long long value = 0;
    if (!e) {
      moven(',');
    } else if (isAbsoluteExpression(e.get(), value)) {
      uint8_t bytes[10];
      const unsigned n = encodeLeb128(value, isSigned, bytes);
      if (data)
        data->addData(reinterpret_cast<const char *>(bytes), size_t(n));
      currentSubsection->moveDot(n);
    }
    if (tokenCode() == ',')
      move();
    else if (isLineEnd())
      break;
    else if (!e)
      move(); // moven stopped elsewhere; never loop on one token
  }
}

// The binding of the symbol named by the current token.
void Parser::setSymbolBind(uint8_t binding) {
  const Word *name = static_cast<const Word *>(token);
  Symbol *symbol = symtab->getSymbol(name);
  if (symbol->getType() == STT_SECTION)
    return;
  const Value *value = symbol->getValue();
  const Section *section = value ? value->getSection() : nullptr;
  if (section && section->isCommon()) {
    if (binding == STB_WEAK)
      errorAtToken("symbol '" + name->getName() +
                   "' can not be both weak and common");
    else if (binding == STB_LOCAL)
      warningAtToken("symbol '" + name->getName() +
                     "' can not be both local and common; ignore");
    return;
  }
  symbol->setBind(binding);
}

// .global name, ...   .local name, ...   .weak name, ...
void Parser::evalBindValue(uint8_t binding) {
  if (pass == 2) {
    move(TC_NEWLINE);
    return;
  }
  for (;;) {
    if (isNotSymbol()) {
      moven(',');
    } else {
      setSymbolBind(binding);
      move();
    }
    if (tokenCode() != ',')
      break;
    move();
  }
  expectLineEnd();
}

void Parser::evalGlobal() { evalBindValue(STB_GLOBAL); }
void Parser::evalLocal() { evalBindValue(STB_LOCAL); }
void Parser::evalWeak() { evalBindValue(STB_WEAK); }

// Pass 2 of a local common: .bss moves past its storage, which pass 1
// placed there.
void Parser::skipLocalCommon(const Symbol *symbol) {
  Subsection *saved = switchToBssSubsection();
  currentSubsection->moveDot(uint32_t(numberOf(symbol->getValue())) +
                             symbol->getSize() -
                             currentSubsection->getRealDot());
  currentSubsection = saved;
}

// .comm name, size [, alignment]
void Parser::evalComm() {
  if (isNotSymbol()) {
    move(TC_NEWLINE);
    return;
  }
  const Word *name = static_cast<const Word *>(token);
  const Location nameLocation = getTokenLocation();
  Symbol *symbol = symtab->getSymbol(name);

  if (pass == 2) {
    move(TC_NEWLINE);
    setNextSymbolValue(symbol);
    const Value *value = symbol->getValue();
    const Section *section = value ? value->getSection() : nullptr;
    if (section && !section->isCommon()) // a local common
      skipLocalCommon(symbol);
    return;
  }

  move();
  if (isNotComma()) {
    move(TC_NEWLINE);
    return;
  }
  uint32_t size = 0;
  if (!getAllocSize(size))
    return;

  bool repeated = false;
  if (symbol->isDefined()) {
    const Value *value = symbol->getValue();
    const Section *section = value ? value->getSection() : nullptr;
    if (section && section->isCommon()) {
      repeated = true;
      if (size != symbol->getSize())
        warning(nameLocation, "size of '" + name->getName() + "' is already " +
                                  std::to_string(symbol->getSize()) +
                                  "; not changing to " + std::to_string(size));
    } else {
      error(nameLocation,
            "symbol '" + name->getName() + "' is already defined");
    }
  }

  long long alignment = 0;
  if (tokenCode() == ',') {
    move();
    ExpressionPtr e = parseAbsoluteOperand(alignment);
    if (!e)
      return;
    if (alignment < 0) {
      warning(e->getLocation(), "alignment negative; 0 assumed");
      alignment = 0;
    }
    if (!checkAlignment(alignment, e->getLocation())) {
      move(TC_NEWLINE);
      return;
    }
  }

  if (!symbol->isDefined()) {
    symbol->setSize(size);
    if (symbol->getType() == STT_NOTYPE)
      symbol->setType(STT_OBJECT);
    if (symbol->isBindAlreadySet() && symbol->getBind() != STB_GLOBAL) {
      Subsection *saved = switchToBssSubsection();
      currentSubsection->addAlignmentBlock(uint32_t(alignment), 0, 0);
      setLabelValue(symbol, nameLocation);
      currentSubsection->moveDot(size);
      currentSubsection = saved;
    } else {
      symbol->setDefined(true);
      symbol->setBind(STB_GLOBAL);
      symbol->setValue(
          new Expression(nameLocation, new ExpressionNumberNode(
                                           alignment, false, commonSubsection)),
          true);
    }
  } else if (repeated) {
    // A repeated declaration may not weaken an alignment asked for before.
    const long long previous = numberOf(symbol->getValue());
    symbol->setValue(
        new Expression(nameLocation,
                       new ExpressionNumberNode(std::max(previous, alignment),
                                                false, commonSubsection)),
        true);
  }
  expectLineEnd();
}

// .lcomm name, size
void Parser::evalLcomm() {
  if (isNotSymbol()) {
    move(TC_NEWLINE);
    return;
  }
  const Word *name = static_cast<const Word *>(token);
  const Location nameLocation = getTokenLocation();
  Symbol *symbol = symtab->getSymbol(name);

  if (pass == 2) {
    move(TC_NEWLINE);
    setNextSymbolValue(symbol);
    skipLocalCommon(symbol);
    return;
  }

  move();
  const bool defined = symbol->isDefined();
  if (defined)
    error(nameLocation, "symbol '" + name->getName() + "' is already defined");
  if (isNotComma()) {
    move(TC_NEWLINE);
    return;
  }
  uint32_t size = 0;
  if (!getAllocSize(size))
    return;
  if (!defined) {
    symbol->setSize(size);
    if (symbol->getType() == STT_NOTYPE)
      symbol->setType(STT_OBJECT);
    Subsection *saved = switchToBssSubsection();
    currentSubsection->addAlignmentBlock(8, 0, 0);
    setLabelValue(symbol, nameLocation);
    currentSubsection->moveDot(size);
    currentSubsection = saved;
  }
  expectLineEnd();
}

// The size operand of .comm and .lcomm; the current token is the comma.
bool Parser::getAllocSize(uint32_t &size) {
  size = 0;
  move();
  long long value = 0;
  ExpressionPtr e = parseAbsoluteOperand(value);
  if (!e)
    return false;
  // Beyond 32 bits the size would silently wrap; refuse it like a negative.
  if (value < 0 || value > MAX_COUNT) {
    error(e->getLocation(),
          "size (" + std::to_string(value) + ") out of range");
    move(TC_NEWLINE);
    return false;
  }
  size = uint32_t(value);
  return true;
}

Subsection *Parser::switchToBssSubsection() {
  Subsection *saved = currentSubsection;
  if (!currentSubsection || !currentSubsection->getSection()->isBss()) {
    Section *bss = sectab->findSectionByName(tokenizer->getWord(".bss"));
    currentSubsection = sectab->getSubsection(bss, 0);
  }
  return saved;
}

// Reads "name ," of .set and its kin. Pass 1 reports a symbol that may not
// be given a value (refused) and returns null after a syntax error.
Symbol *Parser::getAssignedSymbol(bool &refused, bool byValue) {
  refused = false;
  if (isNotSymbol()) {
    move(TC_NEWLINE);
    return nullptr;
  }
  const Word *name = static_cast<const Word *>(token);
  Symbol *symbol = symtab->getSymbol(name);
  if (pass == 1) {
    refused = byValue ? symbol->isValueDefined() : symbol->isDefined();
    if (refused)
      errorAtToken("symbol '" + name->getName() + "' is already defined");
  }
  move();
  return symbol;
}

// .equ name, expression   .set name, expression
void Parser::evalSet() { evalAssignment(false, false); }
// .equiv name, expression
void Parser::evalEquiv() { evalAssignment(true, false); }
// .eqv name, expression
void Parser::evalEqv() { evalAssignment(true, true); }

void Parser::evalAssignment(bool once, bool eachTime) {
  bool refused = false;
  Symbol *symbol = getAssignedSymbol(refused, once);
  if (!symbol)
    return;
  if (pass == 2)
    return evalSymbolValue(symbol);
  if (isNotComma()) {
    move(TC_NEWLINE);
    return;
  }
  move();
  ExpressionPtr e(parseExpression());
  if (!e) {
    move(TC_NEWLINE);
    return;
  }
  if (!refused) {
    if (eachTime)
      symbol->setEachTimeCalculatedExpression(new Expression(e.get()));
    if (once)
      symbol->setDefined(true);
    symbol->setValue(e.release(), true);
  }
  expectLineEnd();
}

void Parser::evalSymbolValue(Symbol *symbol) {
  move(TC_NEWLINE);
  symbol->nextValue();
  Value *value = symbol->getValue();
  Expression *e = value ? value->getExpression() : nullptr;
  if (!e)
    return;
  value->setInEvaluation(true);
  calculator->calculate(e);
  value->setInEvaluation(false);
  if (e->isCalculationError()) {
    reportCalculationError(e);
    return;
  }
  const ExpressionNode *root = e->getExpressionNode();
  if (!root || !root->isSymbol())
    return;
  const auto *node = static_cast<const ExpressionSymbolNode *>(root);
  const Value *target = node->getSymbolValue();
  const Section *section = target ? target->getSection() : nullptr;
  const std::string targetName = node->getSymbol()->getStrName();
  if (!section)
    error(e->getLocation(), "undefined symbol '" + targetName +
                                "' in operation setting '" +
                                symbol->getStrName() + "'");
  else if (section->isCommon())
    error(e->getLocation(), "'" + symbol->getStrName() +
                                "' can't be equated to common symbol '" +
                                targetName + "'");
}

// .type name, STT_NOTYPE|STT_OBJECT|STT_FUNC|STT_COMMON
void Parser::evalType() {
  if (pass == 2) {
    move(TC_NEWLINE);
    return;
  }
  if (isNotSymbol()) {
    move(TC_NEWLINE);
    return;
  }
  Symbol *symbol = symtab->getSymbol(static_cast<const Word *>(token));
  move();
  if (isNotComma()) {
    move(TC_NEWLINE);
    return;
  }
  move();
  if (!token->isWord() ||
      !architecture->isSymbolTypeFound(static_cast<Word *>(token))) {
    errorAtToken("unrecognized symbol type '" + unrecognizedToken(token) + "'");
    move(TC_NEWLINE);
    return;
  }
  // A section symbol must stay one, or the object would lose it.
  if (symbol->getType() != STT_SECTION)
    symbol->setType(
        architecture->getSymbolTypeCode(static_cast<Word *>(token)));
  move();
  expectLineEnd();
}

// .size name, expression
void Parser::evalSize() {
  if (isNotSymbol()) {
    move(TC_NEWLINE);
    return;
  }
  Symbol *symbol = symtab->getSymbol(static_cast<const Word *>(token));
  move();
  if (isNotComma()) {
    move(TC_NEWLINE);
    return;
  }
  move();
  if (pass == 1) {
    // The size is taken when it is final.
    if (!ExpressionPtr(parseExpression())) {
      move(TC_NEWLINE);
      return;
    }
  } else {
    long long value = 0;
    ExpressionPtr e = parseAbsoluteOperand(
        value, {".size expression too complicated to fix up"});
    if (!e)
      return;
    if (value < 0) {
      warning(e->getLocation(), "size is negative, ignored");
      symbol->setSize(0);
    } else if (value > MAX_COUNT) {
      error(e->getLocation(),
            "size (" + std::to_string(value) + ") out of range");
    } else {
      symbol->setSize(uint32_t(value));
    }
  }
  expectLineEnd();
}

// ---- conditional, repetition, include, message and position directives ----

namespace {

// Open source files allowed at once: a file that includes itself stops here
// instead of exhausting the process.
constexpr size_t MAX_INCLUDE_DEPTH = 64;

// The name used in the messages of .ifndef and .ifnotdef.
const char *ifdefName(bool defined) { return defined ? ".ifdef" : ".ifndef"; }

bool isLocOption(const std::string &name) {
  return name == "basic_block" || name == "prologue_end" ||
         name == "epilogue_begin" || name == "is_stmt" || name == "isa" ||
         name == "discriminator";
}

} // namespace

// .rept count | .if expression | .ifdef name | .ifb [text] | .ifeqs s1, s2
// ... (the directive table names each closer)
void Parser::evalTerminatedPseudoOperation(
    const TerminatedPseudoOperation *directive, const Location &location) {
  addTerminatedPseudoOperationToStack(directive, location);
  bool condition = false;
  switch (directive->getCode()) {
  case PO_REPT:
    return evalRept();
  case PO_IF:
  case PO_IFEQ:
  case PO_IFGE:
  case PO_IFGT:
  case PO_IFLE:
  case PO_IFLT:
    condition = evalIfe(directive);
    break;
  case PO_IFDEF:
    condition = evalIfd(directive, true);
    break;
  case PO_IFNDEF:
    condition = evalIfd(directive, false);
    break;
  case PO_IFB:
    condition = evalIfb(true);
    break;
  case PO_IFNB:
    condition = evalIfb(false);
    break;
  case PO_IFEQS:
    condition = evalIfeqs(true);
    break;
  case PO_IFNES:
    condition = evalIfeqs(false);
    break;
  default:
    break;
  }
  if (!condition)
    skipConditionalBlock();
}

// .endif | .endr
void Parser::evalTerminatingPseudoOperation(
    const TerminatingPseudoOperation *directive, const Location &location) {
  if (directive->getCode() == PO_ENDR)
    evalEndr(location);
  else
    evalEndif(location);
}

bool Parser::evalIfe(const TerminatedPseudoOperation *directive) {
  return evalIfValue(directive->getName(), directive->getCode());
}

// A value condition of the given directive code; .elseif tests like .if.
bool Parser::evalIfValue(const std::string &name, int code) {
  long long value = 0;
  if (!parseAbsoluteOperand(
          value, {"non-constant expression in '", &name, "' statement"}) ||
      !expectLineEnd())
    return false;
  switch (code) {
  case PO_IFEQ:
    return value == 0;
  case PO_IFGE:
    return value >= 0;
  case PO_IFGT:
    return value > 0;
  case PO_IFLE:
    return value <= 0;
  case PO_IFLT:
    return value < 0;
  default:
    return value != 0;
  }
}

// .ifb [anything] | .ifnb [anything]
bool Parser::evalIfb(bool blank) {
  const bool result = isLineEnd() == blank;
  move(TC_NEWLINE);
  return result;
}

// .ifdef name | .ifndef name | .ifnotdef name
bool Parser::evalIfd(const TerminatedPseudoOperation *, bool defined) {
  if (tokenCode() != TC_WORD) {
    errorAtToken(std::string("invalid identifier for '") + ifdefName(defined) +
                 "'");
    return false;
  }
  // Looked up, never created: a test must not make a symbol appear.
  const Symbol *symbol =
      symtab->getExistingSymbol(static_cast<const Word *>(token));
  const bool hasValue = symbol && symbol->isValueDefined();
  move();
  if (!expectLineEnd())
    return false;
  return hasValue == defined;
}

// .ifeqs "a", "b" | .ifnes "a", "b"
bool Parser::evalIfeqs(bool equal) {
  if (isNotString())
    return false;
  // The lexer reuses its string token: keep the text.
  const std::string first = static_cast<const String *>(token)->getText();
  move();
  if (isNotComma())
    return false;
  move();
  if (isNotString())
    return false;
  const bool same = first == static_cast<const String *>(token)->getText();
  move();
  if (!expectLineEnd())
    return false;
  return same == equal;
}

// .else | .elseif expression, met while assembling the true branch
void Parser::evalElse(const PseudoOperation *directive,
                      const Location &location) {
  if (blockStack.empty() || !blockStack.back()->isIfBlock()) {
    error(location, "'" + directive->getName() + "' without matching '.if'");
    move(TC_NEWLINE);
    return;
  }
  if (directive->getKind() == PO_ELSE && !isLineEnd())
    expectLineEnd();
  skipToCurrentTerminator();
}

// .endif
void Parser::evalEndif(const Location &location) {
  if (blockStack.empty() || !blockStack.back()->isIfBlock()) {
    error(location, "'.endif' without matching '.if'");
    move(TC_NEWLINE);
    return;
  }
  blockStack.pop_back();
  expectLineEnd();
}

// .rept count
void Parser::evalRept() {
  long long count = 0;
  if (!parseAbsoluteOperand(count)) {
    skipToCurrentTerminator();
    return;
  }
  expectLineEnd();
  // Without a line end the input has ended: there is no body to replay.
  if (count <= 0 || tokenCode() != TC_NEWLINE) {
    skipToCurrentTerminator();
    return;
  }
  static_cast<ReptTerminator &>(*blockStack.back()).setValues(count - 1);
  tokenizer->storeState();
}

// .endr. A block closed while skipping was never replayed and has no
// saved reading point of its own to drop.
void Parser::evalEndr(const Location &location, bool replaying) {
  // The saved reading point belongs to the file of the .rept: an .endr of
  // another file cannot close it.
  if (blockStack.empty() || !blockStack.back()->isReptBlock() ||
      blockStack.back()->getLocation().getIndex() != location.getIndex()) {
    error(location, ".endr encountered without preceeding .rept");
    move(TC_NEWLINE);
    return;
  }
  expectLineEnd();
  auto &rept = static_cast<ReptTerminator &>(*blockStack.back());
  if (!replaying) {
    blockStack.pop_back();
    return;
  }
  // Only from a line end can reading go back to the body; an input that
  // has ended ends the repetition too.
  if (tokenCode() == TC_NEWLINE && rept.isNext()) {
    tokenizer->restoreState();
    return;
  }
  tokenizer->purgeState();
  blockStack.pop_back();
}

void Parser::addTerminatedPseudoOperationToStack(
    const TerminatedPseudoOperation *directive, const Location &location) {
  if (directive->getCode() == PO_REPT)
    blockStack.push_back(std::make_unique<ReptTerminator>(location, directive));
  else
    blockStack.push_back(std::make_unique<Terminator>(location, directive));
}

// Passes over a false branch up to its .else, a true .elseif or its .endif.
void Parser::skipConditionalBlock() { skipBlock(true); }

// Passes over the rest of the block on top of the stack and its closer.
void Parser::skipToCurrentTerminator() { skipBlock(false); }

// Reads statements without assembling them until the block on top when
// skipping began is closed (or, with stopAtElse, one of its other branches
// is entered). A file that ends meanwhile is closed as in assembly, so the
// skipping goes on in the file that included it.
void Parser::skipBlock(bool stopAtElse) {
  const size_t depth = blockStack.size();
  move(TC_NEWLINE);
  while (blockStack.size() >= depth) {
    switch (tokenCode()) {
    case TC_NEWLINE:
      move();
      break;
    case TC_NONE:
      return;
    case TC_EOF:
      eval__EOF__();
      move();
      break;
    case TC_WORD:
      if (skipPseudoOperation(depth, stopAtElse))
        return;
      break;
    default:
      move(TC_NEWLINE);
      break;
    }
  }
}

// One statement of a skipped block, at its first word. Labels are passed
// over and the rest of their line examined; block directives keep the
// stack in step. True when skipping stops at an .else or a true .elseif.
bool Parser::skipPseudoOperation(size_t depth, bool stopAtElse) {
  const Word *word = static_cast<const Word *>(token);
  const Location location = getTokenLocation();
  move();
  if (tokenCode() == ':' || tokenCode() == TC_ASSIGN) {
    move();
    return false;
  }
  const Instruction *instruction = architecture->getInstruction(word);
  if (!instruction || !instruction->isPseudoOperation()) {
    move(TC_NEWLINE);
    return false;
  }
  switch (instruction->getKind()) {
  case IK_TERMINATED:
    addTerminatedPseudoOperationToStack(
        static_cast<const TerminatedPseudoOperation *>(instruction), location);
    // Without stopAtElse the caller's own loop carries the nested block.
    if (stopAtElse)
      skipToCurrentTerminator();
    else
      move(TC_NEWLINE);
    return false;
  case IK_TERMINATING:
    if (static_cast<const TerminatingPseudoOperation *>(instruction)
            ->getCode() == PO_ENDR)
      evalEndr(location, false);
    else
      evalEndif(location);
    return false;
  case PO_ELSE:
    if (!stopAtElse || blockStack.size() != depth)
      break;
    expectLineEnd();
    return true;
  case PO_ELSEIF:
    if (!stopAtElse || blockStack.size() != depth)
      break;
    if (evalIfValue(instruction->getName(), PO_IF))
      return true;
    break;
  default:
    break;
  }
  move(TC_NEWLINE);
  return false;
}

// The name as given, else in the include directories, the last given first.
bool Parser::findIncludeFile(const std::string &name, std::string &path) {
  path = name;
  if (FileStat(name).isExists())
    return true;
  for (auto dir = includeDirectories.rbegin(); dir != includeDirectories.rend();
       ++dir) {
    path = *dir + FileStat::separator() + name;
    if (FileStat(path).isExists())
      return true;
  }
  return false;
}

// .include "file"
void Parser::evalInclude() {
  if (isNotString()) {
    move(TC_NEWLINE);
    return;
  }
  const std::string name = static_cast<const String *>(token)->getText();
  const Location location = getTokenLocation();
  move();
  if (!expectLineEnd())
    return;
  std::string path;
  if (!findIncludeFile(name, path)) {
    error(location, "can't open '" + name + "' for reading: no such file");
    return;
  }
  if (!FileStat(path).isReg()) {
    error(location, "can't open '" + path + "' for reading: no regular file");
    return;
  }
  if (tokenizer->fileDepth() >= MAX_INCLUDE_DEPTH) {
    error(location, "include nesting too deep (" +
                        std::to_string(MAX_INCLUDE_DEPTH) + " levels); '" +
                        name + "' not included");
    // The files above would go on including: two self-inclusions per file
    // make 2^64 files. Nothing more of this pass is read.
    tokenizer->end();
    return;
  }
  if (!tokenizer->insertFile(FileName(path)))
    error(location, "can't open '" + path + "' for reading");
}

// .err
void Parser::evalErr() {
  errorAtToken(".err encountered");
  expectLineEnd();
}

// .error ["text"]
void Parser::evalError() {
  evalUserMessage(true, ".error directive invoked in source file");
}

// .warning ["text"]
void Parser::evalWarning() {
  evalUserMessage(false, ".warning directive invoked in source file");
}

// The source's own message, or the directive's default text without one.
void Parser::evalUserMessage(bool isError, const std::string &defaultText) {
  const std::string *text = &defaultText;
  if (!isLineEnd()) {
    if (isNotString()) {
      move(TC_NEWLINE);
      return;
    }
    text = &static_cast<const String *>(token)->getText();
  }
  if (isError)
    errorAtToken(*text);
  else
    warningAtToken(*text);
  if (isLineEnd())
    return;
  move();
  expectLineEnd();
}

// .fail expression: 500 and above only warn
void Parser::evalFail() {
  const Location location = getTokenLocation();
  long long value = 0;
  if (!parseAbsoluteOperand(value))
    return;
  const std::string text = ".fail " + std::to_string(value) + " encountered";
  if (value >= 500)
    warning(location, text);
  else
    error(location, text);
  expectLineEnd();
}

// .print "text": once, from pass 2
void Parser::evalPrint() {
  if (isNotString()) {
    move(TC_NEWLINE);
    return;
  }
  const std::string text = static_cast<const String *>(token)->getText();
  move();
  if (!expectLineEnd())
    return;
  if (pass == 2)
    std::cout << text << '\n';
}

// .end
void Parser::evalEnd() {
  expectLineEnd();
  tokenizer->end();
}

// .syntax V1|V2
void Parser::evalSyntax() {
  uint16_t version = 0;
  if (token->isWord()) {
    const Word *word = static_cast<const Word *>(token);
    if (word == tokenizer->getWord("V1"))
      version = 1;
    else if (word == tokenizer->getWord("V2"))
      version = 2;
  }
  if (!version) {
    errorAtToken("expected syntax version value (V1 or V2); got '" +
                 unrecognizedToken(token) + "'");
    move(TC_NEWLINE);
    return;
  }
  if (version != currentSyntax) {
    warningAtToken("syntax version changed to V" + std::to_string(version));
    currentSyntax = version;
  }
  move();
  expectLineEnd();
}

// .file "name" | .file index [,] "name"
void Parser::evalFile() {
  if (token->isString()) {
    move();
    warningAtToken("DEFAULT VERSION OF .FILE: NOT IMPLEMENTED YET; IGNORE");
    expectLineEnd();
    return;
  }
  ExpressionPtr e(parseExpression());
  if (!e) {
    move(TC_NEWLINE);
    return;
  }
  if (tokenCode() == ',')
    move();
  if (isNotString()) {
    move(TC_NEWLINE);
    return;
  }
  const std::string name = static_cast<const String *>(token)->getText();
  move();
  if (!expectLineEnd())
    return;
  // Only pass 2 fills the table: then the rows' offsets are final too.
  if (pass == 1)
    return;
  long long index = 0;
  if (!isAbsoluteExpression(e.get(), index))
    return;
  const Location &location = e->getLocation();
  if (index < 1) {
    error(location, "file dwarf index less than one");
    return;
  }
  // The table's keys are 32 bits wide: a larger index would alias another.
  if (index > MAX_COUNT) {
    error(location,
          "file dwarf index " + std::to_string(index) + " out of range");
    return;
  }
  if (!fileTable.emplace(unsigned(index), name).second)
    error(location,
          "file dwarf index " + std::to_string(index) + " already allocated");
}

// .loc file [,] line [[,] column] [[,] option]...
//   option: basic_block | prologue_end | epilogue_begin | is_stmt value |
//           isa value | discriminator value
void Parser::evalLoc() {
  ExpressionPtr file(parseExpression());
  if (!file) {
    move(TC_NEWLINE);
    return;
  }
  if (tokenCode() == ',')
    move();
  ExpressionPtr line(parseExpression());
  if (!line) {
    move(TC_NEWLINE);
    return;
  }
  if (tokenCode() == ',')
    move();
  ExpressionPtr column;
  if (!(tokenCode() == TC_WORD &&
        isLocOption(static_cast<const Word *>(token)->getName()))) {
    column.reset(parseExpression());
    if (!column) {
      move(TC_NEWLINE);
      return;
    }
    if (tokenCode() == ',')
      move();
  }

  auto row = std::make_unique<DwarfLine>();
  ExpressionPtr isStmt, isa, discriminator;
  while (tokenCode() == TC_WORD) {
    const std::string &option = static_cast<const Word *>(token)->getName();
    ExpressionPtr *operand = nullptr;
    if (option == "basic_block")
      row->basicBlock = 1;
    else if (option == "prologue_end")
      row->prologueEnd = 1;
    else if (option == "epilogue_begin")
      row->epilogueBegin = 1;
    else if (option == "is_stmt")
      operand = &isStmt;
    else if (option == "isa")
      operand = &isa;
    else if (option == "discriminator")
      operand = &discriminator;
    else {
      errorAtToken("junk at end of line, first unrecognized token is '" +
                   option + "'");
      move(TC_NEWLINE);
      return;
    }
    move();
    if (operand) {
      operand->reset(parseExpression());
      if (!*operand) {
        move(TC_NEWLINE);
        return;
      }
    }
    if (tokenCode() == ',')
      move();
  }
  if (!expectLineEnd())
    return;
  if (pass == 1)
    return;

  long long value = 0;
  if (!isAbsoluteExpression(file.get(), value))
    return;
  if (value < 1) {
    error(file->getLocation(), "dwarf file index less than one");
    return;
  }
  if (value > MAX_COUNT || !fileTable.count(unsigned(value))) {
    error(file->getLocation(),
          "unassigned dwarf file index " + std::to_string(value));
    return;
  }
  row->file = uint64_t(value);
  if (!isAbsoluteExpression(line.get(), value))
    return;
  if (value < 0) {
    error(line->getLocation(), "line dwarf number is negative");
    return;
  }
  row->line = uint64_t(value);
  if (column) {
    if (!isAbsoluteExpression(column.get(), value))
      return;
    if (value < 0) {
      error(column->getLocation(), "column dwarf number is negative");
      return;
    }
    row->column = uint64_t(value);
  }
  if (isStmt) {
    if (!isAbsoluteExpression(isStmt.get(), value))
      return;
    if (value != 0 && value != 1) {
      error(isStmt->getLocation(), "is_stmt value not 0 or 1");
      return;
    }
    row->isStmt = uint32_t(value);
  }
  if (isa) {
    if (!isAbsoluteExpression(isa.get(), value))
      return;
    row->isa = uint64_t(value);
  }
  if (discriminator) {
    if (!isAbsoluteExpression(discriminator.get(), value))
      return;
    row->discriminator = uint64_t(value);
  }
  row->address = currentSubsection ? currentSubsection->getRealDot() : 0;
  lineList.push_back(std::move(row));
}
