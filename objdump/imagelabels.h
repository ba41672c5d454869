// imagelabels.h - the names of an image's paragraphs and data, which the
// image keeps only in its debugging information, or which a link map
// gives: the labels at an address, and an address as label or
// label+offset.
#ifndef ZV_OBJDUMP_IMAGELABELS_H
#define ZV_OBJDUMP_IMAGELABELS_H

#include <cstdint>
#include <string>
#include <vector>

namespace zvod {

struct DebugLabel;

class ImageLabels {
public:
  struct Label {
    uint64_t address; // a code address (a row on ZP100) or a data address
    std::string name;
  };

  // The label entries of the image's debugging information; on ZP100
  // their code addresses are positions, whose row is position / 32.
  void fromDebugInfo(const std::vector<DebugLabel> &labels, bool positions);
  // The text of a link map (zv-ld -M): the symbols of .text are code, those
  // of .data and .bss data. False with getLastError() for a text that is no
  // link map.
  bool fromMap(const std::string &text);
  const std::string &getLastError() const { return error; }

  bool empty() const { return code.empty() && data.empty(); }
  // Labels in address order, names in the order met for one address.
  const std::vector<Label> &getCode() const { return code; }
  // Where data memory ends; an address at or past it names no label.
  void setDataEnd(uint64_t end) { dataEnd = end; }
  void setCodeEnd(uint64_t end) { codeEnd = end; }

  // The address as the last label at or below it, with +0x offset when it
  // is past that label; false when no label lies at or below it.
  bool codeName(uint64_t address, std::string &name) const;
  bool dataName(uint64_t address, std::string &name) const;

private:
  static bool nameIn(const std::vector<Label> &labels, uint64_t end,
                     uint64_t address, std::string &name);
  void sort();

  std::vector<Label> code;
  std::vector<Label> data;
  uint64_t codeEnd = UINT64_MAX;
  uint64_t dataEnd = UINT64_MAX;
  std::string error;
};

} // namespace zvod

#endif
