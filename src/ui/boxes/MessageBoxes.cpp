#include "ui/boxes/MessageBoxes.h"

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

#include "ui/boxes/TableBox.h"
#include "ui/commands/Commands.h"
#include "ui/desktop/WindowManager.h"

namespace belote {

namespace {

// The narrowest box: its title still reads beside a window manager's
// buttons.
constexpr int kNarrowestBox = 200;

// A box is a dialog: a title and a close button, nothing to shrink or grow.
constexpr Qt::WindowFlags kBoxWindowFlags = Qt::Dialog | Qt::CustomizeWindowHint |
                                            Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                                            Qt::MSWindowsFixedSizeDialogHint;

// A box of our own rather than the toolkit's: the game needs the box's corner
// exactly where it asks, no icon on the plain boxes, and Escape or the close
// button answering "closed" instead of standing in for "&Non".
class TableMessageBox : public TableBox {
 public:
  TableMessageBox(QWidget* parent, const QString& text, Buttons buttons, BoxSpot spot,
                  const QString& spokenText, const QString& description)
      : TableBox(parent, kBoxWindowFlags), spot_(spot) {
    setObjectName("TableMessageBox");
    // The box is a dialog named by its own words; its description carries
    // what the player would otherwise have to read on the table behind it.
    setAccessibleName(spokenText.isEmpty() ? text : spokenText);
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
    // Heard as the box's own name: a screen reader that finds the box's
    // words again in it then reads the description instead of them.
    label->setAccessibleName(accessibleName());
    label->setTextInteractionFlags(Qt::NoTextInteraction);
    body->addWidget(label, 1);

    auto* row = new QHBoxLayout;
    row->addStretch(1);
    switch (buttons) {
      case Buttons::Oui:
        AddButton(row, QString::fromUtf8(kYesCaption), kAnswerYes);
        break;
      case Buttons::OuiNon:
      case Buttons::Confirmation:
        AddButton(row, QString::fromUtf8(kYesCaption), kAnswerYes);
        AddButton(row, QString::fromUtf8(kNoCaption), kAnswerNo);
        break;
      case Buttons::Ok:
        AddButton(row, QString::fromUtf8(kOkCaption), kAnswerOk);
        break;
    }
    row->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    // Some window managers keep buttons of their own in every title bar:
    // the box leaves room for its title beside them.
    layout->addStrut(kNarrowestBox);
    layout->setContentsMargins(20, InsideTable() ? 16 + kTitleBand : 16, 20, 12);
    layout->setSpacing(16);
    layout->addLayout(body);
    layout->addLayout(row);

    // Place the box before it appears so that it never flashes elsewhere;
    // the frame's real size is only known once the window manager has put
    // it around the box, so Place() runs again then.
    adjustSize();
    Place();
    if (!InsideTable()) WhenFrameKnown(this, [this](QMargins) { Place(); });
  }

  // Escape and the close button: no answer.
  void reject() override { done(kAnswerClosed); }

 protected:
  void showEvent(QShowEvent* event) override {
    TableBox::showEvent(event);
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

  // The box where it belongs, kept on the screen.
  void Place() {
    switch (spot_.kind) {
      case BoxSpot::Kind::AtPlace:
        PlaceAt(spot_.place);
        break;
      case BoxSpot::Kind::TableMiddle:
        CentreOverTable();
        break;
      case BoxSpot::Kind::ScreenMiddle:
        CentreOnScreen();
        break;
    }
  }

  BoxSpot spot_;
};

}  // namespace

int ShowTableMessage(QWidget* parent, const std::string& utf8Text, Buttons buttons, BoxSpot spot,
                     const QString& spokenText, const QString& description) {
  // The confirmation box always sits in the middle of the screen.
  if (buttons == Buttons::Confirmation) spot = BoxSpot::ScreenMiddle();
  TableMessageBox box(parent, QString::fromStdString(utf8Text), buttons, spot, spokenText,
                      description);
  return box.exec();
}

}  // namespace belote
