// Session terminals with real processes: the login shell and the command line they get, what
// reaches the child, initial input, exits by themselves (also by a signal), and stopping them
// (SIGTERM, SIGKILL after 2 s, nothing left behind). The claude here is the fake in tests/helpers.
#include "models/uuidtext.h"
#include "services/sessionlaunchcommand.h"
#include "services/sessionprocessmanager.h"
#include "services/terminaltheme.h"
#include "support/terminalhome.h"
#include "views/sessionterminalview.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

#include <csignal>

using namespace Brindlewick;
using BrindlewickTest::TerminalHome;

class TestSessionProcesses : public QObject {
    Q_OBJECT
    std::unique_ptr<TerminalHome> m_home;
    QTemporaryDir m_work;
    SessionProcessManager &pm() { return SessionProcessManager::shared(); }

    qint64 fakePid(int run) {
        const QString file = m_home->fakeRun(run, QStringLiteral("pid"));
        [&] { QTRY_VERIFY_WITH_TIMEOUT(!BrindlewickTest::readFile(file).trimmed().isEmpty(), 10000); }();
        return BrindlewickTest::readFile(file).trimmed().toLongLong();
    }
    static QSet<QString> asSet(const QStringList &l) { return QSet<QString>(l.begin(), l.end()); }

private Q_SLOTS:
    void initTestCase() {
        qputenv("BW_TEST_SECRET", "must-not-arrive");
        // Passed values arrive as they are, "$" and spaces included.
        qputenv("LOGNAME", "we$HOME ird");
        m_home = std::make_unique<TerminalHome>();
        SessionTerminalView::installFactory();
    }
    void init() { m_home->clearRuns(); }
    void cleanup() {
        pm().terminateAll();
        QVERIFY(pm().waitForTerminations(4000));
    }

    void commandLineAndEnvironment_data() {
        QTest::addColumn<QString>("resume");
        QTest::addColumn<bool>("skip");
        QTest::addColumn<bool>("remote");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QStringList>("claudeArgs");
        const QString id = QStringLiteral("0F8E1C2A-3B4D-4E5F-8A9B-0C1D2E3F4A5B");
        QTest::newRow("resume and both flags")
            << id << true << true
            << QStringLiteral("exec claude --resume ") + id +
                   QStringLiteral(" --dangerously-skip-permissions --remote-control")
            << QStringList{QStringLiteral("--resume"), id, QStringLiteral("--dangerously-skip-permissions"),
                           QStringLiteral("--remote-control")};
        QTest::newRow("bad resume id is dropped") << QStringLiteral("x; touch $HOME/pwned") << false << false
                                                  << QStringLiteral("exec claude") << QStringList{};
    }
    void commandLineAndEnvironment() {
        QFETCH(QString, resume);
        QFETCH(bool, skip);
        QFETCH(bool, remote);
        QFETCH(QString, command);
        QFETCH(QStringList, claudeArgs);
        const QUuid session = QUuid::createUuid();
        // The terminal widget would expand "$HOME" here if it saw this path.
        const QString cwd = m_work.path() + QStringLiteral("/dir $HOME x");
        QVERIFY(QDir().mkpath(cwd));
        SessionTerminal *t = pm().terminalView(session, cwd, skip, remote, resume);
        QVERIFY(t);
        fakePid(1);
        QCOMPARE(m_home->lines(m_home->shellRun(1, QStringLiteral("argv"))),
                 (QStringList{QStringLiteral("-l"), QStringLiteral("-i"), QStringLiteral("-c"), command}));
        // Exactly the listed variables reach the login shell (its own sh adds PWD only).
        QSet<QString> shellEnv = asSet(m_home->lines(m_home->shellRun(1, QStringLiteral("env"))));
        shellEnv.remove(QStringLiteral("PWD=") + cwd);
        QCOMPARE(shellEnv,
                 asSet(SessionLaunchCommand::environment(session, QProcessEnvironment::systemEnvironment())));
        QVERIFY(shellEnv.contains(QStringLiteral("CLAUDE_CARD_ID=") + uuidText(session)));
        QCOMPARE(m_home->lines(m_home->fakeRun(1, QStringLiteral("argv"))), claudeArgs);
        QCOMPARE(m_home->lines(m_home->fakeRun(1, QStringLiteral("cwd"))), QStringList{cwd});
        const QString claudeEnv =
            QString::fromUtf8(BrindlewickTest::readFile(m_home->fakeRun(1, QStringLiteral("env"))));
        QVERIFY(claudeEnv.contains(QStringLiteral("CLAUDE_CARD_ID=") + uuidText(session)));
        QVERIFY(!claudeEnv.contains(QStringLiteral("must-not-arrive")));
        QVERIFY(!QFile::exists(m_home->path() + QStringLiteral("/pwned")));
        QCOMPARE(pm().terminals().value(session), t->object());
    }

