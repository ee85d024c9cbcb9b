#include "gui/info_window.h"

#include <sys/wait.h>

#include <FL/Fl.H>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <set>
#include <thread>

#include "core/contrast.h"
#include "core/gradient.h"
#include "gui/application.h"
#include "gui/widgets/if_gradient.h"
#include "gui/widgets/page_control.h"
#include "gui/widgets/tab_sheet.h"
#include "gui/widgets/web_address_label.h"
#include "main_window_test_support.h"
#include "modal_answer.h"
#include "pixel_capture.h"
#include "platform/platform.h"
#include "support/shell_quote.h"
#include "widget_test_support.h"

namespace tavilo::gui {
namespace {

class InfoWindow : public ::testing::Test {
 protected:
  void TearDown() override {
    info_.reset();
    main_.reset();
    Application::instance().MainForm(nullptr);
  }
  // The main window on a medium whose [Programm] section holds `keys`, and the info
  // window made after it, as the program entry makes them.
  void open(const std::string& keys) {
    medium_.ini("[Programm]\nVersion=4.02\n" + keys + "[Gruppen]\nAnzahl=0\n");
    main_ = test::openMainWindow(medium_);
    info_ = std::make_unique<TfrmInfo>(main_->Model(), *main_);
    main_->ShowInfoWindow = [this] { Application::instance().showModal(*info_); };
  }
  // Clicks the logo and runs `look` while the info window is shown modally.
  void clickLogo(const std::function<void(TfrmInfo&)>& look) {
    bool shown = false;
    test::answerNextModal([&](Fl_Window& w) {
      ASSERT_EQ(&w, info_.get());
      shown = true;
      look(*info_);
      info_->btnCloseClick();
    });
    main_->LogoClick();
    EXPECT_TRUE(shown);
  }

