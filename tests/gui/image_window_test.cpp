#include "gui/image_window.h"

#include <FL/Fl.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_File_Browser.H>
#include <FL/Fl_File_Input.H>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "gui/application.h"
#include "gui/error_box.h"
#include "gui/widgets/image.h"
#include "gui/widgets/panel.h"
#include "dialog_test_support.h"
#include "main_window_test_support.h"
#include "modal_answer.h"
#include "pixel_capture.h"
#include "widget_test_support.h"

namespace fs = std::filesystem;

namespace tavilo::gui {
namespace {

template <class T>
T* findChild(Fl_Group& group) {
  for (int i = 0; i < group.children(); ++i) {
    if (auto* found = dynamic_cast<T*>(group.child(i))) return found;
    if (Fl_Group* g = group.child(i)->as_group())
      if (T* found = findChild<T>(*g)) return found;
  }
  return nullptr;
}

std::string contentOf(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

class ImageWindow : public ::testing::Test {
 protected:
  void TearDown() override {
    test::stopAnswering();
    Application::instance().MainForm(nullptr);  // a main window made here is gone
  }

  // Runs `act` once the file chooser has shown itself (its name field has the focus):
  // it runs the event loop while it shows, so a modal answer can come too early.
  static void whenShown(Fl_Window& chooser, std::function<void(Fl_Window&)> act) {
    struct Pending {
      Fl_Window* chooser;
      std::function<void(Fl_Window&)> act;
      int polls = 0;
      static void poll(void* data) {
        auto* p = static_cast<Pending*>(data);
        const bool ready = dynamic_cast<Fl_File_Input*>(Fl::focus()) && Fl::focus()->window() == p->chooser;
        if (!ready && ++p->polls < 1000) return Fl::repeat_timeout(0.01, poll, data);
        p->act(*p->chooser);
        if (::testing::Test::HasFatalFailure() && p->chooser->shown()) p->chooser->hide();
        delete p;
      }
    };
    Fl::add_timeout(0.01, Pending::poll, new Pending{&chooser, std::move(act)});
  }

  // What the file chooser showed when it opened.
  struct Offer {
    std::string title, name, filter;
    std::string nameLabel, showLabel;  // the chooser speaks German
  };
  // Answers the file chooser: types `name` and presses OK, or presses Cancel for "".
  static void choose(Fl_Window& chooser, const std::string& name, Offer* offer = nullptr) {
    auto* input = findChild<Fl_File_Input>(chooser);
    ASSERT_NE(input, nullptr);
    if (offer) {
      offer->title = chooser.label() ? chooser.label() : "";
      offer->name = input->value();
      if (auto* filter = findChild<Fl_Choice>(chooser); filter && filter->text(0)) offer->filter = filter->text(0);
      // The name field's label is the box that follows it.
      const Fl_Group& row = *input->parent();
      if (const int i = row.find(input) + 1; i < row.children() && row.child(i)->label())
        offer->nameLabel = row.child(i)->label();
      if (auto* filter = findChild<Fl_Choice>(chooser); filter && filter->label()) offer->showLabel = filter->label();
    }
    input->value(name.c_str());
    Fl_Widget* button = test::findButton(chooser, name.empty() ? "Abbrechen" : "OK");
    ASSERT_NE(button, nullptr);
    button->do_callback();
  }

  test::Medium medium_;
  test::HomeOnMedium home_{medium_};
};

TEST_F(ImageWindow, OnlyAShownPictureOpensTheWindowCaptionedWithItsName) {
  medium_.jpeg("bilder/shot1.jpg", 320, 200);
  medium_.ini("[Programm]\nVersion=4.02\nBreite_Links=50\nImageHoehe=50\n[Gruppen]\nAnzahl=1\nGruppe_1=G\n[Gruppe_1]\nAnzahl=2\n"
              "[Programm_1_1]\nTyp=Programm\nScreenshot=bilder\\shot1.jpg\n[Programm_1_2]\nTyp=Programm\n");
  auto w = test::openMainWindow(medium_);
  TfrmImage frmImage(w->Model());
  int opened = 0;
  w->ShowImageWindow = [&] {
    ++opened;
    Application::instance().showModal(frmImage);
  };
  const auto clickScreenshot = [&] {
    const TImage& shot = *w->imgScreenshot;
    test::sendMouse(*w, FL_PUSH, shot.x() + shot.w() / 2, shot.y() + shot.h() / 2);
    test::sendMouse(*w, FL_RELEASE, shot.x() + shot.w() / 2, shot.y() + shot.h() / 2);
  };

  w->lbProgramm->ItemIndex(1);
  w->lbProgrammClick();
  ASSERT_EQ(w->Model().ShownPicture, "");
  clickScreenshot();
  EXPECT_EQ(opened, 0) << "the placeholder opens nothing";

  w->lbProgramm->ItemIndex(0);
  w->lbProgrammClick();
  ASSERT_EQ(w->Model().ShownPicture, medium_.dir() + "bilder/shot1.jpg");
  std::string caption;
  int pictureWidth = 0;
  test::answerNextModal([&](Fl_Window& win) {
    ASSERT_EQ(&win, &frmImage);
    caption = win.label();
    pictureWidth = frmImage.img->PictureWidth();
    // A click on the picture closes the window.
    test::sendMouse(frmImage, FL_PUSH, frmImage.img->x() + 5, frmImage.img->y() + 5);
    test::sendMouse(frmImage, FL_RELEASE, frmImage.img->x() + 5, frmImage.img->y() + 5);
  });
  clickScreenshot();
  EXPECT_EQ(opened, 1);
  EXPECT_EQ(caption, "Image: shot1.jpg");
  EXPECT_EQ(pictureWidth, 320);
  EXPECT_FALSE(frmImage.shown());
}

TEST_F(ImageWindow, CopyTakesTheChosenNameWithThePicturesExtension) {
  medium_.file("bilder/shot1.GIF", "GIF89a: die Bilddaten");
  core::MenuModel model(medium_.dir());
  model.ShownPicture = medium_.dir() + "bilder/shot1.GIF";
  TfrmImage frmImage(model);
  medium_.file("home/.profile", "");
  const std::string target = medium_.dir() + "ziel/";
  struct Case {
    std::string chosen;  // "" cancels
    std::string written;
    const char* old;     // the target's content before, when it exists
  };
  const Case cases[] = {
      {"", "", nullptr},
      {target + "bild.png", target + "bild.GIF", nullptr},
      {target + "neu/bild", target + "neu/bild.GIF", nullptr},
      {target + "bild.gif", target + "bild.GIF", "altes Bild, schreibgeschützt"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.chosen);
    if (c.old) {
      medium_.file("ziel/bild.GIF", c.old);
      ::chmod(c.written.c_str(), 0444);
    }
    Offer offer;
    test::answerNextModal([&](Fl_Window& chooser) { whenShown(chooser, [&](Fl_Window& w) { choose(w, c.chosen, &offer); }); });
    const std::size_t modals = test::seenModalTitles().size();
    frmImage.Copy1Click();
    EXPECT_EQ(test::seenModalTitles().size(), modals + 1) << "the chooser and no question";
    EXPECT_EQ(offer.title, "Image kopieren nach...");
    EXPECT_EQ(offer.name, medium_.dir() + "home/shot1.GIF") << "the picture's name in the home folder";
    EXPECT_EQ(offer.nameLabel, "Dateiname:");
    EXPECT_EQ(offer.showLabel, "Zeigen:");
    EXPECT_EQ(offer.filter, "Image (*.GIF)");
    if (c.written.empty()) {
      EXPECT_FALSE(fs::exists(target)) << "cancelled";
      continue;
    }
    EXPECT_EQ(contentOf(c.written), "GIF89a: die Bilddaten");
    EXPECT_FALSE(fs::exists(c.chosen) && c.chosen != c.written) << "nothing under the name as chosen";
  }
}

TEST_F(ImageWindow, ATargetThatCannotBeWrittenReachesTheErrorBox) {
  medium_.file("bilder/shot1.jpg", "JPEG");
  medium_.file("kein-ordner", "eine Datei");
  core::MenuModel model(medium_.dir());
  model.ShownPicture = medium_.dir() + "bilder/shot1.jpg";
  TfrmImage frmImage(model);
  std::string message;
  test::answerAllModals([&](Fl_Window& w) {
    if (auto* box = dynamic_cast<ErrorBox*>(&w)) {
      message = box->message();
      box->hide();
    } else {
      whenShown(w, [this](Fl_Window& chooser) { choose(chooser, medium_.dir() + "kein-ordner/bild.jpg"); });
    }
  });
  fire(frmImage.Copy1().OnClick);
  test::stopAnswering();
  EXPECT_NE(message.find("kein-ordner/bild.jpg"), std::string::npos) << message;
}

TEST_F(ImageWindow, EverySizeChangeLoadsThePictureAgainAndFitsIt) {
  medium_.jpeg("bilder/breit.jpg", 1600, 800);
  core::MenuModel model(medium_.dir());
  model.ShownPicture = medium_.dir() + "bilder/breit.jpg";
  TfrmImage frmImage(model);
  const std::size_t modals = test::seenModalTitles().size();
  test::answerNextModal([&](Fl_Window& win) {
    const TPanel& panel = *frmImage.Panel1;
    const TImage& img = *frmImage.img;
    ASSERT_EQ(panel.w() % 2, 0);
    EXPECT_EQ(test::at(img), (core::Rect{0, (panel.h() - panel.w() / 2) / 2, panel.w(), panel.w() / 2}))
        << "fitted across the width";
    // Decoded smaller than it is, but never smaller than shown: sharp at every size.
    EXPECT_LT(img.Picture()->w(), 1600);
    EXPECT_GE(img.Picture()->w(), panel.w());
    // Another picture under the same name, then the window maximised.
    medium_.jpeg("bilder/breit.jpg", 2000, 1000);
    int sx, sy, sw, sh;
    Fl::screen_xywh(sx, sy, sw, sh, 0);
    win.resize(sx, sy, sw, sh);
    ASSERT_EQ(panel.w(), sw);
    EXPECT_EQ(img.PictureWidth(), 2000) << "read from the file again";
    EXPECT_EQ(test::at(img), (core::Rect{0, (sh - sw / 2) / 2, sw, sw / 2}));
    EXPECT_GE(img.Picture()->w(), sw);
    // A file that can no longer be read shows the placeholder, without a message.
    medium_.file("bilder/breit.jpg", "kaputt");
    win.resize(sx, sy, 600, 400);
    EXPECT_TRUE(frmImage.ShowsPlaceholder());
    EXPECT_EQ(frmImage.Caption(), "Image: breit.jpg");
    win.hide();
  });
  Application::instance().showModal(frmImage);
  EXPECT_EQ(test::seenModalTitles().size(), modals + 1) << "no error box";
}

// Counts the green pixels of the shown pop-up menu, then closes it with Esc.
struct PopupLook {
  int green = -1;
  int polls = 0;
  static void poll(void* data) {
    auto* look = static_cast<PopupLook*>(data);
    Fl_Window* menu = Fl::grab();  // the menu's own window grabs the events
    if (!menu || !menu->shown()) {
      if (++look->polls < 1000) Fl::repeat_timeout(0.01, poll, data);
      return;
    }
    look->green = test::countOf(test::captureWindow(*menu), [](std::uint32_t px) {
      const unsigned r = px & 0xFF, g = (px >> 8) & 0xFF, b = (px >> 16) & 0xFF;
      return g > 130 && r < 110 && b < 110;
    });
    test::sendEscape(*menu);
  }
};

TEST_F(ImageWindow, TheCopyItemShowsItsPicture) {
  ASSERT_EQ(test::exactColourProblem(), "");
  core::MenuModel model(medium_.dir());
  TfrmImage frmImage(model);
  frmImage.show();
  test::sendMouse(frmImage, FL_MOVE, 50, 50);
  PopupLook look;
  Fl::add_timeout(0.01, PopupLook::poll, &look);
  EXPECT_EQ(frmImage.PopupMenu1.Popup(), -1);
  EXPECT_GE(look.green, 8) << "the green arrow of the item's picture";
  frmImage.hide();
}

}  // namespace
}  // namespace tavilo::gui
