#include "ui/desktop/MemoryStatus.h"

#include <QFile>
#include <QStringList>

#ifdef Q_OS_LINUX
#include <sys/sysinfo.h>
#endif

namespace belote {

namespace {

int PercentInUse(quint64 total, quint64 available) {
  if (total == 0) return 0;
  if (available > total) available = total;
  return static_cast<int>(100 * (total - available) / total);
}

}  // namespace

MemoryStatus ParseMemInfo(const QString& meminfoText) {
  quint64 totalKb = 0, availableKb = 0, freeKb = 0, swapFreeKb = 0;
  bool haveAvailable = false;
  const QStringList lines = meminfoText.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  for (const QString& line : lines) {
    const QStringList parts = line.simplified().split(QLatin1Char(' '));
    if (parts.size() < 2) continue;
    bool ok = false;
    const quint64 value = parts[1].toULongLong(&ok);
    if (!ok) continue;
    const QString& key = parts[0];
    if (key == QLatin1String("MemTotal:")) {
      totalKb = value;
    } else if (key == QLatin1String("MemAvailable:")) {
      availableKb = value;
      haveAvailable = true;
    } else if (key == QLatin1String("MemFree:")) {
      freeKb = value;
    } else if (key == QLatin1String("SwapFree:")) {
      swapFreeKb = value;
    }
  }
  // Older kernels have no estimate of the memory available; the free memory
  // is the nearest figure they give.
  if (!haveAvailable) availableKb = freeKb;

  MemoryStatus status;
  status.totalBytes = totalKb * 1024;
  status.freeBytes = availableKb * 1024;
  status.freeSwapBytes = swapFreeKb * 1024;
  status.percentInUse = PercentInUse(status.totalBytes, status.freeBytes);
  return status;
}

MemoryStatus ReadMemoryStatus() {
  QFile meminfo(QStringLiteral("/proc/meminfo"));
  if (meminfo.open(QIODevice::ReadOnly | QIODevice::Text)) {
    const MemoryStatus status = ParseMemInfo(QString::fromLatin1(meminfo.readAll()));
    if (status.totalBytes != 0) return status;
  }
#ifdef Q_OS_LINUX
  struct sysinfo info {};
  if (sysinfo(&info) == 0) {
    const quint64 unit = info.mem_unit == 0 ? 1 : info.mem_unit;
    MemoryStatus status;
    status.totalBytes = quint64{info.totalram} * unit;
    status.freeBytes = quint64{info.freeram} * unit;
    status.freeSwapBytes = quint64{info.freeswap} * unit;
    status.percentInUse = PercentInUse(status.totalBytes, status.freeBytes);
    return status;
  }
#endif
  return {};
}

QString FormatKiloBytes(quint64 kilobytes, const QString& unit, const QLocale& locale) {
  if (kilobytes == 0) return unit;
  // Always grouped, whatever the locale says by default (the C locale leaves
  // the separator out unless asked).
  QLocale grouped = locale;
  grouped.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
  return grouped.toString(static_cast<qulonglong>(kilobytes)) + unit;
}

QString FormatPercent(int percent) {
  return QStringLiteral("%1 %").arg(percent);
}

}  // namespace belote
