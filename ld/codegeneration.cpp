// codegeneration.cpp - one link from the command line's inputs to the image
// and its map, as a list of named steps.
#include "codegeneration.h"

#include "archcodegen.h"
#include "elf32.h"
#include "elfobject.h"
#include "filestat.h"
#include "globalsymtab.h"
#include "inputfile.h"
#include "zp100_cg.h"
#include "zp200_cg.h"

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <map>
#include <sys/stat.h>
#include <unistd.h>

namespace zvld {

CodeGeneration::CodeGeneration(
    const std::vector<std::string> &inputNames, const std::string &outputName,
    const std::vector<std::string> &libraries,
    const std::vector<std::string> &searchDirectories)
    : globals(SingleGlobalSymtabPointer::get()), outputName(outputName),
      libraries(libraries), searchDirectories(searchDirectories),
      messages(&std::cerr), map(&std::cout),
      diag(std::make_unique<Diagnostics>(std::cerr)) {
  for (const std::string &name : inputNames)
    inputFiles.push_back(std::make_unique<InputFile>(name));
}

CodeGeneration::~CodeGeneration() {
  generator.reset();
  inputFiles.clear();
}

void CodeGeneration::setStreams(std::ostream &m, std::ostream &mapStream) {
  messages = &m;
  map = &mapStream;
  diag = std::make_unique<Diagnostics>(m);
}

int CodeGeneration::generateCode() {
  diag->setErrorCount(0);
  // The image must never replace one of the inputs.
  for (const auto &file : inputFiles)
    if (isOutputAnInput(file->getLocation()))
      return diag->errorCount();
  // Objects of the command line, their symbols, and the target they name.
  if (!readInputFile() || !setTarget() || !checkElfObject()) {
    removeStaleOutput();
    return diag->errorCount();
  }
  // Archive members for what is still undefined.
  if (!addLibraries()) {
    removeStaleOutput();
    return diag->errorCount();
  }
  // Commons are placed once every member is in, so that a member's larger
  // common or its definition of the name decides.
  placeCommonSymbols();
  // The image, then the map of final addresses.
  diag->setErrorCount(generator->generate());
  if (diag->errorCount() == 0 && printMapFlag)
    printMap();
  if (diag->errorCount() != 0)
    removeStaleOutput();
  return diag->errorCount();
}

bool CodeGeneration::isOutputAnInput(const std::string &input) {
  if (!FileStat(outputName).isSameFile(FileStat(input)))
    return false;
  diag->fatal("%s: input and output files must be distinct (%s)",
              outputName.c_str(), input.c_str());
  outputRefused = true;
  return true;
}

void CodeGeneration::removeStaleOutput() {
  // A failed link leaves no image behind; only a file (or a link to one) at
  // the output path is removed, never a directory, never an input.
  if (outputRefused)
    return;
  struct stat st;
  if (lstat(outputName.c_str(), &st) == 0 &&
      (S_ISREG(st.st_mode) || S_ISLNK(st.st_mode)))
    unlink(outputName.c_str());
}

bool CodeGeneration::readInputFile() {
  for (const auto &file : inputFiles) {
    const char *name = file->getLocation().c_str();
    if (!file->openFile()) {
      diag->fatal("%s: %s", name, file->getLastError().c_str());
      return false;
    }
    if (!file->isObject()) {
      diag->fatal("%s: not an elf object file", name);
      return false;
    }
    ElfObject *object = file->load(0);
    if (!object) {
      diag->fatal("%s: %s", name, file->getLastError().c_str());
      return false;
    }
    if (!object->checkShdr()) {
      diag->fatal("%s: %s", object->getLocation().c_str(),
                  object->getLastError().c_str());
      return false;
    }
    int loaded = object->loadSymtab(*diag);
    if (loaded == 0) {
      diag->fatal("%s: %s", name, object->getLastError().c_str());
      return false;
    }
    if (loaded < 0) {
      diag->countError();
      return false;
    }
  }
  return true;
}

bool CodeGeneration::setTarget() {
  ElfObject *first = nullptr;
  if (!inputFiles.empty() && !inputFiles[0]->getLoadedElfObject().empty())
    first = inputFiles[0]->getLoadedElfObject().begin()->second.get();
  if (!first)
    return false;
  switch (first->e_machine()) {
  case EM_ZP100:
    generator = std::make_unique<ZP100_CG>(outputName, &inputFiles, entryLabel,
                                           *messages);
    return true;
  case EM_ZP200:
    generator = std::make_unique<ZP200_CG>(outputName, &inputFiles, entryLabel,
                                           *messages);
    return true;
  default:
    diag->error("%s: unsupported architecture 0x%04X",
                first->getLocation().c_str(), unsigned(first->e_machine()));
    return false;
  }
}

bool CodeGeneration::checkElfObject() {
  for (const auto &file : inputFiles)
    for (const auto &entry : file->getLoadedElfObject()) {
      ElfObject *object = entry.second.get();
      if (object->e_machine() != generator->getTarget()) {
        diag->error("%s: diffrent architecture of object files",
                    object->getLocation().c_str());
        return false;
      }
      if (!checkElfObject(object, true))
        return false;
    }
  return true;
}

bool CodeGeneration::checkElfObject(ElfObject *object, bool asError) {
  const char *problem = nullptr;
  if (object->ei_data() != generator->getTargetEndian() ||
      object->dataEncoding() != generator->getTargetDataEndian())
    problem = "ineligible data encoding";
  else if (object->e_type() != ET_REL)
    problem = "not a relocatable file";
  else if (object->ei_class() != ELFCLASS32)
    problem = "not 32-bit elf object file";
  if (problem && asError)
    diag->error("%s: %s", object->getLocation().c_str(), problem);
  return !problem;
}

void CodeGeneration::placeCommonSymbols() {
  for (const auto &file : inputFiles)
    for (const auto &entry : file->getLoadedElfObject())
      entry.second->mallocForCommonSymbols();
}

bool CodeGeneration::addLibraries() {
  if (libraries.empty() || searchDirectories.empty() ||
      !globals->isGUOrWDSymbolFound())
    return true;
  for (const std::string &namespec : libraries) {
    // The last -L is tried first, "." last.
    std::string path;
    for (auto dir = searchDirectories.rbegin();
         dir != searchDirectories.rend() && path.empty(); ++dir) {
      std::string candidate = *dir;
      candidate +=
          (!candidate.empty() && candidate.back() == '/') ? "lib" : "/lib";
      candidate += namespec + ".a";
      if (FileStat(candidate).isExistsAndReg())
        path = candidate;
    }
    if (path.empty()) {
      diag->fatal("can't find -l%s", namespec.c_str());
      return false;
    }
    if (isOutputAnInput(path))
      return false;
    bool done = false;
    if (!searchLibrary(namespec, path, done))
      return false;
    if (done || !globals->isGUOrWDSymbolFound())
      break;
  }
  return true;
}

bool CodeGeneration::searchLibrary(const std::string &namespec,
                                   const std::string &path, bool &done) {
  auto archive = std::make_unique<InputFile>(path);
  if (!archive->openFile()) {
    diag->fatal("%s: %s", path.c_str(), archive->getLastError().c_str());
    return false;
  }
  if (!archive->isLibrary()) {
    diag->fatal("%s: not an ar file", path.c_str());
    return false;
  }
  ArSymbols *index = archive->loadArSymbols();
  if (!index) {
    diag->fatal("%s: %s", path.c_str(), archive->getLastError().c_str());
    return false;
  }

  const auto &loaded = archive->getLoadedElfObject();
  bool loadedInPass = true;
  while (loadedInPass && !done) {
    loadedInPass = false;
    index->reset();
    std::string name;
    for (uint64_t offset = index->getNextSymbol(name); offset != 0;
         offset = index->getNextSymbol(name)) {
      if (!globals->isGUOrWDSymbolFound(name) || loaded.count(offset))
        continue;
      ElfObject *member = archive->load(offset);
      if (!member) {
        diag->fatal("%s: %s", path.c_str(), archive->getLastError().c_str());
        return false;
      }
      if (!member->checkShdr()) {
        diag->fatal("%s: %s", member->getLocation().c_str(),
                    member->getLastError().c_str());
        return false;
      }
      bool compatible;
      if (member->e_machine() != generator->getTarget()) {
        diag->error("%s: diffrent architecture of object files",
                    member->getLocation().c_str());
        compatible = false;
      } else {
        compatible = checkElfObject(member, true);
      }
      if (!compatible) {
        diag->warning("skipping incompatible %s when searching for -l%s",
                      member->getLocation().c_str(), namespec.c_str());
        archive->unload(offset);
        continue;
      }
      int result = member->loadSymtab(*diag);
      if (result == 0) {
        diag->fatal("%s: %s", member->getLocation().c_str(),
                    member->getLastError().c_str());
        return false;
      }
      if (result < 0) {
        diag->countError();
        return false;
      }
      if (!globals->isGUOrWDSymbolFound()) {
        done = true;
        break;
      }
      loadedInPass = true;
    }
  }
  if (archive->loadedElfObjectCount() != 0)
    inputFiles.push_back(std::move(archive));
  return true;
}

void CodeGeneration::printMap() {
  std::ostream &out = *map;
  char line[64];
  for (const auto &file : inputFiles)
    for (const auto &entry : file->getLoadedElfObject()) {
      ElfObject *object = entry.second.get();
      // This object's own symbols by section index, in table order.
      std::map<uint16_t, std::vector<const Symbol *>> groups;
      const std::vector<Symbol *> &symbols = object->getSymbols();
      for (size_t i = 1; i < symbols.size(); ++i) {
        const Symbol *s = symbols[i];
        if (s->getOwner() == object && s->type() != STT_SECTION)
          groups[s->get().st_shndx].push_back(s);
      }
      out << "File " << object->getLocation() << '\n';
      for (const auto &group : groups) {
        out << "    section " << object->getSectionName(group.first) << '\n';
        for (const Symbol *s : group.second) {
          unsigned char bind = s->bind();
          const char *column = bind == STB_LOCAL    ? "LOCAL  "
                               : bind == STB_GLOBAL ? "GLOBAL "
                               : bind == STB_WEAK   ? "WEAK   "
                                                    : "UNKNOWN";
          std::snprintf(line, sizeof line, "0x%08X",
                        unsigned(s->get().st_value));
          std::string name(s->getName());
          out << '\t' << column << name;
          if (name.size() < 40)
            out << std::string(40 - name.size(), ' ');
          out << line << '\n';
        }
        out << '\n';
      }
      out << '\n';
    }
}

} // namespace zvld
