// The table under careless hands and in a damaged game folder: odd points
// and names, clicks at the wrong moments, the window closed whenever the
// player likes, and pictures, sounds or the help page gone missing.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDirIterator>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>
#include <QtTest>
#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "UiTestSupport.h"
#include "engine/CardRules.h"
#include "ui/boxes/Apropos.h"
#include "ui/boxes/MessageBoxes.h"
#include "ui/boxes/Unit3.h"
#include "ui/desktop/GamePictures.h"
#include "ui/desktop/GameSound.h"
#include "ui/table/PointsField.h"
#include "ui/table/Unit1.h"

using namespace belote;
using namespace belote::test;

namespace {

const char* const kQuestion = " Tu la prends cette carte?";
const char* const kAnotherGame = " On s'en fait une autre ?->";
const char* const kQuitQuestion = "Etes-vous sur de vouloir quitter?";
// Set for the copies of this program that play in a damaged game folder.
const char* const kChildVariable = "BELOTE_ROBUST_CHILD";

// Counts the human's cards, in the game and in the deal, and the deals.
class Recorder : public PlayObserver {
 public:
  void HandsReady() override { humanThisDeal = 0; }
  void CardPlayed(int seat, int, int, int, bool) override {
    if (seat != 1) return;
    ++humanCards;
    ++humanThisDeal;
  }
  void DealScored() override { ++deals; }
  int humanCards = 0;
  int humanThisDeal = 0;
  int deals = 0;
};

// Seeds the shuffles with the seconds counted up from a known one, so that
// the deals are the same on every run.
class CountingClock : public SecondsClock {
 public:
  explicit CountingClock(std::int64_t first) : next_(first) {}
  std::int64_t Now() override { return next_++; }

 private:
  std::int64_t next_;
};

// The second whose shuffle gives the human three hearts (pictures 2, 4 and
// 7) and two cards of other suits among his first five.
constexpr std::int64_t kHeartsFirst = 11;

}  // namespace

class RobustnessTest : public QObject {
  Q_OBJECT

 private:
  StandIn player_;

  // A table whose boxes and sounds go to the stand-in.
  TForm1Options Options(int pauseMs = 1) { return TestOptions(&player_, pauseMs); }

  std::unique_ptr<TForm1> StartedTable(int pauseMs = 1) {
    return test::StartedTable(player_, pauseMs);
  }

  // A table dealt with the animation on, its play followed by `recorder`.
  std::unique_ptr<TForm1> AnimatedDeal(Recorder& recorder, int pauseMs = 1) {
    auto form = StartedTable(pauseMs);
    form->GameState().observers.push_back(&recorder);
    Find<QCheckBox>(*form, "CheckBox2")->setChecked(true);
    form->BoutonAClick();
    return form;
  }

  // Plays the human's cards until the game ends (or `maxClicks`).
  static void PlayOut(TForm1& form, int maxClicks = 3000) {
    for (int clicks = 0; clicks < maxClicks && !form.Closing(); ++clicks) {
      const int slot = FirstSlot(form.State());
      QVERIFY(slot != 0);
      Click(form.HandImage(slot));
    }
  }

