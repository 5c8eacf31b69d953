// The game on the desktops people have: boxes over the table wherever the
// table is, Qt's own dialogs in French, the help page without a browser,
// the choice between X11 and Wayland, and a display that cannot be opened.
#include <signal.h>
#include <sys/stat.h>

#include <QApplication>
#include <QCloseEvent>
#include <QColorDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTimer>
#include <QWindow>
#include <QtTest>
#include <cerrno>
#include <cstdio>
#include <functional>
#include <memory>

#include "UiTestSupport.h"
#include "ui/boxes/MessageBoxes.h"
#include "ui/boxes/Unit3.h"
#include "ui/desktop/Desktop.h"
#include "ui/desktop/HelpPage.h"
#include "ui/desktop/ScreenPlacement.h"
#include "ui/table/Unit1.h"

using namespace belote;
using namespace belote::test;

namespace {

const char* const kChildVariable = "BELOTE_DESKTOP_CHILD";

QWidget* HelpWindowOf(QWidget* table) {
  return table->findChild<QWidget*>("HelpWindow", Qt::FindDirectChildrenOnly);
}

// A stand-in for the table window: a plain window somewhere on the screen.
std::unique_ptr<QWidget> TableAt(QPoint corner, QSize size = {400, 300}) {
  auto table = std::make_unique<QWidget>();
  table->resize(size);
  table->move(corner);
  table->show();
  return table;
}

struct Run {
  int exitCode = -1;
  QProcess::ExitStatus status = QProcess::CrashExit;
  QString err;
};

// Starts the built game with the display variables given (an empty value
// leaves the variable unset) and waits for it to end.
Run StartGame(const QString& display, const QString& wayland, const QString& runtimeDir,
              const QString& platform = QString()) {
  QProcess game;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
    env.remove(QString::fromLatin1(name));
  if (!platform.isEmpty()) env.insert("QT_QPA_PLATFORM", platform);
  if (!display.isEmpty()) env.insert("DISPLAY", display);
  if (!wayland.isEmpty()) env.insert("WAYLAND_DISPLAY", wayland);
  if (!runtimeDir.isEmpty()) env.insert("XDG_RUNTIME_DIR", runtimeDir);
  game.setProcessEnvironment(env);
  game.start(QDir::current().absoluteFilePath("belote"), {});
  Run run;
  if (!game.waitForFinished(60000)) {
    game.kill();
    game.waitForFinished();
    return run;
  }
  run.exitCode = game.exitCode();
  run.status = game.exitStatus();
  run.err = QString::fromLocal8Bit(game.readAllStandardError());
  return run;
}

bool IsChild() {
  return qEnvironmentVariableIsSet(kChildVariable);
}

// A help page opener in `folder` that never answers.
QString OpenerThatNeverAnswers(const QTemporaryDir& folder) {
  const QString path = folder.filePath("opener");
  QFile script(path);
  if (!script.open(QIODevice::WriteOnly)) return {};
  script.write("#!/bin/sh\nexec sleep 600\n");
  script.close();
  script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  return path;
}

// Whether process `pid` is gone for good: ended, and reaped by its parent.
bool Gone(qint64 pid) {
  return kill(static_cast<pid_t>(pid), 0) == -1 && errno == ESRCH;
}

// A headless Wayland compositor, with its X server when asked for; empty
// `socket` when it could not be started here.
struct Compositor {
  QProcess process;
  QTemporaryDir runtime;
  QString socket;
  QString xDisplay;

  ~Compositor() {
    process.terminate();
    if (!process.waitForFinished(5000)) process.kill();
    process.waitForFinished(5000);
  }

  bool Start(bool withX) {
    const QString weston = QStandardPaths::findExecutable("weston");
    if (weston.isEmpty() || !runtime.isValid()) return false;
    QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    socket = QStringLiteral("belote-test-%1").arg(QCoreApplication::applicationPid());
    const QString log = runtime.filePath("weston.log");
    QStringList args = {"--backend=headless-backend.so", "--socket=" + socket, "--idle-time=0",
                        "--log=" + log};
    if (withX) args << "--xwayland";
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_RUNTIME_DIR", runtime.path());
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    process.setProcessEnvironment(env);
    process.start(weston, args);
    if (!process.waitForStarted(10000)) return false;
    const QRegularExpression listening("xserver listening on display (:[0-9]+)");
    for (int i = 0; i < 200; ++i) {
      QTest::qWait(50);
      if (process.state() != QProcess::Running) return false;
      if (!QFile::exists(runtime.filePath(socket))) continue;
      if (!withX) return true;
      QFile file(log);
      if (!file.open(QIODevice::ReadOnly)) continue;
      const auto match = listening.match(QString::fromLocal8Bit(file.readAll()));
      if (match.hasMatch()) {
        xDisplay = match.captured(1);
        return true;
      }
    }
    return false;
  }
};

}  // namespace

