// reader.cpp - byte-by-byte reading of one source text with line and column
// tracking; a read failure shows where the text read before it ends.
#include "reader.h"

Reader::~Reader() { closeFile(); }

bool Reader::openFile(const FileName &fileName, SourceFiles *files) {
  closeFile();
  name = fileName;
  error.clear();
  atEnd = false;
  std::shared_ptr<const SourceText> read =
      files ? files->get(name.getName()) : SourceFiles::read(name.getName());
  if (!read->opened) {
    error = read->error;
    current = 0;
    return false;
  }
  text = std::move(read);
  data = text->bytes.data();
  len = text->bytes.size();
  current = ' ';
  line = 1;
  col = 1;
  return true;
}

void Reader::openText(const FileName &fileName,
                      std::shared_ptr<const SourceText> made,
                      unsigned firstLine) {
  closeFile();
  name = fileName;
  error.clear();
  atEnd = false;
  text = std::move(made);
  data = text->bytes.data();
  len = text->bytes.size();
  current = ' ';
  line = firstLine;
  col = 1;
}

void Reader::closeFile() {
  text.reset();
  data = nullptr;
  pos = len = 0;
}

char Reader::getCharSlow() {
  current = 0;
  if (!text)
    return static_cast<char>(current);
  // The bytes before a read failure are delivered first, then the failure.
  if (!text->error.empty())
    error = text->error;
  else
    atEnd = true;
  return static_cast<char>(current);
}

void Reader::end() {
  current = 0;
  if (!text)
    return;
  pos = len;
  atEnd = true;
}

int64_t Reader::tellg() const { return text ? static_cast<int64_t>(pos) : 0; }

void Reader::seekg(int64_t position) {
  if (!text || position < 0)
    return;
  // Error state stays: a failed file gives no more bytes.
  if (isError())
    return;
  pos = static_cast<uint64_t>(position) < len ? static_cast<size_t>(position)
                                              : len;
  atEnd = false;
}
