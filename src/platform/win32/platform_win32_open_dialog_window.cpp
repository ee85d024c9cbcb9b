// The system's open dialog on Windows: GetOpenFileNameW in its Explorer form
// with a hook, which keeps the classic dialog that has the places bar and
// lets the hook switch the file list to the wanted view once it is shown.
#include <windows.h>
#include <commdlg.h>

#include <string>
#include <vector>

#include "platform/win32/wide.h"
#include "platform/window.h"

namespace tavilo::platform {

namespace {

// The shell view's commands for its views (FCIDM_SHVIEW_*), by FileListView.
constexpr WORD kViewCommands[] = {28713, 28714, 28715, 28716, 28717, 28718};

// Lives for one showing of the dialog, so the view is set once per showing.
struct HookState {
  WORD viewCommand = 0;
  bool viewSet = false;
};

// The hook's window is an empty child of the dialog; the shell view, the
// window that takes the view commands, is another child of the dialog. It is
// made anew for each folder, so the first folder change after showing is the
// first moment it exists.
UINT_PTR CALLBACK openDialogHook(HWND hook, UINT message, WPARAM, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    const auto* ofn = reinterpret_cast<const OPENFILENAMEW*>(lParam);
    SetWindowLongPtrW(hook, DWLP_USER, ofn->lCustData);
    return 0;
  }
  if (message != WM_NOTIFY || reinterpret_cast<const NMHDR*>(lParam)->code != CDN_FOLDERCHANGE) return 0;
  auto* state = reinterpret_cast<HookState*>(GetWindowLongPtrW(hook, DWLP_USER));
  if (!state || state->viewSet) return 0;
  const HWND view = FindWindowExW(GetParent(hook), nullptr, L"SHELLDLL_DefView", nullptr);
  if (!view) return 0;
  SendMessageW(view, WM_COMMAND, MAKEWPARAM(state->viewCommand, 0), 0);
  state->viewSet = true;
  return 0;
}

// "a|b|c|d" as the dialog reads it: "a\0b\0c\0d\0\0".
std::wstring dialogFilter(const std::string& filter) {
  std::wstring out = win32::widen(filter);
  for (wchar_t& c : out)
    if (c == L'|') c = L'\0';
  if (!out.empty()) out.push_back(L'\0');
  out.push_back(L'\0');
  return out;
}

std::wstring currentFolderWide() {
  const DWORD n = GetCurrentDirectoryW(0, nullptr);
  if (n == 0) return {};
  std::wstring folder(n, L'\0');
  const DWORD got = GetCurrentDirectoryW(n, folder.data());
  if (got == 0 || got >= n) return {};
  folder.resize(got);
  return folder;
}

}  // namespace

bool systemOpenFileOffered() { return true; }

std::optional<std::string> systemOpenFile(const OpenFileRequest& request) {
  const std::wstring title = win32::widen(request.title);
  const std::wstring folder = win32::widen(request.initialFolder);
  const std::wstring filter = dialogFilter(request.filter);
  // Room for a long path; the dialog reports a longer one as a failure.
  std::vector<wchar_t> file(32768, L'\0');
  const std::wstring offered = win32::widen(request.fileName);
  if (offered.size() < file.size()) offered.copy(file.data(), offered.size());

  HookState state;
  state.viewCommand = kViewCommands[static_cast<int>(request.view)];
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof ofn;  // the full structure: FlagsEx is read
  ofn.hwndOwner = reinterpret_cast<HWND>(request.owner.handle);
  ofn.lpstrFilter = request.filter.empty() ? nullptr : filter.c_str();
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = file.data();
  ofn.nMaxFile = static_cast<DWORD>(file.size());
  ofn.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
  ofn.lpstrTitle = title.empty() ? nullptr : title.c_str();
  // A plain open dialog: no read-only box, sizeable, the name need not exist,
  // no overwrite question.
  ofn.Flags = OFN_EXPLORER | OFN_ENABLEHOOK | OFN_ENABLESIZING | OFN_HIDEREADONLY;
  ofn.FlagsEx = request.placesBar ? 0 : OFN_EX_NOPLACESBAR;
  ofn.lpfnHook = &openDialogHook;
  ofn.lCustData = reinterpret_cast<LPARAM>(&state);
  // The open dialog makes the chosen folder the current one (OFN_NOCHANGEDIR
  // does not stop it); it goes back, so that no folder (on a stick, say) stays
  // held open by the program.
  const std::wstring current = currentFolderWide();
  const BOOL chosen = GetOpenFileNameW(&ofn);
  if (!current.empty()) SetCurrentDirectoryW(current.c_str());
  if (!chosen) return std::nullopt;
  return win32::narrow(file.data());
}

}  // namespace tavilo::platform
