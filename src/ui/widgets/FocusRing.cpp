#include "ui/widgets/FocusRing.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QTimer>
#include <cmath>

namespace belote {

namespace {

double Luminance(const QColor& c) {
  const auto channel = [](double v) {
    v /= 255.0;
    return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}

// Watches every key and mouse press of the program.
class KeyboardWatch : public QObject {
 public:
  KeyboardWatch() { qApp->installEventFilter(this); }
  bool inUse = false;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    const QEvent::Type type = event->type();
    if (type == QEvent::KeyPress || type == QEvent::MouseButtonPress) {
      const bool keyboard = type == QEvent::KeyPress;
      if (keyboard != inUse) {
        inUse = keyboard;
        // Every outline shows or hides at once.
        for (QWidget* w : QApplication::allWidgets())
          if (auto* ring = qobject_cast<FocusRing*>(w)) ring->Refresh();
      }
    }
    return false;
  }
};

KeyboardWatch& Watch() {
  static KeyboardWatch* watch = new KeyboardWatch;
  return *watch;
}

}  // namespace

bool KeyboardInUse() {
  return Watch().inUse;
}

void DrawFocusOutline(QPainter& p, const QRect& r) {
  p.save();
  p.setPen(Qt::NoPen);
  const auto frame = [&p](const QRect& box, const QColor& colour, int t) {
    p.setBrush(colour);
    p.drawRect(box.left(), box.top(), box.width(), t);
    p.drawRect(box.left(), box.bottom() - t + 1, box.width(), t);
    p.drawRect(box.left(), box.top(), t, box.height());
    p.drawRect(box.right() - t + 1, box.top(), t, box.height());
  };
  frame(r, kFocusOuter, kFocusBand);
  frame(r.adjusted(kFocusBand, kFocusBand, -kFocusBand, -kFocusBand), kFocusInner, kFocusBand);
  p.restore();
}

double ContrastRatio(const QColor& a, const QColor& b) {
  const double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

FocusRing::FocusRing(QWidget* table) : QWidget(table), table_(table) {
  setObjectName(QStringLiteral("FocusRing"));
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  hide();
  // Not a control: nothing for a screen reader to find here.
  setAccessibleName(QString());
  QObject::connect(qApp, &QApplication::focusChanged, this,
                   [this](QWidget*, QWidget* now) { Follow(now); });
  Watch();
}

void FocusRing::Refresh() {
  Follow(QApplication::focusWidget());
}

void FocusRing::Follow(QWidget* focus) {
  if (around_) around_->removeEventFilter(this);
  around_ = nullptr;
  // Only the table's own controls, and only for the keyboard: a card or a
  // button clicked with the mouse looks as it always did, and so does the
  // card the table gives the keyboard to at the player's turn.
  if (focus == nullptr || focus == table_ || !table_->isAncestorOf(focus) || !KeyboardInUse()) {
    hide();
    return;
  }
  around_ = focus;
  around_->installEventFilter(this);
  const QRect box(focus->mapTo(table_, QPoint(0, 0)), focus->size());
  // The ring lies just outside the control, so it hides none of it.
  setGeometry(box.adjusted(-2 * kFocusBand, -2 * kFocusBand, 2 * kFocusBand, 2 * kFocusBand));
  show();
  raise();
}

bool FocusRing::eventFilter(QObject* watched, QEvent* event) {
  // The control moved (a card gliding), was hidden, or the others were
  // stacked again over the ring.
  if (watched != around_) return false;
  if (event->type() == QEvent::Move || event->type() == QEvent::Resize ||
      event->type() == QEvent::Hide) {
    QWidget* focus = around_;
    Follow(focus->isVisible() ? focus : nullptr);
  } else if (event->type() == QEvent::ZOrderChange) {
    // The table puts its pictures back in order one after the other: the
    // ring goes back on top once they all are.
    QTimer::singleShot(0, this, [this] {
      if (isVisible()) raise();
    });
  }
  return false;
}

void FocusRing::paintEvent(QPaintEvent*) {
  QPainter p(this);
  DrawFocusOutline(p, rect());
}

}  // namespace belote
