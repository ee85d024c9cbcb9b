// A temporary medium folder and a real main window built on it.
#ifndef TAVILO_TESTS_GUI_MAIN_WINDOW_TEST_SUPPORT_H
#define TAVILO_TESTS_GUI_MAIN_WINDOW_TEST_SUPPORT_H

#include <filesystem>
#include <memory>
#include <string>

#include "core/layout/main_layout.h"
#include "gui/main_window.h"

namespace tavilo::gui::test {

class Medium {
 public:
  Medium();  // an empty folder under $TAVILO_TEST_TMP or /tmp
  ~Medium();
  std::string dir() const { return root_.string() + "/"; }
  const std::filesystem::path& root() const { return root_; }
  // Writes Tavilo.ini from `text` with CR LF line ends.
  void ini(const std::string& text) const;
  void file(const std::string& relative, const std::string& content, bool executable = false) const;
  // Picture files with a colour ramp: a 24-bit BMP, a JPEG.
  void picture(const std::string& relative, int width, int height) const;
  void jpeg(const std::string& relative, int width, int height) const;

 private:
  std::filesystem::path root_;
};

// Points $HOME at a folder of the medium while it lives: FLTK writes its preferences
// (options, the file chooser's settings) below $HOME.
class HomeOnMedium {
 public:
  explicit HomeOnMedium(const Medium& medium);
  ~HomeOnMedium();
  HomeOnMedium(const HomeOnMedium&) = delete;
  HomeOnMedium& operator=(const HomeOnMedium&) = delete;

 private:
  std::string old_;
  bool had_ = false;
};

// Builds the main window on the medium (FormCreate runs), shows it and
// activates it, as the program entry does.
std::unique_ptr<TfrmMain> openMainWindow(const Medium& medium, bool show = true);

// A control's place relative to its parent.
core::Rect at(const Fl_Widget& w);

}  // namespace tavilo::gui::test

#endif
