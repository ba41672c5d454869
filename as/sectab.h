// sectab.h - the section table: sections by name in creation order, their
// subsections, and the layout step between the passes.
#ifndef ZV_AS_SECTAB_H
#define ZV_AS_SECTAB_H

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

class Section;
class Subsection;
class Word;

// The subsections of one section: looked up by number, listed in creation
// order until layout sorts them by number.
class SectionData {
public:
  explicit SectionData(Section *section);
  SectionData(const SectionData &) = delete;
  SectionData &operator=(const SectionData &) = delete;
  ~SectionData();

  Section *getSection() const { return section; }
  // The subsection of that number, created on first use (a plain
  // Subsection in a NOBITS section, a DataSubsection otherwise).
  Subsection *get(int64_t number);
  // Null when the subsection does not exist.
  Subsection *find(int64_t number) const;
  const std::vector<Subsection *> &getSubsectionSequence() const {
    return list;
  }
  // Sorts the subsections by number and packs them from offset 0; false
  // when the section passed 4 GiB.
  bool sort();
  // The two halves of sort: the size the section will have once laid out
  // (past 0xffffffff when it cannot be), changing nothing but the order;
  // then the layout itself, which gives the subsections their buffers only
  // when the section fits.
  uint64_t measure();
  void layOut(bool fits);
  // The size of the section's contents; valid at the end of pass 2.
  uint32_t getDataSize() const;
  // The size layout gave the section.
  uint32_t getLayoutSize() const { return layoutSize; }
  // After pass 2: whether every subsection ended where layout put its end.
  bool isMadeAsLaidOut() const;

private:
  Section *section;
  std::unordered_map<int64_t, std::unique_ptr<Subsection>> map;
  std::vector<Subsection *> list;
  uint32_t layoutSize = 0;
};

class Sectab {
public:
  Sectab();
  Sectab(const Sectab &) = delete;
  Sectab &operator=(const Sectab &) = delete;
  ~Sectab();

  // The section of that name, created empty when missing; created (may be
  // null) tells which.
  Section *getSection(const Word *name, bool *created = nullptr);
  Subsection *getSubsection(Section *section, int64_t number);
  SectionData *getSectionData(const Section *section) const;
  Section *findSectionByName(const Word *name) const;
  Section *findSectionByName(const std::string &name) const;
  // The first section, in creation order, whose name starts with prefix.
  Section *findSectionByPrefixName(const std::string &prefix) const;
  const std::unordered_map<const Word *, Section *> &getSectionMap() const {
    return byName;
  }
  // Every section in creation order: the table's order for the object.
  const std::vector<Section *> &getSectionSequence() const { return order; }

  // Layout between the passes; false (see getLastError) when a section
  // does not fit in 32-bit offsets. The layout is done in any case.
  bool sortSectionSubsections();
  // After pass 2: false (see getLastError) when a section came out other
  // than it was laid out.
  bool checkLayout();
  const std::string &getLastError() const { return lastError; }

private:
  std::vector<std::unique_ptr<Section>> sections;
  std::vector<Section *> order;
  std::unordered_map<const Word *, Section *> byName;
  std::unordered_map<const Section *, std::unique_ptr<SectionData>> data;
  std::string lastError;
};

#endif
