// The small windows around the table: the pause, the suit chooser, the about
// box, the message boxes and the memory figures.
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

#include "UiTestSupport.h"
#include "engine/ChooserBands.h"
#include "ui/boxes/Apropos.h"
#include "ui/boxes/MessageBoxes.h"
#include "ui/boxes/Unit2.h"
#include "ui/boxes/Unit3.h"
#include "ui/desktop/MemoryStatus.h"
#include "ui/table/PointsField.h"
#include "ui/table/Unit1.h"

using namespace belote;
using namespace belote::test;

class DialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void kiloBytesAreGroupedByTheLocaleAndNeverWrap();
  void memInfoGivesTheFourFigures();
  void aboutBoxLayout();
  void aboutBoxClosesOnlyByItsButton();
  void pauseWaitsBlocksTheTableAndLetsTimersTick();
  void pauseEndsAtOnceWhenTheProgramCloses();
  void suitChooserPlaceAndPresses();
  void suitChooserEscapeIsThePassTileAndCanBeForcedShut();
  void answererStandsInForTheBoxes();
  void plainBoxSitsWhereAskedAndAnswersItsButton();
  void boxClosedWithoutAButtonAnswersTwo();
  void confirmationBoxHasItsTitleAndIcon();
  void notAWholeNumberQuotesAShortenedText();
  void notAWholeNumberBoxFitsOnTheScreen();
};

void DialogsTest::kiloBytesAreGroupedByTheLocaleAndNeverWrap() {
  // 256 MB of memory.
  const quint64 kb256Mb = 268435456ull / 1024;
  QCOMPARE(FormatKiloBytes(kb256Mb, " KB", QLocale::c()), QString("262,144 KB"));
  QCOMPARE(FormatKiloBytes(kb256Mb, " KB", QLocale(QLocale::English)), QString("262,144 KB"));
  const QLocale french(QLocale::French);
  QCOMPARE(FormatKiloBytes(kb256Mb, " KB", french),
           QString("262") + french.groupSeparator() + "144 KB");

  // 24 GiB is far beyond what 32 bits can count in bytes.
  const quint64 kb24Gib = (24ull << 30) / 1024;
  QCOMPARE(FormatKiloBytes(kb24Gib, " Ko", QLocale::c()), QString("25,165,824 Ko"));

  // Small numbers have no separator; zero has no digits at all.
  QCOMPARE(FormatKiloBytes(999, " Ko", QLocale::c()), QString("999 Ko"));
  QCOMPARE(FormatKiloBytes(0, " Ko", QLocale::c()), QString(" Ko"));
  QCOMPARE(FormatKiloBytes(0, " KB", french), QString(" KB"));

  QCOMPARE(FormatPercent(57), QString("57 %"));
  QCOMPARE(FormatPercent(0), QString("0 %"));
}

void DialogsTest::memInfoGivesTheFourFigures() {
  // A 64 GiB machine with a quarter of its memory available.
  const MemoryStatus big = ParseMemInfo(
      "MemTotal:       67108864 kB\n"
      "MemFree:         1048576 kB\n"
      "MemAvailable:   16777216 kB\n"
      "Buffers:          123456 kB\n"
      "SwapTotal:       8388608 kB\n"
      "SwapFree:        4194304 kB\n");
  QCOMPARE(big.totalBytes, 64ull << 30);
  QCOMPARE(big.freeBytes, 16ull << 30);
  QCOMPARE(big.freeSwapBytes, 4ull << 30);
  QCOMPARE(big.percentInUse, 75);

  // Without an estimate of the available memory the free memory stands in.
  const MemoryStatus old = ParseMemInfo(
      "MemTotal:  1000 kB\n"
      "MemFree:    430 kB\n"
      "SwapFree:     0 kB\n");
  QCOMPARE(old.freeBytes, 430ull * 1024);
  QCOMPARE(old.percentInUse, 57);
  QCOMPARE(old.freeSwapBytes, 0ull);

  // Nothing readable: zeros, no division by zero.
  const MemoryStatus none = ParseMemInfo("garbage\nMemTotal: x kB\n");
  QCOMPARE(none.totalBytes, 0ull);
  QCOMPARE(none.percentInUse, 0);

  // The real machine: some memory, a sensible share in use.
  const MemoryStatus here = ReadMemoryStatus();
  QVERIFY(here.totalBytes > 0);
  QVERIFY(here.freeBytes <= here.totalBytes);
  QVERIFY(here.percentInUse >= 0 && here.percentInUse <= 100);
}

