// Dropping session ids on a board column, and the attention column's order.
#include "models/project.h"
#include "models/session.h"
#include "models/uuidtext.h"
#include "persistence/containerfactory.h"
#include "persistence/modelcontext.h"
#include "persistence/sqlitedatabase.h"
#include "services/boarddrop.h"
#include "services/boardorder.h"
#include "support/testsupport.h"

#include <QLoggingCategory>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

using namespace Brindlewick;

namespace {

int saveSignals(const QSignalSpy &spy)
{
    int n = 0;
    for (const QList<QVariant> &args : spy) {
        if (args.at(0).value<ChangeSet>().cause == ChangeSet::Cause::Save)
            ++n;
    }
    return n;
}

QStringList names(std::initializer_list<const char *> list)
{
    QStringList out;
    for (const char *n : list)
        out << QString::fromUtf8(n);
    return out;
}

QDateTime at(qint64 secs) { return QDateTime::fromSecsSinceEpoch(1700000000 + secs, Qt::UTC); }

} // namespace

class TestBoardDrop : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    std::unique_ptr<ModelContainer> m_container;
    Session *m_working = nullptr; // starts in working
    Session *m_idle = nullptr;    // starts in idle
    Session *m_odd = nullptr;     // unreadable column text, which reads as working
    QUuid m_gone;                 // a deleted session

    ModelContext &context() { return m_container->mainContext(); }

    Session *addSession(const QString &title, const QString &columnRaw)
    {
        auto *s = context().insert(std::make_unique<Session>(title, QStringLiteral("/w"), false, false, false, 0, nullptr));
        s->setColumnRaw(columnRaw);
        s->setLastActivityAt(at(0));
        return s;
    }

