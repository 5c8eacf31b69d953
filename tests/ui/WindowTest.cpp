// The card table window driven the way a player drives it: the start, the
// options panel, the settings, card clicks with and without the glide, and a
// whole game through to the question of another one.
#include <malloc.h>

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <cstddef>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "UiTestSupport.h"
#include "engine/CardRules.h"
#include "engine/TableGeometry.h"
#include "ui/boxes/Apropos.h"
#include "ui/boxes/MessageBoxes.h"
#include "ui/table/PointsField.h"
#include "ui/table/Unit1.h"
#include "ui/widgets/TableWidgets.h"

using namespace belote;
using namespace belote::test;

namespace {

// Follows the play: the human's cards, where the glide left the card when
// the play step took it, and the deals scored.
class Recorder : public PlayObserver {
 public:
  explicit Recorder(TForm1* form) : form_(form) {}
  void CardPlayed(int seat, int slot, int, int, bool) override {
    if (seat != 1) return;
    humanSlots.push_back(slot);
    humanImageAtPlay.push_back(form_->HandImage(slot)->pos());
  }
  void DealScored() override {
    ++dealsScored;
    const TableState& s = form_->State();
    const std::string names[5] = {"", s.HumanName, "ARNAL", "BERTOU", "CASSOL"};
    for (int seat = 1; seat <= 4; ++seat) {
      std::string expected = " ";
      expected += std::to_string(seat) + " - SCORE de " + names[seat] + " = " +
                  std::to_string(s.GameScore[seat]);
      const std::string shown = form_->ControlWidget(ScoreLabel(seat))->text().toStdString();
      if (shown != expected) scoreMismatches.push_back(shown + " / " + expected);
    }
  }
  std::vector<int> humanSlots;
  std::vector<QPoint> humanImageAtPlay;
  std::vector<std::string> scoreMismatches;
  int dealsScored = 0;

 private:
  TForm1* form_;
};

// Bytes the program holds on the heap, reachable or not; 0 where the
// allocator does not tell (the address-sanitizer build).
std::size_t BytesInUse() {
  return mallinfo2().uordblks;
}

}  // namespace

class WindowTest : public QObject {
  Q_OBJECT

 private:
  StandIn player_;

  std::unique_ptr<TForm1> NewTable(bool soundDevice = false) {
    TForm1Options options = TestOptions(&player_);
    options.soundDevice = soundDevice;
    return std::make_unique<TForm1>(options);
  }

  std::unique_ptr<TForm1> StartedTable() { return test::StartedTable(player_); }

 private slots:
  void init() { player_.Clear(); }

  void layoutMatchesTheTable() {
    auto form = NewTable();
    QCOMPARE(form->size(), QSize(793, 575));
    QCOMPARE(form->minimumSize(), form->maximumSize());
    QVERIFY(!(form->windowFlags() & Qt::WindowCloseButtonHint));
    QCOMPARE(form->TableColour(), QColor(0, 128, 128));
    QCOMPARE(form->findChild<QLabel*>("Image13")->toolTip(), QString("ATOUT"));
    // The hand lies on its resting places and the trick on the seats' table
    // places, each picture under its own name.
    for (int slot = 1; slot <= 8; ++slot) {
      const QLabel* image = form->ControlWidget(HandControl(slot));
      QCOMPARE(image, Find<QLabel>(*form, ControlName(HandControl(slot))));
      QCOMPARE(static_cast<const QWidget*>(image), form->HandImage(slot));
      QCOMPARE(image->pos(), QPoint(kHandLeft[slot], kHandTop[slot]));
    }
    for (int seat = 1; seat <= 4; ++seat) {
      const QLabel* image = form->ControlWidget(PlaceControl(seat));
      QCOMPARE(image, Find<QLabel>(*form, ControlName(PlaceControl(seat))));
      QCOMPARE(image->pos(), QPoint(kPlaceLeft[seat], kPlaceTop[seat]));
    }
    const QTimer* timer1 = Find<QTimer>(*form, "Timer1");
    QVERIFY(!timer1->isActive());
    QCOMPARE(timer1->interval(), 10);
    // Nothing is written on the table before the first deal.
    for (int n = 1; n <= 22; ++n) QVERIFY(form->ControlWidget(ETControl(n))->text().isEmpty());
    QVERIFY(form->State().HumanName.empty());
    // The options panel's lines fit where they stand, its last one too.
    for (const char* line : {"Label2", "Label10", "Label11"}) {
      const auto* label = Find<QLabel>(*form, line);
      QVERIFY2(QFontMetrics(label->font()).horizontalAdvance(label->text()) <= label->width(),
               line);
      QVERIFY2(label->geometry().right() < Find<QWidget>(*form, "Panel1")->width(), line);
    }
  }

