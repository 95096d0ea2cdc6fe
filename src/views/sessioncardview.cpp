#include "views/sessioncardview.h"

#include "models/project.h"
#include "models/session.h"
#include "models/uuidtext.h"
#include "persistence/modelcontext.h"
#include "services/boarddrop.h"
#include "services/localization.h"
#include "services/projectlabelstyle.h"
#include "services/sessionlifecycle.h"
#include "views/boardcolumn.h"
#include "views/columnstyle.h"
#include "views/relativeactivitybadge.h"
#include "views/sessioncardaccessible.h"
#include "views/sessioncardstyle.h"
#include "views/symbols.h"

#include <QAccessible>
#include <QApplication>
#include <QDrag>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QTextLayout>

namespace Brindlewick {

namespace {

// Geometry of the card, in logical pixels.
constexpr int paddingH = 8;
constexpr int paddingV = 6;
constexpr int rowSpacing = 6;
constexpr int quoteSpacing = 5;
constexpr int footerSpacing = 6;
constexpr int labelPaddingH = 10;
constexpr int labelPaddingV = 4;
constexpr int labelIconGap = 4;
constexpr int badgePaddingH = 6;
constexpr int badgePaddingV = 2;
constexpr qreal cornerRadius = 6;
constexpr int promptLines = 2;
constexpr int responseLines = 4;

QString singleLine(QString text)
{
    for (QChar &c : text) {
        const char16_t u = c.unicode();
        if (u == u'\n' || u == u'\r' || u == u'\t' || u == 0x2028 || u == 0x2029 || u == 0x85)
            c = QLatin1Char(' ');
    }
    return text;
}

// The text as it is laid out: trimmed, with its line breaks as line separators and tabs as spaces.
QString preparedForLayout(const QString &text)
{
    QString prepared = text.trimmed();
    prepared.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    for (QChar &c : prepared) {
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r'))
            c = QChar::LineSeparator;
        else if (c == QLatin1Char('\t'))
            c = QLatin1Char(' ');
    }
    return prepared;
}

// Breaks the laid-out text into at most `maxLines` lines of `width`, keeping its own line breaks;
// the last line ends in an ellipsis when text is left over. The layout keeps its shaped glyphs, so
// breaking again for another width costs little.
QStringList wrapped(QTextLayout &layout, const QFontMetrics &metrics, int width, int maxLines)
{
    QStringList lines;
    const QString &text = layout.text();
    if (width <= 0 || text.isEmpty())
        return lines;
    const QString ellipsis(QChar(0x2026));
    auto pieceOf = [&text](const QTextLine &line) {
        QString piece = text.mid(line.textStart(), line.textLength());
        while (!piece.isEmpty() && (piece.back() == QChar::LineSeparator || piece.back().isSpace()))
            piece.chop(1);
        return piece;
    };
    layout.beginLayout();
    for (int i = 0; i < maxLines; ++i) {
        QTextLine line = layout.createLine();
        if (!line.isValid())
            break;
        line.setLineWidth(width);
        if (i == maxLines - 1 && line.textStart() + line.textLength() < text.size()) {
            // Text is left over: break this line short enough to end in an ellipsis.
            line.setLineWidth(qMax(1, width - metrics.horizontalAdvance(ellipsis)));
            lines << pieceOf(line) + ellipsis;
            break;
        }
        lines << pieceOf(line);
    }
    layout.endLayout();
    return lines;
}

QColor textColor(bool black) { return black ? QColor(Qt::black) : QColor(Qt::white); }

} // namespace

SessionCardView::Content SessionCardView::Content::of(const Session &session, bool running)
{
    Content c;
    c.id = session.id();
    c.title = session.title();
    c.prompt = session.lastPrompt().value_or(QString());
    c.response = session.lastResponse().value_or(QString());
    if (const Project *project = session.project()) {
        c.hasProject = true;
        c.projectName = project->displayName();
        c.projectColorHex = project->colorHex();
    }
    c.column = session.column();
    c.lastActivityAt = session.lastActivityAt();
    c.running = running;
    return c;
}

SessionCardView::SessionCardView(ModelContext &context, const Content &content, QWidget *parent)
    : QWidget(parent), m_context(context), m_content(content)
{
    SessionCardAccessible::install();
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover, false);
    retranslate();
}

