#pragma once

#include "models/entity.h"
#include "models/result.h"
#include "persistence/changeset.h"
#include "persistence/fetchdescriptor.h"

#include <QHash>
#include <QObject>
#include <QSet>
#include <QThread>

#include <algorithm>
#include <memory>
#include <unordered_map>
#include <vector>

namespace Brindlewick {

class SqliteDatabase;

// The main context of the store: one object per id (identity map), tracking of inserted, changed
// and deleted objects, one transaction per save and a rollback to the last saved state. Every
// attribute write, save and rollback emits `changed`. GUI thread only.
class ModelContext final : public QObject {
    Q_OBJECT
public:
    // Takes an open database whose schema is in place and loads every object.
    static Result<std::unique_ptr<ModelContext>> load(std::unique_ptr<SqliteDatabase> db);
    ~ModelContext() override;

    template <class T>
    T *insert(std::unique_ptr<T> object)
    {
        T *raw = object.get();
        adopt(std::move(object), true);
        return raw;
    }
    // Deletes an object; a project takes its sessions, notes and tasks with it.
    void remove(Entity *object);

    template <class T>
    std::vector<T *> fetch(const FetchDescriptor<T> &d = {}) const
    {
        assertThread();
        std::vector<T *> out;
        const auto &live = m_live[int(T::staticKind)];
        out.reserve(size_t(live.size()));
        for (Entity *e : live) {
            auto *t = static_cast<T *>(e);
            if (!d.predicate || d.predicate(t))
                out.push_back(t);
        }
        if (d.sortBefore)
            std::stable_sort(out.begin(), out.end(), d.sortBefore);
        if (d.limit && out.size() > size_t(std::max(0, *d.limit)))
            out.resize(size_t(std::max(0, *d.limit)));
        return out;
    }
    template <class T>
    T *find(const QUuid &id) const
    {
        assertThread();
        return static_cast<T *>(m_live[int(T::staticKind)].value(id, nullptr));
    }

    bool hasChanges() const { return !m_inserted.isEmpty() || !m_updated.isEmpty() || !m_deleted.isEmpty(); }
    // Writes every pending change in one BEGIN IMMEDIATE transaction. On failure nothing is written
    // and the changes stay pending; the caller decides whether to roll back.
    Result<void> save();
    // Puts every changed object back to its saved values and forgets unsaved inserts and deletes.
    void rollback();

    // Called by entities' setters.
    void recordChange(Entity *object, const char *attribute);

Q_SIGNALS:
    void changed(const Brindlewick::ChangeSet &what);

private:
    explicit ModelContext(std::unique_ptr<SqliteDatabase> db);
    void adopt(std::unique_ptr<Entity> object, bool asInsert);
    void bury(Entity *object);
    void assertThread() const { Q_ASSERT(QThread::currentThread() == thread()); }
    Result<void> writePending();

    std::unique_ptr<SqliteDatabase> m_db;
    std::unordered_map<Entity *, std::unique_ptr<Entity>> m_owned;
    QHash<QUuid, Entity *> m_live[entityKindCount];
    QSet<Entity *> m_inserted;
    QSet<Entity *> m_updated;
    QVector<Entity *> m_deleted; // in deletion order
    std::vector<std::unique_ptr<Entity>> m_graveyard;
    bool m_burialScheduled = false;
};

} // namespace Brindlewick
