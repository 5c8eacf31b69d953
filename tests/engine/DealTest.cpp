#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <set>

#include "FakeTable.h"
#include "engine/Deal.h"
#include "model/Cards.h"

namespace belote {
namespace {

struct Dealt {
  TableState s;
  FakeTable w{&s};
  TestClock clock;
  Game g{s, w, clock};
  explicit Dealt(std::int64_t second) : clock(second) {
    Shuffle(g);
    ShowFirstFive(s, w);
  }
};

std::set<int> AllCards(const TableState& s) {
  std::set<int> cards;
  for (int seat = 1; seat <= 4; ++seat) {
    for (int slot = 1; slot <= 5; ++slot) cards.insert(s.SlotPicture[seat][slot]);
    for (int slot = 6; slot <= 8; ++slot) cards.insert(s.SlotPoints[seat][slot]);
  }
  return cards;
}

TEST(Shuffle, SameSecondSameDealAndEveryCardOnce) {
  Dealt a(1700000000), b(1700000000), c(1700000001);
  EXPECT_EQ(0, std::memcmp(a.s.SlotPicture, b.s.SlotPicture, sizeof a.s.SlotPicture));
  EXPECT_EQ(0, std::memcmp(a.s.SlotPoints, b.s.SlotPoints, sizeof a.s.SlotPoints));
  EXPECT_NE(0, std::memcmp(a.s.SlotPicture, c.s.SlotPicture, sizeof a.s.SlotPicture));

  for (std::int64_t t = 0; t < 200; ++t) {
    Dealt d(t * 7919);
    const std::set<int> cards = AllCards(d.s);
    ASSERT_EQ(cards.size(), 32u);
    EXPECT_EQ(*cards.begin(), 1);
    EXPECT_EQ(*cards.rbegin(), 32);
    // The turned card is seat 4's last reserved card.
    EXPECT_EQ(d.s.TurnedCard, d.s.SlotPoints[4][8]);
    for (int seat = 1; seat <= 4; ++seat) {
      EXPECT_TRUE(std::is_sorted(&d.s.SlotPicture[seat][1], &d.s.SlotPicture[seat][6]));
    }
  }
}

TEST(ShowFirstFive, ShowsTheHumansFiveAndTheTurnedCard) {
  Dealt d(42);
  for (int slot = 1; slot <= 5; ++slot) {
    EXPECT_EQ(d.w.picture[HandControl(slot)], PictureFile(d.s.SlotPicture[1][slot]));
  }
  EXPECT_EQ(d.w.picture.count(Control::Image6), 0u);
  EXPECT_EQ(d.w.picture[Control::Image13], PictureFile(d.s.TurnedCard));
}

TEST(GiveTurnedCard, TakerAlwaysHoldsTheTurnedCard) {
  for (int taker = 1; taker <= 4; ++taker) {
    Dealt d(1000 + taker);
    const int turned = d.s.TurnedCard;
    const int takersOwn = d.s.SlotPoints[taker][8];
    GiveTurnedCard(d.s, taker);
    const int* hand = &d.s.SlotPicture[taker][1];
    EXPECT_NE(std::find(hand, hand + 8, turned), hand + 8) << "taker " << taker;
    // Seat 4 gets, in its eighth slot, what had been reserved for the taker.
    EXPECT_EQ(d.s.SlotPicture[4][8], takersOwn);
    std::set<int> all;
    for (int seat = 1; seat <= 4; ++seat) {
      for (int slot = 1; slot <= 8; ++slot) all.insert(d.s.SlotPicture[seat][slot]);
    }
    EXPECT_EQ(all.size(), 32u);
  }
}

// Builds seat 1's eight pictures by hand and runs the rest of the deal.
struct Hand {
  TableState s;
  FakeTable w{&s};
  Hand(int trump, std::initializer_list<int> pictures) {
    s.TrumpSuit = trump;
    int slot = 1;
    for (int p : pictures) s.SlotPicture[1][slot++] = p;
    CompleteDeal(s, w);
    RecodeCards(s);
    SortHands(s, w);
  }
};

TEST(SortHands, TrumpsFirstThenTheBlocksInOrder) {
  // Coeur trumps: jack, nine, seven of Coeur; ace of Carreau heads block 17..24.
  Hand h(kCoeur, {4, 6, 8, 9, 17, 18, 25, 26});
  EXPECT_EQ(h.s.PictureOf[h.s.SlotCard[1][1]], 4);
  EXPECT_EQ(h.s.PictureOf[h.s.SlotCard[1][2]], 6);
  EXPECT_EQ(h.s.PictureOf[h.s.SlotCard[1][3]], 8);
  EXPECT_EQ(h.s.PictureOf[h.s.SlotCard[1][4]], 9);
  EXPECT_EQ(h.s.TrumpCount[1], 3);
  for (int slot = 1; slot < 8; ++slot) EXPECT_GT(h.s.SlotCard[1][slot], h.s.SlotCard[1][slot + 1]);
  // Points travel with their card.
  EXPECT_EQ(h.s.SlotPoints[1][1], 20);
  EXPECT_EQ(h.s.SlotPoints[1][2], 14);
  EXPECT_EQ(h.w.picture[Control::Image1], "Im/4.Bmp");
  EXPECT_EQ(h.w.picture[Control::Image8], PictureFile(h.s.PictureOf[h.s.SlotCard[1][8]]));
}

TEST(CompleteDeal, SortsByPictureSoundsTheTrumpAndShowsItsSign) {
  TableState s;
  FakeTable w(&s);
  s.TrumpSuit = kPique;
  s.SoundOn = 1;
  const int pictures[8] = {30, 2, 17, 9, 5, 24, 12, 1};
  std::copy(pictures, pictures + 8, &s.SlotPicture[1][1]);
  CompleteDeal(s, w);
  EXPECT_TRUE(std::is_sorted(&s.SlotPicture[1][1], &s.SlotPicture[1][9]));
  EXPECT_EQ(s.TrumpPicture, 34);
  EXPECT_EQ(w.picture[Control::Image13], "Im/34.Bmp");
  EXPECT_EQ(w.sounds, std::vector<std::string>{"So/P.Wav"});
  EXPECT_EQ(w.text[Control::ET14], "VERIFICATION St ANNONCES");

  s.SoundOn = 0;
  w.sounds.clear();
  CompleteDeal(s, w);
  EXPECT_TRUE(w.sounds.empty());
}

TEST(ResetTableDisplay, BlankPicturesAndScoresAtZero) {
  TableState s;
  FakeTable w(&s);
  s.HumanName = "ÉLODIE";
  ResetTableDisplay(s, w);
  for (int slot = 1; slot <= 8; ++slot) EXPECT_EQ(w.picture[HandControl(slot)], "Im/0.Bmp");
  EXPECT_EQ(w.picture[Control::Image13], "Im/0.Bmp");
  EXPECT_EQ(w.text[Control::ET10], " 1 - SCORE de ÉLODIE = 0000");
  EXPECT_EQ(w.text[Control::ET13], " 4 - SCORE de CASSOL = 0000");
}

}  // namespace
}  // namespace belote
