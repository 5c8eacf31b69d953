#include "engine/Deal.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <random>
#include <utility>

#include "engine/Scoring.h"
#include "engine/TextLine.h"
#include "model/Cards.h"

namespace belote {

void ResetTableDisplay(TableState& s, TableWindow& w) {
  for (int slot = 1; slot <= 8; ++slot) w.LoadPicture(HandControl(slot), kBlankHandFile);
  w.LoadPicture(Control::Image13, kBlankHandFile);
  for (int seat = 1; seat <= 4; ++seat) w.SetText(ScoreLabel(seat), ScoreLine(s, seat, "0000"));
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

}  // namespace

std::int64_t Shuffle(Game& g) {
  TableState& s = g.s;
  const std::int64_t seed = g.clock.Now();
  // The minimal standard generator: std::minstd_rand's numbers, on 32-bit
  // words.
  std::linear_congruential_engine<std::uint32_t, 48271, 0, 2147483647> rng(ScrambledSeed(seed));
  // Eight draws per seat in turn: five cards dealt now, three reserved for
  // the rest of the deal (kept in SlotPoints until then). A number already
  // drawn is drawn again.
  for (int p = 1; p <= 32; ++p) {
    int r = 0;
    do {
      r = static_cast<int>(rng() % 32) + 1;
    } while (s.Drawn[r] == 1);
    s.Drawn[r] = 1;
    const int seat = (p - 1) / 8 + 1;
    const int slot = (p - 1) % 8 + 1;
    if (slot <= 5) {
      s.SlotPicture[seat][slot] = r;
    } else {
      s.SlotPoints[seat][slot] = r;
    }
  }
  // The very last card drawn is the one turned up.
  s.TurnedCard = s.SlotPoints[4][8];
  return seed;
}

void ShowFirstFive(TableState& s, TableWindow& w) {
  for (int seat = 1; seat <= 4; ++seat) std::sort(&s.SlotPicture[seat][1], &s.SlotPicture[seat][6]);
  for (int slot = 1; slot <= 5; ++slot) {
    w.LoadPicture(HandControl(slot), PictureFile(s.SlotPicture[1][slot]));
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
  for (int seat = 1; seat <= 4; ++seat) std::sort(&s.SlotPicture[seat][1], &s.SlotPicture[seat][9]);
  static const char* const kTrumpSounds[5] = {"", "So/C.Wav", "So/K.Wav", "So/P.Wav", "So/T.Wav"};
  if (s.TrumpSuit >= 1 && s.TrumpSuit <= 4) {
    if (s.SoundOn == 1) w.PlaySound(kTrumpSounds[s.TrumpSuit]);
    s.TrumpPicture = SuitSignPicture(s.TrumpSuit);
  }
  for (int slot = 1; slot <= 8; ++slot) {
    w.LoadPicture(HandControl(slot), PictureFile(s.SlotPicture[1][slot]));
  }
  w.LoadPicture(Control::Image13, PictureFile(s.TrumpPicture));
  w.SetText(Control::ET14, "VERIFICATION St ANNONCES");
}

void RecodeCards(TableState& s) {
  for (int seat = 1; seat <= 4; ++seat) {
    for (int slot = 1; slot <= 8; ++slot) {
      const int picture = s.SlotPicture[seat][slot];
      if (picture == 0) continue;
      const Recoded r = RecodePicture(picture, s.TrumpSuit);
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
    std::array<std::pair<int, int>, 8> hand;
    for (int slot = 1; slot <= 8; ++slot)
      hand[slot - 1] = {s.SlotCard[seat][slot], s.SlotPoints[seat][slot]};
    std::stable_sort(hand.begin(), hand.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    s.TrumpCount[seat] = 0;
    for (int slot = 1; slot <= 8; ++slot) {
      s.SlotCard[seat][slot] = hand[slot - 1].first;
      s.SlotPoints[seat][slot] = hand[slot - 1].second;
      if (IsTrump(s.SlotCard[seat][slot])) ++s.TrumpCount[seat];
    }
  }
  for (int slot = 1; slot <= 8; ++slot) {
    w.LoadPicture(HandControl(slot), PictureFile(s.PictureOf[s.SlotCard[1][slot]]));
  }
}

}  // namespace belote
