#include "ui/desktop/HelpPage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <QWidget>
#include <optional>

#include "ui/desktop/BoundedFile.h"

namespace belote {

namespace {

constexpr const char* kHelpFile = "Notice01.html";

// Some forty times the game's own page: a larger one is not ours, and the
// text browser would hold up the table for seconds laying it out.
constexpr qint64 kLargestPage = 1024 * 1024;

// The page is styled for a web browser; Qt's text browser knows only part of
// that (no header bands, for one), and white titles would end up on white.
// It shows the page's own text under a plain style of ours instead.
constexpr const char* kPlainStyle =
    "h1, h2 { color: #006060; } h3 { color: #1c2870; }"
    "table { border-collapse: collapse; } th, td { border: 1px solid #b9d3cf; padding: 3px; }"
    "th { background-color: #d3e7e4; } kbd { font-family: monospace; }";

// The page as UTF-8 text. Nothing when there is no page at all; otherwise,
// when it cannot be shown, a short message for the player in `why`.
std::optional<QString> ReadHelpPage(const QString& page, QString* why) {
  const BoundedRead read = ReadBoundedFile(page, kLargestPage);
  if (read.result == BoundedRead::Result::TooLarge) {
    *why = QStringLiteral("La page d'aide %1 est trop grande pour être affichée.")
               .arg(QString::fromLatin1(kHelpFile));
    return std::nullopt;
  }
  if (read.result != BoundedRead::Result::Read) return std::nullopt;
  QStringDecoder utf8(QStringDecoder::Utf8);
  QString text = utf8(read.data);
  if (utf8.hasError() || read.data.contains('\0')) {
    *why = QStringLiteral("La page d'aide %1 est abîmée : ce n'est pas du texte.")
               .arg(QString::fromLatin1(kHelpFile));
    return std::nullopt;
  }
  return text;
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
  QString why;
  std::optional<QString> html = ReadHelpPage(page, &why);
  if (html) {
    static const QRegularExpression style(
        QStringLiteral("<style\\b.*?</style>"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    html->remove(style);
    // Pictures and links of the page are found beside it.
    browser->setSearchPaths({QFileInfo(page).absolutePath()});
    browser->setHtml(*html);
  } else {
    // Gone since it was asked for, or damaged: said in a line, never shown
    // as it is.
    browser->setPlainText(why.isEmpty() ? QStringLiteral("La page d'aide %1 est introuvable.")
                                              .arg(QString::fromLatin1(kHelpFile))
                                        : why);
  }
  const QString title = browser->documentTitle();
  window->setWindowTitle(title.isEmpty() ? QStringLiteral("Aide") : title);
  window->show();
  window->raise();
  window->activateWindow();
  return window;
}

QProcess* OpenHelpPage(QWidget* table, const QString& opener, int patienceMs) {
  const QString page = QDir::current().absoluteFilePath(QString::fromLatin1(kHelpFile));
  QString why;
  if (!ReadHelpPage(page, &why)) {
    // No page, nothing to show; a damaged one is not worth a viewer.
    if (!why.isEmpty()) ShowHelpWindow(table, page);
    return nullptr;
  }

  QPointer<QWidget> owner(table);
  const auto showOurs = [owner, page] {
    if (owner) ShowHelpWindow(owner, page);
  };
  const QString program = QStandardPaths::findExecutable(opener);
  if (program.isEmpty()) {
    showOurs();
    return nullptr;
  }
  // The opener normally starts the viewer and ends at once; it is waited for
  // without holding up the game, and only its verdict counts. It belongs to
  // no window, but ending it never ends the viewer it started: that is not
  // its child to take along.
  auto* process = new QProcess(QCoreApplication::instance());
  process->setProgram(program);
  process->setArguments({page});
  process->setStandardInputFile(QProcess::nullDevice());
  process->setStandardOutputFile(QProcess::nullDevice());
  auto* patience = new QTimer(process);
  patience->setSingleShot(true);
  // Ends the opener and waits for it, so that it is not left behind.
  const auto end = [process, patience] {
    patience->stop();
    process->disconnect();
    process->kill();
    process->waitForFinished(1000);
  };
  QObject::connect(process, &QProcess::errorOccurred, process,
                   [process, patience, showOurs](QProcess::ProcessError error) {
                     if (error != QProcess::FailedToStart) return;
                     patience->stop();
                     showOurs();
                     process->deleteLater();
                   });
  QObject::connect(process, &QProcess::finished, process,
                   [process, patience, showOurs](int code, QProcess::ExitStatus status) {
                     patience->stop();
                     if (status != QProcess::NormalExit || code != 0) showOurs();
                     process->deleteLater();
                   });
  // An opener that has not answered by now may never answer: the page shows
  // here instead.
  QObject::connect(patience, &QTimer::timeout, process, [process, end, showOurs] {
    end();
    showOurs();
    process->deleteLater();
  });
  // Nor is one still waiting left running when the program ends.
  QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, process, end);
  patience->start(patienceMs);
  process->start();
  return process;
}

}  // namespace belote
