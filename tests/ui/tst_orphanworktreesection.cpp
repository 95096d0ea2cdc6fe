// The left-over worktree list with real git: scans (a newer one replaces an older), badges, locked
// rows, deletion with and without asking, and branch deletion with the forced fallback.
#include "unit/gittesthelpers.h"

#include "models/uuidtext.h"
#include "services/gitservice.h"
#include "services/worktreeplan.h"
#include "support/testsupport.h"
#include "views/orphanworktreeprompts.h"
#include "views/orphanworktreesection.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <deque>

using namespace Brindlewick;
using BrindlewickTest::rawGit;

namespace {

// Answers from queued replies and records what was asked; never shows a modal.
class AnsweringPrompts final : public OrphanWorktreePrompts {
public:
    std::deque<bool> forceRemove;
    std::deque<bool> forceBranch;
    QStringList asked;
    bool confirmForceRemove(QWidget *, const QString &path) override {
        asked << QStringLiteral("remove ") + path;
        return take(forceRemove);
    }
    void reportRemovalFailed(QWidget *, const QString &path) override {
        asked << QStringLiteral("failed ") + path;
    }
    bool confirmForceBranchDelete(QWidget *, const QString &branch) override {
        asked << QStringLiteral("branch ") + branch;
        return take(forceBranch);
    }

private:
    static bool take(std::deque<bool> &q) {
        if (q.empty())
            return false;
        const bool v = q.front();
        q.pop_front();
        return v;
    }
};

bool branchExists(const QString &repo, const QString &branch) {
    return rawGit(repo, {QStringLiteral("rev-parse"), QStringLiteral("--verify"), QStringLiteral("-q"),
                         QStringLiteral("refs/heads/") + branch})
        .succeeded();
}

} // namespace

class TestOrphanWorktreeSection : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_tmp;
    QString m_repo, m_root;
    QUuid m_project;
    std::unique_ptr<OrphanWorktreeSection> m_section;
    AnsweringPrompts *m_prompts = nullptr;

    QString add(const QUuid &session, bool detached = false) {
        const WorktreePlan plan = WorktreePlan::make(m_root, m_project, session);
        QDir().mkpath(QFileInfo(plan.path).path());
        if (detached)
            rawGit(m_repo, {QStringLiteral("worktree"), QStringLiteral("add"), QStringLiteral("-q"),
                            QStringLiteral("--detach"), plan.path});
        else
            GitService::live().addWorktree(m_repo, plan.branch, plan.path);
        return plan.path;
    }
    OrphanWorktreeSection::Row row(const QString &path) {
        for (const auto &r : m_section->rows())
            if (r.worktree.path == path)
                return r;
        return {};
    }
    QWidget *rowWidget(const QString &path) {
        for (QWidget *w : m_section->findChildren<QWidget *>(QStringLiteral("orphanRow")))
            if (w->property("bwPath").toString() == path)
                return w;
        return nullptr;
    }
    bool scan() {
        QSignalSpy spy(m_section.get(), &OrphanWorktreeSection::scanFinished);
        m_section->scheduleScan();
        return spy.wait(10000);
    }

