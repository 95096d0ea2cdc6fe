#include "views/boardview.h"

#include "models/session.h"
#include "persistence/modelcontext.h"
#include "services/boardorder.h"
#include "services/localization.h"
#include "services/sessionprocessmanager.h"
#include "views/boardcolumn.h"
#include "views/cardstack.h"
#include "views/relativeactivityclock.h"
#include "views/sessioncardstyle.h"
#include "views/sessioncardview.h"

#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>

namespace Brindlewick {

namespace {

// A one-pixel rule between two columns, in a faint shade of the text colour.
QFrame *makeDivider(QWidget *parent)
{
    auto *line = new QFrame(parent);
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Plain);
    line->setLineWidth(1);
    line->setFixedWidth(1);
    return line;
}

void styleDivider(QFrame *line, const QPalette &palette)
{
    QPalette p = line->palette();
    p.setColor(QPalette::WindowText, SessionCardStyle::divider(palette));
    line->setPalette(p);
}

} // namespace

BoardView::BoardView(ModelContext &context, QWidget *parent) : QWidget(parent), m_context(context)
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    bool first = true;
    for (SessionColumn c : BoardColumn::boardOrder) {
        if (!first) {
            QFrame *divider = makeDivider(this);
            styleDivider(divider, palette());
            layout->addWidget(divider);
        }
        first = false;
        auto *column = new BoardColumn(c, context, this);
        m_columns[size_t(c)] = column;
        layout->addWidget(column, 1);
    }
    setWindowTitle(L("ボード"));

    connect(&m_context, &ModelContext::changed, this, &BoardView::storeChanged);
    connect(&SessionProcessManager::shared(), &SessionProcessManager::terminalsChanged, this,
            &BoardView::scheduleRefresh);
    // Every badge redraws at the same moment; the texts are computed while painting.
    connect(&RelativeActivityClock::shared(), &RelativeActivityClock::tick, this, [this] {
        for (const Entry &e : std::as_const(m_cards)) {
            if (e.card->content().lastActivityAt)
                e.card->update();
        }
    });
    refresh();
}

BoardView::~BoardView() = default;

BoardColumn *BoardView::column(SessionColumn c) const
{
    return m_columns[size_t(c)];
}

SessionCardView *BoardView::card(const QUuid &sessionID) const
{
    return m_cards.value(sessionID).card;
}

void BoardView::storeChanged(const ChangeSet &what)
{
    // A save writes what the edits already announced, and notes or tasks never show on a card.
    if (what.cause == ChangeSet::Cause::Save)
        return;
    if (what.touches(EntityKind::Session) || what.touches(EntityKind::Project))
        scheduleRefresh();
}

void BoardView::scheduleRefresh()
{
    if (m_pending)
        return;
    m_pending = true;
    // Many edits in one turn (a hook event writes several attributes) become one update.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (!m_pending)
                return;
            if (!isVisible()) {
                m_pending = false;
                m_staleWhileHidden = true;
                return;
            }
            refresh();
        },
        Qt::QueuedConnection);
}

void BoardView::refreshNow()
{
    refresh();
}

void BoardView::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_staleWhileHidden)
        refresh();
}

void BoardView::refresh()
{
    m_pending = false;
    m_staleWhileHidden = false;
    ++m_generation;

    FetchDescriptor<Session> all;
    all.sortBefore = [](const Session *a, const Session *b) {
        if (a->sortOrder() != b->sortOrder())
            return a->sortOrder() < b->sortOrder();
        return a->createdAt() < b->createdAt();
    };
    std::vector<Session *> sessions = m_context.fetch(all);
    std::array<std::vector<Session *>, 3> groups;
    for (auto &g : groups)
        g.reserve(sessions.size());
    for (Session *s : sessions)
        groups[size_t(s->column())].push_back(s);
    groups[size_t(SessionColumn::attention)] =
        BoardOrder::attentionNewestFirst(std::move(groups[size_t(SessionColumn::attention)]));

    const SessionProcessManager &processes = SessionProcessManager::shared();
    for (SessionColumn c : BoardColumn::boardOrder) {
        BoardColumn *target = m_columns[size_t(c)];
        QVector<SessionCardView *> cards;
        cards.reserve(int(groups[size_t(c)].size()));
        for (Session *s : groups[size_t(c)]) {
            const SessionCardView::Content content = SessionCardView::Content::of(*s, processes.hasTerminal(s->id()));
            Entry &entry = m_cards[s->id()];
            if (!entry.card) {
                entry.card = new SessionCardView(m_context, content, target->stack());
                connect(entry.card, &SessionCardView::openRequested, this, &BoardView::openSessionRequested);
            } else {
                entry.card->setContent(content);
            }
            entry.generation = m_generation;
            cards << entry.card;
        }
        target->setCards(cards);
    }
    for (auto it = m_cards.begin(); it != m_cards.end();) {
        if (it->generation != m_generation) {
            it->card->retire();
            it = m_cards.erase(it);
        } else {
            ++it;
        }
    }
}

void BoardView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        setWindowTitle(L("ボード"));
    } else if (event->type() == QEvent::PaletteChange) {
        for (QFrame *divider : findChildren<QFrame *>(QString(), Qt::FindDirectChildrenOnly))
            styleDivider(divider, palette());
    }
    QWidget::changeEvent(event);
}

} // namespace Brindlewick
