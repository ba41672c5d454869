// dwarfsectionaccess.h - the libdwarf consumer's view of an object: only the
// sections the line rebuild reads. This libdwarf loads whatever DWARF
// sections it finds, and some of its loaders (range lists among them) free
// memory twice on damaged contents; a section it is never shown cannot
// reach them.
#ifndef ZV_LD_DWARFSECTIONACCESS_H
#define ZV_LD_DWARFSECTIONACCESS_H

#include <libdwarf.h>
#include <libelf.h>

namespace zvld {

class DwarfSectionAccess {
public:
  // The object's headers have been checked (ElfObject::loadHeaders).
  explicit DwarfSectionAccess(Elf *elf);
  DwarfSectionAccess(const DwarfSectionAccess &) = delete;
  DwarfSectionAccess &operator=(const DwarfSectionAccess &) = delete;

  // For dwarf_object_init_b; lives as long as this object.
  Dwarf_Obj_Access_Interface *getInterface() { return &interface; }

  // Whether the consumer is shown a section of this name and type.
  static bool isShown(const char *name, unsigned type);

private:
  static int getSectionInfo(void *self, Dwarf_Half index,
                            Dwarf_Obj_Access_Section *section, int *error);
  static Dwarf_Endianness getByteOrder(void *self);
  static Dwarf_Small getLengthSize(void *self);
  static Dwarf_Small getPointerSize(void *self);
  static Dwarf_Unsigned getSectionCount(void *self);
  static int loadSection(void *self, Dwarf_Half index, Dwarf_Small **data,
                         int *error);

  static const Dwarf_Obj_Access_Methods methods;
  Elf *elf;
  Dwarf_Obj_Access_Interface interface;
};

} // namespace zvld

#endif
