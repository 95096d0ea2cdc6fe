#pragma once

#include <QDateTime>
#include <QUuid>

namespace Brindlewick {

class ModelContext;

enum class EntityKind { Project = 0, Session = 1, Note = 2, TaskItem = 3 };
inline constexpr int entityKindCount = 4;

// Base of the four stored entities. An entity belongs to at most one ModelContext, which owns it;
// every setter reports the write to that context, which makes attribute changes observable.
// Entities are used on the GUI thread only.
class Entity {
public:
    virtual ~Entity() = default;
    Entity(const Entity &) = delete;
    Entity &operator=(const Entity &) = delete;

    const QUuid &id() const { return m_id; }
    EntityKind kind() const { return m_kind; }
    ModelContext *context() const { return m_context; }

protected:
    Entity(EntityKind kind, const QUuid &id) : m_id(id), m_kind(kind) {}

    template <class T>
    void assign(T &field, const T &value, const char *attribute)
    {
        if (field == value)
            return;
        field = value;
        didChange(attribute);
    }
    void didChange(const char *attribute);

    // The context keeps the last saved values to put them back on rollback.
    virtual void markSaved() = 0;
    virtual void restoreSaved() = 0;

private:
    friend class ModelContext;
    QUuid m_id;
    EntityKind m_kind;
    ModelContext *m_context = nullptr;
};

// Milliseconds are what the store keeps; entities hold their times at that precision.
inline QDateTime storeNow()
{
    return QDateTime::fromMSecsSinceEpoch(QDateTime::currentMSecsSinceEpoch(), Qt::UTC);
}

} // namespace Brindlewick
