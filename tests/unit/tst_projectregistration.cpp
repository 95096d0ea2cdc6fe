// Registering projects (matching folders, adding, renaming, colours, deletion) and the order rule.

#include "unit/gittesthelpers.h"

#include "models/note.h"
#include "models/project.h"
#include "models/session.h"
#include "models/taskitem.h"
#include "persistence/containerfactory.h"
#include "persistence/modelcontext.h"
#include "services/gitservice.h"
#include "services/projectcolorpalette.h"
#include "services/projectcontroller.h"
#include "services/projectmatcher.h"
#include "services/projectreorder.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

using namespace Brindlewick;

Q_DECLARE_METATYPE(std::vector<int>)
Q_DECLARE_METATYPE(std::set<int>)

namespace {

using Kind = ProjectController::AddOutcome::Kind;

std::set<int> indices(std::initializer_list<int> l) {
    return std::set<int>(l);
}

} // namespace

class TestProjectRegistration : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void normalize_data();
    void normalize();
    void addingFolders();
    void subfolderOfRepositoryRegistersItsRoot();
    void newSortOrderFollowsTheLargest();
    void saveFailuresRollBack();
    void renaming();
    void colours();
    void deletion();
    void reordered_data();
    void reordered();
    void oneStep();

private:
    QString m_base; // canonical temp folder with real/, link -> real, Case/, case/
    QTemporaryDir m_tmp;
    std::unique_ptr<ModelContainer> m_container;
    ModelContext &freshContext();
};

ModelContext &TestProjectRegistration::freshContext() {
    m_container = std::move(*ContainerFactory::make(true));
    return m_container->mainContext();
}

void TestProjectRegistration::initTestCase() {
    m_base = QFileInfo(m_tmp.path()).canonicalFilePath();
    QVERIFY(QDir().mkpath(m_base + QStringLiteral("/real/sub")));
    QVERIFY(QFile::link(m_base + QStringLiteral("/real"), m_base + QStringLiteral("/link")));
    QVERIFY(QDir().mkpath(m_base + QStringLiteral("/Case")));
    QVERIFY(QDir().mkpath(m_base + QStringLiteral("/case")));
}

void TestProjectRegistration::normalize_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");
    const QString real = m_base + QStringLiteral("/real");
    QTest::newRow("blank") << QStringLiteral("  \n ") << QString();
    QTest::newRow("root stays") << QStringLiteral("/") << QStringLiteral("/");
    QTest::newRow("trailing slashes") << real + QStringLiteral("//") << real;
    QTest::newRow("surrounding blanks") << QStringLiteral("  ") + real + QStringLiteral("\n") << real;
    QTest::newRow("symbolic link") << m_base + QStringLiteral("/link/sub/") << real + QStringLiteral("/sub");
    QTest::newRow("dot and dot-dot") << m_base + QStringLiteral("/real/./sub/..") << real;
    QTest::newRow("missing tail after a link")
        << m_base + QStringLiteral("/link/gone/x/") << real + QStringLiteral("/gone/x");
    QTest::newRow("case is kept") << m_base + QStringLiteral("/Case") << m_base + QStringLiteral("/Case");
}

void TestProjectRegistration::normalize() {
    QFETCH(QString, input);
    QFETCH(QString, expected);
    QCOMPARE(ProjectMatcher::normalize(input), expected);
}

