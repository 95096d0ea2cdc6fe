// The real app under Xvfb with a seeded store: cards sit in the right columns in the right order,
// a card dragged with real mouse events lands in its new column and the store file keeps it, and
// a hook event sent by the installed hook command with real curl moves a card by itself.
#include "models/project.h"
#include "models/session.h"
#include "models/uuidtext.h"
#include "persistence/containerfactory.h"
#include "persistence/modelcontext.h"
#include "services/hooksettingsinstaller.h"
#include "support/e2e/appprocess.h"

#include <QDir>
#include <QJsonDocument>
#include <QRect>
#include <QTest>

using namespace Brindlewick;
using namespace BrindlewickTest;

namespace {

struct Seeded {
    QHash<QString, QUuid> ids; // title → session id
};

Seeded seedStore()
{
    Seeded out;
    auto c = ContainerFactory::make(false);
    if (!c)
        qFatal("store: %s", qPrintable(c.error().description));
    ModelContext &ctx = (*c)->mainContext();
    auto *shop = ctx.insert(std::make_unique<Project>(QStringLiteral("/srv/shop"), QStringLiteral("shop"),
                                                      QStringLiteral("#FFCC00"), 0));
    auto *api = ctx.insert(std::make_unique<Project>(QStringLiteral("/srv/api"), QStringLiteral("api"), std::nullopt, 1));
    auto *docs = ctx.insert(std::make_unique<Project>(QStringLiteral("/srv/docs"), QStringLiteral("docs"),
                                                      QStringLiteral("#2255AA"), 2));
    const QDateTime base = QDateTime::currentDateTimeUtc().addDays(-1);
    struct Row {
        const char *title;
        const char *column;
        qint64 sortOrder;
        int createdH;
        int activityH; // -1: none
        Project *project;
    };
    const Row rows[] = {
        {"A1 refactor", "attention", 0, 1, 5, shop},  {"A2 fresh", "attention", 1, 6, -1, api},
        {"A3 older", "attention", 2, 2, 3, docs},     {"A4 mid", "attention", 3, 0, 4, shop},
        {"I1 tests", "idle", 2, 1, 1, api},           {"I2 docs", "idle", 0, 2, 2, docs},
        {"I3 lint", "idle", 1, 3, 3, shop},           {"I4 bench", "idle", 3, 4, -1, nullptr},
        {"W1 build", "working", 0, 1, -1, shop},      {"W2 unknown column", "bogus", 1, 2, -1, api},
        {"W3 drag me", "working", 2, 3, -1, docs},    {"W4 hook me", "working", 3, 4, -1, api},
    };
    for (const Row &r : rows) {
        auto *s = ctx.insert(std::make_unique<Session>(QString::fromUtf8(r.title), QStringLiteral("/srv/w"), false, false,
                                                       false, r.sortOrder, r.project));
        s->setColumnRaw(QString::fromLatin1(r.column));
        s->setCreatedAt(base.addSecs(r.createdH * 3600));
        if (r.activityH >= 0)
            s->setLastActivityAt(base.addSecs(r.activityH * 3600));
        s->setLastPrompt(QStringLiteral("Please look at the failing tests in the %1 module").arg(QString::fromUtf8(r.title)));
        if (QByteArray(r.column) == "idle")
            s->setLastResponse(QStringLiteral("All tests pass now; I changed two files."));
        out.ids.insert(QString::fromUtf8(r.title), s->id());
    }
    if (!ctx.save())
        qFatal("seed save failed");
    return out;
}

// The titles of the cards per column, top to bottom, from the running app.
QHash<QString, QStringList> cardsByColumn(AppProcess &app, QHash<QString, QRect> *columnRects = nullptr,
                                          QHash<QString, QRect> *cardRects = nullptr)
{
    QHash<QString, QStringList> out;
    QHash<QString, QRect> columns;
    QVector<QPair<int, QJsonObject>> cards;
    for (const QJsonValue &v : app.widgets(QStringLiteral("Brindlewick"), QStringLiteral("BoardColumn"))) {
        const QJsonObject o = v.toObject();
        columns.insert(o.value(QStringLiteral("column")).toString(),
                       QRect(o.value(QStringLiteral("x")).toInt(), o.value(QStringLiteral("y")).toInt(),
                             o.value(QStringLiteral("width")).toInt(), o.value(QStringLiteral("height")).toInt()));
    }
    for (const QJsonValue &v : app.widgets(QStringLiteral("Brindlewick"), QStringLiteral("SessionCardView")))
        cards.push_back({v.toObject().value(QStringLiteral("y")).toInt(), v.toObject()});
    std::sort(cards.begin(), cards.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    for (const auto &[y, o] : cards) {
        const QRect r(o.value(QStringLiteral("x")).toInt(), y, o.value(QStringLiteral("width")).toInt(),
                      o.value(QStringLiteral("height")).toInt());
        // The column a card sits in on screen must be the column it says it belongs to.
        QString onScreen;
        for (auto it = columns.constBegin(); it != columns.constEnd(); ++it) {
            if (it.value().contains(r.center()))
                onScreen = it.key();
        }
        const QString title = o.value(QStringLiteral("accessibleName")).toString().section(QStringLiteral("、"), 0, 0);
        if (onScreen != o.value(QStringLiteral("column")).toString())
            out[QStringLiteral("misplaced")] << title;
        out[onScreen] << title;
        if (cardRects)
            cardRects->insert(title, r);
    }
    if (columnRects)
        *columnRects = columns;
    return out;
}

void xdotool(const QStringList &args)
{
    runCommand(QStringLiteral("xdotool"), args);
}

} // namespace

class TestBoardApp : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void boardShowsTheStoreAndFollowsDragsAndHooks()
    {
        TempHome home;
        const Seeded seeded = seedStore();
        QVERIFY(suppressHookSetupOffer(home));

