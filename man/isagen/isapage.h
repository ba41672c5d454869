// isapage.h - the instruction-set reference zv-isa(7), written from the
// assembler's own operation, register and directive tables, with every
// operand form and example found by assembling it.
#ifndef ZV_ISAGEN_ISAPAGE_H
#define ZV_ISAGEN_ISAPAGE_H

#include <cstdint>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

class Architecture;
class Instruction;
class Operation;
class Tokenizer;

namespace zvisa {

// One operation of a model as the page shows it.
struct OperationEntry {
  const Operation *operation = nullptr;
  std::string name;
  // The operand forms accepted, as shown, in syntax V1 and V2.
  std::vector<std::string> forms[2];
  std::string values; // what its V word takes
  std::string example;
  // The syntaxes the example was assembled in (bit 0: V1, bit 1: V2).
  unsigned exampleSyntaxes = 0;
};

class ModelTables {
public:
  explicit ModelTables(uint16_t machine);
  ~ModelTables();
  ModelTables(const ModelTables &) = delete;
  ModelTables &operator=(const ModelTables &) = delete;

  // Tries every operand form of every operation; false with
  // getLastError() when the assembler could not be run.
  bool probe(const std::string &scratch);
  const std::string &getLastError() const { return error; }

  const Architecture &getArchitecture() const { return *arch; }
  const Instruction *getInstruction(const std::string &name) const;
  const std::vector<OperationEntry> &getOperations() const {
    return operations;
  }
  // The first index register, as the examples use it.
  uint32_t getIndexRegister() const { return indexRegister; }

private:
  std::unique_ptr<Tokenizer> tokenizer;
  std::unique_ptr<Architecture> arch;
  std::vector<OperationEntry> operations;
  uint32_t indexRegister = 0;
  std::string error;
};

class IsaPage {
public:
  IsaPage(const ModelTables &zp100, const ModelTables &zp200)
      : zp100(zp100), zp200(zp200) {}

  void write(std::ostream &out) const;
  // Every example as a source per model and syntax, one paragraph each:
  // the statements the page claims zv-as accepts.
  std::string examples(const ModelTables &model, int syntax) const;

private:
  void writeStatements(std::ostream &out) const;
  void writeParagraphs(std::ostream &out) const;
  void writeSuffixes(std::ostream &out) const;
  void writeFlags(std::ostream &out) const;
  void writeWord(std::ostream &out, const ModelTables &model) const;
  void writeOperations(std::ostream &out, const ModelTables &model) const;
  void writeRegisters(std::ostream &out, const ModelTables &model) const;
  void writeMemory(std::ostream &out) const;

  const ModelTables &zp100;
  const ModelTables &zp200;
};

} // namespace zvisa

#endif
