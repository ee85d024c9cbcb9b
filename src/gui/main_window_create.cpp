// TfrmMain::FormCreate: the configuration applied to the window at start.
#include <FL/Fl.H>
#include <FL/x.H>

#include "core/catalogue.h"
#include "core/error.h"
#include "core/ini/ini_text.h"
#include "gui/application.h"
#include "gui/glyphs.h"
#include "gui/main_window.h"
#include "platform/platform.h"

namespace tavilo::gui {

namespace {

// The first heading line moves to the middle of both lines' space when the
// second one is empty.
void centreFirstLine(TTextLabel& first, const TTextLabel& second) {
  if (!second.Caption().empty()) return;
  const int top = topOf(first);
  const int top2 = topOf(second);
  const int h2 = second.h();
  place(first, {leftOf(first), top + (top2 + h2 - top) / 2 - h2 / 2, first.w(), first.h()});
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
  // 4-7
  IniFileName = programDir_ + "Tavilo" + ".ini";
  config_ = std::make_unique<core::ConfigFile>(IniFileName);
  copy_label(("Tavilo " + std::string(ProgVersion)).c_str());
  CurGroup = 1;
  CurEntry = 1;
  if (!platform::fileExists(IniFileName)) WriteDefaultIni();
  // 8
  checkVersion();
  // 9-10
  ShowOnlyUsedButtons = ReadIniBool("Programm", "ShowOnlyUsedButton");
  std::string showGroups = ReadIniString("Gruppen", "Show_Gruppen");
  if (showGroups.empty()) showGroups = "1";
  for (Fl_Widget* w : {static_cast<Fl_Widget*>(lbGruppe), static_cast<Fl_Widget*>(Gruppen_Ueberschrift),
                       static_cast<Fl_Widget*>(Gruppen_Ueberschrift_2)})
    showGroups == "1" ? w->show() : w->hide();
  // 11-16
  LogoFile.clear();
  const std::string logo = ReadIniString("Programm", "Logo");
  if (!logo.empty()) {
    const std::string path = platform::resolveMediumPath(programDir_, logo);
    if (platform::fileExists(path)) LogoFile = path;
  }
  cd_titel->Caption(ReadIniString("Programm", "CD_Titel"));
  Gruppen_Ueberschrift->Caption(ReadIniString("Programm", "Gruppen_Ueberschrift"));
  Gruppen_Ueberschrift_2->Caption(ReadIniString("Programm", "Gruppen_Ueberschrift2"));
  if (Gruppen_Ueberschrift->Caption().empty()) Gruppen_Ueberschrift->Caption(DefaultGroupHeading);
  Programm_Ueberschrift->Caption(ReadIniString("Programm", "Programm_Ueberschrift"));
  Programm_Ueberschrift_2->Caption(ReadIniString("Programm", "Programm_Ueberschrift2"));
  if (Programm_Ueberschrift->Caption().empty()) Programm_Ueberschrift->Caption(DefaultEntryHeading);
  centreFirstLine(*Gruppen_Ueberschrift, *Gruppen_Ueberschrift_2);
  centreFirstLine(*Programm_Ueberschrift, *Programm_Ueberschrift_2);
  // 17-18
  TitleFontName = ReadIniString("Programm", "FontName");
  if (!TitleFontName.empty()) {
    const std::string face(core::utf8Prefix(TitleFontName, 31));
    for (TTextLabel* l : {static_cast<TTextLabel*>(cd_titel), Gruppen_Ueberschrift, Gruppen_Ueberschrift_2,
                          Programm_Ueberschrift, Programm_Ueberschrift_2})
      setFace(*l, face);
  }
  EmptyRemark = ReadIniString("Programm", "Leere_Bemerkung");
  // 19-27
  applyColors();
  // 28
  EmptyImageFile.clear();
  const std::string emptyImage = ReadIniString("Programm", "Leer_Image");
  if (!emptyImage.empty()) {
    const std::string path = platform::resolveMediumPath(programDir_, emptyImage);
    if (platform::fileExists(path)) EmptyImageFile = path;
  }
  // 29-31
  int width = ReadIniInteger("Programm", "Breite");
  int height = ReadIniInteger("Programm", "Hoehe");
  if (width == 0) width = 700;
  if (height == 0) height = 500;
  size(width, height);
  frameless_ = ReadIniString("Programm", "Border_Style") == "0";
  if (frameless_) {
    shapeRight_ = width + 1;
    shapeBottom_ = height + 1;
    applyShape();
  }
  size_range(100, 100);
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
  const std::vector<std::string> groups = core::readGroupNames(*config_);
  GroupCount = ReadIniInteger("Gruppen", "Anzahl");
  for (const std::string& name : groups) lbGruppe->Add(name);
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

void TfrmMain::applyColors() {
  const auto read = [this](const char* key) { return config_->ReadIniColor("Programm", key); };
  if (auto c = read("BorderFarbe")) color(toFl(*c));
  if (auto c = read("FensterFarbe")) {
    lbGruppe->Color(*c);
    lbProgramm->Color(*c);
    pnImage->Color(*c);
    Bemerkung->Color(*c);
    pnBemerkung->Color(*c);
  }
  if (auto c = read("VerlaufFarbe")) {
    IF_Gradient1->StartColor(*c);
    IF_Gradient2->StartColor(*c);
    GradientStartColor = *c;
  }
  if (auto c = read("VerlaufFarbe2")) {
    IF_Gradient1->EndColor(*c);
    IF_Gradient2->EndColor(*c);
    GradientEndColor = *c;
  }
  if (auto c = read("RahmenFarbe")) {
    IF_Gradient3->StartColor(*c);
    IF_Gradient4->EndColor(*c);
  }
  if (auto c = read("RahmenFarbe2")) {
    IF_Gradient3->EndColor(*c);
    IF_Gradient4->StartColor(*c);
  }
  if (auto c = read("TitelFarbe")) setFontColor(*cd_titel, *c);
  if (auto c = read("Fenster_Schriftfarbe")) {
    for (TListBox* l : {lbGruppe, lbProgramm}) {
      FontSpec f = l->Font();
      f.color = *c;
      l->Font(f);
    }
    FontSpec f = Bemerkung->Font();
    f.color = *c;
    Bemerkung->Font(f);
  }
  if (auto c = read("Rahmen_SchriftFarbe"))
    for (TTextLabel* l : {Gruppen_Ueberschrift, Gruppen_Ueberschrift_2, Programm_Ueberschrift, Programm_Ueberschrift_2})
      setFontColor(*l, *c);
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
  platform::setUndecorated(fl_display, fl_xid(this));
  platform::setRoundedShape(fl_display, fl_xid(this), shapeRight_, shapeBottom_, 30, 30);
}

void TfrmMain::show() {
  const bool first = !shown();
  if (first) position((Fl::w() - w()) / 2, (Fl::h() - h()) / 2);
  Fl_Double_Window::show();
  if (first) applyShape();
}

}  // namespace tavilo::gui
