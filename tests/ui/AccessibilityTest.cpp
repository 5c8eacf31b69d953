// The table for a player using a screen reader or the keyboard, through Qt's
// accessibility interface: the names of the pictures as a trick is played,
// the keys, the review keys heard on a known deal, and the outline that only
// a keyboard player sees.
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextBrowser>
#include <QToolButton>
#include <QtTest>
#include <array>
#include <memory>

#include "UiTestSupport.h"
#include "engine/Bidding.h"
#include "engine/CardRules.h"
#include "engine/ChooserBands.h"
#include "model/Cards.h"
#include "ui/boxes/TableBox.h"
#include "ui/boxes/Unit3.h"
#include "ui/desktop/HelpPage.h"
#include "ui/record/CardNames.h"
#include "ui/record/Spoken.h"
#include "ui/record/TableAnnouncer.h"
#include "ui/widgets/FocusRing.h"
#include "ui/widgets/TableWidgets.h"

using namespace belote;
using namespace belote::test;

namespace {

// A shuffle in which LÉA takes at Coeur holding the belote, her tierce is
// beaten by BERTOU's, and CASSOL takes the first trick and leads the second.
constexpr std::int64_t kKnownDeal = 1700000282;

class KnownDealClock : public SecondsClock {
 public:
  std::int64_t Now() override { return kKnownDeal; }
};

// What a screen reader hears for a widget.
QString Heard(const QWidget* w, QAccessible::Text what = QAccessible::Name) {
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(const_cast<QWidget*>(w));
  return iface != nullptr ? iface->text(what) : QString();
}

// Every piece of news a screen reader is shown: its name as it appears.
QStringList& NewsHeard() {
  static QStringList heard;
  return heard;
}

// A reader says a notification as it shows: its words are its label's. It
// says it without the role word when it lies in a status bar.
void HearNews(QAccessibleEvent* event) {
  if (event->type() != QAccessible::ObjectShow) return;
  QAccessibleInterface* iface = event->accessibleInterface();
  if (iface == nullptr || iface->role() != QAccessible::Notification || iface->state().invisible)
    return;
  QVERIFY(iface->parent() != nullptr && iface->parent()->role() == QAccessible::StatusBar);
  QVERIFY(iface->childCount() == 1);
  NewsHeard() << iface->child(0)->text(QAccessible::Name);
}

// The accessible children of a widget with the given role, by name.
QStringList ChildNames(QWidget* w, QAccessible::Role role) {
  QStringList names;
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
  for (int i = 0; iface != nullptr && i < iface->childCount(); ++i) {
    QAccessibleInterface* child = iface->child(i);
    if (child != nullptr && child->role() == role) names << child->text(QAccessible::Name);
  }
  return names;
}

// A key pressed on the control that has the focus, as the keyboard does.
void Press(QWidget* focus, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
  focus->setFocus();
  QTest::keyClick(focus, key, mods);
}
Qt::Key Digit(int slot) {
  return Qt::Key(Qt::Key_1 + slot - 1);
}

}  // namespace

class AccessibilityTest : public QObject {
  Q_OBJECT

  StandIn player_;
  KnownDealClock knownDeal_;

  // A table dealt and waiting for LÉA's first card, animation off; with
  // `known` the shuffle is the known deal.
  std::unique_ptr<TForm1> DealtTable(bool known = false) {
    TForm1Options options = TestOptions(&player_);
    if (known) options.clock = &knownDeal_;
    return test::DealtTable(options, QStringLiteral("LÉA"));
  }

 private slots:
  void init() {
    player_.Clear();
    NewsHeard().clear();
    TableAnnouncer::SetEventWatcher(HearNews);
  }
  void cleanup() { TableAnnouncer::SetEventWatcher(nullptr); }

