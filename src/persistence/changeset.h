#pragma once

#include "models/entity.h"

#include <QByteArray>
#include <QMetaType>
#include <QUuid>
#include <QVector>

namespace Brindlewick {

struct EntityChange {
    enum class Type { Inserted, Updated, Removed };
    Type type;
    EntityKind kind;
    QUuid id;
    QByteArray attribute; // for Updated by an attribute write; empty for save and rollback
};

// What one change signal of the context names.
struct ChangeSet {
    enum class Cause { Edit, Save, Rollback };
    Cause cause = Cause::Edit;
    QVector<EntityChange> changes;

    bool touches(EntityKind kind) const
    {
        for (const EntityChange &c : changes) {
            if (c.kind == kind)
                return true;
        }
        return false;
    }
    bool touches(const QUuid &id) const
    {
        for (const EntityChange &c : changes) {
            if (c.id == id)
                return true;
        }
        return false;
    }
};

} // namespace Brindlewick

Q_DECLARE_METATYPE(Brindlewick::ChangeSet)