private Q_SLOTS:
    void initTestCase() { QLoggingCategory::setFilterRules(QStringLiteral("io.brindlewick.Brindlewick.BoardDrop.debug=true")); }

    void init()
    {
        auto c = ContainerFactory::make(false, m_dir.filePath(QStringLiteral("Library.sqlite")));
        QVERIFY2(c.ok(), c.ok() ? "" : qPrintable(c.error().description));
        m_container = std::move(*c);
        m_working = addSession(QStringLiteral("w"), QStringLiteral("working"));
        m_idle = addSession(QStringLiteral("i"), QStringLiteral("idle"));
        m_odd = addSession(QStringLiteral("o"), QStringLiteral("Idle"));
        Session *gone = addSession(QStringLiteral("g"), QStringLiteral("idle"));
        m_gone = gone->id();
        context().remove(gone);
        QVERIFY(context().save().ok());
    }
    void cleanup()
    {
        m_container.reset();
        QFile::remove(m_dir.filePath(QStringLiteral("Library.sqlite")));
    }

    void move_data()
    {
        QTest::addColumn<QStringList>("payloads"); // "working", "idle", "odd", "gone" name sessions; others are sent as they are
        QTest::addColumn<int>("to");
        QTest::addColumn<int>("moved");
        QTest::addColumn<QStringList>("debugLogs");
        const int attention = int(SessionColumn::attention), idle = int(SessionColumn::idle),
                  working = int(SessionColumn::working);
        const QString notUuid = QStringLiteral("ignored drop: payload is not a UUID");
        const QString noSession = QStringLiteral("ignored drop: no session for payload");
        QTest::newRow("own column") << names({"idle"}) << idle << 0 << QStringList{};
        QTest::newRow("two at once") << names({"working", "idle"}) << attention << 2 << QStringList{};
        QTest::newRow("one of two already there") << names({"working", "idle"}) << idle << 1 << QStringList{};
        QTest::newRow("plain text") << names({"hello"}) << idle << 0 << QStringList{notUuid};
        QTest::newRow("braced uuid") << QStringList{QLatin1Char('{') + uuidText(QUuid::createUuid()) + QLatin1Char('}')} << idle << 0
                                     << QStringList{notUuid};
        QTest::newRow("deleted session") << names({"gone"}) << attention << 0 << QStringList{noSession};
        QTest::newRow("mixed") << names({"junk", "gone", "working"}) << idle << 1 << QStringList{notUuid, noSession};
        QTest::newRow("unreadable column is working") << names({"odd"}) << working << 0 << QStringList{};
        QTest::newRow("unreadable column moves") << names({"odd"}) << idle << 1 << QStringList{};
        QTest::newRow("lower-case id") << names({"working-lower"}) << idle << 1 << QStringList{};
    }
    void move()
    {
        QFETCH(QStringList, payloads);
        QFETCH(int, to);
        QFETCH(int, moved);
        QFETCH(QStringList, debugLogs);
        const QHash<QString, Session *> named{
            {QStringLiteral("working"), m_working}, {QStringLiteral("idle"), m_idle}, {QStringLiteral("odd"), m_odd}};
        QStringList sent;
        for (const QString &p : payloads) {
            if (named.contains(p))
                sent << uuidText(named[p]->id());
            else if (p == QLatin1String("working-lower"))
                sent << uuidTextLower(m_working->id());
            else if (p == QLatin1String("gone"))
                sent << uuidText(m_gone);
            else
                sent << p;
        }
        QHash<Session *, Session::Values> before;
        for (Session *s : {m_working, m_idle, m_odd})
            before.insert(s, s->values());
        for (const QString &m : debugLogs)
            QTest::ignoreMessage(QtDebugMsg, qPrintable(m));

        QSignalSpy spy(&context(), &ModelContext::changed);
        const QDateTime dropTime = at(500);
        QCOMPARE(BoardDrop::move(sent, SessionColumn(to), dropTime, context()), moved);
        QCOMPARE(saveSignals(spy), moved > 0 ? 1 : 0);
        QVERIFY(!context().hasChanges());
        int changed = 0;
        for (auto it = before.cbegin(); it != before.cend(); ++it) {
            Session *s = it.key();
            if (s->values() == it.value())
                continue;
            ++changed;
            QVERIFY(sent.contains(uuidText(s->id()), Qt::CaseInsensitive));
            QCOMPARE(s->columnRaw(), rawValue(SessionColumn(to)));
            QCOMPARE(s->lastActivityAt(), std::optional<QDateTime>(dropTime));
        }
        QCOMPARE(changed, moved);

        // What was saved is what a fresh open of the file reads.
        const QString path = m_container->path();
        QHash<QUuid, Session::Values> inMemory;
        for (Session *s : {m_working, m_idle, m_odd}) {
            Session::Values v = s->values();
            inMemory.insert(s->id(), v);
        }
        m_container.reset();
        auto reopened = ContainerFactory::make(false, path);
        QVERIFY(reopened.ok());
        for (Session *s : (*reopened)->mainContext().fetch<Session>()) {
            QCOMPARE(s->columnRaw(), inMemory.value(s->id()).columnRaw);
            QCOMPARE(s->lastActivityAt(), inMemory.value(s->id()).lastActivityAt);
        }
        m_container = std::move(*reopened);
    }

    // A failed save is logged and counted as moved; the change stays pending in the context.
    void saveFailureKeepsTheMove()
    {
        auto db = SqliteDatabase::open(m_container->path(), SqliteDatabase::Mode::ReadWriteCreate);
        QVERIFY(db.ok());
        QVERIFY((*db)->exec("CREATE TRIGGER refuse BEFORE UPDATE ON Session BEGIN SELECT RAISE(ABORT, 'refused'); END").ok());
        QTest::ignoreMessage(QtCriticalMsg, QRegularExpression(QStringLiteral("^drop save failed: .*refused")));
        QCOMPARE(BoardDrop::move({uuidText(m_working->id())}, SessionColumn::attention, at(9), context()), 1);
        QCOMPARE(m_working->column(), SessionColumn::attention);
        QVERIFY(context().hasChanges());
    }

    void attentionOrder_data()
    {
        // Each session: createdAt offset, optional lastActivityAt offset (-1 = none), id.
        QTest::addColumn<QList<QList<qint64>>>("sessions");
        QTest::addColumn<QList<int>>("expected"); // indexes in display order
        QTest::newRow("later activity first") << QList<QList<qint64>>{{0, 10}, {0, 20}, {0, 15}} << QList<int>{1, 2, 0};
        QTest::newRow("created counts without activity")
            << QList<QList<qint64>>{{0, 10}, {30, -1}} << QList<int>{1, 0};
        QTest::newRow("equal keys: later creation first")
            << QList<QList<qint64>>{{1, 50}, {5, 50}, {3, 50}} << QList<int>{1, 2, 0};
        QTest::newRow("activity equal to other's creation")
            << QList<QList<qint64>>{{40, -1}, {0, 40}} << QList<int>{0, 1};
        QTest::newRow("all equal: id text descending")
            << QList<QList<qint64>>{{7, 9, 0xA}, {7, 9, 0xF}, {7, 9, 0x1}} << QList<int>{1, 0, 2};
    }
    void attentionOrder()
    {
        QFETCH(QList<QList<qint64>>, sessions);
        QFETCH(QList<int>, expected);
        std::vector<std::unique_ptr<Session>> owned;
        std::vector<Session *> list;
        for (const QList<qint64> &row : sessions) {
            Session::Values v;
            v.columnRaw = QStringLiteral("attention");
            v.createdAt = at(row[0]);
            if (row[1] >= 0)
                v.lastActivityAt = at(row[1]);
            // A chosen first digit puts the ids in a known text order; the rest differs in case.
            const QUuid id = row.size() > 2 ? QUuid(QStringLiteral("%1aaaaaaa-0000-4000-8000-00000000000%2")
                                                          .arg(row[2], 0, 16)
                                                          .arg(row[2] % 10))
                                            : QUuid::createUuid();
            owned.push_back(std::make_unique<Session>(id, v));
            list.push_back(owned.back().get());
        }
        const std::vector<Session *> sorted = BoardOrder::attentionNewestFirst(list);
        QList<int> got;
        for (Session *s : sorted)
            got << int(std::find(list.begin(), list.end(), s) - list.begin());
        QCOMPARE(got, expected);
        for (Session *s : list)
            QVERIFY(!BoardOrder::isNewer(s, s));
    }
};

QTEST_GUILESS_MAIN(TestBoardDrop)
#include "tst_boarddrop.moc"
