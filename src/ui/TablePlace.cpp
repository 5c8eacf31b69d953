#include "ui/TablePlace.h"

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

QPoint PlaceOverTable(const QWidget* table, QPoint at, QSize frame) {
  const QWidget* window = table != nullptr ? table->window() : nullptr;
  const QPoint corner = window != nullptr ? window->frameGeometry().topLeft() : QPoint(0, 0);
  const QPoint want = corner + at;
  QScreen* screen = window != nullptr ? window->screen() : QGuiApplication::screenAt(want);
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return want;
  return KeptInside(QRect(want, frame), screen->availableGeometry());
}

}  // namespace belote
