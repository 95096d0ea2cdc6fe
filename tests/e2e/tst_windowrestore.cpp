// The real app under Xvfb and openbox, quit by SIGTERM and started again: the session windows that
// were open come back at their places and resume their Claude Code sessions (the fake claude in
// tests/helpers records its arguments), a session deleted in between stays closed, and the main
// window comes back where it was, or onto the screen when it was left off it.
#include "models/project.h"
#include "models/session.h"
#include "models/uuidtext.h"
#include "persistence/appsupportpaths.h"
#include "persistence/containerfactory.h"
#include "persistence/modelcontext.h"
#include "persistence/windowstatestore.h"
#include "support/e2e/appprocess.h"
#include "support/terminalhome.h"

#include <QDir>
#include <QRect>
#include <QTest>

using namespace Brindlewick;
using namespace BrindlewickTest;

namespace {

const QString resumeID = QStringLiteral("5f0c1d2e-3a4b-4c5d-8e9f-0a1b2c3d4e5f");

void xdotool(const QStringList &args) {
    runCommand(QStringLiteral("xdotool"), args);
}

bool near(const QRect &a, const QRect &b, int tolerance = 4) {
    return std::abs(a.x() - b.x()) <= tolerance && std::abs(a.y() - b.y()) <= tolerance &&
           std::abs(a.width() - b.width()) <= tolerance && std::abs(a.height() - b.height()) <= tolerance;
}

QByteArray describe(const QRect &a, const QRect &b) {
    return QStringLiteral("%1,%2 %3x%4 vs %5,%6 %7x%8")
        .arg(a.x()).arg(a.y()).arg(a.width()).arg(a.height())
        .arg(b.x()).arg(b.y()).arg(b.width()).arg(b.height())
        .toUtf8();
}

// Brings the window to the front and double-clicks its title bar.
void doubleClickTitle(const AppProcess &app, const QString &title) {
    app.activateWindow(title);
    const QJsonArray frame = app.windowsByTitle().value(title).value(QStringLiteral("frame")).toArray();
    const QJsonObject window = app.windowsByTitle().value(title);
    const int x = frame.at(0).toInt() + frame.at(2).toInt() / 2;
    const int y = (frame.at(1).toInt() + window.value(QStringLiteral("y")).toInt()) / 2;
    xdotool({QStringLiteral("mousemove"), QString::number(x), QString::number(y), QStringLiteral("click"),
             QStringLiteral("--repeat"), QStringLiteral("2"), QStringLiteral("--delay"), QStringLiteral("80"),
             QStringLiteral("1")});
}

} // namespace

class TestWindowRestore : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void sessionWindowsComeBackAndResume() {
        TerminalHome home;
        QTemporaryDir work;
        const QHash<QString, QUuid> ids = seedDemoSessions(work.path(), {QStringLiteral("R1 resumed"), QStringLiteral("R2 fresh"), QStringLiteral("R3 deleted")});
        QVERIFY(!ids.isEmpty());
        {
            auto c = ContainerFactory::make(false);
            QVERIFY(c);
            ModelContext &ctx = (*c)->mainContext();
            ctx.find<Session>(ids.value(QStringLiteral("R1 resumed")))->setClaudeSessionID(resumeID);
            QVERIFY(ctx.save());
        }
        QVERIFY(suppressHookSetupOffer(home));

