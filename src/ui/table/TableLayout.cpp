// Where every control of the card table stands, with its lettering and
// colours: the seat panels, the deal panel, the control panel, the hand, the
// trick and the options panel shown at start.
#include <QApplication>
#include <QBitmap>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <algorithm>

#include "engine/TableGeometry.h"
#include "model/Cards.h"
#include "model/PictureFiles.h"
#include "ui/desktop/GamePictures.h"
#include "ui/table/PointsField.h"
#include "ui/table/Unit1.h"
#include "ui/widgets/TableWidgets.h"

namespace belote {

namespace {

// The small picture on a control panel button, from the game's Im folder.
// It is drawn on a plain button face; that colour, taken from its corner,
// is made see-through so the picture sits on the button as it is painted.
QIcon ButtonPicture(const char* file) {
  QPixmap picture = LoadGamePicture(QString::fromLatin1(file), qApp->devicePixelRatio());
  if (picture.isNull()) return {};
  const QImage image = picture.toImage();
  picture.setMask(
      QBitmap::fromImage(image.createMaskFromColor(image.pixel(0, 0), Qt::MaskInColor)));
  return QIcon(picture);
}

void SetColours(QWidget* w, QColor text, std::optional<QColor> background) {
  QPalette pal = w->palette();
  pal.setColor(QPalette::WindowText, text);
  pal.setColor(QPalette::Text, text);
  pal.setColor(QPalette::ButtonText, text);
  if (background) {
    pal.setColor(QPalette::Window, *background);
    pal.setColor(QPalette::Base, *background);
    w->setAutoFillBackground(true);
  }
  w->setPalette(pal);
}

// Narrows the label's letters until its one line fits its width.
void FitToWidth(QLabel* label) {
  QFont font = label->font();
  for (int stretch = 100; stretch >= 80; --stretch) {
    font.setStretch(stretch);
    if (QFontMetrics(font).horizontalAdvance(label->text()) <= label->width()) break;
  }
  label->setFont(font);
}

void SunkenBorder(QLabel* label) {
  label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  label->setLineWidth(1);
}

QPushButton* NewButton(QWidget* parent, const char* name, QRect geometry, const QString& text,
                       const QString& tip = QString()) {
  auto* b = new QPushButton(text, parent);
  b->setObjectName(QString::fromLatin1(name));
  b->setGeometry(geometry);
  b->setFont(TableFont());
  b->setFocusPolicy(Qt::TabFocus);
  if (!tip.isEmpty()) b->setToolTip(tip);
  return b;
}

}  // namespace

TImage* TForm1::HandImage(int slot) const {
  if (slot < 1 || slot > 8) return nullptr;
  return static_cast<TImage*>(controls_[static_cast<int>(HandControl(slot))]);
}

QPoint TForm1::RestingPlace(int slot) {
  return slot >= 1 && slot <= 8 ? QPoint(kHandLeft[slot], kHandTop[slot]) : QPoint();
}

QLabel* TForm1::NewLabel(QWidget* parent, const char* name, QRect geometry, const QString& text,
                         const QFont& font, QColor textColour, std::optional<QColor> background) {
  auto* l = new QLabel(parent);
  l->setObjectName(QString::fromLatin1(name));
  l->setTextFormat(Qt::PlainText);
  l->setGeometry(geometry);
  l->setFont(font);
  l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  l->setText(text);
  SetColours(l, textColour, background);
  return l;
}

void TForm1::BuildTable() {
  // Created back to front: the panels, the trump box, the hand, the trick,
  // the labels over the trick, and the options panel over everything.
  BuildSeatPanels();
  BuildDealPanel();
  BuildControlPanel();
  BuildHandAndTrick();
  BuildOptionsPanel();

  QLabel* const ets[] = {ET1,  ET2,  ET3,  ET4,  ET5,  ET6,  ET7,  ET8,  ET9,  ET10, ET11,
                         ET12, ET13, ET14, ET15, ET16, ET17, ET18, ET19, ET20, ET21, ET22};
  for (int n = 1; n <= 22; ++n) controls_[static_cast<int>(ETControl(n))] = ets[n - 1];
  QLabel* const bids[] = {Label4, Label5, Label6, Label7};
  for (int seat = 1; seat <= 4; ++seat)
    controls_[static_cast<int>(BidLabel(seat))] = bids[seat - 1];
  controls_[static_cast<int>(Control::Meilleur)] = Meilleur;
  TImage* const images[] = {Image1, Image2, Image3,  Image4,  Image5,  Image6, Image7,
                            Image8, Image9, Image10, Image11, Image12, Image13};
  for (int i = 0; i < 13; ++i) controls_[static_cast<int>(Control::Image1) + i] = images[i];
}

void TForm1::BuildSeatPanels() {
  const QFont plain = TableFont();
  const QFont bold = TableFont(kPixels8pt, true);

  // Seat 1, the human, under the middle of the table: plain lines parted by
  // thin grey rules.
  Shape3 = new TShape(this, kScrollBar, 2);
  Shape3->setObjectName(QStringLiteral("Shape3"));
  Shape3->setGeometry(450, 283, 229, 91);
  ET10 = NewLabel(this, "ET10", {453, 285, 223, 17}, {}, bold, kLime, kDarkGrey);
  ET4 = NewLabel(this, "ET4", {453, 303, 223, 34}, {}, plain, Qt::white, kGrey);
  ET15 = NewLabel(this, "ET15", {453, 338, 223, 16}, {}, plain, kWindowText, kSilver);
  ET19 = NewLabel(this, "ET19", {453, 355, 223, 16}, {}, plain, kWindowText, kLightGrey);
  Shape7 = new TShape(this, kGrey, 1, kGrey);
  Shape7->setObjectName(QStringLiteral("Shape7"));
  Shape7->setGeometry(452, 285, 1, 87);
  Shape9 = new TShape(this, kGrey, 1, kGrey);
  Shape9->setObjectName(QStringLiteral("Shape9"));
  Shape9->setGeometry(453, 338, 223, 1);
  Shape8 = new TShape(this, kGrey, 1, kGrey);
  Shape8->setObjectName(QStringLiteral("Shape8"));
  Shape8->setGeometry(453, 355, 223, 1);

  // Seats 2, 3 and 4: sunken lines, the announcements between them.
  struct SeatPanel {
    TShape** shape;
    const char* shapeName;
    QPoint frame;
    std::optional<QColor> fill;
    QLabel** score;
    const char* scoreName;
    QLabel** announce;
    const char* announceName;
    QLabel** value;
    const char* valueName;
    QLabel** total;
    const char* totalName;
  };
  const SeatPanel seats[] = {
      {&Shape1,
       "Shape1",
       {10, 176},
       QColor(Qt::white),
       &ET11,
       "ET11",
       &ET5,
       "ET5",
       &ET16,
       "ET16",
       &ET20,
       "ET20"},
      {&Shape2,
       "Shape2",
       {114, 2},
       std::nullopt,
       &ET12,
       "ET12",
       &ET6,
       "ET6",
       &ET17,
       "ET17",
       &ET21,
       "ET21"},
      {&Shape4,
       "Shape4",
       {554, 110},
       std::nullopt,
       &ET13,
       "ET13",
       &ET7,
       "ET7",
       &ET18,
       "ET18",
       &ET22,
       "ET22"},
  };
  for (const SeatPanel& p : seats) {
    *p.shape = new TShape(this, kScrollBar, 2, p.fill);
    (*p.shape)->setObjectName(QString::fromLatin1(p.shapeName));
    (*p.shape)->setGeometry(p.frame.x(), p.frame.y(), 229, 91);
    const int x = p.frame.x() + 2, y = p.frame.y() + 2;
    *p.score = NewLabel(this, p.scoreName, {x, y, 225, 17}, {}, bold, kLime, kDarkGrey);
    *p.announce = NewLabel(this, p.announceName, {x, y + 17, 224, 35}, {}, plain, Qt::white, kGrey);
    *p.value = NewLabel(this, p.valueName, {x, y + 53, 225, 17}, {}, plain, kWindowText, kSilver);
    *p.total =
        NewLabel(this, p.totalName, {x, y + 70, 225, 17}, {}, plain, kWindowText, kLightGrey);
    SunkenBorder(*p.score);
    SunkenBorder(*p.value);
    SunkenBorder(*p.total);
  }
  for (QLabel* a : {ET4, ET5, ET6, ET7}) a->setWordWrap(true);
}

void TForm1::BuildDealPanel() {
  Shape5 = new TShape(this, kSilver, 2);
  Shape5->setObjectName(QStringLiteral("Shape5"));
  Shape5->setGeometry(6, 466, 229, 101);
  const QFont bold = TableFont(kPixels8pt, true);
  struct Line {
    QLabel** label;
    const char* name;
    int top;
    bool aqua;
  };
  const Line lines[] = {{&ET14, "ET14", 468, false}, {&ET8, "ET8", 484, true},
                        {&ET9, "ET9", 500, false},   {&ET3, "ET3", 516, true},
                        {&ET1, "ET1", 532, false},   {&ET2, "ET2", 548, true}};
  for (const Line& l : lines) {
    *l.label = NewLabel(this, l.name, {8, l.top, 225, 17}, {}, bold, l.aqua ? kAqua : kSilver,
                        l.aqua ? kMidGrey : kDarkGrey);
    (*l.label)->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  }
}

void TForm1::BuildControlPanel() {
  Shape6 = new TShape(this, kScrollBar, 2);
  Shape6->setObjectName(QStringLiteral("Shape6"));
  Shape6->setGeometry(554, 2, 229, 91);
  const QFont plain = TableFont();
  const QFont bold = TableFont(kPixels8pt, true);

  StaticText4 = NewLabel(this, "StaticText4", {556, 4, 226, 25}, QStringLiteral("   "), plain,
                         kWindowText, kDarkGrey);
  SunkenBorder(StaticText4);
  StaticText3 = NewLabel(this, "StaticText3", {556, 27, 225, 25}, {}, plain, kWindowText,
                         QColor(101, 101, 101));
  StaticText3->setFrameStyle(QFrame::Box | QFrame::Plain);

  BitBtn1 = NewButton(this, "BitBtn1", {558, 6, 74, 23}, QStringLiteral(" Tapis "),
                      QStringLiteral("Changer la couleur du fond"));
  BitBtn1->setIcon(ButtonPicture(kTapisButtonPicture));
  Button2 = NewButton(this, "Button2", {632, 6, 74, 23}, QStringLiteral("  AIDE"),
                      QStringLiteral("Un minimum d'aide"));
  Button2->setIcon(ButtonPicture(kAideButtonPicture));
  Button1 = NewButton(this, "Button1", {706, 6, 74, 23}, QStringLiteral("Quitter"),
                      QStringLiteral("Tirer sa révérence"));
  Button1->setIcon(ButtonPicture(kQuitterButtonPicture));
  BitBtn2 = NewButton(this, "BitBtn2", {558, 29, 111, 23}, QStringLiteral("   Oter le Son"),
                      QStringLiteral("Mettre ou retirer le son"));
  BitBtn2->setIcon(ButtonPicture(kSonButtonPicture));
  BitBtn3 = NewButton(this, "BitBtn3", {669, 29, 111, 23}, QStringLiteral("Mettre Animation"));
  BitBtn3->setIcon(ButtonPicture(kAnimationButtonPicture));
  for (QPushButton* b : {BitBtn1, Button2, Button1, BitBtn2}) b->setCursor(Qt::PointingHandCursor);

  StaticText1 = NewLabel(this, "StaticText1", {556, 52, 226, 20},
                         QStringLiteral("Points pour cette partie ="), bold, kSilver, kDarkGrey);
  SunkenBorder(StaticText1);
  StaticText1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

  Edit1 = new QLineEdit(QString::number(kDefaultTargetScore), this);
  Edit1->setObjectName(QStringLiteral("Edit1"));
  Edit1->setGeometry(713, 53, 49, 18);
  Edit1->setFrame(false);
  Edit1->setFont(TableFont(kPixels10pt, true));
  Edit1->setTextMargins(0, 0, 0, 0);
  Edit1->setToolTip(QStringLiteral("Clic sur les flêches pour + ou -"));
  SetColours(Edit1, kTooltipYellow, kDarkGrey);
  HB = new TUpDown(Edit1, this);
  HB->setObjectName(QStringLiteral("HB"));
  HB->setGeometry(762, 53, 15, 18);
  HB->UpButton()->setGeometry(0, 0, 15, 9);
  HB->DownButton()->setGeometry(0, 9, 15, 9);
  HB->setToolTip(QStringLiteral("Augmente ou diminue les points"));

  StaticText2 =
      NewLabel(this, "StaticText2", {556, 71, 225, 20},
               QStringLiteral("Cliquer sur les minis flêches pour +/- Î"), bold, kAqua, kMidGrey);
  StaticText2->setFrameStyle(QFrame::Box | QFrame::Plain);
  StaticText2->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

  connect(BitBtn1, &QPushButton::clicked, this, &TForm1::BitBtn1Click);
  connect(Button2, &QPushButton::clicked, this, &TForm1::Button2Click);
  connect(Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
  connect(BitBtn2, &QPushButton::clicked, this, &TForm1::BitBtn2Click);
  connect(BitBtn3, &QPushButton::clicked, this, &TForm1::BitBtn3Click);
  connect(Edit1, &QLineEdit::textChanged, this, &TForm1::Edit1Change);
}

void TForm1::BuildHandAndTrick() {
  auto newImage = [this](const char* name, QPoint at, Qt::CursorShape cursor) {
    auto* image = new TImage(this);
    image->setObjectName(QString::fromLatin1(name));
    image->move(at);
    image->setCursor(cursor);
    return image;
  };
  Image13 = newImage("Image13", {72, 290}, Qt::ForbiddenCursor);
  Image13->setToolTip(QStringLiteral("ATOUT"));

  TImage** const hand[] = {&Image1, &Image2, &Image3, &Image4, &Image5, &Image6, &Image7, &Image8};
  void (TForm1::*const clicks[])() = {
      &TForm1::Image1Click, &TForm1::Image2Click, &TForm1::Image3Click, &TForm1::Image4Click,
      &TForm1::Image5Click, &TForm1::Image6Click, &TForm1::Image7Click, &TForm1::Image8Click};
  for (int slot = 1; slot <= 8; ++slot) {
    *hand[slot - 1] =
        newImage(ControlName(HandControl(slot)), RestingPlace(slot), Qt::DragMoveCursor);
    connect(*hand[slot - 1], &TImage::clicked, this, clicks[slot - 1]);
  }

  // The trick: each seat's card lies on that seat's table place, where the
  // glides stop.
  TImage** const trick[] = {&Image9, &Image10, &Image11, &Image12};
  for (int seat = 1; seat <= 4; ++seat) {
    *trick[seat - 1] = newImage(ControlName(PlaceControl(seat)),
                                {kPlaceLeft[seat], kPlaceTop[seat]}, Qt::ForbiddenCursor);
  }

  const QFont bidFont = TableFont(kPixels10pt);
  Label4 = NewLabel(this, "Label4", {368, 320, 73, 17}, {}, bidFont, kLightCyan);
  Label5 = NewLabel(this, "Label5", {246, 224, 73, 17}, {}, bidFont, kLightCyan);
  Label6 = NewLabel(this, "Label6", {352, 40, 73, 17}, {}, bidFont, kLightCyan);
  Label7 = NewLabel(this, "Label7", {472, 158, 73, 17}, {}, bidFont, kLightCyan);
  Meilleur = NewLabel(this, "Meilleur", {360, 168, 70, 33}, {}, TableFont(kPixels8pt, true), kAqua);
  Meilleur->setWordWrap(true);
  for (QLabel* l : {Label4, Label5, Label6, Label7, Meilleur})
    l->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TForm1::BuildOptionsPanel() {
  Panel1 = new TPanel(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setGeometry(456, 4, 329, 221);
  Panel1->setFont(TableFont());
  const QFont plain = TableFont();
  const QFont bold = TableFont(kPixels8pt, true);
  const QFont title = TableFont(kPixels12pt, true);
  const QString heading = QStringLiteral("FACULTATIF! mais si vous le désirez:");

  // The white heading lies under the black one, a little up and left: a
  // shadow that lifts the black letters off the panel.
  Label2 = NewLabel(Panel1, "Label2", {6, 7, 302, 20}, heading, title, Qt::white);
  Label10 = NewLabel(Panel1, "Label10", {8, 8, 302, 20}, heading, title, kWindowText);
  Label3 = NewLabel(Panel1, "Label3", {8, 40, 169, 26},
                    QStringLiteral("Entrez les 8 premières lettres de votre Prénom! <maximum>"),
                    bold, kWindowText);
  Label3->setWordWrap(true);

  Edit10 = new QLineEdit(QString::fromUtf8(kDefaultHumanName), Panel1);
  Edit10->setObjectName(QStringLiteral("Edit10"));
  Edit10->setGeometry(184, 40, 129, 25);
  Edit10->setFont(title);
  SetColours(Edit10, kWindowText, Qt::white);

  Label8 = NewLabel(Panel1, "Label8", {8, 72, 155, 26},
                    QStringLiteral("Cochez cette case si vous désirez avoir le Son        "), bold,
                    QColor(0, 0, 255));
  Label8->setWordWrap(true);
  CheckBox1 = new QCheckBox(QStringLiteral("Je veux le Son"), Panel1);
  CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
  CheckBox1->setGeometry(184, 78, 113, 17);
  CheckBox1->setFont(bold);
  SetColours(CheckBox1, QColor(0, 0, 255), std::nullopt);

  Label9 = NewLabel(Panel1, "Label9", {8, 104, 155, 26},
                    QStringLiteral("Cochez cette case si vous désirez avoir l' Animation"), bold,
                    QColor(255, 0, 0));
  Label9->setWordWrap(true);
  CheckBox2 = new QCheckBox(QStringLiteral("Je veux l'Animation"), Panel1);
  CheckBox2->setObjectName(QStringLiteral("CheckBox2"));
  CheckBox2->setGeometry(184, 112, 129, 17);
  CheckBox2->setFont(bold);
  SetColours(CheckBox2, QColor(255, 0, 0), std::nullopt);

  Label12 =
      NewLabel(Panel1, "Label12", {8, 136, 157, 26},
               QStringLiteral("Entrez le nombre de Points pour cette partie."), bold, kOrange);
  Label12->setWordWrap(true);
  Edit11 = new QLineEdit(QString::number(kDefaultTargetScore), Panel1);
  Edit11->setObjectName(QStringLiteral("Edit11"));
  Edit11->setGeometry(184, 141, 49, 24);
  Edit11->setFont(TableFont(kPixels10pt, true));
  Edit11->setToolTip(QStringLiteral("Clic sur les flêches pour + ou -"));
  SetColours(Edit11, kOrange, Qt::white);
  UpDown1 = new TUpDown(Edit11, Panel1);
  UpDown1->setObjectName(QStringLiteral("UpDown1"));
  UpDown1->setGeometry(233, 141, 15, 24);
  UpDown1->UpButton()->setGeometry(0, 0, 15, 12);
  UpDown1->DownButton()->setGeometry(0, 12, 15, 12);
  UpDown1->setToolTip(QStringLiteral("Augmente ou diminue les points"));

  Label11 =
      NewLabel(Panel1, "Label11", {10, 168, 307, 13},
               QStringLiteral("Vous pourrez changer: Son, Animation, Points en cours de partie."),
               plain, kWindowText);
  // The lines without wrapping keep their width: their letters are drawn a
  // little narrower where the table's font is wider than the one they were
  // measured with.
  for (QLabel* l : {Label2, Label10, Label11}) FitToWidth(l);

  BoutonA = NewButton(Panel1, "BoutonA", {8, 184, 169, 25}, QStringLiteral("DACCORD"));
  BoutonQ = NewButton(Panel1, "BoutonQ", {184, 184, 137, 25}, QStringLiteral("QUITTER"));

  connect(Edit10, &QLineEdit::textEdited, this, &TForm1::Edit10Edited);
  connect(Edit11, &QLineEdit::textChanged, this, &TForm1::Edit11Change);
  connect(BoutonA, &QPushButton::clicked, this, &TForm1::BoutonAClick);
  connect(BoutonQ, &QPushButton::clicked, this, &TForm1::BoutonQClick);

  // The start sequence shows it once the table is up.
  Panel1->hide();
}

void TForm1::RestoreStacking() {
  Image13->raise();
  for (int slot = 1; slot <= 8; ++slot) HandImage(slot)->raise();
  for (QWidget* w : std::initializer_list<QWidget*>{Image9, Image10, Image11, Image12, Label4,
                                                    Label5, Label6, Label7, Meilleur, Panel1})
    w->raise();
}

}  // namespace belote
