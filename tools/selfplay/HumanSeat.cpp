#include "HumanSeat.h"

#include "engine/Bidding.h"
#include "engine/CardRules.h"
#include "engine/ChooserBands.h"
#include "engine/ComputerPlay.h"
#include "engine/PlayStep.h"

namespace belote::selfplay {

namespace {

// Mixed into the run's seed so the human's draws do not mirror the shuffle's.
constexpr std::uint32_t kHumanSalt = 0x48554d41;  // "HUMA"

// Where the computer-ruled human presses the chooser: a suit tile in its
// middle, the pass tile a little in from its left edge, under its words.
int PressOn(int suit) {
  return suit == 0 ? kPassBand.first + 25 : BandMiddle(ChooserBandOf(suit));
}

}  // namespace

HumanSeat::HumanSeat(HumanMode mode, std::int64_t seed) : mode_(mode) {
  const auto u = static_cast<std::uint64_t>(seed);
  std::seed_seq seq{static_cast<std::uint32_t>(u), static_cast<std::uint32_t>(u >> 32), kHumanSalt};
  rng_.seed(seq);
}

int HumanSeat::AnswerTakeQuestion(const TableState& s) {
  if (mode_ == HumanMode::Computer) {
    return TakesInRound1(s, 1) ? kAnswerYes : kAnswerNo;
  }
  // Yes, no, or the box closed with neither button.
  static constexpr int kAnswers[3] = {kAnswerYes, kAnswerNo, 2};
  return kAnswers[std::uniform_int_distribution<int>(0, 2)(rng_)];
}

int HumanSeat::PressSuitChooser(const TableState& s, int pressNo) {
  if (mode_ == HumanMode::Random) return std::uniform_int_distribution<int>(0, 400)(rng_);
  // The chooser stays open only after a press on the turned card's suit,
  // which a computer seat never names: pass then.
  if (pressNo > 0) return PressOn(0);
  return PressOn(NamesInRound2(s, 1));
}

bool HumanSeat::PlayCard(Game& g) {
  TableState& s = g.s;
  if (mode_ == HumanMode::Computer) {
    // Played straight through the play step: the computer rules may
    // under-trump where a click would be refused.
    const int slot = ChooseComputerCard(s, 1).slot;
    if (slot < 1 || slot > 8 || s.SlotCard[1][slot] == 0) return false;
    s.CurRow = slot;
    PlayStep(g);
    return true;
  }
  int legal[8];
  int count = 0;
  for (int slot = 1; slot <= 8; ++slot) {
    if (s.SlotCard[1][slot] != 0 && IsLegalHumanCard(s, slot)) legal[count++] = slot;
  }
  if (count == 0) return false;
  const int slot = legal[std::uniform_int_distribution<int>(0, count - 1)(rng_)];
  return HandImageClick(g, slot);
}

}  // namespace belote::selfplay
