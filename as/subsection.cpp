// subsection.cpp - location counters, alignment blocks and recorded dots,
// their resolution at layout, and the data buffers filled in pass 2.
#include "subsection.h"

#include <algorithm>
#include <iostream>

#include "buffer.h"
#include "section.h"

namespace {

constexpr uint64_t maxOffset = UINT32_MAX;

} // namespace

Subsection::Subsection(Section *section, int64_t number)
    : section(section), number(number) {}

Subsection::~Subsection() = default;

uint32_t Subsection::alignmentByteCount(uint32_t alignment, uint32_t maxSkip,
                                        uint32_t position) {
  if (alignment == 0)
    return 0;
  // The remainder rather than a mask keeps a stray non-power-of-two sound.
  uint32_t pad = (alignment - position % alignment) % alignment;
  if (maxSkip != 0 && maxSkip < pad)
    return 0;
  return pad;
}

bool Subsection::ComparePredicat(const Subsection *a, const Subsection *b) {
  return a->number < b->number;
}

void Subsection::moveDot(uint32_t n) { advance(n); }

void Subsection::advance(uint64_t n) {
  // A counter that wrapped would make pass 2 write over earlier bytes of
  // the section; stop at the limit and let the parser report it.
  uint64_t next = n > maxOffset ? maxOffset + 1 : uint64_t(realDot) + n;
  if (next > maxOffset) {
    overflow = true;
    next = maxOffset;
  }
  realDot = static_cast<uint32_t>(next);
}

void Subsection::addAlignmentBlock(uint32_t alignment, uint32_t fill,
                                   uint32_t maxSkip) {
  if (alignment == 0)
    return;
  dotSequence.push_back({realDot, alignment, fill, maxSkip});
  if (section && section->getAddralign() < alignment)
    section->setAddralign(alignment);
  realDot = 0;
}

uint32_t Subsection::getDot() {
  if (dotSequence.empty())
    return realDot;
  dotSequence.push_back({realDot, 0, 0, 0});
  return static_cast<uint32_t>(dotSequence.size() - 1);
}

uint32_t Subsection::getDot(uint32_t index) const {
  if (index >= dotSequence.size()) {
    std::cerr << "Internal as error\n";
    return 0;
  }
  return dotSequence[index].position;
}

uint64_t Subsection::walk(uint64_t start,
                          SubsectionDotSequence *resolved) const {
  uint64_t base = start;
  for (size_t i = 0; i < dotSequence.size(); ++i) {
    const SubsectionDotSequence &entry = dotSequence[i];
    uint64_t position = base + entry.position;
    if (entry.alignment != 0) {
      // Past 4 GiB the padding no longer matters: the layout has failed.
      if (position <= maxOffset)
        position += alignmentByteCount(entry.alignment, entry.maxSkip,
                                       static_cast<uint32_t>(position));
      base = position;
    }
    if (resolved)
      resolved[i].position =
          static_cast<uint32_t>(position > maxOffset ? maxOffset : position);
  }
  // realDot counts the bytes behind the last alignment block, whatever
  // dots were recorded after it.
  return base + realDot;
}

uint64_t Subsection::measure(uint32_t start) const {
  return walk(start, nullptr);
}

uint32_t Subsection::adjust(uint32_t start) {
  offset = start;
  uint64_t end = walk(start, dotSequence.data());
  if (end > maxOffset) {
    overflow = true;
    end = maxOffset;
  }
  realDot = offset;
  layoutEnd = static_cast<uint32_t>(end);
  return layoutEnd;
}

void Subsection::fillAlignmentBlock(uint32_t alignment, uint32_t /*fill*/,
                                    uint32_t maxSkip) {
  moveDot(alignmentByteCount(alignment, maxSkip, realDot));
}

DataSubsection::DataSubsection(Section *section, int64_t number)
    : Subsection(section, number) {}

DataSubsection::~DataSubsection() = default;

uint32_t DataSubsection::adjust(uint32_t start) {
  uint32_t end = Subsection::adjust(start);
  // An oversized subsection fails the assembly; do not allocate for it.
  if (end != start && !overflow)
    data = std::make_unique<Buffer>(section ? section->getDataEncoding() : 0,
                                    end - start);
  else
    data.reset();
  return end;
}

void DataSubsection::fillAlignmentBlock(uint32_t alignment, uint32_t fill,
                                        uint32_t maxSkip) {
  uint32_t pad = alignmentByteCount(alignment, maxSkip, realDot);
  moveDot(pad);
  if (!data || pad == 0)
    return;
  // Fill in chunks rather than byte by byte: alignments reach 2^31.
  uint8_t chunk[256];
  std::fill(std::begin(chunk), std::end(chunk), static_cast<uint8_t>(fill));
  while (pad > 0) {
    uint32_t n = std::min<uint32_t>(pad, sizeof chunk);
    if (!data->writeBytes(chunk, n))
      return;
    pad -= n;
  }
}

void DataSubsection::addData(int8_t v) {
  if (data)
    *data << static_cast<signed char>(v);
}
void DataSubsection::addData(uint8_t v) {
  if (data)
    *data << static_cast<unsigned char>(v);
}
void DataSubsection::addData(int16_t v) {
  if (data)
    *data << v;
}
void DataSubsection::addData(uint16_t v) {
  if (data)
    *data << v;
}
void DataSubsection::addData(int32_t v) {
  if (data)
    *data << v;
}
void DataSubsection::addData(uint32_t v) {
  if (data)
    *data << v;
}
void DataSubsection::addData(int64_t v) {
  if (data)
    *data << v;
}
void DataSubsection::addData(uint64_t v) {
  if (data)
    *data << v;
}

void DataSubsection::addData(const std::string &text, unsigned unitSize) {
  if (!data)
    return;
  if (unitSize == 0)
    unitSize = 1;
  std::vector<char> bytes(text.size() * size_t(unitSize), '\0');
  for (size_t i = 0; i < text.size(); ++i)
    bytes[i * unitSize] = text[i];
  data->writeBytes(bytes.data(), bytes.size());
}

void DataSubsection::addData(const char *bytes, size_t length) {
  if (data && bytes)
    data->writeBytes(bytes, length);
}
