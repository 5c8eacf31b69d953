#include "ui/TableAccess.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <algorithm>

#include "engine/CardRules.h"
#include "model/Cards.h"
#include "ui/CardNames.h"
#include "ui/FocusRing.h"
#include "ui/TableAnnouncer.h"
#include "ui/Unit1.h"

namespace belote {

namespace {

// The plain name of a picture is kept beside the accessible name, which for
// a hand card starts with its key.
constexpr const char* kCardNameProperty = "beloteCardName";

// The objects that watch the table's keys and events on its behalf.
constexpr const char* kTableWatcherName = "TableWatcher";

QString PlayedBy(const QString& name) {
  return QStringLiteral("Carte jouée par ") + name;
}

void NameArrows(TUpDown* arrows, const QString& what) {
  arrows->setAccessibleName(what);
  arrows->UpButton()->setAccessibleName(QStringLiteral("Augmenter les points"));
  arrows->DownButton()->setAccessibleName(QStringLiteral("Diminuer les points"));
}

int SlotOfImage(TForm1& form, QObject* object) {
  for (int slot = 1; slot <= 8; ++slot)
    if (form.HandImage(slot) == object) return slot;
  return 0;
}

bool HoldsCard(TForm1& form, int slot) {
  return slot >= 1 && slot <= 8 && form.State().SlotCard[1][slot] > 0;
}

// The card the rules would refuse now is said to be refused; on the table
// nothing changes, as for any refused click.
void TellIfRefused(TForm1& form, int slot) {
  const TableState& s = form.State();
  if (form.GameState().inPlayStep || !HoldsCard(form, slot) || IsLegalHumanCard(s, slot)) return;
  if (TableAnnouncer* announcer = TableAnnouncer::Of(form)) announcer->CardRefused(slot);
}

// The next card still in the hand from `slot`, going `step` (+1 or -1) and
// wrapping round; `slot` itself when it is the only one.
int NextCard(TForm1& form, int slot, int step) {
  for (int i = 1; i <= 8; ++i) {
    const int next = (slot - 1 + step * i + 16) % 8 + 1;
    if (HoldsCard(form, next)) return next;
  }
  return slot;
}

// Watches the keys that reach the table without having been taken by the
// control that has the focus, and the keys and clicks on the hand's cards.
class HandKeys : public QObject {
 public:
  explicit HandKeys(TForm1& form) : QObject(&form), form_(form) {
    setObjectName(QString::fromLatin1(kTableWatcherName));
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    const int imageSlot = SlotOfImage(form_, watched);
    if (imageSlot != 0 && event->type() == QEvent::MouseButtonRelease) {
      TellIfRefused(form_, imageSlot);
      return false;
    }
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (imageSlot != 0) return OnCard(imageSlot, *key);
    if (watched != &form_) return false;
    const int slot = HandSlotOfKey(*key);
    if (slot == 0) return false;
    // A digit meant for a field (the name, the points) never plays a card,
    // even when the field let it through.
    if (qobject_cast<QLineEdit*>(form_.focusWidget()) != nullptr) return false;
    Play(slot, *key);
    return true;
  }

 private:
  void Play(int slot, const QKeyEvent& key) {
    // A key held down plays one card, not the cards that follow in the slot.
    if (key.isAutoRepeat()) return;
    TellIfRefused(form_, slot);
    form_.ImageClick(slot);
  }

  // The arrows walk along the cards still in the hand; Return and Space
  // play the card that has the keyboard.
  bool OnCard(int slot, const QKeyEvent& key) {
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    switch (key.key()) {
      case Qt::Key_Left:
      case Qt::Key_Up:
        form_.HandImage(NextCard(form_, slot, -1))->setFocus(Qt::OtherFocusReason);
        return true;
      case Qt::Key_Right:
      case Qt::Key_Down:
        form_.HandImage(NextCard(form_, slot, 1))->setFocus(Qt::OtherFocusReason);
        return true;
      case Qt::Key_Return:
      case Qt::Key_Enter:
      case Qt::Key_Space:
        Play(slot, key);
        return true;
      default:
        return false;
    }
  }

