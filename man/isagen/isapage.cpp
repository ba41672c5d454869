// isapage.cpp - zv-isa(7) from the tables: operations in table order with
// the operand forms the assembler accepts in each syntax, registers,
// paragraph rules, the operation word and the ZP100 units.
#include "isapage.h"

#include "architecture.h"
#include "directiveplacement.h"
#include "instruction.h"
#include "operandprobe.h"
#include "operationdata.h"
#include "tokenizer.h"
#include "zp100_arch.h"
#include "zp200_arch.h"

#include <cstdint>
#include <cstdio>

namespace zvisa {

namespace {

// The last operands tried, in the order the page shows them and the
// example is chosen by: how the form is shown, and the text tried. "#X"
// stands for the model's first index register.
struct Form {
  const char *shown;
  const char *text;
};

constexpr Form lastOperands[] = {
    {"V", "5"},
    {"@ref", "@1"},
    {"#reg", "#1"},
    {"#index", "#X"},
    {"#index, V", "#X, 4"},
    {"@ref, V", "@1, 4"},
    {"#reg, V", "#1, 4"},
    {"[V]", "[4]"},
    {"[@ref]", "[@1]"},
    {"[#reg]", "[#1]"},
    {"[#index]", "[#X]"},
    {"[@ref, V]", "[@1, 4]"},
    {"[#reg, V]", "[#1, 4]"},
    {"[#index, V]", "[#X, 4]"},
    {"", ""},
};
constexpr size_t FormCount = sizeof lastOperands / sizeof lastOperands[0];

// V values tried where the plain V form is accepted.
constexpr const char *valueProbes[] = {"256", "65536", "0f1.5"};
enum { Probe256, Probe65536, ProbeFloat, ValueProbeCount };

const char *const typeSuffixes[16] = {"b",  "s",   "l",  "q",  "ps", "pss",
                                      "pl", "psl", "sb", "ss", "sl", "sq",
                                      "f",  "d",   "p",  "c"};

const char *const conditionMeaning[16] = {
    "always",       "equal",          "not equal", "not used",
    "below, carry", "below or equal", "above",     "above or equal, no carry",
    "sign",         "no sign",        "overflow",  "no overflow",
    "less",         "less or equal",  "greater",   "greater or equal"};

// Text for a roff line: no escape characters, no control word at the
// start, minus signs as such.
std::string roff(const std::string &text) {
  std::string out;
  for (char c : text) {
    if (c == '\\')
      out += "\\e";
    else if (c == '-')
      out += "\\-";
    else
      out += c;
  }
  if (!out.empty() && (out[0] == '.' || out[0] == '\''))
    out = "\\&" + out;
  return out;
}

std::string bold(const std::string &text) {
  return "\\fB" + roff(text) + "\\fP";
}

std::string hex(uint32_t value) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "0x%X", value);
  return buffer;
}

std::string replaceIndex(const std::string &text, uint32_t index) {
  std::string out = text;
  const size_t at = out.find("#X");
  if (at != std::string::npos)
    out.replace(at, 2, "#" + std::to_string(index));
  return out;
}

// The warning text without the operation it names.
std::string warningText(const std::string &warning) {
  const size_t at = warning.find(" for operation '");
  return at == std::string::npos ? warning : warning.substr(0, at);
}

const char *accessText(uint32_t access) {
  switch (access) {
  case Register::READ:
    return "read\\-only";
  case Register::WRITE:
    return "write\\-only";
  default:
    return "read/write";
  }
}

const char *typeText(uint32_t type) {
  switch (type) {
  case Register::GENERAL:
    return "general register";
  case Register::INDEX:
    return "index register";
  case Register::SYSTEM:
    return "system register";
  default:
    return "peripheral control register";
  }
}

// What the operation's kind puts before its last operand, as tried and as
// shown.
void operandPrefix(int kind, std::string &text, std::string &shown) {
  text.clear();
  shown.clear();
  if (kind == IK_SET) {
    text = "#1, ";
    shown = "#reg, ";
  } else if (kind == IK_ARG2) {
    text = "@1, ";
    shown = "@ref, ";
  }
}

