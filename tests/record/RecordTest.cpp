// The record of the deal follows the engine, and what the screen reader
// hears from it: a deal played from a known shuffle, in which the player
// takes at Coeur with the belote, BERTOU's tierce beats hers, and CASSOL
// takes the first trick and leads the second.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/CardRules.h"
#include "engine/FakeTable.h"
#include "engine/PlayStep.h"
#include "model/Cards.h"
#include "ui/record/DealForecast.h"
#include "ui/record/DealRecord.h"
#include "ui/record/Spoken.h"
#include "ui/record/TableNews.h"

namespace belote {
namespace {

constexpr std::int64_t kKnownDeal = 1700000282;

class RecordTest : public ::testing::Test {
 protected:
  RecordTest() {
    s.TargetScore = kDefaultTargetScore;
    s.HumanName = "LÉA";
    table.answerFor = [this](const std::string&) {
      const BoxCall& box = table.boxes.back();
      const RecordedTrick* trick = record.CurrentTrick();
      const bool last = box.kind == Box::ConfirmTrick && trick != nullptr && trick->number == 8;
      descriptions.push_back(
          DescribeBox(record, box.kind, last ? ForecastDealEnd(record, s) : record));
      return kAnswerYes;
    };
  }

  // The slot of the player's card `code`, 0 when she does not hold it.
  int SlotOf(int code) const {
    for (int slot = 1; slot <= 8; ++slot)
      if (s.SlotCard[1][slot] == code) return slot;
    return 0;
  }
  int FirstPlayable() const {
    for (int slot = 1; slot <= 8; ++slot)
      if (s.SlotCard[1][slot] != 0 && IsLegalHumanCard(s, slot)) return slot;
    return 0;
  }
  void Play(int slot) {
    s.CurRow = slot;
    PlayStep(g);
  }
  std::vector<int> Playable() const {
    std::vector<int> playable;
    for (int slot = 1; slot <= 8; ++slot)
      if (record.hand[slot] != 0 && IsLegalHumanCard(s, slot)) playable.push_back(slot);
    return playable;
  }

