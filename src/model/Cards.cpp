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

int SuitOfSign(int picture) {
  for (int suit = 1; suit <= 4; ++suit)
    if (SuitSignPicture(suit) == picture) return suit;
  return 0;
}

std::string PictureFile(int picture) {
  return "Im/" + std::to_string(picture) + ".Bmp";
}

}  // namespace belote
