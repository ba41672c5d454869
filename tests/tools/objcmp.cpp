// objcmp.cpp - zv-objcmp, a test tool that compares two relocatable
// objects through libelf: header, sections, symbols and relocations, by
// name rather than by index, leaving the debugging sections out.
#include <gelf.h>
#include <libelf.h>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Object {
  std::string path;
  GElf_Ehdr header{};
  // Sections other than the null one, the symbol and string tables, the
  // relocation sections and the debugging sections, in file order.
  std::vector<std::string> order;
  std::map<std::string, GElf_Shdr> headers;
  std::map<std::string, std::string> contents;
  std::vector<std::string> symbols;
  std::map<std::string, std::vector<std::string>> relocations;
};

bool isDebug(const std::string &name) {
  return name.rfind(".debug_", 0) == 0 || name.rfind(".rel.debug_", 0) == 0;
}

std::string hex(uint64_t v) {
  char buffer[24];
  std::snprintf(buffer, sizeof buffer, "0x%llx",
                static_cast<unsigned long long>(v));
  return buffer;
}

bool load(const char *path, Object &o) {
  o.path = path;
  int fd = open(path, O_RDONLY);
  if (fd < 0) {
    std::cerr << "zv-objcmp: can't open " << path << "\n";
    return false;
  }
  Elf *elf = elf_begin(fd, ELF_C_READ, nullptr);
  size_t shstrndx = 0;
  if (!elf || elf_kind(elf) != ELF_K_ELF || !gelf_getehdr(elf, &o.header) ||
      elf_getshdrstrndx(elf, &shstrndx) != 0) {
    std::cerr << "zv-objcmp: " << path << ": " << elf_errmsg(-1) << "\n";
    return false;
  }
  std::vector<std::string> names;
  std::vector<GElf_Shdr> shdrs;
  for (Elf_Scn *scn = nullptr; (scn = elf_nextscn(elf, scn));) {
    GElf_Shdr s;
    gelf_getshdr(scn, &s);
    const char *n = elf_strptr(elf, shstrndx, s.sh_name);
    names.resize(elf_ndxscn(scn) + 1);
    shdrs.resize(elf_ndxscn(scn) + 1);
    names[elf_ndxscn(scn)] = n ? n : "?";
    shdrs[elf_ndxscn(scn)] = s;
  }
  auto sectionName = [&](size_t i) {
    if (i == SHN_UNDEF)
      return std::string("UND");
    if (i == SHN_ABS)
      return std::string("ABS");
    if (i == SHN_COMMON)
      return std::string("COM");
    return i < names.size() ? names[i] : std::string("?");
  };
  std::vector<std::string> symbolKeys;
  for (Elf_Scn *scn = nullptr; (scn = elf_nextscn(elf, scn));) {
    const size_t i = elf_ndxscn(scn);
    const GElf_Shdr &s = shdrs[i];
    Elf_Data *data = elf_getdata(scn, nullptr);
    if (s.sh_type == SHT_SYMTAB) {
      const size_t count = s.sh_entsize ? s.sh_size / s.sh_entsize : 0;
      symbolKeys.resize(count);
      for (size_t k = 0; k < count; ++k) {
        GElf_Sym sym;
        gelf_getsym(data, static_cast<int>(k), &sym);
        const char *n = elf_strptr(elf, s.sh_link, sym.st_name);
        std::string name = n ? n : "?";
        const unsigned type = GELF_ST_TYPE(sym.st_info);
        if (type == STT_SECTION)
          name = sectionName(sym.st_shndx);
        symbolKeys[k] = name;
        if (k == 0 || isDebug(sectionName(sym.st_shndx)))
          continue;
        std::ostringstream line;
        line << name << " value " << hex(sym.st_value) << " size "
             << sym.st_size << " bind " << GELF_ST_BIND(sym.st_info) << " type "
             << type << " other " << int(sym.st_other) << " section "
             << sectionName(sym.st_shndx);
        o.symbols.push_back(line.str());
      }
    }
  }
  for (Elf_Scn *scn = nullptr; (scn = elf_nextscn(elf, scn));) {
    const size_t i = elf_ndxscn(scn);
    const GElf_Shdr &s = shdrs[i];
    const std::string &name = names[i];
    Elf_Data *data = elf_getdata(scn, nullptr);
    if (s.sh_type == SHT_REL) {
      const std::string target = sectionName(s.sh_info);
      if (isDebug(target))
        continue;
      const size_t count = s.sh_entsize ? s.sh_size / s.sh_entsize : 0;
      for (size_t k = 0; k < count; ++k) {
        GElf_Rel r;
        gelf_getrel(data, static_cast<int>(k), &r);
        const size_t sym = GELF_R_SYM(r.r_info);
        o.relocations[target].push_back(
            hex(r.r_offset) + " type " + std::to_string(GELF_R_TYPE(r.r_info)) +
            " " + (sym < symbolKeys.size() ? symbolKeys[sym] : "?"));
      }
      continue;
    }
    if (s.sh_type == SHT_SYMTAB || s.sh_type == SHT_STRTAB || isDebug(name))
      continue;
    o.order.push_back(name);
    o.headers[name] = s;
    if (s.sh_type != SHT_NOBITS && data && data->d_buf)
      o.contents[name].assign(static_cast<const char *>(data->d_buf),
                              data->d_size);
  }
  std::sort(o.symbols.begin(), o.symbols.end());
  for (auto &r : o.relocations)
    std::stable_sort(r.second.begin(), r.second.end());
  elf_end(elf);
  close(fd);
  return true;
}

