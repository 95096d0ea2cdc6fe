#pragma once

#include "models/sessioncolumn.h"
#include "services/sidebaritem.h"

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QUuid>
#include <QVector>

#include <memory>
#include <optional>

namespace Brindlewick {

// Where attention notifications go.
class CardNotifying {
public:
    virtual ~CardNotifying() = default;
    virtual void post(const QString &title, const QString &body, const QUuid &sessionID) = 0;
};

// One received hook event, as the hook log shows it.
struct HookLogEntry {
    QUuid id;
    QDateTime at;
    QString card; // exactly as received
    SessionColumn column = SessionColumn::working;
    bool applied = false;
    bool operator==(const HookLogEntry &) const = default;
};

// Decides when a hook event deserves a notification: a move into attention from elsewhere.
struct CardNotificationPolicy {
    static bool shouldNotify(SessionColumn previous, SessionColumn next)
    {
        return next == SessionColumn::attention && previous != SessionColumn::attention;
    }
};

// The one application-wide, in-memory state: the sidebar selection, the session window in front,
// the log of recent hook events and the attention notifications. GUI thread only; never stored.
class AppModel final : public QObject {
    Q_OBJECT
public:
    static constexpr int hookLogLimit = 200;

    explicit AppModel(std::unique_ptr<CardNotifying> notifier, QObject *parent = nullptr);
    ~AppModel() override;

    std::optional<SidebarItem> selection() const { return m_selection; }
    void setSelection(const std::optional<SidebarItem> &selection);

    std::optional<QUuid> frontmostSessionID() const { return m_frontmostSessionID; }
    void setFrontmostSessionID(const std::optional<QUuid> &id);
    // Clears the front session only while it is still `id`.
    void clearFrontmost(const QUuid &id);

    const QVector<HookLogEntry> &hookLog() const { return m_hookLog; }
    void logHook(const QString &card, SessionColumn column, bool applied, const QDateTime &at);

    void notifyAttention(const QUuid &sessionID, const std::optional<QString> &projectName, const QString &title,
                         const std::optional<QString> &eventName, const std::optional<QString> &responseText);

    // The texts a notification would show; exposed for the rule's own tests.
    static QString notificationTitle(const std::optional<QString> &projectName, const std::optional<QString> &eventName);
    static QString notificationBody(const QString &title, const std::optional<QString> &responseText);

Q_SIGNALS:
    void selectionChanged();
    void frontmostSessionIDChanged();
    void hookLogChanged();

private:
    std::optional<SidebarItem> m_selection = SidebarItem::board();
    std::optional<QUuid> m_frontmostSessionID;
    std::unique_ptr<CardNotifying> m_notifier;
    QVector<HookLogEntry> m_hookLog;
};

} // namespace Brindlewick
