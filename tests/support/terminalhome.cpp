#include "support/terminalhome.h"

#include <QDir>
#include <QFileInfo>

namespace BrindlewickTest {

TerminalHome::TerminalHome() {
    const QString helpers = QStringLiteral(BW_SOURCE_DIR "/tests/helpers");
    writeFile(path() + QStringLiteral("/.bash_profile"),
              "export PATH=\"" + QFile::encodeName(helpers) + "/fake-claude:$PATH\"\nPS1='test$ '\n");
    qputenv("SHELL", QFile::encodeName(helpers + QStringLiteral("/recording-login-shell")));
}

void TerminalHome::clearRuns() const {
    QDir(path() + QStringLiteral("/fake-claude-runs")).removeRecursively();
    QDir(path() + QStringLiteral("/login-shell-runs")).removeRecursively();
    QFile::remove(path() + QStringLiteral("/fake-claude-mode"));
}

void TerminalHome::setFakeClaudeMode(const QString &mode) const {
    writeFile(path() + QStringLiteral("/fake-claude-mode"), mode.toUtf8());
}

QString TerminalHome::fakeRun(int n, const QString &file) const {
    return path() + QStringLiteral("/fake-claude-runs/%1/").arg(n) + file;
}

QString TerminalHome::shellRun(int n, const QString &file) const {
    return path() + QStringLiteral("/login-shell-runs/%1/").arg(n) + file;
}

int TerminalHome::fakeRunCount() const {
    return static_cast<int>(QDir(path() + QStringLiteral("/fake-claude-runs"))
                                .entryList(QDir::Dirs | QDir::NoDotAndDotDot)
                                .size());
}

QStringList TerminalHome::lines(const QString &file) const {
    return QString::fromUtf8(readFile(file)).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

bool TerminalHome::processExists(qint64 pid) {
    // A zombie still has its /proc entry, so this is false only once the process is reaped.
    return pid > 0 && QFileInfo::exists(QStringLiteral("/proc/%1").arg(pid));
}

} // namespace BrindlewickTest
