#include "ui/desktop/HelpPage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <QWidget>

namespace belote {

namespace {

constexpr const char* kHelpFile = "Notice01.html";

// The page is styled for a web browser; Qt's text browser knows only part of
// that (no header bands, for one), and white titles would end up on white.
// It shows the page's own text under a plain style of ours instead.
constexpr const char* kPlainStyle =
    "h1, h2 { color: #006060; } h3 { color: #1c2870; }"
    "table { border-collapse: collapse; } th, td { border: 1px solid #b9d3cf; padding: 3px; }"
    "th { background-color: #d3e7e4; } kbd { font-family: monospace; }";

QString PageWithoutItsStyle(const QString& page) {
  QFile file(page);
  if (!file.open(QIODevice::ReadOnly)) return {};
  QString html = QString::fromUtf8(file.readAll());
  static const QRegularExpression style(
      QStringLiteral("<style\\b.*?</style>"),
      QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
  html.remove(style);
  return html;
}

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
    browser->document()->setDefaultStyleSheet(QString::fromLatin1(kPlainStyle));
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser);
    window->resize(640, 560);
  }
  auto* browser = window->findChild<QTextBrowser*>(QStringLiteral("HelpText"));
  // Pictures and links of the page are found beside it.
  browser->setSearchPaths({QFileInfo(page).absolutePath()});
  browser->setHtml(PageWithoutItsStyle(page));
  const QString title = browser->documentTitle();
  window->setWindowTitle(title.isEmpty() ? QStringLiteral("Aide") : title);
  window->show();
  window->raise();
  window->activateWindow();
  return window;
}

QProcess* OpenHelpPage(QWidget* table, const QString& opener) {
  const QString page = QDir::current().absoluteFilePath(QString::fromLatin1(kHelpFile));
  if (!QFileInfo(page).isFile()) return nullptr;

  QPointer<QWidget> owner(table);
  const auto showOurs = [owner, page] {
    if (owner) ShowHelpWindow(owner, page);
  };
  const QString program = QStandardPaths::findExecutable(opener);
  if (program.isEmpty()) {
    showOurs();
    return nullptr;
  }
  // The opener may stay while the viewer it started is open; it is waited
  // for without holding up the game, and only its verdict counts. It belongs
  // to no window: leaving the game must not take the player's browser with
  // it, so an opener still running then is left to run.
  auto* process = new QProcess;
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
  return process;
}

}  // namespace belote
