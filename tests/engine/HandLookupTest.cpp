// The quick look-ups the rules lean on: runs of cards found from bit masks,
// the computer seats' card sets, the picture names and the hand sort.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <string>
#include <vector>

#include "engine/Announcements.h"
#include "engine/CardRules.h"
#include "engine/ComputerPlay.h"
#include "engine/Deal.h"
#include "engine/FakeTable.h"
#include "model/Cards.h"

namespace belote {
namespace {

// Deals the pictures to seat 1 (sorted, as the deal leaves them) and finds
// its announcement.
std::string AnnouncementOf(std::vector<int> pictures, int trump = kPique) {
  TableState s;
  FakeTable w(&s);
  s.TrumpSuit = trump;
  std::sort(pictures.begin(), pictures.end());
  for (std::size_t i = 0; i < pictures.size(); ++i) s.SlotPicture[1][i + 1] = pictures[i];
  RecodeCards(s);
  DetectAnnouncements(s, w);
  return s.SeatAnnounceText[1];
}

TEST(HandLookup, RunsStayInsideTheirSuit) {
  // The eight and seven of Coeur next to the ace and king of Carreau are
  // neighbours by picture number, not a run.
  EXPECT_EQ(AnnouncementOf({PictureNumber(kCoeur, kEight), PictureNumber(kCoeur, kSeven),
                            PictureNumber(kCarreau, kAce), PictureNumber(kCarreau, kKing)}),
            "");
  // The lowest runs of a suit still count, and a run ending on the last
  // picture of the pack too.
  EXPECT_EQ(AnnouncementOf({PictureNumber(kCoeur, kNine), PictureNumber(kCoeur, kEight),
                            PictureNumber(kCoeur, kSeven)}),
            "Tierce: au Neuf de Coeur");
  EXPECT_EQ(AnnouncementOf({PictureNumber(kTrefle, kTen), PictureNumber(kTrefle, kNine),
                            PictureNumber(kTrefle, kEight), PictureNumber(kTrefle, kSeven)}),
            "Cinquante: au Dix de Trefle");
  // A run of five is a cent, found from its top card, and its lower cards
  // are not used again for the second sequence.
  EXPECT_EQ(AnnouncementOf({PictureNumber(kPique, kKing), PictureNumber(kPique, kQueen),
                            PictureNumber(kPique, kJack), PictureNumber(kPique, kTen),
                            PictureNumber(kPique, kNine), PictureNumber(kPique, kEight),
                            PictureNumber(kPique, kSeven)}),
            "Cent: au Roi de Pique");
  EXPECT_EQ(AnnouncementOf({PictureNumber(kCarreau, kAce), PictureNumber(kCarreau, kKing),
                            PictureNumber(kCarreau, kQueen), PictureNumber(kTrefle, kJack),
                            PictureNumber(kTrefle, kTen), PictureNumber(kTrefle, kNine)}),
            "Tierce: à l'As de Carreau + Tierce: au Valet de Trefle");
}

TEST(HandLookup, CodeSetsFindEveryCardAndNothingElse) {
  TableState s;
  const int codes[9] = {0, 32, 27, 0, 20, 14, 9, 0, 1};  // three slots already played
  for (int slot = 1; slot <= 8; ++slot) s.SlotCard[3][slot] = codes[slot];
  const CodeSet held = HeldCodes(s, 3);
  EXPECT_EQ(std::popcount(held), 6);
  for (int code = 0; code <= 33; ++code) {
    const int* at = std::find(codes + 1, codes + 9, code);
    const int expected = code != 0 && at != codes + 9 ? static_cast<int>(at - codes) : 0;
    EXPECT_EQ(SlotOfCode(s, 3, code), expected) << "code " << code;
    EXPECT_EQ(Holds(held, code), expected != 0) << "code " << code;
  }
  EXPECT_EQ(FirstHeld(held, std::array<int, 3>{31, 14, 32}), 14);
  EXPECT_EQ(FirstHeld(held, std::array<int, 2>{31, 2}), 0);

  // The lowest card of a suit, of the trumps, above or below a card.
  EXPECT_EQ(LowestCode(held & kTrumpCodes), 27);
  EXPECT_EQ(LowestCode(held & SuitCodes(12)), 9);
  EXPECT_EQ(LowestCode(held & SuitCodes(24)), 20);
  EXPECT_EQ(LowestCode(held & SuitCodes(7)), 1);
  EXPECT_EQ(LowestCode(held & Codes(28, 32)), 32);
  EXPECT_EQ(LowestCode(held & Codes(21, 26)), 0);
  EXPECT_EQ(LowestCode(held & kPlainCodes), 1);
  // The ends of the pack: nothing above the jack of trumps, nothing below
  // the lowest seven, and no suit for a code that is not a card.
  EXPECT_EQ(Codes(33, 32), 0u);
  EXPECT_EQ(Codes(1, 0), 0u);
  EXPECT_EQ(Codes(1, 32), ~CodeSet{0});
  EXPECT_EQ(SuitCodes(0), 0u);
  EXPECT_EQ(SuitCodes(33), 0u);
  EXPECT_EQ(CodeBit(0), 0u);
  EXPECT_EQ(CodeBit(33), 0u);
  EXPECT_EQ(HighestCode(held & kPlainCodes), 20);
  EXPECT_EQ(HighestCode(0), 0);
}

TEST(HandLookup, MasterCardIsTheHighestOfItsSuitNotYetPlayed) {
  TableState s;
  EXPECT_EQ(MasterOfSuit(s, 3), 8);  // nothing played: the ace
  for (const int code : {24, 23, 21}) RecordPlayedCard(s, code);
  EXPECT_EQ(MasterOfSuit(s, 17), 22);  // ace and ten gone: the king, whatever else went
  for (int code = 9; code <= 16; ++code) RecordPlayedCard(s, code);
  EXPECT_EQ(MasterOfSuit(s, 12), 0);  // all eight gone
  EXPECT_EQ(MasterOfSuit(s, 32), 32);
}

TEST(HandLookup, PictureNamesFollowTheirNumbers) {
  for (int p = 0; p <= 40; ++p) {
    EXPECT_EQ(PictureFile(p), "Im/" + std::to_string(p) + ".Bmp");
  }
  EXPECT_EQ(PictureFile(-1), "Im/-1.Bmp");
}

TEST(HandLookup, SortedHandsRunFromTheStrongestCardWithTheirPoints) {
  TableState s;
  FakeTable w(&s);
  const int codes[9] = {0, 3, 30, 12, 25, 32, 19, 7, 28};
  for (int slot = 1; slot <= 8; ++slot) {
    s.SlotCard[2][slot] = codes[slot];
    s.SlotPoints[2][slot] = 100 + codes[slot];  // points travel with their card
  }
  SortHands(s, w);
  const int sorted[9] = {0, 32, 30, 28, 25, 19, 12, 7, 3};
  for (int slot = 1; slot <= 8; ++slot) {
    EXPECT_EQ(s.SlotCard[2][slot], sorted[slot]);
    EXPECT_EQ(s.SlotPoints[2][slot], 100 + sorted[slot]);
  }
  EXPECT_EQ(s.TrumpCount[2], 4);
}

TEST(HandLookup, HandsWithGapsOrACardTwiceStillSortWhole) {
  // Never dealt, but a sort must not lose a card: an empty slot sinks to the
  // end and a card twice stays twice, its points with it.
  TableState s;
  FakeTable w(&s);
  const int codes[9] = {0, 3, 0, 12, 25, 12, 19, 7, 28};
  for (int slot = 1; slot <= 8; ++slot) {
    s.SlotCard[3][slot] = codes[slot];
    s.SlotPoints[3][slot] = 100 + codes[slot];
  }
  SortHands(s, w);
  const int sorted[9] = {0, 28, 25, 19, 12, 12, 7, 3, 0};
  for (int slot = 1; slot <= 8; ++slot) {
    EXPECT_EQ(s.SlotCard[3][slot], sorted[slot]);
    EXPECT_EQ(s.SlotPoints[3][slot], 100 + sorted[slot]);
  }

  // The first five pictures and the whole hand of pictures, rising.
  TableState p;
  const int first[9] = {0, 17, 2, 32, 9, 1, 0, 0, 0};
  const int rest[9] = {0, 0, 0, 0, 0, 0, 30, 5, 8};
  for (int slot = 1; slot <= 8; ++slot) {
    p.SlotPicture[1][slot] = first[slot];
    p.SlotPicture[2][slot] = first[slot] == 0 ? 0 : 33 - first[slot];
    p.SlotPoints[1][slot] = rest[slot];
    p.SlotPoints[2][slot] = rest[slot] == 0 ? 0 : 33 - rest[slot];
    p.SlotPicture[3][slot] = slot <= 5 ? 4 : 0;  // one picture five times
  }
  ShowFirstFive(p, w);
  EXPECT_EQ(std::vector<int>(&p.SlotPicture[1][1], &p.SlotPicture[1][6]),
            (std::vector<int>{1, 2, 9, 17, 32}));
  EXPECT_EQ(std::vector<int>(&p.SlotPicture[2][1], &p.SlotPicture[2][6]),
            (std::vector<int>{1, 16, 24, 31, 32}));
  EXPECT_EQ(std::vector<int>(&p.SlotPicture[3][1], &p.SlotPicture[3][6]),
            (std::vector<int>{4, 4, 4, 4, 4}));
  GiveTurnedCard(p, 4);
  CompleteDeal(p, w);
  EXPECT_EQ(std::vector<int>(&p.SlotPicture[1][1], &p.SlotPicture[1][9]),
            (std::vector<int>{1, 2, 5, 8, 9, 17, 30, 32}));
  EXPECT_EQ(std::vector<int>(&p.SlotPicture[2][1], &p.SlotPicture[2][9]),
            (std::vector<int>{1, 3, 16, 24, 25, 28, 31, 32}));
}

}  // namespace
}  // namespace belote
