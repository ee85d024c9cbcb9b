// Building TfrmKopieren3's controls at their design places, with their looks,
// bindings and pop-up menus.
#include <FL/Fl.H>

#include "gui/application.h"
#include "gui/copy_window.h"
#include "gui/glyphs.h"
#include "gui/system_colors.h"
#include "gui/widgets/check_box.h"
#include "gui/widgets/dir_label.h"
#include "gui/widgets/directory_list_box.h"
#include "gui/widgets/drive_combo_box.h"
#include "gui/widgets/file_list_box.h"
#include "gui/widgets/flat_button.h"
#include "gui/widgets/grad_btn.h"
#include "gui/widgets/label3d.h"
#include "gui/widgets/progress_bar.h"
#include "gui/widgets/text_label.h"

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


}  // namespace

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
  DriveComboBox1->Cursor(FL_CURSOR_HAND);
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

}  // namespace tavilo::gui
