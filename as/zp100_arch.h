// zp100_arch.h - the ZP100 model: big-endian operation words carrying result
// lifetimes, little-endian data, and the narrower operation set.
#ifndef ZV_AS_ZP100_ARCH_H
#define ZV_AS_ZP100_ARCH_H

#include "architecture.h"

class ZP100_Arch : public Architecture {
public:
  static constexpr uint16_t CODE = EM_ZP100;

  explicit ZP100_Arch(Tokenizer *tokenizer, uint16_t code = CODE);

  // .data stays little-endian although the words are big-endian.
  uint8_t getDataEncoding() const override { return 1; }
  uint32_t getOperationWord(const OperationData &data) const override;
  bool isSupportedOWFormat(const OperationData &data) const override;
  void setOperationWordFormat() override;
};

#endif
