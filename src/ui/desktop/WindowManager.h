// What an X11 window manager tells the game's windows that Qt does not pass
// on: that it has put its frame around a window, and that the player asked to
// close a window while one of the game's boxes keeps Qt from telling it.
#pragma once

#include <QMargins>
#include <functional>

class QWidget;

namespace belote {

// Calls `known` with the frame's width on each side each time the window
// manager reports the frame it puts around the top-level `window`. Never
// called where there is no such report (no window manager, Wayland).
void WhenFrameKnown(QWidget* window, std::function<void(QMargins frame)> known);

// Calls `asked` each time the window manager asks the top-level `window` to
// close (its close button, Alt+F4), even while a modal box blocks it.
void WhenCloseAsked(QWidget* window, std::function<void()> asked);

}  // namespace belote
