#include "CardArt.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>
#include <vector>

#include "Canvas.h"
#include "CourtFigures.h"
#include "Palette.h"
#include "SuitShapes.h"
#include "TextPaint.h"

namespace artgen {
namespace {

constexpr double kCornerRadius = belote::kCardCornerRadius;

// Pip centres of the number cards, as the eye expects them: two columns with
// the extra pips in the middle column.
constexpr double kLeftX = 32.0;
constexpr double kMidX = 51.0;
constexpr double kRightX = 70.0;
constexpr double kTopY = 25.0;
constexpr double kBottomY = 129.0;
constexpr double kPipHeight = 21.0;

struct Pip {
  double x;
  double y;
};

double RowY(double fraction) {
  return kTopY + (kBottomY - kTopY) * fraction;
}

std::vector<Pip> PipLayout(int rank) {
  std::vector<Pip> pips;
  auto sides = [&pips](std::initializer_list<double> rows) {
    for (double f : rows) {
      pips.push_back({kLeftX, RowY(f)});
      pips.push_back({kRightX, RowY(f)});
    }
  };
  switch (rank) {
    case 5:  // ten
      sides({0.0, 1.0 / 3, 2.0 / 3, 1.0});
      pips.push_back({kMidX, RowY(1.0 / 6)});
      pips.push_back({kMidX, RowY(5.0 / 6)});
      break;
    case 6:  // nine
      sides({0.0, 1.0 / 3, 2.0 / 3, 1.0});
      pips.push_back({kMidX, RowY(0.5)});
      break;
    case 7:  // eight
      sides({0.0, 0.5, 1.0});
      pips.push_back({kMidX, RowY(0.25)});
      pips.push_back({kMidX, RowY(0.75)});
      break;
    case 8:  // seven
      sides({0.0, 0.5, 1.0});
      pips.push_back({kMidX, RowY(0.25)});
      break;
    default:
      break;
  }
  return pips;
}

// Rank and small suit sign in one corner; the opposite corner gets the same,
// turned round, so the card reads from either end.
void PaintIndex(QPainter& p, int suit, int rank) {
  const QColor ink = SuitColour(suit);
  for (int end = 0; end < 2; ++end) {
    p.save();
    if (end == 1) {
      p.translate(kCardWidth, kCardHeight);
      p.rotate(180);
    }
    const QRectF letterBox(3.0, 5.0, 15.0, 16.0);
    const Face face = rank == 5 ? Face::NarrowBold : Face::SerifBold;
    FillText(p, IndexText(rank), face, letterBox, 14.0, ink, Qt::AlignHCenter | Qt::AlignTop);
    const double pipH = 11.0;
    const double pipW = pipH * SuitAspect(suit);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPath(SuitPath(suit, QRectF(10.5 - pipW / 2, 23.0, pipW, pipH)));
    p.restore();
  }
}

void PaintAce(QPainter& p, int suit) {
  const QPointF centre(kCardWidth / 2.0, kCardHeight / 2.0);
  // A thin ring of the suit colour frames the single sign, so the ace stands
  // out at a glance among the number cards.
  p.save();
  QColor ring = SuitColour(suit);
  ring.setAlpha(60);
  p.setPen(QPen(ring, 1.2));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(centre, 33.0, 33.0);
  ring.setAlpha(30);
  p.setPen(QPen(ring, 4.0));
  p.drawEllipse(centre, 29.0, 29.0);
  p.restore();
  PaintPip(p, suit, centre, 44.0, false);
}

}  // namespace

QString IndexText(int rank) {
  static const char* const kTexts[9] = {"", "A", "R", "D", "V", "10", "9", "8", "7"};
  return QString::fromLatin1(kTexts[rank]);
}

void PaintCardFace(QPainter& p, const QColor& table) {
  p.save();
  p.setCompositionMode(QPainter::CompositionMode_Source);
  p.fillRect(QRectF(0, 0, kCardWidth, kCardHeight), table);
  p.restore();
  const QRectF face(0.5, 0.5, kCardWidth - 1.0, kCardHeight - 1.0);
  p.setPen(QPen(kCardBorder, 1.0));
  p.setBrush(kCardWhite);
  p.drawRoundedRect(face, kCornerRadius, kCornerRadius);
}

void PaintPip(QPainter& p, int suit, QPointF centre, double height, bool upsideDown) {
  const double width = height * SuitAspect(suit);
  QTransform place;
  place.translate(centre.x(), centre.y());
  if (upsideDown) place.rotate(180);
  const QPainterPath pip =
      place.map(SuitPath(suit, QRectF(-width / 2, -height / 2, width, height)));
  // A soft light from the top left gives the signs a little body; it is laid
  // in card space so the upturned pips are lit the same way.
  const QRectF box = pip.boundingRect();
  const QColor base = SuitColour(suit);
  QLinearGradient shade(box.topLeft(), box.bottomRight());
  shade.setColorAt(0.0, base.lighter(122));
  shade.setColorAt(1.0, base.darker(112));
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(shade);
  p.drawPath(pip);
  p.restore();
}

QImage DrawCard(int picture, const QColor& table) {
  const int suit = (picture - 1) / 8 + 1;
  const int rank = (picture - 1) % 8 + 1;
  // A see-through table colour gives a card with clear corners, for
  // drawing cards onto other artwork.
  QImage image =
      NewCanvas(kCardWidth, kCardHeight,
                table.alpha() < 255 ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  PaintCardFace(p, table);
  if (rank == 1) {
    PaintAce(p, suit);
  } else if (rank <= 4) {
    PaintCourt(p, suit, rank, QRectF(19.5, 10.5, 63.0, 133.0));
  } else {
    for (const Pip& pip : PipLayout(rank))
      PaintPip(p, suit, QPointF(pip.x, pip.y), kPipHeight, pip.y > kCardHeight / 2.0 + 1);
  }
  PaintIndex(p, suit, rank);
  p.end();
  return image;
}

}  // namespace artgen
