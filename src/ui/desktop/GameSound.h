// The game's sounds: each file of the So folder is read by the game itself,
// as safely as its pictures, and only its bytes reach the multimedia back
// end, never the file.
#pragma once

#include <QByteArray>
#include <QString>

class QObject;
class QSoundEffect;

namespace belote {

// The bytes of the sound `path` when it is a regular file of a sound's
// size holding a WAV sound the back end can play; empty otherwise (a
// missing file, a named pipe, a device, a huge file, anything but a sound).
QByteArray ReadGameSound(const QString& path);

class GameSound {
 public:
  // The player of sounds lives as long as `owner`.
  explicit GameSound(QObject* owner) : owner_(owner) {}

  // Plays `file` (a path from the working directory). A new sound cuts the
  // one still playing; a file that cannot be played stays silent.
  void Play(const QString& file);

 private:
  QObject* owner_;
  QSoundEffect* effect_ = nullptr;
};

}  // namespace belote
