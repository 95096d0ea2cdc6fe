#include "services/appmodel.h"

#include "services/localization.h"
#include "services/textsanitizing.h"

namespace Brindlewick {

AppModel::AppModel(std::unique_ptr<CardNotifying> notifier, QObject *parent)
    : QObject(parent), m_notifier(std::move(notifier))
{
}

AppModel::~AppModel() = default;

void AppModel::setSelection(const std::optional<SidebarItem> &selection)
{
    if (selection == m_selection)
        return;
    m_selection = selection;
    Q_EMIT selectionChanged();
}

void AppModel::setFrontmostSessionID(const std::optional<QUuid> &id)
{
    if (id == m_frontmostSessionID)
        return;
    m_frontmostSessionID = id;
    Q_EMIT frontmostSessionIDChanged();
}

void AppModel::clearFrontmost(const QUuid &id)
{
    if (m_frontmostSessionID == id)
        setFrontmostSessionID(std::nullopt);
}

void AppModel::logHook(const QString &card, SessionColumn column, bool applied, const QDateTime &at)
{
    m_hookLog.prepend(HookLogEntry{QUuid::createUuid(), at, card, column, applied});
    if (m_hookLog.size() > hookLogLimit)
        m_hookLog.resize(hookLogLimit);
    Q_EMIT hookLogChanged();
}

QString AppModel::notificationTitle(const std::optional<QString> &projectName, const std::optional<QString> &eventName)
{
    const QString header = eventName && *eventName == QLatin1String("Stop") ? L("応答が届きました") : L("対応が必要");
    if (!projectName)
        return header;
    const QString project = Text::graphemePrefix(
        Text::trimHorizontalSpace(Text::removeControls(*projectName, Text::Keep::Nothing)), 120);
    if (project.isEmpty())
        return header;
    return project + QStringLiteral(" — ") + header;
}

QString AppModel::notificationBody(const QString &title, const std::optional<QString> &responseText)
{
    if (responseText) {
        const QString body = Text::graphemePrefix(
            Text::trimSpaceAndLineBreaks(Text::removeControls(*responseText, Text::Keep::LineBreaks)), 200);
        if (!body.isEmpty())
            return body;
    }
    const QString fromTitle =
        Text::graphemePrefix(Text::trimHorizontalSpace(Text::removeControls(title, Text::Keep::Nothing)), 120);
    return fromTitle.isEmpty() ? L("セッションが入力を待っています。") : fromTitle;
}

void AppModel::notifyAttention(const QUuid &sessionID, const std::optional<QString> &projectName, const QString &title,
                               const std::optional<QString> &eventName, const std::optional<QString> &responseText)
{
    if (m_frontmostSessionID == sessionID)
        return;
    if (m_notifier)
        m_notifier->post(notificationTitle(projectName, eventName), notificationBody(title, responseText), sessionID);
}

} // namespace Brindlewick
