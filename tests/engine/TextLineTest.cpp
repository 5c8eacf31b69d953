#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "engine/Deal.h"
#include "engine/FakeTable.h"
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

// Only the player's name is unbounded: a long line is kept whole.
TEST(TextLineTest, LongLinesAreKeptWhole) {
  const std::string name(400, 'E');
  EXPECT_EQ((TextLine(" 1 - SCORE de ") << name << " = " << 12).ToString(),
            " 1 - SCORE de " + name + " = 12");
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
