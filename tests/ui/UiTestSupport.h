// What the window tests share: a table built for a test, a stand-in for the
// player at its boxes and speakers, the cards it may click, and the real
// boxes found and answered on the screen.
#pragma once

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QTimer>
#include <QWindow>
#include <QtTest>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/CardRules.h"
#include "engine/ChooserBands.h"
#include "model/PictureFiles.h"
#include "ui/boxes/MessageBoxes.h"
#include "ui/table/Unit1.h"
#include "ui/widgets/TableWidgets.h"

namespace belote::test {

// A control of a window found by its name on the table ("Edit1", "BitBtn2",
// "Panel1" ...); the test fails at once when there is none.
template <typename T = QWidget>
T* Find(const QWidget& window, const char* name) {
  T* found = window.findChild<T*>(QString::fromLatin1(name));
  if (found == nullptr) qFatal("no control %s of the expected kind", name);
  return found;
}

// A box the table asked for, as the stand-in saw it.
struct ShownBox {
  std::string text;
  Buttons buttons;
};

// Sits at the table in the player's place for the boxes and the speakers:
// keeps every box and sound, and answers each box with `answer`, "&Oui"
// unless it is set.
struct StandIn {
  std::vector<ShownBox> boxes;
  std::vector<std::string> sounds;
  std::function<int(const std::string& text)> answer;

  void Clear() {
    boxes.clear();
    sounds.clear();
    answer = nullptr;
  }
};

// A table for a test: pauses of `pauseMs`, no about box, no sound output,
// the event loop kept running when the game ends, and the suit chooser
// passed. With a stand-in every box and sound goes to it; without one the
// boxes are real and the sounds are dropped.
inline TForm1Options TestOptions(StandIn* standIn = nullptr, int pauseMs = 1) {
  TForm1Options options;
  options.pauseMilliseconds = pauseMs;
  options.showAboutBox = false;
  options.soundDevice = false;
  options.exitApplicationOnQuit = false;
  options.chooserAnswerer = [] { return BandMiddle(kPassBand); };
  if (standIn == nullptr) {
    options.soundSink = [](const std::string&) {};
    return options;
  }
  options.soundSink = [standIn](const std::string& file) { standIn->sounds.push_back(file); };
  options.messageAnswerer = [standIn](const std::string& text, Buttons buttons) {
    standIn->boxes.push_back({text, buttons});
    return standIn->answer ? standIn->answer(text) : kAnswerYes;
  };
  return options;
}

// The table after its start sequence, the options panel showing.
inline std::unique_ptr<TForm1> StartedTable(const TForm1Options& options) {
  auto form = std::make_unique<TForm1>(options);
  form->show();
  form->FormActivate();
  return form;
}

// The same with every box and sound going to `standIn`, which forgets the
// boxes of the start sequence.
inline std::unique_ptr<TForm1> StartedTable(StandIn& standIn, int pauseMs = 1) {
  auto form = StartedTable(TestOptions(&standIn, pauseMs));
  standIn.boxes.clear();
  return form;
}

// The table dealt and waiting for the human's first card (animation off),
// the player named `name`.
inline std::unique_ptr<TForm1> DealtTable(const TForm1Options& options,
                                          const QString& name = QString()) {
  auto form = StartedTable(options);
  if (!name.isEmpty()) Find<QLineEdit>(*form, "Edit10")->setText(name);
  form->BoutonAClick();
  return form;
}

// The game's picture files by name ("Im/7.Bmp" ...), in the game's order.
inline QStringList GamePictureNames() {
  QStringList names;
  for (const GamePictureFile& picture : GamePictureFiles())
    names << QString::fromStdString(picture.file);
  return names;
}

inline int CardsInHand(const TableState& s) {
  int n = 0;
  for (int slot = 1; slot <= 8; ++slot) n += s.SlotCard[1][slot] > 0 ? 1 : 0;
  return n;
}

// The first slot whose card the rules let the human play, or with `legal`
// false the first whose card they refuse; 0 when there is none.
inline int FirstSlot(const TableState& s, bool legal = true) {
  for (int slot = 1; slot <= 8; ++slot)
    if (s.SlotCard[1][slot] > 0 && IsLegalHumanCard(s, slot) == legal) return slot;
  return 0;
}

// A left click well inside a picture.
inline void Click(QWidget* w) {
  QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(30, 30));
}

// Clicks the first card of the hand that the rules accept; its slot, or 0.
inline int ClickFirstLegalCard(TForm1& form) {
  const int slot = FirstSlot(form.State());
  if (slot != 0) Click(form.HandImage(slot));
  return slot;
}

// A click that goes through the window system's path, where a modal box
// holds back input to the windows under it.
inline void ClickThroughTheScreen(TForm1& form, int slot) {
  QWindow* window = form.windowHandle();
  if (window == nullptr) return;
  const QPoint at = form.HandImage(slot)->geometry().topLeft() + QPoint(30, 30);
  QTest::mouseClick(window, Qt::LeftButton, {}, at);
}

// What a window manager sends when the player presses Alt+F4.
inline void AskToClose(TForm1& form) {
  QCloseEvent close;
  if (QWindow* window = form.windowHandle())
    QCoreApplication::sendEvent(window, &close);
  else
    QCoreApplication::sendEvent(&form, &close);
}

// Runs `act` on the modal window once it is on the screen, while the test
// waits in that window's own loop; gives up after about five seconds.
inline void WhenModalShows(std::function<void(QWidget*)> act) {
  auto* poll = new QTimer;
  auto tries = std::make_shared<int>(0);
  QObject::connect(poll, &QTimer::timeout, [poll, act, tries] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal != nullptr && modal->isVisible()) {
      poll->stop();
      poll->deleteLater();
      // One more turn of the loop so that the window has settled in place.
      QTimer::singleShot(20, [act, modal] { act(modal); });
    } else if (++*tries > 500) {
      poll->stop();
      poll->deleteLater();
    }
  });
  poll->start(10);
}

// The button of a real box with the given caption ("&Oui", "&Non", "OK").
inline QPushButton* ButtonCaptioned(QWidget* box, const QString& caption) {
  for (QPushButton* b : box->findChildren<QPushButton*>())
    if (b->text() == caption) return b;
  return nullptr;
}

// The words of a real box; empty for a modal window that is not one.
inline QString BoxText(QWidget* box) {
  auto* text = box != nullptr ? box->findChild<QLabel*>("Text") : nullptr;
  return text != nullptr ? text->text() : QString();
}

}  // namespace belote::test
