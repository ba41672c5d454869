// inputfile.cpp - opening objects and archives through libelf (mapped, not
// read), loading archive members on demand and walking the symbol index.
#include "inputfile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace zvld {

void ArSymbols::set(Elf_Arsym *a, size_t n) {
  array = a;
  count = a ? n : 0;
  closing = int64_t(count) - 1;
  reset();
}

uint64_t ArSymbols::getNextSymbol(std::string &name) {
  // libelf counts the closing entry, whose name is null; stop there even
  // when a damaged index leaves a name in it.
  if (position < 0 || position >= closing || !array[position].as_name) {
    name.clear();
    return 0;
  }
  const Elf_Arsym &entry = array[position++];
  name = entry.as_name;
  return entry.as_off;
}

InputFile::InputFile(const std::string &name) : name(name) {}

InputFile::~InputFile() {
  arSymbols.reset();
  for (auto &entry : objects)
    endMember(entry.second.get());
  objects.clear();
  closeFile();
}

ElfObject *InputFile::fail(const std::string &text) {
  lastError = text;
  return nullptr;
}

void InputFile::endMember(ElfObject *object) {
  Elf *member = object ? object->getElfDescriptor() : nullptr;
  if (member && member != elf)
    elf_end(member);
}

bool InputFile::openFile() {
  if (fd >= 0)
    return true;
  if (elf_version(EV_CURRENT) == EV_NONE) {
    lastError =
        std::string("ELF library initialization failed: ") + elf_errmsg(-1);
    return false;
  }
  fd = ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    lastError = std::string("faild to open file: ") + std::strerror(errno);
    return false;
  }
  elf = elf_begin(fd, ELF_C_READ_MMAP, nullptr);
  if (!elf) {
    lastError = std::string("elf_begin() failed: ") + elf_errmsg(-1);
    ::close(fd);
    fd = -1;
    return false;
  }
  kind = elf_kind(elf);
  if (kind != ELF_K_NONE && kind != ELF_K_AR && kind != ELF_K_ELF) {
    lastError = "ELF library initialization failed: unknown file format";
    closeFile();
    return false;
  }
  return true;
}

void InputFile::closeFile() {
  if (elf) {
    elf_end(elf);
    elf = nullptr;
  }
  if (fd >= 0) {
    ::close(fd);
    fd = -1;
  }
}

ElfObject *InputFile::load(uint64_t offset) {
  auto found = objects.find(offset);
  if (found != objects.end())
    return found->second.get();
  if (fd < 0)
    return fail("file not open");

  Elf *descriptor = nullptr;
  std::string location;
  if (kind == ELF_K_AR) {
    if (offset == 0)
      return fail("invalid offset for ar file");
    if (elf_rand(elf, offset) != offset)
      return fail("elf_rand() failed: invalid 'Elf' handle");
    descriptor = elf_begin(fd, ELF_C_READ_MMAP, elf);
    if (!descriptor)
      return fail(std::string("elf_begin() failed: ") + elf_errmsg(-1));
    Elf_Arhdr *arhdr = elf_getarhdr(descriptor);
    if (!arhdr) {
      std::string text =
          std::string("gelf_getarhdr() failed: ") + elf_errmsg(-1);
      elf_end(descriptor);
      return fail(text);
    }
    location = name + "(" + (arhdr->ar_name ? arhdr->ar_name : "") + ")";
  } else if (kind == ELF_K_ELF) {
    if (offset != 0)
      return fail("invalid offset for elf object file");
    descriptor = elf;
    location = name;
  } else {
    return fail(kind == ELF_K_NONE ? "not an elf object or ar file"
                                   : "unknown file format");
  }

  auto object = std::make_unique<ElfObject>(descriptor, location);
  if (!object->loadHeaders()) {
    lastError = object->getLastError();
    if (descriptor != elf)
      elf_end(descriptor);
    return nullptr;
  }
  ElfObject *result = object.get();
  objects.emplace(offset, std::move(object));
  return result;
}

void InputFile::unload(uint64_t offset) {
  auto found = objects.find(offset);
  if (found == objects.end())
    return;
  endMember(found->second.get());
  objects.erase(found);
}

ArSymbols *InputFile::loadArSymbols() {
  if (arSymbols)
    return arSymbols.get();
  if (!isLibrary()) {
    lastError = "not an ar file";
    return nullptr;
  }
  size_t count = 0;
  Elf_Arsym *array = elf_getarsym(elf, &count);
  if (!array) {
    lastError = std::string("getarsym() failed: ") + elf_errmsg(-1);
    return nullptr;
  }
  arSymbols = std::make_unique<ArSymbols>(array, count);
  return arSymbols.get();
}

} // namespace zvld
