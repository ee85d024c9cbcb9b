// The folder chooser under Xvfb: a timer answers its window, so that Execute runs as it
// does for the user.
#include "gui/my_path_dlg.h"

#include <FL/Fl.H>
#include <FL/Fl_Input.H>
#include <gtest/gtest.h>
#include <linux/capability.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <functional>
#include <string>

#include "dialog_test_support.h"
#include "gui/application.h"
#include "gui/error_box.h"
#include "gui/my_path_dlg_form.h"
#include "gui/widgets/bit_btn.h"
#include "gui/widgets/dir_label.h"
#include "gui/widgets/directory_list_box.h"
#include "gui/widgets/drive_combo_box.h"
#include "gui/widgets/file_list_box.h"
#include "gui/widgets/filter_combo_box.h"
#include "gui/widgets/flat_button.h"
#include "gui/widgets/if_gradient.h"
#include "gui/widgets/text_label.h"
#include "modal_answer.h"
#include "platform/platform.h"
#include "support/temp_tree.h"

namespace tavilo::gui {
namespace {

namespace pf = tavilo::platform;

std::string realPath(const std::string& p) {
  char buf[PATH_MAX];
  return ::realpath(p.c_str(), buf) ? std::string(buf) : p;
}

// Runs Execute while `answer` works the shown window; a window the answer leaves open is
// closed with the close box, so that a failed expectation never hangs the test.
bool executeAnswering(TmyPathDlg& dlg, const std::function<void(TPfadWahl&)>& answer) {
  test::answerNextModal([&](Fl_Window& w) {
    auto* form = dynamic_cast<TPfadWahl*>(&w);
    ASSERT_NE(form, nullptr);
    ASSERT_EQ(form, dlg.PfadWahl());
    answer(*form);
    if (w.shown()) test::pressCloseBox(w);
  });
  return dlg.Execute();
}

void type(TPfadWahl& f, const std::string& text) {
  f.edtPath->value(text.c_str());
  f.edtPath->do_callback();
}

void pressOk(TPfadWahl& f) { f.okButton->do_callback(); }

class PathDlg : public tavilo::testing::TempTree {
 protected:
  void SetUp() override {
    TempTree::SetUp();
    root_ = realPath(path());
    makeFolder("Daten/Alt");
    writeFile("Daten/liesmich.txt", "x");
  }
  std::string root_;
};

TEST(PathDlgProperties, ValuesAfterCreation) {
  const TmyPathDlg dlg;
  EXPECT_EQ(dlg.Title(), "Ordner auswählen");
  EXPECT_EQ(dlg.InitialDir(), "");
  EXPECT_EQ(dlg.StartColor(), 0x8AB0FFu);
  EXPECT_EQ(dlg.EndColor(), 0xC0C0C0u);
  EXPECT_FALSE(dlg.Background());
  EXPECT_TRUE(dlg.NeuerOrdner());
  EXPECT_EQ(dlg.Pfadname(), "");
  EXPECT_TRUE(dlg.Sprache_D());
  EXPECT_EQ(dlg.Filter(), "");
  EXPECT_EQ(dlg.FileName(), "not used");
  EXPECT_EQ(dlg.DefaultExt(), "not used");
}

TEST_F(PathDlg, OkGivesTheListedFolderWithExactlyOneSlash) {
  struct Case {
    std::string initial;
    std::string chosen;
  };
  const Case cases[] = {
      {"/", "/"},
      {root_ + "/Daten", root_ + "/Daten/"},
      {root_ + "/Daten//", root_ + "/Daten/"},
      {root_ + "/Daten/Alt", root_ + "/Daten/Alt/"},
  };
  for (const auto& c : cases) {
    TmyPathDlg dlg;
    dlg.InitialDir(c.initial);
    std::string shown;
    EXPECT_TRUE(executeAnswering(dlg, [&](TPfadWahl& f) {
      shown = f.edtPath->value();
      pressOk(f);
    })) << c.initial;
    EXPECT_EQ(dlg.Pfadname(), c.chosen) << c.initial;
    EXPECT_EQ(shown, c.chosen) << "the edit field shows the folder: " << c.initial;
    EXPECT_EQ(dlg.PfadWahl(), nullptr) << "the form is gone after the call";
  }
}

TEST_F(PathDlg, AbbruchTheCloseBoxAndAMissingInitialDir) {
  TmyPathDlg dlg;
  dlg.Pfadname("/vorher/");
  dlg.InitialDir(root_ + "/Daten");
  EXPECT_FALSE(executeAnswering(dlg, [](TPfadWahl& f) { f.AbbruchButton->do_callback(); }));
  EXPECT_FALSE(executeAnswering(dlg, [](TPfadWahl& f) { test::pressCloseBox(f); }));
  EXPECT_EQ(dlg.Pfadname(), "/vorher/") << "Pfadname keeps its value";

  ASSERT_TRUE(pf::changeFolder(root_ + "/Daten/Alt"));
  dlg.InitialDir(root_ + "/fehlt");
  EXPECT_TRUE(executeAnswering(dlg, pressOk));
  EXPECT_EQ(dlg.Pfadname(), root_ + "/Daten/Alt/") << "the lists start at the process's current folder";
}

TEST_F(PathDlg, EscDoesNothing) {
  TmyPathDlg dlg;
  dlg.InitialDir(root_);
  bool openAfterEsc = false;
  EXPECT_FALSE(executeAnswering(dlg, [&](TPfadWahl& f) {
    test::sendEscape(f);
    openAfterEsc = f.shown();
    f.AbbruchButton->do_callback();
  }));
  EXPECT_TRUE(openAfterEsc);
}

TEST_F(PathDlg, OneFolderUpStopsAtTheRoot) {
  TmyPathDlg dlg;
  dlg.InitialDir(root_ + "/Daten/Alt");
  std::vector<std::string> seen;
  EXPECT_TRUE(executeAnswering(dlg, [&](TPfadWahl& f) {
    f.btnDirLower->do_callback();
    seen.push_back(f.DirectoryListBox1->Directory());
    seen.push_back(f.FileListBox1->Directory());
    ASSERT_TRUE(f.DirectoryListBox1->Directory("/"));
    f.btnDirLower->do_callback();
    seen.push_back(f.DirectoryListBox1->Directory());
    seen.push_back(f.edtPath->value());
    pressOk(f);
  }));
  EXPECT_EQ(seen, (std::vector<std::string>{root_ + "/Daten", root_ + "/Daten", "/", "/"}));
  EXPECT_EQ(dlg.Pfadname(), "/");
}

TEST_F(PathDlg, TheNewFolderButtonMakesTheTypedPathWithItsParentsAndGoesThere) {
  TmyPathDlg dlg;
  dlg.InitialDir(root_ + "/Daten");
  std::string edit, label;
  EXPECT_TRUE(executeAnswering(dlg, [&](TPfadWahl& f) {
    type(f, std::string(f.edtPath->value()) + "Neu/Tiefer");
    f.btnNewFolder->do_callback();
    edit = f.edtPath->value();
    label = f.Label2->Caption();
    pressOk(f);
  }));
  EXPECT_TRUE(pf::isFolder(root_ + "/Daten/Neu/Tiefer"));
  EXPECT_EQ(edit, root_ + "/Daten/Neu/Tiefer/");
  EXPECT_EQ(label, edit);
  EXPECT_EQ(dlg.Pfadname(), root_ + "/Daten/Neu/Tiefer/");
}

TEST_F(PathDlg, EnterInTheEditFieldClosesWithTheListedFolderAndCreatesNothing) {
  TmyPathDlg dlg;
  dlg.InitialDir(root_ + "/Daten");
  bool focusInEdit = false;
  EXPECT_TRUE(executeAnswering(dlg, [&](TPfadWahl& f) {
    focusInEdit = Fl::focus() == f.edtPath;
    type(f, root_ + "/Daten/NichtAnlegen");
    test::sendEnter(f);
  }));
  EXPECT_TRUE(focusInEdit) << "with new folders allowed the focus starts in the edit field";
  EXPECT_EQ(dlg.Pfadname(), root_ + "/Daten/");
  EXPECT_FALSE(exists("Daten/NichtAnlegen"));
}

TEST_F(PathDlg, TheNewFolderButtonIsEnabledWhileTheEditDiffersFromTheLabel) {
  TmyPathDlg dlg;
  dlg.InitialDir(root_ + "/Daten/Alt");
  std::vector<std::string> steps;
  auto state = [](TPfadWahl& f, const char* what) { return std::string(what) + (f.btnNewFolder->active() ? "+" : "-"); };
  executeAnswering(dlg, [&](TPfadWahl& f) {
    steps.push_back(state(f, "shown"));
    f.btnDirLower->do_callback();
    steps.push_back(state(f, "folder change"));
    type(f, f.Label2->Caption());
    steps.push_back(state(f, "edit = label"));
    type(f, f.Label2->Caption() + "x");
    steps.push_back(state(f, "typed"));
    type(f, f.Label2->Caption());
    steps.push_back(state(f, "edit = label"));
    type(f, f.Label2->Caption() + "Neu");
    f.btnNewFolder->do_callback();
    steps.push_back(state(f, "created"));
    f.FormActivate();
    steps.push_back(state(f, "activated again"));
  });
  EXPECT_EQ(steps, (std::vector<std::string>{"shown+", "folder change+", "edit = label-", "typed+", "edit = label-",
                                             "created+", "activated again+"}));
}

TEST_F(PathDlg, AnEmptyPathGivesTheErrorAndTheWindowStaysOpen) {
  TmyPathDlg dlg;
  dlg.InitialDir(root_);
  std::string message;
  bool stillOpen = false;
  EXPECT_TRUE(executeAnswering(dlg, [&](TPfadWahl& f) {
    type(f, "");
    test::answerNextModal([&](Fl_Window& box) {
      if (auto* e = dynamic_cast<ErrorBox*>(&box)) message = e->message();
      box.hide();
    });
    f.btnNewFolder->do_callback();
    stillOpen = f.shown();
    pressOk(f);
  }));
  EXPECT_EQ(message, "Das Verzeichnis kann nicht erstellt werden.");
  EXPECT_TRUE(stillOpen);
}

TEST_F(PathDlg, WithoutNewFoldersTheEditIsDisabledAndTheButtonHidden) {
  TmyPathDlg dlg;
  dlg.NeuerOrdner(false);
  dlg.InitialDir(root_);
  bool editActive = true, labelActive = true, buttonShown = true;
  executeAnswering(dlg, [&](TPfadWahl& f) {
    editActive = f.edtPath->active();
    labelActive = f.Label3->active();
    buttonShown = f.btnNewFolder->visible();
  });
  EXPECT_FALSE(editActive);
  EXPECT_FALSE(labelActive);
  EXPECT_FALSE(buttonShown);
}

TEST_F(PathDlg, GermanAndEnglishWordsAndTheTitleRule) {
  struct Case {
    bool german;
    std::string title;
    std::string shownTitle;
    std::string words;
  };
  const std::string german =
      "Abbruch|Aktuell :|Neuer Ordner :|Aktueller Ordner|Hier neuen Ordner eingeben|Neuen Ordner erstellen|"
      "1 Ordner höher|Alle Dateien (*.*)";
  const std::string english =
      "Cancel|Actuel folder :|New folder :|Actuel folder|insert new folder-name|Create new folder|1 Step up|"
      "All Files (*.*)";
  const Case cases[] = {
      {true, "Ordner auswählen", "Ordner auswählen", german},
      {true, "", "Ordner auswählen", german},
      {false, "Ordner auswählen", "Ordner auswählen", english},
      {false, "", "Select Folder", english},
      {false, "Neuen Ordner auswählen oder erstellen", "Neuen Ordner auswählen oder erstellen", english},
  };
  Application& app = Application::instance();
  for (const auto& c : cases) {
    TmyPathDlg dlg;
    dlg.Sprache_D(c.german);
    dlg.Title(c.title);
    dlg.InitialDir(root_);
    std::string title, words;
    executeAnswering(dlg, [&](TPfadWahl& f) {
      title = f.label();
      words = f.AbbruchButton->Caption() + "|" + f.Label1->Caption() + "|" + f.Label3->Caption() + "|" +
              app.hintOf(f.Label2) + "|" + app.hintOf(f.edtPath) + "|" + app.hintOf(f.btnNewFolder) + "|" +
              app.hintOf(f.btnDirLower) + "|" + f.FilterComboBox2->Entries().at(0).description;
    });
    EXPECT_EQ(title, c.shownTitle) << "German " << c.german << ", Title '" << c.title << "'";
    EXPECT_EQ(words, c.words) << "German " << c.german << ", Title '" << c.title << "'";
  }
}

TEST_F(PathDlg, ColoursFilterAndTheLinkedLists) {
  writeFile("Daten/bild.jpg", "x");
  TmyPathDlg dlg;
  dlg.Background(true);
  dlg.StartColor(0x112233);
  dlg.EndColor(0x445566);
  dlg.Filter("Bilder|*.jpg|Alles|*.*");
  dlg.InitialDir(root_ + "/Daten");
  bool gradient = false;
  TColor start = 0, end = 0;
  std::vector<std::string> files;
  std::string chosenFolder;
  executeAnswering(dlg, [&](TPfadWahl& f) {
    gradient = f.BG->visible();
    start = f.BG->StartColor();
    end = f.BG->EndColor();
    files.push_back(f.FileListBox1->FileName(0) + "/" + std::to_string(f.FileListBox1->Count()));
    f.FilterComboBox2->ItemIndex(1);
    files.push_back(std::to_string(f.FileListBox1->Count()));
    f.DirectoryListBox1->Directory(root_ + "/Daten/Alt");
    files.push_back(f.FileListBox1->Directory() + "=" + std::to_string(f.FileListBox1->Count()));
    chosenFolder = f.Label2->Caption();
  });
  EXPECT_TRUE(gradient);
  EXPECT_EQ(start, 0x112233u);
  EXPECT_EQ(end, 0x445566u);
  EXPECT_EQ(files, (std::vector<std::string>{"bild.jpg/1", "2", root_ + "/Daten/Alt=0"}));
  EXPECT_EQ(chosenFolder, root_ + "/Daten/Alt/");
}

// A mount point that cannot be read: a tmpfs of mode 0 in a private mount namespace of this
// process, while root's permission override is dropped from the effective capabilities.
// Without the rights for that, a folder of mode 0 is injected as a drive instead.
class UnreadableDrive {
 public:
  explicit UnreadableDrive(const std::string& dir) : dir_(dir) {
    ::mkdir(dir.c_str(), 0700);
    if (::geteuid() == 0 && ::unshare(CLONE_NEWNS) == 0 &&
        ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
        ::mount("tavilo-test", dir.c_str(), "tmpfs", 0, "mode=000") == 0)
      mounted_ = true;
    ::chmod(dir.c_str(), 0);
    if (::geteuid() == 0) dropPermissionOverride();
  }
  ~UnreadableDrive() {
    if (dropped_) ::syscall(SYS_capset, &header_, saved_);
    if (mounted_) ::umount2(dir_.c_str(), MNT_DETACH);
    ::chmod(dir_.c_str(), 0700);
  }
  bool mounted() const { return mounted_; }
  bool unreadable() const { return !pf::driveReady(dir_); }

