// The suit chooser of the second bidding round: one picture with the four
// suits and the pass tile; a press on it is judged by the game, which says
// whether the chooser closes.
#pragma once

#include <QDialog>
#include <functional>

class QLabel;

namespace belote {

class TForm3 : public QDialog {
  Q_OBJECT

 public:
  // `image14MouseDown` gets the press position x in picture pixels and
  // returns true when the chooser should close.
  explicit TForm3(std::function<bool(int x)> image14MouseDown, QWidget* parent = nullptr);

  // Closes the chooser whatever the game would say (the program is closing).
  void ForceClose();

  // Handles one press on the picture at horizontal position x.
  void Image14MouseDown(int x);

  QLabel* Image14() const { return image14_; }

  // Where the chooser opens: at its place over the table (the parent), kept
  // on the screen.
  QPoint Corner() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void reject() override;
  void showEvent(QShowEvent* event) override;

 private:
  std::function<bool(int)> onPress_;
  QLabel* image14_;
  bool forceClosing_ = false;
};

}  // namespace belote
