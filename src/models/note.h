#pragma once

#include "models/entity.h"

#include <QString>

namespace Brindlewick {

class Project;

// A Markdown memo of a project.
class Note final : public Entity {
public:
    static constexpr EntityKind staticKind = EntityKind::Note;

    struct Values {
        QString title;
        QString body;
        QDateTime createdAt;
        QDateTime updatedAt;
        Project *project = nullptr;
        bool operator==(const Values &) const = default;
    };

    Note(const QString &title, const QString &body, Project *project);
    Note(const QUuid &id, const Values &values);

    const QString &title() const { return m_v.title; }
    void setTitle(const QString &v) { assign(m_v.title, v, "title"); }
    const QString &body() const { return m_v.body; }
    void setBody(const QString &v) { assign(m_v.body, v, "body"); }
    const QDateTime &createdAt() const { return m_v.createdAt; }
    void setCreatedAt(const QDateTime &v) { assign(m_v.createdAt, v, "createdAt"); }
    const QDateTime &updatedAt() const { return m_v.updatedAt; }
    void setUpdatedAt(const QDateTime &v) { assign(m_v.updatedAt, v, "updatedAt"); }
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
