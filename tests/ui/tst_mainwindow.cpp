// The main window: the sidebar and its selection, the detail area it chooses, the hook log page,
// and switching the interface language while windows are open.
#include "models/project.h"
#include "persistence/containerfactory.h"
#include "persistence/modelcontext.h"
#include "services/appmodel.h"
#include "services/localizationmanager.h"
#include "support/testsupport.h"
#include "views/generalsettingspage.h"
#include "views/boardview.h"
#include "views/hooklogview.h"
#include "views/mainwindow.h"
#include "views/preferenceswindow.h"
#include "views/projectdashboardview.h"
#include "views/sidebarview.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QTabWidget>
#include <QTest>

using namespace Brindlewick;

class TestMainWindow : public QObject {
    Q_OBJECT
    std::unique_ptr<BrindlewickTest::TempHome> m_home;
    std::unique_ptr<ModelContainer> m_container;

    ModelContext &ctx() { return m_container->mainContext(); }
    Project *addProject(const QString &name, qint64 order, std::optional<QString> color = {})
    {
        auto *p = ctx().insert(std::make_unique<Project>(QStringLiteral("/srv/") + name, name, color, order));
        ctx().save();
        return p;
    }
    static QStringList rowTexts(QListWidget *list)
    {
        QStringList out;
        for (int i = 0; i < list->count(); ++i)
            out << list->item(i)->text();
        return out;
    }

private Q_SLOTS:
    void initTestCase() { qputenv("LC_ALL", "C"); }
    void init()
    {
        m_home = std::make_unique<BrindlewickTest::TempHome>();
        m_container = std::move(*ContainerFactory::make(true));
    }
    void cleanup()
    {
        m_container.reset();
        m_home.reset();
    }

    void sidebarListsFixedItemsThenProjectsInOrder()
    {
        AppModel model(nullptr);
        MainWindow window(ctx(), model);
        QListWidget *list = window.sidebar()->list();
        QCOMPARE(rowTexts(list), (QStringList{QStringLiteral("ボード"), QStringLiteral("フックログ"),
                                              QStringLiteral("プロジェクト"), QStringLiteral("プロジェクトがありません")}));
        addProject(QStringLiteral("beta"), 2);
        addProject(QStringLiteral("alpha"), 1, QStringLiteral("#FF8800"));
        QTest::qWait(5);
        addProject(QStringLiteral("gamma"), 2); // same order: creation decides
        QTRY_COMPARE(rowTexts(list).mid(3), (QStringList{QStringLiteral("alpha"), QStringLiteral("beta"), QStringLiteral("gamma")}));
        // The board is selected at start.
        QCOMPARE(list->currentItem()->text(), QStringLiteral("ボード"));
    }

    void selectionChoosesTheDetail()
    {
        AppModel model(nullptr);
        MainWindow window(ctx(), model);
        Project *a = addProject(QStringLiteral("alpha"), 0);
        Project *b = addProject(QStringLiteral("beta"), 1);
        QCOMPARE(window.currentDetail(), static_cast<QWidget *>(window.board()));

        QListWidget *list = window.sidebar()->list();
        QTRY_COMPARE(list->count(), 5);
        list->setCurrentRow(1);
        QCOMPARE(*model.selection(), SidebarItem::hookLog());
        QCOMPARE(window.currentDetail(), static_cast<QWidget *>(window.hookLog()));

        list->setCurrentRow(3);
        QCOMPARE(*model.selection(), SidebarItem::project(a->id()));
        ProjectDashboardView *first = window.dashboard();
        QVERIFY(first);
        QCOMPARE(first->findChild<QLabel *>(QStringLiteral("projectName"))->text(), QStringLiteral("alpha"));
        QCOMPARE(first->findChild<QLabel *>(QStringLiteral("projectRootPath"))->text(), QStringLiteral("/srv/alpha"));
        QVERIFY(first->findChild<QLabel *>(QStringLiteral("projectRootPath"))->textInteractionFlags() &
                Qt::TextSelectableByMouse);

        // Another project: a dashboard built afresh. The model drives the sidebar too.
        model.setSelection(SidebarItem::project(b->id()));
        QVERIFY(window.dashboard() && window.dashboard()->projectID() == b->id());
        QCOMPARE(list->currentItem()->text(), QStringLiteral("beta"));
        model.setSelection(std::nullopt);
        QCOMPARE(window.currentDetail(), static_cast<QWidget *>(window.board()));
    }

    void dashboardOfAVanishedProject()
    {
        AppModel model(nullptr);
        MainWindow window(ctx(), model);
        Project *a = addProject(QStringLiteral("alpha"), 0);
        model.setSelection(SidebarItem::project(a->id()));
        ctx().remove(a);
        QVERIFY(ctx().save().ok());
        auto *notFound = window.dashboard()->findChild<QLabel *>(QStringLiteral("projectNotFound"));
        QVERIFY(notFound->isVisibleTo(window.dashboard()));
        QCOMPARE(notFound->text(), QStringLiteral("プロジェクトが見つかりません"));
    }

    void hookLogShowsEntriesNewestFirst()
    {
        AppModel model(nullptr);
        HookLogView view(model);
        QCOMPARE(view.heading()->text(), QStringLiteral("受信ログ（0）"));
        QVERIFY(view.findChild<QLabel *>(QStringLiteral("hookLogEmpty"))->text() == QStringLiteral("ログなし"));
        model.logHook(QStringLiteral("not-a-card"), SessionColumn::attention, false, QDateTime::currentDateTime());
        model.logHook(QStringLiteral("B5A1…"), SessionColumn::idle, true, QDateTime::currentDateTime());
        QCOMPARE(view.heading()->text(), QStringLiteral("受信ログ（2）"));
        QCOMPARE(view.list()->count(), 2);
        QVERIFY(view.list()->item(0)->toolTip().isEmpty());
        QCOMPARE(view.list()->item(1)->toolTip(),
                 QStringLiteral("どのセッションにも反映されませんでした（未知 card か古いイベント）"));
        QVERIFY(view.list()->item(1)->data(Qt::AccessibleTextRole).toString().contains(QStringLiteral("要確認")));
    }

    void languageSwitchRetranslatesOpenWindows()
    {
        LocalizationManager localization;
        AppModel model(nullptr);
        MainWindow window(ctx(), model);
        PreferencesWindow preferences(localization);
        window.show();
        preferences.show();
        QCOMPARE(preferences.tabs()->count(), 1);
        QCOMPARE(preferences.tabs()->tabText(0), QStringLiteral("一般"));
        auto *picker = preferences.findChild<QComboBox *>(QStringLiteral("languagePicker"));
        QStringList names;
        for (int i = 0; i < picker->count(); ++i)
            names << picker->itemText(i);
        QCOMPARE(names, (QStringList{QStringLiteral("システムに従う"), QStringLiteral("日本語"), QStringLiteral("English"),
                                     QStringLiteral("한국어"), QStringLiteral("Deutsch")}));

        picker->setCurrentIndex(2);
        Q_EMIT picker->activated(2);
        QCOMPARE(localization.language(), AppLanguage::en);
        QTRY_COMPARE(window.sidebar()->list()->item(0)->text(), QStringLiteral("Board"));
        QCOMPARE(window.hookLog()->heading()->text(), QStringLiteral("Received log (0)"));
        QCOMPARE(preferences.tabs()->tabText(0), QStringLiteral("General"));
        QCOMPARE(picker->itemText(0), QStringLiteral("Follow the system"));

        localization.setLanguage(AppLanguage::system);
        QTRY_COMPARE(window.sidebar()->list()->item(0)->text(), QStringLiteral("ボード"));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
