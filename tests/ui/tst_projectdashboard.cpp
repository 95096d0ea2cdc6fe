// The project dashboard's blocks in order, and a started session reaching the main window's
// open request with its first instruction.
#include "models/project.h"
#include "persistence/containerfactory.h"
#include "persistence/modelcontext.h"
#include "services/appmodel.h"
#include "support/testsupport.h"
#include "views/mainwindow.h"
#include "views/orphanworktreesection.h"
#include "views/projectdashboardview.h"
#include "views/sessionlaunchersection.h"

#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Brindlewick;

class TestProjectDashboard : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void blocksInOrderAndStartReachesTheMainWindow() {
        BrindlewickTest::TempHome home;
        auto container = std::move(*ContainerFactory::make(true));
        ModelContext &ctx = container->mainContext();
        QTemporaryDir folder;
        Project *p =
            ctx.insert(std::make_unique<Project>(folder.path(), QStringLiteral("alpha"), std::nullopt, 0));
        QVERIFY(ctx.save().ok());
        AppModel model(nullptr);
        MainWindow window(ctx, model);
        model.setSelection(SidebarItem::project(p->id()));
        ProjectDashboardView *dashboard = window.dashboard();
        QVERIFY(dashboard);
        SessionLauncherSection *launcher = dashboard->sessionLauncher();
        OrphanWorktreeSection *orphans = dashboard->orphanSection();
        QVERIFY(launcher && orphans);
        // The session block comes right after the header; the left-over worktrees come last.
        QLayout *column = launcher->parentWidget()->layout();
        QCOMPARE(orphans->parentWidget(), launcher->parentWidget());
        QVERIFY(column->indexOf(launcher) < column->indexOf(dashboard->sectionsLayout()));
        QVERIFY(column->indexOf(dashboard->sectionsLayout()) < column->indexOf(orphans));

        QSignalSpy open(&window, &MainWindow::openSessionRequested);
        QSignalSpy withInput(&window, &MainWindow::openSessionWithInputRequested);
        launcher->firstPromptField()->setText(QStringLiteral("hello"));
        launcher->startButton()->click();
        QCOMPARE(open.count(), 1);
        QCOMPARE(withInput.count(), 1);
        QCOMPARE(withInput.at(0).at(0).toUuid(), open.at(0).at(0).toUuid());
        QCOMPARE(withInput.at(0).at(1).toString(), QStringLiteral("hello"));
        QCOMPARE(p->sessions().size(), size_t(1));

        // A session row opens its window without any input.
        QTRY_VERIFY(launcher->findChild<QPushButton *>(QStringLiteral("sessionRow")));
        launcher->findChild<QPushButton *>(QStringLiteral("sessionRow"))->click();
        QCOMPARE(open.count(), 2);
        QCOMPARE(withInput.count(), 1);
    }
};

QTEST_MAIN(TestProjectDashboard)
#include "tst_projectdashboard.moc"
