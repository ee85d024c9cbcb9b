#include "gui/widgets/directory_list_box.h"

#include "core/path.h"
#include "gui/color.h"
#include "gui/glyphs.h"
#include "gui/widgets/dir_label.h"
#include "gui/widgets/drive_combo_box.h"
#include "gui/widgets/file_list_box.h"
#include "gui/widgets/list_painting.h"
#include "platform/platform.h"

#include <FL/Fl.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>

#include <algorithm>

namespace tavilo::gui {

namespace pf = tavilo::platform;

namespace {

// Where the list starts when the current folder cannot be listed.
const std::string kRoot(1, core::separatorOf());

}  // namespace

TDirectoryListBox::TDirectoryListBox(int x, int y, int w, int h, const char* label)
    : TIndexedBrowser(x, y, w, h, label) {
  type(FL_NORMAL_BROWSER);
  box(FL_DOWN_BOX);
  color(FL_WHITE);
  selection_color(toFl(kListHighlight));
  has_scrollbar(BOTH);
  if (!Directory(pf::currentFolder()) && !Directory(kRoot)) {
    directory_ = kRoot;
    rebuild();
  }
}

TDirectoryListBox::~TDirectoryListBox() {
  if (label_) label_->dirList_ = nullptr;
  if (fileList_) fileList_->dirList_ = nullptr;
  if (driveCombo_) driveCombo_->dirList_ = nullptr;
}

bool TDirectoryListBox::Directory(const std::string& path) {
  if (path.empty() || !pf::changeFolder(path)) return false;
  std::string now = pf::currentFolder();
  directory_ = now.empty() ? core::normalFolder(pf::absolutePath(path)) : core::normalFolder(now);
  rebuild();
  notifyBound();
  if (onChange_) {
    auto handler = onChange_;  // the handler may replace itself
    handler();
  }
  return true;
}

std::string TDirectoryListBox::Drive() const { return core::driveOf(directory_, pf::listDrives()); }

bool TDirectoryListBox::Drive(const std::string& drive) { return Directory(drive); }

void TDirectoryListBox::Update() {
  pf::changeFolder(directory_);
  rebuild();
}

void TDirectoryListBox::rebuild() {
  std::vector<std::string> subFolders;
  for (const pf::DirEntry& e : pf::listFolder(directory_))
    if (e.isFolder && !e.hidden && !e.system) subFolders.push_back(e.name);
  items_ = core::folderTreeItems(directory_, subFolders);
  current_ = core::currentFolderIndex(directory_);
  pressed_ = -1;
  new_list();
  showCurrent();
  redraw();
}

void TDirectoryListBox::showCurrent() {
  // The current folder near the top, with its parent above it, so that its
  // sub-folders show below it.
  int bx, by, bw, bh;
  bbox(bx, by, bw, bh);
  const int full = Count() * kItemHeight;
  const int wanted = std::max(0, (current_ - 1) * kItemHeight);
  vposition(std::min(wanted, std::max(0, full - bh)));
}

void TDirectoryListBox::notifyBound() {
  if (label_) label_->Caption(directory_);
  if (fileList_) fileList_->followFolder(directory_);
  if (driveCombo_) driveCombo_->Drive(directory_);
}

std::string TDirectoryListBox::ItemPath(int index) const {
  if (index < 0 || index >= Count()) return {};
  return items_[static_cast<std::size_t>(index)].path;
}

int TDirectoryListBox::ItemAt(int x, int y) const {
  int bx, by, bw, bh;
  bbox(bx, by, bw, bh);
  if (x < bx || x >= bx + bw || y < by || y >= by + bh) return -1;
  void* item = const_cast<TDirectoryListBox*>(this)->find_item(y);
  return item ? indexOf(item) : -1;
}

void TDirectoryListBox::DirLabel(TDirLabel* label) {
  if (label_ == label) return;
  if (label_) label_->dirList_ = nullptr;
  if (label && label->dirList_) label->dirList_->label_ = nullptr;
  label_ = label;
  if (label_) {
    label_->dirList_ = this;
    label_->ShortenWidth(w());
    label_->Caption(directory_);
  }
}

void TDirectoryListBox::FileList(TFileListBox* list) {
  if (fileList_ == list) return;
  if (fileList_) fileList_->dirList_ = nullptr;
  if (list && list->dirList_) list->dirList_->fileList_ = nullptr;
  fileList_ = list;
  if (fileList_) {
    fileList_->dirList_ = this;
    fileList_->followFolder(directory_);
  }
}

void TDirectoryListBox::Font(const FontSpec& f) {
  font_ = f;
  new_list();
  showCurrent();
  redraw();
}

int TDirectoryListBox::handle(int event) {
  switch (event) {
    case FL_ENTER:
      if (cursor_ != FL_CURSOR_DEFAULT && window()) window()->cursor(cursor_);
      TIndexedBrowser::handle(event);
      return 1;
    case FL_LEAVE:
      if (cursor_ != FL_CURSOR_DEFAULT && window()) window()->cursor(FL_CURSOR_DEFAULT);
      return TIndexedBrowser::handle(event);
    case FL_PUSH: {
      int bx, by, bw, bh;
      bbox(bx, by, bw, bh);
      if (!Fl::event_inside(bx, by, bw, bh)) break;  // the scrollbars
      if (Fl::event_button() == FL_RIGHT_MOUSE) {
        if (onContextMenu_) {
          auto handler = onContextMenu_;
          handler();
        }
        return 1;
      }
      tracking_ = true;
      pressed_ = ItemAt(Fl::event_x(), Fl::event_y());
      return 1;
    }
    case FL_DRAG:
      if (tracking_) return 1;
      break;
    case FL_RELEASE: {
      if (!tracking_) break;
      tracking_ = false;
      const int index = ItemAt(Fl::event_x(), Fl::event_y());
      if (index < 0 || index != pressed_) return 1;
      pressed_ = -1;
      Directory(ItemPath(index));
      if (onClick_) {
        auto handler = onClick_;
        handler();
      }
      return 1;
    }
    default:
      break;
  }
  return TIndexedBrowser::handle(event);
}

int TDirectoryListBox::item_height(void*) const { return kItemHeight; }

int TDirectoryListBox::item_width(void* item) const {
  const core::FolderItem& it = items_[static_cast<std::size_t>(indexOf(item))];
  applyFont(font_);
  return kListLeftMargin + it.level * kIndent + kListGlyphSize + kListTextGap +
         static_cast<int>(fl_width(it.name.c_str(), static_cast<int>(it.name.size()))) + 2 * kListTextGap;
}

void TDirectoryListBox::item_draw(void* item, int x, int y, int, int h) const {
  const int index = indexOf(item);
  const core::FolderItem& it = items_[static_cast<std::size_t>(index)];
  const bool active = active_r();
  const int gx = x + kListLeftMargin + it.level * kIndent;
  Fl_Image* glyph = glyphFor(it.open ? glyphs::folderOpen() : glyphs::folderClosed(), active);
  glyph->draw(gx, y + (h - kListGlyphSize) / 2);

  applyFont(font_);
  const int tx = gx + kListGlyphSize + kListTextGap;
  const int tw = static_cast<int>(fl_width(it.name.c_str(), static_cast<int>(it.name.size())));
  Fl_Color text = toFl(font_.color);
  if (index == current_) {
    fl_color(active ? selection_color() : fl_inactive(selection_color()));
    fl_rectf(tx - 2, y + 1, tw + 4, h - 2);
    text = FL_WHITE;
  }
  fl_color(active ? text : fl_inactive(text));
  const int baseline = y + (h - fl_height()) / 2 + fl_height() - fl_descent();
  fl_draw(it.name.c_str(), static_cast<int>(it.name.size()), tx, baseline);
}

}  // namespace tavilo::gui
