// TfrmMain's browsing: activation, choosing a group, choosing an entry.
#include <FL/Fl.H>

#include "core/catalogue.h"
#include "core/error.h"
#include "core/picture_fit.h"
#include "gui/application.h"
#include "gui/main_window.h"
#include "gui/picture_fit.h"

namespace tavilo::gui {

void TfrmMain::FormActivate() {
  FormResize();
  lbGruppeClick();
  lbProgrammClick();
  lbGruppe->ItemIndex(0);
  lbProgramm->ItemIndex(0);
}

void TfrmMain::lbGruppeClick() {
  setActionButtons(false, false, false);
  EntryLocation.clear();
  EntryParameter.clear();
  EntryType.clear();
  const int index = lbGruppe->ItemIndex();
  CurGroup = index < 0 ? 1 : index + 1;
  EntryCount = ReadIniInteger("Gruppe_" + std::to_string(CurGroup), "Anzahl");
  lbProgramm->Clear();
  Bemerkung->Clear();
  WebLabel1->hide();
  for (const std::string& name : core::readEntryNames(*config_, CurGroup)) lbProgramm->Add(name);
  lbProgramm->ItemIndex(0);
  lbProgrammClick();
}

void TfrmMain::lbProgrammClick() {
  const int index = lbProgramm->ItemIndex();
  CurEntry = index < 0 ? 1 : index + 1;
  if (lbProgramm->Count() == 0) {
    // A group without entries offers nothing: no picture, link, text or action.
    EntryLocation.clear();
    EntryParameter.clear();
    EntryExt.clear();
    EntryType.clear();
    LinkAddress.clear();
    showPlaceholder();
    WebLabel1->hide();
    Bevel1->hide();
    alignRemarkPanel();
    Bemerkung->Clear();
    setActionButtons(false, false, false);
    if (ShowOnlyUsedButtons) placeUsedButtons();
    redraw();
    return;
  }
  const core::EntryView entry =
      core::readEntry(*config_, programDir_, CurGroup, CurEntry, EmptyImageFile, EmptyRemark);
  EntryLocation = entry.location;
  EntryParameter = entry.parameter;
  imgScreenshot->Transparent(false);
  place(*imgScreenshot, {0, 0, imgScreenshot->w(), imgScreenshot->h()});
  EntryExt = entry.ext;
  if (entry.pictureSource == core::PictureSource::Placeholder) showPlaceholder();
  else showEntryPicture(entry.shownPicture);

  WebLabel1->hide();
  if (entry.link) {
    WebLabel1->Caption("[ " + entry.link->caption + " ]");
    Application::instance().setHint(WebLabel1, "Link zu: " + entry.link->address, true);
    WebLabel1->show();
    Bevel1->show();
    LinkAddress = entry.link->address;
  } else {
    LinkAddress.clear();
    WebLabel1->hide();
    Bevel1->hide();
  }
  alignRemarkPanel();
  pnBemerkung->redraw();

  Bemerkung->Clear();
  if (entry.hasLocation) Bemerkung->AddLine(entry.remark);

  EntryType = entry.type;
  setActionButtons(entry.startEnabled, entry.installEnabled, entry.copyEnabled);
  if (ShowOnlyUsedButtons) placeUsedButtons();
  redraw();
}

void TfrmMain::showEntryPicture(const std::string& path) {
  try {
    LoadPictureFitted(*imgScreenshot, path, *pnImage, 0, 0);
    ShownPicture = path;
  } catch (const core::Error& e) {
    // One broken picture is no reason for a box at every click: the stand-in
    // shows, and the status line names the file.
    showPlaceholder();
    MyStatusBar1->Caption(e.what());
  }
}

void TfrmMain::showPlaceholder() {
  ShownPicture.clear();
  place(*imgScreenshot, {0, 0, pnImage->w(), pnImage->h()});
  imgScreenshot->Stretch(true);
  imgScreenshot->AssignPicture(*keinBildBack->Picture());
  pnImage->redraw();
}

void TfrmMain::placeUsedButtons() {
  for (TFlatButton* b : {btnStarten, btnInstall, btnKopieren}) {
    const bool visible = b->active();
    visible ? b->show() : b->hide();
    place(*b, {core::usedButtonLeft(w(), visible), topOf(*b), b->w(), b->h()});
  }
  place(*btnCDdurchsuchen, {core::browseButtonLeft(w()), topOf(*btnCDdurchsuchen), btnCDdurchsuchen->w(),
                            btnCDdurchsuchen->h()});
  Panel4->redraw();
}

}  // namespace tavilo::gui
