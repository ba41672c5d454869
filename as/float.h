// float.h - the text of a floating literal and the conversions between
// integers, doubles and their IEEE bit patterns.
// With as/ on the include path this file stands in for the C library's
// <float.h> (also reached through <cfloat>), so it hands that header on first.
#include_next <float.h>

#ifndef ZV_AS_FLOAT_H
#define ZV_AS_FLOAT_H

#include <cstdint>
#include <string>

class Float {
public:
  Float() = default;
  explicit Float(std::string text) : text(std::move(text)) {}

  void clear() { text.clear(); }
  void append(char c) { text += c; }
  const std::string &getText() const { return text; }

  // The double bit pattern of the text. A malformed text gives the value of
  // its longest valid prefix, an overflow the largest finite double of the
  // text's sign, an underflow the nearest representable value; each of them
  // sets outOfRange. An empty text is 0.
  int64_t convert(bool *outOfRange) const;

  static int32_t intToFloatRepresentation(long long value);
  static int64_t intToDoubleRepresentation(long long value);
  static float getFloatFromFloatRepresentation(int bits);
  static double getDoubleFromDoubleRepresentation(long long bits);
  // Rounds to single; overflow is set when a finite double becomes an
  // infinite single.
  static int32_t doubleRepresentationToFloatRepresentation(long long bits,
                                                           bool *overflow);

private:
  std::string text;
};

#endif
