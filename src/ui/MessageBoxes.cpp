#include "ui/MessageBoxes.h"

#include <QDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>
#include <vector>

#include "ui/TablePlace.h"

namespace belote {

namespace {

// A box of our own rather than the toolkit's: the game needs the box's corner
// exactly where it asks, no icon on the plain boxes, and Escape or the close
// button answering "closed" instead of standing in for "&Non".
class TableMessageBox : public QDialog {
 public:
  TableMessageBox(QWidget* parent, const QString& text, Buttons buttons,
                  std::optional<ScreenPos> pos, const QString& description)
      : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                            Qt::MSWindowsFixedSizeDialogHint),
        pos_(pos) {
    setObjectName("TableMessageBox");
    setModal(true);
    // The box is a dialog named by its own words; its description carries
    // what the player would otherwise have to read on the table behind it.
    setAccessibleName(text);
    setAccessibleDescription(description);
    setWindowTitle(buttons == Buttons::Confirmation ? QStringLiteral("Confirmation")
                                                    : QGuiApplication::applicationDisplayName());

    auto* body = new QHBoxLayout;
    body->setSpacing(16);
    if (buttons == Buttons::Confirmation) {
      auto* icon = new QLabel(this);
      icon->setObjectName("Icon");
      const int side = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
      icon->setPixmap(
          style()->standardIcon(QStyle::SP_MessageBoxQuestion, nullptr, this).pixmap(side, side));
      icon->setAlignment(Qt::AlignTop);
      body->addWidget(icon);
    }
    auto* label = new QLabel(this);
    label->setObjectName("Text");
    // Names typed by the player end up in these texts: show them as they are,
    // never as markup.
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    label->setTextInteractionFlags(Qt::NoTextInteraction);
    body->addWidget(label, 1);

    auto* row = new QHBoxLayout;
    row->addStretch(1);
    switch (buttons) {
      case Buttons::Oui:
        AddButton(row, QStringLiteral("&Oui"), kAnswerYes);
        break;
      case Buttons::OuiNon:
      case Buttons::Confirmation:
        AddButton(row, QStringLiteral("&Oui"), kAnswerYes);
        AddButton(row, QStringLiteral("&Non"), kAnswerNo);
        break;
      case Buttons::Ok:
        AddButton(row, QStringLiteral("OK"), kAnswerOk);
        break;
    }
    row->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setContentsMargins(20, 16, 20, 12);
    layout->setSpacing(16);
    layout->addLayout(body);
    layout->addLayout(row);

    // Place the box before it appears so that it never flashes elsewhere;
    // the frame's real size is only known once shown, so Place() runs again.
    adjustSize();
    Place();
  }

  // Escape and the close button: no answer.
  void reject() override { done(kAnswerClosed); }

 protected:
  void showEvent(QShowEvent* event) override {
    QDialog::showEvent(event);
    QTimer::singleShot(0, this, [this] { Place(); });
  }

 private:
  void AddButton(QHBoxLayout* row, const QString& caption, int answer) {
    auto* button = new QPushButton(caption, this);
    button->setMinimumWidth(75);
    if (row->count() == 1) {
      button->setDefault(true);
      button->setFocus();
    }
    connect(button, &QPushButton::clicked, this, [this, answer] { done(answer); });
    row->addWidget(button);
  }

  // The frame's top-left corner at the asked place of the table (kept on
  // the screen), or the frame centred on the screen.
  void Place() {
    if (pos_) {
      const QPoint want =
          PlaceOverTable(parentWidget(), QPoint(pos_->x, pos_->y), frameGeometry().size());
      if (frameGeometry().topLeft() != want) move(want);
      return;
    }
    QScreen* screen = this->screen() != nullptr ? this->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    QRect frame = frameGeometry();
    frame.moveCenter(screen->geometry().center());
    if (frameGeometry().topLeft() != frame.topLeft()) move(frame.topLeft());
  }

  std::optional<ScreenPos> pos_;
};

}  // namespace

int ShowTableMessage(QWidget* parent, const std::string& utf8Text, Buttons buttons,
                     std::optional<ScreenPos> pos, const QString& description) {
  // The confirmation box always sits in the middle of the screen.
  if (buttons == Buttons::Confirmation) pos.reset();
  TableMessageBox box(parent, QString::fromStdString(utf8Text), buttons, pos, description);
  return box.exec();
}

std::string NotAWholeNumberText(const std::string& fieldText, std::size_t quotedCharacters) {
  // A pasted page of text would make the box wider than the screen: quote
  // the start and the end of a long text around an ellipsis. Cut between
  // characters, never inside one (the text is UTF-8).
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

}  // namespace belote
