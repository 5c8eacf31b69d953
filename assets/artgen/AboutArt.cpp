#include "AboutArt.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "Canvas.h"
#include "CardArt.h"
#include "Palette.h"
#include "SuitShapes.h"
#include "TextPaint.h"

namespace artgen {

const char* const kAboutCaptions[4] = {"MEMOIRE PHYSIQUE LIBRE", "MEMOIRE DISQUE DUR LIBRE",
                                       "MEMOIRE RAM-SDRAM", "MEMOIRE UTILISEE"};

namespace {

constexpr double kArtRight = 132.0;  // the artwork takes the left part

// A fan of four cards, one of each suit, held from below.
void PaintFan(QPainter& p, QPointF pivot) {
  const int pictures[4] = {28, 2, 11, 17};  // jack of Trefle, king, queen, ace of Pique
  const double angles[4] = {-24.0, -8.0, 8.0, 24.0};
  const double scale = 0.5;
  for (int i = 0; i < 4; ++i) {
    const QImage card = DrawCard(pictures[i], QColor(0, 0, 0, 0));
    p.save();
    p.translate(pivot);
    p.rotate(angles[i]);
    p.scale(scale, scale);
    // Each card hangs from the pivot near its bottom edge.
    const QPointF corner(-kCardWidth / 2.0, -kCardHeight - 34.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawRoundedRect(QRectF(corner + QPointF(3, 3), QSizeF(kCardWidth, kCardHeight)), 7, 7);
    p.drawImage(corner, card);
    p.restore();
  }
}

void PaintArtwork(QPainter& p) {
  const QRectF art(0, 0, kArtRight, kAboutHeight);
  QRadialGradient felt(QPointF(kArtRight / 2, kAboutHeight * 0.42), kAboutHeight * 0.75);
  felt.setColorAt(0.0, kTeal.lighter(125));
  felt.setColorAt(1.0, kTeal.darker(160));
  p.fillRect(art, felt);
  p.save();
  p.setClipRect(art);
  PaintFan(p, QPointF(kArtRight / 2, 156.0));
  p.restore();
  FillTextOutlined(p, QStringLiteral("BELOTE"), Face::SerifBold, QRectF(6, 160, kArtRight - 12, 26),
                   22.0, kInkGold, QColor(60, 30, 0), 1.6, Qt::AlignHCenter | Qt::AlignTop);
  // The four suits under the title, on a small card-white band.
  const QRectF band(kArtRight / 2 - 38, 192.0, 76.0, 16.0);
  p.setPen(QPen(kInkGoldDark, 1.0));
  p.setBrush(QColor(255, 251, 238));
  p.drawRoundedRect(band, 8, 8);
  for (int suit = 1; suit <= 4; ++suit) {
    const double h = 10.0;
    const double w = h * SuitAspect(suit);
    const double x = band.center().x() + (suit - 2.5) * 17.0;
    p.setPen(Qt::NoPen);
    p.setBrush(SuitColour(suit));
    p.drawPath(SuitPath(suit, QRectF(x - w / 2, band.top() + 3, w, h)));
  }
}

void PaintCaptions(QPainter& p) {
  const QColor ink(20, 20, 40);
  const QColor bullet(30, 80, 200);
  const double colonRight = kFigureLeft - 3.0;
  const double textLeft = kArtRight + 16.0;
  for (int i = 0; i < 4; ++i) {
    const double top = kFigureTops[i];
    const double cap = 7.0;
    // Captions sit on the same line as the window's figures: the figure's
    // capitals stand about 2 pixels below its top.
    const QRectF line(textLeft, top + 2.0, colonRight - 4.0 - textLeft, cap);
    QRadialGradient ball(QPointF(textLeft - 8.5, top + 4.5), 4.0);
    ball.setColorAt(0.0, bullet.lighter(170));
    ball.setColorAt(1.0, bullet);
    p.setPen(Qt::NoPen);
    p.setBrush(ball);
    p.drawEllipse(QPointF(textLeft - 7.5, top + 5.5), 3.0, 3.0);
    FillText(p, QString::fromLatin1(kAboutCaptions[i]), Face::NarrowBold, line, cap, ink,
             Qt::AlignLeft | Qt::AlignTop);
    FillText(p, QStringLiteral(":"), Face::NarrowBold,
             QRectF(colonRight - 3.0, top + 2.0, 3.0, cap), cap, ink,
             Qt::AlignRight | Qt::AlignTop);
  }
}

}  // namespace

QImage DrawAbout() {
  QImage image = NewCanvas(kAboutWidth, kAboutHeight, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);

  QLinearGradient paper(QPointF(kArtRight, 0), QPointF(kAboutWidth, kAboutHeight));
  paper.setColorAt(0.0, QColor(255, 251, 238));
  paper.setColorAt(1.0, QColor(236, 228, 204));
  p.fillRect(QRectF(0, 0, kAboutWidth, kAboutHeight), paper);
  PaintArtwork(p);
  p.setPen(QPen(kInkGoldDark, 2.0));
  p.drawLine(QPointF(kArtRight + 1, 0), QPointF(kArtRight + 1, kAboutHeight));

  // Title of the right part; the version line goes under it at (144, 48).
  FillText(p, QStringLiteral("JEU DE LA BELOTE"), Face::SerifBold,
           QRectF(kArtRight + 8, 14, kAboutWidth - kArtRight - 16, 18), 15.0, kInkRed,
           Qt::AlignHCenter | Qt::AlignTop);
  p.setPen(QPen(kInkGold, 1.2));
  p.drawLine(QPointF(kArtRight + 20, 38.5), QPointF(kAboutWidth - 20, 38.5));
  PaintCaptions(p);

  // A row of suit signs between the figures and the button.
  for (int suit = 1; suit <= 4; ++suit) {
    const double h = 11.0;
    const double w = h * SuitAspect(suit);
    const double x = 232.0 + (suit - 2.5) * 22.0;
    p.setPen(Qt::NoPen);
    p.setBrush(SuitColour(suit));
    p.drawPath(SuitPath(suit, QRectF(x - w / 2, 149.0, w, h)));
  }
  p.setPen(QPen(kInkGoldDark, 2.0));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(1, 1, kAboutWidth - 2, kAboutHeight - 2));
  p.end();
  return image;
}

QImage DrawOuiButton() {
  QImage image = NewCanvas(kOuiWidth, kOuiHeight, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient face(QPointF(0, 0), QPointF(0, kOuiHeight));
  face.setColorAt(0.0, QColor(250, 250, 250));
  face.setColorAt(1.0, QColor(208, 208, 214));
  p.fillRect(QRectF(0, 0, kOuiWidth, kOuiHeight), face);

  // The mouse: a rounded body with two buttons and its cable, drawn left of
  // the word so that both stay inside the narrower button of the box.
  const QPointF m(74.0, 15.0);
  QPainterPath cable;
  cable.moveTo(m.x(), m.y() - 9.0);
  cable.cubicTo(m.x(), m.y() - 14.0, m.x() - 10.0, m.y() - 8.0, m.x() - 16.0, m.y() - 12.0);
  p.setPen(QPen(QColor(70, 70, 80), 1.2));
  p.setBrush(Qt::NoBrush);
  p.drawPath(cable);
  const QRectF body(m.x() - 6.5, m.y() - 9.5, 13.0, 20.0);
  QLinearGradient shell(body.topLeft(), body.topRight());
  shell.setColorAt(0.0, QColor(255, 255, 255));
  shell.setColorAt(1.0, QColor(180, 184, 196));
  p.setPen(QPen(QColor(60, 60, 70), 1.0));
  p.setBrush(shell);
  p.drawRoundedRect(body, 6.5, 7.0);
  p.drawLine(QPointF(body.left() + 0.5, m.y() - 2.5), QPointF(body.right() - 0.5, m.y() - 2.5));
  p.drawLine(QPointF(m.x(), body.top()), QPointF(m.x(), m.y() - 2.5));
  p.setPen(Qt::NoPen);
  p.setBrush(kInkBlue);
  p.drawRoundedRect(QRectF(body.left() + 1.2, body.top() + 1.2, 5.0, 5.6), 2.5, 2.5);

  FillText(p, QStringLiteral("OUI"), Face::SerifBold, QRectF(88, 0, 40, kOuiHeight), 13.0,
           QColor(20, 40, 110), Qt::AlignLeft | Qt::AlignVCenter);
  p.end();
  return image;
}

}  // namespace artgen
