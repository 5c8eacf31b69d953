#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/FakeTable.h"
#include "engine/Scoring.h"

namespace belote {
namespace {

// Remembers what the scoring looked like when each hook fired.
class ScoreWatcher : public PlayObserver {
 public:
  explicit ScoreWatcher(const TableState& s) : s_(s) {}
  void TrickClosing() override {
    holderAtClose = s_.TrickHolder;
    pointsAtClose = s_.TrickPoints;
  }
  void DealScored() override {
    ++dealsScored;
    winnerAtScore = s_.GameWinner;
    for (int seat = 1; seat <= 4; ++seat) scoresAtScore[seat] = s_.GameScore[seat];
  }
  int holderAtClose = -1;
  int pointsAtClose = -1;
  int dealsScored = 0;
  int winnerAtScore = -1;
  std::array<std::int64_t, 5> scoresAtScore{};

 private:
  const TableState& s_;
};

class ScoringTest : public ::testing::Test {
 protected:
  ScoringTest() {
    s.HumanName = "PAUL";
    s.TargetScore = 2500;
    g.observers = {&watcher};
  }

  // The state after the eighth trick: trick points per seat (last ten not yet
  // added), which seats won a trick, who took and who took the last trick.
  void EndOfDeal(int taker, int lastHolder, std::array<int, 4> points,
                 std::array<int, 4> wonTrick = {1, 1, 1, 1}) {
    s.Taker = taker;
    s.TrickHolder = lastHolder;
    s.TrickNo = 9;
    for (int seat = 1; seat <= 4; ++seat) {
      s.DealPoints[seat] = points[seat - 1];
      s.TrickFlag[seat] = wonTrick[seat - 1];
    }
  }

  std::array<std::int64_t, 4> Scores() const {
    return {s.GameScore[1], s.GameScore[2], s.GameScore[3], s.GameScore[4]};
  }
  std::array<std::int64_t, 4> Leftover() const {
    return {s.DealPoints[1], s.DealPoints[2], s.DealPoints[3], s.DealPoints[4]};
  }
  bool Logged(const std::string& line) const {
    return std::find(w.log.begin(), w.log.end(), line) != w.log.end();
  }

