#include "ChooserArt.h"

#include <QList>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>
#include <cmath>

#include "Canvas.h"
#include "CardArt.h"
#include "Palette.h"
#include "SuitShapes.h"
#include "TextPaint.h"

namespace artgen {
namespace {

// The sixteen colours of the picture. Everything is drawn in these, so the
// reduction to 16 colours changes nothing but the soft edges.
const QColor kBack(0, 96, 96);
const QColor kBackDark(0, 64, 72);
const QColor kTileWhite(255, 255, 255);
const QColor kTileShade(214, 214, 214);
const QColor kCyan(96, 232, 240);
const QColor kBannerBlue(16, 24, 112);
const QColor kYellow(255, 232, 0);
const QColor kLeaf(32, 136, 56);
const QColor kLeafDark(16, 80, 32);
const QColor kBerry(204, 22, 36);
const QColor kBlack(22, 22, 30);
const QColor kRedDark(128, 10, 20);
const QColor kGold(232, 180, 40);
const QColor kGrey(128, 128, 128);
const QColor kBlueLight(80, 96, 200);
const QColor kCyanDark(0, 160, 176);

QList<QRgb> Palette16() {
  return {kBack.rgb(),     kBackDark.rgb(),   kTileWhite.rgb(), kTileShade.rgb(),
          kCyan.rgb(),     kBannerBlue.rgb(), kYellow.rgb(),    kLeaf.rgb(),
          kLeafDark.rgb(), kBerry.rgb(),      kBlack.rgb(),     kRedDark.rgb(),
          kGold.rgb(),     kGrey.rgb(),       kBlueLight.rgb(), kCyanDark.rgb()};
}

// A tile inside its band with a margin on each side, with a drop shadow.
QRectF TileRect(const belote::ChooserBand& band, double top, double bottom) {
  return QRectF(band.first + 2.0, top, band.last - band.first - 3.0, bottom - top);
}

void PaintTile(QPainter& p, const QRectF& r, const QColor& face) {
  p.setPen(Qt::NoPen);
  p.setBrush(kBackDark);
  p.drawRoundedRect(r.translated(1.5, 1.5), 5, 5);
  p.setPen(QPen(kGrey, 1.0));
  p.setBrush(face);
  p.drawRoundedRect(r, 5, 5);
}

// Laurel wreath: two branches of leaves curving up around the sign, tied
// with a red bow at the bottom.
void PaintWreath(QPainter& p, QPointF c, double radius) {
  for (int side = -1; side <= 1; side += 2) {
    // Angles run from the bottom of the circle up each side.
    for (int i = 0; i < 7; ++i) {
      const double a = (28.0 + i * 21.0) * M_PI / 180.0;
      const QPointF at(c.x() + side * radius * std::sin(a), c.y() + radius * std::cos(a));
      const double along = std::atan2(-std::sin(a), side * std::cos(a)) * 180.0 / M_PI;
      QTransform t;
      t.translate(at.x(), at.y());
      t.rotate(along - side * 28.0);
      QPainterPath leaf;
      leaf.moveTo(-5.5, 0);
      leaf.quadTo(0, 3.4, 5.5, 0);
      leaf.quadTo(0, -3.4, -5.5, 0);
      p.setPen(QPen(kLeafDark, 0.7));
      p.setBrush(i % 2 ? kLeafDark : kLeaf);
      p.drawPath(t.map(leaf));
    }
  }
  // A small red bow where the two branches meet.
  const QPointF knot(c.x(), c.y() + radius + 0.5);
  p.setPen(QPen(kRedDark, 0.6));
  p.setBrush(kBerry);
  for (int side = -1; side <= 1; side += 2) {
    QPainterPath loop;
    loop.moveTo(knot);
    loop.quadTo(knot.x() + side * 6.0, knot.y() - 5.0, knot.x() + side * 6.0, knot.y() + 1.0);
    loop.quadTo(knot.x() + side * 3.0, knot.y() + 2.0, knot.x(), knot.y());
    p.drawPath(loop);
    QPainterPath tail;
    tail.moveTo(knot);
    tail.lineTo(knot.x() + side * 4.5, knot.y() + 5.5);
    tail.lineTo(knot.x() + side * 2.0, knot.y() + 5.0);
    tail.closeSubpath();
    p.drawPath(tail);
  }
  p.drawEllipse(knot, 1.6, 1.6);
}

void PaintSuitTile(QPainter& p, const belote::ChooserBand& band, int suit, double top,
                   double bottom) {
  const QRectF r = TileRect(band, top, bottom);
  PaintTile(p, r, kTileWhite);
  const QPointF c = r.center() + QPointF(0, -1.5);
  PaintWreath(p, c, 23.0);
  const double h = 30.0;
  const double w = h * SuitAspect(suit);
  p.setPen(Qt::NoPen);
  p.setBrush(suit <= 2 ? kBerry : kBlack);
  p.drawPath(SuitPath(suit, QRectF(c.x() - w / 2, c.y() - h / 2, w, h)));
}

}  // namespace

QImage DrawChooser() {
  QImage rgb = NewCanvas(kChooserWidth, kChooserHeight, QImage::Format_RGB32);
  rgb.fill(kBack);
  QPainter p(&rgb);
  p.setRenderHint(QPainter::Antialiasing);

  const double top = 4.0;
  const double bottom = 73.0;
  for (int suit = 1; suit <= 4; ++suit)
    PaintSuitTile(p, belote::ChooserBandOf(suit), suit, top, bottom);

  const QRectF pass = TileRect(belote::kPassBand, top, bottom);
  PaintTile(p, pass, kCyan);
  const double inner = pass.width() - 6.0;
  FillText(p, QStringLiteral("NON,"), Face::SansBold, QRectF(pass.left() + 3, 14, inner, 16), 14.0,
           kBerry, Qt::AlignHCenter | Qt::AlignTop);
  FillText(p, QStringLiteral("PAS CETTE"), Face::NarrowBold, QRectF(pass.left() + 3, 37, inner, 12),
           9.0, kBerry, Qt::AlignHCenter | Qt::AlignTop);
  FillText(p, QStringLiteral("FOIS"), Face::NarrowBold, QRectF(pass.left() + 3, 52, inner, 12), 9.0,
           kBerry, Qt::AlignHCenter | Qt::AlignTop);

  // The banner along the bottom.
  const QRectF banner(1.0, belote::kChooserBannerTop, kChooserWidth - 2.0, 19.0);
  p.setPen(QPen(kYellow, 1.0));
  p.setBrush(kBannerBlue);
  p.drawRect(banner.adjusted(0.5, 0.5, -0.5, -0.5));
  FillText(p, QStringLiteral("CLIQUEZ SUR LA COULEUR OU VOUS DESIREZ ALLER"), Face::NarrowBold,
           banner.adjusted(6, 0, -6, 0), 9.0, kYellow, Qt::AlignCenter);
  p.end();

  return rgb.convertToFormat(QImage::Format_Indexed8, Palette16(),
                             Qt::ThresholdDither | Qt::AvoidDither);
}

}  // namespace artgen
