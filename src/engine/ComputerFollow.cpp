// How a computer seat follows a trick: it follows the led suit when it can,
// otherwise trumps (over the best trump if it can), and throws away a plain
// card of another suit only when it has neither. It plays the same way
// whoever holds the trick.
#include <array>

#include "engine/ComputerPlay.h"
#include "model/Cards.h"

namespace belote {

namespace {

// Discards go cheapest first; these are all the values a plain card has.
constexpr std::array<int, 6> kDiscardPoints = {0, 2, 3, 4, 10, 11};

int DiscardSlot(const TableState& s, int seat) {
  for (const int points : kDiscardPoints) {
    const int slot =
        ScanDown(s, seat, [points](int code, int p) { return !IsTrump(code) && p == points; });
    if (slot != 0) return slot;
  }
  return 0;
}

// A trump is winning: beat it with the smallest trump that can, else play
// the smallest trump, else discard.
ComputerChoice FollowTrumpWinning(const TableState& s, int seat) {
  const int best = s.BestCard;
  if (const int slot = ScanDown(s, seat, [best](int c, int) { return IsTrump(c) && c > best; })) {
    return {slot, true};
  }
  if (const int slot = ScanDown(s, seat, [best](int c, int) { return IsTrump(c) && c < best; })) {
    return {slot, false};
  }
  return {DiscardSlot(s, seat), false};
}

// A plain card of the led suit is winning.
ComputerChoice FollowPlainWinning(TableState& s, int seat) {
  const int best = s.BestCard;
  const int base = BlockOf(best) * 8;  // the led suit is base+1 (seven) .. base+8 (ace)

  // Beat it only with a card nobody can beat any more: the ace, or a card
  // whose every higher card of the suit has been played.
  const SlotsByCode slots = SlotsOf(s, seat);
  for (int code = base + 8; code > best; --code) {
    const int slot = SlotHolding(slots, code);
    if (slot != 0 && AllPlayedAbove(s, code, base + 8)) return {slot, true};
  }

  // Otherwise follow as low as possible under the winning card.
  for (int code = base + 1; code < best; ++code) {
    if (const int slot = SlotHolding(slots, code); slot != 0) return {slot, false};
  }

  // Only cards above the winning one are left in the suit (possible under a
  // king or lower): the smallest of them, which wins.
  if (best - base <= 6) {
    if (const int slot = ScanDown(s, seat, [best](int c, int) { return SameSuit(c, best); })) {
      return {slot, true};
    }
  }

  // Void in the led suit: trump with the smallest trump. Remember the plain
  // card it beats, so the next seats know the trick has been trumped.
  if (const int slot = ScanDown(s, seat, [](int c, int) { return IsTrump(c); })) {
    s.LedBest = best;
    return {slot, true};
  }

  return {DiscardSlot(s, seat), false};
}

}  // namespace

ComputerChoice ChooseFollowCard(TableState& s, int seat) {
  // Nothing on the table yet: there is nothing to follow, so lead.
  if (s.BestCard == 0) return ChooseLeadCard(s, seat);

  // The trick has been trumped: a seat that still holds the led suit follows
  // with its smallest card of it, which cannot win.
  if (s.LedBest != 0) {
    const int led = s.LedBest;
    if (const int slot = ScanDown(s, seat, [led](int c, int) { return SameSuit(c, led); })) {
      return {slot, false};
    }
  }
  if (IsTrump(s.BestCard)) return FollowTrumpWinning(s, seat);
  return FollowPlainWinning(s, seat);
}

}  // namespace belote
