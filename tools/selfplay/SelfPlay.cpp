#include "SelfPlay.h"

#include <exception>
#include <memory>

#include "DealChecker.h"
#include "SelfPlayTable.h"
#include "Transcript.h"
#include "engine/PlayStep.h"
#include "model/Cards.h"

namespace belote::selfplay {

RunResult RunSelfPlay(const RunOptions& options) {
  RunResult result;
  TableState s;
  // What the options panel leaves behind when its start button is pressed.
  s.TargetScore = options.target;
  s.SoundOn = 0;
  s.AnimationOn = 0;
  s.HumanName = kDefaultHumanName;
  s.CurRow = 0;

  HumanSeat human(options.human, options.seed);
  SelfPlayTable table(s, human, options.transcript != nullptr);
  SteppingClock clock(options.seed);
  std::unique_ptr<DealCounter> counter;
  const TranscriptWriter* writer = nullptr;
  if (options.transcript != nullptr) {
    auto transcript =
        std::make_unique<TranscriptWriter>(s, table, options.deals, *options.transcript);
    writer = transcript.get();
    counter = std::move(transcript);
  } else {
    counter = std::make_unique<DealCounter>(table, options.deals);
  }
  std::unique_ptr<DealChecker> checker;
  PlayObserver* observer = counter.get();
  if (options.check) {
    checker = std::make_unique<DealChecker>(s, table, options.human, *counter);
    observer = checker.get();
  }
  Game g{s, table, clock, {observer}};

  if (options.deals <= 0) return result;
  try {
    PlayStep(g);  // a new game, and the first deal up to the human's first card
    while (!table.Closing()) {
      if (s.CurSeatIdx != 0) {
        result.error =
            "the play stopped while seat " + std::to_string(s.CurSeatIdx + 1) + " was to play";
        break;
      }
      const std::int64_t cardsBefore = counter->CardsPlayed();
      if (!human.PlayCard(g)) {
        result.error = "seat 1 has no card it may play";
        break;
      }
      if (!table.Closing() && counter->CardsPlayed() == cardsBefore) {
        result.error = "seat 1's card was not played";
        break;
      }
    }
  } catch (const ProgramEnds&) {
    // The table stopped the engine in a wait; the run is over.
  } catch (const std::exception& e) {
    result.error = e.what();
  }
  result.deals = counter->DealsPlayed();
  if (writer != nullptr && writer->WriteFailed()) {
    // Said by the caller, who knows where the transcript was going.
    result.transcriptFailed = true;
    return result;
  }
  if (checker != nullptr && !checker->Breach().empty()) {
    result.error = checker->Breach();
    return result;
  }
  if (result.error.empty() && result.deals != options.deals) {
    result.error = "the game ended after " + std::to_string(result.deals) + " deals";
  }
  return result;
}

}  // namespace belote::selfplay