  // Runs this program again, alone, in `folder`, for the one test named.
  static QProcess* RunChild(const QString& testFunction, const QString& folder) {
    auto* child = new QProcess;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(kChildVariable), QStringLiteral("1"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child->setProcessEnvironment(env);
    child->setWorkingDirectory(folder);
    child->start(QCoreApplication::applicationFilePath(), {testFunction});
    child->waitForFinished(120000);
    return child;
  }

  // What a failed child printed, without Qt's warnings, and only its last
  // lines: a sanitizer report or a failed check is at the end, and a long
  // message gets cut by whoever shows the test log.
  static QString WhyChildFailed(const QString& output) {
    QStringList lines;
    for (const QString& line : output.split('\n')) {
      if (!line.startsWith(QLatin1String("QWARN")) && !line.trimmed().isEmpty()) lines << line;
    }
    return lines.mid(std::max<qsizetype>(0, lines.size() - 25)).join('\n');
  }

  static bool IsChild() { return qEnvironmentVariableIsSet(kChildVariable); }

  // A copy of the game folder this test runs from, to damage at will.
  static bool CopyGameFolder(const QString& to) {
    const QDir from = QDir::current();
    QDirIterator it(from.path(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
      const QString file = it.next();
      const QString relative = from.relativeFilePath(file);
      // Only what the game reads: the pictures, the sounds, the help page.
      if (!relative.startsWith(QLatin1String("Im/")) &&
          !relative.startsWith(QLatin1String("So/")) && relative != QLatin1String("Notice01.html"))
        continue;
      const QString target = to + QLatin1Char('/') + relative;
      QDir().mkpath(QFileInfo(target).path());
      if (!QFile::copy(file, target)) return false;
    }
    return true;
  }

 private slots:
  void init() {
    player_.Clear();
    player_.answer = [](const std::string& text) {
      return text == kAnotherGame ? kAnswerNo : kAnswerYes;
    };
  }

  // --- The points fields ---

  void pointsFieldTakesOnlyWholeNumbers_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("refused");
    QTest::addColumn<int>("taken");
    for (const char* field : {"Edit1", "Edit11"}) {
      const auto row = [field](const char* name, const char* text, int taken) {
        QTest::addRow("%s %s", field, name) << field << text << (taken == 0) << taken;
      };
      // What the parser takes is tested on its own (PointsFieldTest); here,
      // what a field does with a text taken or refused.
      row("letters", "abc", 0);
      row("below the arrows", "150", 150);
    }
  }

  void pointsFieldTakesOnlyWholeNumbers() {
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(bool, refused);
    QFETCH(int, taken);
    auto form = StartedTable();
    TableState& s = form->State();
    auto* edit1 = Find<QLineEdit>(*form, "Edit1");
    auto* edit11 = Find<QLineEdit>(*form, "Edit11");
    auto* hbArrows = Find<TUpDown>(*form, "HB");
    auto* upDownArrows = Find<TUpDown>(*form, "UpDown1");
    edit1->setText("3300");
    edit11->setText("2700");  // copied into Edit1
    player_.boxes.clear();
    const TableState before = s;
    const QString edit1Before = edit1->text();
    const int hb = hbArrows->Position(), upDown = upDownArrows->Position();

    QLineEdit* edit = field == "Edit1" ? edit1 : edit11;
    QLineEdit* other = field == "Edit1" ? edit11 : edit1;
    const QString otherBefore = other->text();
    edit->setText(text);

    if (refused) {
      QCOMPARE(player_.boxes.size(), size_t{1});
      QCOMPARE(QString::fromStdString(player_.boxes[0].text),
               QString("'%1' n'est pas une valeur entière correcte").arg(text));
      QCOMPARE(player_.boxes[0].buttons, Buttons::Ok);
      QCOMPARE(s.TargetScore, before.TargetScore);
      QCOMPARE(other->text(), otherBefore);
    } else {
      QVERIFY(player_.boxes.empty());
      QCOMPARE(s.TargetScore, taken);
      // The options panel's field feeds the control panel's, never the reverse.
      QCOMPARE(edit1->text(), text);
      if (field == "Edit1") QCOMPARE(edit11->text(), QString("2700"));
    }
    QCOMPARE(edit->text(), text);
    // The arrows go on from a number taken, brought within their range, and
    // from the last good one when the text is refused.
    const int from = refused ? -1 : std::clamp(taken, TUpDown::kMin, TUpDown::kMax);
    QCOMPARE(hbArrows->Position(), refused ? hb : from);
    QCOMPARE(upDownArrows->Position(), refused || field == "Edit1" ? upDown : from);
    // Nothing else moves: the other settings, the game.
    QCOMPARE(int(s.SoundOn), int(before.SoundOn));
    QCOMPARE(s.AnimationOn, before.AnimationOn);
    QVERIFY(s.HumanName == before.HumanName);
    QVERIFY(!form->Closing());
    if (field == "Edit11" && refused) QCOMPARE(edit1->text(), edit1Before);
  }

  // --- Names ---

  void namesOfAnyLengthAndScript_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("asked");  // the name's first 8 letters
    QTest::addColumn<QString>("whole");  // as the score line shows it
    const QString long200 = QString(200, QChar('W'));
    QTest::newRow("none") << ""
                          << ""
                          << "";
    QTest::newRow("eight") << "ABCDEFGH"
                           << "ABCDEFGH"
                           << "ABCDEFGH";
    QTest::newRow("nine") << "ABCDEFGHI"
                          << "ABCDEFGH"
                          << "ABCDEFGHI";
    QTest::newRow("two hundred") << long200 << QString(8, QChar('W')) << long200;
    QTest::newRow("accents") << "ÉLODIE-FRANÇOISE"
                             << "ÉLODIE-F"
                             << "ÉLODIE-FRANÇOISE";
    // An accent typed as a separate mark after its letter, ninth and tenth
    // code points: the letter keeps its accent and the cut falls after it.
    QTest::newRow("separate accent") << QString("JOSEPHIN") + QChar(0x0045) + QChar(0x0301)
                                     << "JOSEPHIN" << QString("JOSEPHIN") + QChar(0x00C9);
    QTest::newRow("separate accent inside")
        << QString("ANDR") + QChar(0x0045) + QChar(0x0301) + "-MARIE"
        << QString("ANDR") + QChar(0x00C9) + "-MA" << QString("ANDR") + QChar(0x00C9) + "-MARIE";
    QTest::newRow("greek") << "ΑΛΈΞΑΝΔΡΟΣ"
                           << "ΑΛΈΞΑΝΔΡ"
                           << "ΑΛΈΞΑΝΔΡΟΣ";
    QTest::newRow("chinese") << "王小明王小明王小明"
                             << "王小明王小明王小"
                             << "王小明王小明王小明";
    // Each of these takes two UTF-16 units and four bytes: a cut by either
    // would break the eighth in two.
    QTest::newRow("emoji") << "🂡🂡🂡🂡🂡🂡🂡😀😀"
                           << "🂡🂡🂡🂡🂡🂡🂡😀"
                           << "🂡🂡🂡🂡🂡🂡🂡😀😀";
    QTest::newRow("mixed") << "ŁÉO🙂李<b>"
                           << "ŁÉO🙂李<b>"
                           << "ŁÉO🙂李<b>";
  }

