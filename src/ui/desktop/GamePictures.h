// The pictures the game reads from its Im folder, the one way every one of
// them is read, and the one report made at start when some cannot be read.
#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>
#include <QStringList>

namespace belote {

// Reads one picture file whole. Anything that is not a regular file (a
// named pipe, a device, a folder) is not even opened, and a bitmap whose
// pixel data stops short of what its header announces is refused: both
// give a null image, as a missing file does. A file is decoded once for the
// whole program: reading it again gives the same picture, until its size or
// time changes.
QImage ReadGamePicture(const QString& path);

// The picture to show for `file` on a screen of the given pixel ratio.
// Above 1 the twice-sized picture is used when it can be read, with its
// pixel ratio set so that it covers the same table pixels as the original;
// otherwise, and always at 1, the original. Null when neither reads.
QPixmap LoadGamePicture(const QString& file, qreal pixelRatio);

// Those of the game's pictures (GamePictureFiles) that are missing or cannot be read as a
// picture, looked for under `folder` (the working directory by default).
QStringList MissingPictures(const QString& folder = QString());

// The box text naming the missing pictures; a long list is set several
// names to a line, so that the box fits a small screen.
QString MissingPicturesText(const QStringList& missing);

// Looks for missing pictures; when there are some, writes one line on stderr
// for scripts and returns them, for the table to tell the player in a box
// (MissingPicturesText). The game goes on with empty places where the
// pictures would be.
QStringList ReportMissingPictures();

}  // namespace belote
