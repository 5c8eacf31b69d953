#include "ui/record/Spoken.h"

#include <algorithm>
#include <cstdint>

#include "engine/Announcements.h"
#include "model/Cards.h"
#include "ui/record/CardNames.h"

namespace belote {

namespace {

std::string Join(const std::vector<std::string>& parts, const std::string& between) {
  std::string text;
  for (const std::string& part : parts) {
    if (!text.empty()) text += between;
    text += part;
  }
  return text;
}

// "A", "A et B", "A, B et C".
std::string NameList(const std::vector<std::string>& names) {
  if (names.size() <= 1) return Join(names, "");
  const std::vector<std::string> head(names.begin(), names.end() - 1);
  return Join(head, ", ") + " et " + names.back();
}

void ReplaceAll(std::string& text, const std::string& from, const std::string& to) {
  for (std::size_t at = text.find(from); at != std::string::npos;
       at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
}

std::string Number(std::int64_t n) {
  return std::to_string(n);
}

std::string Plural(std::int64_t n, const std::string& one, const std::string& many) {
  return Number(n) + " " + (n == 1 || n == -1 ? one : many);
}

std::string RoundWords(int round) {
  return round == 2 ? "au deuxième tour" : "au premier tour";
}

// A seat's bid as said after its name: "prend, Coeur", "passe".
std::string BidVerb(const RecordedBid& bid) {
  if (bid.suit != 0) return "prend, " + SpokenSuitName(bid.suit);
  return "passe";
}

// "M° VERLAC, Roi de Coeur ; ARNAL, Dix de Coeur".
std::string TrickCards(const DealRecord& r, const RecordedTrick& trick) {
  std::vector<std::string> cards;
  for (const RecordedCard& card : trick.cards)
    cards.push_back(SpokenSeat(r, card.seat) + ", " + PictureName(card.picture));
  return Join(cards, " ; ");
}

// "Maître VERLAC 120, ARNAL 80, BERTOU 0, CASSOL 40".
std::string SeatFigures(const DealRecord& r, const std::array<std::int64_t, 5>& figures) {
  std::vector<std::string> parts;
  for (int seat = 1; seat <= 4; ++seat)
    parts.push_back(SpokenSeat(r, seat) + " " + Number(figures[seat]));
  return Join(parts, ", ");
}

// The seats at the top of the scores.
std::string Leader(const DealRecord& r) {
  const std::int64_t best = *std::max_element(r.scores.begin() + 1, r.scores.end());
  std::vector<std::string> top;
  for (int seat = 1; seat <= 4; ++seat)
    if (r.scores[seat] == best) top.push_back(SpokenSeat(r, seat));
  if (top.size() == 4) return "Personne n'est en tête.";
  if (top.size() == 1) return "En tête : " + top.front() + ".";
  return "En tête à égalité : " + NameList(top) + ".";
}

// "Tierce: au Roi de Coeur + Tierce: au Dix de Pique" as it is best heard.
std::string AnnouncementWords(std::string text) {
  ReplaceAll(text, " + ", " et ");
  ReplaceAll(text, ":", "");
  return Spoken(text);
}

std::string HandCard(const DealRecord& r, int slot) {
  return Number(slot) + " " + PictureName(r.hand[slot]);
}

std::string HandList(const DealRecord& r) {
  std::vector<std::string> cards;
  for (int slot = 1; slot <= 8; ++slot)
    if (r.hand[slot] != 0) cards.push_back(HandCard(r, slot));
  return "Vos cartes : " + Join(cards, ", ") + ".";
}

// How the scored deal went, from the record as it stands once it is scored.
std::string DealEndWords(const DealRecord& f) {
  const DealResult& d = f.last;
  std::vector<std::string> parts{"Fin de la donne."};
  std::vector<std::string> capot;
  for (int seat = 1; seat <= 4; ++seat)
    if (d.capot[seat]) capot.push_back(SpokenSeat(f, seat));
  if (capot.size() == 1) parts.push_back(capot.front() + " est capot.");
  if (capot.size() > 1) parts.push_back(NameList(capot) + " sont capot.");
  if (d.taker != 0) {
    const std::string taker = SpokenSeat(f, d.taker) + ", preneur,";
    switch (d.contract) {
      case Contract::Made:
        parts.push_back(taker + " réussit son contrat.");
        if (d.potBefore > 0) parts.push_back("Il gagne le pot de " + Number(d.potBefore) + ".");
        break;
      case Contract::Level:
        parts.push_back(taker + " est à égalité en tête : ses points vont au pot, qui monte à " +
                        Number(f.pot) + ".");
        break;
      case Contract::Failed:
        if (d.beneficiary != 0) {
          parts.push_back(taker + " est dedans : ses points vont à " +
                          SpokenSeat(f, d.beneficiary) +
                          (d.potBefore > 0 ? ", avec le pot de " + Number(d.potBefore) : "") + ".");
        } else {
          parts.push_back(taker +
                          " est dedans, mais personne n'est seul au-dessus de lui : il "
                          "garde ses points.");
        }
        break;
    }
  }
  parts.push_back("Points de la donne : " + SeatFigures(f, d.gained) + ".");
  parts.push_back("Scores après la donne : " + SeatFigures(f, f.scores) + ".");
  if (f.pot > 0 && d.contract != Contract::Level) parts.push_back("Pot : " + Number(f.pot) + ".");
  if (f.winner != 0) parts.push_back(SpokenSeat(f, f.winner) + " gagne la partie.");
  return Join(parts, " ");
}

}  // namespace

std::string Spoken(std::string text) {
  ReplaceAll(text, "M°", "Maître");
  ReplaceAll(text, "Trefle", "Trèfle");
  ReplaceAll(text, "2eme", "deuxième");
  // One utterance, as the box is one sentence to the player.
  ReplaceAll(text, "\n ", " ");
  ReplaceAll(text, "\n", " ");
  return text;
}

std::string SpokenSeat(const DealRecord& r, int seat) {
  return Spoken(r.SeatName(seat));
}

std::string BidNews(const DealRecord& r, const RecordedBid& bid) {
  if (bid.words.empty()) return {};
  std::string news = SpokenSeat(r, bid.seat) + " : " + bid.words;
  if (bid.suit != 0) news += ", " + SpokenSuitName(bid.suit);
  return news;
}

std::string SecondRoundNews(const DealRecord& r) {
  int firstRound = 0;
  for (const RecordedBid& bid : r.bids) {
    if (bid.round != 1) return {};
    if (bid.suit != 0) return {};
    ++firstRound;
  }
  return firstRound == 4 ? "Tout le monde passe. Deuxième tour d'enchères." : "";
}

std::string CardNews(const DealRecord& r, const RecordedCard& card) {
  if (card.seat == 1) return "Vous jouez " + PictureName(card.picture);
  return SpokenSeat(r, card.seat) + " joue " + PictureName(card.picture);
}

std::string BeloteNews(const DealRecord& r, int seat, bool rebelote) {
  return SpokenSeat(r, seat) + (rebelote ? " : Rebelote" : " : Belote");
}

std::string HandDealtNews(const DealRecord& r) {
  std::vector<std::string> parts{"Vos huit cartes sont distribuées."};
  if (r.taker != 0)
    parts.push_back("Atout " + SpokenSuitName(r.trumpSuit) + ", pris par " +
                    SpokenSeat(r, r.taker) + ".");
  const int leader = r.SeatToPlay();
  // The player's own turn is said as it comes.
  if (leader >= 2) parts.push_back(SpokenSeat(r, leader) + " entame.");
  for (int seat = 1; seat <= 4; ++seat) {
    const RecordedAnnouncement& a = r.announcements[seat];
    if (a.text.empty()) continue;
    if (a.best) {
      parts.push_back(SpokenSeat(r, seat) + " annonce " + AnnouncementWords(a.text) + ", " +
                      Plural(a.points, "point", "points") + ".");
    } else {
      parts.push_back(SpokenSeat(r, seat) + " : " + std::string(TooWeakVerdict(a.text)) + ".");
    }
  }
  if (r.beloteSeat != 0) parts.push_back("Belote au joueur " + SpokenSeat(r, r.beloteSeat) + ".");
  return Join(parts, " ");
}

std::string TurnNews(int playableCards) {
  return "À vous de jouer, " + Plural(playableCards, "carte jouable", "cartes jouables");
}

std::string RefusedNews(const DealRecord& r, int slot, Refusal why) {
  std::string news = "Refusée : " + PictureName(slot >= 1 && slot <= 8 ? r.hand[slot] : 0) + ".";
  const RecordedTrick* trick = r.CurrentTrick();
  const int ledSuit = trick != nullptr && !trick->taken && !trick->cards.empty()
                          ? SuitOfPicture(trick->cards.front().picture)
                          : 0;
  switch (why) {
    case Refusal::None:
      break;
    case Refusal::FollowSuit:
      news += ledSuit == r.trumpSuit ? " Il faut jouer atout."
                                     : " Il faut fournir à " + SpokenSuitName(ledSuit) + ".";
      break;
    case Refusal::MustTrump:
      news += " Vous n'avez pas de " + SpokenSuitName(ledSuit) + " : il faut couper.";
      break;
    case Refusal::BeatHighestTrump:
      news += " Il faut monter sur le plus fort atout du pli.";
      break;
    case Refusal::AboveLedTrump:
      news += " Il faut jouer au-dessus de l'atout demandé.";
      break;
  }
  return news;
}

std::string EmptySlotNews(int slot) {
  return "Emplacement " + Number(slot) + " vide.";
}

std::string DescribeChooser(const DealRecord& r) {
  return "Carte retournée : " + PictureName(r.turnedCard) + ", refusée au premier tour. " +
         HandList(r);
}

std::string TurnedSuitRefusedNews(int suit) {
  return SpokenSuitName(suit) +
         " a été refusé au premier tour : choisissez une autre couleur, ou passez.";
}

std::string DescribeBox(const DealRecord& r, Box box, const DealRecord& forecast) {
  switch (box) {
    case Box::TakeQuestion:
      return "Carte retournée : " + PictureName(r.turnedCard) + ". " + HandList(r);
    case Box::TakerAnnounced:
      if (r.bids.empty() || r.bids.back().round != 1) return {};
      return "Il prend la carte retournée, " + PictureName(r.turnedCard) + ".";
    case Box::ConfirmTrick: {
      const RecordedTrick* trick = r.CurrentTrick();
      if (trick == nullptr) return {};
      std::string text = "Pli " + Number(trick->number) + " : " + TrickCards(r, *trick) + ". " +
                         SpokenSeat(r, trick->holder) + " remporte le pli.";
      if (trick->number == 8) text += " " + DealEndWords(forecast);
      return text;
    }
    case Box::AnotherGame:
      if (r.winner == 0) return {};
      return SpokenSeat(r, r.winner) + " gagne la partie. Scores : " + SeatFigures(r, r.scores) +
             ".";
    case Box::Redeal:
      break;
  }
  return {};
}

std::string HandWords(const DealRecord& r) {
  std::vector<std::string> groups;
  std::vector<std::string> cards;
  int suit = 0;
  const auto close = [&] {
    if (cards.empty()) return;
    const std::string name = suit == r.trumpSuit && r.taker != 0 ? "Atout " + SpokenSuitName(suit)
                                                                 : SpokenSuitName(suit);
    groups.push_back(name + " : " + Join(cards, ", "));
    cards.clear();
  };
  int count = 0;
  for (int slot = 1; slot <= 8; ++slot) {
    const int picture = r.hand[slot];
    if (picture == 0) continue;
    if (SuitOfPicture(picture) != suit) {
      close();
      suit = SuitOfPicture(picture);
    }
    cards.push_back(Number(slot) + " " + RankName(picture));
    ++count;
  }
  close();
  if (count == 0) return "Vous n'avez pas de carte en main.";
  return "Votre main, " + Plural(count, "carte", "cartes") + ". " + Join(groups, ". ") + ".";
}

std::string TrickWords(const DealRecord& r) {
  const RecordedTrick* trick = r.CurrentTrick();
  if (!r.handComplete) return "Pas de pli en cours : les cartes ne sont pas encore jouées.";
  const int toPlay = r.SeatToPlay();
  if (trick == nullptr || trick->taken) {
    const int next = trick == nullptr ? 1 : trick->number + 1;
    if (next > 8) return "Les huit plis sont joués.";
    std::string text = "Pli " + Number(next) + " : pas encore de carte.";
    if (toPlay == 1) text += " À vous d'entamer.";
    if (toPlay >= 2) text += " " + SpokenSeat(r, toPlay) + " entame.";
    return text;
  }
  std::string text = "Pli " + Number(trick->number) + ", entamé par " +
                     SpokenSeat(r, trick->Leader()) + " : " + TrickCards(r, *trick) + ". " +
                     SpokenSeat(r, trick->holder) + " tient le pli.";
  if (toPlay == 1) text += " À vous de jouer.";
  return text;
}

std::string LastTrickWords(const DealRecord& r) {
  const RecordedTrick* trick = r.LastTakenTrick();
  if (trick == nullptr) return "Aucun pli n'est encore terminé dans cette donne.";
  return "Dernier pli, le " + Number(trick->number) + " : " + TrickCards(r, *trick) + ". " +
         SpokenSeat(r, trick->holder) + " l'a remporté.";
}

std::string ScoreWords(const DealRecord& r) {
  std::vector<std::string> parts{"Scores : " + SeatFigures(r, r.scores) + "."};
  if (r.handComplete) parts.push_back("Cette donne : " + SeatFigures(r, r.dealTotals) + ".");
  parts.push_back("Pot : " + Number(r.pot) + ".");
  parts.push_back("Objectif : " + Plural(r.target, "point", "points") + ".");
  parts.push_back(Leader(r));
  return Join(parts, " ");
}

std::string TrumpWords(const DealRecord& r) {
  if (r.dealNumber == 0) return "La partie n'a pas commencé.";
  const std::string turned = PictureName(r.turnedCard);
  if (r.taker != 0) {
    const int round = r.bids.empty() ? 1 : r.bids.back().round;
    return "Atout " + SpokenSuitName(r.trumpSuit) + ", pris par " + SpokenSeat(r, r.taker) + " " +
           RoundWords(round) + ". Carte retournée : " + turned + ".";
  }
  const int round = r.biddingRound == 0 ? 1 : r.biddingRound;
  std::vector<std::string> said;
  for (const RecordedBid& bid : r.bids)
    if (bid.round == round && !bid.words.empty())
      said.push_back(SpokenSeat(r, bid.seat) + " " + BidVerb(bid));
  std::string text = "Carte retournée : " + turned + ".";
  if (round == 2) text += " Refusée au premier tour.";
  text += round == 2 ? " Deuxième tour d'enchères : " : " Premier tour d'enchères : ";
  text += said.empty() ? "personne n'a encore parlé." : Join(said, ", ") + ".";
  return text;
}

std::string PlayableWords(const DealRecord& r, bool myTurn, const std::vector<int>& playable) {
  if (myTurn) {
    std::vector<std::string> cards;
    for (int slot : playable) cards.push_back(HandCard(r, slot));
    return "Jouables : " + Join(cards, ", ") + ".";
  }
  if (r.dealNumber == 0) return "La partie n'a pas commencé.";
  if (!r.handComplete) return "Les enchères sont en cours.";
  const int toPlay = r.SeatToPlay();
  if (toPlay >= 2) return "À " + SpokenSeat(r, toPlay) + " de jouer.";
  return "Ce n'est pas encore à vous de jouer.";
}

}  // namespace belote
