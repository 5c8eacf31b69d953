#include "TextPaint.h"

#include <QPainterPath>
#include <QTransform>

namespace artgen {
namespace {

constexpr double kDesignSize = 200.0;

// Height of a capital letter at the design size, the yardstick for all text.
double CapHeightAtDesign(Face face) {
  QPainterPath h;
  h.addText(0, 0, MakeFont(face, kDesignSize), QStringLiteral("H"));
  return h.boundingRect().height();
}

QPainterPath FittedPath(const QString& text, Face face, const QRectF& box, double capHeight,
                        Qt::Alignment align) {
  QPainterPath path;
  path.addText(0, 0, MakeFont(face, kDesignSize), text);
  const double scale = capHeight / CapHeightAtDesign(face);
  // The baseline is at y = 0; capitals stand from -cap to 0.
  const QRectF ink = path.boundingRect();
  double sx = scale;
  const double width = ink.width() * scale;
  if (width > box.width()) sx = box.width() / ink.width();

  double x = box.left() - ink.left() * sx;
  const double w = ink.width() * sx;
  if (align & Qt::AlignHCenter) x += (box.width() - w) / 2;
  if (align & Qt::AlignRight) x += box.width() - w;

  // Vertical placement goes by the capital height, so that one line of text
  // sits the same way whether or not it has letters reaching below the line.
  double baseline = box.top() + capHeight;
  if (align & Qt::AlignVCenter) baseline = box.top() + (box.height() + capHeight) / 2;
  if (align & Qt::AlignBottom) baseline = box.bottom();

  QTransform t;
  t.translate(x, baseline);
  t.scale(sx, scale);
  return t.map(path);
}

}  // namespace

void FillText(QPainter& p, const QString& text, Face face, const QRectF& box, double capHeight,
              const QColor& colour, Qt::Alignment align) {
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawPath(FittedPath(text, face, box, capHeight, align));
  p.restore();
}

void FillTextOutlined(QPainter& p, const QString& text, Face face, const QRectF& box,
                      double capHeight, const QColor& colour, const QColor& outline,
                      double outlineWidth, Qt::Alignment align) {
  const QPainterPath path = FittedPath(text, face, box, capHeight, align);
  p.save();
  p.setPen(QPen(outline, outlineWidth * 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(outline);
  p.drawPath(path);
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawPath(path);
  p.restore();
}

double TextWidth(const QString& text, Face face, double capHeight) {
  QPainterPath path;
  path.addText(0, 0, MakeFont(face, kDesignSize), text);
  return path.boundingRect().width() * capHeight / CapHeightAtDesign(face);
}

}  // namespace artgen