  void namesOfAnyLengthAndScript() {
    QFETCH(QString, typed);
    QFETCH(QString, asked);
    QFETCH(QString, whole);
    auto form = StartedTable();
    player_.answer = [](const std::string& text) {
      return text.ends_with(kQuestion) ? kAnswerNo : kAnswerYes;
    };
    Find<QLineEdit>(*form, "Edit10")->setText(typed);
    form->BoutonAClick();

    // The human opens the bidding of a new game: the first question is his.
    const ShownBox* question = nullptr;
    for (const ShownBox& b : player_.boxes)
      if (b.text.ends_with(kQuestion)) {
        question = &b;
        break;
      }
    QVERIFY(question != nullptr);
    const QString shown = QString::fromStdString(question->text);
    QCOMPARE(shown, asked + kQuestion);
    // Valid text all through: no half letter at the cut.
    QVERIFY(QString::fromUtf8(question->text).toUtf8().toStdString() == question->text);
    QVERIFY(!shown.contains(QChar::ReplacementCharacter));
    QCOMPARE(Find<QLabel>(*form, "ET10")->text(), " 1 - SCORE de " + whole + " = 0000");
    QCOMPARE(form->State().CurSeatIdx, 0);
    QCOMPARE(CardsInHand(form->State()), 8);
  }

  // --- Clicks at the wrong moments ---

  void manyClicksDuringGlidesPlayOneCardEach() {
    Recorder recorder;
    auto form = AnimatedDeal(recorder);
    TableState& s = form->State();
    QCOMPARE(CardsInHand(s), 8);

    // Two hundred clicks on every card in turn, legal or not, with the
    // timer ticking between them: glides start, restart, arrive and play.
    for (int i = 0; i < 200 && !form->Closing(); ++i) {
      Click(form->HandImage(i * 3 % 8 + 1));
      QTest::qWait(i % 4 == 0 ? 3 : 0);
    }
    QTRY_VERIFY_WITH_TIMEOUT(
        !Find<QTimer>(*form, "Timer1")->isActive() && !form->GameState().inPlayStep, 5000);
    QVERIFY(recorder.humanCards >= 1);
    // Every card that left the hand went through the play step once.
    QCOMPARE(CardsInHand(s) + recorder.humanThisDeal, 8);
    QCOMPARE(s.CurSeatIdx, 0);
  }

  void cardPlayedAtOnceEndsTheGlideUnderWay() {
    // The animation is switched off while a card is on its way up, then
    // another card is clicked: it is played at once, and the abandoned
    // glide must not go on lifting hand cards during the pauses (nor end
    // in a second play step).
    Recorder recorder;
    auto form = AnimatedDeal(recorder, 15);
    TableState& s = form->State();
    std::vector<int> legal;
    for (int slot = 1; slot <= 8; ++slot)
      if (s.SlotCard[1][slot] > 0 && IsLegalHumanCard(s, slot)) legal.push_back(slot);
    if (legal.size() < 2) QSKIP("this deal leaves a single card to play");
    const int first = legal[0], second = legal[1];

    Click(form->HandImage(first));
    // A tick or a few up the table: waited for, not timed, as on a loaded
    // machine the first repaint can outlast any fixed wait.
    QTRY_VERIFY_WITH_TIMEOUT(form->HandImage(first)->y() < 420, 5000);
    const QPoint abandoned = form->HandImage(first)->pos();
    QVERIFY(abandoned.y() > 220);
    form->BitBtn3Click();
    QCOMPARE(s.AnimationOn, 0);
    Click(form->HandImage(second));

    QCOMPARE(recorder.humanCards, 1);
    QCOMPARE(s.SlotCard[1][second], 0);
    QVERIFY(s.SlotCard[1][first] > 0);
    QTest::qWait(50);
    QCOMPARE(recorder.humanCards, 1);
    QVERIFY(!Find<QTimer>(*form, "Timer1")->isActive());
    QCOMPARE(form->HandImage(first)->pos(), abandoned);
    for (int slot = 1; slot <= 8; ++slot)
      if (slot != first) QCOMPARE(form->HandImage(slot)->pos(), TForm1::RestingPlace(slot));
  }

