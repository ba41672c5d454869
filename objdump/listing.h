// listing.h - the disassembly listing: the code of an object section by
// section with labels and relocations, the program memory of an image, and
// the four processing units of a ZP100 image side by side.
#ifndef ZV_OBJDUMP_LISTING_H
#define ZV_OBJDUMP_LISTING_H

#include <cstddef>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace zvod {

class ElfFile;
class ImageLabels;
class OpDecoder;
class SourceLines;
class UnitLayout;
struct ElfRelocation;
struct ElfSymbol;

class Listing {
public:
  // syntax is 1 or 2; relocations adds the -r lines.
  Listing(const ElfFile &file, const OpDecoder &decoder, int syntax,
          bool relocations, std::ostream &out);

  // The text sections of an object.
  void listObject();
  // The program memory of an image: linear for ZP200, unit by unit with
  // rows as addresses for ZP100.
  void listImage();
  // ZP100 images: one row of all four units per line; false for any other
  // file.
  bool listRows();

  // Whether the file is a ZP100 image whose program memory is four units.
  bool hasUnits() const;

  // Source lines above the operations: of an object's section (its
  // offsets), of an image's program memory (ZP200 addresses, ZP100
  // positions).
  void setSourceLines(SourceLines *lines, size_t objectSection) {
    source = lines;
    sourceSection = objectSection;
  }
  // Labels of an image: paragraphs named where they start, and the V words
  // of memory accesses and control transfers that hit a label.
  void setImageLabels(const ImageLabels *labels) { imageLabels = labels; }

private:
  void listSection(size_t index);
  void listLinear(const uint8_t *data, uint32_t size, uint32_t base,
                  uint8_t encoding);
  void listUnits();
  // Program memory of each unit, in unit order.
  std::vector<const uint8_t *> unitData() const;
  void fillLayout(UnitLayout &layout) const;
  // The statement text of the operation at data (size bytes left); its
  // byte count in consumed; false when it is no operation.
  bool statement(const uint8_t *data, uint32_t left, uint8_t encoding,
                 size_t section, uint32_t offset, std::string &text,
                 uint32_t &consumed, bool &endsParagraph);
  std::string relocationTarget(const ElfRelocation &r, int64_t value);
  std::string relocationLine(size_t section, const ElfRelocation &r) const;
  // The symbols of a section that name places, in value order.
  const std::vector<const ElfSymbol *> &labelsOf(size_t section);
  std::string symbolAt(size_t section, int64_t offset);
  void printLine(const std::string &address, const uint8_t *data, uint32_t size,
                 uint8_t encoding, const std::string &text);
  void sourceBefore(uint64_t key);
  // The image labels of code addresses [from, below), one line each.
  void imageLabelsIn(uint64_t from, uint64_t below);
  void blank();

  const ElfFile &file;
  const OpDecoder &decoder;
  int syntax;
  bool relocations;
  std::ostream &out;
  bool lastBlank = false;
  // By section index, made on first use.
  std::vector<std::vector<const ElfSymbol *>> labels;
  SourceLines *source = nullptr;
  size_t sourceSection = SIZE_MAX;
  const ImageLabels *imageLabels = nullptr;
};

} // namespace zvod

#endif
