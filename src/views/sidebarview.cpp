#include "views/sidebarview.h"

#include "models/project.h"
#include "persistence/modelcontext.h"
#include "services/appmodel.h"
#include "services/backgroundtask.h"
#include "services/colorhex.h"
#include "services/localization.h"
#include "services/logging.h"
#include "services/projectcolorpalette.h"
#include "services/projectcontroller.h"
#include "services/sessionprocessmanager.h"
#include "views/livesidebarprompts.h"
#include "views/symbols.h"

#include <QContextMenuEvent>
#include <QDropEvent>
#include <QEvent>
#include <QGraphicsOpacityEffect>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QPropertyAnimation>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace Brindlewick {

namespace {

enum Role { KindRole = Qt::UserRole + 1, ProjectIDRole, DotColorRole };
enum class RowKind { board, hookLog, header, project, empty };

// Draws a row: symbol, name truncated in the middle, and the project's colour dot.
class SidebarDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override {
        QSize s = QStyledItemDelegate::sizeHint(option, index);
        const auto kind = RowKind(index.data(KindRole).toInt());
        s.setHeight(std::max(s.height(), kind == RowKind::header ? 30 : 28));
        return s;
    }

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override {
        const auto kind = RowKind(index.data(KindRole).toInt());
        if (kind == RowKind::header || kind == RowKind::empty) {
            painter->save();
            QFont f = option.font;
            if (kind == RowKind::header) {
                f.setPointSizeF(f.pointSizeF() * 0.85);
                f.setBold(true);
            }
            painter->setFont(f);
            QColor c = option.palette.color(QPalette::Text);
            c.setAlphaF(kind == RowKind::header ? 0.55 : 0.45);
            painter->setPen(c);
            const QRect r = option.rect.adjusted(kind == RowKind::header ? 10 : 14,
                                                 kind == RowKind::header ? 6 : 0, -8, 0);
            painter->drawText(r, Qt::AlignLeft | Qt::AlignVCenter, index.data(Qt::DisplayRole).toString());
            painter->restore();
            return;
        }
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        opt.textElideMode = Qt::ElideMiddle;
        const QVariant dot = index.data(DotColorRole);
        if (dot.isValid())
            opt.rect.adjust(0, 0, -18, 0);
        QStyledItemDelegate::paint(painter, opt, index);
        if (dot.isValid()) {
            painter->save();
            painter->setRenderHint(QPainter::Antialiasing);
            painter->setPen(Qt::NoPen);
            painter->setBrush(dot.value<QColor>());
            const QRect full = option.rect;
            painter->drawEllipse(QRectF(full.right() - 16, full.center().y() - 4.5, 9, 9));
            painter->restore();
        }
    }
};

// The list, with drops of project rows turned into a new order instead of moved items: the order
// lives in the store, and the rows are rebuilt from it.
class ProjectList final : public QListWidget {
public:
    std::function<void(const QPoint &)> onDrop;

    using QListWidget::QListWidget;

    // The project index of the row, counting only project rows; -1 for other rows.
    int projectIndex(int row) const {
        int index = -1;
        for (int i = 0; i <= row && i < count(); ++i) {
            if (RowKind(item(i)->data(KindRole).toInt()) == RowKind::project)
                ++index;
            else if (i == row)
                return -1;
        }
        return index;
    }
    int projectCount() const { return projectIndex(count() - 1) + 1; }

protected:
    void dropEvent(QDropEvent *event) override {
        event->setDropAction(Qt::IgnoreAction);
        event->accept();
        if (onDrop)
            onDrop(event->pos());
    }
};

} // namespace

