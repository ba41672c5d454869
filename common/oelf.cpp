// oelf.cpp - the ELF32 writer: string tables with tail reuse, header tables
// in memory, contents written at their file offsets, and the closing
// sequence that appends the tables and writes the ELF header.
#include "oelf.h"

#include <algorithm>
#include <cstring>

ElfStringTable::ElfStringTable() { clear(); }

void ElfStringTable::clear() {
  table.assign(1, '\0');
  tails.clear();
  names.clear();
}

uint32_t ElfStringTable::enter(const std::string &name) {
  std::string_view key(name.c_str()); // up to an embedded NUL
  if (key.empty())
    return 0;
  auto found = tails.find(key);
  if (found != tails.end())
    return found->second;
  auto offset = static_cast<uint32_t>(table.size());
  table.append(key.data(), key.size());
  table.push_back('\0');
  const std::string &stored = names.emplace_back(key);
  std::string_view all(stored);
  for (size_t i = 0; i < all.size(); ++i)
    tails.emplace(all.substr(i), offset + static_cast<uint32_t>(i));
  return offset;
}

oelf::oelf(const std::string &fileName)
    : fileName(fileName), header(), headerBuffer(0x4000) {
  sections.emplace_back();
  symbols.emplace_back();
}

oelf::~oelf() {
  if (out.is_open())
    out.close();
}

oelf::errc oelf::fail(errc code) {
  lastError = code;
  return code;
}

oelf::errc oelf::tooLarge() {
  pastLimit = true;
  return fail(CantWrite);
}

oelf::errc oelf::checkStream() {
  return out.fail() ? fail(CantWrite) : NoError;
}

oelf::errc oelf::init(uint8_t ei_data, uint16_t e_type, uint16_t e_machine,
                      uint32_t e_entry, uint32_t e_flags) {
  if (out.is_open())
    out.close();
  out.clear();
  out.open(fileName, std::ios::binary | std::ios::out | std::ios::trunc);
  if (!out.is_open())
    return fail(CantOpen);
  out.seekp(sizeof(Elf32_Ehdr));

  header = Elf32_Ehdr();
  header.e_ident[EI_MAG0] = ELFMAG0;
  header.e_ident[EI_MAG1] = ELFMAG1;
  header.e_ident[EI_MAG2] = ELFMAG2;
  header.e_ident[EI_MAG3] = ELFMAG3;
  header.e_ident[EI_CLASS] = ELFCLASS32;
  header.e_ident[EI_DATA] = ei_data;
  header.e_ident[EI_VERSION] = EV_CURRENT;
  header.e_type = e_type;
  header.e_machine = e_machine;
  header.e_version = EV_CURRENT;
  header.e_entry = e_entry;
  header.e_flags = e_flags;
  header.e_ehsize = sizeof(Elf32_Ehdr);
  header.e_phentsize = sizeof(Elf32_Phdr);
  header.e_shentsize = sizeof(Elf32_Shdr);
  headerBuffer.setDataEncoding(ei_data);
  headerBuffer.reset();

  sectionNames.clear();
  sections.assign(1, Elf32_Shdr());
  symbolNames.clear();
  symbols.assign(1, Elf32_Sym());
  segments.clear();
  lastError = NoError;
  return checkStream();
}

void oelf::set_ei_data(uint8_t v) {
  header.e_ident[EI_DATA] = v;
  headerBuffer.setDataEncoding(v);
}

// Section headers.

const Elf32_Shdr *oelf::section(uint16_t i) const {
  return i < sections.size() ? &sections[i] : nullptr;
}

Elf32_Shdr *oelf::section(uint16_t i) {
  return i < sections.size() ? &sections[i] : nullptr;
}

uint16_t oelf::addSHEntry(const std::string &name, uint32_t type,
                          uint32_t flags, uint32_t addr, uint32_t offset,
                          uint32_t size, uint32_t link, uint32_t info,
                          uint32_t addralign, uint32_t entsize) {
  Elf32_Shdr sh;
  sh.sh_name = 0;
  sh.sh_type = type;
  sh.sh_flags = flags;
  sh.sh_addr = addr;
  sh.sh_offset = offset;
  sh.sh_size = size;
  sh.sh_link = link;
  sh.sh_info = info;
  sh.sh_addralign = addralign;
  sh.sh_entsize = entsize;
  return addSHEntry(name, &sh);
}

