// The dashboard's session block: starting plain and worktree sessions, their order and titles,
// the first instruction, the repository check and the start errors.
#include "unit/gittesthelpers.h"

#include "models/project.h"
#include "models/session.h"
#include "persistence/containerfactory.h"
#include "persistence/modelcontext.h"
#include "services/gitservice.h"
#include "services/preferences.h"
#include "services/sessionlauncher.h"
#include "services/worktreeplan.h"
#include "support/testsupport.h"
#include "views/sessionlaunchersection.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Brindlewick;

class TestSessionLauncher : public QObject {
    Q_OBJECT
    std::unique_ptr<BrindlewickTest::TempHome> m_home;
    std::unique_ptr<ModelContainer> m_container;
    std::unique_ptr<QTemporaryDir> m_tmp;

    ModelContext &ctx() { return m_container->mainContext(); }
    Project *project(const QString &root) {
        auto *p = ctx().insert(std::make_unique<Project>(root, QStringLiteral("p"), std::nullopt, 0));
        ctx().save();
        return p;
    }
    static bool checked(SessionLauncherSection &s) {
        s.checkRepository();
        return QTest::qWaitFor([&] { return s.isGitRepo().has_value(); }, 10000);
    }

private Q_SLOTS:
    void init() {
        m_home = std::make_unique<BrindlewickTest::TempHome>();
        m_container = std::move(*ContainerFactory::make(true));
        m_tmp = std::make_unique<QTemporaryDir>();
    }
    void cleanup() {
        m_container.reset();
        m_tmp.reset();
        m_home.reset();
    }

    void orderAndTitles() {
        Project *p = project(m_tmp->path());
        QCOMPARE(SessionLauncher::nextOrder({}), qint64(0));
        Session *a =
            SessionLauncher::createSession(ctx(), p, QUuid::createUuid(), p->rootPath(), false, {}, 0);
        QVERIFY(a);
        QCOMPARE(a->title(), QStringLiteral("セッション 1"));
        a->setSortOrder(5);
        ctx().insert(
            std::make_unique<Session>(QStringLiteral("x"), p->rootPath(), false, false, false, 0, p));
        QVERIFY(ctx().save().ok());
        const qint64 next = SessionLauncher::nextOrder(p->sessions());
        QCOMPARE(next, qint64(6));
        Session *b = SessionLauncher::createSession(ctx(), p, QUuid::createUuid(), p->rootPath(), false,
                                                    {true, true}, next);
        QCOMPARE(b->title(), QStringLiteral("セッション 7"));
        QCOMPARE(b->columnRaw(), QStringLiteral("working"));
        QVERIFY(b->skipPermissions() && b->remoteControl());
        QCOMPARE(b->project(), p);
    }

    void plainStart() {
        Project *p = project(m_tmp->path()); // not a repository
        SessionLauncherSection launcher(p->id(), ctx());
        QVERIFY(launcher.findChild<QLabel *>(QStringLiteral("noSessions")));
        QVERIFY(checked(launcher));
        QCOMPARE(launcher.isGitRepo(), false);
        QVERIFY(!launcher.worktreeOption()->isEnabled());
        auto *note = launcher.findChild<QLabel *>(QStringLiteral("notGitRepoNote"));
        QVERIFY(note->isVisibleTo(&launcher));
        QCOMPARE(
            note->text(),
            QStringLiteral("このプロジェクトは git リポジトリではないため、worktree は利用できません。"));
        {
            // Without git on the search path the note names the real cause.
            QTemporaryDir empty;
            const QByteArray path = qgetenv("PATH");
            qputenv("PATH", QFile::encodeName(empty.path()));
            QVERIFY(checked(launcher));
            qputenv("PATH", path);
            QCOMPARE(note->text(), GitService::unavailableDescription());
            QCOMPARE(launcher.isGitRepo(), false);
        }

        QSignalSpy open(&launcher, &SessionLauncherSection::openSessionRequested);
        launcher.firstPromptField()->setText(QStringLiteral("  fix the build\n"));
        launcher.skipPermissionsOption()->setChecked(true);
        launcher.startButton()->click();
        QCOMPARE(open.count(), 1);
        QCOMPARE(open.at(0).at(1).toString(), QStringLiteral("fix the build"));
        QVERIFY(launcher.firstPromptField()->text().isEmpty());
        QVERIFY(launcher.isStarting());
        QVERIFY(!launcher.startButton()->isEnabled());
        launcher.start(); // locked
        QCOMPARE(open.count(), 1);
        Session *s = ctx().find<Session>(open.at(0).at(0).toUuid());
        QVERIFY(s);
        QCOMPARE(s->title(), QStringLiteral("セッション 1"));
        QCOMPARE(s->sortOrder(), qint64(0));
        QCOMPARE(s->workingDirectory(), p->rootPath());
        QVERIFY(!s->isWorktree());
        QVERIFY(s->skipPermissions());
        QTRY_VERIFY(!launcher.isStarting());

        launcher.firstPromptField()->setText(QStringLiteral("   "));
        launcher.start();
        QCOMPARE(open.count(), 2);
        QCOMPARE(open.at(1).at(1).toString(), QString());
        QCOMPARE(ctx().find<Session>(open.at(1).at(0).toUuid())->title(), QStringLiteral("セッション 2"));
        QTRY_COMPARE(launcher.findChildren<QPushButton *>(QStringLiteral("sessionRow")).size(), 2);
    }

