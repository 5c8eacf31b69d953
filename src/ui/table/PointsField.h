// The two fields where the player sets the points a game is played to: what
// they accept, the arrows beside them, and the words of the box that refuses
// anything else.
#pragma once

#include <QWidget>
#include <cstddef>
#include <optional>
#include <string>

#include "model/TableState.h"

class QFontMetrics;
class QLineEdit;
class QToolButton;

namespace belote {

// Reads a points field: an optional sign and decimal digits that fit a
// 32-bit integer, nothing else, not even spaces around them.
std::optional<int> ParseWholeNumber(const std::string& text);

// The words of the box shown when a points field does not hold a whole
// number. A pasted page of text would make the box wider than the screen:
// the field is quoted by its start and end around an ellipsis, `quoted`
// characters at most.
inline constexpr std::size_t kQuotedCharacters = 60;
std::string NotAWholeNumberText(const std::string& fieldText,
                                std::size_t quoted = kQuotedCharacters);

// The same words, quoting fewer characters until they fit in `room` pixels
// of the box's lettering: sixty of the widest letters still make a box wider
// than a small screen.
std::string NotAWholeNumberTextWithin(const std::string& fieldText, const QFontMetrics& metrics,
                                      int room);

// The little up and down arrows beside a points field. Each step starts
// from the number the field shows, so a number typed by hand or copied in
// from the other field is where the arrows go on from.
class TUpDown : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kMin = 200;
  static constexpr int kMax = 10000;
  static constexpr int kIncrement = 100;

  TUpDown(QLineEdit* associate, QWidget* parent);

  // The number the next step starts from: the field's last whole number,
  // brought into kMin..kMax.
  int Position() const;
  // One step up or down; past either end the points start over at the other.
  void StepUp();
  void StepDown();

  QToolButton* UpButton() const { return up_; }
  QToolButton* DownButton() const { return down_; }

 private:
  void Remember(const QString& text);
  void Show(int value);

  QLineEdit* associate_;
  QToolButton* up_;
  QToolButton* down_;
  // The last whole number the field held; text that is not one (letters,
  // an emptied field) leaves it as it was.
  int lastGood_ = kDefaultTargetScore;
};

}  // namespace belote
