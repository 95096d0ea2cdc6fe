// The sidebar's commands: adding folders (with git finding the repository root), the notice for a
// folder added twice, rename, colour, moves and drags, and deletion with its refusal and counts.
#include "unit/gittesthelpers.h"

#include "models/note.h"
#include "models/project.h"
#include "models/session.h"
#include "models/taskitem.h"
#include "persistence/containerfactory.h"
#include "persistence/modelcontext.h"
#include "services/appmodel.h"
#include "services/sessionprocessmanager.h"
#include "support/testsupport.h"
#include "views/sidebarprompts.h"
#include "views/sidebarview.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <deque>

using namespace Brindlewick;

namespace {

// Answers the sidebar's dialogs from queued answers and records every alert; never shows a modal.
class AnsweringPrompts final : public SidebarPrompts {
public:
    std::deque<std::optional<QString>> folders;
    std::deque<std::optional<QString>> names;
    std::deque<bool> confirmations;
    QList<QPair<QString, QString>> alerts;
    QStringList deleteMessages;
    QStringList renameOffers;

    std::optional<QString> chooseFolder(QWidget *) override {
        return take(folders, std::optional<QString>());
    }
    std::optional<QString> askRename(QWidget *, const QString &current) override {
        renameOffers << current;
        return take(names, std::optional<QString>());
    }
    bool confirmDelete(QWidget *, const QString &message) override {
        deleteMessages << message;
        return take(confirmations, false);
    }
    void showAlert(QWidget *, const QString &title, const QString &message) override {
        alerts << qMakePair(title, message);
    }

private:
    template <class T> static T take(std::deque<T> &q, T fallback) {
        if (q.empty())
            return fallback;
        T v = q.front();
        q.pop_front();
        return v;
    }
};

QAction *action(QMenu *menu, const char *name) {
    return menu->findChild<QAction *>(QString::fromLatin1(name));
}

} // namespace

class TestSidebar : public QObject {
    Q_OBJECT
    std::unique_ptr<BrindlewickTest::TempHome> m_home;
    std::unique_ptr<ModelContainer> m_container;
    std::unique_ptr<AppModel> m_model;
    std::unique_ptr<SidebarView> m_sidebar;
    AnsweringPrompts *m_prompts = nullptr;

    ModelContext &ctx() { return m_container->mainContext(); }
    Project *addProject(const QString &name, qint64 order) {
        auto *p = ctx().insert(
            std::make_unique<Project>(QStringLiteral("/srv/") + name, name, std::nullopt, order));
        ctx().save();
        return p;
    }
    QStringList projectNames() {
        QStringList out;
        for (int i = 3; i < m_sidebar->list()->count(); ++i)
            out << m_sidebar->list()->item(i)->text();
        return out;
    }
    QList<qint64> orders(const QList<Project *> &projects) {
        QList<qint64> out;
        for (auto *p : projects)
            out << p->sortOrder();
        return out;
    }

private Q_SLOTS:
    void initTestCase() { qputenv("LC_ALL", "C"); }
    void init() {
        m_home = std::make_unique<BrindlewickTest::TempHome>();
        m_container = std::move(*ContainerFactory::make(true));
        m_model = std::make_unique<AppModel>(nullptr);
        m_sidebar = std::make_unique<SidebarView>(ctx(), *m_model);
        auto prompts = std::make_unique<AnsweringPrompts>();
        m_prompts = prompts.get();
        m_sidebar->setPrompts(std::move(prompts));
    }
    void cleanup() {
        m_sidebar.reset();
        m_model.reset();
        m_container.reset();
        m_home.reset();
    }

