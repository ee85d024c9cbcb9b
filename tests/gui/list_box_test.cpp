// TListBox as people use it: rows drawn as plain text (empty ones too, which
// the sanitizer build draws for real), the keyboard, whole-row scrolling and
// double clicks measured in the desktop's time.
#include "gui/widgets/list_box.h"

#include <FL/Fl.H>
#include <gtest/gtest.h>

#include "gui/widgets/list_painting.h"
#include "widget_test_support.h"

namespace tavilo::gui {
namespace {

constexpr TColor kBackground = 0xFFFFFF;
constexpr int kRow = 13;

class ListBoxTest : public ::testing::Test {
 protected:
  // A list 100 pixels high inside its box (4 pixels of frame): 7 whole rows.
  void make(const std::vector<std::string>& rows) {
    win_ = test::makeWindow(200, 140, 0xC0C0C0);
    list_ = new TListBox(10, 10, 150, 104);
    win_->end();
    list_->Color(kBackground);
    for (const auto& r : rows) list_->Add(r);
    list_->OnClick([this] { ++clicks_; });
    list_->OnDblClick([this] { ++doubles_; });
    win_->show();
    win_->wait_for_expose();
    Fl::flush();  // the first drawing decides which scroll bars show
    Fl::focus(list_);
  }
  static std::vector<std::string> numbered(int n) {
    std::vector<std::string> rows;
    for (int i = 1; i <= n; ++i) rows.push_back("Zeile " + std::to_string(i));
    return rows;
  }
  int rowY(int row) const { return list_->y() + 2 + (row - list_->vposition() / kRow) * kRow + kRow / 2; }
  void clickRow(int row, unsigned long timeMs, int dx = 0) {
    test::setEventTime(timeMs);
    test::sendMouse(*win_, FL_PUSH, list_->x() + 20 + dx, rowY(row));
    test::sendMouse(*win_, FL_RELEASE, list_->x() + 20 + dx, rowY(row));
  }

  std::unique_ptr<Fl_Double_Window> win_;
  TListBox* list_ = nullptr;
  int clicks_ = 0, doubles_ = 0;
};

TEST_F(ListBoxTest, EmptyRowsAndFormatCharactersDrawAsPlainText) {
  // FLTK's own row drawing reads past the end of an empty row (and the
  // sanitizer build stops there); '@' codes would change the look.
  make({"", "Eins", "", "@C1@bZwei", ""});
  const test::Capture shot = test::captureWindow(*win_, list_->x() + 2, list_->y() + 2, 100, 5 * kRow);
  ASSERT_FALSE(shot.empty());
  for (int row : {2, 4}) {
    test::Capture r = test::captureWindow(*win_, list_->x() + 2, list_->y() + 2 + row * kRow, 100, kRow);
    EXPECT_EQ(test::countOf(r, [](std::uint32_t c) { return c != kBackground; }), 0) << "row " << row;
  }
  EXPECT_EQ(list_->Item(3), "@C1@bZwei");
  const FontSpec font = list_->Font();
  const test::Box text = test::boundsOf(test::captureWindow(*win_, list_->x() + 2, list_->y() + 2 + 3 * kRow, 146, kRow),
                                        [](std::uint32_t c) { return c != kBackground; });
  ASSERT_FALSE(text.empty());
  EXPECT_GE(text.right - text.left + 2, test::textWidthOf(font, "@C1@bZwei")) << "the codes are shown as text";
}

TEST_F(ListBoxTest, KeysMoveTheChosenRowAndRunTheClickHandler) {
  make(numbered(30));
  list_->ItemIndex(0);
  struct Step {
    int key, row;
  };
  const Step steps[] = {{FL_Down, 1}, {FL_Down, 2}, {FL_Up, 1}, {FL_End, 29}, {FL_Page_Up, 23}, {FL_Home, 0},
                        {FL_Page_Down, 6}, {FL_Up, 5}};
  int expectedClicks = 0;
  for (const Step& s : steps) {
    test::sendKey(*win_, s.key);
    ++expectedClicks;
    EXPECT_EQ(list_->ItemIndex(), s.row) << "key " << s.key;
    EXPECT_EQ(clicks_, expectedClicks) << "key " << s.key;
    const int top = list_->vposition() / kRow;
    EXPECT_TRUE(s.row >= top && s.row < top + 7) << "row " << s.row << " is shown whole, top " << top;
  }
  test::sendKey(*win_, FL_Home);
  test::sendKey(*win_, FL_Up);
  EXPECT_EQ(clicks_, expectedClicks + 1) << "no click when the row stays";
}

TEST_F(ListBoxTest, AClickTakesTheFocusButTabSkipsAListThatIsNoTabStop) {
  make(numbered(3));
  auto* other = new TListBox(0, 0, 5, 5);
  win_->add(other);
  Fl::focus(other);
  clickRow(1, 1000);
  EXPECT_EQ(Fl::focus(), list_);
  EXPECT_EQ(list_->ItemIndex(), 1);
  list_->TabStop(false);
  Fl::focus(other);
  test::sendKey(*win_, FL_Tab);
  EXPECT_NE(Fl::focus(), list_);
}

TEST_F(ListBoxTest, ScrollsByWholeRows) {
  make(numbered(30));
  // Row 7 shows only its top in the 100-pixel view: choosing it scrolls it in
  // whole, by a whole row.
  clickRow(7, 1000);
  EXPECT_EQ(list_->ItemIndex(), 7);
  Fl::flush();
  EXPECT_EQ(list_->vposition(), kRow);
  // The scroll bar and the wheel may stop anywhere; the list snaps to a row.
  list_->vposition(3 * kRow + 5);
  Fl::flush();
  EXPECT_EQ(list_->vposition(), 3 * kRow);
  list_->vposition(10000);
  Fl::flush();
  EXPECT_EQ(list_->vposition(), (30 - 7) * kRow) << "the last row shows whole at the bottom";
}

TEST_F(ListBoxTest, ADoubleClickIsTwoPressesCloseInTimeAndPlace) {
  make(numbered(5));
  clickRow(1, 10000);
  clickRow(1, 10100);
  clickRow(1, 10200);
  EXPECT_EQ(doubles_, 1) << "a triple click is one double click";
  clickRow(2, 20000);
  clickRow(2, 20600);
  EXPECT_EQ(doubles_, 1) << "600 ms apart: two clicks";
  clickRow(3, 30000);
  clickRow(4, 30100);
  EXPECT_EQ(doubles_, 1) << "another row";
  clickRow(3, 40000);
  clickRow(3, 40100, 10);
  EXPECT_EQ(doubles_, 1) << "10 pixels apart";
  clickRow(3, 50000);
  clickRow(3, 50400);
  EXPECT_EQ(doubles_, 2);
}

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
