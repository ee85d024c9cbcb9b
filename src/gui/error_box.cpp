#include "gui/error_box.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Return_Button.H>
#include <FL/fl_draw.H>

#include <algorithm>

#include "gui/fonts.h"
#include "gui/glyphs.h"

namespace tavilo::gui {

namespace {

// The message as plain text: nothing in it is read as a symbol or shortcut.
class MessageText : public Fl_Box {
 public:
  MessageText(int x, int y, int w, int h, const std::string& text) : Fl_Box(x, y, w, h), text_(text) {}
  void draw() override {
    fl_font(labelfont(), labelsize());
    fl_color(FL_BLACK);
    fl_draw(text_.c_str(), x(), y(), w(), h(), FL_ALIGN_LEFT | FL_ALIGN_TOP | FL_ALIGN_INSIDE, nullptr, 0);
  }

 private:
  std::string text_;
};

}  // namespace

ErrorBox::ErrorBox(const std::string& caption, const std::string& message)
    : Fl_Double_Window(300, 120), caption_(caption), message_(message) {
  const Fl_Font font = fontFor("MS Sans Serif", false);
  const int size = 11;
  fl_font(font, size);
  int tw = 0, th = 0;
  fl_measure(message_.c_str(), tw, th, 0);
  const int width = std::max(230, 64 + tw + 24);
  const int textHeight = std::max(32, th);
  const int height = 16 + textHeight + 16 + 25 + 12;
  size_range(width, height, width, height);
  this->size(width, height);
  label(caption_.c_str());

  auto* picture = new Fl_Box(16, 16, 32, 32);
  picture->image(glyphs::error());
  picture->box(FL_NO_BOX);
  auto* text = new MessageText(64, 16 + std::max(0, (32 - th) / 2), tw + 4, th, message_);
  text->labelfont(font);
  text->labelsize(size);
  ok_ = new Fl_Return_Button((width - 75) / 2, height - 12 - 25, 75, 25, "OK");
  ok_->callback([](Fl_Widget* w, void*) { w->window()->hide(); });
  end();
  position((Fl::w() - width) / 2, (Fl::h() - height) / 2);
}

}  // namespace tavilo::gui
