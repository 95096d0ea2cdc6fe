#pragma once

#include "models/result.h"

#include <QByteArray>
#include <QString>
#include <QVariant>

#include <memory>
#include <optional>

struct sqlite3;
struct sqlite3_stmt;

namespace Brindlewick {

// A thin owner of one SQLite connection and its prepared statements. GUI thread only.
class SqliteDatabase {
public:
    enum class Mode { ReadOnly, ReadWriteCreate };

    static Result<std::unique_ptr<SqliteDatabase>> open(const QString &path, Mode mode);
    ~SqliteDatabase();

    Result<void> exec(const char *sql);
    QString lastError() const;

    class Statement {
    public:
        Statement(Statement &&other) noexcept;
        ~Statement();
        Statement &operator=(Statement &&) = delete;
        void bind(int index, const QVariant &value);
        void bindText(int index, const std::optional<QString> &value);
        // Steps once: true while a row is available; false at the end or on error (see ok()).
        bool next();
        bool ok() const { return m_ok; }
        QString text(int column) const;
        std::optional<QString> optionalText(int column) const;
        qint64 integer(int column) const;
        bool isNull(int column) const;
        void reset();

    private:
        friend class SqliteDatabase;
        explicit Statement(sqlite3_stmt *stmt) : m_stmt(stmt) {}
        sqlite3_stmt *m_stmt;
        bool m_ok = true;
    };

    Result<Statement> prepare(const char *sql);
    // Runs a prepared statement to its end; false on failure.
    bool run(Statement &statement);

private:
    explicit SqliteDatabase(sqlite3 *db) : m_db(db) {}
    sqlite3 *m_db;
};

} // namespace Brindlewick
