// section_test.cpp - output sections: string and entry merging checked
// against a plain search in contribution order on random data, and the
// layout of contributions with their alignment.
#include "elfobject.h"
#include "inputfile.h"
#include "section.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace zvld {
namespace {

// An object assembled by zv-as with a mergeable string section, a
// mergeable section of 4-byte entries and a plain one aligned to 8.
class MergeFixture : public ::testing::Test {
protected:
  void SetUp() override {
    char pattern[] = "/tmp/zv-ld-section-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir = pattern;
    std::ofstream(dir + "/m.s")
        << "        .section .str, \"aMS\", @progbits, 1\n"
           "        .string \"x\"\n"
           "        .section .cst, \"aM\", @progbits, 4\n"
           "        .long 1\n"
           "        .section .plain, \"a\", @progbits\n"
           "        .align 8\n"
           "        .byte 1\n"
           "        .section .noalloc, \"\", @progbits\n"
           "        .byte 2\n";
    std::string command = std::string("'") + ZV_AS_PATH +
                          "' --arch=ZP200 '" + dir + "/m.s' -o '" + dir +
                          "/m.o'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    file = std::make_unique<InputFile>(dir + "/m.o");
    ASSERT_TRUE(file->openFile());
    object = file->load(0);
    ASSERT_NE(object, nullptr);
    for (size_t i = 1; i < object->sectionCount(); ++i)
      index[object->getSectionName(i)] = i;
  }
  void TearDown() override {
    file.reset();
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
  }

  static Buffer bytes(const std::string &text) {
    Buffer b(ELFDATA2LSB, text.size());
    b.writeBytes(text.data(), text.size());
    return b;
  }