  void aboutBoxIsShownWhileTheTableIsCreated() {
    QString seen;
    QTimer::singleShot(50, [&seen] {
      if (auto* about = qobject_cast<TFormApropos*>(QApplication::activeModalWidget())) {
        seen = about->metaObject()->className();
        about->BitBtn2->click();
      }
    });
    TForm1Options options = TestOptions(&player_);
    options.showAboutBox = true;
    TForm1 form(options);
    QCOMPARE(seen, QString("belote::TFormApropos"));
    QVERIFY(!form.isVisible());
  }

  void startSequenceWithoutSoundDevice() {
    auto form = NewTable(false);
    QVERIFY(!Find<QWidget>(*form, "Panel1")->isVisible());
    form->show();
    QTRY_VERIFY(Find<QWidget>(*form, "Panel1")->isVisible());
    QCOMPARE(player_.boxes.size(), size_t{1});
    QCOMPARE(player_.boxes[0].text, std::string("Désolé!...Vous n'avez pas de carte sonore.!"));
    QCOMPARE(player_.boxes[0].buttons, Buttons::Ok);
    const TableState& s = form->State();
    QCOMPARE(int(s.SoundOn), 0);
    QCOMPARE(s.TargetScore, 2500);
    QCOMPARE(s.AnimationOn, 0);
    QVERIFY(player_.sounds.empty());

    // Later activations (after every box) do not run it again.
    form->State().TargetScore = 300;
    form->FormActivate();
    QCOMPARE(form->State().TargetScore, 300);
    QCOMPARE(player_.boxes.size(), size_t{1});
  }

  void startSequenceWithSoundDevice() {
    auto form = NewTable(true);
    form->FormActivate();
    QVERIFY(player_.boxes.empty());
    QCOMPARE(player_.sounds, std::vector<std::string>{"So/sonoui.wav"});
    QCOMPARE(int(form->State().SoundOn), 1);
    QVERIFY(Find<QWidget>(*form, "Panel1")->isVisibleTo(form.get()));
  }

  void nameIsTypedInCapitals() {
    auto form = StartedTable();
    auto* name = Find<QLineEdit>(*form, "Edit10");
    name->clear();
    // Typed key by key, accents included, as a keyboard would.
    for (const QChar c : QString("jérôme b")) {
      QTest::sendKeyEvent(QTest::Click, name, Qt::Key(c.toUpper().unicode()), QString(c),
                          Qt::NoModifier);
    }
    QCOMPARE(name->text(), QString("JÉRÔME B"));
  }

  void daccordTakesTheSettingsAndDeals() {
    auto form = StartedTable();
    Find<QLineEdit>(*form, "Edit10")->setText("LÉA");
    Find<QCheckBox>(*form, "CheckBox1")->setChecked(true);
    QTest::mouseClick(Find<QPushButton>(*form, "BoutonA"), Qt::LeftButton);
    QCOMPARE(player_.boxes.front().text, std::string("Pas d'animation."));
    QCOMPARE(player_.boxes.front().buttons, Buttons::Oui);
    const TableState& s = form->State();
    QCOMPARE(s.HumanName, std::string("LÉA"));
    QCOMPARE(int(s.SoundOn), 1);
    QCOMPARE(s.AnimationOn, 0);
    QVERIFY(!Find<QWidget>(*form, "Panel1")->isVisible());
    QCOMPARE(Find<QPushButton>(*form, "BitBtn3")->text(), QString("Mettre Animation"));
    // The play step came back with the human to play a full hand.
    QCOMPARE(s.CurSeatIdx, 0);
    QCOMPARE(CardsInHand(s), 8);
    QVERIFY(Find<QLabel>(*form, "ET10")->text().startsWith(" 1 - SCORE de LÉA = "));
    for (int slot = 1; slot <= 8; ++slot) QVERIFY(!form->HandImage(slot)->pixmap().isNull());
  }

