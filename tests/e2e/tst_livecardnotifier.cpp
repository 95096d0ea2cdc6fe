// Attention notifications against a real notification daemon (dunst on a private session bus):
// what is posted, replacement per session, the click, and the bare-executable path.
#include "models/uuidtext.h"
#include "platform/appidentity.h"
#include "platform/livecardnotifier.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

using namespace Brindlewick;

namespace {

QByteArray dunstctl(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral("dunstctl"), args);
    if (!p.waitForFinished(5000))
        return {};
    return p.readAllStandardOutput().trimmed();
}

int displayed() { return dunstctl({QStringLiteral("count"), QStringLiteral("displayed")}).toInt(); }

// Summaries and bodies in dunst's history, newest first.
QVector<QPair<QString, QString>> history()
{
    QVector<QPair<QString, QString>> out;
    const QJsonObject doc = QJsonDocument::fromJson(dunstctl({QStringLiteral("history")})).object();
    const QJsonArray data = doc.value(QStringLiteral("data")).toArray().at(0).toArray();
    for (const QJsonValue &v : data) {
        const QJsonObject n = v.toObject();
        out.push_back({n.value(QStringLiteral("summary")).toObject().value(QStringLiteral("data")).toString(),
                       n.value(QStringLiteral("body")).toObject().value(QStringLiteral("data")).toString()});
    }
    return out;
}

} // namespace

class TestLiveCardNotifier : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        dunstctl({QStringLiteral("close-all")});
        QTRY_COMPARE(displayed(), 0);
    }

    void postsAndReplacesPerSession()
    {
        LiveCardNotifier notifier(applicationIdentifier());
        QSignalSpy posted(&notifier, &LiveCardNotifier::posted);
        const QUuid a = QUuid::createUuid(), b = QUuid::createUuid();
        notifier.post(QStringLiteral("Shop — 対応が必要"), QStringLiteral("first"), a);
        QTRY_COMPARE(posted.count(), 1);
        QTRY_COMPARE(displayed(), 1);
        const uint firstID = posted.at(0).at(1).toUInt();

        // The same session again, twice in a row before any answer: one notification remains.
        notifier.post(QStringLiteral("Shop — 応答が届きました"), QStringLiteral("second"), a);
        notifier.post(QStringLiteral("Shop — 応答が届きました"), QStringLiteral("third"), a);
        QTRY_COMPARE(posted.count(), 3);
        QCOMPARE(posted.at(2).at(1).toUInt(), firstID);
        QCOMPARE(displayed(), 1);

        notifier.post(QStringLiteral("Other — 対応が必要"), QStringLiteral("other"), b);
        QTRY_COMPARE(posted.count(), 4);
        QTRY_COMPARE(displayed(), 2);

        dunstctl({QStringLiteral("close-all")});
        QTRY_COMPARE(displayed(), 0);
        const auto shown = history();
        QVERIFY(shown.contains({QStringLiteral("Shop — 応答が届きました"), QStringLiteral("third")}));
        QVERIFY(shown.contains({QStringLiteral("Other — 対応が必要"), QStringLiteral("other")}));
        for (const auto &n : shown)
            QVERIFY2(n.second != QLatin1String("first") && n.second != QLatin1String("second"), "a replaced notification remained");
    }

    void clickNamesTheSession()
    {
        LiveCardNotifier notifier(applicationIdentifier());
        QSignalSpy posted(&notifier, &LiveCardNotifier::posted);
        QSignalSpy activated(&notifier, &LiveCardNotifier::activated);
        const QUuid a = QUuid::createUuid();
        notifier.post(QStringLiteral("P — 対応が必要"), QStringLiteral("body"), a);
        QTRY_COMPARE(posted.count(), 1);
        QTRY_COMPARE(displayed(), 1);
        dunstctl({QStringLiteral("action"), QStringLiteral("0")});
        QTRY_COMPARE(activated.count(), 1);
        QCOMPARE(activated.at(0).at(0).toString(), uuidText(a));
    }

    void bareExecutablePostsNothing()
    {
        LiveCardNotifier notifier(std::nullopt);
        QSignalSpy posted(&notifier, &LiveCardNotifier::posted);
        notifier.post(QStringLiteral("t"), QStringLiteral("b"), QUuid::createUuid());
        QTest::qWait(300);
        QCOMPARE(posted.count(), 0);
        QCOMPARE(displayed(), 0);
    }
};

QTEST_GUILESS_MAIN(TestLiveCardNotifier)
#include "tst_livecardnotifier.moc"
