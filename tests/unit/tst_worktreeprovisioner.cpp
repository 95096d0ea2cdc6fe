// The worktree plan and branch-name rule, and provisioning with real git in temporary folders.
#include "unit/gittesthelpers.h"

#include "persistence/appsupportpaths.h"
#include "services/gitservice.h"
#include "services/worktreeplan.h"
#include "services/worktreeprovisioner.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

using namespace Brindlewick;

namespace {

const QUuid projectID = QUuid(QStringLiteral("{11111111-2222-3333-4444-555555555555}"));
const QUuid sessionA = QUuid(QStringLiteral("{0f8fad5b-d9cb-469f-a165-70867728950e}"));
const QUuid sessionB = QUuid(QStringLiteral("{aaaaaaaa-bbbb-cccc-dddd-eeeeeeeeeeee}"));

bool branchExists(const QString &repo, const QString &branch) {
    return BrindlewickTest::rawGit(repo, {QStringLiteral("rev-parse"), QStringLiteral("--verify"),
                                          QStringLiteral("-q"), QStringLiteral("refs/heads/") + branch})
        .succeeded();
}

} // namespace

class TestWorktreeProvisioner : public QObject {
    Q_OBJECT
    BrindlewickTest::TempHome m_home;

private Q_SLOTS:
    void branchRule_data();
    void branchRule();
    void plan();
    void provisionsBesideAnotherWorktree();
    void aRefusedAddLeavesNoFolder();
    void failuresBeforeGit();
    void removeLeafAndEmptyParent();
    void discardKeepsTheBranch();
};

void TestWorktreeProvisioner::branchRule_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("valid");
    QTest::newRow("session branch") << QStringLiteral("bwk/session-0f8fad5b-d9cb-469f-a165-70867728950e")
                                    << true;
    QTest::newRow("nested") << QStringLiteral("feature/x") << true;
    QTest::newRow("non-ASCII letters") << QStringLiteral("feature/grün") << true;
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("leading dash") << QStringLiteral("-x") << false;
    QTest::newRow("trailing dot") << QStringLiteral("x.") << false;
    QTest::newRow("double dot") << QStringLiteral("a..b") << false;
    QTest::newRow("reflog syntax") << QStringLiteral("a@{b") << false;
    QTest::newRow("lone at") << QStringLiteral("@") << false;
    QTest::newRow("space") << QStringLiteral("a b") << false;
    QTest::newRow("tab") << QStringLiteral("a\tb") << false;
    QTest::newRow("delete character") << QStringLiteral("a\u007Fb") << false;
    QTest::newRow("tilde") << QStringLiteral("a~b") << false;
    QTest::newRow("caret") << QStringLiteral("a^b") << false;
    QTest::newRow("colon") << QStringLiteral("a:b") << false;
    QTest::newRow("question mark") << QStringLiteral("a?b") << false;
    QTest::newRow("star") << QStringLiteral("a*b") << false;
    QTest::newRow("bracket") << QStringLiteral("a[b") << false;
    QTest::newRow("backslash") << QStringLiteral("a\\b") << false;
    QTest::newRow("leading slash") << QStringLiteral("/a") << false;
    QTest::newRow("trailing slash") << QStringLiteral("a/") << false;
    QTest::newRow("double slash") << QStringLiteral("a//b") << false;
    QTest::newRow("part starting with a dot") << QStringLiteral("a/.b") << false;
    QTest::newRow("lock suffix") << QStringLiteral("a.lock") << false;
    QTest::newRow("lock suffix inside") << QStringLiteral("a/b.lock/c") << false;
}

void TestWorktreeProvisioner::branchRule() {
    QFETCH(QString, name);
    QFETCH(bool, valid);
    QCOMPARE(WorktreePlan::isValidBranchName(name), valid);
}

void TestWorktreeProvisioner::plan() {
    const WorktreePlan p = WorktreePlan::make(QStringLiteral("/data/worktrees/"), projectID, sessionA);
    QCOMPARE(
        p.path,
        QStringLiteral(
            "/data/worktrees/11111111-2222-3333-4444-555555555555/0F8FAD5B-D9CB-469F-A165-70867728950E"));
    QCOMPARE(p.branch, QStringLiteral("bwk/session-0f8fad5b-d9cb-469f-a165-70867728950e"));
    QCOMPARE(p.branch.size(), 48);
    QCOMPARE(WorktreePlan::make(QStringLiteral("/data/worktrees"), projectID, sessionA), p);
    QVERIFY(WorktreePlan::make(QStringLiteral("/data/worktrees"), projectID, sessionB) != p);
}

void TestWorktreeProvisioner::provisionsBesideAnotherWorktree() {
    QTemporaryDir tmp;
    const QString repo = tmp.path() + QStringLiteral("/repo");
    QVERIFY(BrindlewickTest::makeRepository(repo));
    const QString root = AppSupportPaths::worktreesRoot();
    QVERIFY(root.startsWith(m_home.path()));
    const GitService &git = GitService::live();
    const WorktreePlan a = WorktreePlan::make(root, projectID, sessionA);
    const WorktreePlan b = WorktreePlan::make(root, projectID, sessionB);
    const auto first = WorktreeProvisioner::live().provision(a, repo, git);
    QVERIFY(first.ok());
    QCOMPARE(first.value(), a);
    QVERIFY(BrindlewickTest::writeFile(a.path + QStringLiteral("/wip.txt"), "wip"));
    const auto second = WorktreeProvisioner::live().provision(b, repo, git);
    QVERIFY(second.ok());

    QVERIFY(QFileInfo::exists(a.path + QStringLiteral("/README")));
    QVERIFY(QFileInfo::exists(a.path + QStringLiteral("/wip.txt")));
    QVERIFY(QFileInfo::exists(b.path + QStringLiteral("/README")));
    QVERIFY(branchExists(repo, a.branch) && branchExists(repo, b.branch));
    struct stat st {};
    QCOMPARE(::stat(QFile::encodeName(QFileInfo(a.path).path()).constData(), &st), 0);
    QCOMPARE(st.st_mode & 0777, mode_t(0700));
    const auto list = git.listWorktrees(repo);
    QVERIFY(list);
    QCOMPARE(list->size(), size_t(3));
    QCOMPARE(list->at(1).branch, a.branch);
}

