// How a computer seat leads a trick: master trumps while trumps are out,
// its lowest trump from the third trick on when it is long in trumps, then
// the highest unplayed card of a plain suit, and otherwise its smallest card.
#include <array>
#include <bit>

#include "engine/ComputerPlay.h"
#include "model/Cards.h"

namespace belote {

namespace {

// The master trumps in the order they are led, each once every trump before
// it in the list has been seen, and only by a seat dealt enough trumps.
struct MasterTrump {
  int code;
  int minTrumpsDealt;
};
constexpr std::array<MasterTrump, 4> kMasterTrumps = {{
    {32, 2},  // jack
    {31, 2},  // nine
    {30, 3},  // ace
    {29, 3},  // ten
}};

// Plain suits by block base, in the order a lead looks at them.
constexpr std::array<int, 3> kPlainBases = {16, 8, 0};

// When nothing is master: the plain cards rank by rank from the sevens up to
// the tens, then the trumps from the seven to the jack. No ace here: an ace
// in hand is always master.
constexpr std::array<int, 29> kFallbackLeads = {17, 9,  1,  18, 10, 2,  19, 11, 3,  20,
                                                12, 4,  21, 13, 5,  22, 14, 6,  23, 15,
                                                7,  25, 26, 27, 28, 29, 30, 31, 32};

int MasterTrumpCode(const TableState& s, int seat, CodeSet held) {
  const int dealt = s.TrumpCount[seat];
  bool higherAllPlayed = true;
  for (const MasterTrump& m : kMasterTrumps) {
    if (higherAllPlayed && dealt >= m.minTrumpsDealt && Holds(held, m.code)) return m.code;
    higherAllPlayed = higherAllPlayed && s.Played[m.code] == 1;
  }
  return 0;
}

// A seat long in trumps draws them with its smallest one from the third
// trick on, unless both jack and nine are already gone.
int LowTrumpCode(const TableState& s, int seat, CodeSet held) {
  if (s.TrickNo < 3 || s.TrumpCount[seat] < 3) return 0;
  if (s.Played[32] == 1 && s.Played[31] == 1) return 0;
  return LowestCode(held & kTrumpCodes);
}

// The seat's master plain cards, the cards no unplayed card of their suit
// can beat: all aces first, then all tens, and so on down to the sevens; at
// equal rank the suits go in the order of kPlainBases, highest block first.
int MasterPlainCode(const TableState& s, CodeSet held) {
  CodeSet masters = 0;
  for (const int base : kPlainBases) masters |= CodeBit(MasterOfSuit(s, base + 1));
  masters &= held;
  if (masters == 0) return 0;
  // The three plain cards of one rank, one in each suit.
  constexpr CodeSet kSevens = CodeBit(1) | CodeBit(9) | CodeBit(17);
  for (int strength = 8; strength >= 1; --strength) {
    if (const int code = HighestCode(masters & kSevens << (strength - 1))) return code;
  }
  return 0;
}

}  // namespace

ComputerChoice ChooseLeadCard(const TableState& s, int seat) {
  const CodeSet held = HeldCodes(s, seat);
  // Trumps are out while some trump is neither in this hand nor played.
  const bool trumpsOut = std::popcount(held & kTrumpCodes) + s.TrumpsPlayed != 8;
  int code = 0;
  if (trumpsOut) code = MasterTrumpCode(s, seat, held);
  if (code == 0 && trumpsOut) code = LowTrumpCode(s, seat, held);
  if (code == 0) code = MasterPlainCode(s, held);
  if (code == 0) code = FirstHeld(held, kFallbackLeads);
  // A card led always wins the trick so far.
  const int slot = SlotOfCode(s, seat, code);
  return {slot, slot != 0};
}

}  // namespace belote