  TableState s;
  FakeTable w{&s};
  TestClock clock{1000};
  Game g{s, w, clock};
  ScoreWatcher watcher{s};
};

using Seats = std::array<std::int64_t, 4>;

TEST_F(ScoringTest, CloseTrickCreditsTheHolderAndClearsTheTable) {
  s.TrickHolder = 3;
  s.TrickPoints = 25;
  s.DealPoints[3] = 12;
  s.TrickNo = 4;
  s.TrickPos = 4;
  s.BestCard = 30;
  s.LedBest = 14;
  s.LedCard = 14;
  s.HighCard = 30;

  CloseTrick(g);

  EXPECT_EQ(watcher.holderAtClose, 3);
  EXPECT_EQ(watcher.pointsAtClose, 25);
  EXPECT_EQ(s.DealPoints[3], 37);
  EXPECT_EQ(s.TrickFlag[3], 1);
  EXPECT_EQ(s.TrickFlag[1] + s.TrickFlag[2] + s.TrickFlag[4], 0);
  EXPECT_EQ(s.TrickNo, 5);
  EXPECT_EQ(s.TrickPos, 1);
  for (int field : {s.TrickPoints, s.BestCard, s.LedBest, s.LedCard, s.HighCard}) {
    EXPECT_EQ(field, 0);
  }

  EXPECT_EQ(w.text[Control::ET21], " 3 : Total = 37");
  ASSERT_EQ(w.boxes.size(), 1u);
  EXPECT_EQ(w.boxes[0].kind, Box::ConfirmTrick);
  EXPECT_EQ(w.boxes[0].text, "Validez cette main");
  EXPECT_EQ(w.boxes[0].buttons, Buttons::Oui);
  EXPECT_TRUE(w.boxes[0].positioned);
  EXPECT_EQ(w.boxes[0].x, 345);
  EXPECT_EQ(w.boxes[0].y, 450);

  // The four cards stay on the table until the player has confirmed.
  const std::vector<std::string> tail(w.log.end() - 10, w.log.end());
  const std::vector<std::string> expected = {"MessageBox Validez cette main",
                                             "SetText Meilleur= ",
                                             "SetText Label4= ",
                                             "SetText Label5= ",
                                             "SetText Label6= ",
                                             "SetText Label7= ",
                                             "LoadPicture Image9=Im/00.bmp",
                                             "LoadPicture Image10=Im/00.bmp",
                                             "LoadPicture Image11=Im/00.bmp",
                                             "LoadPicture Image12=Im/00.bmp"};
  EXPECT_EQ(tail, expected);
}

TEST_F(ScoringTest, TakerWhoMakesItScoresTricksAndLastTen) {
  EndOfDeal(2, 4, {30, 80, 12, 30});
  EndDeal(g);

  EXPECT_EQ(Scores(), (Seats{30, 80, 12, 40}));
  EXPECT_EQ(Leftover(), (Seats{0, 0, 0, 0}));
  EXPECT_EQ(w.text[Control::ET22], " 4 : Total = 40");
  EXPECT_EQ(w.text[Control::ET10], " 1 - SCORE de PAUL = 30");
  EXPECT_EQ(w.text[Control::ET11], " 2 - SCORE de ARNAL = 80");
  EXPECT_EQ(w.text[Control::ET12], " 3 - SCORE de BERTOU = 12");
  EXPECT_EQ(w.text[Control::ET13], " 4 - SCORE de CASSOL = 40");
  EXPECT_FALSE(Logged("SetText Label5= DEDANS"));
  for (int seat = 1; seat <= 4; ++seat) EXPECT_EQ(w.text[BidLabel(seat)], " ");
  EXPECT_EQ(w.pauses, 3);
  EXPECT_TRUE(w.boxes.empty());
  EXPECT_EQ(s.GameWinner, 0);
  EXPECT_EQ(watcher.dealsScored, 1);
}

TEST_F(ScoringTest, AnnouncementsAndBeloteComeOnTopOfAMadeContract) {
  s.AnnouncePoints[kKindTierce][2] = 20;
  s.BelotePoints[2] = 20;
  s.Pot = 15;
  s.BeloteSeat = 2;
  s.BeloteStage = 1;
  s.TrumpsPlayed = 8;
  EndOfDeal(2, 2, {40, 70, 12, 30});
  EndDeal(g);

  // 70 + 10 + pot 15, then the tierce and the belote.
  EXPECT_EQ(Scores(), (Seats{40, 135, 12, 30}));
  EXPECT_EQ(s.Pot, 0);
  EXPECT_EQ(s.BeloteSeat, 0);
  EXPECT_EQ(s.BeloteStage, 0);
  EXPECT_EQ(s.TrumpsPlayed, 0);
}

TEST_F(ScoringTest, TakerLevelAtTheTopFillsThePotForTheNextTakerWhoMakesIt) {
  // Seat 1 took: 30 in tricks, a tierce and the belote make 70, level with seat 2.
  s.AnnouncePoints[kKindTierce][1] = 20;
  s.BelotePoints[1] = 20;
  EndOfDeal(1, 4, {30, 70, 12, 0});
  EndDeal(g);

  EXPECT_EQ(s.Pot, 50);  // his tricks and his tierce, not his belote
  EXPECT_EQ(s.TrickFlag[1], 2);
  EXPECT_EQ(Scores(), (Seats{20, 70, 12, 10}));
  EXPECT_EQ(Leftover(), (Seats{0, 0, 0, 0}));
  EXPECT_FALSE(Logged("SetText Label4= DEDANS"));

  // Next deal: seat 3 takes and makes it, and collects the pot.
  s.AnnouncePoints[kKindTierce][1] = 0;
  s.BelotePoints[1] = 0;
  EndOfDeal(3, 3, {20, 30, 90, 12});
  EndDeal(g);
  EXPECT_EQ(Scores(), (Seats{40, 100, 12 + 150, 22}));
  EXPECT_EQ(s.Pot, 0);
}

TEST_F(ScoringTest, FailedTakerHandsHisPointsToTheBestSeatAfterHim) {
  // Taker 3: 20 in tricks and the belote make 40, below seats 1 and 2.
  s.BelotePoints[3] = 20;
  s.Pot = 30;
  EndOfDeal(3, 4, {60, 50, 20, 2});
  EndDeal(g);

  EXPECT_TRUE(Logged("SetText Label6= DEDANS"));
  EXPECT_EQ(w.text[Control::Label6], " ");
  // Seat 1 gets the taker's 20 trick points and the pot; the taker his belote.
  EXPECT_EQ(Scores(), (Seats{110, 50, 20, 12}));
  EXPECT_EQ(s.Pot, 0);
  EXPECT_EQ(Leftover(), (Seats{0, 0, 0, 0}));
}

TEST_F(ScoringTest, FailedTakerLosesHisAnnouncementsButTheWinnerGetsOnlyHisTricks) {
  s.AnnouncePoints[kKindCinquante][4] = 50;
  EndOfDeal(4, 1, {70, 40, 30, 2});
  EndDeal(g);

  // 52 is below seat 1's 80: seat 1 receives the 2 trick points only.
  EXPECT_EQ(Scores(), (Seats{82, 40, 30, 0}));
  EXPECT_EQ(s.AnnouncePoints[kKindCinquante][4], 0);
}

TEST_F(ScoringTest, FailedTakerLevelWithTwoOthersHandsNothingOver) {
  s.BelotePoints[1] = 20;
  s.Pot = 40;
  EndOfDeal(1, 2, {40, 50, 60, 2});
  EndDeal(g);

  // 60 for the taker, level with seats 2 and 3: nobody stands alone above,
  // so he keeps his tricks, and his belote counts once.
  EXPECT_EQ(Scores(), (Seats{60, 60, 60, 2}));
  EXPECT_EQ(Leftover(), (Seats{0, 0, 0, 0}));
  EXPECT_EQ(s.Pot, 40);
}

TEST_F(ScoringTest, OneSeatCapotCostsTheLastTenAndGivesTheOthersThirty) {
  // Seat 3 wins no trick; its announcements do not count, its belote does.
  s.AnnouncePoints[kKindCinquante][3] = 50;
  s.BelotePoints[3] = 20;
  EndOfDeal(1, 2, {40, 90, 0, 32}, {1, 1, 0, 1});
  EndDeal(g);

  EXPECT_TRUE(Logged("SetText Label6= CAPOT"));
  EXPECT_EQ(w.text[Control::Label6], " ");
  EXPECT_EQ(w.text[Control::ET20], " 2 : Total = 90");
  // Seat 2 gets the failed taker's 40; the taker's bonus of 30 is taken back.
  EXPECT_EQ(Scores(), (Seats{0, 160, 20, 62}));
  EXPECT_EQ(s.CapotSeen, 0);
}

TEST_F(ScoringTest, OneSeatTakingEveryTrickGets88) {
  EndOfDeal(4, 4, {0, 0, 0, 152}, {0, 0, 0, 1});
  EndDeal(g);

  for (const char* label :
       {"SetText Label4= CAPOT", "SetText Label5= CAPOT", "SetText Label6= CAPOT"}) {
    EXPECT_TRUE(Logged(label)) << label;
  }
  EXPECT_FALSE(Logged("SetText Label7= CAPOT"));
  EXPECT_EQ(w.text[Control::ET22], " 4 : Total = 152");
  EXPECT_EQ(Scores(), (Seats{0, 0, 0, 240}));
}

TEST_F(ScoringTest, CapotTakerWithAnnouncementsTakesNothingFromTheSeatHeFailedAgainst) {
  // Seat 2 took, won no trick, and held the best announcement and the belote.
  // They never joined his points, so the seat that beat him keeps all of its own.
  s.AnnouncePoints[kKindCinquante][2] = 50;
  s.BelotePoints[2] = 20;
  EndOfDeal(2, 1, {80, 0, 50, 22}, {1, 0, 1, 1});
  EndDeal(g);

  EXPECT_EQ(Scores(), (Seats{110, 20, 80, 52}));
  EXPECT_EQ(Leftover(), (Seats{0, 0, 0, 0}));
  EXPECT_EQ(s.AnnouncePoints[kKindCinquante][2], 0);
}

TEST_F(ScoringTest, BeloteIsCreditedEvenWhenTheRestOfTheDealPointsWait) {
  // Taker level with seat 2 while the two others are capot: his bonus of 50
  // waits for the next deal, but his belote is his now.
  s.BelotePoints[1] = 20;
  EndOfDeal(1, 2, {61, 81, 0, 0}, {1, 1, 0, 0});
  EndDeal(g);

  EXPECT_EQ(s.TrickFlag[1], 2);
  EXPECT_EQ(s.Pot, 61);
  EXPECT_EQ(Scores(), (Seats{20, 131, 0, 0}));
  EXPECT_EQ(Leftover(), (Seats{50, 0, 0, 0}));
}

TEST_F(ScoringTest, ReachingTheTargetAloneWinsAndOuiStartsAgain) {
  s.SoundOn = 1;
  s.GameScore[2] = 2000;
  s.GameScore[3] = 2490;
  EndOfDeal(2, 3, {30, 100, 0, 12});
  EndDeal(g);

  EXPECT_EQ(s.GameWinner, 3);
  EXPECT_EQ(watcher.winnerAtScore, 3);
  EXPECT_EQ(watcher.scoresAtScore, (std::array<std::int64_t, 5>{0, 30, 2100, 2500, 12}));
  EXPECT_EQ(w.text[Control::ET14], "LE JOUEUR 3 EST LE MEILLEUR");
  EXPECT_EQ(w.text[Control::ET12], " 3 - SCORE de BERTOU = 2500");  // final scores stay shown
  EXPECT_EQ(Scores(), (Seats{0, 0, 0, 0}));
  EXPECT_EQ(w.sounds, std::vector<std::string>{"So/E.wav"});
  ASSERT_EQ(w.boxes.size(), 1u);
  EXPECT_EQ(w.boxes[0].text, " On s'en fait une autre ?->");
  EXPECT_EQ(w.boxes[0].buttons, Buttons::Confirmation);
  EXPECT_FALSE(w.boxes[0].positioned);
  EXPECT_EQ(s.DialogResult, kAnswerYes);
  EXPECT_FALSE(w.quitCalled);
  EXPECT_EQ(s.SoundOn, 1);
}

TEST_F(ScoringTest, NonToAnotherGameEndsTheProgram) {
  s.GameScore[1] = 2600;
  w.boxAnswers = {kAnswerNo};
  EndOfDeal(2, 2, {30, 100, 10, 12});
  EXPECT_THROW(EndDeal(g), ProgramEnds);

  EXPECT_TRUE(w.quitCalled);
  EXPECT_EQ(s.DialogResult, kAnswerNo);
  EXPECT_EQ(s.SoundOn, 0);
  EXPECT_TRUE(w.sounds.empty());
  EXPECT_EQ(w.boxes.size(), 1u);
  EXPECT_EQ(w.log.back(), "Quit");
}

TEST_F(ScoringTest, LevelBestScoresAtTheTargetDoNotWin) {
  s.GameScore[1] = 2480;
  s.GameScore[4] = 2490;
  EndOfDeal(2, 4, {20, 100, 12, 0});
  EndDeal(g);

  EXPECT_EQ(s.GameScore[1], 2500);
  EXPECT_EQ(s.GameScore[4], 2500);
  EXPECT_EQ(s.GameWinner, 0);
  EXPECT_TRUE(w.boxes.empty());
  EXPECT_EQ(w.text[Control::ET14], "");
}

// A game played to a target near the top of a 32-bit count: the scores and
// the pot pass it and are still added up exactly, shown whole, and the seat
// that passes the target alone wins.
TEST_F(ScoringTest, TotalsPastTheThirtyTwoBitRangeAddUpExactly) {
  s.TargetScore = INT_MAX;
  s.GameScore[2] = INT_MAX - 50;
  s.GameScore[3] = INT_MAX - 20;
  s.Pot = INT_MAX - 10;
  EndOfDeal(2, 4, {30, 80, 12, 30});
  EndDeal(g);

  const std::int64_t big = INT_MAX;
  EXPECT_EQ(watcher.scoresAtScore[2], big - 50 + 80 + big - 10);
  EXPECT_EQ(watcher.scoresAtScore[3], big - 20 + 12);
  EXPECT_EQ(w.text[Control::ET11], " 2 - SCORE de ARNAL = 4294967314");
  EXPECT_EQ(w.text[Control::ET12], " 3 - SCORE de BERTOU = 2147483639");
  EXPECT_EQ(s.Pot, 0);
  EXPECT_EQ(watcher.winnerAtScore, 2);

  // A failed taker's points and a pot that large reach the best other seat
  // whole, and a total line shows what it holds.
  s.GameScore[1] = s.GameScore[2] = s.GameScore[3] = s.GameScore[4] = 0;
  s.Pot = big * 3;
  EndOfDeal(3, 1, {60, 50, 40, 12});
  s.DealPoints[1] = big + 60;
  EndDeal(g);
  EXPECT_EQ(watcher.scoresAtScore[1], big + 60 + 10 + 40 + big * 3);
  EXPECT_EQ(w.text[Control::ET19], " 1 : Total = 2147483717");
}

}  // namespace
}  // namespace belote
