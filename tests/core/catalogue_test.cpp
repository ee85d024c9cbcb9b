#include "core/ini/config_file.h"
#include "core/menu/catalogue.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "core/error.h"

namespace fs = std::filesystem;

namespace tavilo::core {
namespace {

TEST(Link, ThreeMarksMakeALink) {
  struct Case { const char* value; std::optional<LinkParts> link; };
  const Case cases[] = {
      {"[http://a.example+Zur Seite]", LinkParts{"http://a.example", "Zur Seite"}},
      {"vorher [http://a.example+Seite] nachher", LinkParts{"http://a.example", "Seite"}},
      {"[http://a.example+Mehr + Bilder]", LinkParts{"http://a.example", "Mehr + Bilder"}},
      {"[a+b+c]", LinkParts{"a", "b+c"}},
      {"[+]", LinkParts{"", ""}},
      {"[http://a.example]", std::nullopt},
      {"http://a.example+Seite", std::nullopt},
      {"[http://a.example+Seite", std::nullopt},
      {"", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(parseLink(c.value), c.link) << "value: " << c.value;
}

TEST(Extension, FromTheLastDotOfTheFileNameInLowerCase) {
  struct Case { const char* path; const char* ext; };
  const Case cases[] = {
      {"/cd/doku/Handbuch.PDF", ".pdf"}, {"/cd/a.b/datei", ""}, {"/cd/archiv.tar.GZ", ".gz"},
      {"/cd/", ""}, {"/cd/.profile", ".profile"}, {"/cd/BILD.JpG", ".jpg"}, {"datei.", "."},
  };
  for (const Case& c : cases) EXPECT_EQ(extensionOf(c.path), c.ext) << "path: " << c.path;
}

TEST(QuoteParameter, KeepsAnyPathOneWord) {
  EXPECT_EQ(quoteParameter("/cd/doku/info.pdf"), "\"/cd/doku/info.pdf\"");
  EXPECT_EQ(quoteParameter("/cd/a b.pdf"), "\"/cd/a b.pdf\"");
  EXPECT_EQ(quoteParameter("/cd/Bericht \"1\".pdf"), "\"/cd/Bericht \"'\"'\"1\"'\"'\".pdf\"");
}

class CatalogueMedium : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* base = std::getenv("TAVILO_TEST_TMP");
    root_ = fs::path(base ? base : "/tmp") / ("catalogue-" + std::to_string(::getpid()));
    fs::remove_all(root_);
    fs::create_directories(root_ / "bilder");
    fs::create_directories(root_ / "doku");
    for (const char* f : {"bilder/shot.jpg", "bilder/FOTO.JPG", "bilder/standby.gif", "doku/info.pdf", "prog/reader"}) {
      fs::create_directories((root_ / f).parent_path());
      std::ofstream(root_ / f) << "x";
    }
    dir_ = root_.string() + "/";
  }
  void TearDown() override { fs::remove_all(root_); }

  IniDocument ini(const std::string& text) {
    std::ofstream(root_ / "Tavilo.ini", std::ios::binary) << text;
    return ConfigFile((root_ / "Tavilo.ini").string()).read();
  }
  EntryView entry(const std::string& text, const std::string& emptyImage = "") {
    return readEntry(ini(text), dir_, 1, 1, emptyImage, "Keine Bemerkung");
  }

  fs::path root_;
  std::string dir_;
};

TEST_F(CatalogueMedium, PictureChoiceFirstCaseWins) {
  EntryView v = entry("[Programm_1_1]\nScreenshot=bilder\\shot.jpg\nLocation=bilder\\FOTO.JPG\n", dir_ + "bilder/standby.gif");
  EXPECT_EQ(v.pictureSource, PictureSource::Screenshot);
  EXPECT_EQ(v.shownPicture, dir_ + "bilder/shot.jpg");

  v = entry("[Programm_1_1]\nScreenshot=bilder\\fehlt.jpg\nLocation=bilder\\foto.jpg\n", dir_ + "bilder/standby.gif");
  EXPECT_EQ(v.pictureSource, PictureSource::Location) << "a picture entry shows itself, its extension in any case";
  EXPECT_EQ(v.shownPicture, dir_ + "bilder/FOTO.JPG");
  EXPECT_TRUE(v.isPicture);

  v = entry("[Programm_1_1]\nLocation=doku\\info.pdf\n", dir_ + "bilder/standby.gif");
  EXPECT_EQ(v.pictureSource, PictureSource::EmptyImage);
  EXPECT_EQ(v.shownPicture, dir_ + "bilder/standby.gif");

  v = entry("[Programm_1_1]\nLocation=doku\\info.pdf\n");
  EXPECT_EQ(v.pictureSource, PictureSource::Placeholder);
  EXPECT_EQ(v.shownPicture, "");

  v = entry("[Programm_1_1]\nScreenshot=\nLocation=\n");
  EXPECT_EQ(v.pictureSource, PictureSource::Placeholder) << "the program folder itself is no picture";
}

TEST_F(CatalogueMedium, RemarkNeedsALocation) {
  EXPECT_EQ(entry("[Programm_1_1]\nLocation=doku\\info.pdf\nBemerkung=Ein <b>Text</b>\n").remark, "Ein <b>Text</b>");
  EXPECT_EQ(entry("[Programm_1_1]\nLocation=doku\\info.pdf\n").remark, "Keine Bemerkung");
  EXPECT_EQ(entry("[Programm_1_1]\nLocation=  \nBemerkung=Da\n").remark, "");
  EXPECT_FALSE(entry("[Programm_1_1]\nBemerkung=Da\n").hasLocation);
}

TEST_F(CatalogueMedium, TypeEnablesItsButton) {
  struct Case { const char* typ; bool start, install, copy; };
  const Case cases[] = {
      {"Programm", true, false, false},    {"PROGRAMM", true, false, false}, {"programm", true, false, false},
      {"Installation", false, true, false}, {"nur KOPIEREN", false, false, true}, {"Leer", false, false, false},
      {"Program", false, false, false},    {"", false, false, false},
  };
  for (const Case& c : cases) {
    const EntryView v = entry(std::string("[Programm_1_1]\nTyp=") + c.typ + "\n");
    EXPECT_EQ(v.startEnabled, c.start) << c.typ;
    EXPECT_EQ(v.installEnabled, c.install) << c.typ;
    EXPECT_EQ(v.copyEnabled, c.copy) << c.typ;
  }
}

TEST_F(CatalogueMedium, EntryNamesListEmptyLinesForMissingKeys) {
  const IniDocument f = ini("[Gruppe_1]\nAnzahl=3\nProgramm_1=Eins\nProgramm_3=Drei\n[Gruppen]\nAnzahl=2000000000\n");
  EXPECT_EQ(readEntryNames(f, 1), (std::vector<std::string>{"Eins", "", "Drei"}));
  EXPECT_TRUE(readEntryNames(f, 2).empty());
  EXPECT_EQ(readGroupNames(f).size(), 10000u) << "a huge count is capped";
}

TEST_F(CatalogueMedium, AssociationsLastMatchingRowWins) {
  const std::string loc = dir_ + "doku/info.pdf";
  IniDocument f = ini("[Hiermit_Ausfuehren]\nAnzahl=3\nExt_1=.pdf\nProg_1=prog\\viewer\nExt_2=.txt\nProg_2=prog\\editor\n"
                     "Ext_3=.pdf\nProg_3=PROG\\Reader\n");
  EXPECT_EQ(planLaunch(f, dir_, loc, "/s", ".pdf"), (LaunchCommand{dir_ + "prog/reader", "\"" + loc + "\""}));
  EXPECT_EQ(planLaunch(f, dir_, dir_ + "setup.exe", "/s", ".exe"), (LaunchCommand{dir_ + "setup.exe", "/s"}));

  f = ini("[Hiermit_Ausfuehren]\nAnzahl=1\nExt_1=.PDF\nProg_1=prog\\reader\n");
  EXPECT_EQ(planLaunch(f, dir_, loc, "", ".pdf").file, loc) << "the row's extension is compared exactly";

  f = ini("[Hiermit_Ausfuehren]\nAnzahl=1\nProg_1=prog\\reader\n");
  EXPECT_EQ(planLaunch(f, dir_, dir_ + "README", "", "").file, dir_ + "prog/reader") << "no extension matches an empty row";
}

TEST_F(CatalogueMedium, AssociationCountIsStrict) {
  struct Case { const char* section; const char* message; };
  const Case cases[] = {
      {"[Programm]\n", "'' ist kein gültiger Integerwert"},
      {"[Hiermit_Ausfuehren]\nAnzahl=\n", "'' ist kein gültiger Integerwert"},
      {"[Hiermit_Ausfuehren]\nAnzahl=zwei\n", "'zwei' ist kein gültiger Integerwert"},
  };
  for (const Case& c : cases) {
    try {
      planLaunch(ini(c.section), dir_, dir_ + "x.pdf", "", ".pdf");
      ADD_FAILURE() << "no error for " << c.section;
    } catch (const Error& e) {
      EXPECT_EQ(std::string(e.what()), c.message);
    }
  }
  EXPECT_EQ(planLaunch(ini("[Hiermit_Ausfuehren]\nAnzahl=0\n"), dir_, dir_ + "x.pdf", "-p", ".pdf"),
            (LaunchCommand{dir_ + "x.pdf", "-p"}));
}

}  // namespace
}  // namespace tavilo::core
