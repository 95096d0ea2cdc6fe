#include "views/sidebarview.h"

#include "models/project.h"
#include "persistence/modelcontext.h"
#include "services/appmodel.h"
#include "services/colorhex.h"
#include "services/localization.h"
#include "views/symbols.h"

#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QVBoxLayout>

namespace Brindlewick {

namespace {

enum Role { KindRole = Qt::UserRole + 1, ProjectIDRole, DotColorRole };
enum class RowKind { board, hookLog, header, project, empty };

// Draws a row: symbol, name truncated in the middle, and the project's colour dot.
class SidebarDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QSize s = QStyledItemDelegate::sizeHint(option, index);
        const auto kind = RowKind(index.data(KindRole).toInt());
        s.setHeight(std::max(s.height(), kind == RowKind::header ? 30 : 28));
        return s;
    }

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
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
            const QRect r = option.rect.adjusted(kind == RowKind::header ? 10 : 14, kind == RowKind::header ? 6 : 0, -8, 0);
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

} // namespace

SidebarView::SidebarView(ModelContext &context, AppModel &appModel, QWidget *parent)
    : QWidget(parent), m_context(context), m_appModel(appModel)
{
    setObjectName(QStringLiteral("sidebar"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 8, 0, 0);
    layout->setSpacing(4);
    m_title = new QLabel(QStringLiteral("Brindlewick"), this);
    QFont tf = m_title->font();
    tf.setBold(true);
    tf.setPointSizeF(tf.pointSizeF() * 1.15);
    m_title->setFont(tf);
    m_title->setContentsMargins(12, 0, 8, 2);
    layout->addWidget(m_title);

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("sidebarList"));
    m_list->setFrameShape(QFrame::NoFrame);
    m_list->setItemDelegate(new SidebarDelegate(m_list));
    m_list->setIconSize(QSize(16, 16));
    m_list->setUniformItemSizes(false);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    layout->addWidget(m_list);

    connect(m_list, &QListWidget::currentItemChanged, this, &SidebarView::onCurrentItemChanged);
    connect(&m_appModel, &AppModel::selectionChanged, this, &SidebarView::syncSelectionFromModel);
    connect(&m_context, &ModelContext::changed, this, [this](const ChangeSet &cs) {
        if (cs.touches(EntityKind::Project))
            scheduleRebuild();
    });
    rebuild();
}

void SidebarView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        rebuild();
    QWidget::changeEvent(event);
}

void SidebarView::scheduleRebuild()
{
    if (m_rebuildScheduled)
        return;
    m_rebuildScheduled = true;
    QTimer::singleShot(0, this, [this] {
        m_rebuildScheduled = false;
        rebuild();
    });
}

void SidebarView::rebuild()
{
    m_syncing = true;
    m_list->clear();
    auto add = [this](RowKind kind, const QString &text, const QString &symbol) {
        auto *item = new QListWidgetItem(text, m_list);
        item->setData(KindRole, int(kind));
        if (!symbol.isEmpty())
            item->setIcon(symbolIcon(symbol));
        if (kind == RowKind::header || kind == RowKind::empty)
            item->setFlags(Qt::ItemIsEnabled);
        return item;
    };
    add(RowKind::board, L("ボード"), QStringLiteral("rectangle.3.group"));
    add(RowKind::hookLog, L("フックログ"), QStringLiteral("list.bullet.rectangle"));
    add(RowKind::header, L("プロジェクト"), {});

    FetchDescriptor<Project> d;
    d.sortBefore = [](const Project *a, const Project *b) {
        if (a->sortOrder() != b->sortOrder())
            return a->sortOrder() < b->sortOrder();
        return a->createdAt() < b->createdAt();
    };
    const auto projects = m_context.fetch(d);
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

void SidebarView::syncSelectionFromModel()
{
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

void SidebarView::onCurrentItemChanged(QListWidgetItem *current)
{
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

} // namespace Brindlewick
