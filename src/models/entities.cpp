#include "models/note.h"
#include "models/project.h"
#include "models/session.h"
#include "models/taskitem.h"
#include "persistence/modelcontext.h"

namespace Brindlewick {

void Entity::didChange(const char *attribute)
{
    if (m_context)
        m_context->recordChange(this, attribute);
}

Project::Project(const QString &rootPath, const QString &displayName, const std::optional<QString> &colorHex,
                 qint64 sortOrder)
    : Entity(EntityKind::Project, QUuid::createUuid())
{
    m_v.rootPath = rootPath;
    m_v.displayName = displayName;
    m_v.colorHex = colorHex;
    m_v.sortOrder = sortOrder;
    m_v.createdAt = storeNow();
}

Project::Project(const QUuid &id, const Values &values) : Entity(EntityKind::Project, id), m_v(values), m_saved(values)
{
}

template <class T>
static std::vector<T *> childrenOf(const Project *project)
{
    std::vector<T *> out;
    if (!project->context())
        return out;
    FetchDescriptor<T> d;
    d.predicate = [project](const T *child) { return child->project() == project; };
    return project->context()->template fetch<T>(d);
}

std::vector<Session *> Project::sessions() const { return childrenOf<Session>(this); }
std::vector<Note *> Project::notes() const { return childrenOf<Note>(this); }
std::vector<TaskItem *> Project::tasks() const { return childrenOf<TaskItem>(this); }

Session::Session(const QString &title, const QString &workingDirectory, bool isWorktree, bool skipPermissions,
                 bool remoteControl, qint64 sortOrder, Project *project)
    : Entity(EntityKind::Session, QUuid::createUuid())
{
    m_v.title = title;
    m_v.columnRaw = rawValue(SessionColumn::working);
    m_v.workingDirectory = workingDirectory;
    m_v.isWorktree = isWorktree;
    m_v.skipPermissions = skipPermissions;
    m_v.remoteControl = remoteControl;
    m_v.sortOrder = sortOrder;
    m_v.createdAt = storeNow();
    m_v.project = project;
}

Session::Session(const QUuid &id, const Values &values) : Entity(EntityKind::Session, id), m_v(values), m_saved(values)
{
}

Note::Note(const QString &title, const QString &body, Project *project) : Entity(EntityKind::Note, QUuid::createUuid())
{
    m_v.title = title;
    m_v.body = body;
    m_v.createdAt = storeNow();
    m_v.updatedAt = storeNow();
    m_v.project = project;
}

Note::Note(const QUuid &id, const Values &values) : Entity(EntityKind::Note, id), m_v(values), m_saved(values) {}

TaskItem::TaskItem(const QString &title, bool isDone, qint64 order, Project *project)
    : Entity(EntityKind::TaskItem, QUuid::createUuid())
{
    m_v.title = title;
    m_v.isDone = isDone;
    m_v.order = order;
    m_v.createdAt = storeNow();
    m_v.project = project;
}

TaskItem::TaskItem(const QUuid &id, const Values &values)
    : Entity(EntityKind::TaskItem, id), m_v(values), m_saved(values)
{
}

} // namespace Brindlewick