  void switchesSayWhetherSoundAndGlidesAreOn() {
    auto form = DealtTable();
    auto* sound = Find<QPushButton>(*form, "BitBtn2");
    auto* glides = Find<QPushButton>(*form, "BitBtn3");
    // A screen reader hears the caption a press leaves, as the eye reads it.
    for (int press = 0; press < 2; ++press) {
      form->BitBtn2Click();
      form->BitBtn3Click();
      const bool on = form->State().SoundOn == 1;
      const bool gliding = form->State().AnimationOn == 1;
      QCOMPARE(Heard(sound).trimmed(), QString(on ? "Oter le Son" : "Mettre le Son"));
      QCOMPARE(Heard(glides).trimmed(),
               QString(gliding ? "Oter l' Animation" : "Mettre Animation"));
    }
  }

  void namesFollowTheCardsThroughATrick() {
    auto form = DealtTable(true);
    const DealRecord& r = form->Record();
    // Each card starts with the key that plays it.
    for (int slot = 1; slot <= 8; ++slot)
      QCOMPARE(Heard(form->HandImage(slot)),
               QString("%1, ").arg(slot) + QString::fromStdString(PictureName(r.hand[slot])));
    QCOMPARE(Heard(form->ControlWidget(Control::Image13)), QString("Atout Coeur"));
    // Nothing the player can reach is left without a name.
    for (QWidget* w : form->findChildren<QWidget*>()) {
      if (qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
          qobject_cast<TImage*>(w))
        QVERIFY2(!Heard(w).isEmpty(), qPrintable(w->objectName()));
    }
    // When the trick is complete the four places name its cards.
    QStringList shown;
    player_.answer = [&](const std::string& text) {
      if (text == "Validez cette main" && shown.isEmpty())
        for (int seat = 1; seat <= 4; ++seat)
          shown << Heard(form->ControlWidget(PlaceControl(seat)));
      return kAnswerYes;
    };
    form->ImageClick(2);  // the trump queen
    QCOMPARE(shown, QStringList({"Dame de Coeur", "Dix de Coeur", "Sept de Coeur", "As de Coeur"}));
    QCOMPARE(Heard(form->HandImage(2)), QString("2, Emplacement vide"));
    const QLabel* mine = form->ControlWidget(PlaceControl(1));
    QCOMPARE(Heard(mine, QAccessible::Description), QString("Carte jouée par LÉA"));
    QCOMPARE(Heard(form->ControlWidget(PlaceControl(2)), QAccessible::Description),
             QString("Carte jouée par ARNAL"));
  }

  void keyboardLeftOnAnEmptySlotComesBackToTheNextDealsCards() {
    auto form = DealtTable(true);
    // Where the keyboard is when the next deal's first box opens, and
    // whether a card lies there.
    QString focusAtNextDeal;
    bool onACard = false;
    player_.answer = [&](const std::string&) {
      const DealRecord& r = form->Record();
      if (r.dealNumber == 2 && focusAtNextDeal.isEmpty()) {
        QWidget* focus = form->focusWidget();
        focusAtNextDeal = focus != nullptr ? focus->objectName() : QStringLiteral("none");
        for (int slot = 1; slot <= 8; ++slot)
          if (focus == form->HandImage(slot)) onACard = r.hand[slot] != 0;
      }
      return kAnswerYes;
    };
    // The whole deal played from the keyboard, the last card leaving it on
    // an emptied slot.
    for (int turn = 0; turn < 8 && focusAtNextDeal.isEmpty(); ++turn) {
      const int slot = FirstSlot(form->State());
      QVERIFY(slot != 0);
      form->HandImage(slot)->setFocus();
      QTest::keyClick(form->HandImage(slot), Qt::Key_Return);
    }
    QVERIFY(!focusAtNextDeal.isEmpty());
    QVERIFY2(onACard, qPrintable(focusAtNextDeal));
  }

