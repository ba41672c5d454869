// operationdata.cpp - one parsed machine operation: resetting it for the
// next statement and reaching its two F fields by number.
#include "operationdata.h"

void OperationData::prepare(const Operation *op, uint32_t sourceLine) {
  operation = op;
  line = sourceLine;
  resultLifetime = 0;
  paragraphEnd = 0;
  vPresent = 0;
  indirect = 0;
}

void OperationData::setFValue(int i, uint32_t value, ValueView view) {
  if (i == 1) {
    f1Value = value;
    f1View = view;
  } else if (i == 2) {
    f2Value = value;
    f2View = view;
  }
}

uint32_t OperationData::getFValue(int i) const {
  if (i == 1)
    return f1Value;
  if (i == 2)
    return f2Value;
  return 0;
}

int OperationData::getFView(int i) const {
  if (i == 1)
    return static_cast<int>(f1View);
  if (i == 2)
    return static_cast<int>(f2View);
  return -1;
}
