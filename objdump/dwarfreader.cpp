// dwarfreader.cpp - units, line tables and label entries read through the
// libdwarf consumer, which is shown copies of the few sections these need:
// this libdwarf frees memory twice on some damaged sections it would load
// otherwise (range lists among them).
#include "dwarfreader.h"

#include "dwarftags.h"
#include "dwarfunits.h"
#include "elffile.h"

#include <dwarf.h>

#include <cstring>
#include <functional>

namespace zvod {

namespace {

// Units with their strings, and line tables; nothing else is shown.
bool isShownSection(const std::string &name, uint32_t type) {
  return type == SHT_PROGBITS &&
         (name == ".debug_info" || name == ".debug_abbrev" ||
          name == ".debug_line" || name == ".debug_str");
}

bool isAbsolute(const std::string &path) {
  return !path.empty() && path[0] == '/';
}

} // namespace

// The consumer's view of the file: section headers and owned copies of
// the contents of the sections it is shown.
struct DwarfReader::Access {
  const ElfFile &file;
  std::vector<std::vector<uint8_t>> contents;
  Dwarf_Obj_Access_Interface interface;
  static const Dwarf_Obj_Access_Methods methods;

  explicit Access(const ElfFile &file)
      : file(file), contents(file.getSections().size()) {
    interface.object = this;
    interface.methods = &methods;
  }

  bool shown(Dwarf_Half index) const {
    const std::vector<ElfSection> &sections = file.getSections();
    return index < sections.size() &&
           isShownSection(sections[index].name, sections[index].shdr.sh_type);
  }

  static int info(void *self, Dwarf_Half index,
                  Dwarf_Obj_Access_Section *section, int *error) {
    const auto *access = static_cast<const Access *>(self);
    *section = {};
    section->name = "";
    if (index >= access->file.getSections().size()) {
      *error = DW_DLE_MDE;
      return DW_DLV_ERROR;
    }
    if (!access->shown(index))
      return DW_DLV_OK;
    const ElfSection &s = access->file.getSections()[index];
    section->type = s.shdr.sh_type;
    section->size = s.shdr.sh_size;
    section->name = s.name.c_str();
    return DW_DLV_OK;
  }

  static Dwarf_Endianness byteOrder(void *self) {
    return static_cast<const Access *>(self)->file.getEncoding() == ELFDATA2MSB
               ? DW_OBJECT_MSB
               : DW_OBJECT_LSB;
  }

  static Dwarf_Small four(void *) { return 4; }

  static Dwarf_Unsigned count(void *self) {
    return static_cast<const Access *>(self)->file.getSections().size();
  }