void TestWorktreeProvisioner::aRefusedAddLeavesNoFolder() {
    QTemporaryDir tmp;
    const QString repo = tmp.path() + QStringLiteral("/repo");
    QVERIFY(BrindlewickTest::makeRepository(repo));
    const QString root = tmp.path() + QStringLiteral("/worktrees");
    const WorktreePlan plan = WorktreePlan::make(root, projectID, sessionA);
    // The branch exists already, so git refuses the add.
    QVERIFY(BrindlewickTest::rawGit(repo, {QStringLiteral("branch"), plan.branch}).succeeded());
    const auto r = WorktreeProvisioner::live().provision(plan, repo, GitService::live());
    QVERIFY(!r.ok());
    QCOMPARE(r.error().kind, WorktreeProvisionError::Kind::gitAddFailed);
    QVERIFY(!QFileInfo::exists(QFileInfo(plan.path).path()));
    QVERIFY(QFileInfo::exists(root)); // the root itself stays
    QCOMPARE(
        r.error().description(),
        QStringLiteral("worktree の作成に失敗しました。git リポジトリか、ディスク状態を確認してください。"));

    // Not a repository at all.
    const auto notRepo = WorktreeProvisioner::live().provision(plan, tmp.path(), GitService::live());
    QVERIFY(!notRepo.ok());
    QVERIFY(!QFileInfo::exists(QFileInfo(plan.path).path()));

    // A repository without a commit has nothing to branch from.
    const QString unborn = tmp.path() + QStringLiteral("/unborn");
    QVERIFY(QDir().mkpath(unborn));
    QVERIFY(BrindlewickTest::rawGit(unborn, {QStringLiteral("init"), QStringLiteral("-q")}).succeeded());
    const auto noCommit = WorktreeProvisioner::live().provision(plan, unborn, GitService::live());
    QVERIFY(!noCommit.ok());
    QCOMPARE(noCommit.error().kind, WorktreeProvisionError::Kind::gitAddFailed);
    QVERIFY(!QFileInfo::exists(QFileInfo(plan.path).path()));
}

void TestWorktreeProvisioner::failuresBeforeGit() {
    int gitCalls = 0;
    const GitService counting([&gitCalls](const QStringList &, const QString &) {
        ++gitCalls;
        return GitRunResult{QString(), 0, {}};
    });
    QTemporaryDir tmp;
    const WorktreePlan plan = WorktreePlan::make(tmp.path(), projectID, sessionA);
    const WorktreeProvisioner noDisk([](const QString &) { return false; });
    const auto r = noDisk.provision(plan, tmp.path(), counting);
    QVERIFY(!r.ok());
    QCOMPARE(r.error().kind, WorktreeProvisionError::Kind::directoryCreationFailed);
    QCOMPARE(r.error().caseName(), QStringLiteral("directoryCreationFailed"));

    WorktreePlan bad = plan;
    bad.branch = QStringLiteral("-b");
    const auto refused = WorktreeProvisioner::live().provision(bad, tmp.path(), counting);
    QVERIFY(!refused.ok());
    QCOMPARE(refused.error().kind, WorktreeProvisionError::Kind::gitAddFailed);
    QCOMPARE(gitCalls, 0);
    QVERIFY(!QFileInfo::exists(QFileInfo(plan.path).path()));
}

void TestWorktreeProvisioner::removeLeafAndEmptyParent() {
    QTemporaryDir tmp;
    const QString parent = tmp.path() + QStringLiteral("/P");
    QVERIFY(QDir().mkpath(parent));
    WorktreeProvisioner::removeLeafAndEmptyParent(parent + QStringLiteral("/missing"));
    QVERIFY(!QFileInfo::exists(parent));
    QVERIFY(QFileInfo::exists(tmp.path()));

    QVERIFY(QDir().mkpath(parent + QStringLiteral("/S1/deep")));
    QVERIFY(QDir().mkpath(parent + QStringLiteral("/S2")));
    QVERIFY(BrindlewickTest::writeFile(parent + QStringLiteral("/S1/deep/f"), "x"));
    WorktreeProvisioner::removeLeafAndEmptyParent(parent + QStringLiteral("/S1"));
    QVERIFY(!QFileInfo::exists(parent + QStringLiteral("/S1")));
    QVERIFY(QFileInfo::exists(parent + QStringLiteral("/S2")));
}

void TestWorktreeProvisioner::discardKeepsTheBranch() {
    QTemporaryDir tmp;
    const QString repo = tmp.path() + QStringLiteral("/repo");
    QVERIFY(BrindlewickTest::makeRepository(repo));
    const WorktreePlan plan = WorktreePlan::make(tmp.path() + QStringLiteral("/wt"), projectID, sessionA);
    QVERIFY(WorktreeProvisioner::live().provision(plan, repo, GitService::live()).ok());
    WorktreeProvisioner::discard(plan, repo, GitService::live());
    QVERIFY(!QFileInfo::exists(plan.path));
    QVERIFY(branchExists(repo, plan.branch));
    QCOMPARE(GitService::live().listWorktrees(repo)->size(), size_t(1));
}

QTEST_GUILESS_MAIN(TestWorktreeProvisioner)
#include "tst_worktreeprovisioner.moc"
