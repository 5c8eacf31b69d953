// The table for players who do not see the screen: every picture, button and
// field carries a French name for screen readers, and the screen reader finds
// the hand's cards in their order and the options panel as a group.
#include <QAccessible>
#include <QAccessibleWidget>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include "model/Cards.h"
#include "ui/record/CardNames.h"
#include "ui/record/Spoken.h"
#include "ui/record/TableAnnouncer.h"
#include "ui/table/PointsField.h"
#include "ui/table/Unit1.h"
#include "ui/widgets/FocusRing.h"
#include "ui/widgets/TableWidgets.h"

namespace belote {

namespace {

QString PlayedBy(const QString& name) {
  return QStringLiteral("Carte jouée par ") + name;
}

void NameArrows(TUpDown* arrows, const QString& what) {
  arrows->setAccessibleName(what);
  arrows->UpButton()->setAccessibleName(QStringLiteral("Augmenter les points"));
  arrows->DownButton()->setAccessibleName(QStringLiteral("Diminuer les points"));
}

// The table as a screen reader explores it: its controls in their usual
// order, but the hand's cards always from slot 1 to slot 8, whichever was
// last raised over the others on the screen.
class TableInterface : public QAccessibleWidget {
 public:
  explicit TableInterface(TForm1* form) : QAccessibleWidget(form, QAccessible::Window) {}

  int childCount() const override { return static_cast<int>(Children().size()); }
  QAccessibleInterface* child(int index) const override {
    const QList<QWidget*> children = Children();
    if (index < 0 || index >= children.size()) return nullptr;
    return QAccessible::queryAccessibleInterface(children[index]);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    if (child == nullptr) return -1;
    return static_cast<int>(Children().indexOf(qobject_cast<QWidget*>(child->object())));
  }

 private:
  QList<QWidget*> Children() const {
    auto* form = static_cast<TForm1*>(widget());
    QList<QWidget*> hand;
    for (int slot = 1; slot <= 8; ++slot) hand << form->HandImage(slot);
    QList<QWidget*> list;
    int firstCard = -1;
    for (QObject* o : form->children()) {
      auto* w = qobject_cast<QWidget*>(o);
      if (w == nullptr || w->isWindow() || qobject_cast<FocusRing*>(w) != nullptr) continue;
      if (hand.contains(w)) {
        if (firstCard < 0) firstCard = static_cast<int>(list.size());
        continue;
      }
      list << w;
    }
    if (firstCard >= 0) {
      for (int slot = 8; slot >= 1; --slot) list.insert(firstCard, hand[slot - 1]);
    }
    return list;
  }
};

// The table's own kinds of objects: the table, its options panel (a group of
// the table, not a window of its own) and its news, notifications in a
// status bar.
QAccessibleInterface* TableFactory(const QString&, QObject* object) {
  if (auto* form = qobject_cast<TForm1*>(object)) return new TableInterface(form);
  if (auto* panel = qobject_cast<TPanel*>(object))
    return new QAccessibleWidget(panel, QAccessible::Grouping);
  if (auto* bar = qobject_cast<NewsBar*>(object))
    return new QAccessibleWidget(bar, QAccessible::StatusBar);
  if (auto* news = qobject_cast<NewsItem*>(object))
    return new QAccessibleWidget(news, QAccessible::Notification);
  return nullptr;
}

}  // namespace

void TForm1::NamePicture(Control c, const QString& name) {
  QLabel* label = controls_[static_cast<int>(c)];
  if (label == nullptr) return;
  for (int slot = 1; slot <= 8; ++slot) {
    if (c == HandControl(slot)) {
      // A hand card starts with the key that plays it.
      label->setAccessibleName(QStringLiteral("%1, %2").arg(slot).arg(name));
      return;
    }
  }
  label->setAccessibleName(name);
  if (c == PlaceControl(1))
    label->setAccessibleDescription(PlayedBy(QString::fromStdString(SpokenSeat(record_, 1))));
}

void TForm1::NameControls() {
  static const bool factoryInstalled = [] {
    QAccessible::installFactory(TableFactory);
    return true;
  }();
  (void)factoryInstalled;

  setAccessibleName(QStringLiteral("Table de belote"));
  setAccessibleDescription(QString::fromStdString(TableKeysDescription()));
  new FocusRing(this);

  const QString empty = QString::fromLatin1(kEmptyPlaceName);
  for (int slot = 1; slot <= 8; ++slot) NamePicture(HandControl(slot), empty);
  for (int seat = 1; seat <= 4; ++seat) {
    NamePicture(PlaceControl(seat), empty);
    if (seat >= 2)
      controls_[static_cast<int>(PlaceControl(seat))]->setAccessibleDescription(
          PlayedBy(QString::fromLatin1(kSeatNames[seat])));
  }
  // Until the game starts, the human's place follows the name being typed.
  // The field's text is read when it has settled: it is put in capitals
  // while the change is still being told.
  connect(Edit10, &QLineEdit::textChanged, this, [this] {
    if (state_.HumanName.empty())
      Image9->setAccessibleDescription(
          PlayedBy(QString::fromStdString(Spoken(Edit10->text().toStdString()))));
  });
  NamePicture(Control::Image13, empty);
  Image13->setAccessibleDescription(QStringLiteral("Carte retournée ou couleur d'atout"));

  BitBtn1->setAccessibleName(QStringLiteral("Changer la couleur du tapis"));
  Button2->setAccessibleName(QStringLiteral("Aide"));
  Button1->setAccessibleName(QStringLiteral("Quitter le jeu"));
  // The sound and animation switches keep no fixed name: their captions
  // ("Oter le Son", "Mettre Animation") say what a press does, and so
  // whether the sound or the glides are on now.
  Edit1->setAccessibleName(QStringLiteral("Points pour cette partie, en cours de jeu"));
  NameArrows(HB, Edit1->accessibleName());

  Panel1->setAccessibleName(QStringLiteral("Options de la partie"));
  Edit10->setAccessibleName(QStringLiteral("Votre prénom"));
  Edit11->setAccessibleName(QStringLiteral("Points pour cette partie, au départ"));
  NameArrows(UpDown1, Edit11->accessibleName());
  BoutonA->setAccessibleName(QStringLiteral("D'accord, commencer la partie"));
  BoutonQ->setAccessibleName(QStringLiteral("Quitter sans jouer"));

  // A click on the cloth takes the focus away from a points field, so that
  // the keys play cards again after the points were typed. The cards take
  // the keyboard too: the arrows walk along them and Return plays one.
  setFocusPolicy(Qt::ClickFocus);
  for (int slot = 1; slot <= 8; ++slot) {
    HandImage(slot)->setFocusPolicy(Qt::StrongFocus);
    HandImage(slot)->installEventFilter(this);
  }
  Panel1->installEventFilter(this);
  Edit10->installEventFilter(this);
}

}  // namespace belote
