// Hook events applied to stored sessions: the ingestion rules (stale events, the 2-second rule,
// prompt and reply, title, Claude Code's session), the hook log, notifying once, unknown cards,
// and a failing save that is logged, undone and reported as not applied. Real SQLite store.
#include "models/project.h"
#include "models/session.h"
#include "models/uuidtext.h"
#include "persistence/containerfactory.h"
#include "persistence/modelcontext.h"
#include "persistence/sqlitedatabase.h"
#include "services/appmodel.h"
#include "services/hookeventrouter.h"
#include "services/hookingester.h"
#include "support/recording.h"
#include "support/testsupport.h"

#include <QLoggingCategory>
#include <QTest>

using namespace Brindlewick;
using namespace BrindlewickTest;

namespace {


const QDateTime t0(QDate(2026, 3, 1), QTime(9, 0), Qt::UTC);
QDateTime at(int ms)
{
    return t0.addMSecs(ms);
}

using Text = std::optional<QString>;
Text text(const char *s)
{
    return QString::fromUtf8(s);
}

struct State {
    QString column = QStringLiteral("working");
    std::optional<int> lastMs = 0;
    Text prompt = std::nullopt;
    Text response = std::nullopt;
    QString title = QStringLiteral("Title");
    Text claudeSession = std::nullopt;
};
struct Event {
    SessionColumn column = SessionColumn::working;
    int atMs = 0;
    Text prompt = std::nullopt;
    Text response = std::nullopt;
    Text title = std::nullopt;
    Text claudeSession = std::nullopt;
};
struct IngestCase {
    State before;
    Event event;
    bool applied;
    State after;
};

} // namespace

Q_DECLARE_METATYPE(IngestCase)

class TestHookEventRouter : public QObject {
    Q_OBJECT
    std::unique_ptr<TempHome> m_home;
    std::unique_ptr<ModelContainer> m_container;
    std::unique_ptr<AppModel> m_app;
    std::shared_ptr<std::vector<RecordingNotifier::Post>> m_posts;
    Session *m_session = nullptr;

    QString storePath() const { return m_home->path() + QStringLiteral("/Library.sqlite"); }
    ModelContext &context() const { return m_container->mainContext(); }
    QString card() const { return uuidText(m_session->id()); }