void DialogsTest::aboutBoxLayout() {
  TFormApropos box;
  QVERIFY(box.windowFlags() & Qt::FramelessWindowHint);
  QCOMPARE(box.size(), QSize(337, 217));
  QCOMPARE(box.Panel1->geometry(), QRect(0, 0, 337, 217));
  QCOMPARE(box.Logo->geometry(), QRect(0, 0, 337, 217));
  QCOMPARE(box.Label6->text(), QString("Logiciel sous Windows    Version 2.0"));
  QCOMPARE(box.Label6->pos(), QPoint(144, 48));
  QCOMPARE(box.Label6->palette().color(QPalette::WindowText), QColor(0, 0, 128));
  QCOMPARE(box.BitBtn2->geometry(), QRect(152, 176, 161, 27));

  struct Figure {
    QLabel* label;
    QPoint at;
  };
  const std::vector<Figure> figures = {{box.MemLibre, {268, 74}},
                                       {box.MemDisque, {268, 90}},
                                       {box.MemPhysique, {268, 106}},
                                       {box.MemUtile, {268, 122}}};
  for (const Figure& f : figures) {
    QCOMPARE(f.label->pos(), f.at);
    QCOMPARE(f.label->text(), QString("0"));
  }

  // Centred on the screen.
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  QCOMPARE(box.geometry().center(), screen.center());

  // Showing the box fills the figures, each label as wide as its text.
  box.show();
  QVERIFY(QTest::qWaitForWindowExposed(&box));
  const MemoryStatus status = ReadMemoryStatus();
  QCOMPARE(box.MemPhysique->text(), FormatKiloBytes(status.totalBytes / 1024, " KB"));
  QVERIFY(box.MemLibre->text().endsWith(" Ko"));
  QVERIFY(box.MemDisque->text().endsWith(" Ko"));
  QVERIFY(box.MemUtile->text().endsWith(" %"));
  QCOMPARE(box.MemPhysique->width(), box.MemPhysique->sizeHint().width());
  QVERIFY(box.MemPhysique->width() > QLabel("0").sizeHint().width());
}

void DialogsTest::aboutBoxClosesOnlyByItsButton() {
  TFormApropos box;
  bool stillOpenAfterEscape = false;
  WhenModalShows([&](QWidget* modal) {
    QTest::keyClick(modal, Qt::Key_Escape);
    stillOpenAfterEscape = modal->isVisible();
    QTest::mouseClick(box.BitBtn2, Qt::LeftButton);
  });
  box.exec();
  QVERIFY(stillOpenAfterEscape);
  QVERIFY(!box.isVisible());
}

void DialogsTest::pauseWaitsBlocksTheTableAndLetsTimersTick() {
  QWidget table;
  table.resize(200, 100);
  auto* card = new QPushButton("card", &table);
  card->setGeometry(10, 10, 50, 30);
  QPushButton elsewhere("elsewhere");
  table.show();
  elsewhere.show();
  QVERIFY(QTest::qWaitForWindowExposed(&table));
  QSignalSpy cardClicks(card, &QPushButton::clicked);
  QSignalSpy elsewhereClicks(&elsewhere, &QPushButton::clicked);

  // The table's animation timer keeps running through the wait.
  int ticks = 0;
  QTimer glide;
  glide.setInterval(5);
  QObject::connect(&glide, &QTimer::timeout, [&] { ++ticks; });
  glide.start();

  bool clickedDuringWait = false;
  QTimer::singleShot(10, [&] {
    // Through the window, as the player's click would come.
    QTest::mouseClick(table.windowHandle(), Qt::LeftButton, {}, QPoint(20, 20));
    QTest::keyClick(card, Qt::Key_Space);
    QTest::mouseClick(&elsewhere, Qt::LeftButton);
    clickedDuringWait = true;
  });

  QElapsedTimer clock;
  clock.start();
  {
    TForm2 pause(&table, 60);
    pause.exec();
  }
  const qint64 waited = clock.elapsed();
  glide.stop();

  QVERIFY(clickedDuringWait);
  // Ended by its own timer; the upper bound is loose because a busy test
  // machine can hold any process up for a while.
  QVERIFY2(waited >= 55 && waited < 20000, qPrintable(QString::number(waited)));
  QVERIFY(ticks >= 1);
  QCOMPARE(cardClicks.count(), 0);
  // Only the table is held; other windows take their clicks.
  QCOMPARE(elsewhereClicks.count(), 1);

  // Once the wait is over the table takes clicks again.
  QTest::mouseClick(table.windowHandle(), Qt::LeftButton, {}, QPoint(20, 20));
  QCOMPARE(cardClicks.count(), 1);
}

