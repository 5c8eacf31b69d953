#include "ui/table/PointsField.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QToolButton>
#include <algorithm>
#include <charconv>
#include <vector>

namespace belote {

std::optional<int> ParseWholeNumber(const std::string& text) {
  // One sign at most, then digits only: spaces are refused like letters
  // (" 300" like "abc"), so that what the field shows is what is counted.
  std::string_view digits = text;
  if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) digits.remove_prefix(1);
  if (digits.empty() ||
      !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return std::nullopt;
  // The parser takes a minus sign but not a plus.
  const char* first = text.data() + (text.front() == '+' ? 1 : 0);
  const char* last = text.data() + text.size();
  int value = 0;
  const auto [end, error] = std::from_chars(first, last, value);
  if (error != std::errc() || end != last) return std::nullopt;
  return value;
}

std::string NotAWholeNumberText(const std::string& fieldText, std::size_t quotedCharacters) {
  // Cut between characters, never inside one (the text is UTF-8).
  std::vector<std::size_t> starts;
  for (std::size_t i = 0; i < fieldText.size(); ++i) {
    if ((static_cast<unsigned char>(fieldText[i]) & 0xC0) != 0x80) starts.push_back(i);
  }
  std::string quoted = fieldText;
  quotedCharacters = std::max<std::size_t>(quotedCharacters, 3);
  if (starts.size() > quotedCharacters) {
    const std::size_t head = (quotedCharacters - 1) / 2;
    const std::size_t tail = quotedCharacters - 1 - head;
    quoted =
        fieldText.substr(0, starts[head]) + "…" + fieldText.substr(starts[starts.size() - tail]);
  }
  return "'" + quoted + "' n'est pas une valeur entière correcte";
}

std::string NotAWholeNumberTextWithin(const std::string& fieldText, const QFontMetrics& metrics,
                                      int room) {
  std::size_t quoted = kQuotedCharacters;
  std::string message = NotAWholeNumberText(fieldText, quoted);
  while (quoted > 10 && metrics.horizontalAdvance(QString::fromStdString(message)) > room) {
    quoted -= 5;
    message = NotAWholeNumberText(fieldText, quoted);
  }
  return message;
}

TUpDown::TUpDown(QLineEdit* associate, QWidget* parent)
    : QWidget(parent),
      associate_(associate),
      up_(new QToolButton(this)),
      down_(new QToolButton(this)) {
  up_->setArrowType(Qt::UpArrow);
  down_->setArrowType(Qt::DownArrow);
  for (QToolButton* b : {up_, down_}) {
    b->setAutoRepeat(true);
    b->setFocusPolicy(Qt::NoFocus);
    b->setIconSize(QSize(7, 4));
  }
  up_->setObjectName(QStringLiteral("Up"));
  down_->setObjectName(QStringLiteral("Down"));
  connect(up_, &QToolButton::clicked, this, &TUpDown::StepUp);
  connect(down_, &QToolButton::clicked, this, &TUpDown::StepDown);
  if (associate_ != nullptr) {
    Remember(associate_->text());
    connect(associate_, &QLineEdit::textChanged, this, &TUpDown::Remember);
  }
}

void TUpDown::Remember(const QString& text) {
  if (const std::optional<int> value = ParseWholeNumber(text.toStdString())) lastGood_ = *value;
}

int TUpDown::Position() const {
  return std::clamp(lastGood_, kMin, kMax);
}

void TUpDown::StepUp() {
  const int next = Position() + kIncrement;
  Show(next > kMax ? kMin : next);
}

void TUpDown::StepDown() {
  const int next = Position() - kIncrement;
  Show(next < kMin ? kMax : next);
}

void TUpDown::Show(int value) {
  lastGood_ = value;
  // Plain digits: the field is read back as a whole number.
  if (associate_ != nullptr) associate_->setText(QString::number(value));
}

}  // namespace belote
