#include "services/processrunner.h"

#include "services/localization.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcessEnvironment>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <pthread.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <vector>

namespace Brindlewick {

namespace {

using Clock = std::chrono::steady_clock;

// Owns one file descriptor.
class Fd {
public:
    Fd() = default;
    explicit Fd(int fd)
        : m_fd(fd) {}
    ~Fd() { reset(); }
    Fd(const Fd &) = delete;
    Fd &operator=(const Fd &) = delete;
    int get() const { return m_fd; }
    bool valid() const { return m_fd >= 0; }
    void reset(int fd = -1) {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = fd;
    }

private:
    int m_fd = -1;
};

bool makePipe(Fd &readEnd, Fd &writeEnd) {
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0)
        return false;
    readEnd.reset(fds[0]);
    writeEnd.reset(fds[1]);
    return true;
}

void setNonBlocking(int fd) {
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0)
        ::fcntl(fd, F_SETFL, flags | O_NONBLOCK);
}

// Owns the spawn attributes and file actions.
struct SpawnSetup {
    posix_spawnattr_t attr;
    posix_spawn_file_actions_t actions;
    SpawnSetup() {
        posix_spawnattr_init(&attr);
        posix_spawn_file_actions_init(&actions);
    }
    ~SpawnSetup() {
        posix_spawn_file_actions_destroy(&actions);
        posix_spawnattr_destroy(&attr);
    }
};

int openPidFd(pid_t pid) {
#ifdef SYS_pidfd_open
    const long fd = ::syscall(SYS_pidfd_open, pid, 0);
    if (fd >= 0)
        ::fcntl(int(fd), F_SETFD, FD_CLOEXEC);
    return int(fd);
#else
    Q_UNUSED(pid);
    return -1;
#endif
}

// Blocks SIGPIPE in this thread while a child's standard input is written, so a child that exits
// without reading it turns the write into EPIPE instead of killing the whole application. A
// SIGPIPE raised meanwhile is consumed before the old mask comes back.
class SigPipeGuard {
public:
    SigPipeGuard() {
        sigset_t pipe;
        sigemptyset(&pipe);
        sigaddset(&pipe, SIGPIPE);
        sigset_t pending;
        sigpending(&pending);
        m_wasPending = sigismember(&pending, SIGPIPE) == 1;
        pthread_sigmask(SIG_BLOCK, &pipe, &m_old);
    }
    ~SigPipeGuard() {
        if (!m_wasPending) {
            sigset_t pipe;
            sigemptyset(&pipe);
            sigaddset(&pipe, SIGPIPE);
            const timespec zero{0, 0};
            while (sigtimedwait(&pipe, nullptr, &zero) == SIGPIPE) {
            }
        }
        pthread_sigmask(SIG_SETMASK, &m_old, nullptr);
    }
    SigPipeGuard(const SigPipeGuard &) = delete;
    SigPipeGuard &operator=(const SigPipeGuard &) = delete;

private:
    sigset_t m_old;
    bool m_wasPending = false;
};

} // namespace

ProcessRunner::ProcessRunner(ProcessSpec request)
    : m_spec(std::move(request)) {}

ProcessRunner::~ProcessRunner() {
    if (m_pid > 0)
        killGroupAndReap();
}

void ProcessRunner::killGroupAndReap() {
    ::kill(-m_pid, SIGKILL);
    int status = 0;
    while (::waitpid(m_pid, &status, 0) < 0 && errno == EINTR) {
    }
    m_pid = -1;
}

QStringList ProcessRunner::currentEnvironment(bool (*drop)(const QString &name)) {
    QStringList out;
    const QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString &name : env.keys()) {
        if (drop && drop(name))
            continue;
        out << name + QLatin1Char('=') + env.value(name);
    }
    return out;
}