  void refusedClickLeavesTheGlideUnderWay() {
    // The animation is switched off while a card is on its way up, then a
    // click the game refuses comes in: nothing is played, and the card
    // already on its way still lands and is played when it does.
    Recorder recorder;
    auto form = AnimatedDeal(recorder, 15);
    TableState& s = form->State();
    const int first = FirstSlot(s);
    QVERIFY(first != 0);
    int refused = 9;  // off the hand, when every card may be played
    for (int slot = 1; slot <= 8; ++slot)
      if (s.SlotCard[1][slot] > 0 && !IsLegalHumanCard(s, slot)) refused = slot;

    Click(form->HandImage(first));
    QTRY_VERIFY_WITH_TIMEOUT(form->HandImage(first)->y() < 420, 5000);  // a tick or a few up
    form->BitBtn3Click();
    QCOMPARE(s.AnimationOn, 0);
    if (refused <= 8)
      Click(form->HandImage(refused));
    else
      form->ImageClick(refused);
    QCOMPARE(recorder.humanCards, 0);
    QVERIFY(Find<QTimer>(*form, "Timer1")->isActive());

    QTRY_COMPARE_WITH_TIMEOUT(recorder.humanCards, 1, 5000);
    QTRY_VERIFY_WITH_TIMEOUT(!form->GameState().inPlayStep, 5000);
    QCOMPARE(s.SlotCard[1][first], 0);
    QCOMPARE(form->HandImage(first)->pos(), TForm1::RestingPlace(first));
    if (refused <= 8) QVERIFY(s.SlotCard[1][refused] > 0);
  }

  void clicksDuringPausesAndBoxesAreNotTaken() {
    // Pauses long enough for a stream of clicks to land in them.
    auto form = StartedTable(12);
    TableState& s = form->State();
    Recorder recorder;
    form->GameState().observers.push_back(&recorder);
    Find<QLineEdit>(*form, "Edit1")->setText("300");
    int busyClicks = 0, taken = 0;
    const auto clickAll = [&] {
      for (int slot = 1; slot <= 8; ++slot) {
        const int row = s.CurRow, card = s.SlotCard[1][slot], played = recorder.humanCards;
        Click(form->HandImage(slot));
        ++busyClicks;
        if (s.CurRow != row || s.SlotCard[1][slot] != card || recorder.humanCards != played)
          ++taken;
      }
    };
    player_.answer = [&](const std::string& text) {
      if (form->GameState().inPlayStep) clickAll();
      return text == kAnotherGame ? kAnswerNo : kAnswerYes;
    };
    QTimer clicker;
    clicker.setInterval(4);
    connect(&clicker, &QTimer::timeout, this, [&] {
      if (form->GameState().inPlayStep) clickAll();
    });
    clicker.start();
    form->BoutonAClick();
    PlayOut(*form);
    clicker.stop();
    QVERIFY(form->Closing());
    QVERIFY(recorder.deals >= 1);
    QVERIFY(busyClicks > 100);
    QCOMPARE(taken, 0);
  }

  void realBoxesHoldBackClicksOnTheTable() {
    // No stand-in answers: real boxes, and clicks sent the way the screen
    // sends them while each box is up.
    auto form = std::make_unique<TForm1>(TestOptions());
    TableState& s = form->State();
    Recorder recorder;
    form->GameState().observers.push_back(&recorder);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    int boxesSeen = 0, taken = 0;
    QTimer answerer;
    answerer.setInterval(5);
    connect(&answerer, &QTimer::timeout, this, [&] {
      QWidget* box = QApplication::activeModalWidget();
      if (box == nullptr || box->objectName() != "TableMessageBox" || !box->isVisible()) return;
      ++boxesSeen;
      const int played = recorder.humanCards, row = s.CurRow;
      for (int slot = 1; slot <= 8; ++slot) ClickThroughTheScreen(*form, slot);
      if (recorder.humanCards != played || s.CurRow != row) ++taken;
      QPushButton* button = ButtonCaptioned(box, "&Non");
      if (button == nullptr) button = ButtonCaptioned(box, "&Oui");
      if (button == nullptr) button = ButtonCaptioned(box, "OK");
      if (button != nullptr) button->click();
    });
    answerer.start();
    form->FormActivate();  // the box about the missing sound output
    form->BoutonAClick();  // "Pas d'animation." then the bidding
    answerer.stop();
    QVERIFY(boxesSeen >= 3);
    QCOMPARE(taken, 0);
    QCOMPARE(recorder.humanCards, 0);
    QCOMPARE(CardsInHand(s), 8);
  }

