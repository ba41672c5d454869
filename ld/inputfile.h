// inputfile.h - one file the linker reads, a relocatable object or an ar
// archive, with the objects loaded from it keyed by their offset.
#ifndef ZV_LD_INPUTFILE_H
#define ZV_LD_INPUTFILE_H

#include "elfobject.h"

#include <libelf.h>

#include <cstdint>
#include <map>
#include <memory>
#include <string>

namespace zvld {

// A cursor over an archive's symbol index.
class ArSymbols {
public:
  ArSymbols(Elf_Arsym *array, size_t count) { set(array, count); }
  void set(Elf_Arsym *array, size_t count);
  void reset() { position = count == 0 ? -1 : 0; }
  // The member offset of the next entry with its name, or 0 once the index
  // is exhausted (no member starts at offset 0 of an archive).
  uint64_t getNextSymbol(std::string &name);

private:
  Elf_Arsym *array = nullptr;
  size_t count = 0;
  int64_t closing = -1;
  int64_t position = -1;
};

class InputFile {
public:
  explicit InputFile(const std::string &name);
  InputFile(const InputFile &) = delete;
  InputFile &operator=(const InputFile &) = delete;
  ~InputFile();

  bool openFile();
  void closeFile();
  bool isLibrary() const { return fd >= 0 && kind == ELF_K_AR; }
  bool isObject() const { return fd >= 0 && kind == ELF_K_ELF; }
  bool isData() const { return fd >= 0 && kind == ELF_K_NONE; }

  ElfObject *load(uint64_t offset);
  void unload(uint64_t offset);
  ArSymbols *loadArSymbols();

  size_t loadedElfObjectCount() const { return objects.size(); }
  // In ascending order of offset.
  const std::map<uint64_t, std::unique_ptr<ElfObject>> &
  getLoadedElfObject() const {
    return objects;
  }
  const std::string &getLastError() const { return lastError; }
  const std::string &getLocation() const { return name; }

private:
  ElfObject *fail(const std::string &text);
  void endMember(ElfObject *object);

  std::string name;
  int fd = -1;
  Elf *elf = nullptr;
  Elf_Kind kind = ELF_K_NONE;
  std::map<uint64_t, std::unique_ptr<ElfObject>> objects;
  std::unique_ptr<ArSymbols> arSymbols;
  std::string lastError = "No error";
};

} // namespace zvld

#endif