  void reviewKeysTellTheKnownDeal() {
    auto form = DealtTable(true);
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    const DealRecord& r = form->Record();
    // The deal's news, as it came: the bid, the eight cards with the
    // announcements and the belote, then the player's turn.
    QVERIFY(NewsHeard().contains("LÉA : Je prends, Coeur"));
    QVERIFY(NewsHeard().contains(
        "Vos huit cartes sont distribuées. Atout Coeur, pris par LÉA. LÉA : "
        "Tierce trop faible. BERTOU annonce Tierce à l'As de Trèfle, 20 points. Belote au "
        "joueur LÉA."));
    // The card the keyboard came to before the hand was sorted is named again.
    QTRY_COMPARE(NewsHeard().last(),
                 QString("À vous de jouer, 8 cartes jouables, sur 1, Roi de Coeur"));
    QWidget* card = form->focusWidget();
    QVERIFY(qobject_cast<TImage*>(card) != nullptr);

    // Each review key says its part of the record, changing nothing.
    const TableState before = form->State();
    const auto answer = [&](Qt::Key key) {
      Press(card, key);
      return NewsHeard().last().toStdString();
    };
    QCOMPARE(answer(Qt::Key_M), HandWords(r));
    QCOMPARE(answer(Qt::Key_P), std::string("Pli 1 : pas encore de carte. À vous d'entamer."));
    QCOMPARE(answer(Qt::Key_D), LastTrickWords(r));
    QCOMPARE(answer(Qt::Key_S), ScoreWords(r));
    QCOMPARE(answer(Qt::Key_A), TrumpWords(r));
    QVERIFY(answer(Qt::Key_J).starts_with("Jouables : 1 Roi de Coeur, 2 Dame de Coeur,"));
    QCOMPARE(answer(Qt::Key_R),
             std::string("À vous de jouer, 8 cartes jouables, sur 1, Roi de Coeur"));
    QCOMPARE(form->State().CurRow, before.CurRow);
    QCOMPARE(CardsInHand(form->State()), 8);

    // The trump queen: the belote is called; CASSOL takes and leads Carreau.
    Press(card, Digit(2));
    QVERIFY(NewsHeard().contains("Vous jouez Dame de Coeur"));
    QVERIFY(NewsHeard().contains("LÉA : Belote"));
    QTRY_COMPARE(NewsHeard().last(), QString("À vous de jouer, 1 carte jouable"));
    card = form->focusWidget();
    QCOMPARE(answer(Qt::Key_P),
             std::string("Pli 2, entamé par CASSOL : CASSOL, As de Carreau. CASSOL tient le pli. "
                         "À vous de jouer."));
    QVERIFY(answer(Qt::Key_D).ends_with("CASSOL, As de Coeur. CASSOL l'a remporté."));
    QCOMPARE(answer(Qt::Key_J), std::string("Jouables : 3 Dix de Carreau."));
    // A refused card is said with the rule it breaks; on the table nothing
    // changes. An emptied slot says it is empty.
    QCOMPARE(answer(Digit(4)), std::string("Refusée : As de Pique. Il faut fournir à Carreau."));
    QCOMPARE(answer(Digit(4)), std::string("Refusée : As de Pique. Il faut fournir à Carreau."));
    QCOMPARE(answer(Digit(2)), std::string("Emplacement 2 vide."));
    // A right click plays nothing, so nothing is refused.
    const qsizetype heard = NewsHeard().size();
    QTest::mouseClick(form->HandImage(4), Qt::RightButton, {}, QPoint(30, 30));
    QCOMPARE(NewsHeard().size(), heard);
    QCOMPARE(CardsInHand(form->State()), 7);
  }

  void newsReachesTheReaderAsPlainNotifications() {
    auto form = DealtTable();
    const QStringList said = form->Announcer().Said();
    QVERIFY(!said.isEmpty());
    // Each was shown to a screen reader, as a notification of the table that
    // draws nothing and keeps its words while the next ones come, for a
    // reader that is behind.
    for (const QString& news : said) QVERIFY2(NewsHeard().contains(news), qPrintable(news));
    const QList<NewsItem*> items = form->findChildren<NewsItem*>();
    QVERIFY(items.size() >= 2);
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(form.get());
    auto* bar = form->findChild<NewsBar*>();
    QVERIFY(table->indexOfChild(QAccessible::queryAccessibleInterface(bar)) >= 0);
    QStringList kept;
    for (NewsItem* news : items) {
      QVERIFY(news->width() * news->height() <= 1);
      QVERIFY(!news->autoFillBackground());
      // Hidden again once said, so that nothing says it twice.
      QVERIFY(!news->isVisible());
      kept << news->Words();
    }
    for (qsizetype i = 1; i <= std::min<qsizetype>(items.size(), said.size()); ++i)
      QVERIFY(kept.contains(said[said.size() - i]));
    // The table tells its keys.
    QVERIFY(Heard(form.get(), QAccessible::Description).contains("M votre main"));
  }

