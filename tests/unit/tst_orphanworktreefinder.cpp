// Which worktrees count as left over for a project, and how a row is labelled.
#include "services/orphanworktreefinder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

using namespace Brindlewick;

class TestOrphanWorktreeFinder : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void find();
    void displayLabel();
};

void TestOrphanWorktreeFinder::find() {
    QTemporaryDir tmp;
    const QString base = QFileInfo(tmp.path()).canonicalFilePath();
    const QString root = base + QStringLiteral("/worktrees");
    const QUuid project = QUuid::createUuid();
    const QUuid other = QUuid::createUuid();
    const QString mine = root + QLatin1Char('/') + project.toString(QUuid::WithoutBraces).toUpper();
    const QString theirs = root + QLatin1Char('/') + other.toString(QUuid::WithoutBraces).toUpper();
    QVERIFY(QDir().mkpath(mine + QStringLiteral("/GONE")));
    QVERIFY(QDir().mkpath(mine + QStringLiteral("/ACTIVE")));
    // The active session reaches its folder through a link and with a trailing slash.
    QVERIFY(QFile::link(mine + QStringLiteral("/ACTIVE"), base + QStringLiteral("/active-link")));

    const auto e = [](const QString &path, std::optional<QString> branch = {}, bool bare = false,
                      bool locked = false) {
        return WorktreeListEntry{path, std::move(branch), QStringLiteral("abc"), bare, false, locked};
    };
    const std::vector<WorktreeListEntry> entries{
        e(base + QStringLiteral("/repo"), QStringLiteral("main")),             // the main work tree
        e(mine + QStringLiteral("/GONE"), QStringLiteral("bwk/session-gone")), // orphan
        e(mine + QStringLiteral("/ACTIVE"), QStringLiteral("bwk/session-a")),  // a session works there
        e(theirs + QStringLiteral("/S"), QStringLiteral("bwk/session-s")),     // another project's
        e(base + QStringLiteral("/sibling"), QStringLiteral("mine")),          // made by the user elsewhere
        e(mine, QStringLiteral("odd")),                                        // the project folder itself
        e(mine + QStringLiteral("-suffix/X")),                                 // a look-alike prefix
        e(mine + QStringLiteral("/GONE/"), QStringLiteral("dup")),             // the same path again
        e(mine + QStringLiteral("/BARE"), {}, true),                           // bare
        e(mine + QStringLiteral("/LOCKED"), QStringLiteral("l"), false, true), // locked, not on disk
    };
    const auto found = OrphanWorktreeFinder::find(entries, root + QStringLiteral("/"), project,
                                                  {base + QStringLiteral("/active-link/"), QString()});
    const std::vector<OrphanWorktree> expected{
        {mine + QStringLiteral("/GONE"), QStringLiteral("bwk/session-gone"), QStringLiteral("abc"), false},
        {mine + QStringLiteral("/LOCKED"), QStringLiteral("l"), QStringLiteral("abc"), true},
    };
    QCOMPARE(found, expected);
}

void TestOrphanWorktreeFinder::displayLabel() {
    OrphanWorktree w{QStringLiteral("/w/P/S1"), QStringLiteral("bwk/x"), QStringLiteral("0123456789abcdef"),
                     false};
    QCOMPARE(w.displayLabel(), QStringLiteral("bwk/x"));
    w.branch = QString();
    QCOMPARE(w.displayLabel(), QStringLiteral("detached @ 0123456"));
    w.head.reset();
    QCOMPARE(w.displayLabel(), QStringLiteral("S1"));
    w.path = QStringLiteral("/");
    QCOMPARE(w.displayLabel(), QStringLiteral("/"));
}

QTEST_GUILESS_MAIN(TestOrphanWorktreeFinder)
#include "tst_orphanworktreefinder.moc"
