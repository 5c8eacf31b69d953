#include "ui/TableAccess.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include "model/Cards.h"
#include "ui/CardNames.h"
#include "ui/Unit1.h"

namespace belote {

namespace {

QString PlayedBy(const QString& name) {
  return QStringLiteral("Carte jouée par ") + name;
}

QString HumanNameOf(TForm1& form) {
  const std::string& name = form.State().HumanName;
  return QString::fromStdString(name.empty() ? std::string(kDefaultHumanName) : name);
}

void NameArrows(TUpDown* arrows, const QString& what) {
  arrows->setAccessibleName(what);
  arrows->UpButton()->setAccessibleName(QStringLiteral("Augmenter les points"));
  arrows->DownButton()->setAccessibleName(QStringLiteral("Diminuer les points"));
}

// Watches the keys that reach the table without having been taken by the
// control that has the focus.
class HandKeys : public QObject {
 public:
  explicit HandKeys(TForm1& form) : QObject(&form), form_(form) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != &form_ || event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const int slot = HandSlotOfKey(*key);
    if (slot == 0) return false;
    // A digit meant for a field (the name, the points) never plays a card,
    // even when the field let it through.
    if (qobject_cast<QLineEdit*>(form_.focusWidget()) != nullptr) return false;
    // A key held down plays one card, not the cards that follow in the slot.
    if (!key->isAutoRepeat()) form_.ImageClick(slot);
    return true;
  }

 private:
  TForm1& form_;
};

}  // namespace

int HandSlotOfKey(const QKeyEvent& key) {
  const Qt::KeyboardModifiers allowed = Qt::ShiftModifier | Qt::KeypadModifier;
  if ((key.modifiers() & ~allowed) != Qt::NoModifier) return 0;
  if (key.key() < Qt::Key_1 || key.key() > Qt::Key_8) return 0;
  return key.key() - Qt::Key_1 + 1;
}

void NamePicture(TForm1& form, Control image, const QString& name) {
  QLabel* label = form.ControlWidget(image);
  if (label == nullptr) return;
  label->setAccessibleName(name);
  if (image == TablePlace(1)) label->setAccessibleDescription(PlayedBy(HumanNameOf(form)));
}

void MakeTableAccessible(TForm1& form) {
  form.setAccessibleName(QStringLiteral("Table de belote"));

  const QString empty = QString::fromLatin1(kEmptyPlaceName);
  for (int slot = 1; slot <= 8; ++slot) {
    TImage* image = form.HandImage(slot);
    image->setAccessibleName(empty);
    image->setAccessibleDescription(QStringLiteral("Votre carte %1, touche %1").arg(slot));
  }
  for (int seat = 1; seat <= 4; ++seat) {
    QLabel* place = form.ControlWidget(TablePlace(seat));
    place->setAccessibleName(empty);
    place->setAccessibleDescription(
        PlayedBy(seat == 1 ? HumanNameOf(form) : QString::fromLatin1(kSeatNames[seat])));
  }
  form.Image13->setAccessibleName(empty);
  form.Image13->setAccessibleDescription(QStringLiteral("Carte retournée ou couleur d'atout"));

  form.BitBtn1->setAccessibleName(QStringLiteral("Changer la couleur du tapis"));
  form.Button2->setAccessibleName(QStringLiteral("Aide"));
  form.Button1->setAccessibleName(QStringLiteral("Quitter"));
  // The sound and animation switches keep no fixed name: their captions
  // ("Oter le Son", "Mettre Animation") say what a press does, and so
  // whether the sound or the glides are on now.
  form.Edit1->setAccessibleName(QStringLiteral("Points pour cette partie"));
  NameArrows(form.HB, QStringLiteral("Points pour cette partie"));

  form.Panel1->setAccessibleName(QStringLiteral("Options de la partie"));
  form.Edit10->setAccessibleName(QStringLiteral("Votre prénom"));
  form.Edit11->setAccessibleName(QStringLiteral("Points pour cette partie"));
  NameArrows(form.UpDown1, QStringLiteral("Points pour cette partie"));
  form.BoutonA->setAccessibleName(QStringLiteral("D'accord, commencer la partie"));
  form.BoutonQ->setAccessibleName(QStringLiteral("Quitter"));

  // A click on the cloth or on a card takes the focus away from a points
  // field, so that the keys play cards again after the points were typed.
  form.setFocusPolicy(Qt::ClickFocus);
  for (int slot = 1; slot <= 8; ++slot) form.HandImage(slot)->setFocusPolicy(Qt::ClickFocus);
  form.installEventFilter(new HandKeys(form));
}

}  // namespace belote