std::string joinForms(const std::vector<std::string> &forms) {
  std::string out;
  for (const std::string &f : forms)
    out += (out.empty() ? "" : " | ") + (f.empty() ? "(none)" : bold(f));
  return out;
}

} // namespace

ModelTables::ModelTables(uint16_t machine)
    : tokenizer(std::make_unique<Tokenizer>(nullptr)) {
  if (machine == EM_ZP100)
    arch = std::make_unique<ZP100_Arch>(tokenizer.get());
  else
    arch = std::make_unique<ZP200_Arch>(tokenizer.get());
  for (uint32_t n = 0; n < arch->getRegisterCount(); ++n) {
    const Register *r = arch->getRegister(static_cast<int>(n));
    if (r && r->isIndex()) {
      indexRegister = n;
      break;
    }
  }
  for (const std::string &name : arch->getMnemonics()) {
    const Instruction *i = arch->getInstruction(tokenizer->getWord(name));
    if (!i || !i->isOperation())
      continue;
    OperationEntry entry;
    entry.operation = static_cast<const Operation *>(i);
    entry.name = name;
    operations.push_back(entry);
  }
}

ModelTables::~ModelTables() = default;

const Instruction *ModelTables::getInstruction(const std::string &name) const {
  return arch->getInstruction(tokenizer->getWord(name));
}