  void daccordPressedAgainWhileItsBoxIsUpDealsOnce() {
    auto form = StartedTable();
    TableState& s = form->State();
    Recorder recorder;
    form->GameState().observers.push_back(&recorder);
    int presses = 0;
    player_.answer = [&](const std::string& text) {
      if (text == "Pas d'animation." && presses++ < 3) form->BoutonAClick();
      return kAnswerYes;
    };
    form->BoutonAClick();
    QCOMPARE(recorder.humanCards, 0);
    QCOMPARE(CardsInHand(s), 8);
    QCOMPARE(s.CurSeatIdx, 0);
    QCOMPARE(std::count_if(player_.boxes.begin(), player_.boxes.end(),
                           [](const ShownBox& b) { return b.text == "Pas d'animation."; }),
             1);
  }

  // --- Closing the window at any moment ---

  void closeRequestAsksFirstThenEnds_data() {
    QTest::addColumn<QString>("moment");
    for (const char* m : {"options panel", "start box", "pause", "bidding box", "trick box",
                          "glide", "human to play"})
      QTest::newRow(m) << m;
  }

  void closeRequestAsksFirstThenEnds() {
    // The window manager's close button or Alt+F4 at any moment: the player
    // is asked, once, and only when the deal has come back to him; "&Oui"
    // then ends the program cleanly.
    QFETCH(QString, moment);
    TForm1Options options = Options(5);
    options.exitApplicationOnQuit = true;
    auto form = std::make_unique<TForm1>(options);
    TForm1* table = form.get();
    Recorder recorder;
    form->GameState().observers.push_back(&recorder);
    bool asked = false;
    int questions = 0;
    bool questionDuringPlayStep = false;
    // The card the player sent gliding, and whether he was asked before it
    // had landed and been played.
    int glidingSlot = 0;
    bool questionDuringGlide = false;
    size_t boxesAtQuestion = 0;
    const auto close = [&] {
      if (asked) return;
      asked = true;
      // An impatient player: more requests before the question add nothing.
      AskToClose(*table);
      AskToClose(*table);
    };
    player_.answer = [&](const std::string& text) {
      if (text == kQuitQuestion) {
        ++questions;
        questionDuringPlayStep = questionDuringPlayStep || table->GameState().inPlayStep;
        if (glidingSlot != 0)
          questionDuringGlide =
              questionDuringGlide || table->State().SlotCard[1][glidingSlot] > 0 ||
              table->HandImage(glidingSlot)->pos() != TForm1::RestingPlace(glidingSlot);
        AskToClose(*table);  // while the question is up
        boxesAtQuestion = player_.boxes.size();
        return kAnswerYes;
      }
      if ((moment == "start box" && text.starts_with("Désolé")) ||
          (moment == "bidding box" && text.ends_with(kQuestion)) ||
          (moment == "trick box" && text == "Validez cette main"))
        close();
      return text.ends_with(kQuestion) ? kAnswerNo : kAnswerYes;
    };
    QTimer inPause;
    inPause.setInterval(1);
    connect(&inPause, &QTimer::timeout, this, [&] {
      if (moment == "pause" && table->GameState().inPlayStep && recorder.humanCards > 0) close();
    });
    inPause.start();

    // The whole program's run: from the table's first showing to the end
    // of its event loop, with a watchdog in case the end never comes.
    QTimer watchdog;
    watchdog.setSingleShot(true);
    connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    watchdog.start(20000);
    QTimer::singleShot(0, this, [&] {
      table->FormActivate();
      if (moment == "options panel") close();
      if (asked) return;
      Find<QCheckBox>(*table, "CheckBox2")->setChecked(moment == "glide");
      table->BoutonAClick();
      if (table->Closing()) return;
      // Play cards until the moment comes.
      for (int i = 0; i < 400 && !table->Closing() && !asked; ++i) {
        const int slot = FirstSlot(table->State());
        if (slot == 0) break;
        Click(table->HandImage(slot));
        if (moment == "glide") {
          glidingSlot = slot;
          QTest::qWait(20);
          close();
        } else if (moment == "human to play") {
          close();
        }
        if (moment == "glide") return;
        QTRY_VERIFY(!table->GameState().inPlayStep);
      }
    });
    table->show();
    const int exitCode = QApplication::exec();
    watchdog.stop();
    inPause.stop();

    QVERIFY(asked);
    QCOMPARE(exitCode, 0);
    QCOMPARE(questions, 1);
    QVERIFY(!questionDuringPlayStep);
    QVERIFY(!questionDuringGlide);
    QVERIFY(!table->isVisible());
    QVERIFY(table->Closing());
    QVERIFY(!table->GameState().inPlayStep);
    QVERIFY(!Find<QTimer>(*table, "Timer1")->isActive());
    // Nothing more is asked once the player has said he leaves.
    QCOMPARE(player_.boxes.size(), boxesAtQuestion);
  }

