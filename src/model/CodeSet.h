// A hand, or any other handful of cards, as a set of codes: one bit per
// code, bit c - 1 for code c. The rules keep asking a hand the same kind of
// question, "my lowest trump", "a card of the led suit", "a trump above the
// best one", and a set answers each at once instead of a walk through the
// eight slots.
#pragma once

#include <bit>
#include <cstdint>

#include "model/Cards.h"
#include "model/TableState.h"

namespace belote {

using CodeSet = std::uint32_t;

// Codes lo..hi; empty when lo > hi. lo 1..33, hi 0..32.
constexpr CodeSet Codes(int lo, int hi) {
  const std::uint64_t upToHi = (std::uint64_t{1} << hi) - 1;
  return static_cast<CodeSet>(upToHi >> (lo - 1) << (lo - 1));
}
constexpr CodeSet kTrumpCodes = Codes(25, 32);
constexpr CodeSet kPlainCodes = Codes(1, 24);

// The eight codes of the suit of `code`; none for a code outside 1..32.
constexpr CodeSet SuitCodes(int code) {
  if (code < 1 || code > 32) return 0;
  const int base = BlockOf(code) * 8;
  return Codes(base + 1, base + 8);
}

// Codes above and below `code` (1..32), in every suit; callers keep to one
// suit by taking these with a suit's codes.
constexpr CodeSet Above(int code) {
  return Codes(code + 1, 32);
}
constexpr CodeSet Below(int code) {
  return Codes(1, code - 1);
}

// The set of the one code, or no code for a number that is not a card.
constexpr CodeSet CodeBit(int code) {
  return code >= 1 && code <= 32 ? CodeSet{1} << (code - 1) : 0;
}

constexpr bool Holds(CodeSet set, int code) {
  return code >= 1 && code <= 32 && (set >> (code - 1) & 1) != 0;
}

// The lowest code of a set, 0 when it is empty. A hand is sorted by falling
// code, so this is the card met first when the slots are scanned from 8 down.
constexpr int LowestCode(CodeSet set) {
  return set == 0 ? 0 : std::countr_zero(set) + 1;
}

// The highest code of a set, 0 when it is empty.
constexpr int HighestCode(CodeSet set) {
  return set == 0 ? 0 : 32 - std::countl_zero(set);
}

// The codes in the seat's hand.
CodeSet HeldCodes(const TableState& s, int seat);

}  // namespace belote