  void daccordWithAnimationSaysSo() {
    auto form = StartedTable();
    Find<QCheckBox>(*form, "CheckBox2")->setChecked(true);
    form->BoutonAClick();
    QCOMPARE(player_.boxes.front().text, std::string("Animation des Cartes."));
    QCOMPARE(form->State().AnimationOn, 1);
    QCOMPARE(Find<QPushButton>(*form, "BitBtn3")->text(), QString("Oter l' Animation"));
  }

  void refusedClickChangesNothingAndLegalClickPlays() {
    auto form = StartedTable();
    Recorder recorder(form.get());
    form->GameState().observers.push_back(&recorder);
    form->BoutonAClick();
    TableState& s = form->State();
    // Play until the human must follow and holds a card he may not play.
    int refused = 0;
    for (int guard = 0; guard < 200 && refused == 0; ++guard) {
      for (int slot = 1; slot <= 8; ++slot) {
        if (s.SlotCard[1][slot] > 0 && !IsLegalHumanCard(s, slot)) refused = slot;
      }
      if (refused == 0) QVERIFY(ClickFirstLegalCard(*form) != 0);
    }
    QVERIFY(refused != 0);
    const TableState before = s;
    const QString bid = Find<QLabel>(*form, "Label5")->text();
    const QPoint place = form->HandImage(refused)->pos();
    const size_t played = recorder.humanSlots.size();
    QTest::mouseClick(form->HandImage(refused), Qt::LeftButton, {}, QPoint(30, 30));
    QCOMPARE(s.CurRow, before.CurRow);
    QCOMPARE(s.SlotCard[1][refused], before.SlotCard[1][refused]);
    QCOMPARE(Find<QLabel>(*form, "Label5")->text(), bid);
    QCOMPARE(form->HandImage(refused)->pos(), place);
    QCOMPARE(recorder.humanSlots.size(), played);

    const int slot = ClickFirstLegalCard(*form);
    QCOMPARE(recorder.humanSlots.size(), played + 1);
    QCOMPARE(recorder.humanSlots.back(), slot);
    QCOMPARE(s.SlotCard[1][slot], 0);
    QCOMPARE(s.CurSeatIdx, 0);
  }

  void cardGlidesToTheTableThenPlays() {
    auto form = StartedTable();
    Recorder recorder(form.get());
    form->GameState().observers.push_back(&recorder);
    Find<QCheckBox>(*form, "CheckBox2")->setChecked(true);
    form->BoutonAClick();
    TableState& s = form->State();
    const int slot = ClickFirstLegalCard(*form);
    QVERIFY(slot != 0);
    // The click drops the card to 420 and leaves the rest to the timer.
    QCOMPARE(form->HandImage(slot)->y(), 420);
    QVERIFY(recorder.humanSlots.empty());
    QTRY_COMPARE_WITH_TIMEOUT(recorder.humanSlots.size(), size_t{1}, 5000);
    const QPoint rest = TForm1::RestingPlace(slot);
    const int steps[9] = {0, 10, 5, -1, -9, -16, -23, -30, -37};
    QCOMPARE(recorder.humanImageAtPlay[0], QPoint(rest.x() + 10 * steps[slot], 220));
    QTRY_VERIFY(!form->GameState().inPlayStep);
    QCOMPARE(form->HandImage(slot)->pos(), rest);
    QCOMPARE(s.SlotCard[1][slot], 0);
    // Computer cards end in their places.
    QCOMPARE(Find<QLabel>(*form, "Image10")->x(), 240);
    QCOMPARE(Find<QLabel>(*form, "Image11")->x(), 345);
    QCOMPARE(Find<QLabel>(*form, "Image12")->x(), 450);
    QCOMPARE(recorder.humanSlots.size(), size_t{1});
  }

