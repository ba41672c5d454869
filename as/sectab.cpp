// sectab.cpp - section table: sections by name and index, layout between
// the passes.
#include "sectab.h"

#include <algorithm>

#include "section.h"
#include "subsection.h"

SectionData::SectionData(Section *section) : section(section) {}

SectionData::~SectionData() = default;

Subsection *SectionData::get(int64_t number) {
  auto it = map.find(number);
  if (it != map.end())
    return it->second.get();
  std::unique_ptr<Subsection> sub;
  if (section && section->isNobits())
    sub = std::make_unique<Subsection>(section, number);
  else
    sub = std::make_unique<DataSubsection>(section, number);
  Subsection *raw = sub.get();
  map.emplace(number, std::move(sub));
  list.push_back(raw);
  return raw;
}

Subsection *SectionData::find(int64_t number) const {
  auto it = map.find(number);
  return it == map.end() ? nullptr : it->second.get();
}

bool SectionData::sort() {
  std::stable_sort(list.begin(), list.end(), Subsection::ComparePredicat);
  // Measure first: a section that cannot fit gets no buffers at all rather
  // than gigabytes for its first subsections.
  bool fits = true;
  uint64_t end = 0;
  for (const Subsection *sub : list) {
    if (sub->isOverflow() || end > UINT32_MAX)
      fits = false;
    else
      end = sub->measure(static_cast<uint32_t>(end));
  }
  if (end > UINT32_MAX)
    fits = false;
  uint32_t offset = 0;
  for (Subsection *sub : list) {
    if (!fits)
      sub->setOverflow();
    offset = sub->adjust(offset);
  }
  return fits;
}

uint32_t SectionData::getDataSize() const {
  uint64_t size = 0;
  for (const Subsection *sub : list)
    size += sub->getRealDot() - sub->getOffset();
  return size > UINT32_MAX ? UINT32_MAX : static_cast<uint32_t>(size);
}

Sectab::Sectab() = default;

Sectab::~Sectab() = default;

Section *Sectab::getSection(const Word *name, bool *created) {
  auto it = byName.find(name);
  if (created)
    *created = it == byName.end();
  if (it != byName.end())
    return it->second;
  sections.push_back(std::make_unique<Section>(name));
  Section *section = sections.back().get();
  order.push_back(section);
  byName.emplace(name, section);
  return section;
}

Subsection *Sectab::getSubsection(Section *section, int64_t number) {
  std::unique_ptr<SectionData> &sd = data[section];
  if (!sd)
    sd = std::make_unique<SectionData>(section);
  return sd->get(number);
}

SectionData *Sectab::getSectionData(const Section *section) const {
  auto it = data.find(section);
  return it == data.end() ? nullptr : it->second.get();
}

Section *Sectab::findSectionByName(const Word *name) const {
  auto it = byName.find(name);
  return it == byName.end() ? nullptr : it->second;
}

Section *Sectab::findSectionByName(const std::string &name) const {
  for (Section *section : order)
    if (section->getStrName() == name)
      return section;
  return nullptr;
}

Section *Sectab::findSectionByPrefixName(const std::string &prefix) const {
  for (Section *section : order)
    if (section->getStrName().compare(0, prefix.size(), prefix) == 0)
      return section;
  return nullptr;
}

bool Sectab::sortSectionSubsections() {
  bool fits = true;
  lastError.clear();
  for (Section *section : order) {
    if (section->getIndex() > 0xfeff)
      continue;
    SectionData *sd = getSectionData(section);
    if (sd && !sd->sort() && fits) {
      fits = false;
      lastError =
          "section '" + section->getStrName() + "' is larger than 4 GiB";
    }
  }
  return fits;
}