bool ModelTables::probe(const std::string &scratch) {
  const int defaultSyntax = arch->getDefaultSyntax();
  // By syntax, operation and form: the statement's index in its probe.
  std::vector<std::vector<size_t>> tried[2];
  std::vector<std::vector<size_t>> valueTried[2];
  OperandProbe probes[2] = {OperandProbe(arch->getCode(), 1, scratch),
                            OperandProbe(arch->getCode(), 2, scratch)};
  for (int s = 0; s < 2; ++s) {
    tried[s].resize(operations.size());
    valueTried[s].resize(operations.size());
    for (size_t o = 0; o < operations.size(); ++o) {
      const OperationEntry &entry = operations[o];
      const int kind = entry.operation->getKind();
      if (kind == IK_ERROR)
        continue;
      if (kind == IK_COMPLETE) {
        tried[s][o].push_back(probes[s].add(entry.name, true));
        continue;
      }
      std::string prefix, shown;
      operandPrefix(kind, prefix, shown);
      for (const Form &form : lastOperands) {
        // An empty last operand reads as the V value 0; only operations
        // without operands are shown so.
        if (!form.text[0] && kind != IK_ARG0) {
          tried[s][o].push_back(SIZE_MAX);
          continue;
        }
        std::string operands = replaceIndex(prefix + form.text, indexRegister);
        if (!form.text[0] && !prefix.empty())
          operands.erase(operands.size() - 2); // no ", " without a last one
        tried[s][o].push_back(probes[s].add(
            operands.empty() ? entry.name : entry.name + " " + operands));
      }
      for (const char *value : valueProbes)
        valueTried[s][o].push_back(
            probes[s].add(entry.name + " " + prefix + value));
    }
  }
  for (OperandProbe &p : probes)
    if (!p.run()) {
      error = p.getLastError();
      return false;
    }

  for (size_t o = 0; o < operations.size(); ++o) {
    OperationEntry &entry = operations[o];
    const int kind = entry.operation->getKind();
    if (kind == IK_ERROR)
      continue;
    if (kind == IK_COMPLETE) {
      for (int s = 0; s < 2; ++s)
        if (probes[s].result(tried[s][o][0]).accepted) {
          entry.forms[s].push_back("");
          entry.exampleSyntaxes |= 1u << s;
        }
      entry.example = entry.name;
      continue;
    }
    std::string prefix, shown;
    operandPrefix(kind, prefix, shown);
    auto formShown = [&](size_t f) {
      std::string text = shown + lastOperands[f].shown;
      if (!lastOperands[f].shown[0] && !shown.empty())
        text.erase(text.size() - 2);
      return text;
    };
    auto formText = [&](size_t f) {
      std::string text =
          replaceIndex(prefix + lastOperands[f].text, indexRegister);
      if (!lastOperands[f].text[0] && !prefix.empty())
        text.erase(text.size() - 2);
      return text.empty() ? entry.name : entry.name + " " + text;
    };
    for (int s = 0; s < 2; ++s)
      for (size_t f = 0; f < FormCount; ++f)
        if (tried[s][o][f] != SIZE_MAX &&
            probes[s].result(tried[s][o][f]).accepted)
          entry.forms[s].push_back(formShown(f));

    // What the V word takes, from the plain V form in the model's syntax.
    const OperandProbe &home = probes[defaultSyntax - 1];
    const ProbeResult &plain = home.result(tried[defaultSyntax - 1][o][0]);
    const Operation *op = entry.operation;
    std::string values;
    bool floatQuiet = false;
    if (plain.accepted) {
      const std::vector<size_t> &v = valueTried[defaultSyntax - 1][o];
      const ProbeResult &r256 = home.result(v[Probe256]);
      const ProbeResult &r65536 = home.result(v[Probe65536]);
      const ProbeResult &rFloat = home.result(v[ProbeFloat]);
      if (op->isMemoryAccess())
        values = "V: a data memory address of 32 bits; a label must lie in "
                 "a data section (or the value be absolute).";
      else if (op->isControlTransfer())
        values = "V: a code address of 32 bits; a label must lie in a text "
                 "section (or the value be absolute).";
      else if (!plain.warning.empty())
        values = "V: an integer draws the warning \\(lq" +
                 roff(warningText(plain.warning)) + "\\(rq.";
      else {
        const char *width = !r256.accepted || !r256.warning.empty() ? "1 byte"
                            : !r65536.accepted || !r65536.warning.empty()
                                ? "2 bytes"
                                : "4 bytes";
        values = std::string("V: an integer of ") + width +
                 (op->getFlags() & OF_INT32 ? ", whatever the type" : "") + ".";
      }
      if (rFloat.accepted && rFloat.warning.empty()) {
        values += " A floating literal (\\fB0f1.5\\fP) is stored as its "
                  "single\\-precision bits.";
        floatQuiet = true;
      } else if (rFloat.accepted) {
        values += " A floating literal draws the warning \\(lq" +
                  roff(warningText(rFloat.warning)) + "\\(rq.";
      } else {
        values += " No floating literal.";
      }
    } else {
      bool anyV = false;
      for (int s = 0; s < 2; ++s)
        for (const std::string &f : entry.forms[s])
          anyV = anyV || f.find('V') != std::string::npos;
      values = anyV ? "V: only as the offset of an address operand, its low "
                      "32 bits; no plain value, no floating literal."
                    : "No V word.";
    }
    entry.values = values;

    // The example: a floating V where one is taken quietly, else the first
    // form accepted without a word in both syntaxes, else in one of them.
    std::vector<size_t> order;
    if (floatQuiet)
      order.push_back(FormCount); // the float value
    for (size_t f = 0; f < FormCount; ++f)
      order.push_back(f);
    auto quietIn = [&](size_t f, int s) {
      if (f == FormCount) {
        const ProbeResult &r = probes[s].result(valueTried[s][o][ProbeFloat]);
        return r.accepted && r.warning.empty();
      }
      if (tried[s][o][f] == SIZE_MAX)
        return false;
      const ProbeResult &r = probes[s].result(tried[s][o][f]);
      return r.accepted && r.warning.empty();
    };
    const int other = 2 - defaultSyntax;
    for (int pass = 0; pass < 3 && entry.example.empty(); ++pass)
      for (size_t f : order) {
        const bool home = quietIn(f, defaultSyntax - 1);
        const bool away = quietIn(f, other);
        if ((pass == 0 && home && away) || (pass == 1 && home) ||
            (pass == 2 && away)) {
          entry.example = f == FormCount ? entry.name + " " + prefix + "0f1.5"
                                         : formText(f);
          entry.exampleSyntaxes =
              (home ? 1u << (defaultSyntax - 1) : 0) | (away ? 1u << other : 0);
          break;
        }
      }
  }
  return true;
}

