// The floor of any FLTK program: a double-buffered window of the menu's size
// with one box, shown and left to the event loop. Built like the menu.
#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Double_Window.H>

int main() {
  Fl::visual(FL_DOUBLE | FL_RGB);
  Fl_Double_Window window(720, 540, "Bare");
  Fl_Box box(FL_FLAT_BOX, 10, 10, 700, 520, "Fenster");
  window.end();
  window.show();
  return Fl::run();
}
