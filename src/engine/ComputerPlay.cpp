#include "engine/ComputerPlay.h"

#include <bit>

#include "engine/CardRules.h"

namespace belote {

int SlotOfCode(const TableState& s, int seat, int code) {
  if (code == 0) return 0;
  // Every slot is compared, none skipped: where the card stands is anybody's
  // guess, and a loop that stopped there would be guessed wrong.
  unsigned matches = 0;
  for (int slot = 1; slot <= 8; ++slot) {
    matches |= unsigned{s.SlotCard[seat][slot] == code} << slot;
  }
  return matches == 0 ? 0 : std::countr_zero(matches);
}

ComputerChoice AnyCard(const TableState& s, int seat) {
  ComputerChoice choice;
  for (int slot = 8; slot >= 1 && choice.slot == 0; --slot) {
    if (s.SlotCard[seat][slot] != 0) choice.slot = slot;
  }
  if (choice.slot != 0) choice.takesLead = TakesLead(s.SlotCard[seat][choice.slot], s.BestCard);
  return choice;
}

}  // namespace belote
