#include "persistence/sqlitedatabase.h"

#include <QFile>

#include <sqlite3.h>

namespace Brindlewick {

Result<std::unique_ptr<SqliteDatabase>> SqliteDatabase::open(const QString &path, Mode mode)
{
    sqlite3 *db = nullptr;
    const int flags = mode == Mode::ReadOnly ? SQLITE_OPEN_READONLY
                                             : (SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    const QByteArray name = path.isEmpty() ? QByteArray(":memory:") : QFile::encodeName(path);
    const int rc = sqlite3_open_v2(name.constData(), &db, flags | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        const QString message = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString::fromUtf8(sqlite3_errstr(rc));
        sqlite3_close(db);
        return Error{message};
    }
    sqlite3_extended_result_codes(db, 1);
    return std::unique_ptr<SqliteDatabase>(new SqliteDatabase(db));
}

SqliteDatabase::~SqliteDatabase()
{
    sqlite3_close(m_db);
}

Result<void> SqliteDatabase::exec(const char *sql)
{
    char *message = nullptr;
    if (sqlite3_exec(m_db, sql, nullptr, nullptr, &message) != SQLITE_OK) {
        const QString text = message ? QString::fromUtf8(message) : lastError();
        sqlite3_free(message);
        return Error{text};
    }
    return {};
}

QString SqliteDatabase::lastError() const
{
    return QString::fromUtf8(sqlite3_errmsg(m_db));
}

Result<SqliteDatabase::Statement> SqliteDatabase::prepare(const char *sql)
{
    sqlite3_stmt *stmt = nullptr;
    if (sqlite3_prepare_v2(m_db, sql, -1, &stmt, nullptr) != SQLITE_OK)
        return Error{lastError()};
    return Statement(stmt);
}

bool SqliteDatabase::run(Statement &statement)
{
    while (statement.next()) {
    }
    const bool ok = statement.ok();
    statement.reset();
    return ok;
}

SqliteDatabase::Statement::Statement(Statement &&other) noexcept : m_stmt(other.m_stmt), m_ok(other.m_ok)
{
    other.m_stmt = nullptr;
}

SqliteDatabase::Statement::~Statement()
{
    sqlite3_finalize(m_stmt);
}

void SqliteDatabase::Statement::bind(int index, const QVariant &value)
{
    switch (value.userType()) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::LongLong:
        sqlite3_bind_int64(m_stmt, index, value.toLongLong());
        break;
    case QMetaType::UnknownType:
        sqlite3_bind_null(m_stmt, index);
        break;
    default: {
        const QByteArray utf8 = value.toString().toUtf8();
        sqlite3_bind_text(m_stmt, index, utf8.constData(), utf8.size(), SQLITE_TRANSIENT);
    }
    }
}

void SqliteDatabase::Statement::bindText(int index, const std::optional<QString> &value)
{
    if (!value) {
        sqlite3_bind_null(m_stmt, index);
        return;
    }
    const QByteArray utf8 = value->toUtf8();
    sqlite3_bind_text(m_stmt, index, utf8.constData(), utf8.size(), SQLITE_TRANSIENT);
}

bool SqliteDatabase::Statement::next()
{
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    m_ok = rc == SQLITE_DONE;
    return false;
}

QString SqliteDatabase::Statement::text(int column) const
{
    const auto *data = reinterpret_cast<const char *>(sqlite3_column_text(m_stmt, column));
    return data ? QString::fromUtf8(data, sqlite3_column_bytes(m_stmt, column)) : QString();
}

std::optional<QString> SqliteDatabase::Statement::optionalText(int column) const
{
    if (isNull(column))
        return std::nullopt;
    return text(column);
}

qint64 SqliteDatabase::Statement::integer(int column) const
{
    return sqlite3_column_int64(m_stmt, column);
}

bool SqliteDatabase::Statement::isNull(int column) const
{
    return sqlite3_column_type(m_stmt, column) == SQLITE_NULL;
}

void SqliteDatabase::Statement::reset()
{
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
    m_ok = true;
}

} // namespace Brindlewick
