// The store: entities, their defaults and cascades, save/rollback, and how files are opened or refused.
#include "models/note.h"
#include "models/project.h"
#include "models/session.h"
#include "models/taskitem.h"
#include "models/uuidtext.h"
#include "persistence/appsupportpaths.h"
#include "persistence/containerfactory.h"
#include "persistence/modelcontext.h"
#include "persistence/sqlitedatabase.h"
#include "support/testsupport.h"

#include <QSignalSpy>
#include <QTest>

#include <sys/stat.h>

using namespace Brindlewick;
using namespace BrindlewickTest;

class TestStore : public QObject {
    Q_OBJECT
    std::unique_ptr<TempHome> m_home;

    std::unique_ptr<ModelContainer> open(const QString &path)
    {
        auto c = ContainerFactory::make(false, path);
        if (!c)
            qWarning() << c.error().description;
        return c ? std::move(*c) : nullptr;
    }
    QString storePath() const { return m_home->path() + QStringLiteral("/Library.sqlite"); }

private Q_SLOTS:
    void init() { m_home = std::make_unique<TempHome>(); }
    void cleanup() { m_home.reset(); }

    void columnReading_data()
    {
        QTest::addColumn<QString>("raw");
        QTest::addColumn<int>("column");
        QTest::addColumn<bool>("decodes");
        QTest::newRow("attention") << "attention" << int(SessionColumn::attention) << true;
        QTest::newRow("idle") << "idle" << int(SessionColumn::idle) << true;
        QTest::newRow("working") << "working" << int(SessionColumn::working) << true;
        QTest::newRow("empty") << "" << int(SessionColumn::working) << false;
        QTest::newRow("unknown") << "done" << int(SessionColumn::working) << false;
        QTest::newRow("capitalised") << "Attention" << int(SessionColumn::working) << false;
        QTest::newRow("padded") << " idle" << int(SessionColumn::working) << false;
    }
    void columnReading()
    {
        QFETCH(QString, raw);
        QFETCH(int, column);
        QFETCH(bool, decodes);
        Session s(QStringLiteral("t"), QStringLiteral("/w"), false, false, false, 0, nullptr);
        s.setColumnRaw(raw);
        QCOMPARE(int(s.column()), column);
        QCOMPARE(sessionColumnFromRaw(raw).has_value(), decodes);
        if (decodes)
            QCOMPARE(rawValue(*sessionColumnFromRaw(raw)), raw);
    }

    void firstLaunchCreatesPrivateFolderAndStore()
    {
        const QString path = ContainerFactory::storeURL();
        QCOMPARE(path, AppSupportPaths::storeFolder() + QStringLiteral("/Library.sqlite"));
        struct stat st {};
        QCOMPARE(::stat(QFile::encodeName(AppSupportPaths::storeFolder()).constData(), &st), 0);
        QCOMPARE(st.st_mode & 0777, 0700u);
        auto c = ContainerFactory::make(false);
        QVERIFY(c.ok());
        QVERIFY(QFileInfo::exists(path));
        QVERIFY((*c)->mainContext().fetch<Session>().empty());
    }

