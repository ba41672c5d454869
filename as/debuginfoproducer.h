// debuginfoproducer.h - the DWARF producers of the assembler: the assembly
// source's labels, paragraphs and lines, or the positions .file/.loc name.
#ifndef ZV_AS_DEBUGINFOPRODUCER_H
#define ZV_AS_DEBUGINFOPRODUCER_H

#include <cstdint>
#include <list>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <libdwarf.h>

#include "filename.h"
#include "location.h"

class PathPrefixMap;
class Section;
class Symbol;

// One .loc row: where in .text it applies and the source position it names.
struct DwarfLine {
  uint64_t address = 0;
  uint64_t file = 0;
  uint64_t line = 0;
  uint64_t column = 0;
  uint32_t isStmt = 0;
  uint32_t basicBlock = 0;
  uint32_t prologueEnd = 0;
  uint32_t epilogueBegin = 0;
  uint64_t isa = 0;
  uint64_t discriminator = 0;
};

// A data or bss label as pass 2 met it. The definition is taken when the
// label is registered: it is the value in force at that point.
class Label {
public:
  explicit Label(const Symbol *symbol);
  Label(const Label &) = delete;
  Label &operator=(const Label &) = delete;
  virtual ~Label();

  virtual bool isParagraph() const { return false; }
  const Symbol *getSymbol() const { return symbol; }
  // Where the label was defined, and the section its value lies in (null
  // when the value has none).
  const Location &getDefinition() const { return definition; }
  const Section *getSection() const { return section; }

private:
  const Symbol *symbol;
  Location definition;
  const Section *section = nullptr;
};

// One operation of a paragraph: its source position and section offset.
struct ParagraphLine {
  uint32_t line = 0;
  uint32_t column = 0;
  uint64_t codeOffset = 0;
  int isStmt = 0;
};

// A label in a text section together with the operations that follow it.
class Paragraph : public Label {
public:
  explicit Paragraph(const Symbol *symbol);
  ~Paragraph() override;

  bool isParagraph() const override { return true; }
  // Further labels placed before the first operation.
  const std::vector<const Symbol *> &getAlternatives() const {
    return alternatives;
  }
  void addAlternative(const Symbol *symbol) { alternatives.push_back(symbol); }
  const std::vector<std::unique_ptr<ParagraphLine>> &getLines() const {
    return lines;
  }
  void addLine(std::unique_ptr<ParagraphLine> line) {
    lines.push_back(std::move(line));
  }
  uint32_t getEndPosition() const { return endPosition; }
  bool isComplete() const { return complete; }
  void setComplete(uint32_t position) {
    endPosition = position;
    complete = true;
  }

private:
  std::vector<const Symbol *> alternatives;
  std::vector<std::unique_ptr<ParagraphLine>> lines;
  uint32_t endPosition;
  bool complete = false;
};

// One level of the DIE tree being built: new DIEs become children of the
// parent, each the right sibling of the one before.
struct DwarfCurrentDie {
  Dwarf_P_Die parent = nullptr;
  Dwarf_P_Die last = nullptr;
};

class DebugInfoProducer {
public:
  DebugInfoProducer(const DebugInfoProducer &) = delete;
  DebugInfoProducer &operator=(const DebugInfoProducer &) = delete;
  virtual ~DebugInfoProducer();

  // True for the producer that describes the assembly source itself, false
  // for the one that describes .file/.loc positions.
  virtual bool isAsmDebugInfo() const = 0;
  // Turns everything gathered into byte streams; false with getLastError().
  virtual bool transformToDiskForm();
  // Creates the libdwarf handle and the compilation unit.
  virtual bool init();
  // Hands the unit to libdwarf.
  virtual bool finish();

  // The next byte stream with the index of the section it belongs to, or
  // null when none is left (index and length then 0). On a failure error is
  // set and the result is null.
  virtual const uint8_t *getSectionBytes(int64_t &elfSectionIndex,
                                         uint64_t &length, bool &error);
  void resetSectionBytes();
  virtual const std::string &getLastError() const { return lastError; }
  // Flattened pairs (section name, relocation section name or ""); only
  // the assembly-level producer names any.
  virtual const std::vector<std::string> &
  getDebugSectionNameSequence(bool rebuild = false);

  // The libdwarf flags for an object whose code has this ELF encoding.
  static Dwarf_Unsigned flagsForEncoding(uint8_t encoding);
  // Directory names are written through the map (borrowed; may be null).
  void setPrefixMap(const PathPrefixMap *map) { prefixMap = map; }

protected:
  DebugInfoProducer();
  DebugInfoProducer(const FileName &file, Dwarf_Unsigned flags,
                    Dwarf_Callback_Func callback, void *userData);