void DialogsTest::pauseEndsAtOnceWhenTheProgramCloses() {
  QWidget table;
  QElapsedTimer clock;
  clock.start();
  {
    TForm2 pause(&table, 10000);
    QTimer::singleShot(20, [&pause] { pause.Stop(); });
    pause.exec();
  }
  QVERIFY(clock.elapsed() < 5000);

  // The table's own pauses: the one under way ends when the program
  // closes, and none waits once it is closing.
  TForm1Options options = TestOptions(nullptr, 10000);
  TForm1 form(options);
  clock.restart();
  QTimer::singleShot(20, &form, &TForm1::Quit);
  form.Table().Pause();
  QVERIFY(form.Closing());
  QVERIFY(clock.elapsed() < 5000);
  clock.restart();
  form.Table().Pause();
  QVERIFY(clock.elapsed() < 5000);
}

void DialogsTest::suitChooserPlaceAndPresses() {
  std::vector<int> presses;
  TForm3 chooser([&](int x) {
    presses.push_back(x);
    // The pass tile closes, a suit tile keeps the chooser open.
    return x >= 275;
  });
  QVERIFY(chooser.windowFlags() & Qt::FramelessWindowHint);
  QCOMPARE(chooser.size(), QSize(350, 98));
  QCOMPARE(chooser.Image14()->objectName(), QString("Image14"));
  QCOMPARE(chooser.Image14()->geometry(), QRect(0, 0, 350, 98));

  bool openAfterSuitPress = false;
  QPoint placed;
  WhenModalShows([&](QWidget* modal) {
    placed = modal->frameGeometry().topLeft();
    // Any button, any height: only x counts. The second press of a double
    // click reaches the picture as a double click and counts as a press too.
    QWindow* window = modal->windowHandle();
    QTest::mouseClick(window, Qt::RightButton, {}, QPoint(100, 5));
    QTest::mouseDClick(window, Qt::LeftButton, {}, QPoint(30, 90));
    openAfterSuitPress = modal->isVisible();
    QTest::mouseClick(window, Qt::MiddleButton, {}, QPoint(300, 50));
  });
  const int result = chooser.exec();

  QCOMPARE(placed, QPoint(234, 466));
  QVERIFY(openAfterSuitPress);
  QCOMPARE(result, int(QDialog::Accepted));
  QCOMPARE(presses, (std::vector<int>{100, 30, 30, 300}));
}

void DialogsTest::suitChooserEscapeIsThePassTileAndCanBeForcedShut() {
  std::vector<int> presses;
  bool closes = false;
  TForm3 chooser([&](int x) {
    presses.push_back(x);
    return closes;
  });
  bool openAfterEscape = false;
  WhenModalShows([&](QWidget* modal) {
    // Escape and a close from the window manager press the pass tile; the
    // game says whether that closes the chooser.
    QTest::keyClick(modal, Qt::Key_Escape);
    modal->close();
    openAfterEscape = modal->isVisible();
    chooser.ForceClose();
  });
  chooser.exec();
  QVERIFY(openAfterEscape);
  QVERIFY(!chooser.isVisible());
  QCOMPARE(presses.size(), size_t{2});
  for (int x : presses) QVERIFY(x >= kPassBand.first);
}

