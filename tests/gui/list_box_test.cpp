#include "gui/widgets/list_box.h"

#include <gtest/gtest.h>

#include "gui/widgets/list_painting.h"
#include "widget_test_support.h"

namespace tavilo::gui {
namespace {

// Entries without a name are empty rows; FLTK's own row code reads past an empty text
// (the sanitizer build sees it), so the list measures and draws them itself.
TEST(ListBox, EmptyRowsAreListedAndChosen) {
  ASSERT_EQ(test::exactColourProblem(), "");
  auto win = test::makeWindow(120, 80, kWhite);
  auto* list = new TListBox(0, 0, 120, 80);
  win->end();
  for (const char* row : {"", "B", ""}) list->Add(row);
  list->ItemIndex(2);
  const test::Capture c = test::captureWindow(*win);
  EXPECT_EQ(list->Item(0), "");
  EXPECT_EQ(c.at(60, 2 + 2 * list->ItemHeight() + 6), kListHighlight) << "the chosen empty row";
}

}  // namespace
}  // namespace tavilo::gui
