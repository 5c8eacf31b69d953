// The words the screen reader hears for the moments a known deal does not
// reach: each rule a refused card breaks, each way a contract ends, the
// names of the pictures.
#include <gtest/gtest.h>

#include <string>

#include "model/Cards.h"
#include "ui/record/CardNames.h"
#include "ui/record/DealRecord.h"
#include "ui/record/Spoken.h"

namespace belote {
namespace {

// A record of a trick in progress led by ARNAL with `led` (a picture), at
// `trump`, the player holding `held` in slot 1.
DealRecord Facing(const TableState& s, int trump, int led, int held) {
  DealRecord r(s);
  r.trumpSuit = trump;
  r.taker = 2;
  r.handComplete = true;
  r.hand[1] = held;
  RecordedTrick trick;
  trick.number = 1;
  trick.cards.push_back({2, led});
  trick.holder = 2;
  r.tricks.push_back(trick);
  return r;
}

TEST(Spoken, RefusedCardSaysTheRuleItBreaks) {
  const TableState s;
  struct Case {
    int led;
    Refusal why;
    const char* words;
  };
  const int held = PictureNumber(kPique, kTen);
  const Case cases[] = {
      {PictureNumber(kCarreau, kAce), Refusal::FollowSuit,
       "Refusée : Dix de Pique. Il faut fournir à Carreau."},
      {PictureNumber(kCoeur, kNine), Refusal::FollowSuit,
       "Refusée : Dix de Pique. Il faut jouer atout."},
      {PictureNumber(kTrefle, kAce), Refusal::MustTrump,
       "Refusée : Dix de Pique. Vous n'avez pas de Trèfle : il faut couper."},
      {PictureNumber(kTrefle, kAce), Refusal::BeatHighestTrump,
       "Refusée : Dix de Pique. Il faut monter sur le plus fort atout du pli."},
      {PictureNumber(kCoeur, kNine), Refusal::AboveLedTrump,
       "Refusée : Dix de Pique. Il faut jouer au-dessus de l'atout demandé."},
  };
  for (const Case& c : cases)
    EXPECT_EQ(RefusedNews(Facing(s, kCoeur, c.led, held), 1, c.why), c.words);
  EXPECT_EQ(EmptySlotNews(3), "Emplacement 3 vide.");
}

TEST(Spoken, DealEndSaysHowTheContractWentAndWhereThePotGoes) {
  const TableState s;
  DealRecord r(s);
  r.humanName = "M° VERLAC";
  RecordedTrick last;
  last.number = 8;
  last.cards = {{1, 1}, {2, 2}, {3, 3}, {4, 4}};
  last.holder = 3;
  last.taken = true;
  r.tricks.push_back(last);
  r.last.taker = 2;
  r.last.settled = true;
  r.scores = {0, 300, 250, 120, 90};
  r.last.gained = {0, 40, 130, 0, 22};
  const std::string trick =
      "Pli 8 : Maître VERLAC, As de Coeur ; ARNAL, Roi de Coeur ; BERTOU, Dame de Coeur ; "
      "CASSOL, Valet de Coeur. BERTOU remporte le pli. Fin de la donne. ";
  const std::string figures =
      " Points de la donne : Maître VERLAC 40, ARNAL 130, BERTOU 0, CASSOL 22. Scores après la "
      "donne : Maître VERLAC 300, ARNAL 250, BERTOU 120, CASSOL 90.";

  r.last.contract = Contract::Made;
  r.last.potBefore = 60;
  EXPECT_EQ(DescribeBox(r, Box::ConfirmTrick, r),
            trick + "ARNAL, preneur, réussit son contrat. Il gagne le pot de 60." + figures);

  r.last.contract = Contract::Level;
  r.pot = 140;
  EXPECT_EQ(DescribeBox(r, Box::ConfirmTrick, r),
            trick +
                "ARNAL, preneur, est à égalité en tête : ses points vont au pot, qui monte à "
                "140." +
                figures);

  r.last.contract = Contract::Failed;
  r.last.beneficiary = 1;
  r.pot = 0;
  r.last.capot[3] = true;
  EXPECT_EQ(DescribeBox(r, Box::ConfirmTrick, r),
            trick +
                "BERTOU est capot. ARNAL, preneur, est dedans : ses points vont à Maître "
                "VERLAC, avec le pot de 60." +
                figures);

  r.last.beneficiary = 0;
  r.last.potBefore = 0;
  r.last.capot = {};
  r.pot = 60;
  r.winner = 1;
  EXPECT_EQ(DescribeBox(r, Box::ConfirmTrick, r),
            trick +
                "ARNAL, preneur, est dedans, mais personne n'est seul au-dessus de lui : il "
                "garde ses points." +
                figures + " Pot : 60. Maître VERLAC gagne la partie.");
  EXPECT_EQ(DescribeBox(r, Box::AnotherGame, r),
            "Maître VERLAC gagne la partie. Scores : Maître VERLAC 300, ARNAL 250, BERTOU 120, "
            "CASSOL 90.");
}

TEST(Spoken, SuitChooserTellsTheRefusedCardAndTheHand) {
  const TableState s;
  DealRecord r(s);
  r.turnedCard = PictureNumber(kPique, kJack);
  r.hand[2] = PictureNumber(kCoeur, kAce);
  r.hand[5] = PictureNumber(kTrefle, kSeven);
  EXPECT_EQ(
      DescribeChooser(r),
      "Carte retournée : Valet de Pique, refusée au premier tour. Vos cartes : 2 As de Coeur, "
      "5 Sept de Trèfle.");
}

TEST(Spoken, TableTextsAreHeardAsTheyAreMeant) {
  EXPECT_EQ(Spoken("M° VERLAC Tu la prends cette carte?"),
            "Maître VERLAC Tu la prends cette carte?");
  EXPECT_EQ(Spoken("ARNAL prend à Trefle"), "ARNAL prend à Trèfle");
  // espeak reads "2eme" as "deux" and English, and a line break cuts the
  // box's words in two utterances.
  EXPECT_EQ(Spoken("TOUT LE MONDE PASSE AU 2eme TOUR.\n ON REDONNE DES CARTES!"),
            "TOUT LE MONDE PASSE AU deuxième TOUR. ON REDONNE DES CARTES!");

  const std::pair<const char*, const char*> names[] = {
      {"Im/1.Bmp", "As de Coeur"},       {"Im/12.Bmp", "Valet de Carreau"},
      {"Im/22.Bmp", "Neuf de Pique"},    {"Im/32.Bmp", "Sept de Trèfle"},
      {"Im/34.Bmp", "Atout Pique"},      {"Im/35.Bmp", "Atout Carreau"},
      {"Im/00.bmp", "Emplacement vide"}, {"Im\\7.Bmp", "Huit de Coeur"}};
  for (const auto& [file, name] : names) EXPECT_EQ(PictureFileName(file), name);
  // A file that is not one of the game's pictures is not called a card.
  for (const char* file : {"Im/37.Bmp", "Im/07.Bmp", "Im/7.png", "Im/.Bmp", "Im/-1.Bmp"})
    EXPECT_EQ(PictureFileName(file), "") << file;
}

}  // namespace
}  // namespace belote
