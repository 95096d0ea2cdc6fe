#pragma once

#include "models/entity.h"
#include "models/sessioncolumn.h"

#include <QString>

#include <optional>

namespace Brindlewick {

class Project;

// One Claude Code session, shown as a card on the board.
class Session final : public Entity {
public:
    static constexpr EntityKind staticKind = EntityKind::Session;

    struct Values {
        QString title;
        QString columnRaw;
        QString workingDirectory;
        bool isWorktree = false;
        bool skipPermissions = false;
        bool remoteControl = false;
        QDateTime createdAt;
        qint64 sortOrder = 0;
        std::optional<QDateTime> lastActivityAt;
        std::optional<QString> lastPrompt;
        std::optional<QString> lastResponse;
        std::optional<QString> claudeSessionID;
        Project *project = nullptr;
        bool operator==(const Values &) const = default;
    };

    // A new session starts in the working column; the project is assigned last.
    Session(const QString &title, const QString &workingDirectory, bool isWorktree, bool skipPermissions,
            bool remoteControl, qint64 sortOrder, Project *project);
    Session(const QUuid &id, const Values &values);

    const QString &title() const { return m_v.title; }
    void setTitle(const QString &v) { assign(m_v.title, v, "title"); }
    const QString &columnRaw() const { return m_v.columnRaw; }
    void setColumnRaw(const QString &v) { assign(m_v.columnRaw, v, "columnRaw"); }
    // Read only: unknown or empty raw text reads as working.
    SessionColumn column() const { return sessionColumnReading(m_v.columnRaw); }
    const QString &workingDirectory() const { return m_v.workingDirectory; }
    void setWorkingDirectory(const QString &v) { assign(m_v.workingDirectory, v, "workingDirectory"); }
    bool isWorktree() const { return m_v.isWorktree; }
    void setIsWorktree(bool v) { assign(m_v.isWorktree, v, "isWorktree"); }
    bool skipPermissions() const { return m_v.skipPermissions; }
    void setSkipPermissions(bool v) { assign(m_v.skipPermissions, v, "skipPermissions"); }
    bool remoteControl() const { return m_v.remoteControl; }
    void setRemoteControl(bool v) { assign(m_v.remoteControl, v, "remoteControl"); }
    const QDateTime &createdAt() const { return m_v.createdAt; }
    void setCreatedAt(const QDateTime &v) { assign(m_v.createdAt, v, "createdAt"); }
    qint64 sortOrder() const { return m_v.sortOrder; }
    void setSortOrder(qint64 v) { assign(m_v.sortOrder, v, "sortOrder"); }
    const std::optional<QDateTime> &lastActivityAt() const { return m_v.lastActivityAt; }
    void setLastActivityAt(const std::optional<QDateTime> &v) { assign(m_v.lastActivityAt, v, "lastActivityAt"); }
    const std::optional<QString> &lastPrompt() const { return m_v.lastPrompt; }
    void setLastPrompt(const std::optional<QString> &v) { assign(m_v.lastPrompt, v, "lastPrompt"); }
    const std::optional<QString> &lastResponse() const { return m_v.lastResponse; }
    void setLastResponse(const std::optional<QString> &v) { assign(m_v.lastResponse, v, "lastResponse"); }
    const std::optional<QString> &claudeSessionID() const { return m_v.claudeSessionID; }
    void setClaudeSessionID(const std::optional<QString> &v) { assign(m_v.claudeSessionID, v, "claudeSessionID"); }
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
