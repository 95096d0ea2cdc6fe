#pragma once

#include "models/sessioncolumn.h"

#include <QHash>
#include <QUuid>
#include <QWidget>

#include <array>

namespace Brindlewick {

class BoardColumn;
class ModelContext;
class SessionCardView;
struct ChangeSet;

// The board: every stored session as a card in one of three columns (attention, idle, working).
// It follows the store and the set of live terminals by itself: changes are gathered until the next
// turn of the event loop, then the grouping is computed again and only the cards whose content
// changed are redrawn; a card keeps its widget for as long as its session exists and moves to
// another column when its column changes. While the board is hidden the work waits until it is
// shown. GUI thread.
class BoardView final : public QWidget {
    Q_OBJECT
public:
    explicit BoardView(ModelContext &context, QWidget *parent = nullptr);
    ~BoardView() override;

    BoardColumn *column(SessionColumn column) const;
    // The card of a session, or none when the session is not on the board.
    SessionCardView *card(const QUuid &sessionID) const;
    int cardCount() const { return int(m_cards.size()); }

    // Applies pending changes at once instead of on the next turn of the event loop.
    void refreshNow();
    bool hasPendingRefresh() const { return m_pending; }

Q_SIGNALS:
    // A card was clicked (or activated from the keyboard or assistive technology): the session's
    // window should open or come to the front.
    void openSessionRequested(const QUuid &sessionID);

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void storeChanged(const ChangeSet &what);
    void scheduleRefresh();
    void refresh();

    struct Entry {
        SessionCardView *card = nullptr;
        quint64 generation = 0;
    };

    ModelContext &m_context;
    std::array<BoardColumn *, 3> m_columns{}; // indexed by SessionColumn
    QHash<QUuid, Entry> m_cards;
    quint64 m_generation = 0;
    bool m_pending = false;
    bool m_staleWhileHidden = false;
};

} // namespace Brindlewick
