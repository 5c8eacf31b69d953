#include "ui/desktop/GamePictures.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QMutex>
#include <QMutexLocker>
#include <QtEndian>
#include <cstdio>
#include <cstdlib>

#include "model/PictureFiles.h"
#include "ui/desktop/BoundedFile.h"

namespace belote {

namespace {

// Far more than the largest picture of the game; a bigger file is not one
// of ours and is not read into memory.
constexpr qint64 kLargestPicture = 64 * 1024 * 1024;

// A bitmap says in its header how many rows of how many pixels follow. The
// decoder fills whatever is missing with black without a word, so a file cut
// short must be caught here. Other formats fail to decode when cut short.
bool BitmapIsWhole(const QByteArray& data) {
  if (!data.startsWith("BM") || data.size() < 30) return true;  // not a bitmap, or no header
  const auto* bytes = reinterpret_cast<const uchar*>(data.constData());
  const qint64 offset = qFromLittleEndian<quint32>(bytes + 10);
  const quint32 infoSize = qFromLittleEndian<quint32>(bytes + 14);
  qint64 width = 0;
  qint64 height = 0;
  qint64 bitsPerPixel = 0;
  quint32 compression = 0;
  qint64 declaredSize = 0;
  if (infoSize == 12) {  // the oldest header, with 16-bit sizes
    width = qFromLittleEndian<quint16>(bytes + 18);
    height = qFromLittleEndian<quint16>(bytes + 20);
    bitsPerPixel = qFromLittleEndian<quint16>(bytes + 24);
  } else {
    if (data.size() < 38) return true;
    width = qFromLittleEndian<qint32>(bytes + 18);
    height = std::abs(static_cast<qint64>(qFromLittleEndian<qint32>(bytes + 22)));
    bitsPerPixel = qFromLittleEndian<quint16>(bytes + 28);
    compression = qFromLittleEndian<quint32>(bytes + 30);
    declaredSize = qFromLittleEndian<quint32>(bytes + 34);
  }
  constexpr quint32 kPlain = 0;
  constexpr quint32 kBitFields = 3;
  constexpr quint32 kAlphaBitFields = 6;
  qint64 pixelBytes = 0;
  if (compression == kPlain || compression == kBitFields || compression == kAlphaBitFields) {
    const qint64 rowBytes = (width * bitsPerPixel + 31) / 32 * 4;
    pixelBytes = rowBytes * height;
  } else {
    pixelBytes = declaredSize;  // run-length data: only its declared length is known
  }
  return data.size() >= offset + pixelBytes;
}

// Decodes the picture in `path`, read through the game's bounded reader,
// which opens nothing but a regular file and never waits on one.
QImage DecodeGamePicture(const QString& path) {
  const BoundedRead read = ReadBoundedFile(path, kLargestPicture);
  if (read.result != BoundedRead::Result::Read || !BitmapIsWhole(read.data)) return {};
  QBuffer buffer;
  buffer.setData(read.data);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer);
  return reader.read();
}

// A picture as decoded, with the size and time its file had then.
struct DecodedPicture {
  qint64 size = -1;
  qint64 modified = -1;
  QImage image;
};

}  // namespace

QImage ReadGamePicture(const QString& path) {
  // Opening a named pipe would wait for a writer for ever, and a device may
  // never end: only a regular file is a picture.
  const QFileInfo info(path);
  if (!info.isFile() || info.size() > kLargestPicture) return {};
  // Every table window checks the whole set at its start and then loads
  // what it shows: each file is decoded once for the whole program, and
  // again only when it has changed.
  static QMutex mutex;
  static QHash<QString, DecodedPicture> decoded;
  const QString key = info.absoluteFilePath();
  const qint64 size = info.size();
  const qint64 modified = info.lastModified().toMSecsSinceEpoch();
  {
    const QMutexLocker lock(&mutex);
    const auto known = decoded.constFind(key);
    if (known != decoded.constEnd() && known->size == size && known->modified == modified)
      return known->image;
  }
  const QImage image = DecodeGamePicture(path);
  const QMutexLocker lock(&mutex);
  // The game reads a hundred files or so; a program that reads far more
  // (copies of the game folder, in the tests) starts the count again.
  constexpr qsizetype kMostKept = 500;
  if (decoded.size() >= kMostKept) decoded.clear();
  decoded.insert(key, DecodedPicture{size, modified, image});
  return image;
}

QPixmap LoadGamePicture(const QString& file, qreal pixelRatio) {
  if (pixelRatio > 1.0) {
    const QImage sharp =
        ReadGamePicture(QString::fromStdString(HighDensityFile(file.toStdString())));
    if (!sharp.isNull()) {
      QPixmap picture = QPixmap::fromImage(sharp);
      picture.setDevicePixelRatio(2.0);
      return picture;
    }
  }
  return QPixmap::fromImage(ReadGamePicture(file));
}

QStringList MissingPictures(const QString& folder) {
  const QDir base(folder.isEmpty() ? QDir::currentPath() : folder);
  QStringList missing;
  for (const GamePictureFile& picture : GamePictureFiles()) {
    const QString file = QString::fromStdString(picture.file);
    // Reading the whole picture, not just its header, also catches a file
    // cut short or not a picture at all.
    if (ReadGamePicture(base.filePath(file)).isNull()) missing << file;
  }
  return missing;
}

QString MissingPicturesText(const QStringList& missing) {
  // A short list reads best a name a line; a long one would make the box
  // taller than a small screen, its button out of reach.
  constexpr qsizetype kOneALine = 16;
  constexpr qsizetype kToALine = 4;
  const qsizetype perLine = missing.size() <= kOneALine ? 1 : kToALine;
  QStringList lines;
  for (qsizetype i = 0; i < missing.size(); i += perLine)
    lines << missing.mid(i, perLine).join(QStringLiteral(", "));
  return QStringLiteral("Images introuvables :\n") + lines.join(QLatin1Char('\n'));
}

QStringList ReportMissingPictures() {
  const QStringList missing = MissingPictures();
  if (missing.isEmpty()) return missing;
  const QByteArray line =
      "belote: missing pictures: " + missing.join(QStringLiteral(", ")).toUtf8();
  std::fprintf(stderr, "%s\n", line.constData());
  std::fflush(stderr);
  return missing;
}

}  // namespace belote
