// The small pictures of the control panel's buttons (16 x 16) and the
// window icon, drawn at any size from one design.
#pragma once

#include <QColor>
#include <QImage>

namespace artgen {

// Bitmaps cannot be see-through, so the button pictures stand on the usual
// face colour of buttons; the window may mask this colour out.
inline const QColor kButtonFace(240, 240, 240);

QImage DrawTapisButton();      // table colour: a painter's palette on the cloth
QImage DrawAideButton();       // help: a question mark in a blue disc
QImage DrawQuitterButton();    // quit: an open door with an arrow going out
QImage DrawSonButton();        // sound: a loudspeaker with its waves
QImage DrawAnimationButton();  // animation: a card gliding, with speed lines

// The game's icon at size x size, on a see-through background: two fanned
// cards, a heart and a spade.
QImage DrawIcon(int size);

}  // namespace artgen
