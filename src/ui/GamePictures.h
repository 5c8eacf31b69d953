// The pictures the game reads from its Im folder, and the one report made
// at start when some of them cannot be read.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace belote {

// Every picture file the game loads, as paths relative to the game folder:
// the cards, the empty places, the suit signs, the suit chooser, the about
// box and its button, the window icon and the control panel's buttons.
QStringList GamePictureFiles();

// Those of GamePictureFiles() that are missing or cannot be read as a
// picture, looked for under `folder` (the working directory by default).
QStringList MissingPictures(const QString& folder = QString());

// The box text naming the missing pictures.
QString MissingPicturesText(const QStringList& missing);

// Looks for missing pictures once; when there are some, writes one line on
// stderr for scripts and shows one box to the player. The game goes on with
// empty places where the pictures would be. Returns the missing files.
QStringList ReportMissingPictures(QWidget* parent);

}  // namespace belote
