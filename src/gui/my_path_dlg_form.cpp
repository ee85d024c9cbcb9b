#include "gui/my_path_dlg_form.h"

#include <FL/Fl.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Input.H>

#include "core/folder_tree.h"
#include "gui/application.h"
#include "gui/error_box.h"
#include "gui/form_position.h"
#include "gui/glyphs.h"
#include "gui/system_colors.h"
#include "gui/widgets/bit_btn.h"
#include "gui/widgets/dir_label.h"
#include "gui/widgets/directory_list_box.h"
#include "gui/widgets/drive_combo_box.h"
#include "gui/widgets/file_list_box.h"
#include "gui/widgets/filter_combo_box.h"
#include "gui/widgets/flat_button.h"
#include "gui/widgets/if_gradient.h"
#include "gui/widgets/text_label.h"
#include "platform/platform.h"

namespace tavilo::gui {

namespace {

const FontSpec kFormFont{"Arial", 11, true, kBlack};
const FontSpec kSansSerif{"MS Sans Serif", 11, false, kBlack};

TTextLabel* makeLabel(int x, int y, const char* caption) {
  auto* label = new TTextLabel(x, y, 1, 1);
  label->Font(kFormFont);
  label->Caption(caption);
  return label;
}

TFlatButton* makeSpeedButton(int x, int y, int w, int h, Fl_Image* glyph) {
  auto* button = new TFlatButton(x, y, w, h);
  button->Glyph(glyph);
  button->Border(true);
  button->BorderColor(kBtnShadow);
  button->FocusedColor(0xE8E8E8);
  button->DownColor(0xA0A0A0);
  button->Cursor(FL_CURSOR_DEFAULT);
  return button;
}

TBitBtn* makeButton(int x, const char* caption, Fl_Image* glyph, int result) {
  auto* button = new TBitBtn(x, 235, 85, 25);
  button->Font(kFormFont);
  button->Caption(caption);
  button->Glyph(glyph);
  button->ModalResult(result);
  return button;
}

// Runs a handler of the form with the application's error box for what it raises.
template <void (TPfadWahl::*handler)()>
void call(Fl_Widget*, void* self) {
  Application::instance().guarded([self] { (static_cast<TPfadWahl*>(self)->*handler)(); });
}

}  // namespace

TPfadWahl::TPfadWahl() : MessageWindow(kClientWidth, kClientHeight) {
  ClientSize(kClientWidth, kClientHeight);
  BG = new TIF_Gradient(0, 0, kClientWidth, kClientHeight);
  BG->Align(alClient);
  BG->Direction(gdUpDown);
  BG->StartColor(0x8AB0FF);
  BG->EndColor(kSilver);
  Label3 = makeLabel(10, 8, "Neuer Ordner :");
  Label1 = makeLabel(10, 40, "Aktuell :");

  edtPath = new Fl_Input(94, 5, 283, 21);
  edtPath->textfont(fontFor(kSansSerif.face, false));
  edtPath->textsize(kSansSerif.size);
  edtPath->when(FL_WHEN_CHANGED);
  edtPath->callback(&call<&TPfadWahl::edtPathChange>, this);

  AbbruchButton = makeButton(300, "Abbruch", glyphs::abortSign(), mrCancel);
  okButton = makeButton(205, "OK", glyphs::ok(), mrOk);
  okButton->Default(true);
  connect(AbbruchButton);
  connect(okButton);

  DriveComboBox1 = new TDriveComboBox(183, 207, 226, 20);
  DriveComboBox1->Font(kFormFont);
  FileListBox1 = new TFileListBox(8, 63, 169, 164);
  FileListBox1->Font(kFormFont);
  FileListBox1->color(toFl(kSilver));
  FileListBox1->clear_visible_focus();
  DirectoryListBox1 = new TDirectoryListBox(183, 63, 226, 140);
  DirectoryListBox1->Font(kFormFont);

  Panel1 = new Fl_Group(94, 33, 284, 22);
  Panel1->box(FL_THIN_DOWN_BOX);
  Panel1->color(toFl(kSilver));
  Label2 = new TDirLabel(94 + 4, 33 + 5, 285, 13);
  Label2->Autosize(false);
  Label2->Font(kSansSerif);
  Panel1->end();

  FilterComboBox2 = new TFilterComboBox(8, 232, 170, 20);
  FilterComboBox2->Font(kFormFont);

  btnNewFolder = makeSpeedButton(383, 5, 25, 23, glyphs::newFolder());
  btnNewFolder->callback(&call<&TPfadWahl::btnNewFolderClick>, this);
  btnDirLower = makeSpeedButton(383, 32, 25, 25, glyphs::folderUp());
  btnDirLower->callback(&call<&TPfadWahl::btnDirLowerClick>, this);
  end();

  Application& app = Application::instance();
  app.setHint(edtPath, "Hier neuen Ordner eingeben", true);
  app.setHint(btnNewFolder, "Neuen Ordner erstellen", true);
  app.setHint(Label2, "Aktueller Ordner", true);
  app.setHint(btnDirLower, "1 Ordner höher", true);

  DirectoryListBox1->DirLabel(Label2);
  // Within the sunken panel rather than the folder list's width.
  Label2->ShortenWidth(Panel1->w() - 8);
  DirectoryListBox1->FileList(FileListBox1);
  DriveComboBox1->DirList(DirectoryListBox1);
  FilterComboBox2->FileList(FileListBox1);
  DirectoryListBox1->OnChange([this] { Application::instance().guarded([this] { DirectoryListBox1Change(); }); });
  DriveComboBox1->OnChange([this] { Application::instance().guarded([this] { DriveComboBox1Change(); }); });
  app.OnActivate(this, [this] { FormActivate(); });

  Caption("Ordner auswählen");
  placeForm(*this, poScreenCenter, nullptr, 0, 0);
}

TPfadWahl::~TPfadWahl() { Application::instance().OnActivate(this, nullptr); }

void TPfadWahl::Caption(const std::string& text) {
  caption_ = text;
  label(caption_.c_str());
}

void TPfadWahl::show() {
  const bool first = !shown();
  MessageWindow::show();
  if (!first) return;
  if (edtPath->active()) edtPath->take_focus();
  Application::instance().activate(this);
}

void TPfadWahl::FormActivate() {
  lastDrive_ = DriveComboBox1->Drive();
  DirectoryListBox1Change();
}

void TPfadWahl::DirectoryListBox1Change() {
  // Like any edit field, edtPath reports a change only when its text changes: the
  // button keeps the state the last change gave it (the folder list's own caption,
  // written before this handler runs, lacks the trailing slash).
  const std::string path = core::WithBackslash(DirectoryListBox1->Directory());
  if (path != edtPath->value()) {
    edtPath->value(path.c_str());
    edtPathChange();
  }
  Label2->Caption(edtPath->value());
}

void TPfadWahl::edtPathChange() {
  if (Label2->Caption() != edtPath->value())
    btnNewFolder->activate();
  else
    btnNewFolder->deactivate();
  btnNewFolder->redraw();
}

void TPfadWahl::btnNewFolderClick() {
  const std::string path = edtPath->value();
  core::ForceDirectories(path);
  if (platform::isFolder(path)) DirectoryListBox1->Directory(path);
}

void TPfadWahl::btnDirLowerClick() {
  DirectoryListBox1->Directory(core::UpOneFolder(DirectoryListBox1->Directory()));
}

void TPfadWahl::DriveComboBox1Change() {
  const std::string drive = DriveComboBox1->Drive();
  if (!platform::driveReady(drive)) {
    // Kept here: whatever runs while the message is open must not change where we return to.
    const std::string back = lastDrive_;
    ErrorBox box("Fehler", core::driveNotReadyText(drive));
    Application::instance().showModal(box, false);
    lastDrive_ = back;
    DriveComboBox1->Drive(back);
    return;
  }
  lastDrive_ = drive;
  DirectoryListBox1->Drive(drive);
}

}  // namespace tavilo::gui
