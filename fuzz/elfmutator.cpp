// elfmutator.cpp - field-wise mutations of ELF32 objects and ar archives
// for the structure-aware linker target.
#include "elfmutator.h"

#include "elfview.h"
#include "linkharness.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

extern "C" size_t LLVMFuzzerMutate(uint8_t *data, size_t size, size_t maxSize);

namespace {

using Rng = std::minstd_rand;

size_t below(Rng &rng, size_t n) { return n ? size_t(rng() % n) : 0; }

// Offsets of the fields of the ELF32 header, a section header, a symbol and
// a relocation entry, with their widths.
struct Field {
  unsigned offset;
  unsigned width;
};
const Field EhdrFields[] = {{4, 1},  {5, 1},  {16, 2}, {18, 2},
                            {24, 4}, {28, 4}, {32, 4}, {36, 4},
                            {46, 2}, {48, 2}, {50, 2}};
const Field ShdrFields[] = {{0, 4},  {4, 4},  {8, 4},  {12, 4}, {16, 4},
                            {20, 4}, {24, 4}, {28, 4}, {32, 4}, {36, 4}};
const Field SymFields[] = {{0, 4}, {4, 4}, {8, 4}, {12, 1}, {13, 1}, {14, 2}};
const Field RelFields[] = {{0, 4}, {4, 4}, {4, 1}, {7, 1}};
constexpr unsigned SymSize = 16;
constexpr unsigned RelSize = 8;

// A random section of the given type with whole entries inside the part.
bool pickTable(Rng &rng, const ElfView &elf, uint32_t type, unsigned entry,
               size_t &offset, size_t &count) {
  std::vector<size_t> found;
  for (size_t i = 1; i < elf.sectionCount(); ++i)
    if (elf.shField(i, 4) == type && elf.contents(i, offset, count) &&
        count >= entry)
      found.push_back(i);
  if (found.empty())
    return false;
  elf.contents(found[below(rng, found.size())], offset, count);
  count /= entry;
  return true;
}

// A value on a boundary for a field of the view.
uint32_t interesting(Rng &rng, const ElfView &elf, uint32_t current,
                     unsigned width) {
  const size_t sections = elf.sectionCount();
  const uint32_t size = uint32_t(elf.getSize());
  uint32_t v;
  switch (below(rng, 12)) {
  case 0: {
    static const uint32_t values[] = {
        0,      1,      2,      3,          4,          7,          8,
        16,     0x7f,   0x80,   0xff,       0x100,      0x7fff,     0x8000,
        0xffff, 0xfff1, 0xfff2, 0x7fffffff, 0x80000000, 0xfffffff0, 0xffffffff};
    v = values[below(rng, sizeof values / sizeof values[0])];
    break;
  }
  case 1:
    v = size + uint32_t(below(rng, 3)) - 1;
    break;
  case 2:
    v = uint32_t(sections + below(rng, 3) - 1);
    break;
  case 3:
    v = current + 1;
    break;
  case 4:
    v = current - 1;
    break;
  case 5:
    v = current * 2;
    break;
  case 6:
    v = current ^ (1u << below(rng, width * 8));
    break;
  case 7:
  case 8:
    // A neighbour's offset or size: overlapping and shared contents.
    v = sections > 1
            ? elf.shField(1 + below(rng, sections - 1), below(rng, 2) ? 16 : 20)
            : 0;
    break;
  case 9:
    v = uint32_t(below(rng, sections + 1));
    break;
  case 10:
    v = uint32_t(rng());
    break;
  default:
    v = uint32_t(below(rng, 64));
    break;
  }
  return width == 4 ? v : v & ((1u << width * 8) - 1);
}

template <size_t N>
void mutateField(Rng &rng, ElfView &elf, size_t base,
                 const Field (&fields)[N]) {
  const Field &f = fields[below(rng, N)];
  elf.put(base + f.offset, f.width,
          interesting(rng, elf, elf.get(base + f.offset, f.width), f.width));
}

// One in-place mutation of an object; false when none applied.
bool mutateObject(Rng &rng, ElfView &elf) {
  const size_t sections = elf.sectionCount();
  size_t offset, count;
  switch (below(rng, 10)) {
  case 0:
    mutateField(rng, elf, 0, EhdrFields);
    return true;
  case 1:
  case 2:
  case 3:
    if (sections == 0)
      return false;
    mutateField(rng, elf, elf.shdr(below(rng, sections)), ShdrFields);
    return true;
  case 4:
  case 5:
    if (!pickTable(rng, elf, 2, SymSize, offset, count))
      return false;
    mutateField(rng, elf, offset + below(rng, count) * SymSize, SymFields);
    return true;
  case 6:
  case 7:
    if (!pickTable(rng, elf, 9, RelSize, offset, count))
      return false;
    mutateField(rng, elf, offset + below(rng, count) * RelSize, RelFields);
    return true;
  case 8: {
    // A whole section header copied over another.
    if (sections < 2)
      return false;
    size_t from = elf.shdr(below(rng, sections));
    size_t to = elf.shdr(below(rng, sections));
    for (unsigned i = 0; i < ElfView::ShdrSize; i += 4)
      elf.put(to + i, 4, elf.get(from + i, 4));
    return true;
  }
  default: {
    // The contents of one section, its size kept.
    if (sections < 2)
      return false;
    if (!elf.contents(1 + below(rng, sections - 1), offset, count))
      return false;
    LLVMFuzzerMutate(elf.bytes() + offset, count, count);
    return true;
  }
  }
}

// The members of an ar archive: where each header and its contents lie.
struct Member {
  size_t header;
  size_t offset;
  size_t size;
};

std::vector<Member> members(const uint8_t *data, size_t size) {
  std::vector<Member> found;
  size_t at = 8;
  while (at + 60 <= size) {
    std::string field(reinterpret_cast<const char *>(data) + at + 48, 10);
    size_t length = std::strtoul(field.c_str(), nullptr, 10);
    if (length > size - at - 60)
      break;
    found.push_back({at, at + 60, length});
    at += 60 + length + (length & 1);
  }
  return found;
}

// One in-place mutation of an archive: a member object, a member header's
// size, or an offset in the symbol index.
bool mutateArchive(Rng &rng, uint8_t *data, size_t size) {
  std::vector<Member> all = members(data, size);
  if (all.empty())
    return false;
  const Member &m = all[below(rng, all.size())];
  switch (below(rng, 4)) {
  case 0: {
    static const char *const sizes[] = {"0",          "1",        "59", "60",
                                        "4294967295", "99999999", "-1"};
    char field[11];
    std::snprintf(field, sizeof field, "%-10s",
                  below(rng, 2)
                      ? sizes[below(rng, 7)]
                      : std::to_string(m.size + below(rng, 9) - 4).c_str());
    std::memcpy(data + m.header + 48, field, 10);
    return true;
  }
  case 1: {
    // The index is a count and offsets, big-endian, then names.
    if (data[m.header] != '/' || data[m.header + 1] != ' ' || m.size < 8)
      return false;
    size_t at = m.offset + 4 * below(rng, std::min<size_t>(m.size / 4, 16));
    uint32_t v =
        uint32_t(below(rng, 2) ? all[below(rng, all.size())].header : rng());
    for (unsigned i = 0; i < 4; ++i)
      data[at + i] = uint8_t(v >> 8 * (3 - i));
    return true;
  }
  default: {
    ElfView elf(data + m.offset, m.size);
    return elf.isValid() && mutateObject(rng, elf);
  }
  }
}

// The input rebuilt from parts, in the given order.
void join(const uint8_t *data, const std::vector<LinkHarness::Part> &parts,
          bool entry, std::vector<uint8_t> &out) {
  out.clear();
  for (size_t i = 0; i < parts.size(); ++i) {
    if (i != 0) {
      const char *sep = entry && i == 1 ? LinkHarness::EntrySeparator
                                        : LinkHarness::Separator;
      out.insert(out.end(), sep, sep + LinkHarness::SeparatorSize);
    }
    out.insert(out.end(), data + parts[i].offset,
               data + parts[i].offset + parts[i].size);
  }
}

// Rearranges the parts: one doubled, one dropped, two swapped, or the
// entry label asked for or not.
size_t mutateParts(Rng &rng, uint8_t *data, size_t size, size_t maxSize) {
  bool entry;
  std::vector<LinkHarness::Part> parts = LinkHarness::split(data, size, entry);
  switch (below(rng, 4)) {
  case 0:
    if (parts.size() < LinkHarness::MaxParts)
      parts.push_back(parts[below(rng, parts.size())]);
    break;
  case 1:
    if (parts.size() > 1)
      parts.erase(parts.begin() + long(below(rng, parts.size())));
    break;
  case 2:
    std::swap(parts[below(rng, parts.size())], parts[below(rng, parts.size())]);
    break;
  default:
    entry = !entry;
    break;
  }
  std::vector<uint8_t> out;
  join(data, parts, entry, out);
  if (out.empty() || out.size() > maxSize)
    return size;
  std::memcpy(data, out.data(), out.size());
  return out.size();
}

} // namespace

