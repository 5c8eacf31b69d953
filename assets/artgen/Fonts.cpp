#include "Fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace artgen {
namespace {

struct FontFile {
  Face face;
  const char* path;
  QString family;  // filled once the file is registered
};

FontFile gFiles[] = {
    {Face::SerifBold, "/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf", {}},
    {Face::SansBold, "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf", {}},
    {Face::NarrowBold, "/usr/share/fonts/truetype/liberation/LiberationSansNarrow-Bold.ttf", {}},
};

}  // namespace

bool LoadFonts(QString* missing) {
  for (FontFile& file : gFiles) {
    const int id = QFontDatabase::addApplicationFont(QString::fromUtf8(file.path));
    const QStringList families =
        id < 0 ? QStringList() : QFontDatabase::applicationFontFamilies(id);
    if (families.isEmpty()) {
      if (missing) *missing = QString::fromUtf8(file.path);
      return false;
    }
    file.family = families.first();
  }
  return true;
}

QFont MakeFont(Face face, double pixelSize) {
  QString family;
  for (const FontFile& file : gFiles)
    if (file.face == face) family = file.family;
  QFont font(family);
  font.setBold(true);
  font.setPixelSize(static_cast<int>(pixelSize + 0.5));
  font.setHintingPreference(QFont::PreferNoHinting);
  font.setStyleStrategy(QFont::PreferAntialias);
  return font;
}

}  // namespace artgen
