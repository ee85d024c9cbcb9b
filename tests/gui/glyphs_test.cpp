#include "gui/glyphs.h"

#include <FL/Fl_Image.H>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>

// FLTK's X connection. Declared here because <FL/x.H> brings Xlib's macros (None, Status),
// which break GoogleTest's headers.
struct _XDisplay;
extern _XDisplay* fl_display;

namespace tavilo::gui::glyphs {
namespace {

struct Px {
  int r, g, b, a;
};

Px pixel(Glyph glyph, int x, int y) {
  Fl_RGB_Image* img = image(glyph);
  const auto* d = reinterpret_cast<const unsigned char*>(img->data()[0]) + (y * img->w() + x) * 4;
  return {d[0], d[1], d[2], d[3]};
}

enum class Look { Transparent, White, Black, Red, Blue, Yellow, Green, Grey };

bool looksLike(Px p, Look look) {
  if (look == Look::Transparent) return p.a == 0;
  if (p.a < 200) return false;
  const int hi = std::max({p.r, p.g, p.b}), lo = std::min({p.r, p.g, p.b});
  switch (look) {
    case Look::White:
      return lo > 225;
    case Look::Black:
      return hi < 50;
    case Look::Red:
      return p.r > 110 && p.g * 2 < p.r && p.b * 2 < p.r;
    case Look::Blue:
      return p.b > 120 && p.r < 110 && p.b > p.g;
    case Look::Yellow:
      return p.r > 200 && p.g > 150 && p.b < 140;
    case Look::Green:
      return p.g > 90 && p.r < 110 && p.b < 110;
    case Look::Grey:
      return hi - lo < 24 && hi >= 50 && lo <= 235;
    case Look::Transparent:
      break;
  }
  return false;
}

const char* lookName(Look look) {
  constexpr const char* kNames[] = {"transparent", "white",  "black", "red",
                                    "blue",        "yellow", "green", "grey"};
  return kNames[static_cast<int>(look)];
}

Glyph glyphAt(int i) { return static_cast<Glyph>(i); }

TEST(Glyphs, EveryPictureIsASquareRgbaImageOfItsSizeMadeOnce) {
  struct Size {
    Glyph first, last;
    int size;
  };
  const Size sizes[] = {{Glyph::Information, Glyph::Confirmation, 32},
                        {Glyph::Tick, Glyph::Ok, 16},
                        {Glyph::TitleClose, Glyph::TitleMinimise, 18},
                        {Glyph::FolderClosed, Glyph::MenuInstall, 16},
                        {Glyph::MenuCopyTo, Glyph::MenuCopyTo, 20},
                        {Glyph::WindowIcon, Glyph::WindowIcon, 32}};
  for (const Size& s : sizes) {
    for (int i = static_cast<int>(s.first); i <= static_cast<int>(s.last); ++i) {
      const Glyph g = glyphAt(i);
      SCOPED_TRACE(nameOf(g));
      Fl_RGB_Image* img = image(g);
      ASSERT_NE(img, nullptr);
      EXPECT_EQ(img->w(), s.size);
      EXPECT_EQ(img->h(), s.size);
      EXPECT_EQ(img->d(), 4);
      EXPECT_EQ(sizeOf(g), s.size);
      EXPECT_EQ(image(g), img) << "made again instead of kept";
    }
  }
}

TEST(Glyphs, EveryPictureHasOpaqueInkAndATransparentBackground) {
  std::set<std::string> names;
  for (int i = 0; i < kGlyphCount; ++i) {
    const Glyph g = glyphAt(i);
    SCOPED_TRACE(nameOf(g));
    EXPECT_TRUE(names.insert(nameOf(g)).second) << "name used twice";
    const int s = sizeOf(g);
    int opaque = 0, clear = 0;
    for (int y = 0; y < s; ++y) {
      for (int x = 0; x < s; ++x) {
        const Px p = pixel(g, x, y);
        opaque += p.a == 255;
        clear += p.a == 0;
      }
    }
    EXPECT_GE(opaque, s / 2) << "hardly anything drawn";
    EXPECT_GE(clear, 4) << "no transparent background";
  }
}

TEST(Glyphs, ChosenPixelsShowTheirShapes) {
  struct Case {
    Glyph glyph;
    int x, y;
    Look look;
  };
  const Case cases[] = {
      {Glyph::Information, 16, 17, Look::White},  // the stem of the i
      {Glyph::Information, 6, 16, Look::Blue},
      {Glyph::Information, 0, 0, Look::Transparent},
      {Glyph::Error, 15, 15, Look::White},  // where the cross's strokes meet
      {Glyph::Error, 16, 1, Look::Red},     // the rim
      {Glyph::Error, 6, 16, Look::Red},
      {Glyph::Error, 31, 31, Look::Transparent},
      {Glyph::Warning, 9, 25, Look::Yellow},
      {Glyph::Warning, 15, 15, Look::Black},  // the exclamation mark
      {Glyph::Warning, 15, 23, Look::Black},  // its dot
      {Glyph::Warning, 1, 1, Look::Transparent},
      {Glyph::Confirmation, 15, 22, Look::Blue},  // the question mark's dot
      {Glyph::Confirmation, 6, 12, Look::White},  // inside the bubble
      {Glyph::Confirmation, 31, 31, Look::Transparent},
      {Glyph::Tick, 6, 11, Look::Green},
      {Glyph::Tick, 12, 12, Look::Transparent},
      {Glyph::Prohibition, 8, 1, Look::Red},  // the ring
      {Glyph::Prohibition, 7, 7, Look::Red},  // the bar
      {Glyph::Prohibition, 10, 5, Look::White},
      {Glyph::Abort, 8, 7, Look::White},  // the bar
      {Glyph::Abort, 8, 3, Look::Red},
      {Glyph::Cross, 7, 7, Look::Red},
      {Glyph::Cross, 8, 1, Look::Transparent},
      {Glyph::Ok, 8, 2, Look::Green},
      {Glyph::TitleClose, 8, 8, Look::White},
      {Glyph::TitleClose, 9, 3, Look::Transparent},
      {Glyph::TitleMinimise, 9, 12, Look::White},
      {Glyph::TitleMinimise, 9, 7, Look::Transparent},
      {Glyph::FolderClosed, 8, 10, Look::Yellow},
      {Glyph::FolderOpen, 8, 11, Look::Yellow},
      {Glyph::FolderUp, 9, 9, Look::Black},  // the arrow's shaft
      {Glyph::FolderUp, 13, 8, Look::Yellow},
      {Glyph::FolderUpDisabled, 9, 9, Look::Grey},
      {Glyph::FolderUpDisabled, 4, 12, Look::Transparent},  // an outline only
      {Glyph::NewFolder, 4, 12, Look::Yellow},
      {Glyph::Delete, 7, 7, Look::Red},
      {Glyph::FileText, 4, 5, Look::Grey},  // a line of text
      {Glyph::FilePicture, 5, 13, Look::Green},
      {Glyph::FileProgram, 5, 2, Look::Blue},  // the title bar
      {Glyph::MenuDoor, 5, 7, Look::Red},
      {Glyph::MenuStart, 10, 10, Look::Green},
      {Glyph::MenuInstall, 8, 2, Look::Blue},   // the arrow
      {Glyph::WindowIcon, 24, 14, Look::Blue},  // the menu's header
      {Glyph::WindowIcon, 2, 14, Look::Grey},   // the disc
  };
  for (const Case& c : cases) {
    const Px p = pixel(c.glyph, c.x, c.y);
    EXPECT_TRUE(looksLike(p, c.look))
        << nameOf(c.glyph) << " at " << c.x << "," << c.y << " should be " << lookName(c.look)
        << " but is " << p.r << "," << p.g << "," << p.b << " alpha " << p.a;
  }
}

TEST(Glyphs, PicturesOfTwoColoursShowBoth) {
  struct Case {
    Glyph glyph;
    Look look;
    int atLeast;
  };
  const Case cases[] = {
      {Glyph::Delete, Look::Red, 10},        {Glyph::Delete, Look::Black, 6},
      {Glyph::Prohibition, Look::White, 10}, {Glyph::Abort, Look::White, 10},
      {Glyph::FolderUp, Look::Yellow, 30},   {Glyph::FolderUp, Look::Black, 10},
      {Glyph::Ok, Look::White, 5},           {Glyph::MenuBrowseCd, Look::Grey, 20},
      {Glyph::MenuStart, Look::Blue, 8},     {Glyph::MenuStart, Look::Green, 8},
      {Glyph::WindowIcon, Look::Blue, 30},   {Glyph::WindowIcon, Look::Grey, 150},
  };
  for (const Case& c : cases) {
    const int s = sizeOf(c.glyph);
    int n = 0;
    for (int y = 0; y < s; ++y)
      for (int x = 0; x < s; ++x) n += looksLike(pixel(c.glyph, x, y), c.look);
    EXPECT_GE(n, c.atLeast) << nameOf(c.glyph) << " " << lookName(c.look);
  }
}

TEST(Glyphs, DisabledFolderHasNoColour) {
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      const Px p = pixel(Glyph::FolderUpDisabled, x, y);
      EXPECT_LT(std::max({p.r, p.g, p.b}) - std::min({p.r, p.g, p.b}), 12) << x << "," << y;
    }
  }
}

