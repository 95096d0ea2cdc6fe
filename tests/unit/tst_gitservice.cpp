#include "unit/gittesthelpers.h"

#include "services/gitservice.h"
#include "services/worktreeplan.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

using namespace Brindlewick;
using BrindlewickTest::makeRepository;
using BrindlewickTest::rawGit;

Q_DECLARE_METATYPE(std::vector<Brindlewick::WorktreeListEntry>)

namespace {

WorktreeListEntry entry(const QString &path, std::optional<QString> branch, std::optional<QString> head,
                        bool bare = false, bool detached = false, bool locked = false) {
    return {path, std::move(branch), std::move(head), bare, detached, locked};
}

QString nul(const char *text) {
    QString s = QString::fromUtf8(text);
    s.replace(QLatin1Char('|'), QChar(u'\0'));
    return s;
}

// All of the bytes, NULs included (QString::fromUtf8(QByteArray) stops at the first NUL).
QString bytesText(const QByteArray &b) {
    return QString::fromUtf8(b.constData(), b.size());
}

// Sets an environment variable for one scope.
class ScopedEnv {
public:
    ScopedEnv(const char *name, const QByteArray &value)
        : m_name(name)
        , m_had(qEnvironmentVariableIsSet(name))
        , m_old(qgetenv(name)) {
        qputenv(name, value);
    }
    ~ScopedEnv() {
        if (m_had)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }

private:
    const char *m_name;
    bool m_had;
    QByteArray m_old;
};

} // namespace

class TestGitService : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void parse_data();
    void parse();
    void parseCapturedOutput();
    void repositoryRoot();
    void gitEnvironmentDoesNotLeak();
    void repositoryConfigCannotRunPrograms();
    void missingGit();
    void dirtyCheck();
    void worktreeAndBranchCommands();
    void invalidBranchNeverReachesGit();

private:
    BrindlewickTest::TempHome m_home;
};

void TestGitService::parse_data() {
    QTest::addColumn<QString>("output");
    QTest::addColumn<std::vector<WorktreeListEntry>>("expected");
    QTest::newRow("two records, detached and locked with a reason")
        << nul("worktree /r|HEAD abc|branch refs/heads/main||worktree /w|HEAD def|detached|locked reason here||")
        << std::vector{entry(QStringLiteral("/r"), QStringLiteral("main"), QStringLiteral("abc")),
                       entry(QStringLiteral("/w"), {}, QStringLiteral("def"), false, true, true)};
    QTest::newRow("bare") << nul("worktree /r.git|bare||")
                          << std::vector{entry(QStringLiteral("/r.git"), {}, {}, true)};
    QTest::newRow("nested branch, remote ref kept whole")
        << nul("worktree /a|branch refs/heads/feature/x||worktree /b|branch refs/remotes/o/x||")
        << std::vector{entry(QStringLiteral("/a"), QStringLiteral("feature/x"), {}),
                       entry(QStringLiteral("/b"), QStringLiteral("refs/remotes/o/x"), {})};
    QTest::newRow("no final empty piece")
        << nul("worktree /a|HEAD 1||worktree /b|HEAD 2")
        << std::vector{entry(QStringLiteral("/a"), {}, QStringLiteral("1")),
                       entry(QStringLiteral("/b"), {}, QStringLiteral("2"))};
    QTest::newRow("empty") << QString() << std::vector<WorktreeListEntry>{};
    QTest::newRow("worktree without separator starts a new record")
        << nul("worktree /a|locked|worktree /b|")
        << std::vector{entry(QStringLiteral("/a"), {}, {}, false, false, true),
                       entry(QStringLiteral("/b"), {}, {})};
    QTest::newRow("attributes before the first path belong to it, unknown ones are ignored")
        << nul("HEAD 9|prunable gone|worktree /a|future-attribute x||")
        << std::vector{entry(QStringLiteral("/a"), {}, QStringLiteral("9"))};
    QTest::newRow("record without a path is dropped")
        << nul("HEAD 1|detached||worktree /b||") << std::vector{entry(QStringLiteral("/b"), {}, {})};
}

