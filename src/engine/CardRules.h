// Rules on the cards of a trick shared by the human and the computer seats:
// who takes the lead, which card the human may play, the played-card memory.
#pragma once

#include "model/Cards.h"
#include "model/TableState.h"

namespace belote {

// Does `card` beat `best`, the card now winning the trick? True for any card
// on an empty trick (best 0), a trump on a plain card, or a higher card of
// best's own block.
inline bool TakesLead(int card, int best) {
  if (best == 0) return true;
  if (SameSuit(card, best)) return card > best;
  return IsTrump(card) && !IsTrump(best);
}

// Why the rules refuse the human's card of hand slot 1..8 now, by the rule it
// breaks: follow the suit led (trumps included when trumps are led); trump
// when unable to follow; beat the highest trump on the table; play above
// the led trump.
enum class Refusal { None, FollowSuit, MustTrump, BeatHighestTrump, AboveLedTrump };
Refusal HumanCardRefusal(const TableState& s, int slot);

// May the human play the card of hand slot 1..8 now? An emptied slot is
// judged too: it is refused when the hand must still follow or trump.
inline bool IsLegalHumanCard(const TableState& s, int slot) {
  return HumanCardRefusal(s, slot) == Refusal::None;
}

// Marks a card as seen on the table for the computer seats' memory.
inline void RecordPlayedCard(TableState& s, int code) {
  if (code < 1 || code > 32) return;
  s.Played[code] = 1;
  if (IsTrump(code)) ++s.TrumpsPlayed;
}

}  // namespace belote
