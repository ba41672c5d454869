// sourcewriter.cpp - writing an object back as source. Everything is
// planned first (paragraphs, labels, anchors for section-relative values)
// and checked against what the assembler can make; only then is the source
// written, so a refused object leaves no partial text.
#include "sourcewriter.h"

#include "elffile.h"
#include "instruction.h"
#include "textformat.h"

#include <algorithm>
#include <cstdio>
#include <sstream>

namespace zvod {

namespace {

std::string hex(uint64_t v) { return "0x" + hexDigits(v); }

// A name the lexer reads as one word.
bool isWord(const std::string &name) {
  if (name.empty() || name == "." || name == ".alias")
    return false;
  for (size_t i = 0; i < name.size(); ++i) {
    const char c = name[i];
    const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    const bool digit = c >= '0' && c <= '9';
    if (!(letter || c == '.' || c == '_' || (digit && i > 0)))
      return false;
  }
  return true;
}

bool isPowerOfTwo(uint32_t v) { return v && !(v & (v - 1)); }

// " + 12", " - 0x400" or nothing.
std::string offsetText(int64_t k) {
  if (k == 0)
    return std::string();
  uint64_t magnitude =
      k < 0 ? 0 - static_cast<uint64_t>(k) : static_cast<uint64_t>(k);
  std::string text =
      magnitude < 1024 ? std::to_string(magnitude) : hex(magnitude);
  return (k < 0 ? " - " : " + ") + text;
}

const char *dataDirective(unsigned bytes) {
  switch (bytes) {
  case 1:
    return ".byte";
  case 2:
    return ".short";
  case 4:
    return ".long";
  default:
    return ".quad";
  }
}

const char *typeName(unsigned type) {
  switch (type) {
  case STT_OBJECT:
    return "STT_OBJECT";
  case STT_FUNC:
    return "STT_FUNC";
  case STT_COMMON:
    return "STT_COMMON";
  default:
    return "STT_NOTYPE";
  }
}

bool isPrintable(uint8_t c) {
  return c >= 0x20 && c < 0x7f && c != '"' && c != '\\';
}

} // namespace

bool SourceWriter::byOffset(const Label &a, const Label &b) {
  return a.offset < b.offset;
}

SourceWriter::SourceWriter(const ElfFile &file, const OpDecoder &decoder,
                           int syntax, bool forced)
    : file(file), decoder(decoder), syntax(syntax), forced(forced) {}

bool SourceWriter::fail(const std::string &text) {
  error = "cannot write as source: " + text;
  return false;
}

std::string SourceWriter::place(size_t section, uint32_t offset) const {
  return file.getSections()[section].name + "+" + hex(offset);
}

bool SourceWriter::write(const std::string &fileName, std::ostream &out) {
  if (!file.isRelocatable())
    return fail("not a relocatable object");
  if (!planSections() || !planSymbols() || !planRelocations())
    return false;
  addAnchors();
  for (const PendingSet &p : pendingSets)
    sets.emplace_back(p.name, anchored(p.section, p.value));
  if (!renderAll())
    return false;

  std::ostringstream text;
  text << "; " << fileName << " written back as source by zv-objdump; "
       << "assemble it with zv-as --arch=" << decoder.getModelName()
       << " --syntax=V" << syntax << "\n"
       << "\t.syntax V" << syntax << "\n";
  writeDeclarations(text);
  for (size_t i = 1; i < plans.size(); ++i)
    if (plans[i].emitted)
      writeSection(i, text);
  if (!sets.empty())
    text << "\n";
  for (const auto &s : sets)
    text << "\t.set " << s.first << ", " << s.second << "\n";
  out << text.str();
  return true;
}

bool SourceWriter::planSections() {
  const std::vector<ElfSection> &sections = file.getSections();
  plans.assign(sections.size(), Plan());
  for (const ElfSection &s : sections)
    names.insert(s.name);
  for (size_t i = 1; i < sections.size(); ++i) {
    const ElfSection &s = sections[i];
    const uint32_t type = s.shdr.sh_type;
    const uint32_t flags = s.shdr.sh_flags;
    if (type == SHT_SYMTAB || type == SHT_STRTAB || type == SHT_REL ||
        file.isDebugSection(i))
      continue;
    const std::string named = "section '" + s.name + "'";
    if (type != SHT_PROGBITS && type != SHT_NOBITS && type != SHT_NOTE)
      return fail(named + " has type " + std::to_string(type) +
                  ", which no source makes");
    if (!isWord(s.name))
      return fail(named + ": its name is no word the assembler reads");
    if ((s.name == ".text" &&
         (type != SHT_PROGBITS || flags != SHF_ZORVEL_TEXT)) ||
        (s.name == ".data" &&
         (type != SHT_PROGBITS || flags != SHF_ZORVEL_DATA)) ||
        (s.name == ".bss" && (type != SHT_NOBITS || flags != SHF_ZORVEL_DATA)))
      return fail(named + " has another type or flags than the assembler "
                          "gives it");
    if (flags & ~uint32_t(SHF_WRITE | SHF_ALLOC | SHF_EXECINSTR | SHF_MERGE |
                          SHF_STRINGS))
      return fail(named + " has flags " + hex(flags) +
                  ", which no source makes");
    if (s.shdr.sh_entsize && !(flags & SHF_MERGE))
      return fail(named + " has an entity size without the merge flag");
    Plan &plan = plans[i];
    plan.emitted = true;
    plan.text = type == SHT_PROGBITS && flags == SHF_ZORVEL_TEXT;
    const uint32_t align = s.shdr.sh_addralign;
    if ((plan.text && align) || (align && !isPowerOfTwo(align)))
      return fail(named + " has an alignment of " + std::to_string(align) +
                  ", which no source makes");
    if (plan.text && !planText(i))
      return false;
  }
  return true;
}

bool SourceWriter::planText(size_t index) {
  const ElfSection &section = file.getSections()[index];
  const uint8_t *data = file.sectionData(index);
  const uint32_t size = section.shdr.sh_size;
  const uint8_t encoding = file.sectionEncoding(index);
  Plan &plan = plans[index];
  Paragraph current;
  uint32_t at = 0;
  while (at < size) {
    if (size - at < 4)
      return fail("section '" + section.name +
                  "' ends in bytes that are no operation");
    DecodedOperation op;
    const uint32_t word = ElfFile::word(data + at, encoding);
    if (!decoder.decode(word, op))
      return fail("word " + hex(word) + " at " + place(index, at) +
                  " is no operation");
    if (op.size() > size - at)
      return fail("the operation at " + place(index, at) + " lacks its V word");
    if (op.hasV)
      plan.vWords.insert(at + 4);
    current.offsets.push_back(at);
    current.operations.push_back(op);
    at += op.size();
    if (op.paragraphEnd) {
      if (!checkReferences(index, current))
        return false;
      plan.starts.insert(current.begin);
      plan.paragraphs.push_back(std::move(current));
      current = Paragraph();
      current.begin = at;
    }
  }
  if (!current.operations.empty())
    return fail("the paragraph at " + place(index, current.begin) +
                " does not end before its section");
  return true;
}

// References must reach results inside the paragraph, and where the model
// keeps result lifetimes, each must be the longest reference to it: that
// is what the assembler computes from the references again.
bool SourceWriter::checkReferences(size_t index, const Paragraph &p) {
  const std::vector<DecodedOperation> &ops = p.operations;
  std::vector<uint32_t> lifetime(ops.size(), 0);
  for (size_t j = 0; j < ops.size(); ++j) {
    const DecodedOperation &op = ops[j];
    const int kind = op.operation->getKind();
    uint32_t refs[2] = {0, 0};
    if (kind == IK_MOVE || kind == IK_ARG2)
      refs[0] = op.f1;
    if ((kind == IK_SET || kind == IK_ARG1 || kind == IK_ARG2) &&
        !op.f2Register)
      refs[1] = op.f2;
    for (uint32_t r : refs) {
      if (r == 0)
        continue;
      const std::string at = "the operation at " + place(index, p.offsets[j]);
      if (r > j)
        return fail(at + " refers to @" + std::to_string(r) +
                    ", before its paragraph");
      if (!ops[j - r].operation->producesResult())
        return fail(at + " refers to @" + std::to_string(r) +
                    ", an operation without a result");
      lifetime[j - r] = std::max(lifetime[j - r], r);
    }
  }
  if (decoder.encodesLifetime())
    for (size_t j = 0; j < ops.size(); ++j)
      if (ops[j].lifetime != lifetime[j])
        return fail("the result lifetime of the operation at " +
                    place(index, p.offsets[j]) + " is not that of its uses");
  return true;
}

bool SourceWriter::planSymbols() {
  const std::vector<ElfSymbol> &symbols = file.getSymbols();
  const std::vector<ElfSection> &sections = file.getSections();
  handled.assign(symbols.size(), false);
  for (size_t i = 1; i < symbols.size(); ++i) {
    const ElfSymbol &s = symbols[i];
    if (s.type() == STT_SECTION)
      continue;
    const uint16_t shndx = s.sym.st_shndx;
    const bool inSection =
        shndx != SHN_UNDEF && shndx != SHN_ABS && shndx != SHN_COMMON;
    if (inSection && !plans[shndx].emitted) {
      // Symbols of the debugging sections go with them.
      if (file.isDebugSection(shndx))
        continue;
      return fail("symbol '" + s.name + "' lies in section '" +
                  sections[shndx].name + "'");
    }
    const std::string named = "symbol '" + s.name + "'";
    if (!isWord(s.name))
      return fail(named + ": its name is no word the assembler reads");
    if (!names.insert(s.name).second)
      return fail(named + ": the name is taken twice");
    if (s.bind() != STB_LOCAL && s.bind() != STB_GLOBAL && s.bind() != STB_WEAK)
      return fail(named + " has binding " + std::to_string(s.bind()) +
                  ", which no source makes");
    if (s.type() != STT_NOTYPE && s.type() != STT_OBJECT &&
        s.type() != STT_FUNC && s.type() != STT_COMMON)
      return fail(named + " has type " + std::to_string(s.type()) +
                  ", which no source makes");
    if (s.sym.st_other)
      return fail(named + " has visibility bits, which no source makes");
    if (shndx == SHN_UNDEF && s.bind() == STB_LOCAL)
      return fail(named + " is undefined and local");
    if (shndx == SHN_COMMON && s.bind() != STB_GLOBAL)
      return fail(named + " is a common symbol that is not global");
    handled[i] = true;
    if (shndx == SHN_ABS) {
      sets.emplace_back(s.name, OpDecoder::numberText(s.sym.st_value));
    } else if (inSection) {
      Plan &plan = plans[shndx];
      const uint32_t value = s.sym.st_value;
      bool label = value <= sections[shndx].shdr.sh_size;
      if (plan.text)
        label = plan.starts.count(value) != 0;
      if (label) {
        plan.labels.push_back({value, s.name});
      } else {
        plan.needsAnchor = true;
        pendingSets.push_back({s.name, shndx, value});
      }
    }
  }
  for (Plan &plan : plans)
    std::stable_sort(plan.labels.begin(), plan.labels.end(), byOffset);
  return true;
}

bool SourceWriter::planRelocations() {
  const std::vector<ElfSymbol> &symbols = file.getSymbols();
  const std::vector<ElfSection> &sections = file.getSections();
  for (size_t i = 1; i < plans.size(); ++i) {
    if (!plans[i].emitted)
      continue;
    uint32_t end = 0;
    for (const ElfRelocation &r : file.getRelocations(i)) {
      const std::string at = "the relocation at " + place(i, r.offset);
      const unsigned width = ElfFile::relocationWidth(r.type);
      if (plans[i].text) {
        if (r.type != R_ZORVEL_32 || !plans[i].vWords.count(r.offset))
          return fail(at + " patches no V word");
      } else {
        if (!width)
          return fail(at + " has no field");
        if (r.offset < end)
          return fail(at + " overlaps the one before it");
        end = r.offset + width;
        const std::vector<Label> &labels = plans[i].labels;
        auto inside = std::upper_bound(labels.begin(), labels.end(),
                                       Label{r.offset, ""}, byOffset);
        if (inside != labels.end() && inside->offset < end)
          return fail(at + " covers the place of label '" + inside->name + "'");
      }
      const ElfSymbol &s = symbols[r.symbol];
      const uint16_t shndx = s.sym.st_shndx;
      const bool inSection =
          shndx != SHN_UNDEF && shndx != SHN_ABS && shndx != SHN_COMMON;
      if (s.type() == STT_SECTION) {
        if (!inSection || !plans[shndx].emitted)
          return fail(at + " refers to a section the source leaves out");
        // Only a place inside a mergeable section is relocated against its
        // section symbol by number; the source has no name for that.
        if (sections[shndx].shdr.sh_flags & SHF_MERGE)
          return fail(at + " refers to mergeable section '" +
                      sections[shndx].name + "' by offset");
        plans[shndx].needsAnchor = true;
      } else if (r.symbol == 0 || shndx == SHN_ABS ||
                 (inSection && !(sections[shndx].shdr.sh_flags & SHF_MERGE)) ||
                 (inSection && !plans[shndx].emitted) ||
                 (r.symbol < handled.size() && !handled[r.symbol])) {
        return fail(at + " names symbol '" + file.symbolName(r.symbol) +
                    "', which the assembler never relocates by name");
      }
    }
  }
  return true;
}

std::string SourceWriter::uniqueName(const std::string &base) {
  std::string name = base;
  while (!names.insert(name).second)
    name += "_";
  return name;
}

// Every paragraph starts at a label; a section whose places the source
// refers to by offset gets a label to count from.
void SourceWriter::addAnchors() {
  for (size_t i = 1; i < plans.size(); ++i) {
    Plan &plan = plans[i];
    if (!plan.emitted)
      continue;
    const std::string base = ".Lzv" + std::to_string(i) + "_";
    // The labels are in offset order; the named ones stay first at each
    // offset.
    std::vector<Label> added;
    if (plan.text)
      for (const Paragraph &p : plan.paragraphs)
        if (!std::binary_search(plan.labels.begin(), plan.labels.end(),
                                Label{p.begin, ""}, byOffset))
          added.push_back({p.begin, uniqueName(base + hexDigits(p.begin))});
    if (plan.needsAnchor && plan.labels.empty() && added.empty())
      added.push_back({0, uniqueName(base + "0")});
    plan.labels.insert(plan.labels.end(), added.begin(), added.end());
    std::stable_sort(plan.labels.begin(), plan.labels.end(), byOffset);
  }
}

const SourceWriter::Label &SourceWriter::anchor(size_t section,
                                                int64_t value) const {
  // The first label of the last offset not above the value; the first
  // label of all when every one lies above it.
  const std::vector<Label> &labels = plans[section].labels;
  auto after = std::upper_bound(
      labels.begin(), labels.end(), value,
      [](int64_t v, const Label &l) { return v < int64_t(l.offset); });
  if (after == labels.begin())
    return labels.front();
  return *std::lower_bound(labels.begin(), after, *(after - 1), byOffset);
}

std::string SourceWriter::anchored(size_t section, int64_t value) const {
  const Label &a = anchor(section, value);
  return a.name + offsetText(static_cast<int64_t>(static_cast<uint64_t>(value) -
                                                  a.offset));
}

bool SourceWriter::relocationText(const ElfRelocation &r, int64_t value,
                                  unsigned bytes, std::string &text) const {
  const ElfSymbol &s = file.getSymbols()[r.symbol];
  if (s.type() == STT_SECTION) {
    text = anchored(s.sym.st_shndx, value);
    return true;
  }
  // A named symbol's field holds the addend alone; small negative ones
  // read better as such.
  int64_t addend = value;
  if (bytes < 8 && value >= 0 && value < (int64_t(1) << (8 * bytes)))
    addend = signExtend(static_cast<uint64_t>(value), bytes);
  text = s.name + offsetText(addend);
  return true;
}

bool SourceWriter::renderParagraph(size_t index, Paragraph &p, int syn) const {
  std::vector<std::string> statements;
  const uint8_t *data = file.sectionData(index);
  const uint8_t encoding = file.sectionEncoding(index);
  for (size_t j = 0; j < p.operations.size(); ++j) {
    const DecodedOperation &op = p.operations[j];
    const uint32_t at = p.offsets[j];
    const uint32_t bits = op.hasV ? ElfFile::word(data + at + 4, encoding) : 0;
    const ElfRelocation *rel =
        op.hasV ? file.relocationAt(index, at + 4) : nullptr;
    VText vText = [&](const VRule &rule, std::string &v) {
      if (!rel)
        return OpDecoder::numberText(rule, bits, v);
      int64_t value = 0;
      return OpDecoder::valueFor(rule, bits, value) &&
             relocationText(*rel, value, 4, v);
    };
    std::string text;
    if (!decoder.render(op, syn, vText, text))
      return false;
    statements.push_back(text);
  }
  p.statements = std::move(statements);
  p.syntax = syn;
  return true;
}

// One syntax for the whole source where it serves every paragraph; else
// the paragraphs that need the other one switch to it and back.
bool SourceWriter::renderAll() {
  if (!forced) {
    bool all = true;
    bool other = true;
    for (size_t i = 1; i < plans.size(); ++i)
      for (Paragraph &p : plans[i].paragraphs) {
        all = all && renderParagraph(i, p, syntax);
        other = other && renderParagraph(i, p, 3 - syntax);
      }
    if (!all && other)
      syntax = 3 - syntax;
  }
  for (size_t i = 1; i < plans.size(); ++i)
    for (Paragraph &p : plans[i].paragraphs)
      if (!renderParagraph(i, p, syntax) &&
          !renderParagraph(i, p, 3 - syntax)) {
        for (size_t j = 0; j < p.operations.size(); ++j) {
          Paragraph one;
          one.offsets = {p.offsets[j]};
          one.operations = {p.operations[j]};
          if (!renderParagraph(i, one, syntax) &&
              !renderParagraph(i, one, 3 - syntax))
            return fail("the operation at " + place(i, p.offsets[j]) +
                        " has no statement that assembles to it");
        }
        return fail("the paragraph at " + place(i, p.begin) +
                    " has no source in either syntax");
      }
  return true;
}

void SourceWriter::writeDeclarations(std::ostream &out) const {
  const std::vector<ElfSymbol> &symbols = file.getSymbols();
  std::ostringstream text;
  for (size_t i = 1; i < symbols.size(); ++i) {
    if (!handled[i])
      continue;
    const ElfSymbol &s = symbols[i];
    const bool common = s.sym.st_shndx == SHN_COMMON;
    if (common) {
      text << "\t.comm " << s.name << ", " << s.sym.st_size;
      if (s.sym.st_value)
        text << ", " << s.sym.st_value;
      text << "\n";
    } else if (s.bind() == STB_GLOBAL) {
      text << "\t.globl " << s.name << "\n";
    } else if (s.bind() == STB_WEAK) {
      text << "\t.weak " << s.name << "\n";
    }
    if (s.type() != STT_NOTYPE && !(common && s.type() == STT_OBJECT))
      text << "\t.type " << s.name << ", " << typeName(s.type()) << "\n";
    if (!common && s.sym.st_size)
      text << "\t.size " << s.name << ", " << s.sym.st_size << "\n";
  }
  if (!text.str().empty())
    out << "\n" << text.str();
}

void SourceWriter::writeSection(size_t index, std::ostream &out) const {
  const ElfSection &s = file.getSections()[index];
  out << "\n";
  if (s.name == ".text" || s.name == ".data" || s.name == ".bss") {
    out << "\t" << s.name << "\n";
  } else {
    std::string flags;
    const uint32_t f = s.shdr.sh_flags;
    if (f & SHF_ALLOC)
      flags += 'a';
    if (f & SHF_WRITE)
      flags += 'w';
    if (f & SHF_EXECINSTR)
      flags += 'x';
    if (f & SHF_MERGE)
      flags += 'M';
    if (f & SHF_STRINGS)
      flags += 'S';
    const char *type = s.shdr.sh_type == SHT_NOBITS ? "nobits"
                       : s.shdr.sh_type == SHT_NOTE ? "note"
                                                    : "progbits";
    out << "\t.section " << s.name << ", \"" << flags << "\", @" << type;
    if (f & SHF_MERGE)
      out << ", " << s.shdr.sh_entsize;
    out << "\n";
  }
  if (plans[index].text) {
    writeText(index, out);
    return;
  }
  if (s.shdr.sh_addralign)
    out << "\t.align " << s.shdr.sh_addralign << "\n";
  writeData(index, out);
}

void SourceWriter::writeText(size_t index, std::ostream &out) const {
  const Plan &plan = plans[index];
  if (plan.paragraphs.empty()) {
    // Only an anchor: a paragraph without operations holds it.
    for (const Label &l : plan.labels)
      out << l.name << ":\n";
    if (!plan.labels.empty())
      out << "\tcomplete\n";
    return;
  }
  bool first = true;
  for (const Paragraph &p : plan.paragraphs) {
    if (!first)
      out << "\n";
    first = false;
    if (p.syntax != syntax)
      out << "\t.syntax V" << p.syntax << "\n";
    for (const Label &l : plan.labels)
      if (l.offset == p.begin)
        out << l.name << ":\n";
    for (const std::string &s : p.statements)
      out << "\t" << s << "\n";
    out << "\tcomplete\n";
    if (p.syntax != syntax)
      out << "\t.syntax V" << syntax << "\n";
  }
}

void SourceWriter::writeData(size_t index, std::ostream &out) const {
  const ElfSection &section = file.getSections()[index];
  const uint32_t size = section.shdr.sh_size;
  const uint8_t *data = file.sectionData(index);
  const std::vector<Label> &labels = plans[index].labels;
  const std::vector<ElfRelocation> &rels = file.getRelocations(index);
  size_t nextLabel = 0;
  size_t nextRel = 0;
  uint32_t at = 0;
  for (;;) {
    uint64_t next = size;
    if (nextLabel < labels.size())
      next = std::min<uint64_t>(next, labels[nextLabel].offset);
    if (nextRel < rels.size())
      next = std::min<uint64_t>(next, rels[nextRel].offset);
    if (next > at) {
      if (data)
        writeBytes(data, at, static_cast<uint32_t>(next),
                   file.sectionEncoding(index), out);
      else
        out << "\t.skip " << next - at << "\n";
      at = static_cast<uint32_t>(next);
    }
    if (nextLabel < labels.size() && labels[nextLabel].offset == at) {
      out << labels[nextLabel++].name << ":\n";
      continue;
    }
    if (nextRel < rels.size() && rels[nextRel].offset == at) {
      const ElfRelocation &r = rels[nextRel++];
      const unsigned width = ElfFile::relocationWidth(r.type);
      // Zero-extended below 8 bytes: a section offset is never negative.
      int64_t value = static_cast<int64_t>(file.readValue(index, at, width));
      std::string expression;
      relocationText(r, value, width, expression);
      out << "\t" << dataDirective(width) << " " << expression << "\n";
      at += width;
      continue;
    }
    if (at >= size)
      break;
  }
}

// Plain bytes: runs of one byte as .skip, runs of a repeated 2-, 4- or
// 8-byte value as .fill (in the section's byte order, as .fill writes it),
// printable runs as strings, the rest as .byte lines.
void SourceWriter::writeBytes(const uint8_t *data, uint32_t from, uint32_t to,
                              uint8_t encoding, std::ostream &out) const {
  std::string bytes;
  unsigned count = 0;
  auto flush = [&]() {
    if (count)
      out << "\t.byte " << bytes << "\n";
    bytes.clear();
    count = 0;
  };
  // Bytes from i on that repeat the ones `period` before them.
  auto repeated = [&](uint32_t i, uint32_t period) {
    uint32_t n = period;
    while (i + n < to && data[i + n] == data[i + n - period])
      ++n;
    return i + period <= to ? n : 0;
  };
  uint32_t i = from;
  while (i < to) {
    const uint32_t same = repeated(i, 1);
    if (same >= (data[i] ? 16u : 8u)) {
      flush();
      out << "\t.skip " << same;
      if (data[i])
        out << ", " << hex(data[i]);
      out << "\n";
      i += same;
      continue;
    }
    uint32_t period = 0, cover = 0;
    for (uint32_t p : {2u, 4u, 8u}) {
      const uint32_t n = repeated(i, p) / p * p;
      if (n >= 4 * p && n >= 16 && n > cover) {
        period = p;
        cover = n;
      }
    }
    if (period) {
      flush();
      uint64_t value = 0;
      for (uint32_t k = 0; k < period; ++k)
        value |= uint64_t(data[i + k])
                 << (encoding == ELFDATA2LSB ? 8 * k : 8 * (period - 1 - k));
      out << "\t.fill " << cover / period << ", " << period << ", "
          << hex(value) << "\n";
      i += cover;
      continue;
    }
    uint32_t printable = 0;
    while (i + printable < to && isPrintable(data[i + printable]))
      ++printable;
    if (printable >= 4) {
      flush();
      const bool terminated = i + printable < to && data[i + printable] == 0;
      out << (terminated ? "\t.asciz \"" : "\t.ascii \"")
          << std::string(reinterpret_cast<const char *>(data + i), printable)
          << "\"\n";
      i += printable + (terminated ? 1 : 0);
      continue;
    }
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, count ? ", 0x%02x" : "0x%02x",
                  data[i]);
    bytes += buffer;
    if (++count == 8)
      flush();
    ++i;
  }
  flush();
}

} // namespace zvod
