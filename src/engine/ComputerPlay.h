// How the computer seats 2..4 choose their card: one deterministic procedure
// for the three seats, reading only their own hand, the trick and the cards
// every player has seen played.
#pragma once

#include "model/TableState.h"

namespace belote {

struct ComputerChoice {
  int slot = 0;            // hand slot 1..8 of the chosen card, never empty
  bool takesLead = false;  // the card now wins the trick
};

// Lead rules when TrickPos is 1, follow rules otherwise. Following with a
// first trump on a plain trick also sets LedBest. Nothing else is changed.
ComputerChoice ChooseComputerCard(TableState& s, int seat);

// The two halves, for tests and benchmarks.
ComputerChoice ChooseLeadCard(const TableState& s, int seat);
ComputerChoice ChooseFollowCard(TableState& s, int seat);

}  // namespace belote
