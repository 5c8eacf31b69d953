#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

#include "engine/Announcements.h"
#include "engine/Deal.h"
#include "engine/FakeTable.h"
#include "model/Cards.h"

namespace belote {
namespace {

using Hand = std::vector<int>;

// `n` cards of one suit following each other from `topRank` down.
Hand Straight(int suit, int topRank, int n) {
  Hand h;
  for (int i = 0; i < n; ++i) h.push_back(PictureNumber(suit, topRank + i));
  return h;
}
Hand Carre(int rank) {
  return {PictureNumber(kCoeur, rank), PictureNumber(kCarreau, rank), PictureNumber(kPique, rank),
          PictureNumber(kTrefle, rank)};
}
Hand Cat(std::initializer_list<Hand> parts) {
  Hand h;
  for (const Hand& p : parts) h.insert(h.end(), p.begin(), p.end());
  return h;
}

class Announcements : public ::testing::Test {
 protected:
  TableState s;
  FakeTable w{&s};

  // Seats 1.. get the hands given, the others hold nothing; the hands are
  // sorted and re-coded as the rest of the deal leaves them.
  void Deal(int trump, std::initializer_list<Hand> hands) {
    s.TrumpSuit = trump;
    int seat = 1;
    for (Hand h : hands) {
      std::sort(h.begin(), h.end());
      for (size_t i = 0; i < h.size(); ++i) s.SlotPicture[seat][i + 1] = h[i];
      ++seat;
    }
    RecodeCards(s);
    DetectAnnouncements(s, w);
  }
  std::string Box(int seat) { return w.text[ETControl(3 + seat)]; }
  int Points(int seat) {
    int total = 0;
    for (int kind = 1; kind <= 6; ++kind) total += s.AnnouncePoints[kind][seat];
    return total;
  }
};

TEST_F(Announcements, TwoCarresOfJacksAndNines) {
  Deal(kPique, {Cat({Carre(kJack), Carre(kNine)})});
  EXPECT_EQ(s.SeatAnnounceText[1], "Carré de valets + Carré de Neufs");
  EXPECT_EQ(Box(1), " ANNONCE : Carré trop faible");
  ScoreAnnouncements(s, w);
  EXPECT_EQ(s.AnnounceValueText[1], "350");
  EXPECT_EQ(Box(1), " ANNONCES: Carré de valets + Carré de Neufs = 350 pts");
  EXPECT_EQ(w.text[Control::ET9], "Meilleure ANNONCE Joueur N° 1   350");
}

TEST_F(Announcements, HigherCarreWinsOverMorePointsAndOverCent) {
  Deal(kCoeur, {Cat({Carre(kAce), Carre(kKing)}), Cat({Carre(kNine), {PictureNumber(1, kSeven)}})});
  ScoreAnnouncements(s, w);
  EXPECT_EQ(s.AnnounceValueText[1], "200");
  EXPECT_EQ(s.BestAnnouncer, 2);
  EXPECT_EQ(Points(1), 0);
  EXPECT_EQ(s.AnnouncePoints[kKindCarre][2], 150);
  EXPECT_EQ(Box(1), " ANNONCE : Carré trop faible");

  s = TableState{};
  Deal(kCoeur, {Carre(kQueen), Straight(kCarreau, kJack, 5)});
  EXPECT_EQ(Box(2), " ANNONCE : Cent trop faible");
  ScoreAnnouncements(s, w);
  EXPECT_EQ(s.BestAnnouncer, 1);
  EXPECT_EQ(Points(2), 0);
  EXPECT_EQ(Box(1), " ANNONCES: Carré de Dames = 100 pts");
}

TEST_F(Announcements, NoCarreOfEightsNorBeloteInAPlainSuit) {
  Deal(kTrefle, {Cat({Carre(kEight), Carre(kSeven)}), Hand{2, 3, 12}});
  EXPECT_EQ(Box(1), " ANNONCE : ");
  EXPECT_EQ(s.AnnouncePoints[kKindCarre][1], 0);
  EXPECT_EQ(s.BelotePoints[2], 0);
}

TEST_F(Announcements, CentFromTheTopOfALongRun) {
  Deal(kPique, {Straight(kCarreau, kAce, 8),
                Cat({Straight(kCoeur, kAce, 6), {PictureNumber(3, kAce), 28}})});
  EXPECT_EQ(s.SeatAnnounceText[1], "Cent: à l'As de Carreau + Tierce: au Neuf de Carreau");
  EXPECT_EQ(s.SeatAnnounceText[2], "Cent: à l'As de Coeur");
  ScoreAnnouncements(s, w);
  EXPECT_EQ(s.AnnounceValueText[1], "120");
  EXPECT_EQ(s.AnnounceValueText[2], "100");
  EXPECT_EQ(s.BestAnnouncer, 2);  // equal top rank: Coeur comes sooner after Pique than Carreau
}

TEST_F(Announcements, CinquanteBeatsATrumpTierceWhoseHolderKeepsTheBelote) {
  Deal(kCoeur, {Hand{}, Cat({Straight(kTrefle, kAce, 4), Straight(kPique, kTen, 2)}),
                Straight(kCoeur, kAce, 3)});
  ScoreAnnouncements(s, w);
  EXPECT_EQ(Box(2), " ANNONCES: Cinquante: à l'As de Trefle = 50 pts");
  EXPECT_EQ(Box(3), " ANNONCE : Tierce trop faible");
  EXPECT_EQ(Points(3), 0);
  EXPECT_EQ(s.BelotePoints[3], 20);
  EXPECT_EQ(s.BeloteSeat, 3);
  EXPECT_EQ(w.text[Control::ET8], "BELOTE au Joueur N° 3    20");
  EXPECT_EQ(w.text[Control::ET9], "Meilleure ANNONCE Joueur N° 2   50");
}

TEST_F(Announcements, AtEqualTopRankTrumpThenTheNearerSuitWins) {
  Deal(kPique,
       {Straight(kCoeur, kKing, 3), Straight(kTrefle, kKing, 3), Straight(kCarreau, kKing, 3)});
  ScoreAnnouncements(s, w);
  EXPECT_EQ(s.BestAnnouncer, 2);  // Trefle follows Pique
  EXPECT_EQ(Box(2), " ANNONCES: Tierce: au Roi de Trefle = 20 pts");

  s = TableState{};
  Deal(kPique, {Straight(kCoeur, kKing, 3), Straight(kPique, kKing, 3)});
  ScoreAnnouncements(s, w);
  EXPECT_EQ(s.BestAnnouncer, 2);
  EXPECT_EQ(s.BeloteSeat, 2);
}

TEST_F(Announcements, TwoTiercesCountAsTheBetterOfThem) {
  // Both are found, whichever suit comes first in the hand, and 40 still
  // loses to a single tierce with a higher top card.
  Deal(kCarreau,
       {Cat({Straight(kCoeur, kTen, 3), Straight(kPique, kKing, 3)}), Straight(kTrefle, kAce, 3)});
  EXPECT_EQ(s.SeatAnnounceText[1], "Tierce: au Roi de Pique + Tierce: au Dix de Coeur");
  ScoreAnnouncements(s, w);
  EXPECT_EQ(s.AnnounceValueText[1], "40");
  EXPECT_EQ(s.BestAnnouncer, 2);
  EXPECT_EQ(Points(1), 0);

  // Kings of Coeur (found first) and of trump Pique: the trump one counts
  // against Trefle, which alone would beat Coeur.
  s = TableState{};
  Deal(kPique, {Cat({Straight(kCoeur, kKing, 3), Straight(kPique, kKing, 3)}),
                Straight(kTrefle, kKing, 3)});
  ScoreAnnouncements(s, w);
  EXPECT_EQ(s.BestAnnouncer, 1);
  EXPECT_EQ(Points(1), 40);
}

TEST_F(Announcements, OneCarreWithASequenceAmongTheOtherFourCards) {
  // A cinquante is taken before the tierce inside it.
  Deal(kCoeur, {Cat({Carre(kNine), Straight(kCarreau, kAce, 4)}),
                Cat({Carre(kTen), Straight(kPique, kAce, 3), {PictureNumber(kCoeur, kEight)}})});
  EXPECT_EQ(s.SeatAnnounceText[1], "Carré de Neufs + Cinquante: à l'As de Carreau");
  EXPECT_EQ(s.SeatAnnounceText[2], "Carré de Dix + Tierce: à l'As de Pique");
  ScoreAnnouncements(s, w);
  EXPECT_EQ(s.AnnounceValueText[2], "120");
  EXPECT_EQ(s.AnnouncePoints[kKindCarre][1], 150);
  EXPECT_EQ(s.AnnouncePoints[kKindSecondCinquante][1], 50);
  EXPECT_EQ(Box(1), " ANNONCES: Carré de Neufs + Cinquante: à l'As de Carreau = 200 pts");

  // A King in the carré does not also make a tierce Ace-King-Queen.
  s = TableState{};
  Deal(kCoeur, {Cat({Carre(kJack), Straight(kCarreau, kTen, 3), {PictureNumber(kCoeur, kEight)}}),
                Cat({Carre(kKing), {1, 3, 9, 11}})});
  EXPECT_EQ(s.SeatAnnounceText[1], "Carré de valets + Tierce: au Dix de Carreau");
  EXPECT_EQ(s.SeatAnnounceText[2], "Carré de Rois");
  ScoreAnnouncements(s, w);
  EXPECT_EQ(s.AnnounceValueText[1], "220");
  EXPECT_EQ(s.AnnounceValueText[2], "100");
}

TEST_F(Announcements, NobodyAnnouncesInAFullDeal) {
  // Each seat holds two cards four ranks apart in every suit, a different
  // pair in each suit: no run, no carré, trump King and Queen apart.
  Hand hands[5];
  for (int suit = 1; suit <= 4; ++suit) {
    for (int seat = 1; seat <= 4; ++seat) {
      const int rank = (seat + suit) % 4 + 1;
      hands[seat].push_back(PictureNumber(suit, rank));
      hands[seat].push_back(PictureNumber(suit, rank + 4));
    }
  }
  w.text[Control::ET14] = "VERIFICATION St ANNONCES";
  Deal(kCoeur, {hands[1], hands[2], hands[3], hands[4]});
  ScoreAnnouncements(s, w);
  for (int seat = 1; seat <= 4; ++seat) EXPECT_EQ(Box(seat), " ANNONCE : ") << seat;
  EXPECT_EQ(w.text[Control::ET14], "");
  EXPECT_EQ(w.text[Control::ET9], "Meilleure ANNONCE: Joueur N° ");
  EXPECT_EQ(w.text.count(Control::ET8), 0u);
  EXPECT_EQ(s.BestAnnouncer, 0);
  EXPECT_EQ(s.BeloteSeat, 0);
}

TEST_F(Announcements, BeloteCalledInEitherOrderAndAgainNextDeal) {
  s.BeloteSeat = 3;
  CallBelote(s, w, 2, kTrumpQueenCode);
  EXPECT_EQ(w.text.count(Control::Meilleur), 0u);
  CallBelote(s, w, 3, kTrumpQueenCode);
  EXPECT_EQ(w.text[Control::Meilleur], "   BELOTE      joueur 3");
  CallBelote(s, w, 3, kTrumpKingCode);
  EXPECT_EQ(w.text[Control::Meilleur], "RE-BELOTE    joueur 3");

  // Next deal: the holder plays the King first.
  Deal(kCarreau, {Hand{10, 11}});
  ScoreAnnouncements(s, w);
  ASSERT_EQ(s.BeloteSeat, 1);
  CallBelote(s, w, 1, kTrumpKingCode);
  EXPECT_EQ(w.text[Control::Meilleur], "   BELOTE      joueur 1");
  CallBelote(s, w, 1, 26);
  EXPECT_EQ(w.text[Control::Meilleur], "   BELOTE      joueur 1");
  CallBelote(s, w, 1, kTrumpQueenCode);
  EXPECT_EQ(w.text[Control::Meilleur], "RE-BELOTE    joueur 1");
}

}  // namespace
}  // namespace belote