private Q_SLOTS:
    void init() {
        m_tmp = std::make_unique<QTemporaryDir>();
        const QString base = QFileInfo(m_tmp->path()).canonicalFilePath();
        m_repo = base + QStringLiteral("/repo");
        m_root = base + QStringLiteral("/worktrees");
        QVERIFY(BrindlewickTest::makeRepository(m_repo));
        m_project = QUuid::createUuid();
    }
    void cleanup() {
        m_section.reset();
        m_tmp.reset();
    }
    void makeSection(const QStringList &active = {}) {
        m_section = std::make_unique<OrphanWorktreeSection>(m_repo, m_project, active);
        m_section->setWorktreesRoot(m_root);
        auto prompts = std::make_unique<AnsweringPrompts>();
        m_prompts = prompts.get();
        m_section->setPrompts(std::move(prompts));
    }

    void scanShowsRowsWithBadges() {
        const QString clean = add(QUuid::createUuid());
        const QString dirty = add(QUuid::createUuid());
        const QString detached = add(QUuid::createUuid(), true);
        const QString locked = add(QUuid::createUuid());
        const QString active = add(QUuid::createUuid());
        QVERIFY(BrindlewickTest::writeFile(dirty + QStringLiteral("/new.txt"), "x"));
        QVERIFY(rawGit(m_repo, {QStringLiteral("worktree"), QStringLiteral("lock"), locked}).succeeded());
        makeSection({active + QStringLiteral("/")});
        QVERIFY(!m_section->findChild<QWidget *>(QStringLiteral("orphanRow")));
        QVERIFY(scan());
        QCOMPARE(m_section->rows().size(), size_t(4));
        QVERIFY(!m_section->scanFailed());
        QCOMPARE(row(clean).isDirty, false);
        QCOMPARE(row(dirty).isDirty, true);
        QVERIFY(row(locked).worktree.isLocked);
        QVERIFY(row(detached).worktree.displayLabel().startsWith(QStringLiteral("detached @ ")));
        QCOMPARE(row(detached).worktree.displayLabel().size(), 18);

        QCOMPARE(rowWidget(dirty)->findChild<QLabel *>(QStringLiteral("orphanBadge"))->text(),
                 QStringLiteral("未コミット変更"));
        QVERIFY(!rowWidget(clean)->findChild<QLabel *>(QStringLiteral("orphanBadge")));
        QVERIFY(!rowWidget(detached)->findChild<QCheckBox *>(QStringLiteral("orphanBranchCheck")));
        QVERIFY(rowWidget(locked)->findChild<QLabel *>(QStringLiteral("orphanLock")));
        QVERIFY(!rowWidget(locked)->findChild<QCheckBox *>(QStringLiteral("orphanBranchCheck")));
        QVERIFY(!rowWidget(locked)->findChild<QPushButton *>(QStringLiteral("orphanDelete"))->isEnabled());
        QVERIFY(rowWidget(clean)->findChild<QPushButton *>(QStringLiteral("orphanDelete"))->isEnabled());
        m_section->deleteOrphan(locked); // refused here
        QVERIFY(QFileInfo::exists(locked));
        QVERIFY(m_prompts->asked.isEmpty());

        // The active session leaves: the count changed, so a scan follows and lists its worktree.
        QSignalSpy spy(m_section.get(), &OrphanWorktreeSection::scanFinished);
        m_section->setInputs(m_repo, {});
        QVERIFY(spy.wait(10000));
        QCOMPARE(m_section->rows().size(), size_t(5));
    }

    void aNewerScanReplacesAnOlder() {
        add(QUuid::createUuid());
        makeSection();
        QSignalSpy spy(m_section.get(), &OrphanWorktreeSection::scanFinished);
        m_section->scheduleScan();
        m_section->scheduleScan();
        QVERIFY(m_section->isScanning());
        QVERIFY(spy.wait(10000));
        QTest::qWait(300);
        QCOMPARE(spy.count(), 1);
        QVERIFY(!m_section->isScanning());
        QCOMPARE(m_section->rows().size(), size_t(1));
    }

    // A shown list longer than one slice: rows arrive over several turns, in scan order; a rescan
    // keeps the widgets of unchanged rows and replaces those whose state changed or that are gone.
    void rowsAreBuiltInSlicesAndKeptAcrossRescans() {
        QStringList paths;
        for (int i = 0; i < 40; ++i)
            paths << add(QUuid::createUuid());
        makeSection();
        m_section->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_section.get()));
        QSignalSpy completed(m_section.get(), &OrphanWorktreeSection::rowsCompleted);
        QTRY_VERIFY_WITH_TIMEOUT(completed.count() > 0 && !m_section->isScanning(), 20000);
        QVERIFY(m_section->rowsBuilt());
        const auto order = [this] {
            QStringList shown;
            for (QWidget *w : m_section->findChildren<QWidget *>(QStringLiteral("orphanRow")))
                if (!w->isHidden())
                    shown << w->property("bwPath").toString();
            // Children come in creation order; the layout decides the order on screen.
            std::sort(shown.begin(), shown.end(), [this](const QString &a, const QString &b) {
                return rowWidget(a)->y() < rowWidget(b)->y();
            });
            return shown;
        };
        QStringList expected;
        for (const auto &r : m_section->rows())
            expected << r.worktree.path;
        QCOMPARE(expected.size(), 40);
        QTRY_COMPARE(order(), expected);

        // A narrow list shortens the paths in the middle; the tooltip keeps the whole path.
        m_section->resize(320, m_section->height());
        auto *pathLabel = rowWidget(paths[0])->findChild<QLabel *>(QStringLiteral("orphanPath"));
        QTRY_VERIFY(pathLabel->text().contains(QChar(0x2026)));
        QVERIFY(pathLabel->text().endsWith(QFileInfo(paths[0]).fileName().right(8)));
        QCOMPARE(pathLabel->toolTip(), paths[0]);

        QWidget *kept = rowWidget(paths[0]);
        const QPointer<QWidget> changed = rowWidget(paths[1]);
        const QPointer<QWidget> removed = rowWidget(paths[2]);
        QVERIFY(BrindlewickTest::writeFile(paths[1] + QStringLiteral("/wip.txt"), "wip"));
        QVERIFY(rawGit(m_repo, {QStringLiteral("worktree"), QStringLiteral("remove"), paths[2]}).succeeded());
        QVERIFY(scan());
        QTRY_VERIFY(m_section->rowsBuilt());
        QCOMPARE(m_section->rows().size(), size_t(39));
        QCOMPARE(rowWidget(paths[0]), kept);
        QTRY_VERIFY(!changed && !removed);
        QVERIFY(rowWidget(paths[1])->findChild<QLabel *>(QStringLiteral("orphanBadge")));
        expected.removeOne(paths[2]);
        QTRY_COMPARE(order(), expected);
    }

    void aFailedListingShowsTheNote() {
        m_section = std::make_unique<OrphanWorktreeSection>(m_tmp->path() + QStringLiteral("/nothing"),
                                                            m_project, QStringList{});
        m_section->setWorktreesRoot(m_root);
        QVERIFY(scan());
        QVERIFY(m_section->scanFailed());
        QVERIFY(m_section->rows().empty());
        auto *note = m_section->findChild<QLabel *>(QStringLiteral("orphanScanFailed"));
        QVERIFY(note);
        QCOMPARE(
            note->text(),
            QStringLiteral("worktree を確認できませんでした。git の状態を確認して「更新」してください。"));
    }

    void cleanRowsGoWithoutAskingAndTakeTheirBranch() {
        const QUuid merged = QUuid::createUuid(), unmerged = QUuid::createUuid();
        const QString a = add(merged);
        const QString b = add(unmerged);
        const WorktreePlan pa = WorktreePlan::make(m_root, m_project, merged);
        const WorktreePlan pb = WorktreePlan::make(m_root, m_project, unmerged);
        QVERIFY(rawGit(b, {QStringLiteral("commit"), QStringLiteral("-q"), QStringLiteral("--allow-empty"),
                           QStringLiteral("-m"), QStringLiteral("work")})
                    .succeeded());
        makeSection();
        QVERIFY(scan());
        rowWidget(a)->findChild<QCheckBox *>(QStringLiteral("orphanBranchCheck"))->setChecked(true);
        QVERIFY(m_section->branchDeleteSelection().contains(a));

        QSignalSpy done(m_section.get(), &OrphanWorktreeSection::deletionFinished);
        m_section->deleteOrphan(a);
        QVERIFY(done.wait(10000));
        QVERIFY(m_prompts->asked.isEmpty());
        QVERIFY(!QFileInfo::exists(a));
        QVERIFY(!branchExists(m_repo, pa.branch));
        QTRY_COMPARE(m_section->rows().size(), size_t(1));

        // An unmerged branch: `branch -d` refuses; declining the forced delete keeps it, no error.
        m_section->setBranchDeletion(b, true);
        m_prompts->forceBranch = {false};
        m_section->deleteOrphan(b);
        QVERIFY(done.wait(10000));
        QCOMPARE(m_prompts->asked, QStringList{QStringLiteral("branch ") + pb.branch});
        QVERIFY(!QFileInfo::exists(b));
        QVERIFY(branchExists(m_repo, pb.branch));
        QVERIFY(!m_section->errorMessage());
        QTRY_VERIFY(m_section->rows().empty()); // rescanned: the worktree is gone
    }

    void forcedBranchDeletionAndItsFailure() {
        const QUuid s1 = QUuid::createUuid(), s2 = QUuid::createUuid();
        const QString a = add(s1), b = add(s2);
        const WorktreePlan p1 = WorktreePlan::make(m_root, m_project, s1),
                           p2 = WorktreePlan::make(m_root, m_project, s2);
        for (const QString &w : {a, b})
            QVERIFY(rawGit(w, {QStringLiteral("commit"), QStringLiteral("-q"),
                               QStringLiteral("--allow-empty"), QStringLiteral("-m"), QStringLiteral("work")})
                        .succeeded());
        makeSection();
        // git that refuses `branch -D` for the second branch.
        const QString refused = p2.branch;
        m_section->setGitService(GitService([refused](const QStringList &args, const QString &dir) {
            if (args.value(0) == QLatin1String("branch") && args.value(1) == QLatin1String("-D") &&
                args.value(3) == refused)
                return GitRunResult{QString(), 1, {}};
            return GitService::runProcess(args, dir);
        }));
        QVERIFY(scan());
        m_section->setBranchDeletion(a, true);
        m_section->setBranchDeletion(b, true);
        m_prompts->forceBranch = {true, true};
        QSignalSpy done(m_section.get(), &OrphanWorktreeSection::deletionFinished);
        m_section->deleteOrphan(a);
        QVERIFY(done.wait(10000));
        QVERIFY(!branchExists(m_repo, p1.branch));
        QTRY_COMPARE(m_section->rows().size(), size_t(1));
        QVERIFY(m_section->branchDeleteSelection().contains(b)); // survives the rescan

        m_section->deleteOrphan(b);
        QVERIFY(done.wait(10000));
        QVERIFY(branchExists(m_repo, p2.branch));
        QCOMPARE(m_section->errorMessage(),
                 QStringLiteral("ブランチ「%1」の削除に失敗しました。").arg(p2.branch));
        auto *error = m_section->findChild<QLabel *>(QStringLiteral("orphanError"));
        QVERIFY(error);
        QTRY_VERIFY(!error->parentWidget()->isHidden());
        QCOMPARE(error->text(), *m_section->errorMessage());
    }

    void dirtyRowsAskFirstAndFailuresAreReported() {
        const QString dirty = add(QUuid::createUuid());
        QVERIFY(BrindlewickTest::writeFile(dirty + QStringLiteral("/wip.txt"), "wip"));
        makeSection();
        QVERIFY(scan());
        QSignalSpy done(m_section.get(), &OrphanWorktreeSection::deletionFinished);
        QSignalSpy scans(m_section.get(), &OrphanWorktreeSection::scanFinished);
        m_prompts->forceRemove = {false};
        m_section->deleteOrphan(dirty);
        QCOMPARE(m_prompts->asked, QStringList{QStringLiteral("remove ") + dirty});
        QVERIFY(QFileInfo::exists(dirty + QStringLiteral("/wip.txt")));
        QCOMPARE(done.count(), 1);
        QTest::qWait(100);
        QCOMPARE(scans.count(), 0); // declining changes nothing, no rescan

        // git refuses the removal: the failure is reported and nothing is rescanned.
        m_section->setGitService(GitService([](const QStringList &args, const QString &dir) {
            if (args.value(0) == QLatin1String("worktree") && args.value(1) == QLatin1String("remove"))
                return GitRunResult{QString(), 128, {}};
            return GitService::runProcess(args, dir);
        }));
        m_prompts->forceRemove = {true};
        m_section->deleteOrphan(dirty);
        QVERIFY(done.wait(10000));
        QCOMPARE(m_prompts->asked.last(), QStringLiteral("failed ") + dirty);
        QCOMPARE(scans.count(), 0);

        m_section->setGitService(GitService::live());
        m_prompts->forceRemove = {true};
        m_section->deleteOrphan(dirty);
        QVERIFY(done.wait(10000));
        QVERIFY(!QFileInfo::exists(dirty));
        QTRY_VERIFY(m_section->rows().empty());
    }
};

QTEST_MAIN(TestOrphanWorktreeSection)
#include "tst_orphanworktreesection.moc"
