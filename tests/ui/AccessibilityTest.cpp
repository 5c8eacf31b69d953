// The table for a player using a screen reader or the keyboard: the names
// of the pictures as the deal goes on, the names of the controls, and the
// keys 1 to 8 playing the hand without stealing digits from the fields.
#include <QAccessible>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>
#include <array>
#include <memory>
#include <set>
#include <string>

#include "engine/CardRules.h"
#include "model/Cards.h"
#include "ui/CardNames.h"
#include "ui/MessageBoxes.h"
#include "ui/TableAccess.h"
#include "ui/Unit1.h"

using namespace belote;

namespace {

// What a screen reader hears for a widget.
QString Spoken(QWidget* w, QAccessible::Text what = QAccessible::Name) {
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
  return iface != nullptr ? iface->text(what) : QString();
}

// The cards of the current trick, by seat, as the play step puts them down.
class TrickCards : public PlayObserver {
 public:
  void CardPlayed(int seat, int, int code, int, bool) override { codes[seat] = code; }
  std::array<int, 5> codes{};
};

int CardsInHand(const TableState& s) {
  int n = 0;
  for (int slot = 1; slot <= 8; ++slot) n += s.SlotCard[1][slot] > 0 ? 1 : 0;
  return n;
}

}  // namespace

class AccessibilityTest : public QObject {
  Q_OBJECT

 private:
  std::function<void(const std::string&)> onBox_;

  // A table dealt and waiting for the human's first card, animation off.
  std::unique_ptr<TForm1> DealtTable() {
    TForm1Options options;
    options.pauseMilliseconds = 1;
    options.showAboutBox = false;
    options.soundDevice = false;
    options.exitApplicationOnQuit = false;
    auto form = std::make_unique<TForm1>(options);
    form->Table().SetSuitChooserAnswerer([] { return 300; });
    form->show();
    form->FormActivate();
    form->Edit10->setText(QStringLiteral("LÉA"));
    form->BoutonAClick();
    return form;
  }

  // Presses a key on the control that has the focus, as the keyboard does;
  // what the control does not take goes on to the table.
  static void Press(QWidget* focus, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    focus->setFocus();
    QTest::keyClick(focus, key, mods);
  }

  static Qt::Key KeyOf(int slot) { return Qt::Key(Qt::Key_1 + slot - 1); }

 private slots:
  void init() {
    onBox_ = nullptr;
    SetMessageAnswerer([this](const std::string& text, Buttons) {
      if (onBox_) onBox_(text);
      return kAnswerYes;
    });
  }
  void cleanup() { SetMessageAnswerer(nullptr); }

  void picturesAreNamedInFrench() {
    const std::pair<const char*, const char*> names[] = {
        {"Im/1.Bmp", "As de Coeur"},       {"Im/10.Bmp", "Roi de Carreau"},
        {"Im/19.Bmp", "Dame de Pique"},    {"Im/28.Bmp", "Valet de Trefle"},
        {"Im/5.Bmp", "Dix de Coeur"},      {"Im/14.Bmp", "Neuf de Carreau"},
        {"Im/23.Bmp", "Huit de Pique"},    {"Im/32.Bmp", "Sept de Trefle"},
        {"Im/33.Bmp", "Atout Coeur"},      {"Im/34.Bmp", "Atout Pique"},
        {"Im/35.Bmp", "Atout Carreau"},    {"Im/36.Bmp", "Atout Trefle"},
        {"Im/0.Bmp", "Emplacement vide"},  {"Im/00.Bmp", "Emplacement vide"},
        {"Im/00.bmp", "Emplacement vide"}, {"Im\\7.Bmp", "Huit de Coeur"},
    };
    for (const auto& [file, name] : names) QCOMPARE(PictureFileName(file), QString(name));

    // Every card has a name of its own.
    std::set<QString> seen;
    for (int p = 1; p <= 32; ++p) seen.insert(PictureName(p));
    QCOMPARE(seen.size(), size_t{32});

    // A file that is not one of the game's pictures is not called a card.
    for (const char* file : {"Im/37.Bmp", "Im/07.Bmp", "Im/7.png", "Im/.Bmp", "Im/x7.Bmp",
                             "Im/-1.Bmp", "Im/99999999999.Bmp", "", "Bmp"})
      QVERIFY2(PictureFileName(file).isEmpty(), file);
  }

