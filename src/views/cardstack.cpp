#include "views/cardstack.h"

#include "views/sessioncardview.h"

#include <QEvent>

namespace Brindlewick {

CardStack::CardStack(QWidget *parent) : QWidget(parent)
{
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

void CardStack::setCards(const QVector<SessionCardView *> &cards)
{
    bool changed = cards != m_cards;
    QVector<SessionCardView *> toShow;
    for (SessionCardView *card : cards) {
        if (card->parentWidget() != this) {
            card->setParent(this);
            changed = true;
        }
        if (card->isHidden())
            toShow << card;
    }
    m_cards = cards;
    // A hidden stack is placed when it is shown and given its real width; placing it now would wrap
    // every card's text for a width it never has.
    if ((changed || !toShow.isEmpty()) && isVisible())
        relayout();
    // Shown after being placed, so that Qt does not size them from their hints first.
    for (SessionCardView *card : std::as_const(toShow))
        card->show();
}

int CardStack::heightForWidth(int width) const
{
    if (m_cards.isEmpty())
        return 0;
    int h = topPadding + bottomPadding + spacing * (int(m_cards.size()) - 1);
    for (const SessionCardView *card : m_cards)
        h += card->heightForWidth(width);
    return h;
}

QSize CardStack::sizeHint() const
{
    // Only the scroll area's own hint asks for this; the real height comes from heightForWidth.
    return {260, 120};
}

bool CardStack::event(QEvent *event)
{
    // A card's updateGeometry() arrives here, as the stack has no layout of its own.
    if (event->type() == QEvent::LayoutRequest && isVisible())
        relayout();
    return QWidget::event(event);
}

void CardStack::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (isVisible())
        relayout();
}

void CardStack::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    relayout();
}

void CardStack::relayout()
{
    const int w = width();
    int y = topPadding;
    for (SessionCardView *card : std::as_const(m_cards)) {
        const int h = card->heightForWidth(w);
        const QRect target(0, y, w, h);
        if (card->geometry() != target)
            card->setGeometry(target);
        y += h + spacing;
    }
    const int total = m_cards.isEmpty() ? 0 : y - spacing + bottomPadding;
    if (total != m_contentHeight) {
        m_contentHeight = total;
        Q_EMIT contentHeightChanged();
    }
}

} // namespace Brindlewick