class DesktopTest : public QObject {
  Q_OBJECT

 private slots:
  // --- Boxes over the table ---

  void keptInsideMovesAsLittleAsNeeded_data() {
    QTest::addColumn<QRect>("frame");
    QTest::addColumn<QRect>("area");
    QTest::addColumn<QPoint>("kept");
    // A table centred over an area, to see what is kept of it.
    const auto centred = [](QRect area) {
      QRect table(QPoint(), QSize(793, 575));
      table.moveCenter(area.center());
      return table;
    };
    const QRect screen(0, 0, 1024, 600);
    // Inside already: untouched; past the bottom right: pulled just inside.
    QTest::newRow("inside") << QRect(100, 100, 300, 100) << screen << QPoint(100, 100);
    QTest::newRow("past the corner") << QRect(900, 550, 300, 100) << screen << QPoint(724, 500);
    // A table larger than the screen (640 x 480): its top-left corner, with
    // the control panel's Quitter, stays on it.
    const QRect small(0, 0, 640, 480);
    QTest::newRow("larger") << centred(small) << small << QPoint(0, 0);
    // 1024 x 600 with a panel along its top: the table is taller than what
    // is left, and its top edge stays just under the panel.
    const QRect belowPanel(0, 32, 1024, 568);
    QTest::newRow("below a panel")
        << centred(belowPanel) << belowPanel << QPoint(centred(belowPanel).left(), 32);
    // Areas that do not start at the left of the desktop: a dock along the
    // left edge, a second screen on either side of the first.
    const QRect besideDock(64, 0, 960, 600);
    QTest::newRow("dock, past its edge")
        << QRect(10, 100, 300, 100) << besideDock << QPoint(64, 100);
    QTest::newRow("dock, past the right")
        << QRect(900, 100, 300, 100) << besideDock << QPoint(724, 100);
    const QRect right(1024, 0, 1280, 1024);
    QTest::newRow("right screen, past the corner")
        << QRect(1900, 900, 793, 575) << right << QPoint(1511, 449);
    const QRect rightSmall(1024, 0, 640, 480);
    QTest::newRow("right screen, larger") << centred(rightSmall) << rightSmall << QPoint(1024, 0);
    const QRect left(-1280, 0, 1280, 1024);
    QTest::newRow("left screen, past its right")
        << QRect(-100, 10, 300, 100) << left << QPoint(-300, 10);
  }

  void keptInsideMovesAsLittleAsNeeded() {
    QFETCH(QRect, frame);
    QFETCH(QRect, area);
    QFETCH(QPoint, kept);
    QCOMPARE(KeptInside(frame, area), kept);
  }

  void boxSitsOverTheTableWhereverItIs() {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    auto table = TableAt(screen.topLeft() + QPoint(100, screen.height() / 2));
    QVERIFY(QTest::qWaitForWindowExposed(table.get()));
    const QPoint corner = table->frameGeometry().topLeft();

    // "Validez cette main" at its place would leave the screen at the
    // bottom: it is lifted just enough, and keeps its left edge.
    QRect frame;
    WhenModalShows([&](QWidget* box) {
      frame = box->frameGeometry();
      ButtonCaptioned(box, "&Oui")->click();
    });
    ShowTableMessage(table.get(), "Validez cette main", Buttons::Oui, kTrickBoxPlace);
    QCOMPARE(frame.left(), corner.x() + 345);
    QVERIFY(corner.y() + 450 + frame.height() > screen.bottom() + 1);
    QCOMPARE(frame.bottom(), screen.bottom());

    // Centred boxes stay centred on the screen, wherever the table is.
    WhenModalShows([&](QWidget* box) {
      frame = box->frameGeometry();
      ButtonCaptioned(box, "OK")->click();
    });
    ShowTableMessage(table.get(), "Désolé!...Vous n'avez pas de carte sonore.!", Buttons::Ok,
                     std::nullopt);
    QVERIFY((frame.center() - QGuiApplication::primaryScreen()->geometry().center())
                .manhattanLength() <= 2);
  }