void DialogsTest::answererStandsInForTheBoxes() {
  // A table built with a stand-in: the rules' boxes and the window's own
  // boxes all reach it, none is shown, and its answers are the boxes'.
  std::vector<std::pair<std::string, Buttons>> asked;
  TForm1Options options = TestOptions();
  options.messageAnswerer = [&](const std::string& text, Buttons buttons) {
    asked.emplace_back(text, buttons);
    return kAnswerNo;
  };
  TForm1 form(options);
  const int answer = form.Table().MessageBox(Box::TakeQuestion, "JEAN Tu la prends cette carte?",
                                             Buttons::OuiNon, kBidBoxPlace);
  form.Button1Click();
  form.State().SoundOn = 1;
  form.BitBtn2Click();

  QCOMPARE(answer, kAnswerNo);
  QCOMPARE(asked.size(), size_t{3});
  QCOMPARE(asked[0].first, std::string("JEAN Tu la prends cette carte?"));
  QVERIFY(asked[0].second == Buttons::OuiNon);
  QCOMPARE(asked[1].first, std::string("Etes-vous sur de vouloir quitter?"));
  QCOMPARE(form.State().DialogResult, kAnswerNo);
  QVERIFY(!form.Closing());
  QCOMPARE(asked[2].first, std::string("Le son est innactif."));
  QCOMPARE(QApplication::activeModalWidget(), nullptr);

  // The suit chooser's stand-in presses until the chooser would close: the
  // suit everybody refused keeps it open, the pass tile ends it.
  const std::vector<int> presses = {BandMiddle(ChooserBandOf(2)), BandMiddle(kPassBand)};
  std::size_t pressed = 0;
  options.chooserAnswerer = [&] { return presses[std::min(pressed++, presses.size() - 1)]; };
  TForm1 chooserForm(options);
  chooserForm.State().TurnedSuitText = "2";
  chooserForm.Table().RunSuitChooser();
  QCOMPARE(pressed, size_t{2});
  QCOMPARE(chooserForm.State().TrumpSuit, 0);

  // Without a stand-in the table shows its real boxes.
  TForm1Options real = TestOptions();
  TForm1 shown(real);
  WhenModalShows([](QWidget* box) { ButtonCaptioned(box, "&Oui")->click(); });
  QCOMPARE(shown.Table().MessageBox(Box::ConfirmTrick, "Validez cette main", Buttons::Oui,
                                    kTrickBoxPlace),
           kAnswerYes);
}

void DialogsTest::plainBoxSitsWhereAskedAndAnswersItsButton() {
  QApplication::setApplicationDisplayName("Belote");
  const std::string text = "TOUT LE MONDE PASSE AU 2eme TOUR.\n ON REDONNE DES CARTES!";
  QPoint placed;
  QString title, shown;
  QStringList captions;
  bool hasIcon = true;
  WhenModalShows([&](QWidget* box) {
    placed = box->frameGeometry().topLeft();
    title = box->windowTitle();
    shown = BoxText(box);
    hasIcon = box->findChild<QLabel*>("Icon") != nullptr;
    for (QPushButton* b : box->findChildren<QPushButton*>()) captions << b->text();
    ButtonCaptioned(box, "&Oui")->click();
  });
  QCOMPARE(ShowTableMessage(nullptr, text, Buttons::Oui, kTrickBoxPlace), 6);
  QCOMPARE(placed, QPoint(345, 450));
  QCOMPARE(title, QString("Belote"));
  QCOMPARE(shown, QString::fromStdString(text));
  QVERIFY(!hasIcon);
  QCOMPARE(captions, QStringList{"&Oui"});

  // Yes/no box answered no.
  QRect quitFrame;
  WhenModalShows([&](QWidget* box) {
    quitFrame = box->frameGeometry();
    captions.clear();
    for (QPushButton* b : box->findChildren<QPushButton*>()) captions << b->text();
    ButtonCaptioned(box, "&Non")->click();
  });
  QCOMPARE(ShowTableMessage(nullptr, "Etes-vous sur de vouloir quitter?", Buttons::OuiNon,
                            kQuitBoxPlace),
           7);
  // At its place, or pushed left just enough to stay on the screen.
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  QCOMPARE(quitFrame.top(), 120);
  QCOMPARE(quitFrame.left(), std::min(580, screen.right() + 1 - quitFrame.width()));
  QCOMPARE(captions, (QStringList{"&Oui", "&Non"}));

  // "OK" box, centred on the screen.
  QRect frame;
  WhenModalShows([&](QWidget* box) {
    frame = box->frameGeometry();
    ButtonCaptioned(box, "OK")->click();
  });
  QCOMPARE(ShowTableMessage(nullptr, "Désolé!...Vous n'avez pas de carte sonore.!", Buttons::Ok,
                            std::nullopt),
           1);
  const QPoint centre = QGuiApplication::primaryScreen()->geometry().center();
  QVERIFY((frame.center() - centre).manhattanLength() <= 2);
}

