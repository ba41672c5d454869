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
  const bool fits = measure() <= UINT32_MAX;
  layOut(fits);
  return fits;
}

uint64_t SectionData::measure() {
  std::stable_sort(list.begin(), list.end(), Subsection::ComparePredicat);
  uint64_t end = 0;
  for (const Subsection *sub : list) {
    if (sub->isOverflow() || end > UINT32_MAX)
      return uint64_t(UINT32_MAX) + 1;
    end = sub->measure(static_cast<uint32_t>(end));
  }
  return end;
}

void SectionData::layOut(bool fits) {
  // A section that cannot fit gets no buffers at all rather than gigabytes
  // for its first subsections.
  uint32_t offset = 0;
  for (Subsection *sub : list) {
    if (!fits)
      sub->setOverflow();
    offset = sub->adjust(offset);
  }
  layoutSize = fits ? offset : 0;
}

bool SectionData::isMadeAsLaidOut() const {
  for (const Subsection *sub : list)
    if (sub->getRealDot() != sub->getLayoutEnd())
      return false;
  return true;
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

bool Sectab::checkLayout() {
  lastError.clear();
  for (Section *section : order) {
    const SectionData *sd = getSectionData(section);
    if (section->getIndex() > 0xfeff || !sd || sd->isMadeAsLaidOut())
      continue;
    lastError = "section '" + section->getStrName() +
                "' differs from its layout (" +
                std::to_string(sd->getLayoutSize()) + " bytes laid out, " +
                std::to_string(sd->getDataSize()) + " made)";
    return false;
  }
  return true;
}

bool Sectab::sortSectionSubsections() {
  lastError.clear();
  // Everything is measured before anything is allocated: a section, or
  // the object that holds them all, past 4 GiB fails here, not after
  // gigabytes were filled.
  //
  // ELF32 offsets end at 4 GiB too. Besides the contents the object holds
  // at least its header, a section header for every section and for the
  // null entry, .strtab, .symtab and .shstrtab, the null symbol and two
  // empty names; what else it holds is known only when it is written.
  size_t sectionCount = 0;
  for (const Section *section : order)
    if (section->getIndex() <= 0xfeff)
      ++sectionCount;
  uint64_t objectSize = sizeof(Elf32_Ehdr) +
                        (sectionCount + 4) * sizeof(Elf32_Shdr) +
                        sizeof(Elf32_Sym) + 2;
  std::vector<std::pair<SectionData *, bool>> measured;
  for (Section *section : order) {
    SectionData *sd = getSectionData(section);
    if (section->getIndex() > 0xfeff || !sd)
      continue;
    const uint64_t size = sd->measure();
    const bool fits = size <= UINT32_MAX;
    measured.emplace_back(sd, fits);
    if (!lastError.empty())
      continue;
    if (!fits)
      lastError =
          "section '" + section->getStrName() + "' is larger than 4 GiB";
    else if (!section->isNobits() && (objectSize += size) > UINT32_MAX)
      lastError = "section '" + section->getStrName() +
                  "' makes the object file larger than 4 GiB";
  }
  // A section past 4 GiB gets no buffers; when the object as a whole is,
  // no section does.
  const bool objectFits = objectSize <= UINT32_MAX;
  for (auto &[sd, fits] : measured)
    sd->layOut(fits && objectFits);
  return lastError.empty();
}
