// Card vocabulary of the game: suits, ranks, the two card encodings and the
// names of the picture files and seats.
//
// A card has two identities. Its picture number (1..32) is fixed when it is
// dealt: 8 * (suit - 1) + rank number, ace 1 down to seven 8. Its CardCode
// (1..32, 0 = no card) depends on the trump suit: four blocks of eight with
// the trumps always 25..32, and inside a block the code grows with strength.
#pragma once

#include <string>

namespace belote {

// Suits, everywhere: 1 Coeur, 2 Carreau, 3 Pique, 4 Trefle.
constexpr int kCoeur = 1;
constexpr int kCarreau = 2;
constexpr int kPique = 3;
constexpr int kTrefle = 4;

// Rank numbers inside a suit's block of picture numbers.
constexpr int kAce = 1;
constexpr int kKing = 2;
constexpr int kQueen = 3;
constexpr int kJack = 4;
constexpr int kTen = 5;
constexpr int kNine = 6;
constexpr int kEight = 7;
constexpr int kSeven = 8;

// One row of the rank table, indexed by rank number.
struct RankInfo {
  int sequenceRank;   // natural order for tierce, cinquante, cent (seven 1 .. ace 8)
  int trumpStrength;  // order at trump, 1 weakest .. 8 strongest
  int trumpPoints;
  int plainStrength;  // order in a plain suit
  int plainPoints;
};

// Rank table, index 1..8 by rank number (index 0 unused).
extern const RankInfo kRanks[9];

// Suit names as the messages write them, index 1..4.
extern const char* const kSuitNames[5];

// Names of the computer seats 2..4 (index 0 and 1 unused: seat 1 is the human).
extern const char* const kSeatNames[5];

// Default name of the human shown in the options panel.
extern const char* const kDefaultHumanName;

// Trump codes that matter to the belote call-out.
constexpr int kTrumpQueenCode = 27;
constexpr int kTrumpKingCode = 28;

inline int SuitOfPicture(int picture) {
  return (picture - 1) / 8 + 1;
}
inline int RankOfPicture(int picture) {
  return (picture - 1) % 8 + 1;
}
inline int PictureNumber(int suit, int rank) {
  return 8 * (suit - 1) + rank;
}

inline bool IsTrump(int code) {
  return code >= 25;
}
// Block of eight a code belongs to: 0 = 1..8, 1 = 9..16, 2 = 17..24, 3 = trumps.
constexpr int BlockOf(int code) {
  return (code - 1) / 8;
}
inline bool SameSuit(int a, int b) {
  return a >= 1 && b >= 1 && BlockOf(a) == BlockOf(b);
}

// Offset of a suit from the trump suit in the cycle 1, 2, 3, 4, 1:
// 0 trump (codes 25..32), 1 codes 17..24, 2 codes 9..16, 3 codes 1..8.
inline int SuitOffset(int suit, int trumpSuit) {
  return ((suit - trumpSuit) % 4 + 4) % 4;
}

// The code, points and sequence key a picture gets once the trump suit is known.
struct Recoded {
  int code;
  int points;
  int sequenceKey;
};
Recoded RecodePicture(int picture, int trumpSuit);

// Suit sign picture of a suit: 33 Coeur, 35 Carreau, 34 Pique, 36 Trefle.
int SuitSignPicture(int suit);
// The suit a sign picture 33..36 stands for; 0 for any other number.
int SuitOfSign(int picture);

// "Im/<n>.Bmp": the picture file of a card (1..32) or suit sign (33..36).
std::string PictureFile(int picture);

// The three empty-place pictures, each with its own spelling.
inline constexpr char kBlankHandFile[] = "Im/0.Bmp";      // hand images and trump box at a new game
inline constexpr char kPlayedSlotFile[] = "Im/00.Bmp";    // a hand slot just played
inline constexpr char kClearedPlaceFile[] = "Im/00.bmp";  // table places cleared after a trick

}  // namespace belote