  void controlsTellTheirPurpose() {
    TForm1Options options;
    options.showAboutBox = false;
    options.soundDevice = false;
    options.exitApplicationOnQuit = false;
    TForm1 form(options);
    QCOMPARE(Spoken(form.Button1), QString("Quitter"));
    QCOMPARE(Spoken(form.BitBtn1), QString("Changer la couleur du tapis"));
    QCOMPARE(Spoken(form.Button2), QString("Aide"));
    QCOMPARE(Spoken(form.BitBtn2), QString("Son"));
    QCOMPARE(Spoken(form.BitBtn3), QString("Animation"));
    QCOMPARE(Spoken(form.Edit1), QString("Points pour cette partie"));
    QCOMPARE(Spoken(form.Edit11), QString("Points pour cette partie"));
    QCOMPARE(Spoken(form.HB->UpButton()), QString("Augmenter les points"));
    QCOMPARE(Spoken(form.UpDown1->DownButton()), QString("Diminuer les points"));

    // Nothing the player can reach is left without a name.
    for (QWidget* w : form.findChildren<QWidget*>()) {
      if (qobject_cast<QPushButton*>(w) || qobject_cast<QLineEdit*>(w) ||
          qobject_cast<QToolButton*>(w) || qobject_cast<TImage*>(w))
        QVERIFY2(!Spoken(w).isEmpty(), qPrintable(w->objectName()));
    }
    // Before the first deal every place is empty, and each table place says
    // whose card it will show.
    QCOMPARE(Spoken(form.Image4), QString("Emplacement vide"));
    QCOMPARE(Spoken(form.Image9, QAccessible::Description), QString("Carte jouée par M° VERLAC"));
    QCOMPARE(Spoken(form.Image10, QAccessible::Description), QString("Carte jouée par ARNAL"));
    QCOMPARE(Spoken(form.Image11, QAccessible::Description), QString("Carte jouée par BERTOU"));
    QCOMPARE(Spoken(form.Image12, QAccessible::Description), QString("Carte jouée par CASSOL"));
  }

  void namesFollowTheCardsThroughATrick() {
    auto form = DealtTable();
    TrickCards trick;
    form->GameState().observer = &trick;
    TableState& s = form->State();
    QCOMPARE(CardsInHand(s), 8);
    for (int slot = 1; slot <= 8; ++slot)
      QCOMPARE(Spoken(form->HandImage(slot)), PictureName(s.PictureOf[s.SlotCard[1][slot]]));
    QCOMPARE(Spoken(form->Image13), PictureName(SuitSignPicture(s.TrumpSuit)));

    // When the trick is complete the four places show, and name, its cards.
    std::array<QString, 5> shown, expected;
    int boxes = 0;
    onBox_ = [&](const std::string& text) {
      if (text != "Validez cette main" || boxes++ > 0) return;
      for (int seat = 1; seat <= 4; ++seat) {
        shown[seat] = Spoken(form->ControlWidget(TablePlace(seat)));
        expected[seat] = PictureName(s.PictureOf[trick.codes[seat]]);
      }
    };
    int slot = 1;
    while (slot <= 8 && !IsLegalHumanCard(s, slot)) ++slot;
    QVERIFY(slot <= 8);
    const QString played = Spoken(form->HandImage(slot));
    form->ImageClick(slot);
    QCOMPARE(Spoken(form->HandImage(slot)), QString("Emplacement vide"));
    if (boxes == 0) {
      // The human's card was not the trick's last: the trick is still on
      // the table and his place names it.
      QCOMPARE(Spoken(form->Image9), played);
      slot = 1;
      while (slot <= 8 && !(s.SlotCard[1][slot] > 0 && IsLegalHumanCard(s, slot))) ++slot;
      form->ImageClick(slot);
    }
    QVERIFY(boxes >= 1);
    for (int seat = 1; seat <= 4; ++seat) {
      QVERIFY(!expected[seat].isEmpty());
      QCOMPARE(shown[seat], expected[seat]);
    }
    QCOMPARE(Spoken(form->Image9, QAccessible::Description), QString("Carte jouée par LÉA"));
  }

