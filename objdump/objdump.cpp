// objdump.cpp - one file through the disassembler: read and checked, then
// listed, shown by rows or written back as source, all into a text that
// reaches the output only when nothing failed.
#include "objdump.h"

#include "dwarfreader.h"
#include "elffile.h"
#include "imagelabels.h"
#include "listing.h"
#include "opdecoder.h"
#include "sourcelines.h"
#include "sourcewriter.h"

#include <algorithm>
#include <sstream>

namespace zvod {

namespace {

// The section an object's line table speaks of: the one whose symbol its
// start address is relocated against, else .text.
size_t lineSection(const ElfFile &file) {
  const std::vector<ElfSection> &sections = file.getSections();
  size_t text = SIZE_MAX;
  for (size_t i = 1; i < sections.size(); ++i)
    if (sections[i].name == ".text")
      text = i;
  for (size_t i = 1; i < sections.size(); ++i) {
    if (sections[i].name != ".debug_line")
      continue;
    for (const ElfRelocation &r : file.getRelocations(i)) {
      const ElfSymbol &s = file.getSymbols()[r.symbol];
      if (s.sym.st_shndx > 0 && s.sym.st_shndx < sections.size())
        return s.sym.st_shndx;
    }
  }
  return text;
}

// Where the loadable segments of the image end that hold data, or code.
uint64_t segmentEnd(const ElfFile &file, bool code) {
  uint64_t end = 0;
  for (const Elf32_Phdr &p : file.getSegments())
    if (p.p_type == PT_LOAD && ((p.p_flags & PF_X) != 0) == code)
      end = std::max<uint64_t>(end, uint64_t(p.p_paddr) + p.p_memsz);
  return end;
}

} // namespace

ObjDump::ObjDump(const ObjDumpOptions &options) : options(options) {}

ObjDump::~ObjDump() = default;

bool ObjDump::annotate(const std::string &name, const ElfFile &file,
                       Listing &listing, std::ostream &warnings) {
  const bool lines = options.sourceText || options.lineNumbers;
  const bool labels = !file.isRelocatable();
  if (!lines && !labels)
    return true;
  DwarfReader dwarf(file);
  if (!dwarf.read())
    warnings << "warning: " << name << ": " << dwarf.getLastError()
             << "; listed without debugging information\n";
  const bool zp100Units = listing.hasUnits();
  if (lines) {
    sourceLines = std::make_unique<SourceLines>(
        options.sourceText, options.lineNumbers, name, warnings);
    sourceLines->setFiles(dwarf.getFiles());
    for (const SourceRow &row : dwarf.getRows())
      if (row.endSequence)
        sourceLines->addEnd(row.address);
      else
        sourceLines->add(row.address, row.file, row.line);
    listing.setSourceLines(sourceLines.get(),
                           file.isRelocatable() ? lineSection(file) : SIZE_MAX);
  }
  if (labels) {
    imageLabels = std::make_unique<ImageLabels>();
    imageLabels->fromDebugInfo(dwarf.getLabels(), zp100Units);
    if (imageLabels->empty() && options.map &&
        !imageLabels->fromMap(*options.map)) {
      error = options.mapName + ": " + imageLabels->getLastError();
      return false;
    }
    // ZP100 code addresses are rows, counted from each unit's start.
    imageLabels->setCodeEnd(zp100Units ? segmentEnd(file, true) / 8
                                       : segmentEnd(file, true));
    imageLabels->setDataEnd(segmentEnd(file, false));
    listing.setImageLabels(imageLabels.get());
  }
  return true;
}

bool ObjDump::run(const std::string &name, const uint8_t *data, size_t size,
                  std::ostream &out, std::ostream &warnings) {
  ElfFile file;
  if (!file.read(data, size)) {
    error = file.getLastError();
    return false;
  }
  OpDecoder decoder(file.getMachine());
  const int syntax =
      options.syntax ? options.syntax : decoder.getDefaultSyntax();
  std::ostringstream text;
  if (options.source) {
    SourceWriter writer(file, decoder, syntax, options.syntax != 0);
    if (!writer.write(name, text)) {
      error = writer.getLastError();
      return false;
    }
    out << text.str();
    return true;
  }

  text << "\n"
       << name << ":     " << decoder.getModelName()
       << (file.isRelocatable() ? " relocatable object" : " executable image")
       << ", syntax V" << syntax << "\n";
  Listing listing(file, decoder, syntax, options.relocations, text);
  if (options.disassemble && !annotate(name, file, listing, warnings))
    return false;
  if (options.disassemble) {
    if (file.isRelocatable())
      listing.listObject();
    else
      listing.listImage();
  }
  if (options.rows && !listing.listRows())
    warnings << "warning: " << name
             << ": no ZP100 image of four processing units; '--rows' "
                "ignored\n";
  out << text.str();
  return true;
}

int disassembleBytes(const uint8_t *data, size_t size, std::ostream &out) {
  std::ostringstream warnings;
  ObjDumpOptions listing;
  listing.disassemble = true;
  listing.relocations = true;
  listing.rows = true;
  // Line tables and labels are read; no source file is.
  listing.lineNumbers = true;
  ObjDump dump(listing);
  if (!dump.run("input", data, size, out, warnings))
    return 1;
  for (int syntax = 1; syntax <= 2; ++syntax) {
    ObjDumpOptions source;
    source.source = true;
    source.syntax = syntax;
    ObjDump writer(source);
    writer.run("input", data, size, out, warnings);
  }
  return 0;
}

} // namespace zvod