size_t ElfMutator::mutate(uint8_t *data, size_t size, size_t maxSize,
                          unsigned seed) {
  Rng rng(seed);
  const size_t choice = below(rng, 16);
  if (choice == 0)
    return LLVMFuzzerMutate(data, size, maxSize);
  if (choice == 1)
    return mutateParts(rng, data, size, maxSize);
  bool entry;
  std::vector<LinkHarness::Part> parts = LinkHarness::split(data, size, entry);
  // A few tries: not every mutation applies to every part.
  for (int attempt = 0; attempt < 8; ++attempt) {
    const LinkHarness::Part &part = parts[below(rng, parts.size())];
    uint8_t *at = data + part.offset;
    if (part.archive) {
      if (mutateArchive(rng, at, part.size))
        return size;
      continue;
    }
    ElfView elf(at, part.size);
    if (elf.isValid() && mutateObject(rng, elf))
      return size;
  }
  return LLVMFuzzerMutate(data, size, maxSize);
}

size_t ElfMutator::crossOver(const uint8_t *a, size_t aSize, const uint8_t *b,
                             size_t bSize, uint8_t *out, size_t maxOut,
                             unsigned seed) {
  Rng rng(seed);
  bool entryA, entryB;
  std::vector<LinkHarness::Part> partsA = LinkHarness::split(a, aSize, entryA);
  std::vector<LinkHarness::Part> partsB = LinkHarness::split(b, bSize, entryB);
  const LinkHarness::Part &pa = partsA[below(rng, partsA.size())];
  const LinkHarness::Part &pb = partsB[below(rng, partsB.size())];
  const size_t size = pa.size + LinkHarness::SeparatorSize + pb.size;
  if (size > maxOut)
    return 0;
  const char *sep =
      below(rng, 4) == 0 ? LinkHarness::EntrySeparator : LinkHarness::Separator;
  std::memcpy(out, a + pa.offset, pa.size);
  std::memcpy(out + pa.size, sep, LinkHarness::SeparatorSize);
  std::memcpy(out + pa.size + LinkHarness::SeparatorSize, b + pb.offset,
              pb.size);
  return size;
}