int differences = 0;

void differ(const std::string &what) {
  std::cout << what << "\n";
  ++differences;
}

void compareLists(const std::string &what, const std::vector<std::string> &a,
                  const std::vector<std::string> &b) {
  for (const std::string &x : a)
    if (std::find(b.begin(), b.end(), x) == b.end())
      differ(what + " only in the first: " + x);
  for (const std::string &x : b)
    if (std::find(a.begin(), a.end(), x) == a.end())
      differ(what + " only in the second: " + x);
  std::vector<std::string> x = a, y = b;
  std::sort(x.begin(), x.end());
  std::sort(y.begin(), y.end());
  if (x == y && a != b)
    differ(what + ": the same entries in another order");
}

} // namespace

int main(int argc, char **argv) {
  if (argc != 3) {
    std::cerr << "usage: zv-objcmp FIRST.o SECOND.o\n";
    return 2;
  }
  elf_version(EV_CURRENT);
  Object a, b;
  if (!load(argv[1], a) || !load(argv[2], b))
    return 2;
  const GElf_Ehdr &x = a.header, &y = b.header;
  if (std::memcmp(x.e_ident, y.e_ident, EI_NIDENT) || x.e_type != y.e_type ||
      x.e_machine != y.e_machine || x.e_flags != y.e_flags)
    differ("ELF headers differ");
  compareLists("section", a.order, b.order);
  for (const std::string &name : a.order) {
    if (!b.headers.count(name))
      continue;
    const GElf_Shdr &s = a.headers[name], &t = b.headers[name];
    if (s.sh_type != t.sh_type || s.sh_flags != t.sh_flags ||
        s.sh_size != t.sh_size || s.sh_addralign != t.sh_addralign ||
        s.sh_entsize != t.sh_entsize || s.sh_link != t.sh_link ||
        s.sh_info != t.sh_info)
      differ("section " + name +
             ": headers differ (type, flags, size, "
             "alignment, entity size, link or info)");
    if (a.contents[name] != b.contents[name])
      differ("section " + name + ": contents differ");
    compareLists("relocation of " + name, a.relocations[name],
                 b.relocations[name]);
  }
  compareLists("symbol", a.symbols, b.symbols);
  return differences ? 1 : 0;
}
