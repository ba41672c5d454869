// zp200_arch.h - the ZP200 model: little-endian throughout, the null
// reference @0, indirect operands and the full operation set.
#ifndef ZV_AS_ZP200_ARCH_H
#define ZV_AS_ZP200_ARCH_H

#include "architecture.h"

class ZP200_Arch : public Architecture {
public:
  static constexpr uint16_t CODE = EM_ZP200;

  explicit ZP200_Arch(Tokenizer *tokenizer, uint16_t code = CODE);

  uint32_t getOperationWord(const OperationData &data) const override;
  // Every operand combination the parser accepts has an encoding.
  bool isSupportedOWFormat(const OperationData &data) const override;
  void setOperationWordFormat() override;
};

#endif
