#pragma once

#include <QObject>

class QSocketNotifier;

namespace Brindlewick {

// Watches one child process through a pidfd and reports once when it has ended, whatever ended it
// (its own exit, a signal, a crash). It never reaps: the process object that started the child
// does that, and a waitpid here would take the exit status away from it. Also signals the child
// through the pidfd, so a reused process id can never be hit. GUI thread (or the thread it lives on).
class ProcessExitWatch final : public QObject {
    Q_OBJECT
public:
    explicit ProcessExitWatch(qint64 pid, QObject *parent = nullptr);
    ~ProcessExitWatch() override;

    qint64 pid() const { return m_pid; }
    // False when no pidfd could be opened (the process had already been reaped).
    bool isValid() const { return m_fd >= 0; }
    bool hasExited() const { return m_exited; }
    // Sends `signal` unless the process has already ended; false when it was not sent.
    bool sendSignal(int signal);

Q_SIGNALS:
    void exited();

private:
    void onReadable();

    qint64 m_pid;
    int m_fd = -1;
    bool m_exited = false;
    QSocketNotifier *m_notifier = nullptr;
};

} // namespace Brindlewick
