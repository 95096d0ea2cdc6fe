// Application state: selection and front-session tracking, the bounded hook log and the rules
// that decide whether and how an attention notification is shown.
#include "services/appmodel.h"
#include "services/textsanitizing.h"
#include "support/recording.h"

#include <QSignalSpy>
#include <QTest>

using namespace Brindlewick;
using BrindlewickTest::RecordingNotifier;


class TestAppModel : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void hookLogKeepsTheNewest200()
    {
        AppModel model(nullptr);
        QCOMPARE(*model.selection(), SidebarItem::board());
        const QDateTime t0 = QDateTime::currentDateTimeUtc();
        for (int i = 0; i < 250; ++i)
            model.logHook(QString::number(i), SessionColumn::idle, i % 2 == 0, t0.addSecs(i));
        QCOMPARE(model.hookLog().size(), 200);
        QCOMPARE(model.hookLog().first().card, QStringLiteral("249"));
        QCOMPARE(model.hookLog().last().card, QStringLiteral("50"));
        QVERIFY(model.hookLog().first().id != model.hookLog().at(1).id);
    }

    void observersHearOnlyRealChanges()
    {
        AppModel model(nullptr);
        QSignalSpy selection(&model, &AppModel::selectionChanged);
        QSignalSpy front(&model, &AppModel::frontmostSessionIDChanged);
        model.setSelection(SidebarItem::board());
        QCOMPARE(selection.count(), 0);
        model.setSelection(SidebarItem::hookLog());
        QCOMPARE(selection.count(), 1);
        const QUuid a = QUuid::createUuid(), b = QUuid::createUuid();
        model.setFrontmostSessionID(a);
        model.setFrontmostSessionID(a);
        QCOMPARE(front.count(), 1);
        model.clearFrontmost(b);
        QCOMPARE(*model.frontmostSessionID(), a);
        model.clearFrontmost(a);
        QVERIFY(!model.frontmostSessionID());
        QCOMPARE(front.count(), 2);
    }

    void notificationSkipsTheSessionInFront()
    {
        auto notifier = std::make_unique<RecordingNotifier>();
        const auto posts = notifier->posts;
        AppModel model(std::move(notifier));
        const QUuid shown = QUuid::createUuid(), other = QUuid::createUuid();
        model.setFrontmostSessionID(shown);
        model.notifyAttention(shown, QStringLiteral("P"), QStringLiteral("t"), QStringLiteral("Stop"), QStringLiteral("r"));
        QVERIFY(posts->empty());
        model.notifyAttention(other, QStringLiteral("P"), QStringLiteral("t"), QStringLiteral("Notification"), {});
        QCOMPARE(posts->size(), size_t(1));
        QCOMPARE(posts->at(0).sessionID, other);
        QCOMPARE(posts->at(0).title, QStringLiteral("P — 対応が必要"));
        QCOMPARE(posts->at(0).body, QStringLiteral("t"));
    }

    void notificationTexts_data()
    {
        QTest::addColumn<QVariant>("project");
        QTest::addColumn<QVariant>("event");
        QTest::addColumn<QString>("sessionTitle");
        QTest::addColumn<QVariant>("response");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("body");
        const QVariant none;
        QTest::newRow("stop with project and response")
            << QVariant(QStringLiteral("Shop")) << QVariant(QStringLiteral("Stop")) << "t"
            << QVariant(QStringLiteral("hello\a\nworld")) << "Shop — 応答が届きました"
            << "hello\nworld";
        QTest::newRow("blank project") << QVariant(QStringLiteral("  \n\r ")) << QVariant(QStringLiteral("Stop")) << "t"
                                       << none << "応答が届きました" << "t";
        QTest::newRow("no project, other event")
            << none << QVariant(QStringLiteral("Notification")) << "Title\n2" << none << "対応が必要" << "Title2";
        QTest::newRow("event compared exactly") << none << QVariant(QStringLiteral("stop")) << "t" << none
                                                << "対応が必要" << "t";
        QTest::newRow("control-only title") << none << none << "\x01\x02\t" << QVariant(QStringLiteral(" \n ")) << "対応が必要"
                                            << "セッションが入力を待っています。";
        QTest::newRow("project with format character")
            << QVariant(QStringLiteral("\u200Bapp\u200B ")) << none << "t" << none << "app — 対応が必要" << "t";
    }
    void notificationTexts()
    {
        QFETCH(QVariant, project);
        QFETCH(QVariant, event);
        QFETCH(QString, sessionTitle);
        QFETCH(QVariant, response);
        QFETCH(QString, title);
        QFETCH(QString, body);
        auto opt = [](const QVariant &v) { return v.isValid() ? std::optional<QString>(v.toString()) : std::nullopt; };
        QCOMPARE(AppModel::notificationTitle(opt(project), opt(event)), title);
        QCOMPARE(AppModel::notificationBody(sessionTitle, opt(response)), body);
    }

    void limitsCountUserPerceivedCharacters()
    {
        // A flag and an accented letter are one character each, made of two code points.
        const QString family = QStringLiteral("\U0001F1EF\U0001F1F5e\u0301");
        QString response;
        for (int i = 0; i < 300; ++i)
            response += family;
        const QString body = AppModel::notificationBody(QStringLiteral("t"), response);
        QCOMPARE(Text::graphemeCount(body), 200);
        QCOMPARE(body, response.left(family.size() * 100));
        const QString project(130, QLatin1Char('p'));
        QCOMPARE(AppModel::notificationTitle(project, {}), QString(120, QLatin1Char('p')) + QStringLiteral(" — 対応が必要"));
    }

    void policy()
    {
        QVERIFY(CardNotificationPolicy::shouldNotify(SessionColumn::idle, SessionColumn::attention));
        QVERIFY(CardNotificationPolicy::shouldNotify(SessionColumn::working, SessionColumn::attention));
        QVERIFY(!CardNotificationPolicy::shouldNotify(SessionColumn::attention, SessionColumn::attention));
        QVERIFY(!CardNotificationPolicy::shouldNotify(SessionColumn::attention, SessionColumn::idle));
    }

    void singleLineSanitising_data()
    {
        QTest::addColumn<QString>("in");
        QTest::addColumn<QString>("out");
        QTest::newRow("plain") << "fix the bug" << "fix the bug";
        QTest::newRow("line breaks removed, not replaced") << "a\nb\r\nc\u2028d" << "abcd";
        QTest::newRow("tabs and spaces trimmed") << " \t/review\t " << "/review";
        QTest::newRow("inner tab is a control character") << "a\tb" << "ab";
        QTest::newRow("escape sequence") << "\x1b[31mred" << "[31mred";
        QTest::newRow("only controls") << "\x01\n\x7f" << "";
    }
    void singleLineSanitising()
    {
        QFETCH(QString, in);
        QFETCH(QString, out);
        QCOMPARE(SlashInsertion::sanitizedSingleLine(in), out);
    }
};

QTEST_GUILESS_MAIN(TestAppModel)
#include "tst_appmodel.moc"