  void closeRequestAnsweredNonPlaysOn() {
    auto form = StartedTable();
    TForm1* table = form.get();
    int questions = 0;
    int answer = kAnswerNo;
    player_.answer = [&](const std::string& text) {
      if (text == kQuitQuestion) {
        // An impatient player presses the close button again while the
        // question is up: his "&Non" answers that request too.
        if (++questions == 1) AskToClose(*table);
        return answer;
      }
      return text.ends_with(kQuestion) ? kAnswerNo : kAnswerYes;
    };
    form->BoutonAClick();
    const int cards = CardsInHand(form->State());
    AskToClose(*table);
    QTRY_COMPARE(questions, 1);
    QCOMPARE(form->State().DialogResult, kAnswerNo);
    // The game goes on where it was.
    QTest::qWait(60);
    QVERIFY(form->isVisible());
    QVERIFY(!form->Closing());
    QCOMPARE(CardsInHand(form->State()), cards);
    Click(form->HandImage(FirstSlot(form->State())));
    QTRY_VERIFY(!form->GameState().inPlayStep);
    QCOMPARE(CardsInHand(form->State()), cards - 1);
    QCOMPARE(questions, 1);

    // Asked again later, and this time the player leaves.
    answer = kAnswerYes;
    AskToClose(*table);
    QTRY_COMPARE(questions, 2);
    QVERIFY(form->Closing());
    QTRY_VERIFY(!form->isVisible());
  }

  void closeRequestDuringARealBoxWaitsForIt() {
    // The box is really up, modal, when the window manager asks the table
    // to close: the box stays until it is answered, the deal goes on to the
    // human's turn, and then the question comes, once.
    TForm1Options options = TestOptions();
    options.exitApplicationOnQuit = true;
    auto form = std::make_unique<TForm1>(options);
    TForm1* table = form.get();
    int boxes = 0;
    int questions = 0;
    bool questionDuringPlayStep = false;
    QPointer<QWidget> handled;
    QTimer poll;
    poll.setInterval(5);
    connect(&poll, &QTimer::timeout, this, [&] {
      QWidget* box = QApplication::activeModalWidget();
      if (box == nullptr || !box->isVisible() || box == handled) return;
      handled = box;
      ++boxes;
      if (QPushButton* ok = ButtonCaptioned(box, "OK")) {
        // The start sequence's box about the sound.
        ok->click();
        return;
      }
      if (BoxText(box) == kQuitQuestion) {
        ++questions;
        questionDuringPlayStep = table->GameState().inPlayStep;
        ButtonCaptioned(box, "&Oui")->click();
        return;
      }
      if (boxes == 2) {
        AskToClose(*table);
        AskToClose(*table);
      }
      // The first-round question is declined, every other box confirmed.
      const bool question = BoxText(box).endsWith(kQuestion);
      ButtonCaptioned(box, question ? "&Non" : "&Oui")->click();
    });
    poll.start();
    QTimer watchdog;
    watchdog.setSingleShot(true);
    connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    watchdog.start(30000);
    QTimer::singleShot(0, this, [table] {
      table->FormActivate();
      table->BoutonAClick();
    });
    table->show();
    const int exitCode = QApplication::exec();
    poll.stop();
    watchdog.stop();
    QCOMPARE(exitCode, 0);
    QVERIFY(boxes > 2);
    QCOMPARE(questions, 1);
    QVERIFY(!questionDuringPlayStep);
    QVERIFY(!table->isVisible());
    QVERIFY(!table->GameState().inPlayStep);
  }

  // --- Sound ---