uint16_t oelf::addSHEntry(const std::string &name, const Elf32_Shdr *sh) {
  if (sections.size() >= MaxSections) {
    fail(InvalidIndex);
    return 0;
  }
  sections.push_back(*sh);
  sections.back().sh_name = sectionNames.enter(name);
  return static_cast<uint16_t>(sections.size() - 1);
}

#define SH_FIELD(field)                                                        \
  uint32_t oelf::field(uint16_t i) const {                                     \
    const Elf32_Shdr *sh = section(i);                                         \
    return sh ? sh->field : 0;                                                 \
  }                                                                            \
  void oelf::set_##field(uint16_t i, uint32_t v) {                             \
    if (Elf32_Shdr *sh = section(i))                                           \
      sh->field = v;                                                           \
  }
SH_FIELD(sh_name)
SH_FIELD(sh_type)
SH_FIELD(sh_flags)
SH_FIELD(sh_addr)
SH_FIELD(sh_offset)
SH_FIELD(sh_size)
SH_FIELD(sh_link)
SH_FIELD(sh_info)
SH_FIELD(sh_addralign)
SH_FIELD(sh_entsize)
#undef SH_FIELD

std::string oelf::sh_stringName(uint16_t i) const {
  const Elf32_Shdr *sh = section(i);
  return sh ? getName(sectionNames.contents(), sh->sh_name) : std::string();
}

void oelf::set_sh_stringName(uint16_t i, const std::string &name) {
  if (Elf32_Shdr *sh = section(i))
    sh->sh_name = sectionNames.enter(name);
}

// Symbols.

const Elf32_Sym *oelf::symbol(uint32_t i) const {
  return i < symbols.size() ? &symbols[i] : nullptr;
}

Elf32_Sym *oelf::symbol(uint32_t i) {
  return i < symbols.size() ? &symbols[i] : nullptr;
}

uint32_t oelf::addSTEntry(const std::string &name, uint32_t value,
                          uint32_t size, uint8_t info, uint8_t other,
                          uint16_t shndx) {
  Elf32_Sym st;
  st.st_name = 0;
  st.st_value = value;
  st.st_size = size;
  st.st_info = info;
  st.st_other = other;
  st.st_shndx = shndx;
  return addSTEntry(name, &st);
}

uint32_t oelf::addSTEntry(const std::string &name, uint32_t value,
                          uint32_t size, uint8_t bind, uint8_t type,
                          uint8_t other, uint16_t shndx) {
  return addSTEntry(name, value, size,
                    static_cast<uint8_t>(bind << 4 | (type & 0x0F)), other,
                    shndx);
}

uint32_t oelf::addSTEntry(const std::string &name, const Elf32_Sym *st) {
  if (symbols.size() >= MaxSymbols) {
    fail(InvalidIndex);
    return 0;
  }
  symbols.push_back(*st);
  symbols.back().st_name = symbolNames.enter(name);
  return static_cast<uint32_t>(symbols.size() - 1);
}

#define ST_FIELD(field, type)                                                  \
  type oelf::field(uint32_t i) const {                                         \
    const Elf32_Sym *st = symbol(i);                                           \
    return st ? st->field : 0;                                                 \
  }                                                                            \
  void oelf::set_##field(uint32_t i, type v) {                                 \
    if (Elf32_Sym *st = symbol(i))                                             \
      st->field = v;                                                           \
  }
ST_FIELD(st_name, uint32_t)
ST_FIELD(st_value, uint32_t)
ST_FIELD(st_size, uint32_t)
ST_FIELD(st_info, uint8_t)
ST_FIELD(st_other, uint8_t)
ST_FIELD(st_shndx, uint16_t)
#undef ST_FIELD

std::string oelf::st_stringName(uint32_t i) const {
  const Elf32_Sym *st = symbol(i);
  return st ? getName(symbolNames.contents(), st->st_name) : std::string();
}

uint8_t oelf::st_bind(uint32_t i) const { return st_info(i) >> 4; }

uint8_t oelf::st_type(uint32_t i) const { return st_info(i) & 0x0F; }

