#pragma once

// Real git in temporary folders for the tests: repositories with a first commit, commands run
// directly (without the application's safety options, so a test can also show what they prevent).

#include "services/processrunner.h"

#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>

namespace BrindlewickTest {

inline Brindlewick::ProcessOutcome rawGit(const QString &dir, const QStringList &args) {
    Brindlewick::ProcessSpec request;
    request.program = QStringLiteral("git");
    request.arguments = args;
    request.environment = Brindlewick::ProcessRunner::currentEnvironment(
        [](const QString &n) { return n.startsWith(QLatin1String("GIT_")); });
    request.environment << QStringLiteral("GIT_AUTHOR_NAME=Test")
                     << QStringLiteral("GIT_AUTHOR_EMAIL=test@example.invalid")
                     << QStringLiteral("GIT_COMMITTER_NAME=Test")
                     << QStringLiteral("GIT_COMMITTER_EMAIL=test@example.invalid");
    request.workingDirectory = dir;
    return Brindlewick::ProcessRunner::run(request);
}

// A repository at `dir` on branch main with one commit holding README.
inline bool makeRepository(const QString &dir) {
    QDir().mkpath(dir);
    QFile f(dir + QStringLiteral("/README"));
    if (!f.open(QIODevice::WriteOnly) || f.write("hello\n") != 6)
        return false;
    f.close();
    return rawGit(dir, {QStringLiteral("init"), QStringLiteral("-q"), QStringLiteral("-b"),
                        QStringLiteral("main")})
               .succeeded() &&
           rawGit(dir, {QStringLiteral("add"), QStringLiteral("README")}).succeeded() &&
           rawGit(dir, {QStringLiteral("commit"), QStringLiteral("-q"), QStringLiteral("-m"),
                        QStringLiteral("init")})
               .succeeded();
}

} // namespace BrindlewickTest