    void route(const QString &card, SessionColumn column, int ms, const HookEventDetail &detail)
    {
        HookEventRouter::route(card, column, at(ms), detail, context(), *m_app);
    }
    void setState(const State &s)
    {
        m_session->setColumnRaw(s.column);
        m_session->setLastActivityAt(s.lastMs ? std::optional(at(*s.lastMs)) : std::nullopt);
        m_session->setLastPrompt(s.prompt);
        m_session->setLastResponse(s.response);
        m_session->setTitle(s.title);
        m_session->setClaudeSessionID(s.claudeSession);
        QVERIFY(context().save().ok());
    }
    void compareState(const Session *session, const State &s)
    {
        QCOMPARE(session->columnRaw(), s.column);
        QCOMPARE(session->lastActivityAt(), s.lastMs ? std::optional(at(*s.lastMs)) : std::nullopt);
        QCOMPARE(session->lastPrompt(), s.prompt);
        QCOMPARE(session->lastResponse(), s.response);
        QCOMPARE(session->title(), s.title);
        QCOMPARE(session->claudeSessionID(), s.claudeSession);
    }

private Q_SLOTS:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules(QStringLiteral("io.brindlewick.Brindlewick.*.debug=true"));
        LogCapture::install();
    }

    void init()
    {
        LogCapture::lines().clear();
        m_home = std::make_unique<TempHome>();
        auto made = ContainerFactory::make(false, storePath());
        QVERIFY(made.ok());
        m_container = std::move(made.value());
        auto *project = context().insert(std::make_unique<Project>(QStringLiteral("/work/alpha"), QStringLiteral("Alpha"),
                                                                   std::nullopt, 0));
        m_session = context().insert(std::make_unique<Session>(QStringLiteral("Fix login"), QStringLiteral("/work/alpha"),
                                                               false, false, false, 0, project));
        QVERIFY(context().save().ok());
        auto notifier = std::make_unique<RecordingNotifier>();
        m_posts = notifier->posts;
        m_app = std::make_unique<AppModel>(std::move(notifier));
    }

    void cleanup()
    {
        // Prompts and replies never reach the log; every such text in these tests says "secret".
        for (const QString &line : std::as_const(LogCapture::lines()))
            QVERIFY2(!line.contains(QLatin1String("secret")), qPrintable(line));
        m_app.reset();
        m_session = nullptr;
        m_container.reset();
        m_home.reset();
    }

    void ingestRules_data()
    {
        QTest::addColumn<IngestCase>("c");
        const auto A = SessionColumn::attention;
        const auto I = SessionColumn::idle;
        const Text p = text("secret prompt"), r = text("secret reply"), cs1 = text("1F9EC47C-461D-44FC-BB78-E8AEB03989E4"),
                   cs2 = text("41ae050f-11b5-4f24-a7a1-5be5c7cc3dcd");
        auto row = [](const char *name, IngestCase c) { QTest::newRow(name) << c; };

        row("first event stamps the time", {{.lastMs = std::nullopt}, {.atMs = 500}, true, {.lastMs = 500}});
        row("same column 1 s later, nothing new", {{}, {.atMs = 1000}, false, {}});
        row("same column 1999 ms later", {{}, {.atMs = 1999}, false, {}});
        row("same column exactly 2 s later", {{}, {.atMs = 2000}, true, {.lastMs = 2000}});
        row("column change within 2 s", {{}, {.column = A, .atMs = 100}, true, {.column = QStringLiteral("attention"), .lastMs = 100}});
        row("stale event naming another column",
            {{.lastMs = 5000}, {.column = A, .atMs = 4999, .prompt = p}, false, {.lastMs = 5000}});
        row("event at the stored time is not stale",
            {{.lastMs = 5000}, {.column = I, .atMs = 5000}, true, {.column = QStringLiteral("idle"), .lastMs = 5000}});
        row("new prompt within 2 s clears the reply",
            {{.prompt = text("secret old"), .response = r}, {.atMs = 500, .prompt = p}, true, {.prompt = p}});
        row("same prompt again after a reply",
            {{.prompt = p, .response = r}, {.atMs = 500, .prompt = p}, true, {.prompt = p}});
        row("same prompt again without a reply", {{.prompt = p}, {.atMs = 500, .prompt = p}, false, {.prompt = p}});
        row("same reply", {{.prompt = p, .response = r}, {.atMs = 500, .response = r}, false, {.prompt = p, .response = r}});
        row("new reply", {{.prompt = p}, {.atMs = 500, .response = r}, true, {.prompt = p, .response = r}});
        row("empty title ignored", {{}, {.atMs = 500, .title = text("")}, false, {}});
        row("same title", {{}, {.atMs = 500, .title = text("Title")}, false, {}});
        row("new title", {{}, {.atMs = 500, .title = text("Renamed")}, true, {.title = QStringLiteral("Renamed")}});
        row("first Claude session", {{}, {.atMs = 500, .claudeSession = cs1}, true, {.claudeSession = cs1}});
        row("same Claude session", {{.claudeSession = cs1}, {.atMs = 500, .claudeSession = cs1}, false, {.claudeSession = cs1}});
        row("another Claude session", {{.claudeSession = cs1}, {.atMs = 500, .claudeSession = cs2}, true, {.claudeSession = cs2}});
        row("unknown stored column reads as working",
            {{.column = QStringLiteral("done")}, {.atMs = 500}, false, {.column = QStringLiteral("done")}});
    }
    void ingestRules()
    {
        QFETCH(IngestCase, c);
        setState(c.before);
        const bool applied = HookIngester::ingest(card(), c.event.column, at(c.event.atMs), c.event.prompt,
                                                  c.event.response, c.event.title, c.event.claudeSession, context());
        QCOMPARE(applied, c.applied);
        QVERIFY(!context().hasChanges());
        compareState(m_session, c.after);
    }

    void appliedEventsAreStored()
    {
        const QUuid id = m_session->id();
        HookEventDetail prompt;
        prompt.promptSnippet = QStringLiteral("secret prompt");
        prompt.claudeSessionID = QStringLiteral("1F9EC47C-461D-44FC-BB78-E8AEB03989E4");
        route(card(), SessionColumn::working, 0, prompt);
        HookEventDetail stop;
        stop.eventName = QStringLiteral("Stop");
        stop.responseSnippet = QStringLiteral("secret reply");
        stop.customTitle = QStringLiteral("Login fixed");
        route(card(), SessionColumn::attention, 700, stop);

        m_session = nullptr;
        m_container.reset();
        auto reopened = ContainerFactory::make(false, storePath());
        QVERIFY(reopened.ok());
        m_container = std::move(reopened.value());
        const Session *stored = context().find<Session>(id);
        QVERIFY(stored);
        compareState(stored, {.column = QStringLiteral("attention"), .lastMs = 700, .prompt = prompt.promptSnippet,
                              .response = stop.responseSnippet, .title = QStringLiteral("Login fixed"),
                              .claudeSession = prompt.claudeSessionID});
    }

    // Into attention from elsewhere notifies once, with what the session was before the event.
    void notifiesOnceWhenAttentionBegins()
    {
        HookEventDetail stop;
        stop.eventName = QStringLiteral("Stop");
        stop.responseText = QStringLiteral("secret reply\nin two lines");
        stop.responseSnippet = QStringLiteral("secret reply in two lines");
        route(card(), SessionColumn::attention, 0, stop);
        QCOMPARE(m_posts->size(), size_t(1));
        QCOMPARE(m_posts->at(0).title, QStringLiteral("Alpha — 応答が届きました"));
        QCOMPARE(m_posts->at(0).body, *stop.responseText);
        QCOMPARE(m_posts->at(0).sessionID, m_session->id());

        HookEventDetail notification;
        notification.eventName = QStringLiteral("Notification");
        route(card(), SessionColumn::attention, 3000, notification); // applied (time), already in attention
        HookEventDetail renamed = stop;
        renamed.customTitle = QStringLiteral("Renamed");
        route(card(), SessionColumn::attention, 3500, renamed); // applied (title), already in attention
        QCOMPARE(m_posts->size(), size_t(1));
        QCOMPARE(m_session->title(), QStringLiteral("Renamed"));

        HookEventDetail submit;
        submit.eventName = QStringLiteral("UserPromptSubmit");
        submit.promptSnippet = QStringLiteral("secret next prompt");
        route(card(), SessionColumn::working, 4000, submit);
        HookEventDetail tool;
        tool.eventName = QStringLiteral("PreToolUse");
        route(card(), SessionColumn::working, 5000, tool); // nothing new within 2 s
        // A Stop that also renames: the notification shows the title before the event.
        HookEventDetail silentStop;
        silentStop.eventName = QStringLiteral("Stop");
        silentStop.customTitle = QStringLiteral("Third name");
        route(card(), SessionColumn::attention, 5500, silentStop);
        QCOMPARE(m_posts->size(), size_t(2));
        QCOMPARE(m_posts->at(1).title, QStringLiteral("Alpha — 応答が届きました"));
        QCOMPARE(m_posts->at(1).body, QStringLiteral("Renamed"));

        QVector<bool> applied;
        QVector<SessionColumn> columns;
        for (const HookLogEntry &e : m_app->hookLog()) {
            applied << e.applied;
            columns << e.column;
            QCOMPARE(e.card, card());
        }
        QCOMPARE(applied, (QVector<bool>{true, false, true, true, true, true}));
        QCOMPARE(m_app->hookLog().last().at, at(0));
        QCOMPARE(m_app->hookLog().first().at, at(5500));
        QCOMPARE(columns.first(), SessionColumn::attention);
        QCOMPARE(columns.at(1), SessionColumn::working);
    }

    void unknownCards_data()
    {
        QTest::addColumn<QString>("card");
        QTest::addColumn<QString>("logged");
        QTest::newRow("UUID of no session") << QStringLiteral("0D5F5A8E-3C44-4E0B-9C1A-6A0E4B7F2C11")
                                            << QStringLiteral("ignored hook: no session for card=0D5F5A8E-");
        QTest::newRow("not a UUID") << QStringLiteral("card_1") << QStringLiteral("ignored hook: card is not a UUID card=card_1");
        QTest::newRow("UUID in braces") << QStringLiteral("{0D5F5A8E-3C44-4E0B-9C1A-6A0E4B7F2C11}")
                                        << QStringLiteral("card is not a UUID");
    }
    void unknownCards()
    {
        QFETCH(QString, card);
        QFETCH(QString, logged);
        QVERIFY(!HookEventRouter::preState(card, context()));
        HookEventDetail stop;
        stop.eventName = QStringLiteral("Stop");
        stop.responseSnippet = QStringLiteral("secret reply");
        route(card, SessionColumn::attention, 0, stop);
        QCOMPARE(m_app->hookLog().size(), 1);
        QCOMPARE(m_app->hookLog().first().card, card);
        QVERIFY(!m_app->hookLog().first().applied);
        QVERIFY(m_posts->empty());
        QVERIFY(LogCapture::lines().filter(logged).size() == 1);
        QCOMPARE(m_session->columnRaw(), QStringLiteral("working"));
    }

    void lowerCaseCardFindsTheSession()
    {
        const QString lower = uuidTextLower(m_session->id());
        const auto pre = HookEventRouter::preState(lower, context());
        QVERIFY(pre);
        QCOMPARE(*pre, (HookEventRouter::PreState{m_session->id(), SessionColumn::working, QStringLiteral("Fix login"),
                                                  QStringLiteral("Alpha")}));
        route(lower, SessionColumn::idle, 0, {});
        QVERIFY(m_app->hookLog().first().applied);
        QCOMPARE(m_session->column(), SessionColumn::idle);
    }

    void failedSaveIsLoggedUndoneAndNotApplied()
    {
        // A second connection makes every update of a session fail inside the store.
        {
            auto db = SqliteDatabase::open(storePath(), SqliteDatabase::Mode::ReadWriteCreate);
            QVERIFY(db.ok());
            QVERIFY((*db)->exec("CREATE TRIGGER refuse BEFORE UPDATE ON Session BEGIN SELECT RAISE(ABORT, 'disk says no'); END").ok());
        }
        HookEventDetail stop;
        stop.eventName = QStringLiteral("Stop");
        stop.responseSnippet = QStringLiteral("secret reply");
        stop.responseText = QStringLiteral("secret reply");
        route(card(), SessionColumn::attention, 0, stop);

        QVERIFY(!m_app->hookLog().first().applied);
        QVERIFY(m_posts->empty());
        QVERIFY(!context().hasChanges());
        compareState(m_session, {.lastMs = std::nullopt, .title = QStringLiteral("Fix login")});
        const QStringList failures = LogCapture::lines().filter(QStringLiteral("hook ingest save failed: "));
        QCOMPARE(failures.size(), 1);
        QVERIFY(failures.first().startsWith(QLatin1String("io.brindlewick.Brindlewick.HookIngester ")));

        {
            auto db = SqliteDatabase::open(storePath(), SqliteDatabase::Mode::ReadWriteCreate);
            QVERIFY(db.ok());
            QVERIFY((*db)->exec("DROP TRIGGER refuse").ok());
        }
        route(card(), SessionColumn::attention, 100, stop);
        QVERIFY(m_app->hookLog().first().applied);
        QCOMPARE(m_posts->size(), size_t(1));
    }
};

QTEST_GUILESS_MAIN(TestHookEventRouter)
#include "tst_hookeventrouter.moc"
