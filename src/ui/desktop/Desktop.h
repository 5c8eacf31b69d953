// How the game settles into the desktop it is started on: which of the
// window systems it talks to, one clear line when that cannot be opened, and
// Qt's own dialogs in French like the rest of the game, keeping no file.
#pragma once

#include <QString>
#include <functional>

class QCoreApplication;

namespace belote {

// What the environment says about the displays: the values of
// QT_QPA_PLATFORM, DISPLAY and WAYLAND_DISPLAY (empty when unset).
struct DisplayEnvironment {
  QString platform;
  QString x11Display;
  QString waylandDisplay;
};
DisplayEnvironment ReadDisplayEnvironment();

// The Qt platform the game asks for. The table places its boxes over itself,
// which only an X server allows, so an X server is used wherever there is
// one, XWayland included; native Wayland only without one. A platform the
// user named is kept. Empty when there is no display at all.
QString ChoosePlatform(const DisplayEnvironment& env);

// The display the platform would open, for the message that it could not
// be: ":0" for X11, "wayland-0" for Wayland, both for a fall-back list.
QString DisplayName(const DisplayEnvironment& env, const QString& platform);

// Writes the one line that says why the game cannot show itself, with how to
// run it anyway: "belote: <why>; run it under a desktop session ...".
void TellNoDisplay(const QString& why);

// Runs `start` (which makes the application object). Qt's messages while the
// window system is being opened are held back; if the display cannot be
// opened, one line naming it (or naming the platform that Qt has no plugin
// for) is written and the program ends with exit code 1 instead of Qt's
// abort. Otherwise the held messages are written as usual.
void StartOnDisplay(const QString& displayName, const std::function<void()>& start);

// Keeps what Qt's own dialogs remember (the colour chooser's custom colours)
// for this session only: Qt reads and writes no settings file of the user's
// nor of the system's from then on, and makes no folder for one.
void KeepQtSettingsInMemory();

// Loads Qt's own French texts (colour chooser, standard buttons ...) into
// `app`; false when Debian's translations are not installed.
bool LoadQtFrench(QCoreApplication& app);

}  // namespace belote
