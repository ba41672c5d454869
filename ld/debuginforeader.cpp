// debuginforeader.cpp - reading compilation units and line tables with the
// libdwarf consumer. Relocations are not applied: the addresses read are
// offsets in the object's own sections, which the rebuild needs.
#include "debuginforeader.h"

#include "dwarfunits.h"

#include <dwarf.h>

#include <algorithm>
#include <iostream>

namespace zvld {

std::string CUSourceFileList::getFileName(uint64_t index, bool &found) const {
  found = isValidFileIndex(index);
  return found ? names[index - 1] : "<unknown file name>";
}

void CUSourceLineList::sort() {
  auto byAddress = [](const CUSourceLine &a, const CUSourceLine &b) {
    return a.address < b.address;
  };
  size_t begin = 0;
  for (size_t i = 0; i <= lines.size(); ++i) {
    bool cut = i == lines.size() || lines[i].basicBlock || lines[i].endSequence;
    if (!cut)
      continue;
    if (i > begin + 1)
      std::stable_sort(lines.begin() + long(begin), lines.begin() + long(i),
                       byAddress);
    // An end-of-sequence row stands alone; a basic-block row begins a run.
    begin = (i < lines.size() && lines[i].endSequence) ? i + 1 : i;
  }
}

DebugInfoReader::DebugInfoReader(Elf *elf) : sections(elf) {}

DebugInfoReader::~DebugInfoReader() {
  units.clear();
  if (dbg) {
    Dwarf_Error error = nullptr;
    if (dwarf_object_finish(dbg, &error) != DW_DLV_OK)
      std::cerr << "dwarf_finish failed!\n";
  }
}

bool DebugInfoReader::fail(const char *text, Dwarf_Error error) {
  lastError = text;
  if (error)
    dwarf_dealloc_error(dbg, error);
  available = false;
  units.clear();
  return false;
}

bool DebugInfoReader::init() {
  if (initialised)
    return available;
  initialised = true;
  // The raw section offsets are what the rebuild needs: the consumer is
  // shown no relocation section, and told not to apply any.
  int rc = openDwarfConsumer(sections.getInterface(), &dbg);
  if (rc == DW_DLV_NO_ENTRY)
    return true;
  if (rc != DW_DLV_OK) {
    lastError = "Error in dwarf_elf_init()";
    return false;
  }
  Dwarf_Error error = nullptr;
  for (;;) {
    DwarfUnitHeader header;
    Dwarf_Die die = nullptr;
    bool headerFailed = false;
    rc = nextDwarfUnit(dbg, header, &die, headerFailed, &error);
    if (headerFailed && rc == DW_DLV_NO_ENTRY)
      break;
    if (headerFailed)
      return fail("Error in dwarf_next_cu_header", error);
    if (rc == DW_DLV_ERROR)
      return fail("Error in dwarf_siblingof on CU die", error);
    if (rc == DW_DLV_NO_ENTRY)
      return fail("internal error: no entry in dwarf_siblingof on CU die",
                  nullptr);
    auto unit = std::make_unique<CompilationUnit>(die);
    unit->headerLength = header.length;
    unit->version = header.version;
    unit->abbrevOffset = header.abbrevOffset;
    unit->addressSize = header.addressSize;
    units.push_back(std::move(unit));
  }
  available = true;
  return true;
}

CompilationUnit *DebugInfoReader::getNextCU() {
  if (!available || cursor >= units.size())
    return nullptr;
  return units[cursor++].get();
}

bool DebugInfoReader::getCUAttributes(CompilationUnit *unit) {
  if (unit->attributesRead)
    return true;
  unit->attributesRead = true;
  Dwarf_Attribute *list = nullptr;
  Dwarf_Signed count = 0;
  Dwarf_Error error = nullptr;
  int rc = dwarf_attrlist(unit->die, &list, &count, &error);
  if (rc == DW_DLV_NO_ENTRY)
    return true;
  if (rc != DW_DLV_OK)
    return fail("Error in dwarf_attrlist on CU die", error);
  bool ok = true;
  for (Dwarf_Signed i = 0; i < count && ok; ++i) {
    Dwarf_Half attr = 0;
    if (dwarf_whatattr(list[i], &attr, &error) != DW_DLV_OK) {
      ok = fail("Error in dwarf_whatattr on CU die", error);
      break;
    }
    char *text = nullptr;
    Dwarf_Addr address = 0;
    Dwarf_Unsigned language = 0;
    int got = DW_DLV_OK;
    switch (attr) {
    case DW_AT_name:
    case DW_AT_comp_dir:
    case DW_AT_producer:
      got = dwarf_formstring(list[i], &text, &error);
      if (got == DW_DLV_OK)
        (attr == DW_AT_name       ? unit->name
         : attr == DW_AT_comp_dir ? unit->compDir
                                  : unit->producer) = text;
      break;
    case DW_AT_low_pc:
      got = dwarf_lowpc(unit->die, &address, &error);
      unit->lowPc = address;
      break;
    case DW_AT_high_pc:
      got = dwarf_highpc(unit->die, &address, &error);
      unit->highPc = address;
      break;
    case DW_AT_language:
      got = dwarf_srclang(unit->die, &language, &error);
      unit->language = language;
      break;
    case DW_AT_stmt_list:
      break;
    default:
      std::cerr << "Internal debuginforeader error: cu attr " << unsigned(attr)
                << "\n";
      break;
    }
    if (got != DW_DLV_OK)
      ok = fail("Error in dwarf_attrlist() checking on CU die", error);
  }
  for (Dwarf_Signed i = 0; i < count; ++i)
    dwarf_dealloc_attribute(list[i]);
  dwarf_dealloc(dbg, list, DW_DLA_LIST);
  return ok;
}

bool DebugInfoReader::getCUSourceFileList(CompilationUnit *unit) {
  if (unit->filesRead)
    return true;
  unit->filesRead = true;
  char **names = nullptr;
  Dwarf_Signed count = 0;
  Dwarf_Error error = nullptr;
  int rc = dwarf_srcfiles(unit->die, &names, &count, &error);
  if (rc == DW_DLV_NO_ENTRY)
    return true;
  if (rc != DW_DLV_OK)
    return fail("Error in dwarf_srcfiles() on CU die", error);
  std::vector<std::string> list;
  for (Dwarf_Signed i = 0; i < count; ++i) {
    list.emplace_back(names[i] ? names[i] : "");
    dwarf_dealloc(dbg, names[i], DW_DLA_STRING);
  }
  dwarf_dealloc(dbg, names, DW_DLA_LIST);
  unit->files = std::make_unique<CUSourceFileList>(std::move(list));
  return true;
}

bool DebugInfoReader::getCUSourceLineList(CompilationUnit *unit) {
  if (unit->linesRead)
    return true;
  unit->linesRead = true;
  Dwarf_Line *table = nullptr;
  Dwarf_Signed count = 0;
  Dwarf_Error error = nullptr;
  int rc = dwarf_srclines(unit->die, &table, &count, &error);
  if (rc == DW_DLV_NO_ENTRY)
    return true;
  if (rc != DW_DLV_OK)
    return fail("Error in dwarf_srclines on CU die", error);
  auto lines = std::make_unique<CUSourceLineList>();
  bool ok = true;
  for (Dwarf_Signed i = 0; i < count && ok; ++i) {
    Dwarf_Line l = table[i];
    Dwarf_Bool set = 0, stmt = 0, block = 0, end = 0, prologue = 0,
               epilogue = 0;
    Dwarf_Addr address = 0;
    Dwarf_Unsigned file = 0, number = 0, column = 0, isa = 0, disc = 0;
    if (dwarf_line_is_addr_set(l, &set, &error) != DW_DLV_OK ||
        dwarf_lineaddr(l, &address, &error) != DW_DLV_OK ||
        dwarf_line_srcfileno(l, &file, &error) != DW_DLV_OK ||
        dwarf_lineno(l, &number, &error) != DW_DLV_OK ||
        dwarf_lineoff_b(l, &column, &error) != DW_DLV_OK ||
        dwarf_linebeginstatement(l, &stmt, &error) != DW_DLV_OK ||
        dwarf_lineblock(l, &block, &error) != DW_DLV_OK ||
        dwarf_lineendsequence(l, &end, &error) != DW_DLV_OK ||
        dwarf_prologue_end_etc(l, &prologue, &epilogue, &isa, &disc, &error) !=
            DW_DLV_OK) {
      ok = false;
      break;
    }
    CUSourceLine row;
    row.addressSet = set;
    row.address = address;
    row.file = file;
    row.line = number;
    row.column = column;
    row.isStmt = stmt;
    row.basicBlock = block;
    row.endSequence = end;
    row.prologueEnd = prologue;
    row.epilogueBegin = epilogue;
    row.isa = isa;
    row.discriminator = disc;
    lines->add(row);
  }
  dwarf_srclines_dealloc(dbg, table, count);
  if (!ok)
    return fail("Error in dwarf_line* on CU die", error);
  if (lines->getCount() != 0)
    unit->lines = std::move(lines);
  return true;
}

} // namespace zvld
