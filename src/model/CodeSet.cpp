#include "model/CodeSet.h"

namespace belote {

CodeSet HeldCodes(const TableState& s, int seat) {
  CodeSet held = 0;
  for (int slot = 1; slot <= 8; ++slot) {
    const int code = s.SlotCard[seat][slot];
    // Bit `code` shifted down one place: an empty slot (code 0) adds nothing
    // without a test of its own, which would be guessed wrong as the slots
    // empty trick by trick. The range test only keeps out a number that is
    // not a card, and always goes the same way.
    if (code >= 0 && code <= 32) held |= CodeSet(std::uint64_t{1} << code >> 1);
  }
  return held;
}

}  // namespace belote
