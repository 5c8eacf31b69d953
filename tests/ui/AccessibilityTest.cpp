// The table for a player using a screen reader or the keyboard: the names
// of the pictures as a trick is played, and the keys 1 to 8 playing the
// hand without stealing digits from the points field.
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QToolButton>
#include <QtTest>
#include <array>
#include <memory>

#include "UiTestSupport.h"
#include "engine/Bidding.h"
#include "engine/CardRules.h"
#include "engine/ChooserBands.h"
#include "model/Cards.h"
#include "ui/CardNames.h"
#include "ui/FocusRing.h"
#include "ui/MessageBoxes.h"
#include "ui/TableAccess.h"
#include "ui/TableAnnouncer.h"
#include "ui/Unit1.h"
#include "ui/Unit3.h"

using namespace belote;
using namespace belote::test;

namespace {

// What a screen reader hears for a widget.
QString Spoken(QWidget* w, QAccessible::Text what = QAccessible::Name) {
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
  return iface != nullptr ? iface->text(what) : QString();
}

// The cards of the current trick, by seat, as the play step puts them down.
struct TrickCards : PlayObserver {
  void CardPlayed(int seat, int, int code, int, bool) override { codes[seat] = code; }
  std::array<int, 5> codes{};
};

// Every notification a screen reader is shown: its name as it appears.
QStringList& NewsHeard() {
  static QStringList heard;
  return heard;
}

void HearNews(QAccessibleEvent* event) {
  if (event->type() != QAccessible::ObjectShow) return;
  QAccessibleInterface* iface = event->accessibleInterface();
  if (iface != nullptr && iface->role() == QAccessible::Notification && !iface->state().invisible)
    NewsHeard() << iface->text(QAccessible::Name);
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
void Press(QWidget* focus, int slot, Qt::KeyboardModifiers mods = Qt::NoModifier) {
  focus->setFocus();
  QTest::keyClick(focus, Qt::Key(Qt::Key_1 + slot - 1), mods);
}

}  // namespace

class AccessibilityTest : public QObject {
  Q_OBJECT

  StandIn player_;
  // Sees each box before the stand-in answers it "&Oui".
  std::function<void(const std::string&)> onBox_;

  // A table dealt and waiting for LÉA's first card, animation off.
  std::unique_ptr<TForm1> DealtTable() {
    return test::DealtTable(TestOptions(&player_), QStringLiteral("LÉA"));
  }

 private slots:
  void init() {
    onBox_ = nullptr;
    player_.Clear();
    player_.answer = [this](const std::string& text) {
      if (onBox_) onBox_(text);
      return kAnswerYes;
    };
  }

  void pictureFilesAreNamedInFrench() {
    const std::pair<const char*, const char*> names[] = {
        {"Im/1.Bmp", "As de Coeur"},       {"Im/12.Bmp", "Valet de Carreau"},
        {"Im/22.Bmp", "Neuf de Pique"},    {"Im/32.Bmp", "Sept de Trèfle"},
        {"Im/34.Bmp", "Atout Pique"},      {"Im/35.Bmp", "Atout Carreau"},
        {"Im/00.bmp", "Emplacement vide"}, {"Im\\7.Bmp", "Huit de Coeur"}};
    for (const auto& [file, name] : names) QCOMPARE(PictureFileName(file), QString(name));
    // A file that is not one of the game's pictures is not called a card.
    for (const char* file : {"Im/37.Bmp", "Im/07.Bmp", "Im/7.png", "Im/.Bmp", "Im/-1.Bmp"})
      QVERIFY2(PictureFileName(file).isEmpty(), file);
  }

  void switchesSayWhetherSoundAndGlidesAreOn() {
    auto form = DealtTable();
    // A screen reader hears the caption a press leaves, as the eye reads it.
    const auto heard = [](QWidget* w) { return Spoken(w).trimmed(); };
    for (int press = 0; press < 2; ++press) {
      form->BitBtn2Click();
      form->BitBtn3Click();
      const bool sound = form->State().SoundOn == 1;
      const bool glides = form->State().AnimationOn == 1;
      QCOMPARE(heard(form->BitBtn2), QString(sound ? "Oter le Son" : "Mettre le Son"));
      QCOMPARE(heard(form->BitBtn3), QString(glides ? "Oter l' Animation" : "Mettre Animation"));
    }
  }

