// The real app under Xvfb with real terminals: a card click opens the session's window (once; a
// second click raises it), claude (the fake in tests/helpers) runs with the card's id, a split adds
// a real bash shell, and quitting leaves no child process alive while keeping the records.
#include "models/project.h"
#include "models/session.h"
#include "models/uuidtext.h"
#include "persistence/containerfactory.h"
#include "persistence/modelcontext.h"
#include "support/e2e/appprocess.h"
#include "support/terminalhome.h"

#include <QDir>
#include <QRect>
#include <QTest>

using namespace Brindlewick;
using namespace BrindlewickTest;

namespace {

void xdotool(const QStringList &args) {
    runCommand(QStringLiteral("xdotool"), args);
}

// Every process below `pid`, from /proc.
QList<qint64> descendants(qint64 pid) {
    QHash<qint64, qint64> parent;
    for (const QString &entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        bool ok = false;
        const qint64 p = entry.toLongLong(&ok);
        if (!ok)
            continue;
        const QByteArray stat = readFile(QStringLiteral("/proc/%1/stat").arg(p));
        const QList<QByteArray> fields = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
        if (fields.size() > 1)
            parent.insert(p, fields[1].toLongLong());
    }
    QList<qint64> out;
    QList<qint64> queue{pid};
    while (!queue.isEmpty()) {
        const qint64 p = queue.takeFirst();
        for (auto it = parent.constBegin(); it != parent.constEnd(); ++it) {
            if (it.value() == p) {
                out << it.key();
                queue << it.key();
            }
        }
    }
    return out;
}

} // namespace

class TestSessionApp : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void sessionWindowsRunTerminalsAndQuitLeavesNoChild() {
        TerminalHome home;
        QTemporaryDir work;
        const QHash<QString, QUuid> ids = seedDemoSessions(work.path(), {QStringLiteral("S1 first"), QStringLiteral("S2 second")});
        QVERIFY(!ids.isEmpty());
        QVERIFY(suppressHookSetupOffer(home));

        AppProcess app(home);
        QVERIFY(app.start());
        QVERIFY(app.waitForWindow(QStringLiteral("Brindlewick")));
        QTest::qWait(500);
        QVERIFY(app.clickCard(QStringLiteral("S1 first")));
        QVERIFY2(app.waitForWindow(QStringLiteral("demo - S1 first")),
                 app.stderrText().right(3000).constData());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(home.fakeRun(1, QStringLiteral("pid"))), 10000);
        QVERIFY(
            readFile(home.fakeRun(1, QStringLiteral("env")))
                .contains("CLAUDE_CARD_ID=" + uuidText(ids.value(QStringLiteral("S1 first"))).toLatin1()));

        // Split the claude pane: a real login shell beside it.
        xdotool({QStringLiteral("search"), QStringLiteral("--name"), QStringLiteral("demo - S1 first"),
                 QStringLiteral("windowactivate"), QStringLiteral("--sync")});
        QTest::qWait(300);
        xdotool({QStringLiteral("key"), QStringLiteral("ctrl+alt+r")});
        QTRY_COMPARE_WITH_TIMEOUT(
            app.widgets(QStringLiteral("demo - S1 first"), QStringLiteral("SessionTerminalView")).size(), 2,
            5000);
        QTest::qWait(1500); // the shell prints its prompt
        const QString shot = QStringLiteral(BW_BINARY_DIR "/tests/session-window-e2e.png");
        runCommand(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"), shot});
        qInfo("screenshot: %s", qPrintable(shot));

        // The main window again, the second card; clicking the first card again opens no second window.
        QVERIFY(app.waitForWindow(QStringLiteral("Brindlewick")));
        app.activateWindow(QStringLiteral("Brindlewick"));
        QVERIFY(app.clickCard(QStringLiteral("S2 second")));
        QVERIFY(app.waitForWindow(QStringLiteral("demo - S2 second")));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(home.fakeRun(2, QStringLiteral("pid"))), 10000);
        app.activateWindow(QStringLiteral("Brindlewick"));
        QVERIFY(app.clickCard(QStringLiteral("S1 first")));
        // The click reached the card: its open window comes to the front, and no second one opens.
        QTRY_COMPARE_WITH_TIMEOUT(activeWindowID(), app.windowID(QStringLiteral("demo - S1 first")), 5000);
        QTest::qWait(500);
        int sessionWindows = 0;
        for (const QJsonValue &w : app.introspect()->value(QStringLiteral("windows")).toArray())
            sessionWindows +=
                w.toObject().value(QStringLiteral("title")).toString().startsWith(QStringLiteral("demo - "));
        QCOMPARE(sessionWindows, 2);
        QCOMPARE(home.fakeRunCount(), 2);

        const QList<qint64> children = descendants(app.process().processId());
        QVERIFY2(children.size() >= 3,
                 qPrintable(QString::number(children.size()))); // two claudes, one shell
        QCOMPARE(app.terminate(), 0);
        for (qint64 pid : children)
            QVERIFY2(!TerminalHome::processExists(pid), qPrintable(QString::number(pid)));
        // Quitting keeps the sessions for a resume.
        auto c = ContainerFactory::make(false);
        QVERIFY(c);
        for (const QUuid &id : std::as_const(ids))
            QVERIFY((*c)->mainContext().find<Session>(id));
    }
};

QTEST_MAIN(TestSessionApp)
#include "tst_sessionapp.moc"
