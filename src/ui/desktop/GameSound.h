// The game's sound effects, played one at a time from the So folder.
#pragma once

#include <QObject>
#include <string>

class QSoundEffect;

namespace belote {

class GameSound {
 public:
  // `owner` keeps the player for as long as the table lives.
  explicit GameSound(QObject* owner) : owner_(owner) {}

  // Starts `file` ("So/C.Wav", from the working directory) and returns at
  // once; a new sound cuts the one still playing. A missing file stays silent.
  void Play(const std::string& file);

 private:
  QObject* owner_;
  QSoundEffect* effect_ = nullptr;
};

}  // namespace belote
