#include "SelfPlayTable.h"

#include <stdexcept>

#include "HumanSeat.h"
#include "engine/Bidding.h"

namespace belote::selfplay {

namespace {

// A chooser that never closes would hang the run; no sane sequence of
// presses needs this many.
constexpr int kMaxChooserPresses = 1000;

}  // namespace

void TableTexts::StartDeal() {
  callouts.clear();
  presses.clear();
  for (auto& m : marks) m.clear();
}

SelfPlayTable::SelfPlayTable(TableState& s, HumanSeat& human, bool keepTexts)
    : s_(s), human_(human), keepTexts_(keepTexts) {}

void SelfPlayTable::SetText(Control c, std::string_view text) {
  if (!keepTexts_) return;
  switch (c) {
    case Control::ET4:
    case Control::ET5:
    case Control::ET6:
    case Control::ET7:
      texts_.announceBoxes[static_cast<int>(c) - static_cast<int>(Control::ET4) + 1] = text;
      break;
    case Control::ET8:
      texts_.beloteLine = text;
      break;
    case Control::ET9:
      texts_.bestLine = text;
      break;
    case Control::Meilleur:
      // A single space is the label being cleared when a trick closes.
      if (text != " ") texts_.callouts.emplace_back(text);
      break;
    case Control::Label4:
    case Control::Label5:
    case Control::Label6:
    case Control::Label7:
      if (text == " CAPOT" || text == " DEDANS") {
        texts_.marks[static_cast<int>(c) - static_cast<int>(Control::Label4) + 1] = text;
      }
      break;
    default:
      break;
  }
}

int SelfPlayTable::MessageBox(Box box, const std::string&, Buttons, std::optional<BoxPlace>) {
  if (box == Box::TakeQuestion) return human_.AnswerTakeQuestion(s_);
  // Tricks confirmed, takers acknowledged, and always another game.
  return kAnswerYes;
}

void SelfPlayTable::RunSuitChooser() {
  for (int n = 0; n < kMaxChooserPresses; ++n) {
    const int x = human_.PressSuitChooser(s_, n);
    if (keepTexts_) texts_.presses.push_back(x);
    if (SuitChooserPress(s_, *this, x)) return;
  }
  throw std::runtime_error("the suit chooser did not close after " +
                           std::to_string(kMaxChooserPresses) + " presses");
}

}  // namespace belote::selfplay
