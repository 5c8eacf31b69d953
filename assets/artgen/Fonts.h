// Fonts of the pictures. They are read from the files of the Debian font
// packages (fonts-dejavu-core, fonts-liberation) so that the art comes out
// the same on every machine, whatever fonts the desktop prefers.
#pragma once

#include <QFont>
#include <QString>

namespace artgen {

enum class Face {
  SerifBold,   // card indices and titles
  SansBold,    // captions
  NarrowBold,  // long lines in little room
};

// Registers the font files; returns false and names the missing file when
// one cannot be read.
bool LoadFonts(QString* missing);

// A font of the face at an exact pixel size, so that text does not depend on
// the screen resolution of the machine that builds the art.
QFont MakeFont(Face face, double pixelSize);

}  // namespace artgen
