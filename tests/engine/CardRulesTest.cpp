#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "engine/CardRules.h"

namespace belote {
namespace {

// The human's hand sorted as dealt, a computer lead L and the highest card
// the computer seats have put down, H.
TableState HumanFacing(std::vector<int> hand, int led, int high) {
  TableState s;
  std::sort(hand.begin(), hand.end(), std::greater<>());
  for (int slot = 1; slot <= static_cast<int>(hand.size()); ++slot) {
    s.SlotCard[1][slot] = hand[slot - 1];
  }
  s.LedCard = led;
  s.HighCard = high;
  return s;
}

// The codes of the hand the human may play, in slot order.
std::vector<int> Playable(const TableState& s) {
  std::vector<int> out;
  for (int slot = 1; slot <= 8; ++slot) {
    if (s.SlotCard[1][slot] != 0 && IsLegalHumanCard(s, slot)) out.push_back(s.SlotCard[1][slot]);
  }
  return out;
}

TEST(TakesLead, SuitTrumpAndEmptyTrick) {
  EXPECT_TRUE(TakesLead(1, 0));    // the lead always wins so far
  EXPECT_TRUE(TakesLead(20, 18));  // higher card of the same suit
  EXPECT_FALSE(TakesLead(18, 20));
  EXPECT_FALSE(TakesLead(16, 7));  // plain card of another suit, however high
  EXPECT_FALSE(TakesLead(24, 8));
  EXPECT_TRUE(TakesLead(25, 24));  // any trump on a plain card
  EXPECT_TRUE(TakesLead(31, 29));
  EXPECT_FALSE(TakesLead(29, 31));
  EXPECT_FALSE(TakesLead(24, 25));  // led suit after the trick was trumped
  // Blocks meet at 8/9, 16/17 and 24/25: neighbours across them are other suits.
  EXPECT_FALSE(TakesLead(9, 8));
  EXPECT_FALSE(TakesLead(17, 16));
}

TEST(HumanCardRules, LeadingAnythingGoes) {
  const TableState s = HumanFacing({32, 24, 15, 1}, 0, 0);
  EXPECT_EQ(Playable(s), (std::vector<int>{32, 24, 15, 1}));
}

TEST(HumanCardRules, TrumpsLed) {
  // Led king, over-trumped by the jack: the ten is owed although it cannot
  // beat the jack, because it is above the led king.
  EXPECT_EQ(Playable(HumanFacing({29, 26, 20}, 28, 32)), (std::vector<int>{29}));
  // Nothing above the led trump: any trump, never a plain card.
  EXPECT_EQ(Playable(HumanFacing({27, 26, 20}, 29, 32)), (std::vector<int>{27, 26}));
  // A trump above the highest one must be played.
  EXPECT_EQ(Playable(HumanFacing({31, 29, 26}, 27, 30)), (std::vector<int>{31}));
  // No trump in hand: any card.
  EXPECT_EQ(Playable(HumanFacing({24, 13, 2}, 28, 28)), (std::vector<int>{24, 13, 2}));
}

TEST(HumanCardRules, PlainSuitLed) {
  // Holding the led suit: only that suit, high or low.
  EXPECT_EQ(Playable(HumanFacing({30, 22, 18, 9}, 20, 20)), (std::vector<int>{22, 18}));
  // Void, holding trumps: every plain card refused, any trump while untrumped.
  EXPECT_EQ(Playable(HumanFacing({31, 26, 15, 2}, 20, 24)), (std::vector<int>{31, 26}));
  // Already trumped with 30 and a trump above it in hand: only that one.
  EXPECT_EQ(Playable(HumanFacing({31, 26, 15}, 20, 30)), (std::vector<int>{31}));
  // Trumped with 30, nothing above it: both trumps, never the third suit.
  EXPECT_EQ(Playable(HumanFacing({29, 26, 15, 2}, 20, 30)), (std::vector<int>{29, 26}));
  // Void and no trump: any card.
  EXPECT_EQ(Playable(HumanFacing({15, 2}, 20, 30)), (std::vector<int>{15, 2}));
  // Led from the lowest suit: the rules hold for every plain block.
  EXPECT_EQ(Playable(HumanFacing({26, 16, 3}, 5, 5)), (std::vector<int>{3}));
}

TEST(HumanCardRules, EmptiedSlot) {
  TableState s = HumanFacing({30, 22, 9}, 20, 20);
  s.SlotCard[1][2] = 0;  // the 22 was played earlier in the deal
  // Still holding a card of the suit 17..24? No: the emptied slot is accepted.
  EXPECT_TRUE(IsLegalHumanCard(s, 2));
  s.SlotCard[1][4] = 18;
  EXPECT_FALSE(IsLegalHumanCard(s, 2));

  // Trumps led, a trump in hand: refused; no trump left: accepted.
  TableState t = HumanFacing({30, 22}, 28, 28);
  t.SlotCard[1][3] = 0;
  EXPECT_FALSE(IsLegalHumanCard(t, 3));
  t.SlotCard[1][1] = 0;
  EXPECT_TRUE(IsLegalHumanCard(t, 3));

  // The human to lead, or the first click of the program: accepted.
  const TableState empty;
  EXPECT_TRUE(IsLegalHumanCard(empty, 1));
}

// A refused card names the rule it breaks: the screen reader tells the
// player why, so each rule must be told apart from the others.
TEST(HumanCardRefusal, NamesTheRuleTheCardBreaks) {
  struct Case {
    std::vector<int> hand;
    int led;
    int high;
    int refused;  // code of the card played
    Refusal why;
  };
  const Case cases[] = {
      // A plain suit led, the hand holds some of it: follow.
      {{20, 12, 30}, 18, 18, 12, Refusal::FollowSuit},
      {{20, 12, 30}, 18, 18, 30, Refusal::FollowSuit},
      // Trumps led and a trump in hand: a plain card does not follow.
      {{29, 12}, 28, 28, 12, Refusal::FollowSuit},
      // Void in the led suit, trumps in hand: a third suit is refused.
      {{29, 12}, 18, 18, 12, Refusal::MustTrump},
      // Already trumped with 30, the hand holds 31: 26 must go over.
      {{31, 26, 12}, 18, 30, 26, Refusal::BeatHighestTrump},
      // Trumps led and over-trumped with 32; 26 is under the led 28 while
      // the hand holds 29, above it.
      {{29, 26}, 28, 32, 26, Refusal::AboveLedTrump},
      // Trumps led, 29 beats the table: over it is a must.
      {{29, 26}, 28, 28, 26, Refusal::BeatHighestTrump},
  };
  for (const Case& c : cases) {
    const TableState s = HumanFacing(c.hand, c.led, c.high);
    int slot = 0;
    for (int i = 1; i <= 8; ++i)
      if (s.SlotCard[1][i] == c.refused) slot = i;
    EXPECT_EQ(HumanCardRefusal(s, slot), c.why) << "card " << c.refused << " on lead " << c.led;
    EXPECT_FALSE(IsLegalHumanCard(s, slot));
  }
}

TEST(PlayedCardMemory, RecordsCardsAndCountsTrumps) {
  TableState s;
  RecordPlayedCard(s, 24);
  RecordPlayedCard(s, 25);
  RecordPlayedCard(s, 32);
  RecordPlayedCard(s, 0);  // nothing played
  EXPECT_EQ(s.Played[24], 1);
  EXPECT_EQ(s.Played[25], 1);
  EXPECT_EQ(s.Played[32], 1);
  EXPECT_EQ(s.TrumpsPlayed, 2);
  EXPECT_EQ(std::count(&s.Played[0], &s.Played[33], 1), 3);
}

}  // namespace
}  // namespace belote