SidebarView::SidebarView(ModelContext &context, AppModel &appModel, QWidget *parent)
    : QWidget(parent)
    , m_context(context)
    , m_appModel(appModel)
    , m_git(GitService::live())
    , m_prompts(std::make_unique<LiveSidebarPrompts>()) {
    setObjectName(QStringLiteral("sidebar"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 8, 0, 8);
    layout->setSpacing(4);
    auto *top = new QHBoxLayout;
    top->setContentsMargins(12, 0, 8, 2);
    m_title = new QLabel(QStringLiteral("Brindlewick"), this);
    QFont tf = m_title->font();
    tf.setBold(true);
    tf.setPointSizeF(tf.pointSizeF() * 1.15);
    m_title->setFont(tf);
    top->addWidget(m_title, 1);
    m_addButton = new QToolButton(this);
    m_addButton->setObjectName(QStringLiteral("addProjectButton"));
    m_addButton->setIcon(symbolIcon(QStringLiteral("plus")));
    m_addButton->setAutoRaise(true);
    top->addWidget(m_addButton);
    layout->addLayout(top);

    auto *list = new ProjectList(this);
    m_list = list;
    m_list->setObjectName(QStringLiteral("sidebarList"));
    m_list->setFrameShape(QFrame::NoFrame);
    m_list->setItemDelegate(new SidebarDelegate(m_list));
    m_list->setIconSize(QSize(16, 16));
    m_list->setUniformItemSizes(false);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setDragDropMode(QAbstractItemView::InternalMove);
    m_list->setDefaultDropAction(Qt::MoveAction);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    list->onDrop = [this](const QPoint &pos) { dropAt(pos); };
    layout->addWidget(m_list, 1);

    // The notice banner: a capsule at the bottom that fades in and out.
    m_banner = new QLabel(this);
    m_banner->setObjectName(QStringLiteral("sidebarInfoBanner"));
    m_banner->setWordWrap(true);
    m_banner->setAlignment(Qt::AlignCenter);
    m_banner->setTextFormat(Qt::PlainText);
    m_banner->setContentsMargins(12, 8, 12, 8);
    m_banner->setStyleSheet(
        QStringLiteral("QLabel#sidebarInfoBanner { background: palette(midlight); border-radius: 14px; }"));
    m_banner->setGraphicsEffect(new QGraphicsOpacityEffect(m_banner));
    m_banner->hide();
    layout->addWidget(m_banner, 0, Qt::AlignHCenter);
    m_bannerTimer = new QTimer(this);
    m_bannerTimer->setSingleShot(true);
    m_bannerTimer->setInterval(2500);
    connect(m_bannerTimer, &QTimer::timeout, this, [this] {
        m_infoMessage.clear();
        auto *fade = new QPropertyAnimation(m_banner->graphicsEffect(), "opacity", m_banner);
        fade->setDuration(200);
        fade->setEasingCurve(QEasingCurve::InOutQuad);
        fade->setEndValue(0.0);
        connect(fade, &QPropertyAnimation::finished, m_banner, [this] {
            if (m_infoMessage.isEmpty())
                m_banner->hide();
        });
        fade->start(QAbstractAnimation::DeleteWhenStopped);
    });

    connect(m_addButton, &QToolButton::clicked, this, &SidebarView::addProject);
    connect(m_list, &QListWidget::currentItemChanged, this, &SidebarView::onCurrentItemChanged);
    connect(m_list, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        QListWidgetItem *item = m_list->itemAt(pos);
        if (!item || RowKind(item->data(KindRole).toInt()) != RowKind::project)
            return;
        std::unique_ptr<QMenu> menu(contextMenuFor(item->data(ProjectIDRole).toUuid(), this));
        menu->exec(m_list->viewport()->mapToGlobal(pos));
    });
    connect(&m_appModel, &AppModel::selectionChanged, this, &SidebarView::syncSelectionFromModel);
    connect(&m_context, &ModelContext::changed, this, [this](const ChangeSet &cs) {
        if (cs.touches(EntityKind::Project))
            scheduleRebuild();
    });
    retranslate();
    rebuild();
}

SidebarView::~SidebarView() = default;

void SidebarView::setPrompts(std::unique_ptr<SidebarPrompts> prompts) {
    m_prompts = std::move(prompts);
}

void SidebarView::retranslate() {
    m_addButton->setText(L("プロジェクトを追加"));
    m_addButton->setAccessibleName(L("プロジェクトを追加"));
    m_addButton->setToolTip(
        L("フォルダを選択してプロジェクトを追加します（git リポジトリならルートに束ねます）。"));
}

