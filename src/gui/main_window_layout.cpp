// TfrmMain's layout: the aligned bars, FormResize and the logo picture.
#include <FL/Fl.H>
#include <FL/Fl_Image.H>

#include "core/error.h"
#include "core/layout/main_layout.h"
#include "core/menu/start_settings.h"
#include "gui/application.h"
#include "gui/main_window.h"
#include "gui/picture_loader.h"
#include "platform/platform.h"

namespace tavilo::gui {

void TfrmMain::resize(int x, int y, int w, int h) {
  const bool sized = w != this->w() || h != this->h();
  Fl_Double_Window::resize(x, y, w, h);
  if (!sized) return;
  alignBars();
  if (created_) Application::instance().guarded([this] { FormResize(); });
}

// The title bar on top, the status line at the very bottom and the bottom bar
// above it follow every size change; the two panels are aligned from the
// first layout on.
void TfrmMain::alignBars() {
  core::MainLayoutInput in;
  in.outerWidth = w();
  in.outerHeight = h();
  in.borderWidth = borderWidth_;
  const core::MainLayout l = core::computeMainLayout(in);
  place(*Panel1, l.titleBar);
  place(*Panel4, l.bottomBar);
  place(*MyStatusBar1, l.statusBar);
  if (panelsAligned_) {
    const int top = l.titleBar.top + l.titleBar.height;
    const int height = l.bottomBar.top - top;
    place(*pnLinks, {l.titleBar.left, top, pnLinks->w(), height});
    place(*pnRechts, {l.titleBar.left + pnLinks->w(), top, l.titleBar.width - pnLinks->w(), height});
  }
}

void TfrmMain::FormResize() { FormResize(model_.Config.read()); }

void TfrmMain::FormResize(const core::IniDocument& ini) {
  const core::LayoutSettings settings = core::readLayoutSettings(ini);
  const std::string& logoFile = model_.LogoFile;
  core::MainLayoutInput in;
  in.outerWidth = w();
  in.outerHeight = h();
  in.borderWidth = borderWidth_;
  in.leftPercent = settings.leftPercent;
  in.imagePercent = settings.imagePercent;
  in.remarkPercent = settings.remarkPercent;
  in.logoPos = settings.logoPos;
  in.haveLogoFile = !logoFile.empty();
  in.groupListTop = topOf(*lbGruppe);
  in.entryListTop = topOf(*lbProgramm);
  in.logoWidth = Logo->w();
  in.logoLeft = leftOf(*Logo);
  in.titleLeft = leftOf(*cd_titel);
  in.minButtonLeft = leftOf(*btnMin);
  in.closeButtonWidth = btnX1->w();
  applyLayout(core::computeMainLayout(in));

  // 13: the logo is decoded anew at every layout.
  if (!platform::fileExists(logoFile)) return;
  Logo->Stretch(true);
  // Transparent wherever the format has it: a GIF's transparent colour, a
  // PNG's alpha; JPEG and BMP logos are opaque.
  Logo->Transparent(true);
  try {
    if (core::logoIsGif(logoFile)) LoadGifPicture(logoFile, *Logo);
    else Logo->Picture(loadPicture(logoFile));
    logoErrorShown_.clear();
  } catch (const core::Error& e) {
    // Shown once, not at every size change, so that resizing stays possible;
    // the rest of the window's activation goes on.
    if (logoErrorShown_ != e.what()) {
      logoErrorShown_ = e.what();
      Application::instance().ShowException(e.what());
    }
  }
}

void TfrmMain::applyLayout(const core::MainLayout& l) {
  panelsAligned_ = true;
  place(*pnLinks, l.leftPanel);
  place(*pnRechts, l.rightPanel);
  for (TTextLabel* h : {Gruppen_Ueberschrift, Gruppen_Ueberschrift_2})
    place(*h, {l.groupHeadingLeft, topOf(*h), l.groupHeadingWidth, h->h()});
  for (TTextLabel* h : {Programm_Ueberschrift, Programm_Ueberschrift_2})
    place(*h, {l.entryHeadingLeft, topOf(*h), l.entryHeadingWidth, h->h()});
  place(*lbGruppe, l.groupList);
  place(*pnImage, l.imagePanel);
  place(*lbProgramm, l.entryList);
  place(*pnBemerkung, l.remarkPanel);
  alignRemarkPanel();
  TFlatButton* buttons[4] = {btnInstall, btnStarten, btnKopieren, btnCDdurchsuchen};
  for (int i = 0; i < 4; ++i) place(*buttons[i], {l.buttonLefts[i], 5, 100, 22});
  place(*Logo, {l.logoLeft, topOf(*Logo), Logo->w(), Logo->h()});
  place(*cd_titel, {l.titleLeft, topOf(*cd_titel), cd_titel->w(), cd_titel->h()});
  place(*btnX1, {l.closeButtonLeft, 5, btnX1->w(), btnX1->h()});
  redraw();
}

// The link label and its bevel line take the top of the description panel
// while shown; the description box fills the rest inside the border line.
void TfrmMain::alignRemarkPanel() {
  const int inner = pnBemerkung->w() - 2;
  int top = 1;
  if (WebLabel1->visible()) {
    place(*WebLabel1, {1, top, inner, 13});
    top += 13;
  }
  if (Bevel1->visible()) {
    place(*Bevel1, {1, top, inner, 3});
    top += 3;
  }
  place(*Bemerkung, {1, top, inner, pnBemerkung->h() - 1 - top});
}

void TfrmMain::LoadGifPicture(const std::string& path, TImage& picture) {
  if (!platform::fileExists(path)) return;
  picture.Picture(loadGifPicture(path));
}

}  // namespace tavilo::gui
