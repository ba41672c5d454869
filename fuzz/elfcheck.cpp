// elfcheck.cpp - reads a written object or image back through libelf and
// checks every table against the file's size and against each other.
#include "elfcheck.h"

#include <fstream>
#include <gelf.h>
#include <iterator>
#include <libelf.h>
#include <map>
#include <vector>

namespace {

std::string at(const char *what, size_t index) {
  return std::string(what) + " [" + std::to_string(index) + "] ";
}

class Reader {
public:
  Reader(std::vector<char> &bytes, uint16_t type, uint16_t machine)
      : bytes(bytes), type(type), machine(machine) {}
  ~Reader() {
    if (elf)
      elf_end(elf);
  }

  std::string check() {
    elf_version(EV_CURRENT);
    elf = elf_memory(bytes.data(), bytes.size());
    if (!elf || elf_kind(elf) != ELF_K_ELF)
      return "not an ELF file";
    if (gelf_getclass(elf) != ELFCLASS32)
      return "not ELF32";
    GElf_Ehdr eh;
    if (!gelf_getehdr(elf, &eh))
      return "unreadable ELF header";
    if (eh.e_type != type)
      return "e_type " + std::to_string(eh.e_type);
    if (eh.e_machine != machine)
      return "e_machine " + std::to_string(eh.e_machine);
    if (eh.e_shnum != 0 &&
        (eh.e_shoff > bytes.size() ||
         uint64_t(eh.e_shnum) * eh.e_shentsize > bytes.size() - eh.e_shoff))
      return "section header table outside the file";
    if (std::string p = readSections(); !p.empty())
      return p;
    if (std::string p = checkSegments(); !p.empty())
      return p;
    for (size_t i = 1; i < shdrs.size(); ++i) {
      std::string p;
      if (shdrs[i].sh_type == SHT_SYMTAB)
        p = checkSymbols(i);
      else if (shdrs[i].sh_type == SHT_REL)
        p = checkRelocations(i);
      if (!p.empty())
        return p;
    }
    return "";
  }

private:
  std::string readSections() {
    size_t count = 0, names = 0;
    if (elf_getshdrnum(elf, &count) != 0)
      return "unreadable section count";
    if (count != 0 && elf_getshdrstrndx(elf, &names) != 0)
      return "unreadable section name table index";
    if (count != 0 && (names == 0 || names >= count))
      return "section name table index " + std::to_string(names);
    for (size_t i = 0; i < count; ++i) {
      GElf_Shdr sh;
      Elf_Scn *scn = elf_getscn(elf, i);
      if (!scn || !gelf_getshdr(scn, &sh))
        return at("unreadable section", i);
      if (i != 0 && sh.sh_type != SHT_NOBITS &&
          (sh.sh_offset > bytes.size() ||
           sh.sh_size > bytes.size() - sh.sh_offset))
        return at("section", i) + "outside the file";
      if (sh.sh_link >= count)
        return at("section", i) + "links to " + std::to_string(sh.sh_link);
      shdrs.push_back(sh);
    }
    if (count != 0 && shdrs[names].sh_type != SHT_STRTAB)
      return "section names not in a string table";
    if (count != 0 && !endsWithNul(names))
      return at("string table", names) + "without its closing NUL";
    return "";
  }

  // A string table that names something must end its last name; tables
  // copied from the inputs and used by nothing are kept as they came.
  bool endsWithNul(size_t index) const {
    const GElf_Shdr &sh = shdrs[index];
    return sh.sh_size == 0 || bytes[sh.sh_offset + sh.sh_size - 1] == '\0';
  }

  std::string checkSegments() {
    size_t count = 0;
    if (elf_getphdrnum(elf, &count) != 0)
      return "unreadable segment count";
    for (size_t i = 0; i < count; ++i) {
      GElf_Phdr ph;
      if (!gelf_getphdr(elf, int(i), &ph))
        return at("unreadable segment", i);
      if (ph.p_offset > bytes.size() ||
          ph.p_filesz > bytes.size() - ph.p_offset)
        return at("segment", i) + "outside the file";
      if (ph.p_filesz > ph.p_memsz)
        return at("segment", i) + "larger in the file than in memory";
    }
    return "";
  }

  std::string checkSymbols(size_t index) {
    const GElf_Shdr &sh = shdrs[index];
    if (sh.sh_entsize != sizeof(Elf32_Sym) || sh.sh_size % sh.sh_entsize)
      return at("symbol table", index) + "of odd entries";
    if (shdrs[sh.sh_link].sh_type != SHT_STRTAB)
      return at("symbol table", index) + "without a string table";
    if (!endsWithNul(sh.sh_link))
      return at("string table", sh.sh_link) + "without its closing NUL";
    const uint64_t names = shdrs[sh.sh_link].sh_size;
    Elf_Data *data = elf_getdata(elf_getscn(elf, index), nullptr);
    const size_t count = sh.sh_size / sh.sh_entsize;
    if (sh.sh_info > count)
      return at("symbol table", index) + "first global beyond the end";
    for (size_t i = 0; i < count; ++i) {
      GElf_Sym sym;
      if (!data || !gelf_getsym(data, int(i), &sym))
        return at("unreadable symbol", i);
      if (sym.st_name >= names && !(sym.st_name == 0 && names == 0))
        return at("symbol", i) + "name outside the string table";
      if (sym.st_shndx >= shdrs.size() && sym.st_shndx < SHN_LORESERVE)
        return at("symbol", i) + "in section " + std::to_string(sym.st_shndx);
    }
    symbolCount[index] = count;
    return "";
  }

  std::string checkRelocations(size_t index) {
    const GElf_Shdr &sh = shdrs[index];
    if (sh.sh_entsize != sizeof(Elf32_Rel) || sh.sh_size % sh.sh_entsize)
      return at("relocation section", index) + "of odd entries";
    if (sh.sh_info == 0 || sh.sh_info >= shdrs.size())
      return at("relocation section", index) + "for section " +
             std::to_string(sh.sh_info);
    const size_t symtab = sh.sh_link;
    if (shdrs[symtab].sh_type != SHT_SYMTAB)
      return at("relocation section", index) + "without a symbol table";
    if (!symbolCount.count(symtab))
      if (std::string p = checkSymbols(symtab); !p.empty())
        return p;
    const GElf_Shdr &target = shdrs[sh.sh_info];
    Elf_Data *data = elf_getdata(elf_getscn(elf, index), nullptr);
    for (size_t i = 0; i < sh.sh_size / sh.sh_entsize; ++i) {
      GElf_Rel rel;
      if (!data || !gelf_getrel(data, int(i), &rel))
        return at("unreadable relocation", i);
      if (rel.r_offset >= target.sh_size)
        return at("relocation", i) + "outside its section";
      if (GELF_R_SYM(rel.r_info) >= symbolCount[symtab])
        return at("relocation", i) + "of symbol " +
               std::to_string(GELF_R_SYM(rel.r_info));
    }
    return "";
  }

  std::vector<char> &bytes;
  uint16_t type;
  uint16_t machine;
  Elf *elf = nullptr;
  std::vector<GElf_Shdr> shdrs;
  std::map<size_t, size_t> symbolCount;
};

} // namespace

std::string ElfCheck::problem(const std::string &path, uint16_t type,
                              uint16_t machine) {
  std::ifstream in(path, std::ios::binary);
  if (!in)
    return "cannot be read";
  std::vector<char> bytes((std::istreambuf_iterator<char>(in)),
                          std::istreambuf_iterator<char>());
  return Reader(bytes, type, machine).check();
}
