// Installed font families on Windows: the system's font list and its font
// substitutes (the registry's FontSubstitutes, which make "Helv" or
// "MS Shell Dlg" an installed family).
#include <windows.h>

#include <string>

#include "platform/window.h"

namespace tavilo::platform {

namespace {

std::wstring wideOf(const std::string& text) {
  const int n = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(n > 0 ? n : 0), L'\0');
  if (n > 0) MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), n);
  return wide;
}

std::string utf8Of(const std::wstring& wide) {
  const int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
  std::string text(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
  if (n > 0)
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), text.data(), n, nullptr, nullptr);
  return text;
}

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
  const std::wstring wide = wideOf(face);
  std::wstring family = installedFamily(wide);
  if (family.empty()) family = installedFamily(substitute(wide));
  return utf8Of(family);
}

}  // namespace tavilo::platform