std::string IsaPage::examples(const ModelTables &model, int syntax) const {
  std::string text = "        .text\n";
  size_t n = 0;
  for (const OperationEntry &e : model.getOperations()) {
    if (e.example.empty() || !(e.exampleSyntaxes & (1u << (syntax - 1))))
      continue;
    text += "e" + std::to_string(n++) + ":\n        getl 1\n        " +
            e.example + "\n";
    if (e.operation->getKind() != IK_COMPLETE)
      text += "        complete\n";
  }
  return text;
}

void IsaPage::write(std::ostream &out) const {
  out << ".\\\" zv-isa.7 - the instruction set of the Zorvel processors, "
         "made from the\n"
         ".\\\" assembler's tables when it is built; do not edit.\n"
         ".TH ZV\\-ISA 7 2026-12-09 \"Zorvel toolchain 0.5.11\" "
         "\"Zorvel toolchain\"\n"
         ".nr HY 0\n.nh\n"
         ".SH NAME\n"
         "zv\\-isa \\- operations, registers and paragraphs of the Zorvel "
         "processors ZP100 and ZP200\n"
         ".SH DESCRIPTION\n"
         "This page is made from the tables of\n.BR zv\\-as (1)\n"
         "when it is built: every operation of each model in the order of "
         "its table, with the operand forms the assembler accepts in each "
         "syntax, its operation code, type or condition and flags, what its "
         "V word takes, and an example that the build assembles; the "
         "registers; the rules of paragraphs; the operation word; and how "
         "ZP100 code is laid out in its four processing units.\n";
  writeStatements(out);
  writeParagraphs(out);
  writeSuffixes(out);
  writeFlags(out);
  for (const ModelTables *model : {&zp100, &zp200}) {
    out << ".SH " << model->getArchitecture().getName() << "\n";
    writeOperations(out, *model);
    writeRegisters(out, *model);
    writeWord(out, *model);
  }
  writeMemory(out);
  out << ".SH SEE ALSO\n.BR zv\\-as (1),\n.BR zv\\-ld (1),\n"
         ".BR zv\\-objdump (1)\n";
}

void IsaPage::writeStatements(std::ostream &out) const {
  out << ".SH OPERATION STATEMENTS\n"
         "An operation statement is a mnemonic and its operands.\n"
         "Operands are written:\n"
         ".TP\n.BI @ n\n"
         "a switchboard reference, the result of the operation\n.I n\n"
         "places back in the paragraph\n(\\fB@ref\\fP below);\n"
         ".TP\n.BI # n \" \\fRor\\fP \" # NAME\n"
         "a register by number or name; \\fB#reg\\fP below is a register "
         "that is not an index register, \\fB#index\\fP an index register;\n"
         ".TP\n.I V\n"
         "an expression, the value of the V word that follows the operation "
         "word; after a register it may also follow a sign instead of a "
         "comma\n(\\fB#"
      << zp100.getIndexRegister() << "+8\\fP);\n"
      << ".TP\n.BI [ operand ]\n"
         "in syntax V2, an operand used as a memory address.\n"
         ".PP\n"
         "Syntax V1 has no brackets: there an index register with an "
         "operation that is not a memory access is the address, as the "
         "bracketed form is in V2.\n"
         "The forms listed for an operation are those the assembler accepts "
         "for it on its model; an operand combination it cannot encode is "
         "reported as \\(lqunsupported operation format for architecture\\(rq "
         "and the model's name.\n"
         "Each example is written as the second operation of a paragraph "
         "whose first is\n.BR \"getl 1\" ,\n"
         "so that\n.B @1\nnames a result; it is assembled when the "
         "toolchain is built, in the syntaxes it names.\n";
}