  void secondClickDuringAGlideTakesOver() {
    auto form = StartedTable();
    Recorder recorder(form.get());
    form->GameState().observers.push_back(&recorder);
    Find<QCheckBox>(*form, "CheckBox2")->setChecked(true);
    form->BoutonAClick();
    TableState& s = form->State();
    std::vector<int> legal;
    for (int slot = 1; slot <= 8; ++slot)
      if (s.SlotCard[1][slot] > 0 && IsLegalHumanCard(s, slot)) legal.push_back(slot);
    if (legal.size() < 2) QSKIP("this deal leaves a single card to play");
    const int first = legal[0], second = legal[1];
    QTest::mouseClick(form->HandImage(first), Qt::LeftButton, {}, QPoint(30, 30));
    QTest::mouseClick(form->HandImage(second), Qt::LeftButton, {}, QPoint(30, 30));
    QTRY_COMPARE_WITH_TIMEOUT(recorder.humanSlots.size(), size_t{1}, 5000);
    QCOMPARE(recorder.humanSlots[0], second);
    QTRY_VERIFY(!form->GameState().inPlayStep);
    QVERIFY(s.SlotCard[1][first] > 0);
    QCOMPARE(form->HandImage(first)->pos(), QPoint(TForm1::RestingPlace(first).x(), 420));
  }

  void computerGlidesStopInTheirPlaces() {
    auto form = NewTable();
    TableState& s = form->State();
    struct Glide {
      int seatIdx;
      QLabel* image;
      int start;
      int end;
    };
    auto* timer1 = Find<QTimer>(*form, "Timer1");
    for (const Glide& g : {Glide{1, Find<QLabel>(*form, "Image10"), 180, 240},
                           Glide{2, Find<QLabel>(*form, "Image11"), 285, 345},
                           Glide{3, Find<QLabel>(*form, "Image12"), 510, 450}}) {
      s.CurSeatIdx = g.seatIdx;
      g.image->move(g.start, g.image->y());
      timer1->start();
      int ticks = 0;
      while (timer1->isActive() && ticks < 100) {
        form->Timer1Timer();
        ++ticks;
      }
      QCOMPARE(ticks, 12);
      QCOMPARE(g.image->x(), g.end);
    }
  }

  void tickAfterTheCardIsPlacedLeavesItThere() {
    // The pause that follows a computer card's start can end before its
    // glide does: the card is put on its place, and the timer's next tick
    // must stop there, not push it past its place.
    auto form = NewTable();
    TableState& s = form->State();
    auto* timer1 = Find<QTimer>(*form, "Timer1");
    for (const auto& [seatIdx, image, place] :
         {std::tuple{1, Find<QLabel>(*form, "Image10"), 240},
          std::tuple{2, Find<QLabel>(*form, "Image11"), 345},
          std::tuple{3, Find<QLabel>(*form, "Image12"), 450}}) {
      s.CurSeatIdx = seatIdx;
      image->move(place, image->y());
      timer1->start();
      form->Timer1Timer();
      QCOMPARE(image->x(), place);
      QVERIFY(!timer1->isActive());
    }
  }

  void leftoverTickDoesNotLiftAHandCard() {
    // A computer card's slide can outlast its pause; its last ticks must
    // not pick up the hand card the computer seat's slot number points at,
    // even just after the player's own card has glided and been played.
    auto form = StartedTable();
    auto* timer1 = Find<QTimer>(*form, "Timer1");
    Find<QCheckBox>(*form, "CheckBox2")->setChecked(true);
    form->BoutonAClick();
    TableState& s = form->State();
    const int played = ClickFirstLegalCard(*form);
    QVERIFY(played != 0);
    QTRY_VERIFY(s.SlotCard[1][played] == 0 && !form->GameState().inPlayStep);
    QCOMPARE(s.CurSeatIdx, 0);
    s.CurRow = FirstSlot(s);
    QVERIFY(s.CurRow != 0);
    timer1->start();
    form->Timer1Timer();
    QVERIFY(!timer1->isActive());
    for (int slot = 1; slot <= 8; ++slot)
      QCOMPARE(form->HandImage(slot)->pos(), TForm1::RestingPlace(slot));
  }