        AppProcess app(home);
        QVERIFY(app.start());
        QVERIFY(app.waitForWindow(QStringLiteral("Brindlewick")));
        QTest::qWait(500);
        const QString shot = QStringLiteral(BW_BINARY_DIR "/tests/board-e2e.png");
        runCommand(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"), shot});
        qInfo("screenshot: %s", qPrintable(shot));

        QHash<QString, QRect> columns, cards;
        auto byColumn = cardsByColumn(app, &columns, &cards);
        QVERIFY2(!byColumn.contains(QStringLiteral("misplaced")), qPrintable(byColumn.value(QStringLiteral("misplaced")).join(u',')));
        QCOMPARE(byColumn.value(QStringLiteral("attention")),
                 (QStringList{QStringLiteral("A2 fresh"), QStringLiteral("A1 refactor"), QStringLiteral("A4 mid"),
                              QStringLiteral("A3 older")}));
        QCOMPARE(byColumn.value(QStringLiteral("idle")), (QStringList{QStringLiteral("I2 docs"), QStringLiteral("I3 lint"),
                                                                      QStringLiteral("I1 tests"), QStringLiteral("I4 bench")}));
        QCOMPARE(byColumn.value(QStringLiteral("working")),
                 (QStringList{QStringLiteral("W1 build"), QStringLiteral("W2 unknown column"), QStringLiteral("W3 drag me"),
                              QStringLiteral("W4 hook me")}));
        // Columns from left to right: attention, idle, working.
        QVERIFY(columns.value(QStringLiteral("attention")).x() < columns.value(QStringLiteral("idle")).x());
        QVERIFY(columns.value(QStringLiteral("idle")).x() < columns.value(QStringLiteral("working")).x());

        // Drag "W3 drag me" onto the idle column with real pointer events.
        const QPoint from = cards.value(QStringLiteral("W3 drag me")).center();
        const QPoint to = columns.value(QStringLiteral("idle")).center();
        xdotool({QStringLiteral("mousemove"), QString::number(from.x()), QString::number(from.y())});
        QTest::qWait(100);
        xdotool({QStringLiteral("mousedown"), QStringLiteral("1")});
        for (int i = 1; i <= 20; ++i) {
            const QPoint p = from + (to - from) * i / 20;
            xdotool({QStringLiteral("mousemove"), QString::number(p.x()), QString::number(p.y())});
            QTest::qWait(30);
        }
        QTest::qWait(200);
        xdotool({QStringLiteral("mouseup"), QStringLiteral("1")});
        QTRY_VERIFY_WITH_TIMEOUT(cardsByColumn(app).value(QStringLiteral("idle")).contains(QStringLiteral("W3 drag me")), 5000);
        QVERIFY(!cardsByColumn(app).value(QStringLiteral("working")).contains(QStringLiteral("W3 drag me")));

        // A hook event through the installed command and real curl moves "W4 hook me" to attention.
        HookSettingsInstaller installer(home.path() + QStringLiteral("/.claude/settings.json"),
                                        home.path() + QStringLiteral("/.claude"));
        QVERIFY(installer.install().ok());
        QTRY_VERIFY(QFileInfo::exists(home.path() + QStringLiteral("/.claude/brindlewick.port")));
        const QJsonObject settings = QJsonDocument::fromJson(readFile(installer.settingsURL())).object();
        const QString command = settings.value(QStringLiteral("hooks")).toObject().value(QStringLiteral("Stop")).toArray()
                                    .first().toObject().value(QStringLiteral("hooks")).toArray().first().toObject()
                                    .value(QStringLiteral("command")).toString();
        QProcess sh;
        QProcessEnvironment env = app.environment();
        env.insert(QStringLiteral("CLAUDE_CARD_ID"), uuidText(seeded.ids.value(QStringLiteral("W4 hook me"))));
        sh.setProcessEnvironment(env);
        sh.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), command});
        QVERIFY(sh.waitForStarted());
        sh.write(R"({"session_id":"5f0c1d2e-3a4b-4c5d-8e9f-0a1b2c3d4e5f","transcript_path":"","cwd":"/srv/w",)"
                 R"("hook_event_name":"Stop","last_assistant_message":"Finished the refactor."})");
        sh.closeWriteChannel();
        QVERIFY(sh.waitForFinished(10000));
        QCOMPARE(sh.exitCode(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(cardsByColumn(app).value(QStringLiteral("attention")).value(0) == QLatin1String("W4 hook me"), 5000);
        QByteArray displayed;
        runCommand(QStringLiteral("dunstctl"), {QStringLiteral("count"), QStringLiteral("displayed")}, &displayed);
        QVERIFY(displayed.trimmed().toInt() >= 1);

        // Choosing a project shows its dashboard; Ctrl+Shift+B brings the board back.
        QPoint shopRow;
        for (const QJsonValue &list : app.widgets(QStringLiteral("Brindlewick"), QStringLiteral("QListWidget"))) {
            for (const QJsonValue &item : list.toObject().value(QStringLiteral("items")).toArray()) {
                const QJsonObject i = item.toObject();
                if (i.value(QStringLiteral("name")).toString() == QLatin1String("shop"))
                    shopRow = QRect(i.value(QStringLiteral("x")).toInt(), i.value(QStringLiteral("y")).toInt(),
                                    i.value(QStringLiteral("width")).toInt(), i.value(QStringLiteral("height")).toInt()).center();
            }
        }
        QVERIFY(!shopRow.isNull());
        xdotool({QStringLiteral("mousemove"), QString::number(shopRow.x()), QString::number(shopRow.y()), QStringLiteral("click"),
                 QStringLiteral("1")});
        QTRY_COMPARE(app.widgets(QStringLiteral("Brindlewick"), QStringLiteral("ProjectDashboardView")).size(), 1);
        QTRY_VERIFY(cardsByColumn(app).isEmpty());
        xdotool({QStringLiteral("key"), QStringLiteral("ctrl+shift+b")});
        QTRY_COMPARE(app.widgets(QStringLiteral("Brindlewick"), QStringLiteral("ProjectDashboardView")).size(), 0);
        QTRY_COMPARE(cardsByColumn(app).value(QStringLiteral("attention")).size(), 5);

        QCOMPARE(app.terminate(), 0);
        QVERIFY(!QFileInfo::exists(home.path() + QStringLiteral("/.claude/brindlewick.port")));

        // The store file keeps what the app did.
        auto c = ContainerFactory::make(false);
        QVERIFY(c.ok());
        ModelContext &ctx = (*c)->mainContext();
        const Session *dragged = ctx.find<Session>(seeded.ids.value(QStringLiteral("W3 drag me")));
        QCOMPARE(dragged->columnRaw(), QStringLiteral("idle"));
        QVERIFY(dragged->lastActivityAt().has_value());
        const Session *hooked = ctx.find<Session>(seeded.ids.value(QStringLiteral("W4 hook me")));
        QCOMPARE(hooked->columnRaw(), QStringLiteral("attention"));
        QCOMPARE(*hooked->lastResponse(), QStringLiteral("Finished the refactor."));
        QCOMPARE(*hooked->claudeSessionID(), QStringLiteral("5f0c1d2e-3a4b-4c5d-8e9f-0a1b2c3d4e5f"));
    }
};

QTEST_GUILESS_MAIN(TestBoardApp)
#include "tst_boardapp.moc"
