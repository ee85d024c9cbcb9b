#include <gtest/gtest.h>

#include <fstream>

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
