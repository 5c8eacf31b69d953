#include "ui/GamePictures.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <cstdio>

#include "model/Cards.h"
#include "ui/MessageBoxes.h"

namespace belote {

QStringList GamePictureFiles() {
  const auto name = [](int picture) {
    const auto file = PictureFile(picture);
    return QString::fromUtf8(file.data(), static_cast<qsizetype>(file.size()));
  };
  QStringList files;
  for (int picture = 1; picture <= 32; ++picture) files << name(picture);
  // The two played-slot names differ only by the case of the extension,
  // which matters on this system: both are needed.
  files << QString::fromLatin1(kBlankHandFile) << QString::fromLatin1(kPlayedSlotFile)
        << QString::fromLatin1(kClearedPlaceFile);
  for (int sign = 33; sign <= 36; ++sign) files << name(sign);
  files << QStringLiteral("Im/Choix.Bmp") << QStringLiteral("Im/Apropos.Bmp")
        << QStringLiteral("Im/Oui.Bmp") << QStringLiteral("Im/Icone.png")
        << QStringLiteral("Im/Tapis.Bmp") << QStringLiteral("Im/Aide.Bmp")
        << QStringLiteral("Im/Quitter.Bmp") << QStringLiteral("Im/Son.Bmp")
        << QStringLiteral("Im/Animation.Bmp");
  return files;
}

QStringList MissingPictures(const QString& folder) {
  const QDir base(folder.isEmpty() ? QDir::currentPath() : folder);
  QStringList missing;
  for (const QString& file : GamePictureFiles()) {
    // Reading the whole picture, not just its header, also catches a file
    // cut short or not a picture at all.
    QImageReader reader(base.filePath(file));
    if (reader.read().isNull()) missing << file;
  }
  return missing;
}

QString MissingPicturesText(const QStringList& missing) {
  return QStringLiteral("Images introuvables :\n") + missing.join(QLatin1Char('\n'));
}

QStringList ReportMissingPictures(QWidget* parent) {
  const QStringList missing = MissingPictures();
  if (missing.isEmpty()) return missing;
  const QByteArray line =
      "belote: missing pictures: " + missing.join(QStringLiteral(", ")).toUtf8();
  std::fprintf(stderr, "%s\n", line.constData());
  std::fflush(stderr);
  ShowTableMessage(parent, MissingPicturesText(missing).toStdString(), Buttons::Ok, std::nullopt);
  return missing;
}

}  // namespace belote
