#include "views/copycontrols.h"

#include "services/localization.h"
#include "views/symbols.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPainter>
#include <QTimer>

namespace Brindlewick {

void CopyConfirmation::setCopiedID(const std::optional<QString> &id)
{
    if (id == m_copiedID)
        return;
    m_copiedID = id;
    Q_EMIT changed();
}

bool CopyConfirmation::performCopy(const QString &value, const QString &id)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(value);
    if (clipboard->text() != value)
        return false; // refused: no confirmation
    setCopiedID(id);
    QTimer::singleShot(confirmationMs, this, [this, id] {
        if (m_copiedID == id)
            setCopiedID(std::nullopt);
    });
    return true;
}

static QIcon tinted(const QIcon &icon, const QColor &color)
{
    QPixmap pm = icon.pixmap(14, 14);
    if (pm.isNull())
        return icon;
    QPainter p(&pm);
    p.setCompositionMode(QPainter::CompositionMode_SourceIn);
    p.fillRect(pm.rect(), color);
    p.end();
    return QIcon(pm);
}

CopyIconButton::CopyIconButton(const QString &id, const std::optional<QString> &value,
                               const std::optional<QString> &help, const QString &accessibilityLabel,
                               CopyConfirmation &copied, QWidget *parent)
    : QToolButton(parent), m_id(id), m_value(value), m_help(help), m_copied(copied)
{
    setAutoRaise(true);
    setFixedSize(22, 22);
    setIconSize(QSize(14, 14));
    setAccessibleName(accessibilityLabel);
    setFocusPolicy(Qt::TabFocus);
    connect(this, &QToolButton::clicked, this, [this] {
        if (m_value)
            m_copied.performCopy(*m_value, m_id);
    });
    connect(&m_copied, &CopyConfirmation::changed, this, &CopyIconButton::refresh);
    refresh();
}

void CopyIconButton::setValue(const std::optional<QString> &value)
{
    m_value = value;
    refresh();
}

bool CopyIconButton::isConfirmed() const
{
    return m_copied.copiedID() == m_id;
}

void CopyIconButton::refresh()
{
    setVisible(m_value.has_value());
    if (!m_value)
        return;
    const bool confirmed = isConfirmed();
    QColor secondary = palette().color(QPalette::WindowText);
    secondary.setAlphaF(0.6);
    setIcon(confirmed ? tinted(symbolIcon(QStringLiteral("checkmark")), QColor(0x2E, 0xA0, 0x43))
                      : tinted(symbolIcon(QStringLiteral("doc.on.doc")), secondary));
    setToolTip(confirmed ? L("コピーしました") : m_help.value_or(L("「") + *m_value + L("」をコピー")));
    setAccessibleDescription(confirmed ? L("コピーしました") : QString());
}

CopyMenuItem::CopyMenuItem(const QString &id, const std::optional<QString> &value, const std::optional<QString> &title,
                           CopyConfirmation &copied, QObject *parent)
    : QAction(parent), m_id(id), m_value(value), m_copied(copied)
{
    setVisible(value.has_value());
    setIcon(symbolIcon(QStringLiteral("doc.on.doc")));
    if (value)
        setText(title.value_or(L("「") + *value + L("」をコピー")));
    connect(this, &QAction::triggered, this, [this] {
        if (m_value)
            m_copied.performCopy(*m_value, m_id);
    });
}

} // namespace Brindlewick
