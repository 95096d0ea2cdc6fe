#pragma once

#include "models/entity.h"
#include "models/result.h"

#include <QString>

#include <functional>
#include <memory>

namespace Brindlewick {

class SqliteDatabase;

// Version 1.0.0 of the stored schema: the tables of Project, Session, Note and TaskItem, named
// after the entities and their attributes, and the mapping between rows and objects.
// The migration plan holds this schema alone and has no stages.
struct BWKSchemaV1 {
    static QString versionIdentifier() { return QStringLiteral("1.0.0"); }
    // 'BWK1': marks a file as a Brindlewick store.
    static constexpr int applicationID = 0x42574B31;

    // Creates the tables in an empty database and records the version.
    static Result<void> create(SqliteDatabase &db);
    // Reads every row; objects arrive parents first, with their relationships resolved.
    static Result<void> load(SqliteDatabase &db, const std::function<void(std::unique_ptr<Entity>)> &sink,
                             const std::function<Entity *(EntityKind, const QUuid &)> &lookup);

    enum class Write { Insert, Update, Delete };
    static Result<void> write(SqliteDatabase &db, Write what, const Entity &object);
};

// Compares two dotted version texts numerically: negative, zero or positive.
int compareVersions(const QString &a, const QString &b);

} // namespace Brindlewick