void TestGitService::parse() {
    QFETCH(QString, output);
    QFETCH(std::vector<WorktreeListEntry>, expected);
    QCOMPARE(GitService::parseWorktreeList(output), expected);
}

void TestGitService::parseCapturedOutput() {
    // Captured from git 2.39 (`git worktree list --porcelain -z`): a main work tree, a branch
    // worktree, a detached one locked with a reason, one locked without, a prunable one and one
    // whose path has a space and a non-ASCII letter; then a bare repository with one worktree.
    const QString dir = QStringLiteral(BW_SOURCE_DIR "/tests/data/git/");
    const QString head = QStringLiteral("2e1c60558e70971dc035d54248ff3fdac1589496");
    const auto linked = GitService::parseWorktreeList(
        bytesText(BrindlewickTest::readFile(dir + QStringLiteral("worktree-list-linked.z"))));
    const std::vector expectedLinked{
        entry(QStringLiteral("/tmp/cap/r"), QStringLiteral("main"), head),
        entry(QStringLiteral("/tmp/cap/w1"), QStringLiteral("feature/x"), head),
        entry(QStringLiteral("/tmp/cap/w2"), {}, head, false, true, true),
        entry(QStringLiteral("/tmp/cap/w3"), QStringLiteral("plain"), head, false, false, true),
        entry(QStringLiteral("/tmp/cap/w4/x"), QStringLiteral("gone"), head),
        entry(QStringLiteral("/tmp/cap/with space/grün"), QStringLiteral("umlaut"), head),
    };
    QCOMPARE(linked, expectedLinked);
    const auto bare = GitService::parseWorktreeList(
        bytesText(BrindlewickTest::readFile(dir + QStringLiteral("worktree-list-bare.z"))));
    const std::vector expectedBare{entry(QStringLiteral("/tmp/cap/r.git"), {}, {}, true),
                                   entry(QStringLiteral("/tmp/cap/bw"), QStringLiteral("main"), head)};
    QCOMPARE(bare, expectedBare);
}

void TestGitService::repositoryRoot() {
    QTemporaryDir tmp;
    const QString root = QFileInfo(tmp.path()).canonicalFilePath() + QStringLiteral("/repo");
    QVERIFY(makeRepository(root));
    QDir().mkpath(root + QStringLiteral("/a/b"));
    const GitService &git = GitService::live();
    QCOMPARE(git.repositoryRoot(root), root);
    QCOMPARE(git.repositoryRoot(root + QStringLiteral("/a/b")), root);
    // A linked worktree is a work tree of its own.
    const QString linked = QFileInfo(tmp.path()).canonicalFilePath() + QStringLiteral("/linked");
    QVERIFY(git.addWorktree(root, QStringLiteral("side"), linked));
    QCOMPARE(git.repositoryRoot(linked), linked);
    const QString outside = QFileInfo(tmp.path()).canonicalFilePath() + QStringLiteral("/plain");
    QDir().mkpath(outside);
    QCOMPARE(git.repositoryRoot(outside), std::nullopt);
    QCOMPARE(git.repositoryRoot(outside + QStringLiteral("/missing")), std::nullopt);
    // The listing reads back the worktree just made.
    const auto list = git.listWorktrees(root);
    QVERIFY(list);
    QCOMPARE(list->size(), size_t(2));
    QCOMPARE(list->at(1).path, linked);
    QCOMPARE(list->at(1).branch, QStringLiteral("side"));
    QCOMPARE(git.listWorktrees(outside), std::nullopt);
}

