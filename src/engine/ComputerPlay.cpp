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

namespace {

// The rules cover every card, so this only happens with a hand the deal
// never produces; still hand back a real card rather than an empty slot.
// Kept out of the way of the usual choice.
[[gnu::noinline, gnu::cold]] ComputerChoice AnyCard(const TableState& s, int seat) {
  ComputerChoice choice;
  choice.slot = ScanDown(s, seat, [](int, int) { return true; });
  if (choice.slot != 0) choice.takesLead = TakesLead(s.SlotCard[seat][choice.slot], s.BestCard);
  return choice;
}

}  // namespace

ComputerChoice ChooseComputerCard(TableState& s, int seat) {
  const ComputerChoice choice =
      s.TrickPos == 1 ? ChooseLeadCard(s, seat) : ChooseFollowCard(s, seat);
  if (choice.slot == 0) [[unlikely]]
    return AnyCard(s, seat);
  return choice;
}

}  // namespace belote