  void boxesAreHeardQuestionFirst() {
    // Real boxes: the question is heard as it should be said, then what the
    // table shows that the player needs to answer it.
    TForm1Options options = TestOptions();
    options.clock = &knownDeal_;
    options.soundDevice = true;
    auto form = StartedTable(options);
    QString name, description;
    WhenModalShows([&](QWidget* animation) {
      QTest::keyClick(animation->focusWidget(), Qt::Key_Return);
      WhenModalShows([&](QWidget* question) {
        name = Heard(question);
        description = Heard(question, QAccessible::Description);
        // Its words heard as its name, so that a reader says the description
        // rather than the words a second time.
        QCOMPARE(Heard(question->findChild<QLabel*>("Text")), name);
        QTest::keyClick(question->focusWidget(), Qt::Key_Return);
      });
    });
    Find<QLineEdit>(*form, "Edit10")->setText(QStringLiteral("M° VERLAC"));
    form->BoutonAClick();
    // The name cut to its first eight letters, as the box shows it.
    QCOMPARE(name, QString("Maître VERLA Tu la prends cette carte?"));
    QCOMPARE(
        description,
        QString("Carte retournée : Roi de Coeur. Vos cartes : 1 Dame de Coeur, 2 As de Pique, 3 "
                "Neuf de Pique, 4 Huit de Pique, 5 Neuf de Trèfle."));
    QCOMPARE(form->Record().taker, 1);
  }

  void boxesInsideTheTableHoldItBack() {
    // Where boxes cannot be windows (Wayland) or a screen reader listens, a
    // box lies inside the table at its place, and the rest of the table
    // waits for its answer.
    SetBoxMode(BoxMode::InsideTable);
    TForm1Options options = TestOptions();
    options.soundDevice = true;
    auto form = StartedTable(options);
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    auto* name = Find<QLineEdit>(*form, "Edit10");
    name->setFocus();
    const QString typed = name->text();
    const QPoint frameOffset = form->geometry().topLeft() - form->frameGeometry().topLeft();
    bool checked = false;
    QTimer::singleShot(50, [&] {
      auto* box = form->findChild<QDialog*>("TableMessageBox");
      QVERIFY(box != nullptr && box->isVisible() && !box->isWindow());
      QCOMPARE(box->pos(), QPoint(kTrickBoxPlace.x, kTrickBoxPlace.y) - frameOffset);
      // No key and no click reaches the table beneath.
      QTest::keyClick(name, Qt::Key_X);
      Click(Find<QPushButton>(*form, "BoutonQ"));
      QCOMPARE(name->text(), typed);
      QVERIFY(!form->Closing());
      QTest::keyClick(box->focusWidget(), Qt::Key_Escape);
      checked = true;
    });
    QCOMPARE(form->Table().MessageBox(Box::ConfirmTrick, "Validez cette main", Buttons::Oui,
                                      kTrickBoxPlace),
             kAnswerClosed);
    QVERIFY(checked);
    // The keyboard is back where it was.
    QCOMPARE(QApplication::focusWidget(), name);
    SetBoxMode(BoxMode::Decided);
  }

