// How the computer seats 2..4 choose their card: one deterministic procedure
// for the three seats, reading only their own hand, the trick and the cards
// every player has seen played.
#pragma once

#include "model/CodeSet.h"
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

// The slot holding `code` in the seat's hand, 0 when `code` is 0 or not held.
int SlotOfCode(const TableState& s, int seat, int code);

// True when every card of the suit above `code`, up to the suit's top code
// `top`, has been played: nobody can beat `code` in its suit any more.
inline bool AllPlayedAbove(const TableState& s, int code, int top) {
  for (int above = code + 1; above <= top; ++above) {
    if (s.Played[above] != 1) return false;
  }
  return true;
}

// Each code of the list in turn: the first one held, 0 when none is.
template <typename CodeList>
int FirstHeld(CodeSet held, const CodeList& codes) {
  for (const int code : codes) {
    if (Holds(held, code)) return code;
  }
  return 0;
}

}  // namespace belote