  // Records text (with libdwarf's message when error is given) as the last
  // error and returns false.
  bool fail(const std::string &text);
  bool fail(const std::string &text, Dwarf_Error error);
  bool getDwarfDirectoryIndex(const std::string &path, Dwarf_Unsigned &index);
  // Splits a path into its directory (no trailing separator, "/" for the
  // root) and its file name.
  static void splitPath(const std::string &path, std::string &directory,
                        std::string &name);

  Dwarf_P_Debug dbg = nullptr;
  Dwarf_P_Die unitDie = nullptr;
  uint64_t streamCount = 0;
  uint64_t nextStream = 0;
  FileName file;
  Dwarf_Unsigned flags = 0;
  Dwarf_Callback_Func callback = nullptr;
  void *userData = nullptr;
  std::string unitDirectory;
  std::string unitFileName;
  std::map<std::string, Dwarf_Unsigned> directoryIndexes;
  const PathPrefixMap *prefixMap = nullptr;
  std::string lastError;

private:
  std::vector<std::string> noSections;
};

// Describes the assembly source: a DIE per data label and per paragraph,
// and a line table with a row per operation.
class AsmDebugInfoProducer : public DebugInfoProducer {
public:
  AsmDebugInfoProducer(const FileName &file, Dwarf_Unsigned flags,
                       Dwarf_Callback_Func callback, void *userData);
  ~AsmDebugInfoProducer() override;

  bool isAsmDebugInfo() const override { return true; }
  bool transformToDiskForm() override;
  bool init() override;
  bool finish() override;

  // Pass 2 feeding.
  void addLabel(const Symbol *symbol);
  void addParagraph(const Symbol *symbol);
  void addParagraphLine(const Location &location, uint64_t codeOffset,
                        int isStmt);
  void completeParagraph(uint32_t position);
  // The parser closed the open paragraph without a complete (an empty one
  // at the end of a file); the next text label starts a new one.
  void closeParagraph();

  const std::vector<std::string> &
  getDebugSectionNameSequence(bool rebuild = false) override;
  const std::list<std::unique_ptr<Label>> &getLabels() const { return labels; }

private:
  bool getDwarfFileIndex(const FileName &name, Dwarf_Unsigned &index);
  bool newDie(Dwarf_Tag tag, const std::string &name, const char *what,
              Dwarf_P_Die &die);
  bool addSymbolAllAttributes(Dwarf_P_Die die, const Label &label);
  bool addSymbolAttributes(Dwarf_P_Die die, const Symbol *symbol,
                           const Location &definition);
  bool addVariableDIE(const Label &label);
  bool addParagraphDIE(const Paragraph &paragraph);
  bool addParagraphLines(const Paragraph &paragraph);
  bool endSequence();
  bool addUnitRange();

  std::vector<std::string> sectionNames;
  uint64_t createMask = 0;
  uint64_t relocationMask = 0;
  std::map<std::string, Dwarf_Unsigned> fileIndexes;
  unsigned lastFileName = 0;
  Dwarf_Unsigned lastFileIndex = 0;
  bool lastFileKnown = false;
  std::vector<DwarfCurrentDie> levels;
  std::list<std::unique_ptr<Label>> labels;
  // The paragraph operations go to: a bss label (.lcomm) between its
  // operations does not end it.
  Paragraph *openParagraph = nullptr;
  bool sequenceStarted = false;
  // The open line sequence covers one section from its start onwards.
  const Section *sequenceSection = nullptr;
  uint64_t sequenceEnd = 0;
  const Paragraph *firstParagraph = nullptr;
  const Paragraph *lastParagraph = nullptr;
};

// Describes the source positions given with .file and .loc.
class SrcDebugInfoProducer : public DebugInfoProducer {
public:
  SrcDebugInfoProducer(const FileName &file, Dwarf_Unsigned flags,
                       Dwarf_Callback_Func callback, void *userData);
  ~SrcDebugInfoProducer() override;

  bool isAsmDebugInfo() const override { return false; }
  bool transformToDiskForm() override;

  // The tables stay the caller's; they must outlive the producer's use.
  void setSourceDataForDebugLineSection(
      const std::map<unsigned, std::string> *fileTable,
      const std::vector<std::unique_ptr<DwarfLine>> *lineList,
      const Symbol *textSymbol, uint64_t textSize);

private:
  const std::map<unsigned, std::string> *fileTable = nullptr;
  const std::vector<std::unique_ptr<DwarfLine>> *lineList = nullptr;
  const Symbol *textSymbol = nullptr;
  uint64_t textSize = 0;
};

#endif