        QHash<QString, QRect> before;
        QRect r1Normal;
        {
            AppProcess app(home);
            QVERIFY(app.start());
            QVERIFY(app.waitForWindow(QStringLiteral("Brindlewick")));
            QTest::qWait(500);
            for (const char *title : {"R1 resumed", "R2 fresh", "R3 deleted"}) {
                app.activateWindow(QStringLiteral("Brindlewick"));
                QVERIFY(app.clickCard(QString::fromLatin1(title)));
                QVERIFY2(app.waitForWindow(QStringLiteral("demo - ") + QString::fromLatin1(title)), title);
            }
            QTRY_COMPARE_WITH_TIMEOUT(home.fakeRunCount(), 3, 10000);

            // Move and resize one session window and the main window as a user would.
            const auto windows = app.windowsByTitle();
            const QString r2 = windows.value(QStringLiteral("demo - R2 fresh")).value(QStringLiteral("windowID")).toString();
            const QString main = windows.value(QStringLiteral("Brindlewick")).value(QStringLiteral("windowID")).toString();
            QVERIFY(!r2.isEmpty() && !main.isEmpty());
            xdotool({QStringLiteral("windowsize"), r2, QStringLiteral("720"), QStringLiteral("460")});
            xdotool({QStringLiteral("windowmove"), r2, QStringLiteral("610"), QStringLiteral("330")});
            xdotool({QStringLiteral("windowsize"), main, QStringLiteral("1100"), QStringLiteral("700")});
            xdotool({QStringLiteral("windowmove"), main, QStringLiteral("70"), QStringLiteral("50")});
            // R1 maximised by a double click on its title bar (openbox's binding).
            r1Normal = rectOf(windows.value(QStringLiteral("demo - R1 resumed")));
            doubleClickTitle(app, QStringLiteral("demo - R1 resumed"));
            QTRY_VERIFY(app.windowsByTitle().value(QStringLiteral("demo - R1 resumed")).value(QStringLiteral("maximized")).toBool());
            QTRY_COMPARE(rectOf(app.windowsByTitle().value(QStringLiteral("demo - R2 fresh"))).size(), QSize(720, 460));
            QTRY_COMPARE(rectOf(app.windowsByTitle().value(QStringLiteral("Brindlewick"))).size(), QSize(1100, 700));
            QTest::qWait(300);
            const auto moved = app.windowsByTitle();
            for (const QString &title : {QStringLiteral("Brindlewick"), QStringLiteral("demo - R1 resumed"),
                                         QStringLiteral("demo - R2 fresh")})
                before.insert(title, rectOf(moved.value(title)));
            QVERIFY2((before.value(QStringLiteral("demo - R2 fresh")).topLeft() - QPoint(610, 330)).manhattanLength() <=
                         40,
                     "the window manager did not move the window");

            // The main window in front at quit is in front again, over the reopened session windows.
            app.activateWindow(QStringLiteral("Brindlewick"));
            QCOMPARE(app.terminate(), 0);
        }
        QVERIFY(QFileInfo::exists(AppSupportPaths::storeFolder() + QStringLiteral("/window-state.json")));
        {
            // Deleted between the runs: nothing to reopen for it.
            auto c = ContainerFactory::make(false);
            QVERIFY(c);
            ModelContext &ctx = (*c)->mainContext();
            QVERIFY(ctx.find<Session>(ids.value(QStringLiteral("R1 resumed"))));
            ctx.remove(ctx.find<Session>(ids.value(QStringLiteral("R3 deleted"))));
            QVERIFY(ctx.save());
        }
        home.clearRuns();

        AppProcess app(home);
        QVERIFY(app.start());
        QVERIFY(app.waitForWindow(QStringLiteral("demo - R1 resumed")));
        QVERIFY(app.waitForWindow(QStringLiteral("demo - R2 fresh")));
        QVERIFY(app.waitForWindow(QStringLiteral("Brindlewick")));
        QTRY_COMPARE_WITH_TIMEOUT(home.fakeRunCount(), 2, 10000);
        QTest::qWait(500); // the window manager has placed every window
        const auto after = app.windowsByTitle();
        QByteArray active;
        runCommand(QStringLiteral("xdotool"), {QStringLiteral("getactivewindow")}, &active);
        QCOMPARE(QString::fromLatin1(active.trimmed()),
                 after.value(QStringLiteral("Brindlewick")).value(QStringLiteral("windowID")).toString());
        QVERIFY(!after.contains(QStringLiteral("demo - R3 deleted")));
        for (auto it = before.constBegin(); it != before.constEnd(); ++it) {
            QVERIFY2(after.contains(it.key()), qPrintable(it.key()));
            const QRect now = rectOf(after.value(it.key()));
            QVERIFY2(near(now, it.value()), QByteArray(it.key().toUtf8() + ": " + describe(now, it.value())).constData());
        }

        // The resumed session gets --resume and its Claude Code id, the other starts fresh.
        for (int run = 1; run <= 2; ++run) {
            QTRY_VERIFY(QFile::exists(home.fakeRun(run, QStringLiteral("pid"))));
            const QByteArray env = readFile(home.fakeRun(run, QStringLiteral("env")));
            const QStringList argv = home.lines(home.fakeRun(run, QStringLiteral("argv")));
            if (env.contains("CLAUDE_CARD_ID=" + uuidText(ids.value(QStringLiteral("R1 resumed"))).toLatin1())) {
                QCOMPARE(argv, (QStringList{QStringLiteral("--resume"), resumeID}));
            } else {
                QVERIFY(env.contains("CLAUDE_CARD_ID=" + uuidText(ids.value(QStringLiteral("R2 fresh"))).toLatin1()));
                QVERIFY2(!argv.contains(QStringLiteral("--resume")), qPrintable(argv.join(u' ')));
            }
        }

