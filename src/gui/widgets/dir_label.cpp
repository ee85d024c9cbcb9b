#include "gui/widgets/dir_label.h"

#include "core/path_shorten.h"
#include "gui/widgets/directory_list_box.h"

#include <FL/fl_draw.H>

namespace tavilo::gui {

TDirLabel::TDirLabel(int x, int y, int w, int h, const char* label) : TTextLabel(x, y, w, h, label) {
  ShowAccelChar(false);
}

TDirLabel::~TDirLabel() {
  if (dirList_) dirList_->label_ = nullptr;
}

void TDirLabel::ShortenWidth(int width) {
  shortenWidth_ = width;
  refit();
  changed();
}

std::string TDirLabel::drawnCaption() const {
  if (shortenWidth_ <= 0 && Autosize()) return Caption();
  const int limit = shortenWidth_ > 0 ? shortenWidth_ : w();
  applyFont(Font());
  return core::shortenPathMiddle(Caption(), limit, [](std::string_view s) {
    return static_cast<int>(fl_width(s.data(), static_cast<int>(s.size())));
  });
}

}  // namespace tavilo::gui