  void suitChooserSitsOverTheTable() {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    auto table = TableAt(screen.topLeft() + QPoint(20, 10));
    QVERIFY(QTest::qWaitForWindowExposed(table.get()));
    TForm3 chooser([](int) { return true; }, {}, table.get());
    QPoint placed;
    WhenModalShows([&](QWidget* modal) {
      placed = modal->frameGeometry().topLeft();
      QTest::mouseClick(modal->windowHandle(), Qt::LeftButton, {}, QPoint(300, 50));
    });
    chooser.exec();
    const QPoint want = table->frameGeometry().topLeft() + QPoint(234, 466);
    QCOMPARE(placed.x(), want.x());
    QCOMPARE(placed.y(), std::min(want.y(), screen.bottom() + 1 - 98));
  }

  void tableBoxesFollowTheTable() {
    // The real table, its boxes through the way the rules ask for them.
    TForm1Options options = TestOptions();
    // A quiet sound device: the start sequence shows no box of its own.
    options.soundDevice = true;
    TForm1 form(options);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    // Settled: centred again once its frame was known.
    QTest::qWait(250);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    // The table is centred, its corner on the screen.
    QVERIFY(screen.contains(form.frameGeometry().topLeft()));
    // Moved away from the centre, until the table's own settling (a moment
    // after it shows, later on a slow machine) no longer brings it back.
    const QPoint corner = screen.topLeft() + QPoint(2, 3);
    for (int attempt = 0; attempt < 10 && form.frameGeometry().topLeft() != corner; ++attempt) {
      form.move(corner);
      QTest::qWait(300);
    }
    QCOMPARE(form.frameGeometry().topLeft(), corner);
    // Where the box and the table stand while the box is up: a slow machine
    // may still settle the table's place around that moment.
    QPoint placed;
    QPoint table;
    WhenModalShows([&](QWidget* box) {
      placed = box->frameGeometry().topLeft();
      table = form.frameGeometry().topLeft();
      ButtonCaptioned(box, "&Non")->click();
    });
    const int answer = form.Table().MessageBox(Box::TakeQuestion, "JEAN Tu la prends cette carte?",
                                               Buttons::OuiNon, kBidBoxPlace);
    QCOMPARE(answer, kAnswerNo);
    QCOMPARE(placed, table + QPoint(310, 450));
  }

  // --- Qt's own texts ---

  void qtDialogsSpeakFrench() {
    QVERIFY(LoadQtFrench(*qApp));
    QColorDialog chooser;
    QVERIFY(!chooser.windowTitle().isEmpty());
    QVERIFY2(chooser.windowTitle() != "Select Color", qPrintable(chooser.windowTitle()));
    QStringList captions;
    for (QPushButton* b : chooser.findChildren<QPushButton*>()) captions << b->text();
    QVERIFY2(!captions.contains("Cancel") && !captions.contains("&Cancel"),
             qPrintable(captions.join(", ")));
    QVERIFY2(captions.contains("Annuler") || captions.contains("&Annuler"),
             qPrintable(captions.join(", ")));
  }

  void colourChooserKeepsNoFile_data() {
    QTest::addColumn<bool>("homeExists");
    // Qt keeps the chooser's custom colours in .config/QtProject.conf.
    QTest::newRow("a pipe in place of Qt's file") << true;
    QTest::newRow("a home that does not exist") << false;
  }

