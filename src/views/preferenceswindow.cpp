#include "views/preferenceswindow.h"

#include "services/localization.h"
#include "views/generalsettingspage.h"
#include "views/symbols.h"

#include <QEvent>
#include <QTabWidget>
#include <QVBoxLayout>

namespace Brindlewick {

PreferencesWindow::PreferencesWindow(LocalizationManager &localization, QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("preferences"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    m_tabs = new QTabWidget(this);
    m_tabs->setDocumentMode(true);
    layout->addWidget(m_tabs);
    addPage(new GeneralSettingsPage(localization, m_tabs), BW_KEY("一般"), QStringLiteral("gearshape"));
    setMinimumSize(460, 560);
    setMaximumWidth(600);
    resize(480, 640);
    retranslate();
}

void PreferencesWindow::addPage(QWidget *page, const char *labelKey, const QString &symbol)
{
    m_pages.push_back({page, labelKey});
    m_tabs->addTab(page, symbolIcon(symbol), L(labelKey));
}

void PreferencesWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void PreferencesWindow::retranslate()
{
    setWindowTitle(L("設定"));
    for (const PageInfo &p : std::as_const(m_pages))
        m_tabs->setTabText(m_tabs->indexOf(p.page), L(p.labelKey));
}

} // namespace Brindlewick
