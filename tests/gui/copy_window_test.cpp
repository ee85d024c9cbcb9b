#include "gui/copy_window.h"

#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

#include <FL/Fl.H>

#include "copy_window_fixture.h"
#include "gui/my_path_dlg_form.h"
#include "gui/widgets/bit_btn.h"
#include "gui/widgets/check_box.h"
#include "gui/widgets/flat_button.h"
#include "platform/platform.h"
#include "support/message_recorder.h"
#include "widget_test_support.h"

#include <FL/Fl_Input.H>

namespace tavilo::gui::test {
namespace {

using tavilo::testing::MessageRecorder;
using tavilo::testing::ShownMessage;

class CopyWindow : public CopyWindowTest {};

TEST_F(CopyWindow, KopierenOpensAtTheEntrysFolderWithEverythingSelectedElseAtTheProgramFolder) {
  for (const char* f : {"daten/a.txt", "daten/b.txt", "daten/c.txt"}) medium_.file(f, f);
  main_->position(120, 90);
  pump(0.05);
  main_->Model().EntryLocation = path("daten/b.txt");
  openAs(true, [&](TfrmKopieren3& w) {
    EXPECT_EQ(w.x(), main_->x() + 10);
    EXPECT_EQ(w.y(), main_->y() + 10);
    EXPECT_EQ(w.SourceFolder(), path("daten"));
    EXPECT_TRUE(w.cbRecursiv->Checked());
    EXPECT_EQ(selected(*w.FileListBox1), (std::vector<std::string>{"a.txt", "b.txt", "c.txt"}));
    EXPECT_FALSE(w.btnAlle1->active());
    EXPECT_FALSE(w.MenuItem1().Enabled);
    // A plain click selects one line; with the box checked all are selected again.
    const int rowY = w.FileListBox1->y() + 3 + TFileListBox::kItemHeight / 2;
    sendMouse(w, FL_PUSH, w.FileListBox1->x() + 30, rowY);
    sendMouse(w, FL_RELEASE, w.FileListBox1->x() + 30, rowY);
    EXPECT_EQ(w.FileListBox1->SelCount(), 3);
  });

  main_->Model().EntryLocation = path("fehlt/setup.exe");
  openAs(true, [&](TfrmKopieren3& w) { EXPECT_EQ(w.SourceFolder(), path()); });

  main_->Model().EntryLocation = path("daten/b.txt");
  openAs(false, [&](TfrmKopieren3& w) {
    EXPECT_EQ(w.SourceFolder(), path());
    EXPECT_FALSE(w.cbRecursiv->Checked());
    EXPECT_EQ(w.FileListBox1->SelCount(), 0);
    EXPECT_TRUE(w.btnAlle1->active());
    EXPECT_TRUE(w.MenuItem1().Enabled);
    // The label beside the box toggles it, and the selection follows.
    w.DirectoryListBox1->Directory(path("daten"));
    w.lblRecursivClick();
    EXPECT_TRUE(w.cbRecursiv->Checked());
    EXPECT_EQ(w.FileListBox1->SelCount(), 3);
    EXPECT_FALSE(w.btnAlle1->active());
  });
}

TEST_F(CopyWindow, AnzahlDateienCountsEveryFileBelowTheFolder) {
  for (int i = 0; i < 10; ++i) medium_.file("daten/f" + std::to_string(i), "x");
  medium_.file("daten/sub/g1", "x");
  medium_.file("daten/sub/.versteckt", "x");
  main_->Model().EntryLocation = path("daten/f0");
  openAs(true, [&](TfrmKopieren3& w) {
    SeenMessage seen;
    answerMessage(mrOk, &seen);
    w.AnzahlDateien1Click();
    EXPECT_EQ(seen.title, "Information");
    EXPECT_EQ(seen.text, "Anzahl Dateien im Ordner:\n\n" + path("daten"));
    EXPECT_EQ(seen.question, "12total");
    w.DirectoryListBox2->Directory(path("daten/sub"));
    answerMessage(mrOk, &seen);
    w.AnzahlDateien2Click();
    EXPECT_EQ(seen.question, "2total");
  });
}

TEST_F(CopyWindow, SelectedTargetFilesAreDeletedOnlyOnJa) {
  for (const char* f : {"ziel/x.txt", "ziel/y.txt", "ziel/z.txt"}) medium_.file(f, f);
  ASSERT_EQ(::chmod(path("ziel/y.txt").c_str(), 0444), 0);
  openAs(false, [&](TfrmKopieren3& w) {
    w.DirectoryListBox2->Directory(path("ziel"));
    w.btnAll2Click();
    EXPECT_EQ(w.FileListBox2->SelCount(), 3);
    w.FileListBox2->ClearSelection();
    w.FileListBox2->Selected(0, true);
    w.FileListBox2->Selected(1, true);
    for (int answer : {int(mrNo), int(mrCancel)}) {
      SeenMessage seen;
      answerMessage(answer, &seen);
      w.btnDeleteClick();
      EXPECT_EQ(seen.title, "Bestätigung");
      EXPECT_EQ(seen.text, "Alle gewählten Dateien");
      EXPECT_EQ(seen.question, "LÖSCHEN ?");
      EXPECT_EQ(names("ziel"), (std::vector<std::string>{"x.txt", "y.txt", "z.txt"})) << "answer " << answer;
    }
    ASSERT_TRUE(platform::changeFolder(path()));  // not the target: the deletion uses full paths
    answerMessage(mrYes);
    w.btnDeleteClick();
    EXPECT_EQ(names("ziel"), std::vector<std::string>{"z.txt"});
    EXPECT_EQ(listed(*w.FileListBox2), std::vector<std::string>{"z.txt"});
  });
}

TEST_F(CopyWindow, DeletingTheTargetFolderShowsItsParentAndDeletesOnlyOnYes) {
  medium_.file("ziel/alt/a.txt", "a");
  medium_.file("ziel/alt/sub/b.txt", "b");
  openAs(false, [&](TfrmKopieren3& w) {
    {
      MessageRecorder no(mrNo);
      w.DirectoryListBox2->Directory(path("ziel/alt"));
      w.btnDeleteDirClick();
      ASSERT_EQ(no.messages.size(), 1u);
      EXPECT_EQ(no.messages[0].question, "LÖSCHEN ?");
      EXPECT_TRUE(std::filesystem::exists(path("ziel/alt/sub/b.txt")));
      EXPECT_EQ(w.TargetFolder(), path("ziel"));
    }
    MessageRecorder yes(mrYes);
    w.DirectoryListBox2->Directory(path("ziel/alt"));
    w.btnDeleteDirClick();
    EXPECT_FALSE(std::filesystem::exists(path("ziel/alt")));
    EXPECT_EQ(w.TargetFolder(), path("ziel"));
    for (const auto& item : w.DirectoryListBox2->Items()) EXPECT_NE(item.name, "alt");
  });
}

TEST_F(CopyWindow, AMountRootIsNotDeletedAndGivesTheDriveMessage) {
  // A tmpfs of this test, mounted in a private mount namespace of this process.
  const std::string mount = path("laufwerk");
  std::filesystem::create_directories(mount);
  if (::geteuid() != 0 || ::unshare(CLONE_NEWNS) != 0 ||
      ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
      ::mount("tavilo-test", mount.c_str(), "tmpfs", 0, "size=1m") != 0)
    GTEST_SKIP() << "no private mount possible here";
  medium_.file("laufwerk/bleibt.txt", "x");
  openAs(false, [&](TfrmKopieren3& w) {
    // Any question is answered No: a faulty refusal must not cost the mount.
    MessageRecorder rec(mrNo);
    w.DirectoryListBox2->Directory(mount);
    w.btnDeleteDirClick();
    ASSERT_EQ(rec.messages.size(), 1u);
    EXPECT_EQ(rec.messages[0].icon, mtInformation);
    EXPECT_NE(rec.messages[0].text.find(" ist Laufwerk"), std::string::npos) << rec.messages[0].text;
    EXPECT_EQ(w.TargetFolder(), mount);
  });
  EXPECT_TRUE(std::filesystem::exists(path("laufwerk/bleibt.txt")));
  ::umount2(mount.c_str(), MNT_DETACH);
}

TEST_F(CopyWindow, TheFolderChooserMovesTheTargetSideToANewFolder) {
  medium_.file("ziel/x.txt", "x");
  openAs(false, [&](TfrmKopieren3& w) {
    w.DirectoryListBox2->Directory(path("ziel"));
    answerNextModal([&](Fl_Window& m) {
      auto& f = dynamic_cast<TPfadWahl&>(m);
      EXPECT_EQ(f.Caption(), "Neuen Ordner auswählen oder erstellen");
      EXPECT_EQ(f.DirectoryListBox1->Directory(), path("ziel"));
      f.AbbruchButton->do_callback();
    });
    w.btnNewFolderClick();
    EXPECT_EQ(w.TargetFolder(), path("ziel"));
    answerNextModal([&](Fl_Window& m) {
      auto& f = dynamic_cast<TPfadWahl&>(m);
      f.edtPath->value((path("ziel") + "/Neu").c_str());
      f.edtPath->do_callback();
      f.btnNewFolder->do_callback();
      f.okButton->do_callback();
    });
    w.btnNewFolderClick();
    EXPECT_EQ(w.TargetFolder(), path("ziel/Neu"));
    EXPECT_TRUE(std::filesystem::is_directory(path("ziel/Neu")));
  });
}

}  // namespace
}  // namespace tavilo::gui::test
