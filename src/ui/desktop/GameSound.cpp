#include "ui/desktop/GameSound.h"

#include <QAudioFormat>
#include <QBuffer>
#include <QDir>
#include <QSoundEffect>
#include <QUrl>
#include <QWaveDecoder>

#include "ui/desktop/BoundedFile.h"

namespace belote {

namespace {

// Far more than the longest sound of the game (under 60 KB).
constexpr qint64 kLargestSound = 16 * 1024 * 1024;

// Whether the back end will make a sound of `data`: anything else only fills
// the terminal with its decoding errors and leaves memory behind.
bool IsPlayableWav(const QByteArray& data) {
  QBuffer buffer;
  buffer.setData(data);
  if (!buffer.open(QIODevice::ReadOnly)) return false;
  // The decoder reads the header at once when all of it is there.
  QWaveDecoder decoder(&buffer);
  if (!decoder.open(QIODevice::ReadOnly)) return false;
  return decoder.audioFormat().isValid() && decoder.size() > 0;
}

}  // namespace

QByteArray ReadGameSound(const QString& path) {
  BoundedRead read = ReadBoundedFile(path, kLargestSound);
  if (read.result != BoundedRead::Result::Read || !IsPlayableWav(read.data)) return {};
  return std::move(read.data);
}

void GameSound::Play(const QString& file) {
  if (effect_ == nullptr) effect_ = new QSoundEffect(owner_);
  effect_->stop();
  const QByteArray sound = ReadGameSound(QDir::current().absoluteFilePath(file));
  if (sound.isEmpty()) return;
  // The back end is given the sound itself, in the link: it reads the file
  // in a thread of its own, which a named pipe put in the file's place would
  // block for ever, and the program with it when it ends.
  effect_->setSource(
      QUrl(QStringLiteral("data:audio/wav;base64,") + QString::fromLatin1(sound.toBase64())));
  effect_->play();
}

}  // namespace belote
