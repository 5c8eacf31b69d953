#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "engine/Deal.h"
#include "engine/FakeTable.h"
#include "engine/NumberedLines.h"
#include "engine/TextLine.h"

namespace belote {
namespace {

TEST(TextLineTest, JoinsWordsAndNumbersAsTheLabelsShowThem) {
  EXPECT_EQ((TextLine("TENANT = ") << 3 << "        MAIN = " << 0).View(),
            "TENANT = 3        MAIN = 0");
  // Scores and deal totals can be negative; numbers carry no leading zeros.
  EXPECT_EQ((TextLine(" 2 : Total = ") << -162).View(), " 2 : Total = -162");
  EXPECT_EQ((TextLine() << INT_MIN << ' ' << INT_MAX).View(), "-2147483648 2147483647");
  EXPECT_EQ((TextLine() << std::string("Carré") << "").View(), "Carré");
  EXPECT_EQ(TextLine().View(), "");
}

// Only the player's name is unbounded: a line that runs past the buffer, at
// once or piece by piece, is kept whole rather than cut.
TEST(TextLineTest, LongLinesAreKeptWhole) {
  const std::string fill(TextLine::kCapacity - 1, 'x');
  TextLine exact;
  exact << fill << 7;  // exactly full
  EXPECT_EQ(exact.View(), fill + "7");
  exact << "8" << 90;  // one past, then more
  EXPECT_EQ(exact.View(), fill + "7890");

  const std::string name(3 * TextLine::kCapacity, 'E');
  EXPECT_EQ((TextLine(" 1 - SCORE de ") << name << " = " << 12).ToString(),
            " 1 - SCORE de " + name + " = 12");
}

// Lines made once at start must read exactly as lines written on the spot,
// at both ends of the table and past them (a seat carrying points from
// earlier deals, a negative total).
TEST(TextLineTest, LinesMadeOnceMatchLinesWrittenOnTheSpot) {
  const NumberedLines totals(" 3 : Total = ", 200);
  FakeTable w;
  for (const int points : {0, 1, 9, 10, 199, 200, 201, 1000, -1, -162, INT_MIN}) {
    totals.Show(w, Control::ET21, points);
    EXPECT_EQ(w.text[Control::ET21], (TextLine(" 3 : Total = ") << points).View()) << points;
  }
  EXPECT_EQ(totals.Head(), " 3 : Total = ");

  const NumberedLines empty;  // nothing made: every number is written out
  empty.Show(w, Control::ET2, 5);
  EXPECT_EQ(w.text[Control::ET2], "5");
}

TEST(TextLineTest, ScoreLineCarriesALongNameWhole) {
  TableState s;
  FakeTable w(&s);
  s.HumanName = std::string(500, 'A') + "É";
  ResetTableDisplay(s, w);
  EXPECT_EQ(w.text[Control::ET10], " 1 - SCORE de " + s.HumanName + " = 0000");
}

}  // namespace
}  // namespace belote
