#include "services/tokenstore.h"

#include "services/logging.h"
#include "services/textsanitizing.h"
#include "services/utf8validation.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Brindlewick {

namespace {

qint32 systemRandom(std::byte *buffer, std::size_t length) {
    std::size_t done = 0;
    while (done < length) {
        const ssize_t n = ::getrandom(buffer + done, length - done, 0);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        done += std::size_t(n);
    }
    return 0;
}

// Closes a descriptor when it goes out of scope.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd)
        : m_fd(fd) {}
    ~FileDescriptor() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;
    int get() const { return m_fd; }
    bool valid() const { return m_fd >= 0; }
    // Closes now and reports whether the close succeeded (a failed close may mean lost data).
    bool close() {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

QByteArray nativePath(const QString &path) {
    return QFile::encodeName(path);
}

// Reads everything from a descriptor; false on a read error.
bool readAll(int fd, QByteArray &out) {
    char chunk[4096];
    for (;;) {
        const ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (n == 0)
            return true;
        out.append(chunk, int(n));
    }
}

bool writeAll(int fd, const QByteArray &data) {
    qsizetype done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.constData() + done, std::size_t(data.size() - done));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        done += n;
    }
    return true;
}

// Removes whatever is at path: a file, a symbolic link (not its target) or a folder with its
// contents. Errors are ignored; the exclusive create that follows notices anything left over.
void removeItem(const QString &path) {
    const QByteArray native = nativePath(path);
    struct stat st;
    if (::lstat(native.constData(), &st) != 0)
        return;
    if (S_ISDIR(st.st_mode))
        QDir(path).removeRecursively();
    else
        ::unlink(native.constData());
}

} // namespace

TokenStoreError::TokenStoreError(Kind kind, qint32 status, QString path)
    : m_kind(kind)
    , m_status(status)
    , m_path(std::move(path)) {}

TokenStoreError TokenStoreError::randomGenerationFailed(qint32 status) {
    return TokenStoreError(Kind::randomGenerationFailed, status, {});
}

TokenStoreError TokenStoreError::writeFailed(const QString &path) {
    return TokenStoreError(Kind::writeFailed, 0, path);
}

QString TokenStoreError::description() const {
    switch (m_kind) {
    case Kind::randomGenerationFailed:
        return QStringLiteral("getrandom failed with status ") + QString::number(m_status);
    case Kind::writeFailed:
        return QStringLiteral("Failed to create file at ") + m_path;
    }
    return {};
}

TokenStore::TokenStore(const QString &directory, RandomSource random)
    : m_directory(QDir::cleanPath(directory))
    , m_tokenPath(m_directory + QStringLiteral("/brindlewick.token"))
    , m_portPath(m_directory + QStringLiteral("/brindlewick.port"))
    , m_random(random ? std::move(random) : RandomSource(&systemRandom)) {}

const TokenStore &TokenStore::standard() {
    static const TokenStore store(QDir::homePath() + QStringLiteral("/.claude"));
    return store;
}

QString TokenStore::encodeToken(const QByteArray &bytes) {
    return QString::fromLatin1(
        bytes.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals));
}

Result<QString, TokenStoreError> TokenStore::loadToken() const {
    if (auto token = readVerifiedToken())
        return *token;
    return regenerateToken();
}

std::optional<QString> TokenStore::readVerifiedToken() const {
    // No-follow: a symbolic link in place of the token is never trusted. Non-blocking: a FIFO put
    // there must not hang the start; it fails the regular-file check below.
    FileDescriptor fd(
        ::open(nativePath(m_tokenPath).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (!fd.valid())
        return std::nullopt;

    // The checks use the descriptor, so the file read is the file checked.
    struct stat st;
    if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::getuid() ||
        (st.st_mode & 077) != 0) {
        qCWarning(lcTokenStore, "Existing token file failed verification (type/owner/perms); regenerating");
        return std::nullopt;
    }

    QByteArray bytes;
    if (!readAll(fd.get(), bytes) || !Utf8::isValid(bytes.constData(), bytes.size()))
        return std::nullopt;
    const QString token = Text::trimSpaceAndLineBreaks(QString::fromUtf8(bytes));
    if (token.isEmpty())
        return std::nullopt;
    return token;
}

Result<QString, TokenStoreError> TokenStore::regenerateToken() const {
    QByteArray bytes(tokenByteCount, Qt::Uninitialized);
    const qint32 status = m_random(reinterpret_cast<std::byte *>(bytes.data()), std::size_t(bytes.size()));
    if (status != 0)
        return TokenStoreError::randomGenerationFailed(status);

    const QString token = encodeToken(bytes);
    if (auto written = writeOwnerOnly(token.toUtf8(), m_tokenPath); !written)
        return written.error();
    qCInfo(lcTokenStore, "Generated new hook token");
    return token;
}

Result<void, TokenStoreError> TokenStore::writePort(quint16 port) const {
    return writeOwnerOnly(QByteArray::number(port), m_portPath);
}

void TokenStore::clearPort() const {
    ::unlink(nativePath(m_portPath).constData());
}

Result<void, TokenStoreError> TokenStore::ensureDirectory() const {
    // Creates each missing folder of the path with 0700; existing folders keep their permissions.
    const QStringList parts = m_directory.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString current = m_directory.startsWith(QLatin1Char('/')) ? QString() : QStringLiteral(".");
    for (const QString &part : parts) {
        current += QLatin1Char('/') + part;
        const QByteArray native = nativePath(current);
        struct stat st;
        if (::stat(native.constData(), &st) == 0) {
            if (!S_ISDIR(st.st_mode))
                return TokenStoreError::writeFailed(current);
            continue;
        }
        if (::mkdir(native.constData(), 0700) != 0 && errno != EEXIST)
            return TokenStoreError::writeFailed(current);
        // The umask may have taken bits away; the folder is meant to be exactly 0700.
        ::chmod(native.constData(), 0700);
    }
    return {};
}

Result<void, TokenStoreError> TokenStore::writeOwnerOnly(const QByteArray &content,
                                                         const QString &path) const {
    if (auto dir = ensureDirectory(); !dir)
        return dir.error();

    removeItem(path);

    // Exclusive and no-follow: whatever appeared at the path since the removal is not written
    // through; the write then fails instead.
    FileDescriptor fd(
        ::open(nativePath(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (!fd.valid())
        return TokenStoreError::writeFailed(path);
    // The umask applied to the create; the bits are set once more, on the file just written.
    const bool written = writeAll(fd.get(), content) && ::fchmod(fd.get(), 0600) == 0;
    if (!fd.close() || !written) {
        // A partly written token would be trusted on the next start; leave nothing behind.
        ::unlink(nativePath(path).constData());
        return TokenStoreError::writeFailed(path);
    }
    return {};
}

} // namespace Brindlewick