void TestProjectRegistration::addingFolders() {
    ModelContext &ctx = freshContext();
    const QString real = m_base + QStringLiteral("/real");
    auto first = ProjectController::addOrReuseProject(real, ctx);
    QVERIFY(first.ok());
    QCOMPARE(first->kind, Kind::added);
    Project *p = first->project;
    QCOMPARE(p->rootPath(), real);
    QCOMPARE(p->displayName(), QStringLiteral("real"));
    QCOMPARE(p->sortOrder(), qint64(0)); // empty store
    QCOMPARE(p->colorHex(), std::nullopt);
    QVERIFY(!ctx.hasChanges());

    // The same folder through a link or with a trailing slash is the same project.
    for (const QString &same : QStringList{m_base + QStringLiteral("/link"), real + QStringLiteral("/"),
                                           QStringLiteral(" ") + real}) {
        auto again = ProjectController::addOrReuseProject(same, ctx);
        QVERIFY(again.ok());
        QCOMPARE(again->kind, Kind::reused);
        QCOMPARE(again->project, p);
    }
    QCOMPARE(ctx.fetch<Project>().size(), size_t(1));

    // Letter case makes another folder.
    auto upper = ProjectController::addOrReuseProject(m_base + QStringLiteral("/Case"), ctx);
    auto lower = ProjectController::addOrReuseProject(m_base + QStringLiteral("/case"), ctx);
    QVERIFY(upper.ok() && lower.ok());
    QCOMPARE(upper->kind, Kind::added);
    QCOMPARE(lower->kind, Kind::added);
    QCOMPARE(lower->project->sortOrder(), qint64(2));

    // A stored path that has become a link still matches its current target.
    Project *viaLink = ctx.insert(std::make_unique<Project>(m_base + QStringLiteral("/link/sub"),
                                                            QStringLiteral("s"), std::nullopt, 9));
    QVERIFY(ctx.save().ok());
    QCOMPARE(ProjectMatcher::existingProject(real + QStringLiteral("/sub"), ctx.fetch<Project>()), viaLink);
    QCOMPARE(ProjectMatcher::existingProject(QStringLiteral(" "), ctx.fetch<Project>()), nullptr);

    auto blank = ProjectController::addOrReuseProject(QStringLiteral("  "), ctx);
    QVERIFY(!blank.ok());
    QCOMPARE(blank.error().kind, ProjectController::AddError::Kind::unresolvableDirectory);
    QCOMPARE(
        blank.error().description(),
        QStringLiteral("選択されたフォルダのパスを解決できませんでした。別のフォルダを選択してください。"));

    auto root = ProjectController::addOrReuseProject(QStringLiteral("/"), ctx);
    QVERIFY(root.ok());
    QCOMPARE(root->project->displayName(), QStringLiteral("/"));
}

void TestProjectRegistration::subfolderOfRepositoryRegistersItsRoot() {
    QTemporaryDir tmp;
    const QString repo = QFileInfo(tmp.path()).canonicalFilePath() + QStringLiteral("/repo");
    QVERIFY(BrindlewickTest::makeRepository(repo));
    QVERIFY(QDir().mkpath(repo + QStringLiteral("/src/deep")));
    QVERIFY(QFile::link(repo + QStringLiteral("/src"), tmp.path() + QStringLiteral("/srclink")));
    const GitService &git = GitService::live();
    QCOMPARE(ProjectController::candidateRoot(repo + QStringLiteral("/src/deep"), git), repo);
    QCOMPARE(ProjectController::candidateRoot(tmp.path() + QStringLiteral("/srclink"), git), repo);
    // Outside a repository (or without git) the folder itself is the candidate.
    const GitService failing([](const QStringList &, const QString &) {
        return GitRunResult{QString(), -1, {}};
    });
    QCOMPARE(ProjectController::candidateRoot(repo + QStringLiteral("/src"), failing),
             repo + QStringLiteral("/src"));

    ModelContext &ctx = freshContext();
    auto added = ProjectController::addOrReuseProject(ProjectController::candidateRoot(repo, git), ctx);
    QVERIFY(added.ok());
    auto sub = ProjectController::addOrReuseProject(
        ProjectController::candidateRoot(repo + QStringLiteral("/src/deep"), git), ctx);
    QVERIFY(sub.ok());
    QCOMPARE(sub->kind, Kind::reused);
    QCOMPARE(sub->project, added->project);
    QCOMPARE(ctx.fetch<Project>().size(), size_t(1));
}

void TestProjectRegistration::newSortOrderFollowsTheLargest() {
    ModelContext &ctx = freshContext();
    for (qint64 order : {3, 7, 0, 7})
        ctx.insert(
            std::make_unique<Project>(QStringLiteral("/p/%1/%2").arg(order).arg(ctx.fetch<Project>().size()),
                                      QStringLiteral("p"), std::nullopt, order));
    QVERIFY(ctx.save().ok());
    auto added = ProjectController::addOrReuseProject(m_base + QStringLiteral("/real"), ctx);
    QVERIFY(added.ok());
    QCOMPARE(added->project->sortOrder(), qint64(8));
}

