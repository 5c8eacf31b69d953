#include "ButtonArt.h"

#include <QPainter>
#include <QPainterPath>

#include "Canvas.h"
#include "Palette.h"
#include "SuitShapes.h"

namespace artgen {
namespace {

constexpr int kButtonSize = 16;

// Every button picture is designed on a 16-pixel grid.
QImage NewButton(QPainter& p, QImage& image) {
  image = NewCanvas(kButtonSize, kButtonSize, QImage::Format_RGB32);
  image.fill(kButtonFace);
  p.begin(&image);
  p.setRenderHint(QPainter::Antialiasing);
  return image;
}

}  // namespace

QImage DrawTapisButton() {
  QImage image;
  QPainter p;
  NewButton(p, image);
  QPainterPath palette;
  palette.addEllipse(QRectF(1.0, 2.5, 14.0, 11.0));
  QPainterPath thumb;
  thumb.addEllipse(QRectF(3.0, 8.5, 3.2, 2.8));
  p.setPen(QPen(QColor(110, 70, 30), 1.0));
  p.setBrush(QColor(214, 170, 110));
  p.drawPath(palette.subtracted(thumb));
  p.setPen(Qt::NoPen);
  const QColor dabs[4] = {kTeal, kSuitRed, QColor(250, 210, 0), kInkBlue};
  const QPointF at[4] = {{5.0, 5.6}, {8.8, 4.8}, {12.0, 6.8}, {10.6, 10.4}};
  for (int i = 0; i < 4; ++i) {
    p.setBrush(dabs[i]);
    p.drawEllipse(at[i], 1.7, 1.7);
  }
  p.end();
  return image;
}

QImage DrawAideButton() {
  QImage image;
  QPainter p;
  NewButton(p, image);
  p.setPen(QPen(QColor(20, 50, 130), 1.0));
  p.setBrush(QColor(40, 100, 210));
  p.drawEllipse(QRectF(1.0, 1.0, 14.0, 14.0));
  QPainterPath q;
  q.moveTo(5.6, 6.2);
  q.cubicTo(5.6, 3.4, 10.6, 3.4, 10.6, 6.0);
  q.cubicTo(10.6, 7.8, 8.0, 7.8, 8.0, 9.8);
  p.setPen(QPen(Qt::white, 1.9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(q);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawEllipse(QPointF(8.0, 12.3), 1.2, 1.2);
  p.end();
  return image;
}

QImage DrawQuitterButton() {
  QImage image;
  QPainter p;
  NewButton(p, image);
  // Door frame and the door swung open.
  p.setPen(QPen(QColor(60, 60, 60), 1.0));
  p.setBrush(QColor(60, 60, 70));
  p.drawRect(QRectF(1.5, 1.5, 8.0, 13.0));
  QPainterPath door;
  door.moveTo(1.5, 1.5);
  door.lineTo(6.5, 3.0);
  door.lineTo(6.5, 15.5);
  door.lineTo(1.5, 14.5);
  door.closeSubpath();
  p.setBrush(QColor(170, 100, 40));
  p.drawPath(door);
  p.setPen(Qt::NoPen);
  p.setBrush(kInkGold);
  p.drawEllipse(QPointF(5.3, 9.0), 0.7, 0.7);
  // Red arrow leaving through the door.
  QPainterPath arrow;
  arrow.moveTo(8.0, 7.0);
  arrow.lineTo(11.5, 7.0);
  arrow.lineTo(11.5, 4.5);
  arrow.lineTo(15.5, 8.5);
  arrow.lineTo(11.5, 12.5);
  arrow.lineTo(11.5, 10.0);
  arrow.lineTo(8.0, 10.0);
  arrow.closeSubpath();
  p.setPen(QPen(QColor(120, 0, 0), 0.8));
  p.setBrush(QColor(220, 30, 30));
  p.drawPath(arrow);
  p.end();
  return image;
}

QImage DrawSonButton() {
  QImage image;
  QPainter p;
  NewButton(p, image);
  QPainterPath speaker;
  speaker.moveTo(1.5, 5.5);
  speaker.lineTo(4.5, 5.5);
  speaker.lineTo(8.5, 2.0);
  speaker.lineTo(8.5, 14.0);
  speaker.lineTo(4.5, 10.5);
  speaker.lineTo(1.5, 10.5);
  speaker.closeSubpath();
  p.setPen(QPen(QColor(30, 30, 40), 1.0, Qt::SolidLine, Qt::SquareCap, Qt::RoundJoin));
  p.setBrush(QColor(80, 80, 96));
  p.drawPath(speaker);
  p.setPen(QPen(QColor(40, 100, 210), 1.3, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(6.5, 4.5, 5.0, 7.0), -60 * 16, 120 * 16);
  p.drawArc(QRectF(6.0, 1.5, 9.0, 13.0), -60 * 16, 120 * 16);
  p.end();
  return image;
}

QImage DrawAnimationButton() {
  QImage image;
  QPainter p;
  NewButton(p, image);
  p.setPen(QPen(QColor(40, 100, 210), 1.2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(1.0, 5.5), QPointF(5.0, 5.5));
  p.drawLine(QPointF(0.5, 8.5), QPointF(4.5, 8.5));
  p.drawLine(QPointF(1.0, 11.5), QPointF(5.0, 11.5));
  p.save();
  p.translate(10.5, 8.5);
  p.rotate(12);
  p.setPen(QPen(QColor(50, 50, 60), 1.0));
  p.setBrush(Qt::white);
  p.drawRoundedRect(QRectF(-4.0, -6.5, 8.0, 13.0), 1.5, 1.5);
  p.setPen(Qt::NoPen);
  p.setBrush(kSuitRed);
  p.drawPath(SuitPath(1, QRectF(-2.6, -2.4, 5.2, 4.8)));
  p.restore();
  p.end();
  return image;
}

QImage DrawIcon(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  // Designed on a 32-pixel grid and scaled.
  p.scale(size / 32.0, size / 32.0);
  // The spade card lies behind, turned to the left so its sign shows
  // beside the heart card in front.
  struct Card {
    QPointF foot;
    double angle;
    int suit;
    QPointF sign;
    double signHeight;
  };
  const Card cards[2] = {{{12.5, 30.0}, -17.0, 3, {-1.5, -18.0}, 9.0},
                         {{19.5, 30.5}, 13.0, 1, {0.0, -14.0}, 12.0}};
  for (const Card& c : cards) {
    p.save();
    p.translate(c.foot);
    p.rotate(c.angle);
    const QRectF face(-8.5, -27.0, 17.0, 25.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawRoundedRect(face.translated(0.8, 0.8), 2.5, 2.5);
    p.setPen(QPen(kCardBorder, 0.9));
    p.setBrush(Qt::white);
    p.drawRoundedRect(face, 2.5, 2.5);
    const double w = c.signHeight * SuitAspect(c.suit);
    p.setPen(Qt::NoPen);
    p.setBrush(SuitColour(c.suit));
    p.drawPath(SuitPath(
        c.suit, QRectF(c.sign.x() - w / 2, c.sign.y() - c.signHeight / 2, w, c.signHeight)));
    p.restore();
  }
  p.end();
  return image;
}

}  // namespace artgen
