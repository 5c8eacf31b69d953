// The help page "Notice01.html" beside the game: shown by the desktop's
// viewer, or, where no viewer shows it, in a window of the game's own.
#pragma once

#include <QString>

class QProcess;
class QWidget;

namespace belote {

// The desktop's opener of documents.
inline constexpr const char* kDesktopOpener = "xdg-open";

// Opens the help page of the working directory with `opener` (a program
// given the page's path). When the opener is missing, cannot start or ends
// with an error, the page is shown in the game's own help window, which
// `table` owns. A missing page shows nothing at all. Returns the opener while
// it runs (it deletes itself when it ends), or nullptr when none was started.
QProcess* OpenHelpPage(QWidget* table, const QString& opener = QString::fromLatin1(kDesktopOpener));

// The game's own help window showing `page`; made once for `table` and
// brought to the front on later calls.
QWidget* ShowHelpWindow(QWidget* table, const QString& page);

}  // namespace belote