SessionCardView::~SessionCardView() = default;

void SessionCardView::setContent(const Content &content)
{
    if (content == m_content)
        return;
    // Only the texts that wrap change the height; the footer's content never does.
    const bool geometry = content.title.isEmpty() != m_content.title.isEmpty() || content.prompt != m_content.prompt ||
                          content.response != m_content.response || content.hasProject != m_content.hasProject ||
                          content.running != m_content.running ||
                          content.lastActivityAt.has_value() != m_content.lastActivityAt.has_value();
    if (content.prompt != m_content.prompt)
        m_promptLayout.reset();
    if (content.response != m_content.response)
        m_responseLayout.reset();
    m_content = content;
    invalidateLayout(geometry);
    notifyAccessibility();
}

QColor SessionCardView::tint() const
{
    return ColumnStyle::color(m_content.column, palette());
}

QString SessionCardView::displayedTitle() const
{
    return m_content.title.isEmpty() ? L("セッション") : m_content.title;
}

QString SessionCardView::accessibleLabelText() const
{
    if (!m_content.hasProject)
        return displayedTitle();
    return L("%@、プロジェクト %@", displayedTitle(), m_content.projectName);
}

QString SessionCardView::accessibleHintText() const
{
    return L("セッションウィンドウを最前面に表示");
}

QString SessionCardView::accessibleValueText() const
{
    const QString label = ColumnStyle::label(m_content.column);
    return m_content.running ? label : L("%@、停止", label);
}

QVector<SessionColumn> SessionCardView::moveTargets() const
{
    QVector<SessionColumn> out;
    for (SessionColumn c : BoardColumn::boardOrder) {
        if (c != m_content.column)
            out << c;
    }
    return out;
}

QString SessionCardView::moveActionTitle(SessionColumn column)
{
    return L("%@へ移動", ColumnStyle::label(column));
}

int SessionCardView::moveTo(SessionColumn column)
{
    return BoardDrop::move({uuidText(m_content.id)}, column, storeNow(), m_context);
}

void SessionCardView::open()
{
    Q_EMIT openRequested(m_content.id);
}

void SessionCardView::retire()
{
    hide();
    if (m_busy)
        m_retired = true;
    else
        deleteLater();
}

void SessionCardView::finishBusy()
{
    m_busy = false;
    if (m_retired)
        deleteLater();
}

void SessionCardView::retranslate()
{
    setToolTip(L("クリックで最前面に表示・ドラッグで別の列へ移動"));
    invalidateLayout(false);
    notifyAccessibility();
}

void SessionCardView::notifyAccessibility()
{
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent name(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&name);
    QAccessibleEvent value(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&value);
}

QTextLayout &SessionCardView::textLayout(std::unique_ptr<QTextLayout> &slot, const QString &text, const QFont &font) const
{
    if (!slot || slot->font() != font) {
        slot = std::make_unique<QTextLayout>(preparedForLayout(text), font);
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        slot->setTextOption(option);
        slot->setCacheEnabled(true);
    }
    return *slot;
}

void SessionCardView::invalidateLayout(bool geometry)
{
    m_titleWidth = -1;
    m_layouts[0].width = -1;
    m_layouts[1].width = -1;
    if (geometry)
        updateGeometry();
    update();
}