  void withoutASoundOutputSoundsAreDropped() {
    auto form = std::make_unique<TForm1>(Options());
    form->show();
    form->FormActivate();
    QCOMPARE(player_.boxes.size(), size_t{1});
    QCOMPARE(player_.boxes[0].text, std::string("Désolé!...Vous n'avez pas de carte sonore.!"));
    QCOMPARE(player_.boxes[0].buttons, Buttons::Ok);
    // The player asks for sound anyway, and plays a short game.
    Find<QCheckBox>(*form, "CheckBox1")->setChecked(true);
    Find<QLineEdit>(*form, "Edit1")->setText("200");
    form->BoutonAClick();
    QCOMPARE(int(form->State().SoundOn), 1);
    PlayOut(*form);
    QVERIFY(form->Closing());
    QVERIFY(player_.sounds.empty());
  }

  // --- A damaged game folder ---

  void missingPicturesAreReportedOnce() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QVERIFY(CopyGameFolder(folder.path()));
    // The whole suit of hearts, some of which the child's first deal gives
    // the human.
    const QStringList gone = {"Im/1.Bmp",  "Im/2.Bmp",  "Im/3.Bmp",     "Im/4.Bmp",
                              "Im/5.Bmp",  "Im/6.Bmp",  "Im/7.Bmp",     "Im/8.Bmp",
                              "Im/00.bmp", "Im/34.Bmp", "Im/Choix.Bmp", "Im/Oui.Bmp"};
    for (const QString& f : gone) QVERIFY(QFile::remove(folder.filePath(f)));
    // Present but not a picture.
    QFile apropos(folder.filePath("Im/Apropos.Bmp"));
    QVERIFY(apropos.open(QIODevice::WriteOnly | QIODevice::Truncate));
    apropos.write("BM this is not a picture");
    apropos.close();

