// The cards' glides on the card table, one Timer1 tick at a time: the card
// the human clicked rises from the hand to his place, and a computer seat's
// card slides sideways onto its place.
#include <QScopeGuard>
#include <QTimer>

#include "engine/PlayStep.h"
#include "engine/TableGeometry.h"
#include "ui/table/Unit1.h"
#include "ui/widgets/TableWidgets.h"

namespace belote {

void TForm1::Tell(TickMoment moment) {
  if (tickObserver) tickObserver(moment);
}

void TForm1::Timer1Timer() {
  Tell(TickMoment::Begins);
  const QScopeGuard ends([this] { Tell(TickMoment::Ends); });
  if (closing_) {
    Timer1->stop();
    humanCardGliding_ = false;
    return;
  }
  if (state_.CurSeatIdx == 0) {
    // Only a card the human has just clicked glides: a tick left over from a
    // computer card's slide must not lift a card out of the hand.
    if (!humanCardGliding_ || HandImage(state_.CurRow) == nullptr) {
      Timer1->stop();
      humanCardGliding_ = false;
      return;
    }
    HumanGlideTick();
    if (closing_) return;
  }
  // The play step at the end of the human's glide may have passed the turn
  // to a computer seat: its card takes this tick's step as well.
  if (state_.CurSeatIdx >= 1 && state_.CurSeatIdx <= 3) ComputerGlideTick();
}

void TForm1::HumanGlideTick() {
  TableState& s = state_;
  // Only the slot clicked last moves, once per tick, even when the play step
  // leaves CurRow on another slot.
  const int slot = s.CurRow;
  TImage* image = HandImage(slot);
  image->move(image->x() + kHumanGlideStep[slot], image->y() - kHumanGlideRise);
  if (image->y() != kPlaceTop[1]) return;

  // Arrived: the card is played from the human's place.
  Timer1->stop();
  humanCardGliding_ = false;
  RestoreStacking();
  if (s.SlotCard[1][s.CurRow] > 0) {
    Tell(TickMoment::PlayStepBegins);
    PlayStep(game_);
    Tell(TickMoment::PlayStepEnds);
  }
  if (closing_) return;
  image->move(RestingPlace(slot));
  SettleIfFree();
}

void TForm1::ComputerGlideTick() {
  const int seat = state_.CurSeatIdx + 1;
  QLabel* card = controls_[static_cast<int>(PlaceControl(seat))];
  const int place = kPlaceLeft[seat];
  // Towards the place, from whichever side the glide starts on.
  const bool rightwards = kGlideStartLeft[seat] < place;
  const int left = card->x() + (rightwards ? kComputerGlideStep : -kComputerGlideStep);
  // The play step's pause may end before the card arrives; the card is then
  // put on its place and the stray tick that follows only stops the timer.
  const bool arrived = rightwards ? left >= place : left <= place;
  card->move(arrived ? place : left, card->y());
  if (arrived) Timer1->stop();
}

}  // namespace belote
