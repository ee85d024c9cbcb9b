// Every control keeps its colour in FLTK's own color(): whatever sets it
// there, the Color property reads it and the control paints with it.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "gui/widgets/bit_btn.h"
#include "gui/widgets/flat_button.h"
#include "gui/widgets/list_box.h"
#include "gui/widgets/panel.h"
#include "gui/widgets/rich_edit.h"
#include "gui/widgets/status_bar.h"
#include "gui/widgets/text_label.h"
#include "widget_test_support.h"

namespace tavilo::gui {
namespace {

constexpr TColor kPaint = 0x3366CC;

TEST(WidgetColour, TheColourLivesInFltksColor) {
  struct Case {
    const char* what;
    std::function<Fl_Widget*()> make;  // a filled control at 10, 10, 80 x 40
    std::function<TColor(Fl_Widget&)> property;
  };
  const std::vector<Case> cases = {
      {"TPanel", [] { auto* p = new TPanel(10, 10, 80, 40); p->Filled(true); p->end(); return p; },
       [](Fl_Widget& w) { return static_cast<TPanel&>(w).Color(); }},
      {"TFlatButton", [] { auto* b = new TFlatButton(10, 10, 80, 40); b->Solid(true); return b; },
       [](Fl_Widget& w) { return static_cast<TFlatButton&>(w).Color(); }},
      {"TTextLabel", [] { auto* l = new TTextLabel(10, 10, 80, 40); l->Autosize(false); l->Transparent(false); return l; },
       [](Fl_Widget& w) { return static_cast<TTextLabel&>(w).Color(); }},
      {"TMyStatusBar", [] { return new TMyStatusBar(10, 10, 80, 40); },
       [](Fl_Widget& w) { return static_cast<TMyStatusBar&>(w).Color(); }},
      {"TListBox", [] { return new TListBox(10, 10, 80, 40); },
       [](Fl_Widget& w) { return static_cast<TListBox&>(w).Color(); }},
      {"TRichEdit", [] { return new TRichEdit(10, 10, 80, 40); },
       [](Fl_Widget& w) { return static_cast<TRichEdit&>(w).Color(); }},
      {"TBitBtn", [] { return new TBitBtn(10, 10, 80, 40); },
       [](Fl_Widget& w) { return static_cast<TBitBtn&>(w).Color(); }},
  };
  for (const Case& c : cases) {
    auto win = test::makeWindow(100, 60, kWhite);
    Fl_Widget* w = c.make();
    win->end();
    w->color(toFl(kPaint));
    EXPECT_EQ(c.property(*w), kPaint) << c.what;
    EXPECT_EQ(test::captureWindow(*win).at(50, 30), kPaint) << c.what << " paints with color()";
  }
}

}  // namespace
}  // namespace tavilo::gui
