// dwarfsectionaccess.cpp - section headers and contents for the libdwarf
// consumer, read through libelf.
#include "dwarfsectionaccess.h"

#include <gelf.h>

#include <cstring>

namespace zvld {

const Dwarf_Obj_Access_Methods DwarfSectionAccess::methods = {
    getSectionInfo, getByteOrder,    getLengthSize, getPointerSize,
    getSectionCount, loadSection,    nullptr, // relocations are not applied
};

DwarfSectionAccess::DwarfSectionAccess(Elf *elf) : elf(elf) {
  interface.object = this;
  interface.methods = &methods;
}

bool DwarfSectionAccess::isShown(const char *name, unsigned type) {
  // Units and their names, files and line programs; nothing else.
  static const char *const shown[] = {".debug_info", ".debug_abbrev",
                                      ".debug_line", ".debug_str",
                                      ".debug_line_str"};
  if (type != SHT_PROGBITS)
    return false;
  for (const char *s : shown)
    if (std::strcmp(name, s) == 0)
      return true;
  return false;
}

int DwarfSectionAccess::getSectionInfo(void *self, Dwarf_Half index,
                                       Dwarf_Obj_Access_Section *section,
                                       int *error) {
  auto *access = static_cast<DwarfSectionAccess *>(self);
  *section = {};
  section->name = "";
  size_t names = 0;
  GElf_Shdr header;
  Elf_Scn *scn = elf_getscn(access->elf, index);
  if (!scn || !gelf_getshdr(scn, &header) ||
      elf_getshdrstrndx(access->elf, &names) != 0) {
    *error = DW_DLE_MDE;
    return DW_DLV_ERROR;
  }
  const char *name = elf_strptr(access->elf, names, header.sh_name);
  // A section not shown is an unnamed, empty one.
  if (!name || !isShown(name, header.sh_type))
    return DW_DLV_OK;
  section->type = header.sh_type;
  section->size = header.sh_size;
  section->name = name;
  return DW_DLV_OK;
}

Dwarf_Endianness DwarfSectionAccess::getByteOrder(void *self) {
  const char *ident = elf_getident(static_cast<DwarfSectionAccess *>(self)->elf,
                                   nullptr);
  return ident && ident[EI_DATA] == ELFDATA2MSB ? DW_OBJECT_MSB
                                                : DW_OBJECT_LSB;
}

Dwarf_Small DwarfSectionAccess::getLengthSize(void *) { return 4; }

Dwarf_Small DwarfSectionAccess::getPointerSize(void *) { return 4; }

Dwarf_Unsigned DwarfSectionAccess::getSectionCount(void *self) {
  size_t count = 0;
  if (elf_getshdrnum(static_cast<DwarfSectionAccess *>(self)->elf, &count) != 0)
    return 0;
  return count;
}

int DwarfSectionAccess::loadSection(void *self, Dwarf_Half index,
                                    Dwarf_Small **data, int *error) {
  auto *access = static_cast<DwarfSectionAccess *>(self);
  Elf_Scn *scn = elf_getscn(access->elf, index);
  GElf_Shdr header;
  if (!scn || !gelf_getshdr(scn, &header)) {
    *error = DW_DLE_MDE;
    return DW_DLV_ERROR;
  }
  if (header.sh_size == 0)
    return DW_DLV_NO_ENTRY;
  // The whole section in one piece, as its header gives it.
  Elf_Data *contents = elf_getdata(scn, nullptr);
  if (!contents || !contents->d_buf || contents->d_size < header.sh_size) {
    *error = DW_DLE_MDE;
    return DW_DLV_ERROR;
  }
  *data = static_cast<Dwarf_Small *>(contents->d_buf);
  return DW_DLV_OK;
}

} // namespace zvld
