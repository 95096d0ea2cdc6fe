// The real app under Xvfb, as a user goes about it: a git repository added through the sidebar's
// folder dialog, two sessions started in worktrees of their own from the dashboard with a first
// instruction, two cards on the board and two session branches in git; then one worktree made
// dirty, its session window closed and the clean-up question answered with "keep", and the
// worktree found in the dashboard's list of left-over worktrees.
#include "support/e2e/appprocess.h"
#include "support/terminalhome.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QRect>
#include <QTest>

using namespace BrindlewickTest;

namespace {

const QString mainTitle = QStringLiteral("Brindlewick");

void xdotool(const QStringList &args) {
    runCommand(QStringLiteral("xdotool"), args);
}

QString git(const QString &repo, const QStringList &args, bool *ok = nullptr) {
    QByteArray out;
    const int code = runCommand(QStringLiteral("git"),
                                QStringList{QStringLiteral("-C"), repo, QStringLiteral("-c"),
                                            QStringLiteral("user.name=Test"), QStringLiteral("-c"),
                                            QStringLiteral("user.email=test@localhost"), QStringLiteral("-c"),
                                            QStringLiteral("commit.gpgsign=false")} +
                                    args,
                                &out);
    if (ok)
        *ok = code == 0;
    return QString::fromUtf8(out);
}

// The visible widgets of the window titled `title` with this object name.
QList<QJsonObject> named(const AppProcess &app, const QString &title, const QString &objectName) {
    QList<QJsonObject> out;
    const auto doc = app.introspect();
    if (!doc)
        return out;
    for (const QJsonValue &w : doc->value(QStringLiteral("windows")).toArray()) {
        if (w.toObject().value(QStringLiteral("title")).toString() != title)
            continue;
        for (const QJsonValue &c : w.toObject().value(QStringLiteral("widgets")).toArray())
            if (c.toObject().value(QStringLiteral("objectName")).toString() == objectName)
                out << c.toObject();
    }
    return out;
}

QStringList windowTitles(const AppProcess &app) {
    QStringList out;
    if (const auto doc = app.introspect())
        for (const QJsonValue &w : doc->value(QStringLiteral("windows")).toArray())
            out << w.toObject().value(QStringLiteral("title")).toString();
    return out;
}

void clickAt(const QPoint &p) {
    xdotool({QStringLiteral("mousemove"), QString::number(p.x()), QString::number(p.y())});
    xdotool({QStringLiteral("click"), QStringLiteral("1")});
}

bool clickNamed(const AppProcess &app, const QString &title, const QString &objectName) {
    const auto found = named(app, title, objectName);
    if (found.isEmpty())
        return false;
    clickAt(rectOf(found.first()).center());
    return true;
}

// Only mapped windows: an unmapped window of the app may carry the same name, and activating it
// with --sync waits for a map that never comes (until xdotool's run times out).
void activate(const QString &titlePattern) {
    xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"),
             titlePattern, QStringLiteral("windowactivate"), QStringLiteral("--sync")});
    QTest::qWait(300);
}

// Clicks the sidebar row whose accessible name starts with `name`.
bool clickSidebarRow(const AppProcess &app, const QString &name) {
    for (const QJsonObject &list : named(app, mainTitle, QStringLiteral("sidebarList")))
        for (const QJsonValue &item : list.value(QStringLiteral("items")).toArray())
            if (item.toObject().value(QStringLiteral("name")).toString().startsWith(name)) {
                clickAt(rectOf(item.toObject()).center());
                return true;
            }
    for (const QJsonObject &list : named(app, mainTitle, QStringLiteral("sidebarList")))
        qWarning("sidebar: %s", QJsonDocument(list).toJson(QJsonDocument::Compact).constData());
    return false;
}

QString canonical(const QString &path) {
    return QFileInfo(path).canonicalFilePath();
}

} // namespace

