#include "services/transcriptreader.h"

#include <QByteArray>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Brindlewick {

std::optional<QString> TranscriptReader::tailText(const QString &path, qint64 maxBytes) {
    if (maxBytes <= 0)
        return std::nullopt;
    // Non-blocking, so that a FIFO or device named as the transcript cannot stall the server
    // thread; it fails the regular-file check.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};

    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;

    // A failed seek is ignored: the read then starts at the beginning and is still bounded.
    bool fromStart = true;
    if (st.st_size > maxBytes)
        fromStart = ::lseek(fd, off_t(st.st_size - maxBytes), SEEK_SET) < 0;

    // Some regular files (under /proc, for one) report a size of 0 and still have content.
    const qint64 capacity = st.st_size > 0 ? qMin<qint64>(maxBytes, st.st_size) : maxBytes;
    QByteArray bytes(int(qMin<qint64>(capacity, 1 << 30)), Qt::Uninitialized);
    qint64 filled = 0;
    while (filled < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + filled, size_t(bytes.size() - filled));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return std::nullopt;
        }
        if (n == 0)
            break;
        filled += n;
    }
    if (filled == 0)
        return std::nullopt;
    bytes.truncate(int(filled));

    QString text = QString::fromUtf8(bytes);
    if (!fromStart) {
        const int newline = text.indexOf(QLatin1Char('\n'));
        if (newline >= 0)
            text.remove(0, newline + 1);
    }
    return text;
}

} // namespace Brindlewick