  void pointsArrowsStepAndWrap() {
    auto form = StartedTable();
    TableState& s = form->State();
    auto* edit1 = Find<QLineEdit>(*form, "Edit1");
    auto* hb = Find<TUpDown>(*form, "HB");
    QTest::mouseClick(hb->UpButton(), Qt::LeftButton);
    QCOMPARE(edit1->text(), QString("2600"));
    QCOMPARE(s.TargetScore, 2600);
    QTest::mouseClick(hb->DownButton(), Qt::LeftButton);
    QTest::mouseClick(hb->DownButton(), Qt::LeftButton);
    QCOMPARE(edit1->text(), QString("2400"));

    edit1->setText("10000");
    hb->StepUp();
    QCOMPARE(edit1->text(), QString("200"));
    hb->StepDown();
    QCOMPARE(edit1->text(), QString("10000"));
    QCOMPARE(s.TargetScore, 10000);
    QVERIFY(player_.boxes.empty());

    // The options panel's arrows feed both fields.
    QTest::mouseClick(Find<TUpDown>(*form, "UpDown1")->UpButton(), Qt::LeftButton);
    QCOMPARE(Find<QLineEdit>(*form, "Edit11")->text(), QString("2600"));
    QCOMPARE(edit1->text(), QString("2600"));
    QCOMPARE(s.TargetScore, 2600);
  }

  void pointsTypedByHand() {
    auto form = StartedTable();
    TableState& s = form->State();
    auto* edit1 = Find<QLineEdit>(*form, "Edit1");
    auto* edit11 = Find<QLineEdit>(*form, "Edit11");
    edit1->setText("150");
    QCOMPARE(s.TargetScore, 150);
    edit1->setText("-5");
    QCOMPARE(s.TargetScore, -5);
    edit1->setText("+40000");
    QCOMPARE(s.TargetScore, 40000);
    QVERIFY(player_.boxes.empty());
    // The arrows go on from the typed number, brought back within 200..10000.
    Find<TUpDown>(*form, "HB")->StepUp();
    QCOMPARE(edit1->text(), QString("200"));

    // The control panel's field never writes into the options panel's.
    edit1->setText("4000");
    QCOMPARE(edit11->text(), QString("2500"));
    edit11->setText("3000");
    QCOMPARE(edit1->text(), QString("3000"));
    QCOMPARE(s.TargetScore, 3000);
  }

  void pointsArrowsStepFromTheNumberShown_data() {
    QTest::addColumn<bool>("optionsPanel");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("up");
    QTest::addColumn<QString>("shown");
    for (const bool panel : {false, true}) {
      const auto row = [panel](const char* name, const char* typed, bool up, const char* shown) {
        QTest::addRow("%s %s", panel ? "Edit11" : "Edit1", name) << panel << typed << up << shown;
      };
      row("700 up", "700", true, "800");
      row("750 up", "750", true, "850");
      row("750 down", "750", false, "650");
      row("below the range up", "150", true, "300");
      row("negative down", "-5", false, "10000");
      row("above the range up", "20000", true, "200");
      row("above the range down", "20000", false, "9900");
      row("top up", "10000", true, "200");
      row("bottom down", "200", false, "10000");
      row("letters after 700", "abc", true, "800");
      row("emptied after 700", "", false, "600");
    }
  }

