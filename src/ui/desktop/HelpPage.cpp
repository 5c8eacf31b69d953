#include "ui/desktop/HelpPage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPointer>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <QWidget>
#include <optional>

#include "ui/commands/Commands.h"
#include "ui/desktop/BoundedFile.h"
#include "ui/desktop/ScreenPlacement.h"

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

// The game's own window for the help page. The page has a caret, so that a
// screen reader reads it line by line as the arrows move it, and the keys of
// the help page take the caret from heading to heading or close the window.
class HelpWindow : public QWidget {
 public:
  explicit HelpWindow(QWidget* table)
      : QWidget(table, Qt::Window), browser_(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("HelpWindow"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    browser_->setObjectName(QStringLiteral("HelpText"));
    browser_->setAccessibleName(QStringLiteral("Aide"));
    browser_->setTextInteractionFlags(Qt::TextBrowserInteraction | Qt::TextSelectableByKeyboard);
    // Links to the web leave for the desktop's browser; links within the
    // page stay here.
    browser_->setOpenExternalLinks(true);
    browser_->document()->setDefaultStyleSheet(QString::fromLatin1(kPlainStyle));
    browser_->installEventFilter(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(kWidth, kHeight);
  }

  QTextBrowser* Browser() const { return browser_; }

  // Beside the table, leaving `keepVisible` uncovered where there is room.
  void PlaceBeside(const QWidget* table, QRect keepVisible) {
    const QScreen* screen = table->screen();
    if (screen == nullptr) return;
    // The window manager's frame will be as wide as the table's.
    const QMargins frame = FrameMargins(table);
    const QRect place = PlaceBesideTable(screen->availableGeometry(), table->frameGeometry(),
                                         keepVisible, QSize(kWidth, kHeight).grownBy(frame));
    resize(place.size().shrunkBy(frame));
    move(place.topLeft());
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != browser_ || event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const Order order =
        keys_.Press(KeyPlace::HelpPage, key->key(), key->modifiers(), key->isAutoRepeat());
    switch (order.command) {
      case Command::NextHeading:
        ToHeading(true);
        return true;
      case Command::PreviousHeading:
        ToHeading(false);
        return true;
      case Command::CloseWindow:
        close();
        return true;
      default:
        return false;
    }
  }

 private:
  static constexpr int kWidth = 640;
  static constexpr int kHeight = 560;

  // Moves the caret to the start of the next (or previous) heading.
  void ToHeading(bool forward) {
    QTextCursor cursor = browser_->textCursor();
    QTextBlock block = cursor.block();
    for (block = forward ? block.next() : block.previous(); block.isValid();
         block = forward ? block.next() : block.previous()) {
      if (block.blockFormat().headingLevel() > 0) {
        cursor.setPosition(block.position());
        browser_->setTextCursor(cursor);
        browser_->ensureCursorVisible();
        return;
      }
    }
  }

  QTextBrowser* browser_;
  KeyReader keys_;
};

}  // namespace

QWidget* ShowHelpWindow(QWidget* table, const QString& page, QRect keepVisible) {
  auto* window = table != nullptr ? table->findChild<HelpWindow*>(QStringLiteral("HelpWindow"),
                                                                  Qt::FindDirectChildrenOnly)
                                  : nullptr;
  if (window == nullptr) {
    // A window of its own beside the table, not a box: the player reads it
    // while he plays.
    window = new HelpWindow(table);
    if (table != nullptr) window->PlaceBeside(table, keepVisible);
  }
  QTextBrowser* browser = window->Browser();
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
  browser->setFocus(Qt::OtherFocusReason);
  return window;
}

QProcess* OpenHelpPage(QWidget* table, const QString& opener, int patienceMs, QRect keepVisible) {
  const QString page = QDir::current().absoluteFilePath(QString::fromLatin1(kHelpFile));
  QString why;
  if (!ReadHelpPage(page, &why)) {
    // No page, nothing to show; a damaged one is not worth a viewer.
    if (!why.isEmpty()) ShowHelpWindow(table, page, keepVisible);
    return nullptr;
  }

  QPointer<QWidget> owner(table);
  const auto showOurs = [owner, page, keepVisible] {
    if (owner) ShowHelpWindow(owner, page, keepVisible);
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
