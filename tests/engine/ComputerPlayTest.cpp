#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <ostream>
#include <vector>

#include "engine/CardRules.h"
#include "engine/ComputerPlay.h"

namespace belote {
namespace {

// Points of a card by its code: trumps jack 20, nine 14, ace 11, ten 10,
// king 4, queen 3; plain ace 11, ten 10, king 4, queen 3, jack 2.
int PointsOf(int code) {
  static const int kTrump[9] = {0, 0, 0, 3, 4, 10, 11, 14, 20};
  static const int kPlain[9] = {0, 0, 0, 0, 2, 3, 4, 10, 11};
  const int strength = (code - 1) % 8 + 1;
  return code >= 25 ? kTrump[strength] : kPlain[strength];
}

// A seat's hand as the deal leaves it: highest code in slot 1, points
// alongside; trumps dealt counted unless given.
void GiveHand(TableState& s, int seat, std::vector<int> codes, int trumpsDealt = -1) {
  std::sort(codes.begin(), codes.end(), std::greater<>());
  for (int slot = 1; slot <= 8; ++slot) {
    const int code = slot <= static_cast<int>(codes.size()) ? codes[slot - 1] : 0;
    s.SlotCard[seat][slot] = code;
    s.SlotPoints[seat][slot] = code == 0 ? 0 : PointsOf(code);
  }
  const auto trumps = std::count_if(codes.begin(), codes.end(), [](int c) { return c >= 25; });
  s.TrumpCount[seat] = trumpsDealt >= 0 ? trumpsDealt : static_cast<int>(trumps);
}

void Seen(TableState& s, std::initializer_list<int> codes) {
  for (const int c : codes) RecordPlayedCard(s, c);
}

TableState LeadTrick(int trickNo = 1) {
  TableState s;
  s.TrickNo = trickNo;
  s.TrickPos = 1;
  return s;
}

TableState FollowTrick(int best, int ledBest = 0) {
  TableState s;
  s.TrickNo = 1;
  s.TrickPos = 2;
  s.BestCard = best;
  s.LedBest = ledBest;
  return s;
}

// The card a seat chooses and whether it wins the trick so far.
struct Pick {
  int code;
  bool lead;
  bool operator==(const Pick&) const = default;
};
std::ostream& operator<<(std::ostream& os, const Pick& p) {
  return os << p.code << (p.lead ? " taking the lead" : " not taking the lead");
}

Pick Choose(TableState& s, int seat) {
  const ComputerChoice c = ChooseComputerCard(s, seat);
  return {c.slot == 0 ? 0 : s.SlotCard[seat][c.slot], c.takesLead};
}

// Lets the seat play `n` cards in a row on the same table, each leaving its
// slot and entering the memory as the play step would.
std::vector<int> PlayOut(TableState& s, int seat, int n, bool expectLead) {
  std::vector<int> codes;
  for (int k = 0; k < n; ++k) {
    const ComputerChoice c = ChooseComputerCard(s, seat);
    EXPECT_EQ(c.takesLead, expectLead);
    const int code = s.SlotCard[seat][c.slot];
    codes.push_back(code);
    RecordPlayedCard(s, code);
    s.SlotCard[seat][c.slot] = 0;
  }
  return codes;
}

using Codes = std::vector<int>;

// --- Leading -----------------------------------------------------------------

TEST(ComputerLead, MasterTrumpsWhileTrumpsAreOut) {
  TableState s = LeadTrick();
  GiveHand(s, 3, {32, 26, 24, 15, 9, 5, 3, 1});
  EXPECT_EQ(ChooseComputerCard(s, 3).slot, 1);  // the jack, first after the sort
  EXPECT_EQ(Choose(s, 3), (Pick{32, true}));

  // The nine waits for the jack to be seen; the ace leads meanwhile.
  TableState t = LeadTrick();
  GiveHand(t, 2, {31, 26, 24, 15, 9});
  EXPECT_EQ(Choose(t, 2).code, 24);
  Seen(t, {32});
  EXPECT_EQ(Choose(t, 2).code, 31);
}

TEST(ComputerLead, AceAndTenOfTrumpsNeedThreeTrumpsDealt) {
  TableState s = LeadTrick(4);
  Seen(s, {32, 31});
  GiveHand(s, 2, {30, 26, 17, 9}, 2);
  EXPECT_EQ(Choose(s, 2).code, 17);
  s.TrumpCount[2] = 3;
  EXPECT_EQ(Choose(s, 2).code, 30);

  TableState t = LeadTrick(4);
  Seen(t, {32, 31});
  GiveHand(t, 2, {29, 26, 17}, 3);
  EXPECT_EQ(Choose(t, 2).code, 17);  // the ace of trumps is still out
  Seen(t, {30});
  EXPECT_EQ(Choose(t, 2).code, 29);
}

TEST(ComputerLead, LowTrumpOnlyFromTheThirdTrickWhileJackOrNineIsOut) {
  TableState s = LeadTrick(2);
  GiveHand(s, 4, {29, 26, 25, 18, 10}, 3);
  EXPECT_EQ(Choose(s, 4).code, 18);
  s.TrickNo = 3;
  EXPECT_EQ(Choose(s, 4).code, 25);  // the seven before the eight and the ten
  Seen(s, {32});
  EXPECT_EQ(Choose(s, 4).code, 25);  // the nine is still out
  Seen(s, {31});
  EXPECT_EQ(Choose(s, 4).code, 18);
}

TEST(ComputerLead, HolderOfEveryTrumpLeftKeepsThemForLastJackLast) {
  TableState s = LeadTrick(3);
  Seen(s, {25, 26, 27, 28, 29, 30});
  GiveHand(s, 2, {32, 31, 23, 1}, 3);
  EXPECT_EQ(PlayOut(s, 2, 4, true), (Codes{1, 23, 31, 32}));
}

TEST(ComputerLead, MasterPlainCardsAllAcesBeforeAnyTen) {
  TableState s = LeadTrick();
  Seen(s, {24});
  GiveHand(s, 3, {23, 22, 8, 2});
  // The ace, then the ten whose ace is gone, then the king once the ten is
  // gone too, and only then the eight from the fallback list.
  EXPECT_EQ(PlayOut(s, 3, 4, true), (Codes{8, 23, 22, 2}));
}

TEST(ComputerLead, MasterSevenBeforeTheFallbackSevensBeforeEights) {
  TableState s = LeadTrick();
  Seen(s, {10, 11, 12, 13, 14, 15, 16});
  GiveHand(s, 2, {18, 17, 9, 2, 1});
  EXPECT_EQ(PlayOut(s, 2, 5, true), (Codes{9, 17, 1, 18, 2}));
}

// --- Following a plain suit --------------------------------------------------

TEST(ComputerFollow, UnderTheAceLowestFirstTenLast) {
  TableState s = FollowTrick(24);
  GiveHand(s, 2, {23, 22, 18, 32, 5});
  EXPECT_EQ(PlayOut(s, 2, 3, false), (Codes{18, 22, 23}));
}

TEST(ComputerFollow, BeatsOnlyWithAMasterCardElseLowestOrForced) {
  TableState s = FollowTrick(23);  // the ten wins; the ace beats it
  GiveHand(s, 3, {24, 17});
  EXPECT_EQ(Choose(s, 3), (Pick{24, true}));

  TableState k = FollowTrick(22);  // the king wins, the ace is out
  GiveHand(k, 3, {23, 17, 9});
  EXPECT_EQ(Choose(k, 3), (Pick{17, false}));
  GiveHand(k, 3, {23, 9});  // the ten alone in the suit must go, and wins
  EXPECT_EQ(Choose(k, 3), (Pick{23, true}));
  GiveHand(k, 3, {23, 17, 9});
  Seen(k, {24});  // the ten is master now
  EXPECT_EQ(Choose(k, 3), (Pick{23, true}));

  TableState q = FollowTrick(13);  // a queen of the second suit
  Seen(q, {16, 15});
  GiveHand(q, 4, {14, 9});
  EXPECT_EQ(Choose(q, 4), (Pick{14, true}));
}

TEST(ComputerFollow, VoidTrumpsLowAndMarksTheTrickTrumped) {
  TableState s = FollowTrick(21);
  GiveHand(s, 2, {30, 25, 15, 3});
  EXPECT_EQ(Choose(s, 2), (Pick{25, true}));
  EXPECT_EQ(s.LedBest, 21);
  EXPECT_EQ(s.BestCard, 21);  // the play step makes the trump the best card
}

TEST(ComputerFollow, VoidWithoutTrumpsDiscardsCheapestThenLowestCode) {
  TableState s = FollowTrick(21);
  GiveHand(s, 2, {15, 12, 11, 3, 4});  // ten, jack, nine, nine, jack
  EXPECT_EQ(PlayOut(s, 2, 5, false), (Codes{3, 11, 4, 12, 15}));
  EXPECT_EQ(s.LedBest, 0);
}

// --- A trumped trick and trumps led ------------------------------------------

TEST(ComputerFollow, TrumpedTrickFollowsSuitElseOverTrumpsElseDiscards) {
  TableState s = FollowTrick(25, 21);  // a plain queen trumped by the seven
  GiveHand(s, 3, {32, 24, 18});
  EXPECT_EQ(Choose(s, 3), (Pick{18, false}));
  GiveHand(s, 3, {30, 27, 5});
  EXPECT_EQ(Choose(s, 3), (Pick{27, true}));
  EXPECT_EQ(s.LedBest, 21);  // set by the first trump, left alone
  GiveHand(s, 3, {12, 5});
  EXPECT_EQ(Choose(s, 3), (Pick{12, false}));  // the jack's 2 points before the queen's 3
}

TEST(ComputerFollow, TrumpsLedLowestTrumpAboveElseLowestTrump) {
  TableState s = FollowTrick(29);
  GiveHand(s, 2, {32, 31, 30, 5});
  EXPECT_EQ(Choose(s, 2), (Pick{30, true}));

  TableState j = FollowTrick(32);
  GiveHand(j, 2, {31, 8, 1});
  EXPECT_EQ(Choose(j, 2), (Pick{31, false}));  // under-trump before any discard

  // King led and beaten by the jack: the eight, though the ten beats the king.
  TableState k = FollowTrick(32);
  k.TrickPos = 3;
  GiveHand(k, 4, {29, 26, 7});
  EXPECT_EQ(Choose(k, 4), (Pick{26, false}));
  EXPECT_EQ(k.LedBest, 0);
}

}  // namespace
}  // namespace belote
