#include "views/hooksetupsheet.h"

#include "services/backgroundtask.h"
#include "services/localization.h"
#include "services/preferences.h"
#include "views/symbols.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace Brindlewick {

HookSetupSheet::HookSetupSheet(HookSettingsInstaller installer, QWidget *parent)
    : QDialog(parent), m_installer(std::move(installer))
{
    setObjectName(QStringLiteral("hookSetupSheet"));
    setWindowModality(Qt::WindowModal);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 22, 24, 18);
    layout->setSpacing(12);
    auto *icon = new QLabel(this);
    icon->setPixmap(symbolIcon(QStringLiteral("bolt.horizontal.circle")).pixmap(40, 40));
    icon->setAlignment(Qt::AlignHCenter);
    layout->addWidget(icon);
    m_title = new QLabel(this);
    QFont tf = m_title->font();
    tf.setBold(true);
    tf.setPointSizeF(tf.pointSizeF() * 1.2);
    m_title->setFont(tf);
    m_title->setAlignment(Qt::AlignHCenter);
    m_title->setWordWrap(true);
    layout->addWidget(m_title);
    m_text = new QLabel(this);
    m_text->setWordWrap(true);
    m_text->setMinimumWidth(420);
    layout->addWidget(m_text);
    m_error = new QLabel(this);
    m_error->setObjectName(QStringLiteral("hookSetupError"));
    m_error->setWordWrap(true);
    QPalette ep = m_error->palette();
    ep.setColor(QPalette::WindowText, QColor(0xD7, 0x3A, 0x31));
    m_error->setPalette(ep);
    m_error->hide();
    layout->addWidget(m_error);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    m_notNow = new QPushButton(this);
    m_notNow->setObjectName(QStringLiteral("notNow"));
    m_install = new QPushButton(this);
    m_install->setObjectName(QStringLiteral("installHooks"));
    m_install->setDefault(true);
    buttons->addWidget(m_notNow);
    buttons->addWidget(m_install);
    layout->addLayout(buttons);

    connect(m_notNow, &QPushButton::clicked, this, [this] {
        Preferences::setValue(QStringLiteral("hookSetupPromptSuppressed"), true);
        reject();
    });
    connect(m_install, &QPushButton::clicked, this, &HookSetupSheet::install);
    retranslate();
}

QString HookSetupSheet::errorMessage() const
{
    return m_error->isVisible() ? m_error->text() : QString();
}

void HookSetupSheet::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void HookSetupSheet::retranslate()
{
    setWindowTitle(L("Claude Code フックの初回セットアップ"));
    m_title->setText(L("Claude Code フックの初回セットアップ"));
    m_text->setText(L("カードの「いま誰のターン？」を自動で切り替えるため、~/.claude/settings.json に Brindlewick のフックを追加します。\n\n・既存の設定や他ツールのフックは変更しません。\n・追加前に自動でバックアップを作成します。\n・「今はしない」を選ぶとこの案内は次回から表示しません。設定ウィンドウの「フック」からいつでも導入・除去できます。"));
    m_notNow->setText(L("今はしない"));
    m_install->setText(L("フックを導入"));
}

void HookSetupSheet::install()
{
    m_install->setEnabled(false);
    m_notNow->setEnabled(false);
    const HookSettingsInstaller installer = m_installer;
    runInBackground(this, [installer] { return installer.install(); },
                    [this](const Result<void, HookSettingsInstaller::InstallError> &r) {
                        m_install->setEnabled(true);
                        m_notNow->setEnabled(true);
                        if (r) {
                            accept();
                            return;
                        }
                        m_error->setText(r.error().description);
                        m_error->show();
                    });
}

} // namespace Brindlewick