        // R1 came back maximised and still knows where it stood before.
        QVERIFY(after.value(QStringLiteral("demo - R1 resumed")).value(QStringLiteral("maximized")).toBool());
        doubleClickTitle(app, QStringLiteral("demo - R1 resumed"));
        QTRY_VERIFY(!app.windowsByTitle().value(QStringLiteral("demo - R1 resumed")).value(QStringLiteral("maximized")).toBool());
        QTest::qWait(300);
        const QRect r1 = rectOf(app.windowsByTitle().value(QStringLiteral("demo - R1 resumed")));
        QVERIFY2(near(r1, r1Normal), describe(r1, r1Normal).constData());

        // The main window closed (only hidden while session windows are open) stays hidden next time.
        app.activateWindow(QStringLiteral("Brindlewick"));
        xdotool({QStringLiteral("key"), QStringLiteral("alt+F4")});
        QTRY_VERIFY(!app.windowsByTitle().contains(QStringLiteral("Brindlewick")));
        QCOMPARE(app.terminate(), 0);
        AppProcess third(home);
        QVERIFY(third.start());
        QVERIFY(third.waitForWindow(QStringLiteral("demo - R1 resumed")));
        QVERIFY(third.waitForWindow(QStringLiteral("demo - R2 fresh")));
        QTest::qWait(500);
        QVERIFY(!third.windowsByTitle().contains(QStringLiteral("Brindlewick")));

        // A confirmed quit (Ctrl+Q, then Return on the default button) remembers the windows too.
        QVERIFY(QFile::remove(AppSupportPaths::storeFolder() + QStringLiteral("/window-state.json")));
        third.activateWindow(QStringLiteral("demo - R2 fresh"));
        xdotool({QStringLiteral("key"), QStringLiteral("ctrl+q")});
        QVERIFY(third.waitForWindow(QStringLiteral("Brindlewick を終了しますか。"), 5000));
        xdotool({QStringLiteral("key"), QStringLiteral("Return")});
        QVERIFY(third.process().waitForFinished(10000));
        QCOMPARE(third.process().exitCode(), 0);
        const WindowState remembered = WindowStateStore::standard().load();
        QCOMPARE(remembered.sessionWindows.size(), 2);
        QCOMPARE(remembered.sessionWindows.last().sessionID, ids.value(QStringLiteral("R2 fresh"))); // it was active
        QVERIFY(!remembered.mainWindowOpen);
    }

    void mainWindowLeftOffTheScreenComesBackOntoIt() {
        TempHome home;
        QVERIFY(suppressHookSetupOffer(home));
        // As if the last run had a wider screen: the frame starts beyond this one's right edge.
        QVERIFY(AppSupportPaths::makePath(AppSupportPaths::storeFolder(), 0700));
        QVERIFY(writeFile(AppSupportPaths::storeFolder() + QStringLiteral("/window-state.json"),
                          "{\"version\":1,\"mainWindowOpen\":true,\"sessionWindows\":[],"
                          "\"mainWindow\":{\"frame\":[2400,300,900,624],\"client\":[2401,323,898,600]}}"));
        AppProcess app(home);
        QVERIFY(app.start());
        QVERIFY(app.waitForWindow(QStringLiteral("Brindlewick")));
        QTest::qWait(500);
        const QJsonObject main = app.windowsByTitle().value(QStringLiteral("Brindlewick"));
        const QJsonArray f = main.value(QStringLiteral("frame")).toArray();
        const QRect frame(f.at(0).toInt(), f.at(1).toInt(), f.at(2).toInt(), f.at(3).toInt());
        const QRect screen(0, 0, 1600, 1000);
        QVERIFY2(screen.contains(frame), describe(frame, screen).constData());
        QVERIFY2(near(rectOf(main), QRect(1600 - 900 + 1, 323, 898, 600), 6), describe(rectOf(main), QRect()).constData());
        QCOMPARE(app.terminate(), 0);
    }
};

QTEST_GUILESS_MAIN(TestWindowRestore)
#include "tst_windowrestore.moc"
