// The pictures on the table as a player sees them: emptied places that hide
// nothing, whatever the cloth; the twice-sized pictures on a high-density
// screen (this test also runs with QT_SCALE_FACTOR=2); and the reading and
// report of damaged picture files.
#include <sys/stat.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "UiTestSupport.h"
#include "engine/CardRules.h"
#include "model/Cards.h"
#include "model/PictureFiles.h"
#include "ui/boxes/Apropos.h"
#include "ui/boxes/MessageBoxes.h"
#include "ui/boxes/Unit3.h"
#include "ui/desktop/GamePictures.h"
#include "ui/table/Unit1.h"
#include "ui/widgets/TableWidgets.h"

using namespace belote;
using namespace belote::test;

namespace {

// The table as drawn on the screen, in table pixels.
QImage Drawn(QWidget& form) {
  QImage image = form.grab().toImage().convertToFormat(QImage::Format_RGB32);
  if (image.devicePixelRatio() != 1.0)
    image = image.scaled(form.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
  return image;
}

bool CopyPictures(const QString& to) {
  if (!QDir().mkpath(to + "/Im")) return false;
  const QDir from(QDir::current().filePath("Im"));
  for (const QString& name : from.entryList(QDir::Files))
    if (!QFile::copy(from.filePath(name), to + "/Im/" + name)) return false;
  return true;
}

}  // namespace

class PicturesTest : public QObject {
  Q_OBJECT

  StandIn player_;

  // A table dealt and waiting for the human's first card, every box
  // answered "&Oui".
  std::unique_ptr<TForm1> DealtTable() { return test::DealtTable(TestOptions(&player_)); }

 private slots:
  void emptiedSlotShowsTheCardBeneathAndLetsClicksThrough() {
    auto form = DealtTable();
    TableState& s = form->State();
    // A card the rules accept, with a card still held to its left; play
    // other cards until there is one.
    int slot = 0;
    for (int guard = 0; guard < 40 && slot == 0 && !form->Table().Closing(); ++guard) {
      for (int k = 2; k <= 8 && slot == 0; ++k)
        if (s.SlotCard[1][k] > 0 && s.SlotCard[1][k - 1] > 0 && IsLegalHumanCard(s, k)) slot = k;
      if (slot != 0) break;
      for (int k = 1; k <= 8; ++k)
        if (s.SlotCard[1][k] > 0 && IsLegalHumanCard(s, k)) {
          QTest::mouseClick(form->HandImage(k), Qt::LeftButton, {}, QPoint(30, 30));
          break;
        }
    }
    QVERIFY(slot != 0);
    TImage* left = form->HandImage(slot - 1);
    TImage* played = form->HandImage(slot);
    const QImage card = left->pixmap().toImage().scaled(left->size());
    QTest::mouseClick(played, Qt::LeftButton, {}, QPoint(60, 30));
    QCOMPARE(s.SlotCard[1][slot], 0);

    // The strip of the held card that the played one used to cover, away
    // from the rounded corners: pixel for pixel the held card.
    const QRect strip = QRect(played->x(), left->y() + 20,
                              left->x() + left->width() - 4 - played->x(), left->height() - 40);
    QVERIFY(strip.width() >= 30);
    const QImage table = Drawn(*form);
    int differing = 0;
    for (int y = strip.top(); y <= strip.bottom(); ++y)
      for (int x = strip.left(); x <= strip.right(); ++x)
        differing += table.pixel(x, y) != card.pixel(x - left->x(), y - left->y()) ? 1 : 0;
    QCOMPARE(differing, 0);

    // A click there goes to the held card's slot, not to the emptied one.
    const QPoint at = strip.center();
    QWidget* under = form->childAt(at);
    QCOMPARE(under, static_cast<QWidget*>(left));
    QSignalSpy leftClicks(left, &TImage::clicked);
    QTest::mouseClick(under, Qt::LeftButton, {}, under->mapFrom(form.get(), at));
    QCOMPARE(leftClicks.size(), 1);
  }

