#include "SuitShapes.h"

#include <QTransform>

namespace artgen {
namespace {

// Each sign is drawn once in the unit square and scaled into place.
QPainterPath Heart() {
  QPainterPath p;
  p.moveTo(0.5, 0.19);
  p.cubicTo(0.53, 0.07, 0.62, 0.0, 0.75, 0.0);
  p.cubicTo(0.89, 0.0, 1.0, 0.11, 1.0, 0.29);
  p.cubicTo(1.0, 0.58, 0.66, 0.76, 0.5, 1.0);
  p.cubicTo(0.34, 0.76, 0.0, 0.58, 0.0, 0.29);
  p.cubicTo(0.0, 0.11, 0.11, 0.0, 0.25, 0.0);
  p.cubicTo(0.38, 0.0, 0.47, 0.07, 0.5, 0.19);
  p.closeSubpath();
  return p;
}

QPainterPath Diamond() {
  // Slightly hollow sides make the sign livelier than a plain rhombus.
  QPainterPath p;
  p.moveTo(0.5, 0.0);
  p.quadTo(0.66, 0.30, 1.0, 0.5);
  p.quadTo(0.66, 0.70, 0.5, 1.0);
  p.quadTo(0.34, 0.70, 0.0, 0.5);
  p.quadTo(0.34, 0.30, 0.5, 0.0);
  p.closeSubpath();
  return p;
}

QPainterPath Stem(double top) {
  QPainterPath p;
  p.moveTo(0.46, top);
  p.quadTo(0.45, 0.90, 0.27, 1.0);
  p.lineTo(0.73, 1.0);
  p.quadTo(0.55, 0.90, 0.54, top);
  p.closeSubpath();
  return p;
}

QPainterPath Spade() {
  QPainterPath p;
  p.moveTo(0.5, 0.0);
  p.cubicTo(0.64, 0.20, 1.0, 0.36, 1.0, 0.60);
  p.cubicTo(1.0, 0.76, 0.88, 0.84, 0.75, 0.84);
  p.cubicTo(0.64, 0.84, 0.56, 0.78, 0.52, 0.70);
  p.lineTo(0.48, 0.70);
  p.cubicTo(0.44, 0.78, 0.36, 0.84, 0.25, 0.84);
  p.cubicTo(0.12, 0.84, 0.0, 0.76, 0.0, 0.60);
  p.cubicTo(0.0, 0.36, 0.36, 0.20, 0.5, 0.0);
  p.closeSubpath();
  // United rather than added: outlines drawn in opposite directions would
  // cancel where they overlap and leave a hole at the foot of the sign.
  return p.united(Stem(0.62));
}

QPainterPath Club() {
  const double r = 0.235;
  QPainterPath p;
  auto circle = [](QPointF c, double radius) {
    QPainterPath one;
    one.addEllipse(c, radius, radius);
    return one;
  };
  p = circle(QPointF(0.5, 0.245), r)
          .united(circle(QPointF(0.245, 0.585), r))
          .united(circle(QPointF(0.755, 0.585), r))
          .united(circle(QPointF(0.5, 0.52), 0.13));
  return p.united(Stem(0.55));
}

}  // namespace

double SuitAspect(int suit) {
  switch (suit) {
    case 1:
      return 1.08;
    case 2:
      return 0.80;
    case 3:
      return 0.90;
    default:
      return 0.98;
  }
}

QPainterPath SuitPath(int suit, const QRectF& box) {
  QPainterPath unit;
  switch (suit) {
    case 1:
      unit = Heart();
      break;
    case 2:
      unit = Diamond();
      break;
    case 3:
      unit = Spade();
      break;
    default:
      unit = Club();
      break;
  }
  QTransform t;
  t.translate(box.left(), box.top());
  t.scale(box.width(), box.height());
  return t.map(unit);
}

}  // namespace artgen
