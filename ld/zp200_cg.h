// zp200_cg.h - the ZP200 image: linear program memory, entry code
// 0x7A400000 followed by the entry address.
#ifndef ZV_LD_ZP200_CG_H
#define ZV_LD_ZP200_CG_H

#include "archcodegen.h"

namespace zvld {

class ZP200_CG : public ArchCodeGen {
public:
  ZP200_CG(const std::string &outputName, const InputFiles *inputFiles,
           const std::string &entryLabel, std::ostream &messages);

  int generate() override;
  uint64_t adjustValueByRelocation(uint64_t value, uint64_t mask,
                                   ElfObject *object, size_t index,
                                   uint64_t offset, const Symbol *symbol,
                                   const char *typeName) override;
  int getEntryPointCodeSize() const override { return 8; }
  bool initProgramHeaderTable() override;
  bool recalculateSymbolValue() override;
  bool produceProgCode() override;
  bool evalTextSection(Buffer &buffer) override;
  bool evalDataSection(Buffer &buffer) override;

  static constexpr uint32_t EntryWord = 0x7A400000;
};

} // namespace zvld

#endif
