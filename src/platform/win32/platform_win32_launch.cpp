// Starting and opening on Windows: everything goes to the shell
// (ShellExecuteExW "open"), which starts programs and opens documents,
// folders and addresses by their association. It never waits for the
// started program; what it could not open is reported by reapChildren.
#include <windows.h>
#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>
#include <shlwapi.h>

#include <array>
#include <string_view>

#include "platform/ascii.h"
#include "platform/platform.h"
#include "platform/win32/wide.h"

namespace tavilo::platform {

namespace {

bool hasUriScheme(const std::string& text) {
  static constexpr std::array<std::string_view, 5> kSchemes = {"http:", "https:", "ftp:", "mailto:", "file:"};
  for (std::string_view scheme : kSchemes)
    if (text.size() >= scheme.size() && equalIgnoringAsciiCase(std::string_view(text).substr(0, scheme.size()), scheme))
      return true;
  return false;
}

std::string extensionOf(const std::string& file) {
  const std::size_t dot = file.find_last_of(".\\/");
  if (dot == std::string::npos || file[dot] != '.') return {};
  std::string ext = file.substr(dot);
  for (char& c : ext) c = lowerAscii(c);
  return ext;
}

// The owner of what the shell shows; see setShellOwner.
HWND& shellOwner() {
  static HWND owner = nullptr;
  return owner;
}

// What no program could be started for, until the next reaping.
std::vector<std::string>& notStarted() {
  static std::vector<std::string> targets;
  return targets;
}

// The folder asked for, else the folder of a local file, else the home folder.
std::string workingFolderFor(const std::string& file, const std::string& asked) {
  if (isFolder(asked)) return asked;
  if (!hasUriScheme(file)) {
    const std::size_t slash = file.find_last_of("\\/");
    if (slash != std::string::npos) {
      std::string parent = file.substr(0, slash);
      if (parent.size() == 2 && parent[1] == ':') parent += '\\';
      if (isFolder(parent)) return parent;
    }
  }
  return homeFolder();
}

// Whether the shell has something to open files of extension `ext` with: a
// command, a program, or (for store apps) a handler that executes the verb.
bool registered(const std::string& ext) {
  const std::wstring wide = win32::widen(ext);
  // Without ASSOCF_INIT_IGNOREUNKNOWN every extension would have the "Open with" box.
  std::array<wchar_t, 1024> text{};
  for (const ASSOCSTR what : {ASSOCSTR_COMMAND, ASSOCSTR_EXECUTABLE, ASSOCSTR_DELEGATEEXECUTE}) {
    DWORD size = static_cast<DWORD>(text.size());
    if (::AssocQueryStringW(ASSOCF_INIT_IGNOREUNKNOWN, what, wide.c_str(), nullptr, text.data(), &size) == S_OK &&
        text[0] != L'\0')
      return true;
  }
  return false;
}

}  // namespace

std::string homeFolder() {
  wchar_t* known = nullptr;
  std::string home;
  if (SUCCEEDED(::SHGetKnownFolderPath(FOLDERID_Profile, 0, nullptr, &known)) && known) home = win32::narrow(known);
  ::CoTaskMemFree(known);
  if (!home.empty() && isFolder(home)) return home;
  wchar_t buffer[MAX_PATH];
  const DWORD n = ::GetEnvironmentVariableW(L"USERPROFILE", buffer, MAX_PATH);
  if (n > 0 && n < MAX_PATH && isFolder(win32::narrow(buffer))) return win32::narrow(buffer);
  return "C:\\";
}

// The rules by which Windows programs split their command line: blanks
// separate words outside quotes; 2n backslashes before a quote give n and
// the quote groups, 2n+1 give n and a literal quote; "" inside quotes is a
// quote; other backslashes are ordinary.
std::vector<std::string> splitParameters(const std::string& text) {
  std::vector<std::string> words;
  std::string word;
  bool inWord = false;
  bool quoted = false;
  for (std::size_t i = 0; i < text.size();) {
    const char c = text[i];
    if (c == '\\') {
      std::size_t n = 0;
      while (i < text.size() && text[i] == '\\') ++n, ++i;
      inWord = true;
      if (i < text.size() && text[i] == '"') {
        word.append(n / 2, '\\');
        if (n % 2) {
          word += '"';
          ++i;
        }
      } else {
        word.append(n, '\\');
      }
    } else if (c == '"') {
      inWord = true;
      if (quoted && i + 1 < text.size() && text[i + 1] == '"') {
        word += '"';
        i += 2;
      } else {
        quoted = !quoted;
        ++i;
      }
    } else if (!quoted && (c == ' ' || c == '\t' || c == '\n' || c == '\r')) {
      if (inWord) words.push_back(word);
      word.clear();
      inWord = false;
      ++i;
    } else {
      word += c;
      inWord = true;
      ++i;
    }
  }
  if (inWord) words.push_back(word);
  return words;
}

OpenKind openKind(const std::string& file) {
  if (file.empty() || hasUriScheme(file) || !fileExists(file)) return OpenKind::Desktop;
  const std::string ext = extensionOf(file);
  if (ext == ".exe" || ext == ".com") return OpenKind::Direct;
  if (ext == ".bat" || ext == ".cmd") return OpenKind::Shell;
  return OpenKind::Desktop;
}

StartNote startNote(const std::string& file) {
  switch (openKind(file)) {
    case OpenKind::Direct:
    case OpenKind::Shell: return StartNote::Starts;
    case OpenKind::Desktop: break;
  }
  const std::string ext = extensionOf(file);
  if (ext.size() < 2) return StartNote::Extensionless;
  return registered(ext) ? StartNote::Registered : StartNote::Unregistered;
}

void setShellOwner(std::uintptr_t window) { shellOwner() = reinterpret_cast<HWND>(window); }

bool shellOpen(const std::string& file, const std::string& parameters, const std::string& workingFolder) {
  if (file.empty()) return false;
  // The shell asks for COM on the calling thread; a second initialisation is harmless.
  const HRESULT com = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  const std::wstring target = win32::widen(file);
  const std::wstring params = win32::widen(parameters);
  const std::wstring folder = win32::widen(workingFolderFor(file, workingFolder));
  SHELLEXECUTEINFOW info{};
  info.cbSize = sizeof info;
  // No system message box on failure: the program reports it itself.
  info.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
  info.hwnd = ::IsWindow(shellOwner()) ? shellOwner() : nullptr;
  info.lpVerb = L"open";
  info.lpFile = target.c_str();
  info.lpParameters = params.empty() ? nullptr : params.c_str();
  info.lpDirectory = folder.c_str();
  info.nShow = SW_SHOW;
  const bool started = ::ShellExecuteExW(&info) != FALSE;
  if (SUCCEEDED(com)) ::CoUninitialize();
  if (!started) notStarted().push_back(file);
  return started;
}

std::vector<std::string> reapChildren() {
  // Windows leaves no finished children behind; only the failures remain.
  std::vector<std::string> failed;
  failed.swap(notStarted());
  return failed;
}

}  // namespace tavilo::platform
