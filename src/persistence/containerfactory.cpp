#include "persistence/containerfactory.h"

#include "persistence/appsupportpaths.h"
#include "persistence/bwkschemav1.h"
#include "persistence/modelcontext.h"
#include "persistence/sqlitedatabase.h"

#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace Brindlewick {

ModelContainer::~ModelContainer()
{
    m_context.reset();
    if (m_lockFd >= 0)
        ::close(m_lockFd);
}

QString ContainerFactory::storeURL()
{
    const QString folder = AppSupportPaths::storeFolder();
    AppSupportPaths::makePath(folder, 0700); // a failure shows up when the store is opened
    return folder + QStringLiteral("/Library.sqlite");
}

namespace {

// Reads an existing file without writing to it and says whether it is a store this version reads.
Result<void> checkExistingStore(const QString &path)
{
    auto db = SqliteDatabase::open(path, SqliteDatabase::Mode::ReadOnly);
    if (!db)
        return db.error();
    auto appId = (*db)->prepare("PRAGMA application_id");
    if (!appId)
        return Error{QStringLiteral("%1 is not a Brindlewick store: %2").arg(path, appId.error().description)};
    if (!appId->next())
        return Error{QStringLiteral("%1 is not a Brindlewick store: %2").arg(path, (*db)->lastError())};
    if (appId->integer(0) != BWKSchemaV1::applicationID)
        return Error{QStringLiteral("%1 is not a Brindlewick store (it belongs to another application)").arg(path)};
    auto version = (*db)->prepare("SELECT value FROM Metadata WHERE key = 'schemaVersion'");
    if (!version || !version->next())
        return Error{QStringLiteral("%1 has no schema version").arg(path)};
    const QString stored = version->text(0);
    if (compareVersions(stored, BWKSchemaV1::versionIdentifier()) > 0)
        return Error{QStringLiteral("%1 was written with schema version %2, newer than the supported %3")
                         .arg(path, stored, BWKSchemaV1::versionIdentifier())};
    return {};
}

Result<void> configure(SqliteDatabase &db, bool file)
{
    if (file) {
        if (auto r = db.exec("PRAGMA journal_mode = WAL"); !r)
            return r;
        if (auto r = db.exec("PRAGMA synchronous = FULL"); !r)
            return r;
        if (auto r = db.exec("PRAGMA busy_timeout = 5000"); !r)
            return r;
    }
    return db.exec("PRAGMA foreign_keys = ON");
}

Result<void> createIfEmpty(SqliteDatabase &db)
{
    auto st = db.prepare("SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = 'Metadata'");
    if (!st || !st->next())
        return Error{db.lastError()};
    if (st->integer(0) > 0)
        return {};
    if (auto r = db.exec("BEGIN IMMEDIATE"); !r)
        return r;
    if (auto r = BWKSchemaV1::create(db); !r) {
        (void)db.exec("ROLLBACK");
        return r;
    }
    return db.exec("COMMIT");
}

} // namespace

Result<std::unique_ptr<ModelContainer>> ContainerFactory::make(bool inMemory, const std::optional<QString> &url)
{
    std::unique_ptr<ModelContainer> container(new ModelContainer);
    QString path;
    if (!inMemory) {
        path = url.value_or(storeURL());
        container->m_path = path;
        const QFileInfo info(path);
        if (info.exists() && info.size() > 0) {
            if (auto r = checkExistingStore(path); !r)
                return r.error();
        }
        const QByteArray lockName = QFile::encodeName(path + QStringLiteral(".lock"));
        container->m_lockFd = ::open(lockName.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (container->m_lockFd < 0)
            return Error{QStringLiteral("cannot create the lock file %1: %2")
                             .arg(QFile::decodeName(lockName), QString::fromLocal8Bit(strerror(errno)))};
        if (::flock(container->m_lockFd, LOCK_EX | LOCK_NB) != 0)
            return Error{QStringLiteral("%1 is in use by another Brindlewick process").arg(path)};
    }

    auto db = SqliteDatabase::open(path, SqliteDatabase::Mode::ReadWriteCreate);
    if (!db)
        return db.error();
    if (auto r = configure(**db, !inMemory); !r)
        return r.error();
    if (auto r = createIfEmpty(**db); !r)
        return r.error();
    auto context = ModelContext::load(std::move(*db));
    if (!context)
        return context.error();
    container->m_context = std::move(*context);
    return container;
}

} // namespace Brindlewick
