// section.cpp - output section layout and merging. Equal fixed-size entries
// and equal strings or string tails are found through hash tables, so that
// merging stays linear in the size of the data while keeping exactly the
// entry that a search in contribution order would find first.
#include "section.h"

#include "elfobject.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace zvld {

std::string OutSec::lastError;

OutSecData::OutSecData(OutSec *owner, ElfObject *object, size_t index,
                       const Buffer *buffer)
    : owner(owner), object(object), index(index) {
  const GElf_Shdr *sh = object->getShdr(index);
  GElf_Shdr none{};
  if (!sh)
    sh = &none;
  entsize = sh->sh_entsize;
  alignment = sh->sh_addralign;
  strings = (sh->sh_flags & SHF_STRINGS) != 0;
  inSize = buffer ? buffer->getDataSize() : sh->sh_size;
  // Sections with relocations are copied as they are; an entry size of 0,
  // or one larger than the section, has no whole entry to merge by, and a
  // section without contents nothing to merge.
  if ((sh->sh_flags & SHF_MERGE) && sh->sh_type != SHT_NOBITS &&
      entsize != 0 && entsize <= inSize && !object->findRelSection(index, 1))
    merged = alignment <= 1 || alignment == entsize;
  if (merged && inSize % entsize != 0)
    inSize += entsize - inSize % entsize;
  if (buffer) {
    uint64_t room = inSize + (merged && strings ? entsize : 0);
    inData = std::make_unique<Buffer>(buffer->getDataEncoding(), room);
    uint8_t *dest = inData->setRawData(inSize);
    if (dest && buffer->getDataSize())
      std::memcpy(dest, buffer->constData(), buffer->getDataSize());
  }
}

Buffer *OutSecData::getInSecData() {
  if (!inData) {
    const GElf_Shdr *sh = object->getShdr(index);
    uint64_t room = inSize + (merged && strings ? entsize : 0);
    auto data = std::make_unique<Buffer>(object->ei_data(index), room);
    uint8_t *dest = data->setRawData(inSize);
    if (!sh || (sh->sh_size && !dest) ||
        (sh->sh_size && !object->getRawSectionData(index, dest))) {
      OutSec::setLastError(object->getLocation() + ": " +
                           object->getLastError());
      return nullptr;
    }
    inData = std::move(data);
  }
  // Merged strings end with a terminator, added when the data lacks it.
  if (merged && strings && inSize >= entsize &&
      inData->getDataSize() == inSize) {
    const uint8_t *last = inData->constData() + inSize - entsize;
    if (std::any_of(last, last + entsize, [](uint8_t b) { return b != 0; })) {
      inData->setDataSize(inSize + entsize);
      std::memset(inData->setRawData(inSize + entsize) + inSize, 0, entsize);
      inSize += entsize;
    }
  }
  return inData.get();
}

Buffer *OutSecData::getOutData() {
  return outData ? outData.get() : getInSecData();
}

uint64_t OutSecData::getDataSize() const {
  return outData ? outData->getDataSize() : inSize;
}

uint64_t OutSecData::getOutSize() const {
  return alignmentBytes + getDataSize();
}

void OutSecData::addMapEntry(uint64_t inOff, uint64_t out, OutSecData *target,
                             bool redirect) {
  if (!map.empty()) {
    const SecDataMap &last = map.back();
    if (last.target == target && last.redirect == redirect &&
        last.outOff + (inOff - last.inOff) == out)
      return;
  }
  map.push_back(SecDataMap{inOff, out, target, redirect});
}

const SecDataMap *OutSecData::findEntry(uint64_t offset) const {
  if (map.empty())
    return nullptr;
  auto it = std::upper_bound(
      map.begin(), map.end(), offset,
      [](uint64_t o, const SecDataMap &e) { return o < e.inOff; });
  return it == map.begin() ? &map.front() : &*(it - 1);
}

OutSec::OutSec(uint32_t type, uint64_t flags) : type(type), flags(flags) {}

OutSec::~OutSec() {
  // A long chain is unlinked one by one rather than by recursion.
  while (next)
    next = std::move(next->next);
}

OutSecData *OutSec::addData(ElfObject *object, size_t index,
                            const Buffer *buffer) {
  const GElf_Shdr *sh = object->getShdr(index);
  if (!sh)
    return nullptr;
  // The chain's sections by type and allocation bit, kept by its head so
  // that a long chain is not walked for every contribution.
  auto kind = [](uint64_t type, uint64_t flags) {
    return type << 1 | ((flags & SHF_ALLOC) ? 1 : 0);
  };
  if (chainIndex.empty())
    for (OutSec *s = this; s; s = s->next.get())
      chainIndex.emplace(kind(s->type, s->flags), s);
  OutSec *&sec = chainIndex[kind(sh->sh_type, sh->sh_flags)];
  if (!sec) {
    if (!chainTail)
      for (chainTail = this; chainTail->next;)
        chainTail = chainTail->next.get();
    chainTail->next = std::make_unique<OutSec>(sh->sh_type, sh->sh_flags);
    chainTail = chainTail->next.get();
    sec = chainTail;
  }
  sec->contributions.push_back(
      std::make_unique<OutSecData>(sec, object, index, buffer));
  OutSecData *data = sec->contributions.back().get();
  // The first contribution of an input section is the one found.
  sec->byInput.emplace(Key{object, index}, data);
  return data;
}

