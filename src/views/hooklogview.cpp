#include "views/hooklogview.h"

#include "services/appmodel.h"
#include "services/localization.h"
#include "views/columnstyle.h"
#include "views/symbols.h"

#include <QEvent>
#include <QFontDatabase>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QStackedWidget>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace Brindlewick {

namespace {

enum Role { TimeRole = Qt::UserRole + 1, ColumnRole, CardRole, AppliedRole };

QString timeWithSeconds(const QDateTime &at)
{
    const QLocale locale;
    QString format = locale.timeFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1Char('s'))) {
        const int m = format.lastIndexOf(QStringLiteral("mm"));
        if (m >= 0)
            format.insert(m + 2, QStringLiteral(":ss"));
    }
    return locale.toString(at.toLocalTime().time(), format);
}

class HookLogDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &) const override
    {
        return QSize(option.rect.width(), QFontMetrics(option.font).height() + 10);
    }

    void paint(QPainter *p, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        opt.text.clear();
        opt.icon = QIcon();
        opt.widget->style()->drawControl(QStyle::CE_ItemViewItem, &opt, p, opt.widget);

        p->save();
        const QRect r = option.rect.adjusted(12, 0, -12, 0);
        QFont caption = option.font;
        caption.setPointSizeF(option.font.pointSizeF() * 0.9);
        QFont mono = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        mono.setPointSizeF(caption.pointSizeF());
        QColor text = option.palette.color(QPalette::Text);
        QColor secondary = text;
        secondary.setAlphaF(0.6);

        // time, with digits of one width
        p->setFont(mono);
        p->setPen(secondary);
        const QString time = index.data(TimeRole).toString();
        const int timeW = QFontMetrics(mono).horizontalAdvance(QStringLiteral("00:00:00 PM")) + 8;
        p->drawText(QRect(r.left(), r.top(), timeW, r.height()), Qt::AlignLeft | Qt::AlignVCenter, time);

        // column badge
        const auto column = SessionColumn(index.data(ColumnRole).toInt());
        QFont badge = caption;
        badge.setPointSizeF(caption.pointSizeF() * 0.92);
        badge.setWeight(QFont::Medium);
        p->setFont(badge);
        const QString label = ColumnStyle::label(column);
        const QFontMetrics bfm(badge);
        const int badgeW = bfm.horizontalAdvance(label) + 14;
        const QRect badgeRect(r.left() + timeW, r.center().y() - bfm.height() / 2 - 2, badgeW, bfm.height() + 4);
        QColor tint = ColumnStyle::color(column, option.palette);
        QColor fill = tint;
        fill.setAlphaF(0.16);
        p->setRenderHint(QPainter::Antialiasing);
        p->setPen(Qt::NoPen);
        p->setBrush(fill);
        p->drawRoundedRect(badgeRect, badgeRect.height() / 2.0, badgeRect.height() / 2.0);
        p->setPen(tint);
        p->drawText(badgeRect, Qt::AlignCenter, label);

        // the card, as received
        const bool applied = index.data(AppliedRole).toBool();
        const int warnW = applied ? 0 : 22;
        const QRect cardRect(badgeRect.right() + 10, r.top(), r.right() - badgeRect.right() - 10 - warnW, r.height());
        p->setFont(mono);
        p->setPen(text);
        p->drawText(cardRect, Qt::AlignLeft | Qt::AlignVCenter,
                    QFontMetrics(mono).elidedText(index.data(CardRole).toString(), Qt::ElideMiddle, cardRect.width()));
        if (!applied) {
            const QRect icon(r.right() - 16, r.center().y() - 7, 14, 14);
            symbolIcon(QStringLiteral("exclamationmark.triangle.fill")).paint(p, icon);
        }
        p->restore();
    }
};

} // namespace

HookLogView::HookLogView(AppModel &appModel, QWidget *parent) : QWidget(parent), m_appModel(appModel)
{
    setObjectName(QStringLiteral("hookLog"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 12);
    layout->setSpacing(10);
    m_heading = new QLabel(this);
    m_heading->setObjectName(QStringLiteral("hookLogHeading"));
    QFont hf = m_heading->font();
    hf.setBold(true);
    hf.setPointSizeF(hf.pointSizeF() * 1.2);
    m_heading->setFont(hf);
    layout->addWidget(m_heading);

    m_stack = new QStackedWidget(this);
    m_empty = new QLabel(m_stack);
    m_empty->setAlignment(Qt::AlignCenter);
    m_empty->setObjectName(QStringLiteral("hookLogEmpty"));
    m_list = new QListWidget(m_stack);
    m_list->setObjectName(QStringLiteral("hookLogList"));
    m_list->setItemDelegate(new HookLogDelegate(m_list));
    m_list->setSelectionMode(QAbstractItemView::NoSelection);
    m_list->setAlternatingRowColors(true);
    m_list->setUniformItemSizes(true);
    m_stack->addWidget(m_empty);
    m_stack->addWidget(m_list);
    layout->addWidget(m_stack, 1);

    connect(&m_appModel, &AppModel::hookLogChanged, this, &HookLogView::reload);
    reload();
}

void HookLogView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        reload();
    QWidget::changeEvent(event);
}

void HookLogView::reload()
{
    const auto &log = m_appModel.hookLog();
    m_heading->setText(L("受信ログ（") + QString::number(log.size()) + L("）"));
    m_empty->setText(L("ログなし"));
    m_list->clear();
    for (const HookLogEntry &e : log) {
        auto *item = new QListWidgetItem(m_list);
        item->setData(TimeRole, timeWithSeconds(e.at));
        item->setData(ColumnRole, int(e.column));
        item->setData(CardRole, e.card);
        item->setData(AppliedRole, e.applied);
        const QString text = timeWithSeconds(e.at) + QLatin1Char(' ') + ColumnStyle::label(e.column) +
                             QLatin1Char(' ') + e.card;
        item->setData(Qt::AccessibleTextRole, text);
        if (!e.applied)
            item->setToolTip(L("どのセッションにも反映されませんでした（未知 card か古いイベント）"));
    }
    m_stack->setCurrentWidget(log.isEmpty() ? static_cast<QWidget *>(m_empty) : m_list);
}

} // namespace Brindlewick
