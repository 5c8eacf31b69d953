// The suit chooser of the second bidding round: one picture with the four
// suits and the pass tile; a press on it is judged by the game, which says
// whether the chooser closes. The tiles can also be chosen with the keyboard
// and are named for screen readers, each key acting as a press on its tile.
#pragma once

#include <QAbstractButton>
#include <array>
#include <functional>

#include "ui/boxes/TableBox.h"
#include "ui/commands/Commands.h"

class QLabel;

namespace belote {

// One tile of the chooser as the keyboard and screen readers see it: it lies
// over the picture, lets the mouse through to it, and draws only the outline
// that shows which tile has the keyboard.
class ChooserTile : public QAbstractButton {
 public:
  ChooserTile(QWidget* parent, int suit);
  int Suit() const { return suit_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int suit_;
};

class TForm3 : public TableBox {
  Q_OBJECT

 public:
  // `image14MouseDown` gets the press position x in picture pixels and
  // returns true when the chooser should close. `description` is what a
  // screen reader says after the banner's words: the deal as it stands.
  explicit TForm3(std::function<bool(int x)> image14MouseDown, const QString& description = {},
                  QWidget* parent = nullptr);

  // Closes the chooser whatever the game would say (the program is closing).
  void ForceClose();

  // Handles one press on the picture at horizontal position x.
  void Image14MouseDown(int x);

  // Presses the tile of suit 1..4, or the pass tile for 0, as a click in its
  // middle would.
  void PressTile(int suit);

  QLabel* Image14() const { return image14_; }
  // The tile of suit 1..4, or the pass tile for 0.
  ChooserTile* Tile(int suit) const { return tiles_[static_cast<size_t>(suit)]; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void reject() override;
  void showEvent(QShowEvent* event) override;

 private:
  void MoveFocus(int step);

  std::function<bool(int)> onPress_;
  QLabel* image14_;
  std::array<ChooserTile*, 5> tiles_{};
  KeyReader keys_;
  bool forceClosing_ = false;
};

}  // namespace belote
