#pragma once

#include "models/result.h"

#include <QString>

#include <cstddef>
#include <functional>
#include <optional>

// Owns the two small files through which hook commands find and authenticate to the hook server:
// the bearer token file and the port file under the user's Claude Code folder, both owner-only.
// Holds no state besides the locations; every operation is a few file calls, safe on any thread.

namespace Brindlewick {

class TokenStoreError {
public:
    enum class Kind { randomGenerationFailed, writeFailed };

    static TokenStoreError randomGenerationFailed(qint32 status);
    static TokenStoreError writeFailed(const QString &path);

    Kind kind() const { return m_kind; }
    qint32 status() const { return m_status; } // randomGenerationFailed
    QString path() const { return m_path; }    // writeFailed
    QString description() const;
    Error toError() const { return Error{description()}; }

private:
    TokenStoreError(Kind kind, qint32 status, QString path);

    Kind m_kind;
    qint32 m_status = 0;
    QString m_path;
};

class TokenStore {
public:
    // Fills buffer with length secure random bytes; returns 0 on success, else a status to report.
    using RandomSource = std::function<qint32(std::byte *buffer, std::size_t length)>;

    static constexpr int tokenByteCount = 32;

    // Files in `directory`; random bytes from getrandom(2) unless a source is given.
    explicit TokenStore(const QString &directory, RandomSource random = {});

    // ~/.claude of the current user, built once.
    static const TokenStore &standard();

    QString directory() const { return m_directory; }
    QString tokenURL() const { return m_tokenPath; } // directory + "/brindlewick.token"
    QString portURL() const { return m_portPath; }   // directory + "/brindlewick.port"

    // The token of a trustworthy existing token file, else a newly made one.
    Result<QString, TokenStoreError> loadToken() const;
    // Makes a new token, writes it owner-only and returns it.
    Result<QString, TokenStoreError> regenerateToken() const;
    // Writes the port in decimal digits, no line end, owner-only.
    Result<void, TokenStoreError> writePort(quint16 port) const;
    // Deletes the port file; never fails.
    void clearPort() const;

    // The URL-safe Base64 of bytes without padding (43 characters for 32 bytes).
    static QString encodeToken(const QByteArray &bytes);

private:
    std::optional<QString> readVerifiedToken() const;
    Result<void, TokenStoreError> writeOwnerOnly(const QByteArray &content, const QString &path) const;
    Result<void, TokenStoreError> ensureDirectory() const;

    QString m_directory;
    QString m_tokenPath;
    QString m_portPath;
    RandomSource m_random;
};

} // namespace Brindlewick
