#include "engine/ComputerPlay.h"

#include "engine/CardRules.h"

namespace belote {

int SlotHolding(const TableState& s, int seat, int code) {
  if (code == 0) return 0;
  for (int slot = 1; slot <= 8; ++slot) {
    if (s.SlotCard[seat][slot] == code) return slot;
  }
  return 0;
}

ComputerChoice ChooseComputerCard(TableState& s, int seat) {
  ComputerChoice choice = s.TrickPos == 1 ? ChooseLeadCard(s, seat) : ChooseFollowCard(s, seat);
  if (choice.slot == 0) {
    // The rules cover every card, so this only happens with a hand the deal
    // never produces; still hand back a real card rather than an empty slot.
    choice.slot = ScanDown(s, seat, [](int, int) { return true; });
    if (choice.slot != 0) choice.takesLead = TakesLead(s.SlotCard[seat][choice.slot], s.BestCard);
  }
  return choice;
}

}  // namespace belote