const SessionCardView::Layout &SessionCardView::layoutFor(int width) const
{
    for (int i = 0; i < 2; ++i) {
        if (m_layouts[i].width == width) {
            m_newerLayout = i;
            return m_layouts[i];
        }
    }
    const SessionCardStyle::Fonts &f = SessionCardStyle::fonts(font());
    Layout l;
    l.width = width;
    const int inner = qMax(0, width - 2 * paddingH);
    int y = paddingV;

    if (m_titleWidth < 0) {
        m_title = singleLine(displayedTitle());
        m_titleWidth = f.titleMetrics.horizontalAdvance(m_title);
    }
    // Eliding shapes the text again; most titles fit and need none.
    l.title = m_titleWidth < inner ? m_title : f.titleMetrics.elidedText(m_title, Qt::ElideMiddle, inner);
    y += f.titleMetrics.height();

    if (!m_content.prompt.isEmpty()) {
        l.prompt = wrapped(textLayout(m_promptLayout, m_content.prompt, f.body), f.bodyMetrics, inner, promptLines);
        if (!l.prompt.isEmpty()) {
            y += rowSpacing;
            l.promptY = y;
            y += int(l.prompt.size()) * f.bodyMetrics.lineSpacing();
        }
    }
    if (!m_content.response.isEmpty()) {
        const int symbol = f.calloutMetrics.height();
        l.response = wrapped(textLayout(m_responseLayout, m_content.response, f.body), f.bodyMetrics,
                             inner - symbol - quoteSpacing, responseLines);
        if (!l.response.isEmpty()) {
            y += rowSpacing;
            l.responseY = y;
            y += qMax(symbol, int(l.response.size()) * f.bodyMetrics.lineSpacing());
        }
    }

    int footer = 0;
    if (m_content.hasProject)
        footer = qMax(footer, f.labelMetrics.height() + 2 * labelPaddingV);
    if (!m_content.running)
        footer = qMax(footer, f.caption2MediumMetrics.height() + 2 * badgePaddingV);
    if (m_content.lastActivityAt)
        footer = qMax(footer, f.caption2Metrics.height());
    if (footer > 0) {
        y += rowSpacing;
        l.footerY = y;
        l.footerHeight = footer;
        y += footer;
    }
    l.height = y + paddingV;
    m_newerLayout = 1 - m_newerLayout;
    m_layouts[m_newerLayout] = std::move(l);
    return m_layouts[m_newerLayout];
}

int SessionCardView::heightForWidth(int width) const
{
    return layoutFor(width).height;
}

QSize SessionCardView::sizeHint() const
{
    // The stack places cards by heightForWidth; a hint must not wrap text for a width never used.
    const Layout &newest = m_layouts[m_newerLayout];
    return {260, newest.width >= 0 ? newest.height : SessionCardStyle::fonts(font()).titleMetrics.height() + 2 * paddingV};
}

QSize SessionCardView::minimumSizeHint() const
{
    return {120, sizeHint().height()};
}

void SessionCardView::paintEvent(QPaintEvent *)
{
    const Layout &l = layoutFor(width());
    const SessionCardStyle::Fonts &f = SessionCardStyle::fonts(font());
    const QPalette &pal = palette();
    const QColor tintColor = tint();

    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    qreal opacity = m_content.running ? 0.12 : 0.09;
    if (m_hovered)
        opacity += 0.08;
    const QRectF card = QRectF(rect());
    p.setPen(Qt::NoPen);
    p.setBrush(SessionCardStyle::withOpacity(tintColor, opacity));
    p.drawRoundedRect(card, cornerRadius, cornerRadius);
    if (hasFocus()) {
        p.setPen(QPen(SessionCardStyle::accent(pal), 2));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(card.adjusted(1, 1, -1, -1), cornerRadius - 1, cornerRadius - 1);
    }

    if (l.staticLines.empty()) {
        auto prepared = [](const QString &text, const QFont &font) {
            QStaticText st(text);
            st.setTextFormat(Qt::PlainText);
            st.prepare(QTransform(), font);
            return st;
        };
        l.staticLines.push_back(prepared(l.title, f.title));
        for (const QString &line : l.prompt)
            l.staticLines.push_back(prepared(line, f.body));
        for (const QString &line : l.response)
            l.staticLines.push_back(prepared(line, f.body));
    }
    size_t next = 0;
    p.setFont(f.title);
    p.setPen(SessionCardStyle::primary(pal));
    p.drawStaticText(paddingH, paddingV, l.staticLines[next++]);

    if (!l.prompt.isEmpty()) {
        p.setFont(f.body);
        p.setPen(SessionCardStyle::secondary(pal));
        int ly = l.promptY;
        for (int i = 0; i < l.prompt.size(); ++i) {
            p.drawStaticText(paddingH, ly, l.staticLines[next++]);
            ly += f.bodyMetrics.lineSpacing();
        }
    }
    if (!l.response.isEmpty()) {
        const int symbol = f.calloutMetrics.height();
        const int glyph = qRound(f.calloutMetrics.ascent() * 0.95);
        // The symbol sits on the first text line, as a glyph of the callout font would.
        const int symbolY = l.responseY + (f.bodyMetrics.height() - glyph) / 2;
        p.drawPixmap(paddingH + (symbol - glyph) / 2, symbolY,
                     symbolPixmap(QStringLiteral("quote.bubble.fill"), glyph, tintColor, devicePixelRatioF()));
        p.setFont(f.body);
        p.setPen(SessionCardStyle::primary(pal));
        int ly = l.responseY;
        for (int i = 0; i < l.response.size(); ++i) {
            p.drawStaticText(paddingH + symbol + quoteSpacing, ly, l.staticLines[next++]);
            ly += f.bodyMetrics.lineSpacing();
        }
    }
    if (l.footerHeight > 0)
        paintFooter(p, l);
}

