// The computer's memory figures shown in the about box.
#pragma once

#include <QLocale>
#include <QString>
#include <QtGlobal>

namespace belote {

struct MemoryStatus {
  quint64 totalBytes = 0;
  quint64 freeBytes = 0;
  quint64 freeSwapBytes = 0;
  int percentInUse = 0;
};

// Reads the figures from the system; all zeros when it cannot tell.
MemoryStatus ReadMemoryStatus();

// Reads the figures from the text of a /proc/meminfo file.
MemoryStatus ParseMemInfo(const QString& meminfoText);

// A count of kilobytes grouped by the locale's thousands separator, then the
// unit (" Ko" or " KB"). Zero shows no digits at all, only the unit.
QString FormatKiloBytes(quint64 kilobytes, const QString& unit, const QLocale& locale = QLocale());

// "57 %".
QString FormatPercent(int percent);

}  // namespace belote
