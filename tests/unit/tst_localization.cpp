// Text lookup and the interface language: formatting after lookup, the stored preference, and
// switching tables at run time.
#include "services/localization.h"
#include "services/localizationmanager.h"
#include "services/preferences.h"
#include "support/testsupport.h"

#include <QSignalSpy>
#include <QTest>

using namespace Brindlewick;

class TestLocalization : public QObject {
    Q_OBJECT
    std::unique_ptr<BrindlewickTest::TempHome> m_home;
private Q_SLOTS:
    void initTestCase() { qputenv("LC_ALL", "C"); }
    void init() { m_home = std::make_unique<BrindlewickTest::TempHome>(); }
    void cleanup() { m_home.reset(); }

    void formatting_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QVariantList>("args");
        QTest::addColumn<QString>("out");
        QTest::newRow("text") << "ブランチ「%@」を強制削除しますか？" << QVariantList{QStringLiteral("bwk/x")}
                              << "ブランチ「bwk/x」を強制削除しますか？";
        QTest::newRow("text and numbers") << "「%@」: %lld 件・%lld 件" << QVariantList{QStringLiteral("P"), 3, 12}
                                          << "「P」: 3 件・12 件";
        QTest::newRow("positions") << "%2$lld in %1$@" << QVariantList{QStringLiteral("P"), 7} << "7 in P";
        QTest::newRow("percent escape") << "100%% %@" << QVariantList{QStringLiteral("x")} << "100% x";
        QTest::newRow("lone percent kept") << "50% %@" << QVariantList{QStringLiteral("x")} << "50% x";
        QTest::newRow("missing argument") << "%@/%@" << QVariantList{QStringLiteral("a")} << "a/";
    }
    void formatting()
    {
        QFETCH(QString, format);
        QFETCH(QVariantList, args);
        QFETCH(QString, out);
        QCOMPARE(formatLocalized(format, args), out);
    }

    void missingKeysShowTheKeyAndPercentStaysWithoutArguments()
    {
        LocalizationManager manager;
        QCOMPARE(L("ブランチ「%@」を強制削除しますか？", QStringLiteral("main")), QStringLiteral("ブランチ「main」を強制削除しますか？"));
        QCOMPARE(L("まだ訳のない 100% テキスト"), QStringLiteral("まだ訳のない 100% テキスト"));
    }

    void unknownStoredLanguageReadsAsSystemAndIsKept()
    {
        Preferences::setValue(QStringLiteral("app.language"), QStringLiteral("fr"));
        LocalizationManager manager;
        QCOMPARE(manager.language(), AppLanguage::system);
        QCOMPARE(Preferences::value(QStringLiteral("app.language")).toString(), QStringLiteral("fr"));
    }

    void switchingLanguagesSwapsTablesAtOnce()
    {
        LocalizationManager manager;
        QCOMPARE(L("対応が必要"), QStringLiteral("対応が必要")); // C locale: no table, the key shows
        QSignalSpy locale(&manager, &LocalizationManager::localeChanged);
        manager.setLanguage(AppLanguage::en);
        QCOMPARE(Preferences::value(QStringLiteral("app.language")).toString(), QStringLiteral("en"));
        QCOMPARE(L("対応が必要"), QStringLiteral("Action needed"));
        QCOMPARE(manager.locale().language(), QLocale::English);
        QCOMPARE(locale.count(), 1);
        manager.setLanguage(AppLanguage::de);
        QCOMPARE(L("対応が必要"), QStringLiteral("Aktion erforderlich"));
        manager.setLanguage(AppLanguage::ko);
        QCOMPARE(L("システムに従う"), QStringLiteral("시스템 설정 따르기"));
        QCOMPARE(displayName(AppLanguage::de), QStringLiteral("Deutsch")); // names stay in their own language
        manager.setLanguage(AppLanguage::system);
        QCOMPARE(Preferences::value(QStringLiteral("app.language")).toString(), QStringLiteral("system"));
        QCOMPARE(L("対応が必要"), QStringLiteral("対応が必要"));

        LocalizationManager second; // a later launch reads what was stored
        QCOMPARE(second.language(), AppLanguage::system);
    }
};

QTEST_GUILESS_MAIN(TestLocalization)
#include "tst_localization.moc"
