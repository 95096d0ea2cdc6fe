#pragma once

#include "support/testsupport.h"

#include <QStringList>

namespace BrindlewickTest {

// A temporary home whose login shell (SHELL = the recording shell in tests/helpers) puts the
// fake `claude` first on its PATH through ~/.bash_profile. The recordings of every start land in
// the home: login-shell-runs/<n>/{argv,env} and fake-claude-runs/<n>/{argv,env,cwd,pid,input}.
class TerminalHome : public TempHome {
public:
    TerminalHome();
    void clearRuns() const;
    // "stay", "exit" or "stubborn" (see tests/helpers/fake-claude/claude).
    void setFakeClaudeMode(const QString &mode) const;
    QString fakeRun(int n, const QString &file) const;
    QString shellRun(int n, const QString &file) const;
    int fakeRunCount() const;
    QStringList lines(const QString &path) const;
    static bool processExists(qint64 pid);
};

} // namespace BrindlewickTest