    void inMemoryLeavesNothingOnDisk()
    {
        auto c = ContainerFactory::make(true);
        QVERIFY(c.ok());
        auto &ctx = (*c)->mainContext();
        ctx.insert(std::make_unique<Project>(QStringLiteral("/p"), QStringLiteral("P"), std::nullopt, 0));
        QVERIFY(ctx.save().ok());
        QVERIFY(!QFileInfo::exists(AppSupportPaths::storeFolder()));
        QCOMPARE(QDir(m_home->path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
                 QStringList{QStringLiteral("run")});
    }

    void newObjectsHaveTheirInitialValues()
    {
        Project p(QStringLiteral("/p"), QStringLiteral("P"), QStringLiteral("#FF0000"), 3);
        Session s(QStringLiteral("t"), QStringLiteral("/w"), true, true, false, 7, &p);
        QCOMPARE(s.columnRaw(), QStringLiteral("working"));
        QVERIFY(!s.lastActivityAt() && !s.lastPrompt() && !s.lastResponse() && !s.claudeSessionID());
        QVERIFY(s.skipPermissions());
        QVERIFY(!s.remoteControl());
        QCOMPARE(s.project(), &p);
        QVERIFY(!p.startPage());
        Note n(QStringLiteral("n"), QStringLiteral("b"), &p);
        QVERIFY(n.updatedAt() >= n.createdAt());
        QVERIFY(p.id() != s.id());
    }

    void everyAttributeSurvivesReopening()
    {
        QUuid sid;
        {
            auto c = open(storePath());
            QVERIFY(c);
            auto &ctx = c->mainContext();
            auto *p = ctx.insert(std::make_unique<Project>(QStringLiteral("/srv/é"), QStringLiteral("名前"),
                                                           QStringLiteral("#00FF88"), 4));
            p->setStartPage(QStringLiteral("https://example.invalid/"));
            auto *s = ctx.insert(std::make_unique<Session>(QStringLiteral("タイトル"), QStringLiteral("/srv/é/w"),
                                                           true, false, true, 9, p));
            s->setColumnRaw(QStringLiteral("attention"));
            s->setLastActivityAt(QDateTime::fromMSecsSinceEpoch(1765000000123, Qt::UTC));
            s->setLastPrompt(QStringLiteral("prompt\nline"));
            s->setLastResponse(QString());
            s->setClaudeSessionID(QStringLiteral("abc"));
            ctx.insert(std::make_unique<TaskItem>(QStringLiteral("task"), true, 2, p));
            QVERIFY(ctx.save().ok());
            sid = s->id();
        }
        auto c = open(storePath());
        QVERIFY(c);
        auto *s = c->mainContext().find<Session>(sid);
        QVERIFY(s);
        QCOMPARE(s->title(), QStringLiteral("タイトル"));
        QCOMPARE(s->column(), SessionColumn::attention);
        QCOMPARE(s->lastActivityAt()->toMSecsSinceEpoch(), qint64(1765000000123));
        QCOMPARE(*s->lastPrompt(), QStringLiteral("prompt\nline"));
        QVERIFY(s->lastResponse().has_value() && s->lastResponse()->isEmpty());
        QCOMPARE(*s->claudeSessionID(), QStringLiteral("abc"));
        QVERIFY(s->isWorktree() && !s->skipPermissions() && s->remoteControl());
        QCOMPARE(s->sortOrder(), qint64(9));
        QVERIFY(s->project());
        QCOMPARE(s->project()->displayName(), QStringLiteral("名前"));
        QCOMPARE(*s->project()->colorHex(), QStringLiteral("#00FF88"));
        QCOMPARE(*s->project()->startPage(), QStringLiteral("https://example.invalid/"));
        QCOMPARE(s->project()->tasks().size(), size_t(1));
        QVERIFY(s->project()->tasks().front()->isDone());
    }

    void deletingAProjectCascades()
    {
        auto c = open(storePath());
        auto &ctx = c->mainContext();
        auto *p = ctx.insert(std::make_unique<Project>(QStringLiteral("/a"), QStringLiteral("A"), std::nullopt, 0));
        auto *other = ctx.insert(std::make_unique<Project>(QStringLiteral("/b"), QStringLiteral("B"), std::nullopt, 1));
        for (int i = 0; i < 2; ++i)
            ctx.insert(std::make_unique<Session>(QStringLiteral("s"), QStringLiteral("/a"), false, false, false, i, p));
        ctx.insert(std::make_unique<Note>(QStringLiteral("n"), QString(), p));
        for (int i = 0; i < 3; ++i)
            ctx.insert(std::make_unique<TaskItem>(QStringLiteral("t"), false, i, p));
        auto *kept = ctx.insert(
            std::make_unique<Session>(QStringLiteral("keep"), QStringLiteral("/b"), false, false, false, 0, other));
        QVERIFY(ctx.save().ok());
        const QUuid keptId = kept->id();
        ctx.remove(p);
        QCOMPARE(ctx.fetch<Session>().size(), size_t(1));
        QVERIFY(ctx.save().ok());
        c.reset();

        c = open(storePath());
        auto &again = c->mainContext();
        QCOMPARE(again.fetch<Project>().size(), size_t(1));
        QCOMPARE(again.fetch<Session>().size(), size_t(1));
        QVERIFY(again.find<Session>(keptId));
        QVERIFY(again.fetch<Note>().empty());
        QVERIFY(again.fetch<TaskItem>().empty());
    }

    void deletingASessionKeepsItsProject()
    {
        auto c = open(storePath());
        auto &ctx = c->mainContext();
        auto *p = ctx.insert(std::make_unique<Project>(QStringLiteral("/a"), QStringLiteral("A"), std::nullopt, 0));
        auto *s1 = ctx.insert(std::make_unique<Session>(QStringLiteral("1"), QStringLiteral("/a"), false, false, false, 0, p));
        auto *s2 = ctx.insert(std::make_unique<Session>(QStringLiteral("2"), QStringLiteral("/a"), false, false, false, 1, p));
        QVERIFY(ctx.save().ok());
        ctx.remove(s1);
        QVERIFY(ctx.save().ok());
        QCOMPARE(p->sessions(), std::vector<Session *>{s2});
        QCOMPARE(ctx.fetch<Project>().size(), size_t(1));
    }

    void rollbackRestoresTheSavedState()
    {
        auto c = open(storePath());
        auto &ctx = c->mainContext();
        auto *p = ctx.insert(std::make_unique<Project>(QStringLiteral("/a"), QStringLiteral("A"), std::nullopt, 0));
        auto *s = ctx.insert(std::make_unique<Session>(QStringLiteral("1"), QStringLiteral("/a"), false, false, false, 0, p));
        QVERIFY(ctx.save().ok());

        QSignalSpy spy(&ctx, &ModelContext::changed);
        s->setColumnRaw(QStringLiteral("idle"));
        s->setColumnRaw(QStringLiteral("idle")); // same value: no change recorded
        QCOMPARE(spy.count(), 1);
        const auto first = spy.at(0).at(0).value<ChangeSet>();
        QCOMPARE(first.changes.size(), 1);
        QCOMPARE(first.changes.at(0).attribute, QByteArray("columnRaw"));
        QCOMPARE(first.changes.at(0).id, s->id());

        auto *added = ctx.insert(std::make_unique<Project>(QStringLiteral("/new"), QStringLiteral("N"), std::nullopt, 1));
        const QUuid addedId = added->id();
        ctx.remove(p); // takes the session with it
        QVERIFY(ctx.fetch<Session>().empty());
        ctx.rollback();
        QVERIFY(!ctx.hasChanges());
        QCOMPARE(ctx.fetch<Session>().size(), size_t(1));
        QCOMPARE(ctx.find<Session>(s->id())->columnRaw(), QStringLiteral("working"));
        QVERIFY(!ctx.find<Project>(addedId));
        QCOMPARE(spy.last().at(0).value<ChangeSet>().cause, ChangeSet::Cause::Rollback);
    }

    void aFailedSaveWritesNothing()
    {
        auto c = open(storePath());
        auto &ctx = c->mainContext();
        ctx.insert(std::make_unique<Project>(QStringLiteral("/same"), QStringLiteral("A"), std::nullopt, 0));
        QVERIFY(ctx.save().ok());
        ctx.insert(std::make_unique<Project>(QStringLiteral("/other"), QStringLiteral("B"), std::nullopt, 1));
        ctx.insert(std::make_unique<Project>(QStringLiteral("/same"), QStringLiteral("C"), std::nullopt, 2));
        auto r = ctx.save();
        QVERIFY(!r.ok());
        QVERIFY(r.error().description.contains(QStringLiteral("UNIQUE")));
        QVERIFY(ctx.hasChanges()); // kept for the caller to decide
        ctx.rollback();
        c.reset();
        c = open(storePath());
        QCOMPARE(c->mainContext().fetch<Project>().size(), size_t(1));
    }

    void aFullDiskFailsTheSaveAndLosesNothing()
    {
        SmallDisk disk(QStringLiteral("384k"));
        if (!disk.isMounted())
            QSKIP("mounting a small tmpfs needs root");
        const QString path = disk.path() + QStringLiteral("/Library.sqlite");
        auto c = open(path);
        QVERIFY(c);
        auto &ctx = c->mainContext();
        auto *p = ctx.insert(std::make_unique<Project>(QStringLiteral("/a"), QStringLiteral("A"), std::nullopt, 0));
        QVERIFY(ctx.save().ok());
        const QString filler = disk.path() + QStringLiteral("/filler");
        QVERIFY(writeFile(filler, QByteArray(96 * 1024, 'f')));
        const QString big(8000, QLatin1Char('x'));
        int saved = 0;
        Result<void> r;
        for (int i = 0; i < 200 && r.ok(); ++i) {
            auto *s = ctx.insert(std::make_unique<Session>(QString::number(i), QStringLiteral("/a"), false, false, false, i, p));
            s->setLastPrompt(big);
            r = ctx.save();
            if (r.ok())
                ++saved;
        }
        QVERIFY2(!r.ok(), "the disk never filled up");
        QVERIFY(r.error().description.contains(QStringLiteral("full")));
        ctx.rollback();
        QCOMPARE(int(ctx.fetch<Session>().size()), saved);
        // The store still works once there is room again.
        QVERIFY(QFile::remove(filler));
        ctx.remove(ctx.fetch<Session>().front());
        QVERIFY(ctx.save().ok());
        c.reset();
        c = open(path);
        QCOMPARE(int(c->mainContext().fetch<Session>().size()), saved - 1);
    }

    void fetchFiltersSortsAndLimits()
    {
        auto c = ContainerFactory::make(true);
        auto &ctx = (*c)->mainContext();
        for (int i = 0; i < 5; ++i)
            ctx.insert(std::make_unique<Project>(QStringLiteral("/p%1").arg(i), QString::number(i), std::nullopt, 4 - i));
        FetchDescriptor<Project> d;
        d.predicate = [](const Project *p) { return p->sortOrder() != 2; };
        d.sortBefore = [](const Project *a, const Project *b) { return a->sortOrder() < b->sortOrder(); };
        d.limit = 3;
        QStringList names;
        for (auto *p : ctx.fetch(d))
            names << p->displayName();
        QCOMPARE(names, (QStringList{QStringLiteral("4"), QStringLiteral("3"), QStringLiteral("1")}));
    }

    void refusedFilesStayByteForByte_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("text file") << "text";
        QTest::newRow("another application's database") << "foreign";
        QTest::newRow("newer schema") << "newer";
    }
    void refusedFilesStayByteForByte()
    {
        QFETCH(QString, kind);
        const QString path = storePath();
        if (kind == QLatin1String("text")) {
            QVERIFY(writeFile(path, QByteArray("this is not a database\n").repeated(40)));
        } else if (kind == QLatin1String("foreign")) {
            auto db = SqliteDatabase::open(path, SqliteDatabase::Mode::ReadWriteCreate);
            QVERIFY((*db)->exec("CREATE TABLE t(x); INSERT INTO t VALUES (1);").ok());
        } else {
            {
                auto c = open(path);
                QVERIFY(c);
            }
            auto db = SqliteDatabase::open(path, SqliteDatabase::Mode::ReadWriteCreate);
            QVERIFY((*db)->exec("UPDATE Metadata SET value = '1.1.0' WHERE key = 'schemaVersion'; "
                                "PRAGMA wal_checkpoint(TRUNCATE); PRAGMA journal_mode = DELETE;")
                        .ok());
        }
        const QByteArray before = readFile(path);
        const QStringList filesBefore = QDir(m_home->path()).entryList(QDir::Files | QDir::Hidden);
        auto c = ContainerFactory::make(false, path);
        QVERIFY(!c.ok());
        QVERIFY(!c.error().description.isEmpty());
        if (kind == QLatin1String("newer"))
            QVERIFY(c.error().description.contains(QStringLiteral("1.1.0")));
        QCOMPARE(readFile(path), before);
        QCOMPARE(QDir(m_home->path()).entryList(QDir::Files | QDir::Hidden), filesBefore);
    }