void SessionCardView::paintFooter(QPainter &p, const Layout &l)
{
    const SessionCardStyle::Fonts &f = SessionCardStyle::fonts(font());
    const QPalette &pal = palette();
    const int inner = width() - 2 * paddingH;
    const int top = l.footerY;
    const int h = l.footerHeight;

    const QString stopped = L("停止");
    const int stoppedWidth = m_content.running ? 0 : f.caption2MediumMetrics.horizontalAdvance(stopped) + 2 * badgePaddingH;
    QString activity;
    int badgeWidth = 0;
    if (m_content.lastActivityAt) {
        activity = RelativeActivityBadge(*m_content.lastActivityAt).text();
        badgeWidth = f.caption2Metrics.horizontalAdvance(activity);
    }
    int x = paddingH;

    if (m_content.hasProject) {
        int reserved = 0;
        if (stoppedWidth)
            reserved += footerSpacing + stoppedWidth;
        if (!activity.isEmpty())
            reserved += footerSpacing + badgeWidth;
        const int icon = qRound(f.labelMetrics.ascent() * 0.9);
        const int chrome = 2 * labelPaddingH + icon + labelIconGap;
        const QString name = singleLine(m_content.projectName);
        // One pixel of slack: the rounded advance can be a fraction short of what eliding measures.
        const int natural = chrome + f.labelMetrics.horizontalAdvance(name) + 1;
        const int labelWidth = qMax(qMin(natural, inner - reserved), qMin(natural, chrome + f.labelMetrics.averageCharWidth() * 3));
        const int labelHeight = f.labelMetrics.height() + 2 * labelPaddingV;
        const QRectF capsule(x, top + (h - labelHeight) / 2.0, labelWidth, labelHeight);

        const ProjectLabelStyle::Choice style = ProjectLabelStyle::forColorHex(m_content.projectColorHex);
        const QColor fill = style.fill ? QColor::fromRgbF(style.fill->red, style.fill->green, style.fill->blue)
                                       : SessionCardStyle::defaultProjectLabelColor();
        const QColor text = textColor(style.blackText);
        p.setPen(Qt::NoPen);
        p.setBrush(fill);
        p.drawRoundedRect(capsule, labelHeight / 2.0, labelHeight / 2.0);
        const int iconY = int(capsule.top() + labelPaddingV + (f.labelMetrics.height() - icon) / 2);
        p.drawPixmap(int(capsule.left()) + labelPaddingH, iconY,
                     symbolPixmap(QStringLiteral("folder"), icon, text, devicePixelRatioF()));
        p.setFont(f.label);
        p.setPen(text);
        const int textX = int(capsule.left()) + labelPaddingH + icon + labelIconGap;
        const int textWidth = labelWidth - chrome;
        p.drawText(QRect(textX, int(capsule.top()) + labelPaddingV, textWidth, f.labelMetrics.height()),
                   Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                   labelWidth >= natural ? name : f.labelMetrics.elidedText(name, Qt::ElideRight, textWidth));
        x += labelWidth + footerSpacing;
    }
    if (stoppedWidth) {
        const int bh = f.caption2MediumMetrics.height() + 2 * badgePaddingV;
        const QRectF capsule(x, top + (h - bh) / 2.0, stoppedWidth, bh);
        p.setPen(Qt::NoPen);
        p.setBrush(SessionCardStyle::quaternaryFill(pal));
        p.drawRoundedRect(capsule, bh / 2.0, bh / 2.0);
        p.setFont(f.caption2Medium);
        p.setPen(SessionCardStyle::secondary(pal));
        p.drawText(capsule, Qt::AlignCenter | Qt::TextSingleLine, stopped);
        x += stoppedWidth + footerSpacing;
    }
    if (!activity.isEmpty()) {
        p.setFont(f.caption2);
        p.setPen(SessionCardStyle::secondary(pal));
        const int available = qMax(0, width() - paddingH - x);
        p.drawText(QRect(x, top, available, h), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                   badgeWidth <= available ? activity : f.caption2Metrics.elidedText(activity, Qt::ElideRight, available));
    }
}

