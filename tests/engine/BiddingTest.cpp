#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakeTable.h"
#include "engine/Bidding.h"
#include "model/Cards.h"

namespace belote {
namespace {

struct Spoken {
  int round;
  int seat;
  std::string text;
  int suit;
};

class BidRecorder : public PlayObserver {
 public:
  std::vector<Spoken> bids;
  void BidSpoken(int round, int seat, const std::string& text, int suit) override {
    bids.push_back({round, seat, text, suit});
  }
};

// A table with the first five cards of each seat given by picture number.
struct BidTable {
  TableState s;
  FakeTable w{&s};
  TestClock clock;
  BidRecorder rec;
  Game g{s, w, clock, {&rec}};

  BidTable(std::vector<std::vector<int>> fives, int turned) {
    for (int seat = 1; seat <= 4; ++seat) {
      for (int slot = 1; slot <= 5; ++slot) s.SlotPicture[seat][slot] = fives[seat - 1][slot - 1];
    }
    s.TurnedCard = turned;
    s.HumanName = "PAULO";
    CountTurnedSuit(s);
  }

  // After round 1 nobody took: the second round opens where the first did.
  void SecondRoundFrom(int seat) {
    s.Speaker = seat;
    SecondBidRound(g);
  }

  std::vector<int> SpeakingOrder() const {
    std::vector<int> seats;
    for (const auto& b : rec.bids) seats.push_back(b.seat);
    return seats;
  }
};

// Pictures: Coeur 1..8, Carreau 9..16, Pique 17..24, Trefle 25..32; ace
// first, seven last in each suit.
const std::vector<int> kNoHearts1 = {9, 10, 17, 25, 26};
const std::vector<int> kNoHearts2 = {11, 12, 18, 27, 28};

TEST(FirstRound, HighCardsOfTheTurnedSuitDecide) {
  // Turned: king of Coeur. Seat 2 one high card, seat 3 two, seat 4 only
  // the eight and the seven.
  BidTable t({{13, 14, 19, 29, 30}, {1, 15, 16, 20, 31}, {3, 6, 21, 22, 32}, {7, 8, 23, 24, 9}}, 2);
  EXPECT_EQ(t.s.TrumpSuit, kCoeur);
  EXPECT_EQ(t.s.TurnedSuitText, "1");
  EXPECT_EQ(t.s.SuitCount[1][2], 1);
  EXPECT_EQ(t.s.SuitCount[1][3], 2);
  EXPECT_EQ(t.s.SuitCount[1][4], 0);

  t.s.Speaker = 4;
  t.w.boxAnswers = {kAnswerNo};
  FirstBidRound(t.g);
  // Seat 4 (eight and seven only) passes, the human refuses, seat 2 with
  // one passes, seat 3 with two takes.
  EXPECT_EQ(t.SpeakingOrder(), (std::vector<int>{4, 1, 2, 3}));
  EXPECT_EQ(t.rec.bids[0].text, "Je passe");
  EXPECT_EQ(t.rec.bids[3].text, "Je prends");
  EXPECT_EQ(t.rec.bids[3].suit, kCoeur);
  EXPECT_EQ(t.s.Taker, 3);
  EXPECT_EQ(t.s.Opener, 4);
  EXPECT_EQ(t.s.Speaker, 1);  // the next deal opens one seat further
  EXPECT_EQ(t.w.text[Control::ET1], "NOUVEAU PRENEUR = 3");
  EXPECT_EQ(t.w.text[Control::ET3], "TOUR = 1       OUVERTURE = 4");
  EXPECT_EQ(t.w.pauses, 4);
  for (int seat = 1; seat <= 4; ++seat) EXPECT_EQ(t.w.text[BidLabel(seat)], "");
}

TEST(FirstRound, HumanTakingStopsTheBidding) {
  BidTable t({{1, 2, 9, 17, 25}, kNoHearts2, {19, 20, 29, 30, 31}, {21, 22, 13, 14, 15}}, 3);
  t.s.Speaker = 4;
  t.s.SoundOn = 1;
  t.w.boxAnswers = {kAnswerYes};
  FirstBidRound(t.g);
  EXPECT_EQ(t.SpeakingOrder(), (std::vector<int>{4, 1}));
  EXPECT_EQ(t.s.Taker, 1);
  EXPECT_EQ(t.w.text[Control::ET1], "NOUVEAU PRENEUR = 1");
  ASSERT_EQ(t.w.sounds, (std::vector<std::string>{"So/V.Wav"}));
  ASSERT_EQ(t.w.boxes.size(), 1u);
  EXPECT_EQ(t.w.boxes[0].kind, Box::TakeQuestion);
  EXPECT_EQ(t.w.boxes[0].text, "PAULO Tu la prends cette carte?");
  EXPECT_EQ(t.w.boxes[0].buttons, Buttons::OuiNon);
  EXPECT_EQ(t.w.boxes[0].x, 310);
  EXPECT_EQ(t.w.boxes[0].y, 450);
}

TEST(FirstRound, AllPassAndTheSilentPass) {
  BidTable t({{1, 13, 14, 21, 32}, kNoHearts1, kNoHearts2, {19, 20, 29, 30, 31}}, 3);
  t.s.Speaker = 1;
  t.s.BidTurn = 4;
  t.w.boxAnswers = {2};  // the box closed without Oui or Non
  FirstBidRound(t.g);
  EXPECT_EQ(t.SpeakingOrder(), (std::vector<int>{1, 2, 3, 4}));
  EXPECT_EQ(t.rec.bids[0].text, "");
  EXPECT_EQ(t.s.Taker, 0);
  EXPECT_EQ(t.s.PassCount, 4);
  EXPECT_EQ(t.w.text[Control::ET1], "NOUVEAU PRENEUR = 0");
  EXPECT_EQ(t.w.pauses, 3);  // nothing said, nothing to wait for
  for (const auto& line : t.w.log) EXPECT_NE(line, "SetText Label4=Je passe");
  // The turn counter ran 4 -> 1.
  EXPECT_EQ(t.w.text[Control::ET3], "TOUR = 1       OUVERTURE = 1");
}

TEST(FirstRound, NameCutToEightLetters) {
  struct Case {
    std::string name;
    std::string shown;
  };
  const std::vector<Case> cases = {
      {"JO", "JO"},
      {"ABCDEFGH", "ABCDEFGH"},
      {"ABCDEFGHIJ", "ABCDEFGH"},
      {"ÉLODIE-MARIE", "ÉLODIE-M"},
      {"ZOÉ😀😀LÉAÀÀ", "ZOÉ😀😀LÉA"},
      {"", ""},
  };
  for (const auto& c : cases) {
    BidTable t({{1, 13, 14, 21, 32}, kNoHearts1, kNoHearts2, {19, 20, 29, 30, 31}}, 3);
    t.s.HumanName = c.name;
    t.s.Speaker = 1;
    t.w.boxAnswers = {kAnswerNo};
    FirstBidRound(t.g);
    ASSERT_EQ(t.w.boxes.size(), 1u);
    EXPECT_EQ(t.w.boxes[0].text, c.shown + " Tu la prends cette carte?") << c.name;
  }
}

TEST(SecondRound, RecountAndSuitOrder) {
  // Turned: ace of Pique. Every suit is counted on top of the first
  // round's count of Pique; seats 2 and 3 reach two at most and pass, seat 4
  // has three high Carreau and names it.
  BidTable t({{24, 23, 16, 15, 8}, {1, 2, 18, 25, 26}, {3, 4, 19, 9, 10}, {5, 20, 11, 12, 13}}, 17);
  t.w.chooserPresses = {300};
  t.SecondRoundFrom(1);
  EXPECT_EQ(t.SpeakingOrder(), (std::vector<int>{1, 2, 3, 4}));
  EXPECT_EQ(t.s.SuitCount[kPique][2], 2);
  EXPECT_EQ(t.s.SuitCount[kCoeur][2], 2);
  EXPECT_EQ(t.s.SuitCount[kTrefle][2], 2);
  EXPECT_EQ(t.s.SuitCount[kCarreau][4], 3);
  EXPECT_EQ(t.s.Taker, 4);
  EXPECT_EQ(t.s.TrumpSuit, kCarreau);
  EXPECT_EQ(t.s.TurnedCard, 0);
  EXPECT_EQ(t.w.picture[Control::Image13], "Im/35.Bmp");
  EXPECT_EQ(t.rec.bids[0].text, "Deux");
  EXPECT_EQ(t.rec.bids[3].text, "Je prends");
  EXPECT_EQ(t.s.Speaker, 2);
}

TEST(SecondRound, LowerSuitFirstAndNeverTheTurnedSuit) {
  // Turned: seven of Trefle. Seat 2 holds the ace of Trefle: passing round
  // 1 with one high card leaves it two, never enough to name that suit.
  // Seat 3 holds Coeur A K Q and Pique A Q; five cards cannot hold three
  // high cards in two suits, so a count left over stands in for the third
  // Pique: with three in both, Coeur comes first.
  BidTable t({{7, 8, 15, 16, 24}, {25, 9, 10, 18, 23}, {1, 2, 3, 17, 19}, {4, 5, 11, 12, 20}}, 32);
  EXPECT_EQ(t.s.SuitCount[kTrefle][2], 1);
  t.s.SuitCount[kPique][3] = 1;
  t.SecondRoundFrom(2);
  EXPECT_EQ(t.s.SuitCount[kPique][3], 3);
  EXPECT_EQ(t.s.SuitCount[kTrefle][2], 2);
  EXPECT_EQ(t.SpeakingOrder(), (std::vector<int>{2, 3}));
  EXPECT_EQ(t.s.Taker, 3);
  EXPECT_EQ(t.s.TrumpSuit, kCoeur);
  EXPECT_EQ(t.w.picture[Control::Image13], "Im/33.Bmp");
}

TEST(SuitChooser, BandsGapsAndTheTurnedSuit) {
  struct Press {
    int x;
    int recorded;  // TrumpSuit afterwards, starting from 0
    bool closes;
  };
  // Turned suit Pique (3): its tile records it but keeps the chooser open.
  const std::vector<Press> presses = {
      {0, 1, true},   {67, 1, true},   {68, 2, true},   {136, 2, true}, {137, 0, true},
      {138, 0, true}, {139, 3, false}, {204, 3, false}, {205, 4, true}, {271, 4, true},
      {272, 0, true}, {274, 0, true},  {275, 0, true},  {349, 0, true}, {5000, 0, true},
      {-1, 0, true},  {-300, 0, true},
  };
  for (const auto& p : presses) {
    TableState s;
    FakeTable w;
    s.TurnedSuitText = "3";
    EXPECT_EQ(SuitChooserPress(s, w, p.x), p.closes) << p.x;
    EXPECT_EQ(s.TrumpSuit, p.recorded) << p.x;
    if (p.recorded > 0) {
      EXPECT_EQ(w.picture[Control::Image13], PictureFile(SuitSignPicture(p.recorded)));
    } else {
      EXPECT_EQ(w.picture.count(Control::Image13), 0u) << p.x;
    }
  }

  // A gap after the turned suit was pressed records nothing and stays open.
  TableState s;
  FakeTable w;
  s.TurnedSuitText = "3";
  EXPECT_FALSE(SuitChooserPress(s, w, 150));
  EXPECT_FALSE(SuitChooserPress(s, w, 273));
  EXPECT_EQ(s.TrumpSuit, 3);
}

TEST(SuitChooser, TurnedSuitThenPassOrAnotherSuit) {
  const std::vector<std::vector<int>> fives = {
      {7, 8, 15, 16, 24}, {25, 9, 17, 23, 1}, {2, 10, 18, 26, 22}, {3, 11, 19, 27, 21}};
  BidTable pass(fives, 32);  // turned: seven of Trefle; nobody holds three high cards
  pass.w.chooserPresses = {230, 300};
  pass.SecondRoundFrom(1);
  EXPECT_EQ(pass.w.chooserRuns, 1);
  EXPECT_EQ(pass.rec.bids[0].text, "Deux");
  EXPECT_EQ(pass.s.Taker, 0);
  EXPECT_EQ(pass.s.TrumpSuit, 0);
  // The trump box keeps the Trefle sign pressed first.
  EXPECT_EQ(pass.w.picture[Control::Image13], "Im/36.Bmp");

  BidTable take(fives, 32);
  take.w.chooserPresses = {230, 150};
  take.SecondRoundFrom(1);
  EXPECT_EQ(take.SpeakingOrder(), (std::vector<int>{1}));
  EXPECT_EQ(take.rec.bids[0].suit, kPique);
  EXPECT_EQ(take.s.Taker, 1);
  EXPECT_EQ(take.w.picture[Control::Image13], "Im/34.Bmp");
}

// The rules the computer seats bid by, which the self-play's computer-ruled
// human asks too: exactly at each threshold and one below it.
TEST(BiddingRules, ThresholdsOfBothRounds) {
  TableState s;
  s.TrumpSuit = kPique;
  s.SuitCount[kPique][2] = 1;
  s.SuitCount[kPique][3] = 2;
  EXPECT_FALSE(TakesInRound1(s, 2));
  EXPECT_TRUE(TakesInRound1(s, 3));

  s.SuitCount[kCoeur][4] = 2;
  s.SuitCount[kTrefle][4] = 2;
  EXPECT_EQ(NamesInRound2(s, 4), 0);
  s.SuitCount[kTrefle][4] = 3;
  EXPECT_EQ(NamesInRound2(s, 4), kTrefle);
  s.SuitCount[kCarreau][4] = 4;  // an earlier suit in the order 1..4 comes first
  EXPECT_EQ(NamesInRound2(s, 4), kCarreau);
}

}  // namespace
}  // namespace belote
