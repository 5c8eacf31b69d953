// Four computer seats play many shuffled deals to the end. Whatever the
// cards, every choice must be a card of the hand, obey the duty to follow,
// trump and over-trump, judge the lead as the table does, and the eight
// tricks must hold all 152 card points.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "FakeTable.h"
#include "engine/CardRules.h"
#include "engine/ComputerPlay.h"
#include "engine/Deal.h"
#include "model/Cards.h"

namespace belote {
namespace {

bool Holds(const TableState& s, int seat, bool (*match)(int code, int ref), int ref) {
  for (int slot = 1; slot <= 8; ++slot) {
    const int c = s.SlotCard[seat][slot];
    if (c != 0 && match(c, ref)) return true;
  }
  return false;
}
bool OfSuit(int c, int ref) {
  return BlockOf(c) == BlockOf(ref);
}
bool TrumpAbove(int c, int ref) {
  return c >= 25 && c > ref;
}

// The same choice when everything the seat may not look at is scrambled:
// the other hands, who holds the trick, who took, the trump suit.
ComputerChoice ChoiceBlindfolded(const TableState& s, int seat) {
  TableState blind = s;
  for (int other = 1; other <= 4; ++other) {
    if (other == seat) continue;
    std::fill(&blind.SlotCard[other][1], &blind.SlotCard[other][9], 0);
    std::fill(&blind.SlotPoints[other][1], &blind.SlotPoints[other][9], 0);
  }
  blind.TrickHolder = blind.TrickHolder % 4 + 1;
  blind.Taker = blind.Taker % 4 + 1;
  blind.TrumpSuit = blind.TrumpSuit % 4 + 1;
  blind.LedCard = 0;
  blind.HighCard = 0;
  return ChooseComputerCard(blind, seat);
}

// Would the human's rules accept this card from this hand on this table?
bool HumanWouldPlay(const TableState& s, int seat, int slot, int led, int highest) {
  TableState h;
  for (int k = 1; k <= 8; ++k) h.SlotCard[1][k] = s.SlotCard[seat][k];
  h.LedCard = led;
  h.HighCard = highest;
  return IsLegalHumanCard(h, slot);
}

struct DealResult {
  int points = 0;
  int cardsPlayed = 0;
};

DealResult PlayOneDeal(std::int64_t second, int dealNo) {
  TableState s;
  FakeTable w{&s};
  TestClock clock(second);
  Game g{s, w, clock};
  Shuffle(g);
  ShowFirstFive(s, w);
  const int taker = dealNo % 4 + 1;
  // Half the deals take the turned suit, the others name another one.
  s.TrumpSuit = SuitOfPicture(s.TurnedCard);
  if (dealNo % 2 == 1) s.TrumpSuit = s.TrumpSuit % 4 + 1;
  s.Taker = taker;
  GiveTurnedCard(s, taker);
  CompleteDeal(s, w);
  RecodeCards(s);
  SortHands(s, w);

  DealResult result;
  int leader = dealNo % 4 + 1;
  for (int trick = 1; trick <= 8; ++trick) {
    s.TrickNo = trick;
    s.TrickPos = 1;
    s.BestCard = s.LedBest = s.TrickHolder = s.TrickPoints = s.LedCard = s.HighCard = 0;
    int led = 0;
    int highestTrump = 0;
    for (int pos = 1; pos <= 4; ++pos) {
      const int seat = (leader + pos - 2) % 4 + 1;
      s.TrickPos = pos;
      const std::string where = "clock " + std::to_string(second) + " trick " +
                                std::to_string(trick) + " seat " + std::to_string(seat);
      SCOPED_TRACE(where);

      const TableState before = s;
      const ComputerChoice c = ChooseComputerCard(s, seat);
      if (c.slot < 1 || c.slot > 8 || s.SlotCard[seat][c.slot] == 0) {
        ADD_FAILURE() << "no card chosen";
        return result;
      }
      const int card = s.SlotCard[seat][c.slot];
      EXPECT_EQ(c.takesLead, TakesLead(card, before.BestCard));
      EXPECT_EQ(ChoiceBlindfolded(before, seat).slot, c.slot);

      // Only a first trump on a plain winner marks the trick as trumped.
      const bool firstTrump = card >= 25 && before.BestCard >= 1 && before.BestCard <= 24;
      EXPECT_EQ(s.LedBest, firstTrump ? before.BestCard : before.LedBest);

      if (pos > 1) {
        const bool canFollow = Holds(before, seat, OfSuit, led);
        const bool hasTrump = Holds(before, seat, TrumpAbove, 0);
        const bool canOverTrump = Holds(before, seat, TrumpAbove, highestTrump);
        if (canFollow) {
          EXPECT_TRUE(OfSuit(card, led)) << "must follow " << led << ", played " << card;
        } else if (hasTrump) {
          EXPECT_GE(card, 25) << "must trump, played " << card;
        }
        if ((led >= 25 || !canFollow) && canOverTrump) {
          EXPECT_GT(card, highestTrump) << "must over-trump " << highestTrump;
        }
        // The human's rules agree, except that a seat that cannot beat the
        // trumps on the table may stay below the led trump.
        const bool underLedTrump = led >= 25 && card < led && !canOverTrump;
        if (!underLedTrump) {
          EXPECT_TRUE(HumanWouldPlay(before, seat, c.slot, before.LedCard, before.HighCard))
              << "card " << card;
        }
      }

      // What the play step does with the card.
      RecordPlayedCard(s, card);
      if (c.takesLead) {
        s.BestCard = card;
        s.TrickHolder = seat;
      }
      if (pos == 1) led = s.LedCard = card;
      s.HighCard = std::max(s.HighCard, card);
      if (card >= 25) highestTrump = std::max(highestTrump, card);
      s.TrickPoints += s.SlotPoints[seat][c.slot];
      s.SlotCard[seat][c.slot] = 0;
      ++result.cardsPlayed;
    }
    result.points += s.TrickPoints;
    leader = s.TrickHolder;
  }
  return result;
}

TEST(ComputerPlayProperty, ManyDealsPlayedOutObeyTheRules) {
  for (int deal = 0; deal < 2000; ++deal) {
    const DealResult r = PlayOneDeal(1'700'000'000 + 7 * deal, deal);
    ASSERT_EQ(r.cardsPlayed, 32) << "deal " << deal;
    ASSERT_EQ(r.points, 152) << "deal " << deal;
    if (::testing::Test::HasFailure()) FAIL() << "stopped at deal " << deal;
  }
}

}  // namespace
}  // namespace belote
