#include "engine/PlayStep.h"

#include <cassert>
#include <cstddef>
#include <string>
#include <string_view>

#include "engine/Announcements.h"
#include "engine/Bidding.h"
#include "engine/CardRules.h"
#include "engine/ComputerPlay.h"
#include "engine/Deal.h"
#include "engine/Scoring.h"
#include "engine/TextLine.h"
#include "model/Cards.h"

namespace belote {

namespace {

// The card value line of a seat: bare at the start of a deal, or with the
// points of the card it just played.
std::string ValueLine(int seat) {
  return (TextLine(" ") << seat << " - Valeur de la carte qu' il joue = ").ToString();
}
void ShowValueLine(TableWindow& w, int seat) {
  w.SetText(ETControl(14 + seat), ValueLine(seat));
}
void ShowValueLine(TableWindow& w, int seat, int points) {
  if (w.KeepsTexts()) w.SetText(ETControl(14 + seat), TextLine(ValueLine(seat)) << points);
}

template <typename T>
void Zero(T& value) {
  value = T{};
}
void Zero(std::string& text) {
  text.clear();
}
template <typename T, std::size_t N>
void Zero(T (&table)[N]) {
  for (auto& entry : table) Zero(entry);
}

// Marks the engine busy for the length of one play step, whatever way it
// is left.
class BusyFlag {
 public:
  explicit BusyFlag(bool& flag) : flag_(flag) { flag_ = true; }
  ~BusyFlag() { flag_ = false; }
  BusyFlag(const BusyFlag&) = delete;
  BusyFlag& operator=(const BusyFlag&) = delete;