void oelf::set_st_stringName(uint32_t i, const std::string &name) {
  if (Elf32_Sym *st = symbol(i))
    st->st_name = symbolNames.enter(name);
}

void oelf::set_st_bind(uint32_t i, uint8_t bind) {
  if (Elf32_Sym *st = symbol(i))
    st->st_info = static_cast<uint8_t>(bind << 4 | (st->st_info & 0x0F));
}

void oelf::set_st_type(uint32_t i, uint8_t type) {
  if (Elf32_Sym *st = symbol(i))
    st->st_info = static_cast<uint8_t>((st->st_info & 0xF0) | (type & 0x0F));
}

// Program headers.

const Elf32_Phdr *oelf::segment(uint16_t i) const {
  return i < segments.size() ? &segments[i] : nullptr;
}

Elf32_Phdr *oelf::segment(uint16_t i) {
  return i < segments.size() ? &segments[i] : nullptr;
}

uint16_t oelf::addPHEntry(uint32_t type, uint32_t offset, uint32_t vaddr,
                          uint32_t paddr, uint32_t filesz, uint32_t memsz,
                          uint32_t flags, uint32_t align) {
  Elf32_Phdr ph;
  ph.p_type = type;
  ph.p_offset = offset;
  ph.p_vaddr = vaddr;
  ph.p_paddr = paddr;
  ph.p_filesz = filesz;
  ph.p_memsz = memsz;
  ph.p_flags = flags;
  ph.p_align = align;
  return addPHEntry(&ph);
}

uint16_t oelf::addPHEntry(const Elf32_Phdr *ph) {
  if (segments.size() >= MaxSegments - 1) {
    fail(InvalidIndex);
    return MaxSegments;
  }
  segments.push_back(*ph);
  return static_cast<uint16_t>(segments.size() - 1);
}

#define PH_FIELD(field)                                                        \
  uint32_t oelf::field(uint16_t i) const {                                     \
    const Elf32_Phdr *ph = segment(i);                                         \
    return ph ? ph->field : 0;                                                 \
  }                                                                            \
  void oelf::set_##field(uint16_t i, uint32_t v) {                             \
    if (Elf32_Phdr *ph = segment(i))                                           \
      ph->field = v;                                                           \
  }
PH_FIELD(p_type)
PH_FIELD(p_offset)
PH_FIELD(p_vaddr)
PH_FIELD(p_paddr)
PH_FIELD(p_filesz)
PH_FIELD(p_memsz)
PH_FIELD(p_flags)
PH_FIELD(p_align)
#undef PH_FIELD

// Contents.

namespace {

// ELF32 offsets and sizes are 32 bits wide.
bool fitsElf32(uint64_t offset, size_t n) {
  return offset <= UINT32_MAX && n <= UINT32_MAX - offset;
}

} // namespace

oelf::errc oelf::writeHere(const void *bytes, size_t n) {
  if (n != 0)
    out.write(static_cast<const char *>(bytes),
              static_cast<std::streamsize>(n));
  return checkStream();
}

oelf::errc oelf::writeAt(const void *bytes, size_t n, uint64_t offset) {
  if (!fitsElf32(offset, n))
    return tooLarge();
  out.seekp(static_cast<std::streamoff>(offset));
  if (errc rc = checkStream())
    return rc;
  return writeHere(bytes, n);
}

oelf::errc oelf::writeFill(uint8_t byte, size_t n, uint64_t offset) {
  if (!fitsElf32(offset, n))
    return tooLarge();
  out.seekp(static_cast<std::streamoff>(offset));
  if (errc rc = checkStream())
    return rc;
  char chunk[512];
  std::memset(chunk, byte, sizeof chunk);
  while (n != 0) {
    size_t part = std::min(n, sizeof chunk);
    if (errc rc = writeHere(chunk, part))
      return rc;
    n -= part;
  }
  return NoError;
}

oelf::errc oelf::addRawData(const void *bytes, size_t n) {
  int64_t pos = tellp();
  if (pos < 0)
    return fail(CantWrite);
  return writeAt(bytes, n, static_cast<uint64_t>(pos));
}

oelf::errc oelf::addRawData(uint8_t byte, size_t n, uint32_t offset) {
  return writeFill(byte, n, offset);
}

