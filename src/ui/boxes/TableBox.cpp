#include "ui/boxes/TableBox.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <algorithm>

#include "ui/boxes/InputBlock.h"
#include "ui/desktop/ScreenPlacement.h"

namespace belote {

namespace {
BoxMode boxMode = BoxMode::Decided;
}  // namespace

void SetBoxMode(BoxMode mode) {
  boxMode = mode;
}

bool BoxesAreWindows() {
  return boxMode == BoxMode::Decided &&
         !QGuiApplication::platformName().startsWith(QLatin1String("wayland")) &&
         !QAccessible::isActive();
}

TableBox::TableBox(QWidget* table, Qt::WindowFlags windowFlags)
    : QDialog(table != nullptr && !BoxesAreWindows() ? table->window() : table,
              table != nullptr && !BoxesAreWindows() ? Qt::Widget : windowFlags),
      table_(table != nullptr ? table->window() : nullptr),
      inside_(table != nullptr && !BoxesAreWindows()) {
  setModal(true);
  if (inside_) {
    // The keyboard comes back to where it was once the box is answered;
    // taken now, before the box's own buttons ask for it.
    focusBefore_ = table_->focusWidget();
    // A dialog always makes itself a window; a panel of the table is not one.
    setWindowFlags(Qt::Widget);
    setAutoFillBackground(true);
    setAttribute(Qt::WA_StyledBackground);
  }
}

int TableBox::exec() {
  if (!inside_) return QDialog::exec();
  int answer = 0;
  {
    const InputBlock block(table_, this);
    raise();
    answer = QDialog::exec();
  }
  if (focusBefore_) focusBefore_->setFocus(Qt::OtherFocusReason);
  return answer;
}

void TableBox::MoveInside(QPoint corner) {
  // Inside the table, wholly: its corner from the table's frame becomes a
  // corner from its cloth.
  const QMargins frame = FrameMargins(table_);
  const QPoint at = corner - QPoint(frame.left(), frame.top());
  const int x = std::clamp(at.x(), 0, std::max(0, table_->width() - width()));
  const int y = std::clamp(at.y(), 0, std::max(0, table_->height() - height()));
  move(x, y);
}

void TableBox::PlaceAt(BoxPlace place) {
  if (inside_) {
    MoveInside(QPoint(place.x, place.y));
    return;
  }
  MoveFrameTo(this, PlaceOverTable(parentWidget(), place, Frame()));
}

void TableBox::CentreOverTable() {
  if (inside_) {
    move(std::max(0, (table_->width() - width()) / 2),
         std::max(0, (table_->height() - height()) / 2));
    return;
  }
  MoveFrameTo(this, CentredOverTable(parentWidget(), Frame()));
}

void TableBox::CentreOnScreen() {
  if (inside_) {
    CentreOverTable();
    return;
  }
  MoveFrameTo(this, CentredOnScreen(screen(), Frame()));
}

QSize TableBox::Frame() const {
  if (FrameKnown(this) || inside_ || table_ == nullptr || !FrameKnown(table_))
    return frameGeometry().size();
  return size().grownBy(FrameMargins(table_));
}

void TableBox::keyPressEvent(QKeyEvent* event) {
  QDialog::keyPressEvent(event);
  // Inside the table no key of the box goes on to play a card.
  if (inside_) event->accept();
}

bool TableBox::focusNextPrevChild(bool next) {
  if (!inside_) return QDialog::focusNextPrevChild(next);
  // Tab goes round the box's own buttons.
  QList<QWidget*> stops;
  for (QWidget* w : findChildren<QWidget*>())
    if (w->isVisible() && (w->focusPolicy() & Qt::TabFocus)) stops << w;
  if (stops.isEmpty()) return false;
  const qsizetype at = stops.indexOf(focusWidget());
  const qsizetype count = stops.size();
  stops[((at < 0 ? 0 : at) + (next ? 1 : count - 1)) % count]->setFocus(Qt::TabFocusReason);
  return true;
}

void TableBox::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  if (!inside_ || windowTitle().isEmpty() || (windowFlags() & Qt::FramelessWindowHint)) return;
  // A panel with the look of a box: an outline and its title.
  QPainter p(this);
  p.setPen(palette().color(QPalette::Dark));
  p.drawRect(rect().adjusted(0, 0, -1, -1));
  const QRect band(1, 1, width() - 2, kTitleBand - 1);
  p.fillRect(band, palette().color(QPalette::Highlight));
  p.setPen(palette().color(QPalette::HighlightedText));
  QFont bold = font();
  bold.setBold(true);
  p.setFont(bold);
  p.drawText(band, Qt::AlignCenter, windowTitle());
}

void TableBox::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!inside_) return;
  raise();
  // The box's first button takes the keyboard, as in a window of its own.
  for (auto* button : findChildren<QAbstractButton*>()) {
    if (button->focusPolicy() & Qt::TabFocus) {
      button->setFocus(Qt::OtherFocusReason);
      break;
    }
  }
}

}  // namespace belote