  void pointsArrowsStepFromTheNumberShown() {
    QFETCH(bool, optionsPanel);
    QFETCH(QString, typed);
    QFETCH(bool, up);
    QFETCH(QString, shown);
    auto form = StartedTable();
    auto* field = Find<QLineEdit>(*form, optionsPanel ? "Edit11" : "Edit1");
    auto* arrows = Find<TUpDown>(*form, optionsPanel ? "UpDown1" : "HB");
    // Text that is not a whole number steps from the field's last good one.
    field->setText("700");
    field->setText(typed);
    QTest::mouseClick(up ? arrows->UpButton() : arrows->DownButton(), Qt::LeftButton);
    QCOMPARE(field->text(), shown);
    QCOMPARE(form->State().TargetScore, shown.toInt());
    QCOMPARE(Find<QLineEdit>(*form, "Edit1")->text(), shown);
  }

  void controlPanelArrowsGoOnFromTheOptionsPanel() {
    auto form = StartedTable();
    auto* edit1 = Find<QLineEdit>(*form, "Edit1");
    auto* edit11 = Find<QLineEdit>(*form, "Edit11");
    auto* upDown1 = Find<TUpDown>(*form, "UpDown1");
    edit11->setText("300");
    QTest::mouseClick(upDown1->DownButton(), Qt::LeftButton);
    QCOMPARE(edit1->text(), QString("200"));
    QTest::mouseClick(Find<TUpDown>(*form, "HB")->UpButton(), Qt::LeftButton);
    QCOMPARE(edit1->text(), QString("300"));
    QCOMPARE(form->State().TargetScore, 300);
    // The options panel's own arrows are not moved by the control panel.
    QTest::mouseClick(upDown1->UpButton(), Qt::LeftButton);
    QCOMPARE(edit11->text(), QString("300"));
    QVERIFY(player_.boxes.empty());
  }

  void pointsThatAreNotAWholeNumber() {
    auto form = StartedTable();
    TableState& s = form->State();
    Find<QLineEdit>(*form, "Edit11")->setText("");
    QCOMPARE(player_.boxes.size(), size_t{1});
    QCOMPARE(player_.boxes[0].text, std::string("'' n'est pas une valeur entière correcte"));
    QCOMPARE(player_.boxes[0].buttons, Buttons::Ok);
    QCOMPARE(s.TargetScore, 2500);
    QCOMPARE(Find<QLineEdit>(*form, "Edit1")->text(), QString("2500"));

    const char* bad[] = {"12a", "1.5"};
    for (const char* text : bad) {
      player_.boxes.clear();
      Find<QLineEdit>(*form, "Edit1")->setText(text);
      QCOMPARE(player_.boxes.size(), size_t{1});
      QCOMPARE(player_.boxes[0].text,
               std::string("'") + text + "' n'est pas une valeur entière correcte");
      QCOMPARE(s.TargetScore, 2500);
    }
  }

  void pastedTextGivesABoxThatFitsOnTheScreen() {
    // The real box this time, to measure it; a sound output, so that the
    // start sequence shows none.
    TForm1Options options = TestOptions();
    options.soundDevice = true;
    auto form = test::StartedTable(options);
    QRect frame;
    QString shown;
    QTimer::singleShot(50, [&] {
      QWidget* box = QApplication::activeModalWidget();
      if (box == nullptr) return;
      frame = box->frameGeometry();
      shown = BoxText(box);
      for (QPushButton* b : box->findChildren<QPushButton*>()) b->click();
    });
    // The widest letters, far more of them than the screen can show.
    form->move(40, 30);
    Find<QLineEdit>(*form, "Edit1")->setText(QString(5000, 'W'));
    const QRect screen = form->screen()->availableGeometry();
    // Over the table the player is typing in, in its middle.
    QVERIFY(qAbs(frame.center().x() - form->frameGeometry().center().x()) <= 1 ||
            frame.left() == screen.left() || frame.right() == screen.right());
    QVERIFY(qAbs(frame.center().y() - form->frameGeometry().center().y()) <= 1);
    QVERIFY2(screen.contains(frame), qPrintable(QStringLiteral("box %1 wide on a screen %2 wide")
                                                    .arg(frame.width())
                                                    .arg(screen.width())));
    QVERIFY(shown.startsWith("'WWW"));
    QVERIFY(shown.contains(QChar(0x2026)));
    QVERIFY(shown.endsWith("WWW' n'est pas une valeur entière correcte"));
    QCOMPARE(form->State().TargetScore, 2500);
  }

