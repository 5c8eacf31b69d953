#include "engine/Bidding.h"

#include <string>
#include <string_view>

#include "engine/ChooserBands.h"
#include "engine/TextLine.h"
#include "model/Cards.h"

namespace belote {

namespace {

// Ace, king, queen, jack, ten and nine are worth bidding on; the eight and
// the seven are not.
bool IsHighCardOf(int picture, int suit) {
  return picture >= 1 && SuitOfPicture(picture) == suit && RankOfPicture(picture) <= kNine;
}

int HighCards(const TableState& s, int seat, int suit) {
  int n = 0;
  for (int slot = 1; slot <= 5; ++slot) {
    if (IsHighCardOf(s.SlotPicture[seat][slot], suit)) ++n;
  }
  return n;
}

int NextSeat(int seat) {
  return seat == 4 ? 1 : seat + 1;
}

void ShowRoundLine(Game& g) {
  g.w.SetText(Control::ET3, TextLine("TOUR = ")
                                << g.s.BidTurn << "       OUVERTURE = " << g.s.Opener);
}

// A seat's words go on its bid label and stay there for one pause, so the
// player can follow the table round.
void Speak(Game& g, int round, int seat, std::string_view words, int suit) {
  g.w.SetText(BidLabel(seat), words);
  Notify(g, [&](PlayObserver& o) { o.BidSpoken(round, seat, std::string(words), suit); });
  OnePause(g);
}

void EndRound(Game& g, int taker) {
  TableState& s = g.s;
  s.Taker = taker;
  g.w.SetText(Control::ET1, TextLine("NOUVEAU PRENEUR = ") << taker);
  if (s.BidTurn == 4) s.BidTurn = 0;
  s.Speaker = NextSeat(s.Opener);
  SetBidLabels(g.w, "");
}

void StartRound(Game& g) {
  TableState& s = g.s;
  ShowRoundLine(g);
  SetBidLabels(g.w, "");
  s.PassCount = 0;
}

// The human's name in the round-1 question is cut to its first eight
// letters; the name is UTF-8, so a letter may take several bytes and must
// never be split.
std::string FirstLetters(const std::string& text, int letters) {
  int seen = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    const bool startsLetter = (byte & 0xC0) != 0x80;
    if (startsLetter) {
      if (seen == letters) return text.substr(0, i);
      ++seen;
    }
  }
  return text;
}

}  // namespace

bool TakesInRound1(const TableState& s, int seat) {
  return s.SuitCount[s.TrumpSuit][seat] > 1;
}

int NamesInRound2(const TableState& s, int seat) {
  for (int suit = 1; suit <= 4; ++suit) {
    if (s.SuitCount[suit][seat] > 2) return suit;
  }
  return 0;
}

void CountTurnedSuit(TableState& s) {
  s.TrumpSuit = SuitOfPicture(s.TurnedCard);
  s.TurnedSuitText = std::to_string(s.TrumpSuit);
  for (int seat = 1; seat <= 4; ++seat)
    s.SuitCount[s.TrumpSuit][seat] += HighCards(s, seat, s.TrumpSuit);
}

void FirstBidRound(Game& g) {
  TableState& s = g.s;
  TableWindow& w = g.w;
  if (s.BidTurn == 4) s.BidTurn = 0;
  ++s.BidTurn;
  s.Opener = s.Speaker;
  StartRound(g);

  while (true) {
    const int seat = s.Speaker;
    bool took = false;
    if (seat == 1) {
      if (s.SoundOn == 1) w.PlaySound("So/V.Wav");
      s.DialogResult =
          ShowBox(g, Box::TakeQuestion, FirstLetters(s.HumanName, 8) + " Tu la prends cette carte?",
                  Buttons::OuiNon, kBidBoxPlace);
      if (s.DialogResult == kAnswerYes) {
        Speak(g, 1, 1, "Je prends", s.TrumpSuit);
        took = true;
      } else if (s.DialogResult == kAnswerNo) {
        ++s.PassCount;
        Speak(g, 1, 1, "Je passe", 0);
      } else {
        // Closing the box without answering is a pass that says nothing.
        ++s.PassCount;
        Notify(g, [&](PlayObserver& o) { o.BidSpoken(1, 1, "", 0); });
      }
    } else {
      w.SetText(Control::ET14, "PATIENCE REFLEXION JOUEURS");
      if (TakesInRound1(s, seat)) {
        Speak(g, 1, seat, "Je prends", s.TrumpSuit);
        took = true;
      } else {
        Speak(g, 1, seat, "Je passe", 0);
        ++s.PassCount;
      }
    }
    if (took) return EndRound(g, seat);
    if (s.PassCount == 4) return EndRound(g, 0);
    s.Speaker = NextSeat(seat);
  }
}

void SecondBidRound(Game& g) {
  TableState& s = g.s;
  TableWindow& w = g.w;
  s.Opener = s.Speaker;
  if (s.BidTurn == 4) s.BidTurn = 0;
  ++s.BidTurn;

  // Every suit is counted now, on top of the first round's count of the
  // turned suit: a seat that passed on it holds at most two there, so no
  // computer seat ever names the suit everybody has just refused.
  for (int seat = 1; seat <= 4; ++seat) {
    for (int suit = 1; suit <= 4; ++suit) s.SuitCount[suit][seat] += HighCards(s, seat, suit);
  }
  s.TrumpSuit = 0;
  s.TurnedCard = 0;
  StartRound(g);

  while (true) {
    const int seat = s.Speaker;
    bool took = false;
    if (seat == 1) {
      w.RunSuitChooser();
      if (w.Closing()) throw ProgramEnds{};
      if (s.TrumpSuit > 0) {
        Speak(g, 2, 1, "Je prends", s.TrumpSuit);
        took = true;
      } else {
        ++s.PassCount;
        Speak(g, 2, 1, "Deux", 0);
      }
    } else {
      w.SetText(Control::ET14, "PATIENCE REFLEXION JOUEURS");
      ShowRoundLine(g);
      if (const int suit = NamesInRound2(s, seat)) {
        s.TrumpSuit = suit;
        w.LoadPicture(Control::Image13, PictureFile(SuitSignPicture(suit)));
        Speak(g, 2, seat, "Je prends", suit);
        took = true;
      } else {
        Speak(g, 2, seat, "Deux", 0);
        ++s.PassCount;
      }
    }
    if (took) return EndRound(g, seat);
    if (s.PassCount == 4) return EndRound(g, 0);
    s.Speaker = NextSeat(seat);
  }
}

bool SuitChooserPress(TableState& s, TableWindow& w, int x) {
  const int suit = ChooserTileAt(x);  // -1: between the tiles, which records nothing
  if (suit >= 1) {
    s.TrumpSuit = suit;
    w.LoadPicture(Control::Image13, PictureFile(SuitSignPicture(suit)));
  } else if (suit == 0) {
    s.TrumpSuit = 0;  // the pass tile; the trump box keeps what it shows
  }
  // Naming the suit everybody refused in the first round is not allowed:
  // the chooser stays open until another suit or the pass tile is pressed.
  return std::to_string(s.TrumpSuit) != s.TurnedSuitText;
}

}  // namespace belote