  void colourChooserKeepsNoFile() {
    QFETCH(bool, homeExists);
    if (IsChild()) QSKIP("the home is laid out by the parent test");
    QTemporaryDir base;
    QVERIFY(base.isValid());
    const QString home = base.filePath("home");
    const QString config = home + "/.config";
    if (homeExists) {
      QVERIFY(QDir().mkpath(config));
      QCOMPARE(mkfifo(QFile::encodeName(config + "/QtProject.conf").constData(), 0600), 0);
    }
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", home);
    env.remove("XDG_CONFIG_HOME");
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert(kChildVariable, "1");
    QProcess child;
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), {"chooseACustomColour"});
    const bool ended = child.waitForFinished(60000);
    if (!ended) {
      child.kill();
      child.waitForFinished(5000);
    }
    QVERIFY2(ended, "the colour chooser froze the game");
    const QString out =
        QString::fromLocal8Bit(child.readAllStandardOutput() + child.readAllStandardError());
    QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
             qPrintable(out.right(3000)));
    QVERIFY2(out.contains("PASS   : DesktopTest::chooseACustomColour()"),
             qPrintable(out.right(3000)));
    if (homeExists) {
      // The pipe is still there, alone.
      QCOMPARE(QDir(config).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                      QDir::NoDotAndDotDot),
               QStringList{"QtProject.conf"});
      struct stat status {};
      QCOMPARE(stat(QFile::encodeName(config + "/QtProject.conf").constData(), &status), 0);
      QVERIFY(S_ISFIFO(status.st_mode));
    } else {
      QVERIFY(!QFileInfo::exists(config));
    }
  }

  void chooseACustomColour() {
    if (!IsChild()) QSKIP("run by colourChooserKeepsNoFile with a home of its own");
    TForm1Options options = TestOptions();
    // A quiet sound device: the start sequence shows no box of its own.
    options.soundDevice = true;
    auto form = std::make_unique<TForm1>(options);
    form->show();
    const QColor chosen(200, 30, 40);
    WhenModalShows([&](QWidget* modal) {
      auto* chooser = qobject_cast<QColorDialog*>(modal);
      if (chooser == nullptr) return;
      QColorDialog::setCustomColor(0, chosen);
      chooser->setCurrentColor(chosen);
      chooser->accept();
    });
    form->BitBtn1Click();
    QCOMPARE(form->TableColour(), chosen);
    // Qt writes the custom colours down when the chooser goes, with the
    // table; the game keeps them for the session only.
    form.reset();
    QCOMPARE(QColor(QColorDialog::customColor(0)), chosen);
  }

  // --- The help page ---

  void helpPageFallsBackToTheGameWindow() {
    // No opener at all: the page shows at once in the game's own window.
    QWidget table;
    OpenHelpPage(&table, "/nonexistent/belote-opener");
    QWidget* help = HelpWindowOf(&table);
    QVERIFY(help != nullptr);
    QVERIFY(help->isVisible());
    auto* text = help->findChild<QTextBrowser*>("HelpText");
    QVERIFY(text != nullptr);
    QVERIFY(text->toPlainText().contains("belote", Qt::CaseInsensitive));
    QVERIFY(!help->windowTitle().isEmpty());
    // Every letter can be read: none is as light as the page under it.
    const QColor paper = text->palette().color(QPalette::Base);
    for (QTextBlock block = text->document()->begin(); block.isValid(); block = block.next()) {
      for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        const QBrush ink = fragment.charFormat().foreground();
        if (ink.style() == Qt::NoBrush || fragment.text().trimmed().isEmpty()) continue;
        QVERIFY2(qAbs(ink.color().lightness() - paper.lightness()) > 60,
                 qPrintable(fragment.text()));
      }
    }
    // Asked again: the same window, not a second one.
    help->hide();
    OpenHelpPage(&table, "/nonexistent/belote-opener");
    QCOMPARE(table.findChildren<QTextBrowser*>().size(), 1);
    QVERIFY(help->isVisible());

    // An opener that ends with an error: the game's window, once it has.
    QWidget table2;
    QVERIFY(OpenHelpPage(&table2, "false") != nullptr);
    QTRY_VERIFY(HelpWindowOf(&table2) != nullptr && HelpWindowOf(&table2)->isVisible());

    // An opener that shows it: nothing of ours.
    QWidget table3;
    QPointer<QProcess> opener = OpenHelpPage(&table3, "true");
    QVERIFY(opener != nullptr);
    QTRY_VERIFY(opener.isNull());
    QCOMPARE(HelpWindowOf(&table3), nullptr);
  }

  void helpButtonWithoutAViewer() {
    TForm1Options options = TestOptions();
    // A quiet sound device: the start sequence shows no box of its own.
    options.soundDevice = true;
    options.helpOpener = "false";
    TForm1 form(options);
    form.show();
    QTest::mouseClick(Find<QPushButton>(form, "Button2"), Qt::LeftButton);
    QTRY_VERIFY(HelpWindowOf(&form) != nullptr && HelpWindowOf(&form)->isVisible());
    // The table still plays: the help window is no box.
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
  }

  void missingHelpPageShowsNothing() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(folder.path()));
    QWidget table;
    QCOMPARE(OpenHelpPage(&table, "false"), nullptr);
    QCOMPARE(OpenHelpPage(&table, "/nonexistent/belote-opener"), nullptr);
    QVERIFY(QDir::setCurrent(before));
    QCOMPARE(HelpWindowOf(&table), nullptr);
  }

  void helpPageThatCannotBeShownSaysSo_data() {
    QTest::addColumn<QByteArray>("page");
    QTest::addColumn<QString>("message");
    QByteArray large;
    while (large.size() <= 2 * 1024 * 1024) large += "<p>Le valet d'atout vaut 20.</p>\n";
    QByteArray binary(256 * 1024, '\0');
    for (qsizetype i = 0; i < binary.size(); ++i) binary[i] = static_cast<char>(i * 7 % 256);
    const QString damaged = "La page d'aide Notice01.html est abîmée : ce n'est pas du texte.";
    QTest::newRow("too large") << large
                               << "La page d'aide Notice01.html est trop grande pour être "
                                  "affichée.";
    QTest::newRow("binary") << binary << damaged;
    QTest::newRow("Latin-1") << QByteArray("<html><body><p>R\xe8gles du jeu</p></body></html>")
                             << damaged;
  }

  void helpPageThatCannotBeShownSaysSo() {
    QFETCH(QByteArray, page);
    QFETCH(QString, message);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QFile file(folder.filePath("Notice01.html"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(page);
    file.close();
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(folder.path()));
    QWidget table;
    // Not even handed to the desktop's viewer: the game's window says why.
    QPointer<QProcess> opener = OpenHelpPage(&table, "true");
    QVERIFY(QDir::setCurrent(before));
    QCOMPARE(opener.data(), nullptr);
    QWidget* help = HelpWindowOf(&table);
    QVERIFY(help != nullptr && help->isVisible());
    QCOMPARE(help->findChild<QTextBrowser*>("HelpText")->toPlainText(), message);
  }

  void openerThatNeverAnswersIsGivenUp() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString opener = OpenerThatNeverAnswers(folder);
    QWidget table;
    QPointer<QProcess> process = OpenHelpPage(&table, opener, 300);
    QVERIFY(process != nullptr);
    QVERIFY(process->waitForStarted(10000));
    const qint64 pid = process->processId();
    QTRY_VERIFY(HelpWindowOf(&table) != nullptr && HelpWindowOf(&table)->isVisible());
    QVERIFY(HelpWindowOf(&table)
                ->findChild<QTextBrowser*>("HelpText")
                ->toPlainText()
                .contains("belote", Qt::CaseInsensitive));
    QVERIFY(Gone(pid));
    QTRY_VERIFY(process.isNull());
  }

  void openerStillWaitingEndsWithTheGame() {
    if (IsChild()) QSKIP("the opener is written by the parent test");
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("BELOTE_TEST_OPENER", OpenerThatNeverAnswers(folder));
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert(kChildVariable, "1");
    QProcess child;
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), {"endTheGameWhileTheOpenerWaits"});
    QVERIFY(child.waitForFinished(60000));
    const QString out = QString::fromLocal8Bit(child.readAllStandardOutput());
    const auto match = QRegularExpression("opener pid ([0-9]+)").match(out);
    QVERIFY2(match.hasMatch(), qPrintable(out.right(3000)));
    const qint64 pid = match.captured(1).toLongLong();
    const bool gone = Gone(pid);
    if (!gone) kill(static_cast<pid_t>(pid), SIGKILL);
    QVERIFY2(gone, "the opener outlived the game");
    QVERIFY2(out.contains("PASS   : DesktopTest::endTheGameWhileTheOpenerWaits()"),
             qPrintable(out.right(3000)));
  }

  void endTheGameWhileTheOpenerWaits() {
    if (!IsChild()) QSKIP("run by openerStillWaitingEndsWithTheGame");
    QWidget table;
    QProcess* opener = OpenHelpPage(&table, qEnvironmentVariable("BELOTE_TEST_OPENER"));
    QVERIFY(opener != nullptr);
    QVERIFY(opener->waitForStarted(10000));
    std::printf("opener pid %lld\n", static_cast<long long>(opener->processId()));
    std::fflush(stdout);
    QTimer::singleShot(100, qApp, &QCoreApplication::quit);
    QCOMPARE(QApplication::exec(), 0);
  }

  // --- X11, Wayland, and no display ---

  void platformFollowsTheXServer() {
    // A Wayland desktop with its X server: X11, so that boxes can be placed;
    // Wayland stays as the fall-back.
    QCOMPARE(ChoosePlatform({"", ":0", "wayland-0"}), QString("xcb;wayland"));
    QCOMPARE(ChoosePlatform({"", ":1", ""}), QString("xcb"));
    // No X server: native Wayland.
    QCOMPARE(ChoosePlatform({"", "", "wayland-1"}), QString("wayland"));
    // The user's own choice wins; nothing at all gives nothing.
    QCOMPARE(ChoosePlatform({"offscreen", ":0", "wayland-0"}), QString("offscreen"));
    QCOMPARE(ChoosePlatform({"", "", ""}), QString());

    QCOMPARE(DisplayName({"", ":87", ""}, "xcb"), QString(":87"));
    QCOMPARE(DisplayName({"", ":87", "gone"}, "xcb;wayland"), QString(":87 or gone"));
    QCOMPARE(DisplayName({"", "", ""}, "wayland"), QString("wayland-0"));
    QCOMPARE(DisplayName({"", "", ""}, "xcb:nograb"), QString(":0"));
  }

  void displayThatCannotBeOpenedGivesOneLine_data() {
    QTest::addColumn<QString>("platform");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("wayland");
    QTest::addColumn<QString>("named");
    QTest::addColumn<QString>("unknown");
    QTest::newRow("X11") << ""
                         << ":87"
                         << ""
                         << ":87"
                         << "";
    QTest::newRow("Wayland") << ""
                             << ""
                             << "belote-no-compositor"
                             << "belote-no-compositor"
                             << "";
    QTest::newRow("both") << ""
                          << ":87"
                          << "belote-no-compositor"
                          << ":87 or belote-no-compositor"
                          << "";
    QTest::newRow("none") << ""
                          << ""
                          << ""
                          << ""
                          << "";
    // A platform name that Qt has no plugin for is no display.
    QTest::newRow("unknown platform") << "bogus"
                                      << ""
                                      << ""
                                      << ""
                                      << "bogus";
    QTest::newRow("unknown platform, then X11") << "bogus;xcb"
                                                << ":87"
                                                << ""
                                                << ":87"
                                                << "bogus";
  }

  void displayThatCannotBeOpenedGivesOneLine() {
    QFETCH(QString, platform);
    QFETCH(QString, display);
    QFETCH(QString, wayland);
    QFETCH(QString, named);
    QFETCH(QString, unknown);
    if (QFile::exists("/tmp/.X11-unix/X87")) QSKIP("an X server runs on :87 here");
    QTemporaryDir runtime;
    QVERIFY(runtime.isValid());
    QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const Run run = StartGame(display, wayland, runtime.path(), platform);
    QCOMPARE(run.status, QProcess::NormalExit);
    QCOMPARE(run.exitCode, 1);
    const QStringList lines = run.err.split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 1);
    QVERIFY(lines[0].startsWith("belote: "));
    if (!named.isEmpty())
      QVERIFY2(lines[0].contains("cannot open the display " + named + ";"), qPrintable(lines[0]));
    if (!unknown.isEmpty()) {
      QVERIFY2(lines[0].contains("no Qt platform plugin named " + unknown), qPrintable(lines[0]));
      QVERIFY2(!lines[0].contains("display " + unknown), qPrintable(lines[0]));
    }
  }

  void startsAndEndsUnderWeston_data() {
    QTest::addColumn<bool>("throughX");
    QTest::newRow("native Wayland") << false;
    QTest::newRow("XWayland") << true;
  }

  void startsAndEndsUnderWeston() {
    QFETCH(bool, throughX);
    if (IsChild()) QSKIP("the compositor is started by the parent test");
    Compositor weston;
    if (!weston.Start(throughX)) QSKIP("weston cannot run headless here");

    // The environment of a Wayland desktop, with or without its X server.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_RUNTIME_DIR", weston.runtime.path());
    env.insert("WAYLAND_DISPLAY", weston.socket);
    env.remove("QT_QPA_PLATFORM");
    env.remove("DISPLAY");
    if (throughX) env.insert("DISPLAY", weston.xDisplay);
    const QString platform =
        ChoosePlatform({"", env.value("DISPLAY"), env.value("WAYLAND_DISPLAY")});
    QCOMPARE(platform, QString(throughX ? "xcb;wayland" : "wayland"));

    // The game itself comes up there and stays up.
    QProcess game;
    game.setProcessEnvironment(env);
    game.start(QDir::current().absoluteFilePath("belote"), {});
    QVERIFY(game.waitForStarted(10000));
    QVERIFY(!game.waitForFinished(3000));
    game.kill();
    game.waitForFinished(5000);
    QVERIFY2(!game.readAllStandardError().contains("belote:"), "the game could not start");

    // A whole start and end of the table, checked from inside, on the
    // platform the game would choose.
    env.insert("QT_QPA_PLATFORM", platform);
    env.insert(kChildVariable, "1");
    // This run is about starting and ending on the compositor; the memory
    // that Qt's Wayland platform keeps to the end is not the game's.
    env.insert("ASAN_OPTIONS", env.value("ASAN_OPTIONS") + ":detect_leaks=0");
    env.insert("BELOTE_EXPECTED_PLATFORM", throughX ? "xcb" : "wayland");
    QProcess child;
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), {"startAndEndTheTable"});
    QVERIFY(child.waitForFinished(60000));
    const QString out =
        QString::fromLocal8Bit(child.readAllStandardOutput() + child.readAllStandardError());
    QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
             qPrintable(out.right(3000)));
    QVERIFY2(out.contains("PASS   : DesktopTest::startAndEndTheTable()"),
             qPrintable(out.right(3000)));
  }

  void startAndEndTheTable() {
    if (!IsChild()) QSKIP("run by startsAndEndsUnderWeston inside the compositor");
    QCOMPARE(QGuiApplication::platformName(), qEnvironmentVariable("BELOTE_EXPECTED_PLATFORM"));
    TForm1Options options;
    options.soundDevice = true;
    options.soundSink = [](const std::string&) {};
    // The about box comes first, as at every start; its button closes it.
    WhenModalShows([](QWidget* about) { about->findChild<QPushButton*>("BitBtn2")->click(); });
    TForm1 form(options);
    bool overTheTable = false;
    bool asked = false;
    QTimer watchdog;
    watchdog.setSingleShot(true);
    connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    watchdog.start(30000);
    QTimer::singleShot(500, this, [&] {
      // Then the compositor's close button: the question belongs to the
      // table, and "&Oui" ends the program. Under native Wayland, where the
      // game cannot place windows, it lies inside the table at its place;
      // under X11 it is a window of its own that the table owns.
      auto* poll = new QTimer(&form);
      connect(poll, &QTimer::timeout, [&, poll] {
        auto* box = form.findChild<QDialog*>("TableMessageBox");
        if (box == nullptr || !box->isVisible()) return;
        poll->stop();
        asked = BoxText(box) == "Etes-vous sur de vouloir quitter?";
        if (QGuiApplication::platformName() == QLatin1String("wayland")) {
          // At its place, or as near as the table's edge allows.
          const QPoint frameOffset = form.geometry().topLeft() - form.frameGeometry().topLeft();
          const QPoint place = QPoint(kQuitBoxPlace.x, kQuitBoxPlace.y) - frameOffset;
          const QPoint inside(std::min(place.x(), form.width() - box->width()),
                              std::min(place.y(), form.height() - box->height()));
          overTheTable = !box->isWindow() && box->parentWidget() == &form && box->pos() == inside;
        } else {
          overTheTable = box->windowHandle() != nullptr &&
                         box->windowHandle()->transientParent() == form.windowHandle();
        }
        ButtonCaptioned(box, "&Oui")->click();
      });
      poll->start(20);
      QCloseEvent close;
      QCoreApplication::sendEvent(form.windowHandle(), &close);
    });
    form.show();
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(asked);
    QVERIFY(overTheTable);
    QVERIFY(!form.isVisible());
  }
};

QTEST_MAIN(DesktopTest)
#include "DesktopTest.moc"