  void namesFollowTheCardsThroughATrick() {
    auto form = DealtTable();
    TrickCards trick;
    form->GameState().observer = &trick;
    TableState& s = form->State();
    // Each card starts with the key that plays it.
    for (int slot = 1; slot <= 8; ++slot)
      QCOMPARE(Spoken(form->HandImage(slot)),
               QString("%1, ").arg(slot) + PictureName(s.PictureOf[s.SlotCard[1][slot]]));
    QCOMPARE(Spoken(form->Image13), PictureName(SuitSignPicture(s.TrumpSuit)));
    // Nothing the player can reach is left without a name.
    for (QWidget* w : form->findChildren<QWidget*>()) {
      if (qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
          qobject_cast<TImage*>(w))
        QVERIFY2(!Spoken(w).isEmpty(), qPrintable(w->objectName()));
    }

    // When the trick is complete the four places show, and name, its cards.
    std::array<QString, 5> shown, expected;
    onBox_ = [&](const std::string& text) {
      if (text != "Validez cette main" || !shown[1].isEmpty()) return;
      for (int seat = 1; seat <= 4; ++seat) {
        shown[seat] = Spoken(form->ControlWidget(TablePlace(seat)));
        expected[seat] = PictureName(s.PictureOf[trick.codes[seat]]);
      }
    };
    const int slot = FirstSlot(s, true);
    const QString played = PictureName(s.PictureOf[s.SlotCard[1][slot]]);
    form->ImageClick(slot);
    QCOMPARE(Spoken(form->HandImage(slot)), QString("%1, Emplacement vide").arg(slot));
    // The human's card was not the trick's last: it still lies on his place.
    if (shown[1].isEmpty()) {
      QCOMPARE(Spoken(form->Image9), played);
      form->ImageClick(FirstSlot(s, true));
    }
    for (int seat = 1; seat <= 4; ++seat) QCOMPARE(shown[seat], expected[seat]);
    QVERIFY(!shown[1].isEmpty());
    QCOMPARE(Spoken(form->Image9, QAccessible::Description), QString("Carte jouée par LÉA"));
    QCOMPARE(Spoken(form->Image10, QAccessible::Description), QString("Carte jouée par ARNAL"));
  }

  void keysPlayTheHandLikeClicks() {
    auto form = DealtTable();
    TableState& s = form->State();
    // Keys reach the table through whatever button has the focus; Ctrl and
    // Alt with a digit are not a card.
    QWidget* focus = form->BitBtn1;
    Press(focus, 1, Qt::ControlModifier);
    Press(focus, 1, Qt::AltModifier);
    QCOMPARE(CardsInHand(s), 8);

    // Play by keys, the number pad's too, until a card is refused.
    for (int guard = 0; guard < 200 && FirstSlot(s, false) == 0; ++guard) {
      const int slot = FirstSlot(s, true);
      const int before = CardsInHand(s);
      Press(focus, slot, guard % 2 ? Qt::KeypadModifier : Qt::NoModifier);
      QVERIFY(CardsInHand(s) == before - 1 || CardsInHand(s) == 8);
    }
    const int refused = FirstSlot(s, false);
    QVERIFY(refused != 0);
    const TableState before = s;
    Press(focus, refused);
    QCOMPARE(s.CurRow, before.CurRow);
    QCOMPARE(s.SlotCard[1][refused], before.SlotCard[1][refused]);
    QCOMPARE(s.TrickPos, before.TrickPos);
  }

