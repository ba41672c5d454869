// symbol.h - one symbol of the source: the values pass 1 gave it, walked
// again in pass 2, and the ELF record the object gets.
#ifndef ZV_AS_SYMBOL_H
#define ZV_AS_SYMBOL_H

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "elf32.h"

class Expression;
class Section;
class Word;

// One value of a symbol. Owns its expression.
class Value {
public:
  Value() = default;
  Value(Expression *expression, bool isOffset);
  Value(const Value &) = delete;
  Value &operator=(const Value &) = delete;
  ~Value();

  bool isInEvaluation() const { return inEvaluation; }
  void setInEvaluation(bool b) { inEvaluation = b; }
  // A label value: an offset (true) or an index of a recorded dot.
  bool isOffset() const { return offset; }
  void setIsOffset(bool b) { offset = b; }
  Expression *getExpression() const { return expression; }
  // Replaces (and deletes) the expression.
  void setExpression(Expression *e);

  // Where the value lies; null when undefined. A reference to another
  // symbol is followed one level.
  const Section *getSection() const;

private:
  bool inEvaluation = false;
  bool offset = true;
  Expression *expression = nullptr;
};

class Symbol {
public:
  // name is null only for the null symbol.
  explicit Symbol(const Word *name);
  Symbol(const Symbol &) = delete;
  Symbol &operator=(const Symbol &) = delete;
  ~Symbol();

  bool isDefined() const { return defined; }
  void setDefined(bool b = true) { defined = b; }
  bool isRelocationTarget() const { return relocationTarget; }
  void setRelocationTarget(bool b = true) { relocationTarget = b; }

  const Word *getWord() const { return name; }
  const std::string &getStrName() const;
  uint32_t getIndex() const { return index; }
  void setIndex(uint32_t i) { index = i; }

  // String table offset (st_name).
  uint32_t getName() const { return sym.st_name; }
  void setName(uint32_t n) { sym.st_name = n; }
  uint32_t getSize() const { return sym.st_size; }
  void setSize(uint32_t s) { sym.st_size = s; }
  uint8_t getBind() const { return ELF32_ST_BIND(sym.st_info); }
  uint8_t getType() const { return ELF32_ST_TYPE(sym.st_info); }
  uint8_t getInfo() const { return sym.st_info; }
  uint8_t getOther() const { return sym.st_other; }
  void setOther(uint8_t o) { sym.st_other = o; }
  uint16_t getShndx() const { return sym.st_shndx; }
  void setShndx(uint16_t s) { sym.st_shndx = s; }
  uint32_t getStValue() const { return sym.st_value; }
  const Elf32_Sym &getSymbol() const { return sym; }

  void setBind(uint8_t b);
  void setType(uint8_t t);
  void setInfo(uint8_t b, uint8_t t);
  bool isBindAlreadySet() const { return bindAlreadySet; }

  // Takes ownership of expression. Fills the current value when it has no
  // expression yet, else appends a new value and makes it current.
  void setValue(Expression *expression, bool isOffset);
  // The value in force; before the first definition of pass 2, the first
  // value of pass 1. Never null.
  Value *getValue() const;
  bool isValueDefined() const;
  // Pass 2: moves to the next value recorded in pass 1. The last value
  // stays in force when pass 2 defines more often than pass 1 did.
  void nextValue();
  // Null before the first definition of pass 2.
  Value *getCurrent() const { return current; }
  size_t getValueCount() const { return values.size(); }

  // Unreferenced ".L" symbols that are not written.
  bool isLocal() const;

  // After layout: label values become section offsets and the list is
  // reversed for pass 2.
  void adjustValues();
  // The final st_value (0 when undefined).
  void adjustResultValue();

  Expression *getEachTimeCalculatedExpression() const {
    return eachTimeCalculatedExpression.get();
  }
  // Takes ownership (the previous one is deleted).
  void setEachTimeCalculatedExpression(Expression *e);

private:
  // The values still to walk: most symbols have one, kept in place; more
  // go to the heap.
  class ValueList {
  public:
    size_t size() const { return many.empty() ? (one ? 1 : 0) : many.size(); }
    Value *back() const { return many.empty() ? one : many.back(); }
    Value **begin() { return many.empty() ? &one : many.data(); }
    Value **end() { return begin() + size(); }
    void push_back(Value *v);
    void pop_back();

  private:
    Value *one = nullptr;
    std::vector<Value *> many; // all of them once there are two
  };

  bool defined = false;
  bool relocationTarget = false;
  bool bindAlreadySet = false;
  uint32_t index = 0;
  const Word *name;
  Elf32_Sym sym{};
  // Every value ever given, kept to the end of the run: expression trees
  // refer to values that pass 2 has already walked past. The first is
  // part of the symbol.
  Value first;
  std::vector<std::unique_ptr<Value>> more;
  // Values still to walk, in definition order in pass 1 and reversed
  // (the next one last) in pass 2. Never empty.
  ValueList values;
  Value *current = nullptr;
  std::unique_ptr<Expression> eachTimeCalculatedExpression;
};

#endif
