#include "views/appactions.h"

#include "services/localization.h"
#include "services/sessionprocessmanager.h"
#include "views/fontsettings.h"
#include "views/sessionterminalview.h"
#include "views/sessionwindow.h"

#include <QAction>
#include <QApplication>
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
        m_window->addAction(actions.arrangeSessions);
        m_terminal = addMenu(QString());
        m_terminal->addAction(actions.zoomIn);
        m_terminal->addAction(actions.zoomOut);
        m_terminal->addAction(actions.zoomReset);
        m_terminal->addSeparator();
        m_terminal->addAction(actions.find);
        m_terminal->addAction(actions.findNext);
        m_terminal->addAction(actions.findPrevious);
        m_terminal->addSeparator();
        m_terminal->addAction(actions.splitRight);
        m_terminal->addAction(actions.splitDown);
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
        m_terminal->setTitle(L("ターミナル"));
        m_help->setTitle(L("ヘルプ"));
        m_window->menuAction()->setVisible(!m_window->actions().isEmpty());
    }

    AppActions &m_actions;
    QMenu *m_file;
    QMenu *m_view;
    QMenu *m_window;
    QMenu *m_terminal;
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
    auto make = [this](const char *name, const char *keys) {
        auto *action = new QAction(this);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(QKeySequence(QLatin1String(keys)));
        return action;
    };
    arrangeSessions = make("arrangeSessions", "Ctrl+Alt+G");
    zoomIn = make("zoomIn", "Ctrl+=");
    // "+" needs Shift on most keyboards; the key then arrives as Ctrl+Shift++, which Ctrl++ matches.
    zoomIn->setShortcuts({QKeySequence(QStringLiteral("Ctrl+=")), QKeySequence(QStringLiteral("Ctrl++"))});
    zoomOut = make("zoomOut", "Ctrl+-");
    zoomReset = make("zoomReset", "Ctrl+0");
    find = make("find", "Ctrl+Shift+F");
    findNext = make("findNext", "Ctrl+Shift+G");
    findPrevious = make("findPrevious", "Ctrl+Shift+H");
    splitRight = make("splitRight", "Ctrl+Alt+R");
    splitDown = make("splitDown", "Ctrl+Alt+D");
    connect(arrangeSessions, &QAction::triggered, this, [] { SessionProcessManager::shared().arrangeWindowsInGrid(); });
    connect(zoomIn, &QAction::triggered, this, [] { FontSettings::zoomMonospace(1); });
    connect(zoomOut, &QAction::triggered, this, [] { FontSettings::zoomMonospace(-1); });
    connect(zoomReset, &QAction::triggered, this, [] { FontSettings::resetMonospaceSize(); });
    // The terminal with keyboard focus handles the find commands.
    auto focusedTerminal = []() -> SessionTerminalView * {
        for (QWidget *w = QApplication::focusWidget(); w; w = w->parentWidget()) {
            if (auto *terminal = qobject_cast<SessionTerminalView *>(w))
                return terminal;
        }
        return nullptr;
    };
    connect(find, &QAction::triggered, this, [focusedTerminal] {
        if (SessionTerminalView *t = focusedTerminal())
            t->showFind();
    });
    connect(findNext, &QAction::triggered, this, [focusedTerminal] {
        if (SessionTerminalView *t = focusedTerminal())
            t->findNext();
    });
    connect(findPrevious, &QAction::triggered, this, [focusedTerminal] {
        if (SessionTerminalView *t = focusedTerminal())
            t->findPrevious();
    });
    auto activeSessionWindow = [] { return qobject_cast<SessionWindow *>(QApplication::activeWindow()); };
    connect(splitRight, &QAction::triggered, this, [activeSessionWindow] {
        if (SessionWindow *w = activeSessionWindow())
            w->splitFocusedPane(true);
    });
    connect(splitDown, &QAction::triggered, this, [activeSessionWindow] {
        if (SessionWindow *w = activeSessionWindow())
            w->splitFocusedPane(false);
    });
    if (qApp)
        connect(qApp, &QApplication::focusChanged, this, &AppActions::updateSessionCommands);
    updateSessionCommands();
    retranslate();
}

void AppActions::updateSessionCommands()
{
    const bool session = qobject_cast<SessionWindow *>(QApplication::activeWindow()) != nullptr;
    splitRight->setEnabled(session);
    splitDown->setEnabled(session);
}

void AppActions::retranslate()
{
    showBoard->setText(L("ボードを表示"));
    preferences->setText(L("設定…"));
    quit->setText(L("Brindlewick を終了"));
    about->setText(L("Brindlewick について"));
    arrangeSessions->setText(L("セッションを格子状に整列"));
    zoomIn->setText(L("文字を拡大"));
    zoomOut->setText(L("文字を縮小"));
    zoomReset->setText(L("文字サイズをリセット"));
    find->setText(L("検索…"));
    findNext->setText(L("次を検索"));
    findPrevious->setText(L("前を検索"));
    splitRight->setText(L("ターミナルを左右に分割"));
    splitDown->setText(L("ターミナルを上下に分割"));
}

void AppActions::installMenuBar(QMainWindow *window)
{
    window->setMenuBar(new AppMenuBar(*this, window));
    // Shortcuts of a shared action work in every window that holds it.
    window->addAction(showBoard);
    window->addAction(preferences);
    window->addAction(quit);
    for (QAction *action : {arrangeSessions, zoomIn, zoomOut, zoomReset, find, findNext, findPrevious, splitRight, splitDown})
        window->addAction(action);
}

} // namespace Brindlewick
