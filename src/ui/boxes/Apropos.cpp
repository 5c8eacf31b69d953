#include "ui/boxes/Apropos.h"

#include <QFont>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>

#include "model/PictureFiles.h"
#include "ui/desktop/GamePictures.h"
#include "ui/desktop/MemoryStatus.h"
#include "ui/desktop/ScreenPlacement.h"

namespace belote {

namespace {

constexpr int kWidth = 337;
constexpr int kHeight = 217;

QFont AboutFont() {
  QFont font(QString::fromLatin1(kAboutFont), 8);
  font.setBold(true);
  font.setStretch(QFont::Condensed);
  return font;
}

QLabel* MakeLabel(QWidget* parent, const char* name, int left, int top, const QColor& colour,
                  const QString& text) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setFont(AboutFont());
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, colour);
  label->setPalette(palette);
  label->setAttribute(Qt::WA_TranslucentBackground);
  label->setTextFormat(Qt::PlainText);
  label->setText(text);
  label->move(left, top);
  label->adjustSize();
  return label;
}

void SetFigure(QLabel* label, const QString& text) {
  label->setText(text);
  label->adjustSize();
}

}  // namespace

TFormApropos::TFormApropos(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
  setObjectName("FormApropos");
  setModal(true);
  setFixedSize(kWidth, kHeight);

  Panel1 = new QWidget(this);
  Panel1->setObjectName("Panel1");
  Panel1->setGeometry(0, 0, kWidth, kHeight);

  Logo = new QLabel(Panel1);
  Logo->setObjectName("Logo");
  Logo->setGeometry(0, 0, kWidth, kHeight);
  const qreal ratio = qApp->devicePixelRatio();
  const QPixmap artwork = LoadGamePicture(QString::fromLatin1(kAboutPicture), ratio);
  if (!artwork.isNull()) Logo->setPixmap(artwork);

  const QColor navy(0, 0, 128);
  Label6 = MakeLabel(Panel1, "Label6", 144, 48, navy,
                     QStringLiteral("Logiciel sous Windows    Version 2.0"));
  MemLibre = MakeLabel(Panel1, "MemLibre", 268, 74, Qt::black, QStringLiteral("0"));
  MemDisque = MakeLabel(Panel1, "MemDisque", 268, 90, Qt::black, QStringLiteral("0"));
  MemPhysique = MakeLabel(Panel1, "MemPhysique", 268, 106, Qt::black, QStringLiteral("0"));
  MemUtile = MakeLabel(Panel1, "MemUtile", 268, 122, Qt::black, QStringLiteral("0"));

  BitBtn2 = new QPushButton(Panel1);
  BitBtn2->setObjectName("BitBtn2");
  BitBtn2->setGeometry(152, 176, 161, 27);
  const QPixmap face = LoadGamePicture(QString::fromLatin1(kAboutButtonPicture), ratio);
  if (face.isNull()) {
    // The word of the missing picture, so that the player still sees what
    // closes the box.
    BitBtn2->setText(QStringLiteral("OUI"));
  } else {
    const QSize inside(157, 23);
    // Squeezed into the button at the picture's own density, so that it stays
    // sharp on a high-density screen.
    QPixmap squeezed = face.scaled(inside * face.devicePixelRatio(), Qt::IgnoreAspectRatio,
                                   Qt::SmoothTransformation);
    squeezed.setDevicePixelRatio(face.devicePixelRatio());
    BitBtn2->setIcon(QIcon(squeezed));
    BitBtn2->setIconSize(inside);
  }
  // The button's face is a picture: a screen reader needs its word.
  BitBtn2->setAccessibleName(QStringLiteral("Oui"));
  // The keyboard starts on the only button, so that Return or Space close
  // the box at once.
  BitBtn2->setFocus();
  setAccessibleName(QStringLiteral("À propos du jeu"));
  connect(BitBtn2, &QPushButton::clicked, this, &TFormApropos::BitBtn2Click);

  // In the middle of the desktop, whatever window opens it.
  move(CentredOnScreen(QGuiApplication::primaryScreen(), size()));
}

void TFormApropos::FormShow() {
  const MemoryStatus status = ReadMemoryStatus();
  SetFigure(MemPhysique, FormatKiloBytes(status.totalBytes / 1024, QStringLiteral(" KB")));
  SetFigure(MemLibre, FormatKiloBytes(status.freeBytes / 1024, QStringLiteral(" Ko")));
  SetFigure(MemDisque, FormatKiloBytes(status.freeSwapBytes / 1024, QStringLiteral(" Ko")));
  SetFigure(MemUtile, FormatPercent(status.percentInUse));
  // The captions are drawn in the picture; a screen reader hears them with
  // their figures.
  const std::pair<QLabel*, const char*> captions[] = {{MemLibre, "Mémoire physique libre"},
                                                      {MemDisque, "Mémoire disque dur libre"},
                                                      {MemPhysique, "Mémoire RAM-SDRAM"},
                                                      {MemUtile, "Mémoire utilisée"}};
  for (const auto& [label, caption] : captions)
    label->setAccessibleName(QString::fromUtf8(caption) + QStringLiteral(" : ") + label->text());
}

void TFormApropos::BitBtn2Click() {
  closingByButton_ = true;
  accept();
}

void TFormApropos::keyPressEvent(QKeyEvent* event) {
  // Escape would reject the box; only the button closes it. Enter and Space
  // still press the button when it has the focus.
  if (event->key() == Qt::Key_Escape) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void TFormApropos::reject() {
  if (closingByButton_) QDialog::reject();
}

void TFormApropos::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FormShow();
}

}  // namespace belote
