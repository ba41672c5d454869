// reader.h - reads one source file byte by byte from its text in memory and
// keeps the line and column of what it read.
#ifndef ZV_AS_READER_H
#define ZV_AS_READER_H

#include <cstdint>
#include <memory>
#include <string>

#include "filename.h"
#include "location.h"
#include "sourcefiles.h"

class Reader {
public:
  Reader() = default;
  ~Reader();
  Reader(const Reader &) = delete;
  Reader &operator=(const Reader &) = delete;

  // Opens the file; the current character becomes a blank at line 1. With
  // files, the text is the run's one read of it; without, it is read now.
  bool openFile(const FileName &name, SourceFiles *files = nullptr);
  // Reads a text made in memory (a macro expansion) under name, whose first
  // line is numbered firstLine.
  void openText(const FileName &name, std::shared_ptr<const SourceText> text,
                unsigned firstLine);
  void closeFile();

  // Reads the next byte, which becomes the current character; 0 at the end
  // of the file or after a failure (a NUL byte of the file is also 0: ask
  // isEmpty() and isError() to tell them apart).
  char getChar() {
    if (pos < len) {
      const char c = data[pos++];
      current = c;
      if (c == '\n') {
        ++line;
        col = 1;
      } else {
        ++col;
      }
      return c;
    }
    return getCharSlow();
  }
  char getCurrentChar() const { return static_cast<char>(current); }

  // The bytes after the current character up to the end of the text, for
  // scanning runs of them in place.
  const char *rest() const { return data + pos; }
  size_t restSize() const { return len - pos; }
  // Whether the current character is the byte before rest(), so that a
  // token starting with it can be viewed in place.
  bool isCurrentInPlace() const {
    return pos > 0 && data[pos - 1] == static_cast<char>(current);
  }
  // Reads n bytes of rest() at once (none of them a line feed): the last
  // becomes the current character.
  void readInLine(size_t n) {
    if (n == 0)
      return;
    pos += n;
    col += static_cast<unsigned>(n);
    current = data[pos - 1];
  }

  // The position of the current character.
  void getLastReadCharacterPosition(Location &location) const {
    location.setLine(line);
    location.setCol(col - 1);
  }
  unsigned getReadLine() const { return line; }
  unsigned getReadCol() const { return col; }
  void setReadLine(unsigned l) { line = l; }
  void setReadCol(unsigned c) { col = c; }
  void setCurrentChar(char c) { current = c; }

  bool isError() const { return !error.empty(); }
  const std::string &lastError() const { return error; }
  // The end of the file has been reached (or no file is open).
  bool isEmpty() const { return atEnd || !text; }
  // Stops reading: the current character becomes 0 and the file is at its
  // end.
  void end();
  const FileName &getFileName() const { return name; }

  // Offset of the current character in the text; the text's size once
  // the end has been read.
  size_t offsetOfCurrent() const { return atEnd || pos == 0 ? pos : pos - 1; }
  // The text read, kept alive as long as the holder wants.
  const std::shared_ptr<const SourceText> &getText() const { return text; }

  // Offset of the next byte getChar() will read; 0 without a file.
  int64_t tellg() const;
  // Goes back (or forth) to an offset given by tellg().
  void seekg(int64_t position);

private:
  char getCharSlow();

  FileName name;
  std::shared_ptr<const SourceText> text;
  std::string error;
  const char *data = nullptr;
  size_t pos = 0; // next byte of data
  size_t len = 0; // bytes of data
  bool atEnd = false;
  // The current character as a byte value; not a char, so that storing it
  // does not make the compiler assume every other member may have changed.
  int current = 0;
  unsigned line = 0;
  unsigned col = 0;
};

#endif