    void aSecondOpenOfOneFileIsRefused()
    {
        auto first = open(storePath());
        QVERIFY(first);
        auto second = ContainerFactory::make(false, storePath());
        QVERIFY(!second.ok());
        QVERIFY(second.error().description.contains(QStringLiteral("in use")));
        first.reset();
        QVERIFY(open(storePath()));
    }

    void uuidText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::newRow("upper") << "0F8FAD5B-D9CB-469F-A165-70867728950E" << true;
        QTest::newRow("lower") << "0f8fad5b-d9cb-469f-a165-70867728950e" << true;
        QTest::newRow("braces") << "{0F8FAD5B-D9CB-469F-A165-70867728950E}" << false;
        QTest::newRow("no hyphens") << "0F8FAD5BD9CB469FA16570867728950E" << false;
        QTest::newRow("bad digit") << "0F8FAD5B-D9CB-469F-A165-70867728950G" << false;
        QTest::newRow("empty") << "" << false;
    }
    void uuidText()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        const auto id = parseUuid(text);
        QCOMPARE(id.has_value(), valid);
        if (valid) {
            QCOMPARE(Brindlewick::uuidText(*id), text.toUpper());
            QCOMPARE(uuidTextLower(*id), text.toLower());
        }
    }
};

QTEST_GUILESS_MAIN(TestStore)
#include "tst_store.moc"
