// A whole deal played with the keyboard alone, through the real windows and
// boxes: the about box, the options panel, the bid question answered "Non",
// the suit chooser of the second round, eight tricks and their
// confirmations, and leaving through "Quitter". No mouse event is sent, and
// the player asks with J which cards he may play before each one, as a
// player who does not see the table would, so that no card is refused.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

#include "UiTestSupport.h"
#include "model/Cards.h"
#include "ui/boxes/Apropos.h"
#include "ui/boxes/Unit3.h"
#include "ui/record/TableAnnouncer.h"
#include "ui/table/Unit1.h"
#include "ui/widgets/TableWidgets.h"

using namespace belote;
using namespace belote::test;

namespace {

// Counts every mouse press and release anywhere in the program.
class MouseCounter : public QObject {
 public:
  int count = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    switch (event->type()) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
        ++count;
        break;
      default:
        break;
    }
    return false;
  }
};

// Follows the deals: whether the player took through the chooser, and
// whether such a deal has been played to its end.
struct DealWatch : PlayObserver {
  void DealStarting() override { chooserTaken = false; }
  void BidSpoken(int round, int seat, const std::string&, int suit) override {
    if (round == 2 && seat == 1 && suit > 0) chooserTaken = true;
  }
  void TrickClosing() override { ++tricks; }
  void DealScored() override {
    ++deals;
    if (chooserTaken && tricks == 8) wholeDealDone = true;
    tricks = 0;
  }
  bool chooserTaken = false;
  bool wholeDealDone = false;
  int tricks = 0;
  int deals = 0;
};

// A key for the widget that has the keyboard in `window`, sent after the
// driver's own turn so that whatever it starts (a play step, a box) runs in
// a loop of its own.
void KeyLater(QWidget* window, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
  QPointer<QWidget> target(window);
  QTimer::singleShot(0, [target, key, mods] {
    if (!target) return;
    // A window that nothing in has the keyboard yet is given it with Tab,
    // as a player would.
    if (target->focusWidget() == nullptr) QTest::keyClick(target.data(), Qt::Key_Tab);
    QWidget* focus = target->focusWidget() != nullptr ? target->focusWidget() : target.data();
    QTest::keyClick(focus, key, mods);
  });
}

// The slots the answer to J lists: "Jouables : 3 Dix de Carreau, 5 ...".
QList<int> PlayableSlotsHeard(const QString& answer) {
  QList<int> heard;
  if (!answer.startsWith(QStringLiteral("Jouables : "))) return heard;
  for (const QString& card : answer.mid(11).split(QStringLiteral(", ")))
    heard << card.section(QLatin1Char(' '), 0, 0).toInt();
  return heard;
}

}  // namespace

class KeyboardGameTest : public QObject {
  Q_OBJECT

