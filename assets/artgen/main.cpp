// belote-artgen: draws every picture of the game.
//
//   belote-artgen --out GAMEDIR [--icons ICONDIR] [--contact-sheet FILE.png]
//
// GAMEDIR receives Im/... (each picture also at twice the size, as
// Im/<name>@2x.png); ICONDIR receives hicolor/<n>x<n>/apps/belote.png.
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStringList>
#include <cstdio>

#include "ButtonArt.h"
#include "ContactSheet.h"
#include "Fonts.h"
#include "Pictures.h"

namespace {

bool Save(const QImage& image, const QString& path) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  const char* format = path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive) ? "PNG" : "BMP";
  if (!image.save(path, format)) {
    std::fprintf(stderr, "belote-artgen: cannot write %s\n", qPrintable(path));
    return false;
  }
  return true;
}

int Usage() {
  std::fprintf(
      stderr,
      "usage: belote-artgen [--out GAMEDIR] [--icons ICONDIR] [--contact-sheet FILE.png]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  QString outDir;
  QString iconDir;
  QString sheetFile;
  const QStringList args = app.arguments();
  for (int i = 1; i < args.size(); ++i) {
    const QString& arg = args[i];
    if (i + 1 >= args.size()) return Usage();
    if (arg == QStringLiteral("--out")) {
      outDir = args[++i];
    } else if (arg == QStringLiteral("--icons")) {
      iconDir = args[++i];
    } else if (arg == QStringLiteral("--contact-sheet")) {
      sheetFile = args[++i];
    } else {
      return Usage();
    }
  }
  if (outDir.isEmpty() && iconDir.isEmpty() && sheetFile.isEmpty()) return Usage();

  QString missing;
  if (!artgen::LoadFonts(&missing)) {
    std::fprintf(stderr, "belote-artgen: font file missing: %s\n", qPrintable(missing));
    return 1;
  }

  const std::vector<artgen::Picture> pictures = artgen::AllPictures();
  bool ok = true;
  if (!outDir.isEmpty()) {
    for (const artgen::Picture& picture : pictures)
      ok = Save(picture.image, outDir + QLatin1Char('/') + picture.file) && ok;
    for (const artgen::Picture& picture : artgen::HighDensityPictures())
      ok = Save(picture.image, outDir + QLatin1Char('/') + picture.file) && ok;
  }
  if (!iconDir.isEmpty())
    for (int size : {32, 64, 128})
      ok = Save(artgen::DrawIcon(size),
                QStringLiteral("%1/hicolor/%2x%2/apps/belote.png").arg(iconDir).arg(size)) &&
           ok;
  if (!sheetFile.isEmpty()) ok = Save(artgen::DrawContactSheet(pictures), sheetFile) && ok;
  return ok ? 0 : 1;
}
