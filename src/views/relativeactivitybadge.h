#pragma once

#include <QDateTime>
#include <QString>

namespace Brindlewick {

// The relative time of one date ("3 minutes ago"), numeric with wide unit names, in the interface
// language. A card draws it on one line in its footer and redraws it on every tick of
// RelativeActivityClock; it is a value rather than a widget so that a board of many cards stays
// cheap. GUI thread.
class RelativeActivityBadge {
public:
    explicit RelativeActivityBadge(const QDateTime &date) : m_date(date) {}

    const QDateTime &date() const { return m_date; }
    QString text(const QDateTime &now = QDateTime::currentDateTimeUtc()) const;

private:
    QDateTime m_date;
};

} // namespace Brindlewick
