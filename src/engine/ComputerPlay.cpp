#include "engine/ComputerPlay.h"

#include "engine/CardRules.h"

namespace belote {

SlotsByCode SlotsOf(const TableState& s, int seat) {
  SlotsByCode slots{};
  // From the last slot up, so that the first slot wins should a code ever
  // stand twice.
  for (int slot = 8; slot >= 1; --slot) {
    const int code = s.SlotCard[seat][slot];
    if (code >= 1 && code <= 32) slots[code] = static_cast<std::int8_t>(slot);
  }
  return slots;
}

ComputerChoice AnyCard(const TableState& s, int seat) {
  ComputerChoice choice;
  choice.slot = ScanDown(s, seat, [](int, int) { return true; });
  if (choice.slot != 0) choice.takesLead = TakesLead(s.SlotCard[seat][choice.slot], s.BestCard);
  return choice;
}

}  // namespace belote
