// The card table as the self-play runner sees it: no window, no waits, every
// box confirmed, the human's questions passed to the seat that plays for him.
// When a transcript is asked for it keeps the few texts the transcript needs.
#pragma once

#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "engine/TableWindow.h"
#include "model/TableState.h"

namespace belote::selfplay {

class HumanSeat;

// What the table remembers of the texts written during a deal.
struct TableTexts {
  std::string announceBoxes[5];       // ET4..ET7, seats 1..4
  std::string beloteLine;             // ET8
  std::string bestLine;               // ET9
  std::vector<std::string> callouts;  // Meilleur, since the last trick closed
  std::string marks[5];               // " CAPOT" or " DEDANS" on a bid label, seats 1..4
  std::vector<int> presses;           // the human's presses on the suit chooser

  void StartDeal();
};

class SelfPlayTable : public HeadlessTable {
 public:
  SelfPlayTable(TableState& s, HumanSeat& human, bool keepTexts);

  const TableTexts& Texts() const { return texts_; }
  TableTexts& Texts() { return texts_; }
  // Ends the run: the engine stops at its next wait.
  void Stop() { closing_ = true; }

  void SetText(Control c, std::string_view text) override;
  int MessageBox(Box box, const std::string& text, Buttons buttons,
                 std::optional<BoxPlace> pos) override;
  void RunSuitChooser() override;
  void Quit() override { closing_ = true; }
  bool Closing() const override { return closing_; }
  bool KeepsTexts() const override { return keepTexts_; }

 private:
  TableState& s_;
  HumanSeat& human_;
  bool keepTexts_;
  bool closing_ = false;
  TableTexts texts_;
};

// A clock that moves one second on every reading, from a chosen start: runs
// repeat exactly, and two shuffles in a row never get the same seed. A run
// that would read past the largest second stops there instead of going round
// to negative seconds.
class SteppingClock : public SecondsClock {
 public:
  explicit SteppingClock(std::int64_t start) : next_(start) {}
  std::int64_t Now() override {
    if (spent_) {
      throw std::runtime_error("the shuffles used every second up to the largest one (" +
                               std::to_string(next_) + "); start again with a smaller --seed");
    }
    if (next_ == std::numeric_limits<std::int64_t>::max()) {
      spent_ = true;
      return next_;
    }
    return next_++;
  }

 private:
  std::int64_t next_;
  bool spent_ = false;
};

}  // namespace belote::selfplay