void OutSec::clearOutSecData() {
  contributions.clear();
  byInput.clear();
  size = globalOutOff = alignmentBytes = alignment = 0;
}

OutSecData *OutSec::findData(const ElfObject *object, size_t index) const {
  for (const OutSec *sec = this; sec; sec = sec->next.get()) {
    auto it = sec->byInput.find(Key{object, index});
    if (it != sec->byInput.end())
      return it->second;
  }
  return nullptr;
}

bool OutSec::buildMap() {
  for (OutSec *sec = this; sec; sec = sec->next.get())
    if (!sec->buildOne())
      return false;
  return true;
}

bool OutSec::buildOne() {
  std::vector<OutSecData *> stringData;
  std::vector<OutSecData *> entryData;
  for (const auto &c : contributions) {
    c->map.clear();
    c->outData.reset();
    if (!c->merged)
      c->addMapEntry(0, 0, c.get(), false);
    else if (c->strings)
      stringData.push_back(c.get());
    else
      entryData.push_back(c.get());
  }
  if (!entryData.empty()) {
    // Each entry maps to its first occurrence in the output data of the
    // merged contributions before it, or its own; views key by length too,
    // so entries of different sizes never meet.
    std::unordered_map<std::string_view, std::pair<OutSecData *, uint64_t>>
        seen;
    for (OutSecData *c : entryData) {
      Buffer *in = c->getInSecData();
      if (!in)
        return false;
      uint64_t e = c->entsize;
      auto out = std::make_unique<Buffer>(in->getDataEncoding(), c->inSize);
      uint8_t *dest = out->setRawData(c->inSize);
      uint64_t used = 0;
      for (uint64_t off = 0; off + e <= c->inSize; off += e) {
        std::string_view entry(
            reinterpret_cast<const char *>(in->constData() + off), e);
        auto [it, added] = seen.try_emplace(entry, c, used);
        if (added) {
          std::memcpy(dest + used, entry.data(), e);
          c->addMapEntry(off, used, c, false);
          used += e;
        } else {
          c->addMapEntry(off, it->second.second, it->second.first, false);
        }
      }
      out->setDataSize(used);
      c->outData = std::move(out);
    }
  }
  if (!stringData.empty() && !mergeStrings(stringData))
    return false;

  uint64_t running = 0;
  alignment = 0;
  for (const auto &c : contributions) {
    uint64_t a = c->alignment;
    uint64_t pad = (a > 1 && running % a) ? a - running % a : 0;
    c->alignmentBytes = pad;
    c->outOff = running + pad;
    running += pad + c->getDataSize();
    alignment = std::max(alignment, a);
  }
  size = running;
  return true;
}

namespace {

// One string of a merged string section: its place in its contribution's
// input, its length with the terminator, and the id of its text.
struct MergeString {
  OutSecData *data;
  uint64_t start;
  uint64_t length;
  uint64_t entsize;
  uint32_t id;
};

const uint64_t HashBase = 0x100000001b3ull;

uint64_t keyOf(uint64_t hash, uint64_t entsize) {
  return hash ^ (entsize * 0x9e3779b97f4a7c15ull);
}

} // namespace

