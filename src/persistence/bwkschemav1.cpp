#include "persistence/bwkschemav1.h"

#include "models/note.h"
#include "models/project.h"
#include "models/session.h"
#include "models/taskitem.h"
#include "models/uuidtext.h"
#include "persistence/sqlitedatabase.h"

#include <QStringList>

namespace Brindlewick {

namespace {

const char *const kCreate = R"SQL(
CREATE TABLE Metadata (key TEXT PRIMARY KEY NOT NULL, value TEXT NOT NULL);
CREATE TABLE Project (
  id TEXT PRIMARY KEY NOT NULL,
  rootPath TEXT NOT NULL UNIQUE,
  displayName TEXT NOT NULL,
  colorHex TEXT,
  startPage TEXT,
  createdAt INTEGER NOT NULL,
  sortOrder INTEGER NOT NULL);
CREATE TABLE Session (
  id TEXT PRIMARY KEY NOT NULL,
  title TEXT NOT NULL,
  columnRaw TEXT NOT NULL,
  workingDirectory TEXT NOT NULL,
  isWorktree INTEGER NOT NULL,
  skipPermissions INTEGER NOT NULL DEFAULT 0,
  remoteControl INTEGER NOT NULL DEFAULT 0,
  createdAt INTEGER NOT NULL,
  sortOrder INTEGER NOT NULL,
  lastActivityAt INTEGER,
  lastPrompt TEXT,
  lastResponse TEXT,
  claudeSessionID TEXT,
  project TEXT REFERENCES Project(id) ON DELETE CASCADE);
CREATE TABLE Note (
  id TEXT PRIMARY KEY NOT NULL,
  title TEXT NOT NULL,
  body TEXT NOT NULL,
  createdAt INTEGER NOT NULL,
  updatedAt INTEGER NOT NULL,
  project TEXT REFERENCES Project(id) ON DELETE CASCADE);
CREATE TABLE TaskItem (
  id TEXT PRIMARY KEY NOT NULL,
  title TEXT NOT NULL,
  isDone INTEGER NOT NULL,
  "order" INTEGER NOT NULL,
  createdAt INTEGER NOT NULL,
  project TEXT REFERENCES Project(id) ON DELETE CASCADE);
CREATE INDEX SessionProject ON Session(project);
CREATE INDEX NoteProject ON Note(project);
CREATE INDEX TaskItemProject ON TaskItem(project);
)SQL";

qint64 ms(const QDateTime &t) { return t.toMSecsSinceEpoch(); }
QDateTime fromMs(qint64 v) { return QDateTime::fromMSecsSinceEpoch(v, Qt::UTC); }
QVariant optionalMs(const std::optional<QDateTime> &t) { return t ? QVariant(ms(*t)) : QVariant(); }
QVariant projectRef(const Project *p) { return p ? QVariant(uuidText(p->id())) : QVariant(); }

Result<void> failure(SqliteDatabase &db) { return Error{db.lastError()}; }

Result<void> runStatement(SqliteDatabase &db, const char *sql, const std::function<void(SqliteDatabase::Statement &)> &bind)
{
    auto st = db.prepare(sql);
    if (!st)
        return st.error();
    bind(*st);
    if (!db.run(*st))
        return failure(db);
    return {};
}

} // namespace

int compareVersions(const QString &a, const QString &b)
{
    const QStringList pa = a.split(QLatin1Char('.'));
    const QStringList pb = b.split(QLatin1Char('.'));
    for (int i = 0; i < std::max(pa.size(), pb.size()); ++i) {
        const qlonglong x = i < pa.size() ? pa.at(i).toLongLong() : 0;
        const qlonglong y = i < pb.size() ? pb.at(i).toLongLong() : 0;
        if (x != y)
            return x < y ? -1 : 1;
    }
    return 0;
}

Result<void> BWKSchemaV1::create(SqliteDatabase &db)
{
    if (auto r = db.exec(kCreate); !r)
        return r;
    const QByteArray pragma = "PRAGMA application_id = " + QByteArray::number(applicationID);
    if (auto r = db.exec(pragma.constData()); !r)
        return r;
    return runStatement(db, "INSERT INTO Metadata (key, value) VALUES ('schemaVersion', ?1)",
                        [](SqliteDatabase::Statement &s) { s.bind(1, versionIdentifier()); });
}