    std::unique_ptr<QProcess> child(RunChild("playWithMissingPictures", folder.path()));
    const QString out = QString::fromUtf8(child->readAllStandardOutput());
    const QString err = QString::fromUtf8(child->readAllStandardError());
    QVERIFY2(child->exitStatus() == QProcess::NormalExit && child->exitCode() == 0,
             qPrintable(WhyChildFailed(out + err)));
    const QStringList lines = err.split('\n').filter(QRegularExpression("^belote:"));
    QCOMPARE(lines, QStringList{"belote: missing pictures: Im/1.Bmp, Im/2.Bmp, Im/3.Bmp, Im/4.Bmp, "
                                "Im/5.Bmp, Im/6.Bmp, Im/7.Bmp, Im/8.Bmp, Im/00.bmp, Im/34.Bmp, "
                                "Im/Choix.Bmp, Im/Apropos.Bmp, Im/Oui.Bmp"});
  }

  void playWithMissingPictures() {
    if (!IsChild()) QSKIP("played by missingPicturesAreReportedOnce in a damaged folder");
    // Known deals, the first of which gives the human hearts.
    CountingClock clock(kHeartsFirst);
    TForm1Options options = Options();
    options.clock = &clock;
    auto form = std::make_unique<TForm1>(options);
    form->show();
    form->FormActivate();
    QVERIFY(player_.boxes.size() >= 1);
    QCOMPARE(QString::fromStdString(player_.boxes[0].text),
             QString("Images introuvables :\nIm/1.Bmp\nIm/2.Bmp\nIm/3.Bmp\nIm/4.Bmp\nIm/5.Bmp\n"
                     "Im/6.Bmp\nIm/7.Bmp\nIm/8.Bmp\nIm/00.bmp\nIm/34.Bmp\nIm/Choix.Bmp\n"
                     "Im/Apropos.Bmp\nIm/Oui.Bmp"));
    QCOMPARE(player_.boxes[0].buttons, Buttons::Ok);

    // The game goes on: the missing cards leave empty places that still
    // take clicks, and the report is not made again.
    TableState& s = form->State();
    Find<QLineEdit>(*form, "Edit1")->setText("600");
    player_.boxes.clear();
    form->BoutonAClick();
    bool sawEmptyCard = false;
    for (int clicks = 0; clicks < 3000 && !form->Closing(); ++clicks) {
      const int slot = FirstSlot(s);
      QVERIFY(slot != 0);
      // A heart's place is empty, every other card shows.
      const bool heart = s.PictureOf[s.SlotCard[1][slot]] <= 8;
      sawEmptyCard = sawEmptyCard || heart;
      QCOMPARE(form->HandImage(slot)->pixmap().isNull(), heart);
      QCOMPARE(form->HandImage(slot)->size(), QSize(102, 154));
      Click(form->HandImage(slot));
    }
    QVERIFY(form->Closing());
    QVERIFY2(sawEmptyCard, "the deals from kHeartsFirst give the human no heart: choose another");
    for (const ShownBox& b : player_.boxes) QVERIFY(!b.text.starts_with("Images introuvables"));

    // The suit chooser and the about box without their pictures still work.
    bool pressed = false;
    TForm3 chooser([&pressed](int) { return pressed = true; });
    chooser.Image14MouseDown(100);
    QVERIFY(pressed);
    TFormApropos about;
    QCOMPARE(about.BitBtn2->text(), QString("OUI"));
    QTimer::singleShot(0, about.BitBtn2, &QPushButton::click);
    about.exec();
  }

  void missingSoundsAndHelpPageSayNothing() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QVERIFY(CopyGameFolder(folder.path()));
    QVERIFY(QDir(folder.filePath("So")).removeRecursively());
    QVERIFY(QFile::remove(folder.filePath("Notice01.html")));
    std::unique_ptr<QProcess> child(RunChild("playWithoutSoundsOrHelp", folder.path()));
    const QString out = QString::fromUtf8(child->readAllStandardOutput());
    const QString err = QString::fromUtf8(child->readAllStandardError());
    QVERIFY2(child->exitStatus() == QProcess::NormalExit && child->exitCode() == 0,
             qPrintable(WhyChildFailed(out + err)));
    QVERIFY(!err.contains("belote:"));
  }

  void playWithoutSoundsOrHelp() {
    if (!IsChild()) QSKIP("played by missingSoundsAndHelpPageSayNothing in a damaged folder");
    // A sound output is said to exist, so every sound goes the real way to
    // the multimedia back end, and finds its file missing.
    TForm1Options options = Options();
    options.soundDevice = true;
    options.soundSink = nullptr;
    auto form = std::make_unique<TForm1>(options);
    form->show();
    form->FormActivate();
    QVERIFY(player_.boxes.empty());
    Find<QCheckBox>(*form, "CheckBox1")->setChecked(true);
    Find<QLineEdit>(*form, "Edit1")->setText("200");
    form->BoutonAClick();
    form->Button2Click();
    PlayOut(*form);
    QVERIFY(form->Closing());
    // Only the game's own boxes: nothing about files.
    for (const ShownBox& b : player_.boxes) {
      for (const char* word : {"So/", "wav", "Wav", "Notice01", "introuvable"})
        QVERIFY2(b.text.find(word) == std::string::npos, b.text.c_str());
    }
  }

  void pipeInPlaceOfASoundLetsTheGameEnd() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QVERIFY(CopyGameFolder(folder.path()));
    // The first sound of the game, played as the table comes up.
    const QString sound = folder.filePath("So/sonoui.wav");
    QVERIFY(QFile::remove(sound));
    QCOMPARE(mkfifo(QFile::encodeName(sound).constData(), 0600), 0);
    std::unique_ptr<QProcess> child(RunChild("quitWithAPipeForASound", folder.path()));
    const QString out = QString::fromUtf8(child->readAllStandardOutput());
    const QString err = QString::fromUtf8(child->readAllStandardError());
    // A reader left waiting on the pipe keeps the program from ending.
    QVERIFY2(child->state() == QProcess::NotRunning, "the game did not end after Quitter");
    QVERIFY2(child->exitStatus() == QProcess::NormalExit && child->exitCode() == 0,
             qPrintable(WhyChildFailed(out + err)));
  }

  void quitWithAPipeForASound() {
    if (!IsChild()) QSKIP("played by pipeInPlaceOfASoundLetsTheGameEnd in a damaged folder");
    // Sounds go the real way, to the multimedia back end.
    TForm1Options options = Options();
    options.soundDevice = true;
    options.soundSink = nullptr;
    auto form = test::StartedTable(options);
    // The back end reads files in a thread of its own: one blocked on the
    // pipe would keep the program from ending.
    QTest::qWait(200);
    // Nothing but a whole WAV sound is handed over.
    QVERIFY(ReadGameSound("So/sonoui.wav").isEmpty());
    QVERIFY(!ReadGameSound("So/V.Wav").isEmpty());
    QVERIFY(ReadGameSound("Im/Oui.Bmp").isEmpty());
    QFile cut("So/V.Wav");
    QVERIFY(cut.resize(40));
    QVERIFY(ReadGameSound("So/V.Wav").isEmpty());
    form->BoutonQClick();
    QTRY_VERIFY(!form->isVisible());
  }

  void pictureListCoversEveryFileTheGameReads() {
    // Everything that the game folder is laid out with, except the control
    // panel's button pictures, which the window draws itself.
    const QStringList files = GamePictureNames();
    QVERIFY(files.contains("Im/00.Bmp") && files.contains("Im/00.bmp"));
    QVERIFY(files.contains("Im/Choix.Bmp") && files.contains("Im/Oui.Bmp"));
    QCOMPARE(MissingPictures(), QStringList{});
  }
};

QTEST_MAIN(RobustnessTest)
#include "RobustnessTest.moc"
