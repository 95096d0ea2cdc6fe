#include "views/relativeactivityclock.h"

#include <QDateTime>

namespace Brindlewick {

RelativeActivityClock &RelativeActivityClock::shared()
{
    static RelativeActivityClock *instance = new RelativeActivityClock; // lives as long as the process
    return *instance;
}

qint64 RelativeActivityClock::msecsUntilNextTick(qint64 nowMsecsSinceEpoch)
{
    qint64 phase = (nowMsecsSinceEpoch - anchorMsecsSinceEpoch) % periodMsecs;
    if (phase < 0)
        phase += periodMsecs;
    return periodMsecs - phase;
}

RelativeActivityClock::RelativeActivityClock()
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        Q_EMIT tick();
        arm();
    });
    arm();
}

void RelativeActivityClock::arm()
{
    // Re-armed from the wall clock each time, so the ticks do not drift off the grid.
    m_timer.start(int(msecsUntilNextTick(QDateTime::currentMSecsSinceEpoch())));
}

} // namespace Brindlewick
