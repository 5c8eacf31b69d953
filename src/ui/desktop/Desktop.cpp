#include "ui/desktop/Desktop.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QSettings>
#include <QStringList>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>

namespace belote {

namespace {

QString Variable(const char* name) {
  return qEnvironmentVariable(name);
}

// Messages held back while the window system is opened.
QStringList& HeldMessages() {
  static QStringList held;
  return held;
}

QString& OpeningDisplay() {
  static QString name;
  return name;
}

// What the window system's own libraries write straight to the error output
// while the display is opened (Wayland's client library does), kept in a
// file until it is known whether the display opened.
struct HeldOutput {
  std::FILE* file = nullptr;
  int savedError = -1;
};
HeldOutput& Held() {
  static HeldOutput held;
  return held;
}

void HoldErrorOutput() {
  HeldOutput& h = Held();
  std::fflush(stderr);
  h.file = std::tmpfile();
  if (h.file == nullptr) return;
  h.savedError = dup(STDERR_FILENO);
  if (h.savedError < 0 || dup2(fileno(h.file), STDERR_FILENO) < 0) {
    std::fclose(h.file);
    h.file = nullptr;
  }
}

// Puts the error output back; `replay` writes what was held to it.
void ReleaseErrorOutput(bool replay) {
  HeldOutput& h = Held();
  if (h.file == nullptr) return;
  std::fflush(stderr);
  dup2(h.savedError, STDERR_FILENO);
  close(h.savedError);
  if (replay) {
    std::rewind(h.file);
    char buffer[4096];
    size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, h.file)) > 0)
      std::fwrite(buffer, 1, n, stderr);
  }
  std::fclose(h.file);
  h = {};
}

// How to run the game anyway when no display opens.
constexpr char kRunAnyway[] = "; run it under a desktop session or with: xvfb-run ./belote";

// Platforms Qt has no plugin for, named in its messages while the window
// system is opened.
QStringList& UnknownPlatforms() {
  static QStringList names;
  return names;
}

// The one line said when Qt gives up on its platform (its last message is
// `fatal`): a platform that does not exist is a wrong name, not a display
// that could not be opened.
QByteArray FailureLine(const QString& fatal) {
  QStringList displays = OpeningDisplay().split(QStringLiteral(" or "), Qt::SkipEmptyParts);
  QStringList parts;
  if (!UnknownPlatforms().isEmpty()) {
    for (const QString& name : UnknownPlatforms()) displays.removeAll(name);
    QString part = QStringLiteral("no Qt platform plugin named ") +
                   UnknownPlatforms().join(QLatin1String(" or "));
    static const QRegularExpression available(
        QStringLiteral("Available platform plugins are: ([^\\n]*[^.\\n])"));
    const QRegularExpressionMatch known = available.match(fatal);
    if (known.hasMatch()) part += QStringLiteral(" (there are: ") + known.captured(1) + u')';
    parts << part;
  }
  if (!displays.isEmpty() || parts.isEmpty())
    parts << QStringLiteral("cannot open the display ") + displays.join(QLatin1String(" or "));
  QString line = QStringLiteral("belote: ") + parts.join(QLatin1String("; "));
  if (!displays.isEmpty()) line += QLatin1String(kRunAnyway);
  return line.toLocal8Bit() + '\n';
}

void HoldOrFail(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type == QtFatalMsg) {
    // Qt gives up on its platform: say why in one line and leave without
    // the abort and its core dump.
    ReleaseErrorOutput(false);
    std::fputs(FailureLine(message).constData(), stderr);
    std::fflush(stderr);
    std::_Exit(1);
  }
  static const QRegularExpression notFound(
      QStringLiteral("^Could not find the Qt platform plugin \"([^\"]*)\""));
  const QRegularExpressionMatch unknown = notFound.match(message);
  if (unknown.hasMatch()) UnknownPlatforms() << unknown.captured(1);
  HeldMessages().append(qFormatLogMessage(type, context, message));
}

}  // namespace

void TellNoDisplay(const QString& why) {
  const QByteArray line = "belote: " + why.toLocal8Bit() + kRunAnyway + '\n';
  std::fputs(line.constData(), stderr);
  std::fflush(stderr);
}

DisplayEnvironment ReadDisplayEnvironment() {
  return {Variable("QT_QPA_PLATFORM"), Variable("DISPLAY"), Variable("WAYLAND_DISPLAY")};
}

QString ChoosePlatform(const DisplayEnvironment& env) {
  if (!env.platform.isEmpty()) return env.platform;
  if (!env.x11Display.isEmpty()) {
    // A Wayland session whose X server is gone still has its compositor.
    return env.waylandDisplay.isEmpty() ? QStringLiteral("xcb") : QStringLiteral("xcb;wayland");
  }
  if (!env.waylandDisplay.isEmpty()) return QStringLiteral("wayland");
  return {};
}

QString DisplayName(const DisplayEnvironment& env, const QString& platform) {
  QStringList names;
  for (const QString& p : platform.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
    const QString kind = p.section(QLatin1Char(':'), 0, 0);
    if (kind == QLatin1String("xcb")) {
      names << (env.x11Display.isEmpty() ? QStringLiteral(":0") : env.x11Display);
    } else if (kind.startsWith(QLatin1String("wayland"))) {
      names << (env.waylandDisplay.isEmpty() ? QStringLiteral("wayland-0") : env.waylandDisplay);
    } else {
      names << kind;
    }
  }
  names.removeDuplicates();
  return names.join(QLatin1String(" or "));
}

void StartOnDisplay(const QString& displayName, const std::function<void()>& start) {
  OpeningDisplay() = displayName;
  HeldMessages().clear();
  UnknownPlatforms().clear();
  const QtMessageHandler previous = qInstallMessageHandler(HoldOrFail);
  HoldErrorOutput();
  start();
  ReleaseErrorOutput(true);
  qInstallMessageHandler(previous);
  for (const QString& m : HeldMessages()) std::fprintf(stderr, "%s\n", qPrintable(m));
  HeldMessages().clear();
}

void KeepQtSettingsInMemory() {
  // Qt keeps them in a settings file, QtProject.conf. The game writes no
  // file, and a named pipe found there would freeze it for good. Below
  // /dev/null, which is no folder, no file can be read and no folder can be
  // made, whoever runs the game.
  const QString nowhere = QStringLiteral("/dev/null/belote");
  for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat}) {
    for (const QSettings::Scope scope : {QSettings::UserScope, QSettings::SystemScope})
      QSettings::setPath(format, scope, nowhere);
  }
}

bool LoadQtFrench(QCoreApplication& app) {
  // Owned by the application, so that it lives as long as the texts it gives.
  auto* french = new QTranslator(&app);
  if (!french->load(QLocale(QLocale::French), QStringLiteral("qt"), QStringLiteral("_"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete french;
    return false;
  }
  return QCoreApplication::installTranslator(french);
}

}  // namespace belote
