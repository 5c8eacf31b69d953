#include "ui/desktop/GameSound.h"

#include <QDir>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

namespace belote {

void GameSound::Play(const std::string& file) {
  if (effect_ == nullptr) effect_ = new QSoundEffect(owner_);
  effect_->stop();
  // A missing file is not even handed to the multimedia back end: that only
  // fills the terminal with decoding errors, and its failed loads leave
  // memory behind.
  const QString path = QDir::current().absoluteFilePath(QString::fromStdString(file));
  if (!QFileInfo::exists(path)) return;
  effect_->setSource(QUrl::fromLocalFile(path));
  effect_->play();
}

}  // namespace belote
