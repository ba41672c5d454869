// diagnostics.h - the linker's one path for messages: the "Fatal error: ",
// "error: " and "warning: " prefixes, the object/section/offset place, and
// the error count that becomes the exit status.
#ifndef ZV_LD_DIAGNOSTICS_H
#define ZV_LD_DIAGNOSTICS_H

#include <cstdarg>
#include <cstdint>
#include <iosfwd>
#include <string>

namespace zvld {

class Diagnostics {
public:
  // Messages go to out (the standard error stream in the programs).
  explicit Diagnostics(std::ostream &out);
  Diagnostics(const Diagnostics &) = delete;
  Diagnostics &operator=(const Diagnostics &) = delete;

  // Each prints its prefix and the formatted text with a newline and counts
  // one error, except warning() and notice(), which count nothing.
  void fatal(const char *format, ...) __attribute__((format(printf, 2, 3)));
  void error(const char *format, ...) __attribute__((format(printf, 2, 3)));
  void warning(const char *format, ...) __attribute__((format(printf, 2, 3)));
  // A line without prefix that counts (undefined references, truncation).
  void counted(const char *format, ...) __attribute__((format(printf, 2, 3)));
  // A line without prefix that does not count: the lines of a multiple
  // definition, whose caller counts the failed step once, and notices.
  void notice(const char *format, ...) __attribute__((format(printf, 2, 3)));

  // "location:(section+0xoffset)", the place of a message inside an object.
  static std::string place(const std::string &location,
                           const std::string &section, uint64_t offset);

  void countError() { ++errors; }
  int errorCount() const { return errors; }
  void setErrorCount(int n) { errors = n; }
  // The count as an exit status: 255 at most, so that 256 errors never read
  // as success.
  int exitStatus() const { return errors > 255 ? 255 : errors; }

private:
  void print(const char *prefix, const char *format, va_list args);

  std::ostream &out;
  int errors = 0;
};

} // namespace zvld

#endif