    void askingTwiceStartsOneProcess() {
        const QUuid session = QUuid::createUuid();
        SessionTerminal *first = pm().terminalView(session, m_work.path(), false, false, std::nullopt);
        SessionTerminal *second = pm().terminalView(session, m_work.path(), true, true, std::nullopt);
        QCOMPARE(first, second);
        fakePid(1);
        QTest::qWait(300);
        QCOMPARE(m_home->fakeRunCount(), 1);
    }

    void initialInputTypedOnceAndDeathBySignalSeen() {
        const QUuid session = QUuid::createUuid();
        const QString text = QStringLiteral("fix the bug 世界");
        pm().setPendingInitialInput(session, text);
        QSignalSpy exited(&pm(), &SessionProcessManager::selfExitedSessionsChanged);
        pm().terminalView(session, m_work.path(), false, false, std::nullopt);
        QVERIFY(!pm().hasPendingInitialInput(session));
        const qint64 pid = fakePid(1);
        QTRY_COMPARE_WITH_TIMEOUT(
            QString::fromUtf8(BrindlewickTest::readFile(m_home->fakeRun(1, QStringLiteral("input")))), text,
            5000);
        // Killed from outside: seen as ending by itself, though it never exited.
        ::kill(static_cast<pid_t>(pid), SIGKILL);
        QTRY_VERIFY_WITH_TIMEOUT(pm().selfExitedSessions().contains(session), 3000);
        QVERIFY(!pm().hasTerminal(session));
        QTRY_VERIFY(!TerminalHome::processExists(pid));
        // A restart does not type it again.
        pm().terminalView(session, m_work.path(), false, false, std::nullopt);
        QVERIFY(!pm().selfExitedSessions().contains(session));
        fakePid(2);
        QTest::qWait(500);
        QCOMPARE(BrindlewickTest::readFile(m_home->fakeRun(2, QStringLiteral("input"))), QByteArray());
        QCOMPARE(QString::fromUtf8(BrindlewickTest::readFile(m_home->fakeRun(1, QStringLiteral("input")))),
                 text);
    }

    void ownExitIsMarkedAndTerminateOnlyClearsTheMark() {
        m_home->setFakeClaudeMode(QStringLiteral("exit"));
        const QUuid session = QUuid::createUuid();
        pm().terminalView(session, m_work.path(), false, false, std::nullopt);
        QTRY_VERIFY_WITH_TIMEOUT(pm().selfExitedSessions().contains(session), 10000);
        QVERIFY(!pm().hasTerminal(session));
        pm().terminate(session);
        QVERIFY(!pm().selfExitedSessions().contains(session));
        QCOMPARE(pm().pendingTerminationCount(), 0);
    }

    void childIgnoringSigtermIsKilled() {
        m_home->setFakeClaudeMode(QStringLiteral("stubborn"));
        const QUuid session = QUuid::createUuid();
        pm().terminalView(session, m_work.path(), false, false, std::nullopt);
        const qint64 pid = fakePid(1);
        QElapsedTimer clock;
        clock.start();
        pm().terminate(session);
        QVERIFY(!pm().hasTerminal(session));
        QVERIFY(!pm().selfExitedSessions().contains(session)); // stopped on request
        QTest::qWait(1500);
        QVERIFY2(TerminalHome::processExists(pid), "a child that ignores SIGTERM survives the first 2 s");
        QTRY_VERIFY_WITH_TIMEOUT(!TerminalHome::processExists(pid), 1500);
        QVERIFY(clock.elapsed() < 2500);
        QCOMPARE(pm().pendingTerminationCount(), 0);
        QVERIFY(!pm().selfExitedSessions().contains(session));
    }

