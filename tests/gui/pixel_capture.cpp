#include "pixel_capture.h"

#include <FL/Fl.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>
#include <FL/x.H>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace tavilo::gui::test {

Capture::Capture(int width, int height, std::vector<unsigned char> rgb)
    : width_(width), height_(height), rgb_(std::move(rgb)) {}

std::uint32_t Capture::at(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) {
    std::fprintf(stderr, "Capture::at(%d, %d) outside %d x %d\n", x, y, width_, height_);
    std::abort();
  }
  const unsigned char* p = &rgb_[(static_cast<std::size_t>(y) * width_ + x) * 3];
  return p[0] | (p[1] << 8) | (static_cast<std::uint32_t>(p[2]) << 16);
}

std::string Capture::hex(std::uint32_t colour) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "$%06X", colour & 0xFFFFFFu);
  return buf;
}

namespace {

// Lets the server map the window and deliver its Expose events, then draws.
// Damage is drawn however long a loaded machine takes; other pending events
// get a short while.
void settle(Fl_Window& win) {
  if (!win.shown()) win.show();
  win.wait_for_expose();
  const auto start = std::chrono::steady_clock::now();
  const auto within = [&](int ms) { return std::chrono::steady_clock::now() < start + std::chrono::milliseconds(ms); };
  do {
    Fl::flush();
    XSync(fl_display, False);
    Fl::wait(0.0);
  } while ((win.damage() && within(10000)) || (Fl::ready() && within(100)));
  Fl::flush();
  XSync(fl_display, False);
}

}  // namespace

Capture captureWindow(Fl_Window& win) { return captureWindow(win, 0, 0, win.w(), win.h()); }

Capture captureWindow(Fl_Window& win, int x, int y, int w, int h) {
  settle(win);
  win.make_current();
  unsigned char* data = fl_read_image(nullptr, x, y, w, h);
  if (data == nullptr) return {};
  std::vector<unsigned char> rgb(data, data + static_cast<std::size_t>(w) * h * 3);
  delete[] data;
  return Capture(w, h, std::move(rgb));
}

std::string exactColourProblem() {
  fl_open_display();
  if (fl_visual->depth >= 24 && fl_visual->c_class == TrueColor) return {};
  return "the display has depth " + std::to_string(fl_visual->depth) +
         " without 24-bit true colour; run the tests under "
         "xvfb-run -a -s \"-screen 0 1280x1024x24\"";
}

}  // namespace tavilo::gui::test