  void helpPageIsReadByLinesAndHeadings() {
    QWidget table;
    QWidget* window = ShowHelpWindow(&table, QDir::current().absoluteFilePath("Notice01.html"));
    auto* text = window->findChild<QTextBrowser*>("HelpText");
    QVERIFY(text != nullptr);
    // A caret the arrows move, line by line, for the screen reader to read.
    QVERIFY(text->textInteractionFlags() & Qt::TextSelectableByKeyboard);
    const auto heading = [&] { return text->textCursor().block().blockFormat().headingLevel(); };
    QTest::keyClick(text, Qt::Key_H);
    QVERIFY(heading() > 0);
    const int first = text->textCursor().position();
    QTest::keyClick(text, Qt::Key_H);
    QVERIFY(heading() > 0);
    QVERIFY(text->textCursor().position() > first);
    QTest::keyClick(text, Qt::Key_H, Qt::ShiftModifier);
    QCOMPARE(text->textCursor().position(), first);
    QTest::keyClick(text, Qt::Key_Escape);
    QVERIFY(!window->isVisible());
  }

  void keysPlayTheHandLikeClicks() {
    auto form = DealtTable();
    TableState& s = form->State();
    // Keys reach the table through whatever button has the focus; Ctrl and
    // Alt with a digit are not a card.
    QWidget* focus = Find<QPushButton>(*form, "BitBtn1");
    Press(focus, Digit(1), Qt::ControlModifier);
    Press(focus, Digit(1), Qt::AltModifier);
    QCOMPARE(CardsInHand(s), 8);
    // Play by keys, the number pad's too, until a card is refused.
    for (int guard = 0; guard < 200 && FirstSlot(s, false) == 0; ++guard) {
      const int slot = FirstSlot(s, true);
      const int before = CardsInHand(s);
      Press(focus, Digit(slot), guard % 2 ? Qt::KeypadModifier : Qt::NoModifier);
      QVERIFY(CardsInHand(s) == before - 1 || CardsInHand(s) == 8);
    }
    const int refused = FirstSlot(s, false);
    QVERIFY(refused != 0);
    const TableState before = s;
    Press(focus, Digit(refused));
    QCOMPARE(s.CurRow, before.CurRow);
    QCOMPARE(s.SlotCard[1][refused], before.SlotCard[1][refused]);
    QCOMPARE(s.TrickPos, before.TrickPos);
    // Return on a button of the control panel presses it.
    auto* sound = Find<QPushButton>(*form, "BitBtn2");
    const QString caption = sound->text();
    Press(sound, Qt::Key_Return);
    QVERIFY(sound->text() != caption);
  }

