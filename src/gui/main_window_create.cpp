// TfrmMain::FormCreate: the configuration applied to the window at start.
#include <FL/Fl.H>
#include <FL/Fl_Bitmap.H>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "core/error.h"
#include "core/layout/geometry.h"
#include "core/version.h"
#include "gui/application.h"
#include "gui/glyphs.h"
#include "gui/main_window.h"
#include "gui/native_window.h"
#include "platform/platform.h"

namespace tavilo::gui {

namespace {

// The first heading line moves to the middle of both lines' space when the
// second one is empty.
void centreFirstLine(TTextLabel& first, const TTextLabel& second) {
  if (!second.Caption().empty()) return;
  const int top = core::centredHeadingTop(topOf(first), topOf(second), second.h());
  place(first, {leftOf(first), top, first.w(), first.h()});
}

void setFace(TTextLabel& label, const std::string& face) {
  FontSpec f = label.Font();
  f.face = face;
  label.Font(f);
}

void setFontColor(TTextLabel& label, TColor c) {
  FontSpec f = label.Font();
  f.color = c;
  label.Font(f);
}

}  // namespace

void TfrmMain::FormCreate() {
  try {
    formCreateSteps();
  } catch (const core::Error& e) {
    // The remaining steps are skipped; the window keeps what it had so far.
    Application::instance().ShowException(e.what());
  }
}

void TfrmMain::formCreateSteps() {
  Application& app = Application::instance();
  // 1-3
  SetCaptions();
  size(500, 500);
  app.OnHint([this] { AppHint(); });
  app.HintColor(kYellow);
  icon(glyphs::windowIcon());
  // 4-7 (the model knows IniFileName from the program's folder)
  copy_label(("Tavilo " + std::string(core::ProgVersion)).c_str());
  model_.CurGroup = 1;
  model_.CurEntry = 1;
  if (!platform::fileExists(model_.IniFileName)) model_.Config.WriteDefaultIni();
  core::ConfigBytes file = model_.Config.readFile();
  // The start is one action: the first activation reads this same snapshot
  // instead of the file again.
  startIni_ = core::IniDocument::parse(std::move(file.bytes));
  const core::StartSettings s =
      core::readStartSettings(*startIni_, model_.ProgramDir, model_.DefaultGroupHeading, model_.DefaultEntryHeading);
  // 8
  checkVersion(core::startRefusal(file, s.versionAccepted));
  // 9-10
  model_.ShowOnlyUsedButtons = s.showOnlyUsedButtons;
  for (Fl_Widget* w : {static_cast<Fl_Widget*>(lbGruppe), static_cast<Fl_Widget*>(Gruppen_Ueberschrift),
                       static_cast<Fl_Widget*>(Gruppen_Ueberschrift_2)})
    s.showGroups ? w->show() : w->hide();
  // 11-16
  model_.LogoFile = s.logoFile;
  cd_titel->Caption(s.cdTitle);
  Gruppen_Ueberschrift->Caption(s.groupHeading);
  Gruppen_Ueberschrift_2->Caption(s.groupHeading2);
  Programm_Ueberschrift->Caption(s.entryHeading);
  Programm_Ueberschrift_2->Caption(s.entryHeading2);
  centreFirstLine(*Gruppen_Ueberschrift, *Gruppen_Ueberschrift_2);
  centreFirstLine(*Programm_Ueberschrift, *Programm_Ueberschrift_2);
  // 17-18
  model_.TitleFontName = s.titleFontName;
  if (!s.titleFace.empty())
    for (TTextLabel* l : {static_cast<TTextLabel*>(cd_titel), Gruppen_Ueberschrift, Gruppen_Ueberschrift_2,
                          Programm_Ueberschrift, Programm_Ueberschrift_2})
      setFace(*l, s.titleFace);
  model_.EmptyRemark = s.emptyRemark;
  // 19-27: a colour that is not a number ends the start-up at its key.
  applyColors(s.colors);
  if (s.colorError) throw core::Error(*s.colorError);
  // 28
  model_.EmptyImageFile = s.emptyImageFile;
  // 29-31
  size(s.width, s.height);
  frameless_ = s.frameless;
  if (frameless_) {
    shapeRight_ = s.width + 1;
    shapeBottom_ = s.height + 1;
    applyShape();
  }
  size_range(core::kMinWindowExtent, core::kMinWindowExtent);
  borderWidth_ = 6;
  alignBars();
  // 32
  place(*lbGruppe, {10, 50, lbGruppe->w(), 140});
  place(*pnImage, {10, topOf(*lbGruppe) + lbGruppe->h() + 10, pnImage->w(), pnImage->h()});
  place(*lbProgramm, {leftOf(*lbProgramm), topOf(*lbGruppe), lbProgramm->w(), 190});
  place(*pnBemerkung, {leftOf(*pnBemerkung), topOf(*lbProgramm) + lbProgramm->h() + 10, pnBemerkung->w(),
                       pnBemerkung->h()});
  // 33
  frameless_ ? btnX1->show() : btnX1->hide();
  frameless_ ? btnMin->show() : btnMin->hide();
  // 34
  model_.GroupCount = static_cast<int>(s.groupNames.size());
  for (const std::string& name : s.groupNames) lbGruppe->Add(name);
  // 35-36
  for (TFlatButton* b : {btnInstall, btnStarten, btnKopieren, btnCDdurchsuchen}) {
    FontSpec f = b->Font();
    f.color = cd_titel->Font().color;
    b->Font(f);
  }
  setActionButtons(false, false, false);
  // 37
  place(*btnX1, {Panel1->w() - btnX1->w() - 5, 5, btnX1->w(), btnX1->h()});
  place(*btnMin, {leftOf(*btnX1) - btnMin->w() - 5, 5, btnMin->w(), btnMin->h()});
  place(*Logo, {leftOf(*btnMin) - Logo->w() - 10, topOf(*Logo), Logo->w(), Logo->h()});
}

void TfrmMain::applyColors(const core::StartColors& c) {
  if (c.border) color(toFl(*c.border));
  if (c.window) {
    lbGruppe->Color(*c.window);
    lbProgramm->Color(*c.window);
    pnImage->Color(*c.window);
    Bemerkung->Color(*c.window);
    pnBemerkung->Color(*c.window);
  }
  if (c.gradientStart) {
    IF_Gradient1->StartColor(*c.gradientStart);
    IF_Gradient2->StartColor(*c.gradientStart);
    model_.GradientStartColor = *c.gradientStart;
  }
  if (c.gradientEnd) {
    IF_Gradient1->EndColor(*c.gradientEnd);
    IF_Gradient2->EndColor(*c.gradientEnd);
    model_.GradientEndColor = *c.gradientEnd;
  }
  if (c.frame) {
    IF_Gradient3->StartColor(*c.frame);
    IF_Gradient4->EndColor(*c.frame);
  }
  if (c.frame2) {
    IF_Gradient3->EndColor(*c.frame2);
    IF_Gradient4->StartColor(*c.frame2);
  }
  if (c.title) setFontColor(*cd_titel, *c.title);
  if (c.windowFont) {
    for (TListBox* l : {lbGruppe, lbProgramm}) {
      FontSpec f = l->Font();
      f.color = *c.windowFont;
      l->Font(f);
    }
    FontSpec f = Bemerkung->Font();
    f.color = *c.windowFont;
    Bemerkung->Font(f);
  }
  if (c.frameFont)
    for (TTextLabel* l : {Gruppen_Ueberschrift, Gruppen_Ueberschrift_2, Programm_Ueberschrift, Programm_Ueberschrift_2})
      setFontColor(*l, *c.frameFont);
}

void TfrmMain::setActionButtons(bool start, bool install, bool copy) {
  const auto enable = [](TFlatButton* b, TMenuItem& item, bool on) {
    on ? b->activate() : b->deactivate();
    item.Enabled = on;
  };
  enable(btnStarten, Startenoeffnen1(), start);
  enable(btnInstall, Installieren1(), install);
  enable(btnKopieren, Kopieren1(), copy);
}

void TfrmMain::applyShape() {
  if (!frameless_ || !shown()) return;
  platform::setUndecorated(nativeWindow(*this));
  // The mask is made at the size in screen pixels, so that the corners are as
  // fine at a desktop scale of 2 as at 1.
  const float scale = Fl::screen_scale(screen_num());
  const int width = static_cast<int>(w() * scale), height = static_cast<int>(h() * scale);
  if (width <= 0 || height <= 0) return;
  const auto px = [scale](int v) { return static_cast<int>(std::lround(v * scale)); };
  // A bitmap (a bit a pixel, the lowest bit leftmost), which FLTK takes as it
  // is; an image with one byte a pixel it would first turn into this bitmap,
  // pixel by pixel.
  const std::size_t rowBytes = (static_cast<std::size_t>(width) + 7) / 8;
  std::vector<std::uint8_t> bits(rowBytes * static_cast<std::size_t>(height), 0);
  for (const core::ShapeSpan& span : core::roundedRectSpans(px(shapeRight_), px(shapeBottom_), px(30), px(30))) {
    if (span.y >= height) break;
    std::uint8_t* row = bits.data() + static_cast<std::size_t>(span.y) * rowBytes;
    int x = span.x0;
    const int x1 = std::min(span.x1, width);
    for (; x < x1 && x % 8 != 0; ++x) row[x / 8] |= static_cast<std::uint8_t>(1u << (x % 8));
    for (; x + 8 <= x1; x += 8) row[x / 8] = 0xff;
    for (; x < x1; ++x) row[x / 8] |= static_cast<std::uint8_t>(1u << (x % 8));
  }
  auto mask = std::make_unique<Fl_Bitmap>(bits.data(), width, height);
  shape(mask.get());
  shapeMask_ = std::move(mask);  // the previous mask goes only once FLTK no longer holds it
  shapeBits_ = std::move(bits);
  // On Windows FLTK hands the shape to the system when it next draws the window.
  redraw();
}

void TfrmMain::show() {
  const bool first = !shown();
  if (first) position((Fl::w() - w()) / 2, (Fl::h() - h()) / 2);
  Fl_Double_Window::show();
  if (first) {
    platform::setShellOwner(nativeWindow(*this).handle);
    applyShape();
    Fl::focus(lbProgramm);  // the entry list has the keyboard first
  }
}

}  // namespace tavilo::gui
