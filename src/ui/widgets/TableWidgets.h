// The pieces the card table is made of: its lettering and colours, the
// clickable card pictures, the outlined rectangles and the bevelled options
// panel.
#pragma once

#include <QColor>
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QWidget>
#include <optional>

namespace belote {

// --- Lettering of the table ---
// The table was drawn for an 8-point sans serif 11 pixels high; Liberation
// Sans has the same widths. Sizes are in pixels so that the texts fit their
// fixed boxes whatever the screen's dots per inch.
inline constexpr const char* kTableFontFamily = "Liberation Sans";
constexpr int kPixels8pt = 11;
constexpr int kPixels10pt = 13;
constexpr int kPixels12pt = 16;
QFont TableFont(int pixelSize = kPixels8pt, bool bold = false);

// --- Colours of the table's panels ---
inline const QColor kDarkGrey(96, 96, 96);
inline const QColor kMidGrey(112, 112, 112);
inline const QColor kLightGrey(230, 230, 230);
inline const QColor kSilver(192, 192, 192);
inline const QColor kGrey(128, 128, 128);
inline const QColor kLime(0, 255, 0);
inline const QColor kAqua(0, 255, 255);
inline const QColor kLightCyan(128, 255, 255);
inline const QColor kOrange(255, 128, 0);
inline const QColor kScrollBar(200, 200, 200);  // outline of the framed boxes
inline const QColor kTooltipYellow(255, 255, 225);
inline const QColor kButtonFace(212, 208, 200);
inline const QColor kWindowText(0, 0, 0);

// A picture on the table; a click on it is reported.
class TImage : public QLabel {
  Q_OBJECT

 public:
  explicit TImage(QWidget* parent);

 signals:
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  bool pressed_ = false;
};

// A rectangle drawn on the table: an outline, and a fill for some.
class TShape : public QWidget {
 public:
  TShape(QWidget* parent, QColor pen, int penWidth, std::optional<QColor> fill = std::nullopt);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor pen_;
  int penWidth_;
  std::optional<QColor> fill_;
};

// A panel with a lowered outer and a raised inner bevel.
class TPanel : public QFrame {
  Q_OBJECT

 public:
  explicit TPanel(QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace belote
