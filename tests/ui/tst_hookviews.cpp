// The hooks preferences page and the first-run setup sheet, against a real settings file.
#include "services/hooksettingsinstaller.h"
#include "services/preferences.h"
#include "support/testsupport.h"
#include "views/hooksettingsview.h"
#include "views/hooksetupsheet.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace Brindlewick;
using namespace BrindlewickTest;

class TestHookViews : public QObject {
    Q_OBJECT
    std::unique_ptr<TempHome> m_home;
    QString settingsPath() const { return m_home->path() + QStringLiteral("/.claude/settings.json"); }
    HookSettingsInstaller installer() const
    {
        return HookSettingsInstaller(settingsPath(), m_home->path() + QStringLiteral("/.claude"));
    }
    static QPushButton *button(QWidget *w, const char *name) { return w->findChild<QPushButton *>(QLatin1String(name)); }
    static bool shown(QWidget *w, const char *name) { return button(w, name)->isVisibleTo(w); }

private Q_SLOTS:
    void initTestCase() { qputenv("LC_ALL", "C"); }
    void init() { m_home = std::make_unique<TempHome>(); }
    void cleanup() { m_home.reset(); }

    void installFromNoFileThenRemove()
    {
        HookSettingsView view(installer());
        QSignalSpy read(&view, &HookSettingsView::statusRead);
        QVERIFY(read.wait());
        QCOMPARE(view.findChild<QLabel *>(QStringLiteral("hookStatus"))->text(), QStringLiteral("未導入（設定ファイルなし）"));
        QVERIFY(shown(&view, "installHooks") && !shown(&view, "removeHooks") && !shown(&view, "recheckHooks"));

        button(&view, "installHooks")->click();
        QTRY_COMPARE(view.status(), std::optional(HookSettingsInstaller::Status::installed));
        QVERIFY(QFileInfo::exists(settingsPath()));
        QCOMPARE(view.findChild<QLabel *>(QStringLiteral("hookStatus"))->text(), QStringLiteral("導入済み"));
        QVERIFY(shown(&view, "reinstallHooks") && shown(&view, "removeHooks") && !shown(&view, "installHooks"));

        button(&view, "removeHooks")->click();
        QTRY_COMPARE(view.status(), std::optional(HookSettingsInstaller::Status::notInstalled));
        QVERIFY(Preferences::boolValue(QStringLiteral("hookSetupPromptSuppressed"), false));
        QVERIFY(view.errorMessage().isEmpty());
    }

    void aFailedRemovalStillStopsTheOffer()
    {
        QVERIFY(installer().install().ok());
        HookSettingsView view(installer());
        QTRY_COMPARE(view.status(), std::optional(HookSettingsInstaller::Status::installed));
        // The file turns unreadable behind the page's back: removing fails, the offer stops anyway.
        QVERIFY(writeFile(settingsPath(), "{ broken"));
        button(&view, "removeHooks")->click();
        QTRY_VERIFY(!view.errorMessage().isEmpty());
        QVERIFY(Preferences::boolValue(QStringLiteral("hookSetupPromptSuppressed"), false));
        QTRY_COMPARE(view.status(), std::optional(HookSettingsInstaller::Status::invalidJSON));
        QCOMPARE(readFile(settingsPath()), QByteArray("{ broken"));
    }

    void invalidFileOffersOnlyRecheck()
    {
        QDir().mkpath(m_home->path() + QStringLiteral("/.claude"));
        QVERIFY(writeFile(settingsPath(), "{\"hooks\": [1,"));
        HookSettingsView view(installer());
        QTRY_COMPARE(view.status(), std::optional(HookSettingsInstaller::Status::invalidJSON));
        QVERIFY(shown(&view, "recheckHooks"));
        QVERIFY(!shown(&view, "installHooks") && !shown(&view, "reinstallHooks") && !shown(&view, "removeHooks"));
        QVERIFY(writeFile(settingsPath(), "{}"));
        button(&view, "recheckHooks")->click();
        QTRY_COMPARE(view.status(), std::optional(HookSettingsInstaller::Status::notInstalled));
    }

    void setupSheetInstallErrorStaysOpen()
    {
        QDir().mkpath(m_home->path() + QStringLiteral("/.claude"));
        QVERIFY(writeFile(settingsPath(), "[1, 2]")); // valid JSON, but not an object: refused
        HookSetupSheet sheet(installer());
        sheet.show();
        button(&sheet, "installHooks")->click();
        QTRY_VERIFY(!sheet.errorMessage().isEmpty());
        QVERIFY(sheet.isVisible());
        QCOMPARE(readFile(settingsPath()), QByteArray("[1, 2]"));

        QVERIFY(writeFile(settingsPath(), "{}"));
        button(&sheet, "installHooks")->click();
        QTRY_VERIFY(!sheet.isVisible());
        QCOMPARE(sheet.result(), int(QDialog::Accepted));
        QCOMPARE(installer().status(), HookSettingsInstaller::Status::installed);
    }

    void notNowStopsTheOffer()
    {
        HookSetupSheet sheet(installer());
        sheet.show();
        button(&sheet, "notNow")->click();
        QVERIFY(!sheet.isVisible());
        QVERIFY(Preferences::boolValue(QStringLiteral("hookSetupPromptSuppressed"), false));
        QVERIFY(!QFileInfo::exists(settingsPath()));
    }
};

QTEST_MAIN(TestHookViews)
#include "tst_hookviews.moc"
