#pragma once

#include <QObject>
#include <QTimer>

namespace Brindlewick {

// One shared tick every 60 seconds on a fixed grid (counted from 2001-01-01 00:00:00 UTC), so that
// every relative activity badge refreshes at the same moments, whenever it appeared. GUI thread.
class RelativeActivityClock final : public QObject {
    Q_OBJECT
public:
    static constexpr qint64 periodMsecs = 60'000;
    static constexpr qint64 anchorMsecsSinceEpoch = 978'307'200'000; // 2001-01-01 00:00:00 UTC

    static RelativeActivityClock &shared();
    // Milliseconds from `nowMsecsSinceEpoch` to the next grid moment (a full period when on one).
    static qint64 msecsUntilNextTick(qint64 nowMsecsSinceEpoch);

Q_SIGNALS:
    void tick();

private:
    RelativeActivityClock();
    void arm();
    QTimer m_timer;
};

} // namespace Brindlewick
