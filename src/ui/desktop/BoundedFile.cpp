#include "ui/desktop/BoundedFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>

namespace belote {

BoundedRead ReadBoundedFile(const QString& path, qint64 largest) {
  BoundedRead out;
  // Opened before it is looked at, and looked at through what was opened:
  // nothing can take the file's place in between. Without O_NONBLOCK,
  // opening a named pipe would wait for a writer for ever.
  const QByteArray name = QFile::encodeName(path);
  const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return out;
  struct stat status {};
  if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
    ::close(fd);
    return out;
  }
  if (status.st_size > largest) {
    ::close(fd);
    out.result = BoundedRead::Result::TooLarge;
    return out;
  }
  out.data.reserve(static_cast<qsizetype>(status.st_size));
  char buffer[64 * 1024];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      ::close(fd);
      return {};
    }
    if (n == 0) break;
    out.data.append(buffer, static_cast<qsizetype>(n));
    // The file may have grown since it was looked at.
    if (out.data.size() > largest) {
      ::close(fd);
      return {BoundedRead::Result::TooLarge, {}};
    }
  }
  ::close(fd);
  out.result = BoundedRead::Result::Read;
  return out;
}

}  // namespace belote
