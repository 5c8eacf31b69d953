#include "ui/widgets/TableWidgets.h"

#include <QMouseEvent>
#include <QPainter>

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

}  // namespace belote
