#pragma once

#include "models/entity.h"

#include <QString>

#include <optional>
#include <vector>

namespace Brindlewick {

class Session;
class Note;
class TaskItem;

// A folder registered by the user.
class Project final : public Entity {
public:
    static constexpr EntityKind staticKind = EntityKind::Project;

    struct Values {
        QString rootPath;
        QString displayName;
        std::optional<QString> colorHex;
        std::optional<QString> startPage;
        QDateTime createdAt;
        qint64 sortOrder = 0;
        bool operator==(const Values &) const = default;
    };

    Project(const QString &rootPath, const QString &displayName, const std::optional<QString> &colorHex,
            qint64 sortOrder);
    // Restores a stored project.
    Project(const QUuid &id, const Values &values);

    const QString &rootPath() const { return m_v.rootPath; }
    void setRootPath(const QString &v) { assign(m_v.rootPath, v, "rootPath"); }
    const QString &displayName() const { return m_v.displayName; }
    void setDisplayName(const QString &v) { assign(m_v.displayName, v, "displayName"); }
    const std::optional<QString> &colorHex() const { return m_v.colorHex; }
    void setColorHex(const std::optional<QString> &v) { assign(m_v.colorHex, v, "colorHex"); }
    const std::optional<QString> &startPage() const { return m_v.startPage; }
    void setStartPage(const std::optional<QString> &v) { assign(m_v.startPage, v, "startPage"); }
    const QDateTime &createdAt() const { return m_v.createdAt; }
    void setCreatedAt(const QDateTime &v) { assign(m_v.createdAt, v, "createdAt"); }
    qint64 sortOrder() const { return m_v.sortOrder; }
    void setSortOrder(qint64 v) { assign(m_v.sortOrder, v, "sortOrder"); }

    // The inverse relationships, read from the owning context (empty when not inserted).
    std::vector<Session *> sessions() const;
    std::vector<Note *> notes() const;
    std::vector<TaskItem *> tasks() const;

    const Values &values() const { return m_v; }

private:
    void markSaved() override { m_saved = m_v; }
    void restoreSaved() override { m_v = m_saved; }
    Values m_v;
    Values m_saved;
};

} // namespace Brindlewick
