#include "TablePictures.h"

#include <QPainter>
#include <QPainterPath>

#include "Canvas.h"
#include "CardArt.h"
#include "Palette.h"
#include "SuitShapes.h"
#include "TextPaint.h"

namespace artgen {

QString SuitTitle(int suit) {
  switch (suit) {
    case 1:
      return QStringLiteral("COEUR");
    case 2:
      return QStringLiteral("CARREAU");
    case 3:
      return QStringLiteral("PIQUE");
    default:
      return QStringLiteral("TRÈFLE");
  }
}

QImage DrawEmptyPlace(const QColor& table) {
  QImage image = NewCanvas(kCardWidth, kCardHeight, QImage::Format_RGB32);
  image.fill(table);
  QPainter p(&image);
  // Nothing but the cloth and a light dashed rim where a card would lie:
  // clearly empty, never mistaken for a card lying face down. The rim is
  // drawn without smoothing so that every pixel is either the cloth, which
  // the table makes see-through, or the rim, which it makes faint.
  const QRectF place(2.5, 2.5, kCardWidth - 5.0, kCardHeight - 5.0);
  p.setPen(QPen(table.lighter(150), 1.0, Qt::DashLine));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(place, 7.0, 7.0);
  p.end();
  return image;
}

QImage DrawSuitSign(int suit, const QColor& table) {
  QImage image = NewCanvas(kCardWidth, kCardHeight, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  PaintCardFace(p, table);
  // A gold frame sets the trump box apart from a card lying on the table.
  p.setPen(QPen(kInkGold, 2.0));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(QRectF(4.5, 4.5, kCardWidth - 9.0, kCardHeight - 9.0), 5.0, 5.0);
  p.setPen(QPen(kInkGoldDark, 0.8));
  p.drawRoundedRect(QRectF(7.5, 7.5, kCardWidth - 15.0, kCardHeight - 15.0), 3.5, 3.5);

  const QColor navy(28, 40, 110);
  FillText(p, QStringLiteral("ATOUT"), Face::SerifBold, QRectF(10, 16, kCardWidth - 20, 14), 12.0,
           navy, Qt::AlignHCenter | Qt::AlignTop);
  const double h = 58.0;
  PaintPip(p, suit, QPointF(kCardWidth / 2.0, 78.0), h, false);
  FillText(p, SuitTitle(suit), Face::SerifBold, QRectF(10, 124, kCardWidth - 20, 12), 11.0,
           SuitColour(suit), Qt::AlignHCenter | Qt::AlignTop);
  p.end();
  return image;
}

}  // namespace artgen
