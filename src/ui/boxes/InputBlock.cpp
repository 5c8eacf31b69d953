#include "ui/boxes/InputBlock.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace belote {

namespace {

bool IsPlayerInput(QEvent::Type type) {
  switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::TabletMove:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
      return true;
    default:
      return false;
  }
}

// The widget an event is for: shortcuts and actions go to objects that
// belong to a widget further up.
QWidget* OwningWidget(QObject* object) {
  for (QObject* o = object; o != nullptr; o = o->parent()) {
    if (o->isWidgetType()) return static_cast<QWidget*>(o);
  }
  return nullptr;
}

bool Within(const QWidget* outer, const QWidget* w) {
  return outer != nullptr && (w == outer || outer->isAncestorOf(w));
}

}  // namespace

InputBlock::InputBlock(QWidget* table, QWidget* open, KeyFilter keysTaken)
    : table_(table), open_(open), keysTaken_(std::move(keysTaken)) {
  qApp->installEventFilter(this);
}

InputBlock::~InputBlock() {
  if (qApp != nullptr) qApp->removeEventFilter(this);
}

bool InputBlock::eventFilter(QObject* watched, QEvent* event) {
  if (!IsPlayerInput(event->type())) return false;
  if (keysTaken_ && (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) &&
      keysTaken_(*static_cast<QKeyEvent*>(event)))
    return false;
  QWidget* target = OwningWidget(watched);
  if (target == nullptr || Within(open_, target)) return false;
  // Without a table, no window takes input.
  return table_ == nullptr || Within(table_, target);
}

}  // namespace belote
