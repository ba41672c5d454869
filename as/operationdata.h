// operationdata.h - one parsed machine operation: its descriptor and the
// field values the target packs into the operation word and V word.
#ifndef ZV_AS_OPERATIONDATA_H
#define ZV_AS_OPERATIONDATA_H

#include <cstdint>

class Operation;

class OperationData {
public:
  // How an F field value is meant.
  enum ValueView : uint32_t {
    SBREF = 0,    // switchboard reference, 0 = the null reference
    REGISTER = 1, // register number
  };

  OperationData() = default;

  // Starts a new operation; F fields keep their values until set.
  void prepare(const Operation *op, uint32_t sourceLine);

  // i is 1 or 2; other field numbers are ignored.
  void setFValue(int i, uint32_t value, ValueView view);
  // 0 for a field number other than 1 or 2.
  uint32_t getFValue(int i) const;
  // -1 for a field number other than 1 or 2.
  int getFView(int i) const;

  uint32_t getLine() const { return line; }
  const Operation *getOperation() const { return operation; }

  uint32_t getResultLifetime() const { return resultLifetime; }
  void setResultLifetime(uint32_t r) { resultLifetime = r; }
  bool isParagraphEnd() const { return paragraphEnd != 0; }
  void setParagraphEnd(bool on) { paragraphEnd = on ? 1 : 0; }
  bool isVPresent() const { return vPresent != 0; }
  void setVPresent(bool on) { vPresent = on ? 1 : 0; }
  uint32_t getVValue() const { return vValue; }
  void setVValue(uint32_t v) { vValue = v; }
  bool isIndirect() const { return indirect != 0; }
  void setIndirect(bool on) { indirect = on ? 1 : 0; }

private:
  uint32_t line = 0;
  const Operation *operation = nullptr;
  uint32_t f1View = SBREF;
  uint32_t f2View = SBREF;
  uint32_t f1Value = 0;
  uint32_t f2Value = 0;
  uint32_t resultLifetime = 0;
  uint32_t paragraphEnd = 0;
  uint32_t vPresent = 0;
  uint32_t vValue = 0;
  uint32_t indirect = 0;
};

#endif
