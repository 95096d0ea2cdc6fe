#pragma once

#include <QObject>

class QAction;
class QMainWindow;
class QMenuBar;

namespace Brindlewick {

// The application's commands. One set of actions is shared by the menu bars of every window, so
// each command and its shortcut work from any window.
class AppActions final : public QObject {
    Q_OBJECT
public:
    explicit AppActions(QObject *parent = nullptr);

    QAction *showBoard = nullptr;   // Ctrl+Shift+B
    QAction *preferences = nullptr; // Ctrl+,
    QAction *quit = nullptr;        // Ctrl+Q
    QAction *about = nullptr;
    QAction *arrangeSessions = nullptr; // Ctrl+Alt+G
    QAction *zoomIn = nullptr;          // Ctrl+= (also Ctrl++)
    QAction *zoomOut = nullptr;         // Ctrl+-
    QAction *zoomReset = nullptr;       // Ctrl+0
    QAction *find = nullptr;            // Ctrl+Shift+F
    QAction *findNext = nullptr;        // Ctrl+Shift+G
    QAction *findPrevious = nullptr;    // Ctrl+Shift+H
    QAction *splitRight = nullptr;      // Ctrl+Alt+R
    QAction *splitDown = nullptr;       // Ctrl+Alt+D

    // Gives a window the application's menu bar.
    void installMenuBar(QMainWindow *window);
    void retranslate();
    // The split commands work only while a session window is active.
    void updateSessionCommands();
};

} // namespace Brindlewick
