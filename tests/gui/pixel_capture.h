// Reading back what a shown window really put on the screen, for pixel tests under Xvfb.
// Colours compare exactly only on a 24-bit display: start the server with
//   xvfb-run -a -s "-screen 0 1280x1024x24"
// (Debian's xvfb-run uses that screen by default; requireExactColours() checks it).
#ifndef TAVILO_TESTS_GUI_PIXEL_CAPTURE_H
#define TAVILO_TESTS_GUI_PIXEL_CAPTURE_H

#include <cstdint>
#include <string>
#include <vector>

class Fl_Window;

namespace tavilo::gui::test {

// A captured rectangle, RGB bytes row by row.
class Capture {
 public:
  Capture() = default;
  Capture(int width, int height, std::vector<unsigned char> rgb);

  int width() const { return width_; }
  int height() const { return height_; }
  bool empty() const { return rgb_.empty(); }
  // The pixel as $BBGGRR (red in the low byte), like the program's colours.
  std::uint32_t at(int x, int y) const;
  // "$BBGGRR" for messages.
  static std::string hex(std::uint32_t colour);

 private:
  int width_ = 0, height_ = 0;
  std::vector<unsigned char> rgb_;
};

// Shows `win` at its place when it is not shown yet, waits until the server has mapped and
// exposed it, draws everything damaged and reads the rectangle (window coordinates; the
// whole window by default) from the screen.
Capture captureWindow(Fl_Window& win);
Capture captureWindow(Fl_Window& win, int x, int y, int w, int h);

// Empty when the display shows 24-bit true colour; else a message naming the fix.
std::string exactColourProblem();

}  // namespace tavilo::gui::test

#endif