  TableState s;
  FakeTable table{&s};
  TestClock clock{kKnownDeal};
  DealRecord record{s};
  std::vector<std::string> news;
  TableNews teller{record, [this](const std::string& words) {
                     if (!words.empty()) news.push_back(words);
                   }};
  Game g{s, table, clock, {&record, &teller}};
  std::vector<std::string> descriptions;
};

TEST_F(RecordTest, KnowsTheDealAsTheEngineToldIt) {
  PlayStep(g);
  EXPECT_EQ(record.turnedCard, PictureNumber(kCoeur, kKing));
  ASSERT_EQ(record.bids.size(), 1u);
  EXPECT_EQ(record.bids[0].seat, 1);
  EXPECT_EQ(record.bids[0].words, "Je prends");
  EXPECT_EQ(record.taker, 1);
  EXPECT_EQ(record.trumpSuit, kCoeur);
  EXPECT_TRUE(record.handComplete);
  for (int slot = 1; slot <= 8; ++slot)
    EXPECT_EQ(record.hand[slot], s.PictureOf[s.SlotCard[1][slot]]) << slot;
  EXPECT_EQ(record.announcements[3].text, "Tierce: à l'As de Trefle");
  EXPECT_TRUE(record.announcements[3].best);
  EXPECT_EQ(record.announcements[3].points, 20);
  EXPECT_FALSE(record.announcements[1].best);
  EXPECT_EQ(record.beloteSeat, 1);
  EXPECT_EQ(record.SeatToPlay(), 1);

  const int queen = SlotOf(kTrumpQueenCode);
  Play(queen);
  EXPECT_EQ(record.hand[queen], 0);
  EXPECT_EQ(record.beloteCalls, 1);
  ASSERT_EQ(record.tricks.size(), 2u);
  const RecordedTrick& first = record.tricks[0];
  EXPECT_TRUE(first.taken);
  EXPECT_EQ(first.Leader(), 1);
  EXPECT_EQ(first.holder, 4);
  ASSERT_EQ(first.cards.size(), 4u);
  EXPECT_EQ(first.cards[0].picture, PictureNumber(kCoeur, kQueen));
  EXPECT_FALSE(record.tricks[1].taken);
  EXPECT_EQ(record.tricks[1].Leader(), 4);
  EXPECT_EQ(record.dealTotals[4], s.DealPoints[4]);
  EXPECT_EQ(record.SeatToPlay(), 1);
}

TEST_F(RecordTest, NewsAndReviewKeysTellTheDeal) {
  PlayStep(g);
  const std::vector<std::string> dealt = {
      "LÉA : Je prends, Coeur",
      "Vos huit cartes sont distribuées. Atout Coeur, pris par LÉA. LÉA : "
      "Tierce trop faible. BERTOU annonce Tierce à l'As de Trèfle, 20 points. Belote au joueur "
      "LÉA."};
  EXPECT_EQ(news, dealt);
  ASSERT_FALSE(descriptions.empty());
  EXPECT_EQ(
      descriptions[0],
      "Carte retournée : Roi de Coeur. Vos cartes : 1 Dame de Coeur, 2 As de Pique, 3 Neuf de "
      "Pique, 4 Huit de Pique, 5 Neuf de Trèfle.");
  EXPECT_EQ(HandWords(record),
            "Votre main, 8 cartes. Atout Coeur : 1 Roi, 2 Dame. Carreau : 3 Dix. Pique : 4 As, 5 "
            "Dix, 6 Neuf, 7 Huit. Trèfle : 8 Neuf.");
  EXPECT_EQ(TrickWords(record), "Pli 1 : pas encore de carte. À vous d'entamer.");
  EXPECT_EQ(LastTrickWords(record), "Aucun pli n'est encore terminé dans cette donne.");
  EXPECT_EQ(TrumpWords(record),
            "Atout Coeur, pris par LÉA au premier tour. Carte retournée : Roi de Coeur.");
  EXPECT_EQ(ScoreWords(record),
            "Scores : LÉA 0, ARNAL 0, BERTOU 0, CASSOL 0. Cette donne : LÉA 0, ARNAL 0, BERTOU 0, "
            "CASSOL 0. Pot : 0. Objectif : 2500 points. Personne n'est en tête.");

  news.clear();
  Play(SlotOf(kTrumpQueenCode));
  const std::vector<std::string> trick = {"Vous jouez Dame de Coeur", "LÉA : Belote",
                                          "ARNAL joue Dix de Coeur",  "BERTOU joue Sept de Coeur",
                                          "CASSOL joue As de Coeur",  "CASSOL joue As de Carreau"};
  EXPECT_EQ(news, trick);
  EXPECT_EQ(descriptions.back(),
            "Pli 1 : LÉA, Dame de Coeur ; ARNAL, Dix de Coeur ; BERTOU, Sept de Coeur ; CASSOL, As "
            "de Coeur. CASSOL remporte le pli.");
  EXPECT_EQ(
      TrickWords(record),
      "Pli 2, entamé par CASSOL : CASSOL, As de Carreau. CASSOL tient le pli. À vous de jouer.");
  EXPECT_EQ(
      LastTrickWords(record),
      "Dernier pli, le 1 : LÉA, Dame de Coeur ; ARNAL, Dix de Coeur ; BERTOU, Sept de Coeur ; "
      "CASSOL, As de Coeur. CASSOL l'a remporté.");
  EXPECT_EQ(PlayableWords(record, true, Playable()), "Jouables : 3 Dix de Carreau.");
  EXPECT_EQ(PlayableWords(record, false, Playable()), "Ce n'est pas encore à vous de jouer.");
  EXPECT_EQ(ScoreWords(record),
            "Scores : LÉA 0, ARNAL 0, BERTOU 0, CASSOL 0. Cette donne : LÉA 0, ARNAL 0, BERTOU 0, "
            "CASSOL 24. Pot : 0. Objectif : 2500 points. Personne n'est en tête.");
  ASSERT_EQ(record.hand[4], PictureNumber(kPique, kAce));
  EXPECT_EQ(RefusedNews(record, 4, HumanCardRefusal(s, 4)),
            "Refusée : As de Pique. Il faut fournir à Carreau.");
}

// The last trick's box tells how the deal ends before the table scores it:
// what it tells must be what the table then scores.
TEST_F(RecordTest, LastTrickForetellsTheScoringExactly) {
  clock = TestClock(kKnownDeal, 7);
  DealRecord foretold{s};
  int deals = 0;
  table.answerFor = [&](const std::string&) {
    const RecordedTrick* trick = record.CurrentTrick();
    if (table.boxes.back().kind == Box::ConfirmTrick && trick != nullptr && trick->number == 8)
      foretold = ForecastDealEnd(record, s);
    return kAnswerYes;
  };
  struct Scored : PlayObserver {
    std::function<void()> check;
    void DealScored() override { check(); }
  } scored;
  scored.check = [&] {
    ++deals;
    EXPECT_EQ(foretold.scores, record.scores) << "deal " << deals;
    EXPECT_EQ(foretold.pot, record.pot) << "deal " << deals;
    EXPECT_EQ(foretold.winner, record.winner) << "deal " << deals;
    EXPECT_EQ(foretold.last.gained, record.last.gained) << "deal " << deals;
    EXPECT_EQ(foretold.last.contract, record.last.contract) << "deal " << deals;
    EXPECT_EQ(foretold.last.beneficiary, record.last.beneficiary) << "deal " << deals;
  };
  g.observers.push_back(&scored);
  s.TargetScore = 600;  // a few won games on the way
  PlayStep(g);
  for (int guard = 0; guard < 4000 && deals < 60; ++guard) Play(FirstPlayable());
  EXPECT_EQ(deals, 60);
}

}  // namespace
}  // namespace belote
