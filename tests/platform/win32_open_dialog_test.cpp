// The system's open dialog on Windows, answered from a second thread as a
// person would: what it shows when it opens, a name typed and confirmed, and
// a cancel.
#ifdef _WIN32

#include <windows.h>
#include <commctrl.h>
#include <dlgs.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <thread>

#include "platform/win32/wide.h"
#include "platform/window.h"
#include "temp_tree.h"

namespace tavilo::platform {
namespace {

using tavilo::testing::TempTree;
using Win32OpenDialog = TempTree;
using namespace std::chrono_literals;

constexpr wchar_t kTitle[] = L"Image kopieren nach...";

// Polls `done` until it holds or a generous limit passes.
bool waitFor(const std::function<bool()>& done, std::chrono::seconds limit = 60s) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (!done()) {
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(20ms);
  }
  return true;
}

// A CDM_GET... answer of the dialog.
std::wstring dialogText(HWND dialog, UINT message) {
  wchar_t text[1024] = {};
  SendMessageW(dialog, message, 1024, reinterpret_cast<LPARAM>(text));
  return text;
}

// The visible dialog of that title which `thread` made: tests may run side by
// side, each with its own dialog.
HWND shownDialog(DWORD thread) {
  for (HWND w = nullptr; (w = FindWindowExW(nullptr, w, L"#32770", kTitle)) != nullptr;)
    if (GetWindowThreadProcessId(w, nullptr) == thread && IsWindowVisible(w)) return w;
  return nullptr;
}

HWND fileList(HWND dialog) {
  const HWND view = FindWindowExW(dialog, nullptr, L"SHELLDLL_DefView", nullptr);
  return view ? FindWindowExW(view, nullptr, L"SysListView32", nullptr) : nullptr;
}

// Types `name` into the file name box: a combo box since Windows 2000, an
// edit field before; the dialog's own message fills either.
void typeFileName(HWND dialog, const std::wstring& name) {
  const HWND combo = GetDlgItem(dialog, cmb13);
  const int box = combo && IsWindowVisible(combo) ? cmb13 : edt1;
  SendMessageW(dialog, CDM_SETCONTROLTEXT, box, reinterpret_cast<LPARAM>(name.c_str()));
}

struct Seen {
  bool found = false;
  HWND owner = nullptr;
  std::wstring filter;
  int filters = 0;
  std::wstring fileName;
  std::wstring folder;
  bool requestedView = false;
  bool placesBar = false;
  bool closed = false;
};

// Runs the dialog with `request` while a second thread waits for it, notes
// what it shows (`listView`: the file list's LV_VIEW_* that the request's view
// should give) and then answers it with `answer`.
std::optional<std::string> runAnswered(const OpenFileRequest& request, LRESULT listView, Seen& seen,
                                       const std::function<void(HWND)>& answer) {
  const DWORD shower = GetCurrentThreadId();
  std::thread person([&] {
    HWND dialog = nullptr;
    seen.found = waitFor([&] { return (dialog = shownDialog(shower)) != nullptr; });
    if (!seen.found) return;
    seen.owner = GetWindow(dialog, GW_OWNER);
    // The view is switched once the dialog has shown its first folder.
    seen.requestedView = waitFor([&] {
      const HWND list = fileList(dialog);
      return list && SendMessageW(list, LVM_GETVIEW, 0, 0) == listView;
    });
    const HWND types = GetDlgItem(dialog, cmb1);
    seen.filters = static_cast<int>(SendMessageW(types, CB_GETCOUNT, 0, 0));
    wchar_t first[256] = {};
    if (seen.filters > 0) SendMessageW(types, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(first));
    seen.filter = first;
    seen.fileName = dialogText(dialog, CDM_GETSPEC);
    seen.folder = dialogText(dialog, CDM_GETFOLDERPATH);
    const HWND places = GetDlgItem(dialog, ctl1);
    seen.placesBar = places && IsWindowVisible(places);
    answer(dialog);
    // A dialog the answer did not close would keep the test waiting forever.
    seen.closed = waitFor([&] { return !IsWindow(dialog); });
    if (!seen.closed) PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
  });
  std::optional<std::string> chosen = systemOpenFile(request);
  person.join();
  return chosen;
}

std::wstring currentFolder() {
  wchar_t folder[MAX_PATH * 4] = {};
  GetCurrentDirectoryW(MAX_PATH * 4, folder);
  return folder;
}

bool sameFolder(const std::wstring& a, const std::wstring& b) {
  return CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE) == CSTR_EQUAL;
}