void IsaPage::writeParagraphs(std::ostream &out) const {
  out << ".SH PARAGRAPHS\n"
         "Code is written as paragraphs: a paragraph begins at a label in a "
         "text section and ends with the operation\n.BR complete ,\n"
         "which puts no word of its own: it sets the paragraph\\-end bit of "
         "the operation before it.\n"
         "An operation outside a paragraph is an error, and so is a "
         "paragraph still open at the end of its file.\n"
         "A second label before the paragraph's first operation names the "
         "same paragraph; a label after it is ignored with a warning.\n"
         ".PP\n"
         "An operation takes its inputs from earlier operations of the same "
         "paragraph through switchboard references, or from registers.\n"
         "The operation referred to must produce a result.\n";
  for (const ModelTables *model : {&zp100, &zp200}) {
    const Architecture &a = model->getArchitecture();
    out << "On " << a.getName() << " a reference reaches from\n.B @"
        << a.getSbRefBegin() << "\nto\n.BR @" << a.getSbRefEnd()
        << " ,\nno further back than the paragraph's start"
        << (a.isAtNullIsNull() ? ", and\n.B @0\nis the null reference"
                               : ";\n.B @0\nis refused")
        << ".\n";
  }
  out << "A paragraph operation number label,\n.IB name :=\n"
         "in front of an operation, lets later operations of the paragraph "
         "write\n.BI @ name\nfor that operation's result.\n"
         ".PP\n"
         "Inside a paragraph stand its operations, labels before its first "
         "operation, paragraph operation number labels, and the directives "
         "that may stand anywhere.\n"
         "These directives are refused inside a paragraph\n"
         "(\\(lqpseudo operation \\(aq\\fIname\\fP\\(aq can\\(aqt be placed "
         "inside the paragraph\\(rq):\n";
  // The directives are the same on both models.
  std::vector<std::string> outside, data, text;
  for (const std::string &name :
       zp100.getArchitecture().getPseudoOperationNames()) {
    const Instruction *d = zp100.getInstruction(name);
    if (!d)
      continue;
    switch (placementOf(d->getKind())) {
    case Placement::OutsideParagraph:
      outside.push_back(name);
      break;
    case Placement::DataSection:
      data.push_back(name);
      break;
    case Placement::DataOutsideParagraph:
      outside.push_back(name);
      data.push_back(name);
      break;
    case Placement::TextSection:
      text.push_back(name);
      break;
    case Placement::Anywhere:
      break;
    }
  }
  auto list = [&](const std::vector<std::string> &names, const char *end) {
    for (size_t i = 0; i < names.size(); ++i)
      out << ".BR " << roff(names[i]) << " "
          << (i + 1 < names.size() ? "," : end) << "\n";
  };
  list(outside, "");
  out << "(so a file cannot be included in the middle of a paragraph).\n"
         "Data and alignment directives are refused in a text section, "
         "and so inside every paragraph:\n";
  list(data, ".");
  out << "The directives that must stand in a text section:\n";
  list(text, ".");
}

void IsaPage::writeSuffixes(std::ostream &out) const {
  out << ".SH TYPES AND CONDITIONS\n"
         "A mnemonic is a stem with a type suffix or a condition suffix; "
         "its index is the type field of the operation word, so one "
         "operation code serves every type or condition of a stem.\n"
         "Type suffixes:\n";
  out << ".PD 0\n";
  for (int i = 0; i < 16; ++i)
    out << ".TP 8\n" << i << "\n.B " << typeSuffixes[i] << "\n";
  out << ".PD\n.PP\nCondition suffixes:\n.PD 0\n";
  static const char *const conditions[16] = {
      "",  "e",  "ne", "",   "b, c", "be", "a", "ae, nc",
      "s", "ns", "o",  "no", "l",    "le", "g", "ge"};
  for (int i = 0; i < 16; ++i) {
    out << ".TP 8\n" << i << "\n";
    out << (conditions[i][0] ? ".B \"" + std::string(conditions[i]) + "\"\n"
                             : std::string("(no suffix)\n"))
        << "\\(em " << conditionMeaning[i] << "\n";
  }
  out << ".PD\n";
}

