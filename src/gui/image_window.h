// TfrmImage (unit Image): the chosen entry's picture in a larger, resizable window. Made
// once at start, shown modally from the main window's screenshot. It reads the picture's
// path (the model's ShownPicture) whenever it needs the file, loads it anew at every
// activation and size change, and offers to copy the file elsewhere from its pop-up menu.
#ifndef TAVILO_GUI_IMAGE_WINDOW_H
#define TAVILO_GUI_IMAGE_WINDOW_H

#include <FL/Fl_Double_Window.H>

#include <string>

#include "core/menu/menu_model.h"
#include "gui/widgets/ag_open_dialog.h"
#include "gui/widgets/popup_menu.h"

namespace tavilo::gui {

class TImage;
class TPanel;

class TfrmImage : public Fl_Double_Window {
 public:
  static constexpr int kDesignWidth = 510;   // the client area of the design's 518 x 409
  static constexpr int kDesignHeight = 382;
  static constexpr int kDesignLeft = 254;
  static constexpr int kDesignTop = 161;

  explicit TfrmImage(const core::MenuModel& model);
  ~TfrmImage() override;

  // ---- controls
  TPanel* Panel1;
  TImage* img;
  TPopupMenu PopupMenu1;
  TMenuItem& Copy1() { return PopupMenu1[0]; }
  TAgOpenDialog AgOpenDialog1;

  // ---- handlers
  void FormCreate();
  void FormActivate();
  void FormResize();
  void imgClick();
  void Copy1Click();

  // The caption as set at the last activation.
  const std::string& Caption() const { return caption_; }
  // True while the picture could not be loaded and the placeholder shows.
  bool ShowsPlaceholder() const { return placeholder_; }

  // Shown and activated.
  void show() override;
  int handle(int event) override;
  void resize(int x, int y, int w, int h) override;

 private:
  static void closeBox(Fl_Widget* w, void* self);
  // Loads ShownPicture fitted into Panel1; a picture that cannot be loaded shows the
  // placeholder instead, without a message.
  void loadPicture();

  const core::MenuModel& model_;
  std::string caption_;
  bool placeholder_ = false;
};

}  // namespace tavilo::gui

#endif