void TestGitService::gitEnvironmentDoesNotLeak() {
    QTemporaryDir tmp;
    const QString a = tmp.path() + QStringLiteral("/a"), b = tmp.path() + QStringLiteral("/b");
    QVERIFY(makeRepository(a));
    QVERIFY(makeRepository(b));
    const QString canonicalB = QFileInfo(b).canonicalFilePath();
    ScopedEnv dir("GIT_DIR", QFile::encodeName(a + QStringLiteral("/.git")));
    ScopedEnv tree("GIT_WORK_TREE", QFile::encodeName(a));
    ScopedEnv params("GIT_CONFIG_PARAMETERS", "'core.fsmonitor'='/bin/false'");
    QCOMPARE(GitService::live().repositoryRoot(b), canonicalB);
    QCOMPARE(GitService::live().worktreeIsDirty(b), false);
}

void TestGitService::repositoryConfigCannotRunPrograms() {
    QTemporaryDir tmp;
    const QString repo = tmp.path() + QStringLiteral("/repo");
    QVERIFY(makeRepository(repo));
    const QString canary = tmp.path() + QStringLiteral("/canary");
    const QString script = tmp.path() + QStringLiteral("/monitor.sh");
    QVERIFY(BrindlewickTest::writeFile(script, "#!/bin/sh\necho \"$0 $*\" >> '" + QFile::encodeName(canary) +
                                                   "'\nexit 1\n"));
    QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY(rawGit(repo, {QStringLiteral("config"), QStringLiteral("core.fsmonitor"), script}).succeeded());
    // A hook that every checkout would run.
    QVERIFY(BrindlewickTest::writeFile(repo + QStringLiteral("/.git/hooks/post-checkout"),
                                       "#!/bin/sh\necho hook >> '" + QFile::encodeName(canary) + "'\n"));
    QFile::setPermissions(repo + QStringLiteral("/.git/hooks/post-checkout"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    const GitService &git = GitService::live();
    QCOMPARE(git.worktreeIsDirty(repo), false);
    QVERIFY(git.repositoryRoot(repo));
    QVERIFY(git.addWorktree(repo, QStringLiteral("b1"), tmp.path() + QStringLiteral("/wt")));
    QVERIFY(git.listWorktrees(repo));
    QVERIFY2(!QFile::exists(canary), BrindlewickTest::readFile(canary).constData());

    // The same repository without the safety options runs the monitor: the canary is a real test.
    rawGit(repo, {QStringLiteral("status"), QStringLiteral("--porcelain")});
    QVERIFY(QFile::exists(canary));
}

void TestGitService::missingGit() {
    QTemporaryDir empty;
    {
        ScopedEnv path("PATH", QFile::encodeName(empty.path()));
        QVERIFY(!GitService::isAvailable());
        const GitRunResult r = GitService::runProcess({QStringLiteral("--version")}, empty.path());
        QCOMPARE(r.exitCode, -1);
        QCOMPARE(r.output, QString());
        QCOMPARE(r.launchError, GitService::unavailableDescription());
        QVERIFY(r.launchError.contains(QLatin1String("git")));
        const GitService &git = GitService::live();
        QCOMPARE(git.repositoryRoot(empty.path()), std::nullopt);
        QCOMPARE(git.listWorktrees(empty.path()), std::nullopt);
        QCOMPARE(git.worktreeIsDirty(empty.path()), std::nullopt);
        QVERIFY(!git.removeWorktree(empty.path(), empty.path()));
    }
    QVERIFY(GitService::isAvailable());
}

void TestGitService::dirtyCheck() {
    QTemporaryDir tmp;
    const QString repo = tmp.path() + QStringLiteral("/repo");
    QVERIFY(makeRepository(repo));
    const GitService &git = GitService::live();
    QCOMPARE(git.worktreeIsDirty(repo), false);
    QDir().mkpath(repo + QStringLiteral("/deep/er"));
    QVERIFY(BrindlewickTest::writeFile(repo + QStringLiteral("/deep/er/new.txt"), "x"));
    QCOMPARE(git.worktreeIsDirty(repo), true);
    QFile::remove(repo + QStringLiteral("/deep/er/new.txt"));
    QVERIFY(BrindlewickTest::writeFile(repo + QStringLiteral("/README"), "changed\n"));
    QCOMPARE(git.worktreeIsDirty(repo), true);
    QCOMPARE(git.worktreeIsDirty(tmp.path()), std::nullopt);
}

void TestGitService::worktreeAndBranchCommands() {
    QTemporaryDir tmp;
    const QString repo = tmp.path() + QStringLiteral("/repo");
    QVERIFY(makeRepository(repo));
    const GitService &git = GitService::live();
    const QString clean = tmp.path() + QStringLiteral("/with space/clean");
    const QString dirty = tmp.path() + QStringLiteral("/dirty");
    QVERIFY(git.addWorktree(repo, QStringLiteral("bwk/clean"), clean));
    QVERIFY(git.addWorktree(repo, QStringLiteral("bwk/dirty"), dirty));
    QVERIFY(!git.addWorktree(repo, QStringLiteral("bwk/dirty"), tmp.path() + QStringLiteral("/again")));
    QVERIFY(!QFileInfo::exists(tmp.path() + QStringLiteral("/again")));

    QVERIFY(BrindlewickTest::writeFile(dirty + QStringLiteral("/wip.txt"), "wip"));
    QVERIFY(!git.removeWorktree(repo, dirty));
    QVERIFY(QFileInfo::exists(dirty));
    QVERIFY(git.forceRemoveWorktree(repo, dirty));
    QVERIFY(!QFileInfo::exists(dirty));
    QVERIFY(git.removeWorktree(repo, clean));
    QVERIFY(!QFileInfo::exists(clean));

    // A merged branch goes with -d; an unmerged one needs -D.
    QVERIFY(git.deleteBranch(repo, QStringLiteral("bwk/clean")));
    QVERIFY(rawGit(repo, {QStringLiteral("checkout"), QStringLiteral("-q"), QStringLiteral("bwk/dirty")})
                .succeeded());
    QVERIFY(rawGit(repo, {QStringLiteral("commit"), QStringLiteral("-q"), QStringLiteral("--allow-empty"),
                          QStringLiteral("-m"), QStringLiteral("more")})
                .succeeded());
    QVERIFY(
        rawGit(repo, {QStringLiteral("checkout"), QStringLiteral("-q"), QStringLiteral("main")}).succeeded());
    QVERIFY(!git.deleteBranch(repo, QStringLiteral("bwk/dirty")));
    QVERIFY(git.forceDeleteBranch(repo, QStringLiteral("bwk/dirty")));
    QVERIFY(!rawGit(repo, {QStringLiteral("rev-parse"), QStringLiteral("--verify"), QStringLiteral("-q"),
                           QStringLiteral("bwk/dirty")})
                 .succeeded());
}

void TestGitService::invalidBranchNeverReachesGit() {
    QList<QStringList> calls;
    const GitService recording([&calls](const QStringList &args, const QString &) {
        calls << args;
        return GitRunResult{QString(), 0, {}};
    });
    for (const QString &bad : {QStringLiteral("-D"), QStringLiteral("a..b"), QStringLiteral("")}) {
        QVERIFY(!recording.addWorktree(QStringLiteral("/r"), bad, QStringLiteral("/w")));
        QVERIFY(!recording.deleteBranch(QStringLiteral("/r"), bad));
        QVERIFY(!recording.forceDeleteBranch(QStringLiteral("/r"), bad));
    }
    QVERIFY(calls.isEmpty());
    QVERIFY(recording.forceDeleteBranch(QStringLiteral("/r"), QStringLiteral("ok")));
    QVERIFY(recording.addWorktree(QStringLiteral("/r"), QStringLiteral("ok"), QStringLiteral("-w")));
    const QList<QStringList> expected{
        {QStringLiteral("branch"), QStringLiteral("-D"), QStringLiteral("--"), QStringLiteral("ok")},
        {QStringLiteral("worktree"), QStringLiteral("add"), QStringLiteral("-b"), QStringLiteral("ok"),
         QStringLiteral("--"), QStringLiteral("-w")}};
    QCOMPARE(calls, expected);
}

QTEST_GUILESS_MAIN(TestGitService)
#include "tst_gitservice.moc"