void IsaPage::writeFlags(std::ostream &out) const {
  struct Bit {
    uint32_t value;
    const char *meaning;
  };
  static const Bit bits[] = {
      {OF_RESULT, "the operation produces a result: only such an operation "
                  "may be named by a switchboard reference"},
      {OF_RAW, "the V word holds raw bits: no floating literal, and no "
               "warning that an integer is taken as a floating value"},
      {OF_RAW | OF_MEMORY,
       "memory access: V is a data memory address, taken as its low 32 bits; "
       "a label must lie in a data section"},
      {OF_RAW | OF_CONTROL,
       "control transfer: V is a code address, taken as its low 32 bits; a "
       "label must lie in a text section"},
      {OF_INT32, "V is a 4\\-byte integer whatever the type"},
      {OF_INDEX_F2, "on ZP100 an index register may stand as a plain last "
                    "operand"},
      {OF_FLOAT_LITERAL, "with an integer type of 32 or 64 bits, a floating "
                         "literal is taken when the last operand is a "
                         "register or the V word alone"},
  };
  out << ".SH FLAGS\n"
         "The flags of an operation are bits of one word; what each means "
         "for its operands:\n.PD 0\n";
  for (const Bit &b : bits)
    out << ".TP 8\n" << hex(b.value) << "\n" << b.meaning << "\n";
  out << ".PD\n";
}

void IsaPage::writeOperations(std::ostream &out,
                              const ModelTables &model) const {
  const Architecture &a = model.getArchitecture();
  out << ".SS Operations\n"
      << model.getOperations().size() << " names, in table order; syntax V"
      << a.getDefaultSyntax() << " is the default.\n";
  for (const OperationEntry &e : model.getOperations()) {
    const Operation *op = e.operation;
    out << ".TP\n.B " << roff(e.name) << "\n";
    if (op->getKind() == IK_ERROR) {
      out << "The placeholder the assembler evaluates in place of an "
             "unknown mnemonic inside a paragraph, so that the operations "
             "after it keep their numbers; it is never written in a source "
             "and has no example.\n";
      continue;
    }
    if (op->getKind() == IK_COMPLETE) {
      out << "Ends the paragraph; no operands, no word of its own.\n.br\n"
             "Example: "
          << bold(e.example) << "\n";
      continue;
    }
    const TableRow::Form form = a.getMnemonicForm(e.name);
    const uint32_t index = op->getTypeIndex();
    out << "Code " << op->getCode() << ", ";
    if (form == TableRow::Conds)
      out << "condition " << index << " (" << conditionMeaning[index] << ")";
    else if (form == TableRow::Types)
      out << "type " << index << " (suffix " << bold(typeSuffixes[index])
          << ")";
    else
      out << "type field " << index;
    out << ", flags " << hex(op->getFlags()) << ": "
        << (op->producesResult() ? "produces a result" : "produces no result")
        << (op->isMemoryAccess()      ? "; memory access"
            : op->isControlTransfer() ? "; control transfer"
                                      : "")
        << ".\n.br\n";
    for (int s = 0; s < 2; ++s)
      out << "V" << s + 1 << ": "
          << (e.forms[s].empty() ? std::string("not in this syntax")
                                 : joinForms(e.forms[s]))
          << "\n.br\n";
    out << e.values << "\n.br\n";
    if (e.example.empty()) {
      out << "No example.\n";
      continue;
    }
    out << "Example"
        << (e.exampleSyntaxes == 3   ? ""
            : e.exampleSyntaxes == 1 ? " (V1)"
                                     : " (V2)")
        << ": " << bold(e.example) << "\n";
  }
}

void IsaPage::writeRegisters(std::ostream &out,
                             const ModelTables &model) const {
  const Architecture &a = model.getArchitecture();
  out << ".SS Registers\n"
         "Numbers not listed are no registers on "
      << a.getName()
      << ".\n\\fBset\\fP writes only a writable register; "
         "an index register is what\n.B exa\ntakes and what makes an "
         "address in syntax V1.\n";
  out << ".PD 0\n";
  for (uint32_t n = 0; n < a.getRegisterCount(); ++n) {
    const Register *r = a.getRegister(static_cast<int>(n));
    if (!r)
      continue;
    const std::string name = a.getRegisterName(n);
    out << ".TP 16\n.B #" << n << (name.empty() ? "" : " #" + name) << "\n"
        << typeText(r->getType()) << ", " << accessText(r->getAccess()) << "\n";
  }
  out << ".PD\n";
}

