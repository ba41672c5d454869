// elfobject.cpp - reading one relocatable object through libelf. Every
// index, offset and size taken from the file is checked before it is used,
// so a damaged object ends the link with a message instead of a crash.
#include "elfobject.h"

#include "buffer.h"
#include "diagnostics.h"
#include "elf32.h"
#include "globalsymtab.h"

#include <cstring>

namespace zvld {

namespace {

const char *const DebugSuffixes[DebugSectionCount] = {
    "info",      "line",    "abbrev",    "frame",     "aranges",
    "pubnames",  "str",     "funcnames", "typenames", "varnames",
    "weaknames", "macinfo", "loc",       "ranges",    "types"};

} // namespace

ElfObject::ElfObject(Elf *descriptor, const std::string &location)
    : elf(descriptor), location(location),
      globals(SingleGlobalSymtabPointer::get()) {}

ElfObject::~ElfObject() = default;

bool ElfObject::fail(const std::string &text) {
  lastError = text;
  return false;
}

bool ElfObject::failElf(const char *what) {
  return fail(std::string(what) + elf_errmsg(-1));
}

bool ElfObject::loadHeaders() {
  if (!elf)
    return fail("no elf object");
  if (!gelf_getehdr(elf, &header))
    return failElf("gelf_getehdr() failed: ");
  const char *id = elf_getident(elf, nullptr);
  if (!id)
    return failElf("elf_getident() failed: ");
  std::memcpy(ident, id, EI_NIDENT);
  char *raw = elf_rawfile(elf, &fileSize);
  if (!raw)
    fileSize = 0;

  // libelf reads no section at all from a header table cut short; say so
  // rather than report what is missing because of it.
  if (header.e_shnum != 0 && (header.e_shoff > fileSize ||
                              uint64_t(header.e_shnum) * header.e_shentsize >
                                  fileSize - header.e_shoff))
    return fail("section header table lies outside the file (elf object "
                "damaged or corrupted)");
  sections.clear();
  sectionSymbol.clear();
  if (header.e_shnum != 0) {
    sections.push_back(GElf_Shdr{});
    sectionSymbol.push_back(0);
  }
  for (Elf_Scn *scn = elf_nextscn(elf, nullptr); scn;
       scn = elf_nextscn(elf, scn)) {
    GElf_Shdr shdr;
    if (!gelf_getshdr(scn, &shdr))
      return failElf("gelf_getshdr() failed: ");
    if (sections.empty()) {
      sections.push_back(GElf_Shdr{});
      sectionSymbol.push_back(0);
    }
    sections.push_back(shdr);
    sectionSymbol.push_back(0);
  }
  if (!checkSectionBounds())
    return false;
  if (elf_getshdrstrndx(elf, &shstrndx) != 0)
    return failElf("elf_getshdrstrndx() failed: ");
  if (!loadStrtab(sectionNames, shstrndx))
    return false;

  size_t phnum = 0;
  if (elf_getphdrnum(elf, &phnum) != 0)
    return failElf("elf_getphdrnum() failed: ");
  programHeaders.clear();
  for (size_t i = 0; i < phnum; ++i) {
    GElf_Phdr phdr;
    if (!gelf_getphdr(elf, int(i), &phdr))
      return failElf("gelf_getphdr() failed: ");
    programHeaders.push_back(phdr);
  }
  headersLoaded = true;
  return true;
}

bool ElfObject::checkSectionBounds() {
  for (size_t i = 1; i < sections.size(); ++i) {
    const GElf_Shdr &s = sections[i];
    if (s.sh_type == SHT_NOBITS || s.sh_size == 0)
      continue;
    if (s.sh_offset > fileSize || s.sh_size > fileSize - s.sh_offset)
      return fail("section [" + std::to_string(i) +
                  "] lies outside the file (elf object damaged or corrupted)");
  }
  return true;
}

bool ElfObject::loadStrtab(std::string &table, size_t index) {
  if (index == 0 || index >= sections.size() ||
      sections[index].sh_type != SHT_STRTAB)
    return fail("index string table is out of range");
  table.clear();
  size_t size = sections[index].sh_size;
  if (size == 0)
    return true;
  table.resize(size);
  if (!getRawSectionData(index, reinterpret_cast<uint8_t *>(table.data())))
    return false;
  // Names are read up to their NUL; the last one must have it.
  if (table.back() != '\0')
    return fail("string table [" + std::to_string(index) +
                "] does not end with a null character");
  return true;
}

bool ElfObject::getRawSectionData(size_t index, uint8_t *dest) {
  if (index >= sections.size())
    return fail("section index is out of range");
  Elf_Scn *scn = elf_getscn(elf, index);
  if (!scn)
    return failElf("elf_getscn() failed: ");
  uint64_t size = sections[index].sh_size;
  if (size == 0)
    return true;
  if (sections[index].sh_type == SHT_NOBITS) {
    std::memset(dest, 0, size);
    return true;
  }
  uint64_t total = 0;
  Elf_Data *data = nullptr;
  while (total < size && (data = elf_rawdata(scn, data)) != nullptr) {
    if (!data->d_buf || data->d_size > size - total)
      break;
    std::memcpy(dest + total, data->d_buf, data->d_size);
    total += data->d_size;
    if (data->d_size == 0)
      break;
  }
  if (total != size)
    return failElf("elf_rawdata failed: ");
  return true;
}

bool ElfObject::readSection(size_t index, Buffer &buffer) {
  const GElf_Shdr *shdr = getShdr(index);
  if (!shdr)
    return false;
  buffer = Buffer(ei_data(index), size_t(shdr->sh_size));
  uint8_t *dest = buffer.setRawData(size_t(shdr->sh_size));
  if (!dest && shdr->sh_size != 0)
    return fail("section index is out of range");
  return getRawSectionData(index, dest);
}

const GElf_Shdr *ElfObject::getShdr(size_t index) {
  if (index >= sections.size()) {
    fail("section index is out of range");
    return nullptr;
  }
  return &sections[index];
}

size_t ElfObject::findSection(size_t from, uint32_t type,
                              uint64_t flags) const {
  if (!headersLoaded)
    return 0;
  for (size_t i = from; i < sections.size(); ++i)
    if (sections[i].sh_type == type && sections[i].sh_flags == flags)
      return i;
  return 0;
}

size_t ElfObject::findRelSection(size_t target, size_t from) const {
  if (!headersLoaded)
    return 0;
  // Asked once per section: the first relocation section of every target
  // is found in one walk, so an object of many sections costs no more.
  if (from <= 1) {
    if (relocationOf.empty()) {
      relocationOf.assign(sections.size() + 1, 0);
      for (size_t i = 1; i < sections.size(); ++i)
        if (sections[i].sh_type == SHT_REL &&
            sections[i].sh_info < sections.size() &&
            !relocationOf[sections[i].sh_info])
          relocationOf[sections[i].sh_info] = i;
    }
    return target < sections.size() ? relocationOf[target] : 0;
  }
  for (size_t i = from; i < sections.size(); ++i)
    if (sections[i].sh_type == SHT_REL && sections[i].sh_info == target)
      return i;
  return 0;
}

Symbol *ElfObject::getSectionSymbol(size_t index) {
  if (index >= sectionSymbol.size() ||
      sectionSymbol[index] >= symbolVector.size()) {
    fail("symbol index is out of range");
    return nullptr;
  }
  size_t symbol = sectionSymbol[index];
  return symbol ? symbolVector[symbol] : nullptr;
}

std::string ElfObject::getName(const std::string &strtab, uint64_t offset) {
  if (offset >= strtab.size())
    return std::string();
  return std::string(strtab.c_str() + offset);
}

std::string ElfObject::getSectionName(size_t index) const {
  switch (index) {
  case SHN_UNDEF:
    return "*UND*";
  case SHN_ABS:
    return "*ABS*";
  case SHN_COMMON:
    return "*COM*";
  default:
    if (index < sections.size())
      return getName(sectionNames, sections[index].sh_name);
    return std::string();
  }
}

std::string ElfObject::getSymbolName(const Symbol *symbol) const {
  return symbol ? std::string(symbol->getName()) : std::string();
}

bool ElfObject::isWeakReference(size_t i) const {
  return i < weakReference.size() && weakReference[i];
}

unsigned char ElfObject::ei_data(size_t index) const {
  if (index != 0 && index == dataIndex && e_machine() == EM_ZP100 &&
      (e_flags() & EF_ZORVEL_DATA_LSB))
    return ELFDATA2LSB;
  return ei_data();
}

unsigned char ElfObject::dataEncoding() const {
  return (e_flags() & EF_ZORVEL_DATA_LSB) ? ELFDATA2LSB : ei_data();
}

bool ElfObject::checkShdr() {
  static const char Prefix[] = ".debug_";
  for (size_t i = 0; i < header.e_shnum; ++i) {
    if (i >= sections.size())
      return fail("index section is out of range");
    const GElf_Shdr &s = sections[i];
    if (s.sh_type == SHT_PROGBITS && s.sh_flags == SHF_ZORVEL_TEXT) {
      if (textIndex)
        return fail("multiple .text section defenition");
      textIndex = i;
    } else if (s.sh_type == SHT_PROGBITS && s.sh_flags == SHF_ZORVEL_DATA) {
      if (dataIndex)
        return fail("multiple .data section defenition");
      dataIndex = i;
    } else if (s.sh_type == SHT_PROGBITS && s.sh_size != 0) {
      std::string name = getSectionName(i);
      if (name.compare(0, sizeof Prefix - 1, Prefix) != 0)
        continue;
      std::string rest = name.substr(sizeof Prefix - 1);
      size_t k = 0;
      while (k < DebugSectionCount && rest != DebugSuffixes[k])
        ++k;
      if (k == DebugSectionCount)
        return fail("unknown " + name + " section");
      debugIndex[k] = i;
    } else if (s.sh_type == SHT_NOBITS && s.sh_flags == SHF_ZORVEL_DATA) {
      if (bssIndex)
        return fail("multiple .bss section defenition");
      bssIndex = i;
    }
  }
  if (!textIndex)
    return fail("no .text section defined");
  if (!dataIndex)
    return fail("no .data section defined");
  if (!bssIndex)
    return fail("no .bss section defined");
  return true;
}

int ElfObject::loadSymtab(Diagnostics &diag) {
  symtabIndex = 0;
  for (size_t i = 1; i < sections.size() && !symtabIndex; ++i)
    if (sections[i].sh_type == SHT_SYMTAB)
      symtabIndex = i;
  if (!symtabIndex) {
    fail("no .symtab section (symbol table) defined");
    return 0;
  }
  const GElf_Shdr &symtab = sections[symtabIndex];
  // A 64-bit object is read whole and refused by the target checks.
  size_t entsize =
      ei_class() == ELFCLASS64 ? sizeof(Elf64_Sym) : sizeof(Elf32_Sym);
  if (symtab.sh_entsize != entsize) {
    fail("symbol table entry size is " + std::to_string(symtab.sh_entsize) +
         ", not " + std::to_string(entsize));
    return 0;
  }
  size_t count = symtab.sh_size / symtab.sh_entsize;
  if (symtab.sh_info > count) {
    fail("first global symbol index " + std::to_string(symtab.sh_info) +
         " is beyond the " + std::to_string(count) + " symbols");
    return 0;
  }
  if (!loadStrtab(symbolNames, symtab.sh_link))
    return 0;
  Elf_Scn *scn = elf_getscn(elf, symtabIndex);
  if (!scn) {
    failElf("elf_getscn() failed: ");
    return 0;
  }
  Elf_Data *data = elf_getdata(scn, nullptr);
  if (!data) {
    failElf("elf_getdata() failed: ");
    return 0;
  }

  // Every record is read and checked before any enters the global table.
  std::vector<GElf_Sym> records(count);
  for (size_t i = 0; i < count; ++i) {
    if (!gelf_getsym(data, int(i), &records[i])) {
      failElf("elf_getsym() failed: ");
      return 0;
    }
    const GElf_Sym &r = records[i];
    if (r.st_name >= symbolNames.size() ||
        (r.st_shndx >= sections.size() && r.st_shndx != SHN_ABS &&
         r.st_shndx != SHN_COMMON)) {
      fail("symbol index is out of range");
      return 0;
    }
  }

  firstGlobal = symtab.sh_info;
  symbolVector.clear();
  localSymbols.clear();
  weakReference.assign(count, 0);
  int result = 1;
  for (size_t i = 0; i < count; ++i) {
    const GElf_Sym &r = records[i];
    std::string_view name(symbolNames.c_str() + r.st_name);
    if (i < firstGlobal) {
      localSymbols.push_back(std::make_unique<Symbol>(r, this, name));
      symbolVector.push_back(localSymbols.back().get());
      if (GELF_ST_TYPE(r.st_info) == STT_SECTION &&
          r.st_shndx < sectionSymbol.size())
        sectionSymbol[r.st_shndx] = i;
      continue;
    }
    weakReference[i] = GELF_ST_BIND(r.st_info) == STB_WEAK;
    bool ok = true;
    Symbol *entry = globals->addSymbol(r, name, this, ok);
    if (!entry) {
      fail("internal error (bind)");
      return 0;
    }
    symbolVector.push_back(entry);
    if (ok)
      continue;
    // Every conflict of the object is listed before the link stops.
    const ElfObject *first = entry->getOwner();
    const GElf_Sym &have = entry->get();
    diag.notice("%s: (%s+0x%x): multiple definition of '%s'", location.c_str(),
                getSectionName(r.st_shndx).c_str(), unsigned(r.st_value),
                std::string(name).c_str());
    diag.notice(
        "%s: (%s+0x%x): first defined here", first->getLocation().c_str(),
        first->getSectionName(have.st_shndx).c_str(), unsigned(have.st_value));
    result = -1;
  }
  return result;
}

void ElfObject::mallocForCommonSymbols() {
  if (!bssIndex || bssIndex >= sections.size())
    return;
  GElf_Shdr &bss = sections[bssIndex];
  for (size_t i = firstGlobal; i < symbolVector.size(); ++i) {
    Symbol *symbol = symbolVector[i];
    if (symbol->getOwner() != this || !symbol->isCommon())
      continue;
    GElf_Sym &r = symbol->get();
    // The alignment is expected to be a power of two; 0 is taken as 1 and
    // any other value is rounded up to the next power of two.
    uint64_t align = 1;
    while (align < r.st_value && align < (uint64_t(1) << 32))
      align <<= 1;
    uint64_t offset = (bss.sh_size + align - 1) & ~(align - 1);
    if (align > bss.sh_addralign)
      bss.sh_addralign = align;
    r.st_shndx = uint16_t(bssIndex);
    r.st_value = offset;
    bss.sh_size = offset + r.st_size;
  }
}

} // namespace zvld
