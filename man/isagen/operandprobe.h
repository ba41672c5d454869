// operandprobe.h - statements tried on the assembler itself: each one in a
// paragraph of its own, assembled in one run, and what the run said of it.
#ifndef ZV_ISAGEN_OPERANDPROBE_H
#define ZV_ISAGEN_OPERANDPROBE_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace zvisa {

// What the assembler said of one statement.
struct ProbeResult {
  bool accepted = false; // no error
  std::string warning;   // the text of its first warning, if any
};

class OperandProbe {
public:
  // Statements are read in the given syntax; scratch is a directory the
  // sources and objects of the runs are written to.
  OperandProbe(uint16_t machine, int syntax, std::string scratch);

  // A statement to try; it follows an operation with a result, so @1 names
  // that. A statement that ends the paragraph itself gets no complete.
  size_t add(const std::string &statement, bool endsParagraph = false);
  // Assembles until every statement left is accepted; false with
  // getLastError() when the assembler could not be run as planned.
  bool run();
  const ProbeResult &result(size_t index) const { return results[index]; }
  const std::string &getLastError() const { return error; }

  // The source the statements are tried in: one paragraph each, with
  // the line of every statement in lines (0 for those not taken).
  std::string source(const std::vector<bool> &taken,
                     std::vector<size_t> &lines) const;

private:
  struct Statement {
    std::string text;
    bool endsParagraph;
  };

  uint16_t machine;
  int syntax;
  std::string scratch;
  std::vector<Statement> statements;
  std::vector<ProbeResult> results;
  std::string error;
};

} // namespace zvisa

#endif
