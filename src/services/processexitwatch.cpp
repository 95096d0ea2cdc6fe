#include "services/processexitwatch.h"

#include <QSocketNotifier>

#include <csignal>
#include <sys/syscall.h>
#include <unistd.h>

namespace Brindlewick {

namespace {

int openPidfd(qint64 pid) {
    if (pid <= 0)
        return -1;
    return static_cast<int>(::syscall(SYS_pidfd_open, static_cast<pid_t>(pid), 0));
}

} // namespace

ProcessExitWatch::ProcessExitWatch(qint64 pid, QObject *parent)
    : QObject(parent)
    , m_pid(pid)
    , m_fd(openPidfd(pid)) {
    if (m_fd < 0) {
        m_exited = true;
        return;
    }
    // A pidfd becomes readable when the process terminates (before it is reaped).
    m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &ProcessExitWatch::onReadable);
}

ProcessExitWatch::~ProcessExitWatch() {
    delete m_notifier;
    if (m_fd >= 0)
        ::close(m_fd);
}

bool ProcessExitWatch::sendSignal(int signal) {
    if (m_fd < 0 || m_exited)
        return false;
    return ::syscall(SYS_pidfd_send_signal, m_fd, signal, nullptr, 0) == 0;
}

void ProcessExitWatch::onReadable() {
    if (m_exited)
        return;
    m_exited = true;
    m_notifier->setEnabled(false);
    Q_EMIT exited();
}

} // namespace Brindlewick
