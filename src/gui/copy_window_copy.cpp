// The copy of TfrmKopieren3: the whole source tree or the chosen files into the
// target folder, with the progress bar set before each file. Between blocks the
// window paints and handles events, so that closing it stops the copy.
#include <FL/Fl.H>

#include <algorithm>
#include <climits>

#include "core/copy_window_rules.h"
#include "core/files/copy_engine.h"
#include "core/files/file_utils_paths.h"
#include "core/user_messages.h"
#include "gui/copy_window.h"
#include "gui/widgets/check_box.h"
#include "gui/widgets/directory_list_box.h"
#include "gui/widgets/file_list_box.h"
#include "gui/widgets/progress_bar.h"

namespace tavilo::gui {

namespace {

// Events are handled at least this often while a copy runs; the copy engine
// reports at least every 100 ms, also inside a large file.
constexpr auto kAnswerEvery = std::chrono::milliseconds(40);

int barValue(std::size_t n) { return static_cast<int>(std::min<std::size_t>(n, INT_MAX)); }

}  // namespace

void TfrmKopieren3::btnStartKopierenClick() {
  if (copying_) return;  // the menu item of a window that is already copying
  copying_ = true;
  closeRequested_ = false;
  failures_.clear();
  lastPump_ = std::chrono::steady_clock::now();
  applyEnabled();
  struct Finish {
    TfrmKopieren3& w;
    ~Finish() {
      w.copying_ = false;
      w.applyEnabled();
    }
  } finish{*this};

  ProgressBar1->Position(0);
  if (cbRecursiv->Checked())
    copyTree();
  else
    copySelectedFiles();
  ProgressBar1->Position(0);
  DirectoryListBox2->Update();
  FileListBox2->Update();
  if (closeRequested_) {
    hide();
    return;
  }
  copying_ = false;
  applyEnabled();
  reportFailures();
}

core::CopyFlow TfrmKopieren3::keepAnswering() {
  const auto now = std::chrono::steady_clock::now();
  if (now - lastPump_ >= kAnswerEvery) {
    lastPump_ = now;
    Fl::check();
  }
  return closeRequested_ ? core::CopyFlow::Stop : core::CopyFlow::Go;
}

void TfrmKopieren3::copyTree() {
  const core::TreeCopyPlan plan =
      core::planTreeCopy(SourceFolder(), TargetFolder(), [this](std::size_t) { return keepAnswering(); });
  if (plan.stopped) return;
  ProgressBar1->Max(barValue(plan.files));
  const core::TreeCopyResult result = core::runTreeCopy(plan, [this](const core::TreeCopyProgress& p) {
    // Before each file; a tree that grew meanwhile keeps the bar at its end.
    if (p.bytesDone == 0) ProgressBar1->Position(barValue(p.filesDone + 1));
    return keepAnswering();
  });
  failures_ = result.failures;
}

void TfrmKopieren3::copySelectedFiles() {
  std::vector<std::string> names;
  for (int i = 0; i < FileListBox1->Count(); ++i)
    if (FileListBox1->Selected(i)) names.push_back(FileListBox1->FileName(i));
  ProgressBar1->Max(barValue(names.size()));
  const std::string from = core::AddBackslash(SourceFolder()), to = core::AddBackslash(TargetFolder());
  int k = 0;
  for (const std::string& name : names) {
    ProgressBar1->Position(++k);
    if (keepAnswering() == core::CopyFlow::Stop) return;
    const core::CopyResult r = core::copyFileTo(from + name, to + name,
                                                [this](std::uint64_t, std::uint64_t) { return keepAnswering(); });
    if (r.status == core::CopyResult::Status::Stopped) return;
    if (!r.done()) failures_.push_back({from + name, r.reason()});
    if (r.timeNotSet) core::plainMessageBox("Fehler");
  }
}

void TfrmKopieren3::reportFailures() {
  const core::CopyFailureMessage message = core::copyFailureMessage(failures_, SourceFolder());
  failures_.clear();
  if (!message.text.empty()) myMsgDlg1.Execute(mtWarning, "", message.text, message.question, mbOK);
}

}  // namespace tavilo::gui