  void emptyPlacesShowTheClothWhateverItsColour() {
    auto form = DealtTable();
    const QColor green(0, 150, 40);
    form->SetTableColour(green);
    // The trick places as the close of a trick leaves them, the trump box
    // as a new game leaves it.
    form->Table().LoadPicture(Control::Image9, kClearedPlaceFile);
    form->Table().LoadPicture(Control::Image10, kClearedPlaceFile);
    form->Table().LoadPicture(Control::Image13, kBlankHandFile);
    const QImage table = Drawn(*form);
    for (const char* name : {"Image9", "Image10", "Image13"}) {
      const QWidget* place = Find(*form, name);
      // Inside the outline of the place, only the chosen cloth shows.
      const QRect inside = place->geometry().adjusted(6, 6, -6, -6);
      int other = 0;
      for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
          other += table.pixel(x, y) != green.rgb() ? 1 : 0;
      QVERIFY2(other == 0, qPrintable(place->objectName()));
      // The outline itself is a faint trace near the cloth's colour.
      const QRect whole = place->geometry();
      for (int y = whole.top(); y <= whole.bottom(); ++y)
        for (int x = whole.left(); x <= whole.right(); ++x) {
          const QColor c = table.pixelColor(x, y);
          QVERIFY(qAbs(c.red() - green.red()) < 100 && qAbs(c.blue() - green.blue()) < 100);
        }
    }
  }

  // At a pixel ratio of 2 the table shows the twice-sized pictures, in the
  // same table pixels; at 1 it never reads them.
  void picturesMatchTheScreensDensity() {
    const qreal ratio = qApp->devicePixelRatio();
    const bool sharp = ratio > 1.0;
    auto form = DealtTable();
    const TableState& s = form->State();
    for (int slot = 1; slot <= 8; ++slot) {
      if (s.SlotCard[1][slot] == 0) continue;
      const QPixmap shown = form->HandImage(slot)->pixmap();
      QCOMPARE(shown.devicePixelRatio(), sharp ? 2.0 : 1.0);
      QCOMPARE(shown.size(), sharp ? QSize(204, 308) : QSize(102, 154));
      QCOMPARE(form->HandImage(slot)->size(), QSize(102, 154));
      // The very picture of the file lifted off its backdrop: laid back on
      // the backdrop it gives the file's every pixel, the face is untouched,
      // nothing is left outside the face's outline, and along the outline
      // the pixels are only partly there.
      const std::string file(PictureFile(s.PictureOf[s.SlotCard[1][slot]]));
      const QImage drawn = QImage(QString::fromStdString(sharp ? HighDensityFile(file) : file))
                               .convertToFormat(QImage::Format_ARGB32);
      const QImage onTable = shown.toImage().convertToFormat(QImage::Format_ARGB32);
      QCOMPARE(onTable.size(), drawn.size());
      const int scale = sharp ? 2 : 1;
      const QRect face = onTable.rect().adjusted(10 * scale, 10 * scale, -10 * scale, -10 * scale);
      const QColor backdrop = QColor::fromRgb(kArtBackdropRgb);
      const auto onBackdrop = [&](QRgb p, int channel, int under) {
        return (channel * qAlpha(p) + under * (255 - qAlpha(p)) + 127) / 255;
      };
      int differing = 0;
      int cleared = 0;
      int partly = 0;
      for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x) {
          const QRgb want = drawn.pixel(x, y);
          const QRgb got = onTable.pixel(x, y);
          if (face.contains(x, y) && got != want) ++differing;
          if (qAbs(onBackdrop(got, qRed(got), backdrop.red()) - qRed(want)) > 2 ||
              qAbs(onBackdrop(got, qGreen(got), backdrop.green()) - qGreen(want)) > 2 ||
              qAbs(onBackdrop(got, qBlue(got), backdrop.blue()) - qBlue(want)) > 2)
            ++differing;
          if (qAlpha(got) == 0) ++cleared;
          if (qAlpha(got) > 0 && qAlpha(got) < 255) ++partly;
        }
      QCOMPARE(differing, 0);
      QVERIFY(cleared > 0);
      QVERIFY(partly > 0);
    }
    const auto* trump = Find<QLabel>(*form, "Image13");
    QCOMPARE(trump->pixmap().devicePixelRatio(), sharp ? 2.0 : 1.0);
    QCOMPARE(trump->size(), QSize(102, 154));
    QCOMPARE(Find<QPushButton>(*form, "BitBtn1")->icon().pixmap(QSize(16, 16), ratio).size(),
             sharp ? QSize(32, 32) : QSize(16, 16));

