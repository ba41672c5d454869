// debuginfoproducer.cpp - DWARF for the object: DIEs for labels and
// paragraphs, line tables for operations or .loc rows, through libdwarf.
#include "debuginfoproducer.h"

#include <algorithm>

#include <dwarf.h>

#include "dwarfproducer.h"
#include "dwarftags.h"
#include "expression.h"
#include "filestat.h"
#include "pathprefixmap.h"
#include "section.h"
#include "symbol.h"

namespace {

const Dwarf_Tag TagParagraph = DwarfTagParagraph;
const Dwarf_Tag TagParagraphLabel = DwarfTagParagraphLabel;
const Dwarf_Unsigned LanguageZorvel = 0x8100;
const char *const ProducerName = "Zorvel assembler";
const char *const LocError = "internal as error (.file, .loc)";

// Where the symbol's value in force was written in the source (for a
// label a macro made: the invocation).
Location definitionOf(const Symbol *symbol) {
  const Value *value = symbol ? symbol->getValue() : nullptr;
  const Expression *e = value ? value->getExpression() : nullptr;
  return e ? e->getLocation().invocationSite() : Location();
}

const Section *sectionOf(const Symbol *symbol) {
  const Value *value = symbol ? symbol->getValue() : nullptr;
  return value ? value->getSection() : nullptr;
}

// The object's symbol for the section, which relocations refer to.
Dwarf_Unsigned sectionSymbolIndex(const Section *section) {
  const Symbol *symbol = section ? section->getLinkedSymbol() : nullptr;
  return symbol ? symbol->getIndex() : 0;
}

} // namespace

// ---- Label, Paragraph ----

Label::Label(const Symbol *symbol)
    : symbol(symbol), definition(definitionOf(symbol)),
      section(sectionOf(symbol)) {}

Label::~Label() = default;

Paragraph::Paragraph(const Symbol *symbol)
    : Label(symbol), endPosition(symbol ? symbol->getStValue() : 0) {}

Paragraph::~Paragraph() = default;

// ---- DebugInfoProducer ----

DebugInfoProducer::DebugInfoProducer() = default;

DebugInfoProducer::DebugInfoProducer(const FileName &file, Dwarf_Unsigned flags,
                                     Dwarf_Callback_Func callback,
                                     void *userData)
    : file(file), flags(flags), callback(callback), userData(userData) {}

DebugInfoProducer::~DebugInfoProducer() {
  // Everything libdwarf allocated for the unit goes with the handle.
  if (dbg) {
    Dwarf_Error error = nullptr;
    dwarf_producer_finish_a(dbg, &error);
  }
}

Dwarf_Unsigned DebugInfoProducer::flagsForEncoding(uint8_t encoding) {
  return DwarfProducer::flagsForEncoding(encoding);
}

bool DebugInfoProducer::fail(const std::string &text) {
  lastError = text;
  return false;
}

bool DebugInfoProducer::fail(const std::string &text, Dwarf_Error error) {
  lastError = text + DwarfProducer::errorText(error);
  return false;
}

void DebugInfoProducer::splitPath(const std::string &path,
                                  std::string &directory, std::string &name) {
  size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) {
    directory.clear();
    name = path;
    return;
  }
  directory = path.substr(0, slash == 0 ? 1 : slash);
  name = path.substr(slash + 1);
}

bool DebugInfoProducer::init() {
  if (dbg)
    return fail("iternal as error: dwarf descriptor for compilation unit '" +
                file.getName() + "' is already initialized");

  FileStat path(file.getName());
  if (!path.makeAbsolute())
    return fail("couldn't get absolute path to '" + file.getName() + "'");
  splitPath(path.filePath(), unitDirectory, unitFileName);

  Dwarf_Error error = nullptr;
  if (DwarfProducer::init(flags, callback, userData, &dbg, &error) !=
      DW_DLV_OK) {
    dbg = nullptr;
    return fail("couldn't create dwarf descriptor for compilation unit '" +
                    file.getName() + "': ",
                error);
  }

  if (dwarf_new_die_a(dbg, DW_TAG_compile_unit, nullptr, nullptr, nullptr,
                      nullptr, &unitDie, &error) != DW_DLV_OK)
    return fail("couldn't create debug tag DW_TAG_compile_unit for "
                "compilatiom unit: ",
                error);
  Dwarf_P_Attribute attribute = nullptr;
  std::string producer = ProducerName;
  if (dwarf_add_AT_producer_a(unitDie, producer.data(), &attribute, &error) !=
      DW_DLV_OK)
    return fail("couldn't create debug attribute DW_AT_producer for "
                "compilatiom unit: ",
                error);
  if (dwarf_add_AT_unsigned_const_a(dbg, unitDie, DW_AT_language,
                                    LanguageZorvel, &attribute,
                                    &error) != DW_DLV_OK)
    return fail("couldn't create debug attribute DW_AT_language for "
                "compilatiom unit: ",
                error);
  if (dwarf_add_AT_name_a(unitDie, unitFileName.data(), &attribute, &error) !=
      DW_DLV_OK)
    return fail("couldn't create debug attribute DW_AT_name for compilatiom "
                "unit: ",
                error);
  std::string directory =
      prefixMap ? prefixMap->apply(unitDirectory) : unitDirectory;
  if (dwarf_add_AT_comp_dir_a(unitDie, directory.data(), &attribute, &error) !=
      DW_DLV_OK)
    return fail("couldn't create debug attribute DW_AT_comp_dir for "
                "compilatiom unit: ",
                error);
  return true;
}

