#include "gui/info_window.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Group.H>

#include "core/ini/default_ini.h"
#include "core/layout/window_placement.h"
#include "core/version.h"
#include "core/web_address.h"
#include "gui/application.h"
#include "gui/form_position.h"
#include "gui/glyphs.h"
#include "gui/native_window.h"
#include "gui/system_colors.h"
#include "gui/widgets/grad_btn.h"
#include "gui/widgets/if_gradient.h"
#include "gui/widgets/image.h"
#include "gui/widgets/page_control.h"
#include "gui/widgets/rich_edit.h"
#include "gui/widgets/tab_sheet.h"
#include "gui/widgets/text_label.h"
#include "gui/widgets/web_address_label.h"
#include "platform/platform.h"

namespace tavilo::gui {

namespace {

constexpr const char* kMakersNotice = "Copyright © 2006 die Tavilo-Autoren";
constexpr const char* kMakersMail = "info@tavilo.example";
constexpr const char* kCredits[] = {
    "Dank den Autoren der verwendeten Komponenten",
    "--------------------------------------------",
    "FLTK (Fast Light Toolkit): Bill Spitzak und das FLTK-Team",
    "libjpeg: Thomas G. Lane, Guido Vollbeding und die Independent JPEG Group",
};
constexpr const char* kRemark = "Tavilo: das Startmenü für CDs, DVDs und USB-Sticks.";
constexpr int kStatusBarHeight = 39;

FontSpec font(const char* face, int size, bool bold, TColor color) { return {face, size, bold, color}; }

TTextLabel* makeLabel(int x, int y, const char* caption, const FontSpec& f) {
  auto* label = new TTextLabel(x, y, 1, 1);
  label->Font(f);
  label->Caption(caption);
  return label;
}

TWEBLabel* makeLink(int x, int y) {
  auto* link = new TWEBLabel(x, y, 1, 1);
  link->Font(font("MS Sans Serif", 11, true, kBlue));
  link->Underline(true);
  return link;
}

// A raised line along the bottom of a 3 pixels high bevel.
Fl_Box* makeBottomLine(int x, int y, int w) { return new Fl_Box(FL_THIN_UP_FRAME, x, y + 1, w, 2, nullptr); }

}  // namespace

TfrmInfo::TfrmInfo(const core::MenuModel& model, const Fl_Window& mainWindow)
    : MessageWindow(kClientWidth + 2 * kBorderWidth, kClientHeight + 2 * kBorderWidth),
      model_(model),
      mainWindow_(mainWindow) {
  ClientSize(kClientWidth + 2 * kBorderWidth, kClientHeight + 2 * kBorderWidth);
  copy_label("Info");
  const int b = kBorderWidth;
  const int pagesHeight = kClientHeight - kStatusBarHeight;
  Panel2 = new Fl_Group(b, b, kClientWidth, pagesHeight);
  Panel2->box(FL_THIN_UP_BOX);
  Panel2->color(toFl(kBtnFace));
  PageControl1 = new TPageControl(b + 1, b + 1, kClientWidth - 2, pagesHeight - 2);
  PageControl1->color(toFl(kBtnFace));
  TabSheet1 = PageControl1->AddPage("Info");
  TabSheet1->begin();
  buildInfoPage();
  TabSheet1->end();
  buildHiddenPages();
  Panel2->end();

  MyStatusBar1 = new Fl_Group(b, b + pagesHeight, kClientWidth, kStatusBarHeight);
  MyStatusBar1->box(FL_THIN_UP_BOX);
  MyStatusBar1->color(toFl(kBtnFace));
  btnClose = new TGradBtn(b + 6, b + pagesHeight + 7, 304, 25);
  btnClose->StartColor(kRed);
  btnClose->EndColor(0x400040);
  btnClose->DisabledColor(kGray);
  btnClose->Font(font("MS Sans Serif", 11, true, kYellow));
  btnClose->Caption("Close");
  btnClose->OnClick([this] { btnCloseClick(); });
  MyStatusBar1->end();
  end();

  FocusButton(btnClose);
  Application::instance().OnActivate(this, [this] { FormActivate(); });
  FormCreate();
}

TfrmInfo::~TfrmInfo() {
  Application& app = Application::instance();
  app.OnActivate(this, nullptr);
  app.setHint(eHome, "", false);  // a later widget at the same address has no hint
}

void TfrmInfo::buildInfoPage() {
  const int px = TabSheet1->x(), py = TabSheet1->y();
  Panel1 = new Fl_Group(px, py, TabSheet1->w(), TabSheet1->h());
  // A lowered inner bevel inside the panel's raised outer one.
  Panel1->box(FL_EMBOSSED_BOX);
  Panel1->color(toFl(kSilver));
  BG2 = new TIF_Gradient(px + 2, py + 2, Panel1->w() - 4, Panel1->h() - 4);
  BG2->Direction(gdUpDown);
  BG2->StartColor(0x4080FF);
  BG2->EndColor(kSilver);
  const FontSpec plain = font("MS Sans Serif", 11, false, kBlack);
  const FontSpec bold = font("MS Sans Serif", 11, true, kBlack);
  ProgramIcon = new TImage(px + 8, py + 8, 32, 32);
  ProgramIcon->Transparent(true);
  ProductName = makeLabel(px + 50, py + 6, "PRODUKTNAME", font("MS Sans Serif", 19, true, kBlack));
  VersionT = makeLabel(px + 50, py + 30, "Version:", plain);
  eVersion = makeLabel(px + 100, py + 30, "", bold);
  lblDatum = makeLabel(px + 50, py + 45, "Date:", plain);
  eDatum = makeLabel(px + 100, py + 45, "", bold);
  Image1 = new TImage(px + 224, py + 22, 50, 35);
  Image1->Stretch(true);
  Image1->Transparent(true);
  Image1->AssignPicture(*glyphs::makerLogo());
  Bevel1 = makeBottomLine(px + 4, py + 62, 295);
  Copyright = new TTextLabel(px + 8, py + 75, 290, 13);
  Copyright->Autosize(false);
  Copyright->Alignment(taCenter);
  Copyright->Font(bold);
  Comments1 = makeLabel(px + 118, py + 96, "- Freeware -", font("MS Sans Serif", 11, true, kMaroon));
  Bevel2 = makeBottomLine(px + 4, py + 117, 296);
  Label3 = makeLabel(px + 8, py + 131, "eMail:", font("Arial", 11, false, kBlack));
  Label2 = makeLabel(px + 8, py + 151, "Home:", font("Arial", 11, false, kBlack));
  eMail1 = makeLink(px + 39, py + 130);
  eHome = makeLink(px + 39, py + 150);
  Application::instance().setHint(eHome, "zur Homepage", true);
  Panel1->end();
}

void TfrmInfo::buildHiddenPages() {
  TabSheet3 = PageControl1->AddPage("");
  TabSheet3->begin();
  FlatMemo1 = new TRichEdit(TabSheet3->x() + 4, TabSheet3->y() + 4, TabSheet3->w() - 8, TabSheet3->h() - 8);
  for (const char* line : kCredits) FlatMemo1->AddLine(line);
  TabSheet3->end();
  TabSheet2 = PageControl1->AddPage("");
  TabSheet2->begin();
  FlatMemo2 = new TRichEdit(TabSheet2->x() + 4, TabSheet2->y() + 4, TabSheet2->w() - 8, TabSheet2->h() - 8);
  FlatMemo2->AddLine(kRemark);
  TabSheet2->end();
}

void TfrmInfo::FormCreate() {
  // The placement over the main window is made at every show.
  copy_label("Info über Tavilo");
  lblDatum->Caption("Datum:");
  btnClose->Caption("Schliessen");
  ProgramIcon->AssignPicture(*glyphs::windowIcon());
  ProductName->Caption("Tavilo");
  eDatum->Caption("31.03.2006");
  eVersion->Caption(core::ProgVersion);
  Copyright->Caption(kMakersNotice);
  eMail1->Protocol(core::WebProtocol::Mail);
  eMail1->Address(kMakersMail);
  eMail1->Caption(kMakersMail);
  eHome->Protocol(core::WebProtocol::Http);
  eHome->Address(core::kHomepage);
  eHome->Caption(core::shortenedAddress(core::kHomepage));
  TabSheet2->Caption("Bemerkung");
  TabSheet2->TabVisible(false);
  TabSheet3->Caption("Dank");
  TabSheet3->TabVisible(false);
}

void TfrmInfo::show() {
  const bool first = !shown();
  if (first) {
    int sx, sy, sw, sh;
    Fl::screen_xywh(sx, sy, sw, sh, 0);
    if (mainWindow_.visible()) {
      const core::Rect owner{mainWindow_.x(), mainWindow_.y(), mainWindow_.w(), mainWindow_.h()};
      const core::Rect r = core::centredOver(owner, w(), h(), sx, sy);
      position(r.left, r.top);
    } else {
      placeForm(*this, poScreenCenter, nullptr, 0, 0);
    }
    xclass("Tavilo");
    icon(glyphs::windowIcon());
  }
  MessageWindow::show();
  if (!first) return;
  platform::setFrameButtons(nativeWindow(*this), false, false, false);
  Application::instance().activate(this);
}

void TfrmInfo::FormActivate() {
  int sx, sy, sw, sh;
  Fl::screen_xywh(sx, sy, sw, sh, 0);
  const int left = core::pulledBackLeft(x(), w(), sx + sw);
  if (left != x()) position(left, y());
  PageControl1->ActivePage(TabSheet1);
  BG2->StartColor(model_.GradientStartColor);
  BG2->EndColor(model_.GradientEndColor);
}

void TfrmInfo::btnCloseClick() { hide(); }

}  // namespace tavilo::gui
