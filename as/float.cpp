// float.cpp - floating literal conversion and IEEE bit pattern helpers.
#include "float.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

namespace {
int64_t doubleBits(double d) {
  int64_t bits;
  std::memcpy(&bits, &d, sizeof bits);
  return bits;
}

int32_t floatBits(float f) {
  int32_t bits;
  std::memcpy(&bits, &f, sizeof bits);
  return bits;
}

// Whether a text that the conversion found out of range is too large (as
// opposed to too small): the decimal magnitude of its first significant
// digit, from the digits' position and the exponent.
bool isTooLarge(const char *first, const char *last) {
  const char *p = first;
  if (p != last && *p == '-')
    ++p;
  long long magnitude = 0;
  bool seenPoint = false;
  bool seenSignificant = false;
  for (; p != last && *p != 'e' && *p != 'E'; ++p) {
    if (*p == '.') {
      seenPoint = true;
    } else if (!seenSignificant) {
      if (*p != '0')
        seenSignificant = true;
      else if (seenPoint)
        --magnitude;
      if (seenSignificant && !seenPoint)
        ++magnitude;
    } else if (!seenPoint) {
      ++magnitude;
    }
  }
  long long exponent = 0;
  if (p != last) {
    ++p;
    bool negative = p != last && *p == '-';
    if (negative)
      ++p;
    for (; p != last && *p >= '0' && *p <= '9'; ++p)
      if (exponent < 1000000000)
        exponent = exponent * 10 + (*p - '0');
    if (negative)
      exponent = -exponent;
  }
  return magnitude + exponent > 0;
}
} // namespace

int64_t Float::convert(bool *outOfRange) const {
  *outOfRange = false;
  if (text.empty())
    return 0;
  const char *first = text.data();
  const char *last = first + text.size();
  double value = 0;
  // Locale-independent: the decimal point is always '.'.
  std::from_chars_result result = std::from_chars(first, last, value);
  if (result.ec == std::errc::invalid_argument) {
    *outOfRange = true;
    return doubleBits(text[0] == '-' ? -0.0 : 0.0);
  }
  if (result.ec == std::errc::result_out_of_range) {
    *outOfRange = true;
    bool negative = text[0] == '-';
    if (isTooLarge(first, result.ptr))
      value = negative ? -DBL_MAX : DBL_MAX;
    else
      value = negative ? -0.0 : 0.0;
    return doubleBits(value);
  }
  if (result.ptr != last)
    *outOfRange = true;
  return doubleBits(value);
}

int32_t Float::intToFloatRepresentation(long long value) {
  return floatBits(static_cast<float>(value));
}

int64_t Float::intToDoubleRepresentation(long long value) {
  return doubleBits(static_cast<double>(value));
}

float Float::getFloatFromFloatRepresentation(int bits) {
  float f;
  std::memcpy(&f, &bits, sizeof f);
  return f;
}

double Float::getDoubleFromDoubleRepresentation(long long bits) {
  double d;
  std::memcpy(&d, &bits, sizeof d);
  return d;
}

int32_t Float::doubleRepresentationToFloatRepresentation(long long bits,
                                                         bool *overflow) {
  double d = getDoubleFromDoubleRepresentation(bits);
  *overflow = false;
  if (std::isfinite(d) && std::fabs(d) > FLT_MAX) {
    // Converting an out-of-range value is undefined, so round by hand:
    // below the midpoint between the largest single and 2^128 the value
    // rounds down to the largest single, from there on to infinity.
    const double midpoint = std::ldexp(1.0, 128) - std::ldexp(1.0, 103);
    if (std::fabs(d) < midpoint)
      return floatBits(std::signbit(d) ? -FLT_MAX : FLT_MAX);
    *overflow = true;
    const float inf = std::numeric_limits<float>::infinity();
    return floatBits(std::signbit(d) ? -inf : inf);
  }
  return floatBits(static_cast<float>(d));
}