  void soundAndAnimationSwitches() {
    auto form = StartedTable();
    TableState& s = form->State();
    auto* sound = Find<QPushButton>(*form, "BitBtn2");
    auto* animation = Find<QPushButton>(*form, "BitBtn3");
    s.SoundOn = 0;
    QTest::mouseClick(sound, Qt::LeftButton);
    QCOMPARE(int(s.SoundOn), 1);
    QCOMPARE(sound->text(), QString("  Oter le Son"));
    QTest::mouseClick(sound, Qt::LeftButton);
    QCOMPARE(int(s.SoundOn), 0);
    QCOMPARE(sound->text(), QString("Mettre le Son"));
    QTest::mouseClick(animation, Qt::LeftButton);
    QCOMPARE(s.AnimationOn, 1);
    QCOMPARE(animation->text(), QString("Oter l' Animation"));
    QTest::mouseClick(animation, Qt::LeftButton);
    QCOMPARE(s.AnimationOn, 0);
    QCOMPARE(animation->text(), QString("Mettre Animation"));
    std::vector<std::string> texts;
    for (const ShownBox& b : player_.boxes) {
      texts.push_back(b.text);
      QCOMPARE(b.buttons, Buttons::Oui);
    }
    QCOMPARE(texts, (std::vector<std::string>{"Le son est actif.", "Le son est innactif.",
                                              "Animation des Cartes.", "Pas d'animation."}));
  }

  void quitterAsksFirst() {
    auto form = StartedTable();
    player_.answer = [](const std::string&) { return kAnswerNo; };
    QTest::mouseClick(Find<QPushButton>(*form, "Button1"), Qt::LeftButton);
    QCOMPARE(player_.boxes.size(), size_t{1});
    QCOMPARE(player_.boxes[0].text, std::string("Etes-vous sur de vouloir quitter?"));
    QCOMPARE(player_.boxes[0].buttons, Buttons::OuiNon);
    QCOMPARE(form->State().DialogResult, kAnswerNo);
    QVERIFY(!form->Closing());
    QTest::qWait(20);
    QVERIFY(form->isVisible());

    player_.answer = [](const std::string&) { return kAnswerYes; };
    QTest::mouseClick(Find<QPushButton>(*form, "Button1"), Qt::LeftButton);
    QCOMPARE(form->State().DialogResult, kAnswerYes);
    QVERIFY(form->Closing());
    QTRY_VERIFY(!form->isVisible());
  }

  void quitterOnTheOptionsPanelEndsAtOnce() {
    auto form = StartedTable();
    QTest::mouseClick(Find<QPushButton>(*form, "BoutonQ"), Qt::LeftButton);
    QVERIFY(player_.boxes.empty());
    QVERIFY(form->Closing());
    QTRY_VERIFY(!form->isVisible());
  }

  void closingTheWindowMidDealAsksOnceTheDealIsBack() {
    auto form = StartedTable();
    TForm1* table = form.get();
    // The window is asked to close while DACCORD's box is up, the deal just
    // behind it: the deal goes on to the human's turn, and only then is he
    // asked.
    bool requested = false;
    bool askedInPlayStep = false;
    bool askedOnHisTurn = false;
    int questions = 0;
    player_.answer = [&](const std::string& text) {
      if (text == "Etes-vous sur de vouloir quitter?") {
        ++questions;
        askedInPlayStep = table->GameState().inPlayStep;
        askedOnHisTurn = table->State().CurSeatIdx == 0 && CardsInHand(table->State()) == 8;
        return kAnswerYes;
      }
      if (!requested) {
        requested = true;
        table->close();
      }
      return kAnswerYes;
    };
    form->BoutonAClick();
    QVERIFY(requested);
    QTRY_COMPARE(questions, 1);
    QVERIFY(!askedInPlayStep);
    QVERIFY(askedOnHisTurn);
    QVERIFY(form->Closing());
    QTRY_VERIFY(!form->isVisible());
  }

