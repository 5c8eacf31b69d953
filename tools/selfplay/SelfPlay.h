// A whole self-play run: games one after the other until the wanted number
// of deals has been played, as if the options panel had just been confirmed.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>

#include "HumanSeat.h"
#include "model/TableState.h"

namespace belote::selfplay {

struct RunOptions {
  std::int64_t deals = 0;  // deals played to their end; redeals do not count
  std::int64_t seed = 0;   // first second the shuffles are seeded with
  HumanMode human = HumanMode::Computer;
  int target = kDefaultTargetScore;
  std::ostream* transcript = nullptr;  // one JSON line per deal when set
  bool check = false;                  // verify every deal and stop at the first breach
};

struct RunResult {
  std::int64_t deals = 0;
  std::string error;              // what broke the run, empty when it went through
  bool transcriptFailed = false;  // the run stopped at a transcript line it could not write
};

RunResult RunSelfPlay(const RunOptions& options);

}  // namespace belote::selfplay