void TestProjectRegistration::saveFailuresRollBack() {
    // A pending change that breaks the unique root makes the next save fail.
    ModelContext &ctx = freshContext();
    Project *a =
        ctx.insert(std::make_unique<Project>(QStringLiteral("/a"), QStringLiteral("A"), std::nullopt, 0));
    Project *b =
        ctx.insert(std::make_unique<Project>(QStringLiteral("/b"), QStringLiteral("B"), std::nullopt, 1));
    QVERIFY(ctx.save().ok());

    b->setRootPath(QStringLiteral("/a"));
    auto add = ProjectController::addOrReuseProject(m_base + QStringLiteral("/case"), ctx);
    QVERIFY(!add.ok());
    QCOMPARE(add.error().kind, ProjectController::AddError::Kind::saveFailed);
    QVERIFY(add.error().description().startsWith(QStringLiteral("プロジェクトの保存に失敗しました: ")));
    QVERIFY(add.error().description().contains(QLatin1String("UNIQUE")));
    QCOMPARE(ctx.fetch<Project>().size(), size_t(2));
    QCOMPARE(b->rootPath(), QStringLiteral("/b"));

    b->setRootPath(QStringLiteral("/a"));
    auto rename = ProjectController::renameProject(a, QStringLiteral("New"), ctx);
    QVERIFY(!rename.ok());
    QCOMPARE(rename.error().kind, ProjectController::EditError::Kind::saveFailed);
    QVERIFY(rename.error().description().startsWith(QStringLiteral("保存に失敗しました: ")));
    QCOMPARE(a->displayName(), QStringLiteral("A"));

    b->setRootPath(QStringLiteral("/a"));
    QVERIFY(!ProjectController::setColorHex(QStringLiteral("FF3B30"), a, ctx).ok());
    QCOMPARE(a->colorHex(), std::nullopt);

    // Deletes are written first, so the conflict must not involve the deleted project.
    ctx.insert(std::make_unique<Project>(QStringLiteral("/c"), QStringLiteral("C"), std::nullopt, 2));
    QVERIFY(ctx.save().ok());
    b->setRootPath(QStringLiteral("/c"));
    QVERIFY(!ProjectController::deleteProject(a, ctx).ok());
    QCOMPARE(ctx.find<Project>(a->id()), a);
}

void TestProjectRegistration::renaming() {
    ModelContext &ctx = freshContext();
    Project *p =
        ctx.insert(std::make_unique<Project>(QStringLiteral("/p"), QStringLiteral("Old"), std::nullopt, 0));
    QVERIFY(ctx.save().ok());
    auto blank = ProjectController::renameProject(p, QStringLiteral("   "), ctx);
    QVERIFY(!blank.ok());
    QCOMPARE(blank.error().kind, ProjectController::EditError::Kind::emptyName);
    QCOMPARE(blank.error().description(), QStringLiteral("プロジェクト名を入力してください。"));
    QCOMPARE(p->displayName(), QStringLiteral("Old"));

    QVERIFY(ProjectController::renameProject(p, QStringLiteral("\n  New name \t"), ctx).ok());
    QCOMPARE(p->displayName(), QStringLiteral("New name"));
    // 150 user-perceived characters, each of two code points (e + combining acute).
    QString longName;
    for (int i = 0; i < 150; ++i)
        longName += QStringLiteral("e\u0301");
    QVERIFY(ProjectController::renameProject(p, longName, ctx).ok());
    QCOMPARE(p->displayName(), longName.left(200));
    QVERIFY(!ctx.hasChanges());
}

void TestProjectRegistration::colours() {
    const auto &options = ProjectColorPalette::options();
    QStringList hexes;
    for (const ProjectColor &c : options)
        hexes << c.hex;
    QCOMPARE(hexes, (QStringList{QStringLiteral("FF3B30"), QStringLiteral("FF9500"), QStringLiteral("FFCC00"),
                                 QStringLiteral("34C759"), QStringLiteral("007AFF"), QStringLiteral("AF52DE"),
                                 QStringLiteral("8E8E93")}));
    QCOMPARE(QString::fromUtf8(options.front().name), QStringLiteral("レッド"));

    ModelContext &ctx = freshContext();
    Project *p =
        ctx.insert(std::make_unique<Project>(QStringLiteral("/p"), QStringLiteral("P"), std::nullopt, 0));
    QVERIFY(ProjectController::setColorHex(QStringLiteral("007AFF"), p, ctx).ok());
    QCOMPARE(p->colorHex(), QStringLiteral("007AFF"));
    QVERIFY(ProjectController::setColorHex(std::nullopt, p, ctx).ok());
    QCOMPARE(p->colorHex(), std::nullopt);
    QVERIFY(!ctx.hasChanges());
}

