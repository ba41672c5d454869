// sourcewriter.h - an object written back as assembly source: sections,
// paragraphs of operations, data with symbolic relocations and every
// symbol, so that zv-as assembles it into the same object again.
#ifndef ZV_OBJDUMP_SOURCEWRITER_H
#define ZV_OBJDUMP_SOURCEWRITER_H

#include "opdecoder.h"

#include <cstdint>
#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace zvod {

class ElfFile;
struct ElfRelocation;

class SourceWriter {
public:
  // syntax 1 or 2; forced keeps it even where the other would serve every
  // paragraph.
  SourceWriter(const ElfFile &file, const OpDecoder &decoder, int syntax,
               bool forced);

  // Writes the source; false with getLastError() when the object holds
  // something no source makes (nothing is written then).
  bool write(const std::string &fileName, std::ostream &out);
  const std::string &getLastError() const { return error; }

private:
  struct Label {
    uint32_t offset;
    std::string name;
  };
  struct Paragraph {
    uint32_t begin = 0;
    std::vector<uint32_t> offsets;
    std::vector<DecodedOperation> operations;
    int syntax = 0;
    std::vector<std::string> statements;
  };
  // What the source does with one section of the object.
  struct Plan {
    bool emitted = false;
    bool text = false;
    bool needsAnchor = false;
    std::vector<Paragraph> paragraphs;
    std::set<uint32_t> starts; // of the paragraphs
    std::set<uint32_t> vWords;
    std::vector<Label> labels; // in offset order once anchors are added
  };
  // A symbol that lies in a section where no label can stand for it.
  struct PendingSet {
    std::string name;
    size_t section;
    uint32_t value;
  };

  static bool byOffset(const Label &a, const Label &b);
  bool fail(const std::string &text);
  std::string place(size_t section, uint32_t offset) const;
  bool planSections();
  bool planText(size_t index);
  bool checkReferences(size_t index, const Paragraph &p);
  bool planSymbols();
  bool planRelocations();
  void addAnchors();
  bool renderParagraph(size_t index, Paragraph &p, int syntax) const;
  bool renderAll();
  std::string uniqueName(const std::string &base);
  const Label &anchor(size_t section, int64_t value) const;
  std::string anchored(size_t section, int64_t value) const;
  bool relocationText(const ElfRelocation &r, int64_t value, unsigned bytes,
                      std::string &text) const;

  void writeDeclarations(std::ostream &out) const;
  void writeSection(size_t index, std::ostream &out) const;
  void writeText(size_t index, std::ostream &out) const;
  void writeData(size_t index, std::ostream &out) const;
  void writeBytes(const uint8_t *data, uint32_t from, uint32_t to,
                  uint8_t encoding, std::ostream &out) const;

  const ElfFile &file;
  const OpDecoder &decoder;
  int syntax;
  bool forced;
  std::vector<Plan> plans;
  // Symbols the source defines or declares, by symbol table index.
  std::vector<bool> handled;
  std::vector<PendingSet> pendingSets;
  // Symbols given their value by .set: name and expression.
  std::vector<std::pair<std::string, std::string>> sets;
  std::set<std::string> names;
  std::string error;
};

} // namespace zvod

#endif