    void addingAFolderRegistersItsRepositoryRoot() {
        QTemporaryDir tmp;
        const QString repo = QFileInfo(tmp.path()).canonicalFilePath() + QStringLiteral("/my repo");
        QVERIFY(BrindlewickTest::makeRepository(repo));
        QDir().mkpath(repo + QStringLiteral("/src/deep"));
        QCOMPARE(m_sidebar->addButton()->toolTip(),
                 QStringLiteral(
                     "フォルダを選択してプロジェクトを追加します（git リポジトリならルートに束ねます）。"));

        // Cancelling the picker does nothing.
        m_prompts->folders.push_back(std::nullopt);
        m_sidebar->addButton()->click();
        QCOMPARE(ctx().fetch<Project>().size(), size_t(0));

        QSignalSpy finished(m_sidebar.get(), &SidebarView::addFinished);
        m_prompts->folders.push_back(repo + QStringLiteral("/src/deep"));
        m_sidebar->addButton()->click();
        QVERIFY(finished.wait());
        const auto projects = ctx().fetch<Project>();
        QCOMPARE(projects.size(), size_t(1));
        QCOMPARE(projects[0]->rootPath(), repo);
        QCOMPARE(projects[0]->displayName(), QStringLiteral("my repo"));
        QCOMPARE(*m_model->selection(), SidebarItem::project(projects[0]->id()));
        QVERIFY(m_sidebar->infoMessage().isEmpty());
        QTRY_COMPARE(projectNames(), QStringList{QStringLiteral("my repo")});
        QCOMPARE(m_sidebar->list()->currentItem()->text(), QStringLiteral("my repo"));

        // The same repository again: selected, with a notice that goes after 2.5 seconds.
        m_model->setSelection(SidebarItem::board());
        m_prompts->folders.push_back(repo + QStringLiteral("/"));
        m_sidebar->addProject();
        QVERIFY(finished.wait());
        QCOMPARE(ctx().fetch<Project>().size(), size_t(1));
        QCOMPARE(*m_model->selection(), SidebarItem::project(projects[0]->id()));
        QCOMPARE(m_sidebar->infoMessage(), QStringLiteral("「my repo」は既に追加済みです"));
        auto *banner = m_sidebar->findChild<QLabel *>(QStringLiteral("sidebarInfoBanner"));
        QVERIFY(banner->isVisibleTo(m_sidebar.get()));
        QCOMPARE(banner->text(), m_sidebar->infoMessage());
        QTest::qWait(2000);
        QVERIFY(!m_sidebar->infoMessage().isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(m_sidebar->infoMessage().isEmpty(), 2000);
        QTRY_VERIFY(!banner->isVisibleTo(m_sidebar.get()));
        QVERIFY(m_prompts->alerts.isEmpty());
    }

    void anUnusableFolderIsAnAlert() {
        QSignalSpy finished(m_sidebar.get(), &SidebarView::addFinished);
        m_sidebar->addFolder(QStringLiteral("   "));
        QVERIFY(finished.wait());
        QCOMPARE(m_prompts->alerts.size(), 1);
        QCOMPARE(m_prompts->alerts[0].first, QStringLiteral("プロジェクトを追加できません"));
        QCOMPARE(m_prompts->alerts[0].second,
                 QStringLiteral(
                     "選択されたフォルダのパスを解決できませんでした。別のフォルダを選択してください。"));
        QVERIFY(!m_model->selection() || m_model->selection()->kind != SidebarItem::Kind::project);
    }

    void renameAndColourFromTheContextMenu() {
        Project *p = addProject(QStringLiteral("alpha"), 0);
        std::unique_ptr<QMenu> menu(m_sidebar->contextMenuFor(p->id(), nullptr));
        m_prompts->names = {QStringLiteral("   "), std::nullopt, QStringLiteral("  beta ")};
        action(menu.get(), "renameProject")->trigger();
        QCOMPARE(m_prompts->renameOffers, QStringList{QStringLiteral("alpha")});
        QCOMPARE(m_prompts->alerts.size(), 1);
        QCOMPARE(m_prompts->alerts[0].first, QStringLiteral("操作に失敗しました"));
        QCOMPARE(m_prompts->alerts[0].second, QStringLiteral("プロジェクト名を入力してください。"));
        QCOMPARE(p->displayName(), QStringLiteral("alpha"));
        action(menu.get(), "renameProject")->trigger(); // cancelled
        QCOMPARE(p->displayName(), QStringLiteral("alpha"));
        action(menu.get(), "renameProject")->trigger();
        QCOMPARE(p->displayName(), QStringLiteral("beta"));
        QTRY_COMPARE(projectNames(), QStringList{QStringLiteral("beta")});

        QMenu *colors = menu->findChild<QMenu *>(QStringLiteral("projectColorMenu"));
        QStringList titles;
        for (QAction *a : colors->actions())
            if (!a->isSeparator())
                titles << a->text();
        QCOMPARE(titles, (QStringList{QStringLiteral("レッド"), QStringLiteral("オレンジ"),
                                      QStringLiteral("イエロー"), QStringLiteral("グリーン"),
                                      QStringLiteral("ブルー"), QStringLiteral("パープル"),
                                      QStringLiteral("グレー"), QStringLiteral("なし")}));
        colors->actions().at(4)->trigger();
        QCOMPARE(p->colorHex(), QStringLiteral("007AFF"));
        action(colors, "noColor")->trigger();
        QCOMPARE(p->colorHex(), std::nullopt);
        QVERIFY(!ctx().hasChanges());
    }

    void movesUpAndDown() {
        // Gaps and ties before the move; 0…N−1 after it.
        Project *a = addProject(QStringLiteral("a"), 4);
        Project *b = addProject(QStringLiteral("b"), 9);
        QTest::qWait(2);
        Project *c = addProject(QStringLiteral("c"), 9);
        std::unique_ptr<QMenu> first(m_sidebar->contextMenuFor(a->id(), nullptr));
        std::unique_ptr<QMenu> second(m_sidebar->contextMenuFor(b->id(), nullptr));
        std::unique_ptr<QMenu> last(m_sidebar->contextMenuFor(c->id(), nullptr));
        QVERIFY(!action(first.get(), "moveUp")->isEnabled());
        QVERIFY(action(first.get(), "moveDown")->isEnabled());
        QVERIFY(action(last.get(), "moveUp")->isEnabled());
        QVERIFY(!action(last.get(), "moveDown")->isEnabled());
        QStringList texts;
        for (QAction *act : second->actions())
            if (!act->isSeparator())
                texts << act->text();
        QCOMPARE(texts,
                 (QStringList{QStringLiteral("名前を変更…"), QStringLiteral("色"), QStringLiteral("上へ移動"),
                              QStringLiteral("下へ移動"), QStringLiteral("削除…")}));

        action(second.get(), "moveUp")->trigger();
        QCOMPARE(orders({a, b, c}), (QList<qint64>{1, 0, 2}));
        QVERIFY(!ctx().hasChanges());
        QTRY_COMPARE(projectNames(),
                     (QStringList{QStringLiteral("b"), QStringLiteral("a"), QStringLiteral("c")}));
        m_sidebar->moveProject(2, ProjectReorder::Direction::down); // the last: nothing
        m_sidebar->moveProject(0, ProjectReorder::Direction::down);
        QCOMPARE(orders({a, b, c}), (QList<qint64>{0, 1, 2}));
    }

    void dragsReorder() {
        Project *a = addProject(QStringLiteral("a"), 0);
        Project *b = addProject(QStringLiteral("b"), 1);
        Project *c = addProject(QStringLiteral("c"), 2);
        QSignalSpy changes(&ctx(), &ModelContext::changed);
        m_sidebar->moveProjects({0}, 1); // onto its own place: nothing saved
        QCOMPARE(changes.count(), 0);
        m_sidebar->moveProjects({0, 1}, 3);
        QCOMPARE(orders({a, b, c}), (QList<qint64>{1, 2, 0}));

        // A drop on the list: the dragged row goes into the gap under the pointer.
        m_sidebar->resize(240, 400);
        m_sidebar->show();
        QListWidget *list = m_sidebar->list();
        QTRY_COMPARE(projectNames(),
                     (QStringList{QStringLiteral("c"), QStringLiteral("a"), QStringLiteral("b")}));
        list->setCurrentRow(5); // b
        const QRect top = list->visualItemRect(list->item(3));
        m_sidebar->dropAt(QPoint(top.center().x(), top.top() + 2));
        QCOMPARE(orders({a, b, c}), (QList<qint64>{2, 0, 1}));
        QTRY_COMPARE(projectNames(),
                     (QStringList{QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("a")}));
        // Below the last row's middle: after it.
        list->setCurrentRow(3); // b
        const QRect last = list->visualItemRect(list->item(5));
        m_sidebar->dropAt(QPoint(last.center().x(), last.bottom() - 1));
        QCOMPARE(orders({a, b, c}), (QList<qint64>{1, 2, 0}));
    }

    void deletionIsRefusedOrConfirmed() {
        Project *p = addProject(QStringLiteral("alpha"), 0);
        Session *s = ctx().insert(std::make_unique<Session>(QStringLiteral("S"), QStringLiteral("/srv/alpha"),
                                                            false, false, false, 0, p));
        Session *wt = ctx().insert(
            std::make_unique<Session>(QStringLiteral("W"), QStringLiteral("/w"), true, false, false, 1, p));
        ctx().insert(std::make_unique<TaskItem>(QStringLiteral("t"), false, 0, p));
        ctx().insert(std::make_unique<Note>(QStringLiteral("n"), QStringLiteral(""), p));
        QVERIFY(ctx().save().ok());
        m_model->setSelection(SidebarItem::project(p->id()));

        // A worktree session blocks, and so does a live one.
        m_sidebar->attemptDelete(p->id());
        QCOMPARE(m_prompts->alerts.size(), 1);
        QCOMPARE(m_prompts->alerts[0].first, QStringLiteral("削除できません"));
        QCOMPARE(
            m_prompts->alerts[0].second,
            QStringLiteral(
                "「alpha」には稼働中または worktree のセッションが 1 件あります。先にそれらのセッションを閉じてください（閉じると worktree も後始末されます）。"));
        QObject terminal;
        SessionProcessManager::shared().registerTerminal(s->id(), &terminal);
        m_sidebar->attemptDelete(p->id());
        QVERIFY(m_prompts->alerts[1].second.contains(QStringLiteral("セッションが 2 件")));
        SessionProcessManager::shared().unregisterTerminal(s->id());
        QVERIFY(m_prompts->deleteMessages.isEmpty());
        ctx().remove(wt);
        QVERIFY(ctx().save().ok());

        // Nothing blocks: the confirmation names what goes with it; declining keeps everything.
        m_prompts->confirmations = {false, true};
        m_sidebar->attemptDelete(p->id());
        QCOMPARE(
            m_prompts->deleteMessages,
            QStringList{QStringLiteral(
                "「alpha」を削除します。セッション 1 件・タスク 1 件・メモ 1 件も一緒に削除されます。元に戻せません。")});
        QVERIFY(ctx().find<Project>(p->id()));
        const QUuid id = p->id();
        std::unique_ptr<QMenu> menu(m_sidebar->contextMenuFor(id, nullptr));
        action(menu.get(), "deleteProject")->trigger();
        QVERIFY(!ctx().find<Project>(id));
        QVERIFY(ctx().fetch<Session>().empty());
        QCOMPARE(*m_model->selection(), SidebarItem::board());
        QCOMPARE(m_prompts->alerts.size(), 2);
    }
};

QTEST_MAIN(TestSidebar)
#include "tst_sidebar.moc"
