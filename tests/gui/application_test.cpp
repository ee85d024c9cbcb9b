#include "gui/application.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Tooltip.H>
#include <FL/fl_draw.H>
#include <gtest/gtest.h>

#include <cstdarg>
#include <cstdio>
#include <string>

#include "core/error.h"
#include "gui/error_box.h"
#include "modal_answer.h"
#include "widget_test_support.h"
#include "x11_probe.h"

namespace tavilo::gui {
namespace {

TEST(WindowTitle, LegacyPropertiesHoldLatin1OrCompoundTextAfterShowAndEveryChange) {
  Application::instance();
  Fl_Double_Window window(200, 100, "Info über Tavilo");
  window.show();
  const auto titleIs = [&](const char* type, const std::string& utf8) {
    const test::TextPropertyInfo name = test::legacyTitle(window);
    return name.type == type && name.utf8 == utf8 && test::legacyTitle(window, true).utf8 == utf8;
  };
  // Handles the program's events until the title reads as wanted (the rewrite
  // follows FLTK's own write as an event), at most 10 s.
  const auto waitTitle = [&](const char* type, const std::string& utf8) {
    for (int i = 0; i < 1000 && !titleIs(type, utf8); ++i) Fl::wait(0.01);
    return titleIs(type, utf8);
  };
  EXPECT_TRUE(waitTitle("STRING", "Info über Tavilo"));
  EXPECT_EQ(test::legacyTitle(window).bytes, "Info \xfc" "ber Tavilo") << "one Latin-1 byte for the ü";
  window.label("Kopieren → Größe");  // the arrow is not Latin-1
  EXPECT_TRUE(waitTitle("COMPOUND_TEXT", "Kopieren → Größe")) << test::legacyTitle(window).type;
  window.label("Image: shot1.jpg");
  EXPECT_TRUE(waitTitle("STRING", "Image: shot1.jpg"));
  window.hide();
}

std::string warned;
void recordWarning(const char* format, ...) {
  char text[512];
  va_list args;
  va_start(args, format);
  std::vsnprintf(text, sizeof text, format, args);
  va_end(args);
  warned += std::string(text) + "\n";
}

TEST(WindowTitle, AWindowGoneBeforeItsTitleNoticeCausesNoXError) {
  Application::instance();
  const auto toolkitWarning = Fl::warning;
  Fl::warning = recordWarning;
  warned.clear();
  for (int i = 0; i < 5; ++i) {
    Fl_Double_Window window(200, 100, "Bestätigung");
    window.show();
    window.hide();  // destroyed while the notices of its title are still on their way
  }
  for (int i = 0; i < 50; ++i) Fl::wait(0.01);  // the errors come back as events
  Fl::warning = toolkitWarning;
  EXPECT_EQ(warned, "");
}

TEST(ErrorBoxText, FullStopAfterCharactersBeyondTheDot) {
  struct Case { const char* message; const char* shown; };
  const Case cases[] = {
      {"'blau' ist kein gültiger Integerwert", "'blau' ist kein gültiger Integerwert."},
      {"Fertig.", "Fertig."},
      {"Fehler!", "Fehler!"},
      {"(.xyz)", "(.xyz)"},
      {"Unbekannte Bilddateierweiterung (.tif)", "Unbekannte Bilddateierweiterung (.tif)"},
      {"nach /cd/Tavilo.ini kann nicht geschrieben werden", "nach /cd/Tavilo.ini kann nicht geschrieben werden."},
      {"Größe", "Größe."},
      {"Wert 7", "Wert 7."},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(Application::errorBoxText(c.message), c.shown) << c.message;
}

TEST(ErrorBox, ShowsTheMessageCaptionedWithTheTitleUntilOk) {
  Application& app = Application::instance();
  app.Title("Tavilo");
  std::string title, texts;
  test::answerNextModal([&](Fl_Window& w) {
    title = w.label() ? w.label() : "";
    auto* box = dynamic_cast<ErrorBox*>(&w);
    ASSERT_NE(box, nullptr);
    texts = box->message();
    ASSERT_NE(test::findButton(w, "OK"), nullptr);
    test::findButton(w, "OK")->do_callback();
  });
  app.ShowException("'x@y&z' ist kein gültiger Integerwert");
  EXPECT_EQ(title, "Tavilo");
  EXPECT_EQ(texts, "'x@y&z' ist kein gültiger Integerwert.");
}

TEST(ErrorBox, GuardedActionsShowTheirErrorAndGoOn) {
  std::string shown;
  test::answerNextModal([&](Fl_Window& w) {
    shown = dynamic_cast<ErrorBox&>(w).message();
    w.hide();
  });
  int runs = 0;
  EXPECT_NO_THROW(Application::instance().guarded([&] {
    ++runs;
    throw core::Error("Kaputt");
  })) << "the error ends in the box, not in the caller";
  EXPECT_EQ(runs, 1);
  EXPECT_EQ(shown, "Kaputt.");
}

TEST(Hints, TheControlUnderTheMouseOrItsParentGivesTheHint) {
  auto win = test::makeWindow(200, 100, 0xFFFFFF);
  auto* group = new Fl_Group(0, 0, 200, 100);
  auto* a = new Fl_Box(10, 10, 50, 50);
  auto* b = new Fl_Box(100, 10, 50, 50);
  group->end();
  win->end();
  Application& app = Application::instance();
  app.setHint(group, "Gruppe", false);
  app.setHint(a, "Erster", true);
  int changes = 0;
  app.OnHint([&] { ++changes; });
  app.trackHint(win.get(), 20, 20);
  EXPECT_EQ(app.Hint(), "Erster");
  EXPECT_STREQ(a->tooltip(), "Erster") << "a bubble hint is also a tooltip";
  app.trackHint(win.get(), 120, 20);
  EXPECT_EQ(app.Hint(), "Gruppe") << "a control without a hint shows its parent's";
  EXPECT_EQ(b->tooltip(), nullptr);
  app.trackHint(win.get(), 120, 20);
  EXPECT_EQ(changes, 2) << "the handler runs only when the hint changes";
  app.OnHint(nullptr);
}

TEST(Hints, ABubbleShowsAnAtSignAsWritten) {
  Fl_Box box(0, 0, 10, 10);
  Application& app = Application::instance();
  for (const std::string text : {"Link zu: mailto:info@firma.de", "@home", "a@@b@"}) {
    app.setHint(&box, text, true);
    EXPECT_EQ(app.hintOf(&box), text);
    // Measured as FLTK draws a tooltip, symbols on: the same as the plain text.
    fl_font(Fl_Tooltip::font(), Fl_Tooltip::size());
    int tipWidth = 0, tipHeight = 0, textWidth = 0, textHeight = 0;
    fl_measure(box.tooltip(), tipWidth, tipHeight, 1);
    fl_measure(text.c_str(), textWidth, textHeight, 0);
    EXPECT_EQ(tipWidth, textWidth) << text;
  }
}

TEST(Hints, AWidgetBuiltWhereADeletedOneWasHasNoHint) {
  Application& app = Application::instance();
  alignas(Fl_Box) unsigned char storage[sizeof(Fl_Box)];
  auto* old = new (storage) Fl_Box(0, 0, 10, 10);
  app.setHint(old, "Alter Hinweis", false);
  old->~Fl_Box();
  auto* fresh = new (storage) Fl_Box(0, 0, 10, 10);
  EXPECT_EQ(app.hintOf(fresh), "");
  app.setHint(fresh, "Neu", false);
  EXPECT_EQ(app.hintOf(fresh), "Neu");
  fresh->~Fl_Box();
}

TEST(Modal, ClosingAModalWindowActivatesTheWindowBelow) {
  auto main = test::makeWindow(100, 100, 0xFFFFFF);
  main->end();
  main->show();
  Application& app = Application::instance();
  Fl_Window* previousMain = app.MainForm();
  app.MainForm(main.get());
  int activations = 0;
  app.OnActivate(main.get(), [&] { ++activations; });
  Fl_Double_Window dialog(50, 50, "Dialog");
  dialog.end();
  test::answerNextModal([](Fl_Window& w) { w.hide(); });
  app.showModal(dialog);
  EXPECT_EQ(activations, 1);
  test::answerNextModal([](Fl_Window& w) { w.hide(); });
  app.ShowException("Kaputt");
  EXPECT_EQ(activations, 1) << "the error box leaves the windows as they are";
  app.OnActivate(main.get(), nullptr);
  app.MainForm(previousMain);
}

}  // namespace
}  // namespace tavilo::gui
