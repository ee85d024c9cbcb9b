#include "core/list_input.h"

#include <gtest/gtest.h>

namespace core = tavilo::core;

namespace {

TEST(RowScrolling, PositionsAreRowBoundariesThatShowTheChosenRowWhole) {
  const core::RowView v{13, 30, 100};  // 7 whole rows and 9 pixels
  EXPECT_EQ(core::wholeRowsShown(v), 7);
  EXPECT_EQ(core::lastRowTop(v), 23 * 13);
  struct Case {
    int position, snapped;
  } snaps[] = {{0, 0}, {6, 0}, {7, 13}, {44, 39}, {-5, 0}, {10000, 23 * 13}, {23 * 13 - 1, 23 * 13}};
  for (const auto& c : snaps) EXPECT_EQ(core::snapToRow(c.position, v), c.snapped) << c.position;
  struct Show {
    int row, position, shown;
  } shows[] = {{7, 0, 13}, {6, 0, 0}, {3, 5 * 13, 3 * 13}, {29, 0, 23 * 13}, {-1, 20, 26}, {30, 0, 0}, {0, 4, 0}};
  for (const auto& c : shows) EXPECT_EQ(core::positionShowing(c.row, c.position, v), c.shown) << c.row << " from " << c.position;
  EXPECT_EQ(core::lastRowTop({13, 3, 100}), 0) << "a short list never scrolls";
  EXPECT_EQ(core::wholeRowsShown({13, 3, 5}), 1);
}

TEST(DoubleClicks, TheSecondPressCloseInTimePlaceAndRowCompletesIt) {
  struct Press {
    std::uint32_t time;
    int x, y, row;
    bool completes;
  };
  const struct {
    const char* name;
    std::vector<Press> presses;
  } cases[] = {
      {"two quick", {{1000, 5, 5, 1, false}, {1400, 6, 4, 1, true}}},
      {"a third starts anew", {{1000, 5, 5, 1, false}, {1100, 5, 5, 1, true}, {1200, 5, 5, 1, false}, {1300, 5, 5, 1, true}}},
      {"at the limit", {{1000, 5, 5, 1, false}, {1500, 9, 1, 1, true}}},
      {"too slow", {{1000, 5, 5, 1, false}, {1501, 5, 5, 1, false}, {1600, 5, 5, 1, true}}},
      {"too far", {{1000, 5, 5, 1, false}, {1100, 10, 5, 1, false}}},
      {"another row", {{1000, 5, 5, 1, false}, {1100, 5, 5, 2, false}}},
      {"no row", {{1000, 5, 5, -1, false}, {1100, 5, 5, -1, false}}},
      {"the clock wraps", {{0xFFFFFF00u, 5, 5, 0, false}, {0x40, 5, 5, 0, true}}},
  };
  for (const auto& c : cases) {
    core::DoubleClickCounter counter;
    for (std::size_t i = 0; i < c.presses.size(); ++i) {
      const Press& p = c.presses[i];
      EXPECT_EQ(counter.press(p.time, p.x, p.y, p.row), p.completes) << c.name << ", press " << i;
    }
  }
  core::DoubleClickCounter slow({900, 2});
  EXPECT_FALSE(slow.press(0, 0, 0, 0));
  EXPECT_TRUE(slow.press(800, 2, 2, 0)) << "the desktop's own time and distance";
}

}  // namespace