  void wholeGameThroughTheWindow() {
    auto form = StartedTable();
    Recorder recorder(form.get());
    form->GameState().observers.push_back(&recorder);
    player_.answer = [](const std::string& text) {
      return text == " On s'en fait une autre ?->" ? kAnswerNo : kAnswerYes;
    };
    Find<QLineEdit>(*form, "Edit11")->setText("400");
    QCOMPARE(Find<QLineEdit>(*form, "Edit1")->text(), QString("400"));
    form->BoutonAClick();
    int clicks = 0;
    while (!form->Closing() && clicks < 2000) {
      QVERIFY(ClickFirstLegalCard(*form) != 0);
      ++clicks;
    }
    QVERIFY(form->Closing());
    QVERIFY(recorder.dealsScored >= 1);
    QCOMPARE(recorder.scoreMismatches, std::vector<std::string>{});
    QCOMPARE(player_.boxes.back().text, std::string(" On s'en fait une autre ?->"));
    QCOMPARE(player_.boxes.back().buttons, Buttons::Confirmation);
    QVERIFY(Find<QLabel>(*form, "ET14")->text().startsWith("LE JOUEUR "));
    QTRY_VERIFY(!form->isVisible());
  }

  // Picks `pick` in the colour chooser when it opens, then confirms or
  // cancels; returns the colour the chooser opened on.
  static QColor UseColourChooser(TForm1& form, QColor pick, bool confirm) {
    QColor openedOn;
    QTimer::singleShot(0, [&] {
      auto* chooser = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
      if (chooser == nullptr) return;
      openedOn = chooser->currentColor();
      chooser->setCurrentColor(pick);
      if (confirm) {
        chooser->accept();
      } else {
        chooser->reject();
      }
    });
    form.BitBtn1Click();
    return openedOn;
  }

  void tableColourChooserOpensOnTheLastConfirmedColour() {
    auto form = StartedTable();
    QCOMPARE(UseColourChooser(*form, QColor(200, 0, 0), true), QColor(Qt::black));
    QCOMPARE(form->TableColour(), QColor(200, 0, 0));
    // A cancelled choice changes nothing and is not offered next time.
    QCOMPARE(UseColourChooser(*form, QColor(0, 0, 200), false), QColor(200, 0, 0));
    QCOMPARE(form->TableColour(), QColor(200, 0, 0));
    QCOMPARE(UseColourChooser(*form, QColor(0, 90, 0), true), QColor(200, 0, 0));
    QCOMPARE(form->TableColour(), QColor(0, 90, 0));
    QCOMPARE(UseColourChooser(*form, QColor(0, 0, 200), false), QColor(0, 90, 0));
    QVERIFY(player_.boxes.empty());
  }

  void tableColourChooserUsedOftenKeepsMemoryFlat() {
    auto form = StartedTable();
    // The first visits may fill the toolkit's caches for good.
    for (int i = 0; i < 10; ++i) UseColourChooser(*form, QColor(i, 0, 0), i % 2 == 0);
    // Cancelled visits only: each new table colour rightly fills the
    // toolkit's bounded picture cache a little.
    const std::size_t before = BytesInUse();
    for (int i = 0; i < 200; ++i) UseColourChooser(*form, QColor(0, i, 0), false);
    const std::size_t after = BytesInUse();
    // A chooser built for each visit left about 95 KB behind over 200 visits
    // on a desktop; one chooser kept for the game, about 19 KB.
    QVERIFY2(after < before + 48 * 1024,
             qPrintable(QStringLiteral("%1 bytes more after 200 visits").arg(after - before)));
    QCOMPARE(form->findChildren<QColorDialog*>().size(), qsizetype(1));
  }

  void missingPictureLeavesAnEmptyPlace() {
    auto form = NewTable();
    form->Table().LoadPicture(Control::Image9, "Im/no-such-card.Bmp");
    QVERIFY(Find<QLabel>(*form, "Image9")->pixmap().isNull());
    QCOMPARE(Find<QLabel>(*form, "Image9")->size(), QSize(102, 154));
  }
};

QTEST_MAIN(WindowTest)
#include "WindowTest.moc"
