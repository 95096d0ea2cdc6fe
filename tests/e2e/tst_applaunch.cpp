// Launching the real executable: one instance per user, and a store that cannot be opened stops
// the app before any window opens, leaving the file as it was.
#include "persistence/containerfactory.h"
#include "support/e2e/appprocess.h"

#include <QDir>
#include <QTest>

using namespace Brindlewick;
using namespace BrindlewickTest;

namespace {
int visibleWindowsOf(qint64 pid)
{
    if (pid <= 0)
        return 0; // already gone (xdotool would take 0 as "any process")
    QByteArray out;
    runCommand(QStringLiteral("xdotool"),
               {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--pid"), QString::number(pid)},
               &out);
    // Only window ids count: xdotool also prints X errors for windows of other processes that
    // vanish while it walks the tree.
    int windows = 0;
    for (const QByteArray &line : out.split('\n')) {
        bool isID = false;
        line.trimmed().toULongLong(&isID);
        windows += isID;
    }
    return windows;
}
} // namespace

class TestAppLaunch : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void secondLaunchHandsOverAndExits()
    {
        TempHome home;
        AppProcess first(home);
        QVERIFY(first.start());
        QVERIFY(first.waitForWindow(QStringLiteral("Brindlewick")));

        AppProcess second(home);
        QVERIFY(second.start());
        QVERIFY(second.process().waitForFinished(10000));
        QCOMPARE(second.process().exitCode(), 0);
        QCOMPARE(first.process().state(), QProcess::Running);

        // One main window, and the running instance still holds the store alone.
        int mains = 0;
        for (const QJsonValue &w : first.introspect()->value(QStringLiteral("windows")).toArray())
            mains += w.toObject().value(QStringLiteral("title")).toString() == QLatin1String("Brindlewick");
        QCOMPARE(mains, 1);
        auto again = ContainerFactory::make(false);
        QVERIFY(!again.ok());
        QVERIFY(again.error().description.contains(QStringLiteral("in use")));
        QCOMPARE(first.terminate(), 0);
    }

    void unopenableStoreStopsBeforeAnyWindow_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("text file") << QByteArray("not a store\n").repeated(100);
        QTest::newRow("truncated sqlite header") << QByteArray("SQLite format 3\0garbage", 23).repeated(50);
    }
    void unopenableStoreStopsBeforeAnyWindow()
    {
        QFETCH(QByteArray, content);
        TempHome home;
        const QString folder = home.dataHome() + QStringLiteral("/io.brindlewick.Brindlewick");
        QVERIFY(QDir().mkpath(folder));
        const QString store = folder + QStringLiteral("/Library.sqlite");
        QVERIFY(writeFile(store, content));

        AppProcess app(home);
        QVERIFY(app.start());
        const qint64 pid = app.process().processId();
        // Watch the display while it runs: no window of this process may appear.
        int windowsSeen = 0;
        while (!app.process().waitForFinished(20))
            windowsSeen = std::max(windowsSeen, visibleWindowsOf(pid));
        QCOMPARE(windowsSeen, 0);
        QCOMPARE(app.process().exitStatus(), QProcess::NormalExit);
        QCOMPARE(app.process().exitCode(), 1);
        const QString err = QString::fromUtf8(app.stderrText());
        QVERIFY2(err.contains(QStringLiteral("ModelContainer の生成に失敗しました: ")), qPrintable(err));
        QCOMPARE(readFile(store), content);
    }

    void firstLaunchOffersTheHookSetupOnce()
    {
        TempHome home;
        const QString sheetTitle = QStringLiteral("Claude Code フックの初回セットアップ");
        {
            AppProcess app(home);
            QVERIFY(app.start());
            QVERIFY(app.waitForWindow(QStringLiteral("Brindlewick")));
            QVERIFY(app.waitForWindow(sheetTitle));
            QCOMPARE(app.terminate(), 0);
        }
        QVERIFY(suppressHookSetupOffer(home));
        AppProcess again(home);
        QVERIFY(again.start());
        QVERIFY(again.waitForWindow(QStringLiteral("Brindlewick")));
        QTest::qWait(1500); // the check runs in the background right after launch
        QVERIFY(!again.waitForWindow(sheetTitle, 100));
        QCOMPARE(again.terminate(), 0);
    }

    void helpAndVersion()
    {
        TempHome home;
        AppProcess app(home);
        QVERIFY(app.start({QStringLiteral("--help")}));
        QVERIFY(app.process().waitForFinished(10000));
        QCOMPARE(app.process().exitCode(), 0);
        QVERIFY(app.process().readAllStandardOutput().contains("Claude Code"));
    }
};

QTEST_GUILESS_MAIN(TestAppLaunch)
#include "tst_applaunch.moc"
