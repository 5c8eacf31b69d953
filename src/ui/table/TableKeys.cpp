// The table from the keyboard: the keys of the command layer carried out on
// the table, the options panel taking the keyboard while it is up, and what
// the screen reader is told when a card is refused.
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

#include "engine/CardRules.h"
#include "ui/record/Spoken.h"
#include "ui/record/TableAnnouncer.h"
#include "ui/table/Unit1.h"
#include "ui/widgets/FocusRing.h"
#include "ui/widgets/TableWidgets.h"

namespace belote {

KeyPlace TForm1::PlaceOfKeyboard() const {
  QWidget* focus = focusWidget();
  if (Panel1->isVisible()) return KeyPlace::OptionsPanel;
  for (int slot = 1; slot <= 8; ++slot)
    if (focus == HandImage(slot)) return KeyPlace::Card;
  if (qobject_cast<QPushButton*>(focus) != nullptr) return KeyPlace::Button;
  // A digit meant for a field (the points) never plays a card, even when
  // the field let it through.
  if (qobject_cast<QLineEdit*>(focus) != nullptr) return KeyPlace::Field;
  return KeyPlace::Table;
}

void TForm1::keyPressEvent(QKeyEvent* event) {
  keys_.SetReaderListening(QAccessible::isActive());
  const Order order =
      keys_.Press(PlaceOfKeyboard(), event->key(), event->modifiers(), event->isAutoRepeat());
  if (order.command == Command::None) {
    QWidget::keyPressEvent(event);
    return;
  }
  event->accept();
  Obey(order);
}

void TForm1::keyReleaseEvent(QKeyEvent* event) {
  keys_.Release(event->key());
  QWidget::keyReleaseEvent(event);
}

void TForm1::Obey(Order order) {
  QWidget* focus = focusWidget();
  int focusedSlot = 0;
  for (int slot = 1; slot <= 8; ++slot)
    if (focus == HandImage(slot)) focusedSlot = slot;
  switch (order.command) {
    case Command::PlayFocusedCard:
      order.arg = focusedSlot;
      [[fallthrough]];
    case Command::PlayCard:
      if (order.arg < 1 || order.arg > 8) return;
      // The key of an emptied slot plays nothing; the player who does not
      // see the hand hears why.
      if (record_.handComplete && record_.hand[order.arg] == 0) {
        announcer_->Answer(EmptySlotNews(order.arg));
        return;
      }
      TellIfRefused(order.arg);
      ImageClick(order.arg);
      return;
    case Command::PreviousCard:
      FocusNextCard(focusedSlot, -1);
      return;
    case Command::NextCard:
      FocusNextCard(focusedSlot, 1);
      return;
    case Command::Accept: {
      auto* button = qobject_cast<QPushButton*>(focus);
      (button != nullptr && Panel1->isAncestorOf(button) ? button : BoutonA)->click();
      return;
    }
    case Command::PressButton:
      if (auto* button = qobject_cast<QPushButton*>(focus)) button->click();
      return;
    case Command::RepeatNews:
      announcer_->RepeatLast();
      return;
    case Command::ReviewHand:
    case Command::ReviewTrick:
    case Command::ReviewLastTrick:
    case Command::ReviewScores:
    case Command::ReviewTrump:
    case Command::ReviewPlayable:
      Review(order.command);
      return;
    case Command::None:
    case Command::NextHeading:
    case Command::PreviousHeading:
    case Command::CloseWindow:
    case Command::ChooseTile:
    case Command::PreviousTile:
    case Command::NextTile:
    case Command::PressFocusedTile:
      return;
  }
}

void TForm1::Review(Command command) {
  switch (command) {
    case Command::ReviewHand:
      announcer_->Answer(HandWords(record_));
      break;
    case Command::ReviewTrick:
      announcer_->Answer(TrickWords(record_));
      break;
    case Command::ReviewLastTrick:
      announcer_->Answer(LastTrickWords(record_));
      break;
    case Command::ReviewScores:
      announcer_->Answer(ScoreWords(record_));
      break;
    case Command::ReviewTrump:
      announcer_->Answer(TrumpWords(record_));
      break;
    case Command::ReviewPlayable: {
      const bool myTurn = record_.SeatToPlay() == 1 && !game_.inPlayStep;
      announcer_->Answer(PlayableWords(record_, myTurn, PlayableSlots()));
      break;
    }
    default:
      break;
  }
}

std::vector<int> TForm1::PlayableSlots() const {
  std::vector<int> playable;
  for (int slot = 1; slot <= 8; ++slot)
    if (record_.hand[slot] != 0 && IsLegalHumanCard(state_, slot)) playable.push_back(slot);
  return playable;
}

void TForm1::TellIfRefused(int slot) {
  if (game_.inPlayStep || record_.SeatToPlay() != 1 || record_.hand[slot] == 0) return;
  const Refusal why = HumanCardRefusal(state_, slot);
  // On the table nothing changes, as for any refused click.
  if (why != Refusal::None) announcer_->Announce(RefusedNews(record_, slot, why));
}

void TForm1::FocusNextCard(int fromSlot, int step) {
  for (int i = 1; i <= 8; ++i) {
    const int next = (fromSlot - 1 + step * i + 16) % 8 + 1;
    if (record_.hand[next] != 0) {
      HandImage(next)->setFocus(Qt::OtherFocusReason);
      return;
    }
  }
}

void TForm1::FocusHand() {
  QWidget* focus = focusWidget();
  int slot = 0;
  for (int s = 1; s <= 8; ++s)
    if (focus == HandImage(s)) slot = s;
  // The keyboard stays on a button or a field the player went to.
  if (focus != nullptr && focus != this && slot == 0 && isAncestorOf(focus)) return;
  if (slot != 0 && record_.hand[slot] != 0) return;
  FocusNextCard(slot == 0 ? 8 : slot, 1);
}

void TForm1::OptionsPanelShown(bool shown) {
  // The panel lies over the control panel, whose controls leave the Tab
  // order while it is up.
  for (QWidget* w : std::initializer_list<QWidget*>{BitBtn1, Button2, Button1, BitBtn2, BitBtn3})
    w->setFocusPolicy(shown ? Qt::NoFocus : Qt::TabFocus);
  Edit1->setFocusPolicy(shown ? Qt::NoFocus : Qt::StrongFocus);
  if (shown) {
    Edit10->setFocus(Qt::OtherFocusReason);
  } else {
    HandImage(1)->setFocus(Qt::OtherFocusReason);
  }
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Panel1 && (event->type() == QEvent::Show || event->type() == QEvent::Hide)) {
    OptionsPanelShown(event->type() == QEvent::Show);
    return false;
  }
  if (watched == Edit10 && !nameTouched_) {
    // The first letter typed in the untouched name replaces the name offered,
    // as if it had been selected for the keyboard player; a player who never
    // touches the keyboard sees no selection, and one who clicked in the
    // name types where he clicked.
    if (event->type() == QEvent::MouseButtonPress) nameTouched_ = true;
    if (event->type() == QEvent::KeyPress) {
      const QString typed = static_cast<QKeyEvent*>(event)->text();
      if (!typed.isEmpty() && typed.at(0).isPrint()) {
        nameTouched_ = true;
        if (!Edit10->hasSelectedText()) Edit10->selectAll();
      }
    }
    return false;
  }
  // The name a screen reader says as the keyboard comes to a card.
  if (event->type() == QEvent::FocusIn) {
    for (int slot = 1; slot <= 8; ++slot)
      if (watched == HandImage(slot)) cardNameHeard_ = HandImage(slot)->accessibleName();
  }
  // Only the left button plays a card, so only it can be refused.
  if (event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    for (int slot = 1; slot <= 8; ++slot)
      if (watched == HandImage(slot)) TellIfRefused(slot);
  }
  return false;
}

}  // namespace belote
