#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QObject>
#include <QString>
#include <QTimer>

#include <algorithm>

// Helpers the benchmarks share.
namespace BrindlewickBench {

// Resident memory of a process (0: this one) in KiB, from /proc; -1 when unreadable.
inline long rssKiB(qint64 pid = 0)
{
    QFile f(pid ? QStringLiteral("/proc/%1/status").arg(pid) : QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : f.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

// How long the GUI thread was held: the worst lateness of a precise timer of `intervalMs`
// since start() or the last resetWorst().
class Heartbeat final : public QObject {
public:
    explicit Heartbeat(int intervalMs = 10) : m_intervalMs(intervalMs)
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.setInterval(intervalMs);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            const qint64 now = m_clock.nsecsElapsed();
            m_worst = std::max(m_worst, now - m_last - qint64(m_intervalMs) * 1000000);
            m_last = now;
        });
    }
    void start()
    {
        m_clock.start();
        m_last = 0;
        m_worst = 0;
        m_timer.start();
    }
    void stop() { m_timer.stop(); }
    double worstMs() const { return double(m_worst) / 1e6; }
    // Starts a new measuring phase without losing the current interval.
    void resetWorst() { m_worst = 0; }

private:
    int m_intervalMs;
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_last = 0;
    qint64 m_worst = 0;
};

} // namespace BrindlewickBench