  void chooserTilesAreNamedAndTakeTheKeys() {
    auto form = DealtTable();
    TableState& s = form->State();
    s.TurnedSuitText = std::to_string(2);
    struct Case {
      int key;
      Qt::KeyboardModifiers mods;
      int suit;  // the suit recorded
      bool stays;
    };
    // Carreau is the turned-up suit: its tile records it and leaves the
    // chooser open; every other tile closes it.
    const Case cases[] = {{Qt::Key_1, {}, 1, false},
                          {Qt::Key_2, {}, 2, true},
                          {Qt::Key_3, Qt::KeypadModifier, 3, false},
                          {Qt::Key_4, Qt::ShiftModifier, 4, false},
                          {Qt::Key_Ampersand, {}, 1, false},
                          {Qt::Key_Eacute, {}, 2, true},
                          {Qt::Key_QuoteDbl, {}, 3, false},
                          {Qt::Key_Apostrophe, {}, 4, false},
                          {Qt::Key_Escape, {}, 0, false},
                          {Qt::Key_5, {}, -1, true},
                          {Qt::Key_1, Qt::ControlModifier, -1, true}};
    for (const Case& c : cases) {
      s.TrumpSuit = -1;
      TForm3 chooser([&](int x) { return SuitChooserPress(s, form->Table(), x); });
      chooser.show();
      QTest::keyClick(chooser.focusWidget(), Qt::Key(c.key), c.mods);
      const QString what = QString("key %1").arg(c.key, 0, 16);
      QVERIFY2(s.TrumpSuit == c.suit, qPrintable(what));
      QVERIFY2(chooser.isVisible() == c.stays, qPrintable(what));
    }

    // The arrows walk the tiles, wrapping round; Return and Space press the
    // tile with the keyboard, which shows it.
    TForm3 chooser([&](int x) { return SuitChooserPress(s, form->Table(), x); });
    chooser.show();
    QCOMPARE(chooser.focusWidget(), chooser.Tile(1));
    QTest::keyClick(chooser.focusWidget(), Qt::Key_Right);
    QCOMPARE(chooser.focusWidget(), chooser.Tile(2));
    QTest::keyClick(chooser.focusWidget(), Qt::Key_Return);
    QCOMPARE(s.TrumpSuit, 2);
    QVERIFY(chooser.isVisible());
    QTest::keyClick(chooser.focusWidget(), Qt::Key_Left);
    QTest::keyClick(chooser.focusWidget(), Qt::Key_Left);
    QCOMPARE(chooser.focusWidget(), chooser.Tile(0));
    QTest::keyClick(chooser.focusWidget(), Qt::Key_Space);
    QCOMPARE(s.TrumpSuit, 0);
    QVERIFY(!chooser.isVisible());

    // What a screen reader finds: the banner's words and five named,
    // focusable tiles, left to right.
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&chooser);
    QCOMPARE(iface->text(QAccessible::Name),
             QString("Cliquez sur la couleur où vous désirez aller"));
    QCOMPARE(ChildNames(&chooser, QAccessible::Button),
             QStringList({"Coeur", "Carreau", "Pique", "Trèfle", "Non, pas cette fois"}));
    for (int suit = 0; suit <= 4; ++suit) {
      QAccessibleInterface* tile = QAccessible::queryAccessibleInterface(chooser.Tile(suit));
      QVERIFY(tile->state().focusable);
      // The tile lies inside its band: a press there is a press on it.
      const ChooserBand& band = ChooserBandOf(suit);
      QVERIFY(chooser.Tile(suit)->geometry().left() >= band.first);
      QVERIFY(chooser.Tile(suit)->geometry().right() <= band.last);
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
    QVERIFY(form.Panel1->isVisible());
    QCOMPARE(QAccessible::queryAccessibleInterface(form.Panel1)->role(), QAccessible::Grouping);
    QCOMPARE(QApplication::focusWidget(), form.Edit10);

    // Tab goes round the panel's own controls only: nothing it covers.
    QList<QWidget*> visited;
    for (int i = 0; i < 6; ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      visited << QApplication::focusWidget();
    }
    for (QWidget* covered : std::initializer_list<QWidget*>{
             form.BitBtn1, form.Button2, form.Button1, form.BitBtn2, form.BitBtn3, form.Edit1})
      QVERIFY2(!visited.contains(covered), qPrintable(covered->objectName()));
    QVERIFY(visited.contains(static_cast<QWidget*>(form.CheckBox1)));
    QVERIFY(visited.contains(static_cast<QWidget*>(form.BoutonA)));

    // The two points fields and the two ways out are told apart.
    QVERIFY(Spoken(form.Edit1) != Spoken(form.Edit11));
    QVERIFY(Spoken(form.Button1) != Spoken(form.BoutonQ));
    // The human's place follows the name being typed.
    form.Edit10->setFocus();
    form.Edit10->selectAll();
    QTest::keyClicks(form.Edit10, "zoe");
    QCOMPARE(Spoken(form.Image9, QAccessible::Description), QString("Carte jouée par ZOE"));

    // Return in the name field accepts the panel and deals; the covered
    // controls come back into the Tab order and the keyboard goes to the hand.
    QTest::keyClick(form.Edit10, Qt::Key_Return);
    QVERIFY(!form.Panel1->isVisible());
    QCOMPARE(CardsInHand(form.State()), 8);
    QVERIFY(form.BitBtn1->focusPolicy() & Qt::TabFocus);
    QTRY_VERIFY(form.HandImage(1)->hasFocus() || FirstSlot(form.State(), true) == 0 ||
                qobject_cast<TImage*>(QApplication::focusWidget()) != nullptr);
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
    form->HandImage(8)->setFocus();
    QTest::keyClick(form->HandImage(8), Qt::Key_Right);
    QCOMPARE(QApplication::focusWidget(), form->HandImage(1));
    QTest::keyClick(form->HandImage(1), Qt::Key_Left);
    QCOMPARE(QApplication::focusWidget(), form->HandImage(8));

    // Return plays the card with the keyboard, when the rules allow it.
    const int slot = FirstSlot(s, true);
    form->HandImage(slot)->setFocus();
    QTest::keyClick(form->HandImage(slot), Qt::Key_Return);
    QCOMPARE(s.SlotCard[1][slot], 0);
    // The arrows skip the emptied slot.
    form->HandImage(slot == 1 ? 8 : slot - 1)->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QVERIFY(QApplication::focusWidget() != form->HandImage(slot));

    // The unshifted top row of a French keyboard plays too.
    if (const int next = FirstSlot(s, true)) {
      const int keys[8] = {Qt::Key_Ampersand, Qt::Key_Eacute, Qt::Key_QuoteDbl, Qt::Key_Apostrophe,
                           Qt::Key_ParenLeft, Qt::Key_Minus,  Qt::Key_Egrave,   Qt::Key_Underscore};
      const int before = CardsInHand(s);
      form->BitBtn1->setFocus();
      QTest::keyClick(form->BitBtn1, Qt::Key(keys[next - 1]));
      QVERIFY(CardsInHand(s) == before - 1 || CardsInHand(s) == 8);
    }
  }

