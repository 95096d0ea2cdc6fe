#include "persistence/modelcontext.h"

#include "models/note.h"
#include "models/project.h"
#include "models/session.h"
#include "models/taskitem.h"
#include "persistence/bwkschemav1.h"
#include "persistence/sqlitedatabase.h"

#include <QTimer>

namespace Brindlewick {

ModelContext::ModelContext(std::unique_ptr<SqliteDatabase> db) : m_db(std::move(db))
{
    qRegisterMetaType<Brindlewick::ChangeSet>();
}

ModelContext::~ModelContext() = default;

Result<std::unique_ptr<ModelContext>> ModelContext::load(std::unique_ptr<SqliteDatabase> db)
{
    std::unique_ptr<ModelContext> context(new ModelContext(std::move(db)));
    ModelContext *c = context.get();
    auto r = BWKSchemaV1::load(
        *c->m_db, [c](std::unique_ptr<Entity> e) { c->adopt(std::move(e), false); },
        [c](EntityKind kind, const QUuid &id) { return c->m_live[int(kind)].value(id, nullptr); });
    if (!r)
        return r.error();
    return context;
}

void ModelContext::adopt(std::unique_ptr<Entity> object, bool asInsert)
{
    assertThread();
    Entity *raw = object.get();
    Q_ASSERT(!raw->m_context);
    raw->m_context = this;
    m_live[int(raw->kind())].insert(raw->id(), raw);
    m_owned.emplace(raw, std::move(object));
    if (asInsert) {
        m_inserted.insert(raw);
        ChangeSet cs;
        cs.changes.push_back({EntityChange::Type::Inserted, raw->kind(), raw->id(), {}});
        Q_EMIT changed(cs);
    } else {
        raw->markSaved();
    }
}

void ModelContext::remove(Entity *object)
{
    assertThread();
    if (!object || object->m_context != this || !m_live[int(object->kind())].contains(object->id()))
        return;
    std::vector<Entity *> doomed;
    if (object->kind() == EntityKind::Project) {
        auto *project = static_cast<Project *>(object);
        for (Entity *e : project->sessions())
            doomed.push_back(e);
        for (Entity *e : project->notes())
            doomed.push_back(e);
        for (Entity *e : project->tasks())
            doomed.push_back(e);
    }
    doomed.push_back(object);

    ChangeSet cs;
    for (Entity *e : doomed) {
        m_live[int(e->kind())].remove(e->id());
        m_updated.remove(e);
        if (m_inserted.remove(e))
            bury(e);
        else
            m_deleted.push_back(e);
        cs.changes.push_back({EntityChange::Type::Removed, e->kind(), e->id(), {}});
    }
    Q_EMIT changed(cs);
}

void ModelContext::recordChange(Entity *object, const char *attribute)
{
    assertThread();
    if (!m_inserted.contains(object))
        m_updated.insert(object);
    ChangeSet cs;
    cs.changes.push_back({EntityChange::Type::Updated, object->kind(), object->id(), QByteArray(attribute)});
    Q_EMIT changed(cs);
}

Result<void> ModelContext::writePending()
{
    for (Entity *e : std::as_const(m_deleted)) {
        if (auto r = BWKSchemaV1::write(*m_db, BWKSchemaV1::Write::Delete, *e); !r)
            return r;
    }
    std::vector<Entity *> inserted(m_inserted.begin(), m_inserted.end());
    std::stable_sort(inserted.begin(), inserted.end(),
                     [](const Entity *a, const Entity *b) { return int(a->kind()) < int(b->kind()); });
    for (Entity *e : inserted) {
        if (auto r = BWKSchemaV1::write(*m_db, BWKSchemaV1::Write::Insert, *e); !r)
            return r;
    }
    for (Entity *e : std::as_const(m_updated)) {
        if (auto r = BWKSchemaV1::write(*m_db, BWKSchemaV1::Write::Update, *e); !r)
            return r;
    }
    return {};
}

Result<void> ModelContext::save()
{
    assertThread();
    if (!hasChanges())
        return {};
    if (auto r = m_db->exec("BEGIN IMMEDIATE"); !r)
        return r;
    auto written = writePending();
    if (written) {
        if (auto r = m_db->exec("COMMIT"); !r)
            written = r;
    }
    if (!written) {
        (void)m_db->exec("ROLLBACK");
        return written;
    }

    ChangeSet cs;
    cs.cause = ChangeSet::Cause::Save;
    for (Entity *e : std::as_const(m_inserted)) {
        e->markSaved();
        cs.changes.push_back({EntityChange::Type::Inserted, e->kind(), e->id(), {}});
    }
    for (Entity *e : std::as_const(m_updated)) {
        e->markSaved();
        cs.changes.push_back({EntityChange::Type::Updated, e->kind(), e->id(), {}});
    }
    for (Entity *e : std::as_const(m_deleted)) {
        cs.changes.push_back({EntityChange::Type::Removed, e->kind(), e->id(), {}});
        bury(e);
    }
    m_inserted.clear();
    m_updated.clear();
    m_deleted.clear();
    Q_EMIT changed(cs);
    return {};
}

void ModelContext::rollback()
{
    assertThread();
    ChangeSet cs;
    cs.cause = ChangeSet::Cause::Rollback;
    for (Entity *e : std::as_const(m_updated)) {
        e->restoreSaved();
        cs.changes.push_back({EntityChange::Type::Updated, e->kind(), e->id(), {}});
    }
    for (Entity *e : std::as_const(m_deleted)) {
        e->restoreSaved();
        m_live[int(e->kind())].insert(e->id(), e);
        cs.changes.push_back({EntityChange::Type::Inserted, e->kind(), e->id(), {}});
    }
    for (Entity *e : std::as_const(m_inserted)) {
        m_live[int(e->kind())].remove(e->id());
        cs.changes.push_back({EntityChange::Type::Removed, e->kind(), e->id(), {}});
        bury(e);
    }
    m_inserted.clear();
    m_updated.clear();
    m_deleted.clear();
    Q_EMIT changed(cs);
}

void ModelContext::bury(Entity *object)
{
    // Views may still hold the pointer until they have handled the change signal: free it on the
    // next turn of the event loop.
    auto it = m_owned.find(object);
    if (it == m_owned.end())
        return;
    object->m_context = nullptr;
    m_graveyard.push_back(std::move(it->second));
    m_owned.erase(it);
    if (!m_burialScheduled) {
        m_burialScheduled = true;
        QTimer::singleShot(0, this, [this] {
            m_burialScheduled = false;
            m_graveyard.clear();
        });
    }
}

} // namespace Brindlewick
