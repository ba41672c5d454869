// parser_of_data_directives.cpp - section and data directives: sections and
// subsections, integers, floats and strings, alignment, skips, fills, LEB128.
#include "parser.h"

#include <algorithm>
#include <cstring>
#include <elf.h>
#include <sstream>
#include <vector>

#include "architecture.h"
#include "expression.h"
#include "expressioncalculator.h"
#include "float.h"
#include "instruction.h"
#include "sectab.h"
#include "section.h"
#include "subsection.h"
#include "token.h"
#include "tokenizer.h"

namespace {

constexpr int64_t MAX_ALIGNMENT = 0x80000000LL;

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
  const size_t chunkSize = size * size_t(std::min<uint64_t>(count, perChunk));
  // Most runs are short: their chunk is on the stack.
  char small[256];
  std::vector<char> large;
  char *chunk = small;
  if (chunkSize > sizeof small) {
    large.resize(chunkSize);
    chunk = large.data();
  }
  for (size_t i = 0; i < chunkSize; i += size)
    std::memcpy(chunk + i, pattern, size);
  const uint64_t chunkCopies = chunkSize / size;
  while (count) {
    const uint64_t copies = std::min(count, chunkCopies);
    data->addData(chunk, size_t(copies * size));
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
        ExpressionPtr e = parseOperand();
        long long value = 0;
        if (e && isAbsoluteExpression(e.get(), value)) {
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
    if (kind == DK_INTEGER && !data) {
      // Counting only: whether the operand is well formed.
      if (!skimExpression())
        moven(',');
      currentSubsection->moveDot(unit);
    } else if (kind == DK_INTEGER) {
      PlainNumber plain;
      ExpressionPtr e(parseExpressionOrNumber(plain));
      if (plain.found) {
        // An absolute number: no relocation.
        writeInteger(data, adjustNumber(plain.value, plain.location, unit),
                     unit);
      } else if (!e) {
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
  ExpressionPtr e = parseOperand();
  if (!e)
    return;
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
    ExpressionPtr f = parseOperand();
    if (!f)
      return;
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
    else if (!skimExpression())
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
