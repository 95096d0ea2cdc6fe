// The real app under Xvfb with openbox and dunst: a hook event sent by the installed hook command
// with real curl raises an attention notification; clicking it (dunstctl) makes the session's
// window the active one when it is open behind another window, and the main window otherwise.
#include "models/project.h"
#include "models/session.h"
#include "models/uuidtext.h"
#include "persistence/containerfactory.h"
#include "persistence/modelcontext.h"
#include "services/hooksettingsinstaller.h"
#include "support/e2e/appprocess.h"
#include "support/terminalhome.h"

#include <QDir>
#include <QJsonDocument>
#include <QRect>
#include <QTest>

using namespace Brindlewick;
using namespace BrindlewickTest;

namespace {

QByteArray run(const QString &program, const QStringList &args) {
    QByteArray out;
    runCommand(program, args, &out);
    return out.trimmed();
}

int displayedNotifications() {
    return run(QStringLiteral("dunstctl"), {QStringLiteral("count"), QStringLiteral("displayed")}).toInt();
}

} // namespace

class TestNotificationClick : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void clickBringsTheSessionWindowOrTheApp() {
        TerminalHome home;
        QTemporaryDir work;
        const QHash<QString, QUuid> ids = seedDemoSessions(work.path(), {QStringLiteral("N1 behind"), QStringLiteral("N2 no window")}, QStringLiteral("working"));
        QVERIFY(!ids.isEmpty());
        QVERIFY(suppressHookSetupOffer(home));
        HookSettingsInstaller installer(home.path() + QStringLiteral("/.claude/settings.json"),
                                        home.path() + QStringLiteral("/.claude"));
        QVERIFY(installer.install().ok());
        const QJsonObject settings = QJsonDocument::fromJson(readFile(installer.settingsURL())).object();
        const QString stopCommand = settings.value(QStringLiteral("hooks")).toObject().value(QStringLiteral("Stop"))
                                        .toArray().first().toObject().value(QStringLiteral("hooks")).toArray()
                                        .first().toObject().value(QStringLiteral("command")).toString();
        QVERIFY(!stopCommand.isEmpty());
        run(QStringLiteral("dunstctl"), {QStringLiteral("close-all")});

        AppProcess app(home);
        QVERIFY(app.start());
        QVERIFY(app.waitForWindow(QStringLiteral("Brindlewick")));
        QTRY_VERIFY(QFileInfo::exists(home.path() + QStringLiteral("/.claude/brindlewick.port")));
        // Claude has finished its turn: the Stop hook, through the installed command and real curl.
        auto sendStop = [&](const QString &title) {
            QProcess sh;
            QProcessEnvironment env = app.environment();
            env.insert(QStringLiteral("CLAUDE_CARD_ID"), uuidText(ids.value(title)));
            sh.setProcessEnvironment(env);
            sh.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), stopCommand});
            if (!sh.waitForStarted())
                return false;
            sh.write(R"({"session_id":"5f0c1d2e-3a4b-4c5d-8e9f-0a1b2c3d4e5f","hook_event_name":"Stop","last_assistant_message":"Done."})");
            sh.closeWriteChannel();
            return sh.waitForFinished(10000) && sh.exitCode() == 0;
        };

        // N1's window is open, then the main window is put in front of it.
        QTest::qWait(500);
        QJsonObject card;
        for (const QJsonValue &v : app.widgets(QStringLiteral("Brindlewick"), QStringLiteral("SessionCardView"))) {
            if (v.toObject().value(QStringLiteral("accessibleName")).toString().startsWith(QStringLiteral("N1 behind")))
                card = v.toObject();
        }
        QVERIFY(!card.isEmpty());
        const QPoint c = QRect(card.value(QStringLiteral("x")).toInt(), card.value(QStringLiteral("y")).toInt(),
                               card.value(QStringLiteral("width")).toInt(), card.value(QStringLiteral("height")).toInt())
                             .center();
        run(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QString::number(c.x()), QString::number(c.y()),
                                        QStringLiteral("click"), QStringLiteral("1")});
        QVERIFY(app.waitForWindow(QStringLiteral("demo - N1 behind")));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(home.fakeRun(1, QStringLiteral("pid"))), 10000);
        const QString sessionWindow = app.windowID(QStringLiteral("demo - N1 behind"));
        const QString mainWindow = app.windowID(QStringLiteral("Brindlewick"));
        QVERIFY(!sessionWindow.isEmpty() && !mainWindow.isEmpty());
        QTRY_COMPARE(activeWindowID(), sessionWindow);
        run(QStringLiteral("xdotool"), {QStringLiteral("windowactivate"), QStringLiteral("--sync"), mainWindow});
        QTRY_COMPARE(activeWindowID(), mainWindow);

        QVERIFY(sendStop(QStringLiteral("N1 behind")));
        QTRY_COMPARE_WITH_TIMEOUT(displayedNotifications(), 1, 5000);
        run(QStringLiteral("dunstctl"), {QStringLiteral("action"), QStringLiteral("0")});
        QTRY_COMPARE_WITH_TIMEOUT(activeWindowID(), sessionWindow, 5000);
        QTRY_VERIFY(app.windowsByTitle().value(QStringLiteral("demo - N1 behind")).value(QStringLiteral("active")).toBool());

        // N2 has no window: its notification brings the main window forward, in front of N1's.
        run(QStringLiteral("dunstctl"), {QStringLiteral("close-all")});
        QTRY_COMPARE(displayedNotifications(), 0);
        QVERIFY(sendStop(QStringLiteral("N2 no window")));
        QTRY_COMPARE_WITH_TIMEOUT(displayedNotifications(), 1, 5000);
        run(QStringLiteral("dunstctl"), {QStringLiteral("action"), QStringLiteral("0")});
        QTRY_COMPARE_WITH_TIMEOUT(activeWindowID(), mainWindow, 5000);
        QTRY_VERIFY(app.windowsByTitle().value(QStringLiteral("Brindlewick")).value(QStringLiteral("active")).toBool());

        QCOMPARE(app.terminate(), 0);
    }
};

QTEST_GUILESS_MAIN(TestNotificationClick)
#include "tst_notificationclick.moc"
