// Window frames and desktop settings on X11: Motif decoration hints and the
// XSETTINGS property. X11 has no file dialog of its own: the toolkit's serves.
#include "platform/window.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <string>

#include "platform/posix/xsettings.h"


namespace tavilo::platform {

namespace {

struct MotifHints {
  unsigned long flags, functions, decorations;
  long inputMode;
  unsigned long status;
};

void setMotifHints(const NativeWindow& w, MotifHints hints) {
  auto* dpy = static_cast<Display*>(w.display);
  const auto window = static_cast<Window>(w.handle);
  if (!dpy || !window) return;
  const Atom atom = XInternAtom(dpy, "_MOTIF_WM_HINTS", False);
  XChangeProperty(dpy, window, atom, atom, 32, PropModeReplace,
                  reinterpret_cast<unsigned char*>(&hints), 5);
  XFlush(dpy);
}

}  // namespace

void setUndecorated(const NativeWindow& window) {
  setMotifHints(window, {2 /* decorations */, 0, 0 /* none */, 0, 0});
}

void minimise(const NativeWindow& w) {
  auto* dpy = static_cast<Display*>(w.display);
  const auto window = static_cast<Window>(w.handle);
  if (!dpy || !window) return;
  XIconifyWindow(dpy, window, DefaultScreen(dpy));
  XFlush(dpy);
}

void setFrameButtons(const NativeWindow& window, bool minimise, bool maximise, bool sizeable) {
  enum : unsigned long { kResize = 2, kMove = 4, kMinimise = 8, kMaximise = 16, kClose = 32 };
  enum : unsigned long { kBorder = 2, kResizeHandles = 4, kTitle = 8, kMenu = 16, kMinimiseBox = 32, kMaximiseBox = 64 };
  MotifHints hints = {1 | 2 /* functions, decorations */, kMove | kClose, kBorder | kTitle | kMenu, 0, 0};
  if (sizeable) hints.functions |= kResize, hints.decorations |= kResizeHandles;
  if (minimise) hints.functions |= kMinimise, hints.decorations |= kMinimiseBox;
  if (maximise) hints.functions |= kMaximise, hints.decorations |= kMaximiseBox;
  setMotifHints(window, hints);
}

namespace {

// The bytes of the XSETTINGS property of the default screen; "" when no
// settings manager runs.
std::string desktopSettingsData(void* display) {
  auto* dpy = static_cast<Display*>(display);
  if (!dpy) return {};
  const std::string selection = "_XSETTINGS_S" + std::to_string(DefaultScreen(dpy));
  const Window owner = XGetSelectionOwner(dpy, XInternAtom(dpy, selection.c_str(), False));
  if (owner == None) return {};
  const Atom property = XInternAtom(dpy, "_XSETTINGS_SETTINGS", False);
  Atom type = None;
  int format = 0;
  unsigned long items = 0, after = 0;
  unsigned char* data = nullptr;
  std::string bytes;
  if (XGetWindowProperty(dpy, owner, property, 0, 0x10000, False, property, &type, &format, &items, &after, &data) ==
          Success &&
      data && format == 8)
    bytes.assign(reinterpret_cast<const char*>(data), items);
  if (data) XFree(data);
  return bytes;
}

}  // namespace

DoubleClickSettings desktopDoubleClick(void* display) {
  const std::string settings = desktopSettingsData(display);
  return {xsettingsInteger(settings, "Net/DoubleClickTime"), xsettingsInteger(settings, "Net/DoubleClickDistance")};
}

bool systemOpenFileOffered() { return false; }

std::optional<std::string> systemOpenFile(const OpenFileRequest&) { return std::nullopt; }

}  // namespace tavilo::platform
