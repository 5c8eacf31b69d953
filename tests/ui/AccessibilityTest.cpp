// The table for a player using a screen reader or the keyboard: the names
// of the pictures as a trick is played, and the keys 1 to 8 playing the
// hand without stealing digits from the points field.
#include <QAccessible>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>
#include <array>
#include <memory>

#include "engine/CardRules.h"
#include "model/Cards.h"
#include "ui/CardNames.h"
#include "ui/MessageBoxes.h"
#include "ui/Unit1.h"

using namespace belote;

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

int CardsInHand(const TableState& s) {
  int n = 0;
  for (int slot = 1; slot <= 8; ++slot) n += s.SlotCard[1][slot] > 0 ? 1 : 0;
  return n;
}

// The first slot whose card the rules let the human play (0: none), or the
// first whose card they refuse.
int FirstSlot(const TableState& s, bool legal) {
  for (int slot = 1; slot <= 8; ++slot)
    if (s.SlotCard[1][slot] > 0 && IsLegalHumanCard(s, slot) == legal) return slot;
  return 0;
}

// A key pressed on the control that has the focus, as the keyboard does.
void Press(QWidget* focus, int slot, Qt::KeyboardModifiers mods = Qt::NoModifier) {
  focus->setFocus();
  QTest::keyClick(focus, Qt::Key(Qt::Key_1 + slot - 1), mods);
}

}  // namespace

class AccessibilityTest : public QObject {
  Q_OBJECT

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

 private slots:
  void init() {
    onBox_ = nullptr;
    SetMessageAnswerer([this](const std::string& text, Buttons) {
      if (onBox_) onBox_(text);
      return kAnswerYes;
    });
  }
  void cleanup() { SetMessageAnswerer(nullptr); }

  void pictureFilesAreNamedInFrench() {
    const std::pair<const char*, const char*> names[] = {
        {"Im/1.Bmp", "As de Coeur"},       {"Im/12.Bmp", "Valet de Carreau"},
        {"Im/22.Bmp", "Neuf de Pique"},    {"Im/32.Bmp", "Sept de Trefle"},
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
    for (int slot = 1; slot <= 8; ++slot)
      QCOMPARE(Spoken(form->HandImage(slot)), PictureName(s.PictureOf[s.SlotCard[1][slot]]));
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
    const QString played = Spoken(form->HandImage(slot));
    form->ImageClick(slot);
    QCOMPARE(Spoken(form->HandImage(slot)), QString("Emplacement vide"));
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
