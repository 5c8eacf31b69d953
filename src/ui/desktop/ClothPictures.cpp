#include "ui/desktop/ClothPictures.h"

#include <QHash>
#include <QImage>

#include "model/Cards.h"
#include "model/PictureFiles.h"
#include "ui/desktop/GamePictures.h"

namespace belote {

namespace {

// The cards are drawn on the art's backdrop: their rounded corners and the
// rim around them are of that colour. Those pixels are made see-through. On
// a card only the rim and the corners are touched, so that its face keeps
// all its colours; an empty place loses all its backdrop, and its outline
// is only a faint trace.
QPixmap OnAnyCloth(const QPixmap& drawn, bool emptyPlace) {
  if (drawn.isNull()) return {};
  QImage image = drawn.toImage().convertToFormat(QImage::Format_ARGB32);
  const QRgb backdrop = kArtBackdropRgb & 0xFFFFFF;
  // A picture for a high-density screen has its rim and corners twice as wide.
  const int scale = qMax(1, qRound(drawn.devicePixelRatio()));
  const int rim = 3 * scale;
  const int cornerSize = 10 * scale;
  constexpr int kOutlineAlpha = 90;
  const int w = image.width();
  const int h = image.height();
  for (int y = 0; y < h; ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    const bool edgeRow = y < rim || y >= h - rim;
    const bool cornerRow = y < cornerSize || y >= h - cornerSize;
    for (int x = 0; x < w; ++x) {
      const bool isBackdrop = (line[x] & 0xFFFFFF) == backdrop;
      if (emptyPlace) {
        line[x] =
            isBackdrop ? 0 : qRgba(qRed(line[x]), qGreen(line[x]), qBlue(line[x]), kOutlineAlpha);
        continue;
      }
      const bool edge = edgeRow || x < rim || x >= w - rim;
      const bool corner = cornerRow && (x < cornerSize || x >= w - cornerSize);
      if ((edge || corner) && isBackdrop) line[x] = 0;
    }
  }
  QPixmap picture = QPixmap::fromImage(image);
  picture.setDevicePixelRatio(drawn.devicePixelRatio());
  return picture;
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
