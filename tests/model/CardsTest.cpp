#include <gtest/gtest.h>

#include <set>

#include "engine/Deal.h"
#include "model/Cards.h"
#include "model/TableState.h"

namespace belote {
namespace {

// Every trump suit must give a complete, consistent coding: each code once,
// trumps in 25..32, 152 card points, sequence keys distinct.
TEST(Recoding, EveryTrumpSuitUsesEachCodeOnceAndTotals152) {
  for (int trump = 1; trump <= 4; ++trump) {
    std::set<int> codes, keys;
    int points = 0, trumpPoints = 0;
    for (int picture = 1; picture <= 32; ++picture) {
      const Recoded r = RecodePicture(picture, trump);
      EXPECT_GE(r.code, 1);
      EXPECT_LE(r.code, 32);
      codes.insert(r.code);
      keys.insert(r.sequenceKey);
      points += r.points;
      EXPECT_EQ(IsTrump(r.code), SuitOfPicture(picture) == trump) << picture;
      if (IsTrump(r.code)) trumpPoints += r.points;
    }
    EXPECT_EQ(codes.size(), 32u) << "trump " << trump;
    EXPECT_EQ(keys.size(), 32u) << "trump " << trump;
    EXPECT_EQ(points, 152);
    EXPECT_EQ(trumpPoints, 62);
  }
}

TEST(Recoding, KnownCards) {
  // Trefle trumps: jack of Trefle is the master trump, ace of Coeur heads
  // block 17..24, seven of Pique is the lowest code.
  EXPECT_EQ(RecodePicture(28, kTrefle).code, 32);
  EXPECT_EQ(RecodePicture(28, kTrefle).points, 20);
  EXPECT_EQ(RecodePicture(1, kTrefle).code, 24);
  EXPECT_EQ(RecodePicture(1, kTrefle).points, 11);
  EXPECT_EQ(RecodePicture(24, kTrefle).code, 1);
  EXPECT_EQ(RecodePicture(24, kTrefle).points, 0);
  // Coeur trumps: the belote pair and the nine.
  EXPECT_EQ(RecodePicture(2, kCoeur).code, kTrumpKingCode);
  EXPECT_EQ(RecodePicture(3, kCoeur).code, kTrumpQueenCode);
  EXPECT_EQ(RecodePicture(6, kCoeur).code, 31);
  EXPECT_EQ(RecodePicture(6, kCoeur).points, 14);
  // Pique trumps: Trefle follows in 17..24, Coeur 9..16, Carreau 1..8.
  EXPECT_EQ(BlockOf(RecodePicture(25, kPique).code), 2);
  EXPECT_EQ(BlockOf(RecodePicture(1, kPique).code), 1);
  EXPECT_EQ(BlockOf(RecodePicture(9, kPique).code), 0);
  // Plain jack is worth 2, eights and sevens nothing anywhere.
  EXPECT_EQ(RecodePicture(PictureNumber(kCoeur, kJack), kPique).points, 2);
  for (int suit = 1; suit <= 4; ++suit) {
    for (int trump = 1; trump <= 4; ++trump) {
      EXPECT_EQ(RecodePicture(PictureNumber(suit, kEight), trump).points, 0);
      EXPECT_EQ(RecodePicture(PictureNumber(suit, kSeven), trump).points, 0);
    }
  }
}

TEST(Recoding, SequenceKeysOfQueenKingAceStepByFour) {
  for (int trump = 1; trump <= 4; ++trump) {
    for (int suit = 1; suit <= 4; ++suit) {
      const int q = RecodePicture(PictureNumber(suit, kQueen), trump).sequenceKey;
      EXPECT_EQ(RecodePicture(PictureNumber(suit, kKing), trump).sequenceKey, q + 4);
      EXPECT_EQ(RecodePicture(PictureNumber(suit, kAce), trump).sequenceKey, q + 8);
    }
  }
}

TEST(Pictures, FileNamesAndSuitSigns) {
  EXPECT_EQ(PictureFile(7), "Im/7.Bmp");
  EXPECT_EQ(PictureFile(32), "Im/32.Bmp");
  EXPECT_STREQ(kBlankHandFile, "Im/0.Bmp");
  EXPECT_STREQ(kPlayedSlotFile, "Im/00.Bmp");
  EXPECT_STREQ(kClearedPlaceFile, "Im/00.bmp");
  EXPECT_EQ(SuitSignPicture(kCoeur), 33);
  EXPECT_EQ(SuitSignPicture(kCarreau), 35);
  EXPECT_EQ(SuitSignPicture(kPique), 34);
  EXPECT_EQ(SuitSignPicture(kTrefle), 36);
}

}  // namespace
}  // namespace belote
