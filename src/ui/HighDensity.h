// Where the twice-sized copy of a picture lies, for high-density screens:
// beside its original, under Qt's "@2x" suffix, as PNG.
#pragma once

#include <QString>

namespace belote {

// "Im/7.Bmp" gives "Im/7@2x.png"; both spellings of the played place give
// the same copy, as they name the same picture.
inline QString HighDensityFile(const QString& file) {
  const qsizetype dot = file.lastIndexOf(QLatin1Char('.'));
  const qsizetype slash = file.lastIndexOf(QLatin1Char('/'));
  const QString stem = dot > slash ? file.left(dot) : file;
  return stem + QStringLiteral("@2x.png");
}

}  // namespace belote
