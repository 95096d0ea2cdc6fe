#include "views/sessioncardaccessible.h"

#include "views/sessioncardview.h"

namespace Brindlewick {

static QAccessibleInterface *cardFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("Brindlewick::SessionCardView") && object && object->isWidgetType())
        return new SessionCardAccessible(static_cast<SessionCardView *>(object));
    return nullptr;
}

SessionCardAccessible::SessionCardAccessible(SessionCardView *card) : QAccessibleWidget(card, QAccessible::Button) {}

void SessionCardAccessible::install()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(&cardFactory);
}

SessionCardView *SessionCardAccessible::card() const
{
    return static_cast<SessionCardView *>(widget());
}

QString SessionCardAccessible::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Name:
        return card()->accessibleLabelText();
    case QAccessible::Description:
        return card()->accessibleHintText();
    case QAccessible::Value:
        return card()->accessibleValueText();
    default:
        return QAccessibleWidget::text(t);
    }
}

QStringList SessionCardAccessible::actionNames() const
{
    QStringList names{pressAction()};
    for (SessionColumn c : card()->moveTargets())
        names << SessionCardView::moveActionTitle(c);
    return names;
}

QString SessionCardAccessible::localizedActionDescription(const QString &name) const
{
    if (name == pressAction())
        return card()->accessibleHintText();
    return name;
}

void SessionCardAccessible::doAction(const QString &name)
{
    if (name == pressAction()) {
        card()->open();
        return;
    }
    for (SessionColumn c : card()->moveTargets()) {
        if (name == SessionCardView::moveActionTitle(c)) {
            card()->moveTo(c);
            return;
        }
    }
}

QStringList SessionCardAccessible::keyBindingsForAction(const QString &) const
{
    return {};
}

} // namespace Brindlewick
