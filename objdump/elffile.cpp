// elffile.cpp - reading a Zorvel object or image from memory: every offset,
// size, index and name is checked before it is used, so a damaged file
// ends in a message and never in a read outside the bytes.
#include "elffile.h"

#include "buffer.h"
#include "textformat.h"

#include <algorithm>
#include <cstring>

namespace zvod {

namespace {

const char Damaged[] = " (elf object damaged or corrupted)";

// Whether [offset, offset + size) lies inside a file of the given size.
bool inside(uint64_t offset, uint64_t size, uint64_t fileSize) {
  return offset <= fileSize && size <= fileSize - offset;
}

bool startsWith(const std::string &text, const char *prefix) {
  return text.compare(0, std::strlen(prefix), prefix) == 0;
}

} // namespace

bool ElfFile::fail(const std::string &text) {
  error = text;
  return false;
}

bool ElfFile::damaged(const std::string &text) { return fail(text + Damaged); }

bool ElfFile::checkTable(const char *what, uint64_t offset, size_t count,
                         unsigned entrySize, unsigned expected) {
  if (entrySize != expected)
    return fail(std::string(what) + " entry size is " +
                std::to_string(entrySize) + ", not " +
                std::to_string(expected));
  if (!inside(offset, uint64_t(count) * expected, bytes.size()))
    return damaged(std::string(what) + " table lies outside the file");
  return true;
}

Buffer ElfFile::contents(uint64_t offset, size_t size) const {
  Buffer b(encoding, size);
  if (size)
    std::memcpy(b.setRawData(size), bytes.data() + offset, size);
  return b;
}

bool ElfFile::read(const uint8_t *data, size_t size) {
  bytes.assign(data, data + size);
  sections.clear();
  segments.clear();
  symbols.clear();
  relocations.clear();
  error.clear();
  return readHeader() && readSectionHeaders() && readSegments() &&
         readSymbols() && readRelocations();
}

bool ElfFile::readHeader() {
  if (bytes.size() < EI_NIDENT || std::memcmp(bytes.data(), ELFMAG, SELFMAG))
    return fail("not an elf object file");
  if (bytes[EI_CLASS] != ELFCLASS32)
    return fail("not an ELF32 file");
  encoding = bytes[EI_DATA];
  if (encoding != ELFDATA2LSB && encoding != ELFDATA2MSB)
    return fail("unknown data encoding " + std::to_string(encoding));
  if (bytes.size() < sizeof(Elf32_Ehdr))
    return damaged("ELF header lies outside the file");
  Buffer b = contents(0, sizeof(Elf32_Ehdr));
  b >> header;
  if (header.e_machine != EM_ZP100 && header.e_machine != EM_ZP200)
    return fail("unknown processor code 0x" + hexDigits(header.e_machine));
  if (header.e_type != ET_REL && header.e_type != ET_EXEC)
    return fail("neither a relocatable object nor an executable image");
  return true;
}

bool ElfFile::readSectionHeaders() {
  const size_t count = header.e_shnum;
  if (count == 0)
    return true;
  if (!checkTable("section header", header.e_shoff, count, header.e_shentsize,
                  sizeof(Elf32_Shdr)))
    return false;
  Buffer b = contents(header.e_shoff, count * sizeof(Elf32_Shdr));
  sections.resize(count);
  for (size_t i = 0; i < count; ++i) {
    b >> sections[i].shdr;
    const Elf32_Shdr &s = sections[i].shdr;
    if (s.sh_type != SHT_NOBITS && s.sh_type != SHT_NULL &&
        !inside(s.sh_offset, s.sh_size, bytes.size()))
      return damaged("section [" + std::to_string(i) +
                     "] lies outside the file");
  }
  const size_t names = header.e_shstrndx;
  if (names == SHN_UNDEF || names >= count ||
      sections[names].shdr.sh_type != SHT_STRTAB)
    return damaged("section name string table index is out of range");
  if (!checkStringTable(names))
    return false;
  for (size_t i = 0; i < count; ++i)
    if (!stringAt(names, sections[i].shdr.sh_name, sections[i].name))
      return damaged("name of section [" + std::to_string(i) +
                     "] is out of range");
  return true;
}

bool ElfFile::checkStringTable(size_t index) {
  const Elf32_Shdr &s = sections[index].shdr;
  if (s.sh_size == 0 || bytes[s.sh_offset + s.sh_size - 1] != 0)
    return damaged("string table [" + std::to_string(index) +
                   "] does not end with a null character");
  return true;
}

bool ElfFile::stringAt(size_t table, uint32_t offset, std::string &out) {
  const Elf32_Shdr &s = sections[table].shdr;
  if (offset >= s.sh_size)
    return false;
  // The table ends with a null character, so strlen stays inside it.
  out = reinterpret_cast<const char *>(bytes.data() + s.sh_offset + offset);
  return true;
}

bool ElfFile::readSegments() {
  const size_t count = header.e_phnum;
  if (count == 0)
    return true;
  if (!checkTable("program header", header.e_phoff, count, header.e_phentsize,
                  sizeof(Elf32_Phdr)))
    return false;
  Buffer b = contents(header.e_phoff, count * sizeof(Elf32_Phdr));
  segments.resize(count);
  for (size_t i = 0; i < count; ++i) {
    b >> segments[i];
    const Elf32_Phdr &p = segments[i];
    if (p.p_type == PT_LOAD && !inside(p.p_offset, p.p_filesz, bytes.size()))
      return damaged("segment [" + std::to_string(i) +
                     "] lies outside the file");
  }
  return true;
}

bool ElfFile::readSymbols() {
  size_t symtab = 0;
  for (size_t i = 1; i < sections.size(); ++i) {
    if (sections[i].shdr.sh_type != SHT_SYMTAB)
      continue;
    if (symtab)
      return fail("more than one symbol table");
    symtab = i;
  }
  if (!symtab)
    return true;
  const Elf32_Shdr &s = sections[symtab].shdr;
  if (s.sh_entsize != sizeof(Elf32_Sym))
    return fail("symbol table entry size is " + std::to_string(s.sh_entsize) +
                ", not 16");
  if (s.sh_size % sizeof(Elf32_Sym))
    return damaged("symbol table size is no multiple of 16");
  const size_t names = s.sh_link;
  if (names == 0 || names >= sections.size() ||
      sections[names].shdr.sh_type != SHT_STRTAB)
    return fail("index string table is out of range");
  if (!checkStringTable(names))
    return false;
  const size_t count = s.sh_size / sizeof(Elf32_Sym);
  Buffer b = contents(s.sh_offset, s.sh_size);
  symbols.resize(count);
  for (size_t i = 0; i < count; ++i) {
    ElfSymbol &sym = symbols[i];
    b >> sym.sym;
    if (!stringAt(names, sym.sym.st_name, sym.name))
      return damaged("name of symbol [" + std::to_string(i) +
                     "] is out of range");
    const uint16_t shndx = sym.sym.st_shndx;
    if (shndx >= sections.size() && shndx != SHN_ABS && shndx != SHN_COMMON)
      return damaged("section index of symbol [" + std::to_string(i) +
                     "] is out of range");
  }
  return true;
}

bool ElfFile::readRelocations() {
  relocations.assign(sections.size(), {});
  for (size_t i = 1; i < sections.size(); ++i) {
    const Elf32_Shdr &s = sections[i].shdr;
    const std::string at = "relocation section [" + std::to_string(i) + "]";
    if (s.sh_type == SHT_RELA)
      return fail(at + " has entries with addends, which Zorvel objects "
                       "never have");
    if (s.sh_type != SHT_REL)
      continue;
    if (s.sh_entsize != sizeof(Elf32_Rel))
      return fail(at + ": entry size is " + std::to_string(s.sh_entsize) +
                  ", not 8");
    if (s.sh_size % sizeof(Elf32_Rel))
      return damaged(at + ": size is no multiple of 8");
    if (symbols.empty() || s.sh_link >= sections.size() ||
        sections[s.sh_link].shdr.sh_type != SHT_SYMTAB)
      return fail("invalid symtab index in relocation section header");
    const size_t target = s.sh_info;
    if (target == 0 || target >= sections.size() ||
        sections[target].shdr.sh_type == SHT_REL ||
        sections[target].shdr.sh_type == SHT_SYMTAB ||
        sections[target].shdr.sh_type == SHT_NULL)
      return fail(at + " applies to no section");
    const Elf32_Shdr &t = sections[target].shdr;
    Buffer b = contents(s.sh_offset, s.sh_size);
    for (size_t k = 0; k < s.sh_size / sizeof(Elf32_Rel); ++k) {
      Elf32_Rel r;
      b >> r;
      ElfRelocation e{r.r_offset, ELF32_R_SYM(r.r_info),
                      static_cast<uint8_t>(ELF32_R_TYPE(r.r_info))};
      if (e.symbol >= symbols.size())
        return fail("symbol index in relocation entry is out of range");
      if (e.type > R_ZORVEL_64)
        return fail("unknown relocation type in relocation entry");
      if (t.sh_type == SHT_NOBITS ||
          !inside(e.offset, relocationWidth(e.type), t.sh_size))
        return fail("invalid offset in relocation entry for section '" +
                    sections[target].name + "'");
      relocations[target].push_back(e);
    }
  }
  for (auto &list : relocations)
    std::stable_sort(list.begin(), list.end(),
                     [](const ElfRelocation &a, const ElfRelocation &b) {
                       return a.offset < b.offset;
                     });
  return true;
}

const std::vector<ElfRelocation> &
ElfFile::getRelocations(size_t section) const {
  static const std::vector<ElfRelocation> none;
  return section < relocations.size() ? relocations[section] : none;
}

const ElfRelocation *ElfFile::relocationAt(size_t section,
                                           uint32_t offset) const {
  const std::vector<ElfRelocation> &list = getRelocations(section);
  auto it = std::lower_bound(
      list.begin(), list.end(), offset,
      [](const ElfRelocation &r, uint32_t at) { return r.offset < at; });
  return it != list.end() && it->offset == offset ? &*it : nullptr;
}

const uint8_t *ElfFile::sectionData(size_t index) const {
  if (index >= sections.size())
    return nullptr;
  const Elf32_Shdr &s = sections[index].shdr;
  if (s.sh_type == SHT_NOBITS || s.sh_type == SHT_NULL)
    return nullptr;
  return bytes.data() + s.sh_offset;
}

const uint8_t *ElfFile::segmentData(size_t index) const {
  return index < segments.size() ? bytes.data() + segments[index].p_offset
                                 : nullptr;
}

// What the assembler writes: .text in the file's byte order, .data in the
// data byte order (little-endian on both models), and every section made
// by .section most significant byte first.
uint8_t ElfFile::sectionEncoding(size_t index) const {
  const std::string &name = index < sections.size() ? sections[index].name : "";
  if (name == ".data" && (header.e_flags & EF_ZORVEL_DATA_LSB))
    return ELFDATA2LSB;
  if (name == ".text" || name == ".data" || !isRelocatable())
    return encoding;
  return ELFDATA2MSB;
}

uint64_t ElfFile::readValue(size_t section, uint32_t offset,
                            unsigned width) const {
  const uint8_t *p = sectionData(section) + offset;
  const bool big = sectionEncoding(section) == ELFDATA2MSB;
  uint64_t v = 0;
  for (unsigned i = 0; i < width; ++i)
    v |= uint64_t(p[i]) << (big ? 8 * (width - 1 - i) : 8 * i);
  return v;
}

uint32_t ElfFile::word(const uint8_t *p, uint8_t encoding) {
  if (encoding == ELFDATA2MSB)
    return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 |
           p[3];
  return uint32_t(p[3]) << 24 | uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 |
         p[0];
}

unsigned ElfFile::relocationWidth(uint8_t type) {
  switch (type) {
  case R_ZORVEL_8:
    return 1;
  case R_ZORVEL_16:
    return 2;
  case R_ZORVEL_32:
    return 4;
  case R_ZORVEL_64:
    return 8;
  default:
    return 0;
  }
}

const char *ElfFile::relocationName(uint8_t type) {
  static const char *const names[] = {"R_ZORVEL_NONE", "R_ZORVEL_8",
                                      "R_ZORVEL_16", "R_ZORVEL_32",
                                      "R_ZORVEL_64"};
  return type <= R_ZORVEL_64 ? names[type] : "R_ZORVEL_?";
}

std::string ElfFile::symbolName(size_t index) const {
  if (index >= symbols.size())
    return std::string();
  const ElfSymbol &s = symbols[index];
  if (s.type() == STT_SECTION && s.sym.st_shndx < sections.size())
    return sections[s.sym.st_shndx].name;
  return s.name;
}

bool ElfFile::isDebugSection(size_t index) const {
  if (index >= sections.size())
    return false;
  const std::string &name = sections[index].name;
  return startsWith(name, ".debug_") || startsWith(name, ".rel.debug_");
}

} // namespace zvod
