#pragma once

#include "models/entity.h"

#include <QString>

namespace Brindlewick {

class Project;

// A to-do item of a project.
class TaskItem final : public Entity {
public:
    static constexpr EntityKind staticKind = EntityKind::TaskItem;

    struct Values {
        QString title;
        bool isDone = false;
        qint64 order = 0;
        QDateTime createdAt;
        Project *project = nullptr;
        bool operator==(const Values &) const = default;
    };

    TaskItem(const QString &title, bool isDone, qint64 order, Project *project);
    TaskItem(const QUuid &id, const Values &values);

    const QString &title() const { return m_v.title; }
    void setTitle(const QString &v) { assign(m_v.title, v, "title"); }
    bool isDone() const { return m_v.isDone; }
    void setIsDone(bool v) { assign(m_v.isDone, v, "isDone"); }
    qint64 order() const { return m_v.order; }
    void setOrder(qint64 v) { assign(m_v.order, v, "order"); }
    const QDateTime &createdAt() const { return m_v.createdAt; }
    void setCreatedAt(const QDateTime &v) { assign(m_v.createdAt, v, "createdAt"); }
    Project *project() const { return m_v.project; }
    void setProject(Project *v) { assign(m_v.project, v, "project"); }

    const Values &values() const { return m_v; }

private:
    void markSaved() override { m_saved = m_v; }
    void restoreSaved() override { m_v = m_saved; }
    Values m_v;
    Values m_saved;
};

} // namespace Brindlewick