bool DebugInfoProducer::finish() {
  Dwarf_Error error = nullptr;
  if (dwarf_add_die_to_debug_a(dbg, unitDie, &error) != DW_DLV_OK)
    return fail("couldn't set root die for compilation unit: ", error);
  return true;
}

bool DebugInfoProducer::getDwarfDirectoryIndex(const std::string &path,
                                               Dwarf_Unsigned &index) {
  index = 0;
  if (path.empty() || path == unitDirectory)
    return true;
  auto known = directoryIndexes.find(path);
  if (known != directoryIndexes.end()) {
    index = known->second;
    return true;
  }
  std::string name = prefixMap ? prefixMap->apply(path) : path;
  Dwarf_Error error = nullptr;
  if (dwarf_add_directory_decl_a(dbg, name.data(), &index, &error) != DW_DLV_OK)
    return fail("couldn't add directory '" + path +
                    "' to the debug line information for compilation unit: ",
                error);
  directoryIndexes[path] = index;
  return true;
}

bool DebugInfoProducer::transformToDiskForm() {
  Dwarf_Signed count = 0;
  Dwarf_Error error = nullptr;
  if (!dbg || dwarf_transform_to_disk_form_a(dbg, &count, &error) != DW_DLV_OK)
    return fail("couldn't transform all the accumulated debug information "
                "into byte streams for compilation unit: ",
                error);
  streamCount = count > 0 ? static_cast<uint64_t>(count) : 0;
  nextStream = 0;
  return true;
}

const uint8_t *DebugInfoProducer::getSectionBytes(int64_t &elfSectionIndex,
                                                  uint64_t &length,
                                                  bool &error) {
  elfSectionIndex = 0;
  length = 0;
  error = false;
  if (!dbg || nextStream >= streamCount)
    return nullptr;
  Dwarf_Signed index = 0;
  Dwarf_Unsigned size = 0;
  Dwarf_Ptr bytes = nullptr;
  Dwarf_Error dwarfError = nullptr;
  if (dwarf_get_section_bytes_a(dbg, static_cast<Dwarf_Signed>(nextStream),
                                &index, &size, &bytes,
                                &dwarfError) != DW_DLV_OK) {
    error = true;
    fail("couldn't get debug section byte stream for compilation unit: ",
         dwarfError);
    return nullptr;
  }
  ++nextStream;
  elfSectionIndex = index;
  length = size;
  return static_cast<const uint8_t *>(bytes);
}

void DebugInfoProducer::resetSectionBytes() {
  if (dbg && streamCount != 0)
    dwarf_reset_section_bytes(dbg);
  nextStream = 0;
}

const std::vector<std::string> &
DebugInfoProducer::getDebugSectionNameSequence(bool) {
  return noSections;
}

// ---- AsmDebugInfoProducer ----

AsmDebugInfoProducer::AsmDebugInfoProducer(const FileName &file,
                                           Dwarf_Unsigned flags,
                                           Dwarf_Callback_Func callback,
                                           void *userData)
    : DebugInfoProducer(file, flags, callback, userData) {}

AsmDebugInfoProducer::~AsmDebugInfoProducer() = default;

bool AsmDebugInfoProducer::init() {
  if (!DebugInfoProducer::init())
    return false;
  levels.assign(1, DwarfCurrentDie{unitDie, nullptr});
  return true;
}

void AsmDebugInfoProducer::addLabel(const Symbol *symbol) {
  labels.push_back(std::make_unique<Label>(symbol));
}

