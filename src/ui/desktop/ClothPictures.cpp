#include "ui/desktop/ClothPictures.h"

#include <QHash>
#include <QImage>
#include <QPainter>
#include <algorithm>

#include "model/Cards.h"
#include "model/PictureFiles.h"
#include "ui/desktop/GamePictures.h"

namespace belote {

namespace {

// How much of each pixel the face of a card or a suit sign covers, drawn as
// the art generator draws it, at the picture's pixel ratio: a pixel of the
// picture is this much of the face over the rest of the backdrop.
QImage FaceCoverage(qreal pixelRatio) {
  static QHash<qreal, QImage> cache;
  auto it = cache.find(pixelRatio);
  if (it != cache.end()) return it.value();
  const int scale = qMax(1, qRound(pixelRatio));
  QImage mask(kCardWidth * scale, kCardHeight * scale, QImage::Format_ARGB32_Premultiplied);
  mask.setDevicePixelRatio(scale);
  mask.fill(Qt::transparent);
  QPainter p(&mask);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(Qt::black, 1.0));
  p.setBrush(Qt::black);
  p.drawRoundedRect(QRectF(0.5, 0.5, kCardWidth - 1.0, kCardHeight - 1.0), kCardCornerRadius,
                    kCardCornerRadius);
  p.end();
  return cache.insert(pixelRatio, mask).value();
}

// A card or a suit sign lifted off its backdrop: outside its rounded face
// nothing is left, and along its edge each pixel keeps only the face's part
// of its colour, so that no trace of the backdrop shows on another cloth.
QPixmap LiftedFace(const QPixmap& drawn) {
  QImage image = drawn.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
  const QImage coverage = FaceCoverage(drawn.devicePixelRatio());
  if (coverage.size() != image.size()) return drawn;
  const QColor backdrop = QColor::fromRgb(kArtBackdropRgb);
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    const auto* face = reinterpret_cast<const QRgb*>(coverage.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const int a = qAlpha(face[x]);
      if (a == 255) continue;
      // The pixel is a of the face over 255 - a of the backdrop: taking the
      // backdrop's part away leaves the face's, premultiplied by a.
      const auto part = [&](int drawnValue, int backdropValue) {
        return std::clamp(drawnValue - (255 - a) * backdropValue / 255, 0, a);
      };
      line[x] = a == 0 ? 0
                       : qRgba(part(qRed(line[x]), backdrop.red()),
                               part(qGreen(line[x]), backdrop.green()),
                               part(qBlue(line[x]), backdrop.blue()), a);
    }
  }
  QPixmap picture = QPixmap::fromImage(image);
  picture.setDevicePixelRatio(drawn.devicePixelRatio());
  return picture;
}

// An empty place is drawn on the backdrop too: all of the backdrop goes,
// and its outline is only a faint trace.
QPixmap FaintPlace(const QPixmap& drawn) {
  QImage image = drawn.toImage().convertToFormat(QImage::Format_ARGB32);
  const QRgb backdrop = kArtBackdropRgb & 0xFFFFFF;
  constexpr int kOutlineAlpha = 90;
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const bool isBackdrop = (line[x] & 0xFFFFFF) == backdrop;
      line[x] =
          isBackdrop ? 0 : qRgba(qRed(line[x]), qGreen(line[x]), qBlue(line[x]), kOutlineAlpha);
    }
  }
  QPixmap picture = QPixmap::fromImage(image);
  picture.setDevicePixelRatio(drawn.devicePixelRatio());
  return picture;
}

QPixmap OnAnyCloth(const QPixmap& drawn, bool emptyPlace) {
  if (drawn.isNull()) return {};
  return emptyPlace ? FaintPlace(drawn) : LiftedFace(drawn);
}

}  // namespace

bool IsEmptyPlaceFile(const QString& file) {
  return file == QLatin1String(kBlankHandFile) || file == QLatin1String(kPlayedSlotFile) ||
         file == QLatin1String(kClearedPlaceFile);
}

QPixmap ClothPicture(const QString& file, qreal pixelRatio) {
  static QHash<QString, QPixmap> cache;
  const bool sharp = pixelRatio > 1.0;
  const QString key = sharp ? QString::fromStdString(HighDensityFile(file.toStdString())) : file;
  auto it = cache.find(key);
  if (it == cache.end())
    it = cache.insert(key, OnAnyCloth(LoadGamePicture(file, pixelRatio), IsEmptyPlaceFile(file)));
  return it.value();
}

QPixmap BarePicture(const QPixmap& like) {
  static QHash<qreal, QPixmap> bare;
  auto it = bare.find(like.devicePixelRatio());
  if (it == bare.end()) {
    QPixmap clear(like.size());
    clear.fill(Qt::transparent);
    clear.setDevicePixelRatio(like.devicePixelRatio());
    it = bare.insert(like.devicePixelRatio(), clear);
  }
  return it.value();
}

}  // namespace belote