void SidebarView::changeEvent(QEvent *event) {
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        rebuild();
    }
    QWidget::changeEvent(event);
}

void SidebarView::scheduleRebuild() {
    if (m_rebuildScheduled)
        return;
    m_rebuildScheduled = true;
    QTimer::singleShot(0, this, [this] {
        m_rebuildScheduled = false;
        rebuild();
    });
}

void SidebarView::rebuild() {
    m_syncing = true;
    m_list->clear();
    auto add = [this](RowKind kind, const QString &text, const QString &symbol) {
        auto *item = new QListWidgetItem(text, m_list);
        item->setData(KindRole, int(kind));
        if (!symbol.isEmpty())
            item->setIcon(symbolIcon(symbol));
        if (kind == RowKind::header || kind == RowKind::empty)
            item->setFlags(Qt::ItemIsEnabled);
        else if (kind == RowKind::project)
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled);
        else
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        return item;
    };
    add(RowKind::board, L("ボード"), QStringLiteral("rectangle.3.group"));
    add(RowKind::hookLog, L("フックログ"), QStringLiteral("list.bullet.rectangle"));
    add(RowKind::header, L("プロジェクト"), {});

    const auto projects = sortedProjects();
    if (projects.empty())
        add(RowKind::empty, L("プロジェクトがありません"), {});
    for (const Project *p : projects) {
        auto *item = add(RowKind::project, p->displayName(), QStringLiteral("folder"));
        item->setData(ProjectIDRole, p->id());
        item->setToolTip(p->rootPath());
        if (p->colorHex()) {
            if (const auto rgb = ColorHex::rgb(*p->colorHex()))
                item->setData(DotColorRole, QColor::fromRgbF(rgb->red, rgb->green, rgb->blue));
        }
    }
    m_syncing = false;
    syncSelectionFromModel();
}

void SidebarView::syncSelectionFromModel() {
    const SidebarItem want = m_appModel.selection().value_or(SidebarItem::board());
    m_syncing = true;
    QListWidgetItem *match = nullptr;
    for (int i = 0; i < m_list->count(); ++i) {
        QListWidgetItem *item = m_list->item(i);
        const auto kind = RowKind(item->data(KindRole).toInt());
        if ((want.kind == SidebarItem::Kind::board && kind == RowKind::board) ||
            (want.kind == SidebarItem::Kind::hookLog && kind == RowKind::hookLog) ||
            (want.kind == SidebarItem::Kind::project && kind == RowKind::project &&
             item->data(ProjectIDRole).toUuid() == want.projectID)) {
            match = item;
            break;
        }
    }
    m_list->setCurrentItem(match);
    if (!match)
        m_list->clearSelection();
    m_syncing = false;
}

void SidebarView::onCurrentItemChanged(QListWidgetItem *current) {
    if (m_syncing || !current)
        return;
    switch (RowKind(current->data(KindRole).toInt())) {
    case RowKind::board:
        m_appModel.setSelection(SidebarItem::board());
        break;
    case RowKind::hookLog:
        m_appModel.setSelection(SidebarItem::hookLog());
        break;
    case RowKind::project:
        m_appModel.setSelection(SidebarItem::project(current->data(ProjectIDRole).toUuid()));
        break;
    default:
        break;
    }
}

std::vector<Project *> SidebarView::sortedProjects() const {
    FetchDescriptor<Project> d;
    d.sortBefore = [](const Project *a, const Project *b) {
        if (a->sortOrder() != b->sortOrder())
            return a->sortOrder() < b->sortOrder();
        return a->createdAt() < b->createdAt();
    };
    return m_context.fetch(d);
}

void SidebarView::addProject() {
    if (m_adding)
        return;
    const std::optional<QString> folder = m_prompts->chooseFolder(window());
    if (!folder)
        return;
    addFolder(*folder);
}

