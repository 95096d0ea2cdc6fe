#pragma once

#include <QVector>
#include <QWidget>

namespace Brindlewick {

class SessionCardView;

// The vertical stack of cards inside a column's scroll area: full width, 6 apart, 4 from the top.
// It places the cards itself from their cached heights, so reordering or one card's new height
// costs a pass over plain numbers rather than a layout of hundreds of items. GUI thread.
class CardStack final : public QWidget {
    Q_OBJECT
public:
    static constexpr int spacing = 6;
    static constexpr int topPadding = 4;
    static constexpr int bottomPadding = 4;

    explicit CardStack(QWidget *parent = nullptr);

    // Shows exactly these cards in this order, taking over the ones that live elsewhere.
    void setCards(const QVector<SessionCardView *> &cards);
    const QVector<SessionCardView *> &cards() const { return m_cards; }

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;

Q_SIGNALS:
    // The height the cards need changed; the scroll area must measure again.
    void contentHeightChanged();

protected:
    bool event(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void relayout();

    QVector<SessionCardView *> m_cards;
    int m_contentHeight = 0;
};

} // namespace Brindlewick
