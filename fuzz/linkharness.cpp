// linkharness.cpp - writes the parts of an input, links them with a fresh
// global symbol table and checks that the link left a sound image or none.
#include "linkharness.h"

#include "codegeneration.h"
#include "elf32.h"
#include "elfcheck.h"
#include "elfview.h"
#include "globalsymtab.h"
#include "nullstream.h"
#include "section.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <libelf.h>
#include <new>

namespace {

bool startsWith(const uint8_t *data, size_t size, const char *text) {
  size_t n = std::strlen(text);
  return size >= n && std::memcmp(data, text, n) == 0;
}

// The model the first object's header names, in its own byte order.
uint16_t machineOf(const uint8_t *data, size_t size) {
  if (size < 20)
    return 0;
  return data[5] == ELFDATA2MSB ? uint16_t(data[18] << 8 | data[19])
                                : uint16_t(data[19] << 8 | data[18]);
}

[[noreturn]] void finding(const char *what, int errors,
                          const std::string &detail = "") {
  std::fprintf(stderr, "==zv-fuzz== %s (%d errors)%s%s\n", what, errors,
               detail.empty() ? "" : ": ", detail.c_str());
  std::abort();
}

} // namespace

std::vector<LinkHarness::Part> LinkHarness::split(const uint8_t *data,
                                                  size_t size, bool &entry) {
  std::vector<Part> parts;
  entry = false;
  size_t start = 0;
  for (size_t p = 0; parts.size() + 1 < MaxParts && p + SeparatorSize <= size;
       ++p) {
    const bool plain = std::memcmp(data + p, Separator, SeparatorSize) == 0;
    if (!plain && std::memcmp(data + p, EntrySeparator, SeparatorSize) != 0)
      continue;
    entry |= !plain;
    parts.push_back({start, p - start, false});
    start = p + SeparatorSize;
    p = start - 1;
  }
  parts.push_back({start, size - start, false});
  for (Part &part : parts)
    part.archive = startsWith(data + part.offset, part.size, ArchiveMagic);
  return parts;
}

bool LinkHarness::asksLargeAlignment(const uint8_t *data, size_t size) {
  // Every place the ELF magic stands may be read as an object: the part
  // itself or an archive member.
  for (size_t at = 0; at + ElfView::EhdrSize <= size; ++at) {
    const ElfView elf(data + at, size - at);
    if (!elf.isValid())
      continue;
    // As libelf counts them: e_shnum, or the first header's sh_size when
    // that is 0; headers are taken 40 bytes apart whatever e_shentsize says.
    const size_t length = elf.getSize();
    const size_t shoff = elf.get(32, 4);
    if (shoff > length || length - shoff < ElfView::ShdrSize)
      continue;
    size_t count = elf.get(48, 2) ? elf.get(48, 2) : elf.shField(0, 20);
    count = std::min(count, (length - shoff) / ElfView::ShdrSize);
    for (size_t i = 0; i < count; ++i)
      if (elf.shField(i, 32) > LargeAlignment)
        return true;
  }
  return false;
}

LinkHarness::LinkHarness() = default;

int LinkHarness::run(const uint8_t *data, size_t size) {
  if (asksLargeAlignment(data, size))
    return -1;
  bool entry = false;
  const std::vector<Part> parts = split(data, size, entry);
  std::vector<std::string> objects, libraries, written;
  uint16_t machine = 0;
  for (const Part &part : parts) {
    std::string name;
    if (part.archive) {
      libraries.push_back("in" + std::to_string(libraries.size()));
      name = "lib" + libraries.back() + ".a";
    } else {
      name = "in" + std::to_string(objects.size()) + ".o";
      if (objects.empty())
        machine = machineOf(data + part.offset, part.size);
      objects.push_back(scratch.file(name));
    }
    scratch.write(name, data + part.offset, part.size);
    written.push_back(name);
  }

  int errors = 0;
  if (!objects.empty()) {
    // What a second link in one process would inherit.
    zvld::SingleGlobalSymtabPointer::get()->clear();
    zvld::OutSec::setLastError("");
    elf_errno();
    std::set_new_handler(nullptr);

    const std::string image = scratch.file("image.bin");
    scratch.remove("image.bin");
    {
      NullStream messages, map;
      zvld::CodeGeneration cg(objects, image, libraries, {scratch.path()});
      cg.setStreams(messages, map);
      cg.setPrintMapFlag(true);
      if (entry)
        cg.setEntryPoint("start");
      errors = cg.generateCode();
    }
    const bool linked = scratch.exists("image.bin");
    if (errors < 0)
      finding("negative error count", errors);
    if (errors != 0 && linked)
      finding("image left behind by a failed link", errors);
    if (errors == 0 && !linked)
      finding("no image from a clean link", errors);
    if (linked)
      if (std::string p = ElfCheck::problem(image, ET_EXEC, machine);
          !p.empty())
        finding("unsound image", errors, p);
    scratch.remove("image.bin");
  }
  for (const std::string &name : written)
    scratch.remove(name);
  return objects.empty() ? -1 : 0;
}
