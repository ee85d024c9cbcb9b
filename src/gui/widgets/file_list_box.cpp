#include "gui/widgets/file_list_box.h"

#include "core/files/file_masks.h"
#include "core/path.h"
#include "gui/color.h"
#include "gui/glyphs.h"
#include "gui/widgets/directory_list_box.h"
#include "gui/widgets/list_painting.h"
#include "platform/platform.h"

#include <FL/Fl.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>

#include <algorithm>

namespace tavilo::gui {

namespace pf = tavilo::platform;

using core::joinPath;

TFileListBox::TFileListBox(int x, int y, int w, int h, const char* label)
    : TIndexedBrowser(x, y, w, h, label), mask_("*.*") {
  type(FL_MULTI_BROWSER);
  box(FL_DOWN_BOX);
  color(FL_WHITE);
  selection_color(toFl(kListHighlight));
  has_scrollbar(BOTH);
  masks_ = core::splitMasks(mask_);
}

TFileListBox::~TFileListBox() {
  if (dirList_) dirList_->fileList_ = nullptr;
}

void TFileListBox::Directory(const std::string& path) {
  if (path.empty()) return;
  if (dirList_) {
    dirList_->Directory(path);
    return;
  }
  if (!pf::changeFolder(path)) return;
  const std::string now = pf::currentFolder();
  followFolder(now.empty() ? core::normalFolder(pf::absolutePath(path)) : now);
}

void TFileListBox::followFolder(const std::string& folder) {
  directory_ = folder;
  Update();
}

void TFileListBox::Mask(const std::string& mask) {
  mask_ = mask;
  masks_ = core::splitMasks(mask);
  Update();
}

void TFileListBox::Update() {
  files_.clear();
  if (!directory_.empty()) {
    pf::changeFolder(directory_);
    for (const pf::DirEntry& e : pf::listFolder(directory_)) {
      if (e.isFolder) continue;
      // A link to a folder is neither a folder of the list nor a file.
      if (e.isLink && pf::isFolder(joinPath(directory_, e.name))) continue;
      if (!core::matchesAnyMask(e.name, masks_)) continue;
      files_.push_back({e.name, false});
    }
  }
  focused_ = -1;
  anchor_ = -1;
  tracking_ = false;
  new_list();
  redraw();
}

std::string TFileListBox::FileName(int i) const {
  if (i < 0 || i >= Count()) return {};
  return files_[static_cast<std::size_t>(i)].name;
}

std::string TFileListBox::FilePath(int i) const {
  if (i < 0 || i >= Count()) return {};
  return joinPath(directory_, files_[static_cast<std::size_t>(i)].name);
}

bool TFileListBox::Selected(int i) const {
  return i >= 0 && i < Count() && files_[static_cast<std::size_t>(i)].selected;
}

void TFileListBox::Selected(int i, bool on) {
  if (i < 0 || i >= Count() || files_[static_cast<std::size_t>(i)].selected == on) return;
  files_[static_cast<std::size_t>(i)].selected = on;
  redrawLine(i);
}

int TFileListBox::SelCount() const {
  return static_cast<int>(std::count_if(files_.begin(), files_.end(), [](const Line& l) { return l.selected; }));
}

void TFileListBox::SelectAll() {
  for (int i = 0; i < Count(); ++i) Selected(i, true);
}

void TFileListBox::ClearSelection() {
  for (int i = 0; i < Count(); ++i) Selected(i, false);
}

void TFileListBox::ItemIndex(int i) {
  const int next = i >= 0 && i < Count() ? i : -1;
  if (next == focused_) return;
  const int old = focused_;
  focused_ = next;
  anchor_ = next;
  redrawLine(old);
  redrawLine(next);
  if (next >= 0) showRow(next);
}

int TFileListBox::ItemAt(int x, int y) const {
  int bx, by, bw, bh;
  bbox(bx, by, bw, bh);
  if (x < bx || x >= bx + bw || y < by || y >= by + bh) return -1;
  void* item = const_cast<TFileListBox*>(this)->find_item(y);
  return item ? indexOf(item) : -1;
}

void TFileListBox::Font(const FontSpec& f) {
  font_ = f;
  new_list();
  redraw();
}

void TFileListBox::redrawLine(int i) {
  if (i >= 0 && i < Count()) redraw_line(pointerOf(i));
}

void TFileListBox::selectRange(int from, int to) {
  if (from < 0) from = to;
  const int lo = std::min(from, to), hi = std::max(from, to);
  for (int i = lo; i <= hi; ++i) Selected(i, true);
}

void TFileListBox::clickAt(int index, bool toggle, bool range) {
  if (index < 0) return;
  if (range) {
    if (!toggle) ClearSelection();
    selectRange(anchor_, index);
  } else if (toggle) {
    Selected(index, !Selected(index));
    anchor_ = index;
  } else {
    for (int i = 0; i < Count(); ++i) Selected(i, i == index);
    anchor_ = index;
  }
  const int old = focused_;
  focused_ = index;
  redrawLine(old);
  redrawLine(index);
}

int TFileListBox::handle(int event) {
  switch (event) {
    case FL_ENTER:
      if (cursor_ != FL_CURSOR_DEFAULT && window()) window()->cursor(cursor_);
      TIndexedBrowser::handle(event);
      return 1;
    case FL_LEAVE:
      if (cursor_ != FL_CURSOR_DEFAULT && window()) window()->cursor(FL_CURSOR_DEFAULT);
      return TIndexedBrowser::handle(event);
    case FL_FOCUS:
    case FL_UNFOCUS:
      if (!visible_focus()) return 0;
      redrawLine(focused_);
      return 1;
    case FL_PUSH: {
      int bx, by, bw, bh;
      bbox(bx, by, bw, bh);
      if (!Fl::event_inside(bx, by, bw, bh)) break;  // the scrollbars
      if (visible_focus()) take_focus();
      if (Fl::event_button() == FL_RIGHT_MOUSE) {
        if (onContextMenu_) {
          auto handler = onContextMenu_;
          handler();
        }
        return 1;
      }
      tracking_ = true;
      clickAt(ItemAt(Fl::event_x(), Fl::event_y()), Fl::event_state(FL_CTRL) != 0,
              Fl::event_state(FL_SHIFT) != 0);
      return 1;
    }
    case FL_DRAG: {
      if (!tracking_) break;
      // Dragging selects the range from the pressed line to the line under the mouse.
      int bx, by, bw, bh;
      bbox(bx, by, bw, bh);
      const int y = std::clamp(Fl::event_y(), by, by + bh - 1);
      const int index = ItemAt(bx, y);
      if (index >= 0 && index != focused_) clickAt(index, Fl::event_state(FL_CTRL) != 0, true);
      return 1;
    }
    case FL_RELEASE:
      if (!tracking_) break;
      tracking_ = false;
      if (onClick_) {
        auto handler = onClick_;
        handler();
      }
      return 1;
    case FL_KEYBOARD: {
      if (Count() == 0) return 0;
      int bx, by, bw, bh;
      bbox(bx, by, bw, bh);
      const int page = std::max(1, bh / kItemHeight - 1);
      int next = focused_;
      switch (Fl::event_key()) {
        case FL_Up: next = focused_ < 0 ? 0 : focused_ - 1; break;
        case FL_Down: next = focused_ + 1; break;
        case FL_Page_Up: next = focused_ - page; break;
        case FL_Page_Down: next = focused_ + page; break;
        case FL_Home: next = 0; break;
        case FL_End: next = Count() - 1; break;
        case ' ':
          if (focused_ < 0) return 0;
          Selected(focused_, !Selected(focused_));
          return 1;
        default:
          return 0;
      }
      next = std::clamp(next, 0, Count() - 1);
      clickAt(next, false, Fl::event_state(FL_SHIFT) != 0);
      showRow(next);
      return 1;
    }
    default:
      break;
  }
  return TIndexedBrowser::handle(event);
}

void TFileListBox::item_select(void* item, int val) { Selected(indexOf(item), val != 0); }

int TFileListBox::item_selected(void* item) const { return Selected(indexOf(item)) ? 1 : 0; }

int TFileListBox::item_height(void*) const { return kItemHeight; }

int TFileListBox::item_width(void* item) const {
  const std::string& name = files_[static_cast<std::size_t>(indexOf(item))].name;
  applyFont(font_);
  return kListLeftMargin + kListGlyphSize + kListTextGap + static_cast<int>(fl_width(name.c_str(), static_cast<int>(name.size()))) +
         kListTextGap;
}

void TFileListBox::item_draw(void* item, int x, int y, int w, int h) const {
  const int index = indexOf(item);
  const Line& line = files_[static_cast<std::size_t>(index)];
  const bool active = active_r();
  Fl_Image* glyph = glyphFor(glyphs::fileImage(line.name), active);
  glyph->draw(x + kListLeftMargin, y + (h - kListGlyphSize) / 2);
  applyFont(font_);
  const Fl_Color text = line.selected ? FL_WHITE : toFl(font_.color);
  fl_color(active ? text : fl_inactive(text));
  const int baseline = y + (h - fl_height()) / 2 + fl_height() - fl_descent();
  fl_draw(line.name.c_str(), static_cast<int>(line.name.size()), x + kListLeftMargin + kListGlyphSize + kListTextGap, baseline);
  if (index == focused_ && Fl::focus() == this) {
    int bx, by, bw, bh;
    bbox(bx, by, bw, bh);
    drawFocusRect(bx, y, bw, h);
  }
  (void)w;
}

}  // namespace tavilo::gui
