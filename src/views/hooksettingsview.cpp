#include "views/hooksettingsview.h"

#include "services/localization.h"
#include "services/preferences.h"
#include "views/symbols.h"
#include "views/textstyles.h"

#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace Brindlewick {

HookSettingsView::HookSettingsView(HookSettingsInstaller installer, QWidget *parent)
    : QWidget(parent), m_installer(std::move(installer))
{
    setObjectName(QStringLiteral("hookSettings"));
    setMinimumWidth(480);
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(20, 20, 20, 20);
    m_group = new QGroupBox(this);
    auto *col = new QVBoxLayout(m_group);
    col->setSpacing(12);
    m_explanation = secondaryLabel(m_group, 0.95);
    col->addWidget(m_explanation);

    auto *row = new QHBoxLayout;
    m_statusCaption = new QLabel(m_group);
    m_statusIcon = new QLabel(m_group);
    m_statusText = new QLabel(m_group);
    m_statusText->setObjectName(QStringLiteral("hookStatus"));
    row->addWidget(m_statusCaption);
    row->addStretch();
    row->addWidget(m_statusIcon);
    row->addWidget(m_statusText);
    col->addLayout(row);

    m_invalidHint = secondaryLabel(m_group, 0.95);
    col->addWidget(m_invalidHint);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    m_install = new QPushButton(m_group);
    m_install->setObjectName(QStringLiteral("installHooks"));
    m_install->setDefault(true);
    m_reinstall = new QPushButton(m_group);
    m_reinstall->setObjectName(QStringLiteral("reinstallHooks"));
    m_remove = new QPushButton(m_group);
    m_remove->setObjectName(QStringLiteral("removeHooks"));
    m_recheck = new QPushButton(m_group);
    m_recheck->setObjectName(QStringLiteral("recheckHooks"));
    for (QPushButton *b : {m_install, m_reinstall, m_remove, m_recheck})
        buttons->addWidget(b);
    col->addLayout(buttons);
    m_error = new QLabel(m_group);
    m_error->setObjectName(QStringLiteral("hookError"));
    m_error->setWordWrap(true);
    m_error->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QPalette ep = m_error->palette();
    ep.setColor(QPalette::WindowText, QColor(0xD7, 0x3A, 0x31));
    m_error->setPalette(ep);
    col->addWidget(m_error);
    outer->addWidget(m_group);
    outer->addStretch();

    connect(m_install, &QPushButton::clicked, this, &HookSettingsView::install);
    connect(m_reinstall, &QPushButton::clicked, this, &HookSettingsView::install);
    connect(m_remove, &QPushButton::clicked, this, &HookSettingsView::remove);
    connect(m_recheck, &QPushButton::clicked, this, [this] {
        m_errorMessage.reset();
        refresh();
    });
    retranslate();
    refresh();
}

QString HookSettingsView::errorMessage() const
{
    return m_errorMessage.value_or(QString());
}

void HookSettingsView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void HookSettingsView::retranslate()
{
    m_group->setTitle(L("Claude Code フック"));
    m_explanation->setText(L("カードの自動列移動は ~/.claude/settings.json のフックで動きます。導入すると 4 つのイベント（プロンプト送信・ツール実行・通知・停止）に Brindlewick のフックを追加します。既存の設定や他ツールのフックは変更せず、追加前に自動でバックアップを作成します。"));
    m_statusCaption->setText(L("状態"));
    m_invalidHint->setText(L("settings.json を手動で修正してから「再確認」を押してください。"));
    m_install->setText(L("フックを導入"));
    m_reinstall->setText(L("フックを再導入"));
    m_remove->setText(L("フックを除去"));
    m_recheck->setText(L("再確認"));
    render();
}

void HookSettingsView::render()
{
    using S = HookSettingsInstaller::Status;
    QString text, symbol;
    QColor colour;
    if (m_status) {
        switch (*m_status) {
        case S::noFile:
            text = L("未導入（設定ファイルなし）");
            symbol = QStringLiteral("exclamationmark.circle");
            colour = QColor(0xF0, 0x8A, 0x24);
            break;
        case S::notInstalled:
            text = L("未導入");
            symbol = QStringLiteral("exclamationmark.circle");
            colour = QColor(0xF0, 0x8A, 0x24);
            break;
        case S::installed:
            text = L("導入済み");
            symbol = QStringLiteral("checkmark.circle.fill");
            colour = QColor(0x2E, 0xA0, 0x43);
            break;
        case S::invalidJSON:
            text = L("settings.json が不正");
            symbol = QStringLiteral("xmark.octagon.fill");
            colour = QColor(0xD7, 0x3A, 0x31);
            break;
        }
    }
    m_statusText->setText(text);
    QPalette sp = m_statusText->palette();
    if (colour.isValid())
        sp.setColor(QPalette::WindowText, colour);
    m_statusText->setPalette(sp);
    m_statusIcon->setPixmap(symbol.isEmpty() ? QPixmap() : symbolIcon(symbol).pixmap(16, 16));
    const bool notThere = m_status == S::noFile || m_status == S::notInstalled;
    m_install->setVisible(notThere);
    m_reinstall->setVisible(m_status == S::installed);
    m_remove->setVisible(m_status == S::installed);
    m_invalidHint->setVisible(m_status == S::invalidJSON);
    m_recheck->setVisible(m_status == S::invalidJSON);
    for (QPushButton *b : {m_install, m_reinstall, m_remove, m_recheck})
        b->setEnabled(!m_busy);
    m_error->setVisible(m_errorMessage.has_value());
    m_error->setText(m_errorMessage.value_or(QString()));
}

void HookSettingsView::refresh()
{
    const HookSettingsInstaller installer = m_installer;
    m_statusSlot.run(this, [installer] { return installer.status(); },
                     [this](HookSettingsInstaller::Status status) {
                         m_status = status;
                         render();
                         Q_EMIT statusRead();
                     });
}

void HookSettingsView::finishAction(const std::optional<QString> &error)
{
    m_busy = false;
    m_errorMessage = error;
    refresh();
    render();
}

void HookSettingsView::install()
{
    if (m_busy)
        return;
    m_busy = true;
    render();
    const HookSettingsInstaller installer = m_installer;
    runInBackground(this, [installer] { return installer.install(); },
                    [this](const Result<void, HookSettingsInstaller::InstallError> &r) {
                        finishAction(r ? std::nullopt : std::optional<QString>(r.error().description));
                    });
}

void HookSettingsView::remove()
{
    if (m_busy)
        return;
    // Removing the hooks also means the first-run offer is not wanted any more.
    Preferences::setValue(QStringLiteral("hookSetupPromptSuppressed"), true);
    if (m_status != HookSettingsInstaller::Status::installed)
        return;
    m_busy = true;
    render();
    const HookSettingsInstaller installer = m_installer;
    runInBackground(this, [installer] { return installer.uninstall(); },
                    [this](const Result<void, HookSettingsInstaller::InstallError> &r) {
                        finishAction(r ? std::nullopt : std::optional<QString>(r.error().description));
                    });
}

} // namespace Brindlewick