void AsmDebugInfoProducer::addParagraph(const Symbol *symbol) {
  if (openParagraph) {
    openParagraph->addAlternative(symbol);
    return;
  }
  auto paragraph = std::make_unique<Paragraph>(symbol);
  openParagraph = paragraph.get();
  labels.push_back(std::move(paragraph));
}

void AsmDebugInfoProducer::addParagraphLine(const Location &location,
                                            uint64_t codeOffset, int isStmt) {
  if (!openParagraph)
    return;
  auto line = std::make_unique<ParagraphLine>();
  line->line = location.getLine();
  line->column = location.getCol();
  line->codeOffset = codeOffset;
  line->isStmt = isStmt;
  openParagraph->addLine(std::move(line));
}

void AsmDebugInfoProducer::completeParagraph(uint32_t position) {
  if (!openParagraph)
    return;
  openParagraph->setComplete(position);
  openParagraph = nullptr;
}

void AsmDebugInfoProducer::closeParagraph() { openParagraph = nullptr; }

const std::vector<std::string> &
AsmDebugInfoProducer::getDebugSectionNameSequence(bool rebuild) {
  if (!rebuild && !sectionNames.empty())
    return sectionNames;
  sectionNames.clear();
  createMask = 0;
  relocationMask = 0;
  if (labels.empty())
    return sectionNames;
  bool rows = false;
  for (const std::unique_ptr<Label> &label : labels)
    if (label->isParagraph() &&
        !static_cast<const Paragraph &>(*label).getLines().empty())
      rows = true;
  // Bits follow the fixed order of the debug section names: .debug_info,
  // .debug_line, .debug_abbrev.
  createMask = 0x7;
  relocationMask = rows ? 0x3 : 0x1;
  sectionNames = {".debug_info",   ".rel.debug_info",
                  ".debug_line",   rows ? ".rel.debug_line" : "",
                  ".debug_abbrev", ""};
  return sectionNames;
}

bool AsmDebugInfoProducer::getDwarfFileIndex(const FileName &name,
                                             Dwarf_Unsigned &index) {
  if (lastFileKnown && name.getIndex() == lastFileName) {
    index = lastFileIndex;
    return true;
  }
  FileStat path(name.getName());
  if (!path.makeAbsolute())
    return fail("couldn't get absolute path to '" + name.getName() + "'");
  auto known = fileIndexes.find(path.filePath());
  if (known != fileIndexes.end()) {
    index = known->second;
  } else {
    std::string directory, base;
    splitPath(path.filePath(), directory, base);
    Dwarf_Unsigned directoryIndex = 0;
    if (!getDwarfDirectoryIndex(directory, directoryIndex))
      return false;
    Dwarf_Error error = nullptr;
    if (dwarf_add_file_decl_a(dbg, base.data(), directoryIndex, 0, 0, &index,
                              &error) != DW_DLV_OK)
      return fail("couldn't add file '" + name.getName() +
                      "' to the debug line information for compilation "
                      "unit: ",
                  error);
    fileIndexes[path.filePath()] = index;
  }
  lastFileKnown = true;
  lastFileName = name.getIndex();
  lastFileIndex = index;
  return true;
}

bool AsmDebugInfoProducer::newDie(Dwarf_Tag tag, const std::string &name,
                                  const char *what, Dwarf_P_Die &die) {
  DwarfCurrentDie &level = levels.back();
  Dwarf_Error error = nullptr;
  // The first DIE of a level becomes its parent's child, every further one
  // the right sibling of the one before, so children keep label order.
  int result = level.last ? dwarf_new_die_a(dbg, tag, nullptr, nullptr,
                                            level.last, nullptr, &die, &error)
                          : dwarf_new_die_a(dbg, tag, level.parent, nullptr,
                                            nullptr, nullptr, &die, &error);
  if (result != DW_DLV_OK)
    return fail(std::string("couldn't create debug tag ") + what + " (" + name +
                    "): ",
                error);
  level.last = die;
  return true;
}

bool AsmDebugInfoProducer::addSymbolAllAttributes(Dwarf_P_Die die,
                                                  const Label &label) {
  Dwarf_Unsigned fileIndex = 0;
  if (!getDwarfFileIndex(label.getDefinition().getFileName(), fileIndex))
    return false;
  Dwarf_P_Attribute attribute = nullptr;
  Dwarf_Error error = nullptr;
  if (dwarf_add_AT_unsigned_const_a(dbg, die, DW_AT_decl_file, fileIndex,
                                    &attribute, &error) != DW_DLV_OK)
    return fail("couldn't create debug attribute: ", error);
  return addSymbolAttributes(die, label.getSymbol(), label.getDefinition());
}

