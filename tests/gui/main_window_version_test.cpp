#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "dialog_test_support.h"
#include "gui/application.h"
#include "gui/my_msg_form.h"
#include "gui/widgets/text_label.h"
#include "main_window_test_support.h"
#include "modal_answer.h"

namespace tavilo::gui {
namespace {

struct Refusal {
  bool shown = false;
  std::string title, text, question, buttons;
  bool informationPicture = false;
};

// Builds the main window on a file with `version` and answers a refusal.
Refusal start(const std::string& iniText, bool& terminated, int& groups) {
  test::Medium medium;
  medium.ini(iniText);
  std::ifstream before(medium.root() / "Tavilo.ini", std::ios::binary);
  const std::string bytes(std::istreambuf_iterator<char>(before), {});
  Refusal r;
  test::answerNextModal([&](Fl_Window& w) {
    auto* form = dynamic_cast<TmsgForm*>(&w);
    if (!form) return;
    r.shown = true;
    r.title = form->Caption();
    r.text = form->Anzeigetext->Caption();
    r.question = form->Fragetext->Caption();
    r.buttons = test::describeButtons(w);
    r.informationPicture = form->Image->image() == form->iInformation->image();
    test::sendEnter(w);
  });
  {
    TfrmMain w(medium.dir());
    groups = w.lbGruppe->Count();
  }
  test::stopAnswering();
  Application& app = Application::instance();
  terminated = app.Terminated();
  app.ClearTerminate();
  std::ifstream after(medium.root() / "Tavilo.ini", std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(after), {}), bytes) << "nothing is written";
  return r;
}

TEST(VersionCheck, OldAndMissingVersionsAreRefused) {
  for (const char* line : {"Version=2.0\n", "Version=2.9\n", "Version=10\n", "Version=1.5\n", "Version=\n", ""}) {
    bool terminated = false;
    int groups = 0;
    const Refusal r = start(std::string("[Programm]\n") + line + "[Gruppen]\nAnzahl=1\nGruppe_1=Eins\n", terminated, groups);
    EXPECT_TRUE(r.shown) << line;
    EXPECT_EQ(r.title, "Tavilo") << line;
    EXPECT_EQ(r.text, "Die Tavilo.INI \nist nicht in der passenden Version.\nSie muß für Version > 2 sein.") << line;
    EXPECT_EQ(r.question, "Das Programm wird beendet.") << line;
    EXPECT_EQ(r.buttons, "Ok=1") << line;
    EXPECT_TRUE(r.informationPicture) << line;
    EXPECT_TRUE(terminated) << line;
    EXPECT_EQ(groups, 1) << "the start-up runs to its end: " << line;
  }
}

// What the start-up says when the file in Tavilo.ini's place cannot be read
// as a configuration; `make` puts it there.
std::string refusalFor(const std::function<void(const std::filesystem::path&)>& make, bool& terminated) {
  test::Medium medium;
  make(medium.root() / "Tavilo.ini");
  std::string text = "(none)";
  test::answerNextModal([&](Fl_Window& w) {
    if (auto* form = dynamic_cast<TmsgForm*>(&w)) text = form->Anzeigetext->Caption();
    test::sendEnter(w);
  });
  { TfrmMain w(medium.dir()); }
  test::stopAnswering();
  Application& app = Application::instance();
  terminated = app.Terminated();
  app.ClearTerminate();
  return text;
}

TEST(VersionCheck, AFileThatCannotBeReadIsNamedNotBlamedOnItsVersion) {
  struct Case {
    const char* name;
    std::function<void(const std::filesystem::path&)> make;
    const char* says;
  };
  const Case cases[] = {
      {"FIFO", [](const auto& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0644), 0); },
       "Die Tavilo.INI \nist keine gewöhnliche Datei,\nsondern eine benannte Pipe (FIFO)."},
      {"link to /dev/zero", [](const auto& p) { std::filesystem::create_symlink("/dev/zero", p); },
       "Die Tavilo.INI \nist keine gewöhnliche Datei,\nsondern ein Gerät."},
      {"Version beyond the 64 MiB read",
       [](const auto& p) {
         std::ofstream(p).close();
         std::filesystem::resize_file(p, 64u << 20);  // zeros, without taking the disk
         std::ofstream(p, std::ios::app) << "\r\n[Programm]\r\nVersion=4.02\r\n";
       },
       "Die Tavilo.INI \nist größer als 64 MiB. Gelesen werden nur\ndie ersten 64 MiB, und darin steht keine\n"
       "passende Version."},
  };
  for (const Case& c : cases) {
    bool terminated = false;
    EXPECT_EQ(refusalFor(c.make, terminated), c.says) << c.name;
    EXPECT_TRUE(terminated) << c.name;
  }
}

TEST(VersionCheck, UnicodeFilesOfWindowsNotepadAreReadAsText) {
  const std::u16string text = u"[Programm]\r\nVersion=4.02\r\nCD_Titel=Grüße\r\n[Gruppen]\r\nAnzahl=1\r\n"
                              u"Gruppe_1=Übersicht\r\n";
  for (const bool little : {true, false}) {
    test::Medium medium;
    std::string bytes = little ? "\xFF\xFE" : "\xFE\xFF";
    for (const char16_t unit : text) {
      const char low = static_cast<char>(unit & 0xFF), high = static_cast<char>(unit >> 8);
      bytes += little ? std::string{low, high} : std::string{high, low};
    }
    medium.file("Tavilo.ini", bytes);
    bool refused = false;
    test::answerNextModal([&](Fl_Window& w) {
      refused = true;
      test::sendEnter(w);
    });
    TfrmMain w(medium.dir());
    test::stopAnswering();
    EXPECT_FALSE(refused) << (little ? "little-endian" : "big-endian");
    EXPECT_EQ(w.cd_titel->Caption(), "Grüße");
    ASSERT_EQ(w.lbGruppe->Count(), 1);
    EXPECT_EQ(w.lbGruppe->Item(0), "Übersicht");
    Application::instance().ClearTerminate();
  }
}

TEST(VersionCheck, CurrentVersionsPass) {
  for (const char* version : {"3", "4.02", "Beta 1", "a"}) {
    bool terminated = true;
    int groups = 0;
    const Refusal r = start(std::string("[Programm]\nVersion=") + version + "\n", terminated, groups);
    EXPECT_FALSE(r.shown) << version;
    EXPECT_FALSE(terminated) << version;
  }
}

}  // namespace
}  // namespace tavilo::gui
