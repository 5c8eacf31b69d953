#include "ui/HelpPage.h"

#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <QWidget>

namespace belote {

namespace {

constexpr const char* kHelpFile = "Notice01.html";

}  // namespace

QWidget* ShowHelpWindow(QWidget* table, const QString& page) {
  auto* window = table != nullptr ? table->findChild<QWidget*>(QStringLiteral("HelpWindow"),
                                                               Qt::FindDirectChildrenOnly)
                                  : nullptr;
  if (window == nullptr) {
    // A window of its own beside the table, not a box: the player reads it
    // while he plays.
    window = new QWidget(table, Qt::Window);
    window->setObjectName(QStringLiteral("HelpWindow"));
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    auto* browser = new QTextBrowser(window);
    browser->setObjectName(QStringLiteral("HelpText"));
    // Links to the web leave for the desktop's browser; links within the
    // page stay here.
    browser->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser);
    window->resize(640, 560);
  }
  auto* browser = window->findChild<QTextBrowser*>(QStringLiteral("HelpText"));
  browser->setSource(QUrl::fromLocalFile(page));
  const QString title = browser->documentTitle();
  window->setWindowTitle(title.isEmpty() ? QStringLiteral("Aide") : title);
  window->show();
  window->raise();
  window->activateWindow();
  return window;
}

void OpenHelpPage(QWidget* table, const QString& opener) {
  const QString page = QDir::current().absoluteFilePath(QString::fromLatin1(kHelpFile));
  if (!QFileInfo(page).isFile()) return;

  QPointer<QWidget> owner(table);
  const auto showOurs = [owner, page] {
    if (owner) ShowHelpWindow(owner, page);
  };
  const QString program = QStandardPaths::findExecutable(opener);
  if (program.isEmpty()) {
    showOurs();
    return;
  }
  // The opener may stay while the viewer it started is open; it is waited
  // for without holding up the game, and only its verdict counts.
  auto* process = new QProcess(table);
  process->setProgram(program);
  process->setArguments({page});
  process->setStandardInputFile(QProcess::nullDevice());
  process->setStandardOutputFile(QProcess::nullDevice());
  QObject::connect(process, &QProcess::errorOccurred, process,
                   [process, showOurs](QProcess::ProcessError error) {
                     if (error != QProcess::FailedToStart) return;
                     showOurs();
                     process->deleteLater();
                   });
  QObject::connect(process, &QProcess::finished, process,
                   [process, showOurs](int code, QProcess::ExitStatus status) {
                     if (status != QProcess::NormalExit || code != 0) showOurs();
                     process->deleteLater();
                   });
  process->start();
}

}  // namespace belote
