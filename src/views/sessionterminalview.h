#pragma once

#include "services/scrollbackpolicy.h"
#include "services/sessionterminal.h"
#include "services/terminalmodetracker.h"

#include "views/qtermwidgetinclude.h"

#include <QElapsedTimer>
#include <QPointer>

class QTemporaryDir;
class QTimer;

namespace Brindlewick {

// A terminal for a session's claude process or an auxiliary shell, on qtermwidget. Adds what a
// Claude Code session needs: Shift/Ctrl+Return as a line break (the progressive keyboard protocol's
// Shift+Enter when the program asked for it), copy on select, Ctrl+Shift+C/V, find, links limited
// to web and mail addresses, no bare mouse motion reported while the program tracks the mouse, and
// colours from generated colour schemes; the scroll-back moves between memory and an unnamed file
// in the temporary folder as ScrollbackPolicy decides. GUI thread.
class SessionTerminalView final : public QTermWidget, public SessionTerminal {
    Q_OBJECT
public:
    explicit SessionTerminalView(QWidget *parent = nullptr);
    ~SessionTerminalView() override;

    // Makes the process manager create views of this kind.
    static void installFactory();

    QObject *object() override { return this; }
    bool startProcess(const TerminalLaunch &launch) override;
    qint64 processID() const override;
    void sendInput(const QString &text) override;
    void applyAppearance(const TerminalAppearance &appearance) override;
    bool hasKeyboardFocus() const override;
    bool isInWindow() const override;
    bool bringWindowToFront() override;
    void setWindowFrame(const QRect &frame) override;
    void detach() override;
    bool isShown() const override { return parentWidget() != nullptr; }

    const TerminalModeTracker &modes() const { return m_modes; }
    QWidget *display() const { return m_display; }
    // The colour scheme file in use (a new file for every change: the widget caches by name).
    QString colorSchemePath() const { return m_schemePath; }

    void showFind();
    void findNext();
    void findPrevious();
    // Called when the selection may have changed (after a mouse release).
    void copySelectionIfWanted();

    ScrollbackPolicy::Store scrollbackStore() const { return m_scrollback.store(); }
    // How long output must pause before the scroll-back moves to its file (tests shorten it).
    void setScrollbackRestInterval(int ms);

Q_SIGNALS:
    void linkOpened(const QUrl &url);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void openLink(const QUrl &url);
    void outputArrived(qint64 bytes);
    void scrollbackAtRest();
    void moveScrollback(ScrollbackPolicy::Store store);
    // The user is reading or selecting in the scroll-back, which a move would disturb.
    bool isReadingBack();

    QWidget *m_display = nullptr;
    TerminalModeTracker m_modes;
    QString m_schemePath;
    mutable qint64 m_pid = 0;
    ScrollbackPolicy m_scrollback;
    QTimer *m_restTimer = nullptr;
    bool m_fileStoreFailed = false;
    QElapsedTimer m_clock;
};

} // namespace Brindlewick
