// The terminal preferences page: themes and colours are stored and reach a running terminal at
// once (its 16 ANSI colours included); the switches are stored.
#include "services/preferences.h"
#include "services/sessionprocessmanager.h"
#include "support/terminalhome.h"
#include "views/sessionterminalview.h"
#include "views/terminalsettingsview.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTest>

using namespace Brindlewick;

class TestTerminalSettings : public QObject {
    Q_OBJECT
    std::unique_ptr<BrindlewickTest::TerminalHome> m_home;
    QTemporaryDir m_work;

private Q_SLOTS:
    void initTestCase() {
        m_home = std::make_unique<BrindlewickTest::TerminalHome>();
        SessionTerminalView::installFactory();
    }
    void cleanupTestCase() {
        SessionProcessManager::shared().terminateAll();
        QVERIFY(SessionProcessManager::shared().waitForTerminations(4000));
    }

    void themesAndColoursReachRunningTerminals() {
        auto *view = dynamic_cast<SessionTerminalView *>(SessionProcessManager::shared().terminalView(
            QUuid::createUuid(), m_work.path(), false, false, std::nullopt));
        QVERIFY(view);
        Preferences::setValue(QStringLiteral("terminal.theme.id"), QStringLiteral("no-such-theme"));
        TerminalSettingsView page;
        QCOMPARE(page.themePicker()->currentData().toString(), QStringLiteral("default"));
        QCOMPARE(page.themePicker()->count(), 4);

        page.chooseTheme(QStringLiteral("dracula"));
        QCOMPARE(Preferences::value(QStringLiteral("terminal.color.foreground")).toString(),
                 QStringLiteral("F8F8F2"));
        QCOMPARE(Preferences::value(QStringLiteral("terminal.color.background")).toString(),
                 QStringLiteral("282A36"));
        QCOMPARE(Preferences::value(QStringLiteral("terminal.theme.id")).toString(),
                 QStringLiteral("dracula"));
        QByteArray scheme = BrindlewickTest::readFile(view->colorSchemePath());
        QVERIFY(scheme.contains("[Background]\nBold=false\nColor=40,42,54"));
        QVERIFY(scheme.contains("[Color1]\nBold=false\nColor=255,85,85"));

        page.setColor(true, 0xFF0000);
        QCOMPARE(Preferences::value(QStringLiteral("terminal.color.foreground")).toString(),
                 QStringLiteral("FF0000"));
        QVERIFY(BrindlewickTest::readFile(view->colorSchemePath())
                    .contains("[Foreground]\nBold=false\nColor=255,0,0"));

        page.resetButton()->click();
        QCOMPARE(Preferences::value(QStringLiteral("terminal.color.foreground")).toString(),
                 QStringLiteral("FFFFFF"));
        QCOMPARE(Preferences::value(QStringLiteral("terminal.color.background")).toString(),
                 QStringLiteral("1E1E1E"));
        QCOMPARE(page.themePicker()->currentData().toString(), QStringLiteral("default"));
        scheme = BrindlewickTest::readFile(view->colorSchemePath());
        QVERIFY(scheme.contains("[Background]\nBold=false\nColor=30,30,30"));
        QVERIFY(scheme.contains("[Color1]\nBold=false\nColor=205,49,49"));
    }

    void switchesAreStored() {
        Preferences::remove(QStringLiteral("terminal.behavior.copyOnSelect"));
        TerminalSettingsView page;
        QVERIFY(page.copyOnSelect()->isChecked()); // never written reads as on
        QVERIFY(page.dimUnfocused()->isChecked());
        QVERIFY(!page.remoteControl()->isChecked());
        page.resize(560, 1100);
        QVERIFY(page.grab().save(QStringLiteral(BW_BINARY_DIR "/tests/terminal-settings.png")));
        page.copyOnSelect()->click();
        page.remoteControl()->click();
        QCOMPARE(Preferences::value(QStringLiteral("terminal.behavior.copyOnSelect")).toBool(), false);
        QVERIFY(Preferences::contains(QStringLiteral("terminal.behavior.copyOnSelect")));
        QCOMPARE(Preferences::value(QStringLiteral("session.launch.remoteControl")).toBool(), true);
    }
};

QTEST_MAIN(TestTerminalSettings)
#include "tst_terminalsettings.moc"