    void worktreeStart() {
        const QString repo = QFileInfo(m_tmp->path()).canonicalFilePath() + QStringLiteral("/repo");
        QVERIFY(BrindlewickTest::makeRepository(repo));
        Project *p = project(repo);
        SessionLauncherSection launcher(p->id(), ctx());
        launcher.setWorktreesRoot(m_tmp->path() + QStringLiteral("/worktrees"));
        QVERIFY(checked(launcher));
        QCOMPARE(launcher.isGitRepo(), true);
        launcher.worktreeOption()->setChecked(true);
        QSignalSpy open(&launcher, &SessionLauncherSection::openSessionRequested);
        QSignalSpy finished(&launcher, &SessionLauncherSection::startFinished);
        launcher.start();
        QVERIFY(launcher.isStarting());
        QVERIFY(finished.wait(10000));
        QVERIFY(!launcher.isStarting());
        QCOMPARE(open.count(), 1);
        const QUuid id = open.at(0).at(0).toUuid();
        Session *s = ctx().find<Session>(id);
        QVERIFY(s && s->isWorktree());
        const WorktreePlan plan =
            WorktreePlan::make(m_tmp->path() + QStringLiteral("/worktrees"), p->id(), id);
        QCOMPARE(s->workingDirectory(), plan.path);
        QVERIFY(QFileInfo::exists(plan.path + QStringLiteral("/README")));

        // git refuses the add: the message says so, and changing an option clears it.
        launcher.setGitService(GitService([](const QStringList &args, const QString &dir) {
            if (args.value(0) == QLatin1String("worktree") && args.value(1) == QLatin1String("add"))
                return GitRunResult{QString(), 128, {}};
            return GitService::runProcess(args, dir);
        }));
        launcher.firstPromptField()->setText(QStringLiteral("keep me"));
        launcher.start();
        QVERIFY(finished.wait(10000));
        QCOMPARE(open.count(), 1);
        QCOMPARE(launcher.startError(),
                 QStringLiteral(
                     "worktree の作成に失敗しました。git リポジトリか、ディスク状態を確認してください。"));
        QCOMPARE(launcher.firstPromptField()->text(), QStringLiteral("keep me"));
        QCOMPARE(p->sessions().size(), size_t(1));
        launcher.skipPermissionsOption()->setChecked(true);
        QCOMPARE(launcher.startError(), std::nullopt);
    }

    void remoteControlFollowsThePreferenceUntilChangedHere() {
        Preferences::setValue(QStringLiteral("session.launch.remoteControl"), true);
        Project *p = project(m_tmp->path());
        SessionLauncherSection launcher(p->id(), ctx());
        QVERIFY(launcher.remoteControlOption()->isChecked());
        launcher.remoteControlOption()->setChecked(false);
        QCOMPARE(Preferences::boolValue(QStringLiteral("session.launch.remoteControl"), false), true);
        QSignalSpy open(&launcher, &SessionLauncherSection::openSessionRequested);
        launcher.start();
        QVERIFY(!ctx().find<Session>(open.at(0).at(0).toUuid())->remoteControl());
        Preferences::remove(QStringLiteral("session.launch.remoteControl"));
    }
};

QTEST_MAIN(TestSessionLauncher)
#include "tst_sessionlauncher.moc"