 private:
  void dropPermissionOverride() {
    header_ = {_LINUX_CAPABILITY_VERSION_3, 0};
    if (::syscall(SYS_capget, &header_, saved_) != 0) return;
    __user_cap_data_struct lowered[2] = {saved_[0], saved_[1]};
    lowered[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
    dropped_ = ::syscall(SYS_capset, &header_, lowered) == 0;
  }

  std::string dir_;
  bool mounted_ = false;
  bool dropped_ = false;
  __user_cap_header_struct header_{};
  __user_cap_data_struct saved_[2]{};
};

TEST_F(PathDlg, ADriveThatCannotBeReadGivesTheMessageAndTheSelectorReturns) {
  const std::string mount = root_ + "/laufwerk";
  UnreadableDrive drive(mount);
  ASSERT_TRUE(drive.unreadable()) << "cannot make an unreadable drive here";
  if (!drive.mounted()) std::cout << "[ note ] no private mount possible; the drive is injected\n";
  TmyPathDlg dlg;
  dlg.InitialDir(root_ + "/Daten");
  std::string caption, message, driveInHandler, lastDriveInHandler, listInHandler;
  std::string driveAfter, lastDriveAfter, listAfter, lastDriveAtRoot, listAtRoot;
  executeAnswering(dlg, [&](TPfadWahl& f) {
    if (!drive.mounted()) f.DriveComboBox1->Drives({mount});
    const auto& drives = f.DriveComboBox1->Drives();
    const auto at = std::find(drives.begin(), drives.end(), mount);
    ASSERT_NE(at, drives.end()) << "the mount point is listed as a drive";
    test::answerNextModal([&](Fl_Window& box) {
      caption = box.label() ? box.label() : "";
      if (auto* e = dynamic_cast<ErrorBox*>(&box)) message = e->message();
      driveInHandler = f.DriveComboBox1->Drive();
      lastDriveInHandler = f.LastDrive();
      listInHandler = f.DirectoryListBox1->Directory();
      box.hide();
    });
    // As the user picks it: the selector's own callback.
    f.DriveComboBox1->value(static_cast<int>(at - drives.begin()));
    f.DriveComboBox1->do_callback();
    driveAfter = f.DriveComboBox1->Drive();
    lastDriveAfter = f.LastDrive();
    listAfter = f.DirectoryListBox1->Directory();
    f.DriveComboBox1->value(0);
    f.DriveComboBox1->do_callback();
    lastDriveAtRoot = f.LastDrive();
    listAtRoot = f.DirectoryListBox1->Directory();
  });
  EXPECT_EQ(caption, "Fehler");
  EXPECT_EQ(message, "Laufwerk " + mount + " nicht bereit");
  EXPECT_EQ(driveInHandler, mount) << "the handler finds the picked drive in the selector";
  EXPECT_EQ(listInHandler, root_ + "/Daten") << "and the list still on a readable drive";
  EXPECT_NE(lastDriveInHandler, mount);
  EXPECT_EQ(driveAfter, lastDriveInHandler) << "the selector returns to the last ready drive";
  EXPECT_EQ(lastDriveAfter, lastDriveInHandler);
  EXPECT_EQ(listAfter, root_ + "/Daten");
  EXPECT_EQ(lastDriveAtRoot, "/");
  EXPECT_EQ(listAtRoot, "/");
}

}  // namespace
}  // namespace tavilo::gui
