// How the computer seats 2..4 choose their card: one deterministic procedure
// for the three seats, reading only their own hand, the trick and the cards
// every player has seen played.
#pragma once

#include <array>
#include <cstdint>

#include "model/TableState.h"

namespace belote {

struct ComputerChoice {
  int slot = 0;            // hand slot 1..8 of the chosen card, never empty
  bool takesLead = false;  // the card now wins the trick
};

// The two halves of the choice below, also for tests and benchmarks.
ComputerChoice ChooseLeadCard(const TableState& s, int seat);
ComputerChoice ChooseFollowCard(TableState& s, int seat);

// The rules cover every card, so this is only asked with a hand the deal
// never produces: still a real card rather than an empty slot.
[[gnu::cold]] ComputerChoice AnyCard(const TableState& s, int seat);

// Lead rules when TrickPos is 1, follow rules otherwise. Following with a
// first trump on a plain trick also sets LedBest. Nothing else is changed.
inline ComputerChoice ChooseComputerCard(TableState& s, int seat) {
  const ComputerChoice choice =
      s.TrickPos == 1 ? ChooseLeadCard(s, seat) : ChooseFollowCard(s, seat);
  if (choice.slot == 0) [[unlikely]]
    return AnyCard(s, seat);
  return choice;
}

// The three ways a computer seat looks for a card in its own hand. Each
// returns the slot found, 0 when none.

// Where each code stands in a seat's hand, 0 for a code it does not hold: the
// rules ask for many cards by code, and one look through the hand answers
// them all. Index 0 is always 0.
using SlotsByCode = std::array<std::int8_t, 33>;
SlotsByCode SlotsOf(const TableState& s, int seat);

// The slot holding `code` (a code stands in at most one slot).
inline int SlotHolding(const SlotsByCode& slots, int code) {
  return slots[code];
}

// Slots 8 down to 1: the first non-empty slot whose card and points satisfy
// `wanted(code, points)`. With the hand sorted by falling code this meets the
// cards from the lowest code up.
template <typename Wanted>
int ScanDown(const TableState& s, int seat, Wanted wanted) {
  for (int slot = 8; slot >= 1; --slot) {
    const int code = s.SlotCard[seat][slot];
    if (code != 0 && wanted(code, s.SlotPoints[seat][slot])) return slot;
  }
  return 0;
}

// True when every card of the suit above `code`, up to the suit's top code
// `top`, has been played: nobody can beat `code` in its suit any more.
inline bool AllPlayedAbove(const TableState& s, int code, int top) {
  for (int above = code + 1; above <= top; ++above) {
    if (s.Played[above] != 1) return false;
  }
  return true;
}

// Each code of the list in turn: the slot of the first one held.
template <typename Codes>
int FirstHeld(const SlotsByCode& slots, const Codes& codes) {
  for (const int code : codes) {
    if (const int slot = SlotHolding(slots, code); slot != 0) return slot;
  }
  return 0;
}

}  // namespace belote