oelf::errc oelf::addRawData(const void *bytes, size_t n, uint32_t offset) {
  return writeAt(bytes, n, offset);
}

oelf::errc oelf::addRawData(const Buffer &b, uint32_t offset) {
  return writeAt(b.constData(), b.getDataSize(), offset);
}

oelf::errc oelf::addSectionData(uint8_t byte, size_t n, uint16_t index) {
  Elf32_Shdr *sh = section(index);
  if (!sh)
    return fail(InvalidIndex);
  uint64_t at = uint64_t(sh->sh_offset) + sh->sh_size;
  if (errc rc = writeFill(byte, n, at))
    return rc;
  sh->sh_size += static_cast<uint32_t>(n);
  return NoError;
}

oelf::errc oelf::addSectionData(const void *bytes, size_t n, uint16_t index) {
  Elf32_Shdr *sh = section(index);
  if (!sh)
    return fail(InvalidIndex);
  uint64_t at = uint64_t(sh->sh_offset) + sh->sh_size;
  if (errc rc = writeAt(bytes, n, at))
    return rc;
  sh->sh_size += static_cast<uint32_t>(n);
  return NoError;
}

oelf::errc oelf::addSectionData(const Buffer &b, uint16_t index) {
  return addSectionData(b.constData(), b.getDataSize(), index);
}

oelf::errc oelf::addSegmentData(uint8_t byte, size_t n, uint16_t index) {
  Elf32_Phdr *ph = segment(index);
  if (!ph)
    return fail(InvalidIndex);
  uint64_t at = uint64_t(ph->p_offset) + ph->p_filesz;
  if (errc rc = writeFill(byte, n, at))
    return rc;
  ph->p_filesz += static_cast<uint32_t>(n);
  return NoError;
}

oelf::errc oelf::addSegmentData(const void *bytes, size_t n, uint16_t index) {
  Elf32_Phdr *ph = segment(index);
  if (!ph)
    return fail(InvalidIndex);
  uint64_t at = uint64_t(ph->p_offset) + ph->p_filesz;
  if (errc rc = writeAt(bytes, n, at))
    return rc;
  ph->p_filesz += static_cast<uint32_t>(n);
  return NoError;
}

oelf::errc oelf::addSegmentData(const Buffer &b, uint16_t index) {
  return addSegmentData(b.constData(), b.getDataSize(), index);
}

int64_t oelf::tellp() {
  if (out.fail())
    return -1;
  return static_cast<int64_t>(out.tellp());
}

oelf::errc oelf::seekp(uint32_t offset) {
  out.seekp(offset);
  return checkStream();
}

oelf::errc oelf::seekEnd(uint64_t &pos) {
  out.seekp(0, std::ios::end);
  if (errc rc = checkStream())
    return rc;
  std::streamoff at = out.tellp();
  if (at < 0 || static_cast<uint64_t>(at) > UINT32_MAX)
    return tooLarge();
  // Until something is written past it, the file ends before the room kept
  // for the ELF header; tables must not land there.
  pos = std::max(static_cast<uint64_t>(at), uint64_t(sizeof(Elf32_Ehdr)));
  out.seekp(static_cast<std::streamoff>(pos));
  return checkStream();
}

// The closing sequence.

oelf::errc oelf::flushHeaderBuffer() {
  errc rc = writeHere(headerBuffer.constData(), headerBuffer.getDataSize());
  headerBuffer.reset();
  return rc;
}