  void boxesCarryWhatTheTableShows() {
    // A real box: its description reaches the dialog and the focused button.
    bool checked = false;
    QTimer::singleShot(50, [&] {
      QWidget* box = QApplication::activeModalWidget();
      QVERIFY(box != nullptr);
      QCOMPARE(Spoken(box, QAccessible::Description), QString("Pli 1 : ..."));
      checked = true;
      QTest::keyClick(box->focusWidget(), Qt::Key_Return);
    });
    QCOMPARE(ShowTableMessage(nullptr, "Validez cette main", Buttons::Oui, ScreenPos{345, 450},
                              QStringLiteral("Pli 1 : ...")),
             kAnswerYes);
    QVERIFY(checked);

    // The game's own boxes, described from the table as they come up.
    std::unique_ptr<TForm1> form;
    QString question, trick;
    onBox_ = [&](const std::string& text) {
      if (!form) return;
      if (text.find("Tu la prends") != std::string::npos && question.isEmpty())
        question = DescribeBox(*form, Box::TakeQuestion);
      if (text == "Validez cette main" && trick.isEmpty()) {
        trick = DescribeBox(*form, Box::ConfirmTrick);
        const TableState& s = form->State();
        QStringList cards;
        for (int seat = 1; seat <= 4; ++seat)
          cards << SeatName(*form, seat) + ", " + CardNameOf(*form, TablePlace(seat));
        QCOMPARE(trick, QString("Pli 1 : %1. %2 remporte le pli.")
                            .arg(cards.join(" ; "), SeatName(*form, s.TrickHolder)));
        QVERIFY(trick.contains("LÉA, "));
        QVERIFY(!trick.contains("Emplacement vide"));
      }
    };
    form = std::make_unique<TForm1>(TestOptions(&player_));
    form->show();
    form->FormActivate();
    form->Edit10->setText(QStringLiteral("LÉA"));
    form->BoutonAClick();
    const TableState& s = form->State();
    for (int guard = 0; guard < 20 && trick.isEmpty(); ++guard)
      form->ImageClick(FirstSlot(s, true));
    QVERIFY(!trick.isEmpty());
    // The human opens the first deal: the question came, with the turned-up
    // card and five cards.
    QVERIFY2(question.startsWith("Carte retournée : "), qPrintable(question));
    QCOMPARE(question.count(", ") + 1, 5);
    QCOMPARE(DescribeBox(*form, Box::Redeal), QString());
  }

