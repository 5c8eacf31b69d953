#include "engine/CardRules.h"

#include "model/Cards.h"
#include "model/CodeSet.h"

namespace belote {

Refusal HumanCardRefusal(const TableState& s, int slot) {
  const int c = s.SlotCard[1][slot];
  const int led = s.LedCard;
  const int high = s.HighCard;

  // Leading, anything goes (an emptied slot then plays nothing), and a card
  // of the led plain suit is always right; every other answer depends on
  // what else the hand holds.
  if (led == 0) return Refusal::None;
  if (!IsTrump(led) && SameSuit(c, led)) return Refusal::None;
  const CodeSet held = HeldCodes(s, 1);
  const bool holdsTrump = (held & kTrumpCodes) != 0;

  if (c == 0) {
    // An emptied slot plays nothing; it is accepted unless the hand still
    // owes a trump to a trump lead or a card of the first plain suit.
    if (IsTrump(led) && holdsTrump) return Refusal::FollowSuit;
    if (led >= 17 && led <= 24 && (held & SuitCodes(led)) != 0) return Refusal::FollowSuit;
    return Refusal::None;
  }

  if (IsTrump(led)) {
    if (!IsTrump(c)) return holdsTrump ? Refusal::FollowSuit : Refusal::None;
    if (c > high) return Refusal::None;
    if ((held & kTrumpCodes & Above(high)) != 0) return Refusal::BeatHighestTrump;
    if (c < led && (held & kTrumpCodes & Above(led)) != 0) return Refusal::AboveLedTrump;
    return Refusal::None;
  }

  if ((held & SuitCodes(led)) != 0) return Refusal::FollowSuit;
  if (IsTrump(c)) {
    if (IsTrump(high) && c < high && (held & kTrumpCodes & Above(high)) != 0)
      return Refusal::BeatHighestTrump;
    return Refusal::None;
  }
  return holdsTrump ? Refusal::MustTrump : Refusal::None;
}

}  // namespace belote