bool OutSec::mergeStrings(const std::vector<OutSecData *> &data) {
  // Cut every contribution into strings, in order.
  std::vector<MergeString> all;
  std::vector<size_t> firstOf(data.size() + 1);
  for (size_t c = 0; c < data.size(); ++c) {
    firstOf[c] = all.size();
    Buffer *in = data[c]->getInSecData();
    if (!in)
      return false;
    const uint8_t *bytes = in->constData();
    uint64_t e = data[c]->entsize, total = data[c]->inSize;
    for (uint64_t pos = 0; pos < total;) {
      uint64_t end = pos;
      while (end + e <= total && std::any_of(bytes + end, bytes + end + e,
                                             [](uint8_t b) { return b != 0; }))
        end += e;
      uint64_t length = std::min(end + e, total) - pos;
      all.push_back(MergeString{data[c], pos, length, e, 0});
      pos += length;
    }
  }
  firstOf[data.size()] = all.size();

  // Give every distinct text an id; the hash of a text is taken from its
  // end, so that the tails of a longer string hash the same way.
  auto textOf = [](const MergeString &s) {
    return s.data->getInSecData()->constData() + s.start;
  };
  auto contentLength = [](const MergeString &s) {
    return s.length >= s.entsize ? s.length - s.entsize : 0;
  };
  std::unordered_map<uint64_t, std::vector<uint32_t>> byHash;
  std::vector<uint32_t> representative;
  auto findId = [&](uint64_t key, const uint8_t *text, uint64_t length,
                    uint64_t entsize) -> int64_t {
    auto it = byHash.find(key);
    if (it == byHash.end())
      return -1;
    for (uint32_t id : it->second) {
      const MergeString &r = all[representative[id]];
      if (r.entsize == entsize && contentLength(r) == length &&
          std::memcmp(textOf(r), text, length) == 0)
        return id;
    }
    return -1;
  };
  for (size_t i = 0; i < all.size(); ++i) {
    MergeString &s = all[i];
    const uint8_t *text = textOf(s);
    uint64_t length = contentLength(s), hash = 0;
    for (uint64_t k = length; k > 0; --k)
      hash = hash * HashBase + text[k - 1];
    uint64_t key = keyOf(hash, s.entsize);
    int64_t id = findId(key, text, length, s.entsize);
    if (id < 0) {
      id = int64_t(representative.size());
      representative.push_back(uint32_t(i));
      byHash[key].push_back(uint32_t(id));
    }
    s.id = uint32_t(id);
  }

  // Candidates are the strings from the longest down, equal lengths in the
  // order they were found; the first whose tail holds a text keeps it.
  std::vector<uint32_t> order(all.size());
  for (size_t i = 0; i < order.size(); ++i)
    order[i] = uint32_t(i);
  std::stable_sort(order.begin(), order.end(), [&](uint32_t a, uint32_t b) {
    return all[a].length > all[b].length;
  });
  const uint32_t None = UINT32_MAX;
  std::vector<uint32_t> keeper(representative.size(), None);
  for (uint32_t t : order) {
    const MergeString &s = all[t];
    const uint8_t *text = textOf(s);
    uint64_t length = contentLength(s), hash = 0;
    for (uint64_t k = 0;; ++k) {
      if (k % s.entsize == 0) {
        int64_t id =
            findId(keyOf(hash, s.entsize), text + length - k, k, s.entsize);
        if (id >= 0 && keeper[id] == None)
          keeper[id] = t;
      }
      if (k == length)
        break;
      hash = hash * HashBase + text[length - k - 1];
    }
  }

  for (size_t c = 0; c < data.size(); ++c) {
    OutSecData *d = data[c];
    auto out = std::make_unique<Buffer>(d->getInSecData()->getDataEncoding(),
                                        d->inSize);
    uint8_t *dest = out->setRawData(d->inSize);
    uint64_t used = 0;
    for (size_t i = firstOf[c]; i < firstOf[c + 1]; ++i) {
      const MergeString &s = all[i];
      uint32_t t = keeper[s.id];
      if (t == i || t == None) {
        std::memcpy(dest + used, textOf(s), s.length);
        d->addMapEntry(s.start, used, d, false);
        used += s.length;
      } else {
        const MergeString &k = all[t];
        d->addMapEntry(s.start, k.start + k.length - s.length, k.data, true);
      }
    }
    out->setDataSize(used);
    d->outData = std::move(out);
  }
  return true;
}

void OutSec::setGlobalOutOff(uint64_t offset) {
  alignmentBytes = (alignment > 1 && offset % alignment)
                       ? alignment - offset % alignment
                       : 0;
  globalOutOff = offset + alignmentBytes;
}

uint64_t OutSec::getRelOff(const ElfObject *object, size_t index,
                           uint64_t offset) const {
  for (const OutSec *sec = this; sec; sec = sec->next.get()) {
    auto it = sec->byInput.find(Key{object, index});
    if (it != sec->byInput.end())
      return sec->getRelOff(it->second, offset);
  }
  return ~uint64_t(0);
}

uint64_t OutSec::getRelOff(const OutSecData *data, uint64_t offset) const {
  const OutSecData *target = data;
  const SecDataMap *entry = target->findEntry(offset);
  // Redirects lead to longer or earlier strings, so the walk ends; the
  // bound only guards against a map that was never built.
  for (size_t hops = 0; entry && entry->redirect && hops < 64; ++hops) {
    offset = entry->outOff + (offset - entry->inOff);
    target = entry->target;
    entry = target->findEntry(offset);
  }
  if (!entry)
    return target->owner->globalOutOff + target->outOff + offset;
  // The entry's target holds the data: this contribution's own output, or
  // an earlier one's where an equal entry was kept.
  const OutSecData *holder = entry->target;
  return holder->owner->globalOutOff + holder->outOff + entry->outOff +
         (offset - entry->inOff);
}

} // namespace zvld
