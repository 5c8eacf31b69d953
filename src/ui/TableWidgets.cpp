#include "ui/TableWidgets.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>
#include <algorithm>

#include "ui/WholeNumber.h"

namespace belote {

QFont TableFont(int pixelSize, bool bold) {
  QFont f(QString::fromLatin1(kTableFontFamily));
  f.setPixelSize(pixelSize);
  f.setBold(bold);
  f.setStyleHint(QFont::SansSerif);
  return f;
}

TImage::TImage(QWidget* parent) : QLabel(parent) {
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
  resize(102, 154);
}

void TImage::mousePressEvent(QMouseEvent* event) {
  pressed_ = event->button() == Qt::LeftButton;
  QLabel::mousePressEvent(event);
}

void TImage::mouseReleaseEvent(QMouseEvent* event) {
  const bool click =
      pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  pressed_ = false;
  QLabel::mouseReleaseEvent(event);
  if (click) emit clicked();
}

TShape::TShape(QWidget* parent, QColor pen, int penWidth, std::optional<QColor> fill)
    : QWidget(parent), pen_(pen), penWidth_(penWidth), fill_(fill) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TShape::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (fill_) p.fillRect(rect(), *fill_);
  // A rule one pixel thin is just its colour.
  if (width() <= penWidth_ || height() <= penWidth_) {
    p.fillRect(rect(), pen_);
    return;
  }
  p.setPen(Qt::NoPen);
  p.setBrush(pen_);
  const int w = width(), h = height(), t = penWidth_;
  p.drawRect(0, 0, w, t);
  p.drawRect(0, h - t, w, t);
  p.drawRect(0, 0, t, h);
  p.drawRect(w - t, 0, t, h);
}

TPanel::TPanel(QWidget* parent) : QFrame(parent) {
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, kButtonFace);
  pal.setColor(QPalette::WindowText, kWindowText);
  setPalette(pal);
}

void TPanel::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const int w = width(), h = height();
  const QColor light(255, 255, 255), shadow(128, 128, 128);
  auto bevel = [&](int inset, QColor topLeft, QColor bottomRight) {
    p.setPen(topLeft);
    p.drawLine(inset, inset, w - 1 - inset, inset);
    p.drawLine(inset, inset, inset, h - 1 - inset);
    p.setPen(bottomRight);
    p.drawLine(inset, h - 1 - inset, w - 1 - inset, h - 1 - inset);
    p.drawLine(w - 1 - inset, inset, w - 1 - inset, h - 1 - inset);
  };
  bevel(0, shadow, light);  // lowered outside
  bevel(1, light, shadow);  // raised inside
}

TUpDown::TUpDown(QLineEdit* associate, QWidget* parent)
    : QWidget(parent),
      associate_(associate),
      up_(new QToolButton(this)),
      down_(new QToolButton(this)) {
  up_->setArrowType(Qt::UpArrow);
  down_->setArrowType(Qt::DownArrow);
  for (QToolButton* b : {up_, down_}) {
    b->setAutoRepeat(true);
    b->setFocusPolicy(Qt::NoFocus);
    b->setIconSize(QSize(7, 4));
  }
  up_->setObjectName(QStringLiteral("Up"));
  down_->setObjectName(QStringLiteral("Down"));
  connect(up_, &QToolButton::clicked, this, &TUpDown::StepUp);
  connect(down_, &QToolButton::clicked, this, &TUpDown::StepDown);
  if (associate_ != nullptr) {
    Remember(associate_->text());
    connect(associate_, &QLineEdit::textChanged, this, &TUpDown::Remember);
  }
}

void TUpDown::Remember(const QString& text) {
  if (const std::optional<int> value = ParseWholeNumber(text.toStdString())) lastGood_ = *value;
}

int TUpDown::Position() const {
  return std::clamp(lastGood_, kMin, kMax);
}

void TUpDown::StepUp() {
  const int next = Position() + kIncrement;
  Show(next > kMax ? kMin : next);
}

void TUpDown::StepDown() {
  const int next = Position() - kIncrement;
  Show(next < kMin ? kMax : next);
}

void TUpDown::Show(int value) {
  lastGood_ = value;
  // Plain digits: the field is read back as a whole number.
  if (associate_ != nullptr) associate_->setText(QString::number(value));
}

}  // namespace belote