    TFormApropos about;
    QCOMPARE(about.Logo->pixmap().devicePixelRatio(), sharp ? 2.0 : 1.0);
    QCOMPARE(about.Logo->pixmap().deviceIndependentSize().toSize(), QSize(337, 217));
    TForm3 chooser([](int) { return true; });
    QCOMPARE(chooser.Image14()->pixmap().devicePixelRatio(), sharp ? 2.0 : 1.0);
    QCOMPARE(chooser.Image14()->pixmap().deviceIndependentSize().toSize(), QSize(350, 98));
    QCOMPARE(chooser.size(), QSize(350, 98));
  }

  void sharpPictureOnAnyDenserScreenElseItsOriginal() {
    // 150 % as well as 200 %: any screen denser than the pictures gets the
    // twice-sized ones, which it shrinks far better than it would blow up
    // the originals.
    for (const qreal ratio : {1.25, 1.5, 2.0, 3.0})
      QCOMPARE(LoadGamePicture("Im/7.Bmp", ratio).devicePixelRatio(), 2.0);

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString original = folder.filePath("Lone.Bmp");
    QVERIFY(QFile::copy("Im/7.Bmp", original));
    const QPixmap picture = LoadGamePicture(original, 2.0);
    QCOMPARE(picture.devicePixelRatio(), 1.0);
    QCOMPARE(picture.size(), QSize(102, 154));
    QCOMPARE(LoadGamePicture("Im/7.Bmp", 1.0).devicePixelRatio(), 1.0);
  }

  void damagedPicturesAreNamedAndNothingWaitsOnAPipe() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QVERIFY(CopyPictures(folder.path()));
    // Read whole once, so that what is known of it must be forgotten.
    QVERIFY(!ReadGamePicture(folder.filePath("Im/7.Bmp")).isNull());
    // Cut to half its length: the header still promises every row.
    QFile cut(folder.filePath("Im/7.Bmp"));
    QVERIFY(cut.open(QIODevice::ReadWrite));
    QVERIFY(cut.resize(cut.size() / 2));
    cut.close();
    // One byte short is as broken as half.
    QFile shy(folder.filePath("Im/Choix.Bmp"));
    QVERIFY(shy.open(QIODevice::ReadWrite));
    QVERIFY(shy.resize(shy.size() - 1));
    shy.close();
    // A named pipe nobody writes to, in place of a card and of its sharp
    // copy: opening either would wait for ever.
    for (const char* name : {"Im/12.Bmp", "Im/12@2x.png"}) {
      const QString path = folder.filePath(name);
      QVERIFY(QFile::remove(path));
      QVERIFY(mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
    }
    QCOMPARE(MissingPictures(folder.path()),
             (QStringList{"Im/7.Bmp", "Im/12.Bmp", "Im/Choix.Bmp"}));
    QVERIFY(LoadGamePicture(folder.filePath("Im/12.Bmp"), 2.0).isNull());
    QVERIFY(ReadGamePicture("/dev/zero").isNull());
    QVERIFY(ReadGamePicture(folder.path()).isNull());
    // The untouched pictures still read whole.
    QVERIFY(!ReadGamePicture(folder.filePath("Im/8.Bmp")).isNull());
  }

  void boxNamingEveryPictureFitsASmallScreen() {
    const QStringList all = GamePictureNames();
    QCOMPARE(all.size(), 48);
    const QString text = MissingPicturesText(all);
    QVERIFY(text.count('\n') <= 13);
    for (const QString& name : all) QVERIFY(text.contains(name));
    // The real box, measured on the screen.
    QSize boxSize;
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [&boxSize, poll] {
      QWidget* box = QApplication::activeModalWidget();
      if (box == nullptr || !box->isVisible()) return;
      poll->stop();
      poll->deleteLater();
      boxSize = box->frameGeometry().size();
      for (QPushButton* b : box->findChildren<QPushButton*>()) b->click();
    });
    poll->start(20);
    ShowTableMessage(nullptr, text.toStdString(), Buttons::Ok, std::nullopt);
    QVERIFY(boxSize.isValid());
    QVERIFY2(boxSize.width() <= 1024 && boxSize.height() <= 768 - 48,
             qPrintable(QString("%1 x %2").arg(boxSize.width()).arg(boxSize.height())));
  }
};

QTEST_MAIN(PicturesTest)
#include "PicturesTest.moc"