Result<void> BWKSchemaV1::load(SqliteDatabase &db, const std::function<void(std::unique_ptr<Entity>)> &sink,
                               const std::function<Entity *(EntityKind, const QUuid &)> &lookup)
{
    auto parent = [&](SqliteDatabase::Statement &s, int column) -> Project * {
        if (s.isNull(column))
            return nullptr;
        const auto id = parseUuid(s.text(column));
        return id ? static_cast<Project *>(lookup(EntityKind::Project, *id)) : nullptr;
    };
    auto idOf = [](SqliteDatabase::Statement &s) { return parseUuid(s.text(0)).value_or(QUuid()); };

    {
        auto s = db.prepare("SELECT id, rootPath, displayName, colorHex, startPage, createdAt, sortOrder FROM Project");
        if (!s)
            return s.error();
        while (s->next()) {
            Project::Values v;
            v.rootPath = s->text(1);
            v.displayName = s->text(2);
            v.colorHex = s->optionalText(3);
            v.startPage = s->optionalText(4);
            v.createdAt = fromMs(s->integer(5));
            v.sortOrder = s->integer(6);
            sink(std::make_unique<Project>(idOf(*s), v));
        }
        if (!s->ok())
            return failure(db);
    }
    {
        auto s = db.prepare("SELECT id, title, columnRaw, workingDirectory, isWorktree, skipPermissions, remoteControl, "
                            "createdAt, sortOrder, lastActivityAt, lastPrompt, lastResponse, claudeSessionID, project "
                            "FROM Session");
        if (!s)
            return s.error();
        while (s->next()) {
            Session::Values v;
            v.title = s->text(1);
            v.columnRaw = s->text(2);
            v.workingDirectory = s->text(3);
            v.isWorktree = s->integer(4) != 0;
            v.skipPermissions = s->integer(5) != 0;
            v.remoteControl = s->integer(6) != 0;
            v.createdAt = fromMs(s->integer(7));
            v.sortOrder = s->integer(8);
            if (!s->isNull(9))
                v.lastActivityAt = fromMs(s->integer(9));
            v.lastPrompt = s->optionalText(10);
            v.lastResponse = s->optionalText(11);
            v.claudeSessionID = s->optionalText(12);
            v.project = parent(*s, 13);
            sink(std::make_unique<Session>(idOf(*s), v));
        }
        if (!s->ok())
            return failure(db);
    }
    {
        auto s = db.prepare("SELECT id, title, body, createdAt, updatedAt, project FROM Note");
        if (!s)
            return s.error();
        while (s->next()) {
            Note::Values v;
            v.title = s->text(1);
            v.body = s->text(2);
            v.createdAt = fromMs(s->integer(3));
            v.updatedAt = fromMs(s->integer(4));
            v.project = parent(*s, 5);
            sink(std::make_unique<Note>(idOf(*s), v));
        }
        if (!s->ok())
            return failure(db);
    }
    {
        auto s = db.prepare("SELECT id, title, isDone, \"order\", createdAt, project FROM TaskItem");
        if (!s)
            return s.error();
        while (s->next()) {
            TaskItem::Values v;
            v.title = s->text(1);
            v.isDone = s->integer(2) != 0;
            v.order = s->integer(3);
            v.createdAt = fromMs(s->integer(4));
            v.project = parent(*s, 5);
            sink(std::make_unique<TaskItem>(idOf(*s), v));
        }
        if (!s->ok())
            return failure(db);
    }
    return {};
}