bool AsmDebugInfoProducer::addSymbolAttributes(Dwarf_P_Die die,
                                               const Symbol *symbol,
                                               const Location &definition) {
  const std::string &name = symbol->getStrName();
  Dwarf_P_Attribute attribute = nullptr;
  Dwarf_Error error = nullptr;
  if (dwarf_add_AT_unsigned_const_a(dbg, die, DW_AT_decl_line,
                                    definition.getLine(), &attribute,
                                    &error) != DW_DLV_OK)
    return fail("couldn't create debug attribute DW_AT_decl_line for '" + name +
                    "': ",
                error);
  if (dwarf_add_AT_unsigned_const_a(dbg, die, DW_AT_decl_column,
                                    definition.getCol(), &attribute,
                                    &error) != DW_DLV_OK)
    return fail("couldn't create debug attribute DW_AT_decl_column for '" +
                    name + "': ",
                error);
  std::string text = name;
  if (dwarf_add_AT_name_a(die, text.data(), &attribute, &error) != DW_DLV_OK)
    return fail("couldn't create dwarf DIE attribute DW_AT_name for '" + name +
                    "': ",
                error);
  if (symbol->getSize() != 0 &&
      dwarf_add_AT_unsigned_const_a(dbg, die, DW_AT_byte_size,
                                    symbol->getSize(), &attribute,
                                    &error) != DW_DLV_OK)
    return fail("couldn't create debug attribute DW_AT_byte_size for '" + name +
                    "': ",
                error);
  uint8_t bind = symbol->getBind();
  if ((bind == STB_GLOBAL || bind == STB_WEAK) &&
      dwarf_add_AT_flag_a(dbg, die, DW_AT_external, 1, &attribute, &error) !=
          DW_DLV_OK)
    return fail("couldn't create dwarf DIE attribute DW_AT_external for '" +
                    name + "': ",
                error);
  return true;
}

bool AsmDebugInfoProducer::addVariableDIE(const Label &label) {
  const Symbol *symbol = label.getSymbol();
  const std::string &name = symbol->getStrName();
  Dwarf_P_Die die = nullptr;
  if (!newDie(DW_TAG_variable, name, "DW_TAG_variable", die) ||
      !addSymbolAllAttributes(die, label))
    return false;

  Dwarf_Error error = nullptr;
  Dwarf_P_Expr expression = nullptr;
  if (dwarf_new_expr_a(dbg, &expression, &error) != DW_DLV_OK)
    return fail("couldn't create expression object for debug tag "
                "DW_TAG_variable (" +
                    name + "): ",
                error);
  Dwarf_Unsigned next = 0;
  if (dwarf_add_expr_addr_c(expression, symbol->getStValue(),
                            sectionSymbolIndex(label.getSection()), &next,
                            &error) != DW_DLV_OK)
    return fail("couldn't build expression for debug tag DW_TAG_variable (" +
                    name + "): ",
                error);
  Dwarf_P_Attribute attribute = nullptr;
  if (dwarf_add_AT_location_expr_a(dbg, die, DW_AT_location, expression,
                                   &attribute, &error) != DW_DLV_OK)
    return fail("couldn't create debug attribute DW_AT_location for '" + name +
                    "': ",
                error);
  return true;
}