  void keysPlayTheHandLikeClicks() {
    auto form = DealtTable();
    TableState& s = form->State();
    // Keys reach the table through whatever button has the focus.
    QWidget* focus = form->BitBtn1;

    Press(focus, Qt::Key_1, Qt::ControlModifier);
    Press(focus, Qt::Key_9);
    QCOMPARE(CardsInHand(s), 8);

    // Play by keys until the human holds a card the rules refuse.
    int refused = 0;
    for (int guard = 0; guard < 200 && refused == 0 && !form->Table().Closing(); ++guard) {
      int legal = 0;
      for (int slot = 8; slot >= 1; --slot) {
        if (s.SlotCard[1][slot] == 0) continue;
        if (IsLegalHumanCard(s, slot))
          legal = slot;
        else
          refused = slot;
      }
      if (refused != 0) break;
      QVERIFY(legal != 0);
      const int before = CardsInHand(s);
      Press(focus, KeyOf(legal));
      // The card left the hand (or a new deal filled it again).
      QVERIFY(s.SlotCard[1][legal] == 0 || CardsInHand(s) == 8);
      QVERIFY(CardsInHand(s) != before || before == 1);
    }
    QVERIFY(refused != 0);

    const TableState before = s;
    const QString name = Spoken(form->HandImage(refused));
    Press(focus, KeyOf(refused));
    QCOMPARE(s.CurRow, before.CurRow);
    QCOMPARE(s.SlotCard[1][refused], before.SlotCard[1][refused]);
    QCOMPARE(s.TrickPos, before.TrickPos);
    QCOMPARE(Spoken(form->HandImage(refused)), name);

    // The number pad plays as well.
    int legal = 1;
    while (legal <= 8 && !(s.SlotCard[1][legal] > 0 && IsLegalHumanCard(s, legal))) ++legal;
    QVERIFY(legal <= 8);
    Press(focus, KeyOf(legal), Qt::KeypadModifier);
    QCOMPARE(s.SlotCard[1][legal], 0);
  }

  void digitsTypedInAFieldStayThere() {
    auto form = DealtTable();
    const TableState& s = form->State();
    Press(form->Edit1, Qt::Key_1);
    QCOMPARE(form->Edit1->text(), QString("25001"));
    QCOMPARE(s.TargetScore, 25001);
    QCOMPARE(CardsInHand(s), 8);

    // Even a field that refuses typing keeps its digits from the cards.
    form->Edit1->setReadOnly(true);
    Press(form->Edit1, Qt::Key_2);
    QCOMPARE(CardsInHand(s), 8);

    // A click on the cloth gives the keys back to the cards.
    form->Edit1->setReadOnly(false);
    form->Edit1->setFocus();
    QTest::mouseClick(form.get(), Qt::LeftButton, {}, QPoint(20, 20));
    QVERIFY(form->focusWidget() != form->Edit1);
    int legal = 1;
    while (!IsLegalHumanCard(s, legal)) ++legal;
    QTest::keyClick(form->focusWidget() ? form->focusWidget() : form.get(), KeyOf(legal));
    QCOMPARE(CardsInHand(s), 7);
    QCOMPARE(form->Edit1->text(), QString("25001"));
  }

  void keysThatPlayNothing() {
    // Shift is allowed (French keyboards need it for the top row of
    // digits); the other modifiers and the keys 0 and 9 are not cards.
    const auto slotOf = [](int key, Qt::KeyboardModifiers mods) {
      return HandSlotOfKey(QKeyEvent(QEvent::KeyPress, key, mods));
    };
    QCOMPARE(slotOf(Qt::Key_1, Qt::NoModifier), 1);
    QCOMPARE(slotOf(Qt::Key_8, Qt::ShiftModifier), 8);
    QCOMPARE(slotOf(Qt::Key_5, Qt::KeypadModifier), 5);
    QCOMPARE(slotOf(Qt::Key_0, Qt::NoModifier), 0);
    QCOMPARE(slotOf(Qt::Key_9, Qt::NoModifier), 0);
    QCOMPARE(slotOf(Qt::Key_3, Qt::AltModifier), 0);
    QCOMPARE(slotOf(Qt::Key_3, Qt::ControlModifier | Qt::ShiftModifier), 0);
    QCOMPARE(slotOf(Qt::Key_Ampersand, Qt::NoModifier), 0);
  }
};

QTEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"
