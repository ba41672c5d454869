// objdump.cpp - one file through the disassembler: read and checked, then
// listed, shown by rows or written back as source, all into a text that
// reaches the output only when nothing failed.
#include "objdump.h"

#include "elffile.h"
#include "listing.h"
#include "opdecoder.h"
#include "sourcewriter.h"

#include <sstream>

namespace zvod {

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
