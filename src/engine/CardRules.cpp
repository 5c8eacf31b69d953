#include "engine/CardRules.h"

#include "model/Cards.h"

namespace belote {

namespace {

bool HandHolds(const TableState& s, bool (*match)(int code, int ref), int ref) {
  for (int slot = 1; slot <= 8; ++slot) {
    const int c = s.SlotCard[1][slot];
    if (c != 0 && match(c, ref)) return true;
  }
  return false;
}

bool AnyTrump(int code, int) {
  return IsTrump(code);
}
bool TrumpAbove(int code, int ref) {
  return IsTrump(code) && code > ref;
}
bool OfSuit(int code, int ref) {
  return SameSuit(code, ref);
}

}  // namespace

bool IsLegalHumanCard(const TableState& s, int slot) {
  const int c = s.SlotCard[1][slot];
  const int led = s.LedCard;
  const int high = s.HighCard;

  if (c == 0) {
    // An emptied slot plays nothing; it is accepted unless the hand still
    // owes a trump to a trump lead or a card of the first plain suit.
    if (IsTrump(led) && HandHolds(s, AnyTrump, 0)) return false;
    if (led >= 17 && led <= 24 && HandHolds(s, OfSuit, led)) return false;
    return true;
  }
  if (led == 0) return true;  // the human leads

  if (IsTrump(led)) {
    if (!IsTrump(c)) return !HandHolds(s, AnyTrump, 0);
    if (c > high) return true;
    if (HandHolds(s, TrumpAbove, high)) return false;
    if (c < led && HandHolds(s, TrumpAbove, led)) return false;
    return true;
  }

  if (SameSuit(c, led)) return true;
  if (HandHolds(s, OfSuit, led)) return false;
  if (IsTrump(c)) {
    if (IsTrump(high) && c < high) return !HandHolds(s, TrumpAbove, high);
    return true;
  }
  return !HandHolds(s, AnyTrump, 0);
}

}  // namespace belote