  std::string dir;
  std::unique_ptr<InputFile> file;
  ElfObject *object = nullptr;
  std::map<std::string, size_t> index;
};

// The merging of strings as a plain search: every string, longest first
// and equal lengths in the order found, is tried for each string; the
// first whose tail holds it keeps it. Returns, per contribution and input
// offset of every string start, the output offset the string resolves to
// within the section, and the section's contents.
struct Reference {
  std::vector<std::map<uint64_t, uint64_t>> resolved;
  std::string contents;
};

Reference referenceStrings(std::vector<std::string> inputs) {
  struct Str {
    size_t c;
    uint64_t start, length;
  };
  std::vector<Str> all;
  for (size_t c = 0; c < inputs.size(); ++c) {
    if (!inputs[c].empty() && inputs[c].back() != '\0')
      inputs[c] += '\0';
    for (uint64_t pos = 0; pos < inputs[c].size();) {
      uint64_t end = inputs[c].find('\0', pos);
      all.push_back({c, pos, end + 1 - pos});
      pos = end + 1;
    }
  }
  std::vector<size_t> table(all.size());
  for (size_t i = 0; i < table.size(); ++i)
    table[i] = i;
  std::stable_sort(table.begin(), table.end(), [&](size_t a, size_t b) {
    return all[a].length > all[b].length;
  });
  // keep[i]: the string kept for i and the place of i in its input.
  std::vector<std::pair<size_t, uint64_t>> keep(all.size());
  for (size_t i = 0; i < all.size(); ++i) {
    const Str &s = all[i];
    for (size_t t : table) {
      const Str &k = all[t];
      uint64_t place = k.start + k.length - s.length;
      if (t == i ||
          inputs[k.c].compare(place, s.length - 1, inputs[s.c], s.start,
                              s.length - 1) == 0) {
        keep[i] = {t, place};
        break;
      }
    }
  }
  Reference ref;
  std::vector<uint64_t> outOf(all.size());
  std::vector<uint64_t> base(inputs.size());
  for (size_t c = 0; c < inputs.size(); ++c) {
    base[c] = ref.contents.size();
    for (size_t i = 0; i < all.size(); ++i)
      if (all[i].c == c && keep[i].first == i) {
        outOf[i] = ref.contents.size();
        ref.contents += inputs[c].substr(all[i].start, all[i].length);
      }
  }
  // A redirect names an input place of the keeper's contribution, which
  // lies in the keeper's own kept copy.
  ref.resolved.resize(inputs.size());
  for (size_t i = 0; i < all.size(); ++i) {
    uint64_t into = keep[i].second - all[keep[i].first].start;
    size_t k = keep[i].first;
    // Follow the chain of places down to the string that is written.
    while (keep[k].first != k) {
      into += keep[k].second - all[keep[k].first].start;
      k = keep[k].first;
    }
    ref.resolved[all[i].c][all[i].start] = outOf[k] + into;
  }
  return ref;
}

TEST_F(MergeFixture, StringsMatchThePlainSearchOnRandomData) {
  std::mt19937 random(7);
  const char letters[] = "ab";
  for (int round = 0; round < 300; ++round) {
    size_t count = 1 + random() % 4;
    std::vector<std::string> inputs(count);
    for (std::string &input : inputs) {
      size_t strings = random() % 6;
      for (size_t k = 0; k < strings; ++k) {
        size_t length = random() % 4;
        for (size_t n = 0; n < length; ++n)
          input += letters[random() % 2];
        // Now and then the last string has no terminator.
        if (k + 1 < strings || random() % 4)
          input += '\0';
      }
    }
    Reference ref = referenceStrings(inputs);

    OutSec sec(SHT_PROGBITS, SHF_ALLOC | SHF_MERGE | SHF_STRINGS);
    std::vector<OutSecData *> data;
    for (const std::string &input : inputs) {
      Buffer b = bytes(input);
      data.push_back(sec.addData(object, index[".str"], &b));
    }
    ASSERT_TRUE(sec.buildMap());
    std::string contents;
    for (OutSecData *d : data) {
      Buffer *out = d->getOutData();
      contents.append(reinterpret_cast<const char *>(out->constData()),
                      out->getDataSize());
    }
    ASSERT_EQ(contents, ref.contents) << "round " << round;
    for (size_t c = 0; c < count; ++c)
      for (const auto &[start, expected] : ref.resolved[c])
        ASSERT_EQ(sec.getRelOff(data[c], start), expected)
            << "round " << round << ", contribution " << c << ", offset "
            << start;
  }
}

TEST_F(MergeFixture, EntriesMapToTheirFirstOccurrence) {
  std::mt19937 random(3);
  for (int round = 0; round < 100; ++round) {
    OutSec sec(SHT_PROGBITS, SHF_ALLOC | SHF_MERGE);
    std::vector<OutSecData *> data;
    std::vector<std::string> inputs;
    for (size_t c = 0; c < 1 + random() % 4; ++c) {
      std::string input;
      for (size_t k = 0; k < random() % 6; ++k)
        input += std::string(3, '\0') + char('0' + random() % 3);
      inputs.push_back(input);
      Buffer b = bytes(input);
      data.push_back(sec.addData(object, index[".cst"], &b));
    }
    ASSERT_TRUE(sec.buildMap());
    // Where each distinct entry first appears in the output.
    std::map<std::string, uint64_t> first;
    std::string contents;
    for (const std::string &input : inputs)
      for (size_t at = 0; at < input.size(); at += 4)
        if (first.emplace(input.substr(at, 4), contents.size()).second)
          contents += input.substr(at, 4);
    std::string written;
    for (size_t c = 0; c < data.size(); ++c) {
      Buffer *out = data[c]->getOutData();
      written.append(reinterpret_cast<const char *>(out->constData()),
                     out->getDataSize());
      for (size_t at = 0; at < inputs[c].size(); at += 4) {
        ASSERT_EQ(sec.getRelOff(data[c], at), first[inputs[c].substr(at, 4)]);
        // Inside an entry the distance is kept.
        ASSERT_EQ(sec.getRelOff(data[c], at + 3),
                  first[inputs[c].substr(at, 4)] + 3);
      }
    }
    EXPECT_EQ(written, contents);
    EXPECT_EQ(sec.getSize(), contents.size());
  }
}

TEST_F(MergeFixture, LayoutAlignmentAndChains) {
  OutSec sec(SHT_PROGBITS, SHF_ALLOC);
  Buffer five = bytes("12345");
  Buffer one = bytes("6");
  OutSecData *a = sec.addData(object, index[".plain"], &five);
  OutSecData *b = sec.addData(object, index[".plain"], &one);
  ASSERT_TRUE(sec.buildMap());
  // 5 bytes, then 3 alignment bytes before the contribution aligned to 8.
  EXPECT_EQ(a->getOutOff(), 0u);
  EXPECT_EQ(b->getAlignmentByteCount(), 3u);
  EXPECT_EQ(b->getOutOff(), 8u);
  EXPECT_EQ(sec.getAlignment(), 8u);
  sec.setGlobalOutOff(0x11);
  EXPECT_EQ(sec.getAlignmentByteCount(), 7u);
  EXPECT_EQ(sec.getGlobalOutOff(), 0x18u);
  EXPECT_EQ(sec.getRelOff(b, 0), 0x18u + 8u);
  // By object and index the first contribution of that section is found.
  EXPECT_EQ(sec.getRelOff(object, index[".plain"], 2), 0x18u + 2u);
  // Another object has no contribution here.
  EXPECT_EQ(sec.getRelOff(nullptr, 1, 0), ~uint64_t(0));
  // Under one name, a section without SHF_ALLOC makes a second output
  // section of the chain; one with it joins the first.
  OutSec head(SHT_PROGBITS, SHF_ALLOC);
  head.addData(object, index[".plain"]);
  OutSecData *apart = head.addData(object, index[".noalloc"]);
  head.addData(object, index[".cst"]);
  ASSERT_NE(head.getNext(), nullptr);
  EXPECT_EQ(head.getOutSecData().size(), 2u);
  EXPECT_EQ(apart->getOutSec(), head.getNext());
  EXPECT_EQ(head.getNext()->getFlags(), 0u);
  ASSERT_TRUE(head.buildMap());
  EXPECT_EQ(head.getNext()->getSize(), 1u);
}

} // namespace
} // namespace zvld