void IsaPage::writeWord(std::ostream &out, const ModelTables &model) const {
  const Architecture &a = model.getArchitecture();
  struct Field {
    uint32_t low;
    uint32_t width;
    std::string what;
  };
  std::vector<Field> fields;
  auto add = [&](OWField f, const char *what) {
    const uint16_t d = a.getFieldDescriptor(f);
    if (Architecture::fieldWidth(d))
      fields.push_back(
          {Architecture::fieldPosition(d), Architecture::fieldWidth(d), what});
  };
  add(OW_OPCODE, "operation code");
  add(OW_TYPE, "type or condition");
  add(OW_PARAGRAPH_END, "paragraph end: the last operation of a paragraph");
  add(OW_LIFETIME, "result lifetime: the farthest reference to the result");
  add(OW_F1, "F1: the first operand");
  add(OW_F2, "F2: the last operand");
  // The format bits, found by asking the encoder which bit each flag sets.
  OperationData d;
  d.prepare(model.getOperations().back().operation, 0);
  const uint32_t plain = a.getOperationWord(d);
  auto bitOf = [&](uint32_t word, const char *what) {
    const uint32_t diff = word ^ plain;
    for (uint32_t b = 0; b < 32; ++b)
      if (diff == (1u << b))
        fields.push_back({b, 1, what});
  };
  d.setVPresent(true);
  bitOf(a.getOperationWord(d), "V present: a V word follows");
  d.setVPresent(false);
  d.setFValue(2, 0, OperationData::REGISTER);
  bitOf(a.getOperationWord(d), "F2 is a register");
  d.setFValue(2, 0, OperationData::SBREF);
  d.setIndirect(true);
  bitOf(a.getOperationWord(d), "indirect: F2 is used as an address");

  out << ".SS Operation word\n"
         "Each operation is a 32\\-bit word, "
      << (a.getEncoding() == 2 ? "big" : "little")
      << "\\-endian in the object and the image, followed by its 32\\-bit V "
         "word when it has one; bit 31 is the most significant:\n.PD 0\n";
  for (int b = 31; b >= 0;) {
    const Field *found = nullptr;
    for (const Field &f : fields)
      if (f.low + f.width - 1 == uint32_t(b))
        found = &f;
    out << ".TP 12\n";
    if (!found) {
      out << b << "\n0\n";
      --b;
      continue;
    }
    if (found->width == 1)
      out << b << "\n";
    else
      out << b << " to " << found->low << "\n";
    out << found->what << "\n";
    b = int(found->low) - 1;
  }
  out << ".PD\n";
  if (!Architecture::fieldWidth(a.getFieldDescriptor(OW_LIFETIME)))
    out << ".PP\nThe result lifetime is not kept in the word.\n";
}

void IsaPage::writeMemory(std::ostream &out) const {
  out << ".SH PROGRAM MEMORY\n"
         ".SS ZP200\n"
         "Program memory is linear, 4 \\(mu 0x10000 bytes, and a code "
         "address is a byte address.\n"
         "Data memory runs from 0x40000 to 0x80000.\n"
         ".SS ZP100\n"
         "Program memory belongs to four processing units of 0x8000 bytes "
         "each, counted in rows of 8 bytes; a code address is a row.\n"
         "The linker deals the operations of every paragraph out to the "
         "units in turn: the first to unit 0, the second to unit 1, the "
         "fifth to unit 0 again, and an operation with a V word keeps both "
         "words on one unit.\n"
         "When the paragraph ends, every unit is filled with zero bytes to "
         "the same row, so that every paragraph begins at the same row on "
         "all four units.\n"
         "When a paragraph's last operation is the second one in its row on "
         "unit 0, 1 or 2, and the next paragraph is so short that its own "
         "last operation would go to a later unit in its first row, one "
         "more row of zeros is put in between.\n"
         "The entry code that\n.B zv\\-ld \\-e\n"
         "puts in front is one 8\\-byte operation alone at row 0 of unit 0.\n"
         "Data memory runs from 0 to 0x20000; code is big\\-endian, data "
         "little\\-endian.\n"
         ".PP\n"
         "In the line tables of an image an operation on\n.I unit\nat\n"
         ".I row\n"
         "has the position ((\\fIrow\\fP \\(mu 4) + \\fIunit\\fP) \\(mu 8 "
         "plus its byte in the row.\n";
}

} // namespace zvisa
