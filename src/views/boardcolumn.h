#pragma once

#include "models/sessioncolumn.h"

#include <QVariantAnimation>
#include <QVector>
#include <QWidget>

#include <array>

class QLabel;
class QScrollArea;

namespace Brindlewick {

class CardStack;
class ModelContext;
class SessionCardView;

// One column of the board: a header (symbol, label, subtitle in the column's colour, as ColumnStyle
// names them), then its
// cards in a scroll area or "カードなし". Dropping session ids on it moves those sessions here; while
// a drag hovers over it, it is highlighted. GUI thread.
class BoardColumn final : public QWidget {
    Q_OBJECT
public:
    // The board shows its columns in this order.
    static constexpr std::array<SessionColumn, 3> boardOrder{SessionColumn::attention, SessionColumn::idle,
                                                             SessionColumn::working};

    BoardColumn(SessionColumn column, ModelContext &context, QWidget *parent = nullptr);

    SessionColumn column() const { return m_column; }
    void setCards(const QVector<SessionCardView *> &cards);
    const QVector<SessionCardView *> &cards() const;
    CardStack *stack() const { return m_stack; }
    bool isTargeted() const { return m_targeted; }
    // The "カードなし" text is shown instead of the scroll area when the column is empty.
    bool showsEmptyText() const;

protected:
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void setTargeted(bool targeted);
    void retranslate();
    void applyStyle();

    SessionColumn m_column;
    ModelContext &m_context;
    QLabel *m_symbol = nullptr;
    QLabel *m_title = nullptr;
    QLabel *m_subtitle = nullptr;
    QLabel *m_empty = nullptr;
    QScrollArea *m_scroll = nullptr;
    CardStack *m_stack = nullptr;
    bool m_targeted = false;
    qreal m_highlight = 0; // 0 … 1, follows m_targeted with a short ease-out
    QVariantAnimation m_highlightAnimation;
};

} // namespace Brindlewick