 private:
  bool& flag_;
};

void StartNewGame(Game& g) {
  TableState& s = g.s;
  s.GameWinner = 0;
  ResetTableDisplay(s, g.w);
  s.Speaker = 1;
  s.BidTurn = 0;
  s.Taker = 0;
  s.Opener = 1;
  s.Pot = 0;
  for (int seat = 1; seat <= 4; ++seat) s.GameScore[seat] = 0;
}

// Everything a deal leaves behind is wiped before the cards are shuffled
// again; the scores and any points carried over stay.
void ClearDeal(Game& g) {
  TableState& s = g.s;
  TableWindow& w = g.w;
  s.DialogResult = kAnswerYes;
  for (int k = 4; k <= 7; ++k) w.SetText(ETControl(k), " ANNONCES");
  w.SetText(Control::ET8, "BELOTE au Joueur N° ");
  w.SetText(Control::ET9, "Meilleure ANNONCE Joueur N° ");
  for (Control c : {Control::ET3, Control::ET1, Control::ET2, Control::ET14}) w.SetText(c, "");
  for (int seat = 1; seat <= 4; ++seat) ShowValueLine(w, seat);
  for (int seat = 1; seat <= 4; ++seat) w.SetText(ETControl(18 + seat), " ");

  s.Taker = 0;
  Zero(s.AnnouncePoints);
  Zero(s.SequenceHeight);
  Zero(s.CarreFlag);
  Zero(s.BelotePoints);
  Zero(s.RankCount);
  Zero(s.SequenceTop);
  Zero(s.SeatAnnounceText);
  Zero(s.AnnounceValueText);
  Zero(s.AnnounceText1);
  Zero(s.AnnounceText2);
  Zero(s.CarreCount);
  Zero(s.BestAnnouncer);
  Zero(s.TrickFlag);
  Zero(s.SuitCount);
  Zero(s.PictureOf);
  Zero(s.Drawn);
  Zero(s.SlotPicture);
  Zero(s.SlotCard);
  Zero(s.SlotPoints);
  Zero(s.SlotSequence);
  for (int slot = 1; slot <= 8; ++slot) {
    w.SetImageLeft(HandControl(slot), kHandLeft[slot]);
    w.SetImageTop(HandControl(slot), kHandTop[slot]);
  }
  s.TrumpSuit = 0;
}

// Shuffles, bids and deals until some seat takes, then completes the hands,
// finds the announcements and sets the first trick up for the opener.
void DealNewHand(Game& g) {
  TableState& s = g.s;
  TableWindow& w = g.w;
  while (true) {
    ClearDeal(g);
    Notify(g, [](PlayObserver& o) { o.DealStarting(); });
    const std::int64_t seed = Shuffle(g);
    ShowFirstFive(s, w);
    Notify(g, [&](PlayObserver& o) { o.Shuffled(seed); });
    CountTurnedSuit(s);

    FirstBidRound(g);
    if (s.Taker == 0) {
      w.SetText(Control::ET14, "TOUT LE MONDE PASSE");
      // The second round opens with the seat that opened the first.
      s.Speaker = s.Speaker == 1 ? 4 : s.Speaker - 1;
      s.Opener = s.Opener == 1 ? 4 : s.Opener - 1;
      s.BidPhase = 2;
      SetBidLabels(w, "");
      SecondBidRound(g);
      s.BidPhase = 1;
    }
    const bool redeal = s.Taker == 0;
    Notify(g, [&](PlayObserver& o) { o.BiddingOver(redeal); });
    if (!redeal) break;
    ShowBox(g, Box::Redeal, "TOUT LE MONDE PASSE AU 2eme TOUR.\n ON REDONNE DES CARTES!",
            Buttons::Oui, kTrickBoxPlace);
    SetBidLabels(w, "");
  }

  GiveTurnedCard(s, s.Taker);
  if (s.Taker >= 2) {
    ShowBox(g, Box::TakerAnnounced,
            std::string(kSeatNames[s.Taker]) + " prend à " + kSuitNames[s.TrumpSuit], Buttons::Oui,
            kTrickBoxPlace);
  }
  SetBidLabels(w, " ");

  CompleteDeal(s, w);
  RecodeCards(s);
  DetectAnnouncements(s, w);
  ScoreAnnouncements(s, w);
  SortHands(s, w);
  for (int seat = 1; seat <= 4; ++seat) ShowValueLine(w, seat);
  for (int seat = 1; seat <= 4; ++seat) w.SetText(ETControl(18 + seat), " ");

  s.BestCard = 0;
  s.LedBest = 0;
  s.TrickHolder = 0;
  s.TrickPoints = 0;
  s.LedCard = 0;
  s.HighCard = 0;
  s.TrickPos = 1;
  s.TrickNo = 1;
  for (int& p : s.Played) p = 0;
  s.TrumpsPlayed = 0;
  Notify(g, [](PlayObserver& o) { o.HandsReady(); });

  s.CurSeatIdx = s.Opener - 1;
}

// Puts the card of seat CurSeatIdx + 1, slot CurRow, on the table and
// takes it out of the hand.
void ShowAndTakeCard(Game& g) {
  TableState& s = g.s;
  TableWindow& w = g.w;
  const int seat = s.CurSeatIdx + 1;
  const int slot = s.CurRow;
  const int card = s.SlotCard[seat][slot];
  const int points = s.SlotPoints[seat][slot];

  if (seat == 1) {
    w.CopyPicture(HandControl(slot), Control::Image9);
    w.LoadPicture(HandControl(slot), kPlayedSlotFile);
    ShowValueLine(w, 1, points);
    OnePause(g);
  } else {
    const Control place = PlaceControl(seat);
    OnePause(g);
    w.LoadPicture(place, PictureFile(s.PictureOf[card]));
    if (s.AnimationOn == 1) {
      w.SetImageLeft(place, kGlideStartLeft[seat]);
      w.StartAnimationTimer();
      OnePause(g);
    }
    w.SetImageLeft(place, kPlaceLeft[seat]);
    ShowValueLine(w, seat, points);
  }

  if (s.TrickPos == 1 && seat >= 2 && card >= 1) s.LedCard = card;
  if (seat >= 2 && card > s.HighCard) s.HighCard = card;
  if (seat == s.BeloteSeat) {
    const BeloteCall call = CallBelote(s, w, seat, card);
    if (call != BeloteCall::None)
      Notify(g, [&](PlayObserver& o) { o.BeloteCalled(seat, call == BeloteCall::Rebelote); });
  }
  s.TrickPoints += points;
  s.SlotCard[seat][slot] = 0;
  if (w.KeepsTexts()) {
    w.SetText(Control::ET2, TextLine("TENANT = ")
                                << s.TrickHolder << "        MAIN = " << s.TrickPoints);
  }
}

void PlayHumanCard(Game& g) {
  TableState& s = g.s;
  const int card = s.SlotCard[1][s.CurRow];
  bool takes = false;
  if (s.TrickPos == 1) {
    takes = true;
  } else if (TakesLead(card, s.BestCard)) {
    takes = true;
    // The first trump on a plain trick remembers the plain card it beat.
    if (IsTrump(card) && !IsTrump(s.BestCard)) s.LedBest = s.BestCard;
  }
  if (takes) {
    s.BestCard = card;
    s.TrickHolder = 1;
  }
  RecordPlayedCard(s, card);
  Notify(g, [&](PlayObserver& o) {
    o.CardPlayed(1, s.CurRow, card, s.SlotPoints[1][s.CurRow], takes);
  });
  ShowAndTakeCard(g);
}

void PlayComputerCard(Game& g) {
  TableState& s = g.s;
  const int seat = s.CurSeatIdx + 1;
  g.w.SetText(Control::ET14, "LES ADVERSAIRES JOUENT");
  const ComputerChoice choice = ChooseComputerCard(s, seat);
  assert(choice.slot >= 1 && choice.slot <= 8 && s.SlotCard[seat][choice.slot] != 0);
  s.CurRow = choice.slot;
  const int card = s.SlotCard[seat][s.CurRow];
  RecordPlayedCard(s, card);
  if (choice.takesLead) {
    s.BestCard = card;
    s.TrickHolder = seat;
  }
  Notify(g, [&](PlayObserver& o) {
    o.CardPlayed(seat, s.CurRow, card, s.SlotPoints[seat][s.CurRow], choice.takesLead);
  });
  ShowAndTakeCard(g);
}

// After a card is down: pass the turn, or close the trick, and after the
// eighth trick score the deal and deal the next one.
void PassTurn(Game& g) {
  TableState& s = g.s;
  if (s.TrickPos < 4) {
    ++s.TrickPos;
    s.CurSeatIdx = (s.CurSeatIdx + 1) % 4;
    return;
  }
  CloseTrick(g);
  if (s.TrickNo != 9) {
    s.CurSeatIdx = s.TrickHolder - 1;
    return;
  }
  EndDeal(g);
  if (g.w.Closing()) throw ProgramEnds{};
  if (s.GameWinner != 0) StartNewGame(g);
  DealNewHand(g);
}

void RunPlayStep(Game& g) {
  TableState& s = g.s;
  s.BidPhase = 1;
  const bool cardChosen = s.CurRow >= 1 && s.CurRow <= 8 && s.SlotCard[1][s.CurRow] != 0;
  if (cardChosen) {
    s.CurSeatIdx = 0;
    PlayHumanCard(g);
    PassTurn(g);
  } else {
    StartNewGame(g);
    DealNewHand(g);
  }
  while (s.CurSeatIdx != 0) {
    PlayComputerCard(g);
    PassTurn(g);
  }
}

}  // namespace

void PlayStep(Game& g) {
  assert(!g.inPlayStep && "the play step was entered while it was running");
  if (g.inPlayStep) return;
  BusyFlag busy(g.inPlayStep);
  try {
    RunPlayStep(g);
  } catch (const ProgramEnds&) {
    // The game is over or the window is closing: unwind quietly.
  }
}

bool HandCardPlayable(const Game& g, int slot) {
  // While the play step runs, CurRow belongs to the computer seats' cards;
  // a click that slipped through must not touch it.
  return !g.inPlayStep && slot >= 1 && slot <= 8 && IsLegalHumanCard(g.s, slot);
}

bool HandImageClick(Game& g, int slot) {
  TableState& s = g.s;
  if (!HandCardPlayable(g, slot)) return false;
  s.CurRow = slot;
  SetBidLabels(g.w, "");
  if (s.AnimationOn == 1) {
    g.w.SetImageTop(HandControl(slot), kClickedCardTop);
    g.w.StartAnimationTimer();
    return true;
  }
  if (s.SlotCard[1][slot] > 0) PlayStep(g);
  return true;
}

}  // namespace belote
