#include "views/boardcolumn.h"

#include "models/entity.h"
#include "services/boarddrop.h"
#include "services/localization.h"
#include "views/cardstack.h"
#include "views/columnstyle.h"
#include "views/sessioncardstyle.h"
#include "views/sessioncardview.h"
#include "views/symbols.h"

#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMimeData>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace Brindlewick {

namespace {
constexpr int columnPadding = 12;
constexpr int headerSpacing = 8;
constexpr qreal highlightRadius = 8;
constexpr int scrollBarGap = 4;

// A scroll area whose viewport leaves a gap before the scroll bar (the margins are protected).
class CardScrollArea final : public QScrollArea {
public:
    using QScrollArea::QScrollArea;
    void setRightGap(int gap)
    {
        if (viewportMargins().right() != gap)
            setViewportMargins(0, 0, gap, 0);
    }
};
} // namespace

BoardColumn::BoardColumn(SessionColumn column, ModelContext &context, QWidget *parent)
    : QWidget(parent), m_column(column), m_context(context)
{
    setAcceptDrops(true);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(columnPadding, columnPadding, columnPadding, 0);
    layout->setSpacing(headerSpacing);

    auto *header = new QVBoxLayout;
    header->setSpacing(2);
    auto *titleRow = new QHBoxLayout;
    titleRow->setSpacing(5);
    titleRow->addStretch();
    m_symbol = new QLabel(this);
    m_title = new QLabel(this);
    m_title->setTextFormat(Qt::PlainText);
    titleRow->addWidget(m_symbol);
    titleRow->addWidget(m_title);
    titleRow->addStretch();
    header->addLayout(titleRow);
    m_subtitle = new QLabel(this);
    m_subtitle->setTextFormat(Qt::PlainText);
    m_subtitle->setAlignment(Qt::AlignHCenter);
    header->addWidget(m_subtitle);
    layout->addLayout(header);

    m_empty = new QLabel(this);
    m_empty->setTextFormat(Qt::PlainText);
    m_empty->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_empty->setContentsMargins(0, 16, 0, 0);
    layout->addWidget(m_empty, 1);

    auto *scroll = new CardScrollArea(this);
    m_scroll = scroll;
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scroll->setWidgetResizable(true);
    m_scroll->setAutoFillBackground(false);
    m_scroll->viewport()->setAutoFillBackground(false);
    m_stack = new CardStack;
    m_stack->setAutoFillBackground(false);
    m_scroll->setWidget(m_stack);
    layout->addWidget(m_scroll, 1);
    m_scroll->hide();
    // The stack has no layout, so it tells the scroll area itself when its height changed.
    connect(m_stack, &CardStack::contentHeightChanged, this, [this] {
        QEvent request(QEvent::LayoutRequest);
        QCoreApplication::sendEvent(m_scroll, &request);
    });

    // Keep the cards clear of the scroll bar while it shows.
    connect(m_scroll->verticalScrollBar(), &QScrollBar::rangeChanged, this,
            [scroll](int, int max) { scroll->setRightGap(max > 0 ? scrollBarGap : 0); });

    m_highlightAnimation.setDuration(120);
    m_highlightAnimation.setEasingCurve(QEasingCurve::OutCubic);
    connect(&m_highlightAnimation, &QVariantAnimation::valueChanged, this, [this](const QVariant &v) {
        m_highlight = v.toReal();
        update();
    });

    retranslate();
    applyStyle();
}

void BoardColumn::setCards(const QVector<SessionCardView *> &cards)
{
    m_stack->setCards(cards);
    const bool empty = cards.isEmpty();
    if (m_empty->isHidden() != !empty) {
        m_empty->setVisible(empty);
        m_scroll->setVisible(!empty);
    }
}

const QVector<SessionCardView *> &BoardColumn::cards() const
{
    return m_stack->cards();
}

bool BoardColumn::showsEmptyText() const
{
    return !m_empty->isHidden();
}

