#include "ui/record/DealForecast.h"

#include "engine/Scoring.h"

namespace belote {

namespace {

// Shows nothing, waits for nothing and answers "&Oui" to another game, so
// that the scoring runs through as it will on the table.
class UnseenTable : public HeadlessTable {
 public:
  int MessageBox(Box, const std::string&, Buttons, std::optional<BoxPlace>) override {
    return kAnswerYes;
  }
  void RunSuitChooser() override {}
  void Quit() override {}
  bool Closing() const override { return false; }
};

class StillClock : public SecondsClock {
 public:
  std::int64_t Now() override { return 0; }
};

}  // namespace

DealRecord ForecastDealEnd(const DealRecord& record, const TableState& state) {
  TableState copy = state;
  DealRecord after = record;
  after.Follow(copy);
  UnseenTable table;
  StillClock clock;
  Game g{copy, table, clock, {&after}};
  try {
    EndDeal(g);
  } catch (const ProgramEnds&) {
    // Not on this table: it never closes.
  }
  after.Follow(state);
  return after;
}

}  // namespace belote
