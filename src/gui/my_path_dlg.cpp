#include "gui/my_path_dlg.h"

#include <FL/Fl_Group.H>
#include <FL/Fl_Input.H>

#include "core/folder_tree.h"
#include "gui/application.h"
#include "gui/my_path_dlg_form.h"
#include "gui/widgets/bit_btn.h"
#include "gui/widgets/dir_label.h"
#include "gui/widgets/directory_list_box.h"
#include "gui/widgets/filter_combo_box.h"
#include "gui/widgets/flat_button.h"
#include "gui/widgets/if_gradient.h"
#include "gui/widgets/text_label.h"
#include "platform/platform.h"

namespace tavilo::gui {

namespace {

void setEnabled(Fl_Widget* w, bool on) {
  if (on)
    w->activate();
  else
    w->deactivate();
  w->redraw();
}

// The English words that replace the design's German ones.
void useEnglish(TPfadWahl& f) {
  Application& app = Application::instance();
  f.AbbruchButton->Caption("Cancel");
  f.Label1->Caption("Actuel folder :");
  f.Label3->Caption("New folder :");
  app.setHint(f.Label2, "Actuel folder", true);
  app.setHint(f.edtPath, "insert new folder-name", true);
  app.setHint(f.btnNewFolder, "Create new folder", true);
  app.setHint(f.btnDirLower, "1 Step up", true);
}

}  // namespace

bool TmyPathDlg::Execute() {
  TPfadWahl form;
  pfadWahl_ = &form;
  struct Release {
    TPfadWahl*& slot;
    ~Release() { slot = nullptr; }
  } release{pfadWahl_};

  form.BG->StartColor(startColor_);
  form.BG->EndColor(endColor_);
  if (background_)
    form.BG->show();
  else
    form.BG->hide();
  setEnabled(form.edtPath, neuerOrdner_);
  setEnabled(form.Label3, neuerOrdner_);
  if (neuerOrdner_)
    form.btnNewFolder->show();
  else
    form.btnNewFolder->hide();
  if (!spracheD_) useEnglish(form);
  form.Caption(!title_.empty() ? title_ : spracheD_ ? "Ordner auswählen" : "Select Folder");
  form.FilterComboBox2->Filter(!filter_.empty() ? filter_
                               : spracheD_      ? "Alle Dateien (*.*)|*.*"
                                                : "All Files (*.*)|*.*");
  if (!initialDir_.empty() && platform::isFolder(initialDir_)) form.DirectoryListBox1->Directory(initialDir_);

  if (form.ShowModal() != mrOk) return false;
  pfadname_ = core::withOneTrailingSlash(form.DirectoryListBox1->Directory());
  return true;
}

}  // namespace tavilo::gui