  void tableAnnouncesBidsCardsTricksAndRefusals() {
    TableAnnouncer::SetEventWatcher(HearNews);
    NewsHeard().clear();
    auto form = DealtTable();
    TableAnnouncer* announcer = TableAnnouncer::Of(*form);
    QVERIFY(announcer != nullptr);
    TableState& s = form->State();

    // The bids of the deal were said, each with its seat.
    QVERIFY(announcer->Said()
                .filter(QRegularExpression("^(LÉA|ARNAL|BERTOU|CASSOL) : "
                                           "(Je prends|Je passe|Deux)$"))
                .size() >= 1);
    // The player's turn is said once the play step has let go.
    QTRY_VERIFY(!announcer->Said().filter(QRegularExpression("^À vous de jouer")).isEmpty());

    // A refused card is said, and nothing else happens.
    for (int guard = 0; guard < 200 && FirstSlot(s, false) == 0; ++guard) {
      form->ImageClick(FirstSlot(s, true));
    }
    const int refused = FirstSlot(s, false);
    QVERIFY(refused != 0);
    {
      const int count = static_cast<int>(announcer->Said().size());
      form->activateWindow();
      form->BitBtn1->setFocus();
      QTest::keyClick(form->BitBtn1, Qt::Key(Qt::Key_1 + refused - 1));
      QCOMPARE(announcer->Said().size(), count + 1);
      QCOMPARE(announcer->Said().last(),
               "Carte refusée : " + PictureName(s.PictureOf[s.SlotCard[1][refused]]));
      QVERIFY(s.SlotCard[1][refused] != 0);
    }
    // The computer seats' cards were said as they came down.
    QVERIFY(
        !announcer->Said().filter(QRegularExpression("^(ARNAL|BERTOU|CASSOL) joue ")).isEmpty());
    // And a screen reader was shown each of them, as a notification of the
    // table that draws nothing.
    for (const QString& said : announcer->Said())
      QVERIFY2(NewsHeard().contains(said), qPrintable(said));
    const QList<QWidget*> notifications = form->findChildren<QWidget*>(kNewsObjectName);
    QVERIFY(!notifications.isEmpty());
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(form.get());
    for (QWidget* news : notifications) {
      QVERIFY(news->width() * news->height() <= 1);
      QVERIFY(!news->autoFillBackground());
      QVERIFY(table->indexOfChild(QAccessible::queryAccessibleInterface(news)) >= 0);
    }
    // Each piece of news keeps its words while the next ones come, for a
    // reader that is behind.
    QStringList shown;
    for (QWidget* news : notifications)
      if (news->isVisible()) shown << Spoken(news);
    for (qsizetype i = 1; i <= std::min<qsizetype>(notifications.size(), announcer->Said().size());
         ++i)
      QVERIFY(shown.contains(announcer->Said()[announcer->Said().size() - i]));
    TableAnnouncer::SetEventWatcher(nullptr);
  }

  void focusOutlineStandsOut() {
    // One of the outline's two bands stands out from any cloth.
    for (const QColor& cloth : {TForm1::Teal(), QColor(Qt::black), QColor(Qt::white),
                                QColor(128, 128, 128), QColor(255, 255, 0), QColor(0, 0, 255)})
      QVERIFY(std::max(ContrastRatio(kFocusOuter, cloth), ContrastRatio(kFocusInner, cloth)) >=
              3.0);
    QVERIFY(ContrastRatio(kFocusOuter, kFocusInner) >= 3.0);

    auto form = DealtTable();
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    auto* ring = static_cast<FocusRing*>(form->findChild<QWidget*>("FocusRing"));
    QVERIFY(ring != nullptr);
    form->BitBtn2->setFocus(Qt::TabFocusReason);
    QVERIFY(ring->isVisible());
    QCOMPARE(ring->Around(), form->BitBtn2);
    QVERIFY(ring->geometry().contains(form->BitBtn2->geometry()));
    // The outline is drawn where the ring lies.
    const QImage shot = form->grab().toImage();
    const QPoint corner = ring->geometry().topLeft();
    QCOMPARE(QColor(shot.pixel(corner)), kFocusOuter);
    QCOMPARE(QColor(shot.pixel(corner + QPoint(kFocusBand, kFocusBand))), kFocusInner);
  }

  void digitsTypedInAFieldStayThere() {
    auto form = DealtTable();
    const TableState& s = form->State();
    Press(form->Edit1, 1);
    QCOMPARE(form->Edit1->text(), QString("25001"));
    QCOMPARE(CardsInHand(s), 8);
    // Even a field that refuses typing keeps its digits from the cards.
    form->Edit1->setReadOnly(true);
    Press(form->Edit1, 2);
    QCOMPARE(CardsInHand(s), 8);

    // A click on the cloth gives the keys back to the cards.
    form->Edit1->setReadOnly(false);
    form->Edit1->setFocus();
    QTest::mouseClick(form.get(), Qt::LeftButton, {}, QPoint(20, 20));
    QVERIFY(form->focusWidget() != form->Edit1);
    QTest::keyClick(form.get(), Qt::Key(Qt::Key_1 + FirstSlot(s, true) - 1));
    QCOMPARE(CardsInHand(s), 7);
    QCOMPARE(form->Edit1->text(), QString("25001"));
  }
};

QTEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"
