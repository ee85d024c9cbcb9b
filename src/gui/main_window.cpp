// TfrmMain: the control tree at its design values, the captions, the hints,
// the pop-up menu and the window's own event routing.
#include "gui/main_window.h"

#include <FL/Fl.H>

#include <vector>

#include "gui/application.h"
#include "gui/glyphs.h"
#include "platform/platform.h"

namespace tavilo::gui {

namespace {

constexpr TColor kDesignTitleStart = 0x4080FF;
constexpr TColor kListColor = 0x75C5F0;
constexpr TColor kStatusColor = 0x5B97C4;

FontSpec font(const char* face, int size, bool bold, TColor color) {
  FontSpec f;
  f.face = face;
  f.size = size;
  f.bold = bold;
  f.color = color;
  return f;
}

TIF_Gradient* backgroundGradient(TColor start, TColor end) {
  Fl_Group* g = Fl_Group::current();
  auto* gradient = new TIF_Gradient(g->x(), g->y(), g->w(), g->h());
  gradient->Direction(gdLeftRight);
  gradient->StartColor(start);
  gradient->EndColor(end);
  gradient->Align(alClient);
  return gradient;
}

TTextLabel* heading(int left, int top, int width, const char* caption) {
  Fl_Group* g = Fl_Group::current();
  auto* label = new TTextLabel(g->x() + left, g->y() + top, width, 19);
  label->Autosize(false);
  label->ShowAccelChar(false);  // configuration text: an '&' is an ampersand
  label->Alignment(taCenter);
  label->Font(font("Arial", 15, true, kBlue));
  label->Caption(caption);
  return label;
}

TFlatButton* actionButton(int left, const char* caption) {
  Fl_Group* g = Fl_Group::current();
  auto* b = new TFlatButton(g->x() + left, g->y() + 5, 100, 22);
  b->Caption(caption);
  b->Font(font("Arial", 12, true, kBlack));
  b->Border(true);
  b->BorderColor(kBlack);
  b->FocusedColor(0xFFC1C1);
  b->DownColor(0xFFD9D9);
  b->Cursor(FL_CURSOR_HAND);
  return b;
}

}  // namespace

TfrmMain::TfrmMain(std::string programDir)
    : Fl_Double_Window(517, 515, "Tavilo"), myMsgDlg1(this), model_(std::move(programDir)) {
  myMsgDlg1.StartColor(0x7E92FE);
  myMsgDlg1.EndColor(kSilver);
  myMsgDlg1.TextColor(kBlack);
  myMsgDlg1.Sprache_D(true);
  box(FL_FLAT_BOX);
  color(toFl(kSilver));
  resizable(nullptr);
  buildTitleBar();
  buildLeftPanel();
  buildRightPanel();
  buildBottomBar();
  MyStatusBar1 = new TMyStatusBar(0, 0, 493, 20);
  MyStatusBar1->Color(kStatusColor);
  MyStatusBar1->Font(font("MS Sans Serif", 11, true, kMaroon));
  end();
  buildPopupMenu();
  alignBars();
  Application::instance().OnActivate(this, [this] { FormActivate(); });
  FormCreate();
  created_ = true;
}

TfrmMain::~TfrmMain() { Application::instance().OnActivate(this, nullptr); }

// The bars and the title drag the window. The place of the mouse in the
// control is taken from the screen position and where the window was put,
// so that a move the window manager has not carried out yet does not count.
MouseHandler TfrmMain::dragHandler(Fl_Widget* control) {
  return [this, control](int event, int, int) {
    const int x = Fl::event_x_root() - this->x() - control->x();
    const int y = Fl::event_y_root() - this->y() - control->y();
    if (event == FL_PUSH) IF_Gradient1MouseDown(x, y);
    else if (event == FL_DRAG) IF_Gradient1MouseMove(x, y);
    else if (event == FL_RELEASE) IF_Gradient1MouseUp();
  };
}

void TfrmMain::buildTitleBar() {
  Panel1 = new TPanel(8, 8, 493, 50);
  IF_Gradient1 = backgroundGradient(kDesignTitleStart, kSilver);
  IF_Gradient1->Cursor(FL_CURSOR_MOVE);
  IF_Gradient1->OnMouse(dragHandler(IF_Gradient1));
  // Its picture is drawn when an entry first lacks one (showPlaceholder):
  // drawing it costs the start a font and a round trip to the display.
  keinBildBack = new TImage(8 + 229, 8, 105, 50);
  keinBildBack->hide();
  Logo = new TImage(8 + 380, 8 + 5, 60, 40);
  Logo->Stretch(true);
  Logo->Transparent(true);
  Logo->Cursor(FL_CURSOR_HAND);
  Logo->OnClick([this] { LogoClick(); });
  cd_titel = new TLabel3D(8 + 11, 8 + 9, 107, 32);
  cd_titel->ShowAccelChar(false);
  cd_titel->Font(font("Arial", 27, true, kBlue));
  cd_titel->Caption("CD-Titel");
  cd_titel->OnMouse(dragHandler(cd_titel));
  cd_titel->Cursor(FL_CURSOR_MOVE);
  btnX1 = new TFlatButton(8 + 475, 8 + 5, 18, 18);
  btnX1->Solid(true);
  btnX1->Color(kRed);
  btnX1->Glyph(glyphs::titleClose());
  btnX1->Cursor(FL_CURSOR_HAND);
  btnX1->OnClick([this] { btnX1Click(); });
  btnMin = new TFlatButton(8 + 454, 8 + 5, 18, 18);
  btnMin->Solid(true);
  btnMin->Color(kRed);
  btnMin->Glyph(glyphs::titleMinimise());
  btnMin->Cursor(FL_CURSOR_HAND);
  btnMin->OnClick([this] { btnMinClick(); });
  Panel1->end();
}

void TfrmMain::buildLeftPanel() {
  pnLinks = new TPanel(8, 8 + 50, 226, 365);
  IF_Gradient3 = backgroundGradient(kAqua, kSilver);
  Gruppen_Ueberschrift = heading(9, 6, 209, "Gruppen_Ueberschrift");
  Gruppen_Ueberschrift_2 = heading(9, 26, 209, "");
  lbGruppe = new TListBox(8 + 10, 58 + 50, 206, 140);
  lbGruppe->Color(kListColor);
  lbGruppe->Font(font("MS Sans Serif", 11, true, kBlack));
  lbGruppe->OnClick([this] { lbGruppeClick(); });
  pnImage = new TPanel(8 + 8, 58 + 200, 185, 105);
  pnImage->Filled(true);
  imgScreenshot = new TImage(16 + 16, 258 - 30, 201, 151);
  imgScreenshot->Stretch(true);
  imgScreenshot->Center(true);
  imgScreenshot->Cursor(FL_CURSOR_HAND);
  imgScreenshot->OnClick([this] { imgScreenshotClick(); });
  pnImage->end();
  pnLinks->end();
}

void TfrmMain::buildRightPanel() {
  const int left = 8 + 226, top = 58;
  pnRechts = new TPanel(left, top, 267, 365);
  IF_Gradient4 = backgroundGradient(kSilver, kAqua);
  Programm_Ueberschrift = heading(9, 6, 250, "Gruppen_Ueberschrift");
  Programm_Ueberschrift_2 = heading(13, 26, 244, "");
  lbProgramm = new TListBox(left + 10, top + 50, 250, 190);
  lbProgramm->Color(kListColor);
  lbProgramm->Font(font("MS Sans Serif", 11, true, kBlack));
  lbProgramm->OnClick([this] { lbProgrammClick(); });
  lbProgramm->OnDblClick([this] { lbProgrammDblClick(); });
  lbProgramm->TabStop(false);
  pnBemerkung = new TPanel(left + 10, top + 250, 248, 104);
  pnBemerkung->Filled(true);
  pnBemerkung->BorderLine(true);
  WebLabel1 = new TWebLabel(left + 11, top + 251, 246, 13);
  WebLabel1->Alignment(taCenter);
  WebLabel1->Font(font("MS Sans Serif", 11, true, kNavy));
  WebLabel1->HoverColor(kBlue);
  WebLabel1->HoverBackground(kSilver);
  WebLabel1->Caption("WebLabel1");
  WebLabel1->OnClick([this] { WebLabel1Click(); });
  Bevel1 = new Fl_Box(FL_THIN_DOWN_FRAME, left + 11, top + 264, 246, 3, nullptr);
  // Shown once an entry gives them a link: an error box at start may show the
  // window before any entry was chosen.
  WebLabel1->hide();
  Bevel1->hide();
  Bemerkung = new TRichEdit(left + 11, top + 267, 246, 86);
  Bemerkung->Color(kSilver);
  Bemerkung->Font(font("Arial", 11, true, kBlack));
  Bemerkung->visible_focus(0);
  pnBemerkung->end();
  pnRechts->end();
}

void TfrmMain::buildBottomBar() {
  Panel4 = new TPanel(8, 8 + 415, 493, 30);
  IF_Gradient2 = backgroundGradient(kDesignTitleStart, kSilver);
  IF_Gradient2->Cursor(FL_CURSOR_MOVE);
  IF_Gradient2->OnMouse(dragHandler(IF_Gradient2));
  btnInstall = actionButton(18, "Install ");
  btnInstall->OnClick([this] { btnInstallClick(); });
  btnStarten = actionButton(133, "Starten / Öffnen");
  btnStarten->OnClick([this] { btnStartenClick(); });
  btnKopieren = actionButton(249, "Kopieren");
  btnKopieren->OnClick([this] { KopierenClick(); });
  btnCDdurchsuchen = actionButton(364, "CD durchsuchen");
  btnCDdurchsuchen->OnClick([this] { CDdurchsuchen1Click(); });
  Panel4->end();
}

void TfrmMain::buildPopupMenu() {
  PopupMenu1 = TPopupMenu({
      {"Starten / Öffnen", "Programm / Datei starten / öffnen", 39, true, [this] { btnStartenClick(); }},
      {"Installieren", "Programm installieren", 40, true, [this] { btnInstallClick(); }},
      {"-", "", -1, true, nullptr},
      {"Kopieren...", "Dateien kopieren...", 4, true, [this] { KopierenClick(); }},
      {"-", "", -1, true, nullptr},
      {"CD durchsuchen...", "", 37, true, [this] { CDdurchsuchen1Click(); }},
      {"-", "", -1, true, nullptr},
      {"Tavilo beenden", "", 6, true, [this] { btnXClick(); }},
  });
}

void TfrmMain::SetCaptions() {
  model_.DefaultGroupHeading = "Gruppen";
  model_.DefaultEntryHeading = "Programme";
  Application& app = Application::instance();
  app.setHint(btnX1, "Programm beenden", true);
  app.setHint(btnMin, "Programm minimieren", true);
  btnInstall->Caption("Installieren");
  btnStarten->Caption("Starten / Öffnen");
  btnKopieren->Caption("Kopieren");
  btnCDdurchsuchen->Caption("CD durchsuchen");
  app.setHint(Logo, "Info...", true);
  app.setHint(imgScreenshot, "Click: Vergrößern ", false);
  app.setHint(lbGruppe, "Wähle hier die Programm- bzw Datei-Gruppe aus", false);
  app.setHint(lbProgramm, "Wähle hier das Programm bzw die Datei aus", false);
  app.setHint(Bemerkung, "Beschreibung zum ausgewählten Programm bzw. Datei", false);
  app.setHint(IF_Gradient1, "Fenster verschieben", false);
  const char* captions[8] = {"Starten / Öffnen", "Installieren", "-", "Kopieren", "-",
                             "CD durchsuchen...", "-", "Tavilo beenden"};
  for (int i = 0; i < 8; ++i) PopupMenu1[static_cast<std::size_t>(i)].Caption = captions[i];
}

void TfrmMain::AppHint() { MyStatusBar1->Caption(Application::instance().Hint()); }
void TfrmMain::ShowNote(const std::string& text) { MyStatusBar1->Caption(text); }

bool TfrmMain::opensPopup(const Fl_Widget* w) const {
  for (const Fl_Widget* c : {static_cast<const Fl_Widget*>(IF_Gradient1), static_cast<const Fl_Widget*>(Logo),
                             static_cast<const Fl_Widget*>(cd_titel), static_cast<const Fl_Widget*>(IF_Gradient3),
                             static_cast<const Fl_Widget*>(lbGruppe), static_cast<const Fl_Widget*>(imgScreenshot),
                             static_cast<const Fl_Widget*>(IF_Gradient4), static_cast<const Fl_Widget*>(lbProgramm),
                             static_cast<const Fl_Widget*>(Bemerkung), static_cast<const Fl_Widget*>(IF_Gradient2)})
    if (c == w && c->visible()) return true;
  return false;
}

int TfrmMain::handle(int event) {
  if (event == FL_SHORTCUT && Fl::event_key() == FL_Escape) {
    Fl_Double_Window::handle(event);
    return 1;  // else FLTK closes the window: Escape does not end the program
  }
  if (event == FL_PUSH && Fl::event_button() == FL_RIGHT_MOUSE) {
    Fl_Widget* w = widgetAt(this, Fl::event_x(), Fl::event_y());
    for (Fl_Widget* p = w; p; p = p->parent()) {
      if (opensPopup(p)) {
        PopupMenu1.Popup();
        return 1;
      }
    }
  }
  return Fl_Double_Window::handle(event);
}

}  // namespace tavilo::gui
