#include "main_window_test_support.h"

#include <FL/Fl.H>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <fstream>

#include "../../tools/demo_pictures/writers.h"
#include "gui/application.h"
#include "gui/widgets/panel.h"

namespace fs = std::filesystem;

namespace tavilo::gui::test {

namespace {

// A diagonal colour ramp.
core::Picture ramp(int width, int height) {
  core::Picture p;
  p.width = width;
  p.height = height;
  p.rgba.resize(static_cast<std::size_t>(width) * height * 4);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      std::uint8_t* px = &p.rgba[(static_cast<std::size_t>(y) * width + x) * 4];
      px[0] = static_cast<std::uint8_t>((x * 255) / std::max(1, width - 1));
      px[1] = static_cast<std::uint8_t>((y * 255) / std::max(1, height - 1));
      px[2] = 0x80;
      px[3] = 0xFF;
    }
  return p;
}

}  // namespace

Medium::Medium() {
  static std::atomic<int> counter{0};
  const char* base = std::getenv("TAVILO_TEST_TMP");
  root_ = fs::path(base ? base : "/tmp") /
          ("medium-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
  fs::remove_all(root_);
  fs::create_directories(root_);
}

Medium::~Medium() {
  std::error_code ec;
  fs::remove_all(root_, ec);
}

void Medium::ini(const std::string& text) const {
  std::string crlf;
  for (char c : text) {
    if (c == '\n') crlf += '\r';
    crlf += c;
  }
  file("Tavilo.ini", crlf);
}

void Medium::file(const std::string& relative, const std::string& content, bool executable) const {
  const fs::path p = root_ / relative;
  fs::create_directories(p.parent_path());
  std::ofstream(p, std::ios::binary) << content;
  ::chmod(p.c_str(), executable ? 0755 : 0644);
}

void Medium::picture(const std::string& relative, int width, int height) const {
  file(relative, demo::encodeBmp24(ramp(width, height)));
}

void Medium::jpeg(const std::string& relative, int width, int height) const {
  file(relative, demo::encodeJpeg(ramp(width, height)));
}

HomeOnMedium::HomeOnMedium(const Medium& medium) {
  if (const char* home = std::getenv("HOME")) {
    old_ = home;
    had_ = true;
  }
  ::setenv("HOME", (medium.dir() + "home").c_str(), 1);
}

HomeOnMedium::~HomeOnMedium() {
  if (had_) ::setenv("HOME", old_.c_str(), 1);
  else ::unsetenv("HOME");
}

std::unique_ptr<TfrmMain> openMainWindow(const Medium& medium, bool show) {
  auto window = std::make_unique<TfrmMain>(medium.dir());
  if (show) {
    Application& app = Application::instance();
    app.MainForm(window.get());
    window->show();
    Fl::flush();
    app.activate(window.get());
  }
  return window;
}

core::Rect at(const Fl_Widget& w) { return placeOf(w); }

}  // namespace tavilo::gui::test
