#include "gui/copy_window.h"

#include <FL/Fl.H>

#include "core/copy_window_rules.h"
#include "core/file_utils_paths.h"
#include "core/folder_tree.h"
#include "gui/application.h"
#include "gui/glyphs.h"
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

// Last: Xlib's macros (None, Status) would break the headers above.
#include <FL/x.H>

namespace tavilo::gui {

namespace {

const FontSpec kFormFont{"MS Sans Serif", 11, false, kBlack};
const FontSpec kBoldFont{"MS Sans Serif", 11, true, kBlack};
const FontSpec kHeadingFont{"Arial", 19, true, kBlue};
constexpr TColor kButtonStart = 0x7E92FE;
constexpr TColor kButtonEnd = 0x400040;

TLabel3D* makeHeading(int y) {
  auto* heading = new TLabel3D(10, y, 377, 22);
  heading->Autosize(false);
  heading->Alignment(taCenter);
  heading->Font(kHeadingFont);
  return heading;
}

TDirLabel* makeFolderLabel(int x, int y) {
  auto* label = new TDirLabel(x, y, 1, 1);
  label->Font(kBoldFont);
  return label;
}

TFlatButton* makePictureButton(int x, int y, Fl_Image* glyph) {
  auto* button = new TFlatButton(x, y, 23, 22);
  button->Glyph(glyph);
  return button;
}

TFlatButton* makeAllButton(int x, int y) {
  auto* button = new TFlatButton(x, y, 23, 22);
  button->Font(kBoldFont);
  button->Caption("All");
  return button;
}

template <class List>
List* makeList(int x, int y, int w, int h) {
  auto* list = new List(x, y, w, h);
  list->Font(kFormFont);
  list->Cursor(FL_CURSOR_HAND);
  return list;
}

TGradBtn* makeGradButton(int x, int y) {
  auto* button = new TGradBtn(x, y, 131, 28);
  button->StartColor(kButtonStart);
  button->EndColor(kButtonEnd);
  button->Font({"Arial", 12, true, kWhite});
  button->Cursor(FL_CURSOR_HAND);
  return button;
}

// The pictures of the window's menus: the main window's list, and the tick of
// "Start kopieren", which is the window's own.
constexpr int kTickImage = 1000;
Fl_RGB_Image* menuImages(int index) { return index == kTickImage ? glyphs::tick() : glyphs::menuImage(index); }

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

void TfrmKopieren3::buildSourceSide() {
  LabelStart = makeHeading(2);
  lblStart = makeFolderLabel(12, 27);
  lblRecursiv = new TTextLabel(223, 26, 1, 1);
  lblRecursiv->Font(kFormFont);
  lblRecursiv->Caption("Start-Ordner mit allen Unter-Ordnern");
  lblRecursiv->OnMouse([this](int event, int x, int y) {
    if (event == FL_RELEASE && Fl::event_button() == FL_LEFT_MOUSE && x >= 0 && y >= 0 && x < lblRecursiv->w() &&
        y < lblRecursiv->h())
      lblRecursivClick();
  });
  cbRecursiv = new TCheckBox(207, 25, 14, 15);
  cbRecursiv->Checked(true);
  cbRecursiv->OnClick([this] { cbRecursivClick(); });
  btnOnDirUp1 = makePictureButton(180, 43, glyphs::folderUp());
  btnOnDirUp1->DisabledGlyph(glyphs::folderUpDisabled());
  btnOnDirUp1->OnClick([this] { btnOnDirUp1Click(); });
  btnAlle1 = makeAllButton(376, 44);
  btnAlle1->OnClick([this] { btnAlle1Click(); });
  ProgressBar1 = new TProgressBar(377, 68, 16, 120);
  ProgressBar1->Orientation(pbVertical);
  ProgressBar1->Min(0);
  ProgressBar1->Max(100);
  ProgressBar1->Step(1);
  FileListBox1 = makeList<TFileListBox>(205, 42, 166, 146);
  FileListBox1->OnClick([this] { FileListBox1Click(); });
  DirectoryListBox1 = makeList<TDirectoryListBox>(11, 42, 166, 122);
  DirectoryListBox1->OnClick([this] { DirectoryListBox1Click(); });
  DriveComboBox1 = new TDriveComboBox(11, 168, 167, 19);
  DriveComboBox1->Font(kFormFont);
}

void TfrmKopieren3::buildTargetSide() {
  LabelZiel = makeHeading(189);
  lblZiel = makeFolderLabel(9, 212);
  btnOneDirUp2 = makePictureButton(180, 228, glyphs::folderUp());
  btnOneDirUp2->DisabledGlyph(glyphs::folderUpDisabled());
  btnOneDirUp2->OnClick([this] { btnOneDirUp2Click(); });
  btnNewFolder = makePictureButton(180, 251, glyphs::newFolder());
  btnNewFolder->OnClick([this] { btnNewFolderClick(); });
  btnDeleteDir = makePictureButton(180, 275, glyphs::deleteCross());
  btnDeleteDir->OnClick([this] { btnDeleteDirClick(); });
  btnAlle2 = makeAllButton(376, 229);
  btnAlle2->OnClick([this] { btnAll2Click(); });
  btnDelete = makePictureButton(376, 253, glyphs::deleteCross());
  btnDelete->OnClick([this] { btnDeleteClick(); });
  DirectoryListBox2 = makeList<TDirectoryListBox>(11, 228, 166, 98);
  DirectoryListBox2->OnClick([this] { DirectoryListBox2Click(); });
  FileListBox2 = makeList<TFileListBox>(205, 228, 166, 122);
  DriveComboBox2 = new TDriveComboBox(11, 329, 167, 19);
  DriveComboBox2->Font(kFormFont);
}

void TfrmKopieren3::buildButtons() {
  btnStartKopieren = makeGradButton(64, 363);
  btnStartKopieren->Caption("Start kopieren");
  btnStartKopieren->OnClick([this] { btnStartKopierenClick(); });
  btnSchliessen = makeGradButton(207, 362);
  btnSchliessen->Caption("Schliessen");
  btnSchliessen->OnClick([this] { btnSchliessenClick(); });
  Application& app = Application::instance();
  app.setHint(lblStart, "Start-Ordner", true);
  app.setHint(lblZiel, "Ziel-Ordner", true);
  app.setHint(btnStartKopieren, "kopieren", false);
  app.setHint(btnSchliessen, "schliessen", false);
}

void TfrmKopieren3::bindFolderSides() {
  DirectoryListBox1->DirLabel(lblStart);
  DirectoryListBox1->FileList(FileListBox1);
  DriveComboBox1->DirList(DirectoryListBox1);
  DirectoryListBox2->DirLabel(lblZiel);
  DirectoryListBox2->FileList(FileListBox2);
  DriveComboBox2->DirList(DirectoryListBox2);
}

void TfrmKopieren3::buildMenus() {
  const auto close = [this] { btnSchliessenClick(); };
  PopupMenu1 = TPopupMenu({{"Start kopieren", "", kTickImage, true, [this] { btnStartKopierenClick(); }},
                           {"Schliessen", "", 6, true, close}});
  PopupMenu2 = TPopupMenu({{"Anzahl Dateien", "", -1, true, [this] { AnzahlDateien1Click(); }}});
  PopupMenu3 = TPopupMenu({{"Anzahl Dateien", "", -1, true, [this] { AnzahlDateien2Click(); }}});
  PopupMenu4 = TPopupMenu({{"Datei starten/offnen", "", 39, true, [this] { StartenOeffnenClick(); }},
                           {"Schliessen", "", 6, true, close}});
  PopupMenu5 = TPopupMenu({{"Datei starten/offnen", "", 39, true, [this] { MenuItem1Click(); }},
                           {"Schliessen", "", 6, true, close}});
  for (TPopupMenu* menu : {&PopupMenu1, &PopupMenu2, &PopupMenu3, &PopupMenu4, &PopupMenu5}) menu->Images(menuImages);
  DirectoryListBox1->OnContextMenu([this] { PopupMenu2.Popup(); });
  DirectoryListBox2->OnContextMenu([this] { PopupMenu3.Popup(); });
  FileListBox2->OnContextMenu([this] { PopupMenu4.Popup(); });
  FileListBox1->OnContextMenu([this] { PopupMenu5.Popup(); });
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
  platform::setFrameButtons(fl_display, fl_xid(this), false, false, false);
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

// ---- selection and moving through folders

void TfrmKopieren3::selectBySourceBox() {
  if (cbRecursiv->Checked())
    FileListBox1->SelectAll();
  else
    FileListBox1->ClearSelection();
}

void TfrmKopieren3::cbRecursivClick() {
  selectBySourceBox();
  applyEnabled();
}

void TfrmKopieren3::lblRecursivClick() {
  if (copying_) return;
  cbRecursiv->Toggle();  // runs cbRecursivClick
}

void TfrmKopieren3::FileListBox1Click() {
  if (cbRecursiv->Checked()) FileListBox1->SelectAll();
}

void TfrmKopieren3::btnAlle1Click() {
  if (!copying_) FileListBox1->SelectAll();
}

void TfrmKopieren3::btnAll2Click() {
  if (!copying_) FileListBox2->SelectAll();
}

void TfrmKopieren3::DirectoryListBox1Click() {
  if (copying_) return;
  const std::string path = DirectoryListBox1->ItemPath(DirectoryListBox1->ItemIndex());
  if (!path.empty() && path != DirectoryListBox1->Directory()) DirectoryListBox1->Directory(path);
  selectBySourceBox();
}

void TfrmKopieren3::DirectoryListBox2Click() {
  if (copying_) return;
  const std::string path = DirectoryListBox2->ItemPath(DirectoryListBox2->ItemIndex());
  if (!path.empty() && path != DirectoryListBox2->Directory()) DirectoryListBox2->Directory(path);
}

void TfrmKopieren3::btnOnDirUp1Click() {
  if (copying_) return;
  const std::string parent = core::GetParentDir(SourceFolder());
  if (!parent.empty()) DirectoryListBox1->Directory(parent);
}

void TfrmKopieren3::btnOneDirUp2Click() {
  if (copying_) return;
  const std::string parent = core::GetParentDir(TargetFolder());
  if (!parent.empty()) DirectoryListBox2->Directory(parent);
}

}  // namespace tavilo::gui
