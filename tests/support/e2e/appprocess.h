#pragma once

#include "support/testsupport.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonObject>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QUuid>

#include <memory>
#include <optional>

namespace BrindlewickTest {

// The real `brindlewick` executable started with a temporary home, for end-to-end tests under
// Xvfb. It answers "introspect" on its single-instance socket with a JSON description of its
// windows (BRINDLEWICK_TEST_INTROSPECTION=1).
class AppProcess {
public:
    explicit AppProcess(const TempHome &home);
    ~AppProcess();

    QProcessEnvironment environment() const;
    bool start(const QStringList &arguments = {});
    // Waits until a visible window titled `title` is mapped; false on timeout.
    bool waitForWindow(const QString &title, int timeoutMs = 15000);
    std::optional<QJsonObject> introspect() const;
    // All widgets of the window titled `title` whose class name ends with `className`.
    QJsonArray widgets(const QString &title, const QString &className) const;
    // The top-level windows by title.
    QHash<QString, QJsonObject> windowsByTitle() const;
    // The X11 id of the window titled `title` (a search by name also finds Qt's helper windows).
    QString windowID(const QString &title) const;
    // Activates that window through the window manager and lets it settle.
    void activateWindow(const QString &title) const;
    // Clicks the board card whose accessible name starts with `title`; false when there is none.
    bool clickCard(const QString &title) const;
    // Ends the app as a logout would (SIGTERM) and waits; its exit code.
    int terminate(int timeoutMs = 10000);
    QProcess &process() { return m_process; }
    QByteArray stderrText() { return m_stderr += m_process.readAllStandardError(); }

private:
    const TempHome &m_home;
    QProcess m_process;
    QByteArray m_stderr;
};

// Writes the home's preferences so that the app does not offer the hook setup at launch.
bool suppressHookSetupOffer(const TempHome &home);

// Writes a store into the home's data folder: one project "demo" at `folder` with one session per
// title, in that folder. The sessions' ids by title; empty when the store could not be written.
QHash<QString, QUuid> seedDemoSessions(const QString &folder, const QStringList &titles,
                                       const QString &columnRaw = QString());

// The rectangle a widget dump gives an entry (x, y, width, height).
QRect rectOf(const QJsonObject &entry);
// The X11 id of the active window, as xdotool prints it.
QString activeWindowID();

// Runs a command to its end; its exit code, or -1 when it could not run in time.
int runCommand(const QString &program, const QStringList &arguments, QByteArray *output = nullptr,
               int timeoutMs = 10000);

} // namespace BrindlewickTest
