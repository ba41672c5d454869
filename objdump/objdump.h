// objdump.h - one run of the disassembler over one file held in memory:
// the file's header line, then the listing, the rows or the source that
// the options ask for.
#ifndef ZV_OBJDUMP_OBJDUMP_H
#define ZV_OBJDUMP_OBJDUMP_H

#include <cstddef>
#include <cstdint>
#include <memory>
#include <ostream>
#include <string>

namespace zvod {

class ElfFile;
class ImageLabels;
class Listing;
class SourceLines;

struct ObjDumpOptions {
  bool disassemble = false; // -d
  bool relocations = false; // -r, with -d
  bool source = false;      // --source
  bool rows = false;        // --rows
  int syntax = 0;           // 1 or 2; 0: the model's default
  bool sourceText = false;  // -S, with -d
  bool lineNumbers = false; // -l, with -d
  // The text of a link map (--map) that names an image's labels when its
  // debugging information names none; mapName is its file.
  const std::string *map = nullptr;
  std::string mapName;
};

class ObjDump {
public:
  explicit ObjDump(const ObjDumpOptions &options);
  ~ObjDump();

  // Writes what the options ask for about the file to out and warnings to
  // warnings. False with getLastError() when the file is damaged or cannot
  // be shown as asked; out then holds nothing of it.
  bool run(const std::string &name, const uint8_t *data, size_t size,
           std::ostream &out, std::ostream &warnings);
  const std::string &getLastError() const { return error; }

private:
  // What -S, -l and the labels of an image need from the debugging
  // information and the map, set up on the listing.
  bool annotate(const std::string &name, const ElfFile &file, Listing &listing,
                std::ostream &warnings);

  ObjDumpOptions options;
  std::unique_ptr<SourceLines> sourceLines;
  std::unique_ptr<ImageLabels> imageLabels;
  std::string error;
};

// Bytes taken as one file and shown every way the program can (listing
// with relocations, rows, source), as a fuzz target does; 0 when the bytes
// read as an object or image, 1 when they were refused.
int disassembleBytes(const uint8_t *data, size_t size, std::ostream &out);

} // namespace zvod

#endif