Result<void> BWKSchemaV1::write(SqliteDatabase &db, Write what, const Entity &object)
{
    const QString id = uuidText(object.id());
    if (what == Write::Delete) {
        static const char *const deletes[] = {"DELETE FROM Project WHERE id = ?1", "DELETE FROM Session WHERE id = ?1",
                                              "DELETE FROM Note WHERE id = ?1", "DELETE FROM TaskItem WHERE id = ?1"};
        return runStatement(db, deletes[int(object.kind())], [&](SqliteDatabase::Statement &s) { s.bind(1, id); });
    }
    const bool insert = what == Write::Insert;
    switch (object.kind()) {
    case EntityKind::Project: {
        const auto &v = static_cast<const Project &>(object).values();
        return runStatement(db,
                            insert ? "INSERT INTO Project (rootPath, displayName, colorHex, startPage, createdAt, "
                                     "sortOrder, id) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7)"
                                   : "UPDATE Project SET rootPath = ?1, displayName = ?2, colorHex = ?3, "
                                     "startPage = ?4, createdAt = ?5, sortOrder = ?6 WHERE id = ?7",
                            [&](SqliteDatabase::Statement &s) {
                                s.bind(1, v.rootPath);
                                s.bind(2, v.displayName);
                                s.bindText(3, v.colorHex);
                                s.bindText(4, v.startPage);
                                s.bind(5, ms(v.createdAt));
                                s.bind(6, v.sortOrder);
                                s.bind(7, id);
                            });
    }
    case EntityKind::Session: {
        const auto &v = static_cast<const Session &>(object).values();
        return runStatement(
            db,
            insert ? "INSERT INTO Session (title, columnRaw, workingDirectory, isWorktree, skipPermissions, "
                     "remoteControl, createdAt, sortOrder, lastActivityAt, lastPrompt, lastResponse, claudeSessionID, "
                     "project, id) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14)"
                   : "UPDATE Session SET title = ?1, columnRaw = ?2, workingDirectory = ?3, isWorktree = ?4, "
                     "skipPermissions = ?5, remoteControl = ?6, createdAt = ?7, sortOrder = ?8, lastActivityAt = ?9, "
                     "lastPrompt = ?10, lastResponse = ?11, claudeSessionID = ?12, project = ?13 WHERE id = ?14",
            [&](SqliteDatabase::Statement &s) {
                s.bind(1, v.title);
                s.bind(2, v.columnRaw);
                s.bind(3, v.workingDirectory);
                s.bind(4, v.isWorktree);
                s.bind(5, v.skipPermissions);
                s.bind(6, v.remoteControl);
                s.bind(7, ms(v.createdAt));
                s.bind(8, v.sortOrder);
                s.bind(9, optionalMs(v.lastActivityAt));
                s.bindText(10, v.lastPrompt);
                s.bindText(11, v.lastResponse);
                s.bindText(12, v.claudeSessionID);
                s.bind(13, projectRef(v.project));
                s.bind(14, id);
            });
    }
    case EntityKind::Note: {
        const auto &v = static_cast<const Note &>(object).values();
        return runStatement(db,
                            insert ? "INSERT INTO Note (title, body, createdAt, updatedAt, project, id) "
                                     "VALUES (?1, ?2, ?3, ?4, ?5, ?6)"
                                   : "UPDATE Note SET title = ?1, body = ?2, createdAt = ?3, updatedAt = ?4, "
                                     "project = ?5 WHERE id = ?6",
                            [&](SqliteDatabase::Statement &s) {
                                s.bind(1, v.title);
                                s.bind(2, v.body);
                                s.bind(3, ms(v.createdAt));
                                s.bind(4, ms(v.updatedAt));
                                s.bind(5, projectRef(v.project));
                                s.bind(6, id);
                            });
    }
    case EntityKind::TaskItem: {
        const auto &v = static_cast<const TaskItem &>(object).values();
        return runStatement(db,
                            insert ? "INSERT INTO TaskItem (title, isDone, \"order\", createdAt, project, id) "
                                     "VALUES (?1, ?2, ?3, ?4, ?5, ?6)"
                                   : "UPDATE TaskItem SET title = ?1, isDone = ?2, \"order\" = ?3, createdAt = ?4, "
                                     "project = ?5 WHERE id = ?6",
                            [&](SqliteDatabase::Statement &s) {
                                s.bind(1, v.title);
                                s.bind(2, v.isDone);
                                s.bind(3, v.order);
                                s.bind(4, ms(v.createdAt));
                                s.bind(5, projectRef(v.project));
                                s.bind(6, id);
                            });
    }
    }
    return Error{QStringLiteral("unknown entity kind")};
}

} // namespace Brindlewick
