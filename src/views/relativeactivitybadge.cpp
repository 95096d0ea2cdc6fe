#include "views/relativeactivitybadge.h"

#include "services/relativetimetext.h"

namespace Brindlewick {

QString RelativeActivityBadge::text(const QDateTime &now) const
{
    return RelativeTimeText::text(m_date, now);
}

} // namespace Brindlewick
