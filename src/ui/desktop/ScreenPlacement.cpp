#include "ui/desktop/ScreenPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace belote {

QPoint KeptInside(QRect frame, QRect area) {
  if (!area.isValid()) return frame.topLeft();
  int x = std::min(frame.left(), area.left() + area.width() - frame.width());
  int y = std::min(frame.top(), area.top() + area.height() - frame.height());
  // The top-left corner wins over the bottom-right one: a title bar and the
  // table's control panel must stay within reach.
  x = std::max(x, area.left());
  y = std::max(y, area.top());
  return {x, y};
}

bool FrameKnown(const QWidget* window) {
  const QSize frame = window->frameGeometry().size();
  const QSize client = window->size();
  return frame != client && frame.width() >= client.width() && frame.height() >= client.height();
}

QMargins FrameMargins(const QWidget* window) {
  const QRect inner = window->geometry();
  const QRect outer = window->frameGeometry();
  return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
          outer.bottom() - inner.bottom()};
}

void MoveFrameTo(QWidget* window, QPoint corner) {
  if (window->frameGeometry().topLeft() != corner) window->move(corner);
}

QPoint PlaceOverTable(const QWidget* table, BoxPlace place, QSize frame) {
  const QWidget* window = table != nullptr ? table->window() : nullptr;
  const QPoint corner = window != nullptr ? window->frameGeometry().topLeft() : QPoint(0, 0);
  const QPoint want = corner + QPoint(place.x, place.y);
  QScreen* screen = window != nullptr ? window->screen() : QGuiApplication::screenAt(want);
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return want;
  return KeptInside(QRect(want, frame), screen->availableGeometry());
}

QRect PlaceBesideTable(QRect available, QRect table, QRect keepVisible, QSize wanted) {
  // Shorter than this, a page is no longer worth reading.
  constexpr int kShortest = 300;
  const int aboveHand = keepVisible.top() - available.top();
  const QSize above(wanted.width(), std::min(wanted.height(), aboveHand));
  const QRect candidates[] = {
      QRect(QPoint(table.right() + 1, table.top()), wanted),
      QRect(QPoint(table.left() - wanted.width(), table.top()), wanted),
      QRect(QPoint(available.right() - wanted.width() + 1, available.top()), above),
      QRect(available.topLeft(), above),
  };
  for (const QRect& place : candidates) {
    if (available.contains(place) && !place.intersects(keepVisible) &&
        place.height() >= std::min(kShortest, wanted.height()))
      return place;
  }
  return QRect(KeptInside(candidates[0], available), wanted);
}

QPoint CentredOverTable(const QWidget* table, QSize frame) {
  const QWidget* window = table != nullptr ? table->window() : nullptr;
  if (window == nullptr) return CentredOnScreen(nullptr, frame);
  QRect box(QPoint(0, 0), frame);
  box.moveCenter(window->frameGeometry().center());
  const QScreen* screen = window->screen();
  return screen != nullptr ? KeptInside(box, screen->availableGeometry()) : box.topLeft();
}

QPoint CentredOnScreen(const QScreen* screen, QSize frame) {
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return {};
  const QRect area = screen->availableGeometry();
  QRect box(QPoint(0, 0), frame);
  box.moveCenter(area.center());
  return KeptInside(box, area);
}

}  // namespace belote
