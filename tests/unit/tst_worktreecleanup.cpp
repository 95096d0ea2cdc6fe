// Deleting a session: processes stop, the record goes, and its worktree is removed with real git
// in a temporary repository, asking (here: answering directly) before anything is forced.
#include "models/project.h"
#include "models/session.h"
#include "persistence/containerfactory.h"
#include "persistence/modelcontext.h"
#include "services/sessionlifecycle.h"
#include "services/worktreecleanup.h"
#include "support/testsupport.h"

#include <QDir>
#include <QProcess>
#include <QtTest>

using namespace Brindlewick;

namespace {

WorktreeCleanup::GitResult git(const QStringList &args, const QString &dir) {
    QProcess p;
    p.setWorkingDirectory(dir);
    p.start(QStringLiteral("git"), args);
    p.waitForFinished(20000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput())};
}

} // namespace

Q_DECLARE_METATYPE(std::optional<bool>)

class TestWorktreeCleanup : public QObject {
    Q_OBJECT
    std::unique_ptr<BrindlewickTest::TempHome> m_home;
    std::unique_ptr<ModelContainer> m_container;
    QTemporaryDir m_dir;
    QString m_repo;
    int m_asked = 0;
    int m_reported = 0;
    std::optional<bool> m_answer;
    bool m_terminating = false;
    std::optional<WorktreeCleanupOutcome> m_outcome;
    Project *m_project = nullptr;
    ModelContext &ctx() { return m_container->mainContext(); }

    QString addWorktree(const QString &name) {
        const QString path = m_dir.path() + QStringLiteral("/wt/") + name;
        [&] {
            QCOMPARE(git({QStringLiteral("worktree"), QStringLiteral("add"), QStringLiteral("-b"),
                          QStringLiteral("bwk/") + name, QStringLiteral("--"), path},
                         m_repo)
                         .exitCode,
                     0);
        }();
        return path;
    }

private Q_SLOTS:
    void initTestCase() {
        m_home = std::make_unique<BrindlewickTest::TempHome>();
        auto c = ContainerFactory::make(true);
        QVERIFY(c);
        m_container = std::move(*c);
        m_repo = m_dir.path() + QStringLiteral("/repo");
        QDir().mkpath(m_repo);
        qputenv("GIT_AUTHOR_NAME", "t");
        qputenv("GIT_AUTHOR_EMAIL", "t@example.org");
        qputenv("GIT_COMMITTER_NAME", "t");
        qputenv("GIT_COMMITTER_EMAIL", "t@example.org");
        QCOMPARE(git({QStringLiteral("init"), QStringLiteral("-q")}, m_repo).exitCode, 0);
        QVERIFY(BrindlewickTest::writeFile(m_repo + QStringLiteral("/a.txt"), "a\n"));
        QCOMPARE(git({QStringLiteral("add"), QStringLiteral(".")}, m_repo).exitCode, 0);
        QCOMPARE(
            git({QStringLiteral("commit"), QStringLiteral("-qm"), QStringLiteral("one")}, m_repo).exitCode,
            0);
        m_project = ctx().insert(std::make_unique<Project>(m_repo, QStringLiteral("repo"), std::nullopt, 0));
        QVERIFY(ctx().save());
        SessionLifecycle::setWorktreeCleanup([this](const QString &root, const QString &path) {
            WorktreeCleanupPrompt prompt;
            prompt.confirmForceRemove = [this](const QString &) {
                ++m_asked;
                return m_answer.value_or(false);
            };
            prompt.reportRemovalFailed = [this](const QString &) { ++m_reported; };
            WorktreeCleanup::run(
                root, path, git, prompt, [this] { return m_terminating; }, this,
                [this](WorktreeCleanupOutcome o) { m_outcome = o; });
        });
    }
    void init() {
        m_asked = m_reported = 0;
        m_answer.reset();
        m_outcome.reset();
        m_terminating = false;
    }

