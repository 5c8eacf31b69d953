// The one record of game, deal and trick state. The main window owns exactly
// one; every rule of the game reads and writes its fields directly.
//
// Every table counts from 1 as the game does: seat 1..4, slot 1..8, suit 1..4,
// code or picture 1..32, announcement kind 1..6. Index 0 of each table is never
// used, so a seat or a code can index a table as it stands.
#pragma once

#include <cstdint>
#include <string>

namespace belote {

// Announcement kinds (first index of AnnouncePoints and SequenceHeight).
constexpr int kKindCarre = 1;
constexpr int kKindCent = 2;
constexpr int kKindCinquante = 3;
constexpr int kKindSecondCinquante = 4;
constexpr int kKindTierce = 5;
constexpr int kKindSecondTierce = 6;

// The points a game is played to until the player sets others.
constexpr int kDefaultTargetScore = 2500;

struct TableState {
  // --- Card planes, [seat][slot] ---
  int SlotPicture[5][9] = {};  // picture number dealt into the slot
  int SlotCard[5][9] = {};     // CardCode, 0 when the slot is empty
  int SlotPoints[5][9] =
      {};  // card points; slots 6..8 hold the reserved pictures until the rest of the deal
  int SlotSequence[5][9] = {};  // sequence key for the announcements
  int PictureOf[33] = {};       // picture number of each CardCode
  std::uint8_t Drawn[33] = {};  // 1 once the shuffle drew that picture number

  // --- Bidding ---
  int TurnedCard = 0;          // picture number of the turned-up card
  std::string TurnedSuitText;  // its suit as decimal text "1".."4"
  int TrumpSuit = 0;
  int TrumpPicture = 0;  // suit sign picture 33..36
  int Opener = 0;        // seat that speaks first and leads the first trick
  int Speaker = 0;       // seat to speak next
  int BidTurn = 0;       // display counter 1..4 shown after "TOUR = "
  int BidPhase = 0;      // 1 or 2
  int Taker = 0;         // 0 = nobody
  int PassCount = 0;
  int SuitCount[5][5] = {};  // high-card counts, [suit][seat]

  int TrumpCount[5] = {};  // trumps dealt to each seat, counted once per deal

  // --- Announcements ---
  int BelotePoints[5] = {};
  int AnnouncePoints[7][5] = {};  // [kind][seat]; codes during detection, points after scoring
  int BeloteSeat = 0;
  int BeloteStage = 0;            // 0 none yet, 1 queen shown first, 2 king shown first
  int SequenceHeight[7][5] = {};  // [kind][seat], used for kinds cent, cinquante and tierce
  int CarreFlag[7][5] =
      {};  // [rank number 1..6][seat]: 8 aces, 2 kings, 1 queens, 32 jacks, 4 tens, 16 nines
  std::string SeatAnnounceText[5];
  std::string AnnounceValueText[5];
  int BestAnnouncer = 0;
  // Working fields of the detection, for the seat being examined.
  int RankCount[7] = {};  // by rank number 1..6 (ace .. nine)
  int CarreCount = 0;
  std::string AnnounceText1;
  std::string AnnounceText2;
  int SequenceTop[3] = {};  // top picture of the first [1] and second [2] sequence

  // --- Trick ---
  int TrickNo = 0;   // 1..8 in play, 9 once all eight tricks are played
  int TrickPos = 0;  // 1..4, position in the trick of the next card
  int BestCard = 0;  // code now winning the trick
  int LedBest = 0;   // plain card that was winning when the trick was first trumped
  int TrickHolder = 0;
  int TrickPoints = 0;
  int LedCard = 0;     // card led by a computer seat, 0 otherwise
  int HighCard = 0;    // highest code played in the trick by seats 2..4
  int CurRow = 0;      // slot of the card being played
  int CurSeatIdx = 0;  // seat - 1 of the player to play

  // --- Deal scoring and game ---
  // Running totals are 64-bit: however high the target and however long the
  // game, no total a game can reach comes near their range.
  std::int64_t DealPoints[5] = {};
  int TrickFlag[5] = {};  // 0 no trick won, 1 some, 2 taker tied for the best
  int CapotSeen = 0;
  std::int64_t Pot = 0;
  std::int64_t GameScore[5] = {};
  int GameWinner = 0;
  int TargetScore = 0;

  // --- Played-card memory of the computer seats ---
  int Played[33] = {};
  int TrumpsPlayed = 0;

  // --- Settings and dialogs ---
  std::string HumanName;  // UTF-8
  std::uint8_t SoundOn = 0;
  int AnimationOn = 0;
  int DialogResult = 0;  // 6 yes, 7 no
};

}  // namespace belote