void SidebarView::addFolder(const QString &folder) {
    if (m_adding)
        return;
    m_adding = true;
    m_addButton->setEnabled(false);
    // git answers on a worker thread; the store is written back here.
    runInBackground(
        this, [git = m_git, folder] { return ProjectController::candidateRoot(folder, git); },
        [this](const QString &candidate) {
            m_adding = false;
            m_addButton->setEnabled(true);
            const auto outcome = ProjectController::addOrReuseProject(candidate, m_context);
            if (!outcome) {
                m_prompts->showAlert(window(), L("プロジェクトを追加できません"),
                                     outcome.error().description());
                Q_EMIT addFinished();
                return;
            }
            Project *project = outcome.value().project;
            m_appModel.setSelection(SidebarItem::project(project->id()));
            if (outcome.value().kind == ProjectController::AddOutcome::Kind::reused)
                showInfo(L("「%@」は既に追加済みです", project->displayName()));
            Q_EMIT addFinished();
        });
}

void SidebarView::showInfo(const QString &message) {
    m_infoMessage = message;
    m_banner->setText(message);
    m_banner->show();
    auto *effect = static_cast<QGraphicsOpacityEffect *>(m_banner->graphicsEffect());
    auto *fade = new QPropertyAnimation(effect, "opacity", m_banner);
    fade->setDuration(200);
    fade->setEasingCurve(QEasingCurve::InOutQuad);
    fade->setStartValue(effect->opacity() < 1.0 ? effect->opacity() : 0.0);
    fade->setEndValue(1.0);
    fade->start(QAbstractAnimation::DeleteWhenStopped);
    m_bannerTimer->start(); // a newer notice restarts the 2.5 seconds
}

void SidebarView::beginRename(const QUuid &projectID) {
    Project *project = m_context.find<Project>(projectID);
    if (!project)
        return;
    const std::optional<QString> name = m_prompts->askRename(window(), project->displayName());
    // The dialog may have outlived the project.
    project = m_context.find<Project>(projectID);
    if (!name || !project)
        return;
    if (const auto renamed = ProjectController::renameProject(project, *name, m_context); !renamed)
        m_prompts->showAlert(window(), L("操作に失敗しました"), renamed.error().description());
}

void SidebarView::setProjectColor(const QUuid &projectID, const std::optional<QString> &hex) {
    Project *project = m_context.find<Project>(projectID);
    if (!project)
        return;
    if (const auto set = ProjectController::setColorHex(hex, project, m_context); !set)
        m_prompts->showAlert(window(), L("操作に失敗しました"), set.error().description());
}

void SidebarView::attemptDelete(const QUuid &projectID) {
    Project *project = m_context.find<Project>(projectID);
    if (!project)
        return;
    const auto readiness = ProjectController::deletionReadiness(
        project, [](const QUuid &id) { return SessionProcessManager::shared().hasTerminal(id); });
    if (readiness.blockingSessions > 0) {
        m_prompts->showAlert(
            window(), L("削除できません"),
            L("「%@」には稼働中または worktree のセッションが %lld 件あります。先にそれらのセッションを閉じてください（閉じると worktree も後始末されます）。",
              project->displayName(), qlonglong(readiness.blockingSessions)));
        return;
    }
    const QString message = L(
        "「%@」を削除します。セッション %lld 件・タスク %lld 件・メモ %lld 件も一緒に削除されます。元に戻せません。",
        project->displayName(), qlonglong(readiness.sessionCount), qlonglong(readiness.taskCount),
        qlonglong(readiness.noteCount));
    if (!m_prompts->confirmDelete(window(), message))
        return;
    project = m_context.find<Project>(projectID);
    if (!project)
        return;
    const bool wasSelected = m_appModel.selection() == SidebarItem::project(projectID);
    if (const auto removed = ProjectController::deleteProject(project, m_context); !removed) {
        m_prompts->showAlert(window(), L("操作に失敗しました"), removed.error().description());
        return;
    }
    if (wasSelected)
        m_appModel.setSelection(SidebarItem::board());
}

