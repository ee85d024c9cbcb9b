#include "gui/copy_window.h"

#include <FL/Fl.H>

#include "core/copy_window_rules.h"
#include "core/files/file_utils_paths.h"
#include "core/folder_tree.h"
#include "gui/application.h"
#include "gui/glyphs.h"
#include "gui/native_window.h"
#include "gui/system_colors.h"
#include "gui/widgets/check_box.h"
#include "gui/widgets/dir_label.h"
#include "gui/widgets/directory_list_box.h"
#include "gui/widgets/drive_combo_box.h"
#include "gui/widgets/file_list_box.h"
#include "gui/widgets/flat_button.h"
#include "gui/widgets/grad_btn.h"
#include "gui/widgets/if_gradient.h"
#include "gui/widgets/label3d.h"
#include "gui/widgets/progress_bar.h"
#include "gui/widgets/redraw_behind.h"
#include "gui/widgets/text_label.h"
#include "platform/platform.h"

namespace tavilo::gui {

namespace {

void setUsable(Fl_Widget* w, bool on) {
  if ((w->active() != 0) == on) return;
  if (on)
    w->activate();
  else
    w->deactivate();
  redrawBehind(*w);
}

}  // namespace

TfrmKopieren3::TfrmKopieren3(const core::MenuModel& model, const Fl_Window& mainWindow)
    : Fl_Double_Window(kClientWidth, kClientHeight), myMsgDlg1(this), model_(model), mainWindow_(mainWindow) {
  color(toFl(kSilver));
  callback(&TfrmKopieren3::closeBox, this);
  size_range(kClientWidth, kClientHeight, kClientWidth, kClientHeight);
  BG1 = new TIF_Gradient(0, 0, kClientWidth, kClientHeight);
  BG1->Align(alClient);
  BG1->StartColor(0x7E92FE);
  BG1->EndColor(kSilver);
  buildSourceSide();
  buildTargetSide();
  buildButtons();
  end();
  bindFolderSides();
  buildMenus();

  myMsgDlg1.TextColor(kBlack);
  myMsgDlg1.StartColor(0x8AB0FF);
  myMsgDlg1.EndColor(kSilver);
  myMsgDlg1.Background(true);
  myMsgDlg1.Sprache_D(true);
  myPathDlg1.Title("Ordner auswählen");
  myPathDlg1.StartColor(0x8AB0FF);
  myPathDlg1.EndColor(kSilver);
  myPathDlg1.Background(true);
  myPathDlg1.NeuerOrdner(true);
  myPathDlg1.Sprache_D(true);

  Application::instance().OnActivate(this, [this] { FormActivate(); });
  Fl::add_timeout(1.0, &TfrmKopieren3::timerTick, this);
  FormCreate();
}

TfrmKopieren3::~TfrmKopieren3() {
  Fl::remove_timeout(&TfrmKopieren3::timerTick, this);
  Application& app = Application::instance();
  app.OnActivate(this, nullptr);
  // A later widget at the same address has no hint.
  for (Fl_Widget* w : {static_cast<Fl_Widget*>(lblStart), static_cast<Fl_Widget*>(lblZiel),
                       static_cast<Fl_Widget*>(DirectoryListBox1), static_cast<Fl_Widget*>(DirectoryListBox2),
                       static_cast<Fl_Widget*>(btnStartKopieren), static_cast<Fl_Widget*>(btnSchliessen)})
    app.setHint(w, "", false);
}

void TfrmKopieren3::FormCreate() {
  copy_label("Datei(en) kopieren");
  btnStartKopieren->Caption("Start kopieren");
  btnSchliessen->Caption("Schliessen");
  btnAlle1->Caption("Alle");
  btnAlle2->Caption("Alle");
  lblRecursiv->Caption("Start-Ordner mit allen Unter-Ordnern");
  Application& app = Application::instance();
  app.setHint(DirectoryListBox1, "zu kopierenden Ordner wählen", true);
  app.setHint(DirectoryListBox2, "Ziel-Ordner wählen", true);
  LabelStart->Caption("Dateien auswählen zum kopieren");
  LabelZiel->Caption("Ziel-Ordner auswählen");
  Startkopieren1().Caption = "Start kopieren";
  Schliessen1().Caption = "Schliessen";
  AnzahlDateien1().Caption = "Anzahl Dateien";
  AnzahlDateien2().Caption = "Anzahl Dateien";
  MenuItem1().Caption = "Datei starten/offnen";
  MenuItem2().Caption = "Schliessen";
  StartenOeffnen().Caption = "Datei starten/offnen";
  Schliessen2().Caption = "Schliessen";
  DirectoryListBox2->Directory(core::GetTempDir());
}

void TfrmKopieren3::FormActivate() {
  // A message shown during a copy must not move the side being copied.
  if (copying_) return;
  BG1->StartColor(model_.GradientStartColor);
  BG1->EndColor(model_.GradientEndColor);
  myMsgDlg1.StartColor(model_.GradientStartColor);
  myMsgDlg1.EndColor(model_.GradientEndColor);
  myPathDlg1.StartColor(model_.GradientStartColor);
  myPathDlg1.EndColor(model_.GradientEndColor);
  position(mainWindow_.x() + 10, mainWindow_.y() + 10);
  DirectoryListBox1->Directory(core::copySourceFolder(StartAtProgramDir, model_.EntryLocation, model_.ProgramDir,
                                                      [](const std::string& f) { return core::CanEnterDir(f); }));
  cbRecursiv->Checked(StartRecursive);
  selectBySourceBox();
  applyEnabled();
}

std::string TfrmKopieren3::SourceFolder() const { return DirectoryListBox1->Directory(); }
std::string TfrmKopieren3::TargetFolder() const { return DirectoryListBox2->Directory(); }

void TfrmKopieren3::show() {
  const bool first = !shown();
  if (first) {
    position(mainWindow_.x() + 10, mainWindow_.y() + 10);
    xclass("Tavilo");
    icon(glyphs::windowIcon());
    // What happened on the target side while the window was closed shows now;
    // a target folder that went away leaves the side at its nearest parent.
    std::string folder = TargetFolder();
    while (!DirectoryListBox2->Directory(folder)) {
      const std::string up = core::UpOneFolder(folder);
      if (up == folder || core::RemoveBackslash(up) == core::RemoveBackslash(folder)) {
        DirectoryListBox2->Directory(core::GetTempDir());  // its drive went away
        break;
      }
      folder = up;
    }
  }
  Fl_Double_Window::show();
  if (!first) return;
  platform::setFrameButtons(nativeWindow(*this), false, false, false);
  Application::instance().activate(this);
}

int TfrmKopieren3::handle(int event) {
  const int used = Fl_Double_Window::handle(event);
  if (!used && event == FL_PUSH && Fl::event_button() == FL_RIGHT_MOUSE) {
    PopupMenu1.Popup();
    return 1;
  }
  return used;
}

void TfrmKopieren3::closeBox(Fl_Widget*, void* self) {
  auto* window = static_cast<TfrmKopieren3*>(self);
  // Esc only stops a running copy; the close box closes the window as "Schliessen" does.
  const bool escape = (Fl::event() == FL_SHORTCUT || Fl::event() == FL_KEYBOARD) && Fl::event_key() == FL_Escape;
  if (!escape || window->copying_) window->btnSchliessenClick();
}

void TfrmKopieren3::btnSchliessenClick() {
  if (copying_) {
    closeRequested_ = true;  // the copy stops after its current block and closes the window
    return;
  }
  hide();
}

void TfrmKopieren3::timerTick(void* self) {
  Application::instance().guarded([self] { static_cast<TfrmKopieren3*>(self)->Timer1Timer(); });
  Fl::repeat_timeout(1.0, &TfrmKopieren3::timerTick, self);
}

void TfrmKopieren3::Timer1Timer() { applyEnabled(); }

void TfrmKopieren3::applyEnabled() {
  const core::CopyWindowEnabled e = core::copyWindowEnabled(copying_, cbRecursiv->Checked());
  for (Fl_Widget* w : {static_cast<Fl_Widget*>(btnOnDirUp1), static_cast<Fl_Widget*>(FileListBox1),
                       static_cast<Fl_Widget*>(DirectoryListBox1), static_cast<Fl_Widget*>(DriveComboBox1),
                       static_cast<Fl_Widget*>(btnOneDirUp2), static_cast<Fl_Widget*>(btnNewFolder),
                       static_cast<Fl_Widget*>(btnDeleteDir), static_cast<Fl_Widget*>(btnAlle2),
                       static_cast<Fl_Widget*>(btnDelete), static_cast<Fl_Widget*>(DirectoryListBox2),
                       static_cast<Fl_Widget*>(FileListBox2), static_cast<Fl_Widget*>(DriveComboBox2)})
    setUsable(w, e.folders);
  AnzahlDateien1().Enabled = AnzahlDateien2().Enabled = StartenOeffnen().Enabled = e.folders;
  setUsable(cbRecursiv, e.recursiveBox);
  setUsable(lblRecursiv, e.recursiveBox);
  setUsable(btnStartKopieren, e.startCopy);
  Startkopieren1().Enabled = e.startCopy;
  setUsable(btnAlle1, e.sourceFileItems);
  MenuItem1().Enabled = e.sourceFileItems;
}

}  // namespace tavilo::gui