bool AsmDebugInfoProducer::addParagraphDIE(const Paragraph &paragraph) {
  const Symbol *symbol = paragraph.getSymbol();
  const std::string &name = symbol->getStrName();
  const Dwarf_Unsigned sectionSymbol =
      sectionSymbolIndex(paragraph.getSection());
  // A paragraph that never met its complete ends where it starts.
  const uint64_t start = symbol->getStValue();
  const uint64_t end =
      paragraph.isComplete() ? paragraph.getEndPosition() : start;

  Dwarf_P_Die die = nullptr;
  if (!newDie(TagParagraph, name, "0x8101", die) ||
      !addSymbolAllAttributes(die, paragraph))
    return false;
  Dwarf_P_Attribute attribute = nullptr;
  Dwarf_Error error = nullptr;
  if (dwarf_add_AT_targ_address_c(dbg, die, DW_AT_low_pc, start, sectionSymbol,
                                  &attribute, &error) != DW_DLV_OK)
    return fail("couldn't create debug attribute DW_AT_low_pc for '" + name +
                    "': ",
                error);
  if (dwarf_add_AT_targ_address_c(dbg, die, DW_AT_high_pc, end, sectionSymbol,
                                  &attribute, &error) != DW_DLV_OK)
    return fail("couldn't create debug attribute DW_AT_high_pc for '" + name +
                    "': ",
                error);

  if (!paragraph.getAlternatives().empty()) {
    levels.push_back(DwarfCurrentDie{die, nullptr});
    for (const Symbol *alternative : paragraph.getAlternatives()) {
      Dwarf_P_Die child = nullptr;
      if (!newDie(TagParagraphLabel, alternative->getStrName(), "0x8102",
                  child) ||
          !addSymbolAttributes(child, alternative, definitionOf(alternative)))
        return false;
    }
    levels.pop_back();
  }

  if (!addParagraphLines(paragraph))
    return false;
  if (!firstParagraph)
    firstParagraph = &paragraph;
  lastParagraph = &paragraph;
  return true;
}

bool AsmDebugInfoProducer::addParagraphLines(const Paragraph &paragraph) {
  const auto &lines = paragraph.getLines();
  if (lines.empty())
    return true;
  const Symbol *symbol = paragraph.getSymbol();
  const uint64_t start = symbol->getStValue();
  const uint64_t end =
      paragraph.isComplete() ? paragraph.getEndPosition() : start;

  // One sequence holds increasing addresses of one section: a paragraph in
  // another section, or placed below the last one (subsections), starts a
  // sequence of its own.
  if (sequenceStarted &&
      (paragraph.getSection() != sequenceSection || start < sequenceEnd)) {
    if (!endSequence())
      return false;
  }
  Dwarf_Error error = nullptr;
  if (!sequenceStarted) {
    // The start is stored as the section offset and relocated against the
    // section symbol, as every DW_AT_low_pc is, so the stored value and its
    // relocation agree for any reader.
    if (dwarf_lne_set_address_a(dbg, start,
                                sectionSymbolIndex(paragraph.getSection()),
                                &error) != DW_DLV_OK)
      return fail("couldn't set the target address at which a contiguous "
                  "block of instructions begin for compilation unit: ",
                  error);
    sequenceStarted = true;
    sequenceSection = paragraph.getSection();
    sequenceEnd = start;
  }

  // A paragraph never spans files: .include is refused inside one.
  Dwarf_Unsigned fileIndex = 0;
  if (!getDwarfFileIndex(paragraph.getDefinition().getFileName(), fileIndex))
    return false;
  bool first = true;
  for (const std::unique_ptr<ParagraphLine> &line : lines) {
    if (dwarf_add_line_entry_c(dbg, fileIndex, line->codeOffset, line->line,
                               line->column, line->isStmt, first ? 1 : 0, 0, 0,
                               0, 0, &error) != DW_DLV_OK)
      return fail("couldn't add line entry for compilation unit: ", error);
    first = false;
    sequenceEnd = std::max(sequenceEnd, line->codeOffset);
  }
  sequenceEnd = std::max(sequenceEnd, end);
  return true;
}

bool AsmDebugInfoProducer::endSequence() {
  Dwarf_Error error = nullptr;
  if (dwarf_lne_end_sequence_a(dbg, sequenceEnd, &error) != DW_DLV_OK)
    return fail("couldn't set the end of a contiguous block of instructions "
                "for compilation unit: ",
                error);
  sequenceStarted = false;
  return true;
}

bool AsmDebugInfoProducer::addUnitRange() {
  // The unit's range is only stated when its paragraphs share one section;
  // a pair of addresses cannot describe code in several.
  const Section *section = firstParagraph->getSection();
  uint64_t low = UINT64_MAX;
  uint64_t high = 0;
  for (const std::unique_ptr<Label> &label : labels) {
    if (!label->isParagraph())
      continue;
    const auto &paragraph = static_cast<const Paragraph &>(*label);
    if (paragraph.getSection() != section)
      return true;
    uint64_t start = paragraph.getSymbol()->getStValue();
    uint64_t end = paragraph.isComplete() ? paragraph.getEndPosition() : start;
    low = std::min(low, start);
    high = std::max(high, std::max(start, end));
  }
  const std::string &name = firstParagraph->getSymbol()->getStrName();
  Dwarf_P_Attribute attribute = nullptr;
  Dwarf_Error error = nullptr;
  if (dwarf_add_AT_targ_address_c(dbg, unitDie, DW_AT_low_pc, low,
                                  sectionSymbolIndex(section), &attribute,
                                  &error) != DW_DLV_OK)
    return fail("couldn't create debug attribute DW_AT_low_pc for '" + name +
                    "': ",
                error);
  if (dwarf_add_AT_targ_address_c(dbg, unitDie, DW_AT_high_pc, high,
                                  sectionSymbolIndex(section), &attribute,
                                  &error) != DW_DLV_OK)
    return fail("couldn't create debug attribute DW_AT_high_pc for '" + name +
                    "': ",
                error);
  return true;
}

