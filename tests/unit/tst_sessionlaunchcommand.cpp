#include "models/uuidtext.h"
#include "services/sessionlaunchcommand.h"

#include <QtTest>

using namespace Brindlewick;

class TestSessionLaunchCommand : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void commandString_data() {
        QTest::addColumn<QString>("resume");
        QTest::addColumn<bool>("hasResume");
        QTest::addColumn<bool>("skip");
        QTest::addColumn<bool>("remote");
        QTest::addColumn<QString>("expected");
        const QString id = QStringLiteral("0f8e1c2a-3b4d-4e5f-8a9b-0c1d2e3f4a5b");
        QTest::newRow("plain") << QString() << false << false << false << QStringLiteral("exec claude");
        QTest::newRow("all flags, in order")
            << id << true << true << true
            << QStringLiteral("exec claude --resume ") + id +
                   QStringLiteral(" --dangerously-skip-permissions --remote-control");
        QTest::newRow("skip only") << QString() << false << true << false
                                   << QStringLiteral("exec claude --dangerously-skip-permissions");
        QTest::newRow("remote only") << QString() << false << false << true
                                     << QStringLiteral("exec claude --remote-control");
        QTest::newRow("upper-case id kept as it is")
            << id.toUpper() << true << false << false
            << QStringLiteral("exec claude --resume ") + id.toUpper();
        QTest::newRow("shell injection dropped")
            << QStringLiteral("0f8e1c2a-3b4d-4e5f-8a9b-0c1d2e3f;rm -rf ~") << true << false << false
            << QStringLiteral("exec claude");
        QTest::newRow("36 chars but not a uuid dropped")
            << QStringLiteral("------------------------------------") << true << true << false
            << QStringLiteral("exec claude --dangerously-skip-permissions");
        QTest::newRow("empty id dropped")
            << QString() << true << false << false << QStringLiteral("exec claude");
        QTest::newRow("id with spaces dropped") << QStringLiteral(" 0f8e1c2a-3b4d-4e5f-8a9b-0c1d2e3f4a5b")
                                                << true << false << false << QStringLiteral("exec claude");
    }
    void commandString() {
        QFETCH(QString, resume);
        QFETCH(bool, hasResume);
        QFETCH(bool, skip);
        QFETCH(bool, remote);
        QFETCH(QString, expected);
        QCOMPARE(SessionLaunchCommand::claudeCommand(
                     hasResume ? std::optional<QString>(resume) : std::nullopt, skip, remote),
                 expected);
    }

    void loginShell_data() {
        QTest::addColumn<QString>("shellVariable");
        QTest::addColumn<QString>("passwordShell");
        QTest::addColumn<QString>("expected");
        QTest::newRow("SHELL absolute and executable") << "/bin/bash"
                                                       << "/bin/zsh"
                                                       << "/bin/bash";
        QTest::newRow("bare program name") << "bash"
                                           << "/bin/dash"
                                           << "/bin/dash";
        QTest::newRow("relative path") << "./bash"
                                       << "/bin/dash"
                                       << "/bin/dash";
        QTest::newRow("not executable") << "/etc/passwd"
                                        << "/bin/dash"
                                        << "/bin/dash";
        QTest::newRow("unset, password shell") << ""
                                               << "/bin/dash"
                                               << "/bin/dash";
        QTest::newRow("neither usable") << "zsh"
                                        << "/usr/bin/missing"
                                        << "/bin/sh";
        QTest::newRow("password shell relative") << ""
                                                 << "bash"
                                                 << "/bin/sh";
        QTest::newRow("path with = cannot go through env") << "/opt/a=b/bash"
                                                           << "/bin/dash"
                                                           << "/bin/dash";
    }
    void loginShell() {
        QFETCH(QString, shellVariable);
        QFETCH(QString, passwordShell);
        QFETCH(QString, expected);
        const QSet<QString> executables{QStringLiteral("/bin/bash"), QStringLiteral("/bin/zsh"),
                                        QStringLiteral("/bin/dash"), QStringLiteral("/opt/a=b/bash")};
        QCOMPARE(SessionLaunchCommand::loginShell(shellVariable, passwordShell,
                                                  [&](const QString &p) { return executables.contains(p); }),
                 expected);
    }

    void environmentHasOnlyTheListedVariables() {
        QProcessEnvironment app;
        app.insert(QStringLiteral("PATH"), QStringLiteral("/usr/bin"));
        app.insert(QStringLiteral("HOME"), QStringLiteral("/home/u"));
        app.insert(QStringLiteral("USER"), QStringLiteral("u"));
        app.insert(QStringLiteral("LC_CTYPE"), QStringLiteral("ja_JP.UTF-8"));
        app.insert(QStringLiteral("SECRET_TOKEN"), QStringLiteral("x"));
        app.insert(QStringLiteral("DISPLAY"), QStringLiteral(":1"));
        app.insert(QStringLiteral("XDG_RUNTIME_DIR"), QStringLiteral("/run/user/1"));
        app.insert(QStringLiteral("LANG"), QStringLiteral("de_DE.UTF-8"));
        const QUuid id = QUuid::createUuid();
        const QStringList expected{QStringLiteral("CLAUDE_CARD_ID=") + uuidText(id),
                                   QStringLiteral("TERM=xterm-256color"),
                                   QStringLiteral("COLORTERM=truecolor"),
                                   QStringLiteral("LANG=en_US.UTF-8"),
                                   QStringLiteral("USER=u"),
                                   QStringLiteral("DISPLAY=:1"),
                                   QStringLiteral("LC_CTYPE=ja_JP.UTF-8"),
                                   QStringLiteral("HOME=/home/u"),
                                   QStringLiteral("XDG_RUNTIME_DIR=/run/user/1")};
        QCOMPARE(SessionLaunchCommand::environment(id, app), expected);
        QVERIFY(uuidText(id) == uuidText(id).toUpper());
        // An auxiliary shell gets the same without the card.
        QCOMPARE(SessionLaunchCommand::environment(std::nullopt, app), expected.mid(1));
    }

    void launchGoesThroughEnvMinusI() {
        QProcessEnvironment app;
        app.insert(QStringLiteral("HOME"), QStringLiteral("/h"));
        const QUuid id = QUuid::createUuid();
        const TerminalLaunch session = SessionLaunchCommand::sessionLaunch(
            id, QStringLiteral("/work/p"), true, false, std::nullopt, QStringLiteral("/bin/bash"), app);
        QCOMPARE(session.program, QStringLiteral("/usr/bin/env"));
        QCOMPARE(session.workingDirectory, QStringLiteral("/work/p"));
        QCOMPARE(session.arguments,
                 (QStringList{QStringLiteral("/usr/bin/env"), QStringLiteral("-i"),
                              QStringLiteral("CLAUDE_CARD_ID=") + uuidText(id),
                              QStringLiteral("TERM=xterm-256color"), QStringLiteral("COLORTERM=truecolor"),
                              QStringLiteral("LANG=en_US.UTF-8"), QStringLiteral("HOME=/h"),
                              QStringLiteral("/bin/bash"), QStringLiteral("-l"), QStringLiteral("-i"),
                              QStringLiteral("-c"),
                              QStringLiteral("exec claude --dangerously-skip-permissions")}));
        const TerminalLaunch aux =
            SessionLaunchCommand::auxShellLaunch(QStringLiteral("/work/p"), QStringLiteral("/bin/bash"), app);
        QCOMPARE(aux.arguments.mid(aux.arguments.size() - 3),
                 (QStringList{QStringLiteral("/bin/bash"), QStringLiteral("-l"), QStringLiteral("-i")}));
        QVERIFY(!aux.arguments.join(QLatin1Char(' ')).contains(QStringLiteral("CLAUDE_CARD_ID")));
    }
};

QTEST_GUILESS_MAIN(TestSessionLaunchCommand)
#include "tst_sessionlaunchcommand.moc"
