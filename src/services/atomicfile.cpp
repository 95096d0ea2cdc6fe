#include "services/atomicfile.h"

#include "services/localization.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Brindlewick {

namespace {

Error writeError(const QString &path, int error)
{
    return Error{L("%1$@ を書き込めませんでした（%2$@）。", path, QString::fromLocal8Bit(std::strerror(error)))};
}

// Closes the descriptor and removes the temporary file unless the rename took it over.
class TempFile {
public:
    explicit TempFile(QByteArray pathTemplate) : m_path(std::move(pathTemplate))
    {
        m_fd = ::mkostemp(m_path.data(), O_CLOEXEC);
        m_exists = m_fd >= 0;
    }
    ~TempFile()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        if (m_exists)
            ::unlink(m_path.constData());
    }
    TempFile(const TempFile &) = delete;
    TempFile &operator=(const TempFile &) = delete;

    bool opened() const { return m_fd >= 0; }
    int fd() const { return m_fd; }
    const QByteArray &path() const { return m_path; }
    // close(2) can report a late write error (NFS, quotas), so it is checked like a write.
    bool close()
    {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }
    void renamed() { m_exists = false; }

private:
    QByteArray m_path;
    int m_fd = -1;
    bool m_exists = false;
};

bool writeAll(int fd, const QByteArray &data)
{
    const char *p = data.constData();
    qsizetype left = data.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, size_t(left));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (n == 0) {
            errno = EIO;
            return false;
        }
        p += n;
        left -= n;
    }
    return true;
}

} // namespace

QString AtomicFile::resolvedPath(const QString &path)
{
    QString current = QFileInfo(path).absoluteFilePath();
    for (int hop = 0; hop < 40; ++hop) {
        const QByteArray encoded = QFile::encodeName(current);
        struct stat st {};
        if (::lstat(encoded.constData(), &st) != 0 || !S_ISLNK(st.st_mode))
            return current;
        QByteArray target(qsizetype(st.st_size > 0 ? st.st_size : 4096) + 1, '\0');
        const ssize_t n = ::readlink(encoded.constData(), target.data(), size_t(target.size()));
        if (n < 0 || n >= target.size())
            return current;
        target.truncate(qsizetype(n));
        const QString next = QFile::decodeName(target);
        current = QDir::cleanPath(QDir::isAbsolutePath(next) ? next : QFileInfo(current).absolutePath() + u'/' + next);
    }
    return current;
}

Result<void> AtomicFile::replace(const QString &path, const QByteArray &data, mode_t newFileMode)
{
    const QString target = resolvedPath(path);
    const QFileInfo info(target);
    const QByteArray targetName = QFile::encodeName(target);
    const QByteArray folder = QFile::encodeName(info.absolutePath());

    mode_t mode = newFileMode;
    struct stat st {};
    if (::stat(targetName.constData(), &st) == 0)
        mode = st.st_mode & 07777;

    TempFile temp(folder + "/." + QFile::encodeName(info.fileName()) + ".tmp-XXXXXX");
    // errno is read before the temporary file's clean-up can change it.
    if (!temp.opened())
        return writeError(target, errno);
    if (::fchmod(temp.fd(), mode) != 0 || !writeAll(temp.fd(), data) || ::fsync(temp.fd()) != 0)
        return writeError(target, errno);
    if (!temp.close())
        return writeError(target, errno);
    if (::rename(temp.path().constData(), targetName.constData()) != 0)
        return writeError(target, errno);
    temp.renamed();

    // The new content is in place; syncing the folder makes the rename itself survive a power cut.
    // A folder that cannot be synced (some file systems refuse) does not undo the replacement.
    const int dirFd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return {};
}

} // namespace Brindlewick
