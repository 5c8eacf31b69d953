#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "FakeTable.h"
#include "engine/CardRules.h"
#include "engine/Deal.h"
#include "engine/PlayStep.h"
#include "model/Cards.h"

namespace belote {
namespace {

struct Bid {
  int round;
  int seat;
  std::string text;
};

struct DealRecord {
  std::vector<Bid> bids;
  bool redeal = false;
  int taker = 0;
  int trump = 0;
  std::vector<int> cardSeats;
  int winner = 0;  // game won by this seat at the end of the deal
  int turned = 0;
};

struct TrickSeen {
  int holder;
  int best;
  int ledBest;
  int points;
};

// Follows the deal cycle and writes each event into the fake table's log,
// so that boxes and events can be checked in one order.
class Recorder : public PlayObserver {
 public:
  Recorder(TableState& s, FakeTable& w) : s_(s), w_(w) {}
  std::vector<DealRecord> deals;
  std::vector<TrickSeen> tricks;
  std::vector<bool> takes;

  void DealStarting() override {
    deals.emplace_back();
    w_.log.push_back("*Deal");
  }
  void Shuffled(std::int64_t) override { deals.back().turned = s_.TurnedCard; }
  void BidSpoken(int round, int seat, const std::string& text, int) override {
    deals.back().bids.push_back({round, seat, text});
  }
  void BiddingOver(bool redeal) override {
    deals.back().redeal = redeal;
    deals.back().taker = s_.Taker;
    deals.back().trump = s_.TrumpSuit;
    w_.log.push_back(redeal ? "*Redeal" : "*Taken");
  }
  void HandsReady() override { w_.log.push_back("*HandsReady"); }
  void CardPlayed(int seat, int, int, int, bool takesLead) override {
    if (!deals.empty()) deals.back().cardSeats.push_back(seat);
    takes.push_back(takesLead);
    w_.log.push_back("*Card " + std::to_string(seat));
  }
  void TrickClosing() override {
    tricks.push_back({s_.TrickHolder, s_.BestCard, s_.LedBest, s_.TrickPoints});
  }
  void DealScored() override {
    if (!deals.empty()) deals.back().winner = s_.GameWinner;
  }

 private:
  TableState& s_;
  FakeTable& w_;
};

struct PlayTable {
  TableState s;
  FakeTable w{&s};
  TestClock clock;
  Recorder rec{s, w};
  Game g{s, w, clock, {&rec}};

  // Every shuffle gets a new second, as the real clock would after the
  // pauses of a whole bidding.
  explicit PlayTable(std::int64_t start = 1700000000) : clock(start, 1) {
    s.HumanName = "PAULO";
    s.TargetScore = 2500;
  }

  // The human refuses every first-round card (the chooser passes by
  // default) and confirms every other box.
  void HumanAlwaysPasses() {
    w.answerFor = [](const std::string& text) {
      return text.find("Tu la prends") != std::string::npos ? kAnswerNo : kAnswerYes;
    };
  }

  int FirstLegalSlot() const {
    for (int slot = 1; slot <= 8; ++slot) {
      if (s.SlotCard[1][slot] != 0 && IsLegalHumanCard(s, slot)) return slot;
    }
    return 0;
  }

  // A deal laid out by hand: eight pictures per seat, re-coded and sorted
  // as the play finds them.
  void Deal(const std::array<std::vector<int>, 4>& hands, int trump, int taker) {
    for (int seat = 1; seat <= 4; ++seat) {
      for (int slot = 1; slot <= 8; ++slot) s.SlotPicture[seat][slot] = hands[seat - 1][slot - 1];
    }
    s.TrumpSuit = trump;
    s.Taker = taker;
    s.Opener = 1;
    RecodeCards(s);
    SortHands(s, w);
    s.TrickNo = 1;
    s.TrickPos = 1;
    s.CurSeatIdx = 0;
    s.CurRow = 0;
  }

  int SlotOf(int seat, int picture) const {
    for (int slot = 1; slot <= 8; ++slot) {
      if (s.SlotCard[seat][slot] != 0 && s.PictureOf[s.SlotCard[seat][slot]] == picture)
        return slot;
    }
    return 0;
  }

  // Takes a card out of a computer seat's hand as if it had been played.
  int Remove(int seat, int picture) {
    const int slot = SlotOf(seat, picture);
    const int code = s.SlotCard[seat][slot];
    s.SlotCard[seat][slot] = 0;
    RecordPlayedCard(s, code);
    return code;
  }

