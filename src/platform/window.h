// What the windows ask of the desktop beyond the toolkit: frame hints, the
// desktop's settings and the system's own file dialog. Only the GUI layer uses it; it alone links the window
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

// Minimises the window to the taskbar, as the system's minimise button does:
// on Windows the next window becomes active (SW_MINIMIZE); on X11 the window
// manager is asked to iconify it.
void minimise(const NativeWindow& window);

// Writes the window's legacy title properties (X11's WM_NAME, WM_ICON_NAME)
// from its UTF-8 ones in the encoding their readers expect: Latin-1 where the
// title fits, else compound text. Nothing is written where they already hold it.
void repairLegacyTitle(const NativeWindow& window);
// The same for the window an event of the system (on X11 an XEvent*) tells
// has just had its title written; other events are ignored.
void repairLegacyTitleOnEvent(void* display, const void* event);

// How the system's open dialog first shows its file list.
enum class FileListView { LargeIcons, SmallIcons, List, Details, Thumbnails, Tiles };

// What the system's open dialog is given; texts and paths in UTF-8.
struct OpenFileRequest {
  NativeWindow owner;      // the window the dialog is modal to
  std::string title;
  std::string initialFolder;
  std::string filter;      // "description|mask|description|mask..."; the first pair is chosen
  std::string fileName;    // offered in the file name box
  bool placesBar = true;   // the bar of common places at the dialog's left side
  FileListView view = FileListView::LargeIcons;
};

// True where the system has an open dialog of its own that systemOpenFile
// shows (Windows); elsewhere the toolkit's chooser stands in.
bool systemOpenFileOffered();
// Shows the system's open dialog modally: the confirmed name as a full path,
// nothing on cancel or where the system offers no dialog. The name need not
// exist, and no overwrite question is asked.
std::optional<std::string> systemOpenFile(const OpenFileRequest& request);

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
