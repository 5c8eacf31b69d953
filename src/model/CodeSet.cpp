#include "model/CodeSet.h"

namespace belote {

CodeSet HeldCodes(const TableState& s, int seat) {
  CodeSet held = 0;
  for (int slot = 1; slot <= 8; ++slot) {
    // Bit `code` of a 64-bit word shifted down one place is the card's bit,
    // and nothing for an empty slot (code 0): no test at all, since which
    // slots are empty changes trick by trick and a test would be guessed
    // wrong. Codes never pass 32; the mask only keeps the shift defined.
    const int code = s.SlotCard[seat][slot] & 63;
    held |= static_cast<CodeSet>(std::uint64_t{1} << code >> 1);
  }
  return held;
}

}  // namespace belote
