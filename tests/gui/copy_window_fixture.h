// The copy window made after a real main window on a temporary medium, as the
// program entry makes it, and the answers its tests give to its messages.
#ifndef TAVILO_TESTS_GUI_COPY_WINDOW_FIXTURE_H
#define TAVILO_TESTS_GUI_COPY_WINDOW_FIXTURE_H

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "gui/application.h"
#include "gui/copy_window.h"
#include "gui/my_msg_form.h"
#include "gui/widgets/dialog_button.h"
#include "gui/widgets/directory_list_box.h"
#include "gui/widgets/file_list_box.h"
#include "main_window_test_support.h"
#include "modal_answer.h"

namespace tavilo::gui::test {

inline TDialogButton* buttonAnswering(Fl_Group& g, int result) {
  for (int i = 0; i < g.children(); ++i) {
    Fl_Widget* w = g.child(i);
    if (auto* b = dynamic_cast<TDialogButton*>(w); b && b->visible() && b->ModalResult() == result) return b;
    if (Fl_Group* sub = w->as_group())
      if (TDialogButton* b = buttonAnswering(*sub, result)) return b;
  }
  return nullptr;
}

struct SeenMessage {
  std::string title, text, question;
};

// Answers the next message form with the button of `result` (mrCancel: the
// close box) and keeps what it showed; other modal windows are passed over.
inline void answerMessage(int result, SeenMessage* seen = nullptr) {
  answerAllModals([result, seen](Fl_Window& w) {
    auto* form = dynamic_cast<TmsgForm*>(&w);
    if (!form) return;
    stopAnswering();
    if (seen) *seen = {form->Caption(), form->Anzeigetext->Caption(), form->Fragetext->Caption()};
    if (result == mrCancel) {
      form->do_callback();
      return;
    }
    if (TDialogButton* b = buttonAnswering(*form, result)) {
      b->do_callback();
      return;
    }
    ADD_FAILURE() << "no button answers " << result;
    form->hide();
  });
}

class CopyWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    medium_.ini("[Programm]\nVersion=4.02\n[Gruppen]\nAnzahl=0\n");
    main_ = openMainWindow(medium_);
    win_ = std::make_unique<TfrmKopieren3>(main_->Model(), *main_);
    main_->ShowCopyWindow = [this](bool atProgramDir, bool recursive) {
      win_->StartAtProgramDir = atProgramDir;
      win_->StartRecursive = recursive;
      Application::instance().showModal(*win_);
    };
  }
  void TearDown() override {
    stopAnswering();
    win_.reset();
    main_.reset();
    Application::instance().MainForm(nullptr);
  }

  // Opens the window from the main window ("Kopieren", else "CD durchsuchen")
  // and runs `look` while it is shown; closes it afterwards if still open.
  void openAs(bool kopieren, const std::function<void(TfrmKopieren3&)>& look) {
    bool shown = false;
    answerNextModal([&](Fl_Window& w) {
      ASSERT_EQ(&w, win_.get());
      shown = true;
      look(*win_);
      if (win_->shown()) win_->btnSchliessenClick();
    });
    if (kopieren)
      main_->KopierenClick();
    else
      main_->CDdurchsuchen1Click();
    EXPECT_TRUE(shown);
    EXPECT_FALSE(win_->shown());
  }

  std::string path(const std::string& rel = {}) const {
    return rel.empty() ? medium_.root().string() : medium_.dir() + rel;
  }
  // Names in a folder of the medium, sorted by bytes (hidden ones too).
  std::vector<std::string> names(const std::string& rel) const {
    std::vector<std::string> out;
    for (const auto& e : std::filesystem::directory_iterator(path(rel))) out.push_back(e.path().filename().string());
    std::sort(out.begin(), out.end());
    return out;
  }
  static std::vector<std::string> listed(const TFileListBox& list) {
    std::vector<std::string> out;
    for (int i = 0; i < list.Count(); ++i) out.push_back(list.FileName(i));
    return out;
  }
  static std::vector<std::string> selected(const TFileListBox& list) {
    std::vector<std::string> out;
    for (int i = 0; i < list.Count(); ++i)
      if (list.Selected(i)) out.push_back(list.FileName(i));
    return out;
  }

  Medium medium_;
  HomeOnMedium home_{medium_};
  std::unique_ptr<TfrmMain> main_;
  std::unique_ptr<TfrmKopieren3> win_;
};

}  // namespace tavilo::gui::test

#endif
