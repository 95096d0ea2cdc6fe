// The session window with real terminals (the fake claude and real bash shells): title, closing
// with and without confirmation, the ended-session alert, panes and their shells, dimming and
// the front session.
#include "models/project.h"
#include "models/session.h"
#include "models/uuidtext.h"
#include "persistence/containerfactory.h"
#include "persistence/modelcontext.h"
#include "services/appmodel.h"
#include "services/sessionlifecycle.h"
#include "services/sessionprocessmanager.h"
#include "services/windowgridlayout.h"
#include "support/terminalhome.h"
#include "views/sessionterminalview.h"
#include "views/sessionwindow.h"
#include "views/terminalpanesview.h"

#include <QAbstractButton>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QToolButton>

#include <csignal>

using namespace Brindlewick;
using BrindlewickTest::TerminalHome;
using Node = TerminalPaneNode;

class TestSessionWindow : public QObject {
    Q_OBJECT
    std::unique_ptr<TerminalHome> m_home;
    std::unique_ptr<ModelContainer> m_container;
    std::unique_ptr<AppModel> m_appModel;
    QTemporaryDir m_work;
    bool m_terminating = false;

    ModelContext &ctx() { return m_container->mainContext(); }
    SessionProcessManager &pm() { return SessionProcessManager::shared(); }
    Session *addSession(const QString &title, Project *project = nullptr) {
        auto *s =
            ctx().insert(std::make_unique<Session>(title, m_work.path(), false, false, false, 0, project));
        ctx().save();
        return s;
    }
    SessionWindow *open(const QUuid &id) {
        auto *w = new SessionWindow(id, ctx(), *m_appModel,
                                    [this](const QUuid &s) { SessionLifecycle::teardown(s, ctx()); });
        w->show();
        w->activateWindow();
        return w;
    }
    static QPushButton *button(QMessageBox *box, const QString &text) {
        for (QAbstractButton *b : box->buttons())
            if (b->text() == text)
                return qobject_cast<QPushButton *>(b);
        return nullptr;
    }
    qint64 fakePid(int run) {
        const QString file = m_home->fakeRun(run, QStringLiteral("pid"));
        [&] { QTRY_VERIFY_WITH_TIMEOUT(!BrindlewickTest::readFile(file).trimmed().isEmpty(), 10000); }();
        return BrindlewickTest::readFile(file).trimmed().toLongLong();
    }

private Q_SLOTS:
    void initTestCase() {
        m_home = std::make_unique<TerminalHome>();
        SessionTerminalView::installFactory();
        SessionWindow::setTerminatingCheck([this] { return m_terminating; });
        auto container = ContainerFactory::make(true);
        QVERIFY(container);
        m_container = std::move(*container);
        m_appModel = std::make_unique<AppModel>(nullptr);
    }
    void init() {
        m_home->clearRuns();
        m_terminating = false;
    }
    void cleanup() {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *s = qobject_cast<SessionWindow *>(w)) {
                m_terminating = true;
                s->close();
            }
        m_terminating = false;
        pm().terminateAll();
        QVERIFY(pm().waitForTerminations(4000));
    }

    void title() {
        auto *project = ctx().insert(
            std::make_unique<Project>(QStringLiteral("/srv/app"), QStringLiteral("App"), std::nullopt, 0));
        Session *withProject = addSession(QStringLiteral("Fix login"), project);
        QCOMPARE(SessionWindow::headerTitle(*withProject), QStringLiteral("App - Fix login"));
        auto *loose = ctx().insert(std::make_unique<Session>(
            QStringLiteral("Tidy"), QStringLiteral("/home/u/notes/"), false, false, false, 0, nullptr));
        QCOMPARE(SessionWindow::headerTitle(*loose), QStringLiteral("notes - Tidy"));
        ctx().rollback();
    }

    void missingSessionClosesItself() {
        QPointer<SessionWindow> w = open(QUuid::createUuid());
        QTRY_VERIFY(!w);
        QCOMPARE(m_home->fakeRunCount(), 0);
    }

    void vanishedFolderSaysSoAndRetries() {
        const QString folder = m_work.filePath(QStringLiteral("moved-away"));
        auto *session = ctx().insert(
            std::make_unique<Session>(QStringLiteral("S"), folder, false, false, false, 0, nullptr));
        ctx().save();
        const QUuid id = session->id();
        QPointer<SessionWindow> w = open(id);
        auto *notice = w->findChild<QWidget *>(QStringLiteral("workingDirectoryMissing"));
        QVERIFY(notice && notice->isVisible());
        QCOMPARE(w->findChild<QLabel *>(QStringLiteral("missingWorkingDirectory"))->text(), folder);
        QVERIFY(!w->panes());
        QVERIFY(!pm().hasTerminal(id));
        auto *retry = w->findChild<QPushButton *>(QStringLiteral("retryWorkingDirectory"));
        retry->click(); // still missing: nothing changes
        QTest::qWait(50);
        QVERIFY(!w->panes());
        QCOMPARE(m_home->fakeRunCount(), 0);

        QVERIFY(QDir().mkpath(folder));
        retry->click();
        QTRY_VERIFY(w->panes());
        QVERIFY(pm().hasTerminal(id));
        fakePid(1);
        QCOMPARE(QString::fromUtf8(BrindlewickTest::readFile(m_home->fakeRun(1, QStringLiteral("cwd"))).trimmed()), folder);
    }

    void closingWithVanishedFolderKeepsTheRecord() {
        auto *session = ctx().insert(std::make_unique<Session>(
            QStringLiteral("S"), m_work.filePath(QStringLiteral("gone")), false, false, false, 0, nullptr));
        ctx().save();
        const QUuid id = session->id();
        QPointer<SessionWindow> w = open(id);
        w->close(); // nothing runs, so nothing to confirm; the card stays for the board to close
        QTRY_VERIFY(!w);
        QVERIFY(ctx().find<Session>(id));
    }

    void closingAsksWhileClaudeRuns() {
        const QUuid id = addSession(QStringLiteral("S"))->id();
        QPointer<SessionWindow> w = open(id);
        QVERIFY(pm().hasTerminal(id));
        const qint64 pid = fakePid(1);
        w->close();
        QTRY_VERIFY(w->closeConfirmation());
        QVERIFY(w->closeConfirmation()->isVisible());
        button(w->closeConfirmation(), QStringLiteral("キャンセル"))->click();
        QTest::qWait(50);
        QVERIFY(w && w->isVisible());
        QVERIFY(pm().hasTerminal(id));
        w->close();
        QTRY_VERIFY(w->closeConfirmation());
        button(w->closeConfirmation(), QStringLiteral("終了する"))->click();
        QTRY_VERIFY(!w);
        QVERIFY(!pm().hasTerminal(id));
        QVERIFY(!ctx().find<Session>(id));
        QTRY_VERIFY_WITH_TIMEOUT(!TerminalHome::processExists(pid), 3000);
    }

    void closingWhileQuittingKeepsTheRecord() {
        const QUuid id = addSession(QStringLiteral("S"))->id();
        QPointer<SessionWindow> w = open(id);
        const qint64 pid = fakePid(1);
        m_terminating = true;
        w->close();
        QTRY_VERIFY(!w);
        QVERIFY(ctx().find<Session>(id));
        QVERIFY(!pm().hasTerminal(id));
        QTRY_VERIFY_WITH_TIMEOUT(!TerminalHome::processExists(pid), 3000);
    }

    void endedSessionAlertsAndClosesWithoutAsking() {
        const QUuid id = addSession(QStringLiteral("S"))->id();
        QPointer<SessionWindow> w = open(id);
        ::kill(static_cast<pid_t>(fakePid(1)), SIGKILL);
        QTRY_VERIFY_WITH_TIMEOUT(w->exitAlert(), 3000);
        QCOMPARE(w->exitAlert()->text(), QStringLiteral("セッションが終了しました"));
        // The last screen stays.
        auto *terminal = qobject_cast<SessionTerminalView *>(w->panes()->paneTerminal(id));
        QVERIFY(terminal && terminal->isVisible());
        button(w->exitAlert(), QStringLiteral("このまま確認"))->click();
        QTest::qWait(50);
        QVERIFY(w);
        w->close(); // no question: the process has ended
        QTRY_VERIFY(!w);
        QVERIFY(!ctx().find<Session>(id));
    }

    void deletedElsewhereCloses() {
        const QUuid id = addSession(QStringLiteral("S"))->id();
        QPointer<SessionWindow> w = open(id);
        fakePid(1);
        SessionLifecycle::teardown(id, ctx()); // the board's "close session"
        QTRY_VERIFY(!w);
        QVERIFY(!pm().hasTerminal(id));
    }

    void splitsAndShells() {
        const QUuid id = addSession(QStringLiteral("S"))->id();
        QPointer<SessionWindow> w = open(id);
        QVERIFY(QTest::qWaitForWindowActive(w));
        TerminalPanesView *panes = w->panes();
        panes->paneTerminal(id)->setFocus();
        QTRY_COMPARE(pm().focusedPaneID(id), std::optional<QUuid>(id));
        w->splitFocusedPane(true);
        const Node &root = panes->grid().root;
        QVERIFY(root.isSplit && root.axis == Node::Axis::horizontal && root.children.size() == 2);
        const QUuid shell = root.children[1].id;
        QVERIFY(pm().auxShells().contains(shell));
        QTRY_COMPARE(pm().focusedPaneID(id), std::optional<QUuid>(shell)); // the new pane has focus
        w->splitFocusedPane(false);
        const Node &after = panes->grid().root;
        QVERIFY(after.children[1].isSplit && after.children[1].axis == Node::Axis::vertical);
        const QUuid second = after.children[1].children[1].id;
        QCOMPARE(pm().auxShellSession(second), std::optional<QUuid>(id));
        // The claude terminal was moved, not restarted.
        QTest::qWait(300);
        QCOMPARE(m_home->fakeRunCount(), 1);
        // `exit` in a shell closes its pane; the close button closes the other.
        const qint64 secondPid = pm().terminalFor(pm().auxShells().value(second))->processID();
        pm().terminalFor(pm().auxShells().value(second))->sendInput(QStringLiteral("exit\n"));
        QTRY_VERIFY_WITH_TIMEOUT(TerminalPaneGrid::shellLeaves(panes->grid().root) == QList<QUuid>{shell},
                                 5000);
        QVERIFY(pm().exitedAuxPanes().isEmpty());
        QTRY_VERIFY(!TerminalHome::processExists(secondPid));
        auto *close = panes->findChild<QToolButton *>(QStringLiteral("closeShellPane"));
        QVERIFY(close);
        close->click();
        QTRY_VERIFY(panes->grid().root == Node::leaf(id, Node::Kind::claude));
        QVERIFY(pm().auxShells().isEmpty());
        QVERIFY(pm().hasTerminal(id));
    }

    void focusAndTiling() {
        QVERIFY(!pm().focusWindow(QUuid::createUuid()));
        pm().arrangeWindowsInGrid(); // nothing running: nothing happens
        const QUuid a = addSession(QStringLiteral("A"))->id();
        const QUuid b = addSession(QStringLiteral("B"))->id();
        QPointer<SessionWindow> wa = open(a);
        QPointer<SessionWindow> wb = open(b);
        QVERIFY(QTest::qWaitForWindowActive(wb));
        QVERIFY(pm().focusWindow(a));
        QTRY_VERIFY(wa->isActiveWindow());
        pm().arrangeWindowsInGrid();
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        const QVector<QRect> frames = WindowGridLayout::frames(2, area);
        // Sorted by id text: the first id gets the left cell.
        const bool aFirst = uuidText(a) < uuidText(b);
        QTRY_COMPARE((aFirst ? wa : wb)->frameGeometry().topLeft(), frames[0].topLeft());
        QTRY_COMPARE((aFirst ? wb : wa)->frameGeometry().topLeft(), frames[1].topLeft());
    }

    void dimmingAndFrontSession() {
        const QUuid a = addSession(QStringLiteral("A"))->id();
        const QUuid b = addSession(QStringLiteral("B"))->id();
        QPointer<SessionWindow> wa = open(a);
        QVERIFY(QTest::qWaitForWindowActive(wa));
        QTRY_COMPARE(m_appModel->frontmostSessionID(), std::optional<QUuid>(a));
        QVERIFY(!wa->isDimmed());
        QPointer<SessionWindow> wb = open(b);
        QVERIFY(QTest::qWaitForWindowActive(wb));
        QTRY_COMPARE(m_appModel->frontmostSessionID(), std::optional<QUuid>(b));
        QTRY_VERIFY(wa->isDimmed());
        QVERIFY(!wb->isDimmed());
        wb->close();
        QTRY_VERIFY(wb && wb->closeConfirmation());
        button(wb->closeConfirmation(), QStringLiteral("終了する"))->click();
        QTRY_VERIFY(!wb);
        QVERIFY(m_appModel->frontmostSessionID() != std::optional<QUuid>(b));
    }
};

QTEST_MAIN(TestSessionWindow)
#include "tst_sessionwindow.moc"
