// codegeneration.h - the linker's driver: loads and checks the inputs,
// resolves symbols, searches the libraries, runs the image generator of the
// target and prints the link map.
#ifndef ZV_LD_CODEGENERATION_H
#define ZV_LD_CODEGENERATION_H

#include "diagnostics.h"

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

namespace zvld {

class ArchCodeGen;
class ElfObject;
class GlobalSymtab;
class InputFile;

class CodeGeneration {
public:
  CodeGeneration(const std::vector<std::string> &inputNames,
                 const std::string &outputName,
                 const std::vector<std::string> &libraries,
                 const std::vector<std::string> &searchDirectories);
  CodeGeneration(const CodeGeneration &) = delete;
  CodeGeneration &operator=(const CodeGeneration &) = delete;
  ~CodeGeneration();

  void setPrintMapFlag(bool flag) { printMapFlag = flag; }
  void setEntryPoint(const std::string &label) { entryLabel = label; }
  // Where messages and the map go (the standard streams by default).
  void setStreams(std::ostream &messages, std::ostream &map);

  // Runs the whole link; the error count, 0 on success.
  int generateCode();

  bool readInputFile();
  bool setTarget();
  bool checkElfObject();
  bool checkElfObject(ElfObject *object, bool asError);
  bool addLibraries();
  void printMap();

  int getErrorCount() const { return diag->errorCount(); }

private:
  bool isOutputAnInput(const std::string &input);
  void placeCommonSymbols();
  // Loads the needed members of one archive; false ends the search.
  bool searchLibrary(const std::string &namespec, const std::string &path,
                     bool &done);
  void removeStaleOutput();

  std::unique_ptr<ArchCodeGen> generator;
  std::vector<std::unique_ptr<InputFile>> inputFiles;
  GlobalSymtab *globals;
  std::string outputName;
  std::vector<std::string> libraries;
  std::vector<std::string> searchDirectories;
  bool printMapFlag = false;
  std::string entryLabel;
  std::ostream *messages;
  std::ostream *map;
  std::unique_ptr<Diagnostics> diag;
  bool outputRefused = false;
};

} // namespace zvld

#endif