bool AsmDebugInfoProducer::finish() {
  if (sequenceStarted) {
    if (!endSequence())
      return false;
    if (firstParagraph && !addUnitRange())
      return false;
  }
  return DebugInfoProducer::finish();
}

bool AsmDebugInfoProducer::transformToDiskForm() {
  if (!init())
    return false;
  for (const std::unique_ptr<Label> &label : labels) {
    bool done = label->isParagraph()
                    ? addParagraphDIE(static_cast<const Paragraph &>(*label))
                    : addVariableDIE(*label);
    if (!done)
      return false;
  }
  return finish() && DebugInfoProducer::transformToDiskForm();
}

// ---- SrcDebugInfoProducer ----

SrcDebugInfoProducer::SrcDebugInfoProducer(const FileName &file,
                                           Dwarf_Unsigned flags,
                                           Dwarf_Callback_Func callback,
                                           void *userData)
    : DebugInfoProducer(file, flags, callback, userData) {}

SrcDebugInfoProducer::~SrcDebugInfoProducer() = default;

void SrcDebugInfoProducer::setSourceDataForDebugLineSection(
    const std::map<unsigned, std::string> *fileTable,
    const std::vector<std::unique_ptr<DwarfLine>> *lineList,
    const Symbol *textSymbol, uint64_t textSize) {
  this->fileTable = fileTable;
  this->lineList = lineList;
  this->textSymbol = textSymbol;
  this->textSize = textSize;
}

bool SrcDebugInfoProducer::transformToDiskForm() {
  if (!fileTable || fileTable->empty())
    return fail(LocError);
  if (!init())
    return false;

  Dwarf_Error error = nullptr;
  for (const auto &entry : *fileTable) {
    std::string directory, base;
    splitPath(entry.second, directory, base);
    Dwarf_Unsigned directoryIndex = 0;
    if (!getDwarfDirectoryIndex(directory, directoryIndex))
      return false;
    Dwarf_Unsigned index = 0;
    if (dwarf_add_file_decl_a(dbg, base.data(), directoryIndex, 0, 0, &index,
                              &error) != DW_DLV_OK)
      return fail("couldn't add file '" + entry.second +
                      "' to the debug line information for compilation "
                      "unit: ",
                  error);
    // The rows name files by table index: the table must run 1, 2, 3, ...
    if (index != entry.first)
      return fail(LocError);
  }

  if (lineList && !lineList->empty()) {
    if (!textSymbol || textSize == 0)
      return fail(LocError);
    // Rows in address order: .loc in a later subsection may come first in
    // the source, and a sequence only runs forwards.
    std::vector<const DwarfLine *> rows;
    for (const std::unique_ptr<DwarfLine> &row : *lineList) {
      if (!row || row->address > textSize)
        return fail(LocError);
      rows.push_back(row.get());
    }
    std::stable_sort(rows.begin(), rows.end(),
                     [](const DwarfLine *a, const DwarfLine *b) {
                       return a->address < b->address;
                     });
    if (dwarf_lne_set_address_a(dbg, 0, textSymbol->getIndex(), &error) !=
        DW_DLV_OK)
      return fail("couldn't set the target address at which a contiguous "
                  "block of instructions begin for compilation unit: ",
                  error);
    for (const DwarfLine *row : rows)
      if (DwarfProducer::addLineEntry(
              dbg, row->file, row->address, row->line,
              static_cast<Dwarf_Signed>(row->column), row->isStmt,
              row->basicBlock, row->epilogueBegin, row->prologueEnd, row->isa,
              &error) != DW_DLV_OK)
        return fail("couldn't add line entry for compilation unit: ", error);
    if (dwarf_lne_end_sequence_a(dbg, textSize, &error) != DW_DLV_OK)
      return fail("couldn't set the end of a contiguous block of "
                  "instructions for compilation unit: ",
                  error);
  }
  return finish() && DebugInfoProducer::transformToDiskForm();
}
