// Installed font families on Windows: the system's font list and its font
// substitutes (the registry's FontSubstitutes, which make "Helv" or
// "MS Shell Dlg" an installed family).
#include <windows.h>

#include <string>

#include "platform/win32/wide.h"
#include "platform/window.h"

namespace tavilo::platform {

namespace {

int CALLBACK takeFirst(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM found) {
  *reinterpret_cast<std::wstring*>(found) = font->lfFaceName;
  return 0;  // one is enough
}

// The family as the system spells it, "" when no font of that name is installed.
std::wstring installedFamily(const std::wstring& face) {
  if (face.empty() || face.size() >= LF_FACESIZE) return {};
  LOGFONTW wanted{};
  wanted.lfCharSet = DEFAULT_CHARSET;
  face.copy(wanted.lfFaceName, face.size());
  std::wstring found;
  HDC dc = GetDC(nullptr);
  if (!dc) return {};
  EnumFontFamiliesExW(dc, &wanted, takeFirst, reinterpret_cast<LPARAM>(&found), 0);
  ReleaseDC(nullptr, dc);
  return found;
}

// The registry's substitute for `face` ("" when it names none).
std::wstring substitute(const std::wstring& face) {
  wchar_t value[LF_FACESIZE * 2] = {};
  DWORD size = sizeof value;
  if (RegGetValueW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes",
                   face.c_str(), RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS)
    return {};
  std::wstring name = value;
  // A substitute may name its character set after a comma.
  if (const auto comma = name.find(L','); comma != std::wstring::npos) name.resize(comma);
  return name;
}

}  // namespace

std::string installedFontFamily(const std::string& face) {
  const std::wstring wide = win32::widen(face);
  std::wstring family = installedFamily(wide);
  if (family.empty()) family = installedFamily(substitute(wide));
  return win32::narrow(family);
}

}  // namespace tavilo::platform
