// The floor of a program that shows what the menu shows on the demo medium,
// written plainly with FLTK's own widgets: the same window, fonts and sizes,
// the three gradients drawn line by line, the logo and the first screenshot
// decoded by FLTK and scaled smoothly to the menu's size, two lists, the
// wrapped description, four buttons and the status line. It knows the texts
// and reads no configuration. Built like the menu.
// The medium folder (holding bilder/logo.gif and bilder/rechner.jpg) is the
// first argument or $TAVILO_BENCH_MEDIUM, since the probe passes no arguments.
#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_GIF_Image.H>
#include <FL/Fl_Hold_Browser.H>
#include <FL/Fl_JPEG_Image.H>
#include <FL/Fl_Text_Buffer.H>
#include <FL/Fl_Text_Display.H>
#include <FL/fl_draw.H>

#include <cstdlib>
#include <memory>
#include <string>

namespace {

// A box filled from one colour at its top to another at its bottom.
class GradientBox : public Fl_Box {
 public:
  GradientBox(int x, int y, int w, int h, Fl_Color top, Fl_Color bottom)
      : Fl_Box(x, y, w, h), top_(top), bottom_(bottom) {}

 protected:
  void draw() override {
    for (int row = 0; row < h(); ++row) {
      fl_color(fl_color_average(bottom_, top_, h() > 1 ? static_cast<float>(row) / (h() - 1) : 0.0f));
      fl_xyline(x(), y() + row, x() + w() - 1);
    }
    draw_label();
  }

 private:
  Fl_Color top_, bottom_;
};

Fl_Box* label(int x, int y, int w, int h, const char* text, Fl_Font font, int size, Fl_Color colour) {
  auto* box = new Fl_Box(x, y, w, h, text);
  box->labelfont(font);
  box->labelsize(size);
  box->labelcolor(colour);
  return box;
}

}  // namespace

int main(int argc, char** argv) {
  const char* given = argc > 1 ? argv[1] : std::getenv("TAVILO_BENCH_MEDIUM");
  const std::string medium = given ? given : ".";
  Fl::visual(FL_DOUBLE | FL_RGB);
  Fl::set_font(FL_FREE_FONT, " Arial");
  Fl::set_font(FL_FREE_FONT + 1, "BArial");
  const Fl_Font plain = FL_FREE_FONT, bold = FL_FREE_FONT + 1;
  Fl_Image::RGB_scaling(FL_RGB_SCALING_BILINEAR);
  const Fl_Color window = fl_rgb_color(0xEE, 0xF5, 0xFB), ink = fl_rgb_color(0x10, 0x20, 0x40);
  const Fl_Color dark = fl_rgb_color(0x2C, 0x64, 0xA8), light = fl_rgb_color(0xB4, 0xD2, 0xE6);

  Fl_Double_Window win(720, 540, "Inhalt");
  win.color(window);
  new GradientBox(0, 0, 720, 55, dark, light);
  auto* caption = label(86, 0, 560, 55, "Velmora Software-CD", bold, 27, FL_WHITE);
  caption->align(FL_ALIGN_INSIDE | FL_ALIGN_LEFT);
  Fl_GIF_Image logo((medium + "/bilder/logo.gif").c_str());
  std::unique_ptr<Fl_Image> logoShown(logo.copy(68, 45));
  auto* logoBox = new Fl_Box(14, 5, 68, 45);
  logoBox->image(logoShown.get());
  label(20, 62, 260, 40, "Gruppen\n(Thema w\u00e4hlen)", bold, 15, ink);
  label(305, 62, 400, 40, "Programme & Dateien", bold, 15, ink);

  auto* groups = new Fl_Hold_Browser(16, 106, 267, 190);
  auto* entries = new Fl_Hold_Browser(304, 106, 398, 208);
  for (Fl_Hold_Browser* list : {groups, entries}) {
    list->textfont(bold);
    list->textsize(11);
  }
  for (const char* g : {"Werkzeuge", "Dokumente & Bilder", "Installation"}) groups->add(g);
  for (const char* e : {"Taschenrechner", "Notizblock", "(noch frei)"}) entries->add(e);
  groups->select(1);
  entries->select(1);

  Fl_JPEG_Image jpeg((medium + "/bilder/rechner.jpg").c_str());
  std::unique_ptr<Fl_Image> shot(jpeg.copy(221, 166));
  auto* shotBox = new Fl_Box(39, 308, 221, 166);
  shotBox->image(shot.get());

  auto* link = label(305, 326, 398, 14, "[ Zur Seite des Rechners ]", plain, 11, FL_BLUE);
  link->box(FL_BORDER_BOX);
  Fl_Text_Buffer text;
  auto* description = new Fl_Text_Display(305, 341, 398, 132);
  description->buffer(text);
  description->textfont(bold);
  description->textsize(11);
  description->wrap_mode(Fl_Text_Display::WRAP_AT_BOUNDS, 0);
  text.text("Ein kleiner Rechner: Grundrechenarten, Klammern und Prozent \u2013 startet direkt von der CD.");

  new GradientBox(6, 484, 708, 30, dark, light);
  int left = 151;
  for (const char* caption : {"Installieren", "Starten / \u00d6ffnen", "Kopieren", "CD durchsuchen"}) {
    auto* button = new Fl_Button(left, 489, 100, 22, caption);
    button->labelfont(bold);
    button->labelsize(12);
    left += 110;
  }
  auto* status = label(6, 514, 708, 20, "W\u00e4hle hier das Programm bzw die Datei aus", bold, 11,
                       fl_rgb_color(0x80, 0x10, 0x00));
  status->box(FL_FLAT_BOX);
  status->color(fl_rgb_color(0xE6, 0xB4, 0x6C));
  status->align(FL_ALIGN_INSIDE | FL_ALIGN_LEFT);
  win.end();
  win.show();
  return Fl::run();
}