TEST(Glyphs, MenuImagesByIndex) {
  const std::pair<int, Glyph> known[] = {{4, Glyph::MenuCopy},
                                         {6, Glyph::MenuDoor},
                                         {37, Glyph::MenuBrowseCd},
                                         {39, Glyph::MenuStart},
                                         {40, Glyph::MenuInstall}};
  for (const auto& [index, glyph] : known) EXPECT_EQ(menuImage(index), image(glyph)) << index;
  for (int index : {-1, 0, 5, 38, 41, 1000}) EXPECT_EQ(menuImage(index), nullptr) << index;
  EXPECT_EQ(image(static_cast<Glyph>(kGlyphCount)), nullptr);
  EXPECT_EQ(sizeOf(static_cast<Glyph>(-1)), 0);
}

TEST(Glyphs, FileKindsByExtension) {
  struct Case {
    const char* name;
    FileKind kind;
  };
  const Case cases[] = {
      {"setup.exe", FileKind::Program},
      {"SETUP.EXE", FileKind::Program},
      {"install.sh", FileKind::Program},
      {"start.Bat", FileKind::Program},
      {"shot1.jpg", FileKind::Picture},
      {"LOGO.GIF", FileKind::Picture},
      {"bilder/x.bmp", FileKind::Picture},
      {"liesmich.txt", FileKind::Text},
      {"Tavilo.ini", FileKind::Text},
      {"handbuch.pdf", FileKind::Document},
      {"README", FileKind::Document},
      {".profile", FileKind::Document},
      {"ordner.txt/datei", FileKind::Document},
      {"archiv.tar.gz", FileKind::Document},
      {"", FileKind::Document},
      {"name.", FileKind::Document},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(fileKindOf(c.name), c.kind) << '"' << c.name << '"';
  }
  EXPECT_EQ(fileImage("a.png"), image(Glyph::FilePicture));
  EXPECT_EQ(fileImage(FileKind::Document), image(Glyph::FileDocument));
}

TEST(Glyphs, MakingPicturesOpensNoDisplay) {
  if (fl_display) GTEST_SKIP() << "another test of this process opened the display";
  for (int i = 0; i < kGlyphCount; ++i) image(glyphAt(i));
  EXPECT_EQ(fl_display, nullptr);
}

}  // namespace
}  // namespace tavilo::gui::glyphs
