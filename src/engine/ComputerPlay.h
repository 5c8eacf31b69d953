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
ComputerChoice AnyCard(const TableState& s, int seat);

// Lead rules when TrickPos is 1, follow rules otherwise. Following with a
// first trump on a plain trick also sets LedBest. Nothing else is changed.
inline ComputerChoice ChooseComputerCard(TableState& s, int seat) {
  const ComputerChoice choice =
      s.TrickPos == 1 ? ChooseLeadCard(s, seat) : ChooseFollowCard(s, seat);
  if (choice.slot == 0) return AnyCard(s, seat);
  return choice;
}

// The slot holding `code` in the seat's hand, 0 when `code` is 0 or not held.
int SlotOfCode(const TableState& s, int seat, int code);

// The master card of the suit of `code` (1..32): its highest card not yet
// played, which nobody can beat in that suit any more. 0 when all eight are
// played.
inline int MasterOfSuit(const TableState& s, int code) {
  const int base = BlockOf(code) * 8;
  for (int card = base + 8; card > base; --card) {
    if (s.Played[card] != 1) return card;
  }
  return 0;
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
