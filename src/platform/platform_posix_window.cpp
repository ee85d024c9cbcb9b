// Frameless, rounded main window on X11: Motif decoration hints and the
// SHAPE extension (FLTK's own shape() is compiled out in Debian's build).
#include "platform/platform.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/shape.h>

#include <algorithm>
#include <cmath>

namespace tavilo::platform {

std::vector<ShapeSpan> roundedRectSpans(int right, int bottom, int ellipseWidth, int ellipseHeight) {
  std::vector<ShapeSpan> spans;
  if (right <= 0 || bottom <= 0) return spans;
  const double rx = std::max(0, std::min(ellipseWidth, right)) / 2.0;
  const double ry = std::max(0, std::min(ellipseHeight, bottom)) / 2.0;
  spans.reserve(static_cast<std::size_t>(bottom));
  for (int y = 0; y < bottom; ++y) {
    double dy = 0;  // distance into the corner ellipse, 0 outside the corners
    if (y + 0.5 < ry) dy = ry - (y + 0.5);
    else if (y + 0.5 > bottom - ry) dy = (y + 0.5) - (bottom - ry);
    int inset = 0;
    if (dy > 0 && ry > 0) {
      const double t = std::min(1.0, dy / ry);
      inset = static_cast<int>(std::lround(rx - rx * std::sqrt(1.0 - t * t)));
    }
    if (right - 2 * inset > 0) spans.push_back({y, inset, right - inset});
  }
  return spans;
}

namespace {

struct MotifHints {
  unsigned long flags, functions, decorations;
  long inputMode;
  unsigned long status;
};

void setMotifHints(void* display, unsigned long window, MotifHints hints) {
  auto* dpy = static_cast<Display*>(display);
  if (!dpy || !window) return;
  const Atom atom = XInternAtom(dpy, "_MOTIF_WM_HINTS", False);
  XChangeProperty(dpy, window, atom, atom, 32, PropModeReplace,
                  reinterpret_cast<unsigned char*>(&hints), 5);
  XFlush(dpy);
}

}  // namespace

void setUndecorated(void* display, unsigned long window) {
  setMotifHints(display, window, {2 /* decorations */, 0, 0 /* none */, 0, 0});
}

void setFrameButtons(void* display, unsigned long window, bool minimise, bool maximise, bool sizeable) {
  enum : unsigned long { kResize = 2, kMove = 4, kMinimise = 8, kMaximise = 16, kClose = 32 };
  enum : unsigned long { kBorder = 2, kResizeHandles = 4, kTitle = 8, kMenu = 16, kMinimiseBox = 32, kMaximiseBox = 64 };
  MotifHints hints = {1 | 2 /* functions, decorations */, kMove | kClose, kBorder | kTitle | kMenu, 0, 0};
  if (sizeable) hints.functions |= kResize, hints.decorations |= kResizeHandles;
  if (minimise) hints.functions |= kMinimise, hints.decorations |= kMinimiseBox;
  if (maximise) hints.functions |= kMaximise, hints.decorations |= kMaximiseBox;
  setMotifHints(display, window, hints);
}

bool setRoundedShape(void* display, unsigned long window, int right, int bottom,
                     int ellipseWidth, int ellipseHeight) {
  auto* dpy = static_cast<Display*>(display);
  if (!dpy || !window) return false;
  int eventBase = 0, errorBase = 0;
  if (!XShapeQueryExtension(dpy, &eventBase, &errorBase)) return false;
  std::vector<XRectangle> rects;
  for (const ShapeSpan& s : roundedRectSpans(right, bottom, ellipseWidth, ellipseHeight))
    rects.push_back({static_cast<short>(s.x0), static_cast<short>(s.y),
                     static_cast<unsigned short>(s.x1 - s.x0), 1});
  XShapeCombineRectangles(dpy, window, ShapeBounding, 0, 0, rects.data(), static_cast<int>(rects.size()),
                          ShapeSet, Unsorted);
  XFlush(dpy);
  return true;
}

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

}  // namespace tavilo::platform