  int CardsIn(int seat) const {
    int n = 0;
    for (int slot = 1; slot <= 8; ++slot) n += s.SlotCard[seat][slot] != 0;
    return n;
  }

  int Count(const std::string& line) const {
    return static_cast<int>(std::count(w.log.begin(), w.log.end(), line));
  }
};

// Does `run` appear in the log as consecutive calls?
bool LogHasRun(const std::vector<std::string>& log, const std::vector<std::string>& run) {
  return std::search(log.begin(), log.end(), run.begin(), run.end()) != log.end();
}

std::size_t IndexOf(const std::vector<std::string>& log, const std::string& line,
                    std::size_t from = 0) {
  for (std::size_t i = from; i < log.size(); ++i) {
    if (log[i] == line) return i;
  }
  return log.size();
}

// Trump Coeur. The human leads the seven of Pique; seat 3's ace of Pique
// takes the trick, and seat 3 then leads trumps from a hand of trumps.
const std::array<std::vector<int>, 4> kSeatThreeTakes = {{
    {24, 25, 26, 27, 28, 29, 30, 31},
    {23, 9, 10, 11, 12, 13, 14, 15},
    {17, 1, 2, 3, 4, 5, 6, 7},
    {18, 19, 20, 21, 22, 8, 16, 32},
}};

TEST(PlayStepFlow, FirstCallStartsAGameAndTheTakerNeedsNoBox) {
  PlayTable t;
  PlayStep(t.g);  // the options panel's start: CurRow is 0
  EXPECT_FALSE(t.g.inPlayStep);
  EXPECT_EQ(t.w.text[Control::ET10], " 1 - SCORE de PAULO = 0000");
  // The human opens the first deal of a game and says yes at once.
  ASSERT_EQ(t.w.boxes.size(), 1u);
  EXPECT_EQ(t.w.boxes[0].text, "PAULO Tu la prends cette carte?");
  EXPECT_EQ(t.s.Opener, 1);
  EXPECT_EQ(t.s.Taker, 1);
  // Back with the human to lead a complete deal.
  EXPECT_EQ(t.s.CurSeatIdx, 0);
  EXPECT_EQ(t.s.TrickPos, 1);
  EXPECT_EQ(t.s.TrickNo, 1);
  for (int seat = 1; seat <= 4; ++seat) EXPECT_EQ(t.CardsIn(seat), 8) << seat;
  for (int seat = 1; seat <= 4; ++seat) EXPECT_EQ(t.w.text[BidLabel(seat)], " ");
  EXPECT_EQ(t.w.text[Control::ET15], " 1 - Valeur de la carte qu' il joue = ");
  EXPECT_TRUE(t.rec.deals[0].cardSeats.empty());
}

TEST(PlayStepFlow, TrickLedBySeatThreeSpansTwoCalls) {
  PlayTable t;
  t.Deal(kSeatThreeTakes, kCoeur, 3);
  ASSERT_EQ(t.s.PictureOf[t.s.SlotCard[1][1]], 24);
  t.rec.deals.emplace_back();

  ASSERT_TRUE(HandImageClick(t.g, 1));
  // Trick 1: 1, 2, 3, 4; seat 3's ace takes it and leads; seat 4 follows;
  // then the human is to play.
  EXPECT_EQ(t.rec.deals[0].cardSeats, (std::vector<int>{1, 2, 3, 4, 3, 4}));
  ASSERT_EQ(t.rec.tricks.size(), 1u);
  EXPECT_EQ(t.rec.tricks[0].holder, 3);
  EXPECT_EQ(t.rec.tricks[0].points, 11);
  EXPECT_EQ(t.w.BoxTexts(), (std::vector<std::string>{"Validez cette main"}));
  EXPECT_EQ(t.s.TrickNo, 2);
  EXPECT_EQ(t.s.TrickPos, 3);
  EXPECT_EQ(t.s.CurSeatIdx, 0);
  EXPECT_EQ(t.s.TrickHolder, 3);
  EXPECT_TRUE(IsTrump(t.s.LedCard));
  EXPECT_EQ(t.s.HighCard, t.s.LedCard);
  EXPECT_EQ(t.w.picture[Control::Image11], PictureFile(t.s.PictureOf[t.s.LedCard]));
  EXPECT_EQ(t.w.picture[Control::Image12], "Im/8.Bmp");
  EXPECT_EQ(t.w.picture[Control::Image9], "Im/00.bmp");  // cleared with trick 1
  EXPECT_EQ(t.w.picture[Control::Image1], "Im/00.Bmp");
  EXPECT_EQ(t.w.text[Control::ET2], "TENANT = 3        MAIN = " + std::to_string(t.s.TrickPoints));
  EXPECT_EQ(t.w.left[Control::Image11], 345);
  EXPECT_EQ(t.w.left[Control::Image12], 450);
  EXPECT_EQ(t.CardsIn(1), 7);

  // The next call plays the human's card and seat 2's, and closes trick 2.
  const int slot = t.FirstLegalSlot();
  ASSERT_NE(slot, 0);
  ASSERT_TRUE(HandImageClick(t.g, slot));
  EXPECT_EQ(t.rec.tricks.size(), 2u);
  EXPECT_EQ(t.rec.tricks[1].holder, 3);
  EXPECT_EQ(t.w.BoxTexts().size(), 2u);
  const std::vector<int> second(t.rec.deals[0].cardSeats.begin() + 6,
                                t.rec.deals[0].cardSeats.end());
  EXPECT_EQ(second, (std::vector<int>{1, 2, 3, 4}));
  EXPECT_EQ(t.s.CurSeatIdx, 0);
}

// Trump Coeur; seat 4 has led the ace of Carreau and the human, void in
// Carreau, holds the seven of trumps and Trefle.
void CarreauLedToAHumanWithoutCarreau(PlayTable& t) {
  t.Deal({{{8, 25, 26, 27, 28, 29, 30, 31},
           {10, 11, 12, 13, 14, 15, 16, 17},
           {18, 19, 20, 21, 22, 23, 24, 32},
           {9, 1, 2, 3, 4, 5, 6, 7}}},
         kCoeur, 4);
  const int ace = t.Remove(4, 9);
  t.s.TrickPos = 2;
  t.s.BestCard = t.s.LedCard = t.s.HighCard = ace;
  t.s.TrickHolder = 4;
  t.s.TrickPoints = 11;
}

TEST(PlayStepFlow, HumanCardJudgedAgainstTheTable) {
  {
    PlayTable t;
    CarreauLedToAHumanWithoutCarreau(t);
    const int ace = t.s.BestCard;

    // A Trefle card is refused and changes nothing at all.
    const std::size_t logged = t.w.log.size();
    EXPECT_FALSE(HandImageClick(t.g, 2));
    EXPECT_EQ(t.w.log.size(), logged);
    EXPECT_EQ(t.s.CurRow, 0);

    ASSERT_EQ(t.s.SlotCard[1][1], 25);
    ASSERT_TRUE(HandImageClick(t.g, 1));
    ASSERT_FALSE(t.rec.takes.empty());
    EXPECT_TRUE(t.rec.takes[0]);
    ASSERT_EQ(t.rec.tricks.size(), 1u);
    EXPECT_EQ(t.rec.tricks[0].holder, 1);
    EXPECT_EQ(t.rec.tricks[0].best, 25);
    EXPECT_EQ(t.rec.tricks[0].ledBest, ace);  // the plain card the trump beat
    // The human holds the trick and leads the next one.
    EXPECT_EQ(t.s.TrickNo, 2);
    EXPECT_EQ(t.s.TrickPos, 1);
    EXPECT_EQ(t.s.CurSeatIdx, 0);
  }
  // Trump Coeur; seat 2 led the nine of Carreau, seat 3 trumped, seat 4
  // under-trumped: the human's ace of Carreau is last and does not win.
  {
    PlayTable t;
    t.Deal({{{9, 25, 26, 27, 28, 29, 30, 31},
             {10, 11, 12, 13, 14, 15, 16, 17},
             {1, 2, 3, 4, 5, 6, 7, 32},
             {8, 18, 19, 20, 21, 22, 23, 24}}},
           kCoeur, 2);
    t.s.LedCard = t.Remove(2, 14);
    t.s.LedBest = t.s.LedCard;
    t.s.BestCard = t.s.HighCard = t.Remove(3, 7);
    t.Remove(4, 8);
    t.s.TrickHolder = 3;
    t.s.TrickPos = 4;
    ASSERT_TRUE(HandImageClick(t.g, t.SlotOf(1, 9)));
    EXPECT_FALSE(t.rec.takes[0]);
    ASSERT_FALSE(t.rec.tricks.empty());
    EXPECT_EQ(t.rec.tricks[0].holder, 3);
    EXPECT_EQ(t.rec.tricks[0].best, 26);
    EXPECT_EQ(t.rec.tricks[0].points, 11);
    EXPECT_EQ(t.s.DealPoints[3], 11);
  }
}

TEST(PlayStepFlow, CardsGlideWithTheAnimationOn) {
  PlayTable t;
  t.Deal(kSeatThreeTakes, kCoeur, 3);
  t.rec.deals.emplace_back();
  t.s.AnimationOn = 1;
  t.w.log.clear();

  // The click only starts the glide; the timer plays the card at its end.
  ASSERT_TRUE(HandImageClick(t.g, 1));
  EXPECT_EQ(t.w.log.back(), "StartAnimationTimer");
  EXPECT_EQ(t.w.top[Control::Image1], 420);
  EXPECT_EQ(t.w.pauses, 0);
  EXPECT_EQ(t.s.CurRow, 1);
  EXPECT_NE(t.s.SlotCard[1][1], 0);

  PlayStep(t.g);
  EXPECT_TRUE(
      LogHasRun(t.w.log, {"CopyPicture Image1->Image9", "LoadPicture Image1=Im/00.Bmp",
                          "SetText ET15= 1 - Valeur de la carte qu' il joue = 0", "Pause"}));
  EXPECT_TRUE(
      LogHasRun(t.w.log, {"Pause", "LoadPicture Image10=Im/23.Bmp", "SetImageLeft Image10=180",
                          "StartAnimationTimer", "Pause", "SetImageLeft Image10=240",
                          "SetText ET16= 2 - Valeur de la carte qu' il joue = 0"}));
  EXPECT_TRUE(LogHasRun(t.w.log, {"SetImageLeft Image11=285", "StartAnimationTimer", "Pause",
                                  "SetImageLeft Image11=345"}));
  EXPECT_TRUE(LogHasRun(t.w.log, {"SetImageLeft Image12=510", "StartAnimationTimer", "Pause",
                                  "SetImageLeft Image12=450"}));
  // Five computer cards, each with a pause before it and one for its glide.
  EXPECT_EQ(t.w.timerStarts, 1 + 5);
  EXPECT_EQ(t.w.pauses, 1 + 5 * 2);
}

TEST(PlayStepFlow, PlayableCardsAreTheClicksTaken) {
  // The window asks before a click whether it will be taken; the answer
  // must be the click's own, slot by slot, or a refused click would end a
  // glide still under way.
  int playable = 0;
  for (int slot = -1; slot <= 10; ++slot) {
    PlayTable t;
    CarreauLedToAHumanWithoutCarreau(t);
    const bool before = HandCardPlayable(t.g, slot);
    EXPECT_EQ(HandImageClick(t.g, slot), before) << "slot " << slot;
    playable += before ? 1 : 0;
  }
  // The trump only: the Trefle cards are refused, as are slots off the hand.
  EXPECT_EQ(playable, 1);

  PlayTable t;
  CarreauLedToAHumanWithoutCarreau(t);
  t.g.inPlayStep = true;
  for (int slot = 1; slot <= 8; ++slot) EXPECT_FALSE(HandCardPlayable(t.g, slot));
}

TEST(PlayStepFlow, ClicksThatPlayNothing) {
  PlayTable t;
  // Before any deal every slot is empty: accepted, nothing played.
  EXPECT_TRUE(HandImageClick(t.g, 3));
  EXPECT_EQ(t.s.CurRow, 3);
  EXPECT_EQ(t.w.pauses, 0);
  EXPECT_TRUE(t.rec.deals.empty());
  EXPECT_FALSE(HandImageClick(t.g, 0));
  EXPECT_FALSE(HandImageClick(t.g, 9));

  // While the play step runs, CurRow belongs to the computer seats.
  t.Deal(kSeatThreeTakes, kCoeur, 3);
  t.g.inPlayStep = true;
  t.w.log.clear();
  EXPECT_FALSE(HandImageClick(t.g, 1));
  EXPECT_EQ(t.s.CurRow, 0);
  EXPECT_TRUE(t.w.log.empty());
  EXPECT_DEBUG_DEATH(PlayStep(t.g), "entered while it was running");
  EXPECT_TRUE(t.w.log.empty());
}

TEST(PlayStepFlow, WindowClosingDuringAWaitUnwinds) {
  PlayTable t;
  t.w.answerFor = [&t](const std::string& text) {
    if (text == "Validez cette main") t.w.closing = true;
    return kAnswerYes;
  };
  PlayStep(t.g);
  ASSERT_EQ(t.s.CurSeatIdx, 0);
  ASSERT_TRUE(HandImageClick(t.g, t.FirstLegalSlot()));
  EXPECT_FALSE(t.g.inPlayStep);
  EXPECT_EQ(t.w.log.back(), "MessageBox Validez cette main");
}

// The first deal of a game whose bidding goes as `wanted` says, with the
// human passing throughout; searched over the shuffle's seconds.
template <typename Wanted>
std::int64_t FindFirstDeal(Wanted wanted) {
  for (std::int64_t start = 1000; start < 1000 + 3000 * 50; start += 50) {
    PlayTable t(start);
    t.HumanAlwaysPasses();
    PlayStep(t.g);
    if (wanted(t)) return start;
  }
  return -1;
}

TEST(PlayStepDeals, BothRoundsPassAndTheCardsAreDealtAgain) {
  const std::int64_t start =
      FindFirstDeal([](PlayTable& t) { return t.rec.deals.size() >= 2 && t.rec.deals[0].redeal; });
  ASSERT_GE(start, 0);
  PlayTable t(start);
  t.HumanAlwaysPasses();
  PlayStep(t.g);

  const DealRecord& first = t.rec.deals[0];
  // Round 2 opens with the seat that opened round 1.
  ASSERT_EQ(first.bids.size(), 8u);
  EXPECT_EQ(first.bids[0].seat, 1);
  EXPECT_EQ(first.bids[4].round, 2);
  EXPECT_EQ(first.bids[4].seat, 1);
  EXPECT_EQ(first.bids[4].text, "Deux");

  const std::string redealText = "TOUT LE MONDE PASSE AU 2eme TOUR.\n ON REDONNE DES CARTES!";
  const auto box = std::find_if(t.w.boxes.begin(), t.w.boxes.end(),
                                [&](const BoxCall& b) { return b.text == redealText; });
  ASSERT_NE(box, t.w.boxes.end());
  EXPECT_EQ(box->buttons, Buttons::Oui);
  EXPECT_EQ(box->x, 345);
  EXPECT_EQ(box->y, 450);
  const std::size_t shown = IndexOf(t.w.log, "MessageBox " + redealText);
  EXPECT_EQ(IndexOf(t.w.log, "*Redeal"), shown - 1);
  EXPECT_EQ(t.w.log[shown + 1], "SetText Label4=");
  EXPECT_EQ(t.w.log[shown + 5], "SetText ET4= ANNONCES");  // the next deal starts over

  // The next deal is opened by the next seat; the scores were never touched.
  EXPECT_EQ(t.rec.deals[1].bids[0].seat, 2);
  EXPECT_EQ(t.Count("SetText ET10= 1 - SCORE de PAULO = 0000"), 1);
  for (int seat = 1; seat <= 4; ++seat) EXPECT_EQ(t.s.GameScore[seat], 0);

  // The deal finally taken is led by its opener, and the computer seats
  // play until the human's turn.
  const DealRecord& last = t.rec.deals.back();
  ASSERT_FALSE(last.redeal);
  const int opener = last.bids[0].seat;
  EXPECT_EQ(t.s.Opener, opener);
  if (opener != 1) {
    ASSERT_FALSE(last.cardSeats.empty());
    EXPECT_EQ(last.cardSeats[0], opener);
  }
  EXPECT_EQ(t.s.TrickPos, 1 + (5 - opener) % 4);
  EXPECT_EQ(t.s.CurSeatIdx, 0);
}

TEST(PlayStepDeals, ComputerTakerIsAnnounced) {
  const std::int64_t start = FindFirstDeal([](PlayTable& t) {
    return t.rec.deals.size() == 1 && t.s.Taker == 2 && t.s.TrumpSuit == kCoeur;
  });
  ASSERT_GE(start, 0);
  PlayTable t(start);
  t.HumanAlwaysPasses();
  PlayStep(t.g);
  const std::size_t taken = IndexOf(t.w.log, "*Taken");
  ASSERT_LT(taken + 1, t.w.log.size());
  EXPECT_EQ(t.w.log[taken + 1], "MessageBox ARNAL prend à Coeur");
  EXPECT_EQ(t.w.boxes.back().text, "ARNAL prend à Coeur");
  EXPECT_EQ(t.w.boxes.back().buttons, Buttons::Oui);
  EXPECT_LT(taken, IndexOf(t.w.log, "*HandsReady"));
  // The taker holds the turned card, whichever round he took in.
  const int* hand = &t.s.SlotPicture[2][1];
  EXPECT_NE(std::find(hand, hand + 8, t.rec.deals[0].turned), hand + 8);
}

int NextSeat(int seat) {
  return seat % 4 + 1;
}

// Plays whole games to the end box, the human always playing his first
// legal card, and checks the turn order of every deal.
void PlayGames(PlayTable& t, int maxClicks) {
  PlayStep(t.g);
  for (int clicks = 0; !t.w.quitCalled && clicks < maxClicks; ++clicks) {
    ASSERT_EQ(t.s.CurSeatIdx, 0);
    const int slot = t.FirstLegalSlot();
    ASSERT_NE(slot, 0);
    ASSERT_TRUE(HandImageClick(t.g, slot));
  }
  ASSERT_TRUE(t.w.quitCalled);
  EXPECT_FALSE(t.g.inPlayStep);

  int expectedOpener = 1;
  for (const DealRecord& d : t.rec.deals) {
    ASSERT_FALSE(d.bids.empty());
    EXPECT_EQ(d.bids[0].seat, expectedOpener);
    for (std::size_t i = 1; i < d.bids.size(); ++i) {
      // Each round goes round the table once from the opener; the bidding
      // stops at the first seat that takes.
      EXPECT_EQ(d.bids[i].seat, i == 4 ? d.bids[0].seat : NextSeat(d.bids[i - 1].seat));
      EXPECT_NE(d.bids[i - 1].text, "Je prends");
    }
    if (!d.redeal) {
      EXPECT_EQ(d.bids.back().text, "Je prends");
      EXPECT_EQ(d.bids.back().seat, d.taker);
      ASSERT_EQ(d.cardSeats.size(), 32u);
      EXPECT_EQ(d.cardSeats[0], expectedOpener);
    } else {
      EXPECT_EQ(d.bids.size(), 8u);
      EXPECT_TRUE(d.cardSeats.empty());
    }
    expectedOpener = d.winner != 0 ? 1 : NextSeat(expectedOpener);
  }
}

TEST(PlayStepGames, WholeGameEndsOnNon) {
  PlayTable t(1700000000);
  t.s.TargetScore = 600;
  int endBoxes = 0;
  t.w.answerFor = [&](const std::string& text) {
    if (text == " On s'en fait une autre ?->") return ++endBoxes == 1 ? kAnswerYes : kAnswerNo;
    if (text.find("Tu la prends") != std::string::npos) return t.rec.deals.size() % 2 ? 6 : 7;
    return kAnswerYes;
  };
  PlayGames(t, 2000);
  ASSERT_EQ(endBoxes, 2);
  // Nothing is shown after the answer Non.
  EXPECT_EQ(t.w.boxes.back().text, " On s'en fait une autre ?->");
  EXPECT_EQ(t.w.boxes.back().buttons, Buttons::Confirmation);
  EXPECT_EQ(t.w.log.back(), "Quit");
  EXPECT_EQ(t.s.SoundOn, 0);

  // The Oui started a new game: scores reset and the human opening.
  const std::size_t firstEnd = IndexOf(t.w.log, "MessageBox  On s'en fait une autre ?->");
  const std::size_t reset = IndexOf(t.w.log, "SetText ET10= 1 - SCORE de PAULO = 0000", firstEnd);
  EXPECT_LT(reset, IndexOf(t.w.log, "*Deal", firstEnd));
  int winners = 0;
  for (const auto& d : t.rec.deals) winners += d.winner != 0;
  EXPECT_EQ(winners, 2);
}

TEST(PlayStepGames, TurnOrderHoldsOverManyGames) {
  // Several short games, the human always passing: plenty of redeals,
  // second rounds and computer openers, seat 4 included.
  bool seatFourReopened = false;
  for (std::int64_t start = 5000; start < 5000 + 8 * 977; start += 977) {
    PlayTable t(start);
    t.s.TargetScore = 400;
    t.w.answerFor = [](const std::string& text) {
      if (text.find("Tu la prends") != std::string::npos) return kAnswerNo;
      if (text == " On s'en fait une autre ?->") return kAnswerNo;
      return kAnswerYes;
    };
    PlayGames(t, 2000);
    for (const auto& d : t.rec.deals) {
      seatFourReopened |= d.bids.size() > 4 && d.bids[0].seat == 4 && d.bids[4].seat == 4;
    }
  }
  EXPECT_TRUE(seatFourReopened);
}

}  // namespace
}  // namespace belote