  TForm1& form_;
};

// The options panel while it is up: it lies over the control panel, whose
// controls leave the Tab order; the keyboard starts in the name field and
// Return accepts the panel, unless a button of its own has the keyboard.
class OptionsPanelKeys : public QObject {
 public:
  explicit OptionsPanelKeys(TForm1& form) : QObject(&form), form_(form) {
    setObjectName(QString::fromLatin1(kTableWatcherName));
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != form_.Panel1) return false;
    switch (event->type()) {
      case QEvent::Show:
        Cover(true);
        form_.Edit10->setFocus(Qt::OtherFocusReason);
        form_.Edit10->selectAll();
        break;
      case QEvent::Hide:
        Cover(false);
        form_.HandImage(1)->setFocus(Qt::OtherFocusReason);
        break;
      case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) break;
        auto* button = qobject_cast<QPushButton*>(form_.focusWidget());
        (button != nullptr && form_.Panel1->isAncestorOf(button) ? button : form_.BoutonA)->click();
        return true;
      }
      default:
        break;
    }
    return false;
  }

 private:
  void Cover(bool covered) {
    for (QWidget* w : std::initializer_list<QWidget*>{form_.BitBtn1, form_.Button2, form_.Button1,
                                                      form_.BitBtn2, form_.BitBtn3, form_.Edit1})
      w->setFocusPolicy(covered ? Qt::NoFocus
                                : (qobject_cast<QLineEdit*>(w) ? Qt::StrongFocus : Qt::TabFocus));
  }

  TForm1& form_;
};

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
    QList<QWidget*> list;
    int firstCard = -1;
    for (QObject* o : form->children()) {
      auto* w = qobject_cast<QWidget*>(o);
      if (w == nullptr || w->isWindow() || w->objectName() == QLatin1String("FocusRing")) continue;
      if (SlotOfImage(*form, w) != 0) {
        if (firstCard < 0) firstCard = static_cast<int>(list.size());
        continue;
      }
      list << w;
    }
    if (firstCard < 0) return list;
    for (int slot = 8; slot >= 1; --slot) list.insert(firstCard, form->HandImage(slot));
    return list;
  }
};

// The options panel is a group of the table, not a window of its own.
QAccessibleInterface* TableFactory(const QString& className, QObject* object) {
  if (className == QLatin1String("belote::TForm1"))
    return new TableInterface(static_cast<TForm1*>(object));
  if (className == QLatin1String("QFrame") && object->objectName() == QLatin1String("Panel1") &&
      qobject_cast<TForm1*>(object->parent()) != nullptr)
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Grouping);
  if (object->objectName() == QLatin1String(kNewsObjectName) &&
      qobject_cast<TForm1*>(object->parent()) != nullptr)
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
  return nullptr;
}

}  // namespace

int FrenchTopRowSlot(int qtKey) {
  constexpr int kTopRow[8] = {Qt::Key_Ampersand,  Qt::Key_Eacute,    Qt::Key_QuoteDbl,
                              Qt::Key_Apostrophe, Qt::Key_ParenLeft, Qt::Key_Minus,
                              Qt::Key_Egrave,     Qt::Key_Underscore};
  const int* at = std::find(std::begin(kTopRow), std::end(kTopRow), qtKey);
  return at == std::end(kTopRow) ? 0 : static_cast<int>(at - std::begin(kTopRow)) + 1;
}

int HandSlotOfKey(const QKeyEvent& key) {
  const Qt::KeyboardModifiers allowed = Qt::ShiftModifier | Qt::KeypadModifier;
  if ((key.modifiers() & ~allowed) != Qt::NoModifier) return 0;
  if (key.key() >= Qt::Key_1 && key.key() <= Qt::Key_8) return key.key() - Qt::Key_1 + 1;
  // The number pad's minus is not the top row's.
  if (key.modifiers() & Qt::KeypadModifier) return 0;
  return FrenchTopRowSlot(key.key());
}

QString CardNameOf(TForm1& form, Control image) {
  QLabel* label = form.ControlWidget(image);
  if (label == nullptr) return {};
  const QVariant name = label->property(kCardNameProperty);
  return name.isValid() ? name.toString() : label->accessibleName();
}

