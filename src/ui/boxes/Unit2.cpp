#include "ui/boxes/Unit2.h"

#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QTimer>
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

}  // namespace

TForm2::TForm2(QWidget* table, int milliseconds, KeyFilter keysTaken)
    : QObject(nullptr),
      table_(table),
      milliseconds_(milliseconds),
      keysTaken_(std::move(keysTaken)) {
  setObjectName("Form2");
}

TForm2::~TForm2() {
  if (qApp != nullptr) qApp->removeEventFilter(this);
}

void TForm2::exec() {
  QEventLoop loop;
  loop_ = &loop;
  qApp->installEventFilter(this);

  QTimer timer1;
  timer1.setSingleShot(true);
  connect(&timer1, &QTimer::timeout, this, &TForm2::Timer1Timer);
  timer1.start(milliseconds_);
  loop.exec();

  qApp->removeEventFilter(this);
  loop_ = nullptr;
}

void TForm2::Timer1Timer() {
  Stop();
}

void TForm2::Stop() {
  if (loop_ != nullptr) loop_->quit();
}

bool TForm2::eventFilter(QObject* watched, QEvent* event) {
  if (!IsPlayerInput(event->type())) return false;
  if (keysTaken_ && (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) &&
      keysTaken_(*static_cast<QKeyEvent*>(event)))
    return false;
  QWidget* target = OwningWidget(watched);
  if (target == nullptr) return false;
  // The table takes no input while the computer players think; without a
  // table, no window does.
  if (table_ == nullptr || target == table_ || table_->isAncestorOf(target)) return true;
  return false;
}

}  // namespace belote
