// Where the build lays out the game's pictures, sounds and help page.
#pragma once

#include <QImage>
#include <QString>

inline QString GamePath(const QString& relative) {
  return QStringLiteral(BELOTE_GAME_DIR "/") + relative;
}

inline QImage LoadGameImage(const QString& relative) {
  return QImage(GamePath(relative)).convertToFormat(QImage::Format_RGB32);
}

inline QString CardFile(int picture) {
  return QStringLiteral("Im/%1.Bmp").arg(picture);
}