    void teardownAndCleanup_data() {
        QTest::addColumn<QString>("dirt"); // "", "untracked", "locked"
        QTest::addColumn<std::optional<bool>>("answer");
        QTest::addColumn<bool>("terminating");
        QTest::addColumn<int>("asked");
        QTest::addColumn<bool>("remains");
        QTest::addColumn<int>("reported");
        QTest::newRow("clean: removed without a question")
            << "" << std::optional<bool>() << false << 0 << false << 0;
        QTest::newRow("untracked file, keep")
            << "untracked" << std::optional<bool>(false) << false << 1 << true << 0;
        QTest::newRow("untracked file, force")
            << "untracked" << std::optional<bool>(true) << false << 1 << false << 0;
        QTest::newRow("locked, force refused by git: reported")
            << "locked" << std::optional<bool>(true) << false << 0 << true << 1;
        QTest::newRow("while quitting nothing happens")
            << "untracked" << std::optional<bool>(true) << true << 0 << true << 0;
    }
    void teardownAndCleanup() {
        QFETCH(QString, dirt);
        QFETCH(std::optional<bool>, answer);
        QFETCH(bool, terminating);
        QFETCH(int, asked);
        QFETCH(bool, remains);
        QFETCH(int, reported);
        static int serial = 0;
        const QString path = addWorktree(QStringLiteral("case%1").arg(++serial));
        if (dirt == QLatin1String("untracked"))
            QVERIFY(BrindlewickTest::writeFile(path + QStringLiteral("/new.txt"), "x\n"));
        if (dirt == QLatin1String("locked"))
            QCOMPARE(git({QStringLiteral("worktree"), QStringLiteral("lock"), path}, m_repo).exitCode, 0);
        m_answer = answer;
        m_terminating = terminating;
        auto *session = ctx().insert(
            std::make_unique<Session>(QStringLiteral("s"), path, true, false, false, 0, m_project));
        QVERIFY(ctx().save());
        const QUuid id = session->id();
        SessionLifecycle::teardown(id, ctx());
        QVERIFY(!ctx().find<Session>(id));
        if (terminating) {
            QTest::qWait(200);
            QVERIFY(!m_outcome);
        } else {
            QTRY_VERIFY_WITH_TIMEOUT(m_outcome.has_value(), 20000);
        }
        QCOMPARE(m_asked, asked);
        QCOMPARE(QDir(path).exists(), remains);
        QCOMPARE(m_reported, reported);
        if (dirt == QLatin1String("locked"))
            QCOMPARE(*m_outcome, WorktreeCleanupOutcome::failed);
    }

    void notInAWorktreeOrWithoutProjectNoGit() {
        bool called = false;
        SessionLifecycle::setWorktreeCleanup([&](const QString &, const QString &) { called = true; });
        auto *plain = ctx().insert(
            std::make_unique<Session>(QStringLiteral("p"), m_repo, false, false, false, 0, nullptr));
        auto *orphan = ctx().insert(std::make_unique<Session>(
            QStringLiteral("o"), m_repo + QStringLiteral("/x"), true, false, false, 0, nullptr));
        QVERIFY(ctx().save());
        const QUuid a = plain->id(), b = orphan->id();
        SessionLifecycle::teardown(a, ctx());
        SessionLifecycle::teardown(b, ctx());
        QTest::qWait(50);
        QVERIFY(!ctx().find<Session>(a) && !ctx().find<Session>(b));
        QVERIFY(!called);
    }

    void orphanPlan_data() {
        QTest::addColumn<int>("outcome");
        QTest::addColumn<bool>("optedIn");
        QTest::addColumn<QString>("branch");
        QTest::addColumn<int>("effect");
        using K = OrphanDeleteEffect::Kind;
        QTest::newRow("kept") << int(WorktreeCleanupOutcome::kept) << true << "b" << int(K::none);
        QTest::newRow("failed") << int(WorktreeCleanupOutcome::failed) << true << "b"
                                << int(K::reportFailure);
        QTest::newRow("removed, branch opted in")
            << int(WorktreeCleanupOutcome::removed) << true << "b" << int(K::deleteBranch);
        QTest::newRow("removed, not opted in")
            << int(WorktreeCleanupOutcome::removed) << false << "b" << int(K::rescan);
        QTest::newRow("removed, empty branch")
            << int(WorktreeCleanupOutcome::removed) << true << "" << int(K::rescan);
    }
    void orphanPlan() {
        QFETCH(int, outcome);
        QFETCH(bool, optedIn);
        QFETCH(QString, branch);
        QFETCH(int, effect);
        const OrphanDeleteEffect e =
            WorktreeCleanup::planOrphanDeletion(WorktreeCleanupOutcome(outcome), optedIn, branch);
        QCOMPARE(int(e.kind), effect);
        if (e.kind == OrphanDeleteEffect::Kind::deleteBranch)
            QCOMPARE(e.branch, branch);
    }
};

QTEST_GUILESS_MAIN(TestWorktreeCleanup)
#include "tst_worktreecleanup.moc"
