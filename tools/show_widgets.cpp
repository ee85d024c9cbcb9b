// Shows the decorative and basic widgets the way the main window uses them, for a look
// (or a screenshot under Xvfb): show_widgets [seconds]  (without seconds: until closed).
#include "gui/glyphs.h"
#include "gui/system_colors.h"
#include "gui/widgets/flat_button.h"
#include "gui/widgets/if_gradient.h"
#include "gui/widgets/label3d.h"
#include "gui/widgets/text_label.h"

#include <FL/Fl.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Group.H>

#include <cstdlib>

using namespace tavilo::gui;

namespace {

TIF_Gradient* background(TColor start, TColor end) {
  auto* g = new TIF_Gradient(0, 0, 1, 1);
  g->Direction(gdLeftRight);
  g->StartColor(start);
  g->EndColor(end);
  g->Align(alClient);
  return g;
}

TTextLabel* heading(int x, int y, int w, const char* text) {
  auto* l = new TTextLabel(x, y, w, 19);
  l->Autosize(false);
  l->Alignment(taCenter);
  l->Font({"Arial", 15, true, kBlue});
  l->Caption(text);
  return l;
}

}  // namespace

int main(int argc, char** argv) {
  const double seconds = argc > 1 ? std::atof(argv[1]) : 0;
  Fl_Double_Window win(20, 20, 500, 330, "Tavilo widgets");
  win.color(toFl(kSilver));

  auto* title = new Fl_Group(0, 0, 500, 50);
  background(0x4080FF, kSilver);
  auto* cd = new TLabel3D(11, 9, 107, 32);
  cd->Font({"Arial", 27, true, kBlue});
  cd->Caption("CD-Titel & Co");
  auto* minimise = new TFlatButton(454, 5, 18, 18);
  minimise->Solid(true);
  minimise->Color(kRed);
  minimise->Glyph(glyphs::titleMinimise());
  auto* close = new TFlatButton(475, 5, 18, 18);
  close->Solid(true);
  close->Color(kRed);
  close->Glyph(glyphs::titleClose());
  title->end();

  auto* left = new Fl_Group(0, 50, 250, 150);
  background(kAqua, kSilver);
  heading(10, 56, 230, "Gruppen @<- & Tipps");
  auto* disabled = new TIF_Gradient(10, 85, 230, 40);
  disabled->Autosize(false);
  disabled->StartColor(kNavy);
  disabled->EndColor(kTeal);
  disabled->Font({"Arial", 19, true, kBlack});
  disabled->Caption("Gesperrt");
  disabled->deactivate();
  auto* selected = new TIF_Gradient(10, 135, 230, 40);
  selected->Autosize(false);
  selected->Font({"Arial", 19, true, kBlack});
  selected->Caption("Ausgew\xC3\xA4hlt (DoSelection)");
  selected->DoSelection(true);
  selected->Selected(true);
  left->end();

  auto* right = new Fl_Group(250, 50, 250, 150);
  background(kSilver, kAqua);
  heading(260, 56, 230, "Programme");
  auto* wrapped = new TTextLabel(260, 85, 230, 10);
  wrapped->WordWrap(true);
  wrapped->Font({"MS Sans Serif", 11, true, kBlack});
  wrapped->Caption("Ein l\xC3\xA4ngerer Text aus der Konfiguration, umbrochen:\n"
                   "100% @-Zeichen und & bleiben, wie sie sind.");
  auto* filled = new TTextLabel(260, 150, 10, 10);
  filled->Transparent(false);
  filled->Color(0x75C5F0);
  filled->Font({"Tahoma", 12, false, kMaroon});
  filled->Caption("Gef\xC3\xBCllt, &Alt-Taste unterstrichen");
  auto* inactive = new TTextLabel(260, 175, 10, 10);
  inactive->Font({"Arial", 12, true, kBlack});
  inactive->Caption("Deaktiviertes Label");
  inactive->deactivate();
  right->end();

  auto* up = new Fl_Group(0, 200, 500, 60);
  auto* upDown = background(kBlack, kWhite);
  upDown->Direction(gdUpDown);
  auto* gray = new TLabel3D(10, 215, 10, 10);
  gray->Font({"Arial", 19, true, kBlue});
  gray->Caption("Schatten, deaktiviert");
  gray->deactivate();
  up->end();

  auto* bottom = new Fl_Group(0, 260, 500, 30);
  background(0x4080FF, kSilver);
  const char* captions[] = {"Install ", "Starten / \xC3\x96" "ffnen", "Kopieren", "CD durchsuchen"};
  TFlatButton* buttons[4];
  for (int i = 0; i < 4; ++i) {
    buttons[i] = new TFlatButton(35 + 110 * i, 264, 100, 22, captions[i]);
    buttons[i]->Border(true);
    buttons[i]->Font({"Arial", 12, true, kBlue});
  }
  buttons[3]->deactivate();
  bottom->end();

  auto* status = new TTextLabel(0, 290, 500, 40);
  status->Autosize(false);
  status->Transparent(false);
  status->Color(0x5B97C4);
  status->Font({"MS Sans Serif", 11, true, kMaroon});
  status->Caption(" Knopf 2: Zeiger dar\xC3\xBC" "ber, Knopf 3: gedr\xC3\xBC" "ckt");
  win.end();
  win.show();

  // Show the hover and pressed looks without a pointer.
  Fl::flush();
  buttons[1]->handle(FL_ENTER);
  buttons[2]->value(1);
  buttons[2]->redraw();

  if (seconds <= 0) return Fl::run();
  Fl::add_timeout(seconds, [](void*) { std::exit(0); });
  return Fl::run();
}
