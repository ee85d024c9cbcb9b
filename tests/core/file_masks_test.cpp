// Masks of the file lists and the filter selector's pairs.
#include <gtest/gtest.h>

#include "core/files/file_masks.h"

namespace core = tavilo::core;

namespace {

TEST(FileMasks, OneOrSeveralMasksIgnoringAsciiCase) {
  struct Case {
    std::string masks;
    std::string name;
    bool match;
  };
  const Case cases[] = {
      {"*.*", "ohne_punkt", true},
      {"*", "ohne_punkt", true},
      {"", "x.txt", true},
      {"*.*", ".versteckt", true},
      {"*.txt", "a.TXT", true},
      {"*.txt", "a.txt.bak", false},
      {"*.txt;*.ini", "Tavilo.INI", true},
      {"*.txt; *.ini ", "b.ini", true},
      {"*.txt;*.ini", "c.jpg", false},
      {";;", "c.jpg", true},  // no mask at all
      {"?.jpg", "a.jpg", true},
      {"?.jpg", "ab.jpg", false},
      {"shot*", "Shot1.jpg", true},
      {"*.ä", "x.Ä", false},  // only ASCII letters fold
  };
  for (const auto& c : cases)
    EXPECT_EQ(core::matchesAnyMask(c.name, core::splitMasks(c.masks)), c.match)
        << "masks '" << c.masks << "', name '" << c.name << "'";
}

TEST(FileMasks, FilterPairs) {
  using E = core::FilterEntry;
  struct Case {
    std::string filter;
    std::vector<E> entries;
  };
  const Case cases[] = {
      {"", {}},
      {"Alle Dateien (*.*)|*.*", {{"Alle Dateien (*.*)", "*.*"}}},
      {"Texte|*.txt;*.ini|Bilder|*.jpg", {{"Texte", "*.txt;*.ini"}, {"Bilder", "*.jpg"}}},
      {"Nur Beschreibung", {{"Nur Beschreibung", ""}}},
      {"A|*.a|", {{"A", "*.a"}}},
      {"A|*.a||", {{"A", "*.a"}}},
      {"|*.x", {{"", "*.x"}}},
  };
  for (const auto& c : cases) EXPECT_EQ(core::parseFilter(c.filter), c.entries) << "filter: " << c.filter;
}

}  // namespace