bool SessionCardView::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::Enter:
        m_hovered = true;
        update();
        break;
    case QEvent::Leave:
        m_hovered = false;
        update();
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

void SessionCardView::changeEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::LanguageChange:
        retranslate();
        break;
    case QEvent::FontChange:
        m_promptLayout.reset();
        m_responseLayout.reset();
        invalidateLayout(true);
        break;
    case QEvent::PaletteChange:
        update();
        break;
    default:
        break;
    }
    QWidget::changeEvent(event);
}

void SessionCardView::hideEvent(QHideEvent *event)
{
    // A card that leaves the screen under the pointer must not stay highlighted.
    m_hovered = false;
    m_pressed = false;
    QWidget::hideEvent(event);
}

void SessionCardView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_pressed = true;
        m_pressPos = event->pos();
        event->accept();
        return;
    }
    QWidget::mousePressEvent(event);
}

void SessionCardView::mouseMoveEvent(QMouseEvent *event)
{
    if (m_pressed && (event->buttons() & Qt::LeftButton) &&
        (event->pos() - m_pressPos).manhattanLength() >= QApplication::startDragDistance()) {
        m_pressed = false;
        startDrag();
        return;
    }
    QWidget::mouseMoveEvent(event);
}

void SessionCardView::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && m_pressed) {
        m_pressed = false;
        if (rect().contains(event->pos()))
            open();
        event->accept();
        return;
    }
    QWidget::mouseReleaseEvent(event);
}

void SessionCardView::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        open();
        event->accept();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

QMimeData *SessionCardView::makeDragData() const
{
    auto *mime = new QMimeData;
    mime->setText(uuidText(m_content.id));
    return mime;
}

void SessionCardView::startDrag()
{
    QPointer<SessionCardView> self(this);
    m_busy = true;
    auto *drag = new QDrag(this);
    drag->setMimeData(makeDragData());
    QPixmap image = grab();
    QPixmap faded(image.size());
    faded.setDevicePixelRatio(image.devicePixelRatio());
    faded.fill(Qt::transparent);
    {
        QPainter p(&faded);
        p.setOpacity(0.85);
        p.drawPixmap(0, 0, image);
    }
    drag->setPixmap(faded);
    drag->setHotSpot(m_pressPos);
    drag->exec(Qt::MoveAction, Qt::MoveAction);
    if (!self)
        return;
    m_hovered = underMouse();
    update();
    finishBusy();
}

void SessionCardView::contextMenuEvent(QContextMenuEvent *event)
{
    QPointer<SessionCardView> self(this);
    m_busy = true;
    // No parent: the menu must not be deleted with the card while it is still running.
    QMenu menu;
    QIcon closeIcon;
    closeIcon.addPixmap(symbolPixmap(QStringLiteral("xmark.circle"), 16, QColor(215, 58, 50), devicePixelRatioF()));
    QAction *close = menu.addAction(closeIcon, L("セッションを閉じる"));
    const QAction *chosen = menu.exec(event->globalPos());
    if (!self)
        return;
    m_pressed = false;
    if (chosen == close)
        SessionLifecycle::teardown(m_content.id, m_context);
    finishBusy();
    event->accept();
}

} // namespace Brindlewick
