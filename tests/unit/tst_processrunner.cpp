#include "services/processrunner.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <thread>

using namespace Brindlewick;

namespace {

ProcessSpec shell(const QString &script) {
    ProcessSpec request;
    request.program = QStringLiteral("/bin/sh");
    request.arguments = QStringList{QStringLiteral("-c"), script};
    request.environment = QStringList{QStringLiteral("PATH=/usr/bin:/bin")};
    return request;
}

bool processExists(const QByteArray &pidText) {
    bool ok = false;
    const int pid = pidText.trimmed().toInt(&ok);
    return ok && ::kill(pid, 0) == 0;
}

} // namespace

class TestProcessRunner : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void exactEnvironmentAndFolder();
    void exitStatusAndStandardInput();
    void largeOutputOnBothPipes();
    void launchFailures();
    void deadlineEscalatesToKillForTheWholeGroup();
    void cancellationFromAnotherThread();
};

void TestProcessRunner::exactEnvironmentAndFolder() {
    QTemporaryDir dir;
    ProcessSpec request;
    request.program = QStringLiteral("env");
    request.environment = QStringList{QStringLiteral("PATH=/usr/bin:/bin"), QStringLiteral("ONLY=this one")};
    const ProcessOutcome env = ProcessRunner::run(request);
    QVERIFY(env.succeeded());
    QCOMPARE(env.standardOutput, QByteArray("PATH=/usr/bin:/bin\nONLY=this one\n"));

    ProcessSpec pwd = shell(QStringLiteral("pwd"));
    pwd.workingDirectory = dir.path();
    QCOMPARE(ProcessRunner::run(pwd).standardOutput.trimmed(),
             QFile::encodeName(QFileInfo(dir.path()).canonicalFilePath()));
}

void TestProcessRunner::exitStatusAndStandardInput() {
    const ProcessOutcome failed = ProcessRunner::run(shell(QStringLiteral("echo out; echo err >&2; exit 3")));
    QVERIFY(failed.started);
    QCOMPARE(failed.exitCode, 3);
    QVERIFY(!failed.succeeded());
    QCOMPARE(failed.standardOutput, QByteArray("out\n"));
    QCOMPARE(failed.standardError, QByteArray("err\n"));

    ProcessSpec quiet = shell(QStringLiteral("echo err >&2; read line; echo \"got $line\""));
    quiet.captureStandardError = false;
    const ProcessOutcome noInput = ProcessRunner::run(quiet);
    QCOMPARE(noInput.standardError, QByteArray());
    QCOMPARE(noInput.standardOutput, QByteArray("got \n")); // /dev/null, not the test's stdin

    ProcessSpec cat = shell(QStringLiteral("cat"));
    cat.standardInput = QByteArray(300000, 'y'); // more than a pipe holds
    const ProcessOutcome echoed = ProcessRunner::run(cat);
    QVERIFY(echoed.succeeded());
    QCOMPARE(echoed.standardOutput, cat.standardInput);

    // A child that never reads its input: the write fails quietly instead of raising SIGPIPE here.
    ProcessSpec deaf = shell(QStringLiteral("exec 0<&-; exit 4"));
    deaf.standardInput = QByteArray(1 << 20, 'z');
    const ProcessOutcome ignored = ProcessRunner::run(deaf);
    QCOMPARE(ignored.exitCode, 4);

    const ProcessOutcome signalled = ProcessRunner::run(shell(QStringLiteral("kill -KILL $$")));
    QCOMPARE(signalled.exitCode, -1);
    QCOMPARE(signalled.terminatingSignal, SIGKILL);
}

void TestProcessRunner::largeOutputOnBothPipes() {
    // Interleaved writes far beyond a pipe's buffer would stall a reader that drains one pipe first.
    const ProcessOutcome r = ProcessRunner::run(shell(QStringLiteral(
        "for i in 1 2 3 4 5 6 7 8; do head -c 200000 /dev/zero | tr '\\0' e >&2; head -c 200000 /dev/zero; done")));
    QVERIFY(r.succeeded());
    QCOMPARE(r.standardOutput.size(), 1600000);
    QCOMPARE(r.standardError.size(), 1600000);
}

void TestProcessRunner::launchFailures() {
    ProcessSpec missing;
    missing.program = QStringLiteral("no-such-program-here");
    missing.environment = QStringList{QStringLiteral("PATH=/usr/bin:/bin")};
    const ProcessOutcome a = ProcessRunner::run(missing);
    QVERIFY(!a.started);
    QCOMPARE(a.exitCode, -1);
    QVERIFY(a.launchError.contains(QLatin1String("no-such-program-here")));

    ProcessSpec noFolder = shell(QStringLiteral("true"));
    noFolder.workingDirectory = QStringLiteral("/no/such/folder");
    const ProcessOutcome b = ProcessRunner::run(noFolder);
    QVERIFY(!b.started);
    QVERIFY(b.launchError.contains(QLatin1String("/no/such/folder")));

    // The search path is the child's, not this process's.
    ProcessSpec noPath = shell(QStringLiteral("true"));
    noPath.program = QStringLiteral("sh");
    noPath.environment = QStringList{};
    QVERIFY(!ProcessRunner::run(noPath).started);
}

void TestProcessRunner::deadlineEscalatesToKillForTheWholeGroup() {
    // The child ignores SIGTERM and leaves a grandchild in its group that reports its pid.
    QTemporaryDir dir;
    const QString pidFile = dir.path() + QStringLiteral("/grandchild");
    ProcessSpec request = shell(QStringLiteral("trap '' TERM; sleep 30 & echo $! > '%1'; wait").arg(pidFile));
    request.deadline = std::chrono::milliseconds(300);
    request.killGrace = std::chrono::milliseconds(300);
    QElapsedTimer t;
    t.start();
    const ProcessOutcome r = ProcessRunner::run(request);
    QVERIFY(r.timedOut);
    QVERIFY(!r.succeeded());
    QVERIFY(t.elapsed() < 10000);
    QFile f(pidFile);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray grandchild = f.readAll();
    QTRY_VERIFY(!processExists(grandchild));
}

void TestProcessRunner::cancellationFromAnotherThread() {
    ProcessSpec request = shell(QStringLiteral("sleep 30"));
    request.cancel = std::make_shared<std::atomic_bool>(false);
    std::thread canceller([flag = request.cancel] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        flag->store(true);
    });
    const ProcessOutcome r = ProcessRunner::run(request);
    canceller.join();
    QVERIFY(r.cancelled);
    QCOMPARE(r.terminatingSignal, SIGTERM);
}

QTEST_GUILESS_MAIN(TestProcessRunner)
#include "tst_processrunner.moc"
