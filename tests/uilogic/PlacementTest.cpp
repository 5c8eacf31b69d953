// Where the help window goes beside the table: the player's hand stays in
// sight wherever the screen has room for it.
#include <gtest/gtest.h>

#include <QRect>

#include "ui/desktop/ScreenPlacement.h"

namespace belote {
namespace {

TEST(Placement, HelpWindowLeavesTheHandInSight) {
  const QSize help(642, 581);
  struct Case {
    QRect screen;
    QRect table;
    QRect expected;
  };
  // The table's frame centred on each screen; its hand is its lower middle.
  const auto hand = [](QRect table) {
    return QRect(table.left() + 237, table.top() + 401, 546, 170);
  };
  const Case cases[] = {
      // Room to the right of the table.
      {QRect(0, 0, 2560, 1440), QRect(882, 421, 795, 597), QRect(QPoint(1677, 421), help)},
      // A screen area starting at x = 200 (a dock on the left), room on
      // neither side: above the hand, at the top right, made shorter.
      {QRect(200, 0, 1720, 1080), QRect(662, 241, 795, 597), QRect(1278, 0, 642, 581)},
      // 1920 x 1080, no room beside the table.
      {QRect(0, 0, 1920, 1080), QRect(562, 241, 795, 597), QRect(1278, 0, 642, 581)},
  };
  for (const Case& c : cases) {
    const QRect place = PlaceBesideTable(c.screen, c.table, hand(c.table), help);
    EXPECT_EQ(place, c.expected) << c.screen.width();
    EXPECT_TRUE(c.screen.contains(place));
    EXPECT_FALSE(place.intersects(hand(c.table)));
  }
  // Too small a screen for anything to leave the hand uncovered: beside the
  // table, kept on the screen.
  const QRect small(0, 0, 1024, 600);
  const QRect table(0, 0, 795, 597);
  EXPECT_TRUE(small.contains(PlaceBesideTable(small, table, hand(table), help).topLeft()));
}

}  // namespace
}  // namespace belote
