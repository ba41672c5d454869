// section.h - output sections: the input sections of one name from all
// objects, laid out with their alignment, merged where they may be, and the
// maps from input offsets to output offsets that relocation asks about.
#ifndef ZV_LD_SECTION_H
#define ZV_LD_SECTION_H

#include "buffer.h"

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace zvld {

class ElfObject;
class OutSec;
class OutSecData;

// From inOff up to the next entry's inOff, the data is at outOff of target:
// an output offset, or with redirect an input offset of target to be looked
// up again in its own map.
struct SecDataMap {
  uint64_t inOff;
  uint64_t outOff;
  OutSecData *target;
  bool redirect;
};

// One input section's contribution to an output section.
class OutSecData {
public:
  OutSecData(OutSec *owner, ElfObject *object, size_t index,
             const Buffer *buffer);
  OutSecData(const OutSecData &) = delete;
  OutSecData &operator=(const OutSecData &) = delete;

  // The input data, read on first use; null when it cannot be read.
  Buffer *getInSecData();
  // The merged output when there is one, else the input data.
  Buffer *getOutData();
  // Alignment bytes plus the size of what this contribution writes.
  uint64_t getOutSize() const;
  // Frees the data once it is written.
  void releaseData() {
    inData.reset();
    outData.reset();
  }
  uint64_t getDataSize() const;

  uint64_t getAlignmentByteCount() const { return alignmentBytes; }
  uint64_t getOutOff() const { return outOff; }
  uint64_t getEntsize() const { return entsize; }
  uint64_t getInSize() const { return inSize; }
  uint64_t getAlignment() const { return alignment; }
  size_t getSectionIndex() const { return index; }
  ElfObject *getElfObject() const { return object; }
  OutSec *getOutSec() const { return owner; }
  const std::vector<SecDataMap> &getSectionDataMap() const { return map; }
  bool isMerged() const { return merged; }
  bool isStringData() const { return strings; }

private:
  friend class OutSec;
  void addMapEntry(uint64_t inOff, uint64_t outOff, OutSecData *target,
                   bool redirect);
  // The entry that covers an input offset, or null for an empty map.
  const SecDataMap *findEntry(uint64_t offset) const;

  OutSec *owner;
  ElfObject *object;
  size_t index;
  uint64_t entsize;
  uint64_t inSize;
  uint64_t alignment;
  bool merged = false;
  bool strings = false;
  std::unique_ptr<Buffer> inData;
  std::unique_ptr<Buffer> outData;
  std::vector<uint8_t> merging;
  uint64_t outOff = 0;
  uint64_t alignmentBytes = 0;
  std::vector<SecDataMap> map;
};

class OutSec {
public:
  OutSec(uint32_t type, uint64_t flags);
  OutSec(const OutSec &) = delete;
  OutSec &operator=(const OutSec &) = delete;
  ~OutSec();

  // Adds the input section to the output section of this chain with its
  // type and allocation bit, making one at the end of the chain if needed.
  // A given buffer replaces the section's contents.
  OutSecData *addData(ElfObject *object, size_t index,
                      const Buffer *buffer = nullptr);
  // Merges, maps and lays out this section and the rest of its chain.
  bool buildMap();
  void setGlobalOutOff(uint64_t offset);
  // The global output offset of an input offset of the object's section,
  // or all ones when this chain has no such contribution.
  uint64_t getRelOff(const ElfObject *object, size_t index,
                     uint64_t offset) const;
  // The same for a contribution known to the caller.
  uint64_t getRelOff(const OutSecData *data, uint64_t offset) const;
  OutSecData *findData(const ElfObject *object, size_t index) const;
  void clearOutSecData();

  uint64_t getGlobalOutOff() const { return globalOutOff; }
  uint64_t getSize() const { return size; }
  uint64_t getAlignmentByteCount() const { return alignmentBytes; }
  uint64_t getAlignment() const { return alignment; }
  uint32_t getType() const { return type; }
  uint64_t getFlags() const { return flags; }
  const std::vector<std::unique_ptr<OutSecData>> &getOutSecData() const {
    return contributions;
  }
  OutSec *getNext() const { return next.get(); }
  uint32_t getElfIndex() const { return elfIndex; }
  void setElfIndex(uint32_t i) { elfIndex = i; }
  void setSegmentFlag() { segment = true; }
  bool isSegment() const { return segment; }

  static const std::string &getLastError() { return lastError; }
  static void setLastError(const std::string &text) { lastError = text; }

private:
  bool buildOne();
  bool mergeEntries(OutSecData *data);
  bool mergeStrings(const std::vector<OutSecData *> &data);

  struct Key {
    const ElfObject *object;
    size_t index;
    bool operator==(const Key &k) const {
      return object == k.object && index == k.index;
    }
  };
  struct KeyHash {
    size_t operator()(const Key &k) const {
      return std::hash<const void *>()(k.object) * 31 + k.index;
    }
  };

  uint32_t type;
  uint64_t flags;
  uint64_t size = 0;
  uint64_t globalOutOff = 0;
  uint64_t alignmentBytes = 0;
  uint64_t alignment = 0;
  std::vector<std::unique_ptr<OutSecData>> contributions;
  std::unordered_map<Key, OutSecData *, KeyHash> byInput;
  std::unique_ptr<OutSec> next;
  std::unordered_map<uint64_t, OutSec *> chainIndex;
  OutSec *chainTail = nullptr;
  uint32_t elfIndex = 0;
  bool segment = false;

  static std::string lastError;
};

} // namespace zvld

#endif