class OwnerWindow {
 public:
  OwnerWindow()
      : hwnd_(CreateWindowExW(0, L"STATIC", L"Besitzer", WS_OVERLAPPEDWINDOW, 10, 10, 300, 200, nullptr, nullptr,
                              GetModuleHandleW(nullptr), nullptr)) {}
  ~OwnerWindow() { DestroyWindow(hwnd_); }
  HWND hwnd() const { return hwnd_; }

 private:
  HWND hwnd_;
};

TEST_F(Win32OpenDialog, ShowsTheRequestInTheListViewAndReturnsTheTypedNameAsUtf8) {
  makeFolder("Übung");
  const std::wstring typed = win32::withoutLongPrefix(win32::longPath(path("Übung/bild.png")));
  OwnerWindow owner;
  OpenFileRequest request;
  request.owner.handle = reinterpret_cast<std::uintptr_t>(owner.hwnd());
  request.title = "Image kopieren nach...";
  request.initialFolder = "c:\\";
  request.filter = "Image (*.GIF)|*.GIF";
  request.fileName = "Schnappschuß.GIF";
  request.view = FileListView::List;
  Seen seen;
  const std::wstring current = currentFolder();
  const std::optional<std::string> chosen = runAnswered(request, LV_VIEW_LIST, seen, [&](HWND dialog) {
    typeFileName(dialog, typed);
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
  });
  ASSERT_TRUE(seen.found) << "no dialog titled \"Image kopieren nach...\" appeared";
  EXPECT_EQ(seen.owner, owner.hwnd());
  EXPECT_EQ(seen.filters, 1);
  EXPECT_EQ(seen.filter, L"Image (*.GIF)");
  EXPECT_EQ(seen.fileName, L"Schnappschuß.GIF");
  EXPECT_TRUE(sameFolder(seen.folder, L"C:\\")) << win32::narrow(seen.folder);
  EXPECT_TRUE(seen.requestedView);
  EXPECT_TRUE(seen.placesBar);
  EXPECT_TRUE(seen.closed);
  ASSERT_TRUE(chosen.has_value());
  EXPECT_EQ(*chosen, win32::narrow(typed));
  EXPECT_FALSE(exists("Übung/bild.png")) << "the dialog only chooses a name";
  EXPECT_EQ(currentFolder(), current) << "the chosen folder stays the current one";
}

// Wine's dialog opens in the list view by itself; the details view shows the switch there too.
TEST_F(Win32OpenDialog, CancelGivesNothingWithoutPlacesBarInTheDetailsView) {
  OpenFileRequest request;
  request.title = "Image kopieren nach...";
  request.initialFolder = "c:\\";
  request.filter = "Image (*.jpg)|*.jpg";
  request.fileName = "shot1.jpg";
  request.placesBar = false;
  request.view = FileListView::Details;
  Seen seen;
  const std::optional<std::string> chosen = runAnswered(request, LV_VIEW_DETAILS, seen, [](HWND dialog) {
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
  });
  ASSERT_TRUE(seen.found);
  EXPECT_FALSE(seen.placesBar);
  EXPECT_TRUE(seen.requestedView);
  EXPECT_TRUE(seen.closed);
  EXPECT_FALSE(chosen.has_value());
}

}  // namespace
}  // namespace tavilo::platform

#endif