class TestProjectWorktreesApp : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void worktreeSessionsFromTheDashboardAndTheOrphanLeftBehind() {
        TerminalHome home;
        QVERIFY(suppressHookSetupOffer(home));
        QTemporaryDir work;
        const QString repo = canonical(work.path()) + QStringLiteral("/shop");
        QVERIFY(QDir().mkpath(repo));
        bool ok = false;
        git(repo,
            {QStringLiteral("init"), QStringLiteral("-q"), QStringLiteral("-b"), QStringLiteral("main")},
            &ok);
        QVERIFY(ok);
        QVERIFY(writeFile(repo + QStringLiteral("/README.md"), "# shop\n"));
        git(repo, {QStringLiteral("add"), QStringLiteral("README.md")}, &ok);
        QVERIFY(ok);
        git(repo,
            {QStringLiteral("commit"), QStringLiteral("-q"), QStringLiteral("-m"), QStringLiteral("initial")},
            &ok);
        QVERIFY(ok);

        AppProcess app(home);
        QVERIFY(app.start());
        QVERIFY(app.waitForWindow(mainTitle));
        activate(QStringLiteral("^Brindlewick$"));

        // The sidebar's folder dialog, driven like a user: type the path, press Return.
        QVERIFY(clickNamed(app, mainTitle, QStringLiteral("addProjectButton")));
        const QString dialogTitle = QStringLiteral("プロジェクトのフォルダを選択してください");
        QVERIFY2(app.waitForWindow(dialogTitle), qPrintable(windowTitles(app).join(QLatin1Char('|'))));
        activate(dialogTitle);
        xdotool({QStringLiteral("key"), QStringLiteral("ctrl+a")});
        xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("20"), repo});
        QTest::qWait(300);
        xdotool({QStringLiteral("key"), QStringLiteral("Return")});
        QTRY_VERIFY_WITH_TIMEOUT(!windowTitles(app).contains(dialogTitle), 5000);

        // The new project is selected: its dashboard with the launcher.
        QTRY_VERIFY_WITH_TIMEOUT(!named(app, mainTitle, QStringLiteral("sessionLauncher")).isEmpty(), 10000);
        QTRY_VERIFY_WITH_TIMEOUT(!named(app, mainTitle, QStringLiteral("useWorktree")).isEmpty(), 5000);
        QTest::qWait(500); // the repository check answers
        QVERIFY(clickNamed(app, mainTitle, QStringLiteral("useWorktree")));

        const QStringList instructions{QStringLiteral("fix the build"), QStringLiteral("write the docs")};
        QStringList sessionTitles;
        for (int i = 0; i < 2; ++i) {
            activate(QStringLiteral("^Brindlewick$"));
            QVERIFY(clickNamed(app, mainTitle, QStringLiteral("firstPrompt")));
            xdotool(
                {QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("20"), instructions[i]});
            QVERIFY(clickNamed(app, mainTitle, QStringLiteral("startSession")));
            const QString title = QStringLiteral("shop - セッション %1").arg(i + 1);
            QVERIFY2(app.waitForWindow(title),
                     qPrintable(windowTitles(app).join(QLatin1Char('|')) + QLatin1Char('\n') +
                                QString::fromUtf8(app.stderrText().right(2000))));
            sessionTitles << title;
            QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(home.fakeRun(i + 1, QStringLiteral("pid"))), 10000);
            // Typed, not sent: the text waits on claude's input with no line end.
            QTRY_VERIFY_WITH_TIMEOUT(
                readFile(home.fakeRun(i + 1, QStringLiteral("input"))).contains(instructions[i].toUtf8()),
                5000);
            QVERIFY(!readFile(home.fakeRun(i + 1, QStringLiteral("input"))).contains('\r'));
            QTest::qWait(1000); // the start button unlocks
        }
        QCOMPARE(home.fakeRunCount(), 2);

        // Each claude runs in a worktree of its own, on a session branch.
        const QString worktreesRoot = home.dataHome();
        QStringList cwds;
        for (int n = 1; n <= 2; ++n) {
            const QString cwd = QString::fromUtf8(readFile(home.fakeRun(n, QStringLiteral("cwd")))).trimmed();
            QVERIFY2(canonical(cwd).startsWith(canonical(worktreesRoot)), qPrintable(cwd));
            cwds << canonical(cwd);
        }
        QVERIFY(cwds[0] != cwds[1]);
        const QString listing =
            git(repo, {QStringLiteral("worktree"), QStringLiteral("list"), QStringLiteral("--porcelain")});
        QStringList sessionBranches;
        for (const QString &line : listing.split(QLatin1Char('\n')))
            if (line.startsWith(QLatin1String("branch refs/heads/bwk/session-")))
                sessionBranches << line;
        QCOMPARE(sessionBranches.size(), 2);
        for (const QString &cwd : cwds)
            QVERIFY2(listing.contains(QStringLiteral("worktree ") + cwd), qPrintable(listing));

        // Two cards on the board.
        activate(QStringLiteral("^Brindlewick$"));
        QVERIFY(clickSidebarRow(app, QStringLiteral("ボード")));
        QTRY_COMPARE_WITH_TIMEOUT(app.widgets(mainTitle, QStringLiteral("SessionCardView")).size(), 2, 5000);

        // The first worktree gets uncommitted work; its window is closed and the work kept.
        QVERIFY(writeFile(cwds[0] + QStringLiteral("/wip.txt"), "work in progress\n"));
        activate(sessionTitles[0]);
        xdotool({QStringLiteral("key"), QStringLiteral("alt+F4")});
        const QString endQuestion = QStringLiteral("このセッションを終了しますか。");
        QVERIFY2(app.waitForWindow(endQuestion, 5000), qPrintable(windowTitles(app).join(QLatin1Char('|'))));
        activate(endQuestion);
        xdotool({QStringLiteral("key"), QStringLiteral("Return")}); // "終了する", the default
        const QString cleanup = QStringLiteral("worktree に未コミットの変更がある可能性があります");
        QVERIFY2(app.waitForWindow(cleanup, 10000), qPrintable(windowTitles(app).join(QLatin1Char('|'))));
        activate(cleanup);
        xdotool({QStringLiteral("key"), QStringLiteral("Return")}); // "保持", the default
        QTRY_VERIFY_WITH_TIMEOUT(!windowTitles(app).contains(cleanup), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(!windowTitles(app).contains(sessionTitles[0]), 5000);
        QTRY_COMPARE_WITH_TIMEOUT(app.widgets(mainTitle, QStringLiteral("SessionCardView")).size(), 1, 5000);
        QVERIFY(QFile::exists(cwds[0] + QStringLiteral("/wip.txt")));

        // The dashboard lists it as left over, with its badge; the live session's worktree is not listed.
        activate(QStringLiteral("^Brindlewick$"));
        QVERIFY(clickSidebarRow(app, QStringLiteral("shop")));
        QTRY_COMPARE_WITH_TIMEOUT(named(app, mainTitle, QStringLiteral("orphanRow")).size(), 1, 10000);
        const QJsonObject row = named(app, mainTitle, QStringLiteral("orphanRow")).first();
        QCOMPARE(canonical(row.value(QStringLiteral("bwPath")).toString()), cwds[0]);
        const auto badges = named(app, mainTitle, QStringLiteral("orphanBadge"));
        QCOMPARE(badges.size(), 1);
        QVERIFY(rectOf(row).contains(rectOf(badges.first())));
        QCOMPARE(named(app, mainTitle, QStringLiteral("orphanDelete")).size(), 1);

        QTest::qWait(500);
        const QString shot = QStringLiteral(BW_BINARY_DIR "/tests/orphan-dashboard-e2e.png");
        runCommand(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"), shot});
        qInfo("screenshot: %s", qPrintable(shot));
        QCOMPARE(app.terminate(), 0);
    }
};

QTEST_MAIN(TestProjectWorktreesApp)
#include "tst_projectworktreesapp.moc"
