// The about box shown once at start: the game's artwork, its version line and
// four figures about the computer's memory; only its picture button closes it.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QWidget;

namespace belote {

// Family of the about box's lettering.
inline constexpr const char* kAboutFont = "Liberation Sans Narrow";

class TFormApropos : public QDialog {
  Q_OBJECT

 public:
  explicit TFormApropos(QWidget* parent = nullptr);

  QWidget* Panel1;
  QLabel* Logo;
  QLabel* Label6;
  QLabel* MemLibre;
  QLabel* MemDisque;
  QLabel* MemPhysique;
  QLabel* MemUtile;
  QPushButton* BitBtn2;

  // Fills the four memory figures.
  void FormShow();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void reject() override;
  void showEvent(QShowEvent* event) override;

 private:
  void BitBtn2Click();
  bool closingByButton_ = false;
};

}  // namespace belote
