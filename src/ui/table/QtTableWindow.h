// The card table as the rules of the game see it: every text, picture, wait,
// box and sound the engine asks for is handed to the table window, in its
// own terms.
#pragma once

#include <QString>
#include <map>
#include <string>
#include <string_view>

#include "engine/TableWindow.h"
#include "model/TableState.h"

namespace belote {

class TForm1;

class QtTableWindow : public TableWindow {
 public:
  QtTableWindow(TForm1& form, TableState& state) : form_(form), state_(state) {}

  void SetText(Control c, std::string_view text) override;
  void LoadPicture(Control image, std::string_view file) override;
  void CopyPicture(Control from, Control to) override;
  void SetImageLeft(Control image, int left) override;
  void SetImageTop(Control image, int top) override;
  void StartAnimationTimer() override;
  void Pause() override;
  int MessageBox(Box box, const std::string& text, Buttons buttons,
                 std::optional<BoxPlace> place) override;
  void RunSuitChooser() override;
  void PlaySound(const std::string& file) override;
  void Quit() override;
  bool Closing() const override;

 private:
  TForm1& form_;
  TableState& state_;
  // The picture file each image was last told to show, so that an image can
  // take over another's picture.
  std::map<Control, QString> files_;
};

}  // namespace belote
