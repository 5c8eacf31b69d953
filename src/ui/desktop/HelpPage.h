// The help page "Notice01.html" beside the game: shown by the desktop's
// viewer, or, where no viewer shows it, in a window of the game's own.
#pragma once

#include <QRect>
#include <QString>

class QProcess;
class QWidget;

namespace belote {

// The desktop's opener of documents.
inline constexpr const char* kDesktopOpener = "xdg-open";

// How long the opener may take to say whether it shows the page; one that
// has not answered by then is not waited for any longer.
inline constexpr int kOpenerPatienceMs = 5000;

// Opens the help page of the working directory with `opener` (a program
// given the page's path). When the opener is missing, cannot start, ends
// with an error or has not ended after `patienceMs`, the page is shown in
// the game's own help window, which `table` owns; an opener given up on is
// ended, as is one still running when the program ends. A missing page
// shows nothing at all; a page that cannot be shown (too large, not text)
// is not handed to the opener, and the help window says so instead. Returns
// the opener while it runs (it deletes itself when it ends), or nullptr
// when none was started.
// The game's own window opens beside the table, leaving `keepVisible` (the
// player's hand, in screen pixels) uncovered where the screen has room.
QProcess* OpenHelpPage(QWidget* table, const QString& opener = QString::fromLatin1(kDesktopOpener),
                       int patienceMs = kOpenerPatienceMs, QRect keepVisible = QRect());

// The game's own help window showing `page`, or a short message when the
// page cannot be shown; made once for `table` (and placed beside it, leaving
// `keepVisible` uncovered) and brought to the front on later calls. It is
// read line by line with the arrows, from heading to heading with H and
// Shift+H, and Escape closes it.
QWidget* ShowHelpWindow(QWidget* table, const QString& page, QRect keepVisible = QRect());

}  // namespace belote
