// How a computer seat follows a trick: it follows the led suit when it can,
// otherwise trumps (over the best trump if it can), and throws away a plain
// card of another suit only when it has neither. It plays the same way
// whoever holds the trick.
#include <array>
#include <cstddef>

#include "engine/ComputerPlay.h"
#include "model/Cards.h"

namespace belote {

namespace {

// The plain cards worth `points`, in all three plain suits.
CodeSet PlainCardsWorth(int points) {
  CodeSet cards = 0;
  for (int rank = kAce; rank <= kSeven; ++rank) {
    if (kRanks[rank].plainPoints != points) continue;
    const int strength = kRanks[rank].plainStrength;
    for (const int base : {0, 8, 16}) cards |= CodeBit(base + strength);
  }
  return cards;
}

// Discards go cheapest first: the plain cards worth 0, then 2, 3, 4, 10 and
// 11, which are all the values a plain card has. Among cards of one value
// the lowest code goes, the first met scanning down.
int DiscardCode(CodeSet held) {
  static const auto kCheapestFirst = [] {
    constexpr std::array<int, 6> kValues = {0, 2, 3, 4, 10, 11};
    std::array<CodeSet, 6> groups{};
    for (std::size_t k = 0; k < kValues.size(); ++k) groups[k] = PlainCardsWorth(kValues[k]);
    return groups;
  }();
  for (const CodeSet group : kCheapestFirst) {
    if (const int code = LowestCode(held & group)) return code;
  }
  return 0;
}

// What a rule found: the card's slot and whether it wins the trick.
ComputerChoice Play(const TableState& s, int seat, int code, bool takesLead) {
  return {SlotOfCode(s, seat, code), takesLead};
}

// A trump is winning: beat it with the smallest trump that can, else play
// the smallest trump, else discard.
ComputerChoice FollowTrumpWinning(const TableState& s, int seat, CodeSet held) {
  const int best = s.BestCard;
  if (const int code = LowestCode(held & kTrumpCodes & Above(best))) {
    return Play(s, seat, code, true);
  }
  if (const int code = LowestCode(held & kTrumpCodes & Below(best))) {
    return Play(s, seat, code, false);
  }
  return Play(s, seat, DiscardCode(held), false);
}

// A plain card of the led suit is winning.
ComputerChoice FollowPlainWinning(TableState& s, int seat, CodeSet held) {
  const int best = s.BestCard;
  const int base = BlockOf(best) * 8;  // the led suit is base+1 (seven) .. base+8 (ace)
  const CodeSet ledSuit = SuitCodes(best);

  // Beat it only with a card nobody can beat any more: the master card of
  // the suit (the ace, or a card whose every higher card has been played).
  if ((held & ledSuit & Above(best)) != 0) {
    const int master = MasterOfSuit(s, best);
    if (master > best && Holds(held, master)) return Play(s, seat, master, true);
  }

  // Otherwise follow as low as possible under the winning card.
  if (const int code = LowestCode(held & ledSuit & Below(best))) {
    return Play(s, seat, code, false);
  }

  // Only cards above the winning one are left in the suit (possible under a
  // king or lower): the smallest of them, which wins.
  if (best - base <= 6) {
    if (const int code = LowestCode(held & ledSuit)) return Play(s, seat, code, true);
  }

  // Void in the led suit: trump with the smallest trump. Remember the plain
  // card it beats, so the next seats know the trick has been trumped.
  if (const int code = LowestCode(held & kTrumpCodes)) {
    s.LedBest = best;
    return Play(s, seat, code, true);
  }

  return Play(s, seat, DiscardCode(held), false);
}

}  // namespace

ComputerChoice ChooseFollowCard(TableState& s, int seat) {
  // Nothing on the table yet: there is nothing to follow, so lead.
  if (s.BestCard == 0) return ChooseLeadCard(s, seat);

  const CodeSet held = HeldCodes(s, seat);
  // The trick has been trumped: a seat that still holds the led suit follows
  // with its smallest card of it, which cannot win.
  if (s.LedBest != 0) {
    if (const int code = LowestCode(held & SuitCodes(s.LedBest))) {
      return Play(s, seat, code, false);
    }
  }
  if (IsTrump(s.BestCard)) return FollowTrumpWinning(s, seat, held);
  return FollowPlainWinning(s, seat, held);
}

}  // namespace belote