oelf::errc oelf::writeSymbolTable() {
  if (symbols.size() <= 1)
    return NoError;
  uint64_t pos;
  if (errc rc = seekEnd(pos))
    return rc;
  const std::string &names = symbolNames.contents();
  if (!fitsElf32(pos, names.size()))
    return tooLarge();
  uint16_t strtab =
      addSHEntry(".strtab", SHT_STRTAB, 0, 0, static_cast<uint32_t>(pos),
                 static_cast<uint32_t>(names.size()), 0, 0, 1, 0);
  if (strtab == 0)
    return lastError;
  if (errc rc = writeHere(names.data(), names.size()))
    return rc;

  pos += names.size();
  uint64_t size = uint64_t(symbols.size()) * sizeof(Elf32_Sym);
  if (!fitsElf32(pos, size))
    return tooLarge();
  uint32_t lastLocal = 0;
  for (uint32_t i = 0; i < symbols.size(); ++i)
    if (ELF32_ST_BIND(symbols[i].st_info) == STB_LOCAL)
      lastLocal = i;
  uint16_t symtab = addSHEntry(
      ".symtab", SHT_SYMTAB, 0, 0, static_cast<uint32_t>(pos),
      static_cast<uint32_t>(size), strtab, lastLocal + 1, 4, sizeof(Elf32_Sym));
  if (symtab == 0)
    return lastError;
  headerBuffer.reset();
  for (const Elf32_Sym &st : symbols) {
    if (!headerBuffer.canAccept(sizeof st))
      if (errc rc = flushHeaderBuffer())
        return rc;
    headerBuffer << st;
  }
  return flushHeaderBuffer();
}

oelf::errc oelf::writeProgramHeaders() {
  if (segments.empty())
    return NoError;
  header.e_phnum = static_cast<uint16_t>(segments.size());
  if (header.e_phoff != 0) {
    if (errc rc = seekp(header.e_phoff))
      return rc;
  } else {
    uint64_t pos;
    if (errc rc = seekEnd(pos))
      return rc;
    header.e_phoff = static_cast<uint32_t>(pos);
  }
  if (!fitsElf32(header.e_phoff, segments.size() * sizeof(Elf32_Phdr)))
    return tooLarge();
  headerBuffer.reset();
  for (const Elf32_Phdr &ph : segments) {
    if (!headerBuffer.canAccept(sizeof ph))
      if (errc rc = flushHeaderBuffer())
        return rc;
    headerBuffer << ph;
  }
  return flushHeaderBuffer();
}

oelf::errc oelf::writeSectionHeaders() {
  if (sections.size() <= 1)
    return NoError;
  uint16_t shstrtab =
      addSHEntry(".shstrtab", SHT_STRTAB, 0, 0, 0, 0, 0, 0, 1, 0);
  if (shstrtab == 0)
    return lastError;
  header.e_shstrndx = shstrtab;
  header.e_shnum = static_cast<uint16_t>(sections.size());
  const std::string &names = sectionNames.contents();
  uint64_t tableSize = uint64_t(sections.size()) * sizeof(Elf32_Shdr);

  uint64_t end;
  if (errc rc = seekEnd(end))
    return rc;
  uint64_t namesAt;
  if (header.e_shoff != 0) {
    namesAt = std::max(end, header.e_shoff + tableSize);
  } else {
    header.e_shoff = static_cast<uint32_t>(end);
    namesAt = end + tableSize;
  }
  if (!fitsElf32(header.e_shoff, tableSize) ||
      !fitsElf32(namesAt, names.size()))
    return tooLarge();
  Elf32_Shdr &sh = sections[shstrtab];
  sh.sh_offset = static_cast<uint32_t>(namesAt);
  sh.sh_size = static_cast<uint32_t>(names.size());

  if (errc rc = seekp(header.e_shoff))
    return rc;
  headerBuffer.reset();
  for (const Elf32_Shdr &s : sections) {
    if (!headerBuffer.canAccept(sizeof s))
      if (errc rc = flushHeaderBuffer())
        return rc;
    headerBuffer << s;
  }
  if (errc rc = flushHeaderBuffer())
    return rc;
  return writeAt(names.data(), names.size(), namesAt);
}

oelf::errc oelf::writeElfHeader() {
  headerBuffer.reset();
  headerBuffer << header;
  if (errc rc = seekp(0))
    return rc;
  return flushHeaderBuffer();
}

oelf::errc oelf::accomplish() {
  if (!out.is_open())
    return fail(CantWrite);
  if (errc rc = writeSymbolTable())
    return rc;
  if (errc rc = writeProgramHeaders())
    return rc;
  if (errc rc = writeSectionHeaders())
    return rc;
  if (errc rc = writeElfHeader())
    return rc;
  // Buffered bytes that cannot be written show up only when flushed.
  out.flush();
  return checkStream();
}

oelf::errc oelf::close() {
  if (!out.is_open())
    return NoError;
  out.close();
  return checkStream();
}
