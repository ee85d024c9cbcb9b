// TfrmMain's browsing: activation, choosing a group, choosing an entry.
#include <FL/Fl.H>

#include "core/error.h"
#include "core/layout/picture_fit.h"
#include "core/menu/catalogue.h"
#include "gui/application.h"
#include "gui/main_window.h"
#include "gui/no_picture.h"
#include "gui/picture_fit.h"

namespace tavilo::gui {

void TfrmMain::FormActivate() {
  // Every activation reads the file anew, except the first, which belongs to
  // the start and takes the snapshot the start read.
  const core::IniDocument ini = startIni_ ? std::move(*startIni_) : model_.Config.read();
  startIni_.reset();
  FormResize(ini);
  lbGruppeClick(ini);
  lbProgrammClick(ini);
  lbGruppe->ItemIndex(0);
  lbProgramm->ItemIndex(0);
}

void TfrmMain::lbGruppeClick() { lbGruppeClick(model_.Config.read()); }

void TfrmMain::lbGruppeClick(const core::IniDocument& ini) {
  core::MenuModel& m = model_;
  setActionButtons(false, false, false);
  m.EntryLocation.clear();
  m.EntryParameter.clear();
  m.EntryType.clear();
  const int index = lbGruppe->ItemIndex();
  m.CurGroup = index < 0 ? 1 : index + 1;
  const std::vector<std::string> names = core::readEntryNames(ini, m.CurGroup);
  m.EntryCount = static_cast<int>(names.size());
  lbProgramm->Clear();
  Bemerkung->Clear();
  WebLabel1->hide();
  for (const std::string& name : names) lbProgramm->Add(name);
  lbProgramm->ItemIndex(0);
  lbProgrammClick(ini);
}

void TfrmMain::lbProgrammClick() { lbProgrammClick(model_.Config.read()); }

void TfrmMain::lbProgrammClick(const core::IniDocument& ini) {
  core::MenuModel& m = model_;
  const int index = lbProgramm->ItemIndex();
  m.CurEntry = index < 0 ? 1 : index + 1;
  // A note on the previous entry's picture does not stay under this entry.
  if (!pictureNote_.empty() && MyStatusBar1->Caption() == pictureNote_) AppHint();
  pictureNote_.clear();
  if (m.EntryCount == 0) {
    // A group without entries offers nothing: no picture, link, text or action.
    m.EntryLocation.clear();
    m.EntryParameter.clear();
    m.EntryExt.clear();
    m.EntryType.clear();
    m.LinkAddress.clear();
    showPlaceholder();
    WebLabel1->hide();
    Bevel1->hide();
    alignRemarkPanel();
    Bemerkung->Clear();
    setActionButtons(false, false, false);
    if (m.ShowOnlyUsedButtons) placeUsedButtons();
    redraw();
    return;
  }
  const core::EntryView entry =
      core::readEntry(ini, m.ProgramDir, m.CurGroup, m.CurEntry, m.EmptyImageFile, m.EmptyRemark);
  m.EntryLocation = entry.location;
  m.EntryParameter = entry.parameter;
  imgScreenshot->Transparent(false);
  place(*imgScreenshot, {0, 0, imgScreenshot->w(), imgScreenshot->h()});
  m.EntryExt = entry.ext;
  if (entry.pictureSource == core::PictureSource::Placeholder) showPlaceholder();
  else showEntryPicture(entry.shownPicture);

  WebLabel1->hide();
  if (entry.link) {
    WebLabel1->Caption("[ " + entry.link->caption + " ]");
    Application::instance().setHint(WebLabel1, "Link zu: " + entry.link->address, true);
    WebLabel1->show();
    Bevel1->show();
    m.LinkAddress = entry.link->address;
  } else {
    m.LinkAddress.clear();
    WebLabel1->hide();
    Bevel1->hide();
  }
  alignRemarkPanel();
  pnBemerkung->redraw();

  Bemerkung->Clear();
  if (entry.hasLocation) Bemerkung->AddLine(entry.remark);

  m.EntryType = entry.type;
  setActionButtons(entry.startEnabled, entry.installEnabled, entry.copyEnabled);
  if (m.ShowOnlyUsedButtons) placeUsedButtons();
  redraw();
}

void TfrmMain::showEntryPicture(const std::string& path) {
  try {
    LoadPictureFitted(*imgScreenshot, path, *pnImage, 0, 0);
    model_.ShownPicture = path;
  } catch (const core::Error& e) {
    // One broken picture is no reason for a box at every click: the stand-in
    // shows, and the status line names the file.
    showPlaceholder();
    pictureNote_ = e.what();
    MyStatusBar1->Caption(pictureNote_);
  }
}

void TfrmMain::showPlaceholder() {
  model_.ShownPicture.clear();
  place(*imgScreenshot, {0, 0, pnImage->w(), pnImage->h()});
  imgScreenshot->Stretch(true);
  if (!keinBildBack->Picture()) keinBildBack->AssignPicture(*gui::keinBildBack());
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
