// Figures for the engine's hot paths: the computer players' choice, the
// announcements, and whole deals on a table that shows nothing.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "engine/Announcements.h"
#include "engine/Bidding.h"
#include "engine/ComputerPlay.h"
#include "engine/Deal.h"
#include "engine/Game.h"
#include "engine/PlayStep.h"
#include "model/Cards.h"

namespace belote {
namespace {

// A table that shows nothing and confirms every box.
class QuietTable : public HeadlessTable {
 public:
  explicit QuietTable(TableState& s) : s_(s) {}
  int MessageBox(Box, const std::string&, Buttons, std::optional<BoxPlace>) override {
    return kAnswerYes;
  }
  void RunSuitChooser() override {
    // The human passes in the second round.
    SuitChooserPress(s_, *this, 300);
  }
  void Quit() override {}
  bool Closing() const override { return false; }

 private:
  TableState& s_;
};

class CountingClock : public SecondsClock {
 public:
  explicit CountingClock(std::int64_t start = 1700000000) : t_(start) {}
  std::int64_t Now() override { return ++t_; }

 private:
  std::int64_t t_;
};

class DealCounter : public PlayObserver {
 public:
  void DealScored() override { ++deals; }
  long deals = 0;
};

// A table with a fresh deal, re-coded, trump taken by seat 2 on the turned
// suit; sorted for the play unless the announcements are to be measured.
struct DealtTable {
  TableState s;
  QuietTable w{s};
  CountingClock clock;
  Game g{s, w, clock};

  explicit DealtTable(bool sorted, std::int64_t second = 1700000000) : clock(second) {
    Shuffle(g);
    ShowFirstFive(s, w);
    CountTurnedSuit(s);
    s.Taker = 2;
    GiveTurnedCard(s, 2);
    CompleteDeal(s, w);
    RecodeCards(s);
    if (sorted) SortHands(s, w);
  }
};

// Many different deals, taken in turn, as a game meets them.
std::vector<std::unique_ptr<DealtTable>> ManyDeals(int count) {
  std::vector<std::unique_ptr<DealtTable>> deals;
  for (int n = 0; n < count; ++n)
    deals.push_back(std::make_unique<DealtTable>(true, 1700000000 + n));
  return deals;
}
constexpr int kDeals = 1024;

void BM_ChooseComputerCardLead(benchmark::State& state) {
  auto deals = ManyDeals(kDeals);
  for (auto& d : deals) {
    d->s.TrickPos = 1;
    d->s.TrickNo = 1;
  }
  std::size_t next = 0;
  for (auto _ : state) {
    TableState& s = deals[next]->s;
    next = (next + 1) % deals.size();
    for (int seat = 2; seat <= 4; ++seat) benchmark::DoNotOptimize(ChooseComputerCard(s, seat));
  }
  state.SetItemsProcessed(state.iterations() * 3);
}
BENCHMARK(BM_ChooseComputerCardLead);

void BM_ChooseComputerCardFollow(benchmark::State& state) {
  auto deals = ManyDeals(kDeals);
  // Seat 1 has led its lowest card; the others follow.
  for (auto& d : deals) {
    d->s.TrickPos = 2;
    d->s.TrickNo = 1;
    d->s.BestCard = d->s.SlotCard[1][8];
  }
  std::size_t next = 0;
  for (auto _ : state) {
    TableState& s = deals[next]->s;
    next = (next + 1) % deals.size();
    for (int seat = 2; seat <= 4; ++seat) {
      s.LedBest = 0;
      benchmark::DoNotOptimize(ChooseComputerCard(s, seat));
    }
  }
  state.SetItemsProcessed(state.iterations() * 3);
}
BENCHMARK(BM_ChooseComputerCardFollow);

void BM_Announcements(benchmark::State& state) {
  DealtTable table(false);
  TableState& s = table.s;
  QuietTable& w = table.w;
  const TableState dealt = s;
  for (auto _ : state) {
    s = dealt;
    DetectAnnouncements(s, w);
    ScoreAnnouncements(s, w);
    benchmark::DoNotOptimize(s.BestAnnouncer);
  }
}
BENCHMARK(BM_Announcements);

// Whole deals through the play step, the human seat playing by the
// computer players' rules.
void BM_WholeDeal(benchmark::State& state) {
  TableState s;
  QuietTable w(s);
  CountingClock clock;
  DealCounter counter;
  Game g{s, w, clock, {&counter}};
  s.TargetScore = 2500;
  s.HumanName = kDefaultHumanName;
  PlayStep(g);
  for (auto _ : state) {
    const long target = counter.deals + 1;
    while (counter.deals < target) {
      s.CurRow = ChooseComputerCard(s, 1).slot;
      PlayStep(g);
    }
  }
  state.SetItemsProcessed(counter.deals);
}
BENCHMARK(BM_WholeDeal);

}  // namespace
}  // namespace belote

BENCHMARK_MAIN();
