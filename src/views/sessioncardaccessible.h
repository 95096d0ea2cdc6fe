#pragma once

#include <QAccessibleWidget>

namespace Brindlewick {

class SessionCardView;

// What assistive technology sees of a card: a button named after the session and its project, the
// column (and "stopped") as its value, and one action per other column that moves the card there.
// GUI thread.
class SessionCardAccessible final : public QAccessibleWidget {
public:
    explicit SessionCardAccessible(SessionCardView *card);

    // Registers the factory with Qt's accessibility once; later calls do nothing.
    static void install();

    QString text(QAccessible::Text t) const override;
    QStringList actionNames() const override;
    QString localizedActionDescription(const QString &name) const override;
    void doAction(const QString &name) override;
    QStringList keyBindingsForAction(const QString &name) const override;

private:
    SessionCardView *card() const;
};

} // namespace Brindlewick
