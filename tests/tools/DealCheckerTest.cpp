// The self-play's deal checker must catch points that go missing or appear
// from nowhere at the end of a deal, whatever the crediting formula says.
// Each case spoils the state the engine is about to credit and expects the
// checker to stop the run.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>

#include "DealChecker.h"
#include "HumanSeat.h"
#include "SelfPlayTable.h"
#include "Transcript.h"
#include "engine/PlayStep.h"
#include "model/Cards.h"

namespace belote::selfplay {
namespace {

// Counts the deals, and spoils the state once, at the crediting of the first
// deal where `spoil` says it did something.
class Spoiler : public DealCounter {
 public:
  Spoiler(TableState& s, SelfPlayTable& table, std::function<bool(TableState&)> spoil)
      : DealCounter(table, 400), s_(s), spoil_(std::move(spoil)) {}
  void Crediting() override {
    if (!spoiled && spoil_) spoiled = spoil_(s_);
  }
  bool spoiled = false;

 private:
  TableState& s_;
  std::function<bool(TableState&)> spoil_;
};

// Plays up to 400 deals with seat 1 at random; returns the checker's breach.
std::string PlayDeals(std::function<bool(TableState&)> spoil, bool* spoiled = nullptr) {
  TableState s;
  s.TargetScore = 1000;
  s.HumanName = kDefaultHumanName;
  HumanSeat human(HumanMode::Random, 42);
  SelfPlayTable table(s, human, false);
  SteppingClock clock(42);
  Spoiler spoiler(s, table, std::move(spoil));
  DealChecker checker(s, table, HumanMode::Random, spoiler);
  Game g{s, table, clock, {&checker}};
  PlayStep(g);
  while (!table.Closing() && human.PlayCard(g)) {
  }
  if (spoiled != nullptr) *spoiled = spoiler.spoiled;
  return checker.Breach();
}

TEST(DealChecker, WholeGamesKeepEveryPoint) {
  EXPECT_EQ(PlayDeals(nullptr), "");
}

TEST(DealChecker, PointsLostOrAddedAtTheCreditingAreCaught) {
  bool spoiled = false;
  // Ten points of a seat's deal points vanish.
  EXPECT_NE(PlayDeals(
                [](TableState& s) {
                  if (s.DealPoints[2] < 10) return false;
                  s.DealPoints[2] -= 10;
                  return true;
                },
                &spoiled)
                .find("points but scores, deal points and pot gained"),
            std::string::npos);
  EXPECT_TRUE(spoiled);
  // A pot appears from nowhere.
  EXPECT_NE(PlayDeals([](TableState& s) {
              s.Pot += 5;
              return true;
            }).find("gained"),
            std::string::npos);
  // Only a taker credited no deal points may lose a lone 30: thirty missing
  // from a deal whose taker is credited his points is a fault.
  EXPECT_NE(PlayDeals([](TableState& s) {
              const int seat = s.Taker == 1 ? 2 : 1;
              if (s.DealPoints[s.Taker] <= 30 || s.TrickFlag[s.Taker] != 1) return false;
              if (s.TrickFlag[seat] != 1 || s.DealPoints[seat] < 40) return false;
              s.DealPoints[seat] -= 30;
              return true;
            }).find("gained"),
            std::string::npos);
}

TEST(DealChecker, AnnouncementsLostByAnyoneButAFailedTakerAreCaught) {
  bool spoiled = false;
  const std::string breach = PlayDeals(
      [](TableState& s) {
        for (int seat = 1; seat <= 4; ++seat) {
          if (seat == s.Taker || s.TrickFlag[seat] != 1) continue;
          for (int kind = 1; kind <= 6; ++kind) {
            if (s.AnnouncePoints[kind][seat] == 0) continue;
            s.AnnouncePoints[kind][seat] = 0;
            return true;
          }
        }
        return false;
      },
      &spoiled);
  ASSERT_TRUE(spoiled);
  EXPECT_NE(breach.find("points but scores, deal points and pot gained"), std::string::npos)
      << breach;
}

TEST(DealChecker, TotalsOutOfRangeAreCaught) {
  const std::string breach = PlayDeals([](TableState& s) {
    s.GameScore[3] = std::int64_t{1} << 60;
    return true;
  });
  EXPECT_NE(breach.find("seat 3's score went out of range"), std::string::npos) << breach;
}

}  // namespace
}  // namespace belote::selfplay
