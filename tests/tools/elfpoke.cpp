// elfpoke.cpp - zv-elfpoke, a test tool that damages ELF32 files on
// purpose: it rewrites one field of the header, a section header, a symbol
// or a relocation entry in the file's byte order, or cuts the file short.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

struct Field {
  const char *name;
  unsigned offset;
  unsigned size;
};

const Field EhdrFields[] = {
    {"class", 4, 1},      {"data", 5, 1},       {"e_type", 16, 2},
    {"e_machine", 18, 2}, {"e_entry", 24, 4},   {"e_phoff", 28, 4},
    {"e_shoff", 32, 4},   {"e_flags", 36, 4},   {"e_shentsize", 46, 2},
    {"e_shnum", 48, 2},   {"e_shstrndx", 50, 2}, {nullptr, 0, 0}};
const Field ShdrFields[] = {
    {"sh_name", 0, 4},  {"sh_type", 4, 4},       {"sh_flags", 8, 4},
    {"sh_addr", 12, 4}, {"sh_offset", 16, 4},    {"sh_size", 20, 4},
    {"sh_link", 24, 4}, {"sh_info", 28, 4},      {"sh_addralign", 32, 4},
    {"sh_entsize", 36, 4}, {nullptr, 0, 0}};
const Field SymFields[] = {{"st_name", 0, 4},  {"st_value", 4, 4},
                           {"st_size", 8, 4},  {"st_info", 12, 1},
                           {"st_other", 13, 1}, {"st_shndx", 14, 2},
                           {nullptr, 0, 0}};
const Field RelFields[] = {
    {"r_offset", 0, 4}, {"r_info", 4, 4}, {nullptr, 0, 0}};

std::vector<uint8_t> image;
bool bigEndian = false;

[[noreturn]] void die(const std::string &text) {
  std::cerr << "zv-elfpoke: " << text << '\n';
  std::exit(2);
}

uint64_t get(size_t at, unsigned size) {
  if (at + size > image.size())
    die("read past the end of the file");
  uint64_t v = 0;
  for (unsigned i = 0; i < size; ++i) {
    unsigned shift = bigEndian ? 8 * (size - 1 - i) : 8 * i;
    v |= uint64_t(image[at + i]) << shift;
  }
  return v;
}

void put(size_t at, unsigned size, uint64_t v) {
  if (at + size > image.size())
    die("write past the end of the file");
  for (unsigned i = 0; i < size; ++i) {
    unsigned shift = bigEndian ? 8 * (size - 1 - i) : 8 * i;
    image[at + i] = uint8_t(v >> shift);
  }
}

const Field &field(const Field *table, const std::string &name) {
  for (const Field *f = table; f->name; ++f)
    if (name == f->name)
      return *f;
  die("unknown field " + name);
}

uint64_t number(const std::string &text) {
  return std::strtoull(text.c_str(), nullptr, 0);
}

size_t shdrAt(uint64_t index) {
  return size_t(get(32, 4) + index * 40);
}

std::string sectionName(uint64_t index) {
  size_t names = size_t(get(shdrAt(get(50, 2)) + 16, 4));
  size_t at = names + size_t(get(shdrAt(index), 4));
  std::string s;
  while (at < image.size() && image[at])
    s += char(image[at++]);
  return s;
}

// The offset of the header of an archive member, by the name ar gives it.
uint64_t findMember(const std::string &name) {
  size_t at = 8;
  while (at + 60 <= image.size()) {
    std::string header(reinterpret_cast<const char *>(&image[at]), 60);
    std::string member = header.substr(0, 16);
    member = member.substr(0, member.find_first_of("/ "));
    if (member == name)
      return at;
    at += 60 + std::strtoull(header.substr(48, 10).c_str(), nullptr, 10);
    at += at & 1;
  }
  die("no member " + name);
}

uint64_t findSection(const std::string &name) {
  uint64_t count = get(48, 2);
  for (uint64_t i = 1; i < count; ++i)
    if (sectionName(i) == name)
      return i;
  die("no section " + name);
}

} // namespace

int main(int argc, char **argv) {
  if (argc < 3) {
    std::cerr << "usage: zv-elfpoke FILE find NAME | shname INDEX | ehdr FIELD VALUE | shdr "
                 "INDEX FIELD VALUE | sym INDEX FIELD VALUE | rel SECTION "
                 "ENTRY FIELD VALUE | byte OFFSET VALUE | truncate SIZE | member NAME | "
                 "arindex N OFFSET\n";
    return 2;
  }
  std::string file = argv[1], what = argv[2];
  {
    std::ifstream in(file, std::ios::binary);
    if (!in)
      die("can't read " + file);
    image.assign(std::istreambuf_iterator<char>(in),
                 std::istreambuf_iterator<char>());
  }
  if (image.size() > 5)
    bigEndian = image[5] == 2;
  std::vector<std::string> a(argv + 3, argv + argc);
  auto need = [&](size_t n) {
    if (a.size() != n)
      die("wrong number of arguments for " + what);
  };
  if (what == "find") {
    need(1);
    std::cout << findSection(a[0]) << '\n';
    return 0;
  } else if (what == "ehdr") {
    need(2);
    const Field &f = field(EhdrFields, a[0]);
    put(f.offset, f.size, number(a[1]));
  } else if (what == "shdr") {
    need(3);
    const Field &f = field(ShdrFields, a[1]);
    put(shdrAt(number(a[0])) + f.offset, f.size, number(a[2]));
  } else if (what == "sym") {
    need(3);
    size_t symtab = shdrAt(findSection(".symtab"));
    const Field &f = field(SymFields, a[1]);
    put(size_t(get(symtab + 16, 4) + number(a[0]) * 16 + f.offset), f.size,
        number(a[2]));
  } else if (what == "rel") {
    need(4);
    size_t rel = shdrAt(findSection(a[0]));
    const Field &f = field(RelFields, a[2]);
    put(size_t(get(rel + 16, 4) + number(a[1]) * 8 + f.offset), f.size,
        number(a[3]));
  } else if (what == "shname") {
    need(1);
    std::cout << get(shdrAt(number(a[0])), 4) << '\n';
    return 0;
  } else if (what == "member") {
    need(1);
    std::cout << findMember(a[0]) << '\n';
    return 0;
  } else if (what == "arindex") {
    // Entry N of the archive symbol index: big-endian offsets after the
    // count, behind the index member's header.
    need(2);
    bigEndian = true;
    put(size_t(8 + 60 + 4 + number(a[0]) * 4), 4, number(a[1]));
  } else if (what == "byte") {
    need(2);
    put(size_t(number(a[0])), 1, number(a[1]));
  } else if (what == "truncate") {
    need(1);
    image.resize(size_t(number(a[0])));
  } else {
    die("unknown request " + what);
  }
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char *>(image.data()),
            std::streamsize(image.size()));
  return out ? 0 : 2;
}
