// The one safe way to read a file of the game folder that is not a picture:
// only a regular file, and never more than a size no such file comes near.
#pragma once

#include <QByteArray>
#include <QString>

namespace belote {

struct BoundedRead {
  enum class Result {
    Read,        // `data` holds the whole file
    Unreadable,  // missing, not a regular file, or refused by the system
    TooLarge,    // a regular file larger than the bound
  };
  Result result = Result::Unreadable;
  QByteArray data;
};

// Reads `path` whole when it is a regular file of at most `largest` bytes.
// Opening it never waits: a named pipe or a device is let go unread, even
// one put in the file's place a moment before.
BoundedRead ReadBoundedFile(const QString& path, qint64 largest);

}  // namespace belote
