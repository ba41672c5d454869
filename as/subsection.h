// subsection.h - numbered pieces of a section: the location counter, the
// alignment blocks recorded in pass 1 and, outside NOBITS, the data buffer.
#ifndef ZV_AS_SUBSECTION_H
#define ZV_AS_SUBSECTION_H

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class Buffer;
class DataSubsection;
class Section;

// An alignment block, or a recorded dot when alignment is 0.
struct SubsectionDotSequence {
  uint32_t position;
  uint32_t alignment;
  uint32_t fill;
  uint32_t maxSkip; // 0: no limit
};

class Subsection {
public:
  Subsection(Section *section, int64_t number);
  Subsection(const Subsection &) = delete;
  Subsection &operator=(const Subsection &) = delete;
  virtual ~Subsection();

  // Pass 2: pads realDot by the padding rule (and writes the fill bytes).
  virtual void fillAlignmentBlock(uint32_t alignment, uint32_t fill,
                                  uint32_t maxSkip);
  // Layout: places the subsection at offset; returns its end.
  virtual uint32_t adjust(uint32_t offset);
  // The subsection's data side; null for NOBITS sections.
  virtual DataSubsection *asData() { return nullptr; }
  virtual const DataSubsection *asData() const { return nullptr; }

  Section *getSection() const { return section; }
  uint32_t getOffset() const { return offset; }
  int64_t getIndex() const { return number; }
  uint32_t getRealDot() const { return realDot; }
  // The end layout gave the subsection: where pass 2 must leave realDot.
  uint32_t getLayoutEnd() const { return layoutEnd; }
  const std::vector<SubsectionDotSequence> &getDotSequence() const {
    return dotSequence;
  }
  // The counter passed 4 GiB (it stops at 0xffffffff), or the section
  // this subsection belongs to does not fit in 32-bit offsets.
  bool isOverflow() const { return overflow; }
  void setOverflow() { overflow = true; }
  // The end adjust(offset) would return, unclamped; changes nothing.
  uint64_t measure(uint32_t offset) const;

  void moveDot(uint32_t n);
  // moveDot for amounts past 32 bits.
  void advance(uint64_t n);
  // Pass 1: records an alignment request; counting restarts behind it.
  void addAlignmentBlock(uint32_t alignment, uint32_t fill, uint32_t maxSkip);
  // Pass 1: the value of a label here. An offset while isValidDot(),
  // otherwise the index of a dot recorded now and resolved at layout.
  uint32_t getDot();
  bool isValidDot() const { return dotSequence.empty(); }
  // After layout: the section offset of recorded dot index; 0 and
  // "Internal as error" on the error stream for a bad index.
  uint32_t getDot(uint32_t index) const;

  static uint32_t alignmentByteCount(uint32_t alignment, uint32_t maxSkip,
                                     uint32_t position);
  static bool ComparePredicat(const Subsection *a, const Subsection *b);

protected:
  // The end of the subsection placed at offset; with resolved, also the
  // section offsets of the blocks and recorded dots.
  uint64_t walk(uint64_t offset, SubsectionDotSequence *resolved) const;

  Section *section;
  int64_t number;
  uint32_t realDot = 0;
  std::vector<SubsectionDotSequence> dotSequence;
  uint32_t offset = 0;
  uint32_t layoutEnd = 0;
  bool overflow = false;
};

class DataSubsection : public Subsection {
public:
  DataSubsection(Section *section, int64_t number);
  ~DataSubsection() override;

  void fillAlignmentBlock(uint32_t alignment, uint32_t fill,
                          uint32_t maxSkip) override;
  // Also gives the subsection a buffer of exactly its laid-out size.
  uint32_t adjust(uint32_t offset) override;
  DataSubsection *asData() override { return this; }
  const DataSubsection *asData() const override { return this; }

  // Null until layout gives the subsection a nonzero size. The buffer
  // never grows: bytes beyond its capacity are dropped, never written.
  Buffer *getData() const { return data.get(); }

  // Multi-byte values in the section's byte order.
  void addData(int8_t v);
  void addData(uint8_t v);
  void addData(int16_t v);
  void addData(uint16_t v);
  void addData(int32_t v);
  void addData(uint32_t v);
  void addData(int64_t v);
  void addData(uint64_t v);
  // Each character as one byte followed by unitSize - 1 zero bytes.
  void addData(const std::string &text, unsigned unitSize);
  void addData(const char *bytes, size_t length);

private:
  std::unique_ptr<Buffer> data;
};

#endif
