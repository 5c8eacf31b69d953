#include "model/Cards.h"

#include <string>

namespace belote {

const RankInfo kRanks[9] = {
    {0, 0, 0, 0, 0},   {8, 6, 11, 8, 11},  // ace
    {7, 4, 4, 6, 4},                       // king
    {6, 3, 3, 5, 3},                       // queen
    {5, 8, 20, 4, 2},                      // jack
    {4, 5, 10, 7, 10},                     // ten
    {3, 7, 14, 3, 0},                      // nine
    {2, 2, 0, 2, 0},                       // eight
    {1, 1, 0, 1, 0},                       // seven
};

const char* const kSuitNames[5] = {"", "Coeur", "Carreau", "Pique", "Trefle"};
const char* const kSeatNames[5] = {"", "", "ARNAL", "BERTOU", "CASSOL"};
const char* const kDefaultHumanName = "M° VERLAC";

Recoded RecodePicture(int picture, int trumpSuit) {
  const int suit = SuitOfPicture(picture);
  const RankInfo& r = kRanks[RankOfPicture(picture)];
  const int d = SuitOffset(suit, trumpSuit);
  const bool trump = d == 0;
  return Recoded{24 - 8 * d + (trump ? r.trumpStrength : r.plainStrength),
                 trump ? r.trumpPoints : r.plainPoints, 4 * r.sequenceRank - d};
}

int SuitSignPicture(int suit) {
  static const int kSigns[5] = {0, 33, 35, 34, 36};
  return kSigns[suit];
}

namespace {

// Numbers that name no picture of the game; kept apart so that the usual
// names cost a single look-up.
[[gnu::noinline]] std::string_view OtherPictureFile(int picture) {
  static std::string other;
  other = "Im/" + std::to_string(picture) + ".Bmp";
  return other;
}

}  // namespace

std::string_view PictureFile(int picture) {
  // Cards are shown many times a deal: the names of the blank, the 32 cards
  // and the four suit signs are written out once and for all.
  static constexpr std::string_view kNames[37] = {
      "Im/0.Bmp",  "Im/1.Bmp",  "Im/2.Bmp",  "Im/3.Bmp",  "Im/4.Bmp",  "Im/5.Bmp",  "Im/6.Bmp",
      "Im/7.Bmp",  "Im/8.Bmp",  "Im/9.Bmp",  "Im/10.Bmp", "Im/11.Bmp", "Im/12.Bmp", "Im/13.Bmp",
      "Im/14.Bmp", "Im/15.Bmp", "Im/16.Bmp", "Im/17.Bmp", "Im/18.Bmp", "Im/19.Bmp", "Im/20.Bmp",
      "Im/21.Bmp", "Im/22.Bmp", "Im/23.Bmp", "Im/24.Bmp", "Im/25.Bmp", "Im/26.Bmp", "Im/27.Bmp",
      "Im/28.Bmp", "Im/29.Bmp", "Im/30.Bmp", "Im/31.Bmp", "Im/32.Bmp", "Im/33.Bmp", "Im/34.Bmp",
      "Im/35.Bmp", "Im/36.Bmp",
  };
  if (picture >= 0 && picture <= 36) return kNames[picture];
  return OtherPictureFile(picture);
}

}  // namespace belote
