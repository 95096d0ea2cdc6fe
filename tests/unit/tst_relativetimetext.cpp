// Relative activity texts: which unit, how many, and their wording with plural forms per language.
#include "services/relativetimetext.h"

#include <QCoreApplication>
#include <QTest>
#include <QTranslator>

using namespace Brindlewick;
using Unit = RelativeTimeText::Unit;

class TestRelativeTimeText : public QObject {
    Q_OBJECT
    QDateTime now() const { return QDateTime(QDate(2024, 3, 31), QTime(12, 0, 0), Qt::LocalTime); }

private Q_SLOTS:
    void initTestCase() { Q_INIT_RESOURCE(translations); }

    void amount_data()
    {
        QTest::addColumn<QDateTime>("date");
        QTest::addColumn<int>("unit");
        QTest::addColumn<qint64>("count");
        QTest::addColumn<bool>("future");
        const QDateTime n = now();
        QTest::newRow("same moment") << n << int(Unit::second) << 0ll << false;
        QTest::newRow("59 s") << n.addSecs(-59) << int(Unit::second) << 59ll << false;
        QTest::newRow("60 s") << n.addSecs(-60) << int(Unit::minute) << 1ll << false;
        QTest::newRow("1 h 59 min truncates") << n.addSecs(-(3600 + 59 * 60)) << int(Unit::hour) << 1ll << false;
        QTest::newRow("23 h 59 min") << n.addSecs(-(86400 - 60)) << int(Unit::hour) << 23ll << false;
        QTest::newRow("yesterday is one day, numerically") << n.addDays(-1) << int(Unit::day) << 1ll << false;
        QTest::newRow("6 days") << n.addDays(-6) << int(Unit::day) << 6ll << false;
        QTest::newRow("8 days is a week") << n.addDays(-8) << int(Unit::week) << 1ll << false;
        QTest::newRow("30 days back from 31 March") << n.addDays(-30) << int(Unit::week) << 4ll << false;
        QTest::newRow("a calendar month") << n.addMonths(-1) << int(Unit::month) << 1ll << false;
        QTest::newRow("11 months") << n.addMonths(-11) << int(Unit::month) << 11ll << false;
        QTest::newRow("a year") << n.addYears(-1) << int(Unit::year) << 1ll << false;
        QTest::newRow("years") << n.addYears(-3).addDays(-5) << int(Unit::year) << 3ll << false;
        QTest::newRow("future minutes") << n.addSecs(150) << int(Unit::minute) << 2ll << true;
        QTest::newRow("UTC date, local now") << n.toUTC().addSecs(-7200) << int(Unit::hour) << 2ll << false;
    }
    void amount()
    {
        QFETCH(QDateTime, date);
        QFETCH(int, unit);
        QFETCH(qint64, count);
        QFETCH(bool, future);
        QCOMPARE(RelativeTimeText::amount(date, now()), (RelativeTimeText::Amount{Unit(unit), count, future}));
    }

    void wording_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("unit");
        QTest::addColumn<qint64>("count");
        QTest::addColumn<bool>("future");
        QTest::addColumn<QString>("text");
        QTest::newRow("ja (keys)") << "" << int(Unit::minute) << 3ll << false << QString::fromUtf8("3 分前");
        QTest::newRow("ja one") << "" << int(Unit::hour) << 1ll << false << QString::fromUtf8("1 時間前");
        QTest::newRow("en one") << "en" << int(Unit::minute) << 1ll << false << "1 minute ago";
        QTest::newRow("en many") << "en" << int(Unit::minute) << 3ll << false << "3 minutes ago";
        QTest::newRow("en zero") << "en" << int(Unit::second) << 0ll << false << "0 seconds ago";
        QTest::newRow("en future") << "en" << int(Unit::day) << 2ll << true << "in 2 days";
        QTest::newRow("de one") << "de" << int(Unit::day) << 1ll << false << "vor 1 Tag";
        QTest::newRow("de many") << "de" << int(Unit::day) << 5ll << false << "vor 5 Tagen";
        QTest::newRow("de future one") << "de" << int(Unit::week) << 1ll << true << "in 1 Woche";
        QTest::newRow("de months") << "de" << int(Unit::month) << 2ll << false << "vor 2 Monaten";
        QTest::newRow("ko") << "ko" << int(Unit::minute) << 3ll << false << QString::fromUtf8("3분 전");
        QTest::newRow("ko future") << "ko" << int(Unit::year) << 1ll << true << QString::fromUtf8("1년 후");
    }
    void wording()
    {
        QFETCH(QString, language);
        QFETCH(int, unit);
        QFETCH(qint64, count);
        QFETCH(bool, future);
        QFETCH(QString, text);
        QTranslator translator;
        if (!language.isEmpty()) {
            QVERIFY(translator.load(QStringLiteral(":/i18n/brindlewick_%1.qm").arg(language)));
            QCoreApplication::installTranslator(&translator);
        }
        QCOMPARE(RelativeTimeText::text({Unit(unit), count, future}), text);
        QCoreApplication::removeTranslator(&translator);
    }
};

QTEST_GUILESS_MAIN(TestRelativeTimeText)
#include "tst_relativetimetext.moc"
