// The installed hook command line, taken from the written settings.json and run by sh with real
// curl: each event's payload reaches the real hook server with the card and the event's column,
// and with the app not running (no port file, or nothing listening) it exits 0 without a word.
#include "models/uuidtext.h"
#include "services/hookhttpserver.h"
#include "services/hooksettingsinstaller.h"
#include "services/tokenstore.h"
#include "support/testsupport.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTest>

using namespace Brindlewick;
using namespace BrindlewickTest;

namespace {

struct Received {
    QString card;
    SessionColumn column;
    HookEventDetail detail;
};

struct Run {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
    qint64 ms = 0;
};

} // namespace

class TestHookCommand : public QObject {
    Q_OBJECT
    std::unique_ptr<TempHome> m_home;
    std::unique_ptr<HookHTTPServer> m_server;
    QVector<Received> m_received;
    const QString m_card = uuidText(QUuid::createUuid());

    QString claudeDir() const { return m_home->path() + QStringLiteral("/.claude"); }

    // The command that the settings file holds for an event.
    QString installedCommand(const QString &event) const
    {
        const QJsonObject root = QJsonDocument::fromJson(readFile(claudeDir() + QStringLiteral("/settings.json"))).object();
        const QJsonArray entries = root.value(QLatin1String("hooks")).toObject().value(event).toArray();
        return entries.last().toObject().value(QLatin1String("hooks")).toArray().first().toObject().value(QLatin1String("command")).toString();
    }

    Run runHook(const QString &command, const QByteArray &payload, const std::optional<QString> &card)
    {
        QProcess sh;
        QProcessEnvironment env;
        env.insert(QStringLiteral("PATH"), QString::fromLocal8Bit(qgetenv("PATH")));
        env.insert(QStringLiteral("HOME"), m_home->path());
        if (card)
            env.insert(QStringLiteral("CLAUDE_CARD_ID"), *card);
        sh.setProcessEnvironment(env);
        QElapsedTimer timer;
        timer.start();
        sh.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), command});
        if (!sh.waitForStarted(5000))
            return {};
        sh.write(payload);
        sh.closeWriteChannel();
        if (!sh.waitForFinished(10000))
            sh.kill();
        sh.waitForFinished(1000);
        return {sh.exitStatus() == QProcess::NormalExit ? sh.exitCode() : -1, sh.readAllStandardOutput(),
                sh.readAllStandardError(), timer.elapsed()};
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("curl")).isEmpty(), "curl is missing");
        m_home = std::make_unique<TempHome>();
        QVERIFY(HookSettingsInstaller::standard().install().ok());
    }

    void init()
    {
        m_received.clear();
        m_server = std::make_unique<HookHTTPServer>(TokenStore(claudeDir()));
        auto started = m_server->start([this](const QString &card, SessionColumn column, const QDateTime &,
                                              const HookEventDetail &detail) { m_received.push_back({card, column, detail}); });
        QVERIFY2(started.ok(), started.ok() ? "" : qPrintable(started.error().description));
        QTRY_VERIFY(QFileInfo::exists(claudeDir() + QStringLiteral("/brindlewick.port")));
    }

    void cleanup() { m_server.reset(); }

    void eventReachesServer_data()
    {
        QTest::addColumn<QString>("event");
        QTest::addColumn<QString>("sample");
        QTest::addColumn<int>("column");
        QTest::newRow("UserPromptSubmit") << "UserPromptSubmit" << "tty-UserPromptSubmit.json" << int(SessionColumn::working);
        QTest::newRow("PreToolUse") << "PreToolUse" << "tty-PreToolUse.json" << int(SessionColumn::working);
        QTest::newRow("Notification") << "Notification" << "tty-Notification-permission_prompt.json"
                                      << int(SessionColumn::attention);
        QTest::newRow("Stop") << "Stop" << "tty-Stop.json" << int(SessionColumn::attention);
    }
    void eventReachesServer()
    {
        QFETCH(QString, event);
        QFETCH(QString, sample);
        QFETCH(int, column);
        const QByteArray payload = readFile(QStringLiteral(BW_SOURCE_DIR "/tests/data/claude-code/") + sample);
        QVERIFY(!payload.isEmpty());
        const Run run = runHook(installedCommand(event), payload, m_card);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, QByteArray());
        QCOMPARE(run.err, QByteArray());
        QTRY_COMPARE(m_received.size(), 1);
        const Received &r = m_received.first();
        QCOMPARE(r.card, m_card);
        QCOMPARE(int(r.column), column);
        QCOMPARE(r.detail.eventName, std::optional(event));
        QCOMPARE(r.detail.claudeSessionID, std::optional(QStringLiteral("1f9ec47c-461d-44fc-bb78-e8aeb03989e4")));
        if (event == QLatin1String("Stop"))
            QCOMPARE(r.detail.responseSnippet, std::optional(QStringLiteral("Done: probe-created.txt exists now.")));
        if (event == QLatin1String("UserPromptSubmit"))
            QCOMPARE(r.detail.promptSnippet, std::optional(QStringLiteral("please make a probe file")));
    }

    // A plain claude run outside Brindlewick has no card: the server refuses it, quietly.
    void noCardIsRefusedQuietly()
    {
        const Run run = runHook(installedCommand(QStringLiteral("Stop")), "{}", std::nullopt);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out + run.err, QByteArray());
        QTest::qWait(200);
        QVERIFY(m_received.isEmpty());
    }

    void appNotRunningIsSilent_data()
    {
        QTest::addColumn<bool>("stalePortFile");
        QTest::newRow("no port file") << false;
        QTest::newRow("port file, nothing listening") << true;
    }
    void appNotRunningIsSilent()
    {
        QFETCH(bool, stalePortFile);
        m_server->stop();
        QTRY_VERIFY(!QFileInfo::exists(claudeDir() + QStringLiteral("/brindlewick.port")));
        if (stalePortFile) {
            QTcpServer probe;
            QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
            const quint16 freed = probe.serverPort();
            probe.close();
            QVERIFY(TokenStore(claudeDir()).writePort(freed).ok());
        }
        // Whatever listens on the default HTTP port must never see the token.
        QTcpServer port80;
        const bool watching80 = port80.listen(QHostAddress::LocalHost, 80);
        const Run run = runHook(installedCommand(QStringLiteral("Stop")),
                                readFile(QStringLiteral(BW_SOURCE_DIR "/tests/data/claude-code/tty-Stop.json")), m_card);
        if (watching80) {
            QTest::qWait(50);
            QVERIFY2(!port80.hasPendingConnections(), "the hook command connected to port 80");
        }
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out + run.err, QByteArray());
        QVERIFY2(run.ms < 3000, qPrintable(QString::number(run.ms))); // within curl's own time limit
        QVERIFY(m_received.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestHookCommand)
#include "tst_hookcommand.moc"