  static int load(void *self, Dwarf_Half index, Dwarf_Small **data,
                  int *error) {
    auto *access = static_cast<Access *>(self);
    if (!access->shown(index)) {
      *error = DW_DLE_MDE;
      return DW_DLV_ERROR;
    }
    const uint8_t *bytes = access->file.sectionData(index);
    const uint32_t size = access->file.getSections()[index].shdr.sh_size;
    if (!bytes || size == 0)
      return DW_DLV_NO_ENTRY;
    std::vector<uint8_t> &copy = access->contents[index];
    copy.assign(bytes, bytes + size);
    *data = copy.data();
    return DW_DLV_OK;
  }
};

const Dwarf_Obj_Access_Methods DwarfReader::Access::methods = {
    info,    byteOrder, four, four, count, load,
    nullptr, // relocations are not applied
};

DwarfReader::DwarfReader(const ElfFile &file)
    : file(file), access(std::make_unique<Access>(file)) {}

DwarfReader::~DwarfReader() {
  if (dbg) {
    Dwarf_Error e = nullptr;
    dwarf_object_finish(dbg, &e);
  }
}

bool DwarfReader::fail(const std::string &text) {
  error = text;
  files.clear();
  rows.clear();
  labels.clear();
  return false;
}

bool DwarfReader::read() {
  bool any = false;
  for (size_t i = 0; i < file.getSections().size(); ++i)
    any = any || (access->shown(static_cast<Dwarf_Half>(i)) &&
                  file.getSections()[i].name == ".debug_info");
  if (!any)
    return true;
  // The offsets as they stand in the file: an object's line addresses are
  // its section offsets, an image's are final.
  int rc = openDwarfConsumer(&access->interface, &dbg);
  if (rc == DW_DLV_NO_ENTRY)
    return true;
  if (rc != DW_DLV_OK)
    return fail("the debugging information cannot be opened");
  Dwarf_Error e = nullptr;
  for (;;) {
    DwarfUnitHeader header;
    Dwarf_Die unit = nullptr;
    bool headerFailed = false;
    rc = nextDwarfUnit(dbg, header, &unit, headerFailed, &e);
    if (headerFailed && rc == DW_DLV_NO_ENTRY)
      break;
    if (rc != DW_DLV_OK) {
      if (e)
        dwarf_dealloc_error(dbg, e);
      return fail("a compilation unit cannot be read");
    }
    const bool ok = readUnit(unit);
    dwarf_dealloc_die(unit);
    if (!ok)
      return false;
  }
  return true;
}

std::string DwarfReader::nameOf(Dwarf_Die die) {
  char *name = nullptr;
  Dwarf_Error e = nullptr;
  if (dwarf_diename(die, &name, &e) != DW_DLV_OK) {
    if (e)
      dwarf_dealloc_error(dbg, e);
    return std::string();
  }
  return name ? name : "";
}

bool DwarfReader::readUnit(Dwarf_Die unit) {
  std::string compDir;
  Dwarf_Attribute attribute = nullptr;
  Dwarf_Error e = nullptr;
  if (dwarf_attr(unit, DW_AT_comp_dir, &attribute, &e) == DW_DLV_OK) {
    char *text = nullptr;
    if (dwarf_formstring(attribute, &text, &e) == DW_DLV_OK && text)
      compDir = text;
    dwarf_dealloc_attribute(attribute);
  }
  if (e)
    dwarf_dealloc_error(dbg, e);
  return readLines(unit, compDir) && readLabels(unit);
}

bool DwarfReader::readLines(Dwarf_Die unit, const std::string &compDir) {
  Dwarf_Error e = nullptr;
  char **names = nullptr;
  Dwarf_Signed nameCount = 0;
  int rc = dwarf_srcfiles(unit, &names, &nameCount, &e);
  if (rc == DW_DLV_NO_ENTRY)
    return true;
  if (rc != DW_DLV_OK) {
    if (e)
      dwarf_dealloc_error(dbg, e);
    return fail("the source files of a line table cannot be read");
  }
  const size_t first = files.size();
  for (Dwarf_Signed i = 0; i < nameCount; ++i) {
    std::string name = names[i] ? names[i] : "";
    if (!isAbsolute(name) && !compDir.empty())
      name = compDir + "/" + name;
    files.push_back(name);
    dwarf_dealloc(dbg, names[i], DW_DLA_STRING);
  }
  dwarf_dealloc(dbg, names, DW_DLA_LIST);

  Dwarf_Line *table = nullptr;
  Dwarf_Signed count = 0;
  rc = dwarf_srclines(unit, &table, &count, &e);
  if (rc == DW_DLV_NO_ENTRY)
    return true;
  if (rc != DW_DLV_OK) {
    if (e)
      dwarf_dealloc_error(dbg, e);
    return fail("a line table cannot be read");
  }
  bool ok = true;
  for (Dwarf_Signed i = 0; i < count && ok; ++i) {
    Dwarf_Addr address = 0;
    Dwarf_Unsigned fileNumber = 0, line = 0;
    Dwarf_Bool end = false;
    ok = dwarf_lineaddr(table[i], &address, &e) == DW_DLV_OK &&
         dwarf_line_srcfileno(table[i], &fileNumber, &e) == DW_DLV_OK &&
         dwarf_lineno(table[i], &line, &e) == DW_DLV_OK &&
         dwarf_lineendsequence(table[i], &end, &e) == DW_DLV_OK;
    // File numbers count from 1; a row of no listed file names none.
    if (ok && fileNumber >= 1 && fileNumber <= Dwarf_Unsigned(nameCount))
      rows.push_back({address, first + size_t(fileNumber - 1), line, end != 0});
  }
  dwarf_srclines_dealloc(dbg, table, count);
  if (!ok) {
    if (e)
      dwarf_dealloc_error(dbg, e);
    return fail("a row of a line table cannot be read");
  }
  return true;
}

bool DwarfReader::readLabel(Dwarf_Die die, Dwarf_Half tag) {
  Dwarf_Error e = nullptr;
  const std::string name = nameOf(die);
  if (tag == DW_TAG_variable) {
    // A location of one address operation: DW_OP_addr and the address.
    Dwarf_Attribute attribute = nullptr;
    if (dwarf_attr(die, DW_AT_location, &attribute, &e) != DW_DLV_OK) {
      if (e)
        dwarf_dealloc_error(dbg, e);
      return true;
    }
    Dwarf_Block *block = nullptr;
    if (dwarf_formblock(attribute, &block, &e) == DW_DLV_OK && block) {
      const auto *bytes = static_cast<const uint8_t *>(block->bl_data);
      if (block->bl_len == 5 && bytes[0] == DW_OP_addr && !name.empty())
        labels.push_back(
            {name, ElfFile::word(bytes + 1, file.getEncoding()), false});
      dwarf_dealloc(dbg, block, DW_DLA_BLOCK);
    }
    if (e)
      dwarf_dealloc_error(dbg, e);
    dwarf_dealloc_attribute(attribute);
    return true;
  }
  Dwarf_Addr low = 0;
  if (dwarf_lowpc(die, &low, &e) != DW_DLV_OK) {
    if (e)
      dwarf_dealloc_error(dbg, e);
    return true;
  }
  if (!name.empty())
    labels.push_back({name, low, true});
  // The further labels of the paragraph, one level down.
  return eachChild(die, [&](Dwarf_Die child, Dwarf_Half childTag) {
    if (childTag == DwarfTagParagraphLabel) {
      const std::string other = nameOf(child);
      if (!other.empty())
        labels.push_back({other, low, true});
    }
    return true;
  });
}

bool DwarfReader::eachChild(
    Dwarf_Die parent, const std::function<bool(Dwarf_Die, Dwarf_Half)> &visit) {
  Dwarf_Error e = nullptr;
  Dwarf_Die die = nullptr;
  int rc = dwarf_child(parent, &die, &e);
  while (rc == DW_DLV_OK) {
    Dwarf_Half tag = 0;
    if (dwarf_tag(die, &tag, &e) != DW_DLV_OK) {
      if (e)
        dwarf_dealloc_error(dbg, e);
      e = nullptr;
      tag = 0;
    }
    const bool ok = visit(die, tag);
    Dwarf_Die next = nullptr;
    rc = ok ? dwarf_siblingof_b(dbg, die, true, &next, &e) : DW_DLV_NO_ENTRY;
    dwarf_dealloc_die(die);
    if (!ok)
      return false;
    die = next;
  }
  if (rc == DW_DLV_ERROR) {
    if (e)
      dwarf_dealloc_error(dbg, e);
    return fail("a label entry cannot be read");
  }
  return true;
}

bool DwarfReader::readLabels(Dwarf_Die unit) {
  return eachChild(unit, [&](Dwarf_Die die, Dwarf_Half tag) {
    return tag != DwarfTagParagraph && tag != DW_TAG_variable
               ? true
               : readLabel(die, tag);
  });
}

} // namespace zvod
