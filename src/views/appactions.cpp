#include "views/appactions.h"

#include "services/localization.h"

#include <QAction>
#include <QEvent>
#include <QMainWindow>
#include <QMenuBar>

namespace Brindlewick {

namespace {

// A menu bar that re-reads its texts when the interface language changes.
class AppMenuBar final : public QMenuBar {
public:
    AppMenuBar(AppActions &actions, QWidget *parent) : QMenuBar(parent), m_actions(actions)
    {
        m_file = addMenu(QString());
        m_file->addAction(actions.preferences);
        m_file->addSeparator();
        m_file->addAction(actions.quit);
        m_view = addMenu(QString());
        m_view->addAction(actions.showBoard);
        m_window = addMenu(QString());
        m_help = addMenu(QString());
        m_help->addAction(actions.about);
        retranslate();
    }

protected:
    void changeEvent(QEvent *event) override
    {
        if (event->type() == QEvent::LanguageChange) {
            m_actions.retranslate();
            retranslate();
        }
        QMenuBar::changeEvent(event);
    }

private:
    void retranslate()
    {
        m_file->setTitle(L("ファイル"));
        m_view->setTitle(L("表示"));
        m_window->setTitle(L("ウインドウ"));
        m_help->setTitle(L("ヘルプ"));
        m_window->menuAction()->setVisible(!m_window->actions().isEmpty());
    }

    AppActions &m_actions;
    QMenu *m_file;
    QMenu *m_view;
    QMenu *m_window;
    QMenu *m_help;
};

} // namespace

AppActions::AppActions(QObject *parent) : QObject(parent)
{
    showBoard = new QAction(this);
    showBoard->setObjectName(QStringLiteral("showBoard"));
    showBoard->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+B")));
    preferences = new QAction(this);
    preferences->setObjectName(QStringLiteral("preferences"));
    preferences->setShortcut(QKeySequence(QStringLiteral("Ctrl+,")));
    preferences->setMenuRole(QAction::PreferencesRole);
    quit = new QAction(this);
    quit->setObjectName(QStringLiteral("quit"));
    quit->setShortcut(QKeySequence(QStringLiteral("Ctrl+Q")));
    quit->setMenuRole(QAction::QuitRole);
    about = new QAction(this);
    about->setObjectName(QStringLiteral("about"));
    about->setMenuRole(QAction::AboutRole);
    retranslate();
}

void AppActions::retranslate()
{
    showBoard->setText(L("ボードを表示"));
    preferences->setText(L("設定…"));
    quit->setText(L("Brindlewick を終了"));
    about->setText(L("Brindlewick について"));
}

void AppActions::installMenuBar(QMainWindow *window)
{
    window->setMenuBar(new AppMenuBar(*this, window));
    // Shortcuts of a shared action work in every window that holds it.
    window->addAction(showBoard);
    window->addAction(preferences);
    window->addAction(quit);
}

} // namespace Brindlewick
