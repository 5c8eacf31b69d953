// Who sits in the human's chair during self-play: either a player that
// follows the computer seats' own rules, or one that does anything the
// table lets a human do, at random.
#pragma once

#include <cstdint>
#include <random>

#include "engine/Game.h"

namespace belote::selfplay {

enum class HumanMode { Computer, Random };

class HumanSeat {
 public:
  // The random player draws from its own generator, seeded from the run's
  // seed, so the shuffles are the same whatever it does.
  HumanSeat(HumanMode mode, std::int64_t seed);

  // Answer to "... Tu la prends cette carte?": 6, 7, or a box closed
  // without either button.
  int AnswerTakeQuestion(const TableState& s);
  // x of the press number `pressNo` (0 first) on the suit chooser.
  int PressSuitChooser(const TableState& s, int pressNo);
  // Plays the human's card in the current trick. Returns false when the
  // hand holds no card it may play, which the rules never allow.
  bool PlayCard(Game& g);

 private:
  HumanMode mode_;
  std::mt19937 rng_;
};

}  // namespace belote::selfplay
