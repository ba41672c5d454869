// unitlayout.cpp - reading ZP100 program memory back as the linker dealt
// it: paragraph by paragraph, one operation per unit in turn, with the
// zero rows the linker puts between paragraphs passed over.
#include "unitlayout.h"

#include "elffile.h"
#include "opdecoder.h"

#include <algorithm>

namespace zvod {

UnitLayout::UnitLayout(const OpDecoder &decoder, uint8_t encoding)
    : decoder(decoder), encoding(encoding) {}

void UnitLayout::addUnit(const uint8_t *bytes, uint32_t size) {
  data.push_back(bytes);
  sizes.push_back(size);
}

uint32_t UnitLayout::unitSize(unsigned unit) const {
  return unit < sizes.size() ? sizes[unit] : 0;
}

uint32_t UnitLayout::rowCount() const {
  uint32_t most = 0;
  for (uint32_t s : sizes)
    most = std::max(most, s);
  return (most + RowBytes - 1) / RowBytes;
}

uint32_t UnitLayout::wordAt(unsigned unit, uint32_t offset) const {
  if (unit >= sizes.size() || offset > sizes[unit] || sizes[unit] - offset < 4)
    return 0;
  return ElfFile::word(data[unit] + offset, encoding);
}

bool UnitLayout::rowIsZero(uint32_t row) const {
  for (unsigned k = 0; k < sizes.size(); ++k)
    for (uint32_t b = row * RowBytes; b < (row + 1) * RowBytes && b < sizes[k];
         ++b)
      if (data[k][b] != 0)
        return false;
  return true;
}

bool UnitLayout::deal() {
  placed.clear();
  rows.clear();
  if (sizes.size() == Units && tryDeal())
    return true;
  placed.clear();
  rows.clear();
  readFrontToBack();
  return false;
}

bool UnitLayout::tryDeal() {
  const uint32_t rowTotal = rowCount();
  std::vector<std::vector<bool>> covered(Units);
  for (unsigned k = 0; k < Units; ++k)
    covered[k].assign(sizes[k], false);
  uint32_t row = 0;
  for (;;) {
    // Rows of zeros stand between paragraphs where the linker padded.
    while (row < rowTotal && rowIsZero(row))
      ++row;
    if (row >= rowTotal)
      break;
    const unsigned paragraph = static_cast<unsigned>(rows.size()) + 1;
    rows.push_back(row);
    uint32_t fill[Units];
    for (uint32_t &f : fill)
      f = row * RowBytes;
    unsigned k = 0;
    unsigned number = 0;
    for (;;) {
      // An operation word is never zero: a zero here means the units were
      // not dealt this way.
      uint32_t word = wordAt(k, fill[k]);
      if (word == 0)
        return false;
      uint32_t size = decoder.hasExtensionWord(word) ? 8 : 4;
      if (sizes[k] - fill[k] < size)
        return false;
      placed.push_back({k, fill[k], size, paragraph, ++number});
      for (uint32_t b = 0; b < size; ++b)
        covered[k][fill[k] + b] = true;
      fill[k] += size;
      if (decoder.endsParagraph(word))
        break;
      k = (k + 1) % Units;
    }
    uint32_t end = *std::max_element(fill, fill + Units);
    row = (end + RowBytes - 1) / RowBytes;
  }
  // Everything not taken by an operation must be fill.
  for (unsigned k = 0; k < Units; ++k)
    for (uint32_t b = 0; b < sizes[k]; ++b)
      if (!covered[k][b] && data[k][b] != 0)
        return false;
  std::stable_sort(
      placed.begin(), placed.end(), [](const Placed &a, const Placed &b) {
        return a.unit != b.unit ? a.unit < b.unit : a.offset < b.offset;
      });
  return true;
}

void UnitLayout::readFrontToBack() {
  for (unsigned k = 0; k < sizes.size(); ++k) {
    uint32_t at = 0;
    while (sizes[k] - at >= 4) {
      uint32_t word = wordAt(k, at);
      DecodedOperation op;
      uint32_t size = decoder.decode(word, op) ? op.size() : 4;
      if (sizes[k] - at < size)
        size = 4;
      placed.push_back({k, at, size, 0, 0});
      at += size;
    }
  }
}

} // namespace zvod