QString ProcessRunner::findExecutable(const QString &program, const QStringList &environment) {
    if (program.contains(QLatin1Char('/'))) {
        const QFileInfo fi(program);
        return fi.isFile() && fi.isExecutable() ? program : QString();
    }
    QString path;
    for (const QString &entry : environment) {
        if (entry.startsWith(QLatin1String("PATH="))) {
            path = entry.mid(5);
            break;
        }
    }
    for (const QString &dir : path.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        const QString candidate = dir + QLatin1Char('/') + program;
        const QFileInfo fi(candidate);
        if (fi.isFile() && fi.isExecutable())
            return candidate;
    }
    return {};
}

ProcessOutcome ProcessRunner::run() {
    ProcessOutcome outcome;
    Q_ASSERT(m_pid < 0);

    const QString executable = findExecutable(m_spec.program, m_spec.environment);
    if (executable.isEmpty()) {
        outcome.launchError = L("実行ファイル「%@」が見つかりません。", m_spec.program);
        return outcome;
    }
    if (!m_spec.workingDirectory.isEmpty() && !QFileInfo(m_spec.workingDirectory).isDir()) {
        outcome.launchError = L("作業フォルダ「%@」がありません。", m_spec.workingDirectory);
        return outcome;
    }

    Fd inRead, inWrite, outRead, outWrite, errRead, errWrite;
    if (!makePipe(outRead, outWrite) || (m_spec.captureStandardError && !makePipe(errRead, errWrite)) ||
        (!m_spec.standardInput.isEmpty() && !makePipe(inRead, inWrite))) {
        outcome.launchError =
            L("子プロセスを起動できませんでした: %@", QString::fromLocal8Bit(std::strerror(errno)));
        return outcome;
    }

    SpawnSetup setup;
    sigset_t none, all;
    sigemptyset(&none);
    sigfillset(&all);
    posix_spawnattr_setsigmask(&setup.attr, &none);
    posix_spawnattr_setsigdefault(&setup.attr, &all);
    posix_spawnattr_setpgroup(&setup.attr, 0);
    posix_spawnattr_setflags(&setup.attr,
                             POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    if (inRead.valid())
        posix_spawn_file_actions_adddup2(&setup.actions, inRead.get(), STDIN_FILENO);
    else
        posix_spawn_file_actions_addopen(&setup.actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&setup.actions, outWrite.get(), STDOUT_FILENO);
    if (errWrite.valid())
        posix_spawn_file_actions_adddup2(&setup.actions, errWrite.get(), STDERR_FILENO);
    else
        posix_spawn_file_actions_addopen(&setup.actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    const QByteArray nativeDir = QFile::encodeName(m_spec.workingDirectory);
    if (!m_spec.workingDirectory.isEmpty())
        posix_spawn_file_actions_addchdir_np(&setup.actions, nativeDir.constData());

    // Keep every byte array alive until the spawn has copied them.
    const QByteArray nativeProgram = QFile::encodeName(executable);
    std::vector<QByteArray> argStore, envStore;
    argStore.push_back(QFile::encodeName(m_spec.program));
    for (const QString &a : m_spec.arguments)
        argStore.push_back(a.toLocal8Bit());
    for (const QString &e : m_spec.environment)
        envStore.push_back(e.toLocal8Bit());
    std::vector<char *> argv, envp;
    for (QByteArray &a : argStore)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    for (QByteArray &e : envStore)
        envp.push_back(e.data());
    envp.push_back(nullptr);

    pid_t pid = -1;
    const int rc =
        ::posix_spawn(&pid, nativeProgram.constData(), &setup.actions, &setup.attr, argv.data(), envp.data());
    if (rc != 0) {
        outcome.launchError =
            L("子プロセスを起動できませんでした: %@", QString::fromLocal8Bit(std::strerror(rc)));
        return outcome;
    }
    m_pid = pid;
    outcome.started = true;
    inRead.reset();
    outWrite.reset();
    errWrite.reset();
    setNonBlocking(outRead.get());
    if (errRead.valid())
        setNonBlocking(errRead.get());
    if (inWrite.valid())
        setNonBlocking(inWrite.get());
    Fd pidFd(openPidFd(pid));
    std::optional<SigPipeGuard> sigPipeGuard;
    if (inWrite.valid())
        sigPipeGuard.emplace();

    const auto start = Clock::now();
    std::optional<Clock::time_point> killAt;        // SIGKILL after the grace period
    std::optional<Clock::time_point> drainDeadline; // after the child is gone, stop waiting for grandchildren
    bool exited = false;
    int status = 0;
    qsizetype written = 0;
    auto stop = [&](bool timedOut) {
        if (killAt)
            return;
        (timedOut ? outcome.timedOut : outcome.cancelled) = true;
        ::kill(-pid, SIGTERM);
        killAt = Clock::now() + m_spec.killGrace;
    };
    auto reap = [&] {
        if (exited)
            return;
        // Look without reaping first: while the child is a zombie its process group id cannot be
        // reused, so whatever it left running in its group can be killed safely.
        siginfo_t info{};
        if (::waitid(P_PID, id_t(pid), &info, WEXITED | WNOHANG | WNOWAIT) == 0 && info.si_pid == pid) {
            ::kill(-pid, SIGKILL);
            while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
            }
            exited = true;
            m_pid = -1;
            drainDeadline = Clock::now() + m_spec.killGrace;
        }
    };

    char buffer[65536];
    for (;;) {
        reap();
        if (exited && !outRead.valid() && !errRead.valid())
            break;
        const auto now = Clock::now();
        if (m_spec.deadline && !killAt && now - start >= *m_spec.deadline)
            stop(true);
        if (m_spec.cancel && m_spec.cancel->load() && !killAt)
            stop(false);
        if (killAt && now >= *killAt && !exited)
            ::kill(-pid, SIGKILL);
        if (exited && drainDeadline && now >= *drainDeadline)
            break; // a grandchild still holds the pipes; its output is not ours to wait for

        std::vector<pollfd> fds;
        if (outRead.valid())
            fds.push_back({outRead.get(), POLLIN, 0});
        if (errRead.valid())
            fds.push_back({errRead.get(), POLLIN, 0});
        if (inWrite.valid())
            fds.push_back({inWrite.get(), POLLOUT, 0});
        if (pidFd.valid() && !exited)
            fds.push_back({pidFd.get(), POLLIN, 0});
        // Wake regularly for the deadline, cancellation and (without a pidfd) the exit check.
        const int timeoutMs =
            (pidFd.valid() && !m_spec.cancel && !m_spec.deadline && !killAt && !exited) ? -1 : 50;
        const int n = ::poll(fds.data(), nfds_t(fds.size()), timeoutMs);
        if (n < 0 && errno != EINTR)
            break;
        for (const pollfd &p : fds) {
            if (!p.revents)
                continue;
            if (p.fd == pidFd.get())
                continue; // handled by reap() at the top
            if (p.fd == inWrite.get()) {
                const ssize_t w = ::write(p.fd, m_spec.standardInput.constData() + written,
                                          size_t(m_spec.standardInput.size() - written));
                if (w > 0)
                    written += w;
                if ((w < 0 && errno != EAGAIN && errno != EINTR) || written >= m_spec.standardInput.size() ||
                    (p.revents & (POLLERR | POLLHUP)))
                    inWrite.reset();
                continue;
            }
            Fd &source = p.fd == outRead.get() ? outRead : errRead;
            QByteArray &sink = p.fd == outRead.get() ? outcome.standardOutput : outcome.standardError;
            const ssize_t r = ::read(p.fd, buffer, sizeof buffer);
            if (r > 0)
                sink.append(buffer, qsizetype(r));
            else if (r == 0 || (errno != EAGAIN && errno != EINTR))
                source.reset();
        }
    }
    if (!exited) {
        // Only reached when poll itself failed: do not leave the child behind.
        killGroupAndReap();
        outcome.terminatingSignal = SIGKILL;
        return outcome;
    }
    if (WIFEXITED(status)) {
        outcome.exitCode = WEXITSTATUS(status);
    } else if (WIFSIGNALED(status)) {
        outcome.terminatingSignal = WTERMSIG(status);
    }
    return outcome;
}

} // namespace Brindlewick
