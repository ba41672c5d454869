// parser_sections.cpp - the parser's side of the object model: creating
// sections, the predefined sections and symbols, relocation targets and
// the numbers stored in relocated fields.
#include "parser.h"

#include "architecture.h"
#include "expression.h"
#include "expressionnode.h"
#include "reltab.h"
#include "sectab.h"
#include "section.h"
#include "subsection.h"
#include "symbol.h"
#include "symtab.h"
#include "tokenizer.h"

namespace {

// Where the symbol's value lies, when the node refers to a symbol.
const Section *symbolSection(const ExpressionSymbolNode *node) {
  const Symbol *symbol = node->getSymbol();
  return symbol ? symbol->getValue()->getSection() : nullptr;
}

// The number a symbol node's symbol stands for (its section offset).
int64_t symbolNumber(const ExpressionSymbolNode *node) {
  const Symbol *symbol = node->getSymbol();
  const Expression *e = symbol ? symbol->getValue()->getExpression() : nullptr;
  const ExpressionNode *root = e ? e->getExpressionNode() : nullptr;
  return root && root->isNumber() ? root->getValue() : 0;
}

// Symbols that must stay named in the relocation: undefined, mergeable
// (the linker may move their pieces) and common (allocated by the linker).
bool isRelocatedByName(const Section *section) {
  return !section || section->isMerge() || section->isCommon();
}

} // namespace

Section *Parser::addSection(const Location &location, const Word *name,
                            uint32_t type, uint32_t flags, uint32_t entsize,
                            uint8_t encoding) {
  const SpecailSectionAttributes *special =
      architecture->getSpecialSectionAttributes(name);
  if (type == 0)
    type = special ? special->type : SHT_PROGBITS;
  if (flags == 0 && special)
    flags = special->flags;

  bool created = false;
  Section *section = sectab->getSection(name, &created);
  if (created) {
    Symbol *symbol = symtab->getSymbol(name);
    section->setType(type);
    section->setFlags(flags);
    section->setEntsize(entsize);
    section->setDataEncoding(encoding);
    if (symbol->getValue()->getExpression()) {
      // A label or .set of this name came first; one symbol cannot be both.
      const Location &previous =
          symbol->getValue()->getExpression()->getLocation();
      std::string text = "symbol '" + name->getName() +
                         "' is already defined at line " +
                         std::to_string(previous.getLine());
      if (previous.getName() != location.getName())
        text += " in " + previous.getName();
      error(location, text);
    }
    symtab->setIndex(symbol);
    symbol->setDefined();
    symbol->setRelocationTarget();
    // Section symbols are local whatever .globl or .weak said before: the
    // object lists them ahead of every other symbol.
    symbol->setInfo(STB_LOCAL, STT_SECTION);
    Subsection *first = sectab->getSubsection(section, 0);
    symbol->setValue(
        new Expression(location, new ExpressionNumberNode(0, false, first)),
        true);
    section->setLinkedSymbol(symbol);
    if (special) {
      if (type != special->type)
        warning(location,
                "setting incorrect section type for " + name->getName());
      if (flags != special->flags)
        warning(location,
                "setting incorrect section flags for " + name->getName());
    }
    return section;
  }

  Symbol *symbol = section->getLinkedSymbol();
  if (symbol && !symbol->getCurrent()) {
    symbol->nextValue();
    return section;
  }
  if (type != section->getType())
    warning(location, "ignoring changed section type for " + name->getName());
  if (flags != section->getFlags())
    warning(location, "ignoring changed section flags for " + name->getName());
  if (entsize != section->getEntsize())
    warning(location,
            "ignoring changed section entity size for " + name->getName());
  return section;
}

void Parser::addPredefinedData(const FileName &file) {
  Symbol *model =
      symtab->getSymbol(tokenizer->getWord(".L" + architecture->getName()));
  const char *const predefined[] = {".text", ".data", ".bss"};
  if (pass != 1) {
    for (const char *name : predefined)
      symtab->getSymbol(tokenizer->getWord(name))->nextValue();
    model->nextValue();
    for (const SymbolDefinition &d : commandLineSymbols)
      symtab->getSymbol(tokenizer->getWord(d.name))->nextValue();
    currentSyntax = initialSyntax;
    return;
  }

  Location location(file, 0, 0);
  Section *abs = sectab->getSection(tokenizer->getWord("*ABS*"));
  abs->setIndex(Section::ABS_INDEX);
  absoluteSubsection = sectab->getSubsection(abs, 0);
  Section *common = sectab->getSection(tokenizer->getWord("*COMMON*"));
  common->setIndex(Section::COMMON_INDEX);
  commonSubsection = sectab->getSubsection(common, 0);

  addSection(location, tokenizer->getWord(predefined[0]), SHT_PROGBITS,
             SHF_ALLOC | SHF_EXECINSTR, 0, architecture->getEncoding());
  addSection(location, tokenizer->getWord(predefined[1]), SHT_PROGBITS,
             SHF_WRITE | SHF_ALLOC, 0, architecture->getDataEncoding());
  addSection(location, tokenizer->getWord(predefined[2]), SHT_NOBITS,
             SHF_WRITE | SHF_ALLOC, 0, 0);

  model->setDefined();
  model->setValue(new Expression(location, new ExpressionNumberNode(
                                               1, false, absoluteSubsection)),
                  true);
  // As a .set would give them: the source may set them again.
  for (const SymbolDefinition &d : commandLineSymbols)
    symtab->getSymbol(tokenizer->getWord(d.name))
        ->setValue(new Expression(location,
                                  new ExpressionNumberNode(d.value, false,
                                                           absoluteSubsection)),
                   true);
}

void Parser::addRelocationEntry(const Section *section, uint32_t offset,
                                const Expression *expression, uint8_t type) {
  const ExpressionNode *root =
      expression ? expression->getExpressionNode() : nullptr;
  if (!reltab || !section || !root)
    return;
  const Symbol *target = nullptr;
  if (root->isNumber()) {
    const Subsection *sub =
        static_cast<const ExpressionNumberNode *>(root)->getSubsection();
    const Section *where = sub ? sub->getSection() : nullptr;
    if (!where || where->isAbs())
      return;
    target = where->getLinkedSymbol();
  } else if (root->isSymbol()) {
    auto *node = static_cast<const ExpressionSymbolNode *>(root);
    const Section *where = symbolSection(node);
    if (where && where->isAbs())
      return;
    if (isRelocatedByName(where)) {
      node->getSymbol()->setRelocationTarget();
      target = node->getSymbol();
    } else {
      target = where->getLinkedSymbol();
    }
  }
  // Operators left over mean the caller already reported an error; a
  // section without a symbol cannot be named in a relocation.
  if (target)
    reltab->addEntry(section, offset, target, type);
}

int64_t Parser::getExpressionValue(const Expression *expression) const {
  const ExpressionNode *root =
      expression ? expression->getExpressionNode() : nullptr;
  if (!root)
    return 0;
  int64_t value = root->getValue();
  if (root->isSymbol()) {
    auto *node = static_cast<const ExpressionSymbolNode *>(root);
    if (!isRelocatedByName(symbolSection(node)))
      value = static_cast<int64_t>(static_cast<uint64_t>(value) +
                                   static_cast<uint64_t>(symbolNumber(node)));
  }
  return value;
}