  void chooserTilesAreNamedAndTakeTheKeys() {
    auto form = DealtTable();
    TableState& s = form->State();
    s.TurnedSuitText = std::to_string(kCarreau);
    const auto chooser = [&] {
      auto c =
          std::make_unique<TForm3>([&](int x) { return SuitChooserPress(s, form->Table(), x); });
      c->show();
      return c;
    };
    // A digit presses its tile; the turned-up suit leaves the chooser open;
    // the number pad's Enter, the screen reader's, presses nothing.
    s.TrumpSuit = -1;
    auto keyed = chooser();
    QTest::keyClick(keyed->focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(s.TrumpSuit, -1);
    QTest::keyClick(keyed->focusWidget(), Qt::Key_2);
    QCOMPARE(s.TrumpSuit, kCarreau);
    QVERIFY(keyed->isVisible());
    QTest::keyClick(keyed->focusWidget(), Qt::Key_Escape);
    QCOMPARE(s.TrumpSuit, 0);
    QVERIFY(!keyed->isVisible());

    // The arrows walk the tiles, wrapping round; Return and Space press the
    // tile with the keyboard.
    auto walked = chooser();
    QCOMPARE(walked->focusWidget(), walked->Tile(1));
    QTest::keyClick(walked->focusWidget(), Qt::Key_Right);
    QCOMPARE(walked->focusWidget(), walked->Tile(2));
    QTest::keyClick(walked->focusWidget(), Qt::Key_Return);
    QCOMPARE(s.TrumpSuit, kCarreau);
    QTest::keyClick(walked->focusWidget(), Qt::Key_Left);
    QTest::keyClick(walked->focusWidget(), Qt::Key_Left);
    QCOMPARE(walked->focusWidget(), walked->Tile(0));
    QTest::keyClick(walked->focusWidget(), Qt::Key_Space);
    QCOMPARE(s.TrumpSuit, 0);
    QVERIFY(!walked->isVisible());

    // What a screen reader finds: the banner's words and five named,
    // focusable tiles, left to right, each inside its band.
    QCOMPARE(Heard(walked.get()), QString("Cliquez sur la couleur où vous désirez aller"));
    QCOMPARE(ChildNames(walked.get(), QAccessible::Button),
             QStringList({"Coeur", "Carreau", "Pique", "Trèfle", "Non, pas cette fois"}));
    for (int suit = 0; suit <= 4; ++suit) {
      QVERIFY(QAccessible::queryAccessibleInterface(walked->Tile(suit))->state().focusable);
      const ChooserBand& band = ChooserBandOf(suit);
      QVERIFY(walked->Tile(suit)->geometry().left() >= band.first);
      QVERIFY(walked->Tile(suit)->geometry().right() <= band.last);
    }
  }

  void optionsPanelIsAGroupThatStartsInTheName() {
    TForm1Options options = TestOptions(&player_);
    // A sound output: the start sequence shows no box.
    options.soundDevice = true;
    TForm1 form(options);
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    form.FormActivate();
    auto* panel = Find<QWidget>(form, "Panel1");
    auto* name = Find<QLineEdit>(form, "Edit10");
    QVERIFY(panel->isVisible());
    QCOMPARE(QAccessible::queryAccessibleInterface(panel)->role(), QAccessible::Grouping);
    QCOMPARE(QApplication::focusWidget(), name);

    // Tab goes round the panel's own controls only: nothing it covers.
    QList<QWidget*> visited;
    for (int i = 0; i < 6; ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      visited << QApplication::focusWidget();
    }
    for (const char* covered : {"BitBtn1", "Button2", "Button1", "BitBtn2", "BitBtn3", "Edit1"})
      QVERIFY2(!visited.contains(Find<QWidget>(form, covered)), covered);
    QVERIFY(visited.contains(Find<QWidget>(form, "CheckBox1")));
    QVERIFY(visited.contains(Find<QWidget>(form, "BoutonA")));

    // The two points fields and the two ways out are told apart.
    QVERIFY(Heard(Find<QWidget>(form, "Edit1")) != Heard(Find<QWidget>(form, "Edit11")));
    QVERIFY(Heard(Find<QWidget>(form, "Button1")) != Heard(Find<QWidget>(form, "BoutonQ")));
    // The first letters typed replace the name offered; the human's place
    // follows the name being typed.
    name->setFocus();
    QTest::keyClicks(name, "zoe");
    QCOMPARE(name->text(), QString("ZOE"));
    QCOMPARE(Heard(form.ControlWidget(PlaceControl(1)), QAccessible::Description),
             QString("Carte jouée par ZOE"));

    // Return in the name field accepts the panel and deals; the covered
    // controls come back into the Tab order and the keyboard goes to the hand.
    QTest::keyClick(name, Qt::Key_Return);
    QVERIFY(!panel->isVisible());
    QCOMPARE(CardsInHand(form.State()), 8);
    QVERIFY(Find<QWidget>(form, "BitBtn1")->focusPolicy() & Qt::TabFocus);
    QTRY_VERIFY(qobject_cast<TImage*>(QApplication::focusWidget()) != nullptr);
  }

  void handIsReadInOrderAndWalkedWithArrows() {
    auto form = DealtTable();
    TableState& s = form->State();
    // However the cards were raised over one another, the hand reads from
    // slot 1 to slot 8.
    form->HandImage(5)->raise();
    form->HandImage(2)->raise();
    QStringList hand;
    for (const QString& name : ChildNames(form.get(), QAccessible::StaticText) +
                                   ChildNames(form.get(), QAccessible::Graphic))
      if (name.size() > 2 && name[0].isDigit() && name[1] == ',') hand << name;
    QCOMPARE(hand.size(), 8);
    for (int slot = 1; slot <= 8; ++slot) QVERIFY(hand[slot - 1].startsWith(QString::number(slot)));

    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    Press(form->HandImage(8), Qt::Key_Right);
    QCOMPARE(QApplication::focusWidget(), form->HandImage(1));
    QTest::keyClick(form->HandImage(1), Qt::Key_Left);
    QCOMPARE(QApplication::focusWidget(), form->HandImage(8));

    // Return plays the card with the keyboard, when the rules allow it.
    const int slot = FirstSlot(s, true);
    Press(form->HandImage(slot), Qt::Key_Return);
    QCOMPARE(s.SlotCard[1][slot], 0);
    // The arrows skip the emptied slot.
    Press(form->HandImage(slot == 1 ? 8 : slot - 1), Qt::Key_Right);
    QVERIFY(QApplication::focusWidget() != form->HandImage(slot));
  }

  void outlineOnlyForTheKeyboard() {
    // One of the outline's two bands stands out from any cloth.
    for (const QColor& cloth : {QColor(0, 128, 128), QColor(Qt::black), QColor(Qt::white),
                                QColor(128, 128, 128), QColor(255, 255, 0), QColor(0, 0, 255)})
      QVERIFY(std::max(ContrastRatio(kFocusOuter, cloth), ContrastRatio(kFocusInner, cloth)) >=
              3.0);
    QVERIFY(ContrastRatio(kFocusOuter, kFocusInner) >= 3.0);

    auto form = DealtTable();
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    auto* ring = form->findChild<FocusRing*>();
    QVERIFY(ring != nullptr);
    // A player who only uses the mouse sees no outline, not even around the
    // card the table gives the keyboard to at his turn.
    QTest::mouseClick(form.get(), Qt::LeftButton, {}, QPoint(20, 20));
    const int slot = FirstSlot(form->State(), true);
    Click(form->HandImage(slot));
    QTRY_VERIFY(qobject_cast<TImage*>(QApplication::focusWidget()) != nullptr);
    QVERIFY(!ring->isVisible());
    // Once a key is used, the outline shows where the keyboard is.
    auto* button = Find<QPushButton>(*form, "BitBtn2");
    button->setFocus(Qt::TabFocusReason);
    QTest::keyClick(button, Qt::Key_Shift);
    QVERIFY(ring->isVisible());
    QCOMPARE(ring->Around(), button);
    QVERIFY(ring->geometry().contains(button->geometry()));
    const QImage shot = form->grab().toImage();
    const QPoint corner = ring->geometry().topLeft();
    QCOMPARE(QColor(shot.pixel(corner)), kFocusOuter);
    QCOMPARE(QColor(shot.pixel(corner + QPoint(kFocusBand, kFocusBand))), kFocusInner);
    // No outline stays around a card once played: it moves on to a card
    // still in the hand.
    const int next = FirstSlot(form->State(), true);
    Press(form->HandImage(next), Qt::Key_Return);
    QCOMPARE(form->State().SlotCard[1][next], 0);
    QVERIFY(ring->Around() != form->HandImage(next));
    // A mouse press hides it again.
    QTest::mouseClick(form.get(), Qt::LeftButton, {}, QPoint(20, 20));
    QVERIFY(!ring->isVisible());
  }

  void digitsTypedInAFieldStayThere() {
    auto form = DealtTable();
    const TableState& s = form->State();
    auto* points = Find<QLineEdit>(*form, "Edit1");
    Press(points, Digit(1));
    QCOMPARE(points->text(), QString("25001"));
    QCOMPARE(CardsInHand(s), 8);
    // Even a field that refuses typing keeps its digits from the cards.
    points->setReadOnly(true);
    Press(points, Digit(2));
    QCOMPARE(CardsInHand(s), 8);

    // A click on the cloth gives the keys back to the cards.
    points->setReadOnly(false);
    points->setFocus();
    QTest::mouseClick(form.get(), Qt::LeftButton, {}, QPoint(20, 20));
    QVERIFY(form->focusWidget() != points);
    QTest::keyClick(form.get(), Digit(FirstSlot(s, true)));
    QCOMPARE(CardsInHand(s), 7);
    QCOMPARE(points->text(), QString("25001"));
  }
};

QTEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"
