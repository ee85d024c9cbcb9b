// The image window's copy names: the filter line and the chosen name's extension.
#include <gtest/gtest.h>

#include "core/picture_copy.h"

namespace core = tavilo::core;

namespace {

TEST(PictureCopy, FilterKeepsTheExtensionAsWritten) {
  EXPECT_EQ(core::pictureCopyFilter(".jpg"), "Image (*.jpg)|*.jpg");
  EXPECT_EQ(core::pictureCopyFilter(".GIF"), "Image (*.GIF)|*.GIF");
  EXPECT_EQ(core::pictureCopyFilter(""), "Image (*)|*");
}

TEST(PictureCopy, ChosenNameGetsThePicturesExtension) {
  struct Case {
    const char* chosen;
    const char* extension;
    const char* result;
  };
  const Case cases[] = {
      {"/tmp/bild.png", ".GIF", "/tmp/bild.GIF"},
      {"/tmp/bild", ".GIF", "/tmp/bild.GIF"},
      {"/tmp/bild.GIF", ".GIF", "/tmp/bild.GIF"},
      {"/tmp/bild.gif", ".GIF", "/tmp/bild.GIF"},
      {"/tmp/bild.tar.gz", ".jpg", "/tmp/bild.tar.jpg"},
      {"/tmp/bild.", ".jpg", "/tmp/bild.jpg"},
      {"/tmp/ein.ordner/bild", ".jpg", "/tmp/ein.ordner/bild.jpg"},
      {"/tmp/.versteckt", ".jpg", "/tmp/.versteckt.jpg"},
      {"/tmp/.versteckt.png", ".jpg", "/tmp/.versteckt.jpg"},
      {"bild.png", ".bmp", "bild.bmp"},
      {"/tmp/bild.png", "", "/tmp/bild"},
      {"/tmp/Bild mit Leerzeichen.PNG", ".Jpeg", "/tmp/Bild mit Leerzeichen.Jpeg"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(core::withExtension(c.chosen, c.extension), c.result) << c.chosen << " + " << c.extension;
}

}  // namespace
