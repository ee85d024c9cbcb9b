#include "gui/fonts.h"

#include "widget_test_support.h"

#include <gtest/gtest.h>

#include <string>

namespace tavilo::gui {
namespace {

TEST(Fonts, FacesResolveToInstalledFamiliesOrArial) {
  struct Case {
    std::string face, resolved;
  } cases[] = {
      {"Arial", "Arial"},
      {"arial", "arial"},
      {"Liberation Serif", "Liberation Serif"},
      {"Keine Schrift 123", "Arial"},
      {"", "Arial"},
      {"a,b", "Arial"},
      {"--------------", "Arial"},
      {std::string(40, 'x'), "Arial"},
  };
  for (const auto& c : cases) EXPECT_EQ(resolvedFace(c.face), c.resolved) << "\"" << c.face << "\"";
  // Windows faces a desktop may or may not have: an installed one is used,
  // a missing one is drawn as Arial.
  for (const char* face : {"MS Sans Serif", "Tahoma"}) {
    const std::string r = resolvedFace(face);
    EXPECT_TRUE(r == face || r == "Arial") << face << " became " << r;
  }
}

TEST(Fonts, WindowsFacesGetTheirMetricCompatibleFaces) {
  EXPECT_EQ(resolvedFace("Times New Roman"), "Liberation Serif");
  EXPECT_EQ(resolvedFace("Courier New"), "Liberation Mono");
  EXPECT_EQ(test::textWidthOf({"Times New Roman", 100, false, 0}, "Wm"),
            test::textWidthOf({"Liberation Serif", 100, false, 0}, "Wm"));
  EXPECT_NE(test::textWidthOf({"Courier New", 100, false, 0}, "Wm"), test::textWidthOf({"Arial", 100, false, 0}, "Wm"));
}

TEST(Fonts, SameFaceAndWeightShareOneIndex) {
  const Fl_Font arial = fontFor("Arial", false);
  EXPECT_GE(arial, FL_FREE_FONT);
  EXPECT_EQ(fontFor("Arial", false), arial);
  EXPECT_EQ(fontFor("ARIAL", false), arial);
  EXPECT_EQ(fontFor("Keine Schrift 123", false), arial) << "unknown faces are drawn as Arial";
  EXPECT_NE(fontFor("Arial", true), arial);
  EXPECT_NE(fontFor("Liberation Serif", false), arial);
  // Only the first 31 characters of a face name count.
  const std::string longName = "Liberation Serif" + std::string(15, ' ');
  EXPECT_EQ(fontFor(longName + "trailing words", false), fontFor(longName, false));
}

TEST(Fonts, ArialHasLiberationSansMetrics) {
  // Liberation Sans is metric-compatible with Arial; the fallback would differ.
  const FontSpec arial{"Arial", 100, false, 0};
  const FontSpec serif{"Liberation Serif", 100, false, 0};
  const int w = test::textWidthOf(arial, "Wm");
  EXPECT_NE(w, test::textWidthOf(serif, "Wm"));
  EXPECT_EQ(test::textWidthOf({"Keine Schrift 123", 100, false, 0}, "Wm"), w) << "the fallback is Arial";
  EXPECT_GT(test::textWidthOf({"Arial", 100, true, 0}, "Wm"), w) << "bold is wider";
}

}  // namespace
}  // namespace tavilo::gui
