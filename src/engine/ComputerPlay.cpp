#include "engine/ComputerPlay.h"

#include "engine/CardRules.h"

namespace belote {

int SlotOfCode(const TableState& s, int seat, int code) {
  if (code == 0) return 0;
  for (int slot = 1; slot <= 8; ++slot) {
    if (s.SlotCard[seat][slot] == code) return slot;
  }
  return 0;
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