  test::Medium medium_;
  test::HomeOnMedium home_{medium_};
  std::unique_ptr<TfrmMain> main_;
  std::unique_ptr<TfrmInfo> info_;
};

TEST_F(InfoWindow, BackgroundRunsInTheTitleBarsColours) {
  ASSERT_EQ(test::exactColourProblem(), "");
  struct Case {
    const char* keys;
    std::uint32_t start, end;
  };
  const Case cases[] = {
      {"VerlaufFarbe=$0000FF\nVerlaufFarbe2=$C0C0C0\n", 0x0000FF, 0xC0C0C0},  // red to silver
      {"", 0x000000, 0x000000},                                              // black without the keys
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    open(c.keys);
    clickLogo([&](TfrmInfo& info) {
      const TIF_Gradient& bg = *info.BG2;
      // The right edge of the gradient: no control covers it.
      const test::Capture column = test::captureWindow(info, bg.x() + bg.w() - 3, bg.y(), 1, bg.h());
      const auto strips = core::gradientStrips(c.start, c.end, bg.h());
      for (int row = 0; row < bg.h(); ++row)
        ASSERT_EQ(test::Capture::hex(column.at(0, row)), test::Capture::hex(strips[static_cast<std::size_t>(row)]))
            << "row " << row << " of " << bg.h();
      if (c.start != c.end) {
        EXPECT_EQ(column.at(0, 0), c.start) << "red at the top";
        EXPECT_GT(column.at(0, bg.h() - 1) & 0xFF00, 0xB000u) << "nearly silver at the bottom";
      }
    });
  }
}

TEST_F(InfoWindow, OnlyTheInfoPageCanBeReached) {
  open("");
  for (int round = 0; round < 2; ++round) {
    clickLogo([&](TfrmInfo& info) {
      TPageControl& pages = *info.PageControl1;
      EXPECT_EQ(pages.ActivePage(), info.TabSheet1) << "round " << round;
      EXPECT_EQ(pages.PageCount(), 3);
      const core::Rect tab = pages.TabRect(info.TabSheet1);
      ASSERT_GT(tab.width, 0);
      EXPECT_EQ(pages.TabRect(info.TabSheet2).width, 0);
      EXPECT_EQ(pages.TabRect(info.TabSheet3).width, 0);
      // Presses along the whole row of tabs choose nothing but "Info".
      for (int x = 1; x < pages.w(); x += 4) {
        test::sendMouse(info, FL_PUSH, pages.x() + x, pages.y() + tab.top + tab.height / 2);
        test::sendMouse(info, FL_RELEASE, pages.x() + x, pages.y() + tab.top + tab.height / 2);
        ASSERT_EQ(pages.ActivePage(), info.TabSheet1) << "at " << x;
      }
      // Made active by the program, a hidden page is left again at the next activation.
      pages.ActivePage(info.TabSheet3);
    });
  }
}

TEST_F(InfoWindow, OpensCentredOverTheMainWindowAndInsideTheRightScreenEdge) {
  open("Breite=700\nHoehe=500\n");
  int sx, sy, sw, sh;
  Fl::screen_xywh(sx, sy, sw, sh, 0);
  main_->position(100, 100);
  test::pump(0.05);
  clickLogo([&](TfrmInfo& info) {
    EXPECT_EQ(info.x(), 100 + (main_->w() - info.w()) / 2);
    EXPECT_EQ(info.y(), 100 + (main_->h() - info.h()) / 2);
  });
  main_->position(sx + sw - 200, 100);
  test::pump(0.05);
  clickLogo([&](TfrmInfo& info) {
    EXPECT_EQ(info.x(), sx + sw - info.w() - 5) << "pulled back 5 pixels inside the right edge";
    EXPECT_EQ(info.y(), 100 + (main_->h() - info.h()) / 2) << "the height is not corrected";
  });
}

TEST_F(InfoWindow, LinksTurnRedWhilePressedAndOpenTheirAddresses) {
  // A desktop opener that appends what it was given.
  const std::string record = medium_.dir() + "xdg-open.rec";
  medium_.file("bin/xdg-open", "#!/bin/sh\nprintf '%s\\n' \"$@\" >> " + tavilo::testing::shellQuoted(record) + "\n", true);
  const std::string path = std::getenv("PATH");
  ::setenv("PATH", (medium_.dir() + "bin:" + path).c_str(), 1);
  open("");
  clickLogo([&](TfrmInfo& info) {
    for (TWEBLabel* link : {info.eMail1, info.eHome}) {
      const int x = link->x() + 3, y = link->y() + 3;
      test::sendMouse(info, FL_PUSH, x, y);
      EXPECT_EQ(link->Font().color, kRed);
      test::sendMouse(info, FL_RELEASE, x, y);
      EXPECT_EQ(link->Font().color, kBlue);
    }
    // A double click is one click: its second press (FLTK's count 1) opens nothing.
    const int x = info.eHome->x() + 3, y = info.eHome->y() + 3;
    for (int count : {0, 1}) {
      Fl::e_clicks = count;
      test::sendMouse(info, FL_PUSH, x, y);
      EXPECT_EQ(info.eHome->Font().color, kRed);
      test::sendMouse(info, FL_RELEASE, x, y);
    }
    Fl::e_clicks = 0;
  });
  ::setenv("PATH", path.c_str(), 1);
  // Every opener has ended once no child is left.
  for (int i = 0; i < 1000 && ::waitpid(-1, nullptr, WNOHANG) != -1; ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  std::multiset<std::string> opened;
  std::ifstream in(record);
  for (std::string line; std::getline(in, line);) opened.insert(line);
  EXPECT_EQ(opened, (std::multiset<std::string>{"mailto:info@tavilo.example", "http://www.tavilo.example/",
                                                 "http://www.tavilo.example/"}));
}

// A label's text against what lies around it, read from the screen: its
// darkest pixel against the darker of its top and bottom left corners (the
// gradient behind it runs from top to bottom).
double labelContrast(TfrmInfo& info, const Fl_Widget& label) {
  const test::Capture c = test::captureWindow(info, label.x(), label.y(), label.w(), label.h());
  std::uint32_t darkest = 0xFFFFFF;
  for (int y = 0; y < c.height(); ++y)
    for (int x = 0; x < c.width(); ++x)
      if (core::luminance(c.at(x, y)) < core::luminance(darkest)) darkest = c.at(x, y);
  const std::uint32_t top = c.at(0, 0), bottom = c.at(0, c.height() - 1);
  return core::contrastRatio(darkest, core::luminance(top) < core::luminance(bottom) ? top : bottom);
}

TEST_F(InfoWindow, TheTemplatesLabelsAreReadableWithoutTheGradientKeysTheyVanish) {
  ASSERT_EQ(test::exactColourProblem(), "");
  std::ifstream in(std::string(TAVILO_SOURCE_DIR) + "/examples/medium-template/Tavilo.ini", std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  ASSERT_NE(text.find("VerlaufFarbe2="), std::string::npos);
  struct Case {
    std::string ini;
    bool readable;
  };
  std::string withoutGradient = text;
  for (const char* key : {"VerlaufFarbe=", "VerlaufFarbe2="}) withoutGradient.replace(withoutGradient.find(key), 1, ";");
  for (const Case& c : {Case{text, true}, Case{withoutGradient, false}}) {
    medium_.file("Tavilo.ini", c.ini);
    main_ = test::openMainWindow(medium_);
    info_ = std::make_unique<TfrmInfo>(main_->Model(), *main_);
    main_->ShowInfoWindow = [this] { Application::instance().showModal(*info_); };
    clickLogo([&](TfrmInfo& info) {
      test::captureWindow(info);  // shown and drawn before a label is read
      for (Fl_Widget* label : std::initializer_list<Fl_Widget*>{info.ProductName, info.VersionT, info.lblDatum,
                                                                info.Copyright, info.Label3, info.Label2}) {
        const double contrast = labelContrast(info, *label);
        if (c.readable) EXPECT_GE(contrast, core::kReadableContrast) << label->x() << "," << label->y();
        else EXPECT_LT(contrast, 1.5) << label->x() << "," << label->y();
      }
    });
  }
}

}  // namespace
}  // namespace tavilo::gui
