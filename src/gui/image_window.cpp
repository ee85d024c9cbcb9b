#include "gui/image_window.h"

#include <FL/Fl.H>

#include <exception>

#include "core/files/file_name.h"
#include "core/files/file_utils_copy.h"
#include "core/picture_copy.h"
#include "gui/application.h"
#include "gui/glyphs.h"
#include "gui/native_window.h"
#include "gui/no_picture.h"
#include "gui/picture_fit.h"
#include "gui/system_colors.h"
#include "gui/widgets/image.h"
#include "gui/widgets/panel.h"
#include "platform/platform.h"

namespace tavilo::gui {

namespace {

constexpr int kPictureWidth = 480;  // the picture control's design size
constexpr int kPictureHeight = 360;

Fl_RGB_Image* imageList(int index) { return index == 0 ? glyphs::image(glyphs::Glyph::MenuCopyTo) : nullptr; }

}  // namespace

TfrmImage::TfrmImage(const core::MenuModel& model) : Fl_Double_Window(kDesignWidth, kDesignHeight), model_(model) {
  color(toFl(kBtnFace));
  callback(&TfrmImage::closeBox, this);
  Panel1 = new TPanel(0, 0, kDesignWidth, kDesignHeight);
  Panel1->Filled(true);
  Panel1->Color(kBtnFace);
  Panel1->BorderLine(true);
  img = new TImage((kDesignWidth - kPictureWidth) / 2, (kDesignHeight - kPictureHeight) / 2, kPictureWidth,
                   kPictureHeight);
  img->Stretch(true);
  img->Center(true);
  img->Cursor(FL_CURSOR_HAND);
  img->OnClick([this] { imgClick(); });
  // The design's hint promises dragging, which the picture does not do: no bubble.
  Application::instance().setHint(img, "Maus drücken zum Bild verschieben", false);
  Panel1->end();
  end();
  resizable(Panel1);
  size_range(120, 90);
  position(kDesignLeft, kDesignTop);

  AgOpenDialog1.Filter("Image (*.jpg)|*.jpg");
  AgOpenDialog1.Owner(this);
  PopupMenu1 = TPopupMenu({{"Copy", "", 0, true, [this] { Copy1Click(); }}});
  PopupMenu1.Images(imageList);
  Application::instance().OnActivate(this, [this] { FormActivate(); });
  FormCreate();
}

TfrmImage::~TfrmImage() {
  Application& app = Application::instance();
  app.OnActivate(this, nullptr);
  app.setHint(img, "", false);  // a later widget at the same address has no hint
}

void TfrmImage::closeBox(Fl_Widget*, void* self) {
  // Esc does nothing; only the close box (and a click on the picture) closes the window.
  const bool escape = (Fl::event() == FL_SHORTCUT || Fl::event() == FL_KEYBOARD) && Fl::event_key() == FL_Escape;
  if (!escape) static_cast<TfrmImage*>(self)->hide();
}

void TfrmImage::FormCreate() { Copy1().Caption = "Kopieren nach..."; }

void TfrmImage::FormActivate() {
  caption_ = "Image: " + std::string(core::fileNamePart(model_.ShownPicture));
  copy_label(caption_.c_str());
  loadPicture();
}

void TfrmImage::FormResize() { loadPicture(); }

void TfrmImage::loadPicture() {
  try {
    LoadPictureFitted(*img, model_.ShownPicture, *Panel1, 0, 0);
    placeholder_ = false;
  } catch (const std::exception&) {
    img->AssignPicture(*keinBildBack());
    img->Stretch(false);
    placeholder_ = true;
  }
}

void TfrmImage::imgClick() { hide(); }

void TfrmImage::Copy1Click() {
  const std::string picture = model_.ShownPicture;
  const std::string extension(core::fileExtension(picture));
  AgOpenDialog1.DefaultView(ovList);
  AgOpenDialog1.Title("Image kopieren nach...");
  // The system's dialog (Windows) starts at c:\; FLTK's chooser in the person's
  // home folder, where they can write.
  AgOpenDialog1.InitialDir(TAgOpenDialog::IsSystemDialog() ? "c:\\" : platform::homeFolder());
  AgOpenDialog1.Filter(core::pictureCopyFilter(extension));
  AgOpenDialog1.FileName(std::string(core::fileNamePart(picture)));
  if (!AgOpenDialog1.Execute()) return;
  core::CopyFileStreamed(picture, core::withExtension(AgOpenDialog1.FileName(), extension));
}

void TfrmImage::show() {
  const bool first = !shown();
  if (first) {
    xclass("Tavilo");
    icon(glyphs::windowIcon());
  }
  Fl_Double_Window::show();
  if (!first) return;
  platform::setFrameButtons(nativeWindow(*this), false, true, true);
  Application::instance().activate(this);
}

int TfrmImage::handle(int event) {
  if (event == FL_PUSH && Fl::event_button() == FL_RIGHT_MOUSE && img->visible() && Fl::event_inside(img)) {
    PopupMenu1.Popup();
    return 1;
  }
  return Fl_Double_Window::handle(event);
}

void TfrmImage::resize(int x, int y, int w, int h) {
  const bool sized = w != this->w() || h != this->h();
  Fl_Double_Window::resize(x, y, w, h);
  if (sized && shown()) FormResize();
}

}  // namespace tavilo::gui
