// What the windows ask of the desktop beyond the toolkit: frame hints and the
// desktop's settings. Only the GUI layer uses it; it alone links the window
// system's libraries (the files under platform/posix implement it on X11).
#ifndef TAVILO_PLATFORM_WINDOW_H
#define TAVILO_PLATFORM_WINDOW_H

#include <cstdint>
#include <optional>
#include <string>

namespace tavilo::platform {

// A shown window as the system knows it: on X11 the display connection and
// the window id, on Windows the HWND in `handle` (pointer-sized on both).
struct NativeWindow {
  void* display = nullptr;
  std::uintptr_t handle = 0;
};

// Asks the window manager for no frame and no caption (Motif hints); the
// window keeps its taskbar entry.
void setUndecorated(const NativeWindow& window);
// Asks the window manager for a frame with a caption and a close box, and
// with a minimise box, a maximise box and sizing borders only as given.
void setFrameButtons(const NativeWindow& window, bool minimise, bool maximise, bool sizeable);

// Writes the window's legacy title properties (X11's WM_NAME, WM_ICON_NAME)
// from its UTF-8 ones in the encoding their readers expect: Latin-1 where the
// title fits, else compound text. Nothing is written where they already hold it.
void repairLegacyTitle(const NativeWindow& window);
// The same for the window an event of the system (on X11 an XEvent*) tells
// has just had its title written; other events are ignored.
void repairLegacyTitleOnEvent(void* display, const void* event);

// The desktop's double-click time and distance where it publishes them
// (on X11 its XSETTINGS); `display` as in NativeWindow.
struct DoubleClickSettings {
  std::optional<int> timeMs;
  std::optional<int> distance;
};
DoubleClickSettings desktopDoubleClick(void* display);

// The first installed font family among `face` and the families the
// desktop's font configuration puts in its place; "" when none is installed.
std::string installedFontFamily(const std::string& face);

}  // namespace tavilo::platform

#endif
