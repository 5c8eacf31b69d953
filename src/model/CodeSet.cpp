#include "model/CodeSet.h"

namespace belote {

CodeSet HeldCodes(const TableState& s, int seat) {
  CodeSet held = 0;
  for (int slot = 1; slot <= 8; ++slot) held |= CodeBit(s.SlotCard[seat][slot]);
  return held;
}

}  // namespace belote
