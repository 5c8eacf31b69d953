// The card table program: the main window, which shows the about box as it
// is made, then the event loop until the table closes.
#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QMessageBox>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>

#include "model/PictureFiles.h"
#include "ui/desktop/Desktop.h"
#include "ui/desktop/GamePictures.h"
#include "ui/table/Unit1.h"

namespace {

// The table reads its pictures, sounds and help page from the working
// directory. An installed game keeps them in share/games/belote beside its
// games folder (/usr/share/games/belote for /usr/games/belote), so when it is
// started from anywhere else (a menu, a terminal in the home folder) it moves
// there first. Started from a folder that has the pictures, such as the
// build's game folder, it stays where it is.
void MoveToDataFolder() {
  if (QDir(QStringLiteral("Im")).exists()) return;
  const QString data = QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                       QStringLiteral("/../share/games/belote"));
  if (QDir(data + QStringLiteral("/Im")).exists()) QDir::setCurrent(data);
}

}  // namespace

int main(int argc, char* argv[]) {
  const belote::DisplayEnvironment env = belote::ReadDisplayEnvironment();
  const QString platform = belote::ChoosePlatform(env);
  // Without a screen Qt would abort with a long message; say it in one line.
  if (platform.isEmpty()) {
    belote::TellNoDisplay(QStringLiteral("no graphical display found"));
    return 1;
  }
  // The choice is for this program only: a viewer started for the help page
  // picks its own.
  const bool platformChosenHere = env.platform.isEmpty();
  if (platformChosenHere) qputenv("QT_QPA_PLATFORM", platform.toLocal8Bit());
  std::unique_ptr<QApplication> application;
  belote::StartOnDisplay(belote::DisplayName(env, platform),
                         [&] { application = std::make_unique<QApplication>(argc, argv); });
  if (platformChosenHere) qunsetenv("QT_QPA_PLATFORM");
  belote::LoadQtFrench(*application);
  MoveToDataFolder();
  QApplication::setApplicationName(QStringLiteral("belote"));
  QApplication::setApplicationDisplayName(QStringLiteral("Belote"));
  QApplication::setWindowIcon(QIcon(belote::LoadGamePicture(
      QString::fromLatin1(belote::kIconPicture), application->devicePixelRatio())));

  try {
    belote::TForm1 form1;
    form1.show();
    return QApplication::exec();
  } catch (const std::exception& e) {
    QMessageBox::critical(nullptr, QStringLiteral("Belote"), QString::fromLocal8Bit(e.what()));
    return 1;
  }
}
