#include "gui/plain_box.h"

#include <algorithm>

#include "gui/application.h"
#include "gui/form_position.h"
#include "gui/system_colors.h"
#include "gui/widgets/bit_btn.h"
#include "gui/widgets/text_label.h"

namespace tavilo::gui {

namespace {
constexpr int kMargin = 16;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
}  // namespace

PlainBox::PlainBox(const std::string& text) : MessageWindow(150, 80) {
  text_ = makeMessageLabel(kMargin, kMargin, kWindowText);
  text_->Font({"MS Sans Serif", 11, false, kWindowText});
  text_->Caption(text);
  const int width = std::max(text_->w() + 2 * kMargin, kButtonWidth + 4 * kMargin);
  const int buttonTop = text_->y() + text_->h() + kMargin;
  ok_ = new TBitBtn((width - kButtonWidth) / 2, buttonTop, kButtonWidth, kButtonHeight, "OK");
  ok_->ModalResult(mrOk);
  ok_->Default(true);
  connect(ok_);
  end();
  ClientSize(width, buttonTop + kButtonHeight + 12);
  copy_label(Application::instance().Title().c_str());
  EscapeResult(mrOk);
  FocusButton(ok_);
}

void showPlainBox(const std::string& text) {
  PlainBox box(text);
  placeForm(box, poMainFormCenter, nullptr, 0, 0);
  box.ShowModal();
}

}  // namespace tavilo::gui
