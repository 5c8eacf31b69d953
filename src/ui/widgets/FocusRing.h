// The outline that shows which control has the keyboard. It is drawn in two
// bands, black outside and white inside, so that one of them stands out
// from whatever colour lies around it: black and white differ from any
// colour by a contrast of at least 4.5 to 1 for one of the two.
#pragma once

#include <QColor>
#include <QPointer>
#include <QWidget>

class QPainter;

namespace belote {

inline constexpr int kFocusBand = 2;  // pixels of each band
inline const QColor kFocusOuter(0, 0, 0);
inline const QColor kFocusInner(255, 255, 255);

// Draws the outline just inside `r`.
void DrawFocusOutline(QPainter& p, const QRect& r);

// Whether the player is using the keyboard: since his last key press, until
// he presses a mouse button. The outlines show only then, so that a player
// who never touches the keyboard sees the table as it always looked.
bool KeyboardInUse();

// The contrast ratio of two colours as the web's guidelines define it
// (1 to 21).
double ContrastRatio(const QColor& a, const QColor& b);

// Follows the focus among the controls of `table` and draws the outline
// around the one that has it, over everything else on the table, while the
// keyboard is in use.
class FocusRing : public QWidget {
  Q_OBJECT

 public:
  explicit FocusRing(QWidget* table);

  // The control the ring is drawn around now, nullptr when hidden.
  QWidget* Around() const { return around_; }
  // Follows the focus again (the keyboard came into use, or went out of it).
  void Refresh();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void Follow(QWidget* focus);

  QWidget* table_;
  QPointer<QWidget> around_;
};

}  // namespace belote
