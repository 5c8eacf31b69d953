#include "CourtFigures.h"

#include <QPainterPath>

#include "Palette.h"
#include "SuitShapes.h"

namespace artgen {
namespace {

// Robe and trim colours change with the suit so that, say, the two red kings
// do not look the same from across the table.
struct Inks {
  QColor robe;
  QColor trim;
};

Inks InksFor(int suit) {
  switch (suit) {
    case 1:
      return {kInkRed, kInkBlue};
    case 2:
      return {kInkBlue, kInkRed};
    case 3:
      return {kInkGreen, kInkRed};
    default:
      return {kInkPurple, kInkGreen};
  }
}

const QPen& Outline() {
  static const QPen pen(kInkBlack, 0.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  return pen;
}

void Fill(QPainter& p, const QPainterPath& path, const QColor& colour) {
  p.setPen(Outline());
  p.setBrush(colour);
  p.drawPath(path);
}

// Figures are drawn in a half panel 63 wide and about 66 high; the head sits
// at (kCx, kHeadY).
constexpr double kCx = 31.5;
constexpr double kHeadY = 27.0;
constexpr double kHeadR = 8.0;
constexpr double kFigureScale = 1.12;

void Face(QPainter& p, bool lips) {
  QPainterPath head;
  head.addEllipse(QPointF(kCx, kHeadY), kHeadR * 0.9, kHeadR);
  Fill(p, head, kInkSkin);
  p.setPen(Qt::NoPen);
  p.setBrush(kInkBlack);
  p.drawEllipse(QPointF(kCx - 3.0, kHeadY - 1.0), 0.9, 0.9);
  p.drawEllipse(QPointF(kCx + 3.0, kHeadY - 1.0), 0.9, 0.9);
  p.setPen(QPen(kInkBlack, 0.6));
  p.drawLine(QPointF(kCx, kHeadY), QPointF(kCx - 0.6, kHeadY + 2.6));
  if (lips) {
    p.setPen(Qt::NoPen);
    p.setBrush(kInkRed);
    p.drawEllipse(QPointF(kCx, kHeadY + 4.6), 1.6, 0.9);
  } else {
    p.setPen(QPen(kInkBlack, 0.6));
    p.drawLine(QPointF(kCx - 1.5, kHeadY + 4.8), QPointF(kCx + 1.5, kHeadY + 4.8));
  }
}

QPainterPath Robe(double shoulder, double neckY, double bottom) {
  QPainterPath robe;
  robe.moveTo(kCx - shoulder - 2, bottom);
  robe.lineTo(kCx - shoulder, neckY + 10);
  robe.quadTo(kCx - shoulder + 2, neckY + 1, kCx - 8, neckY);
  robe.lineTo(kCx + 8, neckY);
  robe.quadTo(kCx + shoulder - 2, neckY + 1, kCx + shoulder, neckY + 10);
  robe.lineTo(kCx + shoulder + 2, bottom);
  robe.closeSubpath();
  return robe;
}

void Hand(QPainter& p, QPointF at) {
  QPainterPath hand;
  hand.addEllipse(at, 2.6, 2.2);
  Fill(p, hand, kInkSkin);
}

void King(QPainter& p, const Inks& inks, double bottom) {
  // Sceptre behind the arm: a gold rod with an orb and cross.
  p.setPen(QPen(kInkBlack, 2.6, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(50.0, 62.0), QPointF(50.0, 14.0));
  p.setPen(QPen(kInkGold, 1.6, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(50.0, 62.0), QPointF(50.0, 14.0));
  QPainterPath orb;
  orb.addEllipse(QPointF(50.0, 11.0), 3.4, 3.4);
  Fill(p, orb, kInkGold);
  p.setPen(QPen(kInkBlack, 0.9));
  p.drawLine(QPointF(50.0, 4.0), QPointF(50.0, 7.6));
  p.drawLine(QPointF(48.2, 5.6), QPointF(51.8, 5.6));

  Fill(p, Robe(21.0, 37.0, bottom), inks.robe);
  // Ermine cape over the shoulders: white with black tails.
  QPainterPath cape;
  cape.moveTo(kCx - 21, 48);
  cape.quadTo(kCx - 19, 38, kCx - 8, 37);
  cape.lineTo(kCx + 8, 37);
  cape.quadTo(kCx + 19, 38, kCx + 21, 48);
  cape.quadTo(kCx, 54, kCx - 21, 48);
  cape.closeSubpath();
  Fill(p, cape, kCardWhite);
  p.setPen(Qt::NoPen);
  p.setBrush(kInkBlack);
  for (double x : {-14.0, -7.0, 0.0, 7.0, 14.0}) p.drawEllipse(QPointF(kCx + x, 45.5), 0.9, 1.4);
  // Front panel of the robe in the trim colour, with a gold belt.
  QPainterPath front;
  front.addRect(QRectF(kCx - 4.5, 50.5, 9.0, bottom - 50.5));
  Fill(p, front, inks.trim);
  Fill(
      p,
      [] {
        QPainterPath belt;
        belt.addRect(QRectF(kCx - 18.5, 58.0, 37.0, 3.0));
        return belt;
      }(),
      kInkGold);

  // Grey hair and a full beard mark the king.
  QPainterPath hair;
  hair.addEllipse(QPointF(kCx, kHeadY + 1.0), 10.5, 10.0);
  Fill(p, hair, kInkGrey);
  Face(p, false);
  QPainterPath beard;
  beard.moveTo(kCx - 7.2, kHeadY + 2.0);
  beard.quadTo(kCx - 7.0, kHeadY + 11.0, kCx, kHeadY + 14.0);
  beard.quadTo(kCx + 7.0, kHeadY + 11.0, kCx + 7.2, kHeadY + 2.0);
  beard.quadTo(kCx, kHeadY + 7.0, kCx - 7.2, kHeadY + 2.0);
  beard.closeSubpath();
  Fill(p, beard, kInkGrey);
  p.setPen(QPen(kInkBlack, 0.6));
  p.drawLine(QPointF(kCx - 1.8, kHeadY + 5.0), QPointF(kCx + 1.8, kHeadY + 5.0));

  // Tall crown with five points and jewels.
  QPainterPath crown;
  crown.moveTo(kCx - 9.5, 20.0);
  crown.lineTo(kCx - 10.5, 8.0);
  crown.lineTo(kCx - 5.5, 13.0);
  crown.lineTo(kCx - 3.0, 6.0);
  crown.lineTo(kCx, 12.0);
  crown.lineTo(kCx + 3.0, 6.0);
  crown.lineTo(kCx + 5.5, 13.0);
  crown.lineTo(kCx + 10.5, 8.0);
  crown.lineTo(kCx + 9.5, 20.0);
  crown.closeSubpath();
  Fill(p, crown, kInkGold);
  p.setPen(Qt::NoPen);
  p.setBrush(inks.robe);
  p.drawEllipse(QPointF(kCx, 17.0), 1.6, 1.6);
  p.setBrush(inks.trim);
  p.drawEllipse(QPointF(kCx - 6.0, 17.2), 1.2, 1.2);
  p.drawEllipse(QPointF(kCx + 6.0, 17.2), 1.2, 1.2);
  p.setBrush(kInkGold);
  p.setPen(QPen(kInkBlack, 0.5));
  for (double x : {-10.5, -3.0, 3.0, 10.5})
    p.drawEllipse(QPointF(kCx + x, x == -3.0 || x == 3.0 ? 5.5 : 7.5), 1.2, 1.2);

  Hand(p, QPointF(50.0, 52.0));
}

void Queen(QPainter& p, const Inks& inks, double bottom) {
  // Long hair falling to the shoulders, behind the face.
  QPainterPath hair;
  hair.moveTo(kCx - 8.5, 20.0);
  hair.quadTo(kCx - 14.0, 34.0, kCx - 13.0, 46.0);
  hair.lineTo(kCx + 13.0, 46.0);
  hair.quadTo(kCx + 14.0, 34.0, kCx + 8.5, 20.0);
  hair.quadTo(kCx, 13.0, kCx - 8.5, 20.0);
  hair.closeSubpath();
  Fill(p, hair, kInkHairBlond);

  Fill(p, Robe(17.0, 38.0, bottom), inks.robe);
  // Gold neckline and a row of pearls.
  QPainterPath neck;
  neck.moveTo(kCx - 9, 38.2);
  neck.quadTo(kCx, 50, kCx + 9, 38.2);
  neck.closeSubpath();
  Fill(p, neck, kInkSkin);
  p.setPen(QPen(kInkGold, 2.0));
  p.setBrush(Qt::NoBrush);
  QPainterPath collar;
  collar.moveTo(kCx - 10, 38.5);
  collar.quadTo(kCx, 52, kCx + 10, 38.5);
  p.drawPath(collar);
  p.setPen(Qt::NoPen);
  p.setBrush(kCardWhite);
  for (double t : {0.25, 0.5, 0.75}) p.drawEllipse(collar.pointAtPercent(t), 1.1, 1.1);
  QPainterPath bodice;
  bodice.moveTo(kCx - 13.0, bottom);
  bodice.lineTo(kCx - 6.0, 50.0);
  bodice.lineTo(kCx + 6.0, 50.0);
  bodice.lineTo(kCx + 13.0, bottom);
  bodice.closeSubpath();
  Fill(p, bodice, inks.trim);
  p.setPen(QPen(kInkGold, 1.2));
  for (double y : {54.0, 58.5, 63.0})
    p.drawLine(QPointF(kCx - 6.5 - (y - 50) * 0.5, y), QPointF(kCx + 6.5 + (y - 50) * 0.5, y));

  Face(p, true);
  // Fringe over the forehead.
  QPainterPath fringe;
  fringe.moveTo(kCx - 8.0, kHeadY - 1.5);
  fringe.quadTo(kCx - 6.0, kHeadY - 9.5, kCx, kHeadY - 8.8);
  fringe.quadTo(kCx + 6.0, kHeadY - 9.5, kCx + 8.0, kHeadY - 1.5);
  fringe.quadTo(kCx + 3.0, kHeadY - 5.0, kCx, kHeadY - 5.5);
  fringe.quadTo(kCx - 3.0, kHeadY - 5.0, kCx - 8.0, kHeadY - 1.5);
  fringe.closeSubpath();
  Fill(p, fringe, kInkHairBlond);

  // Low rounded tiara with a single jewel: unlike the king's pointed crown.
  QPainterPath tiara;
  tiara.moveTo(kCx - 8.0, 19.5);
  tiara.quadTo(kCx - 7.0, 13.0, kCx - 3.5, 14.5);
  tiara.quadTo(kCx, 7.5, kCx + 3.5, 14.5);
  tiara.quadTo(kCx + 7.0, 13.0, kCx + 8.0, 19.5);
  tiara.quadTo(kCx, 17.5, kCx - 8.0, 19.5);
  tiara.closeSubpath();
  Fill(p, tiara, kInkGold);
  p.setPen(QPen(kInkBlack, 0.4));
  p.setBrush(inks.trim);
  p.drawEllipse(QPointF(kCx, 14.0), 1.7, 1.9);

  // A rose held up on the left.
  p.setPen(QPen(kInkGreen.darker(130), 1.3, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(14.0, 56.0), QPointF(11.0, 22.0));
  QPainterPath leaf;
  leaf.moveTo(12.0, 36.0);
  leaf.quadTo(5.0, 31.0, 5.5, 27.0);
  leaf.quadTo(11.0, 29.0, 12.0, 36.0);
  Fill(p, leaf, kInkGreen);
  QPainterPath rose;
  for (int i = 0; i < 5; ++i) {
    const double a = i * 72.0;
    QTransform t;
    t.translate(11.0, 19.0);
    t.rotate(a);
    QPainterPath petal;
    petal.addEllipse(QPointF(2.0, -2.6), 2.4, 2.8);
    rose.addPath(t.map(petal));
  }
  rose.setFillRule(Qt::WindingFill);
  Fill(p, rose.simplified(), kInkRed);
  p.setPen(Qt::NoPen);
  p.setBrush(kInkGold);
  p.drawEllipse(QPointF(11.0, 19.0), 1.3, 1.3);
  Hand(p, QPointF(14.0, 50.0));
}

void Jack(QPainter& p, const Inks& inks, double bottom) {
  // Halberd on the right: a long shaft with an axe blade and a spike.
  p.setPen(QPen(kInkBlack, 2.4, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(49.0, 64.0), QPointF(49.0, 9.0));
  p.setPen(QPen(kInkHairBrown, 1.4, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(49.0, 64.0), QPointF(49.0, 9.0));
  QPainterPath blade;
  blade.moveTo(49.0, 3.0);
  blade.lineTo(51.0, 10.0);
  blade.lineTo(56.5, 9.0);
  blade.quadTo(58.5, 15.0, 56.5, 21.0);
  blade.lineTo(50.5, 17.5);
  blade.lineTo(47.5, 17.5);
  blade.lineTo(44.0, 14.5);
  blade.lineTo(47.5, 12.0);
  blade.lineTo(47.0, 10.0);
  blade.closeSubpath();
  Fill(p, blade, kInkGrey.lighter(125));

  // Short tunic with bold stripes, and a plain collar.
  const QPainterPath robe = Robe(18.0, 37.5, bottom);
  Fill(p, robe, inks.robe);
  p.save();
  p.setClipPath(robe);
  p.setPen(Qt::NoPen);
  p.setBrush(kInkGold);
  for (double x = kCx - 20.0; x < kCx + 20.0; x += 8.0) p.drawRect(QRectF(x, 36.0, 4.0, 40.0));
  p.restore();
  p.setPen(Outline());
  p.setBrush(Qt::NoBrush);
  p.drawPath(robe);
  QPainterPath collar;
  collar.moveTo(kCx - 9.0, 37.5);
  collar.lineTo(kCx + 9.0, 37.5);
  collar.lineTo(kCx + 5.0, 44.0);
  collar.lineTo(kCx, 40.5);
  collar.lineTo(kCx - 5.0, 44.0);
  collar.closeSubpath();
  Fill(p, collar, kCardWhite);

  // Short brown hair, a young clean-shaven face.
  QPainterPath hair;
  hair.addEllipse(QPointF(kCx, kHeadY + 0.5), 9.6, 9.3);
  Fill(p, hair, kInkHairBrown);
  Face(p, false);

  // Flat cap with a plume standing up at the side.
  QPainterPath plume;
  plume.moveTo(kCx - 7.0, 15.0);
  plume.cubicTo(kCx - 13.0, 11.0, kCx - 14.0, 3.0, kCx - 9.0, 0.5);
  plume.cubicTo(kCx - 9.5, 4.0, kCx - 5.0, 7.0, kCx - 2.5, 13.5);
  plume.closeSubpath();
  Fill(p, plume, kCardWhite);
  QPainterPath quill;
  quill.moveTo(kCx - 5.0, 14.5);
  quill.quadTo(kCx - 10.5, 8.0, kCx - 9.0, 1.5);
  p.setPen(QPen(kInkGrey, 0.6));
  p.setBrush(Qt::NoBrush);
  p.drawPath(quill);
  QPainterPath cap;
  cap.moveTo(kCx - 11.5, 21.0);
  cap.quadTo(kCx - 10.0, 10.0, kCx + 3.0, 11.0);
  cap.quadTo(kCx + 13.0, 12.5, kCx + 12.0, 21.0);
  cap.quadTo(kCx, 18.0, kCx - 11.5, 21.0);
  cap.closeSubpath();
  Fill(p, cap, inks.trim);
  QPainterPath band;
  band.moveTo(kCx - 11.5, 21.0);
  band.quadTo(kCx, 17.5, kCx + 12.0, 21.0);
  band.lineTo(kCx + 11.6, 23.0);
  band.quadTo(kCx, 19.8, kCx - 11.2, 23.0);
  band.closeSubpath();
  Fill(p, band, kInkGold);
  Hand(p, QPointF(49.0, 50.0));
}

}  // namespace

void PaintCourt(QPainter& p, int suit, int rank, const QRectF& panel) {
  const Inks inks = InksFor(suit);
  const QColor suitInk = SuitColour(suit);
  p.save();
  p.setPen(QPen(suitInk, 1.0));
  p.setBrush(rank == 2 ? kKingPanel : rank == 3 ? kQueenPanel : kJackPanel);
  p.drawRect(panel);

  const double half = panel.height() / 2.0;
  for (int end = 0; end < 2; ++end) {
    p.save();
    if (end == 1) {
      p.translate(panel.center());
      p.rotate(180);
      p.translate(-panel.center());
    }
    p.setClipRect(QRectF(panel.left() + 0.5, panel.top() + 0.5, panel.width() - 1.0, half - 0.5));
    p.translate(panel.topLeft());
    p.save();
    // The figures fill the panel a little more than their drawing grid.
    p.translate(kCx, 0);
    p.scale(kFigureScale, kFigureScale);
    p.translate(-kCx, 0);
    const double bottom = half / kFigureScale + 2;
    switch (rank) {
      case 2:
        King(p, inks, bottom);
        break;
      case 3:
        Queen(p, inks, bottom);
        break;
      default:
        Jack(p, inks, bottom);
        break;
    }
    p.restore();
    // The suit sign in the panel's corner, away from the emblem.
    const double h = 9.0;
    const double w = h * SuitAspect(suit);
    const double x = rank == 3 ? panel.width() - 3.0 - w : 3.0;
    p.setPen(Qt::NoPen);
    p.setBrush(suitInk);
    p.drawPath(SuitPath(suit, QRectF(x, 3.0, w, h)));
    p.restore();
  }
  p.setPen(QPen(suitInk, 1.0));
  p.drawLine(QPointF(panel.left(), panel.center().y()), QPointF(panel.right(), panel.center().y()));
  p.restore();
}

}  // namespace artgen
