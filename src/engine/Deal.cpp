#include "engine/Deal.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <random>
#include <utility>

#include "engine/TextLine.h"
#include "model/Cards.h"

namespace belote {

const int kHandLeft[9] = {0, 236, 300, 364, 428, 492, 556, 620, 680};
const int kHandTop[9] = {0, 412, 396, 388, 380, 380, 388, 396, 412};

void ResetTableDisplay(TableState& s, TableWindow& w) {
  for (int slot = 1; slot <= 8; ++slot) w.LoadPicture(HandImage(slot), kBlankHandFile);
  w.LoadPicture(Control::Image13, kBlankHandFile);
  w.SetText(Control::ET10, TextLine(" 1 - SCORE de ") << s.HumanName << " = 0000");
  w.SetText(Control::ET11, " 2 - SCORE de ARNAL = 0000");
  w.SetText(Control::ET12, " 3 - SCORE de BERTOU = 0000");
  w.SetText(Control::ET13, " 4 - SCORE de CASSOL = 0000");
}

namespace {

// Deals seeded one second apart must not look alike, and the generator is
// seeded afresh at every deal, so the clock's seconds are first stirred
// (a 64-bit finaliser) into the generator's seed range 1..2^31-2.
std::uint32_t ScrambledSeed(std::int64_t seconds) {
  std::uint64_t z = static_cast<std::uint64_t>(seconds) + 0x9E3779B97F4A7C15ull;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  z ^= z >> 31;
  return static_cast<std::uint32_t>(z % 2147483646u) + 1;
}

// A hand holds each card once, so it is put in order by marking its cards in
// a 32-bit set, one bit per card number (1..32), and reading the set back
// from the lowest bit: no comparisons for the machine to guess wrong. The
// marks, or 0 when some number is not a card or stands twice.
std::uint32_t MarkDistinctCards(const int* first, const int* last) {
  std::uint32_t marked = 0;
  bool allCards = true;
  bool repeated = false;
  for (const int* p = first; p != last; ++p) {
    const unsigned bitNo = static_cast<unsigned>(*p) - 1;  // not a card: 32 or more
    const std::uint32_t bit = std::uint32_t{1} << (bitNo & 31);
    allCards &= bitNo < 32;
    repeated |= (marked & bit) != 0;
    marked |= bit;
  }
  return allCards && !repeated ? marked : 0;
}

// Card numbers into rising order.
void SortRising(int* first, int* last) {
  std::uint32_t marked = MarkDistinctCards(first, last);
  if (marked == 0) return std::sort(first, last);
  for (int* p = first; p != last; ++p) {
    *p = std::countr_zero(marked) + 1;
    marked &= marked - 1;
  }
}

// A seat's cards into falling order, each card's points moving with it.
void SortFallingWithPoints(int* card, int* points, int count) {
  std::uint32_t marked = MarkDistinctCards(card, card + count);
  if (marked != 0) {
    int pointsOf[33];
    for (int k = 0; k < count; ++k) pointsOf[card[k]] = points[k];
    for (int k = 0; k < count; ++k) {
      const int highest = 31 - std::countl_zero(marked);
      card[k] = highest + 1;
      points[k] = pointsOf[highest + 1];
      marked &= ~(std::uint32_t{1} << highest);
    }
    return;
  }
  // Empty slots or a card twice: insertion, which keeps equal cards in order.
  for (int k = 1; k < count; ++k) {
    const int movingCard = card[k];
    const int movingPoints = points[k];
    int to = k;
    for (; to > 0 && card[to - 1] < movingCard; --to) {
      card[to] = card[to - 1];
      points[to] = points[to - 1];
    }
    card[to] = movingCard;
    points[to] = movingPoints;
  }
}

}  // namespace

std::int64_t Shuffle(Game& g) {
  TableState& s = g.s;
  const std::int64_t seed = g.clock.Now();
  // The minimal standard generator (the numbers of std::minstd_rand) on
  // 32-bit words, where the library works it out quicker than on the 64-bit
  // words minstd_rand has here. It is seeded afresh for every deal.
  std::linear_congruential_engine<std::uint32_t, 48271, 0, 2147483647> rng(ScrambledSeed(seed));
  // The 32 picture numbers in the order they are drawn: a number already
  // drawn is drawn again. Counting the new ones instead of looping on each
  // card keeps the machine from guessing wrong at every repeat.
  int order[32];
  int kept = 0;
  while (kept < 32) {
    const int r = static_cast<int>(rng() % 32) + 1;
    order[kept] = r;
    kept += 1 - s.Drawn[r];
    s.Drawn[r] = 1;
  }
  // Eight draws per seat in turn: five cards dealt now, three reserved for
  // the rest of the deal (kept in SlotPoints until then).
  const int* next = order;
  for (int seat = 1; seat <= 4; ++seat) {
    for (int slot = 1; slot <= 5; ++slot) s.SlotPicture[seat][slot] = *next++;
    for (int slot = 6; slot <= 8; ++slot) s.SlotPoints[seat][slot] = *next++;
  }
  // The very last card drawn is the one turned up.
  s.TurnedCard = s.SlotPoints[4][8];
  return seed;
}

void ShowFirstFive(TableState& s, TableWindow& w) {
  for (int seat = 1; seat <= 4; ++seat)
    SortRising(&s.SlotPicture[seat][1], &s.SlotPicture[seat][6]);
  for (int slot = 1; slot <= 5; ++slot) {
    w.LoadPicture(HandImage(slot), PictureFile(s.SlotPicture[1][slot]));
  }
  w.LoadPicture(Control::Image13, PictureFile(s.TurnedCard));
}

void GiveTurnedCard(TableState& s, int taker) {
  // The turned card was dealt as seat 4's last reserved card.
  if (taker >= 1 && taker <= 3) std::swap(s.SlotPoints[taker][8], s.SlotPoints[4][8]);
  for (int seat = 1; seat <= 4; ++seat) {
    for (int slot = 6; slot <= 8; ++slot) s.SlotPicture[seat][slot] = s.SlotPoints[seat][slot];
  }
}

void CompleteDeal(TableState& s, TableWindow& w) {
  for (int seat = 1; seat <= 4; ++seat)
    SortRising(&s.SlotPicture[seat][1], &s.SlotPicture[seat][9]);
  static const char* const kTrumpSounds[5] = {"", "So/C.Wav", "So/K.Wav", "So/P.Wav", "So/T.Wav"};
  if (s.TrumpSuit >= 1 && s.TrumpSuit <= 4) {
    if (s.SoundOn == 1) w.PlaySound(kTrumpSounds[s.TrumpSuit]);
    s.TrumpPicture = SuitSignPicture(s.TrumpSuit);
  }
  for (int slot = 1; slot <= 8; ++slot) {
    w.LoadPicture(HandImage(slot), PictureFile(s.SlotPicture[1][slot]));
  }
  w.LoadPicture(Control::Image13, PictureFile(s.TrumpPicture));
  w.SetText(Control::ET14, "VERIFICATION St ANNONCES");
}

void RecodeCards(TableState& s) {
  // Every picture under every trump suit, worked out once for the program.
  static const auto kRecoded = [] {
    std::array<std::array<Recoded, 33>, 5> table{};
    for (int trump = 0; trump <= 4; ++trump) {
      for (int picture = 1; picture <= 32; ++picture)
        table[trump][picture] = RecodePicture(picture, trump);
    }
    return table;
  }();
  const bool known = s.TrumpSuit >= 0 && s.TrumpSuit <= 4;
  for (int seat = 1; seat <= 4; ++seat) {
    for (int slot = 1; slot <= 8; ++slot) {
      const int picture = s.SlotPicture[seat][slot];
      if (picture == 0) continue;
      const Recoded r = known && picture >= 1 && picture <= 32
                            ? kRecoded[s.TrumpSuit][picture]
                            : RecodePicture(picture, s.TrumpSuit);
      s.SlotCard[seat][slot] = r.code;
      s.SlotPoints[seat][slot] = r.points;
      s.SlotSequence[seat][slot] = r.sequenceKey;
      s.PictureOf[r.code] = picture;
    }
  }
}

void SortHands(TableState& s, TableWindow& w) {
  for (int seat = 1; seat <= 4; ++seat) {
    // Falling codes. Cards move with their points; pictures and sequence
    // keys stay behind.
    int* card = s.SlotCard[seat];
    SortFallingWithPoints(card + 1, s.SlotPoints[seat] + 1, 8);
    s.TrumpCount[seat] = 0;
    for (int slot = 1; slot <= 8; ++slot) {
      if (card[slot] > 24) ++s.TrumpCount[seat];
    }
  }
  for (int slot = 1; slot <= 8; ++slot) {
    w.LoadPicture(HandImage(slot), PictureFile(s.PictureOf[s.SlotCard[1][slot]]));
  }
}

}  // namespace belote