void BoardColumn::retranslate()
{
    m_title->setText(ColumnStyle::label(m_column));
    m_subtitle->setText(ColumnStyle::subtitle(m_column));
    m_empty->setText(L("カードなし"));
}

void BoardColumn::applyStyle()
{
    const QPalette &pal = palette();
    const QColor tint = ColumnStyle::color(m_column, pal);
    const QFont headline = SessionCardStyle::font(SessionCardStyle::TextStyle::headline, font());
    m_title->setFont(headline);
    QPalette titlePalette = m_title->palette();
    titlePalette.setColor(QPalette::WindowText, tint);
    m_title->setPalette(titlePalette);

    const int symbolSize = QFontMetrics(headline).height();
    m_symbol->setFixedSize(symbolSize, symbolSize);
    m_symbol->setPixmap(symbolPixmap(ColumnStyle::symbol(m_column), symbolSize, tint, devicePixelRatioF()));

    m_subtitle->setFont(SessionCardStyle::font(SessionCardStyle::TextStyle::caption, font()));
    QPalette subtitlePalette = m_subtitle->palette();
    subtitlePalette.setColor(QPalette::WindowText, SessionCardStyle::secondary(pal));
    m_subtitle->setPalette(subtitlePalette);

    m_empty->setFont(SessionCardStyle::font(SessionCardStyle::TextStyle::callout, font()));
    QPalette emptyPalette = m_empty->palette();
    emptyPalette.setColor(QPalette::WindowText, SessionCardStyle::tertiary(pal));
    m_empty->setPalette(emptyPalette);
    update();
}

void BoardColumn::changeEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::LanguageChange:
        retranslate();
        break;
    case QEvent::PaletteChange:
    case QEvent::FontChange:
    case QEvent::StyleChange:
        applyStyle();
        break;
    default:
        break;
    }
    QWidget::changeEvent(event);
}

void BoardColumn::paintEvent(QPaintEvent *)
{
    if (m_highlight <= 0)
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(SessionCardStyle::withOpacity(ColumnStyle::color(m_column, palette()), 0.12 * m_highlight));
    const QRectF area = QRectF(rect()).adjusted(2, 2, -2, -2);
    p.drawRoundedRect(area, highlightRadius, highlightRadius);
    // The border lies inside the column's edge.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(SessionCardStyle::withOpacity(SessionCardStyle::accent(palette()), m_highlight), 2));
    p.drawRoundedRect(area.adjusted(1, 1, -1, -1), highlightRadius, highlightRadius);
}

void BoardColumn::setTargeted(bool targeted)
{
    if (m_targeted == targeted)
        return;
    m_targeted = targeted;
    m_highlightAnimation.stop();
    m_highlightAnimation.setStartValue(m_highlight);
    m_highlightAnimation.setEndValue(targeted ? 1.0 : 0.0);
    m_highlightAnimation.start();
}

void BoardColumn::dragEnterEvent(QDragEnterEvent *event)
{
    if (!event->mimeData()->hasText()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    setTargeted(true);
}

void BoardColumn::dragMoveEvent(QDragMoveEvent *event)
{
    if (event->mimeData()->hasText())
        event->acceptProposedAction();
    else
        event->ignore();
}

void BoardColumn::dragLeaveEvent(QDragLeaveEvent *event)
{
    setTargeted(false);
    QWidget::dragLeaveEvent(event);
}

void BoardColumn::dropEvent(QDropEvent *event)
{
    setTargeted(false);
    if (!event->mimeData()->hasText()) {
        event->ignore();
        return;
    }
    // Several dragged items arrive as one text, one id per line.
    const QStringList payloads = event->mimeData()->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QStringList cleaned;
    cleaned.reserve(payloads.size());
    for (const QString &p : payloads)
        cleaned << (p.endsWith(QLatin1Char('\r')) ? p.chopped(1) : p);
    if (BoardDrop::move(cleaned, m_column, storeNow(), m_context) > 0)
        event->acceptProposedAction();
    else
        event->ignore();
}

} // namespace Brindlewick
