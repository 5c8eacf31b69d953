#include "ui/table/QtTableWindow.h"

#include "engine/Bidding.h"
#include "ui/table/Unit1.h"

namespace belote {

namespace {

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

void QtTableWindow::SetText(Control c, std::string_view text) {
  form_.ShowText(c, FromUtf8(text));
}

void QtTableWindow::LoadPicture(Control image, std::string_view file) {
  files_[image] = FromUtf8(file);
  form_.ShowPicture(image, files_[image]);
}

void QtTableWindow::CopyPicture(Control from, Control to) {
  files_[to] = files_[from];
  form_.ShowPicture(to, files_[to]);
}

void QtTableWindow::SetImageLeft(Control image, int left) {
  form_.MoveImage(image, left, std::nullopt);
}

void QtTableWindow::SetImageTop(Control image, int top) {
  form_.MoveImage(image, std::nullopt, top);
}

void QtTableWindow::StartAnimationTimer() {
  form_.StartGlide();
}

void QtTableWindow::Pause() {
  form_.Pause();
}

int QtTableWindow::MessageBox(Box box, const std::string& text, Buttons buttons,
                              std::optional<BoxPlace> place) {
  return form_.ShowEngineBox(box, text, buttons, place);
}

void QtTableWindow::RunSuitChooser() {
  form_.RunSuitChooser([this](int x) { return SuitChooserPress(state_, *this, x); });
}

void QtTableWindow::PlaySound(const std::string& file) {
  form_.PlaySound(file);
}

void QtTableWindow::Quit() {
  form_.Quit();
}

bool QtTableWindow::Closing() const {
  return form_.Closing();
}

}  // namespace belote