void TestProjectRegistration::deletion() {
    ModelContext &ctx = freshContext();
    Project *p =
        ctx.insert(std::make_unique<Project>(QStringLiteral("/p"), QStringLiteral("P"), std::nullopt, 0));
    Session *plain = ctx.insert(
        std::make_unique<Session>(QStringLiteral("a"), QStringLiteral("/p"), false, false, false, 0, p));
    ctx.insert(std::make_unique<TaskItem>(QStringLiteral("t1"), false, 0, p));
    ctx.insert(std::make_unique<TaskItem>(QStringLiteral("t2"), true, 1, p));
    ctx.insert(std::make_unique<Note>(QStringLiteral("n"), QStringLiteral("b"), p));
    QVERIFY(ctx.save().ok());

    const auto nobodyLive = [](const QUuid &) { return false; };
    QCOMPARE(ProjectController::deletionReadiness(p, nobodyLive),
             (ProjectController::DeletionReadiness{0, 1, 2, 1}));
    const QUuid liveID = plain->id();
    QCOMPARE(ProjectController::deletionReadiness(p, [&](const QUuid &id) { return id == liveID; })
                 .blockingSessions,
             1);
    // A worktree session blocks even without a process.
    Session *wt = ctx.insert(
        std::make_unique<Session>(QStringLiteral("b"), QStringLiteral("/w"), true, false, false, 1, p));
    QVERIFY(ctx.save().ok());
    QCOMPARE(ProjectController::deletionReadiness(p, nobodyLive),
             (ProjectController::DeletionReadiness{1, 2, 2, 1}));
    ctx.remove(wt);
    QVERIFY(ctx.save().ok());

    QVERIFY(ProjectController::deleteProject(p, ctx).ok());
    QVERIFY(ctx.fetch<Project>().empty());
    QVERIFY(ctx.fetch<Session>().empty());
    QVERIFY(ctx.fetch<TaskItem>().empty());
    QVERIFY(ctx.fetch<Note>().empty());
}

void TestProjectRegistration::reordered_data() {
    QTest::addColumn<int>("count");
    QTest::addColumn<std::set<int>>("moved");
    QTest::addColumn<int>("destination");
    QTest::addColumn<std::vector<int>>("expected");
    QTest::newRow("two rows to the top") << 5 << indices({1, 3}) << 0 << std::vector{1, 3, 0, 2, 4};
    QTest::newRow("first to the end") << 5 << indices({0}) << 5 << std::vector{1, 2, 3, 4, 0};
    QTest::newRow("first to just below itself") << 5 << indices({0}) << 1 << std::vector{0, 1, 2, 3, 4};
    QTest::newRow("out of range index ignored") << 3 << indices({7}) << 1 << std::vector{0, 1, 2};
    QTest::newRow("negative index ignored") << 3 << indices({-1, 2}) << 0 << std::vector{2, 0, 1};
    QTest::newRow("destination beyond the end") << 3 << indices({0}) << 9 << std::vector{1, 2, 0};
    QTest::newRow("destination below zero") << 3 << indices({2}) << -4 << std::vector{2, 0, 1};
    QTest::newRow("spread rows into the middle")
        << 6 << indices({0, 5, 2}) << 4 << std::vector{1, 3, 0, 2, 5, 4};
    QTest::newRow("nothing moved") << 3 << indices({}) << 2 << std::vector{0, 1, 2};
    QTest::newRow("no rows") << 0 << indices({0}) << 0 << std::vector<int>{};
}

void TestProjectRegistration::reordered() {
    QFETCH(int, count);
    QFETCH(std::set<int>, moved);
    QFETCH(int, destination);
    QFETCH(std::vector<int>, expected);
    QCOMPARE(ProjectReorder::reordered(count, moved, destination), expected);
}

void TestProjectRegistration::oneStep() {
    using D = ProjectReorder::Direction;
    const auto apply = [](int count, int index, D d) {
        const auto [moved, to] = ProjectReorder::oneStep(count, index, d);
        return ProjectReorder::reordered(count, moved, to);
    };
    QCOMPARE(apply(3, 1, D::up), (std::vector{1, 0, 2}));
    QCOMPARE(apply(3, 1, D::down), (std::vector{0, 2, 1}));
    QCOMPARE(apply(3, 0, D::up), (std::vector{0, 1, 2}));
    QCOMPARE(apply(3, 2, D::down), (std::vector{0, 1, 2}));
    QVERIFY(ProjectReorder::oneStep(3, 0, D::up).first.empty());
    QVERIFY(ProjectReorder::oneStep(3, 2, D::down).first.empty());
}

QTEST_GUILESS_MAIN(TestProjectRegistration)
#include "tst_projectregistration.moc"
