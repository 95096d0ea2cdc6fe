#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

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

} // namespace BrindlewickBench
