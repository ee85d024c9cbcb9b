// TDirLabel: the label bound to a folder list. Its caption is the whole text;
// it draws it shortened with "..." in the middle when the text is wider than
// ShortenWidth (the folder list's width once bound; 0: its own width, or no
// limit while it autosizes). Every
// character is drawn as it is ('&' is no accelerator).
#ifndef TAVILO_GUI_WIDGETS_DIR_LABEL_H
#define TAVILO_GUI_WIDGETS_DIR_LABEL_H

#include "gui/widgets/text_label.h"

namespace tavilo::gui {

class TDirectoryListBox;

class TDirLabel : public TTextLabel {
 public:
  TDirLabel(int x, int y, int w, int h, const char* label = nullptr);
  ~TDirLabel() override;

  int ShortenWidth() const { return shortenWidth_; }
  void ShortenWidth(int width);
  // The text as drawn now.
  std::string ShownText() const { return drawnCaption(); }
  TDirectoryListBox* DirList() const { return dirList_; }

 protected:
  std::string drawnCaption() const override;

 private:
  friend class TDirectoryListBox;
  int shortenWidth_ = 0;
  TDirectoryListBox* dirList_ = nullptr;
};

}  // namespace tavilo::gui

#endif