 private slots:
  void aWholeDealWithTheKeyboardAlone() {
    MouseCounter mouse;
    qApp->installEventFilter(&mouse);
    DealWatch watch;
    TForm1* form = nullptr;
    bool aboutClosed = false, optionsTyped = false, questionAnswered = false;
    bool chooserStayedOpen = false, leaving = false;
    int turnsPlayed = 0;

    QTimer driver;
    driver.setInterval(5);
    QObject::connect(&driver, &QTimer::timeout, [&] {
      QWidget* modal = QApplication::activeModalWidget();
      if (modal != nullptr && !modal->isVisible()) return;
      if (auto* about = qobject_cast<TFormApropos*>(modal)) {
        aboutClosed = true;
        KeyLater(about, Qt::Key_Space);
        driver.setProperty("wait", 1);
        return;
      }
      if (auto* chooser = qobject_cast<TForm3*>(modal)) {
        if (chooser->property("asked").toBool()) return;
        chooser->setProperty("asked", true);
        // The turned-up suit first: recorded, but the chooser stays open.
        const int turned = SuitOfPicture(form->Record().turnedCard);
        QTest::keyClick(chooser->focusWidget(), Qt::Key(Qt::Key_0 + turned));
        chooserStayedOpen = chooser->isVisible();
        // Then the next suit along, with the arrows and Return.
        QTest::keyClick(chooser->focusWidget(), Qt::Key_Right);
        if (chooser->focusWidget() == chooser->Tile(0))
          QTest::keyClick(chooser->focusWidget(), Qt::Key_Right);
        KeyLater(chooser, Qt::Key_Return);
        return;
      }
      if (modal != nullptr) {
        if (modal->property("asked").toBool()) return;
        modal->setProperty("asked", true);
        const QString words = BoxText(modal);
        if (words.contains("Tu la prends")) {
          // "Non": Tab to it, then Space.
          questionAnswered = true;
          QTest::keyClick(modal->focusWidget(), Qt::Key_Tab);
          KeyLater(modal, Qt::Key_Space);
        } else {
          KeyLater(modal, Qt::Key_Return);
        }
        return;
      }
      if (form == nullptr || form->Busy() || form->Closing()) return;
      auto* name = Find<QLineEdit>(*form, "Edit10");
      if (Find<QWidget>(*form, "Panel1")->isVisible()) {
        if (optionsTyped || form->focusWidget() != name) return;
        optionsTyped = true;
        QTest::keyClicks(name, "zoe");
        KeyLater(form, Qt::Key_Return);
        return;
      }
      if (watch.wholeDealDone) {
        // Leave through "Quitter", answered "Oui".
        if (leaving) return;
        leaving = true;
        QTimer::singleShot(0, [&] {
          auto* quitter = Find<QPushButton>(*form, "Button1");
          quitter->setFocus(Qt::TabFocusReason);
          QTest::keyClick(quitter, Qt::Key_Space);
          // Tried again if the table is still there.
          leaving = false;
        });
        return;
      }
      if (form->Record().SeatToPlay() != 1) return;
      auto* card = qobject_cast<TImage*>(form->focusWidget());
      if (card == nullptr) return;
      // Which cards may be played, as the screen reader says it.
      QTest::keyClick(card, Qt::Key_J);
      const QList<int> playable = PlayableSlotsHeard(form->Announcer().Said().last());
      QVERIFY2(!playable.isEmpty(), qPrintable(form->Announcer().Said().last()));
      // Walk right to the first of them, then Return.
      const int target = playable.first();
      for (int step = 0; step < 8 && form->focusWidget() != form->HandImage(target); ++step)
        QTest::keyClick(form->focusWidget(), Qt::Key_Right);
      QCOMPARE(form->focusWidget(), form->HandImage(target));
      ++turnsPlayed;
      KeyLater(form, Qt::Key_Return);
      driver.stop();
      // The next look after this card has been played.
      QTimer::singleShot(1, [&driver] { driver.start(); });
    });
    driver.start();

    // Every window real: the about box, the boxes and the suit chooser.
    TForm1Options options = TestOptions();
    options.showAboutBox = true;
    options.chooserAnswerer = nullptr;
    TForm1 table(options);
    form = &table;
    table.GameState().observers.push_back(&watch);
    QVERIFY(aboutClosed);
    table.show();
    // The start sequence runs when the table first becomes active.
    if (!QTest::qWaitForWindowActive(&table)) table.FormActivate();

    // Where the game stood, should it stop waiting for a key nobody sends.
    const auto where = [&] {
      QWidget* modal = QApplication::activeModalWidget();
      QWidget* focus = table.focusWidget();
      return QString("modal %1, panel %2, play step %3, seat %4, focus %5, deals %6")
          .arg(modal ? modal->metaObject()->className() : "none")
          .arg(Find<QWidget>(table, "Panel1")->isVisible())
          .arg(table.GameState().inPlayStep)
          .arg(table.Record().SeatToPlay())
          .arg(focus ? focus->objectName() : "none")
          .arg(watch.deals)
          .toUtf8();
    };
    QTRY_VERIFY2_WITH_TIMEOUT(table.Closing() && !table.GameState().inPlayStep, where().constData(),
                              20000);
    driver.stop();
    qApp->removeEventFilter(&mouse);

    QVERIFY(optionsTyped);
    QCOMPARE(table.State().HumanName, std::string("ZOE"));
    QVERIFY(questionAnswered);
    QVERIFY(chooserStayedOpen);
    QVERIFY(watch.wholeDealDone);
    QVERIFY(turnsPlayed >= 8);
    QCOMPARE(mouse.count, 0);
    // The player never pressed a card the rules refuse.
    QVERIFY(table.Announcer().Said().filter(QStringLiteral("Refusée")).isEmpty());
  }
};

QTEST_MAIN(KeyboardGameTest)
#include "KeyboardGameTest.moc"
