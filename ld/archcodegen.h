// archcodegen.h - the image generator common to both models: output
// sections, final symbol values, relocation, the data segment and the
// image file; the models supply program memory and entry code.
#ifndef ZV_LD_ARCHCODEGEN_H
#define ZV_LD_ARCHCODEGEN_H

#include "diagnostics.h"
#include "section.h"

#include <gelf.h>

#include <cstdint>
#include <iosfwd>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

class Buffer;
class TemporaryFile;
class oelf;

namespace zvld {

class ElfObject;
class GlobalSymtab;
class InputFile;
class Symbol;

using InputFiles = std::vector<std::unique_ptr<InputFile>>;

class ArchCodeGen {
public:
  ArchCodeGen(const std::string &outputName, const InputFiles *inputFiles,
              const std::string &entryLabel, std::ostream &messages);
  ArchCodeGen(const ArchCodeGen &) = delete;
  ArchCodeGen &operator=(const ArchCodeGen &) = delete;
  virtual ~ArchCodeGen();

  // Runs the whole generation; the number of errors.
  virtual int generate();
  virtual uint64_t adjustValueByRelocation(uint64_t value, uint64_t mask,
                                           ElfObject *object, size_t index,
                                           uint64_t offset,
                                           const Symbol *symbol,
                                           const char *typeName) = 0;
  virtual int getEntryPointCodeSize() const = 0;
  virtual bool getEntryPointAddress(uint64_t &address);
  // The address the entry code jumps to for an entry symbol.
  virtual uint64_t entryAddressOf(const Symbol *symbol) const;
  virtual bool initProgramHeaderTable();
  virtual bool recalculateSymbolValue();
  virtual bool produceProgCode();
  virtual bool evalTextSection(Buffer &buffer) = 0;
  virtual bool evalDataSection(Buffer &buffer) = 0;
  virtual size_t findRelSection(ElfObject *object, size_t index);

  uint16_t getTarget() const { return target; }
  uint8_t getTargetEndian() const { return codeEncoding; }
  uint8_t getTargetDataEndian() const { return dataEncoding; }
  int getErrorCount() const { return diag.errorCount(); }
  OutSec *findOutSec(const std::string &name) const;

  static uint32_t strToUInt32(const std::string &text, bool &ok);

protected:
  // The steps of a link after the base part: final values, program and
  // section headers, the contents, then the headers and tables; the error
  // count.
  int generateImage();
  // Last changes to symbol values before the image is finished.
  virtual void finishSymbols() {}
  bool buildOutputSectionMap();
  bool addSectionHeaders();
  bool initSectionHeaders();
  bool evalProgBitsSection(ElfObject *object, size_t index, Buffer *buffer,
                           OutSec *out);
  bool applyRelocation(ElfObject *object, size_t index, Buffer &data,
                       const Elf32_Rel &entry);
  void printValueTruncatedMessage(ElfObject *object, size_t index,
                                  uint64_t offset, const Symbol *symbol,
                                  const char *typeName);
  // The value of a relocation: symbol plus addend, with the truncation
  // message when the bits outside the field change.
  uint64_t genericValue(uint64_t addend, uint64_t mask, ElfObject *object,
                        size_t index, uint64_t offset, const Symbol *symbol,
                        const char *typeName);
  bool evalDataSection(Buffer &buffer, uint16_t segment);
  bool flushBuffer(Buffer &buffer, uint16_t index, bool toSegment);
  bool finish();
  bool produceProgCode(bool segments);
  // Entry code: the entry word and the address, as one 8-byte operation.
  bool addEntryPointCode(uint32_t entryWord);
  // The entry label's symbol when it names one defined in .text or as an
  // absolute value; false (reported) for any other section.
  bool findEntrySymbol(const Symbol *&symbol);
  bool writerFailed();
  void removeOutSec(const std::string &name);
  // The contribution of an object's section; null for a section that
  // makes none.
  OutSecData *contributionOf(const ElfObject *object, size_t index) const;
  void setContribution(const ElfObject *object, size_t index, OutSecData *data);

  std::string outputName;
  std::string entryLabel;
  const InputFiles *inputFiles;
  GlobalSymtab *globals;
  std::unique_ptr<TemporaryFile> scratch;
  std::unique_ptr<oelf> writer;
  uint64_t fileOffset = 0;
  Diagnostics diag;

  uint16_t target = 0;
  uint8_t codeEncoding = 0;
  uint8_t dataEncoding = 0;
  unsigned processingUnits = 4;
  uint64_t programMemorySize = 0;
  uint64_t textBase = 0;
  uint64_t dataMemorySize = 0;
  uint64_t initDataMemorySize = 0;
  uint64_t dataBase = 0;

  uint32_t debugSectionFlags = 0;
  std::map<std::string, std::unique_ptr<OutSec>> outSecMap;
  // Per object, the contribution of each section index.
  std::unordered_map<const ElfObject *, std::vector<OutSecData *>>
      contributions;
};

} // namespace zvld

#endif
