#pragma once

// Relative time texts such as "3 minutes ago" / "in 2 hours": numeric (never "yesterday"), with
// wide unit names, in the interface language. Pure apart from the text lookup; GUI thread.

#include <QDateTime>
#include <QString>

namespace Brindlewick {

struct RelativeTimeText {
    enum class Unit { second, minute, hour, day, week, month, year };
    struct Amount {
        Unit unit = Unit::second;
        qint64 count = 0;
        bool future = false;
        bool operator==(const Amount &) const = default;
    };

    // The largest non-zero calendar component between the two moments (in local time), truncated:
    // 1 h 59 min is one hour; 8 days is one week; an equal moment is 0 seconds ago.
    static Amount amount(const QDateTime &date, const QDateTime &now);
    static QString text(const Amount &amount);
    static QString text(const QDateTime &date, const QDateTime &now) { return text(amount(date, now)); }
};

} // namespace Brindlewick
