// unitlayout.h - the program memory of a ZP100 image, four processing
// units of rows, read back in the order the linker dealt the operations of
// each paragraph out to the units.
#ifndef ZV_OBJDUMP_UNITLAYOUT_H
#define ZV_OBJDUMP_UNITLAYOUT_H

#include <cstdint>
#include <vector>

namespace zvod {

class OpDecoder;

class UnitLayout {
public:
  static constexpr unsigned Units = 4;
  static constexpr uint32_t RowBytes = 8;

  // One operation found in a unit: where it lies and its place in its
  // paragraph (numbers from 1; paragraph and number 0 when the units could
  // not be read as dealt paragraphs).
  struct Placed {
    unsigned unit;
    uint32_t offset;
    uint32_t size;
    unsigned paragraph;
    unsigned number;
  };

  UnitLayout(const OpDecoder &decoder, uint8_t encoding);

  // The program memory of the next unit, from row 0.
  void addUnit(const uint8_t *data, uint32_t size);

  // Follows the linker's dealing from row 0: every paragraph starts at one
  // row in all units, its first operation on unit 0, the next ones on the
  // following units in turn, and ends at the operation that closes it.
  // False when the units do not read that way; the operations are then
  // those of each unit read front to back.
  bool deal();

  const std::vector<Placed> &getPlaced() const { return placed; }
  // Start row of every paragraph, in order (empty when not dealt).
  const std::vector<uint32_t> &getParagraphRows() const { return rows; }
  uint32_t rowCount() const;
  uint32_t unitSize(unsigned unit) const;
  uint32_t wordAt(unsigned unit, uint32_t offset) const;

private:
  bool rowIsZero(uint32_t row) const;
  bool tryDeal();
  void readFrontToBack();

  const OpDecoder &decoder;
  uint8_t encoding;
  std::vector<const uint8_t *> data;
  std::vector<uint32_t> sizes;
  std::vector<Placed> placed;
  std::vector<uint32_t> rows;
};

} // namespace zvod

#endif
