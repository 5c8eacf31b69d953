// A modal box of the card table. Where the window system lets the game place
// its windows (X11), it is a window of its own over the table. It is a panel
// inside the table window instead, at the same place over the cloth, with
// the rest of the table taking no input while it is up, where the window
// system does not let the game place windows (native Wayland, whose
// compositor puts them where it likes), and while a screen reader listens: a
// reader says the table's name again each time the focus comes back to it
// from a window of its own, after every box of the game.
#pragma once

#include <QDialog>
#include <QPoint>
#include <QPointer>
#include <QSize>

#include "engine/TableGeometry.h"

namespace belote {

// Whether the table's boxes are windows of their own.
bool BoxesAreWindows();

// Where the table's boxes go: as the window system and the screen reader
// decide (the game), or always inside the table (tests of the Wayland and
// screen-reader game on any screen).
enum class BoxMode { Decided, InsideTable };
void SetBoxMode(BoxMode mode);

class TableBox : public QDialog {
 public:
  // A box over `table` (its window); `windowFlags` are those of the box as
  // a window of its own.
  TableBox(QWidget* table, Qt::WindowFlags windowFlags);

  // Shows the box until it is answered.
  int exec() override;

  bool InsideTable() const { return inside_; }

 protected:
  // Puts the box's corner at `place` over the table (of its frame, when it
  // is a window), kept on the screen, or inside the table.
  void PlaceAt(BoxPlace place);
  // Puts the box in the middle of the table, or of the screen.
  void CentreOverTable();
  void CentreOnScreen();
  // The box with the window manager's frame around it; until its own frame
  // is known, the table's frame tells what it will add.
  QSize Frame() const;

  void keyPressEvent(QKeyEvent* event) override;
  bool focusNextPrevChild(bool next) override;
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;

  // The room the title band takes above the box's contents inside the table.
  static constexpr int kTitleBand = 20;

 private:
  void MoveInside(QPoint corner);

  QWidget* table_;
  bool inside_;
  QPointer<QWidget> focusBefore_;
};

}  // namespace belote