void SidebarView::dropAt(const QPoint &viewportPos) {
    auto *list = static_cast<ProjectList *>(m_list);
    std::set<int> rows;
    for (QListWidgetItem *selected : list->selectedItems()) {
        const int index = list->projectIndex(list->row(selected));
        if (index >= 0)
            rows.insert(index);
    }
    if (rows.empty())
        return;
    // The gap under the pointer: above a row's middle is before it, below is after it; the fixed
    // rows and the heading are above every project, empty space below is after the last.
    const int n = list->projectCount();
    int destination = n;
    if (QListWidgetItem *target = list->itemAt(viewportPos)) {
        const int index = list->projectIndex(list->row(target));
        if (index >= 0)
            destination = viewportPos.y() < list->visualItemRect(target).center().y() ? index : index + 1;
        else
            destination = 0;
    }
    moveProjects(rows, std::clamp(destination, 0, n));
}

void SidebarView::moveProjects(const std::set<int> &rows, int destination) {
    const auto projects = sortedProjects();
    applyOrder(ProjectReorder::reordered(int(projects.size()), rows, destination), projects);
}

void SidebarView::moveProject(int index, ProjectReorder::Direction direction) {
    const auto projects = sortedProjects();
    const auto [rows, destination] = ProjectReorder::oneStep(int(projects.size()), index, direction);
    if (rows.empty())
        return;
    applyOrder(ProjectReorder::reordered(int(projects.size()), rows, destination), projects);
}

void SidebarView::applyOrder(const std::vector<int> &order, const std::vector<Project *> &projects) {
    bool identity = true;
    for (int i = 0; i < int(order.size()); ++i)
        identity = identity && order[size_t(i)] == i;
    if (identity)
        return;
    // Every project gets its position, so gaps and ties disappear.
    for (int i = 0; i < int(order.size()); ++i)
        projects[size_t(order[size_t(i)])]->setSortOrder(i);
    if (const auto saved = m_context.save(); !saved)
        qCCritical(lcProjectReorder, "プロジェクト並べ替えの保存に失敗: %s",
                   qUtf8Printable(saved.error().description));
}

QMenu *SidebarView::contextMenuFor(const QUuid &projectID, QWidget *parent) {
    auto *menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("projectContextMenu"));
    menu->addAction(L("名前を変更…"), this, [this, projectID] { beginRename(projectID); })
        ->setObjectName(QStringLiteral("renameProject"));
    QMenu *colors = menu->addMenu(L("色"));
    colors->setObjectName(QStringLiteral("projectColorMenu"));
    for (const ProjectColor &c : ProjectColorPalette::options()) {
        QPixmap dot(12, 12);
        dot.fill(Qt::transparent);
        {
            QPainter painter(&dot);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(QLatin1Char('#') + c.hex));
            painter.drawEllipse(QRectF(1.5, 1.5, 9, 9));
        }
        QAction *a = colors->addAction(QIcon(dot), L(c.name), this,
                                       [this, projectID, hex = c.hex] { setProjectColor(projectID, hex); });
        a->setData(c.hex);
    }
    colors->addSeparator();
    colors->addAction(L("なし"), this, [this, projectID] { setProjectColor(projectID, std::nullopt); })
        ->setObjectName(QStringLiteral("noColor"));
    menu->addSeparator();
    const auto projects = sortedProjects();
    const auto it = std::find_if(projects.begin(), projects.end(),
                                 [&](const Project *p) { return p->id() == projectID; });
    if (it != projects.end()) {
        const int index = int(it - projects.begin());
        const int n = int(projects.size());
        QAction *up = menu->addAction(L("上へ移動"), this,
                                      [this, index] { moveProject(index, ProjectReorder::Direction::up); });
        up->setObjectName(QStringLiteral("moveUp"));
        up->setEnabled(index > 0 && index < n);
        QAction *down = menu->addAction(
            L("下へ移動"), this, [this, index] { moveProject(index, ProjectReorder::Direction::down); });
        down->setObjectName(QStringLiteral("moveDown"));
        down->setEnabled(index < n - 1);
        menu->addSeparator();
    }
    menu->addAction(L("削除…"), this, [this, projectID] { attemptDelete(projectID); })
        ->setObjectName(QStringLiteral("deleteProject"));
    return menu;
}

} // namespace Brindlewick
