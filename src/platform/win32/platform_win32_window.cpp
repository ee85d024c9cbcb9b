// Window frames and desktop settings on Windows: the window styles of an HWND
// that FLTK made, and the system's double-click settings. The legacy title
// properties are an X11 matter; Windows titles are UTF-16 throughout.
#include "platform/window.h"

#include <windows.h>

namespace tavilo::platform {

namespace {

HWND hwndOf(const NativeWindow& window) { return reinterpret_cast<HWND>(window.handle); }

// Gives the window new styles and keeps its client area where and as large as
// it is on the screen: the frame grows or shrinks around it. FLTK reads the
// styles back from the window when it places it later, so its own arithmetic
// follows.
void restyle(HWND hwnd, LONG_PTR style, LONG_PTR exStyle) {
  RECT client{};
  if (!GetClientRect(hwnd, &client)) return;
  POINT origin{0, 0};
  ClientToScreen(hwnd, &origin);
  SetWindowLongPtrW(hwnd, GWL_STYLE, style);
  SetWindowLongPtrW(hwnd, GWL_EXSTYLE, exStyle);
  RECT frame{origin.x, origin.y, origin.x + client.right, origin.y + client.bottom};
  // The frame's size at the window's own DPI (per-monitor aware), where the
  // system has the call (Windows 10 1607 and later).
  using AdjustForDpi = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
  using DpiForWindow = UINT(WINAPI*)(HWND);
  const HMODULE user32 = GetModuleHandleW(L"user32.dll");
  const auto adjustForDpi =
      user32 ? reinterpret_cast<AdjustForDpi>(reinterpret_cast<void*>(GetProcAddress(user32, "AdjustWindowRectExForDpi")))
             : nullptr;
  const auto dpiForWindow =
      user32 ? reinterpret_cast<DpiForWindow>(reinterpret_cast<void*>(GetProcAddress(user32, "GetDpiForWindow")))
             : nullptr;
  const DWORD s = static_cast<DWORD>(style), ex = static_cast<DWORD>(exStyle);
  if (adjustForDpi && dpiForWindow) adjustForDpi(&frame, s, FALSE, ex, dpiForWindow(hwnd));
  else AdjustWindowRectEx(&frame, s, FALSE, ex);
  SetWindowPos(hwnd, nullptr, frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top,
               SWP_FRAMECHANGED | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

}  // namespace

void minimise(const NativeWindow& window) {
  // Not FLTK's iconize: it minimises without activating another window, so
  // the keys would still go to the minimised menu.
  if (const HWND hwnd = hwndOf(window)) ShowWindow(hwnd, SW_MINIMIZE);
}

void setUndecorated(const NativeWindow& window) {
  const HWND hwnd = hwndOf(window);
  if (!hwnd) return;
  LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
  LONG_PTR exStyle = GetWindowLongPtrW(hwnd, GWL_EXSTYLE);
  // A pop-up without caption or frame. The system menu and the minimise box
  // stay in the style, though nothing draws them: they let the taskbar
  // button minimise and restore the window and show its menu. The app
  // window style keeps the taskbar button.
  style &= ~static_cast<LONG_PTR>(WS_CAPTION | WS_THICKFRAME | WS_MAXIMIZEBOX);
  style |= WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX;
  exStyle &= ~static_cast<LONG_PTR>(WS_EX_TOOLWINDOW | WS_EX_WINDOWEDGE | WS_EX_DLGMODALFRAME | WS_EX_CLIENTEDGE);
  exStyle |= WS_EX_APPWINDOW;
  restyle(hwnd, style, exStyle);
}

void setFrameButtons(const NativeWindow& window, bool minimise, bool maximise, bool sizeable) {
  const HWND hwnd = hwndOf(window);
  if (!hwnd) return;
  LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
  style &= ~static_cast<LONG_PTR>(WS_POPUP | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
  style |= WS_CAPTION | WS_SYSMENU;
  if (sizeable) style |= WS_THICKFRAME;
  if (minimise) style |= WS_MINIMIZEBOX;
  if (maximise) style |= WS_MAXIMIZEBOX;
  restyle(hwnd, style, GetWindowLongPtrW(hwnd, GWL_EXSTYLE));
}

void repairLegacyTitle(const NativeWindow&) {}

void repairLegacyTitleOnEvent(void*, const void*) {}

DoubleClickSettings desktopDoubleClick(void*) {
  // SM_CXDOUBLECLK is the width of the rectangle around the first click, the
  // distance is how far from it the second may land.
  return {static_cast<int>(GetDoubleClickTime()), GetSystemMetrics(SM_CXDOUBLECLK) / 2};
}

}  // namespace tavilo::platform
