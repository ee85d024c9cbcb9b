#include <gtest/gtest.h>

#include <sys/stat.h>

#include "core/error.h"
#include "picture_test_support.h"
#include "support/temp_tree.h"

namespace tavilo::core {
namespace {

std::string errorOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const Error& e) {
    return e.what();
  }
  return "(no error)";
}

// One small valid file of each format.
struct Samples {
  std::string bmp = demo::encodeBmp24(testing::samplePicture(7, 5));
  std::string gif = demo::encodeGif(testing::sampleIndexed(7, 5, 16), {.interlace = true});
  std::string jpeg = demo::encodeJpeg(testing::samplePicture(7, 5));
  std::string png = testing::encodePngRgba(testing::samplePicture(7, 5));
};

class PictureFile : public testing::TempTree {};

TEST_F(PictureFile, ExtensionPicksTheDecoderIgnoringCase) {
  const Samples s;
  const std::pair<const char*, const std::string*> cases[] = {
      {"a.bmp", &s.bmp}, {"b.BMP", &s.bmp}, {"c.gif", &s.gif},  {"d.Gif", &s.gif},
      {"e.jpg", &s.jpeg}, {"f.JPEG", &s.jpeg}, {"g.jpeg", &s.jpeg}, {"h.png", &s.png},
      {"i.PnG", &s.png}, {"dots.in.name.jpg", &s.jpeg},
  };
  for (const auto& [name, data] : cases) {
    SCOPED_TRACE(name);
    writeFile(name, *data);
    Picture p;
    ASSERT_NO_THROW(p = decodePictureFile(path(name)));
    EXPECT_EQ(p.width, 7);
    EXPECT_EQ(p.height, 5);
  }
}

TEST_F(PictureFile, UnknownExtensionMessageKeepsTheExtensionAsWritten) {
  const std::pair<const char*, const char*> cases[] = {
      {"bild.tif", "Unbekannte Bilddateierweiterung (.tif)"},
      {"bild.TIFF", "Unbekannte Bilddateierweiterung (.TIFF)"},
      {"bild.jpg.txt", "Unbekannte Bilddateierweiterung (.txt)"},
      {"bild", "Unbekannte Bilddateierweiterung (.)"},
      {"bild.", "Unbekannte Bilddateierweiterung (.)"},
      {"ordner.gif/bild", "Unbekannte Bilddateierweiterung (.)"},
      {"b\xC3\xBCro.J\xC3\x96G", "Unbekannte Bilddateierweiterung (.J\xC3\x96G)"},
  };
  for (const auto& [name, message] : cases) {
    SCOPED_TRACE(name);
    // Reported before the file is looked at: none of these files exist.
    EXPECT_EQ(errorOf([&] { decodePictureFile(path(name)); }), message);
  }
}

TEST_F(PictureFile, AFileWhoseExtensionLiesGivesAClearError) {
  const Samples s;
  writeFile("foto.jpg", s.png);
  const std::string message = errorOf([&] { decodePictureFile(path("foto.jpg")); });
  EXPECT_EQ(message, "Bilddatei kann nicht geladen werden: " + path("foto.jpg") +
                         "\nDie Datei enthält kein JPEG-Bild. Sie enthält ein PNG-Bild.");
  writeFile("logo.bmp", s.gif);
  EXPECT_NE(errorOf([&] { decodePictureFile(path("logo.bmp")); }).find("Sie enthält ein GIF-Bild."),
            std::string::npos);
  // The GIF decoder forced on a name that says otherwise.
  EXPECT_EQ(decodePictureFile(path("logo.bmp"), PictureFormat::Gif).width, 7);
}

TEST_F(PictureFile, UnreadableFilesNameTheFile) {
  makeFolder("ordner.png");
  writeFile("leer.gif", "");
  const std::pair<const char*, std::string> cases[] = {
      {"missing", "Bilddatei kann nicht gelesen werden: " + path("fehlt.jpg")},
      {"a folder", "Bilddatei kann nicht gelesen werden: " + path("ordner.png")},
      {"empty", "Bilddatei kann nicht geladen werden: " + path("leer.gif") +
                    "\nDie Datei enthält kein GIF-Bild."},
  };
  const char* files[] = {"fehlt.jpg", "ordner.png", "leer.gif"};
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(cases[i].first);
    EXPECT_EQ(errorOf([&] { decodePictureFile(path(files[i])); }), cases[i].second);
  }
}

// Every prefix and many single-byte changes of valid files: each decode either
// fails with an Error or gives a consistent picture. Run under the sanitizers,
// this also shows that nothing reads or writes out of bounds.
TEST(PictureRobustness, TruncatedAndCorruptedFilesNeverCrash) {
  const Samples s;
  const std::pair<PictureFormat, const std::string*> files[] = {
      {PictureFormat::Bmp, &s.bmp}, {PictureFormat::Gif, &s.gif},
      {PictureFormat::Jpeg, &s.jpeg}, {PictureFormat::Png, &s.png}};
  auto check = [](PictureFormat f, const std::string& data) {
    try {
      const Picture p = decodePicture(data, f);
      ASSERT_GT(p.width, 0);
      ASSERT_EQ(p.rgba.size(), static_cast<std::size_t>(p.width) * p.height * 4);
    } catch (const Error&) {
    }
  };
  for (const auto& [format, data] : files) {
    SCOPED_TRACE(static_cast<int>(format));
    for (std::size_t n = 0; n < data->size(); ++n) check(format, data->substr(0, n));
    std::uint32_t state = 12345;
    for (int round = 0; round < 600; ++round) {
      std::string bad = *data;
      for (int k = 0; k < 1 + round % 4; ++k) {
        state = state * 1664525u + 1013904223u;
        bad[(state >> 8) % bad.size()] = static_cast<char>(state >> 24);
      }
      check(format, bad);
    }
    for (PictureFormat other : {PictureFormat::Bmp, PictureFormat::Gif, PictureFormat::Jpeg, PictureFormat::Png})
      check(other, *data);
  }
}

TEST(PictureSize, BoundsAreChecked) {
  const std::pair<std::pair<std::int64_t, std::int64_t>, const char*> cases[] = {
      {{1, 1}, ""},
      {{16384, 1024}, ""},
      {{4096, 4096}, ""},
      {{16385, 1}, "Das Bild ist zu groß (16385 x 1 Bildpunkte)."},
      {{1, 16385}, "Das Bild ist zu groß (1 x 16385 Bildpunkte)."},
      {{16384, 1025}, "Das Bild ist zu groß (16384 x 1025 Bildpunkte)."},
      {{4097, 4096}, "Das Bild ist zu groß (4097 x 4096 Bildpunkte)."},
      {{0, 5}, "Das Bild hat keine Bildpunkte."},
      {{5, -1}, "Das Bild hat keine Bildpunkte."},
  };
  for (const auto& [size, message] : cases) {
    SCOPED_TRACE(std::to_string(size.first) + " x " + std::to_string(size.second));
    const std::string got = errorOf([&] { checkPictureSize(size.first, size.second); });
    EXPECT_EQ(got, *message ? message : "(no error)");
  }
}

}  // namespace
}  // namespace tavilo::core