void DialogsTest::boxClosedWithoutAButtonAnswersTwo() {
  // Escape must not count as "&Non": the question was not answered.
  WhenModalShows([](QWidget* box) { QTest::keyClick(box, Qt::Key_Escape); });
  QCOMPARE(ShowTableMessage(nullptr, "X Tu la prends cette carte?", Buttons::OuiNon, kBidBoxPlace),
           2);
  WhenModalShows([](QWidget* box) { box->close(); });
  QCOMPARE(ShowTableMessage(nullptr, "Validez cette main", Buttons::Oui, kTrickBoxPlace), 2);
}

void DialogsTest::confirmationBoxHasItsTitleAndIcon() {
  QString title;
  bool hasIcon = false;
  QRect frame;
  WhenModalShows([&](QWidget* box) {
    title = box->windowTitle();
    hasIcon = box->findChild<QLabel*>("Icon") != nullptr;
    frame = box->frameGeometry();
    ButtonCaptioned(box, "&Oui")->click();
  });
  // A position given by mistake does not move the confirmation box.
  QCOMPARE(ShowTableMessage(nullptr, " On s'en fait une autre ?->", Buttons::Confirmation,
                            BoxPlace{0, 0}),
           6);
  QCOMPARE(title, QString("Confirmation"));
  QVERIFY(hasIcon);
  const QPoint centre = QGuiApplication::primaryScreen()->geometry().center();
  QVERIFY((frame.center() - centre).manhattanLength() <= 2);
}

void DialogsTest::notAWholeNumberQuotesAShortenedText() {
  const auto quoted = [](const std::string& field) {
    const QString text = QString::fromStdString(NotAWholeNumberText(field));
    const QString tail = QStringLiteral("' n'est pas une valeur entière correcte");
    if (!text.startsWith('\'') || !text.endsWith(tail)) return QStringLiteral("<badly framed>");
    return text.mid(1, text.size() - 1 - tail.size());
  };
  QCOMPARE(quoted(""), QString());
  QCOMPARE(quoted("12a"), QString("12a"));
  const std::string sixty(60, 'x');
  QCOMPARE(quoted(sixty), QString::fromStdString(sixty));

  // One letter more: the start and the end around an ellipsis, 60 in all.
  std::string longer = "DEBUT" + std::string(51, 'x') + "FIN..";
  QCOMPARE(longer.size(), std::size_t{61});
  QString shown = quoted(longer);
  QCOMPARE(shown.size(), 60);
  QVERIFY(shown.startsWith("DEBUT"));
  QVERIFY(shown.endsWith("FIN.."));
  QCOMPARE(shown.count(QChar(0x2026)), 1);

  // A narrow screen asks for fewer characters.
  const QString narrow = QString::fromStdString(NotAWholeNumberText(longer, 11));
  QCOMPARE(narrow, QString("'DEBUT…FIN..' n'est pas une valeur entière correcte"));

  // Accented letters are cut between characters, never inside one.
  std::string accented;
  for (int i = 0; i < 5000; ++i) accented += "é";
  shown = quoted(accented);
  QCOMPARE(shown.size(), 60);
  QCOMPARE(shown, QString(29, QChar(0xE9)) + QChar(0x2026) + QString(30, QChar(0xE9)));
}

void DialogsTest::notAWholeNumberBoxFitsOnTheScreen() {
  // A pasted page of text, far longer than the screen is wide.
  std::string pasted;
  while (pasted.size() < 5000) pasted += "Entrez le nombre de Points pour cette partie. ";
  QRect frame;
  WhenModalShows([&](QWidget* box) {
    frame = box->frameGeometry();
    ButtonCaptioned(box, "OK")->click();
  });
  QCOMPARE(ShowTableMessage(nullptr, NotAWholeNumberText(pasted), Buttons::Ok, std::nullopt), 1);
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  QVERIFY2(screen.contains(frame), qPrintable(QStringLiteral("box %1 wide on a screen %2 wide")
                                                  .arg(frame.width())
                                                  .arg(screen.width())));
}

QTEST_MAIN(DialogsTest)
#include "DialogsTest.moc"