void NamePicture(TForm1& form, Control image, const QString& name) {
  QLabel* label = form.ControlWidget(image);
  if (label == nullptr) return;
  label->setProperty(kCardNameProperty, name);
  const int slot = SlotOfImage(form, label);
  label->setAccessibleName(slot != 0 ? QStringLiteral("%1, %2").arg(slot).arg(name) : name);
  if (image == TablePlace(1)) label->setAccessibleDescription(PlayedBy(SeatName(form, 1)));
  if (TableAnnouncer* announcer = TableAnnouncer::Of(form)) announcer->PictureShown(image, name);
}

void FocusHand(TForm1& form) {
  QWidget* focus = form.focusWidget();
  const int slot = SlotOfImage(form, focus);
  // The keyboard stays on a button or a field the player went to.
  if (focus != nullptr && focus != &form && slot == 0 && form.isAncestorOf(focus)) return;
  if (HoldsCard(form, slot)) return;
  const int card = NextCard(form, slot == 0 ? 8 : slot, 1);
  if (HoldsCard(form, card)) form.HandImage(card)->setFocus(Qt::OtherFocusReason);
}

void MakeTableAccessible(TForm1& form) {
  static const bool factoryInstalled = [] {
    QAccessible::installFactory(TableFactory);
    return true;
  }();
  (void)factoryInstalled;

  form.setAccessibleName(QStringLiteral("Table de belote"));
  new TableAnnouncer(form);
  new FocusRing(&form);

  const QString empty = QString::fromLatin1(kEmptyPlaceName);
  for (int slot = 1; slot <= 8; ++slot) NamePicture(form, HandImage(slot), empty);
  for (int seat = 1; seat <= 4; ++seat) {
    NamePicture(form, TablePlace(seat), empty);
    if (seat >= 2)
      form.ControlWidget(TablePlace(seat))
          ->setAccessibleDescription(PlayedBy(SeatName(form, seat)));
  }
  // Until the game starts, the human's place follows the name being typed.
  QObject::connect(form.Edit10, &QLineEdit::textChanged, &form, [&form] {
    if (form.State().HumanName.empty())
      form.Image9->setAccessibleDescription(PlayedBy(form.Edit10->text()));
  });
  NamePicture(form, Control::Image13, empty);
  form.Image13->setAccessibleDescription(QStringLiteral("Carte retournée ou couleur d'atout"));

  form.BitBtn1->setAccessibleName(QStringLiteral("Changer la couleur du tapis"));
  form.Button2->setAccessibleName(QStringLiteral("Aide"));
  form.Button1->setAccessibleName(QStringLiteral("Quitter le jeu"));
  // The sound and animation switches keep no fixed name: their captions
  // ("Oter le Son", "Mettre Animation") say what a press does, and so
  // whether the sound or the glides are on now.
  form.Edit1->setAccessibleName(QStringLiteral("Points pour cette partie, en cours de jeu"));
  NameArrows(form.HB, form.Edit1->accessibleName());

  form.Panel1->setAccessibleName(QStringLiteral("Options de la partie"));
  form.Edit10->setAccessibleName(QStringLiteral("Votre prénom"));
  form.Edit11->setAccessibleName(QStringLiteral("Points pour cette partie, au départ"));
  NameArrows(form.UpDown1, form.Edit11->accessibleName());
  form.BoutonA->setAccessibleName(QStringLiteral("D'accord, commencer la partie"));
  form.BoutonQ->setAccessibleName(QStringLiteral("Quitter sans jouer"));

  // A click on the cloth takes the focus away from a points field, so that
  // the keys play cards again after the points were typed. The cards take
  // the keyboard too: the arrows walk along them and Return plays one.
  form.setFocusPolicy(Qt::ClickFocus);
  auto* keys = new HandKeys(form);
  for (int slot = 1; slot <= 8; ++slot) {
    form.HandImage(slot)->setFocusPolicy(Qt::StrongFocus);
    form.HandImage(slot)->installEventFilter(keys);
  }
  form.installEventFilter(keys);
  form.Panel1->installEventFilter(new OptionsPanelKeys(form));
}

void ForgetTableAccess(TForm1& form) {
  // Deleting a watcher takes it off every control it was watching.
  qDeleteAll(form.findChildren<QObject*>(QString::fromLatin1(kTableWatcherName),
                                         Qt::FindDirectChildrenOnly));
  delete TableAnnouncer::Of(form);
}

}  // namespace belote
