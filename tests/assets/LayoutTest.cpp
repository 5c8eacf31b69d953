// The game finds its files by exact name in its working directory: every
// file must be there under that name, with the size the window lays out.
#include <gtest/gtest.h>

#include <QDir>
#include <QImageReader>
#include <QStringList>

#include "GameFolder.h"
#include "model/PictureFiles.h"

namespace {

struct Expected {
  QString file;
  QSize size;
};

std::vector<Expected> ExpectedPictures() {
  const QSize card(102, 154);
  std::vector<Expected> all = {{"Im/0.Bmp", card},
                               {"Im/00.Bmp", card},
                               {"Im/00.bmp", card},
                               {"Im/Choix.Bmp", {350, 98}},
                               {"Im/Apropos.Bmp", {337, 217}},
                               {"Im/Oui.Bmp", {193, 28}},
                               {"Im/Tapis.Bmp", {16, 16}},
                               {"Im/Aide.Bmp", {16, 16}},
                               {"Im/Quitter.Bmp", {16, 16}},
                               {"Im/Son.Bmp", {16, 16}},
                               {"Im/Animation.Bmp", {16, 16}},
                               {"Im/Icone.png", {32, 32}}};
  for (int picture = 1; picture <= 36; ++picture) all.push_back({CardFile(picture), card});
  return all;
}

// True when the folder lists the name with exactly this case; a file found
// only under another case would not be found by the game.
bool ListedExactly(const QString& relative) {
  const int slash = relative.lastIndexOf(QLatin1Char('/'));
  const QDir dir(GamePath(slash < 0 ? QString() : relative.left(slash)));
  return dir.entryList(QDir::Files).contains(relative.mid(slash + 1), Qt::CaseSensitive);
}

TEST(GameFolder, EveryPictureIsThereWithItsSizeAndFormat) {
  for (const Expected& e : ExpectedPictures()) {
    SCOPED_TRACE(e.file.toStdString());
    ASSERT_TRUE(ListedExactly(e.file));
    QImageReader reader(GamePath(e.file));
    const QByteArray format = e.file.endsWith(QStringLiteral(".png")) ? "png" : "bmp";
    EXPECT_EQ(reader.format(), format);
    EXPECT_EQ(reader.size(), e.size);
    EXPECT_FALSE(reader.read().isNull()) << reader.errorString().toStdString();
  }
}

TEST(GameFolder, EveryPictureHasASharpCopyOfTwiceItsSize) {
  for (const Expected& e : ExpectedPictures()) {
    const QString sharp = QString::fromStdString(belote::HighDensityFile(e.file.toStdString()));
    SCOPED_TRACE(sharp.toStdString());
    ASSERT_TRUE(ListedExactly(sharp));
    QImageReader reader(GamePath(sharp));
    EXPECT_EQ(reader.format(), QByteArray("png"));
    EXPECT_EQ(reader.size(), e.size * 2);
    const QImage image = reader.read();
    ASSERT_FALSE(image.isNull());
    // Drawn anew, not the small picture blown up: its edges are as sharp as
    // the small one's, so it holds far more distinct colours than a copy
    // scaled pixel for pixel would add.
    const QImage small(GamePath(e.file));
    const QImage blownUp = small.scaled(small.size() * 2).convertToFormat(image.format());
    EXPECT_NE(image, blownUp);
  }
}

TEST(GameFolder, SoundsAndHelpPageAreThere) {
  for (const char* file : {"So/sonoui.wav", "So/V.Wav", "So/C.Wav", "So/K.Wav", "So/P.Wav",
                           "So/T.Wav", "So/E.wav", "Notice01.html"}) {
    EXPECT_TRUE(ListedExactly(QString::fromLatin1(file))) << file;
  }
}

TEST(GameFolder, ChooserUsesSixteenColours) {
  const QImage chooser(GamePath(QStringLiteral("Im/Choix.Bmp")));
  ASSERT_FALSE(chooser.isNull());
  EXPECT_EQ(chooser.format(), QImage::Format_Indexed8);
  EXPECT_LE(chooser.colorCount(), 16);
}

TEST(GameFolder, IconsHaveSeeThroughCornersAtEverySize) {
  std::vector<std::pair<QString, int>> icons = {{GamePath(QStringLiteral("Im/Icone.png")), 32}};
  for (int size : {32, 64, 128})
    icons.push_back(
        {QStringLiteral(BELOTE_ICON_DIR "/hicolor/%1x%1/apps/belote.png").arg(size), size});
  for (const auto& [file, size] : icons) {
    SCOPED_TRACE(file.toStdString());
    const QImage icon(file);
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.size(), QSize(size, size));
    EXPECT_TRUE(icon.hasAlphaChannel());
    EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(icon.pixel(size / 2, size / 2)), 255);
  }
}

}  // namespace
