// opdecoder.h - operation words read back with the assembler's own target
// tables: the fields a word holds and the statement zv-as turns into it.
#ifndef ZV_OBJDUMP_OPDECODER_H
#define ZV_OBJDUMP_OPDECODER_H

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>

class Architecture;
class Operation;
class OperationData;
class Tokenizer;

namespace zvod {

// The fields of one operation word.
struct DecodedOperation {
  const Operation *operation = nullptr;
  uint32_t word = 0;
  uint32_t f1 = 0;
  uint32_t f2 = 0;
  bool f2Register = false;
  bool hasV = false;
  bool indirect = false;
  uint32_t lifetime = 0;
  bool paragraphEnd = false;

  uint32_t size() const { return hasV ? 8 : 4; }
};

// How the assembler turns the V field of one written form into the V word.
struct VRule {
  enum Kind {
    Raw,    // the low 32 bits of the value
    Fit,    // the value must fit a field of `bytes` bytes
    Refused // the form takes no V field value at all
  };
  Kind kind = Raw;
  unsigned bytes = 4;
  // A 0f literal gives the single-precision bits without a warning.
  bool floatLiteral = false;
};

// Writes the V field for a rule; false when no text gives the V word back
// under that rule.
using VText = std::function<bool(const VRule &, std::string &)>;

class OpDecoder {
public:
  // For a processor code other than the two models nothing decodes.
  explicit OpDecoder(uint16_t machine);
  ~OpDecoder();
  OpDecoder(const OpDecoder &) = delete;
  OpDecoder &operator=(const OpDecoder &) = delete;

  bool isKnownMachine() const { return arch != nullptr; }
  // Model name ("ZP100"), empty for an unknown code.
  std::string getModelName() const;
  uint16_t getDefaultSyntax() const;

  // The two bits every reader of code follows, also in words that decode
  // to no operation: one more word follows; the word closes a paragraph.
  bool hasExtensionWord(uint32_t word) const;
  bool endsParagraph(uint32_t word) const;

  // The operation the word encodes, with operands zv-as accepts for it;
  // false when it encodes none.
  bool decode(uint32_t word, DecodedOperation &op) const;

  // The statement (mnemonic and operands) in syntax 1 or 2 that assembles
  // to the operation's word, its V field written by vText; false when no
  // form of that syntax does.
  bool render(const DecodedOperation &op, int syntax, const VText &vText,
              std::string &text) const;

  // Whether the model keeps the result lifetime in the word.
  bool encodesLifetime() const;
  // Whether a switchboard reference r can be written at all.
  bool isValidSbRef(uint32_t r) const;

  // The value an expression must have for the assembler to store the V
  // word bits under the rule; false when no value gives them.
  static bool valueFor(const VRule &rule, uint32_t bits, int64_t &value);
  // A V field without a symbol: a 0f literal where the rule takes one and
  // it gives the bits exactly, else a number.
  static bool numberText(const VRule &rule, uint32_t bits, std::string &text);
  // A number as it is shown: decimal when small, else hexadecimal; an
  // address is hexadecimal from 10 on.
  static std::string numberText(int64_t value, bool address = false);

private:
  struct Form;
  uint32_t field(uint32_t word, int which) const;
  bool encodesTo(const OperationData &data, uint32_t word) const;
  bool checkOperands(const DecodedOperation &op) const;
  VRule vRule(const OperationData &data) const;
  bool tryForm(const DecodedOperation &op, const Form &form, const VText &vText,
               std::string &f2Text) const;
  bool renderF2(const DecodedOperation &op, int syntax, const VText &vText,
                std::string &text) const;

  std::unique_ptr<Tokenizer> tokenizer;
  std::unique_ptr<Architecture> arch;
  // (operation code << 4 | type index) -> first operation of the table.
  std::unordered_map<uint32_t, const Operation *> operations;
  uint32_t extensionBit = 0;
  uint32_t paragraphEndBit = 0;
};

} // namespace zvod

#endif