    void terminateAllLeavesNoChild() {
        QList<qint64> pids;
        const QUuid a = QUuid::createUuid(), b = QUuid::createUuid();
        pm().terminalView(a, m_work.path(), false, false, std::nullopt);
        pids << fakePid(1);
        pm().terminalView(b, m_work.path(), false, false, std::nullopt);
        pids << fakePid(2);
        for (int i = 0; i < 2; ++i) {
            SessionTerminal *aux = pm().auxShellView(QUuid::createUuid(), i ? b : a, m_work.path());
            QTRY_VERIFY(aux->processID() > 0);
            pids << aux->processID();
        }
        QTest::qWait(300); // the shells are up
        for (qint64 pid : pids)
            QVERIFY(TerminalHome::processExists(pid));
        pm().terminateAll();
        QVERIFY(pm().terminals().isEmpty());
        QVERIFY(pm().auxShells().isEmpty());
        QVERIFY(pm().waitForTerminations(3000));
        for (qint64 pid : pids)
            QVERIFY2(!TerminalHome::processExists(pid), qPrintable(QString::number(pid)));
    }

    void terminateStopsTheSessionsAuxShellsOnly() {
        const QUuid a = QUuid::createUuid(), b = QUuid::createUuid();
        const QUuid paneA = QUuid::createUuid(), paneB = QUuid::createUuid();
        pm().terminalView(a, m_work.path(), false, false, std::nullopt);
        pm().auxShellView(paneA, a, m_work.path());
        SessionTerminal *auxB = pm().auxShellView(paneB, b, m_work.path());
        QCOMPARE(pm().auxShellSession(paneA), std::optional<QUuid>(a));
        pm().terminate(a);
        QVERIFY(!pm().auxShells().contains(paneA));
        QVERIFY(!pm().auxShellSession(paneA));
        QCOMPARE(pm().auxShells().value(paneB), auxB->object());
    }

    void auxShellTypingExitEnds() {
        const QUuid session = QUuid::createUuid(), pane = QUuid::createUuid();
        SessionTerminal *aux = pm().auxShellView(pane, session, m_work.path());
        QCOMPARE(pm().auxShellView(pane, session, m_work.path()), aux);
        QTest::qWait(500);
        aux->sendInput(QStringLiteral("exit\n"));
        QTRY_VERIFY_WITH_TIMEOUT(pm().exitedAuxPanes().contains(pane), 5000);
        QVERIFY(!pm().auxShells().contains(pane));
        QVERIFY(!pm().auxShellSession(pane));
        // Reopening the pane clears its mark.
        pm().terminateAux(pane);
        QVERIFY(!pm().exitedAuxPanes().contains(pane));
    }

    void appearanceReachesLiveTerminals() {
        const QUuid session = QUuid::createUuid();
        auto *view = dynamic_cast<SessionTerminalView *>(
            pm().terminalView(session, m_work.path(), false, false, std::nullopt));
        QVERIFY(view);
        pm().applyTerminalColors(0xF8F8F2, 0x282A36);
        const QString before = view->colorSchemePath();
        QVERIFY(BrindlewickTest::readFile(before).contains("[Background]\nBold=false\nColor=40,42,54"));
        QVERIFY(BrindlewickTest::readFile(before).contains("[Foreground]\nBold=false\nColor=248,248,242"));
        // 15 colours are kept but not used; 16 are.
        QVector<quint32> fifteen(15, 0x010203);
        pm().applyTerminalPalette(fifteen);
        QCOMPARE(pm().appearance().palette, fifteen);
        QVERIFY(!BrindlewickTest::readFile(view->colorSchemePath()).contains("Color=1,2,3"));
        pm().applyTerminalPalette(TerminalTheme::preset(QStringLiteral("dracula")).palette());
        QVERIFY(BrindlewickTest::readFile(view->colorSchemePath())
                    .contains("[Color1]\nBold=false\nColor=255,85,85"));
        QVERIFY(view->colorSchemePath() != before);
        QVERIFY(!QFile::exists(before));
        pm().applyMonospaceFont(QStringLiteral("DejaVu Sans Mono"), 15);
        QCOMPARE(view->getTerminalFont().pointSizeF(), 15.0);
        pm().applyTerminalPalette({});
        pm().applyTerminalColors(0xFFFFFF, 0x1E1E1E);
    }
};

QTEST_MAIN(TestSessionProcesses)
#include "tst_sessionprocesses.moc"
