// The card table as the rules of the game see it: every text, picture, wait,
// box and sound the engine asks for is carried out on the main window's
// widgets.
#pragma once

#include <QHash>
#include <QPixmap>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "engine/TableWindow.h"
#include "model/TableState.h"

namespace belote {

class GameSound;
class TForm1;
class TForm3;

class QtTableWindow : public TableWindow {
 public:
  QtTableWindow(TForm1& form, TableState& state);
  ~QtTableWindow() override;
  QtTableWindow(const QtTableWindow&) = delete;
  QtTableWindow& operator=(const QtTableWindow&) = delete;

  void StartAnimationTimer() override;
  void Pause() override;
  int MessageBox(Box box, const std::string& text, Buttons buttons,
                 std::optional<ScreenPos> pos) override;
  void RunSuitChooser() override;
  void PlaySound(const std::string& file) override;
  void Quit() override;
  bool Closing() const override { return closing_; }

  // Length of one pause; the game always waits 500 ms, tests less.
  void SetPauseMilliseconds(int ms) { pauseMs_ = ms; }

  // Whether the machine has somewhere to send sound at all.
  void SetSoundDevice(bool present) { soundDevice_ = present; }
  bool SoundDevice() const { return soundDevice_; }

  // Where sounds go instead of the speakers (tests, silent runs).
  using SoundSink = std::function<void(const std::string& file)>;

  // Presses the suit chooser without showing it (tests, automation): each
  // call gives the x of one press on the picture.
  using ChooserAnswerer = std::function<int()>;

  // What ending the program does once the play step has unwound: by default
  // the window closes and the event loop ends with exit code 0.
  void SetQuitAction(std::function<void()> action) { quitAction_ = std::move(action); }

  // Pictures are read from disk once and shared by every image showing them;
  // a pixel ratio above 1 asks for the twice-sized pictures of a high-density
  // screen.
  static QPixmap Picture(const QString& file, qreal pixelRatio = 1.0);

 public:
  void SetText(Control c, std::string_view text) override;
  void LoadPicture(Control image, std::string_view file) override;
  void CopyPicture(Control from, Control to) override;
  void SetImageLeft(Control image, int left) override;
  void SetImageTop(Control image, int top) override;

 private:
  void FinishQuit();

  TForm1& form_;
  TableState& state_;
  int pauseMs_ = 500;
  bool soundDevice_ = false;
  bool closing_ = false;
  bool quitQueued_ = false;
  std::function<void()> quitAction_;
  QPointer<TForm3> chooser_;
  std::unique_ptr<GameSound> sound_;
};

}  // namespace belote
